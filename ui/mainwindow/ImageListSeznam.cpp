#include "ui/mainwindow/ImageListSeznam.h"

#include <QPainter>

#include <array>
#include <utility>

namespace dorvanta {
namespace {

const std::array<QColor, kImageCount - 1> kSquareColours = {
    QColor(255, 255, 255), // white
    QColor(255, 0, 0),     // red
    QColor(255, 255, 0),   // yellow
    QColor(0, 255, 0),     // lime
    QColor(0, 255, 255),   // aqua
    QColor(0, 0, 255),     // blue
    QColor(255, 0, 255),   // fuchsia
    QColor(128, 0, 0),     // maroon
    QColor(128, 128, 0),   // olive
    QColor(0, 100, 0),     // dark green
    QColor(0, 0, 0),       // black
};

QPixmap Blank() {
    QPixmap image(kImageSize, kImageSize);
    image.fill(Qt::transparent);
    return image;
}

// A 10 × 10 square in the middle with a one-pixel shadow below and right.
QPixmap Square(const QColor& colour) {
    QPixmap image = Blank();
    QPainter painter(&image);
    painter.fillRect(QRect(5, 5, 10, 10), QColor(128, 128, 128, 140));
    painter.fillRect(QRect(3, 3, 10, 10), QColor(128, 128, 128));
    painter.fillRect(QRect(4, 4, 8, 8), colour);
    return image;
}

QPixmap Dot() {
    QPixmap image = Blank();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(32, 32, 32));
    painter.drawEllipse(QRectF(5, 5, 6, 6));
    return image;
}

QIcon IconOf(const QPixmap& normal, const QPixmap& selected) {
    QIcon icon;
    icon.addPixmap(normal, QIcon::Normal);
    icon.addPixmap(selected, QIcon::Selected);
    return icon;
}

} // namespace

TImageListSeznam::TImageListSeznam() {
    for (std::size_t i = 0; i < kSquareColours.size(); ++i) {
        Images[i] = Square(kSquareColours[i]);
    }
    Images[kSelectedImageIndex] = Dot();
    for (std::size_t i = 0; i < Images.size(); ++i) {
        WithSelectedDot[i] = IconOf(Images[i], Images[kSelectedImageIndex]);
        Unchanged[i] = IconOf(Images[i], Images[i]);
    }
}

const QIcon& TImageListSeznam::Icon(int index, int selectedIndex) const {
    const auto i = static_cast<std::size_t>(index);
    return selectedIndex == kSelectedImageIndex ? WithSelectedDot[i] : Unchanged[i];
}

int VoltageImageIndex(Real ratedVoltage) noexcept {
    // Long double literals are the nearest Real to their decimal texts, as
    // the catalogue's voltages are, so 6.3 compares equal.
    static constexpr std::array<std::pair<Real, int>, 9> kImages = {{
        {2.5L, 8},
        {4.0L, 5},
        {6.3L, 2},
        {10.0L, 1},
        {16.0L, 3},
        {20.0L, 4},
        {25.0L, 7},
        {35.0L, 6},
        {3.0L, 6},
    }};
    for (const auto& [voltage, image] : kImages) {
        if (ratedVoltage == voltage) {
            return image;
        }
    }
    return 9;
}

} // namespace dorvanta
