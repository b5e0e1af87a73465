// Small in-memory catalogues for the engine's tests.
#pragma once

#include "core/display/NumberText.h"
#include "core/engine/ApplicationData.h"
#include "core/record/PartNoRecord.h"

#include <cmath>
#include <stdexcept>
#include <string_view>
#include <vector>

namespace dorvanta::testing {

// Values are given as texts and read as the catalogue's values are: the
// nearest real to each decimal text.
inline TExtended Value(std::string_view text) {
    const auto value = ParseGeneral(text);
    if (!value) {
        throw std::invalid_argument("not a number in a fixture");
    }
    return TExtended::from(*value);
}

inline TPartNoRecord Entry(std::string_view partNumber, std::string_view caseSize,
                           std::string_view capacitance, std::string_view ratedVoltage,
                           std::string_view dclMax = "1", std::string_view df = "6",
                           std::string_view esrMax = "1000") {
    TPartNoRecord r;
    r.PartNumber.assign(partNumber);
    r.CaseSize.assign(caseSize);
    r.Capacitance = Value(capacitance);
    r.RatedVoltage = Value(ratedVoltage);
    r.DCLmax = Value(dclMax);
    r.DF = Value(df);
    r.ESRmax = Value(esrMax);
    return r;
}

// The worked-example entries.
inline TPartNoRecord KELD106() {
    return Entry("KELD106*035#0300", "D", "10", "35", "3.5", "6", "300");
}
inline TPartNoRecord KMDB157() {
    return Entry("KMDB157M010#0500", "B", "150", "10", "15", "30", "500");
}
inline TPartNoRecord KWGC155() {
    return Entry("KWGC155*035#", "C", "1.5", "35", "0.5", "4", "4500");
}
inline TPartNoRecord KYRA336() {
    return Entry("KYRA336*010#", "A", "33", "10", "3.3", "6", "1000");
}

// Application data for the capacitance criterion (case "all", "> 0").
inline TVstupniUdaje Application(Real resistance, Real imax, Real va) {
    TVstupniUdaje data;
    data.Resistance = resistance;
    data.Imax = imax;
    data.Va = va;
    data.Parametry1.Operator = coGreater;
    data.Parametry1.Capacitance = {0, 0, 0};
    data.Parametry1.CaseSize = "all";
    return data;
}

// Half a unit of the fifth significant digit of `expected`: the tolerance of
// a value given to 5 significant digits.
inline Real FiveDigits(Real expected) {
    if (expected == 0) {
        return 0;
    }
    return 0.5L * std::pow(10.0L, std::floor(std::log10(std::fabs(expected))) - 4);
}

} // namespace dorvanta::testing
