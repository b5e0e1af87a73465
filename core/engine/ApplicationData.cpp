#include "core/engine/ApplicationData.h"

#include <array>

namespace dorvanta {

namespace {

constexpr std::array<std::string_view, 4> kOperatorTexts = {"<", "=", ">", "<>"};

} // namespace

TCapacitanceOperator OperatorFromText(std::string_view text) noexcept {
    for (std::size_t i = 0; i + 1 < kOperatorTexts.size(); ++i) {
        if (text == kOperatorTexts[i]) {
            return static_cast<TCapacitanceOperator>(i);
        }
    }
    return coBetween;
}

std::string_view OperatorText(TCapacitanceOperator op) noexcept {
    return kOperatorTexts[op < kOperatorTexts.size() ? op : coBetween];
}

void SetCircuit(TVstupniUdaje& data, const TCircuit& circuit) noexcept {
    data.Resistance = circuit.Rs + circuit.Rl;
    data.Imax = circuit.Imax;
    data.Va = circuit.Va;
}

} // namespace dorvanta
