#include "qrptDorvanta.h"

#include "MakerAddresses.h"
#include "NumberText.h"
#include "ProgramVersion.h"
#include "Series.h"
#include "VersionText.h"
#include "untKonstanty.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

#include <utility>

namespace dorvanta {

using namespace Qt::Literals::StringLiterals;

namespace {

// The part block, in millimetres from the detail band's top left corner.
constexpr double kFrameTop = 1;
constexpr double kFrameHeight = 117.5;
constexpr double kRowHeight = 5.82;
constexpr double kFirstRowTop = kFrameTop + kFrameHeight - kPartBlockRows * kRowHeight;
constexpr double kSplit = 90;
constexpr double kLeftCaption = 1;
constexpr double kLeftValue = 65.6;
constexpr double kRightCaption = 92.3;
constexpr double kRightValue = 158.75;
constexpr double kTextGap = 0.5; // between a text and the next rule
constexpr double kRuleWidth = 0.2;

constexpr double kNoticeTop = 11.4;

QString Utf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The failures-in-time caption: its two blanks after "10" carry the raised
// exponent "9", set in a smaller font.
constexpr char16_t kFitCaption[] = u"Failures in Time (10  hrs) @ 25°C [FITs]";
constexpr char16_t kFitCaptionBase[] = u"Failures in Time (10";
constexpr char16_t kFitExponent[] = u"9";
constexpr int kFitTemperature = kTemperature25;

// Texts at the top temperature of a series: "105", "175" or "125".
QString TopCaption(TTypVyrobku series) {
    return Utf8(TemperatureCaptions[static_cast<std::size_t>(TopTemperatureCaptionIndex(series))]);
}

class TValueTexts {
public:
    explicit TValueTexts(std::string_view separator) : separator_(separator) {}
    [[nodiscard]] QString General(Real value) const {
        return Utf8(FormatGeneral(value, separator_));
    }
    [[nodiscard]] QString Pattern(Real value, NumberPattern pattern) const {
        return Utf8(FormatPattern(value, pattern, separator_));
    }

private:
    std::string_view separator_;
};

QPen RulePen(const TReportCanvas& canvas) {
    return QPen(Qt::black, canvas.Mm(kRuleWidth));
}

void Line(TReportCanvas& canvas, double x1, double y1, double x2, double y2) {
    canvas.Painter().drawLine(QPointF(canvas.Mm(x1), canvas.Mm(y1)),
                              QPointF(canvas.Mm(x2), canvas.Mm(y2)));
}

QRectF MmRect(const TReportCanvas& canvas, double x, double y, double w, double h) {
    return {canvas.Mm(x), canvas.Mm(y), canvas.Mm(w), canvas.Mm(h)};
}

void Text(TReportCanvas& canvas, const QRectF& mmRect, int flags, const QString& text) {
    const QRectF rect = MmRect(canvas, mmRect.x(), mmRect.y(), mmRect.width(), mmRect.height());
    canvas.Painter().drawText(rect, flags, text);
}

// A text on one line of the band, vertically centred in [top, top + height].
void LineText(TReportCanvas& canvas, double left, double top, double width, double height,
              const QString& text, Qt::Alignment align = Qt::AlignLeft) {
    Text(canvas, QRectF(left, top, width, height), static_cast<int>(align | Qt::AlignVCenter),
         text);
}

void DrawFitExponent(TReportCanvas& canvas, double top) {
    QPainter& painter = canvas.Painter();
    const double baseWidth = painter.fontMetrics().horizontalAdvance(QString::fromUtf16(kFitCaptionBase));
    const QFont captionFont = painter.font();
    painter.setFont(ReportFont(8));
    const QRectF rect(canvas.Mm(kRightCaption) + baseWidth, canvas.Mm(top + 0.3),
                      canvas.Mm(5), canvas.Mm(kRowHeight / 2));
    painter.drawText(rect, Qt::AlignLeft | Qt::AlignTop, QString::fromUtf16(kFitExponent));
    painter.setFont(captionFont);
}

} // namespace

QFont ReportFont(int pointSize, bool bold) {
    QFont font(QStringLiteral("Arial"), pointSize, bold ? QFont::Bold : QFont::Normal);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

QFont TitleFont() {
    QFont font(QStringLiteral("Times New Roman"), 16, QFont::Bold, true);
    font.setStyleHint(QFont::Serif);
    return font;
}

TquickreportDorvanta::TquickreportDorvanta(const TResultList& list, std::string decimalSeparator)
    : qrlabelVersion(QStringLiteral("Software ") + Utf8(VersionText(kFileVersion))),
      separator_(std::move(decimalSeparator)) {
    PartList.reserve(list.size());
    for (const TResultLine& line : list) {
        PartList.push_back({std::string(line.Text), &line});
    }
}

void TquickreportDorvanta::SetUpPage(QPagedPaintDevice& device) {
    device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(kMarginLeftRight, kMarginTopBottom,
                                               kMarginLeftRight, kMarginTopBottom),
                                     QPageLayout::Millimeter));
}

bool TquickreportDorvanta::QuickRepNeedData() {
    if (PartIndex < PartList.size()) {
        FillPartBlock(PartList[PartIndex]);
    }
    const bool moreData = PartList.size() > PartIndex;
    ++PartIndex;
    if (!moreData) {
        PartIndex = 0;
    }
    return moreData;
}

bool TquickreportDorvanta::childbandDetailBeforePrint() const noexcept {
    return PartList.size() == PartIndex;
}

QString TquickreportDorvanta::qrsysdataCisloStrankyPrint(const QString& value) const {
    if (PartList.size() == 1) {
        return QStringLiteral("1 of 1");
    }
    return QStringLiteral("Page ") + value + QStringLiteral(" of ") + QString::number(pageCount_);
}

void TquickreportDorvanta::FillPartBlock(const TReportLine& line) {
    const TPartNoInfo part = CandidateInfo(*line.Line);
    const TPocitaneInfo& values = part.Pocitane;
    const std::string_view partNumber = LinePartNumber(line.Text);
    const TTypVyrobku series = SeriesOf(partNumber);
    const QString top = TopCaption(series);
    const TValueTexts text(separator_);
    const auto whole = [&](const TTemperatureValues& v, int t) {
        return text.Pattern(v[static_cast<std::size_t>(t)], NumberPattern::Integer);
    };
    const auto twoDecimals = [&](const TTemperatureValues& v, int t) {
        return text.Pattern(v[static_cast<std::size_t>(t)], NumberPattern::TwoDecimals);
    };
    const auto scientific = [&](const TTemperatureValues& v, int t) {
        return text.Pattern(v[static_cast<std::size_t>(t)], NumberPattern::Scientific);
    };
    const QString dimension =
        part.CaseSize.empty() ? QString() : Utf8(CaseDimensions(series, part.CaseSize));
    const QString df = part.DF == 0 ? QStringLiteral("-") : text.General(part.DF);
    const Real testSurge = series == tvWIR ? values.AppSurge * 1.1L : values.TestSurge;
    const int t5 = kTemperatureTop;

    block_.qrlabelPartNumberData = QStringLiteral("Moltren Part Number  ") + Utf8(partNumber);
    // clang-format off
    block_.Rows = {{
        {u"Dimensions LxWxH [mm]"_s, dimension, {}, {}},
        {u"Case Size"_s, Utf8(part.CaseSize),
         u"Vrms -55°C @ 100 kHz [mV]"_s, whole(values.Vrms, kTemperature55)},
        {u"Capacitance [µF] @ 25°C, 120 Hz"_s, text.General(part.Capacitance),
         u"Vrms 25°C @ 100 kHz [mV]"_s, whole(values.Vrms, kTemperature25)},
        {u"Rated Voltage [V]"_s, text.General(part.RatedVoltage),
         u"Vrms 40°C @ 100 kHz [mV]"_s, whole(values.Vrms, kTemperature40)},
        {u"Applicable Voltage Derating [%]"_s, text.Pattern(values.Derating, NumberPattern::OneDecimal),
         u"Vrms 85°C @ 100 kHz [mV]"_s, whole(values.Vrms, kTemperature85)},
        {u"DF [%] @ 25°C, 120 Hz"_s, df,
         u"Vrms "_s + top + u"°C @ 100kHz [mV]"_s, whole(values.Vrms, t5)},
        {u"ESR Max. [Ohm] @ 25°C, 100 kHz"_s, text.Pattern(part.ESRmax * 0.001L, NumberPattern::ThreeDecimals),
         u"Failure Rate -55°C [%/1000 hrs]"_s, scientific(values.FailureRate, kTemperature55)},
        {u"DCL Max. [µA] @ 25°C, 3 min."_s, text.Pattern(part.DCLmax, NumberPattern::OneDecimal),
         u"Failure Rate 25°C [%/1000 hrs]"_s, scientific(values.FailureRate, kTemperature25)},
        {u"DCL Typical -55°C @ App. Volt. [µA]"_s, twoDecimals(values.DCL, kTemperature55),
         u"Failure Rate 40°C [%/1000 hrs]"_s, scientific(values.FailureRate, kTemperature40)},
        {u"DCL Typical 25°C @ App. Volt. [µA]"_s, twoDecimals(values.DCL, kTemperature25),
         u"Failure Rate 85°C [%/1000 hrs]"_s, scientific(values.FailureRate, kTemperature85)},
        {u"DCL Typical 40°C @ App. Volt. [µA]"_s, twoDecimals(values.DCL, kTemperature40),
         u"Failure Rate "_s + top + u"°C [%/1000hrs]"_s, scientific(values.FailureRate, t5)},
        {u"DCL Typical 85°C @ App. Volt. [µA]"_s, twoDecimals(values.DCL, kTemperature85),
         QString::fromUtf16(kFitCaption), twoDecimals(values.FIT, kFitTemperature)},
        {u"DCL Typical "_s + top + u"°C @ App. Volt. [µA]"_s, twoDecimals(values.DCL, t5),
         u"MTBF -55°C [years]"_s, whole(values.MTBF, kTemperature55)},
        {u"Irms -55°C @ 100 kHz [mA]"_s, whole(values.Irms, kTemperature55),
         u"MTBF 25°C [years]"_s, whole(values.MTBF, kTemperature25)},
        {u"Irms 25°C @ 100 kHz [mA]"_s, whole(values.Irms, kTemperature25),
         u"MTBF 40°C [years]"_s, whole(values.MTBF, kTemperature40)},
        {u"Irms 40°C @ 100 kHz [mA]"_s, whole(values.Irms, kTemperature40),
         u"MTBF 85°C [years]"_s, whole(values.MTBF, kTemperature85)},
        {u"Irms 85°C @ 100 kHz [mA]"_s, whole(values.Irms, kTemperature85),
         u"MTBF "_s + top + u"°C [years]"_s, whole(values.MTBF, t5)},
        {u"Irms "_s + top + u"°C @ 100kHz [mA]"_s, whole(values.Irms, t5),
         u"Application Surge [A]"_s, text.Pattern(values.AppSurge, NumberPattern::OneDecimal)},
        {{}, {}, u"Moltren Test Surge [A]"_s, text.Pattern(testSurge, NumberPattern::OneDecimal)},
    }};
    // clang-format on
}

int TquickreportDorvanta::CountPages() {
    PartIndex = 0;
    pageCount_ = GenerateReport(kReportBands, kPrintHeight,
                                {[this] { return QuickRepNeedData(); },
                                 [this] { return childbandDetailBeforePrint(); }, nullptr});
    return pageCount_;
}

bool TquickreportDorvanta::Print(QPagedPaintDevice& device, TPageRange range, int copies) {
    if (pageCount_ == 0) {
        CountPages();
    }
    QPainter painter;
    if (!painter.begin(&device)) {
        return false;
    }
    for (int copy = 0; copy < copies; ++copy) {
        if (copy > 0) {
            device.newPage();
        }
        TReportCanvas canvas(painter, device, range);
        PartIndex = 0;
        GenerateReport(kReportBands, kPrintHeight,
                       {[this] { return QuickRepNeedData(); },
                        [this] { return childbandDetailBeforePrint(); },
                        [this, &canvas](const TPlacedBand& band) { PrintBand(canvas, band); }});
    }
    return painter.end();
}

bool TquickreportDorvanta::Print(QPagedPaintDevice& device) {
    if (pageCount_ == 0) {
        CountPages();
    }
    return Print(device, {1, pageCount_});
}

void TquickreportDorvanta::PrintBand(TReportCanvas& canvas, const TPlacedBand& band) {
    if (!canvas.BeginBand(band)) {
        return;
    }
    QPainter& painter = canvas.Painter();
    painter.setPen(RulePen(canvas));
    painter.setBrush(Qt::NoBrush);
    switch (band.Kind) {
    case TBandKind::PageHeader:
        qrbandPageHeaderPrint(canvas);
        break;
    case TBandKind::Detail:
        qrbandDetailPrint(canvas);
        break;
    case TBandKind::Child:
        childbandDetailPrint(canvas);
        break;
    case TBandKind::PageFooter:
        qrbandPageFooterPrint(canvas, band.Page);
        break;
    }
}

void TquickreportDorvanta::qrbandPageHeaderPrint(TReportCanvas& canvas) const {
    QPainter& painter = canvas.Painter();
    painter.setFont(TitleFont());
    LineText(canvas, 0, 0, kPrintWidth, 6.6, QStringLiteral("Dorvanta"), Qt::AlignHCenter);
    if (!qrlabelPoznamka.isEmpty()) {
        painter.setFont(ReportFont(10));
        LineText(canvas, 27, 6.6, kPrintWidth - 27, kReportBands.PageHeader - 6.6,
                 qrlabelPoznamka);
    }
}

void TquickreportDorvanta::qrbandDetailPrint(TReportCanvas& canvas) const {
    QPainter& painter = canvas.Painter();
    const double frameBottom = kFrameTop + kFrameHeight;
    painter.drawRect(MmRect(canvas, 0, kFrameTop, kPrintWidth, kFrameHeight));
    painter.setFont(ReportFont(10, true));
    LineText(canvas, 0, kFrameTop, kPrintWidth, kFirstRowTop - kFrameTop,
             block_.qrlabelPartNumberData, Qt::AlignHCenter);
    Line(canvas, kSplit, kFirstRowTop + kRowHeight, kSplit, frameBottom);

    painter.setFont(ReportFont(10));
    for (std::size_t i = 0; i < kPartBlockRows; ++i) {
        const double top = kFirstRowTop + static_cast<double>(i) * kRowHeight;
        Line(canvas, 0, top, kPrintWidth, top);
        const TPartBlockRow& row = block_.Rows[i];
        const bool fullWidth = i == 0;
        LineText(canvas, kLeftCaption, top, kLeftValue - kLeftCaption - kTextGap, kRowHeight,
                 row.LeftCaption);
        LineText(canvas, kLeftValue, top,
                 (fullWidth ? kPrintWidth : kSplit) - kLeftValue - kTextGap, kRowHeight,
                 row.LeftValue);
        LineText(canvas, kRightCaption, top, kRightValue - kRightCaption - kTextGap, kRowHeight,
                 row.RightCaption);
        LineText(canvas, kRightValue, top, kPrintWidth - kRightValue - kTextGap, kRowHeight,
                 row.RightValue);
        if (i + 1 == kFitRow) {
            DrawFitExponent(canvas, top);
        }
    }
}

void TquickreportDorvanta::childbandDetailPrint(TReportCanvas& canvas) const {
    QPainter& painter = canvas.Painter();
    painter.setFont(ReportFont(8));
    constexpr double kLine = 3.6;
    LineText(canvas, 3.2, 1, 92, kLine, QStringLiteral("Failure Rate ... 1/MTBF, %/1000 hrs"));
    LineText(canvas, 95.3, 1, kPrintWidth - 95.3, kLine,
             QStringLiteral("MTBF ... Mean Time Between Failures in hours"));
    LineText(canvas, 14.6, 1 + kLine, kPrintWidth - 14.6, kLine,
             QStringLiteral("FIT ... (1 / MTBF) * 1 000 000 000"));
    Text(canvas, QRectF(0, kNoticeTop, kPrintWidth, kReportBands.Child - kNoticeTop),
         Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
         QStringLiteral(
             "NOTICE: Specifications are subject to change without notice. All statements, "
             "information and data given herein are believed to be accurate and reliable, but "
             "are presented without guarantee, or responsibility of any kind, expressed or "
             "implied. Specifications are typical and may not apply to all applications."));
}

void TquickreportDorvanta::qrbandPageFooterPrint(TReportCanvas& canvas, int page) const {
    QPainter& painter = canvas.Painter();
    painter.setFont(ReportFont(10));
    constexpr double kLine = 4.6;
    constexpr double kFirst = 1;
    LineText(canvas, 0, kFirst, kPrintWidth, kLine,
             QStringLiteral("Issued by Moltren Technical Marketing Tantalum Division"));
    LineText(canvas, 0, kFirst + kLine, kPrintWidth, kLine,
             QStringLiteral("Contact: ") + QString::fromLatin1(kMakerMailAddress));
    LineText(canvas, 0, kFirst, kPrintWidth, kLine, qrlabelVersion, Qt::AlignRight);
    LineText(canvas, 0, kFirst + kLine, kPrintWidth, kLine,
             qrsysdataCisloStrankyPrint(QString::number(page)), Qt::AlignRight);
}

QByteArray ReportPdf(TquickreportDorvanta& report) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(QStringLiteral("Dorvanta"));
        writer.setCreator(QStringLiteral("Dorvanta"));
        TquickreportDorvanta::SetUpPage(writer);
        if (!report.Print(writer)) {
            return {};
        }
    }
    return bytes;
}

} // namespace dorvanta
