// dorvanta-cli search: the recommended parts for an application.
#pragma once

#include "cli/commands/Commands.h"

namespace dorvanta::cli {

[[nodiscard]] TCommand SearchCommand() noexcept;

} // namespace dorvanta::cli
