// dorvanta-cli lists: the values that the part-number criterion offers.
#pragma once

#include "cli/commands/Commands.h"

namespace dorvanta::cli {

[[nodiscard]] TCommand ListsCommand() noexcept;

} // namespace dorvanta::cli
