// TPartNoRecord: one catalogue entry, 101 bytes packed back to back. Every
// member is a byte array, so the struct has alignment 1 and no padding: the
// same layout in memory, in the compiled-in table and in the catalogue file.
#pragma once

#include "core/record/Extended.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <type_traits>

namespace dorvanta {

// A length-prefixed Windows-1252 text with room for Capacity characters.
// A length byte above the capacity is clamped: a corrupt length never reads
// past the field.
template <std::size_t Capacity> struct ShortString {
    std::uint8_t length = 0;
    std::array<char, Capacity> chars{};

    [[nodiscard]] std::size_t size() const noexcept {
        return length < Capacity ? length : Capacity;
    }
    [[nodiscard]] std::string_view view() const noexcept { return {chars.data(), size()}; }
    [[nodiscard]] bool empty() const noexcept { return size() == 0; }

    // Stores the first Capacity characters of `text`; unused bytes are zero.
    void assign(std::string_view text) noexcept {
        chars.fill('\0');
        const std::size_t n = text.size() < Capacity ? text.size() : Capacity;
        for (std::size_t i = 0; i < n; ++i) {
            chars[i] = text[i];
        }
        length = static_cast<std::uint8_t>(n);
    }
    friend bool operator==(const ShortString&, const ShortString&) = default;
};

inline constexpr std::size_t kPartNumberCapacity = 16;
inline constexpr std::size_t kCaseSizeCapacity = 2;
inline constexpr std::size_t kRecordSize = 101;

struct TPartNoRecord {
    ShortString<kPartNumberCapacity> PartNumber; // offset 0
    ShortString<kCaseSizeCapacity> CaseSize;     // offset 17
    TExtended Capacitance;                       // offset 20, µF
    TExtended RatedVoltage;                      // offset 30, V
    TExtended DCLmax;                            // offset 40, µA
    TExtended DF;                                // offset 50, %; 0 = no value
    TExtended ESRmax;                            // offset 60, milliohm
    TExtended Reserved1;                         // offset 70, carried through
    TExtended Reserved2;                         // offset 80
    TExtended Reserved3;                         // offset 90
    std::uint8_t ReservedByte = 0;               // offset 100

    friend bool operator==(const TPartNoRecord&, const TPartNoRecord&) = default;
};

static_assert(sizeof(TPartNoRecord) == kRecordSize);
static_assert(alignof(TPartNoRecord) == 1);
static_assert(std::is_trivially_copyable_v<TPartNoRecord>);
static_assert(offsetof(TPartNoRecord, CaseSize) == 17);
static_assert(offsetof(TPartNoRecord, Capacitance) == 20);
static_assert(offsetof(TPartNoRecord, DF) == 50);
static_assert(offsetof(TPartNoRecord, ESRmax) == 60);
static_assert(offsetof(TPartNoRecord, ReservedByte) == 100);

} // namespace dorvanta
