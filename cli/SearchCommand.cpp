#include "SearchCommand.h"

#include "Output.h"
#include "SearchOptions.h"

#include <vector>

namespace dorvanta::cli {

namespace {

std::span<const OptionSpec> Options() {
    static const std::vector<OptionSpec> options = [] {
        std::vector<OptionSpec> all(SearchOptions().begin(), SearchOptions().end());
        all.push_back({"--format", "FMT", "text (default), csv or json"});
        return all;
    }();
    return options;
}

int Run(const Arguments& args, std::ostream& out, std::ostream& err) {
    const TVstupniUdaje data = ApplicationData(args);
    const OutputFormat format =
        FormatOption(args, {OutputFormat::Text, OutputFormat::Csv, OutputFormat::Json});
    const SearchRun run = RunSearch(args, data, err);
    WriteSearch(out, {run.Catalogue, run.ClosestMatch, run.Reasons, run.Parts}, format);
    return kExitSuccess;
}

} // namespace

Command SearchCommand() noexcept {
    static const std::string synopsis =
        "search " + std::string(kSearchSynopsis) + " [--format text|csv|json]";
    return {"search", synopsis,
            "Lists the recommended parts for the application, by rated voltage and part\n"
            "number. Omitted criterion values are \"all\".",
            Options(), Run};
}

} // namespace dorvanta::cli
