// dorvanta-cli import-catalogue: a catalogue file made from a catalogue CSV.
#pragma once

#include "cli/commands/Commands.h"

namespace dorvanta::cli {

[[nodiscard]] TCommand ImportCatalogueCommand() noexcept;

} // namespace dorvanta::cli
