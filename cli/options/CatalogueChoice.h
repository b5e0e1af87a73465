// Where the companion's catalogue comes from. Every command that reads the
// catalogue goes through ChooseCatalogue.
#pragma once

#include "cli/commands/Commands.h"
#include "core/record/Expected.h"
#include "core/record/PartNoRecord.h"

#include <ostream>
#include <span>
#include <string>

namespace dorvanta::cli {

struct TCatalogueChoice {
    std::span<const TPartNoRecord> Entries; // PartNumbers, filled for this run
    std::string Note;                       // the source, as the window's caption shows it
    std::string StartMessage;               // the load's warning; empty when none
};

// Fills PartNumbers from the run's catalogue file by the window's rules and
// says where its entries come from. The load's warning goes to `err`. A file
// that cannot be read fails with the system's text; so does a file named by
// --catalogue that does not exist or is a directory (only pnumbers.dat
// beside the program may be missing, which means the built-in catalogue).
[[nodiscard]] Expected<TCatalogueChoice> ChooseCatalogue(const TCatalogueSource& source,
                                                         std::ostream& err);

} // namespace dorvanta::cli
