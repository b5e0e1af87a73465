#include "ResultFields.h"

#include "Evaluation.h"
#include "Series.h"

namespace dorvanta {

namespace {

TResultField Text(std::string_view name, std::string (*get)(const TResultLine&)) {
    return {name, TResultFieldKind::Text, get, nullptr, nullptr};
}

TResultField Number(std::string_view name, Real (*get)(const TResultLine&)) {
    return {name, TResultFieldKind::Number, nullptr, get, nullptr};
}

TResultField Array(std::string_view name, const TTemperatureValues& (*get)(const TResultLine&)) {
    return {name, TResultFieldKind::Array, nullptr, nullptr, get};
}

TTypVyrobku SeriesOfLine(const TResultLine& l) {
    return SeriesOf(l.PartNumber());
}

} // namespace

// clang-format off
const std::array<TResultField, kResultFieldCount> ResultFields = {
    Text("line", [](const TResultLine& l) { return l.Text; }),
    Text("part_number", [](const TResultLine& l) { return std::string(l.PartNumber()); }),
    Text("series", [](const TResultLine& l) { return std::string(SeriesValueName(SeriesOfLine(l))); }),
    Text("case_size", [](const TResultLine& l) { return l.Info->CaseSize; }),
    Number("capacitance", [](const TResultLine& l) { return l.Info->Capacitance; }),
    Number("rated_voltage", [](const TResultLine& l) { return l.Info->RatedVoltage; }),
    Number("dcl_max", [](const TResultLine& l) { return l.Info->DCLmax; }),
    Number("df", [](const TResultLine& l) { return l.Info->DF; }),
    Number("esr_max", [](const TResultLine& l) { return l.Info->ESRmax; }),
    Number("derating", [](const TResultLine& l) { return l.Info->Pocitane.Derating; }),
    Number("test_surge", [](const TResultLine& l) { return l.Info->Pocitane.TestSurge; }),
    Number("app_surge", [](const TResultLine& l) { return l.Info->Pocitane.AppSurge; }),
    Number("top_temperature", [](const TResultLine& l) {
        return static_cast<Real>(TopTemperature(SeriesOfLine(l)));
    }),
    Array("irms", [](const TResultLine& l) -> const TTemperatureValues& { return l.Info->Pocitane.Irms; }),
    Array("vrms", [](const TResultLine& l) -> const TTemperatureValues& { return l.Info->Pocitane.Vrms; }),
    Array("failure_rate", [](const TResultLine& l) -> const TTemperatureValues& { return l.Info->Pocitane.FailureRate; }),
    Array("fit", [](const TResultLine& l) -> const TTemperatureValues& { return l.Info->Pocitane.FIT; }),
    Array("mtbf", [](const TResultLine& l) -> const TTemperatureValues& { return l.Info->Pocitane.MTBF; }),
    Array("dcl", [](const TResultLine& l) -> const TTemperatureValues& { return l.Info->Pocitane.DCL; }),
};
// clang-format on

} // namespace dorvanta
