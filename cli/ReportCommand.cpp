#include "ReportCommand.h"

#include "SafeFileWriter.h"
#include "SearchOptions.h"
#include "qrptDorvanta.h"

#include <QGuiApplication>

#include <memory>
#include <string>
#include <vector>

namespace dorvanta::cli {

namespace {

std::span<const OptionSpec> Options() {
    static const std::vector<OptionSpec> options = [] {
        std::vector<OptionSpec> all(SearchOptions().begin(), SearchOptions().end());
        all.push_back({"--output", "FILE", "the PDF file to write (replaced when it exists)"});
        all.push_back({"--page-size", "SIZE", "the paper: A4 (the default), Letter or Legal"});
        all.push_back({"--landscape", "", "lay the pages out in landscape orientation"});
        return all;
    }();
    return options;
}

// The report's page from --page-size and --landscape.
QPageLayout ChosenPage(const Arguments& args) {
    const std::string name = args.ValueOr("--page-size", "A4");
    const struct {
        std::string_view name;
        QPageSize::PageSizeId id;
    } sizes[] = {{"A4", QPageSize::A4}, {"Letter", QPageSize::Letter}, {"Legal", QPageSize::Legal}};
    for (const auto& size : sizes) {
        if (name == size.name) {
            return ReportPageLayout(QPageSize(size.id), args.Has("--landscape")
                                                            ? QPageLayout::Landscape
                                                            : QPageLayout::Portrait);
        }
    }
    throw UsageError("unknown page size '" + name + "' (A4, Letter or Legal)");
}

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

int Run(const Arguments& args, std::ostream& out, std::ostream& err) {
    const TVstupniUdaje data = ApplicationData(args);
    const std::string output = args.Required("--output");
    const QPageLayout page = ChosenPage(args);
    const SearchRun run = RunSearch(args, data, err);
    if (run.Parts.empty()) {
        throw Failure("no recommended parts: no report written");
    }
    const auto application = OffscreenApplication();
    TquickreportDorvanta report(run.Parts, ".");
    report.SetPage(page);
    // As in the window, where the note stands while the closest-match
    // result is shown.
    if (!run.ClosestMatch) {
        report.qrlabelPoznamka.clear();
    }
    const int pages = report.CountPages();
    const auto drawn = ReportPdf(report);
    if (!drawn) {
        throw Failure(drawn.error());
    }
    const QByteArray& pdf = *drawn;
    if (const auto written = WriteFileSafely(
            output, std::string_view(pdf.constData(), static_cast<std::size_t>(pdf.size())));
        !written) {
        throw Failure(output + ": " + written.error());
    }
    out << output << ": " << run.Parts.size() << (run.Parts.size() == 1 ? " part" : " parts")
        << " on " << pages << (pages == 1 ? " page" : " pages") << "\n";
    return kExitSuccess;
}

} // namespace

Command ReportCommand() noexcept {
    static const std::string synopsis =
        "report " + std::string(kSearchSynopsis) +
        " --output FILE.pdf [--page-size A4|Letter|Legal] [--landscape]";
    return {"report", synopsis,
            "Writes the printed report of the recommended parts, as the window prints it,\n"
            "to a PDF file (A4 portrait unless --page-size or --landscape say otherwise).\n"
            "With --closest-match the header carries the note that\n"
            "the application current exceeds the test current. No display is needed.",
            Options(), Run};
}

} // namespace dorvanta::cli
