#include "core/catalogue/Series.h"
#include "core/catalogue/untKonstanty.h"

#include <gtest/gtest.h>

#include <string>

namespace dorvanta {
namespace {

struct SeriesCase {
    std::string text;
    TTypVyrobku expected;
};

TEST(SeriesOf, DecodesPartNumbersAndDisplayNames) {
    const SeriesCase cases[] = {
        {"", tvAll},
        {"KE", tvAll},
        {"KELD106*035#0300", tvKEL},
        {"keld106*035#0300", tvKEL},
        {"krb", tvKRB},
        {"KRB Generic and Low Profile Tantalum", tvKRB},
        {"WUDA336*010#", tvAll},
        {"KMX6108*010#", tvAll},
        {"all", tvAll},
        {"ALL", tvAll},
        {"KYF Tantalum Medical Microchips", tvKYF},
        {"WIRB226M010#", tvWIR},
        {"KYDZ106M004#", tvKYD},
        {"tvKEL", tvAll},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SeriesOf(c.text), c.expected) << c.text;
    }
}

TEST(SeriesOf, EveryDisplayNameDecodesToItsOwnSeries) {
    for (int i = 0; i < kSeriesCount; ++i) {
        EXPECT_EQ(SeriesOf(SeriesNames[static_cast<std::size_t>(i)]), i);
    }
}

TEST(SeriesNames, AreTheCodeABlankAndADescription) {
    EXPECT_EQ(SeriesNames[tvAll], "all");
    for (int i = 1; i < kSeriesCount; ++i) {
        const auto series = static_cast<TTypVyrobku>(i);
        EXPECT_EQ(SeriesNames[series].substr(0, 4), std::string(SeriesCode(series)) + " ");
    }
    EXPECT_EQ(SeriesValueName(tvKYR), "tvKYR");
    EXPECT_EQ(static_cast<int>(tvKYR), 12);
}

struct DimensionCase {
    TTypVyrobku series;
    std::string caseCode;
    std::string expected;
};

TEST(CaseDimensions, LooksUpTheTableOfTheSeries) {
    const DimensionCase cases[] = {
        {tvKRB, "A", "3.2±0.2 x 1.6+0.2-0.1 x 1.6+0.2-0.1"},
        {tvKYR, "A", "3.2±0.2 x 1.6±0.2 x 1.6±0.2"},
        {tvKYR, "B", ""},
        {tvKYD, "K", ""},
        {tvKYR, "K", "1.0+0.2-0 x 0.5+0.2-0 x 0.5+0.2-0"},
        {tvKYR, "U", "2.0+0.25-0.15 x 1.35+02-0.1 x 0.5±0.1"},
        {tvAll, "S", "3.2±0.2 x 1.6+0.2-0.1 x 1.2 H max"},
        {tvKEL, "Y", "7.3±0.2 x 4.3+0.2-0.1 x 2.0 H max"},
        {tvKEL, "DX", "7.3±0.2 x 4.3+0.2-0.1 x 2.9+0.2-0.1"},
        {tvKRB, "", ""},
        {tvKYR, "", ""},
        // Outside 'A' to 'Y': no entry in either table.
        {tvKYD, "Z", ""},
        {tvAll, "6", ""},
        {tvKRB, "a", ""},
        {tvKYR, "@", ""},
        {tvKRB, "\xFF", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CaseDimensions(c.series, c.caseCode), c.expected)
            << SeriesValueName(c.series) << " " << c.caseCode;
    }
}

TEST(TemperatureCaptions, NameTheSevenIndices) {
    EXPECT_EQ(TemperatureCaptions[kTemperature55], "-55");
    EXPECT_EQ(TemperatureCaptions[kTemperatureTop], "125");
    EXPECT_EQ(TemperatureCaptions[TopTemperatureCaptionIndex(tvKWG)], "175");
    EXPECT_EQ(TemperatureCaptions[TopTemperatureCaptionIndex(tvWIR)], "105");
    EXPECT_EQ(TemperatureCaptions[TopTemperatureCaptionIndex(tvWIE)], "125");
    EXPECT_EQ(TemperatureCaptions[TopTemperatureCaptionIndex(tvAll)], "125");
}

} // namespace
} // namespace dorvanta
