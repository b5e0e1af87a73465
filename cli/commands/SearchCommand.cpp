#include "cli/commands/SearchCommand.h"

#include "cli/options/SearchOptions.h"
#include "cli/output/Output.h"

#include <memory>

namespace dorvanta::cli {

namespace {

struct TSearchCommandOptions {
    TSearchOptions Search;
    TOutputFormat Format = TOutputFormat::Text;
};

TCommandBody Declare(CLI::App& command) {
    auto options = std::make_shared<TSearchCommandOptions>();
    AddSearchOptions(command, options->Search);
    AddFormatOption(command, options->Format,
                    {TOutputFormat::Text, TOutputFormat::Csv, TOutputFormat::Json});
    return [options](const TCommandRun& run) -> Expected<void> {
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

TCommand SearchCommand() noexcept {
    return {"search",
            "Lists the recommended parts for the application, by rated voltage and part\n"
            "number. Omitted criterion values are \"all\".",
            Declare};
}

} // namespace dorvanta::cli
