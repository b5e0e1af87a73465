// One catalogue entry evaluated for one application: its catalogue values and
// the values computed from them at every temperature.
#pragma once

#include "core/catalogue/untKonstanty.h"
#include "core/record/Extended.h"

#include <array>
#include <string>

namespace dorvanta {

// Indexed by the temperature index of TemperatureCaptions. Index 5 holds the
// values of the series' top temperature; indices 4 and 6 stay 0.
using TTemperatureValues = std::array<Real, kTemperatureCount>;

// The computed values of one candidate; every field is 0 until evaluated.
struct TPocitaneInfo {
    TTemperatureValues Irms{};        // mA, ripple current at 100 kHz
    TTemperatureValues Vrms{};        // mV, the ripple voltage that goes with Irms
    TTemperatureValues FailureRate{}; // % per 1000 hours
    TTemperatureValues FIT{};         // failures per 10^9 hours
    TTemperatureValues MTBF{};        // years
    TTemperatureValues DCL{};         // µA, typical leakage at the application voltage
    Real Derating = 0;                // %, negative when Va exceeds the rated voltage
    Real TestSurge = 0;               // A, the maker's test surge current
    Real AppSurge = 0;                // A, the surge the application drives into the part

    friend bool operator==(const TPocitaneInfo&, const TPocitaneInfo&) = default;
};

// A candidate. The part number is not held here: it is the text of the
// result line that owns the candidate. Pocitane is a member, so it is created
// and destroyed with its candidate and never shared.
struct TPartNoInfo {
    std::string CaseSize;  // UTF-8
    Real Capacitance = 0;  // µF
    Real RatedVoltage = 0; // V
    Real DCLmax = 0;       // µA at 25 °C
    Real DF = 0;           // %; 0 = no value
    Real ESRmax = 0;       // milliohm at 100 kHz
    TPocitaneInfo Pocitane;

    friend bool operator==(const TPartNoInfo&, const TPartNoInfo&) = default;
};

} // namespace dorvanta
