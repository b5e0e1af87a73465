#include "report/ReviewReport.h"

#include "ProgramVersion.h"
#include "core/display/VersionText.h"
#include "core/export/PartsListOutput.h"
#include "report/qrptDorvanta.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QStringList>

#include <string>
#include <utility>
#include <vector>

namespace dorvanta {

namespace {

constexpr double kPad = 1.5;         // above and below the rows of a block
constexpr double kBar = 1.5;         // the verdict's bar on a block's left
constexpr double kIndent = 3;        // the rows' left edge, right of the bar
constexpr double kTitleHeight = 6.6; // the header's title line
constexpr double kSummaryRow = 6;
constexpr double kCaptionWidth = 45; // the summary's captions
constexpr double kRuleWidth = 0.2;

// The columns of a part row, from the rows' left edge.
constexpr double kRoleWidth = 22;
constexpr double kPartNumberWidth = 38;
constexpr double kValuesWidth = 62;

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

QRectF MmRect(const TReportCanvas& canvas, double x, double y, double w, double h) {
    return {canvas.Mm(x), canvas.Mm(y), canvas.Mm(w), canvas.Mm(h)};
}

// A text on one line, vertically centred in its box and elided on the right
// when it is wider.
void LineText(TReportCanvas& canvas, const QRectF& mm, const QString& text,
              Qt::Alignment align = Qt::AlignLeft) {
    QPainter& painter = canvas.Painter();
    const QRectF box = MmRect(canvas, mm.x(), mm.y(), mm.width(), mm.height());
    const QString shown = QFontMetricsF(painter.font(), painter.device())
                              .elidedText(text, Qt::ElideRight, box.width());
    painter.drawText(box, static_cast<int>(align | Qt::AlignVCenter), shown);
}

void Rule(TReportCanvas& canvas, double y, double width) {
    QPainter& painter = canvas.Painter();
    painter.setPen(QPen(Qt::black, canvas.Mm(kRuleWidth)));
    painter.drawLine(QPointF(0, canvas.Mm(y)), QPointF(canvas.Mm(width), canvas.Mm(y)));
}

void Swatch(TReportCanvas& canvas, const QRectF& mm, TVerdict verdict) {
    canvas.Painter().fillRect(MmRect(canvas, mm.x(), mm.y(), mm.width(), mm.height()),
                              VerdictColour(verdict));
}

// "using internal database" of the window caption's " - [using internal database]".
QString CatalogueLine(QString note) {
    note = note.trimmed();
    if (note.startsWith(u"- ")) {
        note.remove(0, 2);
    }
    if (note.startsWith(u'[') && note.endsWith(u']')) {
        note = note.mid(1, note.size() - 2);
    }
    return note;
}

QString TemperatureLine(int temperatureIndex) {
    return temperatureIndex == kTemperatureTop
               ? QStringLiteral("the top temperature of each part's series")
               : Text(TemperatureText(temperatureIndex, tvAll));
}

// The rows of a catalogue part: its number, values and verdict, then its
// figures on two rows.
constexpr int kPartRows = 3;

void PrintPart(TReportCanvas& canvas, double top, double width, const QString& role,
               const TCheckedPart& part, int temperatureIndex) {
    QPainter& painter = canvas.Painter();
    painter.setPen(Qt::black);
    painter.setFont(ReportFont(9));
    double x = kIndent;
    LineText(canvas, QRectF(x, top, kRoleWidth, kReviewRow), role);
    x += kRoleWidth;
    painter.setFont(ReportFont(9, true));
    LineText(canvas, QRectF(x, top, kPartNumberWidth, kReviewRow), Text(part.PartNumber));
    painter.setFont(ReportFont(9));
    LineText(canvas, QRectF(x + kPartNumberWidth, top, kValuesWidth, kReviewRow),
             Text(Joined(PartValueTexts(part), "  ")));
    const double messageLeft = x + kPartNumberWidth + kValuesWidth;
    painter.setPen(VerdictColour(part.Verdict));
    LineText(canvas, QRectF(messageLeft, top, width - messageLeft, kReviewRow), Text(part.Message));
    painter.setPen(Qt::black);
    painter.setFont(ReportFont(8));
    const QRectF figures = MmRect(canvas, x, top + kReviewRow, width - x, 2 * kReviewRow);
    painter.drawText(figures, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                     Text(FiguresText(part, temperatureIndex)));
}

} // namespace

QColor VerdictColour(TVerdict verdict) {
    switch (verdict) {
    case TVerdict::Recommended:
        return {0, 128, 0};
    case TVerdict::ClosestMatch:
    case TVerdict::BadLine:
        return {224, 112, 0};
    case TVerdict::NotInCatalogue:
        return {128, 128, 128};
    case TVerdict::Surge:
    case TVerdict::Voltage:
    case TVerdict::CannotEvaluate:
        break;
    }
    return {192, 0, 0};
}

TReviewReport::TReviewReport(const TPartsListReview& review, TReviewReportTexts texts)
    : review_(review), texts_(std::move(texts)), page_(ReportPageLayout()) {
}

void TReviewReport::SetPage(const QPageLayout& page) {
    page_ = ReportPageLayout(page.pageSize(), page.orientation());
    pageCount_ = 0;
}

void TReviewReport::SetUpPage(QPagedPaintDevice& device) const {
    device.setPageLayout(page_);
}

double TReviewReport::PrintWidth() const {
    return page_.paintRect(QPageLayout::Millimeter).width();
}

double TReviewReport::PrintHeight() const {
    return page_.paintRect(QPageLayout::Millimeter).height();
}

double TReviewReport::BlockHeight(const TCheckedLine& line) {
    const std::size_t parts = line.Matches.size() + line.Replacements.size();
    const std::size_t rows = 2 + (line.Matches.empty() ? 0 : 1) + kPartRows * parts;
    return 2 * kPad + kReviewRow * static_cast<double>(rows);
}

bool TReviewReport::NeedData() {
    if (block_ < 1 + review_.Lines.size()) {
        ++block_;
        return true;
    }
    block_ = 0;
    return false;
}

double TReviewReport::DetailHeight() const {
    if (block_ == 1) { // the summary fills the first page
        return PrintHeight() - kReviewBands.PageHeader - kReviewBands.PageFooter;
    }
    return BlockHeight(review_.Lines[block_ - 2]);
}

int TReviewReport::Generate(TReportCanvas* canvas) {
    block_ = 0;
    TReportEvents events{[this] { return NeedData(); }, [] { return false; }, nullptr};
    if (canvas != nullptr) {
        events.PrintBand = [this, canvas](const TPlacedBand& band) {
            PrintBand(*canvas, band);
        };
    }
    return GenerateReport(kReviewBands, PrintHeight(), events, [this] { return DetailHeight(); });
}

int TReviewReport::CountPages() {
    pageCount_ = Generate(nullptr);
    return pageCount_;
}

bool TReviewReport::Print(QPagedPaintDevice& device, TPageRange range, int copies) {
    if (pageCount_ == 0) {
        CountPages();
    }
    return PaintCopies(device, range, copies, [this](TReportCanvas& canvas) { Generate(&canvas); });
}

bool TReviewReport::Print(QPagedPaintDevice& device) {
    if (pageCount_ == 0) {
        CountPages();
    }
    return Print(device, {1, pageCount_});
}

void TReviewReport::PrintBand(TReportCanvas& canvas, const TPlacedBand& band) const {
    if (!canvas.BeginBand(band)) {
        return;
    }
    canvas.Painter().setPen(Qt::black);
    switch (band.Kind) {
    case TBandKind::PageHeader:
        PrintHeader(canvas);
        break;
    case TBandKind::Detail:
        if (block_ == 1) {
            PrintSummary(canvas);
        } else {
            PrintLine(canvas, review_.Lines[block_ - 2]);
        }
        break;
    case TBandKind::Child:
        break;
    case TBandKind::PageFooter:
        PrintFooter(canvas, band.Page);
        break;
    }
}

void TReviewReport::PrintHeader(TReportCanvas& canvas) const {
    QPainter& painter = canvas.Painter();
    const double width = PrintWidth();
    painter.setFont(TitleFont());
    LineText(canvas, QRectF(0, 0, width, kTitleHeight), QStringLiteral("Dorvanta"),
             Qt::AlignHCenter);
    painter.setFont(ReportFont(10));
    LineText(canvas, QRectF(0, kTitleHeight, width, 5),
             QStringLiteral("Parts-List Review: ") + texts_.ListName, Qt::AlignHCenter);
    Rule(canvas, kReviewBands.PageHeader - 1, width);
}

void TReviewReport::PrintSummary(TReportCanvas& canvas) const {
    QPainter& painter = canvas.Painter();
    const double width = PrintWidth();
    const TCheckOptions& options = review_.Options;
    double top = 4;
    painter.setFont(ReportFont(14, true));
    LineText(canvas, QRectF(0, top, width, 8), QStringLiteral("Parts-List Review"));
    top += 12;
    const std::pair<QString, QString> rows[] = {
        {QStringLiteral("Parts list"), texts_.ListName},
        {QStringLiteral("Catalogue"), CatalogueLine(texts_.CatalogueNote)},
        {QStringLiteral("Default application"), Text(CircuitText(options.Defaults))},
        {QStringLiteral("Temperature"), TemperatureLine(options.TemperatureIndex)},
        {QStringLiteral("Closest match"), options.ClosestMatchPasses
                                              ? QStringLiteral("counts as recommended")
                                              : QStringLiteral("counts as not recommended")},
        {QStringLiteral("Date"), texts_.Date.toString(Qt::ISODate)},
    };
    for (const auto& [caption, value] : rows) {
        painter.setFont(ReportFont(10, true));
        LineText(canvas, QRectF(0, top, kCaptionWidth, kSummaryRow), caption);
        painter.setFont(ReportFont(10));
        LineText(canvas, QRectF(kCaptionWidth, top, width - kCaptionWidth, kSummaryRow), value);
        top += kSummaryRow;
    }
    top += kSummaryRow;
    painter.setFont(ReportFont(10, true));
    LineText(canvas, QRectF(0, top, width, kSummaryRow), Text(ReviewSummaryText(review_.Summary)));
    top += kSummaryRow * 1.5;
    painter.setFont(ReportFont(10));
    constexpr double kSwatch = 3.5;
    constexpr double kCountRight = 140;
    for (std::size_t v = 0; v < kVerdictCount; ++v) {
        const auto verdict = static_cast<TVerdict>(v);
        Swatch(canvas, QRectF(0, top + (kSummaryRow - kSwatch) / 2, kSwatch, kSwatch), verdict);
        LineText(canvas, QRectF(kSwatch + 2, top, kCountRight - 20, kSummaryRow),
                 Text(std::string(VerdictText(verdict))));
        LineText(canvas, QRectF(kCountRight - 15, top, 15, kSummaryRow),
                 QString::number(review_.Summary.Count(verdict)), Qt::AlignRight);
        top += kSummaryRow;
    }
}

void TReviewReport::PrintLine(TReportCanvas& canvas, const TCheckedLine& line) const {
    QPainter& painter = canvas.Painter();
    const double width = PrintWidth();
    const double height = BlockHeight(line);
    Swatch(canvas, QRectF(0, kPad, kBar, height - 2 * kPad), line.Verdict);

    double top = kPad;
    constexpr double kLineWidth = 20;
    constexpr double kPartNumber = 70;
    painter.setFont(ReportFont(10, true));
    LineText(canvas, QRectF(kIndent, top, kLineWidth, kReviewRow),
             QStringLiteral("Line ") + QString::number(line.Line));
    const double designators = kIndent + kLineWidth;
    LineText(canvas, QRectF(designators, top, width - designators - kPartNumber - 2, kReviewRow),
             Text(Joined(line.Designators, ", ")));
    LineText(canvas, QRectF(width - kPartNumber, top, kPartNumber, kReviewRow),
             Text(line.PartNumber), Qt::AlignRight);
    top += kReviewRow;
    painter.setPen(VerdictColour(line.Verdict));
    LineText(canvas, QRectF(kIndent, top, width - kIndent, kReviewRow), Text(line.Message));
    top += kReviewRow;
    painter.setPen(Qt::black);
    if (!line.Matches.empty()) {
        painter.setFont(ReportFont(9));
        LineText(canvas, QRectF(kIndent, top, width - kIndent, kReviewRow),
                 QStringLiteral("Application: ") + Text(CircuitText(line.Application)));
        top += kReviewRow;
    }
    const int temperature = review_.Options.TemperatureIndex;
    for (const TCheckedPart& match : line.Matches) {
        PrintPart(canvas, top, width, QStringLiteral("Match"), match, temperature);
        top += kPartRows * kReviewRow;
    }
    for (const TCheckedPart& replacement : line.Replacements) {
        PrintPart(canvas, top, width, QStringLiteral("Replacement"), replacement, temperature);
        top += kPartRows * kReviewRow;
    }
    Rule(canvas, height - kRuleWidth, width);
}

void TReviewReport::PrintFooter(TReportCanvas& canvas, int page) const {
    QPainter& painter = canvas.Painter();
    const double width = PrintWidth();
    constexpr double kLine = 4.6;
    constexpr double kFirst = 1;
    painter.setFont(ReportFont(10));
    LineText(canvas, QRectF(0, kFirst, width * 0.7, kLine),
             QStringLiteral("Parts-list review of ") + texts_.Date.toString(Qt::ISODate));
    LineText(canvas, QRectF(0, kFirst + kLine, width * 0.7, kLine), texts_.ListName);
    LineText(canvas, QRectF(0, kFirst, width, kLine),
             QStringLiteral("Software ") + Text(VersionText(kFileVersion)), Qt::AlignRight);
    LineText(canvas, QRectF(0, kFirst + kLine, width, kLine),
             QStringLiteral("Page %1 of %2").arg(page).arg(pageCount_), Qt::AlignRight);
}

Expected<QByteArray> ReviewReportPdf(TReviewReport& report) {
    return PdfDocument([&report](QPagedPaintDevice& device) { report.SetUpPage(device); },
                       [&report](QPagedPaintDevice& device) { return report.Print(device); });
}

} // namespace dorvanta
