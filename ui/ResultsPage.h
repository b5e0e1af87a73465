// The results page ("Tabulka") of the main window: the tree of recommended
// parts, the temperature choice, the two notes and the details table.
#pragma once

#include "PartNoRecord.h"
#include "ResultList.h"
#include "Series.h"

#include <QWidget>

#include <array>
#include <cstdint>
#include <span>

class QAction;
class QGroupBox;
class QLabel;
class QMenu;
class QModelIndex;
class QRadioButton;
class QTreeView;

namespace dorvanta {

class TDetailsPanel;
class TResultsTreeModel;

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
    // The selection of the tree changed to `node` (invalid: none).
    void treeviewSeznamTypuChange(const QModelIndex& node);
    // `sender`, one of the five temperature buttons, became checked.
    void radiobutton25stupnuClick(QRadioButton* sender);
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
    [[nodiscard]] QModelIndex SelectedNode() const;
    [[nodiscard]] const TResultLine* SelectedLine() const;
    void treeviewSeznamTypuContextPopup(const QPoint& position);
    void actionCopyPartNumberExecute();
    void actionSaveResultsExecute();

    std::uint8_t TemperatureIndex = kTemperature25;
    TResultsTreeModel* Model = nullptr;
    QTreeView* treeviewSeznamTypu = nullptr;
    QGroupBox* groupboxTemperature = nullptr;
    QRadioButton* radiobutton55stupnu = nullptr;
    QRadioButton* radiobutton25stupnu = nullptr;
    QRadioButton* radiobutton40stupnu = nullptr;
    QRadioButton* radiobutton85stupnu = nullptr;
    QRadioButton* radiobutton125stupnu = nullptr;
    TDetailsPanel* panelDetails = nullptr;
    QLabel* labelPoznamkaDerating = nullptr;
    QLabel* labelPoznamkaCurrent = nullptr;
    QMenu* popupSeznamTypu = nullptr;
    QAction* actionCopyPartNumber = nullptr;
    QAction* actionSaveResults = nullptr;
};

// The caption of a series' top temperature: "175" (KWG), "105" (WIR) or
// "125".
[[nodiscard]] QString TopTemperatureText(TTypVyrobku series);

} // namespace dorvanta
