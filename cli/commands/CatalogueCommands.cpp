#include "cli/commands/CatalogueCommands.h"

#include "cli/options/CatalogueChoice.h"
#include "cli/output/Output.h"
#include "core/catalogue/CatalogueFile.h"

#include <filesystem>
#include <memory>

namespace dorvanta::cli {

namespace {

TCommandBody DeclareInfo(CLI::App& command) {
    auto format = std::make_shared<TOutputFormat>(TOutputFormat::Text);
    AddFormatOption(command, *format, {TOutputFormat::Text, TOutputFormat::Json});
    return [format](const TCommandRun& run) -> Expected<void> {
        const auto catalogue = ChooseCatalogue(run.Catalogue, run.Err);
        if (!catalogue) {
            return Unexpected(catalogue.error());
        }
        if (*format == TOutputFormat::Json) {
            WriteJsonLine(run.Out, {{"note", catalogue->Note},
                                    {"entries", catalogue->Entries.size()},
                                    {"start_message", catalogue->StartMessage}});
            return {};
        }
        run.Out << "Caption: Dorvanta" << catalogue->Note << "\n"
                << "Entries: " << catalogue->Entries.size() << "\n";
        if (!catalogue->StartMessage.empty()) {
            run.Out << "Start message: " << catalogue->StartMessage << "\n";
        }
        return {};
    };
}

TCommandBody DeclareExport(CLI::App& command) {
    auto file = std::make_shared<std::string>();
    command.add_option("FILE", *file, "the catalogue file to write; an existing one is replaced")
        ->required();
    return [file](const TCommandRun& /*run*/) -> Expected<void> {
        if (const auto exported = ExportCatalogue(std::filesystem::path(*file)); !exported) {
            return Unexpected(*file + ": " + exported.error());
        }
        return {};
    };
}

} // namespace

TCommand InfoCommand() noexcept {
    return {"info",
            "Prints the catalogue in use as the window's caption names it, its number of\n"
            "entries and the load's warning (\"start_message\").",
            DeclareInfo};
}

TCommand ExportCatalogueCommand() noexcept {
    return {"export-catalogue",
            "Writes the built-in catalogue as a catalogue file: a header (version 2,\n"
            "13 April 2004) and the built-in entries. Named pnumbers.dat beside the\n"
            "program, it is loaded instead of the built-in catalogue.",
            DeclareExport};
}

} // namespace dorvanta::cli
