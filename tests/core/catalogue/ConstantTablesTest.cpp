// The constant tables of the evaluation and the catalogue, one table test per
// family. Every expected value is typed from the maker's published tables;
// none is read back from the program's own arrays, so that a slip in any one
// constant (a cell, a series' factor or surge rule) fails a test here.

#include "core/catalogue/Series.h"
#include "core/catalogue/untKonstanty.h"
#include "core/engine/Evaluation.h"

#include "tests/support/CatalogueFixture.h"
#include "tests/support/PublishedTables.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>

namespace dorvanta {
namespace {

using testing::Application;
using testing::Entry;
using testing::Group;
using testing::kPublishedSeries;
using testing::PublishedPower;
using testing::SeriesRow;
using testing::Surge;

// The published test surge: Vr × a / (ESR in ohm + Rt).
Real PublishedTestSurge(Surge rule, Real vr, Real esrOhm) {
    switch (rule) {
    case Surge::KMD:
        return vr * 0.5L / (esrOhm + 0.45L);
    case Surge::Microchip:
        return vr * 0.7337L / (esrOhm + 1);
    case Surge::Standard:
        break;
    }
    return vr * 1.1L / (esrOhm + 0.45L);
}

// The published circuit-resistance factor, u limited to [0.1, 3].
Real PublishedK(Real u) {
    u = std::min(std::max(u, 0.1L), 3.0L);
    return 0.0476L * std::pow(u, 4) - 0.4127L * std::pow(u, 3) + 1.3273L * u * u - 1.9158L * u +
           1.1625L;
}

// A case letter for which the group has a power dissipation.
char LetterWithPower(Group group) {
    return group == Group::KYR ? 'A' : 'E';
}

// Relative agreement far tighter than any slip in a constant.
void ExpectClose(Real actual, Real expected, const std::string& what) {
    EXPECT_NEAR(actual, expected, std::fabs(expected) * 1e-12L + 1e-300L) << what;
}

// The evaluated indices -55, 25, 40, 85 and top, with the published
// multipliers of each family at those temperatures (the top one per series).
constexpr std::size_t kIndices[] = {0, 1, 2, 3, 5};

// One made-up part per series, evaluated where every rule shows: u inside its
// range (0.5 ohm/V), Va above a ninth of Vr, an application surge below Imax.
TEST(SeriesRules, EveryPublishedFactorOfEverySeries) {
    const Real vr = 10;
    const Real esr = 1500; // milliohm
    const Real dclMax = 4;
    const Real df = 12;
    const Real va = 4;
    const Real resistance = 0.5L; // u = (1.5 + 0.5) / 4 = 0.5
    const Real imax = 100;
    for (const SeriesRow& row : kPublishedSeries) {
        const std::string name(SeriesValueName(row.series));
        SCOPED_TRACE(name);
        const char letter = LetterWithPower(row.group);
        const std::string partNumber = std::string(row.code) + letter + "106*010#";
        ASSERT_EQ(SeriesOf(partNumber), row.series);
        TPartNoInfo c;
        ASSERT_TRUE(
            EvaluatePart(Entry(partNumber, std::string(1, letter), "10", "10", "4", "12", "1500"),
                         c, Application(resistance, imax, va)));
        const TPocitaneInfo& p = c.Pocitane;

        EXPECT_EQ(TopTemperature(row.series), row.topTemperature);
        EXPECT_EQ(
            TemperatureCaptions[static_cast<std::size_t>(TopTemperatureCaptionIndex(row.series))],
            std::to_string(row.topTemperature));
        EXPECT_EQ(c.DF, row.keepsDF ? df : 0) << "DF";

        // Ripple: 1000 × √(P / R), then 1, 1, 0.975, 0.9 and the top factor.
        const Real irms25 = 1000 * std::sqrt(PublishedPower(row.group, letter) / (esr / 1000));
        const Real irmsFactors[] = {1, 1, 0.975L, 0.9L, row.irmsTop};
        // Failure rate: the base at 85 °C times 0.02, 0.06, 0.1, 1 and the top factor.
        const Real u = (esr / 1000 + resistance) / va;
        const Real rate85 =
            std::exp(9.7292L * va / vr) * 0.00006L * PublishedK(u) * row.failureRateFactor;
        const Real rateFactors[] = {0.02L, 0.06L, 0.1L, 1, row.failureRateTop};
        // Leakage: d / 10, d, 1.7 d, 7 d and the top factor.
        const Real dcl25 = (va / vr * 1.125L - 0.125L) * dclMax;
        const Real dclFactors[] = {0.1L, 1, 1.7L, 7, row.dclTop};
        for (std::size_t i = 0; i < std::size(kIndices); ++i) {
            const std::size_t t = kIndices[i];
            const std::string at = " at index " + std::to_string(t);
            ExpectClose(p.Irms[t], irms25 * irmsFactors[i], "Irms" + at);
            ExpectClose(p.Vrms[t], irms25 * irmsFactors[i] * esr / 1000, "Vrms" + at);
            const Real rate = rate85 * rateFactors[i];
            ExpectClose(p.FailureRate[t], rate, "FailureRate" + at);
            ExpectClose(p.FIT[t], rate * 10000, "FIT" + at);
            ExpectClose(p.MTBF[t], 100000 / rate / 24 / 365, "MTBF" + at);
            ExpectClose(p.DCL[t], dcl25 * dclFactors[i], "DCL" + at);
        }
        EXPECT_EQ(p.Irms[4], 0);
        EXPECT_EQ(p.Irms[6], 0);
        ExpectClose(p.Derating, (1 - va / vr) * 100, "Derating");
        ExpectClose(p.TestSurge, PublishedTestSurge(row.surge, vr, esr / 1000), "TestSurge");
        ExpectClose(p.AppSurge, va / (esr / 1000), "AppSurge");
    }
}

// The published table, cell by cell, for every series through its group.
TEST(PowerDissipation, EveryCellOfThePublishedTableForEverySeries) {
    for (const SeriesRow& row : kPublishedSeries) {
        for (char letter = 'A'; letter <= 'Z'; ++letter) {
            EXPECT_EQ(PowerDissipation(row.series, letter), PublishedPower(row.group, letter))
                << SeriesValueName(row.series) << " " << letter;
        }
        for (const char other : {'a', 'e', 'z', '0', '6', '@', '[', ' '}) {
            EXPECT_EQ(PowerDissipation(row.series, other), 0)
                << SeriesValueName(row.series) << " '" << other << "'";
        }
    }
}

// The ripple current of every cell follows the published formula, so that a
// cell reaches the candidate as printed.
TEST(RippleCurrent25, IsTheFormulaOfEveryPublishedCell) {
    for (const SeriesRow& row : kPublishedSeries) {
        for (char letter = 'A'; letter <= 'Z'; ++letter) {
            const Real expected = 1000 * std::sqrt(PublishedPower(row.group, letter) / 0.25L);
            ExpectClose(RippleCurrent25(row.series, letter, 250), expected,
                        std::string(SeriesValueName(row.series)) + " " + letter);
        }
    }
}

// ---------------------------------------------------------------------------
// The dimension tables, every letter 'A' to 'Y'; "" for an empty entry.

// clang-format off
const std::map<char, std::string> kPublishedDimensions = {
    {'A', "3.2±0.2 x 1.6+0.2-0.1 x 1.6+0.2-0.1"},
    {'B', "3.5±0.2 x 2.8+0.2-0.1 x 1.9+0.2-0.1"},
    {'C', "6±0.2 x 3.2+0.2-0.1 x 2.6+0.2-0.1"},
    {'D', "7.3±0.2 x 4.3+0.2-0.1 x 2.9+0.2-0.1"},
    {'E', "7.3±0.2 x 4.3+0.2-0.1 x 4.1+0.2-0.1"},
    {'P', "2.05±0.2 x 1.3+0.2-0.1 x 1.35+0.2-0.1"},
    {'Q', "2±0.2 x 1.25+0.2-0.1 x 1.2 H max"},
    {'R', "2.05±0.2 x 1.3+0.2-0.1 x 1.2 H max"},
    {'S', "3.2±0.2 x 1.6+0.2-0.1 x 1.2 H max"},
    {'T', "3.5±0.2 x 2.8+0.2-0.1 x 1.2 H max"},
    {'V', "7.3±0.2 x 6.1+0.2-0.1 x 3.45±0.3"},
    {'W', "6±0.2 x 3.2+0.2-0.1 x 1.5 H max"},
    {'X', "7.3±0.2 x 4.3+0.2-0.1 x 1.5 H max"},
    {'Y', "7.3±0.2 x 4.3+0.2-0.1 x 2.0 H max"},
};
const std::map<char, std::string> kPublishedKyrDimensions = {
    {'A', "3.2±0.2 x 1.6±0.2 x 1.6±0.2"},
    {'H', "2.0+0.25-0.15 x 1.35+0.2-0.1 x 1.0 H max"},
    {'K', "1.0+0.2-0 x 0.5+0.2-0 x 0.5+0.2-0"},
    {'L', "1.6+0.25-0.15 x 0.85+0.2-0.1 x 0.85+0.2-0.1"},
    {'R', "2.0+0.25-0.15 x 1.35+0.2-0.1 x 1.35+0.2-0.1"},
    {'U', "2.0+0.25-0.15 x 1.35+02-0.1 x 0.5±0.1"},
    {'X', "3.0+0.1-0.1 x 1.45+0.1-0.1 x 1.45+0.1-0.1"},
};
// clang-format on

std::string Published(const std::map<char, std::string>& table, char letter) {
    const auto it = table.find(letter);
    return it == table.end() ? std::string() : it->second;
}

TEST(CaseDimensions, EveryTextOfBothPublishedTables) {
    for (const SeriesRow& row : kPublishedSeries) {
        const auto& table = row.series == tvKYR ? kPublishedKyrDimensions : kPublishedDimensions;
        for (char letter = 'A'; letter <= 'Y'; ++letter) {
            EXPECT_EQ(CaseDimensions(row.series, std::string(1, letter)), Published(table, letter))
                << SeriesValueName(row.series) << " " << letter;
        }
    }
    for (char letter = 'A'; letter <= 'Y'; ++letter) {
        const auto index = static_cast<std::size_t>(letter - 'A');
        EXPECT_EQ(CaseSizeDimensions[index], Published(kPublishedDimensions, letter)) << letter;
        EXPECT_EQ(KYRCaseSizeDimensions[index], Published(kPublishedKyrDimensions, letter))
            << letter;
    }
}

// ---------------------------------------------------------------------------
// The series' display names, in the order of the enumeration.

TEST(SeriesNames, EveryPublishedDisplayName) {
    const char* const published[kSeriesCount] = {
        "all",
        "KRB Generic and Low Profile Tantalum",
        "KMD High CV Tantalum",
        "KSF Professional Tantalum",
        "KWG High Temperature and Reliability",
        "KEL Low ESR Tantalum",
        "KEQ Multianode Tantalum",
        "KUB Tantalum Conductive Polymer",
        "KOZ Fused Cap",
        "WIR Niobium Oxide",
        "WIE Low ESR Niobium Oxide",
        "WIQ Low ESR Multianodes",
        "KYR Tantalum Microchips",
        "KYD High CV Tantalum Microchips",
        "KYE Low ESR Microchips",
        "KYF Tantalum Medical Microchips",
    };
    ASSERT_EQ(SeriesNames.size(), std::size(published));
    for (std::size_t i = 0; i < SeriesNames.size(); ++i) {
        EXPECT_EQ(SeriesNames[i], published[i]) << "entry " << i;
    }
}

} // namespace
} // namespace dorvanta
