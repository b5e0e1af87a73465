#include "ListsCommand.h"

#include "CatalogueChoice.h"
#include "CriteriaOptions.h"
#include "Output.h"

#include <array>

namespace dorvanta::cli {

namespace {

constexpr auto kOptions = std::to_array<OptionSpec>({
    {"--series", "S", "series code (KEL), display name or all (default)"},
    {"--case", "TEXT", "case size, or all (default)"},
    {"--capacitance", "TEXT", "capacitance in uF, or all (default)"},
    {"--format", "FMT", "text (default) or json"},
});

int Run(const Arguments& args, std::ostream& out, std::ostream& err) {
    const TTypVyrobku series = SeriesOption(args);
    const std::string caseSize = args.ValueOr("--case", kAll);
    const std::string capacitance = args.ValueOr("--capacitance", kAll);
    const OutputFormat format = FormatOption(args, {OutputFormat::Text, OutputFormat::Json});
    const CatalogueChoice catalogue = ChooseCatalogue(args, err);
    ValueLists lists;
    FillCaseSizeList(catalogue.Entries, series, lists.CaseSizes);
    FillCapacitanceList(catalogue.Entries, series, caseSize, lists.Capacitances);
    FillVoltageList(catalogue.Entries, series, caseSize, capacitance, lists.Voltages);
    WriteLists(out, lists, format);
    return kExitSuccess;
}

} // namespace

Command ListsCommand() noexcept {
    return {"lists", "lists [--series S] [--case TEXT] [--capacitance TEXT] [--format text|json]",
            "Prints the case sizes, capacitances and rated voltages that the catalogue\n"
            "holds for the choices made, as the window's part-number lists offer them.",
            kOptions, Run};
}

} // namespace dorvanta::cli
