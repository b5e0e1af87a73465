#include "SearchOptions.h"

#include "CriteriaOptions.h"
#include "SearchRun.h"

#include <array>

namespace dorvanta::cli {

namespace {

constexpr auto kOptions = std::to_array<OptionSpec>({
    {"--rs", "R", "source resistance in ohm"},
    {"--rl", "R", "resistance of the leads in ohm"},
    {"--imax", "A", "maximum surge current of the supply in A"},
    {"--va", "V", "application voltage in V"},
    {"--operator", "OP", "capacitance criterion: <, =, > or <> (between)"},
    {"--cap1", "C", "capacitance bound 1 in uF"},
    {"--cap2", "C", "capacitance bound 2 in uF, for <> (default 0)"},
    {"--part-number", "", "part-number criterion instead of the capacitance criterion"},
    {"--series", "S", "part-number criterion: series code (KEL), display name or all"},
    {"--case", "CODE", "case size code, or all (default)"},
    {"--capacitance", "TEXT", "part-number criterion: capacitance in uF, or all"},
    {"--voltage", "TEXT", "part-number criterion: rated voltage in V, or all"},
    {"--closest-match", "", "admit parts up to 15 % over the test surge current"},
});

constexpr std::array<std::string_view, 3> kCapacitanceOnly = {"--operator", "--cap1", "--cap2"};
constexpr std::array<std::string_view, 3> kPartNumberOnly = {"--series", "--capacitance",
                                                             "--voltage"};

void RefuseOptionsOf(const Arguments& args, std::span<const std::string_view> names,
                     std::string_view criterion) {
    for (const std::string_view name : names) {
        if (args.Has(name)) {
            throw UsageError(std::string(name) + " belongs to the " + std::string(criterion));
        }
    }
}

TCapacitanceOperator OperatorOption(const Arguments& args) {
    const std::string text = args.Required("--operator");
    const TCapacitanceOperator op = OperatorFromText(text);
    if (OperatorText(op) != text) {
        throw UsageError("--operator: unknown operator '" + text + "' (use <, =, > or <>)");
    }
    return op;
}

// A criterion text: "all" or a number in the general number format.
std::string CriterionText(const Arguments& args, std::string_view name) {
    std::string text = args.ValueOr(name, kAll);
    if (text != kAll) {
        (void)args.Number(name); // refuses a text that is not a number
    }
    return text;
}

} // namespace

std::span<const OptionSpec> SearchOptions() noexcept {
    return kOptions;
}

TVstupniUdaje ApplicationData(const Arguments& args) {
    TVstupniUdaje data;
    data.Resistance = args.Number("--rs") + args.Number("--rl");
    data.Imax = args.Number("--imax");
    data.Va = args.Number("--va");
    data.ByPartNumber = args.Has("--part-number");
    data.DecimalSeparator = ".";
    if (data.ByPartNumber) {
        RefuseOptionsOf(args, kCapacitanceOnly, "capacitance criterion");
        data.Parametry2 = {SeriesOption(args), args.ValueOr("--case", kAll),
                           CriterionText(args, "--capacitance"), CriterionText(args, "--voltage")};
    } else {
        if (!args.Has("--operator")) {
            throw UsageError("choose a criterion: --operator OP --cap1 C, or --part-number");
        }
        RefuseOptionsOf(args, kPartNumberOnly, "part-number criterion");
        data.Parametry1.Operator = OperatorOption(args);
        data.Parametry1.Capacitance = {0, args.Number("--cap1"), args.NumberOr("--cap2", 0)};
        data.Parametry1.CaseSize = args.ValueOr("--case", kAll);
    }
    return data;
}

SearchRun RunSearch(const Arguments& args, const TVstupniUdaje& data, std::ostream& err) {
    SearchRun run{ChooseCatalogue(args, err), args.Has("--closest-match"), {}, {}};
    TSearchOutcome outcome = SearchCatalogue(run.Catalogue.Entries, data, run.ClosestMatch);
    run.Parts = std::move(outcome.Parts);
    run.Reasons = outcome.Reasons;
    return run;
}

} // namespace dorvanta::cli
