// Constant tables of the catalogue: case-size dimensions and the temperature
// captions. Texts are UTF-8 here; the catalogue's own code page is
// Windows-1252, where "±" is the single byte 0xB1.
#pragma once

#include "core/catalogue/Series.h"

#include <array>
#include <string_view>

namespace dorvanta {

// Indexed by the case letter 'A' to 'Y'; an empty entry has no dimensions.
inline constexpr int kCaseLetterCount = 25;
extern const std::array<std::string_view, kCaseLetterCount> CaseSizeDimensions;
extern const std::array<std::string_view, kCaseLetterCount> KYRCaseSizeDimensions;

// The temperature index: -55, 25, 40, 85, 105, 125, 175. Index 5 holds the
// values of a series' top temperature; 4 and 6 serve only as caption texts.
inline constexpr int kTemperatureCount = 7;
extern const std::array<std::string_view, kTemperatureCount> TemperatureCaptions;

inline constexpr int kTemperature55 = 0;
inline constexpr int kTemperature25 = 1;
inline constexpr int kTemperature40 = 2;
inline constexpr int kTemperature85 = 3;
inline constexpr int kTemperature105 = 4;
inline constexpr int kTemperatureTop = 5;
inline constexpr int kTemperature175 = 6;

// The dimension text of a case code for a series. Only the first character
// counts; an empty code or a first character outside 'A' to 'Y' gives "".
[[nodiscard]] std::string_view CaseDimensions(TTypVyrobku series,
                                              std::string_view caseCode) noexcept;

// The caption index naming the top temperature of a series: 6 ("175") for
// KWG, 4 ("105") for WIR, 5 ("125") for every other series.
[[nodiscard]] int TopTemperatureCaptionIndex(TTypVyrobku series) noexcept;

} // namespace dorvanta
