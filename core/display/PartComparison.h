// Parts side by side: the shown value of each row for each part, and which
// of them is the best of its row.
#pragma once

#include "core/catalogue/Series.h"
#include "core/display/FieldDisplay.h"
#include "core/engine/PartNoInfo.h"

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace dorvanta {

// One part of a comparison: its candidate and the series of its part number.
struct TComparedPart {
    TPartNoInfo Part;
    TTypVyrobku Series = tvAll;
};

// Which way a row is better: the lowest leakage (maximum and typical), ESR,
// failure rate and FIT; the highest Irms, MTBF, voltage derating and test
// surge (by its margin over the application surge); no way for the others.
enum class TBetter { None, Lower, Higher };

[[nodiscard]] TBetter BetterOf(TField field) noexcept;

// Whether `part` has a value of `field` at temperature index `t`: a
// temperature row has none where the part's series gives no values at that
// temperature for the part's voltage derating (KMD and KYD).
[[nodiscard]] bool HasValueAt(TField field, const TComparedPart& part, std::size_t t) noexcept;

// The shown text of `field` at `t`; empty where the part has no value.
[[nodiscard]] std::string ComparedText(TField field, const TComparedPart& part, std::size_t t,
                                       std::string_view separator = ".");

// For each of `parts`, whether its value of `field` at `t` is the best of
// the row. Values count as shown, rounded to the field's pattern: every part
// that shows the best value is marked. A part without a value is never
// marked, nor is any part in a row that has no better way.
[[nodiscard]] std::vector<bool> BestValues(TField field, std::span<const TComparedPart> parts,
                                           std::size_t t);

} // namespace dorvanta
