// The catalogue in memory and the catalogue compiled into the program.
#pragma once

#include "PartNoRecord.h"

#include <span>
#include <vector>

namespace dorvanta {

// The catalogue in memory: entries in load order, which is the search order.
using TPartNumbers = std::vector<TPartNoRecord>;

// The program's catalogue: empty at start, filled once by the catalogue load,
// read by everything else, emptied when the main window goes.
extern TPartNumbers PartNumbers;

inline constexpr std::size_t kBuiltInCatalogueSize = 2072;

// The entries compiled into the program from data/catalogue.csv.
[[nodiscard]] std::span<const TPartNoRecord> BuiltInCatalogue() noexcept;

} // namespace dorvanta
