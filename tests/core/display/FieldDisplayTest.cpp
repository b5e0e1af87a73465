#include "core/display/FieldDisplay.h"

#include "core/catalogue/untKonstanty.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace dorvanta {
namespace {

// Every shown field once: its caption and unit as the details panel names
// them, its number text (written as the pattern's own text) and its name in
// the exports, typed from the published table of the details panel.
TEST(FieldDisplay, EveryFieldsCaptionUnitPatternAndName) {
    const struct {
        TField field;
        std::string_view caption;
        std::string_view unit;
        std::string_view shown; // a pattern such as "0.##", or "general", "dash", "text"
        std::string_view name;
    } expected[] = {
        {TField::Dimension, "LxWxH:", "mm", "text", ""},
        {TField::CaseSize, "Case Size", "", "text", "case_size"},
        {TField::Capacitance, "Capacitance @ 25°C, 120 Hz", "µF", "general", "capacitance"},
        {TField::RatedVoltage, "Rated Voltage", "V", "general", "rated_voltage"},
        {TField::Derating, "Applicable Voltage Derating", "%", "0.#", "derating"},
        {TField::DF, "DF @ 25°C, 120 Hz", "%", "dash", "df"},
        {TField::ESRmax, "ESR Max. @ 25°C, 100 kHz", "Ohm", "0.###", "esr_max"},
        {TField::DCLmax, "DCL Max. @ 25°C, 3 min.", "µA", "0.#", "dcl_max"},
        {TField::DCLtypical, "DCL Typical @ App. Voltage", "µA", "0.##", "dcl"},
        {TField::Irms, "Irms 25°C @ 100 kHz", "mA", "0", "irms"},
        {TField::Vrms, "Vrms 25°C @ 100 kHz", "mV", "0", "vrms"},
        {TField::FailureRate, "Failure Rate @ 25°C", "%/1000 hrs", "0.0e-0", "failure_rate"},
        {TField::FIT, "Failures in Time (10   hrs) @ 25°C", "FITs", "0.##", "fit"},
        {TField::MTBF, "MTBF @ 25°C", "years", "0", "mtbf"},
        {TField::AppSurge, "Application Surge", "A", "0.#", "app_surge"},
        {TField::TestSurge, "Moltren Test Surge", "A", "0.#", "test_surge"},
    };
    ASSERT_EQ(std::size(expected), kFieldCount);
    for (const auto& e : expected) {
        const TFieldDisplay& display = FieldDisplay(e.field);
        SCOPED_TRACE(std::string(e.caption));
        EXPECT_EQ(display.Field, e.field);
        EXPECT_EQ(display.Caption, e.caption);
        EXPECT_EQ(display.Unit, e.unit);
        EXPECT_EQ(display.Name, e.name);
        if (e.shown == "general") {
            EXPECT_EQ(display.Format, TFieldFormat::General);
        } else if (e.shown == "dash") {
            EXPECT_EQ(display.Format, TFieldFormat::DashOr);
        } else if (e.shown == "text") {
            EXPECT_EQ(display.Format, TFieldFormat::Text);
        } else {
            EXPECT_EQ(display.Format, TFieldFormat::Pattern);
            EXPECT_EQ(PatternFromText(e.shown), display.Pattern);
        }
    }
}

TEST(FieldDisplay, TextsOfAPartAsTheDetailsPanelShowsThem) {
    TPartNoInfo part;
    part.CaseSize = "D";
    part.Capacitance = 10;
    part.RatedVoltage = 6.3L;
    part.DF = 0;
    part.ESRmax = 25;
    part.DCLmax = 47.25L;
    part.Pocitane.Derating = 42.857142857L;
    part.Pocitane.TestSurge = 0.67L;
    part.Pocitane.AppSurge = 2;
    part.Pocitane.FIT[kTemperature25] = 0.34L;
    part.Pocitane.FailureRate[kTemperature25] = 0.000123L;
    part.Pocitane.DCL[kTemperatureTop] = 1.8125L;
    part.Pocitane.Irms[kTemperature25] = 707.1067L;
    const struct {
        TField field;
        std::size_t t;
        std::string_view text;
    } expected[] = {
        {TField::CaseSize, 1, "D"},
        {TField::Capacitance, 1, "10"},
        {TField::RatedVoltage, 1, "6,3"},
        {TField::DF, 1, "-"},
        {TField::ESRmax, 1, "0,025"},
        {TField::DCLmax, 1, "47,3"},
        {TField::Derating, 1, "42,9"},
        {TField::TestSurge, 1, "0,7"},
        {TField::AppSurge, 1, "2"},
        {TField::FIT, kTemperature25, "0,34"},
        {TField::FailureRate, kTemperature25, "1,2e-4"},
        {TField::DCLtypical, kTemperatureTop, "1,81"},
        {TField::Irms, kTemperature25, "707"},
    };
    for (const auto& e : expected) {
        EXPECT_EQ(FieldText(e.field, part, tvKEL, e.t, ","), e.text) << e.text;
    }
    part.DF = 6;
    EXPECT_EQ(FieldText(TField::DF, part, tvKEL, 1, ","), "6");
    EXPECT_EQ(FieldText(TField::Dimension, part, tvKEL, 1), CaseDimensions(tvKEL, "D"));
    part.CaseSize.clear();
    EXPECT_EQ(FieldText(TField::Dimension, part, tvKEL, 1), "");
}

TEST(FieldDisplay, TheTopTemperatureOfEachSeries) {
    EXPECT_EQ(TopTemperatureCaption(tvWIR), "105");
    EXPECT_EQ(TopTemperatureCaption(tvKWG), "175");
    for (const TTypVyrobku series : {tvAll, tvKEL, tvKMD, tvKYD}) {
        EXPECT_EQ(TopTemperatureCaption(series), "125");
    }
    // Index 5 holds the top values; 4 and 6 are captions only.
    const struct {
        TTypVyrobku series;
        std::size_t at105, at125, at175;
    } cases[] = {{tvWIR, 5, 7, 7}, {tvKWG, 7, 7, 5}, {tvKEL, 7, 5, 7}};
    for (const auto& c : cases) {
        EXPECT_EQ(ValueIndexAt(c.series, 4), c.at105);
        EXPECT_EQ(ValueIndexAt(c.series, 5), c.at125);
        EXPECT_EQ(ValueIndexAt(c.series, 6), c.at175);
        for (std::size_t t = 0; t < 4; ++t) {
            EXPECT_EQ(ValueIndexAt(c.series, t), t);
        }
    }
    EXPECT_EQ(CaptionIndexOf(tvWIR, 5), 4U);
    EXPECT_EQ(CaptionIndexOf(tvKWG, 5), 6U);
    EXPECT_EQ(CaptionIndexOf(tvKEL, 5), 5U);
}

} // namespace
} // namespace dorvanta
