// The catalogue in memory and the catalogue compiled into the program.
#pragma once

#include "PartNoRecord.h"

#include <span>
#include <vector>

namespace dorvanta {

// A catalogue in memory: entries in load order, which is the search order.
using TPartNumbers = std::vector<TPartNoRecord>;

inline constexpr std::size_t kBuiltInCatalogueSize = 2072;

// The entries compiled into the program from data/catalogue.csv.
[[nodiscard]] std::span<const TPartNoRecord> BuiltInCatalogue() noexcept;

} // namespace dorvanta
