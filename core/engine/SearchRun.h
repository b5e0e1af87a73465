// One search run over a catalogue: the application's guard, the candidate
// search and the order of the results. The window, the companion, the report
// and the parts-list check all search through here.
#pragma once

#include "core/engine/ApplicationData.h"
#include "core/engine/ResultList.h"
#include "core/engine/Search.h"
#include "core/record/PartNoRecord.h"

#include <span>

namespace dorvanta {

struct TSearchOutcome {
    TResultList Parts;      // sorted by CompareResults
    TRejectReasons Reasons; // the rules that rejected entries
};

// Searches `catalogue` for `data`: nothing is found unless Imax and Va are
// both positive; the accepted lines are sorted by rated voltage, then part
// number. `closestMatch` relaxes the surge rule by 15 %.
[[nodiscard]] TSearchOutcome SearchCatalogue(std::span<const TPartNoRecord> catalogue,
                                             const TVstupniUdaje& data, bool closestMatch);

} // namespace dorvanta
