// The value lists of the part-number criterion: the case sizes, capacitances
// and rated voltages that the catalogue holds for the choices made before.
#pragma once

#include "core/catalogue/Series.h"
#include "core/record/PartNoRecord.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace dorvanta {

// Texts in list order. After a builder: "all" first when the list holds more
// than one value, then the distinct values in ascending order.
using TValueList = std::vector<std::string>;

// Each builder appends to `list` (the caller empties it first) and then
// orders it. Numbers are written in the general number format with
// `separator`; "all" as a case-size or capacitance text means any value.
void FillCaseSizeList(std::span<const TPartNoRecord> catalogue, TTypVyrobku series,
                      TValueList& list);
void FillCapacitanceList(std::span<const TPartNoRecord> catalogue, TTypVyrobku series,
                         std::string_view caseSize, TValueList& list,
                         std::string_view separator = ".");
void FillVoltageList(std::span<const TPartNoRecord> catalogue, TTypVyrobku series,
                     std::string_view caseSize, std::string_view capacitance, TValueList& list,
                     std::string_view separator = ".");

// Orders the texts at positions i and j numerically: 0 when equal or not
// numbers, +1 when the value at i is at least that at j, else -1.
[[nodiscard]] int CompareNumericStrings(const TValueList& list, std::size_t i, std::size_t j,
                                        std::string_view separator = ".");

} // namespace dorvanta
