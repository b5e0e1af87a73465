#include "ui/desktop/SystemInfo.h"

#include <QStringList>
#include <QSysInfo>

namespace dorvanta {

namespace {

QString SystemName(const QString& kernelType) {
    if (kernelType == QStringLiteral("winnt")) {
        return QStringLiteral("Windows NT");
    }
    if (kernelType == QStringLiteral("linux")) {
        return QStringLiteral("Linux");
    }
    if (kernelType.isEmpty()) {
        return QStringLiteral("Unknown");
    }
    return kernelType.left(1).toUpper() + kernelType.mid(1);
}

// The leading digits of a version part: "0-18-amd64" gives 0.
int LeadingNumber(const QString& text) {
    qsizetype digits = 0;
    while (digits < text.size() && text[digits].isDigit()) {
        ++digits;
    }
    return text.left(digits).toInt();
}

} // namespace

TOperatingSystem RunningOperatingSystem() {
    TOperatingSystem system;
    system.name = SystemName(QSysInfo::kernelType());
    const QStringList parts = QSysInfo::kernelVersion().split(u'.');
    const auto part = [&](qsizetype i) {
        return i < parts.size() ? LeadingNumber(parts[i]) : 0;
    };
    system.major = part(0);
    system.minor = part(1);
    system.build = part(2);
    system.extra = QSysInfo::prettyProductName();
    return system;
}

QString OperatingSystemLine(const TOperatingSystem& system) {
    return system.name + QStringLiteral(" %1.%2  (Build %3: %4)")
                             .arg(system.major)
                             .arg(system.minor)
                             .arg(system.build)
                             .arg(system.extra);
}

QString MemoryCaption(const TOperatingSystem& system) {
    return QStringLiteral("Physical Memory of ") + system.name + QStringLiteral(":");
}

} // namespace dorvanta
