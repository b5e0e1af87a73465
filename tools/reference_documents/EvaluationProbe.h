// Reads the rules of the evaluation and of the search back out of the core by
// evaluating made-up parts, so that the reference documents state exactly
// what the program computes and cannot drift from it.
#pragma once

#include "core/catalogue/Series.h"
#include "core/engine/PartNoInfo.h"
#include "core/record/Extended.h"

#include <array>
#include <string>
#include <vector>

namespace dorvanta::documents {

// The evaluated candidate of a made-up part of `series`; the evaluation must
// succeed (std::runtime_error otherwise: the documents would be wrong).
struct TProbe {
    TTypVyrobku series = tvAll;
    char caseLetter = 'D';
    Real ratedVoltage = 10; // V
    Real esr = 1000;        // milliohm
    Real dclMax = 1;        // µA
    Real resistance = 1;    // ohm
    Real imax = 1;          // A
    Real va = 5;            // V
};
[[nodiscard]] TPartNoInfo Evaluate(const TProbe& probe);

// A made-up part number of the series, such as "KELD106*010#".
[[nodiscard]] std::string ProbePartNumber(TTypVyrobku series, char caseLetter);

// The first case letter for which the series has a power dissipation.
[[nodiscard]] char ProbeLetter(TTypVyrobku series);

// Every series, tvAll first.
[[nodiscard]] std::vector<TTypVyrobku> AllSeries();

// Series that share the same value of some rule, in series order.
template <typename Value> struct SeriesGroup {
    Value value;
    std::vector<TTypVyrobku> members;
};

// The value of the group that holds `series`.
template <typename Value>
[[nodiscard]] Value ValueOf(const std::vector<SeriesGroup<Value>>& groups, TTypVyrobku series) {
    for (const auto& group : groups) {
        for (const TTypVyrobku member : group.members) {
            if (member == series) {
                return group.value;
            }
        }
    }
    return {};
}

// The members' codes, such as "KRB, KMD, KSF"; tvAll is written "other codes".
[[nodiscard]] std::string MemberList(const std::vector<TTypVyrobku>& members);

// The power-dissipation column (W by case letter 'A' to 'Z') of each group of
// series that share one.
using TPowerColumn = std::array<Real, 26>;
[[nodiscard]] std::vector<SeriesGroup<TPowerColumn>> PowerGroups();

// TestSurge = Vr × factor / (ESR in ohm + resistance).
struct TSurgeRule {
    Real factor = 0;
    Real resistance = 0; // ohm
    friend bool operator==(const TSurgeRule&, const TSurgeRule&) = default;
};
[[nodiscard]] std::vector<SeriesGroup<TSurgeRule>> SurgeRules();

// A per-temperature field of the candidate divided by its value at the
// reference temperature index, at -55, 25, 40, 85 °C and the top temperature.
using TTemperatureFactors = std::array<Real, 5>;
[[nodiscard]] TTemperatureFactors Factors(const TTemperatureValues& values, int reference);

struct TTemperatureRow {
    TTemperatureFactors factors{};
    int topTemperature = 125; // °C
    friend bool operator==(const TTemperatureRow&, const TTemperatureRow&) = default;
};
[[nodiscard]] std::vector<SeriesGroup<TTemperatureRow>> RippleTemperatureGroups();
[[nodiscard]] std::vector<SeriesGroup<TTemperatureRow>> FailureRateTemperatureGroups();

// FailureRate[85] of a series divided by that of a series without a factor.
[[nodiscard]] std::vector<SeriesGroup<Real>> FailureRateSeriesFactors();

// FailureRate[85] = exp(exponent × Va / Vr) × base × k(u) for a series
// without a factor, k(u) = sum of coefficients[i] × u^(4 - i).
struct TReliabilityModel {
    Real exponent = 0;
    Real base = 0;
    std::array<Real, 5> coefficients{};
    Real lowestU = 0; // u is clamped to [lowestU, highestU]
    Real highestU = 0;
    Real fitPerFailureRate = 0; // FIT = FailureRate × this
    Real mtbfHours = 0;         // MTBF = this / FailureRate / 24 / 365 years
};
[[nodiscard]] TReliabilityModel Reliability();

// The highest Va / Vr that the voltage-derating rule accepts (0.825).
[[nodiscard]] Real MaximumVoltageRatio();

// Application voltages in steps of one millivolt, each read from its decimal
// text as the program reads a typed Va: step 1484 is "1.484" V.
inline constexpr int kMillivoltDigits = 3;
[[nodiscard]] std::string MillivoltText(long step);

// Whether the search recommends a part of `series` rated `ratedVoltage` at
// the application voltage `va` (the surge rule kept out of the way).
[[nodiscard]] bool Recommended(TTypVyrobku series, Real ratedVoltage, Real va);

// The highest millivolt step of Va at which the search recommends a part of
// `series` rated `ratedVoltage` (the surge rule kept out of the way).
[[nodiscard]] long HighestAcceptedVa(TTypVyrobku series, Real ratedVoltage);

// The highest millivolt step of Va at which such a part is recommended and
// also has its values at `temperatureIndex` (the derating rule of KMD and KYD
// at raised temperatures).
[[nodiscard]] long HighestVaWithValues(TTypVyrobku series, Real ratedVoltage, int temperatureIndex);
// The highest AppSurge / TestSurge that the surge rule accepts, without and
// with the closest-match relaxation.
[[nodiscard]] Real SurgeAllowance(bool closestMatch);

// The value rounded to `digits` significant digits, for printing a constant
// that was recovered by arithmetic.
[[nodiscard]] Real Rounded(Real value, int digits = 6);

} // namespace dorvanta::documents
