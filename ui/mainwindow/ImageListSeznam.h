// The images of the results tree: twelve small squares, drawn here, in the
// index order that the tree's nodes refer to.
#pragma once

#include "core/record/Extended.h"

#include <QIcon>
#include <QPixmap>

#include <array>

namespace dorvanta {

inline constexpr int kImageCount = 12;
inline constexpr int kImageSize = 16;
inline constexpr int kGroupImageIndex = 0;     // white square
inline constexpr int kSelectedImageIndex = 11; // small dark dot

// 0 white, 1 red, 2 yellow, 3 lime, 4 aqua, 5 blue, 6 fuchsia, 7 maroon,
// 8 olive, 9 dark green, 10 black: a square with a grey frame and shadow;
// 11 a small dark dot.
class TImageListSeznam {
public:
    TImageListSeznam();

    [[nodiscard]] const QPixmap& Image(int index) const { return Images[index]; }

    // The image of `index`, with `selectedIndex` in the selected mode.
    [[nodiscard]] const QIcon& Icon(int index, int selectedIndex) const;

private:
    std::array<QPixmap, kImageCount> Images;
    std::array<QIcon, kImageCount> WithSelectedDot; // selected: image 11
    std::array<QIcon, kImageCount> Unchanged;       // selected: the same image
};

// The image of a rated voltage; exact comparison with the catalogue's values.
[[nodiscard]] int VoltageImageIndex(Real ratedVoltage) noexcept;

} // namespace dorvanta
