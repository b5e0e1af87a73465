#include "core/engine/DeratingRule.h"

#include "core/catalogue/untKonstanty.h"

namespace dorvanta {

std::optional<Real> MinimumDerating(TTypVyrobku series, int temperatureIndex) noexcept {
    if (series != tvKMD && series != tvKYD) {
        return std::nullopt;
    }
    switch (temperatureIndex) {
    case kTemperature85:
        return 50; // 0.5 Vr
    case kTemperatureTop:
        return 80; // 0.2 Vr
    default:
        return std::nullopt;
    }
}

bool HasTemperatureValues(TTypVyrobku series, int temperatureIndex, Real derating) noexcept {
    const auto minimum = MinimumDerating(series, temperatureIndex);
    return !minimum || !(derating < *minimum);
}

} // namespace dorvanta
