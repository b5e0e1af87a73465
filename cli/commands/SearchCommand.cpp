#include "cli/commands/SearchCommand.h"

#include "cli/options/SearchOptions.h"
#include "cli/output/Output.h"

#include <memory>

namespace dorvanta::cli {

namespace {

struct Options {
    SearchOptions Search;
    OutputFormat Format = OutputFormat::Text;
};

CommandBody Declare(CLI::App& command) {
    auto options = std::make_shared<Options>();
    AddSearchOptions(command, options->Search);
    AddFormatOption(command, options->Format,
                    {OutputFormat::Text, OutputFormat::Csv, OutputFormat::Json});
    return [options](const CommandRun& run) -> Expected<void> {
        const auto search = RunSearch(options->Search, run);
        if (!search) {
            return Unexpected(search.error());
        }
        WriteSearch(run.Out,
                    {search->Catalogue, search->ClosestMatch, search->Reasons, search->Parts},
                    options->Format);
        return {};
    };
}

} // namespace

Command SearchCommand() noexcept {
    return {"search",
            "Lists the recommended parts for the application, by rated voltage and part\n"
            "number. Omitted criterion values are \"all\".",
            Declare};
}

} // namespace dorvanta::cli
