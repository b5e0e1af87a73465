// The values of a result line by name, in the order in which every export
// (CSV, JSON) writes them.
#pragma once

#include "ResultList.h"

#include <array>
#include <string>
#include <string_view>

namespace dorvanta {

enum class TResultFieldKind {
    Text,   // UTF-8
    Number, // one real
    Array,  // seven reals by temperature index
};

struct TResultField {
    std::string_view Name;
    TResultFieldKind Kind;
    // Each reads a line and its candidate, CandidateInfo(line), which the
    // caller computes once per line.
    std::string (*Text)(const TResultLine&, const TPartNoInfo&);                // Kind Text
    Real (*Number)(const TResultLine&, const TPartNoInfo&);                     // Kind Number
    const TTemperatureValues& (*Array)(const TResultLine&, const TPartNoInfo&); // Kind Array
};

inline constexpr std::size_t kResultFieldCount = 19;

// line, part_number, series, case_size, capacitance, rated_voltage, dcl_max,
// df, esr_max, derating, test_surge, app_surge, top_temperature, irms, vrms,
// failure_rate, fit, mtbf, dcl.
extern const std::array<TResultField, kResultFieldCount> ResultFields;

} // namespace dorvanta
