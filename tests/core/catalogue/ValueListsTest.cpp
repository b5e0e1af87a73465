#include "core/catalogue/ValueLists.h"

#include "core/catalogue/Catalogue.h"
#include "tests/support/CatalogueFixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace dorvanta {
namespace {

using testing::Entry;

const std::vector<TPartNoRecord> kFixture = {
    Entry("KRBB106*016#", "B", "10", "16"),  Entry("KRBa225*010#", "a", "2.2", "10"),
    Entry("KRBA106*006#", "A", "10", "6.3"), Entry("KRBA475*025#", "A", "4.7", "25"),
    Entry("KRBA106*010#", "A", "10", "10"),  Entry("KMX6108*010#", "6", "1000", "10"),
    Entry("WUDA336*010#", "A", "33", "2.5"), Entry("WIQE687M001#", "E", "680", "1.8"),
    Entry("KRBA105*035#", "A", "1", "35"),   Entry("KRBA106*010#", "A", "10", "10"),
};

TValueList CaseSizes(TTypVyrobku series, const std::vector<TPartNoRecord>& catalogue = kFixture) {
    TValueList list;
    FillCaseSizeList(catalogue, series, list);
    return list;
}

TValueList Capacitances(TTypVyrobku series, std::string_view caseSize,
                        std::string_view separator = ".") {
    TValueList list;
    FillCapacitanceList(kFixture, series, caseSize, list, separator);
    return list;
}

TValueList Voltages(TTypVyrobku series, std::string_view caseSize, std::string_view capacitance,
                    std::string_view separator = ".") {
    TValueList list;
    FillVoltageList(kFixture, series, caseSize, capacitance, list, separator);
    return list;
}

TEST(FillCaseSizeList, SortsIgnoringCaseWithDigitsFirst) {
    EXPECT_EQ(CaseSizes(tvAll), (TValueList{"all", "6", "a", "A", "B", "E"}));
    EXPECT_EQ(CaseSizes(tvKRB), (TValueList{"all", "a", "A", "B"}));
    EXPECT_EQ(CaseSizes(tvWIQ), TValueList{"E"}); // one value: no "all"
    EXPECT_EQ(CaseSizes(tvKEL), TValueList{});
    EXPECT_EQ(CaseSizes(tvAll, {}), TValueList{});
}

TEST(FillCapacitanceList, NumericOrderWithAllWhenSeveral) {
    const struct {
        TTypVyrobku series;
        const char* caseSize;
        TValueList expected;
    } cases[] = {
        {tvAll, "all", {"all", "1", "2.2", "4.7", "10", "33", "680", "1000"}},
        {tvKRB, "A", {"all", "1", "4.7", "10"}},
        {tvKRB, "B", {"10"}},
        {tvKRB, "b", {}},   // case codes compare case-sensitively
        {tvKRB, "ALL", {}}, // only "all" itself means any case
        {tvWIR, "all", {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Capacitances(c.series, c.caseSize), c.expected)
            << SeriesValueName(c.series) << " " << c.caseSize;
    }
    EXPECT_EQ(Capacitances(tvKRB, "a", ","), TValueList{"2,2"});
}

TEST(FillVoltageList, FiltersByTheCapacitanceValue) {
    const struct {
        TTypVyrobku series;
        const char* caseSize;
        const char* capacitance;
        const char* separator;
        TValueList expected;
    } cases[] = {
        {tvAll, "all", "all", ".", {"all", "1.8", "2.5", "6.3", "10", "16", "25", "35"}},
        {tvKRB, "A", "10", ".", {"all", "6.3", "10"}},
        {tvKRB, "all", "10", ".", {"all", "6.3", "10", "16"}},
        {tvAll, "all", "1E1", ".", {"all", "6.3", "10", "16"}}, // any text of the value
        {tvKRB, "A", "4.7", ".", {"25"}},
        {tvKRB, "A", "4,7", ",", {"25"}},
        {tvKRB, "A", "4,7", ".", {}}, // not a number with this separator
        {tvKRB, "A", "ten", ".", {}},
        {tvAll, "all", "", ".", {}},
        {tvAll, "all", "3.3", ".", {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Voltages(c.series, c.caseSize, c.capacitance, c.separator), c.expected)
            << SeriesValueName(c.series) << " " << c.caseSize << " " << c.capacitance;
    }
}

TEST(CompareNumericStrings, OrdersByValue) {
    const TValueList list = {"2.2", "10", "6.3", "10", "all", "1E1", "0.15"};
    const struct {
        std::size_t i, j;
        int expected;
    } cases[] = {
        {0, 1, -1}, {1, 0, 1}, {2, 1, -1}, {1, 3, 0}, // equal texts
        {1, 5, 1},                                    // equal values, different texts
        {4, 0, 0},  {0, 4, 0},                        // not a number
        {6, 0, -1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CompareNumericStrings(list, c.i, c.j), c.expected)
            << list[c.i] << " vs " << list[c.j];
    }
    EXPECT_EQ(CompareNumericStrings({"2,2", "10"}, 0, 1, ","), -1);
}

// The built-in catalogue's lists; skipped while the catalogue is not complete.
class BuiltInValueLists : public ::testing::Test {
protected:
    void SetUp() override {
        if (BuiltInCatalogue().size() != kBuiltInCatalogueSize) {
            GTEST_SKIP() << "the built-in catalogue is not complete";
        }
    }
    static std::span<const TPartNoRecord> Catalogue() { return BuiltInCatalogue(); }
};

TEST_F(BuiltInValueLists, EveryValueOfTheCatalogue) {
    TValueList cases;
    FillCaseSizeList(Catalogue(), tvAll, cases);
    EXPECT_EQ(cases, (TValueList{"all", "6", "A", "B", "C", "D", "E", "F", "G", "H", "J", "K", "L",
                                 "M",   "N", "P", "R", "S", "T", "U", "V", "W", "X", "Y", "Z"}));
    TValueList capacitances;
    FillCapacitanceList(Catalogue(), tvAll, "all", capacitances);
    EXPECT_EQ(capacitances, (TValueList{"all", "0.1", "0.15", "0.22", "0.33", "0.47", "0.68", "1",
                                        "1.5", "2.2", "3.3",  "4.7",  "6.8",  "10",   "15",   "22",
                                        "33",  "47",  "68",   "100",  "150",  "220",  "330",  "470",
                                        "560", "680", "1000", "1500", "2200", "3300"}));
    TValueList voltages;
    FillVoltageList(Catalogue(), tvAll, "all", "all", voltages);
    EXPECT_EQ(voltages, (TValueList{"all", "1.8", "2", "2.5", "3", "4", "6.3", "10", "16", "20",
                                    "25", "35", "50"}));
}

TEST_F(BuiltInValueLists, OfOneSeries) {
    TValueList cases;
    FillCaseSizeList(Catalogue(), tvKRB, cases);
    EXPECT_EQ(cases, (TValueList{"all", "A", "B", "C", "D", "E", "F", "K", "P", "R", "S", "T", "V",
                                 "W", "X", "Y"}));
    TValueList capacitances;
    FillCapacitanceList(Catalogue(), tvKRB, "A", capacitances);
    ASSERT_EQ(capacitances.size(), 20U);
    EXPECT_EQ(capacitances[1], "0.1");
    EXPECT_EQ(capacitances.back(), "100");
    TValueList voltages;
    FillVoltageList(Catalogue(), tvKRB, "A", "10", voltages);
    EXPECT_EQ(voltages, (TValueList{"all", "6.3", "10", "16"}));
    for (const auto& [series, only] : {std::pair{tvWIQ, "E"}, std::pair{tvKOZ, "D"}}) {
        TValueList list;
        FillCaseSizeList(Catalogue(), series, list);
        EXPECT_EQ(list, TValueList{only}) << SeriesValueName(series);
    }
}

TEST_F(BuiltInValueLists, ValuesOfUnknownSeriesAppearOnlyUnderAll) {
    for (int i = 1; i < kSeriesCount; ++i) {
        const auto series = static_cast<TTypVyrobku>(i);
        TValueList cases;
        FillCaseSizeList(Catalogue(), series, cases);
        EXPECT_EQ(std::count(cases.begin(), cases.end(), "6"), 0) << SeriesValueName(series);
        TValueList capacitances;
        FillCapacitanceList(Catalogue(), series, "all", capacitances);
        for (const char* only : {"560", "3300"}) {
            EXPECT_EQ(std::count(capacitances.begin(), capacitances.end(), only), 0)
                << SeriesValueName(series) << " " << only;
        }
    }
}

} // namespace
} // namespace dorvanta
