// The command line of dorvanta-cli: its commands, their options and the
// errors by which a run ends.
#pragma once

#include "Extended.h"

#include <filesystem>

#include <map>
#include <optional>
#include <ostream>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace dorvanta::cli {

inline constexpr int kExitSuccess = 0;
inline constexpr int kExitFailure = 1; // the system's text on stderr
inline constexpr int kExitUsage = 2;   // a one-line message on stderr

// The catalogue file of the run: given before the command, or else
// pnumbers.dat beside the program. Every command's arguments carry it.
inline constexpr std::string_view kCatalogueOption = "--catalogue";

// A command line that does not say what to do.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Something that went wrong while doing it.
class Failure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// An option, or with an empty Name the command's one operand (a word that
// does not start with "-"), read with Arguments::Value("").
struct OptionSpec {
    std::string_view Name;        // "--rs"
    std::string_view Placeholder; // "R"; empty for a flag without a value
    std::string_view Help;
};

// The options given to one command, checked against its declared options.
class Arguments {
public:
    [[nodiscard]] bool Has(std::string_view name) const;
    [[nodiscard]] std::optional<std::string> Value(std::string_view name) const;
    [[nodiscard]] std::string ValueOr(std::string_view name, std::string_view fallback) const;
    // A required option's value; a usage error when missing.
    [[nodiscard]] std::string Required(std::string_view name) const;
    // A required number in the general number format with "." as separator.
    [[nodiscard]] Real Number(std::string_view name) const;
    // An optional number, or `fallback` when the option is not given.
    [[nodiscard]] Real NumberOr(std::string_view name, Real fallback) const;

    void Set(std::string name, std::string value);

private:
    std::map<std::string, std::string, std::less<>> values_;
};

// Reads `--name value`, `--name=value` and flags; unknown, repeated and
// incomplete options are usage errors.
[[nodiscard]] Arguments ParseOptions(std::span<const std::string_view> words,
                                     std::span<const OptionSpec> options);

// Runs the command that `words` (the arguments after the program name) name
// and returns the exit status. `programDirectory` holds the default catalogue
// file.
[[nodiscard]] int RunCommandLine(const std::filesystem::path& programDirectory,
                                 std::span<const std::string_view> words, std::ostream& out,
                                 std::ostream& err);

} // namespace dorvanta::cli
