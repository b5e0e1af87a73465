// The page-break rule of the report engine, without painting.
#include "report/ReportEngine.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace dorvanta {
namespace {

constexpr TBandHeights kHeights = {10.85, 125.41, 24.61, 11.38};
constexpr double kPage = 277;

struct Layout {
    int Pages = 0;
    std::string Bands; // "H D D F|H C F": kinds in order, pages separated by "|"
    std::vector<TPlacedBand> Placed;
};

// `details` detail bands, the child band after the last one only.
Layout LayOut(int details, const TBandHeights& heights = kHeights) {
    Layout layout;
    int given = 0;
    int lastPage = 1;
    const TReportEvents events{[&] { return given < details ? (++given, true) : false; },
                               [&] { return given == details; },
                               [&](const TPlacedBand& band) {
                                   if (band.Page != lastPage) {
                                       layout.Bands += "|";
                                       lastPage = band.Page;
                                   } else if (!layout.Bands.empty()) {
                                       layout.Bands += " ";
                                   }
                                   layout.Bands += "HDCF"[static_cast<int>(band.Kind)];
                                   layout.Placed.push_back(band);
                               }};
    layout.Pages = GenerateReport(heights, kPage, events);
    return layout;
}

TEST(ReportEngineTest, TwoDetailsFillAPageAndTheChildGoesWhereItFits) {
    struct Case {
        int Details;
        int Pages;
        const char* Bands;
    };
    const Case cases[] = {
        {0, 1, "H F"},
        {1, 1, "H D C F"},
        {2, 2, "H D D F|H C F"},
        {3, 2, "H D D F|H D C F"},
        {4, 3, "H D D F|H D D F|H C F"},
        {5, 3, "H D D F|H D D F|H D C F"},
    };
    for (const Case& c : cases) {
        const Layout layout = LayOut(c.Details);
        EXPECT_EQ(layout.Pages, c.Pages) << c.Details << " details";
        EXPECT_EQ(layout.Bands, c.Bands) << c.Details << " details";
    }
}

TEST(ReportEngineTest, BandsFollowEachOtherAndTheFooterStandsAtThePageBottom) {
    const Layout layout = LayOut(3);
    ASSERT_EQ(layout.Placed.size(), 8U);
    EXPECT_DOUBLE_EQ(layout.Placed[0].Top, 0);              // header
    EXPECT_DOUBLE_EQ(layout.Placed[1].Top, 10.85);          // part 1
    EXPECT_DOUBLE_EQ(layout.Placed[2].Top, 10.85 + 125.41); // part 2
    EXPECT_DOUBLE_EQ(layout.Placed[3].Top, 277 - 11.38);    // footer 1
    EXPECT_DOUBLE_EQ(layout.Placed[5].Top, 10.85);          // part 3
    EXPECT_DOUBLE_EQ(layout.Placed[6].Top, 10.85 + 125.41); // notes
    EXPECT_EQ(layout.Placed[7].Kind, TBandKind::PageFooter);
    EXPECT_EQ(layout.Placed[7].Page, 2);
    for (const TPlacedBand& band : layout.Placed) {
        EXPECT_LE(band.Top + band.Height, 277 + 1e-9);
    }
}

TEST(ReportEngineTest, ABandThatFitsExactlyAboveTheFooterStaysOnThePage) {
    TBandHeights heights = kHeights;
    heights.Detail = (kPage - heights.PageHeader - heights.PageFooter) / 2;
    heights.Child = 0;
    EXPECT_EQ(LayOut(2, heights).Bands, "H D D C F");
}

TEST(ReportEngineTest, ABandTallerThanAPageGetsAPageOfItsOwnInsteadOfPagingForEver) {
    TBandHeights heights = kHeights;
    heights.Detail = 400;
    const Layout layout = LayOut(2, heights);
    EXPECT_EQ(layout.Pages, 3);
    EXPECT_EQ(layout.Bands, "H D F|H D F|H C F");
}

// Detail bands of their own heights: each one is asked for after NeedData,
// and one that does not fit above the footer starts the next page.
TEST(ReportEngineTest, DetailsOfTheirOwnHeightsBreakWhereTheNextOneDoesNotFit) {
    // 277 - 10.85 - 11.38 = 254.77 mm between header and footer.
    const std::vector<double> heights = {254.77, 100, 100, 60, 300, 10};
    std::size_t given = 0;
    std::vector<TPlacedBand> placed;
    const TReportEvents events{[&] { return given < heights.size() ? (++given, true) : false; },
                               [] { return false; },
                               [&](const TPlacedBand& band) {
                                   if (band.Kind == TBandKind::Detail) {
                                       placed.push_back(band);
                                   }
                               }};
    const int pages = GenerateReport(kHeights, kPage, events, [&] { return heights[given - 1]; });
    ASSERT_EQ(placed.size(), heights.size());
    const int expectedPages[] = {1, 2, 2, 3, 4, 5};
    const double expectedTops[] = {10.85, 10.85, 110.85, 10.85, 10.85, 10.85};
    for (std::size_t i = 0; i < heights.size(); ++i) {
        EXPECT_EQ(placed[i].Page, expectedPages[i]) << "band " << i;
        EXPECT_DOUBLE_EQ(placed[i].Top, expectedTops[i]) << "band " << i;
        EXPECT_DOUBLE_EQ(placed[i].Height, heights[i]) << "band " << i;
    }
    EXPECT_EQ(pages, 5);
}

TEST(ReportEngineTest, CountingWithoutPaintingGivesTheSamePages) {
    int given = 0;
    const int pages = GenerateReport(
        kHeights, kPage,
        {[&] { return given < 4 ? (++given, true) : false; }, [&] { return given == 4; }, nullptr});
    EXPECT_EQ(pages, LayOut(4).Pages);
}

} // namespace
} // namespace dorvanta
