#include "cli/options/SearchOptions.h"

#include "cli/CommandLine.h"
#include "cli/options/CriteriaOptions.h"
#include "core/engine/SearchRun.h"

namespace dorvanta::cli {

namespace {

CLI::Validator KnownOperator() {
    return CLI::Validator(
        [](const std::string& text) {
            return OperatorText(OperatorFromText(text)) == text
                       ? std::string()
                       : "unknown operator '" + text + "' (use <, =, > or <>)";
        },
        "", "operator");
}

// The capacitance criterion: --operator with --cap1 (and --cap2 for <>).
std::vector<CLI::Option*> AddCapacitanceCriterion(CLI::App& command, TSearchOptions& o) {
    CLI::Option* op =
        command
            .add_option("--operator", o.Operator, "capacitance criterion: <, =, > or <> (between)")
            ->check(KnownOperator())
            ->type_name("OP");
    CLI::Option* cap1 =
        AddNumberOption(command, "--cap1", o.Cap1, "C", "capacitance bound 1 in uF");
    CLI::Option* cap2 = AddNumberOption(command, "--cap2", o.Cap2, "C",
                                        "capacitance bound 2 in uF, for <> (default 0)");
    op->needs(cap1);
    cap1->needs(op);
    cap2->needs(op);
    return {op, cap1, cap2};
}

// The part-number criterion: --part-number with --series, --capacitance and
// --voltage, each "all" when not given.
std::vector<CLI::Option*> AddPartNumberCriterion(CLI::App& command, TSearchOptions& o) {
    CLI::Option* byPartNumber =
        command
            .add_flag("--part-number", o.ByPartNumber,
                      "part-number criterion instead of the capacitance criterion")
            ->disable_flag_override();
    CLI::Option* series = AddSeriesOption(
        command, o.Series, "part-number criterion: series code (KEL), display name or all");
    CLI::Option* capacitance = command
                                   .add_option("--capacitance", o.Capacitance,
                                               "part-number criterion: capacitance in uF, or all")
                                   ->check(AllOrNumber())
                                   ->type_name("TEXT");
    CLI::Option* voltage =
        command
            .add_option("--voltage", o.Voltage, "part-number criterion: rated voltage in V, or all")
            ->check(AllOrNumber())
            ->type_name("TEXT");
    for (CLI::Option* value : {series, capacitance, voltage}) {
        value->needs(byPartNumber);
    }
    return {byPartNumber, series, capacitance, voltage};
}

} // namespace

void AddSearchOptions(CLI::App& command, TSearchOptions& o) {
    AddNumberOption(command, "--rs", o.Rs, "R", "source resistance in ohm")->required();
    AddNumberOption(command, "--rl", o.Rl, "R", "resistance of the leads in ohm")->required();
    AddNumberOption(command, "--imax", o.Imax, "A", "maximum surge current of the supply in A")
        ->required();
    AddNumberOption(command, "--va", o.Va, "V", "application voltage in V")->required();
    const auto capacitance = AddCapacitanceCriterion(command, o);
    const auto partNumber = AddPartNumberCriterion(command, o);
    for (CLI::Option* option : capacitance) {
        option->excludes(partNumber.front());
    }
    // One of the two criteria must be chosen.
    CLI::Option_group* criterion = command.add_option_group("criterion");
    criterion->add_option(capacitance.front());
    criterion->add_option(partNumber.front());
    criterion->require_option(1);
    command.add_option("--case", o.CaseSize, "case size code, or all (default)")->type_name("CODE");
    command
        .add_flag("--closest-match", o.ClosestMatch,
                  "admit parts up to 15 % over the test surge current")
        ->disable_flag_override();
}

TVstupniUdaje ApplicationData(const TSearchOptions& o) {
    TVstupniUdaje data;
    SetCircuit(data, {.Rs = o.Rs, .Rl = o.Rl, .Imax = o.Imax, .Va = o.Va});
    data.ByPartNumber = o.ByPartNumber;
    data.DecimalSeparator = ".";
    if (data.ByPartNumber) {
        data.Parametry2 = {o.Series, o.CaseSize, o.Capacitance, o.Voltage};
    } else {
        data.Parametry1.Operator = OperatorFromText(o.Operator);
        data.Parametry1.Capacitance = {0, o.Cap1, o.Cap2};
        data.Parametry1.CaseSize = o.CaseSize;
    }
    return data;
}

Expected<TFoundParts> RunSearch(const TSearchOptions& options, const TCommandRun& run) {
    auto catalogue = ChooseCatalogue(run.Catalogue, run.Err);
    if (!catalogue) {
        return Unexpected(catalogue.error());
    }
    TSearchOutcome outcome =
        SearchCatalogue(catalogue->Entries, ApplicationData(options), options.ClosestMatch);
    return TFoundParts{std::move(*catalogue), options.ClosestMatch, outcome.Reasons,
                       std::move(outcome.Parts)};
}

} // namespace dorvanta::cli
