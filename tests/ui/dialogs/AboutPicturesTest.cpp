// The about window's pictures are JPEG files decoded through libjpeg by Qt's
// image plugin; the icon comes in every size that desktops ask for.
#include "ui/widgets/ProgramIcon.h"

#include <gtest/gtest.h>

#include <QImageReader>

namespace dorvanta {
namespace {

TEST(AboutPictures, TheJpegDecoderIsPresent) {
    EXPECT_TRUE(QImageReader::supportedImageFormats().contains("jpeg"));
}

TEST(AboutPictures, EachPictureDecodesAsJpeg) {
    const struct {
        const char* path;
        QSize size;
    } pictures[] = {
        {kStripPicture, {366, 24}},
        {kBackgroundPicture, {170, 140}},
        {kTitlePicture, {200, 36}},
    };
    for (const auto& picture : pictures) {
        const QImage image = ResourcePicture(picture.path);
        EXPECT_FALSE(image.isNull()) << picture.path;
        EXPECT_EQ(QImageReader(QString::fromLatin1(picture.path)).format(), QByteArray("jpeg"))
            << picture.path;
        EXPECT_EQ(image.size(), picture.size) << picture.path;
    }
}

TEST(AboutPictures, TheIconHasEveryDesktopSize) {
    const QIcon icon = ProgramIcon();
    for (const int size : {16, 32, 48, 64, 128, 256}) {
        EXPECT_TRUE(icon.availableSizes().contains(QSize(size, size))) << size;
        EXPECT_EQ(icon.pixmap(size, size).size(), QSize(size, size)) << size;
    }
}

} // namespace
} // namespace dorvanta
