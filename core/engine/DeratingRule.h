// The KMD and KYD series are defined by 0.5 Vr at 85 °C and 0.2 Vr at their
// top temperature: at a smaller derating the maker gives no leakage, ripple
// or reliability values for such a part at that temperature.
#pragma once

#include "core/catalogue/Series.h"
#include "core/record/Extended.h"

#include <optional>

namespace dorvanta {

// The smallest voltage derating in % at which a part of `series` has values
// at `temperatureIndex`: 50 at 85 °C and 80 at the top temperature for KMD
// and KYD; none for every other series and temperature.
[[nodiscard]] std::optional<Real> MinimumDerating(TTypVyrobku series,
                                                  int temperatureIndex) noexcept;

// Whether a part of `series` with `derating` (%) has values at
// `temperatureIndex`; a derating equal to the minimum has them.
[[nodiscard]] bool HasTemperatureValues(TTypVyrobku series, int temperatureIndex,
                                        Real derating) noexcept;

} // namespace dorvanta
