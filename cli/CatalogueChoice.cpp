#include "CatalogueChoice.h"

#include "PartNumbers.h"

#include <filesystem>

namespace dorvanta::cli {

CatalogueChoice ChooseCatalogue(const Arguments& args, std::ostream& err) {
    const std::filesystem::path file = args.Required(std::string(kCatalogueOption));
    // No locale service here: a decimal point and yyyy-mm-dd dates.
    const TCatalogueLoad load = LoadPartNumbers(file, TLocaleTexts{});
    if (!load.StartMessage.empty()) {
        err << load.StartMessage << "\n";
    }
    switch (load.Result) {
    case TCatalogueLoad::Outcome::IoFailure:
        throw Failure(file.string() + ": " + load.ErrorText);
    case TCatalogueLoad::Outcome::OutOfMemory:
        err << load.ErrorText << "\n"; // the window goes on with an empty catalogue too
        break;
    case TCatalogueLoad::Outcome::External:
    case TCatalogueLoad::Outcome::Internal:
        break;
    }
    return {PartNumbers(), load.CaptionNote, load.StartMessage};
}

} // namespace dorvanta::cli
