// The catalogue in memory and the catalogue compiled into the program.
#pragma once

#include "core/record/PartNoRecord.h"
#include "core/record/RecordStorage.h"

#include <algorithm>
#include <span>
#include <vector>

namespace dorvanta {

// A catalogue in memory: entries in load order, which is the search order.
// Its storage takes a file's entries as they are read (see
// TRecordAllocator); otherwise it is a vector of entries like any other.
class TPartNumbers : public std::vector<TPartNoRecord, TRecordAllocator<TPartNoRecord>> {
    using Base = std::vector<TPartNoRecord, TRecordAllocator<TPartNoRecord>>;

public:
    using Base::Base;
    TPartNumbers() = default;
    // A copy of entries held elsewhere, as a catalogue of its own.
    explicit(false) TPartNumbers(const std::vector<TPartNoRecord>& entries)
        : Base(entries.begin(), entries.end()) {}

    friend bool operator==(const TPartNumbers& a, const std::vector<TPartNoRecord>& b) {
        return std::equal(a.begin(), a.end(), b.begin(), b.end());
    }
};

inline constexpr std::size_t kBuiltInCatalogueSize = 2072;

// The entries compiled into the program from data/catalogue.csv.
[[nodiscard]] std::span<const TPartNoRecord> BuiltInCatalogue() noexcept;

} // namespace dorvanta
