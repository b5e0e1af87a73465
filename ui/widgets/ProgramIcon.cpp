#include "ui/widgets/ProgramIcon.h"

#include <QFileInfo>
#include <QImageReader>
#include <QPixmap>

// Resources of a static library are registered by hand, outside any namespace.
static void RegisterAboutResources() {
    Q_INIT_RESOURCE(about);
}

namespace dorvanta {

namespace {

void EnsureResources() {
    static const bool registered = (RegisterAboutResources(), true);
    (void)registered;
}

// Reads the picture in the format its name ends with. Left to detect the
// format, the reader would load every image-format plugin of the system to
// ask it first; told the format, it loads at most that format's plugin and
// none for the PNG icon, which spares the program's start their loading.
QImage ReadPicture(const QString& path) {
    EnsureResources();
    QImageReader reader(path, QFileInfo(path).suffix().toLatin1());
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

} // namespace

QIcon ProgramIcon() {
    QIcon icon;
    for (const int size : {16, 32, 48, 64, 128, 256}) {
        icon.addPixmap(
            QPixmap::fromImage(ReadPicture(QStringLiteral(":/icons/dorvanta-%1.png").arg(size))));
    }
    return icon;
}

QImage ResourcePicture(const char* path) {
    return ReadPicture(QString::fromLatin1(path));
}

} // namespace dorvanta
