// The printed report of the recommended parts: one framed block per part with
// its catalogue data and its computed values at every temperature, the notes
// and the notice once after the last part, and on every page a header with
// the title and a footer with the issuer, contact, version and page text.
// One rendering path serves the printer and PDF files.
#pragma once

#include "core/catalogue/Series.h"
#include "core/engine/PartNoInfo.h"
#include "core/engine/ResultList.h"
#include "core/record/Expected.h"
#include "report/ReportEngine.h"

#include <QByteArray>
#include <QFont>
#include <QPageLayout>
#include <QPageSize>
#include <QString>

#include <array>
#include <cstddef>
#include <string>
#include <vector>

class QPagedPaintDevice;

namespace dorvanta {

// A line of the report's copy of the result list. The line is not the
// report's: it stays with the result list, which outlives the report.
struct TReportLine {
    std::string Text;
    const TResultLine* Line = nullptr;
};

// One row of a part block: a caption and its value on each half. Row 1 has
// only a left half, whose value spans to the block's right edge; row 19 only
// a right half.
struct TPartBlockRow {
    QString LeftCaption;
    QString LeftValue;
    QString RightCaption;
    QString RightValue;
};

inline constexpr std::size_t kPartBlockRows = 19;
inline constexpr int kFitRow = 12; // the failures-in-time row, from 1

// The texts of the part block that QuickRepNeedData filled last.
struct TPartBlock {
    QString qrlabelPartNumberData; // "Moltren Part Number  " and the part number
    std::array<TPartBlockRow, kPartBlockRows> Rows;
};

// The page and the bands, in millimetres. The report is laid out for A4
// portrait; on another page it keeps its margins and band heights, its
// frame and bands span the page's print width, and its pages hold as many
// part blocks as fit.
inline constexpr double kPageWidth = 210;
inline constexpr double kPageHeight = 297;
inline constexpr double kMarginTopBottom = 10;
inline constexpr double kMarginLeftRight = 13;
inline constexpr double kPrintWidth = kPageWidth - 2 * kMarginLeftRight;   // 184
inline constexpr double kPrintHeight = kPageHeight - 2 * kMarginTopBottom; // 277
inline constexpr TBandHeights kReportBands = {10.85, 125.41, 24.61, 11.38};

// The report's page on paper of `size` in `orientation`, with its margins.
[[nodiscard]] QPageLayout
ReportPageLayout(const QPageSize& size = QPageSize(QPageSize::A4),
                 QPageLayout::Orientation orientation = QPageLayout::Portrait);

// The note under the title while the results page shows the closest-match note.
inline constexpr char16_t kCurrentNote[] =
    u"Application current exceeds the test current. Experimental verification recommended.";

// The printed "Moltren Test Surge [A]" of a part of `series`: 1.1 times the
// application surge for a WIR part, otherwise the test surge that the
// evaluation computed (and the window shows).
[[nodiscard]] Real PrintedTestSurge(TTypVyrobku series, const TPocitaneInfo& values) noexcept;

// The report's fonts, requested by the names the layout was made for; on
// Linux fontconfig maps them to the metric-compatible Liberation fonts.
[[nodiscard]] QFont ReportFont(int pointSize, bool bold = false);
[[nodiscard]] QFont TitleFont();

class TquickreportDorvanta {
public:
    // Copies the lines of `list`, each with its candidate; numbers are
    // written with `decimalSeparator`.
    TquickreportDorvanta(const TResultList& list, std::string decimalSeparator);

    // The lines to print and the index of the next one; 0 after every
    // complete pass.
    std::vector<TReportLine> PartList;
    std::size_t PartIndex = 0;

    // The header note; the caller empties it when the closest-match note is
    // not shown.
    QString qrlabelPoznamka = QString::fromUtf16(kCurrentNote);
    QString qrlabelVersion;

    // Lays the report out without painting and returns its number of pages.
    int CountPages();
    [[nodiscard]] int PageCount() const noexcept { return pageCount_; }

    // The page that the report is laid out on; A4 portrait unless changed.
    // Changing it counts the pages anew at the next print.
    void SetPage(const QPageLayout& page);

    // Gives `device` the report's page.
    void SetUpPage(QPagedPaintDevice& device) const;

    // Generates the report on `device`, whose page the caller has set up,
    // painting the pages of `range` `copies` times over. Counts the pages
    // first if that has not been done. False when the device cannot be
    // painted on (a printer that is not ready).
    [[nodiscard]] bool Print(QPagedPaintDevice& device, TPageRange range, int copies = 1);
    [[nodiscard]] bool Print(QPagedPaintDevice& device);

    // The engine's events.
    [[nodiscard]] bool QuickRepNeedData();
    [[nodiscard]] bool childbandDetailBeforePrint() const noexcept;
    [[nodiscard]] QString qrsysdataCisloStrankyPrint(const QString& value) const;

    [[nodiscard]] const TPartBlock& PartBlock() const noexcept { return block_; }

private:
    void FillPartBlock(const TReportLine& line);
    void PrintBand(TReportCanvas& canvas, const TPlacedBand& band);
    void qrbandPageHeaderPrint(TReportCanvas& canvas) const;
    void qrbandDetailPrint(TReportCanvas& canvas) const;
    void childbandDetailPrint(TReportCanvas& canvas) const;
    void qrbandPageFooterPrint(TReportCanvas& canvas, int page) const;

    // The print area of the page in millimetres, and a horizontal position
    // of the A4 layout carried over to this page's print width.
    [[nodiscard]] double PrintWidth() const;
    [[nodiscard]] double PrintHeight() const;
    [[nodiscard]] double X(double millimetres) const;

    std::string separator_;
    QPageLayout page_ = ReportPageLayout();
    TPartBlock block_;
    int pageCount_ = 0;
};

// The whole report as a PDF document titled "Dorvanta", or the reason why it
// cannot be drawn.
[[nodiscard]] Expected<QByteArray> ReportPdf(TquickreportDorvanta& report);

} // namespace dorvanta
