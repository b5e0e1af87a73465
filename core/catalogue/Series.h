// The series enumeration and its decoding from a part number or display name.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace dorvanta {

// Ordinals are fixed: other parts of the program index tables by them.
enum TTypVyrobku : std::uint8_t {
    tvAll,
    tvKRB,
    tvKMD,
    tvKSF,
    tvKWG,
    tvKEL,
    tvKEQ,
    tvKUB,
    tvKOZ,
    tvWIR,
    tvWIE,
    tvWIQ,
    tvKYR,
    tvKYD,
    tvKYE,
    tvKYF,
};

inline constexpr int kSeriesCount = 16;

// The display names, indexed by TTypVyrobku; entry 0 is "all", the text that
// means any value in every criterion and value list.
extern const std::array<std::string_view, kSeriesCount> SeriesNames;

// The text that stands for any value; compared case-sensitively.
inline constexpr std::string_view kAll = "all";

// The three characters after "tv" in each value name: "All", "KRB", ...
[[nodiscard]] std::string_view SeriesCode(TTypVyrobku series) noexcept;

// The value name, such as "tvKEL".
[[nodiscard]] std::string_view SeriesValueName(TTypVyrobku series) noexcept;

// The series of a part number or a display name; tvAll when nothing matches.
[[nodiscard]] TTypVyrobku SeriesOf(std::string_view text) noexcept;

} // namespace dorvanta
