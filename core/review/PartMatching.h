// Matching a maker's ordering code, as a parts list writes it, to the
// catalogue's part numbers. The catalogue writes `*` where the tolerance
// letter stands and `#` where the packaging code stands, and some entries end
// in the maximum ESR as four digits after the `#`.
#pragma once

#include "core/record/PartNoRecord.h"

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace dorvanta {

// Whether the list's `written` part number names the catalogue's `catalogue`
// part number: character by character, ignoring letter case, a `*` of the
// catalogue matching any letter and a `#` any one character. A catalogue
// number without the ESR suffix also matches a written number that carries
// four digits more; one with the suffix needs the same digits.
[[nodiscard]] bool PartNumberMatches(std::string_view catalogue, std::string_view written) noexcept;

// The catalogue's part numbers indexed once, so that each lookup costs a few
// hash probes rather than a walk through the catalogue. Holds indices into the
// catalogue, which must outlive the index.
class TPartIndex {
public:
    explicit TPartIndex(std::span<const TPartNoRecord> catalogue);

    // The indices of every entry whose part number matches `written`, in
    // catalogue order; several for the catalogue's doubled part numbers.
    [[nodiscard]] std::vector<std::size_t> Match(std::string_view written) const;

private:
    // Entries whose stems have the same length and wildcard positions.
    struct Group {
        std::size_t StemLength = 0;
        std::vector<std::size_t> Wildcards; // positions of '*' and '#'
        std::unordered_map<std::string, std::vector<std::size_t>> Entries;
    };

    [[nodiscard]] static std::string Key(std::string_view stem, const Group& group);

    std::span<const TPartNoRecord> catalogue_;
    std::vector<Group> groups_;
};

} // namespace dorvanta
