#include "core/review/PartsListCheck.h"

#include "core/engine/Evaluation.h"
#include "tests/support/CatalogueFixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace dorvanta {
namespace {

using testing::Entry;
using testing::FiveDigits;

// The circuit of the examples: Va 5 V, Imax 10 A, Rs 0.1 ohm, Rl 0.01 ohm.
TCheckOptions Options(bool closestMatchPasses = false, int temperature = kTemperature85) {
    TCheckOptions options;
    options.Defaults = {0.1L, 0.01L, 10, 5};
    options.ClosestMatchPasses = closestMatchPasses;
    options.TemperatureIndex = temperature;
    return options;
}

// One entry per verdict at the example circuit; the comments give the
// figures that decide it (standard surge rule: TestSurge = Vr × 1.1 / (ESR +
// 0.45 ohm); AppSurge = min(Va / ESR, Imax)).
std::vector<TPartNoRecord> VerdictCatalogue() {
    return {
        // Vr 35 >= 6.06; TestSurge 51.3 A >= AppSurge 10 A
        Entry("KELD106*035#0300", "D", "10", "35", "3.5", "6", "300"),
        // Vr 4 < 5 / 0.825
        Entry("KRBA106*004#", "A", "10", "4", "1", "6", "3000"),
        // TestSurge 7.29 A; 1.15 × 7.29 = 8.39 A < AppSurge 10 A
        Entry("KRBB476*006#", "B", "47", "6.3", "3", "6", "500"),
        // TestSurge 9.24 A < AppSurge 10 A <= 1.15 × 9.24 = 10.63 A
        Entry("KRBC226*006#", "C", "22", "6.3", "1.4", "6", "300"),
        // an ESR of 0 makes the evaluation fail
        Entry("KRBA105*010#", "A", "1", "10", "0.5", "6", "0"),
        // KMD rule: TestSurge 3.32 A >= AppSurge 1 A (Imax 1 A on its line);
        // derating 20.6 % is below the 50 % the series needs at 85 °C
        Entry("KMDB157M006#0500", "B", "150", "6.3", "15", "30", "500"),
        // twins: with ESR 300 as above; with ESR 5000 TestSurge 1.27 A
        // against AppSurge = Va / ESR = 1 A
        Entry("KRBA225*006#", "A", "2.2", "6.3", "0.5", "6", "300"),
        Entry("KRBA225*006#", "A", "2.2", "6.3", "0.5", "6", "5000"),
    };
}

TPartsListLine Line(std::size_t number, std::string partNumber, TLineApplication application = {}) {
    TPartsListLine line;
    line.Line = number;
    line.Designators = {"C" + std::to_string(number)};
    line.PartNumber = std::move(partNumber);
    line.Application = application;
    return line;
}

TPartsListLine BadLine(std::size_t number, std::string reason) {
    TPartsListLine line = Line(number, "");
    line.Error = std::move(reason);
    return line;
}

TPartsList List(std::vector<TPartsListLine> lines) {
    TPartsList list;
    list.Lines = std::move(lines);
    return list;
}

TEST(PartsListCheck, EveryVerdict) {
    const std::vector<TPartNoRecord> catalogue = VerdictCatalogue();
    TLineApplication oneAmp;
    oneAmp.Imax = 1;
    const TPartsList list = List({
        Line(2, "KELD106K035R0300"),
        Line(3, "KRBA106K004R"),
        Line(4, "KRBB476K006R"),
        Line(5, "KRBC226M006T"),
        Line(6, "KRBA105K010R"),
        Line(7, "KMDB157M006R0500", oneAmp),
        Line(8, "RC0603FR-0710KL"),
        BadLine(9, "Va is not a number: \"5V\""),
    });
    const TPartsListReview review = CheckPartsList(list, catalogue, Options());
    struct Expected {
        TVerdict verdict;
        std::string_view code;
        std::string_view message;
    };
    const std::vector<Expected> expected = {
        {TVerdict::Recommended, "recommended", "recommended"},
        {TVerdict::Voltage, "voltage", "voltage derating below 17.5 %"},
        {TVerdict::Surge, "surge", "surge current above test surge"},
        {TVerdict::ClosestMatch, "closest_match",
         "accepted only as closest match (surge \u2264 115 % of test surge)"},
        {TVerdict::CannotEvaluate, "cannot_evaluate", "cannot be evaluated"},
        {TVerdict::Recommended, "recommended", "KMD/KYD derating note at 85 \u00B0C"},
        {TVerdict::NotInCatalogue, "not_in_catalogue", "not in catalogue"},
        {TVerdict::BadLine, "bad_line", "bad line: Va is not a number: \"5V\""},
    };
    ASSERT_EQ(review.Lines.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const TCheckedLine& line = review.Lines[i];
        SCOPED_TRACE(line.PartNumber);
        EXPECT_EQ(line.Line, i + 2);
        EXPECT_EQ(line.Verdict, expected[i].verdict);
        EXPECT_EQ(VerdictCode(line.Verdict), expected[i].code);
        EXPECT_EQ(line.Message, expected[i].message);
    }
    EXPECT_FALSE(review.Lines[4].Matches.at(0).Info.has_value());
    EXPECT_TRUE(review.Lines[5].Matches.at(0).DeratingNote);
    EXPECT_FALSE(review.Lines[0].Matches.at(0).DeratingNote);
    EXPECT_TRUE(review.Lines[6].Matches.empty());
    EXPECT_EQ(review.Lines[1].Matches.at(0).PartNumber, "KRBA106*004#");

    const TCheckSummary& summary = review.Summary;
    EXPECT_EQ(summary.Lines, 8U);
    EXPECT_EQ(summary.Recommended, 2U);
    EXPECT_EQ(summary.NotRecommended, 4U);
    EXPECT_EQ(summary.NotInCatalogue, 1U);
    EXPECT_EQ(summary.Bad, 1U);
    EXPECT_EQ(summary.Count(TVerdict::Recommended), 2U);
    EXPECT_EQ(summary.Count(TVerdict::ClosestMatch), 1U);
    EXPECT_EQ(ReviewExitStatus(review), 3);
}

// The closest-match verdict stays; the flag decides only whether it passes.
TEST(PartsListCheck, ClosestMatchFlagDecidesPassing) {
    const std::vector<TPartNoRecord> catalogue = VerdictCatalogue();
    const TPartsList list =
        List({Line(2, "KELD106K035R0300"), Line(3, "KRBC226K006R"), Line(4, "LM317")});
    for (const bool passes : {false, true}) {
        SCOPED_TRACE(passes);
        const TPartsListReview review = CheckPartsList(list, catalogue, Options(passes));
        EXPECT_EQ(review.Lines[1].Verdict, TVerdict::ClosestMatch);
        EXPECT_EQ(review.Summary.Recommended, passes ? 2U : 1U);
        EXPECT_EQ(review.Summary.NotRecommended, passes ? 0U : 1U);
        EXPECT_EQ(ReviewExitStatus(review), passes ? 0 : 3);
    }
}

// Without a positive Imax and Va, as in every search run, nothing is
// evaluated and no replacements are searched.
TEST(PartsListCheck, CircuitWithoutSurgeOrVoltageCannotBeEvaluated) {
    const std::vector<TPartNoRecord> catalogue = VerdictCatalogue();
    for (const TCircuit& circuit : {TCircuit{0.1L, 0.01L, 0, 5}, TCircuit{0.1L, 0.01L, 10, 0}}) {
        TCheckOptions options = Options();
        options.Defaults = circuit;
        const TPartsListReview review =
            CheckPartsList(List({Line(2, "KELD106K035R0300")}), catalogue, options);
        EXPECT_EQ(review.Lines.at(0).Verdict, TVerdict::CannotEvaluate);
        EXPECT_TRUE(review.Lines.at(0).Replacements.empty());
        EXPECT_EQ(ReviewExitStatus(review), 3);
    }
}

TEST(PartsListCheck, ExitStatus) {
    const std::vector<TPartNoRecord> catalogue = VerdictCatalogue();
    struct Case {
        std::string_view name;
        std::vector<TPartsListLine> lines;
        int status;
    };
    const std::vector<Case> cases = {
        {"all recommended", {Line(2, "KELD106K035R0300")}, 0},
        {"other makers' parts do not fail", {Line(2, "KELD106K035R0300"), Line(3, "R1K")}, 0},
        {"one not recommended", {Line(2, "KELD106K035R0300"), Line(3, "KRBA106K004R")}, 3},
        {"a bad line", {Line(2, "KELD106K035R0300"), BadLine(3, "unbalanced quote")}, 3},
        {"cannot be evaluated", {Line(2, "KRBA105K010R")}, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ReviewExitStatus(CheckPartsList(List(c.lines), catalogue, Options())), c.status);
    }
}

// Doubled part numbers: both entries are evaluated and the line takes the
// worse verdict; at 1 A both builds are recommended.
TEST(PartsListCheck, TwinsAreAllReported) {
    const std::vector<TPartNoRecord> catalogue = VerdictCatalogue();
    TLineApplication oneAmp;
    oneAmp.Imax = 1;
    const TPartsListReview review = CheckPartsList(
        List({Line(2, "KRBA225K006R"), Line(3, "KRBA225K006R", oneAmp)}), catalogue, Options());
    const TCheckedLine& tenAmps = review.Lines[0];
    ASSERT_EQ(tenAmps.Matches.size(), 2U);
    EXPECT_EQ(tenAmps.Matches[0].Verdict, TVerdict::ClosestMatch);
    EXPECT_EQ(tenAmps.Matches[1].Verdict, TVerdict::Recommended);
    EXPECT_EQ(tenAmps.Matches[0].Info->ESRmax, 300);
    EXPECT_EQ(tenAmps.Matches[1].Info->ESRmax, 5000);
    EXPECT_EQ(tenAmps.Verdict, TVerdict::ClosestMatch);

    const TCheckedLine& oneAmpLine = review.Lines[1];
    ASSERT_EQ(oneAmpLine.Matches.size(), 2U);
    EXPECT_EQ(oneAmpLine.Matches[0].Verdict, TVerdict::Recommended);
    EXPECT_EQ(oneAmpLine.Matches[1].Verdict, TVerdict::Recommended);
    EXPECT_EQ(oneAmpLine.Verdict, TVerdict::Recommended);
}

// A line's own values replace the defaults one by one; the figures are the
// evaluation's for Rs + Rl.
TEST(PartsListCheck, LineCircuitAndFigures) {
    const std::vector<TPartNoRecord> catalogue = VerdictCatalogue();
    TLineApplication twenty;
    twenty.Va = 20;
    TLineApplication thirty;
    thirty.Va = 30;
    thirty.Rs = 1;
    const TPartsListReview review = CheckPartsList(
        List({Line(2, "KELD106K035R0300", twenty), Line(3, "KELD106K035R0300", thirty)}), catalogue,
        Options());
    const TCheckedLine& first = review.Lines[0];
    EXPECT_EQ(first.Application, (TCircuit{0.1L, 0.01L, 10, 20}));
    EXPECT_EQ(first.Verdict, TVerdict::Recommended);
    // the worked example of KELD106*035#0300 at 0.11 ohm, 10 A, 20 V
    const TPartNoInfo& info = *first.Matches.at(0).Info;
    EXPECT_NEAR(info.Pocitane.Derating, 42.857L, FiveDigits(42.857L));
    EXPECT_NEAR(info.Pocitane.TestSurge, 51.333L, FiveDigits(51.333L));
    EXPECT_EQ(info.Pocitane.AppSurge, 10);
    EXPECT_NEAR(info.Pocitane.FIT[kTemperature85], 153.30L, FiveDigits(153.30L));
    EXPECT_NEAR(info.Pocitane.MTBF[kTemperature85], 744.67L, FiveDigits(744.67L));
    EXPECT_NEAR(info.Pocitane.Irms[kTemperature85], 636.40L, FiveDigits(636.40L));

    const TCheckedLine& second = review.Lines[1];
    EXPECT_EQ(second.Application, (TCircuit{1, 0.01L, 10, 30}));
    EXPECT_EQ(second.Verdict, TVerdict::Voltage); // 30 / 0.825 = 36.4 > 35
}

// The derating note of KMD and KYD parts follows the chosen temperature:
// derating 50 % needs no note at 85 °C but one at the top temperature.
TEST(PartsListCheck, DeratingNoteFollowsTheTemperature) {
    const std::vector<TPartNoRecord> catalogue = {
        Entry("KMDB157M010#0500", "B", "150", "10", "15", "30", "500")};
    TLineApplication circuit;
    circuit.Imax = 1;
    const TPartsList list = List({Line(2, "KMDB157M010R0500", circuit)});
    struct Case {
        int temperature;
        bool note;
        std::string_view message;
    };
    const std::vector<Case> cases = {
        {kTemperature25, false, "recommended"},
        {kTemperature85, false, "recommended"},
        {kTemperatureTop, true, "KMD/KYD derating note at 125 \u00B0C"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.temperature);
        const TPartsListReview review =
            CheckPartsList(list, catalogue, Options(false, c.temperature));
        const TCheckedLine& line = review.Lines.at(0);
        EXPECT_EQ(line.Verdict, TVerdict::Recommended);
        EXPECT_EQ(line.Matches.at(0).DeratingNote, c.note);
        EXPECT_EQ(line.Message, c.message);
        EXPECT_EQ(ReviewExitStatus(review), 0);
    }
}

std::vector<TPartNoRecord> ReplacementCatalogue() {
    return {
        Entry("KRBB476*006#", "B", "47", "6.3", "3", "6", "500"),  // surge
        Entry("KRBB476*004#", "B", "47", "4", "1.9", "6", "300"),  // voltage
        Entry("KRBD476*010#", "D", "47", "10", "4.7", "6", "200"), // other case
        Entry("KRBB476*016#", "B", "47", "16", "7.5", "6", "500"),
        Entry("KRBB476*010#", "B", "47", "10", "4.7", "6", "900"),
        Entry("KRBB476*010#0300", "B", "47", "10", "4.7", "6", "300"),
        Entry("KRBB476*025#", "B", "47", "25", "11.8", "6", "500"), // fourth in case B
        Entry("KRBB336*010#", "B", "33", "10", "3.3", "6", "300"),  // other capacitance
        Entry("KRBC686*006#", "C", "68", "6.3", "4.3", "6", "500"), // surge
        Entry("KRBD686*004#", "D", "68", "4", "2.7", "6", "300"),   // voltage
        Entry("KRBD686*010#", "D", "68", "10", "6.8", "6", "300"),
    };
}

std::vector<std::string> PartNumbers(const std::vector<TCheckedPart>& parts) {
    std::vector<std::string> numbers;
    numbers.reserve(parts.size());
    for (const TCheckedPart& part : parts) {
        numbers.push_back(part.PartNumber);
    }
    return numbers;
}

TEST(PartsListCheck, ReplacementsSameCaseFirstThenLowestVoltageThenLowestEsr) {
    const std::vector<TPartNoRecord> catalogue = ReplacementCatalogue();
    const TPartsListReview review = CheckPartsList(
        List({Line(2, "KRBB476K006R"), Line(3, "KRBC686K006R"), Line(4, "KRBB476K016R")}),
        catalogue, Options());
    EXPECT_EQ(review.Lines[0].Verdict, TVerdict::Surge);
    EXPECT_EQ(PartNumbers(review.Lines[0].Replacements),
              (std::vector<std::string>{"KRBB476*010#0300", "KRBB476*010#", "KRBB476*016#"}));
    // no replacement in the same case: the same capacitance in any case
    EXPECT_EQ(review.Lines[1].Verdict, TVerdict::Surge);
    EXPECT_EQ(PartNumbers(review.Lines[1].Replacements),
              (std::vector<std::string>{"KRBD686*010#"}));
    // a recommended line gets none
    EXPECT_EQ(review.Lines[2].Verdict, TVerdict::Recommended);
    EXPECT_TRUE(review.Lines[2].Replacements.empty());
}

// Every replacement, checked as a line of its own for the same circuit, is
// recommended; and it carries the evaluated values of that circuit.
TEST(PartsListCheck, ReplacementsAreThemselvesRecommended) {
    const std::vector<TPartNoRecord> catalogue = ReplacementCatalogue();
    TLineApplication circuit;
    circuit.Va = 4;
    circuit.Imax = 8;
    const TPartsListReview review = CheckPartsList(
        List({Line(2, "KRBB476K006R"), Line(3, "KRBC686K006R"), Line(4, "KRBB476K004R", circuit)}),
        catalogue, Options());
    std::size_t checked = 0;
    for (const TCheckedLine& line : review.Lines) {
        for (const TCheckedPart& replacement : line.Replacements) {
            SCOPED_TRACE(replacement.PartNumber);
            TLineApplication own;
            own.Rs = line.Application.Rs;
            own.Rl = line.Application.Rl;
            own.Imax = line.Application.Imax;
            own.Va = line.Application.Va;
            std::string written = replacement.PartNumber;
            for (char& c : written) {
                c = c == '*' ? 'K' : c == '#' ? 'R' : c;
            }
            const TPartsListReview alone =
                CheckPartsList(List({Line(1, written, own)}), catalogue, Options());
            const TCheckedLine& again = alone.Lines.at(0);
            EXPECT_EQ(replacement.Verdict, TVerdict::Recommended);
            EXPECT_EQ(again.Verdict, TVerdict::Recommended);
            ASSERT_TRUE(replacement.Info.has_value());
            const auto same = std::find_if(
                again.Matches.begin(), again.Matches.end(),
                [&](const TCheckedPart& m) { return m.PartNumber == replacement.PartNumber; });
            ASSERT_NE(same, again.Matches.end());
            EXPECT_EQ(*replacement.Info, *same->Info);
            ++checked;
        }
    }
    EXPECT_GE(checked, 5U);
}

TEST(PartsListCheck, VerdictCodesAndTexts) {
    const std::vector<std::pair<TVerdict, std::string_view>> codes = {
        {TVerdict::Recommended, "recommended"},
        {TVerdict::Voltage, "voltage"},
        {TVerdict::Surge, "surge"},
        {TVerdict::ClosestMatch, "closest_match"},
        {TVerdict::CannotEvaluate, "cannot_evaluate"},
        {TVerdict::NotInCatalogue, "not_in_catalogue"},
        {TVerdict::BadLine, "bad_line"},
    };
    for (const auto& [verdict, code] : codes) {
        EXPECT_EQ(VerdictCode(verdict), code);
    }
    EXPECT_TRUE(IsPassing(TVerdict::Recommended, false));
    EXPECT_FALSE(IsPassing(TVerdict::ClosestMatch, false));
    EXPECT_TRUE(IsPassing(TVerdict::ClosestMatch, true));
    EXPECT_FALSE(IsPassing(TVerdict::Surge, true));
    EXPECT_EQ(TemperatureText(kTemperatureTop, tvKWG), "175 \u00B0C");
    EXPECT_EQ(TemperatureText(kTemperatureTop, tvWIR), "105 \u00B0C");
    EXPECT_EQ(TemperatureText(kTemperature55, tvKEL), "-55 \u00B0C");
}

} // namespace
} // namespace dorvanta
