#include "CatalogueCommands.h"

#include "CatalogueChoice.h"
#include "CatalogueFile.h"
#include "Json.h"
#include "Output.h"

#include <array>
#include <filesystem>

namespace dorvanta::cli {

namespace {

constexpr auto kInfoOptions = std::to_array<OptionSpec>({
    {"--format", "FMT", "text (default) or json"},
});

int RunInfo(const Arguments& args, std::ostream& out, std::ostream& err) {
    const OutputFormat format = FormatOption(args, {OutputFormat::Text, OutputFormat::Json});
    const CatalogueChoice catalogue = ChooseCatalogue(args, err);
    if (format == OutputFormat::Json) {
        out << "{\"note\": " << JsonString(catalogue.Note)
            << ", \"entries\": " << catalogue.Entries.size()
            << ", \"start_message\": " << JsonString(catalogue.StartMessage) << "}\n";
        return kExitSuccess;
    }
    out << "Caption: Dorvanta" << catalogue.Note << "\n"
        << "Entries: " << catalogue.Entries.size() << "\n";
    if (!catalogue.StartMessage.empty()) {
        out << "Start message: " << catalogue.StartMessage << "\n";
    }
    return kExitSuccess;
}

constexpr auto kExportOptions = std::to_array<OptionSpec>({
    {"", "FILE", "the catalogue file to write; an existing one is replaced"},
});

int RunExport(const Arguments& args, std::ostream& /*out*/, std::ostream& /*err*/) {
    const auto file = args.Value("");
    if (!file) {
        throw UsageError("export-catalogue needs the FILE to write");
    }
    if (const auto exported = ExportCatalogue(std::filesystem::path(*file)); !exported) {
        throw Failure(*file + ": " + exported.error());
    }
    return kExitSuccess;
}

} // namespace

Command InfoCommand() noexcept {
    return {"info", "info [--format text|json]",
            "Prints the catalogue in use as the window's caption names it, its number of\n"
            "entries and the load's warning (\"start_message\").",
            kInfoOptions, RunInfo};
}

Command ExportCatalogueCommand() noexcept {
    return {"export-catalogue", "export-catalogue FILE",
            "Writes the built-in catalogue as a catalogue file: a header (version 2,\n"
            "13 April 2004) and the built-in entries. Named pnumbers.dat beside the\n"
            "program, it is loaded instead of the built-in catalogue.",
            kExportOptions, RunExport};
}

} // namespace dorvanta::cli
