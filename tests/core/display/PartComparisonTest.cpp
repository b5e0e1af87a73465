#include "core/display/PartComparison.h"

#include "core/catalogue/untKonstanty.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace dorvanta {
namespace {

// A part with the values a row is judged by; the rest stay 0.
TComparedPart Part(TTypVyrobku series, Real esr, Real derating, Real testSurge, Real appSurge,
                   Real irms85) {
    TComparedPart part;
    part.Series = series;
    part.Part.CaseSize = "B";
    part.Part.ESRmax = esr;
    part.Part.Pocitane.Derating = derating;
    part.Part.Pocitane.TestSurge = testSurge;
    part.Part.Pocitane.AppSurge = appSurge;
    part.Part.Pocitane.Irms[kTemperature85] = irms85;
    return part;
}

TEST(PartComparison, TheWayEachRowIsBetter) {
    const struct {
        TField field;
        TBetter way;
    } rows[] = {
        {TField::Dimension, TBetter::None},   {TField::CaseSize, TBetter::None},
        {TField::Capacitance, TBetter::None}, {TField::RatedVoltage, TBetter::None},
        {TField::Derating, TBetter::Higher},  {TField::DF, TBetter::None},
        {TField::ESRmax, TBetter::Lower},     {TField::DCLmax, TBetter::Lower},
        {TField::DCLtypical, TBetter::Lower}, {TField::Irms, TBetter::Higher},
        {TField::Vrms, TBetter::None},        {TField::FailureRate, TBetter::Lower},
        {TField::FIT, TBetter::Lower},        {TField::MTBF, TBetter::Higher},
        {TField::AppSurge, TBetter::None},    {TField::TestSurge, TBetter::Higher},
    };
    ASSERT_EQ(std::size(rows), kFieldCount);
    for (const auto& row : rows) {
        EXPECT_EQ(BetterOf(row.field), row.way) << static_cast<int>(row.field);
    }
}

TEST(PartComparison, MarksTheBestValueOfARowAndEveryTieAsShown) {
    const std::vector<TComparedPart> parts = {
        Part(tvKEL, 300, 42.86L, 51.3L, 10, 636.4L),
        Part(tvKEL, 1000, 50, 5.26L, 2, 412.3L),
        // 0.3004 ohm shows as 0.3, as the first part's: a tie.
        Part(tvKEL, 300.4L, 50.04L, 20, 10, 636.42L),
    };
    const struct {
        TField field;
        std::size_t t;
        std::vector<bool> best;
    } cases[] = {
        {TField::ESRmax, kTemperature25, {true, false, true}},
        // 50.0 and 50.04 both show 50.
        {TField::Derating, kTemperature25, {false, true, true}},
        // Margins 41.3, 3.26 and 10 A: the largest, not the largest surge.
        {TField::TestSurge, kTemperature25, {true, false, false}},
        // 636.4 and 636.42 both show 636.
        {TField::Irms, kTemperature85, {true, false, true}},
        {TField::Capacitance, kTemperature25, {false, false, false}},
        {TField::AppSurge, kTemperature25, {false, false, false}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(BestValues(c.field, parts, c.t), c.best) << static_cast<int>(c.field);
    }
}

TEST(PartComparison, APartWithoutValuesAtATemperatureShowsNoneAndIsNeverBest) {
    // A KMD part below 50 % derating has no values at 85 °C; at 25 °C it has.
    const std::vector<TComparedPart> parts = {
        Part(tvKMD, 500, 40, 5.26L, 2, 900),
        Part(tvKEL, 300, 42.86L, 51.3L, 10, 636.4L),
    };
    EXPECT_FALSE(HasValueAt(TField::Irms, parts[0], kTemperature85));
    EXPECT_TRUE(HasValueAt(TField::ESRmax, parts[0], kTemperature85));
    EXPECT_EQ(ComparedText(TField::Irms, parts[0], kTemperature85), "");
    EXPECT_EQ(ComparedText(TField::Irms, parts[1], kTemperature85), "636");
    EXPECT_EQ(ComparedText(TField::ESRmax, parts[0], kTemperature85, ","), "0,5");
    EXPECT_EQ(BestValues(TField::Irms, parts, kTemperature85), (std::vector<bool>{false, true}));
    // Only parts without a value: nothing is marked.
    EXPECT_EQ(BestValues(TField::Irms, std::vector<TComparedPart>{parts[0]}, kTemperature85),
              std::vector<bool>{false});
}

TEST(FieldCaption, EveryCaptionOnOneLineAtATemperature) {
    const struct {
        TField field;
        const char* temperature;
        std::string caption;
    } cases[] = {
        {TField::Dimension, "85", "LxWxH"},
        {TField::Capacitance, "85", "Capacitance @ 25°C, 120 Hz"},
        {TField::DCLtypical, "85", "DCL Typical @ App. Voltage"},
        {TField::Irms, "-55", "Irms -55°C @ 100 kHz"},
        {TField::Vrms, "175", "Vrms 175°C @ 100 kHz"},
        {TField::FailureRate, "40", "Failure Rate @ 40°C"},
        {TField::FIT, "105", "Failures in Time (10⁹ hrs) @ 105°C"},
        {TField::FIT, "25", "Failures in Time (10⁹ hrs) @ 25°C"},
        {TField::MTBF, "125", "MTBF @ 125°C"},
        {TField::TestSurge, "125", "Moltren Test Surge"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FieldCaption(c.field, c.temperature), c.caption);
    }
    EXPECT_EQ(PlainCaption("Failures in Time (10   hrs) @ 85°C"),
              "Failures in Time (10⁹ hrs) @ 85°C");
}

} // namespace
} // namespace dorvanta
