#include "ReportPrinting.h"

#include "ApplicationTitle.h"
#include "LocaleTexts.h"
#include "qrptDorvanta.h"

#include <QPrintDialog>
#include <QPrinter>

#include <memory>

namespace dorvanta {

namespace {

// The pages the dialog chose: from and to are 0 for all pages.
TPageRange ChosenPages(const QPrinter& printer, int pageCount) {
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
        return {printer.fromPage(), printer.toPage() > 0 ? printer.toPage() : pageCount};
    }
    return {1, pageCount};
}

} // namespace

TPrintOutcome PrintReport(QWidget* owner, const TResultList& list, bool currentNoteShown,
                          QPrinter& printer) {
    // One report per print; it copies the list, never the candidates.
    const auto report = std::make_unique<TquickreportDorvanta>(list, LocaleDecimalSeparator());
    const int pageCount = report->CountPages();

    printer.setDocName(ApplicationTitle());
    printer.setCopyCount(1);
    TquickreportDorvanta::SetUpPage(printer);
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

    if (!currentNoteShown) {
        report->qrlabelPoznamka.clear();
    }
    // A printing system that cannot make copies leaves them to the program.
    const int copies = printer.supportsMultipleCopies() ? 1 : printer.copyCount();
    return report->Print(printer, ChosenPages(printer, pageCount), copies) ? TPrintOutcome::Printed
                                                                           : TPrintOutcome::Failed;
}

} // namespace dorvanta
