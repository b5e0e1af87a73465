#include "tools/reference_documents/PdfComposer.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace dorvanta::documents {
namespace {

constexpr int kResolution = 1200;
constexpr double kScale = kResolution / 72.0; // device units per point
constexpr double kPageWidth = 595.0;
constexpr double kPageHeight = 842.0;
constexpr double kMargin = 56.0;
constexpr double kTop = 50.0;
constexpr double kBottom = kPageHeight - 64.0;
constexpr double kCellPadding = 3.0;
const QColor kAccent(0x12, 0x3f, 0xa8);
const QColor kHeaderFill(0xdd, 0xe7, 0xf6);
const QColor kStripeFill(0xf4, 0xf7, 0xfc);
const QColor kRule(0x9a, 0xa8, 0xbd);

QRectF Device(double x, double y, double width, double height) {
    return {x * kScale, y * kScale, width * kScale, height * kScale};
}

QPointF Device(QPointF point) {
    return point * kScale;
}

QFont MakeFont(const QString& family, double points, bool bold = false, bool italic = false) {
    QFont font(family);
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

// Tick values for an axis: powers of ten on a logarithmic axis, otherwise
// steps of 1, 2 or 5 times a power of ten giving about six ticks.
std::vector<double> Ticks(const TPlotAxis& axis) {
    std::vector<double> ticks;
    if (axis.scale == TAxisScale::Logarithmic) {
        for (double e = std::ceil(std::log10(axis.minimum) - 1e-9);
             e <= std::log10(axis.maximum) + 1e-9; e += 1) {
            ticks.push_back(std::pow(10.0, e));
        }
        return ticks;
    }
    const double raw = (axis.maximum - axis.minimum) / 6;
    const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    double step = magnitude;
    for (const double factor : {1.0, 2.0, 5.0, 10.0}) {
        step = factor * magnitude;
        if (step >= raw) {
            break;
        }
    }
    for (double t = std::ceil(axis.minimum / step) * step; t <= axis.maximum + step * 1e-6;
         t += step) {
        ticks.push_back(std::abs(t) < step * 1e-9 ? 0.0 : t);
    }
    return ticks;
}

// The position of a value between 0 and 1 along its axis.
double Fraction(const TPlotAxis& axis, double value) {
    if (axis.scale == TAxisScale::Logarithmic) {
        return (std::log10(value) - std::log10(axis.minimum)) /
               (std::log10(axis.maximum) - std::log10(axis.minimum));
    }
    return (value - axis.minimum) / (axis.maximum - axis.minimum);
}

QString TickText(double value) {
    return QString::number(value, 'g', 6);
}

} // namespace

TPdfComposer::TPdfComposer(const QString& fileName, const QString& title)
    : title_(title), writer_(std::make_unique<QPdfWriter>(fileName)),
      body_(MakeFont(QStringLiteral("Liberation Serif"), 10.5)),
      bold_(MakeFont(QStringLiteral("Liberation Sans"), 9, true)),
      heading_(MakeFont(QStringLiteral("Liberation Sans"), 13, true)),
      title_font_(MakeFont(QStringLiteral("Liberation Sans"), 20, true)),
      small_(MakeFont(QStringLiteral("Liberation Sans"), 8.5)) {
    writer_->setPageSize(QPageSize(QPageSize::A4));
    writer_->setPageOrientation(QPageLayout::Portrait);
    writer_->setPageMargins(QMarginsF(0, 0, 0, 0));
    writer_->setResolution(kResolution);
    writer_->setTitle(title);
    writer_->setCreator(QStringLiteral("Dorvanta"));
    writer_->setPdfVersion(QPagedPaintDevice::PdfVersion_1_4);
    painter_.begin(writer_.get());

    painter_.fillRect(Device(0, 0, kPageWidth, 8), kAccent);
    painter_.setFont(small_);
    painter_.setPen(kAccent);
    painter_.drawText(Device(kMargin, 22, kTextWidth, 14), Qt::AlignLeft,
                      QStringLiteral("Moltren Technical Marketing Tantalum Division"));
    y_ = kTop;
    DrawText(title, title_font_, 0, 6);
    painter_.setPen(QPen(kAccent, 1.5 * kScale));
    painter_.drawLine(Device(QPointF(kMargin, y_)), Device(QPointF(kMargin + kTextWidth, y_)));
    y_ += 14;
}

TPdfComposer::~TPdfComposer() {
    if (painter_.isActive()) {
        painter_.end();
    }
}

double TPdfComposer::TextHeight(const QString& text, const QFont& font, double width, int flags) {
    painter_.setFont(font);
    const QRectF bounds = painter_.boundingRect(Device(0, 0, width, 10000), flags, text);
    return bounds.height() / kScale;
}

void TPdfComposer::Ensure(double height) {
    if (y_ + height > kBottom) {
        NewPage();
    }
}

void TPdfComposer::DrawFooter() {
    painter_.setFont(small_);
    painter_.setPen(kRule);
    painter_.drawLine(Device(QPointF(kMargin, kPageHeight - 44)),
                      Device(QPointF(kMargin + kTextWidth, kPageHeight - 44)));
    painter_.setPen(Qt::black);
    const QRectF line = Device(kMargin, kPageHeight - 40, kTextWidth, 14);
    painter_.drawText(line, Qt::AlignLeft, QStringLiteral("Dorvanta: ") + title_);
    painter_.drawText(line, Qt::AlignRight, QStringLiteral("Page %1").arg(page_));
}

void TPdfComposer::NewPage() {
    DrawFooter();
    writer_->newPage();
    ++page_;
    y_ = kTop;
}

void TPdfComposer::DrawText(const QString& text, const QFont& font, double indent,
                            double spaceAfter) {
    const int flags = Qt::AlignLeft | Qt::TextWordWrap;
    const double width = kTextWidth - indent;
    const double height = TextHeight(text, font, width, flags);
    Ensure(height);
    painter_.setFont(font);
    painter_.drawText(Device(kMargin + indent, y_, width, height), flags, text);
    y_ += height + spaceAfter;
}

void TPdfComposer::Heading(const QString& text) {
    // Keep a heading with the first lines of what follows it.
    Ensure(TextHeight(text, heading_, kTextWidth, Qt::TextWordWrap) + 60);
    y_ += 8;
    painter_.setPen(kAccent);
    DrawText(text, heading_, 0, 6);
    painter_.setPen(Qt::black);
}

void TPdfComposer::Paragraph(const QString& text) {
    painter_.setPen(Qt::black);
    DrawText(text, body_, 0, 7);
}

void TPdfComposer::Formula(const QString& text) {
    painter_.setPen(Qt::black);
    QFont font = body_;
    font.setItalic(true);
    y_ += 2;
    DrawText(text, font, 28, 9);
}

void TPdfComposer::Bullets(const QStringList& items) {
    painter_.setPen(Qt::black);
    for (const QString& item : items) {
        const double height = TextHeight(item, body_, kTextWidth - 16, Qt::TextWordWrap);
        Ensure(height);
        painter_.setFont(body_);
        painter_.drawText(Device(kMargin + 4, y_, 12, height), Qt::AlignLeft,
                          QStringLiteral("\u2022"));
        DrawText(item, body_, 16, 3);
    }
    y_ += 4;
}

void TPdfComposer::AddTable(const TTable& table) {
    const auto rowHeight = [&](const QStringList& texts, const QFont& font) {
        double height = 0;
        for (std::size_t c = 0; c < table.columns.size(); ++c) {
            const QString text = c < static_cast<std::size_t>(texts.size())
                                     ? texts[static_cast<qsizetype>(c)]
                                     : QString();
            height =
                std::max(height, TextHeight(text, font, table.columns[c].width - 2 * kCellPadding,
                                            Qt::TextWordWrap));
        }
        return height + 2 * kCellPadding;
    };
    const auto drawRow = [&](const QStringList& texts, const QFont& font, double height,
                             const QColor& fill) {
        double x = kMargin;
        painter_.setFont(font);
        for (std::size_t c = 0; c < table.columns.size(); ++c) {
            const TTableColumn& column = table.columns[c];
            const QRectF cell = Device(x, y_, column.width, height);
            if (fill.isValid()) {
                painter_.fillRect(cell, fill);
            }
            painter_.setPen(QPen(kRule, 0.5 * kScale));
            painter_.drawRect(cell);
            painter_.setPen(Qt::black);
            const QString text = c < static_cast<std::size_t>(texts.size())
                                     ? texts[static_cast<qsizetype>(c)]
                                     : QString();
            painter_.drawText(
                Device(x + kCellPadding, y_ + kCellPadding, column.width - 2 * kCellPadding,
                       height - 2 * kCellPadding),
                static_cast<int>(column.alignment | Qt::AlignVCenter) | Qt::TextWordWrap, text);
            x += column.width;
        }
        y_ += height;
    };

    QStringList captions;
    for (const TTableColumn& column : table.columns) {
        captions << column.caption;
    }
    const double headerHeight = rowHeight(captions, bold_);
    QFont cellFont = body_;
    cellFont.setPointSizeF(9.5);
    double total = headerHeight;
    for (const QStringList& row : table.rows) {
        total += rowHeight(row, cellFont);
    }
    // A table that fits on one page is kept together; a longer one starts
    // with at least its first row and repeats its header on every page.
    Ensure(total <= kBottom - kTop
               ? total
               : headerHeight +
                     rowHeight(table.rows.empty() ? QStringList() : table.rows.front(), cellFont));
    drawRow(captions, bold_, headerHeight, kHeaderFill);
    bool stripe = false;
    for (const QStringList& row : table.rows) {
        const double height = rowHeight(row, cellFont);
        if (y_ + height > kBottom) {
            NewPage();
            drawRow(captions, bold_, headerHeight, kHeaderFill);
        }
        drawRow(row, cellFont, height, stripe ? kStripeFill : QColor());
        stripe = !stripe;
    }
    y_ += 10;
}

void TPdfComposer::AddPlot(const TPlot& plot) {
    constexpr double kLeft = 52;  // room for the y tick texts and caption
    constexpr double kBelow = 34; // room for the x tick texts and caption
    constexpr double kAbove = 18; // room for the caption of the plot
    Ensure(plot.height + 8);
    const QRectF area(kMargin + kLeft, y_ + kAbove, kTextWidth - kLeft - 8,
                      plot.height - kAbove - kBelow);
    const auto toPage = [&](QPointF value) {
        return QPointF(area.left() + Fraction(plot.x, value.x()) * area.width(),
                       area.bottom() - Fraction(plot.y, value.y()) * area.height());
    };

    painter_.setFont(bold_);
    painter_.setPen(Qt::black);
    painter_.drawText(Device(kMargin, y_, kTextWidth, kAbove), Qt::AlignHCenter | Qt::AlignTop,
                      plot.caption);

    painter_.setFont(small_);
    for (const double t : Ticks(plot.x)) {
        const double x =
            toPage({t, plot.y.scale == TAxisScale::Logarithmic ? plot.y.minimum : 0}).x();
        painter_.setPen(QPen(QColor(0xe0, 0xe4, 0xea), 0.5 * kScale));
        painter_.drawLine(Device(QPointF(x, area.top())), Device(QPointF(x, area.bottom())));
        painter_.setPen(Qt::black);
        painter_.drawText(Device(x - 30, area.bottom() + 3, 60, 12), Qt::AlignHCenter, TickText(t));
    }
    for (const double t : Ticks(plot.y)) {
        const double y = toPage({plot.x.minimum, t}).y();
        painter_.setPen(QPen(QColor(0xe0, 0xe4, 0xea), 0.5 * kScale));
        painter_.drawLine(Device(QPointF(area.left(), y)), Device(QPointF(area.right(), y)));
        painter_.setPen(Qt::black);
        painter_.drawText(Device(area.left() - 50, y - 6, 46, 12), Qt::AlignRight, TickText(t));
    }
    painter_.setPen(QPen(Qt::black, 0.8 * kScale));
    painter_.setBrush(Qt::NoBrush);
    painter_.drawRect(Device(area.x(), area.y(), area.width(), area.height()));
    painter_.drawText(Device(area.left(), area.bottom() + 17, area.width(), 12), Qt::AlignHCenter,
                      plot.x.caption);
    painter_.save();
    painter_.translate(Device(QPointF(kMargin + 2, area.center().y())));
    painter_.rotate(-90);
    painter_.drawText(Device(-area.height() / 2, 0, area.height(), 12), Qt::AlignHCenter,
                      plot.y.caption);
    painter_.restore();

    painter_.save();
    painter_.setClipRect(Device(area.x(), area.y(), area.width(), area.height()));
    painter_.setRenderHint(QPainter::Antialiasing);
    for (const TPlotSeries& series : plot.series) {
        QPainterPath path;
        for (std::size_t i = 0; i < series.points.size(); ++i) {
            const QPointF p = Device(toPage(series.points[i]));
            if (i == 0) {
                path.moveTo(p);
            } else {
                path.lineTo(p);
            }
        }
        painter_.setPen(QPen(series.colour, 1.4 * kScale));
        painter_.drawPath(path);
    }
    painter_.restore();

    // The legend in the upper right corner of the plot area, on white, as
    // wide as its longest name; a name wider than the plot area wraps.
    constexpr double kSample = 26; // the line sample before each name
    constexpr double kInset = 6;
    const double widest = area.width() - 2 * kInset - kSample;
    double nameWidth = 0;
    painter_.setFont(small_);
    for (const TPlotSeries& series : plot.series) {
        const QRectF bounds =
            painter_.boundingRect(Device(0, 0, widest, 1000), Qt::AlignLeft, series.name);
        nameWidth = std::max(nameWidth, std::ceil(bounds.width() / kScale) + 2);
    }
    nameWidth = std::min(nameWidth, widest);
    double legendY = area.top() + kInset;
    const double legendX = area.right() - kSample - nameWidth - kInset;
    for (const TPlotSeries& series : plot.series) {
        if (series.name.isEmpty()) {
            continue;
        }
        const double height = std::max(
            11.0, TextHeight(series.name, small_, nameWidth, Qt::AlignLeft | Qt::TextWordWrap));
        painter_.fillRect(Device(legendX, legendY, kSample + nameWidth, height), Qt::white);
        painter_.setPen(QPen(series.colour, 2 * kScale));
        painter_.drawLine(Device(QPointF(legendX + 4, legendY + 5.5)),
                          Device(QPointF(legendX + 22, legendY + 5.5)));
        painter_.setPen(Qt::black);
        painter_.setFont(small_);
        painter_.drawText(Device(legendX + kSample, legendY, nameWidth, height),
                          Qt::AlignLeft | Qt::TextWordWrap, series.name);
        legendY += height;
    }
    y_ += plot.height + 8;
}

bool TPdfComposer::Finish() {
    DrawFooter();
    return painter_.end();
}

} // namespace dorvanta::documents
