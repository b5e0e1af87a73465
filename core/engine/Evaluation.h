// The evaluation of one catalogue entry for an application: ripple current
// and voltage, failure rate, FIT, MTBF and typical leakage at every
// temperature, the voltage derating and the two surge currents.
#pragma once

#include "core/catalogue/Series.h"
#include "core/engine/ApplicationData.h"
#include "core/engine/PartNoInfo.h"
#include "core/record/PartNoRecord.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace dorvanta {

// The permissible power dissipation in W of a part of `series` whose case
// code begins with `caseLetter`; 0 when the series' group has no entry for
// that character (lower-case letters and digits included).
[[nodiscard]] Real PowerDissipation(TTypVyrobku series, char caseLetter) noexcept;

// The permissible ripple current at 25 °C and 100 kHz in mA, for an ESR in
// milliohm. Unchecked arithmetic: an ESR of 0 or below gives a non-finite
// result, which EvaluatePart treats as a failure.
[[nodiscard]] Real RippleCurrent25(TTypVyrobku series, char caseLetter, Real esr) noexcept;

// The top temperature of a series in °C, whose values stand at temperature
// index 5: 175 for KWG, 105 for WIR, 125 for every other series.
[[nodiscard]] int TopTemperature(TTypVyrobku series) noexcept;

// The circuit-resistance factor k of the reliability model, for u the
// circuit's series resistance per volt of application voltage (ohm per volt);
// u is limited to the range 0.1 to 3 first.
[[nodiscard]] Real ResistanceFactor(Real u) noexcept;

// Copies the entry's catalogue values into `candidate` and computes its
// Pocitane from Resistance, Imax and Va of `data`. Fails as a whole, and
// returns false, on an arithmetic fault (a division by zero, an invalid
// operation or a result beyond the range of Real), on a catalogue or
// application value that is not finite, and on an empty case code; the
// candidate's contents are then unspecified and must be discarded. On
// success every value of the candidate is finite.
[[nodiscard]] bool EvaluatePart(const TPartNoRecord& entry, TPartNoInfo& candidate,
                                const TVstupniUdaje& data);

// The values from which the temperature arrays of a candidate follow.
struct TEvaluationBase {
    Real Ripple = 0;      // Irms[25], mA
    Real FailureRate = 0; // FailureRate[85], % per 1000 hours
    Real Leakage = 0;     // DCL[25], µA
};

// What a search keeps of an entry it accepts: the catalogue values as the
// file holds them and the computed values from which every field of the
// candidate follows (the test surge from the rated voltage and the ESR),
// 104 bytes. Self-contained: it outlives the catalogue.
struct TCompactCandidate {
    ShortString<kCaseSizeCapacity> CaseSize; // Windows-1252
    TTypVyrobku Series = tvAll;
    TExtended Capacitance;
    TExtended RatedVoltage;
    TExtended DCLmax;
    TExtended DF; // 0 for a series that carries none
    TExtended ESRmax;
    TExtended Derating;
    TExtended AppSurge;
    TExtended Ripple;      // TEvaluationBase::Ripple
    TExtended FailureRate; // TEvaluationBase::FailureRate
    TExtended Leakage;     // TEvaluationBase::Leakage

    [[nodiscard]] Real Voltage() const noexcept { return RatedVoltage.value(); }
};

// The whole candidate of a compact record, temperature arrays included: bit
// for bit what EvaluatePart gives for the same entry and application.
[[nodiscard]] TPartNoInfo ExpandCandidate(const TCompactCandidate& compact);

// EvaluatePart in steps, for the search. EvaluateRules computes the catalogue
// values and the derating and surge values that the acceptance rules read;
// EvaluateBase then the base values of the temperature arrays, with the
// square root and the exponential. An entry's evaluation succeeds when both
// steps do; success does not depend on their order, so
// the search runs the second only for an entry whose outcome depends on it.
// Compact then gives the record that the search keeps for an accepted entry.
// One evaluation serves the entries of one search in turn: it keeps the
// exponential of each rated voltage it has met, and the series of the last
// part number's prefix.
class TPartEvaluation {
public:
    [[nodiscard]] bool EvaluateRules(const TPartNoRecord& entry, const TVstupniUdaje& data);
    // After a successful EvaluateRules of the same entry.
    [[nodiscard]] bool EvaluateBase(const TPartNoRecord& entry, const TVstupniUdaje& data);

    // After a successful EvaluateRules: every field but the temperature arrays.
    [[nodiscard]] const TPartNoInfo& Partial() const noexcept { return candidate_; }

    // After a successful EvaluateRules and EvaluateBase of `entry`: its
    // compact record.
    [[nodiscard]] TCompactCandidate Compact(const TPartNoRecord& entry) const noexcept;

private:
    static constexpr std::size_t kPrefixSize = 3;
    static constexpr int kExponentialBits = 6;

    // exp(9.7292 Va / Vr) for a pair met before.
    struct TExponential {
        Real Va = 0;
        Real Vr = 0;
        Real Value = 0;
        bool Used = false;
    };

    [[nodiscard]] TTypVyrobku SeriesOfEntry(std::string_view partNumber) noexcept;
    [[nodiscard]] Real Exponential(Real va, Real vr) noexcept;

    TTypVyrobku series_ = tvAll;
    TPartNoInfo candidate_;
    TEvaluationBase base_;
    TTypVyrobku lastSeries_ = tvAll; // tvAll: no prefix remembered
    std::array<char, kPrefixSize> lastPrefix_{};
    std::array<TExponential, std::size_t{1} << kExponentialBits> exponentials_{};
};

} // namespace dorvanta
