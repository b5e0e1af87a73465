#include "core/engine/Evaluation.h"

#include "core/record/Extended.h"
#include "tests/support/CatalogueFixture.h"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <string>
#include <vector>

namespace dorvanta {
namespace {

using testing::Application;
using testing::Entry;
using testing::FiveDigits;

// The evaluated indices -55, 25, 40, 85 and top.
constexpr std::array<std::size_t, 5> kEvaluated = {0, 1, 2, 3, 5};

// Expected values at the five evaluated temperatures.
using Five = std::array<Real, 5>;

void ExpectFive(const TTemperatureValues& actual, const Five& expected, const char* name) {
    for (std::size_t i = 0; i < kEvaluated.size(); ++i) {
        EXPECT_NEAR(actual[kEvaluated[i]], expected[i], FiveDigits(expected[i]))
            << name << " at temperature index " << kEvaluated[i];
    }
}

void ExpectValue(Real actual, Real expected, const char* name) {
    EXPECT_NEAR(actual, expected, FiveDigits(expected)) << name;
}

TPartNoInfo Evaluated(const TPartNoRecord& entry, const TVstupniUdaje& data) {
    TPartNoInfo candidate;
    EXPECT_TRUE(EvaluatePart(entry, candidate, data)) << entry.PartNumber.view();
    return candidate;
}

TEST(EvaluatePart, KelWorkedExampleAtEveryTemperature) {
    const TPartNoInfo c = Evaluated(testing::KELD106(), Application(0.11L, 10, 20));
    const TPocitaneInfo& p = c.Pocitane;
    EXPECT_EQ(c.CaseSize, "D");
    EXPECT_EQ(c.Capacitance, 10);
    EXPECT_EQ(c.RatedVoltage, 35);
    EXPECT_EQ(c.DCLmax, 3.5L);
    EXPECT_EQ(c.DF, 6);
    EXPECT_EQ(c.ESRmax, 300);
    ExpectFive(p.Irms, {707.11L, 707.11L, 689.43L, 636.40L, 282.84L}, "Irms");
    ExpectFive(p.Vrms, {212.13L, 212.13L, 206.83L, 190.92L, 84.853L}, "Vrms");
    ExpectFive(p.FailureRate, {0.00030659L, 0.00091977L, 0.0015330L, 0.015330L, 0.38324L},
               "FailureRate");
    ExpectFive(p.FIT, {3.0659L, 9.1977L, 15.330L, 153.30L, 3832.4L}, "FIT");
    ExpectFive(p.MTBF, {37234, 12411, 7446.7L, 744.67L, 29.787L}, "MTBF");
    ExpectFive(p.DCL, {0.18125L, 1.8125L, 3.08125L, 12.6875L, 23.5625L}, "DCL");
    ExpectValue(p.Derating, 42.857L, "Derating");
    ExpectValue(p.TestSurge, 51.333L, "TestSurge");
    EXPECT_EQ(p.AppSurge, 10); // Imax is the smaller
}

struct PointCase {
    const char* name;
    const TTemperatureValues& (*array)(const TPocitaneInfo&);
    std::size_t index;
    Real expected;
};

const TTemperatureValues& Irms(const TPocitaneInfo& p) {
    return p.Irms;
}
const TTemperatureValues& Vrms(const TPocitaneInfo& p) {
    return p.Vrms;
}
const TTemperatureValues& Rate(const TPocitaneInfo& p) {
    return p.FailureRate;
}
const TTemperatureValues& Mtbf(const TPocitaneInfo& p) {
    return p.MTBF;
}
const TTemperatureValues& Dcl(const TPocitaneInfo& p) {
    return p.DCL;
}

struct ExampleCase {
    TPartNoRecord entry;
    TVstupniUdaje data;
    std::vector<PointCase> points;
    Real derating; // NaN: not given
    Real testSurge;
    Real appSurge;
    Real df;
};

constexpr Real kNotGiven = std::numeric_limits<Real>::quiet_NaN();

TEST(EvaluatePart, SeriesRulesOfTheWorkedExamples) {
    const ExampleCase cases[] = {
        // KMD: failure-rate factor 0.2 × 154, the KMD surge rule, no DF.
        {testing::KMDB157(),
         Application(1, 2, 5),
         {{"Irms", Irms, 1, 412.31L},
          {"Irms", Irms, 5, 164.92L},
          {"FailureRate", Rate, 3, 0.16683L},
          {"FailureRate", Rate, 5, 4.1707L},
          {"MTBF", Mtbf, 5, 2.7371L},
          {"DCL", Dcl, 1, 6.5625L}},
         50,
         5.2632L,
         2,
         0},
        // KWG: top 175 °C with Irms factor 0.2, failure rate × 900, DCL × 20.
        {testing::KWGC155(),
         Application(10, 0.5L, 20),
         {{"Irms", Irms, 1, 156.35L},
          {"Irms", Irms, 5, 31.269L},
          {"FailureRate", Rate, 3, 0.0025484L},
          {"FailureRate", Rate, 5, 2.2935L},
          {"DCL", Dcl, 5, 5.1786L}},
         kNotGiven,
         7.7778L,
         kNotGiven,
         4},
        // KYR: its own power group and the microchip surge rule.
        {testing::KYRA336(),
         Application(0.11L, 1, 5),
         {{"Irms", Irms, 1, 200}, {"Vrms", Vrms, 1, 200}},
         kNotGiven,
         3.6685L,
         kNotGiven,
         6},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.entry.PartNumber.view()));
        const TPartNoInfo candidate = Evaluated(c.entry, c.data);
        for (const auto& point : c.points) {
            EXPECT_NEAR(point.array(candidate.Pocitane)[point.index], point.expected,
                        FiveDigits(point.expected))
                << point.name << "[" << point.index << "]";
        }
        if (!std::isnan(c.derating)) {
            ExpectValue(candidate.Pocitane.Derating, c.derating, "Derating");
        }
        ExpectValue(candidate.Pocitane.TestSurge, c.testSurge, "TestSurge");
        if (!std::isnan(c.appSurge)) {
            ExpectValue(candidate.Pocitane.AppSurge, c.appSurge, "AppSurge");
        }
        EXPECT_EQ(candidate.DF, c.df);
    }
}

TEST(EvaluatePart, NeverWritesTheCaptionOnlyIndices) {
    // Va at half the rated voltage, so that every value is non-zero.
    const struct {
        TPartNoRecord entry;
        Real va;
    } cases[] = {{testing::KELD106(), 17.5L},
                 {testing::KWGC155(), 17.5L},
                 {Entry("WIRA476M001#", "A", "47", "1.8", "1.7", "8", "1600"), 0.9L},
                 {Entry("WIEA476M004#", "A", "47", "4", "1.7", "8", "1600"), 2}};
    for (const auto& c : cases) {
        const TPartNoInfo candidate = Evaluated(c.entry, Application(0.11L, 10, c.va));
        const TPocitaneInfo& p = candidate.Pocitane;
        for (const auto* array : {&p.Irms, &p.Vrms, &p.FailureRate, &p.FIT, &p.MTBF, &p.DCL}) {
            EXPECT_EQ((*array)[4], 0) << c.entry.PartNumber.view();
            EXPECT_EQ((*array)[6], 0) << c.entry.PartNumber.view();
            EXPECT_NE((*array)[5], 0) << c.entry.PartNumber.view();
        }
    }
}

TEST(EvaluatePart, DropsTheDissipationFactorOfKmdAndKyd) {
    const struct {
        const char* partNumber;
        Real df;
    } cases[] = {{"KMDB157M010#", 0},
                 {"KYDZ106M004#", 0},
                 {"KYEB157M010#", 30},
                 {"KELB157M010#", 30},
                 {"XXXB157M010#", 30}};
    for (const auto& c : cases) {
        const TPartNoInfo candidate = Evaluated(
            Entry(c.partNumber, "B", "150", "10", "15", "30", "500"), Application(1, 2, 5));
        EXPECT_EQ(candidate.DF, c.df) << c.partNumber;
    }
}

TEST(EvaluatePart, ACaseLetterWithoutPowerGivesNoRippleButTheRest) {
    const TPartNoRecord entries[] = {Entry("KYRC336*010#", "C", "33", "10"),
                                     Entry("KMX6108*010#", "6", "1000", "10"),
                                     Entry("KELd106*035#", "d", "10", "35")};
    for (const auto& entry : entries) {
        const TPartNoInfo c = Evaluated(entry, Application(0.11L, 1, 5));
        for (const std::size_t t : kEvaluated) {
            EXPECT_EQ(c.Pocitane.Irms[t], 0) << entry.PartNumber.view();
            EXPECT_EQ(c.Pocitane.Vrms[t], 0) << entry.PartNumber.view();
            EXPECT_GT(c.Pocitane.FailureRate[t], 0) << entry.PartNumber.view();
        }
        EXPECT_GT(c.Pocitane.TestSurge, 0);
    }
}

TEST(EvaluatePart, ClampsTheCircuitResistanceFactor) {
    // k = FailureRate[85] / (exp(9.7292 Va / Vr) × 0.00006) for a series without factor.
    const struct {
        Real resistance;
        Real va;
        Real k;
    } cases[] = {
        {0, 20, 0.98379L},    // u = 0.05 / 20, below 0.1
        {0.05L, 1, 0.98379L}, // u = 0.1 exactly
        {100, 1, 0.0735L},    // u = 100, above 3
        {2.95L, 1, 0.0735L},  // u = 3 exactly
    };
    for (const auto& c : cases) {
        const TPartNoInfo candidate =
            Evaluated(Entry("KELD106*035#", "D", "10", "35", "1", "6", "50"),
                      Application(c.resistance, 10, c.va));
        const Real k =
            candidate.Pocitane.FailureRate[3] / (std::exp(9.7292L * c.va / 35) * 0.00006L);
        EXPECT_NEAR(k, c.k, FiveDigits(c.k)) << c.resistance << " ohm at " << c.va << " V";
    }
}

TEST(EvaluatePart, NoLeakageUpToANinthOfTheRatedVoltage) {
    for (const Real va : {0.5L, 1.0L}) {
        const TPartNoInfo c =
            Evaluated(Entry("KELD106*009#", "D", "10", "9", "3.5"), Application(1, 1, va));
        for (const std::size_t t : kEvaluated) {
            EXPECT_EQ(c.Pocitane.DCL[t], 0) << va << " V at index " << t;
        }
    }
    const TPartNoInfo atRated =
        Evaluated(Entry("KELD106*009#", "D", "10", "9", "3.5"), Application(1, 1, 9));
    EXPECT_EQ(atRated.Pocitane.DCL[1], 3.5L);
}

TPartNoRecord WithRawField(TPartNoRecord entry, TExtended TPartNoRecord::*field, Real value) {
    entry.*field = TExtended::from(value);
    return entry;
}

TEST(EvaluatePart, FailsAsAWholeOnArithmeticFaultsAndAnEmptyCaseCode) {
    constexpr Real kInf = std::numeric_limits<Real>::infinity();
    constexpr Real kNaN = std::numeric_limits<Real>::quiet_NaN();
    constexpr Real kTiny = std::numeric_limits<Real>::denorm_min();
    const TPartNoRecord kel = testing::KELD106();
    const TVstupniUdaje app = Application(0.11L, 10, 20);
    const struct {
        const char* why;
        TPartNoRecord entry;
        TVstupniUdaje data;
    } cases[] = {
        {"ESR 0 (power / 0)", WithRawField(kel, &TPartNoRecord::ESRmax, 0), app},
        {"ESR 0 without power (0 / 0)", Entry("KYRC336*010#", "C", "33", "10", "1", "6", "0"), app},
        {"ESR so small that ESR / 1000 is 0", WithRawField(kel, &TPartNoRecord::ESRmax, kTiny),
         app},
        {"negative ESR (root of a negative)", WithRawField(kel, &TPartNoRecord::ESRmax, -300), app},
        {"rated voltage 0", WithRawField(kel, &TPartNoRecord::RatedVoltage, 0), app},
        {"Va 0", kel, Application(0.11L, 10, 0)},
        {"exponential beyond the range of Real", WithRawField(kel, &TPartNoRecord::RatedVoltage, 1),
         Application(0.11L, 10, 1200)},
        {"failure rate underflows to 0", kel, Application(0.11L, 10, -1e6L)},
        // KWG: FailureRate[top] about 1E4928 is finite, its FIT (× 10000) is not.
        {"FIT beyond the range of Real",
         WithRawField(testing::KWGC155(), &TPartNoRecord::RatedVoltage, 1),
         Application(0.11L, 10, 1166.8L)},
        // FailureRate[-55] about 1E-4932 is not 0, its MTBF is beyond the range.
        {"MTBF beyond the range of Real", WithRawField(kel, &TPartNoRecord::RatedVoltage, 1),
         Application(0.11L, 10, -1166)},
        {"infinite capacitance", WithRawField(kel, &TPartNoRecord::Capacitance, kInf), app},
        {"NaN DF", WithRawField(kel, &TPartNoRecord::DF, kNaN), app},
        {"NaN DCLmax", WithRawField(kel, &TPartNoRecord::DCLmax, kNaN), app},
        {"infinite Imax", kel, Application(0.11L, kInf, 20)},
        // No power for C, so only Va / ESR leaves the range of Real.
        {"surge beyond the range hidden by the Imax limit",
         WithRawField(
             WithRawField(Entry("KYRC336*010#", "C", "33", "10"), &TPartNoRecord::ESRmax, 1e-4930L),
             &TPartNoRecord::RatedVoltage, 1e4930L),
         Application(0.11L, 10, 1e4930L)},
        {"empty case code", Entry("KELD106*035#0300", "", "10", "35", "3.5", "6", "300"), app},
    };
    for (const auto& c : cases) {
        TPartNoInfo candidate;
        EXPECT_FALSE(EvaluatePart(c.entry, candidate, c.data)) << c.why;
    }
}

TEST(EvaluatePart, ReusedCandidateGivesTheSameValuesAsANewOne) {
    TPartNoInfo reused;
    ASSERT_TRUE(EvaluatePart(testing::KWGC155(), reused, Application(10, 0.5L, 20)));
    TPartNoInfo failed = reused;
    ASSERT_FALSE(EvaluatePart(WithRawField(testing::KELD106(), &TPartNoRecord::RatedVoltage, 0),
                              failed, Application(0.11L, 10, 20)));
    ASSERT_TRUE(EvaluatePart(testing::KELD106(), failed, Application(0.11L, 10, 20)));
    EXPECT_EQ(failed, Evaluated(testing::KELD106(), Application(0.11L, 10, 20)));
}

TEST(PowerDissipation, LooksUpTheGroupOfTheSeries) {
    const struct {
        TTypVyrobku series;
        char letter;
        Real watts;
    } cases[] = {
        {tvAll, 'A', 0.075L}, {tvKEL, 'V', 0.25L},  {tvKEQ, 'D', 0.255L}, {tvKEQ, 'A', 0},
        {tvWIR, 'E', 0.198L}, {tvWIE, 'B', 0.102L}, {tvWIQ, 'E', 0.324L}, {tvWIQ, 'D', 0},
        {tvKYR, 'K', 0.015L}, {tvKYR, 'C', 0},      {tvKYD, 'Y', 0.125L}, {tvKRB, 'Z', 0},
        {tvKEQ, 'Z', 0.3L},   {tvKRB, 'I', 0},      {tvKRB, 'a', 0},      {tvKRB, '6', 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PowerDissipation(c.series, c.letter), c.watts)
            << SeriesValueName(c.series) << " " << c.letter;
    }
    EXPECT_NEAR(RippleCurrent25(tvKEL, 'D', 300), 707.11L, FiveDigits(707.11L));
    EXPECT_EQ(RippleCurrent25(tvKYR, 'C', 1000), 0);
}

TEST(TopTemperature, IsThatOfTheSeries) {
    EXPECT_EQ(TopTemperature(tvKWG), 175);
    EXPECT_EQ(TopTemperature(tvWIR), 105);
    EXPECT_EQ(TopTemperature(tvWIE), 125);
    EXPECT_EQ(TopTemperature(tvAll), 125);
}

} // namespace
} // namespace dorvanta
