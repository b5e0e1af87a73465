// The review window of a parts list: one row per list line with its verdict
// in colour and the figures of its catalogue part, sortable by any column,
// the replacements (and a twin's other entries) under a line when it is
// expanded, the temperature whose figures it shows, and the buttons that
// save the review as CSV, print it and close the window. A double-click on
// a catalogue part asks the main window to show it.
#pragma once

#include "core/review/PartsListCheck.h"
#include "report/ReviewReport.h"

#include <QDialog>

#include <functional>

class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace dorvanta {

class TTemperatureChoice;

// The review of the same list at another temperature index.
using TRecheck = std::function<TPartsListReview(int temperatureIndex)>;

class TReviewWindow : public QDialog {
    Q_OBJECT

public:
    // A modeless window over `parent`, deleted when it closes; `recheck`
    // reviews the list again when another temperature is chosen.
    TReviewWindow(TPartsListReview review, TReviewReportTexts texts, TRecheck recheck,
                  QWidget* parent);

    [[nodiscard]] const TPartsListReview& Review() const noexcept { return review_; }

    // The tree's columns.
    enum TColumn : int {
        kColumnLine,
        kColumnDesignators,
        kColumnPartNumber,
        kColumnMatchedPart,
        kColumnVerdict,
        kColumnDerating,
        kColumnAppSurge,
        kColumnTestSurge,
        kColumnSurgeMargin,
        kColumnIrms,
        kColumnDCL,
        kColumnFIT,
        kColumnMTBF,
        kColumnCount
    };

signals:
    // A double-click on a line with a catalogue part or on one of its rows
    // below: that part, in the circuit of its line.
    void PartChosen(const dorvanta::TCircuit& circuit, const dorvanta::TCheckedPart& part);

private:
    void CreateTemperatureChoice();
    void CreateTree();
    void CreateButtons();
    void ShowSummary();
    void FillTree();
    void groupboxTemperatureChosen(int temperatureIndex);
    // The catalogue part that a row stands for; none for a line without one.
    [[nodiscard]] const TCheckedPart* RowPart(const QTreeWidgetItem& item) const;
    void treeviewReviewDoubleClick(QTreeWidgetItem* item);
    void buttonSaveCsvClick();
    void buttonPrintClick();

    TPartsListReview review_;
    TReviewReportTexts texts_;
    TRecheck recheck_;

    QLabel* labelSummary = nullptr;
    TTemperatureChoice* groupboxTemperature = nullptr;
    QTreeWidget* treeviewReview = nullptr;
    QPushButton* buttonSaveCsv = nullptr;
    QPushButton* buttonPrint = nullptr;
    QPushButton* buttonClose = nullptr;
};

} // namespace dorvanta
