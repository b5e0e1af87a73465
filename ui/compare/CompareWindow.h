// The compare window: the parts chosen in the results tree side by side, one
// column per part, with the rows of the details table at one of the five
// temperatures and the best value of each row marked. It is a window of its
// own beside the main window, which owns it and closes it when it closes.
#pragma once

#include "core/display/PartComparison.h"
#include "core/engine/ResultList.h"

#include <QWidget>

#include <vector>

class QLabel;
class QPushButton;
class QTableWidget;

namespace dorvanta {

class TTemperatureChoice;

class TCompareWindow : public QWidget {
    Q_OBJECT

public:
    // A window over `owner`'s window, deleted when it closes.
    explicit TCompareWindow(QWidget* owner);

    // Shows `parts` (in their order) at `temperatureIndex`, in place of the
    // parts shown before. `currentNoteShown`: the printed report carries the
    // results' note of a closest match.
    void ShowParts(TResultList parts, int temperatureIndex, bool currentNoteShown);

    // The table as tab-separated text for a spreadsheet: a header row with
    // the part numbers, then a row per value, its caption and unit first.
    [[nodiscard]] QString TableText() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateTable();
    void CreateButtons();
    // The temperature button of `temperatureIndex` became checked.
    void radiobutton25stupnuClick(int temperatureIndex);
    // The table's captions and values at the chosen temperature.
    void FillTable();
    // "125", or the tops of all series shown where they differ ("105/125").
    [[nodiscard]] QString TopTemperatureTexts() const;
    void FitToTable();

    void buttonCopyClick();
    void buttonSaveCsvClick();
    void buttonPrintClick();

    TResultList Parts;
    std::vector<TComparedPart> Compared; // the candidates of Parts, in order
    bool CurrentNoteShown = false;

    TTemperatureChoice* groupboxTemperature = nullptr;
    QTableWidget* tableCompare = nullptr;
    QLabel* labelPoznamkaDerating = nullptr;
    QPushButton* buttonCopy = nullptr;
    QPushButton* buttonSaveCsv = nullptr;
    QPushButton* buttonPrint = nullptr;
    QPushButton* buttonClose = nullptr;
};

} // namespace dorvanta
