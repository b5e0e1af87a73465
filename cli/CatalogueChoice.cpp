#include "CatalogueChoice.h"

#include "Catalogue.h"
#include "CatalogueFile.h"

namespace dorvanta::cli {

CatalogueChoice ChooseCatalogue(const Arguments& /*args*/) {
    const auto builtIn = BuiltInCatalogue();
    PartNumbers.assign(builtIn.begin(), builtIn.end());
    return {PartNumbers, std::string(kInternalCatalogueNote)};
}

} // namespace dorvanta::cli
