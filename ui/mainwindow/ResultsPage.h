// The results page ("Tabulka") of the main window: the tree of recommended
// parts, the temperature choice, the two notes and the details table.
#pragma once

#include "core/catalogue/Series.h"
#include "core/engine/ResultList.h"
#include "core/record/PartNoRecord.h"

#include <QPointer>
#include <QWidget>

#include <cstdint>
#include <span>
#include <vector>

class QAction;
class QLabel;
class QMenu;
class QModelIndex;
class QTreeView;

namespace dorvanta {

class TCompareWindow;
class TDetailsPanel;
class TResultsTreeModel;
class TTemperatureChoice;

class TResultsPage : public QWidget {
    Q_OBJECT

public:
    explicit TResultsPage(QWidget* parent = nullptr);

    // The catalogue the results come from: the tree's part-number column is
    // made wide enough for its longest part number.
    void SetCatalogue(std::span<const TPartNoRecord> catalogue);

    // A group node per rated voltage of the sorted `list`, a part node per
    // line; the list must outlive the nodes (until ClearTree or the next
    // BuildTree).
    void BuildTree(const TResultList& list);
    // Drops the nodes before the lines they point into are freed.
    void ClearTree();
    // The first group expanded, its first part selected (which shows its
    // details) and the keyboard focus in the tree.
    void SelectFirstPart();

    // The part of that number selected and its group expanded, as a click
    // on it does; false, with the selection left alone, when the tree has none.
    bool SelectPart(const QString& partNumber);

    // The grey note of a closest-match result; hidden at start.
    void ShowCurrentNote(bool show);
    [[nodiscard]] bool CurrentNoteShown() const;

private:
    // The tree's current node changed to `node` (invalid: none).
    void treeviewSeznamTypuChange(const QModelIndex& node);
    // The temperature button of `temperatureIndex` became checked.
    void radiobutton25stupnuClick(int temperatureIndex);
    void ClearPartValues();
    void ClearTemperatureValues();
    // Rows 9 to 14 of `part` at the chosen temperature, or the derating note
    // when its series has no values there.
    void ShowTemperatureValues(const TPartNoInfo& part, TTypVyrobku series);
    void SetTemperatureCaptions(const QString& text);

    void CreateTree();
    void CreateTemperatureChoice();
    void CreateNotes();
    void CreateContextMenu();
    [[nodiscard]] QModelIndex CurrentNode() const;
    [[nodiscard]] const TResultLine* CurrentLine() const;
    // The lines of the selected part nodes, in tree order.
    [[nodiscard]] std::vector<const TResultLine*> SelectedLines() const;
    void treeviewSeznamTypuContextPopup(const QPoint& position);
    void actionComparePartsUpdate();
    void actionCopyPartNumberExecute();
    void actionSaveResultsExecute();
    void actionComparePartsExecute();

    std::uint8_t TemperatureIndex = kTemperature25;
    TResultsTreeModel* Model = nullptr;
    QTreeView* treeviewSeznamTypu = nullptr;
    TTemperatureChoice* groupboxTemperature = nullptr;
    TDetailsPanel* panelDetails = nullptr;
    QLabel* labelPoznamkaDerating = nullptr;
    QLabel* labelPoznamkaCurrent = nullptr;
    QMenu* popupSeznamTypu = nullptr;
    QAction* actionCopyPartNumber = nullptr;
    QAction* actionSaveResults = nullptr;
    QAction* actionCompareParts = nullptr;
    // The window of the compared parts while it is open.
    QPointer<TCompareWindow> formCompare;
};

// The caption of a series' top temperature: "175" (KWG), "105" (WIR) or
// "125".
[[nodiscard]] QString TopTemperatureText(TTypVyrobku series);

// The red note under a temperature at which a KMD or KYD part has no values;
// hidden, its line kept free.
[[nodiscard]] QLabel* CreateDeratingNote(QWidget* parent);

// Asks for a file through the save dialog titled `title`, which proposes
// `fileName`, and writes `list` there as CSV, through the safe writer; a
// failed write is reported in a message box and leaves any file of that
// name as it was.
void SaveResultsAsCsv(QWidget* owner, const TResultList& list, const QString& title,
                      const QString& fileName);

} // namespace dorvanta
