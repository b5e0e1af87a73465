// The commands of dorvanta-cli. A command is a name, a summary and the
// function that declares its options on its CLI11 subcommand and gives back
// the body that runs it; adding a command is one file with such a function
// and one entry in AllCommands.
#pragma once

#include "core/record/Expected.h"

#include <CLI/CLI.hpp>

#include <filesystem>
#include <functional>
#include <ostream>
#include <span>
#include <string_view>

namespace dorvanta::cli {

// The catalogue file of the run: named by --catalogue before the command,
// or else pnumbers.dat beside the program.
struct TCatalogueSource {
    std::filesystem::path File;
    bool Named = false; // given by --catalogue: it must exist and be readable
};

// What a command's body works with once the command line is read.
struct TCommandRun {
    std::ostream& Out;
    std::ostream& Err;
    const TCatalogueSource& Catalogue;
    // The exit status of a command that ran to its end; a review sets 3 when
    // a part of the list fails the maker's rules.
    int& Status;
};

// Runs the command with the values that its options received; a failure
// carries the text for standard error (exit status 1).
using TCommandBody = std::function<Expected<void>(const TCommandRun&)>;

// Declares the command's options on `command` and returns its body, which
// reads the values those options store.
using TDeclareCommand = TCommandBody (*)(CLI::App& command);

struct TCommand {
    std::string_view Name;
    std::string_view Summary; // the help text under the usage line
    TDeclareCommand Declare;
};

[[nodiscard]] std::span<const TCommand> AllCommands() noexcept;

} // namespace dorvanta::cli
