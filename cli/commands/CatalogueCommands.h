// dorvanta-cli info and export-catalogue: the catalogue in use, and the
// built-in catalogue written out as a catalogue file (a maintenance command;
// the window offers no export).
#pragma once

#include "cli/commands/Commands.h"

namespace dorvanta::cli {

[[nodiscard]] TCommand InfoCommand() noexcept;
[[nodiscard]] TCommand ExportCatalogueCommand() noexcept;

} // namespace dorvanta::cli
