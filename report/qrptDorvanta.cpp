#include "report/qrptDorvanta.h"

#include "ProgramVersion.h"
#include "core/catalogue/Series.h"
#include "core/catalogue/untKonstanty.h"
#include "core/display/FieldDisplay.h"
#include "core/display/MakerAddresses.h"
#include "core/display/VersionText.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>

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

void DrawFitExponent(TReportCanvas& canvas, double left, double top) {
    QPainter& painter = canvas.Painter();
    const double baseWidth =
        painter.fontMetrics().horizontalAdvance(QString::fromUtf16(kFitCaptionBase));
    const QFont captionFont = painter.font();
    painter.setFont(ReportFont(8));
    const QRectF rect(canvas.Mm(left) + baseWidth, canvas.Mm(top + 0.3), canvas.Mm(5),
                      canvas.Mm(kRowHeight / 2));
    painter.drawText(rect, Qt::AlignLeft | Qt::AlignTop, QString::fromUtf16(kFitExponent));
    painter.setFont(captionFont);
}

} // namespace

Real PrintedTestSurge(TTypVyrobku series, const TPocitaneInfo& values) noexcept {
    return series == tvWIR ? values.AppSurge * 1.1L : values.TestSurge;
}

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

QPageLayout ReportPageLayout(const QPageSize& size, QPageLayout::Orientation orientation) {
    return {size, orientation,
            QMarginsF(kMarginLeftRight, kMarginTopBottom, kMarginLeftRight, kMarginTopBottom),
            QPageLayout::Millimeter};
}

void TquickreportDorvanta::SetPage(const QPageLayout& page) {
    page_ = ReportPageLayout(page.pageSize(), page.orientation());
    pageCount_ = 0;
}

void TquickreportDorvanta::SetUpPage(QPagedPaintDevice& device) const {
    device.setPageLayout(page_);
}

double TquickreportDorvanta::PrintWidth() const {
    return page_.paintRect(QPageLayout::Millimeter).width();
}

double TquickreportDorvanta::PrintHeight() const {
    return page_.paintRect(QPageLayout::Millimeter).height();
}

double TquickreportDorvanta::X(double millimetres) const {
    return millimetres * PrintWidth() / kPrintWidth;
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
    const QString top = Utf8(TopTemperatureCaption(series));
    // Every value as the details panel shows its field.
    const auto shown = [&](TField field, int t = kTemperature25) {
        return Utf8(FieldText(field, part, series, static_cast<std::size_t>(t), separator_));
    };
    const Real testSurge = PrintedTestSurge(series, values);
    const int t5 = kTemperatureTop;

    block_.qrlabelPartNumberData = QStringLiteral("Moltren Part Number  ") + Utf8(partNumber);
    // clang-format off
    block_.Rows = {{
        {u"Dimensions LxWxH [mm]"_s, shown(TField::Dimension), {}, {}},
        {u"Case Size"_s, shown(TField::CaseSize),
         u"Vrms -55°C @ 100 kHz [mV]"_s, shown(TField::Vrms, kTemperature55)},
        {u"Capacitance [µF] @ 25°C, 120 Hz"_s, shown(TField::Capacitance),
         u"Vrms 25°C @ 100 kHz [mV]"_s, shown(TField::Vrms, kTemperature25)},
        {u"Rated Voltage [V]"_s, shown(TField::RatedVoltage),
         u"Vrms 40°C @ 100 kHz [mV]"_s, shown(TField::Vrms, kTemperature40)},
        {u"Applicable Voltage Derating [%]"_s, shown(TField::Derating),
         u"Vrms 85°C @ 100 kHz [mV]"_s, shown(TField::Vrms, kTemperature85)},
        {u"DF [%] @ 25°C, 120 Hz"_s, shown(TField::DF),
         u"Vrms "_s + top + u"°C @ 100kHz [mV]"_s, shown(TField::Vrms, t5)},
        {u"ESR Max. [Ohm] @ 25°C, 100 kHz"_s, shown(TField::ESRmax),
         u"Failure Rate -55°C [%/1000 hrs]"_s, shown(TField::FailureRate, kTemperature55)},
        {u"DCL Max. [µA] @ 25°C, 3 min."_s, shown(TField::DCLmax),
         u"Failure Rate 25°C [%/1000 hrs]"_s, shown(TField::FailureRate, kTemperature25)},
        {u"DCL Typical -55°C @ App. Volt. [µA]"_s, shown(TField::DCLtypical, kTemperature55),
         u"Failure Rate 40°C [%/1000 hrs]"_s, shown(TField::FailureRate, kTemperature40)},
        {u"DCL Typical 25°C @ App. Volt. [µA]"_s, shown(TField::DCLtypical, kTemperature25),
         u"Failure Rate 85°C [%/1000 hrs]"_s, shown(TField::FailureRate, kTemperature85)},
        {u"DCL Typical 40°C @ App. Volt. [µA]"_s, shown(TField::DCLtypical, kTemperature40),
         u"Failure Rate "_s + top + u"°C [%/1000hrs]"_s, shown(TField::FailureRate, t5)},
        {u"DCL Typical 85°C @ App. Volt. [µA]"_s, shown(TField::DCLtypical, kTemperature85),
         QString::fromUtf16(kFitCaption), shown(TField::FIT, kFitTemperature)},
        {u"DCL Typical "_s + top + u"°C @ App. Volt. [µA]"_s, shown(TField::DCLtypical, t5),
         u"MTBF -55°C [years]"_s, shown(TField::MTBF, kTemperature55)},
        {u"Irms -55°C @ 100 kHz [mA]"_s, shown(TField::Irms, kTemperature55),
         u"MTBF 25°C [years]"_s, shown(TField::MTBF, kTemperature25)},
        {u"Irms 25°C @ 100 kHz [mA]"_s, shown(TField::Irms, kTemperature25),
         u"MTBF 40°C [years]"_s, shown(TField::MTBF, kTemperature40)},
        {u"Irms 40°C @ 100 kHz [mA]"_s, shown(TField::Irms, kTemperature40),
         u"MTBF 85°C [years]"_s, shown(TField::MTBF, kTemperature85)},
        {u"Irms 85°C @ 100 kHz [mA]"_s, shown(TField::Irms, kTemperature85),
         u"MTBF "_s + top + u"°C [years]"_s, shown(TField::MTBF, t5)},
        {u"Irms "_s + top + u"°C @ 100kHz [mA]"_s, shown(TField::Irms, t5),
         u"Application Surge [A]"_s, shown(TField::AppSurge)},
        {{}, {}, u"Moltren Test Surge [A]"_s, Utf8(FieldPatternText(TField::TestSurge, testSurge, separator_))},
    }};
    // clang-format on
}

int TquickreportDorvanta::CountPages() {
    PartIndex = 0;
    pageCount_ = GenerateReport(kReportBands, PrintHeight(),
                                {[this] { return QuickRepNeedData(); },
                                 [this] { return childbandDetailBeforePrint(); }, nullptr});
    return pageCount_;
}

bool TquickreportDorvanta::Print(QPagedPaintDevice& device, TPageRange range, int copies) {
    if (pageCount_ == 0) {
        CountPages();
    }
    return PaintCopies(device, range, copies, [this](TReportCanvas& canvas) {
        PartIndex = 0;
        GenerateReport(kReportBands, PrintHeight(),
                       {[this] { return QuickRepNeedData(); },
                        [this] { return childbandDetailBeforePrint(); },
                        [this, &canvas](const TPlacedBand& band) {
                            PrintBand(canvas, band);
                        }});
    });
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
    LineText(canvas, 0, 0, PrintWidth(), 6.6, QStringLiteral("Dorvanta"), Qt::AlignHCenter);
    if (!qrlabelPoznamka.isEmpty()) {
        painter.setFont(ReportFont(10));
        LineText(canvas, X(27), 6.6, PrintWidth() - X(27), kReportBands.PageHeader - 6.6,
                 qrlabelPoznamka);
    }
}

void TquickreportDorvanta::qrbandDetailPrint(TReportCanvas& canvas) const {
    QPainter& painter = canvas.Painter();
    const double width = PrintWidth();
    const double frameBottom = kFrameTop + kFrameHeight;
    painter.drawRect(MmRect(canvas, 0, kFrameTop, width, kFrameHeight));
    painter.setFont(ReportFont(10, true));
    LineText(canvas, 0, kFrameTop, width, kFirstRowTop - kFrameTop, block_.qrlabelPartNumberData,
             Qt::AlignHCenter);
    Line(canvas, X(kSplit), kFirstRowTop + kRowHeight, X(kSplit), frameBottom);

    painter.setFont(ReportFont(10));
    const double leftCaption = X(kLeftCaption);
    const double leftValue = X(kLeftValue);
    const double split = X(kSplit);
    const double rightCaption = X(kRightCaption);
    const double rightValue = X(kRightValue);
    for (std::size_t i = 0; i < kPartBlockRows; ++i) {
        const double top = kFirstRowTop + static_cast<double>(i) * kRowHeight;
        Line(canvas, 0, top, width, top);
        const TPartBlockRow& row = block_.Rows[i];
        const bool fullWidth = i == 0;
        LineText(canvas, leftCaption, top, leftValue - leftCaption - kTextGap, kRowHeight,
                 row.LeftCaption);
        LineText(canvas, leftValue, top, (fullWidth ? width : split) - leftValue - kTextGap,
                 kRowHeight, row.LeftValue);
        LineText(canvas, rightCaption, top, rightValue - rightCaption - kTextGap, kRowHeight,
                 row.RightCaption);
        LineText(canvas, rightValue, top, width - rightValue - kTextGap, kRowHeight,
                 row.RightValue);
        if (i + 1 == kFitRow) {
            DrawFitExponent(canvas, rightCaption, top);
        }
    }
}

void TquickreportDorvanta::childbandDetailPrint(TReportCanvas& canvas) const {
    QPainter& painter = canvas.Painter();
    painter.setFont(ReportFont(8));
    constexpr double kLine = 3.6;
    const double width = PrintWidth();
    LineText(canvas, X(3.2), 1, X(92), kLine,
             QStringLiteral("Failure Rate ... 1/MTBF, %/1000 hrs"));
    LineText(canvas, X(95.3), 1, width - X(95.3), kLine,
             QStringLiteral("MTBF ... Mean Time Between Failures in hours"));
    LineText(canvas, X(14.6), 1 + kLine, width - X(14.6), kLine,
             QStringLiteral("FIT ... (1 / MTBF) * 1 000 000 000"));
    Text(canvas, QRectF(0, kNoticeTop, width, kReportBands.Child - kNoticeTop),
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
    const double width = PrintWidth();
    constexpr double kFirst = 1;
    LineText(canvas, 0, kFirst, width, kLine,
             QStringLiteral("Issued by Moltren Technical Marketing Tantalum Division"));
    LineText(canvas, 0, kFirst + kLine, width, kLine,
             QStringLiteral("Contact: ") + QString::fromLatin1(kMakerMailAddress));
    LineText(canvas, 0, kFirst, width, kLine, qrlabelVersion, Qt::AlignRight);
    LineText(canvas, 0, kFirst + kLine, width, kLine,
             qrsysdataCisloStrankyPrint(QString::number(page)), Qt::AlignRight);
}

Expected<QByteArray> ReportPdf(TquickreportDorvanta& report) {
    return PdfDocument([&report](QPagedPaintDevice& device) { report.SetUpPage(device); },
                       [&report](QPagedPaintDevice& device) { return report.Print(device); });
}

} // namespace dorvanta
