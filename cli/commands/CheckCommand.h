// dorvanta-cli check: the review of a parts list against the maker's rules.
#pragma once

#include "cli/commands/Commands.h"

namespace dorvanta::cli {

[[nodiscard]] TCommand CheckCommand() noexcept;

} // namespace dorvanta::cli
