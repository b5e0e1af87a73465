#include "ui/widgets/Pictures.h"

#include <QFile>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace dorvanta {
namespace {

// One surface-mount chip capacitor seen from above: a moulded body with the
// anode band at its left end and metal terminations at both ends.
struct TChip {
    QPointF Centre;
    qreal Length;
    qreal Angle;
    QColor Body;
    QColor Band;
};

void PaintChip(QPainter& painter, const TChip& chip) {
    const qreal length = chip.Length;
    const qreal width = length * 0.55;
    painter.save();
    painter.translate(chip.Centre);
    painter.rotate(chip.Angle);

    // Soft shadow under the part.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 70));
    painter.drawRoundedRect(QRectF(-length / 2 + 3, -width / 2 + 4, length, width), 3, 3);

    const qreal termination = length * 0.12;
    QLinearGradient metal(0, -width / 2, 0, width / 2);
    metal.setColorAt(0, QColor(235, 238, 242));
    metal.setColorAt(1, QColor(150, 156, 166));
    painter.setBrush(metal);
    painter.drawRect(QRectF(-length / 2, -width / 2 + 2, termination, width - 4));
    painter.drawRect(QRectF(length / 2 - termination, -width / 2 + 2, termination, width - 4));

    const QRectF body(-length / 2 + termination * 0.6, -width / 2, length - termination * 1.2,
                      width);
    QLinearGradient moulding(0, -width / 2, 0, width / 2);
    moulding.setColorAt(0, chip.Body.lighter(125));
    moulding.setColorAt(1, chip.Body.darker(120));
    painter.setBrush(moulding);
    painter.drawRoundedRect(body, 2, 2);
    painter.setBrush(chip.Band);
    painter.drawRect(QRectF(body.left() + 2, body.top() + 1, length * 0.14, width - 2));
    painter.restore();
}

// Thin copper tracks with pads, like a bare printed-circuit board.
void PaintTracks(QPainter& painter, const QRectF& area) {
    QPen track(QColor(120, 200, 220, 60), 1.6);
    track.setCapStyle(Qt::RoundCap);
    painter.setPen(track);
    painter.setBrush(Qt::NoBrush);
    const qreal w = area.width();
    const qreal h = area.height();
    const QList<QList<QPointF>> paths = {
        {{0.1 * w, 0}, {0.1 * w, 0.22 * h}, {0.35 * w, 0.3 * h}, {0.35 * w, 0.62 * h}},
        {{w, 0.12 * h}, {0.7 * w, 0.2 * h}, {0.7 * w, 0.45 * h}, {0.55 * w, 0.5 * h}},
        {{0, 0.74 * h}, {0.3 * w, 0.8 * h}, {0.8 * w, 0.8 * h}, {w, 0.9 * h}},
        {{0.85 * w, 0.55 * h}, {0.85 * w, 0.7 * h}, {0.6 * w, 0.98 * h}},
    };
    for (const auto& points : paths) {
        painter.drawPolyline(points.data(), static_cast<int>(points.size()));
        painter.setBrush(QColor(120, 200, 220, 70));
        painter.drawEllipse(points.back(), 2.5, 2.5);
        painter.setBrush(Qt::NoBrush);
    }
}

void PaintPdfIcon(QPainter& painter, qreal size) {
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal s = size / 33.0;
    painter.scale(s, s);
    QPainterPath page;
    page.moveTo(6, 1.5);
    page.lineTo(21, 1.5);
    page.lineTo(28, 8.5);
    page.lineTo(28, 31.5);
    page.lineTo(6, 31.5);
    page.closeSubpath();
    painter.setPen(QPen(QColor(110, 110, 120), 1));
    painter.setBrush(QColor(252, 252, 252));
    painter.drawPath(page);
    painter.setBrush(QColor(220, 222, 228));
    painter.drawPolygon(QPolygonF({{21, 1.5}, {21, 8.5}, {28, 8.5}}));
    painter.setPen(QPen(QColor(190, 192, 200), 1));
    for (qreal y = 11; y < 18; y += 3) {
        painter.drawLine(QPointF(9, y), QPointF(25, y));
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(200, 30, 35));
    painter.drawRoundedRect(QRectF(3, 19.5, 24, 10), 1.5, 1.5);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(8);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRectF(3, 19.5, 24, 10), Qt::AlignCenter, QStringLiteral("PDF"));
}

} // namespace

TDorvantaPicture::TDorvantaPicture(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TDorvantaPicture::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area = rect();
    QLinearGradient sky(area.topLeft(), area.bottomRight());
    sky.setColorAt(0, QColor(12, 36, 66));
    sky.setColorAt(0.6, QColor(20, 84, 112));
    sky.setColorAt(1, QColor(38, 128, 140));
    painter.fillRect(area, sky);
    PaintTracks(painter, area);

    const qreal w = area.width();
    const qreal h = area.height();
    const QColor amber(228, 160, 30);
    const QColor tan(150, 96, 40);
    const QColor orange(214, 102, 32);
    const QColor black(38, 38, 44);
    const TChip chips[] = {
        {{0.56 * w, 0.15 * h}, 0.42 * w, -18, amber, tan},
        {{0.34 * w, 0.4 * h}, 0.34 * w, 24, orange, black},
        {{0.58 * w, 0.62 * h}, 0.5 * w, -8, amber, tan},
        {{0.32 * w, 0.86 * h}, 0.3 * w, 40, black.lighter(140), QColor(200, 200, 205)},
    };
    for (const auto& chip : chips) {
        PaintChip(painter, chip);
    }

    // A light sheen over the upper part keeps the picture from looking flat.
    QLinearGradient sheen(area.topLeft(), QPointF(area.left(), area.top() + 0.45 * h));
    sheen.setColorAt(0, QColor(255, 255, 255, 40));
    sheen.setColorAt(1, QColor(255, 255, 255, 0));
    painter.fillRect(area, sheen);
}

TNoticeStrip::TNoticeStrip(QWidget* parent) : QWidget(parent) {
    QFile source(QStringLiteral(":/texts/niobium-oxide-licence.txt"));
    if (source.open(QIODevice::ReadOnly | QIODevice::Text)) {
        Text = QString::fromUtf8(source.readAll()).trimmed();
    }
    QFont small = font();
    small.setPointSizeF(7);
    small.setItalic(true);
    setFont(small);
    setFixedHeight(sizeHint().height());
    setAccessibleName(Text);
}

QSize TNoticeStrip::sizeHint() const {
    return {fontMetrics().horizontalAdvance(Text) + 8, fontMetrics().height() + 4};
}

void TNoticeStrip::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area = rect();
    painter.setPen(QPen(QColor(20, 84, 112), 1));
    painter.drawLine(area.topLeft(), area.topRight());
    painter.setPen(QColor(70, 80, 90));
    painter.drawText(area.adjusted(2, 1, -2, 0), Qt::AlignLeft | Qt::AlignVCenter,
                     fontMetrics().elidedText(Text, Qt::ElideRight, width() - 4));
}

QIcon PdfDocumentIcon() {
    QIcon icon;
    for (const int scale : {1, 2}) {
        QPixmap pixmap(33 * scale, 33 * scale);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        PaintPdfIcon(painter, 33.0 * scale);
        painter.end();
        pixmap.setDevicePixelRatio(scale);
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace dorvanta
