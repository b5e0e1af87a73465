// The application title: the main window's designed caption and the caption
// of every message box.
#pragma once

#include <QString>

namespace dorvanta {

[[nodiscard]] inline QString ApplicationTitle() {
    return QStringLiteral("Dorvanta");
}

} // namespace dorvanta
