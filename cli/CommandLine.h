// The command line of dorvanta-cli, read by CLI11: the global options, the
// commands, and the one place where a run's outcome becomes its exit status.
#pragma once

#include "core/record/Extended.h"

#include <CLI/CLI.hpp>

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

namespace dorvanta::cli {

inline constexpr int kExitSuccess = 0;
inline constexpr int kExitFailure = 1; // the system's text on stderr
inline constexpr int kExitUsage = 2;   // a one-line message on stderr

// Declares `name` as a number option in the general number format with "."
// as separator; another text is a usage error. The value lands in `target`.
CLI::Option* AddNumberOption(CLI::App& command, const std::string& name, Real& target,
                             const std::string& placeholder, const std::string& help);

// Accepts "all" or a number in the general number format.
[[nodiscard]] CLI::Validator AllOrNumber();

// Runs the command that `words` (the arguments after the program name) name
// and returns the exit status: 0 on success, 1 on a failure (its text on
// `err`), 2 on a usage error (one line on `err`). `programDirectory` holds
// the default catalogue file.
[[nodiscard]] int RunCommandLine(const std::filesystem::path& programDirectory,
                                 std::vector<std::string> words, std::ostream& out,
                                 std::ostream& err);

} // namespace dorvanta::cli
