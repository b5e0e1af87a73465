#include "ReportCommand.h"

#include "SafeFileWriter.h"
#include "SearchOptions.h"
#include "qrptDorvanta.h"

#include <QGuiApplication>

#include <memory>
#include <string>

namespace dorvanta::cli {

namespace {

QtMessageHandler previousHandler = nullptr;

// Qt's messages pass, except its complaints about the runtime directory
// (missing or shared in containers and CI): the report never uses it, and
// scripts read stderr for errors.
void QtMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (!text.startsWith(u"QStandardPaths: ") && previousHandler != nullptr) {
        previousHandler(type, context, text);
    }
}

// The report draws with Qt's fonts, which need a GUI application; the
// offscreen platform needs no display.
std::unique_ptr<QGuiApplication> OffscreenApplication() {
    if (QCoreApplication::instance() != nullptr) {
        return nullptr;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    previousHandler = qInstallMessageHandler(QtMessage);
    static int argc = 1;
    static char name[] = "dorvanta-cli";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

struct Options {
    SearchOptions Search;
    std::string Output;
    std::string PageSize = "A4";
    bool Landscape = false;
};

// The paper sizes of --page-size.
QPageSize::PageSizeId PageSizeId(const std::string& name) {
    if (name == "Letter") {
        return QPageSize::Letter;
    }
    if (name == "Legal") {
        return QPageSize::Legal;
    }
    return QPageSize::A4;
}

// The report's page from --page-size and --landscape.
QPageLayout ChosenPage(const Options& options) {
    return ReportPageLayout(QPageSize(PageSizeId(options.PageSize)),
                            options.Landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
}

// Draws the report of the search and writes it to the output file.
Expected<void> WriteReport(const Options& options, const CommandRun& run) {
    const auto search = RunSearch(options.Search, run);
    if (!search) {
        return Unexpected(search.error());
    }
    if (search->Parts.empty()) {
        return Unexpected("no recommended parts: no report written");
    }
    const auto application = OffscreenApplication();
    TquickreportDorvanta report(search->Parts, ".");
    report.SetPage(ChosenPage(options));
    // As in the window, where the note stands while the closest-match
    // result is shown.
    if (!search->ClosestMatch) {
        report.qrlabelPoznamka.clear();
    }
    const int pages = report.CountPages();
    const auto drawn = ReportPdf(report);
    if (!drawn) {
        return Unexpected(drawn.error());
    }
    const QByteArray& pdf = *drawn;
    if (const auto written =
            WriteFileSafely(options.Output, std::string_view(pdf.constData(),
                                                             static_cast<std::size_t>(pdf.size())));
        !written) {
        return Unexpected(options.Output + ": " + written.error());
    }
    const std::size_t parts = search->Parts.size();
    run.Out << options.Output << ": " << parts << (parts == 1 ? " part" : " parts") << " on "
            << pages << (pages == 1 ? " page" : " pages") << "\n";
    return {};
}

CommandBody Declare(CLI::App& command) {
    auto options = std::make_shared<Options>();
    AddSearchOptions(command, options->Search);
    command
        .add_option("--output", options->Output, "the PDF file to write (replaced when it exists)")
        ->required()
        ->type_name("FILE");
    command
        .add_option("--page-size", options->PageSize,
                    "the paper: A4 (the default), Letter or Legal")
        ->check(CLI::IsMember({"A4", "Letter", "Legal"}))
        ->type_name("SIZE");
    command
        .add_flag("--landscape", options->Landscape, "lay the pages out in landscape orientation")
        ->disable_flag_override();
    return [options](const CommandRun& run) {
        return WriteReport(*options, run);
    };
}

} // namespace

Command ReportCommand() noexcept {
    return {"report",
            "Writes the printed report of the recommended parts, as the window prints it,\n"
            "to a PDF file (A4 portrait unless --page-size or --landscape say otherwise). With "
            "--closest-match the header carries the note that\n"
            "the application current exceeds the test current. No display is needed.",
            Declare};
}

} // namespace dorvanta::cli
