// Where the companion's catalogue comes from. Every command that reads the
// catalogue goes through ChooseCatalogue.
#pragma once

#include "CommandLine.h"
#include "PartNoRecord.h"

#include <span>
#include <string>

namespace dorvanta::cli {

struct CatalogueChoice {
    std::span<const TPartNoRecord> Entries; // PartNumbers, filled for this run
    std::string Note;                       // the source, as the window's caption shows it
};

// Fills PartNumbers for this run and says where its entries come from.
[[nodiscard]] CatalogueChoice ChooseCatalogue(const Arguments& args);

} // namespace dorvanta::cli
