#include "core/engine/SearchRun.h"

namespace dorvanta {

TSearchOutcome SearchCatalogue(std::span<const TPartNoRecord> catalogue, const TVstupniUdaje& data,
                               bool closestMatch) {
    TSearchOutcome outcome;
    if (data.Imax > 0 && data.Va > 0) {
        FindParts(catalogue, data, outcome.Parts, outcome.Reasons, closestMatch);
    }
    outcome.Parts.Sort();
    return outcome;
}

} // namespace dorvanta
