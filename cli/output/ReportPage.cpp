#include "cli/output/ReportPage.h"

#include "platform/SafeFileWriter.h"
#include "report/qrptDorvanta.h"

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

} // namespace

void AddPageOptions(CLI::App& command, TPageOptions& options) {
    command
        .add_option("--page-size", options.PageSize,
                    "the paper: A4 (the default), Letter or Legal, in any case")
        ->transform(CLI::IsMember({"A4", "Letter", "Legal"}, CLI::ignore_case))
        ->type_name("SIZE");
    command
        .add_flag("--landscape", options.Landscape, "lay the pages out in landscape orientation")
        ->disable_flag_override();
}

QPageLayout ChosenPage(const TPageOptions& options) {
    return ReportPageLayout(QPageSize(PageSizeId(options.PageSize)),
                            options.Landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
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

Expected<void> WritePdfFile(const Expected<QByteArray>& drawn, const std::string& output,
                            std::ostream& out, std::size_t count, std::string_view noun,
                            int pages) {
    if (!drawn) {
        return Unexpected(drawn.error());
    }
    const QByteArray& pdf = *drawn;
    if (const auto written = WriteFileSafely(
            output, std::string_view(pdf.constData(), static_cast<std::size_t>(pdf.size())));
        !written) {
        return Unexpected(output + ": " + written.error());
    }
    out << output << ": " << count << " " << noun << (count == 1 ? "" : "s") << " on " << pages
        << (pages == 1 ? " page" : " pages") << "\n";
    return {};
}

} // namespace dorvanta::cli
