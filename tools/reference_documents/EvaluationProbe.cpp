#include "tools/reference_documents/EvaluationProbe.h"

#include "core/catalogue/untKonstanty.h"
#include "core/display/NumberText.h"
#include "core/engine/ApplicationData.h"
#include "core/engine/DeratingRule.h"
#include "core/engine/Evaluation.h"
#include "core/engine/Search.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <stdexcept>

namespace dorvanta::documents {
namespace {

constexpr std::array<int, 5> kEvaluated = {kTemperature55, kTemperature25, kTemperature40,
                                           kTemperature85, kTemperatureTop};

// Collects series with equal values, in series order of first appearance.
template <typename Value>
std::vector<SeriesGroup<Value>> GroupBy(const std::function<Value(TTypVyrobku)>& valueOf) {
    std::vector<SeriesGroup<Value>> groups;
    for (const TTypVyrobku series : AllSeries()) {
        const Value value = valueOf(series);
        auto it = std::find_if(groups.begin(), groups.end(),
                               [&](const SeriesGroup<Value>& g) { return g.value == value; });
        if (it == groups.end()) {
            groups.push_back({value, {series}});
        } else {
            it->members.push_back(series);
        }
    }
    return groups;
}

TVstupniUdaje AnyPart(const TProbe& probe) {
    TVstupniUdaje data;
    data.Resistance = probe.resistance;
    data.Imax = probe.imax;
    data.Va = probe.va;
    data.ByPartNumber = true; // every field "all": the filter lets any part pass
    data.Parametry2 = {tvAll, std::string(kAll), std::string(kAll), std::string(kAll)};
    return data;
}

// Whether the search accepts the probe as a part of any part number.
bool Accepted(const TProbe& probe, bool closestMatch) {
    const TPartNoInfo candidate = Evaluate(probe);
    TRejectReasons reasons;
    return AcceptPart(ProbePartNumber(probe.series, probe.caseLetter), candidate, AnyPart(probe),
                      reasons, closestMatch);
}

// The boundary between `accepted` (true at `low`) and false (at `high`).
Real Boundary(Real low, Real high, const std::function<bool(Real)>& accepted) {
    for (int i = 0; i < 200; ++i) {
        const Real middle = (low + high) / 2;
        (accepted(middle) ? low : high) = middle;
    }
    return low;
}

// Solves the square system a x = b by Gaussian elimination with pivoting.
template <std::size_t N>
std::array<Real, N> Solve(std::array<std::array<Real, N>, N> a, std::array<Real, N> b) {
    for (std::size_t c = 0; c < N; ++c) {
        std::size_t pivot = c;
        for (std::size_t r = c + 1; r < N; ++r) {
            if (std::fabs(a[r][c]) > std::fabs(a[pivot][c])) {
                pivot = r;
            }
        }
        std::swap(a[c], a[pivot]);
        std::swap(b[c], b[pivot]);
        for (std::size_t r = c + 1; r < N; ++r) {
            const Real f = a[r][c] / a[c][c];
            for (std::size_t k = c; k < N; ++k) {
                a[r][k] -= f * a[c][k];
            }
            b[r] -= f * b[c];
        }
    }
    std::array<Real, N> x{};
    for (std::size_t c = N; c-- > 0;) {
        Real sum = b[c];
        for (std::size_t k = c + 1; k < N; ++k) {
            sum -= a[c][k] * x[k];
        }
        x[c] = sum / a[c][c];
    }
    return x;
}

TTemperatureRow TemperatureRowOf(TTypVyrobku series, const TTemperatureValues TPocitaneInfo::*field,
                                 int reference) {
    TProbe probe;
    probe.series = series;
    probe.caseLetter = ProbeLetter(series);
    return {Factors(Evaluate(probe).Pocitane.*field, reference), TopTemperature(series)};
}

} // namespace

std::string ProbePartNumber(TTypVyrobku series, char caseLetter) {
    std::string code(SeriesCode(series));
    if (series == tvAll) {
        code = "XXX"; // no series code: decodes to tvAll
    }
    return code + caseLetter + "106*010#";
}

TPartNoInfo Evaluate(const TProbe& probe) {
    TPartNoRecord entry;
    const std::string partNumber = ProbePartNumber(probe.series, probe.caseLetter);
    entry.PartNumber.assign(partNumber);
    entry.CaseSize.assign(std::string(1, probe.caseLetter));
    entry.Capacitance = TExtended::from(10);
    entry.RatedVoltage = TExtended::from(probe.ratedVoltage);
    entry.DCLmax = TExtended::from(probe.dclMax);
    entry.ESRmax = TExtended::from(probe.esr);
    TPartNoInfo candidate;
    if (SeriesOf(partNumber) != probe.series || !EvaluatePart(entry, candidate, AnyPart(probe))) {
        throw std::runtime_error("the evaluation refused the probe " + partNumber);
    }
    return candidate;
}

char ProbeLetter(TTypVyrobku series) {
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        if (PowerDissipation(series, letter) > 0) {
            return letter;
        }
    }
    throw std::runtime_error("no case letter has a power dissipation for " +
                             std::string(SeriesCode(series)));
}

std::vector<TTypVyrobku> AllSeries() {
    std::vector<TTypVyrobku> series;
    series.reserve(kSeriesCount);
    for (int i = 0; i < kSeriesCount; ++i) {
        series.push_back(static_cast<TTypVyrobku>(i));
    }
    return series;
}

std::string MemberList(const std::vector<TTypVyrobku>& members) {
    std::string text;
    for (const TTypVyrobku series : members) {
        if (!text.empty()) {
            text += ", ";
        }
        text += series == tvAll ? std::string("other codes") : std::string(SeriesCode(series));
    }
    return text;
}

std::vector<SeriesGroup<TPowerColumn>> PowerGroups() {
    return GroupBy<TPowerColumn>([](TTypVyrobku series) {
        TPowerColumn column{};
        for (char letter = 'A'; letter <= 'Z'; ++letter) {
            column[static_cast<std::size_t>(letter - 'A')] = PowerDissipation(series, letter);
        }
        return column;
    });
}

std::vector<SeriesGroup<TSurgeRule>> SurgeRules() {
    return GroupBy<TSurgeRule>([](TTypVyrobku series) {
        // 1 / TestSurge = (ESR + resistance) / (Vr × factor) is a line in ESR.
        TProbe probe;
        probe.series = series;
        probe.caseLetter = ProbeLetter(series);
        probe.esr = 1000;
        const Real inverse1 = 1 / Evaluate(probe).Pocitane.TestSurge;
        probe.esr = 3000;
        const Real inverse2 = 1 / Evaluate(probe).Pocitane.TestSurge;
        const Real slope = (inverse2 - inverse1) / 2; // per ohm
        const Real factor = 1 / (probe.ratedVoltage * slope);
        const Real resistance = inverse1 * probe.ratedVoltage * factor - 1;
        return TSurgeRule{Rounded(factor), Rounded(resistance)};
    });
}

TTemperatureFactors Factors(const TTemperatureValues& values, int reference) {
    TTemperatureFactors factors{};
    for (std::size_t i = 0; i < kEvaluated.size(); ++i) {
        factors[i] = Rounded(values[static_cast<std::size_t>(kEvaluated[i])] /
                             values[static_cast<std::size_t>(reference)]);
    }
    return factors;
}

std::vector<SeriesGroup<TTemperatureRow>> RippleTemperatureGroups() {
    return GroupBy<TTemperatureRow>([](TTypVyrobku series) {
        return TemperatureRowOf(series, &TPocitaneInfo::Irms, kTemperature25);
    });
}

std::vector<SeriesGroup<TTemperatureRow>> FailureRateTemperatureGroups() {
    return GroupBy<TTemperatureRow>([](TTypVyrobku series) {
        return TemperatureRowOf(series, &TPocitaneInfo::FailureRate, kTemperature85);
    });
}

std::vector<SeriesGroup<Real>> FailureRateSeriesFactors() {
    const auto rate85 = [](TTypVyrobku series) {
        TProbe probe;
        probe.series = series;
        probe.caseLetter = ProbeLetter(series);
        return Evaluate(probe).Pocitane.FailureRate[kTemperature85];
    };
    const Real plain = rate85(tvAll);
    return GroupBy<Real>([&](TTypVyrobku series) { return Rounded(rate85(series) / plain); });
}

TReliabilityModel Reliability() {
    TReliabilityModel model;
    // k(u) is flat outside its range: find where it stops changing.
    const Real kLow = ResistanceFactor(0);
    const Real kHigh = ResistanceFactor(100);
    model.lowestU = Rounded(Boundary(0, 1, [&](Real u) { return ResistanceFactor(u) == kLow; }));
    model.highestU =
        Rounded(Boundary(100, 1, [&](Real u) { return ResistanceFactor(u) == kHigh; }));
    // Inside the range k is a polynomial of degree 4: five samples fix it.
    std::array<std::array<Real, 5>, 5> powers{};
    std::array<Real, 5> values{};
    for (std::size_t i = 0; i < 5; ++i) {
        const Real u = model.lowestU + (model.highestU - model.lowestU) * (0.05L + 0.225L * i);
        values[i] = ResistanceFactor(u);
        for (std::size_t p = 0; p < 5; ++p) {
            powers[i][p] = std::pow(u, static_cast<Real>(4 - p));
        }
    }
    const auto coefficients = Solve(powers, values);
    for (std::size_t p = 0; p < 5; ++p) {
        model.coefficients[p] = Rounded(coefficients[p]);
    }

    // With u held at 1 (the circuit resistance follows Va), only the
    // exponential changes with Va.
    TProbe probe;
    probe.ratedVoltage = 100;
    probe.esr = 1000;
    const auto at = [&](Real va) {
        probe.va = va;
        probe.resistance = va - 1;
        return Evaluate(probe);
    };
    const TPartNoInfo low = at(10);
    const TPartNoInfo high = at(50);
    const Real f10 = low.Pocitane.FailureRate[kTemperature85];
    const Real f50 = high.Pocitane.FailureRate[kTemperature85];
    model.exponent = Rounded(std::log(f50 / f10) / 0.4L);
    model.base = Rounded(f10 / std::exp(model.exponent * 0.1L) / ResistanceFactor(1));
    model.fitPerFailureRate =
        Rounded(low.Pocitane.FIT[kTemperature85] / low.Pocitane.FailureRate[kTemperature85]);
    model.mtbfHours = Rounded(low.Pocitane.MTBF[kTemperature85] *
                              low.Pocitane.FailureRate[kTemperature85] * 24 * 365);
    return model;
}

Real MaximumVoltageRatio() {
    TProbe probe;
    probe.ratedVoltage = 10;
    probe.imax = 1e-6L; // far below any test surge
    return Rounded(Boundary(0.01L, 1, [&](Real ratio) {
        probe.va = ratio * probe.ratedVoltage;
        return Accepted(probe, false);
    }));
}

Real SurgeAllowance(bool closestMatch) {
    // A low ESR drives far more than the supply delivers: AppSurge = Imax.
    TProbe probe;
    probe.ratedVoltage = 100;
    probe.va = 50;
    probe.esr = 100;
    const Real testSurge = Evaluate(probe).Pocitane.TestSurge;
    return Rounded(Boundary(0.5L, 2, [&](Real ratio) {
        probe.imax = ratio * testSurge;
        return Accepted(probe, closestMatch);
    }));
}

std::string MillivoltText(long step) {
    char text[32];
    std::snprintf(text, sizeof text, "%ld.%03ld", step / 1000, step % 1000);
    return text;
}

namespace {

// Va of a millivolt step, as the program reads its text.
Real MillivoltValue(long step) {
    const auto value = ParseGeneral(MillivoltText(step));
    if (!value) {
        throw std::runtime_error("cannot read the voltage " + MillivoltText(step));
    }
    return *value;
}

// The highest step at or above 1 at which `holds` is true, starting the
// search at `guess`: `holds` is true up to some step and false above it.
long HighestStep(long guess, const std::function<bool(long)>& holds) {
    long step = std::max(guess, 1L);
    while (holds(step + 1)) {
        ++step;
    }
    while (step > 1 && !holds(step)) {
        --step;
    }
    if (!holds(step)) {
        throw std::runtime_error("no application voltage satisfies the rule");
    }
    return step;
}

TProbe RatedPart(TTypVyrobku series, Real ratedVoltage) {
    TProbe probe;
    probe.series = series;
    probe.caseLetter = ProbeLetter(series);
    probe.ratedVoltage = ratedVoltage;
    probe.imax = 1e-6L; // far below any test surge
    return probe;
}

} // namespace

bool Recommended(TTypVyrobku series, Real ratedVoltage, Real va) {
    TProbe probe = RatedPart(series, ratedVoltage);
    probe.va = va;
    return Accepted(probe, false);
}

long HighestAcceptedVa(TTypVyrobku series, Real ratedVoltage) {
    const auto guess = static_cast<long>(ratedVoltage * MaximumVoltageRatio() * 1000);
    return HighestStep(
        guess, [&](long step) { return Recommended(series, ratedVoltage, MillivoltValue(step)); });
}

long HighestVaWithValues(TTypVyrobku series, Real ratedVoltage, int temperatureIndex) {
    TProbe probe = RatedPart(series, ratedVoltage);
    const Real derating = MinimumDerating(series, temperatureIndex).value_or(0);
    const auto guess = static_cast<long>(ratedVoltage * (1 - derating / 100) * 1000);
    return HighestStep(guess, [&](long step) {
        probe.va = MillivoltValue(step);
        return Accepted(probe, false) &&
               HasTemperatureValues(series, temperatureIndex, Evaluate(probe).Pocitane.Derating);
    });
}

Real Rounded(Real value, int digits) {
    if (value == 0 || !std::isfinite(value)) {
        return value;
    }
    const Real scale = std::pow(10.0L, digits - 1 - std::floor(std::log10(std::fabs(value))));
    return std::round(value * scale) / scale;
}

} // namespace dorvanta::documents
