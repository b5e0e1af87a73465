#include "cli/commands/ReportCommand.h"

#include "cli/options/SearchOptions.h"
#include "cli/output/ReportPage.h"
#include "report/qrptDorvanta.h"

#include <memory>
#include <string>

namespace dorvanta::cli {

namespace {

struct TReportOptions {
    TSearchOptions Search;
    std::string Output;
    TPageOptions Page;
};

// Draws the report of the search and writes it to the output file.
Expected<void> WriteReport(const TReportOptions& options, const TCommandRun& run) {
    const auto search = RunSearch(options.Search, run);
    if (!search) {
        return Unexpected(search.error());
    }
    if (search->Parts.empty()) {
        return Unexpected("no recommended parts: no report written");
    }
    const auto application = OffscreenApplication();
    TquickreportDorvanta report(search->Parts, ".");
    report.SetPage(ChosenPage(options.Page));
    // As in the window, where the note stands while the closest-match
    // result is shown.
    if (!search->ClosestMatch) {
        report.qrlabelPoznamka.clear();
    }
    const int pages = report.CountPages();
    return WritePdfFile(ReportPdf(report), options.Output, run.Out, search->Parts.size(), "part",
                        pages);
}

TCommandBody Declare(CLI::App& command) {
    auto options = std::make_shared<TReportOptions>();
    AddSearchOptions(command, options->Search);
    command
        .add_option("--output", options->Output, "the PDF file to write (replaced when it exists)")
        ->required()
        ->type_name("FILE");
    AddPageOptions(command, options->Page);
    return [options](const TCommandRun& run) {
        return WriteReport(*options, run);
    };
}

} // namespace

TCommand ReportCommand() noexcept {
    return {"report",
            "Writes the printed report of the recommended parts, as the window prints it,\n"
            "to a PDF file (A4 portrait unless --page-size or --landscape say otherwise). With "
            "--closest-match the header carries the note that\n"
            "the application current exceeds the test current. No display is needed.",
            Declare};
}

} // namespace dorvanta::cli
