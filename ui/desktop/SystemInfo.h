// What the about window tells about the machine: the operating system and
// its physical memory.
#pragma once

#include "platform/System.h"

#include <QString>

#include <cstdint>
#include <optional>

namespace dorvanta {

struct TOperatingSystem {
    QString name; // "Linux", "Windows NT", ...
    int major = 0;
    int minor = 0;
    int build = 0;
    QString extra; // the distribution or service pack; may be empty
};

// The running system: its kernel's name and version numbers (the third
// number of the version is the build) and the distribution's own name.
[[nodiscard]] TOperatingSystem RunningOperatingSystem();

// "Linux 6.1  (Build 0: Debian GNU/Linux 12 (bookworm))": name, version,
// two blanks, then the build and the extra text in parentheses.
[[nodiscard]] QString OperatingSystemLine(const TOperatingSystem& system);

// "Physical Memory of Linux:"
[[nodiscard]] QString MemoryCaption(const TOperatingSystem& system);

// The machine's total physical memory in bytes (none when it cannot be
// asked), from the system.
using platform::PhysicalMemoryBytes;

} // namespace dorvanta
