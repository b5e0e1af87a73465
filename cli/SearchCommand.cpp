#include "SearchCommand.h"

#include "ApplicationData.h"
#include "CatalogueChoice.h"
#include "CriteriaOptions.h"
#include "Output.h"
#include "Search.h"

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
    {"--format", "FMT", "text (default), csv or json"},
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

int Run(const Arguments& args, std::ostream& out, std::ostream& err) {
    const TVstupniUdaje data = ApplicationData(args);
    const OutputFormat format =
        FormatOption(args, {OutputFormat::Text, OutputFormat::Csv, OutputFormat::Json});
    const bool closestMatch = args.Has("--closest-match");
    const CatalogueChoice catalogue = ChooseCatalogue(args, err);
    TResultList parts;
    TRejectReasons reasons;
    // As in the window: no search unless the supply and the voltage are positive.
    if (data.Imax > 0 && data.Va > 0) {
        FindParts(catalogue.Entries, data, parts, reasons, closestMatch);
    }
    parts.Sort();
    WriteSearch(out, {catalogue, closestMatch, reasons, parts}, format);
    return kExitSuccess;
}

} // namespace

Command SearchCommand() noexcept {
    return {"search",
            "search --rs R --rl R --imax A --va V (--operator OP --cap1 C [--cap2 C] | "
            "--part-number [--series S] [--capacitance TEXT] [--voltage TEXT]) [--case CODE] "
            "[--closest-match] [--format text|csv|json]",
            "Lists the recommended parts for the application, by rated voltage and part\n"
            "number. Omitted criterion values are \"all\".",
            kOptions, Run};
}

} // namespace dorvanta::cli
