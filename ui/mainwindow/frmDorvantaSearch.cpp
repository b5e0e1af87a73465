// The search run of the main window: Next reads the input page, searches the
// catalogue, explains an empty result (with the closest-match offer when the
// surge rule rejected parts) and shows the results page.
#include "ui/mainwindow/frmDorvanta.h"

#include "core/catalogue/PartNumbers.h"
#include "core/engine/SearchRun.h"
#include "ui/desktop/ApplicationTitle.h"
#include "ui/dialogs/frmZprava.h"
#include "ui/mainwindow/InputPage.h"
#include "ui/mainwindow/ResultsPage.h"
#include "ui/widgets/BusyCursor.h"

#include <QMessageBox>
#include <QStackedWidget>

namespace dorvanta {

void TformDorvanta::actionNextExecute() {
    if (notebookDorvanta->currentIndex() == kPageIndexTabulka) {
        return;
    }
    const TBusyCursor busy;
    ClosestMatch = false;
    RunSearch();
    if (ResultList.empty()) {
        return; // RunSearch has told the user why
    }
    pageTabulka->BuildTree(ResultList);
    notebookDorvanta->setCurrentIndex(kPageIndexTabulka);
    pageTabulka->SelectFirstPart();
}

void TformDorvanta::RunSearch() {
    pageTabulka->ShowCurrentNote(false);
    const std::optional<TVstupniUdaje> input = pageZadani->Input();
    ClearResults();
    if (!input) {
        return; // Next is disabled while a text is not a number
    }
    TSearchOutcome outcome = SearchCatalogue(PartNumbers(), *input, ClosestMatch);
    ResultList = std::move(outcome.Parts);
    if (ResultList.empty()) {
        if (outcome.Reasons.Contains(rrSurge)) {
            ClosestMatch = AskZprava(false);
        } else {
            ShowNoRecordsFound();
        }
    }
    if (!ClosestMatch) {
        return;
    }
    // The closest-match rerun admits an application surge up to 15 % above
    // the test surge.
    outcome = SearchCatalogue(PartNumbers(), *input, ClosestMatch);
    ResultList = std::move(outcome.Parts);
    if (!ResultList.empty()) {
        pageTabulka->ShowCurrentNote(true);
    } else if (outcome.Reasons.Contains(rrSurge)) {
        (void)AskZprava(true);
    } else {
        ShowNoRecordsFound();
    }
}

// The voltage page of the dialog is never asked for: a voltage rejection
// comes with nearly every empty capacitance search and would hide the surge
// pages there.
bool TformDorvanta::AskZprava(bool closestMatch) {
    // The normal pointer over a question that waits for the user.
    const TOverrideCursor normal(Qt::ArrowCursor);
    TformZprava dialog(this, false, closestMatch);
    return dialog.exec() == QDialog::Accepted;
}

void TformDorvanta::ShowNoRecordsFound() {
    const TOverrideCursor normal(Qt::ArrowCursor);
    QMessageBox box(QMessageBox::Information, ApplicationTitle(),
                    QStringLiteral("No Records Found.\n\nPlease Modify Input Parameters."),
                    QMessageBox::Ok, this);
    box.exec();
}

} // namespace dorvanta
