// The facts that the maker states about the built-in catalogue, checked on the
// compiled table so that an edit of data/catalogue.csv cannot break them
// unnoticed. Value lists are computed here straight from the table.
#include "core/catalogue/Catalogue.h"
#include "core/catalogue/Series.h"
#include "core/display/NumberText.h"
#include "core/record/PartNoRecord.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace dorvanta {
namespace {

using Values = std::vector<Real>;

std::string_view SeriesCodeOf(const TPartNoRecord& entry) {
    return entry.PartNumber.view().substr(0, 3);
}

// Distinct values of `field` over the entries that `keep` accepts, ascending.
template <typename Field, typename Keep> auto Distinct(Field field, Keep keep) {
    std::set<decltype(field(BuiltInCatalogue().front()))> values;
    for (const TPartNoRecord& entry : BuiltInCatalogue()) {
        if (keep(entry)) {
            values.insert(field(entry));
        }
    }
    return std::vector(values.begin(), values.end());
}

Real CapacitanceOf(const TPartNoRecord& e) {
    return e.Capacitance.value();
}
Real VoltageOf(const TPartNoRecord& e) {
    return e.RatedVoltage.value();
}
std::string CaseOf(const TPartNoRecord& e) {
    return std::string(e.CaseSize.view());
}

auto InSeries(TTypVyrobku series) {
    return [series](const TPartNoRecord& e) {
        return series == tvAll || SeriesOf(e.PartNumber.view()) == series;
    };
}

TEST(BuiltInCatalogue, HoldsTheBlocksInTheirOrder) {
    const std::vector<std::pair<std::string_view, int>> expected = {
        {"WUD", 9},   {"WIR", 149}, {"WIQ", 9},   {"WIE", 84}, {"WBZ", 1},
        {"KYR", 108}, {"KRB", 532}, {"KOZ", 6},   {"KUB", 67}, {"KUX", 2},
        {"KWG", 68},  {"KYD", 48},  {"KMD", 79},  {"KMX", 6},  {"KYF", 33},
        {"KYE", 27},  {"KEQ", 62},  {"KEL", 545}, {"KSF", 237}};
    std::vector<std::pair<std::string_view, int>> blocks;
    for (const TPartNoRecord& entry : BuiltInCatalogue()) {
        if (blocks.empty() || blocks.back().first != SeriesCodeOf(entry)) {
            blocks.emplace_back(SeriesCodeOf(entry), 0);
        }
        ++blocks.back().second;
    }
    EXPECT_EQ(blocks, expected);
    EXPECT_EQ(BuiltInCatalogue().size(), kBuiltInCatalogueSize);
}

struct QuotedEntry {
    std::optional<std::size_t> position;
    std::string_view partNumber;
    std::string_view caseSize;
    Real capacitance;
    Real voltage;
    std::optional<Real> dcl;
    std::optional<Real> df;
    std::optional<Real> esr;
};

// The telling entries at their positions, and the entries that serve as
// examples elsewhere in the program (first occurrence of the part number).
const QuotedEntry kQuoted[] = {
    {0, "WUDA336*010#", "A", 33, 10, 33, 30, 1700},
    {23, "WIRA476M001#", "A", 47, 1.8L, 1.7L, 8, 1600},
    {165, "WIQE687M001#0023", "E", 680, 1.8L, 24.5L, 6, 23},
    {258, "KYRA157*002#", "A", 150, 2, 3, 20, 1000},
    {1081, "KYDZ106M004#", "Z", 10, 4, 0.5L, 0, 15000},
    {1164, "KMX6108*010#", "6", 1000, 10, 100, 35, 55},
    {1500, "KELD106*035#0300", "D", 10, 35, 3.5L, 6, 300},
    {2071, "KSFE477*006#0200", "E", 470, 6.3L, 21, 8, 200},
    {{}, "KMDB157M010#0500", "B", 150, 10, 15, 30, 500},
    {{}, "KWGC155*035#", "C", 1.5L, 35, 0.5L, {}, 4500},
    {{}, "KYRA336*010#", "A", 33, 10, 3.3L, {}, 1000},
    {{}, "KRBA104*035#", "A", 0.1L, 35, {}, {}, {}},
    {{}, "KRBA106*006#", "A", 10, 6.3L, {}, {}, {}},
    {{}, "WIRB226M010#", "B", 22, 10, {}, {}, 700},
    {{}, "KWGD226*035#", "D", 22, 35, {}, {}, 600},
};

const TPartNoRecord* Find(std::string_view partNumber) {
    for (const TPartNoRecord& entry : BuiltInCatalogue()) {
        if (entry.PartNumber.view() == partNumber) {
            return &entry;
        }
    }
    return nullptr;
}

TEST(BuiltInCatalogue, StartsAndEndsWithTheTellingEntries) {
    for (const QuotedEntry& quoted : kQuoted) {
        SCOPED_TRACE(quoted.partNumber);
        const TPartNoRecord* entry = Find(quoted.partNumber);
        if (quoted.position) {
            ASSERT_LT(*quoted.position, BuiltInCatalogue().size());
            entry = &BuiltInCatalogue()[*quoted.position];
        }
        ASSERT_NE(entry, nullptr);
        EXPECT_EQ(entry->PartNumber.view(), quoted.partNumber);
        EXPECT_EQ(entry->CaseSize.view(), quoted.caseSize);
        EXPECT_EQ(entry->Capacitance.value(), quoted.capacitance);
        EXPECT_EQ(entry->RatedVoltage.value(), quoted.voltage);
        EXPECT_EQ(entry->DCLmax.value(), quoted.dcl.value_or(entry->DCLmax.value()));
        EXPECT_EQ(entry->DF.value(), quoted.df.value_or(entry->DF.value()));
        EXPECT_EQ(entry->ESRmax.value(), quoted.esr.value_or(entry->ESRmax.value()));
    }
}

TEST(BuiltInCatalogue, ListsEightPartNumbersTwiceWithDifferentEsr) {
    std::map<std::string_view, Values> esrByNumber;
    for (const TPartNoRecord& entry : BuiltInCatalogue()) {
        esrByNumber[entry.PartNumber.view()].push_back(entry.ESRmax.value());
    }
    std::map<std::string_view, Values> doubled;
    for (const auto& [number, esr] : esrByNumber) {
        if (esr.size() > 1) {
            doubled.emplace(number, esr);
        }
    }
    ASSERT_EQ(doubled.size(), 8u);
    for (const auto& [number, esr] : doubled) {
        ASSERT_EQ(esr.size(), 2u) << number;
        EXPECT_NE(esr[0], esr[1]) << number;
    }
    EXPECT_EQ(doubled["WIRB226M010#"], (Values{700, 1800}));
    EXPECT_EQ(doubled["KWGD226*035#"], (Values{600, 300}));
}

// The capacitance code: two significant digits and the power of ten, in pF.
std::string CapacitanceCode(Real microfarad) {
    std::string digits = std::to_string(std::llround(microfarad * 1000000));
    const bool twoSignificant = digits.find_first_not_of('0', 2) == std::string::npos;
    return twoSignificant ? digits.substr(0, 2) + std::to_string(digits.size() - 2) : "?";
}

std::string VoltageCode(TTypVyrobku series, Real volts) {
    if (volts == 1.8L) {
        return "001";
    }
    if (volts == 2.5L || (volts == 2 && (series == tvKYR || series == tvKYD))) {
        return "002";
    }
    if (volts == 6.3L) {
        return "006";
    }
    if (volts != std::floor(volts) || volts == 2) {
        return "?";
    }
    const std::string code = "00" + std::to_string(static_cast<int>(volts));
    return code.substr(code.size() - 3);
}

char ToleranceOf(TTypVyrobku series) {
    switch (series) {
    case tvWIR:
    case tvWIE:
    case tvWIQ:
    case tvKMD:
    case tvKYD:
        return 'M';
    default:
        return '*';
    }
}

TEST(BuiltInCatalogue, PartNumbersFollowTheOrderingCode) {
    int withEsrSuffix = 0;
    int kubWithTolerance = 0;
    for (const TPartNoRecord& entry : BuiltInCatalogue()) {
        const std::string_view number = entry.PartNumber.view();
        SCOPED_TRACE(number);
        ASSERT_TRUE(number.size() == 12 || number.size() == 16);
        const TTypVyrobku series = SeriesOf(number);
        EXPECT_EQ(number.substr(3, 1), entry.CaseSize.view());
        EXPECT_EQ(number.substr(4, 3), CapacitanceCode(entry.Capacitance.value()));
        if (series == tvKUB) {
            kubWithTolerance += number[7] == 'M';
            EXPECT_TRUE(number[7] == 'M' || number[7] == '*');
        } else {
            EXPECT_EQ(number[7], ToleranceOf(series));
        }
        EXPECT_EQ(number.substr(8, 3), VoltageCode(series, entry.RatedVoltage.value()));
        EXPECT_EQ(number[11], '#');
        if (number.size() == 16) {
            ++withEsrSuffix;
            const Real esr = entry.ESRmax.value();
            ASSERT_LE(esr, 9999);
            char suffix[8];
            std::snprintf(suffix, sizeof suffix, "%04d", static_cast<int>(esr));
            EXPECT_EQ(number.substr(12), std::string_view(suffix));
            EXPECT_EQ(esr, std::floor(esr));
        }
    }
    EXPECT_EQ(withEsrSuffix, 961);
    EXPECT_EQ(kubWithTolerance, 66);
}

struct SeriesRange {
    std::string_view code;
    std::string_view cases;
    Values voltages;
    Real capacitance[2];
    Real dcl[2];
    Real df[2];
    Real esr[2];
};

const SeriesRange kRanges[] = {
    {"KRB",
     "ABCDEFKPRSTVWXY",
     {2.5L, 4, 6.3L, 10, 16, 20, 25, 35, 50},
     {0.1L, 2200},
     {0.5L, 60},
     {4, 60},
     {200, 29000}},
    {"KMD",
     "ABFGHKNPRSTWY",
     {2.5L, 4, 6.3L, 10, 16, 20},
     {10, 680},
     {1, 40.8L},
     {5, 80},
     {150, 9600}},
    {"KSF", "ABCDE", {6.3L, 10, 16, 20, 25, 35, 50}, {0.1L, 470}, {0.3L, 25}, {4, 8}, {100, 20000}},
    {"KWG",
     "ABCDE",
     {6.3L, 10, 16, 20, 25, 35, 50},
     {0.1L, 220},
     {0.5L, 22},
     {3, 10},
     {250, 24000}},
    {"KEL",
     "ABCDEFPRSTVWXY",
     {2.5L, 4, 6.3L, 10, 16, 20, 25, 35, 50},
     {0.15L, 1500},
     {0.5L, 60},
     {4, 60},
     {25, 9000}},
    {"KEQ",
     "DEVY",
     {2.5L, 4, 6.3L, 10, 16, 20, 25, 35, 50},
     {10, 2200},
     {5, 63},
     {6, 10},
     {12, 140}},
    {"KUB",
     "ABCGHKPRSTW",
     {2.5L, 4, 6.3L, 10, 16, 25, 35},
     {1, 220},
     {2.5L, 132},
     {6, 10},
     {40, 500}},
    {"KOZ", "D", {10, 16, 25, 50}, {6.8L, 100}, {2.5L, 10}, {6, 8}, {500, 700}},
    {"WIR",
     "ABCDEFPSTVWXY",
     {1.8L, 2.5L, 4, 6.3L, 10},
     {2.2L, 1000},
     {1, 80},
     {6, 20},
     {150, 8300}},
    {"WIE", "ABCDEVWXY", {1.8L, 2.5L, 4, 6.3L}, {10, 1000}, {1.1L, 56.4L}, {6, 16}, {35, 2000}},
    {"WIQ", "E", {1.8L, 2.5L, 4, 6.3L}, {220, 680}, {23.5L, 39.6L}, {6, 6}, {23, 40}},
    {"KYR",
     "ABHJKLRTUV",
     {2, 3, 4, 6.3L, 10, 16, 20, 25},
     {0.47L, 220},
     {0.5L, 6.6L},
     {6, 30},
     {1000, 15000}},
    {"KYD",
     "HJKLMRTUVZ",
     {2, 3, 4, 6.3L, 10, 16, 20, 25, 35},
     {0.47L, 220},
     {0.5L, 10},
     {0, 0},
     {1000, 15000}},
    {"KYE", "HKLR", {3, 4, 6.3L, 10, 16, 25}, {1, 100}, {0.5L, 4}, {6, 30}, {1000, 8000}},
    {"KYF", "ABKLR", {3, 4, 6.3L, 10, 16, 20}, {0.47L, 68}, {0.2L, 2.4L}, {6, 15}, {1000, 15000}},
    {"WUD", "ABGPST", {4, 6.3L, 10}, {22, 150}, {8.8L, 60}, {30, 30}, {1000, 4000}},
    {"KMX", "6KS", {4, 6.3L, 10}, {47, 3300}, {4.7L, 150}, {30, 35}, {55, 3000}},
    {"KUX", "LT", {6.3L}, {150, 150}, {90, 90}, {10, 10}, {200, 200}},
    {"WBZ", "V", {2.5L}, {560, 560}, {28, 28}, {6, 6}, {3, 3}},
};

TEST(BuiltInCatalogue, EachSeriesKeepsToItsCodesAndRanges) {
    for (const SeriesRange& range : kRanges) {
        SCOPED_TRACE(range.code);
        const auto inBlock = [&](const TPartNoRecord& e) {
            return SeriesCodeOf(e) == range.code;
        };
        std::string cases;
        for (const std::string& code : Distinct(CaseOf, inBlock)) {
            cases += code;
        }
        std::string expectedCases(range.cases);
        std::sort(expectedCases.begin(), expectedCases.end());
        EXPECT_EQ(cases, expectedCases);
        EXPECT_EQ(Distinct(VoltageOf, inBlock), range.voltages);
        const std::pair<Real (*)(const TPartNoRecord&), const Real*> columns[] = {
            {CapacitanceOf, range.capacitance},
            {[](const TPartNoRecord& e) { return e.DCLmax.value(); }, range.dcl},
            {[](const TPartNoRecord& e) { return e.DF.value(); }, range.df},
            {[](const TPartNoRecord& e) { return e.ESRmax.value(); }, range.esr},
        };
        for (const auto& [field, bounds] : columns) {
            const Values values = Distinct(field, inBlock);
            ASSERT_FALSE(values.empty());
            EXPECT_EQ(values.front(), bounds[0]);
            EXPECT_EQ(values.back(), bounds[1]);
        }
    }
}

TEST(BuiltInCatalogue, CaseCodesOutsideTheDimensionTablesAreFew) {
    std::map<std::pair<std::string_view, std::string_view>, int> count;
    for (const TPartNoRecord& entry : BuiltInCatalogue()) {
        ++count[{SeriesCodeOf(entry), entry.CaseSize.view()}];
    }
    EXPECT_EQ((count[{"KYD", "Z"}]), 2);
    EXPECT_EQ((count[{"KMX", "6"}]), 4);
}

TEST(BuiltInCatalogue, ReservedFieldsAndUnusedTextBytesAreZero) {
    const TExtended zero{};
    for (const TPartNoRecord& entry : BuiltInCatalogue()) {
        SCOPED_TRACE(entry.PartNumber.view());
        EXPECT_EQ(entry.Reserved1, zero);
        EXPECT_EQ(entry.Reserved2, zero);
        EXPECT_EQ(entry.Reserved3, zero);
        EXPECT_EQ(entry.ReservedByte, 0);
        const auto& number = entry.PartNumber.chars;
        EXPECT_TRUE(std::all_of(number.begin() + entry.PartNumber.size(), number.end(),
                                [](char c) { return c == '\0'; }));
        const auto& code = entry.CaseSize.chars;
        EXPECT_TRUE(std::all_of(code.begin() + entry.CaseSize.size(), code.end(),
                                [](char c) { return c == '\0'; }));
    }
}

// Every stored value is the nearest real of its own general-format text, so a
// value picked from a criterion list finds its entries again.
TEST(BuiltInCatalogue, ValuesReadBackFromTheirOwnTexts) {
    for (const TPartNoRecord& entry : BuiltInCatalogue()) {
        for (const TExtended* field :
             {&entry.Capacitance, &entry.RatedVoltage, &entry.DCLmax, &entry.DF, &entry.ESRmax}) {
            const std::string text = FormatGeneral(field->value());
            EXPECT_EQ(text.find('E'), std::string::npos) << text;
            EXPECT_EQ(ParseGeneral(text), field->value()) << entry.PartNumber.view();
        }
    }
}

std::vector<std::string> Texts(const Values& values) {
    std::vector<std::string> texts;
    for (const Real value : values) {
        texts.push_back(FormatGeneral(value));
    }
    return texts;
}

TEST(BuiltInCatalogue, OffersTheCriteriaValuesOverAllSeries) {
    const auto any = InSeries(tvAll);
    EXPECT_EQ(
        Distinct(CaseOf, any),
        (std::vector<std::string>{"6", "A", "B", "C", "D", "E", "F", "G", "H", "J", "K", "L",
                                  "M", "N", "P", "R", "S", "T", "U", "V", "W", "X", "Y", "Z"}));
    EXPECT_EQ(Texts(Distinct(CapacitanceOf, any)),
              (std::vector<std::string>{"0.1", "0.15", "0.22", "0.33", "0.47", "0.68", "1",   "1.5",
                                        "2.2", "3.3",  "4.7",  "6.8",  "10",   "15",   "22",  "33",
                                        "47",  "68",   "100",  "150",  "220",  "330",  "470", "560",
                                        "680", "1000", "1500", "2200", "3300"}));
    EXPECT_EQ(Texts(Distinct(VoltageOf, any)),
              (std::vector<std::string>{"1.8", "2", "2.5", "3", "4", "6.3", "10", "16", "20", "25",
                                        "35", "50"}));
}

TEST(BuiltInCatalogue, OffersTheCriteriaValuesOfSingleSeries) {
    const auto krb = InSeries(tvKRB);
    EXPECT_EQ(Distinct(CaseOf, krb),
              (std::vector<std::string>{"A", "B", "C", "D", "E", "F", "K", "P", "R", "S", "T", "V",
                                        "W", "X", "Y"}));
    const auto krbA = [&](const TPartNoRecord& e) {
        return krb(e) && e.CaseSize.view() == "A";
    };
    EXPECT_EQ(
        Texts(Distinct(CapacitanceOf, krbA)),
        (std::vector<std::string>{"0.1", "0.15", "0.22", "0.33", "0.47", "0.68", "1", "1.5", "2.2",
                                  "3.3", "4.7", "6.8", "10", "15", "22", "33", "47", "68", "100"}));
    const auto krbA10 = [&](const TPartNoRecord& e) {
        return krbA(e) && e.Capacitance.value() == 10;
    };
    EXPECT_EQ(Texts(Distinct(VoltageOf, krbA10)), (std::vector<std::string>{"6.3", "10", "16"}));
    EXPECT_EQ(Distinct(CaseOf, InSeries(tvWIQ)), std::vector<std::string>{"E"});
    EXPECT_EQ(Distinct(CaseOf, InSeries(tvKOZ)), std::vector<std::string>{"D"});
}

// Codes outside the series enumeration (WUD, WBZ, KUX, KMX) reach the lists
// only under "all": the case 6 and the capacitances 560 and 3300 are theirs.
TEST(BuiltInCatalogue, ValuesOfUnlistedSeriesCodesAppearOnlyUnderAll) {
    for (const TPartNoRecord& entry : BuiltInCatalogue()) {
        const Real capacitance = entry.Capacitance.value();
        if (capacitance == 560 || capacitance == 3300 || entry.CaseSize.view() == "6") {
            EXPECT_EQ(SeriesOf(entry.PartNumber.view()), tvAll) << entry.PartNumber.view();
        }
    }
    int unlisted = 0;
    for (const TPartNoRecord& entry : BuiltInCatalogue()) {
        unlisted += SeriesOf(entry.PartNumber.view()) == tvAll;
    }
    EXPECT_EQ(unlisted, 18);
}

} // namespace
} // namespace dorvanta
