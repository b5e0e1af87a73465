// The main window: a two-page wizard (input page, results page) with a row of
// five buttons bound to the actions of actionlistDorvanta.
#pragma once

#include "core/engine/ResultList.h"

#include <QDialog>
#include <QString>

class QAction;
class QActionGroup;
class QDragEnterEvent;
class QDropEvent;
class QFrame;
class QPushButton;
class QStackedWidget;
class QWidget;

namespace dorvanta {

struct TCircuit;
struct TCheckedPart;
class TInputPage;
class TResultsPage;

class TformDorvanta : public QDialog {
    Q_OBJECT

public:
    // `catalogueDirectory` is where the catalogue file is looked for: the
    // program's directory in the program, a test's own directory in tests.
    explicit TformDorvanta(const QString& catalogueDirectory, QWidget* parent = nullptr);
    ~TformDorvanta() override;

    // Reviews the parts list `file` with the circuit of the input page and
    // opens the review window; a message box says why when it cannot.
    void CheckPartsList(const QString& file);

public slots:
    // Cancel, Escape and the window's close button all end the program here.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    // A local .csv file dropped on the window is reviewed as a parts list.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    static constexpr int kPageIndexZadani = 0;
    static constexpr int kPageIndexTabulka = 1;

    // Empties the result list; the tree's nodes that point into it go first.
    void ClearResults();

    // The enabling rules of Back, Next and Print; run whenever the program
    // is idle, and nowhere else.
    void actionBackUpdate();
    void actionNextUpdate();
    void actionPrintUpdate();

    void FormCreate(const QString& catalogueDirectory);
    void FormShow();
    void FormDestroy();
    // False when the catalogue file could not be read: the criteria lists
    // then stay empty.
    bool LoadCatalogue(const QString& catalogueDirectory);
    void ShowError(const QString& text);

    void CreateFrame();
    void CreateActions();
    void CreateButtons();
    void CreateTabulkaPage(QWidget* page);
    void UpdateActions();

    void actionBackExecute();
    void actionNextExecute();
    // The search run of Next: its messages and the closest-match rerun.
    void RunSearch();
    [[nodiscard]] bool AskZprava(bool closestMatch);
    void ShowNoRecordsFound();
    void actionPrintExecute();
    void actionAboutExecute();
    void actionCancelExecute();
    // The parts-list review (frmDorvantaReview.cpp).
    void actionCheckPartsListExecute();
    void ShowReviewedPart(const TCircuit& circuit, const TCheckedPart& part);

    // Frame and wizard.
    QFrame* shapeRamecek = nullptr;
    QWidget* imageDorvanta = nullptr;
    QStackedWidget* notebookDorvanta = nullptr;
    QFrame* bevelTlacitka = nullptr;
    QActionGroup* actionlistDorvanta = nullptr;
    QAction* actionBack = nullptr;
    QAction* actionNext = nullptr;
    QAction* actionPrint = nullptr;
    QAction* actionAbout = nullptr;
    QAction* actionCancel = nullptr;
    QPushButton* buttonBack = nullptr;
    QPushButton* buttonNext = nullptr;
    QPushButton* buttonPrint = nullptr;
    QPushButton* buttonAbout = nullptr;
    QPushButton* buttonCancel = nullptr;

    // State of the wizard.
    bool ClosestMatch = false;
    QString StartMessage;
    QString CatalogueNote;  // the caption's note on where the catalogue comes from
    TResultList ResultList; // the candidates of the last search

    TInputPage* pageZadani = nullptr;
    // Results page ("Tabulka").
    TResultsPage* pageTabulka = nullptr;
};

} // namespace dorvanta
