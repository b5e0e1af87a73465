#include "core/engine/DeratingRule.h"

#include "core/catalogue/untKonstanty.h"

#include <gtest/gtest.h>

namespace dorvanta {
namespace {

TEST(DeratingRule, KmdAndKydNeedHalfTheRatedVoltageAt85AndAFifthAtTheTop) {
    const struct {
        TTypVyrobku series;
        int temperatureIndex;
        Real derating;
        bool hasValues;
    } cases[] = {
        {tvKMD, kTemperature85, 40, false},     {tvKMD, kTemperatureTop, 40, false},
        {tvKMD, kTemperature55, 40, true},      {tvKMD, kTemperature25, 40, true},
        {tvKMD, kTemperature40, 40, true},      {tvKYD, kTemperature85, 49.9L, false},
        {tvKMD, kTemperature85, 50, true},      {tvKMD, kTemperatureTop, 50, false},
        {tvKYD, kTemperatureTop, 79.9L, false}, {tvKYD, kTemperatureTop, 80, true},
        {tvKEL, kTemperature85, 10, true},      {tvKEL, kTemperatureTop, -20, true},
        {tvAll, kTemperatureTop, 0, true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(HasTemperatureValues(c.series, c.temperatureIndex, c.derating), c.hasValues)
            << SeriesValueName(c.series) << " at index " << c.temperatureIndex << ", derating "
            << static_cast<double>(c.derating);
    }
}

TEST(DeratingRule, NamesTheMinimumOnlyWhereTheSeriesHasOne) {
    EXPECT_EQ(MinimumDerating(tvKMD, kTemperature85), Real{50});
    EXPECT_EQ(MinimumDerating(tvKYD, kTemperatureTop), Real{80});
    EXPECT_FALSE(MinimumDerating(tvKYD, kTemperature25));
    EXPECT_FALSE(MinimumDerating(tvKWG, kTemperatureTop));
}

} // namespace
} // namespace dorvanta
