// A small banded report engine: a page header at the top of every page, detail
// bands while the report has data, each followed by an optional child band,
// and a page footer at the bottom of every page. Heights and positions are in
// millimetres from the top of the page's printable area.
#pragma once

#include "core/record/Expected.h"

#include <QByteArray>

#include <functional>

class QPagedPaintDevice;
class QPainter;

namespace dorvanta {

enum class TBandKind { PageHeader, Detail, Child, PageFooter };

struct TBandHeights {
    double PageHeader = 0;
    double Detail = 0;
    double Child = 0;
    double PageFooter = 0;
};

// One band as laid out: its page (from 1) and its top on that page.
struct TPlacedBand {
    TBandKind Kind = TBandKind::PageHeader;
    int Page = 1;
    double Top = 0;
    double Height = 0;
};

// What drives the layout. NeedData is asked before each detail band and ends
// the report by answering false; ChildBeforePrint is asked after each detail
// band. PrintBand receives every placed band in printing order, each page's
// footer last; it may be empty to count pages only.
struct TReportEvents {
    std::function<bool()> NeedData;
    std::function<bool()> ChildBeforePrint;
    std::function<void(const TPlacedBand&)> PrintBand;
};

// Lays the bands out on pages whose printable height is `pageHeight` and
// returns the number of pages. A detail or child band that does not fit above
// the page footer starts a new page; one that does not fit even on an empty
// page is placed there anyway (and clipped) rather than paging for ever.
int GenerateReport(const TBandHeights& heights, double pageHeight, const TReportEvents& events);

// The same layout for detail bands of their own heights: `detailHeight` is
// asked for each detail band's height after NeedData has answered true.
int GenerateReport(const TBandHeights& heights, double pageHeight, const TReportEvents& events,
                   const std::function<double()>& detailHeight);

// The pages of a print run that reach the device, from 1, both included.
struct TPageRange {
    int First = 1;
    int Last = 1;
};

// Paints placed bands on a paged device in millimetres, converted with the
// device's resolution; the origin is the top left corner of the page's
// printable area. Starts a new device page whenever a band of another page
// arrives and skips the bands of pages outside the range.
class TReportCanvas {
public:
    TReportCanvas(QPainter& painter, QPagedPaintDevice& device, TPageRange range);

    // Moves the origin to the band's top left corner; false when the band's
    // page is not printed.
    [[nodiscard]] bool BeginBand(const TPlacedBand& band);

    [[nodiscard]] QPainter& Painter() noexcept { return painter_; }
    // Device units for a length in millimetres.
    [[nodiscard]] double Mm(double millimetres) const noexcept { return millimetres * unitsPerMm_; }

private:
    QPainter& painter_;
    QPagedPaintDevice& device_;
    TPageRange range_;
    double unitsPerMm_;
    int currentPage_ = 0; // the page being painted; 0 before the first
};

// Paints a report `copies` times over on `device`: `generate` lays the
// report out once per copy and paints its bands through the canvas, which
// keeps the pages of `range`. False when the device cannot be painted on
// (a printer that is not ready).
[[nodiscard]] bool PaintCopies(QPagedPaintDevice& device, TPageRange range, int copies,
                               const std::function<void(TReportCanvas&)>& generate);

// A PDF document titled "Dorvanta" in memory: `setUp` gives the writer its
// page, `print` paints the whole report and answers whether it could.
[[nodiscard]] Expected<QByteArray>
PdfDocument(const std::function<void(QPagedPaintDevice&)>& setUp,
            const std::function<bool(QPagedPaintDevice&)>& print);

} // namespace dorvanta
