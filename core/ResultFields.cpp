#include "ResultFields.h"

#include "Evaluation.h"
#include "Series.h"

namespace dorvanta {

namespace {

TResultField Text(std::string_view name,
                  std::string (*get)(const TResultLine&, const TPartNoInfo&)) {
    return {name, TResultFieldKind::Text, get, nullptr, nullptr};
}

TResultField Number(std::string_view name, Real (*get)(const TResultLine&, const TPartNoInfo&)) {
    return {name, TResultFieldKind::Number, nullptr, get, nullptr};
}

TResultField Array(std::string_view name,
                   const TTemperatureValues& (*get)(const TResultLine&, const TPartNoInfo&)) {
    return {name, TResultFieldKind::Array, nullptr, nullptr, get};
}

TTypVyrobku SeriesOfLine(const TResultLine& l) {
    return SeriesOf(l.PartNumber());
}

} // namespace

// clang-format off
const std::array<TResultField, kResultFieldCount> ResultFields = {
    Text("line", [](const TResultLine& l, const TPartNoInfo&) { return std::string(l.Text); }),
    Text("part_number", [](const TResultLine& l, const TPartNoInfo&) { return std::string(l.PartNumber()); }),
    Text("series", [](const TResultLine& l, const TPartNoInfo&) { return std::string(SeriesValueName(SeriesOfLine(l))); }),
    Text("case_size", [](const TResultLine&, const TPartNoInfo& c) { return c.CaseSize; }),
    Number("capacitance", [](const TResultLine&, const TPartNoInfo& c) { return c.Capacitance; }),
    Number("rated_voltage", [](const TResultLine&, const TPartNoInfo& c) { return c.RatedVoltage; }),
    Number("dcl_max", [](const TResultLine&, const TPartNoInfo& c) { return c.DCLmax; }),
    Number("df", [](const TResultLine&, const TPartNoInfo& c) { return c.DF; }),
    Number("esr_max", [](const TResultLine&, const TPartNoInfo& c) { return c.ESRmax; }),
    Number("derating", [](const TResultLine&, const TPartNoInfo& c) { return c.Pocitane.Derating; }),
    Number("test_surge", [](const TResultLine&, const TPartNoInfo& c) { return c.Pocitane.TestSurge; }),
    Number("app_surge", [](const TResultLine&, const TPartNoInfo& c) { return c.Pocitane.AppSurge; }),
    Number("top_temperature", [](const TResultLine& l, const TPartNoInfo&) {
        return static_cast<Real>(TopTemperature(SeriesOfLine(l)));
    }),
    Array("irms", [](const TResultLine&, const TPartNoInfo& c) -> const TTemperatureValues& { return c.Pocitane.Irms; }),
    Array("vrms", [](const TResultLine&, const TPartNoInfo& c) -> const TTemperatureValues& { return c.Pocitane.Vrms; }),
    Array("failure_rate", [](const TResultLine&, const TPartNoInfo& c) -> const TTemperatureValues& { return c.Pocitane.FailureRate; }),
    Array("fit", [](const TResultLine&, const TPartNoInfo& c) -> const TTemperatureValues& { return c.Pocitane.FIT; }),
    Array("mtbf", [](const TResultLine&, const TPartNoInfo& c) -> const TTemperatureValues& { return c.Pocitane.MTBF; }),
    Array("dcl", [](const TResultLine&, const TPartNoInfo& c) -> const TTemperatureValues& { return c.Pocitane.DCL; }),
};
// clang-format on

} // namespace dorvanta
