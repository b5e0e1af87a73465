// Printing the report of the recommended parts through the standard print
// dialog. The dialog only collects the settings; the report paints itself
// on the printer as it paints on a PDF file.
#pragma once

#include "core/engine/ResultList.h"

#include <QString>

class QPrinter;
class QWidget;

namespace dorvanta {

enum class TPrintOutcome { Printed, Cancelled, Failed };

// Counts the report's pages, then shows the print dialog for `printer` with
// one copy, all pages of 1 to that count and the printer's own settings,
// then prints the chosen pages and copies on the paper and in the
// orientation chosen in the dialog (A4 portrait to begin with). The header note is printed only
// when `currentNoteShown`. Cancel prints nothing; Failed means the printer
// could not be painted on.
[[nodiscard]] TPrintOutcome PrintReport(QWidget* owner, const TResultList& list,
                                        bool currentNoteShown, QPrinter& printer);

// Says in a message box that "the WHAT could not be sent to the printer"
// when `outcome` is Failed; nothing otherwise.
void SayIfNotPrinted(QWidget* owner, TPrintOutcome outcome, const QString& what);

struct TPartsListReview;
struct TReviewReportTexts;

// The printed review of a parts list through the same dialog, pages, paper
// and copies as PrintReport.
[[nodiscard]] TPrintOutcome PrintReviewReport(QWidget* owner, const TPartsListReview& review,
                                              const TReviewReportTexts& texts, QPrinter& printer);

} // namespace dorvanta
