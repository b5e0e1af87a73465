#include "ProgramIcon.h"

#include <QImageReader>

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

} // namespace

QIcon ProgramIcon() {
    EnsureResources();
    QIcon icon;
    for (const int size : {16, 32, 48, 64, 128, 256}) {
        icon.addFile(QStringLiteral(":/icons/dorvanta-%1.png").arg(size), QSize(size, size));
    }
    return icon;
}

QImage ResourcePicture(const char* path) {
    EnsureResources();
    QImageReader reader(QString::fromLatin1(path));
    return reader.read();
}

} // namespace dorvanta
