// dorvanta-cli report: the printed report of a search, written as a PDF file.
#pragma once

#include "cli/commands/Commands.h"

namespace dorvanta::cli {

[[nodiscard]] TCommand ReportCommand() noexcept;

} // namespace dorvanta::cli
