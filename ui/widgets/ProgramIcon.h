// The program's icon and the about window's pictures, stored in the program
// as PNG and JPEG resources.
#pragma once

#include <QIcon>
#include <QImage>
#include <QString>

namespace dorvanta {

// The icon at 16, 32, 48, 64, 128 and 256 pixels.
[[nodiscard]] QIcon ProgramIcon();

// The resource paths of the about window's JPEG pictures.
inline constexpr const char* kStripPicture = ":/about/strip.jpg";
inline constexpr const char* kBackgroundPicture = ":/about/background.jpg";
inline constexpr const char* kTitlePicture = ":/about/title.jpg";

// Decodes a picture of the program's resources; a null image when it cannot.
[[nodiscard]] QImage ResourcePicture(const char* path);

} // namespace dorvanta
