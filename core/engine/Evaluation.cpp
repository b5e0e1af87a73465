#include "core/engine/Evaluation.h"

#include "core/record/Text1252.h"
#include "core/record/TextCase.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <limits>

namespace dorvanta {

namespace {

// The columns of the power-dissipation table.
enum class TPowerGroup : std::uint8_t { General, KEQ, WIR, WIQ, KYR };
constexpr std::size_t kPowerGroupCount = 5;
constexpr std::size_t kLetterCount = 26;

// W by case letter 'A' to 'Z'; 0 marks a letter that the group has no entry for.
// clang-format off
constexpr std::array<std::array<Real, kPowerGroupCount>, kLetterCount> kPowerTable = {{
    //  General  KEQ     WIR     WIQ     KYR
    {0.075L, 0,      0.09L,  0,      0.04L},  // A
    {0.085L, 0,      0.102L, 0,      0.04L},  // B
    {0.11L,  0,      0.132L, 0,      0},      // C
    {0.15L,  0.255L, 0.18L,  0,      0},      // D
    {0.165L, 0.27L,  0.198L, 0.324L, 0},      // E
    {0.1L,   0,      0.12L,  0,      0},      // F
    {0.07L,  0,      0,      0,      0},      // G
    {0.08L,  0,      0,      0,      0.04L},  // H
    {0,      0,      0,      0,      0},      // I
    {0,      0,      0,      0,      0.02L},  // J
    {0.065L, 0,      0,      0,      0.015L}, // K
    {0.07L,  0,      0,      0,      0.025L}, // L
    {0,      0,      0,      0,      0.03L},  // M
    {0.05L,  0,      0,      0,      0},      // N
    {0,      0,      0,      0,      0},      // O
    {0.06L,  0,      0.072L, 0,      0},      // P
    {0,      0,      0,      0,      0},      // Q
    {0.055L, 0,      0.066L, 0,      0.045L}, // R
    {0.065L, 0,      0.078L, 0,      0},      // S
    {0.08L,  0,      0.096L, 0,      0.04L},  // T
    {0,      0,      0,      0,      0.035L}, // U
    {0.25L,  0.285L, 0.3L,   0,      0.035L}, // V
    {0.09L,  0,      0.108L, 0,      0},      // W
    {0.1L,   0,      0.12L,  0,      0.04L},  // X
    {0.125L, 0.21L,  0.15L,  0,      0},      // Y
    {0,      0.3L,   0,      0,      0.02L},  // Z
}};
// clang-format on

enum class TSurgeRule : std::uint8_t { Standard, KMD, Microchip };

// Everything in which one series differs from another.
struct TSeriesRules {
    TPowerGroup group = TPowerGroup::General;
    int topTemperature = 125;   // °C
    Real irmsTopFactor = 0.4L;  // Irms[top] = Irms[25] × this
    bool highCvFactor = false;  // the failure rate × 0.2 × 154 of KMD and KYD
    Real failureRateFactor = 1; // the other series' failure-rate factor
    Real failureRateTop = 25;   // FailureRate[top] = f × this
    Real dclTop = 13;           // DCL[top] = d × this
    TSurgeRule surge = TSurgeRule::Standard;
    bool keepsDF = true; // KMD and KYD carry no dissipation factor
};

constexpr TSeriesRules RulesFor(TTypVyrobku series) noexcept {
    TSeriesRules r;
    switch (series) {
    case tvKMD:
    case tvKYD:
        r.highCvFactor = true;
        r.keepsDF = false;
        r.surge = series == tvKMD ? TSurgeRule::KMD : TSurgeRule::Microchip;
        break;
    case tvKSF:
        r.failureRateFactor = 0.5L;
        break;
    case tvKWG:
        r.topTemperature = 175;
        r.irmsTopFactor = 0.2L;
        r.failureRateFactor = 0.5L;
        r.failureRateTop = 900;
        r.dclTop = 20;
        break;
    case tvKEQ:
        r.group = TPowerGroup::KEQ;
        break;
    case tvWIR:
        r.group = TPowerGroup::WIR;
        r.topTemperature = 105;
        r.failureRateFactor = 0.5L;
        r.dclTop = 12;
        break;
    case tvWIE:
        r.group = TPowerGroup::WIR;
        r.failureRateFactor = 0.2L;
        r.failureRateTop = 150;
        break;
    case tvWIQ:
        r.group = TPowerGroup::WIQ;
        r.failureRateFactor = 0.2L;
        break;
    case tvKYR:
        r.group = TPowerGroup::KYR;
        r.surge = TSurgeRule::Microchip;
        break;
    case tvKYE:
        r.surge = TSurgeRule::Microchip;
        break;
    case tvKYF:
        r.failureRateFactor = 0.1L;
        r.surge = TSurgeRule::Microchip;
        break;
    default:
        break;
    }
    return r;
}

constexpr std::array<TSeriesRules, kSeriesCount> MakeRulesTable() noexcept {
    std::array<TSeriesRules, kSeriesCount> table{};
    for (int i = 0; i < kSeriesCount; ++i) {
        table[static_cast<std::size_t>(i)] = RulesFor(static_cast<TTypVyrobku>(i));
    }
    return table;
}

constexpr std::array<TSeriesRules, kSeriesCount> kRules = MakeRulesTable();

const TSeriesRules& Rules(TTypVyrobku series) noexcept {
    return kRules[series < kSeriesCount ? series : tvAll];
}

// The values of a temperature family come from one base value times fixed
// factors. The search checks only the largest member of each family (and the
// smallest failure rate, whose MTBF is the largest), so the factors must keep
// these orders.
constexpr bool FactorsKeepTheirOrder() noexcept {
    for (const TSeriesRules& r : kRules) {
        const bool irms = r.irmsTopFactor > 0 && r.irmsTopFactor <= 1; // Irms[25] largest
        const bool rate = r.failureRateTop >= 1;                       // FailureRate[top] largest
        const bool dcl = r.dclTop >= 7;                                // DCL[top] largest
        const bool series = r.failureRateFactor > 0;
        if (!irms || !rate || !dcl || !series) {
            return false;
        }
    }
    return true;
}
static_assert(FactorsKeepTheirOrder());

// Finite means neither infinite nor NaN; NaN fails every comparison.
bool Finite(Real x) noexcept {
    return std::fabs(x) <= std::numeric_limits<Real>::max();
}

template <typename... Values> bool AllFinite(Values... values) noexcept {
    return (Finite(values) && ...);
}

// The temperatures that the evaluation writes; 4 and 6 stay 0.
constexpr std::array<int, 5> kEvaluatedTemperatures = {
    kTemperature55, kTemperature25, kTemperature40, kTemperature85, kTemperatureTop};

void CopyCatalogueValues(const TPartNoRecord& entry, const TSeriesRules& rules,
                         TPartNoInfo& candidate) {
    candidate.CaseSize.clear();
    AppendWindows1252AsUtf8(candidate.CaseSize, entry.CaseSize.view());
    candidate.Capacitance = entry.Capacitance.value();
    candidate.RatedVoltage = entry.RatedVoltage.value();
    candidate.DCLmax = entry.DCLmax.value();
    candidate.DF = rules.keepsDF ? entry.DF.value() : 0;
    candidate.ESRmax = entry.ESRmax.value();
}

Real PowerOf(const TSeriesRules& rules, char caseLetter) noexcept {
    if (caseLetter < 'A' || caseLetter > 'Z') {
        return 0;
    }
    const auto group = static_cast<std::size_t>(rules.group);
    return kPowerTable[static_cast<std::size_t>(caseLetter - 'A')][group];
}

// 1000 × √(P / R) with R the ESR in ohm; the argument of the root as written
// in the maker's formula.
Real RippleArgument(Real power, Real esr) noexcept {
    return power / esr / 0.001L;
}

// The ripple current at 25 °C. A negative ESR makes the root invalid.
bool ComputeRipple(const TSeriesRules& rules, char caseLetter, Real esr,
                   TEvaluationBase& b) noexcept {
    const Real argument = RippleArgument(PowerOf(rules, caseLetter), esr);
    if (argument < 0) {
        return false;
    }
    b.Ripple = std::sqrt(argument) * 1000;
    // Vrms[25] is the largest ripple voltage.
    return AllFinite(b.Ripple, b.Ripple * esr * 0.001L);
}

Real FailureRateAt(int t, Real f, const TSeriesRules& rules) noexcept {
    switch (t) {
    case kTemperature55:
        return f * 0.02L;
    case kTemperature25:
        return f * 0.06L;
    case kTemperature40:
        return f * 0.1L;
    case kTemperature85:
        return f;
    default:
        return f * rules.failureRateTop;
    }
}

Real MtbfOf(Real failureRate) noexcept {
    return 100000 / failureRate / 24 / 365;
}

// The voltage term of the failure rate, the one exponential of the model.
Real VoltageExponential(Real va, Real vr) noexcept {
    return std::exp(9.7292L * va / vr);
}

// Whether the MTBF of a finite, non-zero failure rate is finite. A rate of
// at least 1e-4000 gives one below 1e4905, far inside the range of Real:
// only smaller rates need the three divisions.
bool FiniteMtbf(Real failureRate) noexcept {
    return std::fabs(failureRate) >= 1e-4000L || Finite(MtbfOf(failureRate));
}

// The failure rate at 85 °C from `exponential`, VoltageExponential(Va, vr).
// A failure rate of 0 (an exponential that underflowed, say) would divide by
// zero in the MTBF.
bool ComputeFailureRate(const TSeriesRules& rules, const TVstupniUdaje& data, Real esr,
                        Real exponential, TEvaluationBase& b) noexcept {
    const Real u = (esr / 1000 + data.Resistance) / data.Va; // ohm per volt
    if (!Finite(u)) {
        return false; // an overflow that the clamp would hide
    }
    Real f = exponential * 0.00006L * ResistanceFactor(u);
    f = rules.highCvFactor ? f * 0.2L * 154 : f * rules.failureRateFactor;
    b.FailureRate = f;
    // The extremes: the top rate and its FIT are the largest, the -55 °C rate
    // the smallest (no other rate is 0 when it is not) with the largest MTBF.
    const Real top = FailureRateAt(kTemperatureTop, f, rules);
    const Real lowest = FailureRateAt(kTemperature55, f, rules);
    return lowest != 0 && AllFinite(top, top * 10000) && FiniteMtbf(lowest);
}

// Typical leakage at 25 °C at the application voltage.
bool ComputeLeakage(const TSeriesRules& rules, Real va, Real vr, Real dclMax,
                    TEvaluationBase& b) noexcept {
    const Real raw = (va / vr * 1.125L - 0.125L) * dclMax;
    if (!Finite(raw)) {
        return false; // an overflow or invalid operation that the max would hide
    }
    b.Leakage = raw > 0 ? raw : 0;
    return Finite(b.Leakage * rules.dclTop); // DCL[top] is the largest
}

// The maker's test surge and the application's surge current.
// The maker's surge test: the factor of the rated voltage and the resistance
// in ohm in series with the part's ESR.
struct TSurgeTest {
    Real Factor = 1.1L;
    Real Resistance = 0.45L;
};

TSurgeTest SurgeTestOf(const TSeriesRules& rules) noexcept {
    switch (rules.surge) {
    case TSurgeRule::KMD:
        return {0.5L, 0.45L};
    case TSurgeRule::Microchip:
        return {0.7337L, 1};
    case TSurgeRule::Standard:
        break;
    }
    return {};
}

// The test circuit's resistance in ohm: the part's ESR and the test's own.
Real TestCircuit(const TSeriesRules& rules, Real esr) noexcept {
    return esr * 0.001L + SurgeTestOf(rules).Resistance;
}

// The maker's test surge of a part whose test circuit is not 0.
Real TestSurgeOf(const TSeriesRules& rules, Real vr, Real esr) noexcept {
    return vr * SurgeTestOf(rules).Factor / TestCircuit(rules, esr);
}

bool ComputeSurge(const TSeriesRules& rules, const TVstupniUdaje& data, Real vr, Real esr,
                  TPocitaneInfo& p) noexcept {
    const Real esrOhm = esr * 0.001L;
    if (TestCircuit(rules, esr) == 0 || esrOhm == 0) {
        return false;
    }
    p.TestSurge = TestSurgeOf(rules, vr, esr);
    const Real drive = data.Va / esrOhm;
    if (!Finite(drive)) {
        return false; // an overflow that the limit would hide
    }
    p.AppSurge = drive < data.Imax ? drive : data.Imax;
    return AllFinite(p.TestSurge, p.AppSurge);
}

// Writes the arrays from the base values; every value is finite since the
// largest member of each family was.
void FillArrays(const TSeriesRules& rules, const TEvaluationBase& b, Real esr, TPocitaneInfo& p) {
    const Real x = b.Ripple;
    p.Irms[kTemperature25] = x;
    p.Irms[kTemperature55] = p.Irms[kTemperature25];
    p.Irms[kTemperature40] = x * 0.975L;
    p.Irms[kTemperature85] = x * 0.9L;
    p.Irms[kTemperatureTop] = p.Irms[kTemperature25] * rules.irmsTopFactor;
    for (const int t : kEvaluatedTemperatures) {
        p.Vrms[t] = p.Irms[t] * esr * 0.001L; // mA × ohm = mV
        p.FailureRate[t] = FailureRateAt(t, b.FailureRate, rules);
        p.FIT[t] = p.FailureRate[t] * 10000;
        p.MTBF[t] = MtbfOf(p.FailureRate[t]);
    }
    const Real d = b.Leakage;
    p.DCL[kTemperature25] = d;
    p.DCL[kTemperature55] = d / 10;
    p.DCL[kTemperature40] = d * 1.7L;
    p.DCL[kTemperature85] = d * 7;
    p.DCL[kTemperatureTop] = d * rules.dclTop;
}

// The first step of the evaluation: the catalogue values, the derating and
// the surge values into `candidate`, which the acceptance rules read. False
// on any fault of these.
bool EvaluateRuleValues(const TPartNoRecord& entry, const TVstupniUdaje& data, TTypVyrobku series,
                        TPartNoInfo& candidate) {
    if (entry.CaseSize.empty()) {
        return false;
    }
    const TSeriesRules& rules = Rules(series);
    CopyCatalogueValues(entry, rules, candidate);
    const Real vr = candidate.RatedVoltage;
    const Real esr = candidate.ESRmax;
    // Non-finite values pass through arithmetic without a fault; refuse them
    // so that no infinity or NaN reaches a candidate.
    if (!AllFinite(candidate.Capacitance, vr, candidate.DCLmax, candidate.DF, esr, data.Resistance,
                   data.Imax, data.Va)) {
        return false;
    }
    // The divisors of the model: a zero is a division by zero (or 0 / 0).
    if (esr == 0 || vr == 0 || data.Va == 0) {
        return false;
    }
    TPocitaneInfo& p = candidate.Pocitane;
    p.Derating = (1 - data.Va / vr) * 100;
    return ComputeSurge(rules, data, vr, esr, p) && Finite(p.Derating);
}

// The second step, after a successful first: the arrays' base values into
// `base`, with `exponential` VoltageExponential(Va, vr). False on any fault.
bool EvaluateBaseValues(const TPartNoRecord& entry, const TVstupniUdaje& data, TTypVyrobku series,
                        const TPartNoInfo& candidate, Real exponential, TEvaluationBase& base) {
    const TSeriesRules& rules = Rules(series);
    const Real esr = candidate.ESRmax;
    return ComputeRipple(rules, entry.CaseSize.view().front(), esr, base) &&
           ComputeFailureRate(rules, data, esr, exponential, base) &&
           ComputeLeakage(rules, data.Va, candidate.RatedVoltage, candidate.DCLmax, base);
}

} // namespace

Real ResistanceFactor(Real u) noexcept {
    u = std::max(std::min(u, 3.0L), 0.1L);
    return 0.0476L * u * u * u * u - 0.4127L * u * u * u + 1.3273L * u * u - 1.9158L * u + 1.1625L;
}

Real PowerDissipation(TTypVyrobku series, char caseLetter) noexcept {
    return PowerOf(Rules(series), caseLetter);
}

Real RippleCurrent25(TTypVyrobku series, char caseLetter, Real esr) noexcept {
    return std::sqrt(RippleArgument(PowerDissipation(series, caseLetter), esr)) * 1000;
}

int TopTemperature(TTypVyrobku series) noexcept {
    return Rules(series).topTemperature;
}

TTypVyrobku TPartEvaluation::SeriesOfEntry(std::string_view partNumber) noexcept {
    // Entries of a series stand together in a catalogue: the series of the
    // last prefix serves the next entry with the same three characters,
    // which SeriesOf would match to the same series first.
    if (partNumber.size() >= kPrefixSize && lastSeries_ != tvAll &&
        partNumber.substr(0, kPrefixSize) == std::string_view(lastPrefix_.data(), kPrefixSize)) {
        return lastSeries_;
    }
    const TTypVyrobku series = SeriesOf(partNumber);
    const bool byPrefix = partNumber.size() >= kPrefixSize && series != tvAll &&
                          EqualsIgnoringCase(partNumber.substr(0, kPrefixSize), SeriesCode(series));
    lastSeries_ = byPrefix ? series : tvAll;
    if (byPrefix) {
        std::copy_n(partNumber.begin(), kPrefixSize, lastPrefix_.begin());
    }
    return series;
}

Real TPartEvaluation::Exponential(Real va, Real vr) noexcept {
    // The slot from the bits of the value: its significand and, for values
    // a power of two apart, its exponent.
    std::array<std::uint8_t, kExtendedSize> bytes{};
    EncodeExtended(vr, bytes.data());
    std::uint64_t significand = 0;
    std::memcpy(&significand, bytes.data(), sizeof significand);
    const std::uint64_t exponent = bytes[8] | (std::uint64_t{bytes[9]} << 8);
    const std::uint64_t hash =
        (significand ^ (significand >> 31) ^ (exponent << 7)) * 0x9E3779B97F4A7C15ULL;
    TExponential& slot = exponentials_[hash >> (64 - kExponentialBits)];
    if (!slot.Used || slot.Va != va || slot.Vr != vr) {
        slot = TExponential{va, vr, VoltageExponential(va, vr), true};
    }
    return slot.Value;
}

bool TPartEvaluation::EvaluateRules(const TPartNoRecord& entry, const TVstupniUdaje& data) {
    series_ = SeriesOfEntry(entry.PartNumber.view());
    return EvaluateRuleValues(entry, data, series_, candidate_);
}

bool TPartEvaluation::EvaluateBase(const TPartNoRecord& entry, const TVstupniUdaje& data) {
    const Real exponential = Exponential(data.Va, candidate_.RatedVoltage);
    return EvaluateBaseValues(entry, data, series_, candidate_, exponential, base_);
}

TCompactCandidate TPartEvaluation::Compact(const TPartNoRecord& entry) const noexcept {
    const TPocitaneInfo& p = candidate_.Pocitane;
    TCompactCandidate c;
    c.CaseSize = entry.CaseSize;
    c.Series = series_;
    c.Capacitance = entry.Capacitance;
    c.RatedVoltage = entry.RatedVoltage;
    c.DCLmax = entry.DCLmax;
    c.DF = Rules(series_).keepsDF ? entry.DF : TExtended{};
    c.ESRmax = entry.ESRmax;
    c.Derating = TExtended::from(p.Derating);
    c.AppSurge = TExtended::from(p.AppSurge);
    c.Ripple = TExtended::from(base_.Ripple);
    c.FailureRate = TExtended::from(base_.FailureRate);
    c.Leakage = TExtended::from(base_.Leakage);
    return c;
}

TPartNoInfo ExpandCandidate(const TCompactCandidate& c) {
    TPartNoInfo candidate;
    AppendWindows1252AsUtf8(candidate.CaseSize, c.CaseSize.view());
    candidate.Capacitance = c.Capacitance.value();
    candidate.RatedVoltage = c.RatedVoltage.value();
    candidate.DCLmax = c.DCLmax.value();
    candidate.DF = c.DF.value();
    candidate.ESRmax = c.ESRmax.value();
    TPocitaneInfo& p = candidate.Pocitane;
    p.Derating = c.Derating.value();
    p.TestSurge = TestSurgeOf(Rules(c.Series), candidate.RatedVoltage, candidate.ESRmax);
    p.AppSurge = c.AppSurge.value();
    const TEvaluationBase base{c.Ripple.value(), c.FailureRate.value(), c.Leakage.value()};
    FillArrays(Rules(c.Series), base, candidate.ESRmax, p);
    return candidate;
}

bool EvaluatePart(const TPartNoRecord& entry, TPartNoInfo& candidate, const TVstupniUdaje& data) {
    const TTypVyrobku series = SeriesOf(entry.PartNumber.view());
    TEvaluationBase base;
    if (!EvaluateRuleValues(entry, data, series, candidate) ||
        !EvaluateBaseValues(entry, data, series, candidate,
                            VoltageExponential(data.Va, candidate.RatedVoltage), base)) {
        return false;
    }
    FillArrays(Rules(series), base, candidate.ESRmax, candidate.Pocitane);
    return true;
}

} // namespace dorvanta
