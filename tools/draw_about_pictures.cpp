// Draws the about window's pictures and the program icon once; the results
// are committed under resources/ and this program is their editable source.
//
//   draw_about_pictures RESOURCES_DIR
//
// writes about/strip.jpg (decorative strip), about/background.jpg (faded
// background), about/title.jpg (the program's name as title lettering) and
// icons/dorvanta-N.png for N = 16, 32, 48, 64, 128, 256. Run it offscreen
// (QT_QPA_PLATFORM=offscreen) with the Liberation fonts installed.

#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QString>

#include <cstdio>

namespace {

constexpr int kJpegQuality = 92;

// The tantalum chip of the icon and the background, drawn into a 100 x 60
// box: a moulded body with a polarity band and two metal terminals.
void DrawChip(QPainter& painter, const QColor& body, const QColor& band, const QColor& terminal) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(terminal);
    painter.drawRoundedRect(QRectF(0, 14, 16, 32), 2, 2);
    painter.drawRoundedRect(QRectF(84, 14, 16, 32), 2, 2);
    QLinearGradient shade(0, 0, 0, 60);
    shade.setColorAt(0, body.lighter(125));
    shade.setColorAt(1, body.darker(115));
    painter.setBrush(shade);
    painter.drawRoundedRect(QRectF(8, 4, 84, 52), 6, 6);
    painter.setBrush(band);
    painter.drawRect(QRectF(14, 4, 12, 52));
}

QImage DrawStrip() {
    QImage image(366, 24, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient gradient(0, 0, image.width(), 0);
    gradient.setColorAt(0.0, QColor(0x0b, 0x2a, 0x66));
    gradient.setColorAt(0.55, QColor(0x1f, 0x5f, 0xc0));
    gradient.setColorAt(1.0, QColor(0xc8, 0xdc, 0xf5));
    painter.fillRect(image.rect(), gradient);
    // A row of small chips fading towards the right.
    for (int i = 0; i < 12; ++i) {
        painter.save();
        painter.translate(8 + i * 30, 6);
        painter.scale(0.2, 0.2);
        painter.setOpacity(0.35 - i * 0.025);
        DrawChip(painter, QColor(0xf2, 0xc2, 0x3a), QColor(0x40, 0x30, 0x10), Qt::white);
        painter.restore();
    }
    painter.setPen(QPen(QColor(255, 255, 255, 90), 1));
    painter.drawLine(0, 22, image.width(), 22);
    return image;
}

QImage DrawBackground() {
    QImage image(170, 140, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setOpacity(0.13);
    painter.translate(-20, 40);
    painter.rotate(-18);
    painter.scale(1.6, 1.6);
    DrawChip(painter, QColor(0x1f, 0x5f, 0xc0), QColor(0x0b, 0x2a, 0x66), QColor(0x70, 0x80, 0x90));
    painter.resetTransform();
    painter.setOpacity(0.08);
    QPen pen(QColor(0x1f, 0x5f, 0xc0), 2);
    painter.setPen(pen);
    for (int r = 40; r < 240; r += 22) {
        painter.drawEllipse(QPointF(0, 140), r, r);
    }
    return image;
}

QImage DrawTitle() {
    QImage image(200, 36, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    QFont font(QStringLiteral("Liberation Serif"));
    font.setPixelSize(30);
    font.setBold(true);
    font.setItalic(true);
    painter.setFont(font);
    const QRect box(4, 0, image.width() - 4, image.height());
    painter.setPen(QColor(0xb0, 0xc4, 0xe8));
    painter.drawText(box.translated(2, 2), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Dorvanta"));
    painter.setPen(QColor(0x12, 0x3f, 0xa8));
    painter.drawText(box, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Dorvanta"));
    return image;
}

// The icon on a 256 grid: a blue rounded tile carrying an amber chip.
QImage DrawIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 256.0, size / 256.0);
    QLinearGradient tile(0, 0, 0, 256);
    tile.setColorAt(0, QColor(0x2c, 0x6e, 0xd6));
    tile.setColorAt(1, QColor(0x0b, 0x2a, 0x66));
    painter.setPen(Qt::NoPen);
    painter.setBrush(tile);
    painter.drawRoundedRect(QRectF(8, 8, 240, 240), 44, 44);
    painter.translate(28, 68);
    painter.scale(2.0, 2.0);
    DrawChip(painter, QColor(0xf2, 0xb8, 0x1c), QColor(0x5a, 0x3a, 0x08), QColor(0xe8, 0xec, 0xf0));
    return image;
}

bool Save(const QImage& image, const QString& path, const char* format, int quality) {
    if (!image.save(path, format, quality)) {
        std::fprintf(stderr, "draw_about_pictures: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: draw_about_pictures RESOURCES_DIR\n");
        return 2;
    }
    const QDir resources(QString::fromLocal8Bit(argv[1]));
    if (!resources.mkpath(QStringLiteral("about")) || !resources.mkpath(QStringLiteral("icons"))) {
        std::fprintf(stderr, "draw_about_pictures: cannot create the folders\n");
        return 1;
    }
    bool ok = Save(DrawStrip(), resources.filePath(QStringLiteral("about/strip.jpg")), "JPEG",
                   kJpegQuality);
    ok = Save(DrawBackground(), resources.filePath(QStringLiteral("about/background.jpg")), "JPEG",
              kJpegQuality) &&
         ok;
    ok = Save(DrawTitle(), resources.filePath(QStringLiteral("about/title.jpg")), "JPEG",
              kJpegQuality) &&
         ok;
    for (const int size : {16, 32, 48, 64, 128, 256}) {
        const QString name = QStringLiteral("icons/dorvanta-%1.png").arg(size);
        ok = Save(DrawIcon(size), resources.filePath(name), "PNG", -1) && ok;
    }
    return ok ? 0 : 1;
}
