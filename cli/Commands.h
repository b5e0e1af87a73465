// The commands of dorvanta-cli. A command is a name, its options, its help
// text and the function that runs it; adding one is adding a table entry.
#pragma once

#include "CommandLine.h"

#include <span>

namespace dorvanta::cli {

struct Command {
    std::string_view Name;
    std::string_view Synopsis; // the usage line after "dorvanta-cli "
    std::string_view Summary;
    std::span<const OptionSpec> Options;
    int (*Run)(const Arguments& args, std::ostream& out, std::ostream& err);
};

// Options that every command accepts, such as --help.
[[nodiscard]] std::span<const OptionSpec> GlobalOptions() noexcept;

[[nodiscard]] std::span<const Command> AllCommands() noexcept;

} // namespace dorvanta::cli
