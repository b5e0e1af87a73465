#include "cli/commands/ImportCatalogueCommand.h"

#include "cli/CommandLine.h"
#include "core/catalogue/CatalogueFile.h"
#include "core/catalogue/DayNumber.h"

#include <memory>
#include <string>

namespace dorvanta::cli {

namespace {

struct TImportOptions {
    std::string Csv;
    std::string File;
    Real Version = kExportVersion;
    std::string Date; // yyyy-mm-dd; empty: today
};

Expected<void> Import(const TImportOptions& options, const TCommandRun& run) {
    Real date = Today();
    if (!options.Date.empty()) {
        const auto day = DayNumberOfIsoText(options.Date);
        if (!day) {
            return Unexpected("--date: " + day.error());
        }
        date = *day;
    }
    const auto imported = ImportCatalogue(options.Csv, options.File, options.Version, date);
    if (!imported) {
        return Unexpected(imported.error());
    }
    run.Out << options.File << ": " << *imported << (*imported == 1 ? " entry" : " entries")
            << "\n";
    return {};
}

TCommandBody Declare(CLI::App& command) {
    auto options = std::make_shared<TImportOptions>();
    command.add_option("CATALOGUE.csv", options->Csv, "the catalogue CSV to read")
        ->required()
        ->check(CLI::ExistingFile);
    command
        .add_option("FILE", options->File,
                    "the catalogue file to write; an existing one is replaced")
        ->required();
    AddNumberOption(command, "--version-number", options->Version, "N",
                    "the version in the file's header (default 2)");
    command.add_option("--date", options->Date, "the date in the file's header (default today)")
        ->type_name("YYYY-MM-DD");
    return [options](const TCommandRun& run) {
        return Import(*options, run);
    };
}

} // namespace

TCommand ImportCatalogueCommand() noexcept {
    return {"import-catalogue",
            "Writes a catalogue file from a CSV with the columns of data/catalogue.csv\n"
            "(a header row, then part_number,case_size,capacitance,rated_voltage,dcl_max,\n"
            "df,esr_max). Every line is checked before anything is written: a bad line is\n"
            "reported with its line number and nothing is written.",
            Declare};
}

} // namespace dorvanta::cli
