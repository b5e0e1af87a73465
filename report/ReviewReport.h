// The printed review of a parts list: a summary page (the list, the
// catalogue, the default application, the temperature, the counts per
// verdict and the date), then one block per list line with its designators,
// the part number as written, the application used, the verdict marked in
// its colour, each matched catalogue part with its figures at the chosen
// temperature, and the replacements. A page header with the title and a
// footer with the version and page text stand on every page. One rendering
// path serves the printer and PDF files.
#pragma once

#include "core/record/Expected.h"
#include "core/review/PartsListCheck.h"
#include "report/ReportEngine.h"

#include <QByteArray>
#include <QColor>
#include <QDate>
#include <QPageLayout>
#include <QString>

#include <cstddef>

class QPagedPaintDevice;

namespace dorvanta {

// The colour that marks a verdict, in the window and on paper: green for
// recommended, red for a failing part, orange for a closest match or a bad
// line, grey for a part that is not in the catalogue.
[[nodiscard]] QColor VerdictColour(TVerdict verdict);

// What the summary page says besides the review itself.
struct TReviewReportTexts {
    QString ListName;      // the parts list's file name
    QString CatalogueNote; // where the catalogue comes from
    QDate Date;            // the day of the review
};

// Every band height of the review, in millimetres.
inline constexpr TBandHeights kReviewBands = {13, 0, 0, 11.38};
inline constexpr double kReviewRow = 4.6; // one line of text in a line block

class TReviewReport {
public:
    // The review stays with the caller, who keeps it while the report lives.
    TReviewReport(const TPartsListReview& review, TReviewReportTexts texts);

    // The page that the report is laid out on; A4 portrait unless changed,
    // always with the margins of the results report.
    void SetPage(const QPageLayout& page);
    void SetUpPage(QPagedPaintDevice& device) const;

    // Lays the report out without painting and returns its number of pages.
    int CountPages();
    [[nodiscard]] int PageCount() const noexcept { return pageCount_; }

    // Paints the pages of `range` `copies` times over on `device`, whose page
    // the caller has set up. False when the device cannot be painted on.
    [[nodiscard]] bool Print(QPagedPaintDevice& device, TPageRange range, int copies = 1);
    [[nodiscard]] bool Print(QPagedPaintDevice& device);

    // The height of a line's block in millimetres.
    [[nodiscard]] static double BlockHeight(const TCheckedLine& line);

private:
    int Generate(TReportCanvas* canvas);
    [[nodiscard]] bool NeedData();
    [[nodiscard]] double DetailHeight() const;
    void PrintBand(TReportCanvas& canvas, const TPlacedBand& band) const;
    void PrintHeader(TReportCanvas& canvas) const;
    void PrintSummary(TReportCanvas& canvas) const;
    void PrintLine(TReportCanvas& canvas, const TCheckedLine& line) const;
    void PrintFooter(TReportCanvas& canvas, int page) const;
    [[nodiscard]] double PrintWidth() const;
    [[nodiscard]] double PrintHeight() const;

    const TPartsListReview& review_;
    TReviewReportTexts texts_;
    QPageLayout page_;
    int pageCount_ = 0;
    // The block being laid out: 1 the summary, then the lines; 0 before the first.
    std::size_t block_ = 0;
};

// The whole review as a PDF document titled "Dorvanta", or the reason why it
// cannot be drawn.
[[nodiscard]] Expected<QByteArray> ReviewReportPdf(TReviewReport& report);

} // namespace dorvanta
