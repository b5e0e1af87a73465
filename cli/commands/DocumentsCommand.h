// dorvanta-cli documents: the three reference documents written into a
// folder, the same files that the window's document buttons open.
#pragma once

#include "cli/commands/Commands.h"

namespace dorvanta::cli {

[[nodiscard]] TCommand DocumentsCommand() noexcept;

} // namespace dorvanta::cli
