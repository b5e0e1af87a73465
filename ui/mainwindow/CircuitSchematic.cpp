#include "ui/mainwindow/CircuitSchematic.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace dorvanta {
namespace {

// The drawing is laid out on this grid and scaled to the widget.
constexpr qreal kDesignWidth = 244;
constexpr qreal kDesignHeight = 108;
constexpr qreal kTop = 24;    // the supply's positive rail
constexpr qreal kBottom = 78; // the return rail
constexpr qreal kSupply = 40; // the battery's axis
const QColor kWire(40, 44, 52);
const QColor kName(200, 24, 24);

void DrawResistorAcross(QPainter& painter, qreal left, qreal y) {
    const QRectF body(left, y - 5, 26, 10);
    painter.setBrush(Qt::white);
    painter.drawRect(body);
}

void DrawName(QPainter& painter, const QPointF& centre, const QString& name) {
    painter.save();
    painter.setPen(kName);
    const QRectF box(centre.x() - 20, centre.y() - 7, 40, 14);
    painter.drawText(box, Qt::AlignCenter, name);
    painter.restore();
}

void DrawSupply(QPainter& painter) {
    const QRectF box(14, 8, 52, 82);
    QLinearGradient shade(box.topLeft(), box.bottomRight());
    shade.setColorAt(0, QColor(226, 232, 242));
    shade.setColorAt(1, QColor(176, 188, 210));
    painter.save();
    painter.setPen(QPen(QColor(100, 112, 136), 1));
    painter.setBrush(shade);
    painter.drawRoundedRect(box, 4, 4);
    painter.restore();

    // The battery: long plate positive, short plate negative.
    const qreal x = kSupply;
    painter.drawLine(QPointF(x, kTop), QPointF(x, 44));
    painter.drawLine(QPointF(x, 52), QPointF(x, kBottom));
    painter.drawLine(QPointF(x - 13, 44), QPointF(x + 13, 44));
    painter.save();
    painter.setPen(QPen(kWire, 3));
    painter.drawLine(QPointF(x - 7, 52), QPointF(x + 7, 52));
    painter.restore();
    painter.drawText(QRectF(x + 8, 32, 10, 10), Qt::AlignCenter, QStringLiteral("+"));
}

void DrawCapacitor(QPainter& painter, qreal x) {
    painter.drawLine(QPointF(x, kTop), QPointF(x, 46));
    painter.drawLine(QPointF(x, 53), QPointF(x, kBottom));
    painter.drawLine(QPointF(x - 10, 46), QPointF(x + 10, 46));
    // The negative plate of a polarised capacitor is drawn filled.
    painter.save();
    painter.setBrush(kWire);
    painter.drawRect(QRectF(x - 10, 50, 20, 3));
    painter.restore();
    painter.drawText(QRectF(x - 19, 35, 10, 10), Qt::AlignCenter, QStringLiteral("+"));
}

void DrawLoad(QPainter& painter, qreal x) {
    painter.drawLine(QPointF(x, kTop), QPointF(x, 38));
    painter.drawLine(QPointF(x, 64), QPointF(x, kBottom));
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(x - 5, 38, 10, 26));
}

void DrawGround(QPainter& painter, qreal x) {
    painter.drawLine(QPointF(x, kBottom), QPointF(x, 86));
    for (int i = 0; i < 3; ++i) {
        const qreal half = 10 - 3.5 * i;
        const qreal y = 86 + 3.5 * i;
        painter.drawLine(QPointF(x - half, y), QPointF(x + half, y));
    }
}

void DrawCurrentArrow(QPainter& painter, qreal left, qreal right) {
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(kWire);
    const qreal tip = (left + right) / 2 + 5;
    painter.drawPolygon(QPolygonF({{tip, kTop}, {tip - 9, kTop - 4}, {tip - 9, kTop + 4}}));
    painter.restore();
}

} // namespace

TCircuitSchematic::TCircuitSchematic(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TranslucentBackground);
    setFixedSize(sizeHint());
}

QSize TCircuitSchematic::sizeHint() const {
    return {static_cast<int>(kDesignWidth), static_cast<int>(kDesignHeight)};
}

QRect TCircuitSchematic::SupplyCaptionRect() const {
    return {0, 91, 80, 16};
}

void TCircuitSchematic::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(width() / kDesignWidth, height() / kDesignHeight);
    QFont type = font();
    type.setBold(true);
    painter.setFont(type);
    painter.setPen(QPen(kWire, 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));

    constexpr qreal kRs = 80;
    constexpr qreal kRl = 120;
    constexpr qreal kNode = 192;
    constexpr qreal kLoad = 230;
    DrawSupply(painter);
    painter.drawLine(QPointF(kSupply, kTop), QPointF(kLoad, kTop));
    painter.drawLine(QPointF(kSupply, kBottom), QPointF(kLoad, kBottom));
    DrawResistorAcross(painter, kRs, kTop);
    DrawResistorAcross(painter, kRl, kTop);
    DrawCurrentArrow(painter, kRl + 26, kNode);
    DrawCapacitor(painter, kNode);
    DrawLoad(painter, kLoad);
    DrawGround(painter, 158);
    painter.setBrush(kWire);
    painter.drawEllipse(QPointF(kNode, kTop), 2.6, 2.6);

    DrawName(painter, {kRs + 13, kTop - 13}, QStringLiteral("Rs"));
    DrawName(painter, {kRl + 13, kTop - 13}, QStringLiteral("Rl"));
    DrawName(painter, {(kRl + 26 + kNode) / 2, kTop - 13}, QStringLiteral("Imax"));
    DrawName(painter, {kNode + 14, kTop - 13}, QStringLiteral("Va"));
}

} // namespace dorvanta
