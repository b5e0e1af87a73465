#include "CommandLine.h"

#include "CatalogueFile.h"
#include "Commands.h"
#include "NumberText.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace dorvanta::cli {

namespace {

const OptionSpec* FindOption(std::span<const OptionSpec> options, std::string_view name) {
    const auto found = std::find_if(options.begin(), options.end(),
                                    [name](const OptionSpec& o) { return o.Name == name; });
    return found == options.end() ? nullptr : &*found;
}

const Command* FindCommand(std::string_view name) {
    const auto commands = AllCommands();
    const auto found = std::find_if(commands.begin(), commands.end(),
                                    [name](const Command& c) { return c.Name == name; });
    return found == commands.end() ? nullptr : &*found;
}

void WriteOptions(std::ostream& out, std::span<const OptionSpec> options) {
    for (const OptionSpec& option : options) {
        std::string left = "  " + std::string(option.Name);
        if (!option.Placeholder.empty()) {
            left += (option.Name.empty() ? "" : " ") + std::string(option.Placeholder);
        }
        left.resize(std::max<std::size_t>(left.size() + 2, 26), ' ');
        out << left << option.Help << "\n";
    }
}

void WriteCommandHelp(std::ostream& out, const Command& command) {
    out << "usage: dorvanta-cli [--catalogue FILE] " << command.Synopsis << "\n\n"
        << command.Summary << "\n\n";
    WriteOptions(out, command.Options);
    WriteOptions(out, GlobalOptions());
}

void WriteHelp(std::ostream& out) {
    out << "usage: dorvanta-cli [--catalogue FILE] COMMAND [OPTIONS]\n\n"
           "The command-line companion of Dorvanta: the same catalogue, evaluation and\n"
           "search as the window, for scripts. Numbers use \".\" as decimal separator.\n"
           "The catalogue is pnumbers.dat beside the program when it is there and\n"
           "valid, else the built-in one; --catalogue FILE names another file.\n"
           "Exit status: 0 on success (an empty result too), 2 on a usage error, 1 on\n"
           "a failure.\n";
    for (const Command& command : AllCommands()) {
        out << "\n";
        WriteCommandHelp(out, command);
    }
}

// Flushes `out` and reports a failed write with the system's text.
void FinishOutput(std::ostream& out) {
    errno = 0;
    out.flush();
    if (!out) {
        const int error = errno;
        throw Failure(std::string("cannot write the output: ") +
                      (error != 0 ? std::strerror(error) : "write error"));
    }
}

int RunCommand(const Command& command, std::span<const std::string_view> words,
               const std::filesystem::path& catalogueFile, std::ostream& out, std::ostream& err) {
    std::vector<OptionSpec> options(command.Options.begin(), command.Options.end());
    options.insert(options.end(), GlobalOptions().begin(), GlobalOptions().end());
    Arguments args = ParseOptions(words, options);
    args.Set(std::string(kCatalogueOption), catalogueFile.string());
    if (args.Has("--help")) {
        WriteCommandHelp(out, command);
        FinishOutput(out);
        return kExitSuccess;
    }
    const int status = command.Run(args, out, err);
    FinishOutput(out);
    return status;
}

// Takes a leading "--catalogue FILE" or "--catalogue=FILE" off `words`.
std::optional<std::filesystem::path> CatalogueFileOption(std::span<const std::string_view>& words) {
    if (words.empty() || !words.front().starts_with(kCatalogueOption)) {
        return std::nullopt;
    }
    const std::string_view word = words.front();
    if (word.size() > kCatalogueOption.size() && word[kCatalogueOption.size()] == '=') {
        words = words.subspan(1);
        return std::filesystem::path(word.substr(kCatalogueOption.size() + 1));
    }
    if (word != kCatalogueOption) {
        return std::nullopt;
    }
    if (words.size() < 2) {
        throw UsageError("option --catalogue needs a value FILE");
    }
    const std::filesystem::path file(words[1]);
    words = words.subspan(2);
    return file;
}

int Dispatch(const std::filesystem::path& programDirectory, std::span<const std::string_view> words,
             std::ostream& out, std::ostream& err) {
    const auto catalogueFile =
        CatalogueFileOption(words).value_or(programDirectory / kCatalogueFileName);
    if (words.empty()) {
        throw UsageError("no command given (try --help)");
    }
    if (words.front() == "--help" || words.front() == "help") {
        WriteHelp(out);
        FinishOutput(out);
        return kExitSuccess;
    }
    const Command* command = FindCommand(words.front());
    if (command == nullptr) {
        throw UsageError("unknown command '" + std::string(words.front()) + "' (try --help)");
    }
    return RunCommand(*command, words.subspan(1), catalogueFile, out, err);
}

} // namespace

bool Arguments::Has(std::string_view name) const {
    return values_.find(name) != values_.end();
}

std::optional<std::string> Arguments::Value(std::string_view name) const {
    const auto found = values_.find(name);
    if (found == values_.end()) {
        return std::nullopt;
    }
    return found->second;
}

std::string Arguments::ValueOr(std::string_view name, std::string_view fallback) const {
    return Value(name).value_or(std::string(fallback));
}

std::string Arguments::Required(std::string_view name) const {
    auto value = Value(name);
    if (!value) {
        throw UsageError("missing option " + std::string(name));
    }
    return *value;
}

Real Arguments::Number(std::string_view name) const {
    const std::string text = Required(name);
    const std::optional<Real> value = ParseGeneral(text, ".");
    if (!value) {
        throw UsageError(std::string(name) + ": not a number: '" + text + "'");
    }
    return *value;
}

Real Arguments::NumberOr(std::string_view name, Real fallback) const {
    return Has(name) ? Number(name) : fallback;
}

void Arguments::Set(std::string name, std::string value) {
    values_[std::move(name)] = std::move(value);
}

Arguments ParseOptions(std::span<const std::string_view> words,
                       std::span<const OptionSpec> options) {
    Arguments args;
    for (std::size_t i = 0; i < words.size(); ++i) {
        std::string_view name = words[i];
        if (!name.starts_with('-') && FindOption(options, "") != nullptr) {
            if (args.Has("")) {
                throw UsageError("unexpected argument '" + std::string(name) + "'");
            }
            args.Set("", std::string(name));
            continue;
        }
        std::optional<std::string_view> inlineValue;
        if (const auto equals = name.find('='); name.starts_with("--") && equals != name.npos) {
            inlineValue = name.substr(equals + 1);
            name = name.substr(0, equals);
        }
        const OptionSpec* option = FindOption(options, name);
        if (option == nullptr) {
            throw UsageError("unknown option '" + std::string(name) + "'");
        }
        if (args.Has(name)) {
            throw UsageError("option " + std::string(name) + " given twice");
        }
        if (option->Placeholder.empty()) {
            if (inlineValue) {
                throw UsageError("option " + std::string(name) + " takes no value");
            }
            args.Set(std::string(name), "");
            continue;
        }
        if (!inlineValue && i + 1 >= words.size()) {
            throw UsageError("option " + std::string(name) + " needs a value " +
                             std::string(option->Placeholder));
        }
        args.Set(std::string(name), std::string(inlineValue ? *inlineValue : words[++i]));
    }
    return args;
}

int RunCommandLine(const std::filesystem::path& programDirectory,
                   std::span<const std::string_view> words, std::ostream& out, std::ostream& err) {
    try {
        return Dispatch(programDirectory, words, out, err);
    } catch (const UsageError& e) {
        err << "dorvanta-cli: " << e.what() << "\n";
        return kExitUsage;
    } catch (const std::exception& e) {
        err << "dorvanta-cli: " << e.what() << "\n";
        return kExitFailure;
    }
}

} // namespace dorvanta::cli
