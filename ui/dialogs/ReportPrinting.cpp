#include "ui/dialogs/ReportPrinting.h"

#include "report/ReviewReport.h"
#include "report/qrptDorvanta.h"
#include "ui/desktop/ApplicationTitle.h"
#include "ui/desktop/LocaleTexts.h"

#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

#include <algorithm>
#include <functional>
#include <memory>

namespace dorvanta {

namespace {

// The pages the dialog chose (from and to are 0 for all pages), within the
// pages that the report has on the chosen paper.
TPageRange ChosenPages(const QPrinter& printer, int pageCount) {
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
        const int last = printer.toPage() > 0 ? printer.toPage() : pageCount;
        return {printer.fromPage(), std::min(last, pageCount)};
    }
    return {1, pageCount};
}

// Counts the report's pages, shows the print dialog, then prints the
// chosen pages and copies on the chosen paper; `beforePrint` readies the
// report once the dialog is accepted.
template <class Report>
TPrintOutcome PrintThroughDialog(QWidget* owner, Report& report, QPrinter& printer,
                                 const std::function<void()>& beforePrint) {
    const int pageCount = report.CountPages();

    printer.setDocName(ApplicationTitle());
    printer.setCopyCount(1);
    report.SetUpPage(printer);
    QPrintDialog dialog(&printer, owner);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    dialog.setMinMax(1, pageCount);
    dialog.setFromTo(1, pageCount);
    dialog.setPrintRange(QAbstractPrintDialog::AllPages);
    if (dialog.exec() != QDialog::Accepted) {
        return TPrintOutcome::Cancelled;
    }

    beforePrint();
    // The paper and orientation chosen in the dialog, with the report's margins.
    report.SetPage(printer.pageLayout());
    report.SetUpPage(printer);
    const TPageRange pages = ChosenPages(printer, report.CountPages());
    // A printing system that cannot make copies leaves them to the program.
    const int copies = printer.supportsMultipleCopies() ? 1 : printer.copyCount();
    return report.Print(printer, pages, copies) ? TPrintOutcome::Printed : TPrintOutcome::Failed;
}

} // namespace

TPrintOutcome PrintReport(QWidget* owner, const TResultList& list, bool currentNoteShown,
                          QPrinter& printer) {
    // One report per print; it copies the list, never the candidates.
    const auto report = std::make_unique<TquickreportDorvanta>(list, LocaleDecimalSeparator());
    return PrintThroughDialog(owner, *report, printer, [&report, currentNoteShown] {
        if (!currentNoteShown) {
            report->qrlabelPoznamka.clear();
        }
    });
}

TPrintOutcome PrintReviewReport(QWidget* owner, const TPartsListReview& review,
                                const TReviewReportTexts& texts, QPrinter& printer) {
    TReviewReport report(review, texts);
    return PrintThroughDialog(owner, report, printer, [] {});
}

void SayIfNotPrinted(QWidget* owner, TPrintOutcome outcome, const QString& what) {
    if (outcome == TPrintOutcome::Failed) {
        QMessageBox::critical(owner, ApplicationTitle(),
                              QStringLiteral("The %1 could not be sent to the printer.").arg(what));
    }
}

} // namespace dorvanta
