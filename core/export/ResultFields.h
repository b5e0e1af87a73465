// The values of a result line by name, in the order in which every export
// (CSV, JSON) writes them.
#pragma once

#include "core/display/FieldDisplay.h"
#include "core/engine/ResultList.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace dorvanta {

// One line as the exports read it: its candidate taken once through
// CandidateInfo, and the series of its part number.
struct TResultRow {
    explicit TResultRow(const TResultLine& line);

    const TResultLine& Line;
    TPartNoInfo Part;
    TTypVyrobku Series;
};

enum class TResultFieldKind {
    Text,   // UTF-8
    Number, // one real
    Array,  // one real per temperature, by the captions of TemperatureCaptions
};

struct TResultField {
    std::string_view Name;
    TResultFieldKind Kind;
    std::string (*Text)(const TResultRow&); // Kind Text
    TField Shown;                           // Kind Number and Array: the value shown
};

inline constexpr std::size_t kResultFieldCount = 19;

// line, part_number, series, case_size, capacitance, rated_voltage, dcl_max,
// df, esr_max, derating, test_surge, app_surge, top_temperature, irms, vrms,
// failure_rate, fit, mtbf, dcl.
extern const std::array<TResultField, kResultFieldCount> ResultFields;

// A number field's value (top_temperature: the series' top temperature).
[[nodiscard]] Real FieldNumber(const TResultField& field, const TResultRow& row);

// An array field's value under the temperature of caption index `caption`
// (0 to 6: -55, 25, 40, 85, 105, 125, 175): the part's top-temperature
// value stands under its own top temperature; a temperature the part has no
// value for gives nothing.
[[nodiscard]] std::optional<Real> FieldAt(const TResultField& field, const TResultRow& row,
                                          std::size_t caption);

} // namespace dorvanta
