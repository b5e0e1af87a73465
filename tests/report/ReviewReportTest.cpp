// The printed review of a parts list, laid out to PDF and read back: the
// summary page, a block per list line kept whole on its page, the verdict
// and replacements of a failing line, the page texts and the paper.
#include "report/ReviewReport.h"
#include "core/catalogue/Catalogue.h"
#include "core/review/PartsList.h"
#include "tests/support/PdfText.h"

#include <gtest/gtest.h>

#include <QRegularExpression>

namespace dorvanta {
namespace {

using namespace testing_report;
using namespace Qt::Literals::StringLiterals;

// The sample list of the documentation, reviewed for the circuit its text
// output is shown for.
class ReviewReportTest : public testing::Test {
protected:
    void SetUp() override {
        const auto list = ReadPartsListFile(std::string(DORVANTA_SOURCE_DIR) +
                                            "/docs/examples/psu-parts-list.csv");
        ASSERT_TRUE(list) << list.error();
        TCheckOptions options;
        options.Defaults = {0.1L, 0.01L, 10, 5};
        Review = CheckPartsList(*list, BuiltInCatalogue(), options);
    }

    QStringList Pages(TReviewReport& report) const {
        const auto pdf = ReviewReportPdf(report);
        EXPECT_TRUE(pdf);
        return pdf ? PdfPages(*pdf) : QStringList();
    }

    TReviewReportTexts Texts() const {
        return {u"psu-parts-list.csv"_s, u" - [using internal database]"_s, QDate(2024, 3, 5)};
    }

    TPartsListReview Review;
};

// `caption`, blanks, then `value` as a whole word on one line of `text`.
bool HasRow(const QString& text, const QString& caption, const QString& value) {
    const QRegularExpression row(QRegularExpression::escape(caption) + u"\\s+"_s +
                                     QRegularExpression::escape(value) + u"(\\s|$)"_s,
                                 QRegularExpression::MultilineOption);
    return row.match(text).hasMatch();
}

// The page of `pages` (from 0) whose text holds `text`; -1 when none does.
qsizetype PageOf(const QStringList& pages, const QString& text) {
    for (qsizetype p = 0; p < pages.size(); ++p) {
        if (pages[p].contains(text)) {
            return p;
        }
    }
    return -1;
}

TEST_F(ReviewReportTest, TheSummaryPageNamesWhatWasReviewedAndCountsTheVerdicts) {
    TReviewReport report(Review, Texts());
    const QStringList pages = Pages(report);
    ASSERT_FALSE(pages.isEmpty());
    const QString& summary = pages.first();
    EXPECT_TRUE(HasRow(summary, u"Parts list"_s, u"psu-parts-list.csv"_s)) << summary.toStdString();
    EXPECT_TRUE(HasRow(summary, u"Catalogue"_s, u"using internal database"_s))
        << summary.toStdString();
    EXPECT_TRUE(
        HasRow(summary, u"Default application"_s, u"Va 5 V, Imax 10 A, Rs 0.1 ohm, Rl 0.01 ohm"_s))
        << summary.toStdString();
    EXPECT_TRUE(HasRow(summary, u"Temperature"_s, u"85 °C"_s)) << summary.toStdString();
    EXPECT_TRUE(HasRow(summary, u"Date"_s, u"2024-03-05"_s)) << summary.toStdString();
    EXPECT_TRUE(summary.contains(
        u"14 lines: 4 recommended, 4 not recommended, 6 not in catalogue, 0 bad"_s));
    // Lines 2, 4, 8 and 9 are recommended, 3 and 6 fail on surge, 5 is a
    // closest match, 7 fails on voltage, 10 to 15 are other makers' parts.
    const struct {
        QString Verdict;
        QString Count;
    } counts[] = {
        {u"recommended"_s, u"4"_s},
        {u"accepted only as closest match (surge ≤ 115 % of test surge)"_s, u"1"_s},
        {u"surge current above test surge"_s, u"2"_s},
        {u"voltage derating below 17.5 %"_s, u"1"_s},
        {u"cannot be evaluated"_s, u"0"_s},
        {u"not in catalogue"_s, u"6"_s},
        {u"bad line"_s, u"0"_s},
    };
    for (const auto& c : counts) {
        EXPECT_TRUE(HasRow(summary, c.Verdict, c.Count)) << c.Verdict.toStdString();
    }
    EXPECT_FALSE(summary.contains(u"Line 2"_s)) << "the lines begin on the next page";
}

TEST_F(ReviewReportTest, EachLineHasOneBlockWholeOnItsPage) {
    TReviewReport report(Review, Texts());
    const QStringList pages = Pages(report);
    ASSERT_EQ(pages.size(), report.PageCount());
    ASSERT_GT(pages.size(), 2);
    const QString all = pages.join(QString());
    for (const TCheckedLine& line : Review.Lines) {
        const QString heading = u"Line "_s + QString::number(line.Line);
        EXPECT_EQ(all.count(QRegularExpression(u"\\b"_s + heading + u"\\b"_s)), 1)
            << heading.toStdString();
        const qsizetype page = PageOf(pages, heading);
        ASSERT_GE(page, 1) << heading.toStdString();
        for (const TCheckedPart& part : line.Replacements) {
            EXPECT_TRUE(pages[page].contains(QString::fromStdString(part.PartNumber)))
                << heading.toStdString() << " " << part.PartNumber;
        }
    }
}

TEST_F(ReviewReportTest, AFailingLineShowsItsVerdictFiguresAndReplacements) {
    TReviewReport report(Review, Texts());
    const QString all = Pages(report).join(QString());
    const qsizetype start = all.indexOf(u"Line 7"_s);
    ASSERT_GE(start, 0);
    const QString block = all.mid(start, all.indexOf(u"Line 8"_s) - start);
    for (const QString& text :
         {u"C10"_s, u"KRBB476K004R"_s, u"voltage derating below 17.5 %"_s,
          u"Application: Va 5 V, Imax 10 A, Rs 0.1 ohm, Rl 0.01 ohm"_s, u"KRBB476*004#"_s,
          u"at 85 °C"_s, u"Replacement"_s, u"KUBB476M006#0081"_s, u"KWGB476*006#"_s}) {
        EXPECT_TRUE(block.contains(text)) << text.toStdString() << "\n" << block.toStdString();
    }
    EXPECT_EQ(block.count(u"Replacement"_s), 3);
}

TEST_F(ReviewReportTest, EveryPageCarriesItsPageTextOnTheChosenPaper) {
    const struct {
        QPageSize::PageSizeId Size;
        QPageLayout::Orientation Orientation;
        QString Points;
    } papers[] = {
        {QPageSize::A4, QPageLayout::Portrait, u"595 x 842 pts (A4)"_s},
        {QPageSize::Letter, QPageLayout::Landscape, u"792 x 612 pts (letter)"_s},
    };
    for (const auto& paper : papers) {
        TReviewReport report(Review, Texts());
        report.SetPage(QPageLayout(QPageSize(paper.Size), paper.Orientation, {}));
        const int count = report.CountPages();
        const auto pdf = ReviewReportPdf(report);
        ASSERT_TRUE(pdf);
        EXPECT_TRUE(PdfInfo(*pdf).contains(paper.Points)) << PdfInfo(*pdf).toStdString();
        const QStringList pages = PdfPages(*pdf);
        ASSERT_EQ(pages.size(), count);
        for (int p = 0; p < count; ++p) {
            EXPECT_TRUE(pages[p].contains(u"Page %1 of %2"_s.arg(p + 1).arg(count)))
                << paper.Points.toStdString() << " page " << p + 1;
        }
    }
}

TEST(ReviewReport, VerdictsAreColouredByWhatTheyMean) {
    const QColor green = VerdictColour(TVerdict::Recommended);
    EXPECT_GT(green.green(), green.red());
    for (const TVerdict failing : {TVerdict::Voltage, TVerdict::Surge, TVerdict::CannotEvaluate}) {
        const QColor red = VerdictColour(failing);
        EXPECT_GT(red.red(), 2 * red.green());
        EXPECT_GT(red.red(), 2 * red.blue());
    }
    for (const TVerdict warned : {TVerdict::ClosestMatch, TVerdict::BadLine}) {
        const QColor orange = VerdictColour(warned);
        EXPECT_GT(orange.red(), orange.green());
        EXPECT_GT(orange.green(), orange.blue());
        EXPECT_NE(orange, VerdictColour(TVerdict::Surge));
    }
    const QColor grey = VerdictColour(TVerdict::NotInCatalogue);
    EXPECT_EQ(grey.red(), grey.green());
    EXPECT_EQ(grey.green(), grey.blue());
}

TEST(ReviewReport, ABlockGrowsByItsParts) {
    TCheckedLine line;
    const double bare = TReviewReport::BlockHeight(line);
    line.Matches.resize(1);
    const double matched = TReviewReport::BlockHeight(line);
    line.Replacements.resize(3);
    const double replaced = TReviewReport::BlockHeight(line);
    EXPECT_LT(bare, matched);
    EXPECT_DOUBLE_EQ(replaced - matched, 3 * 3 * kReviewRow);
}

} // namespace
} // namespace dorvanta
