// The application data of one search run: the circuit and the criterion.
#pragma once

#include "core/catalogue/Series.h"
#include "core/record/Extended.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace dorvanta {

// Ordinals are fixed; the input page's list order (">", "=", "<", "<>") is not
// the order of the enumeration.
enum TCapacitanceOperator : std::uint8_t {
    coLess,    // "<": capacitance < bound 1
    coEqual,   // "=": capacitance = bound 1
    coGreater, // ">": capacitance > bound 1
    coBetween, // "<>": bound 1 <= capacitance <= bound 2
};

// "<", "=", ">" give their operator; every other text gives coBetween.
[[nodiscard]] TCapacitanceOperator OperatorFromText(std::string_view text) noexcept;

// The operator's text: "<", "=", ">" or "<>".
[[nodiscard]] std::string_view OperatorText(TCapacitanceOperator op) noexcept;

// The selection by capacitance ratio and case size.
struct TVstupniParametry1 {
    TCapacitanceOperator Operator = coLess;
    // Indexed 1 and 2 as the bounds are named; element 0 is unused. Bound 2
    // is 0 when no second value is chosen.
    std::array<Real, 3> Capacitance{};
    std::string CaseSize; // a case code, or "all"
};

// The selection by part number; each text is a value-list entry or "all".
struct TVstupniParametry2 {
    TTypVyrobku Series = tvAll;
    std::string CaseSize;
    std::string Capacitance;
    std::string Voltage;
};

// The application circuit as the user gives it. The search takes Rs and Rl
// as one resistance, Rs + Rl.
struct TCircuit {
    Real Rs = 0;   // ohm
    Real Rl = 0;   // ohm
    Real Imax = 0; // A
    Real Va = 0;   // V
    friend bool operator==(const TCircuit&, const TCircuit&) = default;
};

struct TVstupniUdaje {
    Real Resistance = 0; // Rs + Rl, ohm
    Real Imax = 0;       // A
    Real Va = 0;         // V
    bool ByPartNumber = false;
    TVstupniParametry1 Parametry1;
    TVstupniParametry2 Parametry2;
    // The decimal separator of the criterion texts of Parametry2.
    std::string DecimalSeparator = ".";
};

// Sets the circuit half of `data` from `circuit`.
void SetCircuit(TVstupniUdaje& data, const TCircuit& circuit) noexcept;

} // namespace dorvanta
