#include "SystemInfo.h"

#include <QStringList>
#include <QSysInfo>

#if defined(Q_OS_UNIX)
#include <unistd.h>
#elif defined(Q_OS_WIN)
#include <windows.h>
#endif

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

std::optional<std::uint64_t> PhysicalMemoryBytes() {
#if defined(Q_OS_UNIX) && defined(_SC_PHYS_PAGES)
    const long pages = sysconf(_SC_PHYS_PAGES);
    const long pageSize = sysconf(_SC_PAGESIZE);
    if (pages <= 0 || pageSize <= 0) {
        return std::nullopt;
    }
    return static_cast<std::uint64_t>(pages) * static_cast<std::uint64_t>(pageSize);
#elif defined(Q_OS_WIN)
    MEMORYSTATUSEX status{};
    status.dwLength = sizeof status;
    if (!GlobalMemoryStatusEx(&status)) {
        return std::nullopt;
    }
    return status.ullTotalPhys;
#else
    return std::nullopt;
#endif
}

} // namespace dorvanta
