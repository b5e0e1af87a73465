#include "core/export/PartsListOutput.h"

#include "core/catalogue/Catalogue.h"
#include "tests/support/CatalogueFixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

namespace dorvanta {
namespace {

using testing::Entry;
using testing::FiveDigits;

TCheckOptions Options(int temperature = kTemperature85) {
    TCheckOptions options;
    options.Defaults = {0.1L, 0.01L, 10, 5};
    options.TemperatureIndex = temperature;
    return options;
}

TPartsList ReadOrFail(std::string_view text) {
    auto list = ReadPartsList(text);
    EXPECT_TRUE(list) << (list ? "" : list.error());
    return list ? *list : TPartsList{};
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        lines.push_back(line);
    }
    return lines;
}

std::vector<TPartNoRecord> Catalogue() {
    return {
        Entry("KELD106*035#0300", "D", "10", "35", "3.5", "6", "300"),
        Entry("KRBB476*006#", "B", "47", "6.3", "3", "6", "500"), // surge
        Entry("KRBB476*010#", "B", "47", "10", "4.7", "6", "300"),
        Entry("KMDB157M010#0500", "B", "150", "10", "15", "30", "500"),
    };
}

// A surge line with its replacement, another maker's part and a bad line,
// written by `write`.
std::string ThreeLineOutput(void (*write)(std::ostream&, const TPartsListReview&)) {
    const std::vector<TPartNoRecord> catalogue = Catalogue();
    const TPartsListReview review = CheckPartsList(
        ReadOrFail("Ref,MPN,Va\n\"C1,C2\",KRBB476K006R,\nR1,RC0603FR-0710KL,\nC3,X,5V\n"),
        catalogue, Options());
    std::ostringstream out;
    write(out, review);
    return out.str();
}

TEST(PartsListFigures, AtTheChosenTemperature) {
    const std::vector<TPartNoRecord> catalogue = Catalogue();
    const TPartsListReview review = CheckPartsList(
        ReadOrFail("Ref,MPN,Va,Imax\nC1,KELD106K035R0300,20,\nC2,KMDB157M010R0500,,1\n"), catalogue,
        Options());
    const TPartFigures keld = FiguresAt(review.Lines.at(0).Matches.at(0), kTemperature85);
    // the worked example at 0.11 ohm, 10 A, 20 V
    EXPECT_NEAR(*keld.Derating, 42.857L, FiveDigits(42.857L));
    EXPECT_EQ(*keld.AppSurge, 10);
    EXPECT_NEAR(*keld.TestSurge, 51.333L, FiveDigits(51.333L));
    EXPECT_NEAR(*keld.SurgeMargin, 80.519L, FiveDigits(80.519L)); // 1 - 10 / 51.333
    EXPECT_NEAR(*keld.Irms, 636.40L, FiveDigits(636.40L));
    EXPECT_NEAR(*keld.Vrms, 190.92L, FiveDigits(190.92L));
    EXPECT_NEAR(*keld.DCL, 12.6875L, FiveDigits(12.6875L));
    EXPECT_NEAR(*keld.FailureRate, 0.015330L, FiveDigits(0.015330L));
    EXPECT_NEAR(*keld.FIT, 153.30L, FiveDigits(153.30L));
    EXPECT_NEAR(*keld.MTBF, 744.67L, FiveDigits(744.67L));
    const TPartFigures top = FiguresAt(review.Lines.at(0).Matches.at(0), kTemperatureTop);
    EXPECT_NEAR(*top.FIT, 3832.4L, FiveDigits(3832.4L));

    // KMD at derating 50 %: values at 85 °C, none at the top temperature
    const TCheckedPart& kmd = review.Lines.at(1).Matches.at(0);
    EXPECT_TRUE(FiguresAt(kmd, kTemperature85).Irms.has_value());
    const TPartFigures kmdTop = FiguresAt(kmd, kTemperatureTop);
    EXPECT_FALSE(kmdTop.Irms || kmdTop.Vrms || kmdTop.DCL || kmdTop.FailureRate || kmdTop.FIT ||
                 kmdTop.MTBF);
    EXPECT_TRUE(kmdTop.Derating && kmdTop.TestSurge);

    EXPECT_FALSE(FiguresAt(TCheckedPart{}, kTemperature85).Derating.has_value());
}

TEST(PartsListText, OneRowPerLineWithPartsAndReplacementsUnderIt) {
    const std::string out = ThreeLineOutput(WriteReviewText);
    const std::vector<std::string> lines = Lines(out);
    ASSERT_EQ(lines.size(), 9U) << out;
    EXPECT_EQ(lines[0].rfind("2     C1, C2", 0), 0U) << lines[0];
    EXPECT_NE(lines[0].find("KRBB476K006R"), std::string::npos);
    EXPECT_NE(lines[0].find("surge current above test surge"), std::string::npos);
    EXPECT_NE(lines[1].find("Va 5 V, Imax 10 A, Rs 0.1 ohm, Rl 0.01 ohm"), std::string::npos);
    EXPECT_EQ(lines[2].rfind("      catalogue   KRBB476*006#", 0), 0U) << lines[2];
    EXPECT_NE(lines[3].find("at 85 \u00B0C: Irms"), std::string::npos) << lines[3];
    EXPECT_EQ(lines[4].rfind("      replacement KRBB476*010#", 0), 0U) << lines[4];
    EXPECT_NE(lines[4].find("recommended"), std::string::npos);
    EXPECT_EQ(lines[6].rfind("3     R1", 0), 0U) << lines[6];
    EXPECT_NE(lines[6].find("not in catalogue"), std::string::npos);
    EXPECT_NE(lines[7].find("bad line: Va is not a number: \"5V\""), std::string::npos);
    EXPECT_EQ(lines[8], "3 lines: 0 recommended, 1 not recommended, 1 not in catalogue, 1 bad");
}

TEST(PartsListText, Summary) {
    TCheckSummary summary;
    summary.Lines = 14;
    summary.Recommended = 4;
    summary.NotRecommended = 3;
    summary.NotInCatalogue = 6;
    summary.Bad = 1;
    EXPECT_EQ(ReviewSummaryText(summary),
              "14 lines: 4 recommended, 3 not recommended, 6 not in catalogue, 1 bad");
}

TEST(PartsListCsv, RowsPerPartAndQuoting) {
    const std::string out = ThreeLineOutput(WriteReviewCsv);
    const std::vector<std::string> rows = Lines(out);
    ASSERT_EQ(rows.size(), 5U) << out;
    EXPECT_EQ(rows[0].rfind("line,designators,part_number,verdict,message,rs,rl,imax,va,role,"
                            "catalogue_part_number,part_verdict,",
                            0),
              0U)
        << rows[0];
    EXPECT_EQ(rows[1].rfind("2,C1 C2,KRBB476K006R,surge,surge current above test surge,0.1,0.01,"
                            "10,5,match,KRBB476*006#,surge,",
                            0),
              0U)
        << rows[1];
    EXPECT_NE(rows[2].find(",replacement,KRBB476*010#,recommended,"), std::string::npos) << rows[2];
    EXPECT_EQ(rows[3].rfind("3,R1,RC0603FR-0710KL,not_in_catalogue,not in catalogue,", 0), 0U);
    EXPECT_NE(rows[4].find(",bad_line,\"bad line: Va is not a number: \"\"5V\"\"\","),
              std::string::npos)
        << rows[4];
    // every row has the header's number of fields (no field holds a comma here)
    const auto fields = [](const std::string& row) {
        return std::count(row.begin(), row.end(), ',') + 1;
    };
    for (std::size_t i = 1; i < 4; ++i) {
        EXPECT_EQ(fields(rows[i]), fields(rows[0])) << rows[i];
    }
}

// The sample list of the documentation gives the review its README shows.
TEST(PartsListExample, PowerSupplySample) {
    const auto list = ReadPartsListFile(DORVANTA_EXAMPLES_DIR "/psu-parts-list.csv");
    ASSERT_TRUE(list) << list.error();
    const TPartsListReview review = CheckPartsList(*list, BuiltInCatalogue(), Options());
    std::vector<std::string> verdicts;
    for (const TCheckedLine& line : review.Lines) {
        verdicts.emplace_back(VerdictCode(line.Verdict));
        if (!IsPassing(line.Verdict, false) && line.Verdict != TVerdict::NotInCatalogue) {
            EXPECT_FALSE(line.Replacements.empty()) << line.PartNumber;
        }
    }
    EXPECT_EQ(verdicts,
              (std::vector<std::string>{
                  "recommended", "surge", "recommended", "closest_match", "surge", "voltage",
                  "recommended", "recommended", "not_in_catalogue", "not_in_catalogue",
                  "not_in_catalogue", "not_in_catalogue", "not_in_catalogue", "not_in_catalogue"}));
    EXPECT_EQ(ReviewSummaryText(review.Summary),
              "14 lines: 4 recommended, 4 not recommended, 6 not in catalogue, 0 bad");
    EXPECT_EQ(ReviewExitStatus(review), 3);
}

} // namespace
} // namespace dorvanta
