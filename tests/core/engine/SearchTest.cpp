#include "core/engine/Search.h"

#include "core/catalogue/Catalogue.h"
#include "core/engine/Evaluation.h"
#include "core/record/Text1252.h"
#include "tests/support/CatalogueFixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace dorvanta {
namespace {

using testing::Application;
using testing::Entry;

struct SearchResult {
    std::vector<std::string> lines;
    TRejectReasons reasons;
};

SearchResult Search(const std::vector<TPartNoRecord>& catalogue, const TVstupniUdaje& data,
                    bool closestMatch = false) {
    TResultList list;
    SearchResult result;
    FindParts(catalogue, data, list, result.reasons, closestMatch);
    for (const TResultLine& line : list) {
        EXPECT_EQ(line.Given, nullptr); // a search keeps compact records
        result.lines.emplace_back(line.Text);
    }
    return result;
}

TRejectReasons Reasons(std::initializer_list<TRejectReason> reasons) {
    TRejectReasons set;
    for (const TRejectReason r : reasons) {
        set.Include(r);
    }
    return set;
}

TVstupniUdaje ByCapacitance(TCapacitanceOperator op, Real bound1, Real bound2 = 0,
                            std::string caseSize = "all") {
    TVstupniUdaje data = Application(0.11L, 10, 5);
    data.Parametry1.Operator = op;
    data.Parametry1.Capacitance = {0, bound1, bound2};
    data.Parametry1.CaseSize = std::move(caseSize);
    return data;
}

TVstupniUdaje ByPartNumber(TTypVyrobku series, std::string caseSize = "all",
                           std::string capacitance = "all", std::string voltage = "all") {
    TVstupniUdaje data = Application(0.11L, 10, 5);
    data.ByPartNumber = true;
    data.Parametry2 = {series, std::move(caseSize), std::move(capacitance), std::move(voltage)};
    return data;
}

// Parts that pass both maker's rules at Va 5 V, Imax 10 A.
const std::vector<TPartNoRecord> kCapacitances = {
    Entry("KRBA685*016#", "A", "6.8", "16"), Entry("KRBB106*016#", "B", "10", "16"),
    Entry("KRBC156*016#", "C", "15", "16"),  Entry("KRBD226*016#", "D", "22", "16"),
    Entry("KRBD336*016#", "D", "33", "16"),
};

TEST(FindParts, AppliesTheCapacitanceCriterion) {
    const struct {
        TVstupniUdaje data;
        std::vector<std::string> lines;
    } cases[] = {
        {ByCapacitance(coBetween, 10, 22),
         {"KRBB106*016# 16", "KRBC156*016# 16", "KRBD226*016# 16"}},
        {ByCapacitance(coBetween, 10, 0), {}}, // no second value chosen
        {ByCapacitance(coLess, 10), {"KRBA685*016# 16"}},
        {ByCapacitance(coEqual, 10), {"KRBB106*016# 16"}},
        {ByCapacitance(coGreater, 22), {"KRBD336*016# 16"}},
        {ByCapacitance(coGreater, 0, 0, "D"), {"KRBD226*016# 16", "KRBD336*016# 16"}},
        {ByCapacitance(coGreater, 0, 0, "d"), {}}, // case codes compare case-sensitively
        {ByCapacitance(coGreater, 0, 0, "ALL"), {}},
    };
    for (const auto& c : cases) {
        const SearchResult result = Search(kCapacitances, c.data);
        EXPECT_EQ(result.lines, c.lines) << OperatorText(c.data.Parametry1.Operator) << " "
                                         << static_cast<double>(c.data.Parametry1.Capacitance[1])
                                         << " " << c.data.Parametry1.CaseSize;
        EXPECT_TRUE(result.reasons.Empty()); // the criterion itself adds no reason
    }
}

TEST(FindParts, VoltageDeratingRuleAtItsBoundary) {
    const struct {
        const char* voltage;
        Real va;
        bool accepted;
    } cases[] = {
        {"10", 8.25L, true}, // Va exactly 82.5 % of the rated voltage
        {"6.3", 5.2L, false},
        {"35", 20, true},
        {"35", 30, false}, // 30 / 0.825 = 36.36 > 35
    };
    for (const auto& c : cases) {
        const std::vector<TPartNoRecord> catalogue = {
            Entry("KELD106*035#0300", "D", "10", c.voltage, "3.5", "6", "300")};
        TVstupniUdaje data = ByCapacitance(coGreater, 0);
        data.Va = c.va;
        const SearchResult result = Search(catalogue, data);
        EXPECT_EQ(result.lines.size(), c.accepted ? 1U : 0U) << c.voltage << " V at " << c.va;
        EXPECT_EQ(result.reasons, c.accepted ? Reasons({}) : Reasons({rrVoltage}))
            << c.voltage << " V at " << c.va;
    }
}

TEST(FindParts, KelWorkedExampleIsAcceptedWithItsLine) {
    const std::vector<TPartNoRecord> catalogue = {testing::KELD106()};
    for (const char* caseSize : {"D", "all"}) {
        TVstupniUdaje data = Application(0.11L, 10, 20);
        data.Parametry1 = {coEqual, {0, 10, 0}, caseSize};
        TResultList list;
        TRejectReasons reasons;
        FindParts(catalogue, data, list, reasons, false);
        ASSERT_EQ(list.size(), 1U) << caseSize;
        EXPECT_EQ(list[0].Text, "KELD106*035#0300 35");
        EXPECT_EQ(list[0].PartNumber(), "KELD106*035#0300");
        EXPECT_EQ(CandidateInfo(list[0]).Pocitane.AppSurge, 10);
        EXPECT_TRUE(reasons.Empty());
    }
}

TEST(AcceptPart, SurgeRuleAndItsClosestMatchMargin) {
    const struct {
        Real appSurge;
        bool closestMatch;
        bool accepted;
    } cases[] = {
        {10, false, true},                       // equal to the test surge
        {10.5L, false, false}, {11, true, true}, // 1.1 × the test surge
        {11.5L, true, true},                     // 1.15 × exactly
        {12, true, false},                       // 1.2 × the test surge
    };
    TPartNoInfo candidate;
    candidate.CaseSize = "D";
    candidate.Capacitance = 10;
    candidate.RatedVoltage = 35;
    candidate.Pocitane.TestSurge = 10;
    const TVstupniUdaje data = ByCapacitance(coGreater, 0);
    for (const auto& c : cases) {
        candidate.Pocitane.AppSurge = c.appSurge;
        TRejectReasons reasons;
        EXPECT_EQ(AcceptPart("KELD106*035#", candidate, data, reasons, c.closestMatch), c.accepted)
            << static_cast<double>(c.appSurge) << (c.closestMatch ? " closest" : "");
        EXPECT_EQ(reasons, c.accepted ? Reasons({}) : Reasons({rrSurge}));
    }
}

TEST(AcceptPart, KeepsTheReasonsItWasGiven) {
    TPartNoInfo candidate;
    candidate.RatedVoltage = 4;
    TRejectReasons reasons = Reasons({rrSurge});
    EXPECT_FALSE(
        AcceptPart("KELD106*004#", candidate, ByCapacitance(coGreater, 0), reasons, false));
    EXPECT_EQ(reasons, Reasons({rrVoltage, rrSurge}));
}

// Va 5 V, Imax 22 A; ESR 40, 100 and 150 milliohm give a test surge of about
// 22.4, 20 and 18.3 A against an application surge of 22 A.
const TPartNoRecord kWithinTestSurge = Entry("KELD106*010#0040", "D", "10", "10", "1", "6", "40");
const TPartNoRecord kTenPercentOver = Entry("KELD106*010#0100", "D", "10", "10", "1", "6", "100");
const TPartNoRecord kTwentyPercentOver =
    Entry("KELD106*010#0150", "D", "10", "10", "1", "6", "150");

TEST(FindParts, ClosestMatchAdmitsUpToFifteenPercentOverTheTestSurge) {
    const TVstupniUdaje data = [] {
        TVstupniUdaje d = ByCapacitance(coGreater, 0);
        d.Imax = 22;
        return d;
    }();
    const struct {
        std::vector<TPartNoRecord> catalogue;
        bool closestMatch;
        std::vector<std::string> lines;
        TRejectReasons reasons;
    } cases[] = {
        {{kWithinTestSurge, kTenPercentOver, kTwentyPercentOver},
         false,
         {"KELD106*010#0040 10"},
         Reasons({rrSurge})}, // a search that finds parts still reports reasons
        {{kTenPercentOver, kTwentyPercentOver}, false, {}, Reasons({rrSurge})},
        {{kTenPercentOver, kTwentyPercentOver}, true, {"KELD106*010#0100 10"}, Reasons({rrSurge})},
    };
    for (const auto& c : cases) {
        const SearchResult result = Search(c.catalogue, data, c.closestMatch);
        EXPECT_EQ(result.lines, c.lines);
        EXPECT_EQ(result.reasons, c.reasons);
    }
}

const std::vector<TPartNoRecord> kMixedSeries = {
    Entry("WUDA336*010#", "A", "33", "10"),
    Entry("KELB106*010#", "B", "10", "10"),
    Entry("KRBB106*016#", "B", "10", "16"),
    Entry("KMX6108*010#", "6", "1000", "10"),
    Entry("KELA685*006#", "A", "6.8", "6.3", "1", "6", "100"),
    Entry("KELA475*004#", "A", "4.7", "4"),
};

TEST(FindParts, AppliesThePartNumberCriterion) {
    const struct {
        TVstupniUdaje data;
        std::vector<std::string> lines;
        TRejectReasons reasons;
    } cases[] = {
        {ByPartNumber(tvAll),
         {"WUDA336*010# 10", "KELB106*010# 10", "KRBB106*016# 16", "KMX6108*010# 10",
          "KELA685*006# 6.3"},
         Reasons({rrVoltage})},
        {ByPartNumber(tvKEL), {"KELB106*010# 10", "KELA685*006# 6.3"}, Reasons({rrVoltage})},
        {ByPartNumber(tvKRB), {"KRBB106*016# 16"}, Reasons({})}, // others add no reason
        {ByPartNumber(tvAll, "B"), {"KELB106*010# 10", "KRBB106*016# 16"}, Reasons({})},
        {ByPartNumber(tvAll, "all", "10"), {"KELB106*010# 10", "KRBB106*016# 16"}, Reasons({})},
        {ByPartNumber(tvAll, "all", "all", "6.3"), {"KELA685*006# 6.3"}, Reasons({})},
        {ByPartNumber(tvAll, "all", "all", "4"), {}, Reasons({rrVoltage})},
        {ByPartNumber(tvKEL, "A", "6.8", "6.3"), {"KELA685*006# 6.3"}, Reasons({})},
        // Texts that are not numbers match no part rather than ending the search.
        {ByPartNumber(tvAll, "all", "ten"), {}, Reasons({})},
        {ByPartNumber(tvAll, "all", "all", "6,3"), {}, Reasons({})},
    };
    for (const auto& c : cases) {
        const SearchResult result = Search(kMixedSeries, c.data);
        const TVstupniParametry2& p = c.data.Parametry2;
        EXPECT_EQ(result.lines, c.lines) << SeriesValueName(p.Series) << " " << p.CaseSize << " "
                                         << p.Capacitance << " " << p.Voltage;
        EXPECT_EQ(result.reasons, c.reasons) << SeriesValueName(p.Series);
    }
}

TEST(FindParts, ReadsAndWritesNumbersWithTheDataSeparator) {
    TVstupniUdaje data = ByPartNumber(tvAll, "all", "6,8", "6,3");
    data.DecimalSeparator = ",";
    EXPECT_EQ(Search(kMixedSeries, data).lines, std::vector<std::string>{"KELA685*006# 6,3"});
}

TEST(FindParts, DropsFailedEvaluationsWithoutAReason) {
    const std::vector<TPartNoRecord> catalogue = {
        Entry("KELB106*010#", "B", "10", "10", "1", "6", "0"), // ESR 0
        Entry("KELB106*000#", "B", "10", "0"),                 // rated voltage 0
        Entry("KELB106*010#", "", "10", "10"),                 // no case code
        Entry("KELB106*016#", "B", "10", "16"),
    };
    const SearchResult result = Search(catalogue, ByCapacitance(coGreater, 0));
    EXPECT_EQ(result.lines, std::vector<std::string>{"KELB106*016# 16"});
    EXPECT_TRUE(result.reasons.Empty());
}

// A rejection's reason counts only for an entry whose whole evaluation
// succeeds, also where the evaluation fails late: in the exponential of the
// failure rate (rated voltage 0.001 V at 5 V) or in the leakage (a maximum
// leakage near the largest real). Whether the failing entry comes before or
// after a sound one with the same reason makes no difference.
TEST(FindParts, ARejectionCountsOnlyForAnEntryWhoseWholeEvaluationSucceeds) {
    const TPartNoRecord failingExponential = Entry("KELB106*000#", "B", "10", "0.001");
    const TPartNoRecord lowVoltage = Entry("KRBB106*004#", "B", "10", "4");
    const TPartNoRecord failingLeakage = Entry("KELB106*016#", "B", "10", "16", "1e4932", "6", "6");
    const TPartNoRecord highSurge = Entry("KELB106*016#", "B", "10", "16", "1", "6", "6");
    struct Case {
        std::vector<TPartNoRecord> catalogue;
        TRejectReasons reasons;
    };
    const std::vector<Case> cases = {
        {{failingExponential}, {}},
        {{failingExponential, lowVoltage}, Reasons({rrVoltage})},
        {{lowVoltage, failingExponential}, Reasons({rrVoltage})},
        {{failingLeakage}, {}},
        {{failingLeakage, highSurge}, Reasons({rrSurge})},
        {{highSurge, failingLeakage, failingExponential}, Reasons({rrSurge})},
    };
    TVstupniUdaje data = ByCapacitance(coGreater, 0);
    data.Imax = 100; // above the test surge of a 16 V part of 6 milliohm
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const SearchResult result = Search(cases[i].catalogue, data);
        EXPECT_TRUE(result.lines.empty()) << "case " << i;
        EXPECT_EQ(result.reasons, cases[i].reasons) << "case " << i;
    }
}

TEST(FindParts, KeepsCatalogueOrderAndTwinEntriesWithTheirOwnCandidates) {
    const std::vector<TPartNoRecord> catalogue = {
        Entry("WIRB226M010#", "B", "22", "10", "2.2", "8", "700"),
        Entry("KRBB106*016#", "B", "10", "16"),
        Entry("WIRB226M010#", "B", "22", "10", "2.2", "8", "1800"),
    };
    TResultList list;
    TRejectReasons reasons;
    FindParts(catalogue, ByCapacitance(coGreater, 0), list, reasons, false);
    ASSERT_EQ(list.size(), 3U);
    EXPECT_EQ(list[0].Text, "WIRB226M010# 10");
    EXPECT_EQ(list[1].Text, "KRBB106*016# 16");
    EXPECT_EQ(list[2].Text, "WIRB226M010# 10");
    EXPECT_NE(CandidateInfo(list[0]), CandidateInfo(list[2]));
    EXPECT_EQ(CandidateInfo(list[0]).ESRmax, 700);
    EXPECT_EQ(CandidateInfo(list[2]).ESRmax, 1800);
    EXPECT_NE(CandidateInfo(list[0]).Pocitane.Irms[1], CandidateInfo(list[2]).Pocitane.Irms[1]);
}

TEST(FindParts, AppendsToTheListAndTheReasonsItIsGiven) {
    TResultList list;
    TRejectReasons reasons;
    const std::vector<TPartNoRecord> catalogue = {Entry("KRBB106*016#", "B", "10", "16"),
                                                  Entry("KRBB106*004#", "B", "10", "4")};
    FindParts(catalogue, ByCapacitance(coGreater, 0), list, reasons, false);
    FindParts(catalogue, ByCapacitance(coGreater, 0), list, reasons, false);
    EXPECT_EQ(list.size(), 2U);
    EXPECT_EQ(reasons, Reasons({rrVoltage}));
}

TEST(FindParts, EveryCandidateMatchesAFreshEvaluationOfItsEntry) {
    const std::vector<TPartNoRecord> catalogue = {testing::KELD106(), testing::KWGC155(),
                                                  testing::KMDB157(), testing::KYRA336()};
    const TVstupniUdaje data = Application(0.11L, 0.5L, 5);
    TResultList list;
    TRejectReasons reasons;
    FindParts(catalogue, data, list, reasons, false);
    ASSERT_EQ(list.size(), catalogue.size());
    for (std::size_t i = 0; i < list.size(); ++i) {
        TPartNoInfo fresh;
        ASSERT_TRUE(EvaluatePart(catalogue[i], fresh, data));
        EXPECT_EQ(CandidateInfo(list[i]), fresh) << list[i].Text;
    }
}

TEST(FindParts, BuiltInTwinEntriesGiveTwoLinesWithTheirOwnValues) {
    if (BuiltInCatalogue().size() != kBuiltInCatalogueSize) {
        GTEST_SKIP() << "the built-in catalogue is not complete";
    }
    TVstupniUdaje data = ByPartNumber(tvWIR, "B", "22", "10");
    data.Imax = 1;
    TResultList list;
    TRejectReasons reasons;
    FindParts(BuiltInCatalogue(), data, list, reasons, false);
    ASSERT_EQ(list.size(), 2U);
    EXPECT_EQ(list[0].Text, "WIRB226M010# 10");
    EXPECT_EQ(list[1].Text, "WIRB226M010# 10");
    EXPECT_EQ(CandidateInfo(list[0]).ESRmax, 700);
    EXPECT_EQ(CandidateInfo(list[1]).ESRmax, 1800);
    EXPECT_EQ(list.IndexOf("wirb226m010# 10"), 0U);
}

// A search of a catalogue of many entries keeps its lines and their texts in
// storage of several megabytes, its texts spread over blocks of growing
// size: every copy of an entry gives the line of that entry's own search.
TEST(FindParts, ALargeCatalogueGivesTheLinesOfEachCopyOfItsEntries) {
    const std::vector<TPartNoRecord> entries = {testing::KELD106(), testing::KWGC155(),
                                                testing::KMDB157(), testing::KYRA336()};
    constexpr std::size_t kCopies = 12'000; // 48,000 lines of 128 bytes
    std::vector<TPartNoRecord> catalogue;
    for (std::size_t i = 0; i < kCopies; ++i) {
        catalogue.insert(catalogue.end(), entries.begin(), entries.end());
    }
    const TVstupniUdaje data = Application(0.11L, 0.5L, 5);
    TResultList once;
    TResultList large;
    TRejectReasons reasons;
    FindParts(entries, data, once, reasons, false);
    FindParts(catalogue, data, large, reasons, false);
    ASSERT_EQ(once.size(), entries.size());
    ASSERT_EQ(large.size(), kCopies * entries.size());
    for (std::size_t i = 0; i < large.size(); ++i) {
        const TResultLine& expected = once[i % once.size()];
        ASSERT_EQ(large[i].Text, expected.Text) << i;
        ASSERT_EQ(CandidateInfo(large[i]), CandidateInfo(expected)) << i;
    }
}

TEST(RejectReasonName, IsTheValueName) {
    EXPECT_EQ(RejectReasonName(rrVoltage), "rrVoltage");
    EXPECT_EQ(RejectReasonName(rrSurge), "rrSurge");
}

// The compact records of a whole search of the built-in catalogue give, when
// read, every value of a fresh evaluation, for applications that reach the
// family extremes (low and high Va, no series resistance, a small Imax).
TEST(FindParts, EveryBuiltInCandidateReadsAsAFreshEvaluation) {
    struct Case {
        Real resistance;
        Real imax;
        Real va;
    };
    const std::vector<Case> cases = {
        {0.11L, 10, 5}, {0, 0.5L, 1}, {3, 2, 12.5L}, {0.01L, 100, 30}, {1e-3L, 1e-3L, 0.1L}};
    const auto catalogue = BuiltInCatalogue();
    for (const Case& c : cases) {
        const TVstupniUdaje data = Application(c.resistance, c.imax, c.va);
        TResultList list;
        TRejectReasons reasons;
        FindParts(catalogue, data, list, reasons, true);
        EXPECT_FALSE(list.empty()) << c.va;
        std::size_t line = 0; // the lines follow the catalogue order
        for (const TPartNoRecord& entry : catalogue) {
            TPartNoInfo fresh;
            const std::string_view partNumber = entry.PartNumber.view();
            if (!EvaluatePart(entry, fresh, data) ||
                !AcceptPart(partNumber, fresh, data, reasons, true)) {
                continue;
            }
            ASSERT_LT(line, list.size());
            EXPECT_EQ(list[line].PartNumber(), Windows1252ToUtf8(partNumber));
            ASSERT_EQ(CandidateInfo(list[line]), fresh) << list[line].Text << " at Va " << c.va;
            ++line;
        }
        EXPECT_EQ(line, list.size());
    }
}

} // namespace
} // namespace dorvanta
