#include "cli/commands/ListsCommand.h"

#include "cli/CommandLine.h"
#include "cli/options/CatalogueChoice.h"
#include "cli/options/CriteriaOptions.h"
#include "cli/output/Output.h"

#include <memory>

namespace dorvanta::cli {

namespace {

struct TListsOptions {
    TTypVyrobku Series = tvAll;
    std::string CaseSize{kAll};
    std::string Capacitance{kAll};
    TOutputFormat Format = TOutputFormat::Text;
};

TCommandBody Declare(CLI::App& command) {
    auto o = std::make_shared<TListsOptions>();
    AddSeriesOption(command, o->Series, "series code (KEL), display name or all (default)");
    command.add_option("--case", o->CaseSize, "case size, or all (default)")->type_name("TEXT");
    command.add_option("--capacitance", o->Capacitance, "capacitance in uF, or all (default)")
        ->type_name("TEXT");
    AddFormatOption(command, o->Format, {TOutputFormat::Text, TOutputFormat::Json});
    return [o](const TCommandRun& run) -> Expected<void> {
        const auto catalogue = ChooseCatalogue(run.Catalogue, run.Err);
        if (!catalogue) {
            return Unexpected(catalogue.error());
        }
        TListedValues lists;
        FillCaseSizeList(catalogue->Entries, o->Series, lists.CaseSizes);
        FillCapacitanceList(catalogue->Entries, o->Series, o->CaseSize, lists.Capacitances);
        FillVoltageList(catalogue->Entries, o->Series, o->CaseSize, o->Capacitance, lists.Voltages);
        WriteLists(run.Out, lists, o->Format);
        return {};
    };
}

} // namespace

TCommand ListsCommand() noexcept {
    return {"lists",
            "Prints the case sizes, capacitances and rated voltages that the catalogue\n"
            "holds for the choices made, as the window's part-number lists offer them.",
            Declare};
}

} // namespace dorvanta::cli
