#include "core/engine/ResultList.h"

#include "core/engine/Search.h"
#include "core/export/ResultsCsv.h"

#include "tests/support/CatalogueFixture.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace dorvanta {
namespace {

std::unique_ptr<TPartNoInfo> Rated(Real voltage) {
    auto info = std::make_unique<TPartNoInfo>();
    info->RatedVoltage = voltage;
    return info;
}

TEST(TResultList, SortsByVoltageThenByCharacterCode) {
    TResultList list;
    list.Add("KRBB106*010# 10", Rated(10));
    list.Add("krbA106*006# 6.3", Rated(6.3L));
    list.Add("KRBA106*006# 6.3", Rated(6.3L));
    list.Add("KRB9106*006# 6.3", Rated(6.3L));
    list.Add("KRBA106*006#0300 6.3", Rated(6.3L));
    list.Add("KRBA106*004# 4", Rated(4));
    list.Sort();
    std::vector<std::string> texts;
    for (const auto& line : list) {
        texts.emplace_back(line.Text);
    }
    EXPECT_EQ(texts, (std::vector<std::string>{"KRBA106*004# 4", "KRB9106*006# 6.3",
                                               "KRBA106*006# 6.3", "KRBA106*006#0300 6.3",
                                               "krbA106*006# 6.3", "KRBB106*010# 10"}));
    EXPECT_LT(CompareResults(list, 0, 1), 0);
    EXPECT_GT(CompareResults(list, 5, 4), 0);
    EXPECT_EQ(CompareResults(list, 2, 2), 0);
}

TEST(TResultList, FindsALineIgnoringLetterCase) {
    TResultList list;
    list.Add("KELD106*035#0300 35", Rated(35));
    list.Add("KRBA106*006# 6.3", Rated(6.3L));
    EXPECT_EQ(list.IndexOf("krba106*006# 6.3"), 1U);
    EXPECT_EQ(list.IndexOf("KELD106*035#0300 35"), 0U);
    EXPECT_EQ(list.IndexOf("KELD106*035#0300"), std::nullopt);
    EXPECT_EQ(list[0].PartNumber(), "KELD106*035#0300");
}

TEST(TResultList, CopiesLinesOfAnotherListWithTheirCandidates) {
    const std::vector<TPartNoRecord> catalogue = {testing::KELD106(), testing::KYRA336()};
    TResultList searched;
    TRejectReasons reasons;
    FindParts(catalogue, testing::Application(0.11L, 1, 5), searched, reasons, false);
    searched.Add("KRBA106*006# 6.3", Rated(6.3L));
    ASSERT_GE(searched.size(), 2U);
    TResultList copied;
    copied.Add(searched[searched.size() - 1]);
    copied.Add(searched[0]);
    searched.Clear(); // the copies own their texts and candidates
    ASSERT_EQ(copied.size(), 2U);
    EXPECT_EQ(copied[0].Text, "KRBA106*006# 6.3");
    EXPECT_EQ(CandidateInfo(copied[0]).RatedVoltage, 6.3L);
    EXPECT_EQ(copied[1].Text, "KELD106*035#0300 35");
    EXPECT_EQ(CandidateInfo(copied[1]).RatedVoltage, 35);
    EXPECT_EQ(CandidateInfo(copied[1]).CaseSize, "D");
}

TEST(ResultLineText, ConvertsThePartNumberToUtf8) {
    EXPECT_EQ(ResultLineText("KEL\xB5", "35"), "KEL\xC2\xB5 35");
}

TEST(ResultsCsv, HeaderAndOneRowPerLineWithEveryValue) {
    const std::vector<TPartNoRecord> catalogue = {testing::KELD106()};
    TVstupniUdaje data = testing::Application(0.11L, 10, 20);
    TResultList list;
    TRejectReasons reasons;
    FindParts(catalogue, data, list, reasons, false);
    ASSERT_EQ(list.size(), 1U);
    const std::string csv = ResultsCsv(list);
    const std::string header = ResultsCsvHeader();
    ASSERT_EQ(csv.substr(0, header.size()), header);
    EXPECT_EQ(header.substr(0, 60), "line,part_number,series,case_size,capacitance,rated_voltage,");
    EXPECT_NE(header.find(",top_temperature,irms_-55,irms_25,irms_40,irms_85,irms_105,irms_125,"
                          "irms_175,vrms_-55,"),
              std::string::npos);
    EXPECT_EQ(header.substr(header.size() - 9), ",dcl_175\n");
    const std::string row = csv.substr(header.size());
    EXPECT_EQ(row.substr(0, 58), "KELD106*035#0300 35,KELD106*035#0300,tvKEL,D,10,35,3.5,6,3");
    EXPECT_NE(row.find(",51.3333333333333,10,125,"), std::string::npos);
    // Nothing under 105 and 175: a KEL part's top temperature is 125.
    EXPECT_NE(row.find(",0.18125,1.8125,3.08125,12.6875,,23.5625,\n"), std::string::npos);
    EXPECT_EQ(std::count(row.begin(), row.end(), ','),
              std::count(header.begin(), header.end(), ','));
}

// The cells of `row` under the header's column names.
std::map<std::string, std::string> Cells(const std::string& header, const std::string& row) {
    std::map<std::string, std::string> cells;
    std::istringstream names(header.substr(0, header.size() - 1));
    std::istringstream values(row.substr(0, row.size() - 1) + ",");
    for (std::string name, value; std::getline(names, name, ',');) {
        std::getline(values, value, ',');
        cells[name] = value;
    }
    return cells;
}

TEST(ResultsCsv, FilesTopValuesUnderTheSeriesOwnTopTemperature) {
    const std::vector<TPartNoRecord> catalogue = {
        testing::KELD106(), testing::KWGC155(),
        testing::Entry("WIRA685M010#", "A", "6.8", "10", "1.4", "6", "3700")};
    TResultList list;
    TRejectReasons reasons;
    FindParts(catalogue, testing::Application(10, 0.1L, 1), list, reasons, false);
    ASSERT_EQ(list.size(), 3U);
    const std::string header = ResultsCsvHeader();
    const struct {
        std::string_view top;    // the column of the top temperature's values
        std::string_view empty1; // the two temperatures without a value
        std::string_view empty2;
    } expected[] = {{"125", "105", "175"}, {"175", "105", "125"}, {"105", "125", "175"}};
    for (std::size_t i = 0; i < list.size(); ++i) {
        const TPartNoInfo part = CandidateInfo(list[i]);
        const auto cells = Cells(header, ResultsCsvRow(list[i]));
        const auto& e = expected[i];
        for (const std::string field : {"irms", "vrms", "failure_rate", "fit", "mtbf", "dcl"}) {
            EXPECT_EQ(cells.at(field + "_" + std::string(e.empty1)), "") << list[i].Text << field;
            EXPECT_EQ(cells.at(field + "_" + std::string(e.empty2)), "") << list[i].Text << field;
            EXPECT_NE(cells.at(field + "_" + std::string(e.top)), "") << list[i].Text << field;
            EXPECT_NE(cells.at(field + "_85"), "") << list[i].Text << field;
        }
        EXPECT_EQ(cells.at("irms_" + std::string(e.top)), FormatGeneral(part.Pocitane.Irms[5]));
        EXPECT_EQ(cells.at("dcl_" + std::string(e.top)), FormatGeneral(part.Pocitane.DCL[5]));
        EXPECT_EQ(cells.at("top_temperature"), e.top);
    }
}

TEST(ResultsCsv, QuotesTextsThatNeedIt) {
    TResultList list;
    auto info = Rated(10);
    info->CaseSize = "A,\"B\"";
    list.Add("KEL 10", std::move(info));
    EXPECT_EQ(ResultsCsvRow(list[0]).substr(0, 27), "KEL 10,KEL,tvKEL,\"A,\"\"B\"\"\",");
}

} // namespace
} // namespace dorvanta
