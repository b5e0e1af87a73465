#include "cli/CommandLine.h"

#include "ProgramVersion.h"
#include "cli/commands/Commands.h"
#include "core/catalogue/CatalogueFile.h"
#include "core/display/NumberText.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <exception>
#include <optional>
#include <utility>

namespace dorvanta::cli {

namespace {

constexpr const char* kDescription =
    "The command-line companion of Dorvanta: the same catalogue, evaluation and\n"
    "search as the window, for scripts. Numbers use \".\" as decimal separator.\n"
    "The catalogue is pnumbers.dat beside the program when it is there and\n"
    "valid, else the built-in one; --catalogue FILE names another file, which\n"
    "must exist and be readable.\n"
    "Exit status: 0 on success (an empty result too), 2 on a usage error, 1 on\n"
    "a failure.";

// The commands as CLI11 subcommands, each with the body that runs it.
struct TDeclaredCommand {
    CLI::App* Subcommand;
    TCommandBody Body;
};

// The run's end: a usage error, or the body of the chosen command.
struct TParsedCommandLine {
    std::optional<int> Status; // set when the run ends here (help, version, usage error)
    const TCommandBody* Body = nullptr;
};

TParsedCommandLine Parse(CLI::App& app, const std::vector<TDeclaredCommand>& commands,
                         std::vector<std::string> words, std::ostream& out, std::ostream& err) {
    std::reverse(words.begin(), words.end()); // CLI11 takes them last first
    try {
        app.parse(words);
    } catch (const CLI::ParseError& e) {
        // Help and version are CLI11's "successes"; everything else is a usage error.
        if (e.get_exit_code() == static_cast<int>(CLI::ExitCodes::Success)) {
            return {app.exit(e, out, err), nullptr};
        }
        err << "dorvanta-cli: " << e.what() << "\n";
        return {kExitUsage, nullptr};
    }
    const auto chosen =
        std::find_if(commands.begin(), commands.end(),
                     [](const TDeclaredCommand& c) { return c.Subcommand->parsed(); });
    if (chosen == commands.end()) {
        err << "dorvanta-cli: no command given (try --help)\n";
        return {kExitUsage, nullptr};
    }
    return {std::nullopt, &chosen->Body};
}

// Flushes `out`; a failed write is a failure with the system's text.
Expected<void> FinishOutput(std::ostream& out) {
    out.flush();
    if (out) {
        return {};
    }
    const int error = errno;
    return Unexpected(std::string("cannot write the output: ") +
                      (error != 0 ? std::strerror(error) : "write error"));
}

int Run(const std::filesystem::path& programDirectory, std::vector<std::string> words,
        std::ostream& out, std::ostream& err) {
    CLI::App app(kDescription, "dorvanta-cli");
    app.set_version_flag("--version", std::string(kFileVersion), "print the version and exit");
    TCatalogueSource catalogue{programDirectory / kCatalogueFileName, false};
    app.add_option_function<std::string>(
           "--catalogue",
           [&catalogue](const std::string& file) {
               catalogue = {file, true};
           },
           "the catalogue file to use instead of pnumbers.dat beside the program; given "
           "before the command")
        ->type_name("FILE");
    app.require_subcommand(0, 1);
    std::vector<TDeclaredCommand> commands;
    for (const TCommand& command : AllCommands()) {
        CLI::App* subcommand =
            app.add_subcommand(std::string(command.Name), std::string(command.Summary));
        commands.push_back({subcommand, command.Declare(*subcommand)});
    }
    const TParsedCommandLine parsed = Parse(app, commands, std::move(words), out, err);
    if (parsed.Status) {
        return *parsed.Status;
    }
    errno = 0;
    int status = kExitSuccess;
    Expected<void> result = (*parsed.Body)(TCommandRun{out, err, catalogue, status});
    if (result) {
        result = FinishOutput(out);
    }
    if (!result) {
        err << "dorvanta-cli: " << result.error() << "\n";
        return kExitFailure;
    }
    return status;
}

} // namespace

CLI::Option* AddNumberOption(CLI::App& command, const std::string& name, Real& target,
                             const std::string& placeholder, const std::string& help) {
    const CLI::Validator isNumber(
        [](const std::string& text) {
            return ParseGeneral(text, ".") ? std::string() : "not a number: '" + text + "'";
        },
        "", "number");
    return command
        .add_option_function<std::string>(
            name,
            [&target](const std::string& text) { target = ParseGeneral(text, ".").value_or(0); },
            help)
        ->check(isNumber)
        ->type_name(placeholder);
}

CLI::Validator AllOrNumber() {
    return CLI::Validator(
        [](const std::string& text) {
            return text == "all" || ParseGeneral(text, ".") ? std::string()
                                                            : "not a number: '" + text + "'";
        },
        "", "all or number");
}

int RunCommandLine(const std::filesystem::path& programDirectory, std::vector<std::string> words,
                   std::ostream& out, std::ostream& err) {
    try {
        return Run(programDirectory, std::move(words), out, err);
    } catch (const std::exception& e) {
        // Only what the program cannot go on from (such as lack of memory).
        err << "dorvanta-cli: " << e.what() << "\n";
        return kExitFailure;
    }
}

} // namespace dorvanta::cli
