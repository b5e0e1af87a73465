// Where the companion's catalogue comes from. Every command that reads the
// catalogue goes through ChooseCatalogue.
#pragma once

#include "CommandLine.h"
#include "PartNoRecord.h"

#include <ostream>
#include <span>
#include <string>

namespace dorvanta::cli {

struct CatalogueChoice {
    std::span<const TPartNoRecord> Entries; // PartNumbers, filled for this run
    std::string Note;                       // the source, as the window's caption shows it
    std::string StartMessage;               // the load's warning; empty when none
};

// Fills PartNumbers from the catalogue file of this run (the option
// --catalogue, which the command line always sets) by the window's rules and
// says where its entries come from. The load's warning goes to `err`; a file
// that cannot be read throws Failure with the system's text.
[[nodiscard]] CatalogueChoice ChooseCatalogue(const Arguments& args, std::ostream& err);

} // namespace dorvanta::cli
