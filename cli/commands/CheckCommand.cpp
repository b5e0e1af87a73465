#include "cli/commands/CheckCommand.h"

#include "cli/CommandLine.h"
#include "cli/options/CatalogueChoice.h"
#include "cli/output/Output.h"
#include "cli/output/ReportPage.h"
#include "core/catalogue/Series.h"
#include "core/export/PartsListOutput.h"
#include "core/review/PartsList.h"
#include "core/review/PartsListCheck.h"
#include "platform/SafeFileWriter.h"
#include "report/ReviewReport.h"

#include <QDate>

#include <nlohmann/json.hpp>

#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace dorvanta::cli {

namespace {

using Json = nlohmann::ordered_json;

struct TCheckCommandOptions {
    std::string List;
    TCheckOptions Check;
    std::string Temperature = "85";
    std::vector<std::string> Columns;
    TOutputFormat Format = TOutputFormat::Text;
    std::string Output;
    TPageOptions Page;
};

const std::map<std::string, int> kTemperatures = {{"-55", kTemperature55},
                                                  {"25", kTemperature25},
                                                  {"40", kTemperature40},
                                                  {"85", kTemperature85},
                                                  {"top", kTemperatureTop}};

Json Optional(const std::optional<Real>& value) {
    return value ? JsonReal(*value) : Json(nullptr);
}

Json PartJson(const TCheckedPart& part, int temperatureIndex) {
    const TPartFigures figures = FiguresAt(part, temperatureIndex);
    Json json{{"part_number", part.PartNumber},
              {"series", std::string(SeriesValueName(part.Series))},
              {"verdict", std::string(VerdictCode(part.Verdict))},
              {"message", part.Message}};
    if (part.DeratingNote) {
        json["note"] = part.Message;
    }
    json["derating"] = Optional(figures.Derating);
    json["app_surge"] = Optional(figures.AppSurge);
    json["test_surge"] = Optional(figures.TestSurge);
    json["surge_margin"] = Optional(figures.SurgeMargin);
    json["irms"] = Optional(figures.Irms);
    json["vrms"] = Optional(figures.Vrms);
    json["dcl"] = Optional(figures.DCL);
    json["failure_rate"] = Optional(figures.FailureRate);
    json["fit"] = Optional(figures.FIT);
    json["mtbf"] = Optional(figures.MTBF);
    return json;
}

Json PartsJson(const std::vector<TCheckedPart>& parts, int temperatureIndex) {
    Json json = Json::array();
    for (const TCheckedPart& part : parts) {
        json.push_back(PartJson(part, temperatureIndex));
    }
    return json;
}

// One object per list line, then the summary; written line by line.
void WriteReviewJson(std::ostream& out, const TPartsListReview& review) {
    const int t = review.Options.TemperatureIndex;
    out << "{\"lines\":[";
    bool first = true;
    for (const TCheckedLine& line : review.Lines) {
        const Json json{{"line", line.Line},
                        {"designators", line.Designators},
                        {"part_number", line.PartNumber},
                        {"verdict", std::string(VerdictCode(line.Verdict))},
                        {"message", line.Message},
                        {"application",
                         {{"rs", JsonReal(line.Application.Rs)},
                          {"rl", JsonReal(line.Application.Rl)},
                          {"imax", JsonReal(line.Application.Imax)},
                          {"va", JsonReal(line.Application.Va)}}},
                        {"matches", PartsJson(line.Matches, t)},
                        {"replacements", PartsJson(line.Replacements, t)}};
        out << (first ? "\n" : ",\n") << JsonText(json);
        first = false;
    }
    Json counts = Json::object();
    for (std::size_t v = 0; v < kVerdictCount; ++v) {
        counts[std::string(VerdictCode(static_cast<TVerdict>(v)))] = review.Summary.Counts[v];
    }
    const TCheckSummary& s = review.Summary;
    const Json summary{{"lines", s.Lines},
                       {"recommended", s.Recommended},
                       {"not_recommended", s.NotRecommended},
                       {"not_in_catalogue", s.NotInCatalogue},
                       {"bad", s.Bad},
                       {"verdicts", counts}};
    out << "\n],\"summary\":" << JsonText(summary) << "}\n";
}

void WriteReview(std::ostream& out, const TPartsListReview& review, TOutputFormat format) {
    switch (format) {
    case TOutputFormat::Text:
        WriteReviewText(out, review);
        return;
    case TOutputFormat::Csv:
        WriteReviewCsv(out, review);
        return;
    case TOutputFormat::Json:
        WriteReviewJson(out, review);
        return;
    case TOutputFormat::Pdf: // drawn apart, see WriteReviewPdf
        return;
    }
}

// Draws the review report and writes it to the output file.
Expected<void> WriteReviewPdf(const TCheckCommandOptions& options, const TPartsListReview& review,
                              const std::string& catalogueNote, const TCommandRun& run) {
    const auto application = OffscreenApplication();
    const std::filesystem::path list(options.List);
    TReviewReport report(review, {QString::fromStdString(list.filename().string()),
                                  QString::fromStdString(catalogueNote), QDate::currentDate()});
    report.SetPage(ChosenPage(options.Page));
    const int pages = report.CountPages();
    return WritePdfFile(ReviewReportPdf(report), options.Output, run.Out, review.Lines.size(),
                        "line", pages);
}

Expected<void> Check(TCheckCommandOptions options, const TCommandRun& run) {
    TPartsListColumns columns;
    for (const std::string& column : options.Columns) {
        if (const auto set = SetPartsListColumn(columns, column); !set) {
            return Unexpected("--column " + column + ": " + set.error());
        }
    }
    const auto list = ReadPartsListFile(options.List, columns);
    if (!list) {
        return Unexpected(list.error());
    }
    const auto catalogue = ChooseCatalogue(run.Catalogue, run.Err);
    if (!catalogue) {
        return Unexpected(catalogue.error());
    }
    options.Check.TemperatureIndex = kTemperatures.at(options.Temperature);
    const TPartsListReview review = CheckPartsList(*list, catalogue->Entries, options.Check);
    if (options.Format == TOutputFormat::Pdf) {
        if (const auto written = WriteReviewPdf(options, review, catalogue->Note, run); !written) {
            return written;
        }
    } else if (options.Output.empty()) {
        WriteReview(run.Out, review, options.Format);
    } else if (const auto written = WriteFileSafely(
                   options.Output,
                   [&](std::ostream& out) { WriteReview(out, review, options.Format); });
               !written) {
        return Unexpected(options.Output + ": " + written.error());
    }
    run.Status = ReviewExitStatus(review);
    return {};
}

TCommandBody Declare(CLI::App& command) {
    auto options = std::make_shared<TCheckCommandOptions>();
    command.add_option("PARTS.csv", options->List, "the parts list (CSV with a header row)")
        ->required();
    TCircuit& circuit = options->Check.Defaults;
    AddNumberOption(command, "--rs", circuit.Rs, "R", "source resistance in ohm (default 0)");
    AddNumberOption(command, "--rl", circuit.Rl, "R", "resistance of the leads in ohm (default 0)");
    AddNumberOption(command, "--imax", circuit.Imax, "A",
                    "maximum surge current of the supply in A, for lines without their own");
    AddNumberOption(command, "--va", circuit.Va, "V",
                    "application voltage in V, for lines without their own");
    command.add_flag("--closest-match", options->Check.ClosestMatchPasses,
                     "lines accepted only as closest match (surge within 115 % of the test "
                     "surge) pass");
    command
        .add_option("--temperature", options->Temperature,
                    "the temperature whose values are reported: -55, 25, 40, 85 (default) or top")
        ->check(CLI::IsMember({"-55", "25", "40", "85", "top"}));
    command
        .add_option("--column", options->Columns,
                    "a column of another name: designator=NAME, part=, va=, rs=, rl=, imax=")
        ->type_name("KEY=NAME");
    AddFormatOption(
        command, options->Format,
        {TOutputFormat::Text, TOutputFormat::Csv, TOutputFormat::Json, TOutputFormat::Pdf});
    command
        .add_option("--output", options->Output,
                    "write to FILE instead of standard output (pdf needs it)")
        ->type_name("FILE");
    AddPageOptions(command, options->Page);
    // The printed report goes to a file only: a usage error without one.
    command.callback([options] {
        if (options->Format == TOutputFormat::Pdf && options->Output.empty()) {
            throw CLI::ValidationError("--format pdf", "needs --output FILE");
        }
    });
    return [options](const TCommandRun& run) {
        return Check(*options, run);
    };
}

} // namespace

TCommand CheckCommand() noexcept {
    return {"check",
            "Reviews every tantalum and niobium-oxide capacitor of a parts list against\n"
            "the maker's derating and surge rules, with up to three recommended\n"
            "replacements for a line that fails. --format pdf writes the printed review\n"
            "(a summary page, then one block per line) to the --output file, on the\n"
            "paper of --page-size and --landscape. Exit status: 0 when every catalogue part\n"
            "of the list is recommended, 3 when one is not, 1 for an unreadable list or\n"
            "output, 2 for a usage error.",
            Declare};
}

} // namespace dorvanta::cli
