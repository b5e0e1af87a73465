#include "cli/options/CatalogueChoice.h"

#include "core/catalogue/PartNumbers.h"

#include <cerrno>
#include <filesystem>
#include <system_error>

namespace dorvanta::cli {

namespace {

// A catalogue file named on the command line must be there as a file.
Expected<void> CheckNamedFile(const std::filesystem::path& file) {
    std::error_code error;
    const auto status = std::filesystem::status(file, error);
    if (!error && status.type() == std::filesystem::file_type::not_found) {
        error = std::make_error_code(std::errc::no_such_file_or_directory);
    } else if (!error && status.type() == std::filesystem::file_type::directory) {
        error = std::make_error_code(std::errc::is_a_directory);
    }
    if (error) {
        return Unexpected(file.string() + ": " + error.message());
    }
    return {};
}

} // namespace

Expected<TCatalogueChoice> ChooseCatalogue(const TCatalogueSource& source, std::ostream& err) {
    if (source.Named) {
        if (auto named = CheckNamedFile(source.File); !named) {
            return Unexpected(named.error());
        }
    }
    // No locale service here: a decimal point and yyyy-mm-dd dates.
    const TCatalogueLoad load = LoadPartNumbers(source.File, TLocaleTexts{});
    if (!load.StartMessage.empty()) {
        err << load.StartMessage << "\n";
    }
    switch (load.Result) {
    case TCatalogueLoad::Outcome::IoFailure:
        return Unexpected(source.File.string() + ": " + load.ErrorText);
    case TCatalogueLoad::Outcome::OutOfMemory:
        err << load.ErrorText << "\n"; // the window goes on with an empty catalogue too
        break;
    case TCatalogueLoad::Outcome::External:
    case TCatalogueLoad::Outcome::Internal:
        break;
    }
    return TCatalogueChoice{PartNumbers(), load.CaptionNote, load.StartMessage};
}

} // namespace dorvanta::cli
