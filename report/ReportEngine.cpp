#include "report/ReportEngine.h"

#include <QBuffer>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

namespace dorvanta {

namespace {

// Band positions are sums of decimal millimetres: allow for rounding.
constexpr double kTolerance = 1e-6;

class TLayout {
public:
    TLayout(const TBandHeights& heights, double pageHeight, const TReportEvents& events,
            const std::function<double()>& detailHeight)
        : heights_(heights), footerTop_(pageHeight - heights.PageFooter), events_(events),
          detailHeight_(detailHeight) {}

    int Run() {
        StartPage();
        while (events_.NeedData()) {
            Place(TBandKind::Detail, detailHeight_ ? detailHeight_() : heights_.Detail);
            if (events_.ChildBeforePrint()) {
                Place(TBandKind::Child, heights_.Child);
            }
        }
        EndPage();
        return page_;
    }

private:
    void StartPage() {
        cursor_ = 0;
        Emit(TBandKind::PageHeader, heights_.PageHeader);
        pageTop_ = cursor_;
    }

    void EndPage() {
        const double top = footerTop_;
        if (events_.PrintBand) {
            events_.PrintBand({TBandKind::PageFooter, page_, top, heights_.PageFooter});
        }
    }

    void Place(TBandKind kind, double height) {
        const bool fits = cursor_ + height <= footerTop_ + kTolerance;
        const bool pageEmpty = cursor_ <= pageTop_ + kTolerance;
        if (!fits && !pageEmpty) {
            EndPage();
            ++page_;
            StartPage();
        }
        Emit(kind, height);
    }

    void Emit(TBandKind kind, double height) {
        if (events_.PrintBand) {
            events_.PrintBand({kind, page_, cursor_, height});
        }
        cursor_ += height;
    }

    const TBandHeights& heights_;
    double footerTop_;
    const TReportEvents& events_;
    const std::function<double()>& detailHeight_;
    int page_ = 1;
    double cursor_ = 0;
    double pageTop_ = 0; // below the page header
};

} // namespace

int GenerateReport(const TBandHeights& heights, double pageHeight, const TReportEvents& events) {
    return GenerateReport(heights, pageHeight, events, nullptr);
}

int GenerateReport(const TBandHeights& heights, double pageHeight, const TReportEvents& events,
                   const std::function<double()>& detailHeight) {
    return TLayout(heights, pageHeight, events, detailHeight).Run();
}

TReportCanvas::TReportCanvas(QPainter& painter, QPagedPaintDevice& device, TPageRange range)
    : painter_(painter), device_(device), range_(range), unitsPerMm_(device.logicalDpiY() / 25.4) {
}

bool TReportCanvas::BeginBand(const TPlacedBand& band) {
    if (band.Page < range_.First || band.Page > range_.Last) {
        return false;
    }
    if (currentPage_ != 0 && band.Page != currentPage_) {
        device_.newPage();
    }
    currentPage_ = band.Page;
    painter_.resetTransform();
    painter_.translate(0, Mm(band.Top));
    return true;
}

bool PaintCopies(QPagedPaintDevice& device, TPageRange range, int copies,
                 const std::function<void(TReportCanvas&)>& generate) {
    QPainter painter;
    if (!painter.begin(&device)) {
        return false;
    }
    for (int copy = 0; copy < copies; ++copy) {
        if (copy > 0) {
            device.newPage();
        }
        TReportCanvas canvas(painter, device, range);
        generate(canvas);
    }
    return painter.end();
}

Expected<QByteArray> PdfDocument(const std::function<void(QPagedPaintDevice&)>& setUp,
                                 const std::function<bool(QPagedPaintDevice&)>& print) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(QStringLiteral("Dorvanta"));
        writer.setCreator(QStringLiteral("Dorvanta"));
        setUp(writer);
        if (!print(writer)) {
            return Unexpected("cannot draw the report");
        }
    }
    return bytes;
}

} // namespace dorvanta
