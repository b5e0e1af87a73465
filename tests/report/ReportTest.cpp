// The printed report laid out to PDF and read back: the page texts, the part
// block's captions and values by series, the notes, the header note, and the
// report's hold on the result list.
#include "core/catalogue/untKonstanty.h"
#include "report/qrptDorvanta.h"
#include "tests/report/ReportParts.h"
#include "tests/support/PdfText.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QPdfWriter>
#include <QRegularExpression>

inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace dorvanta {
namespace {

using namespace testing_report;
using namespace Qt::Literals::StringLiterals;

QStringList ReportPages(TquickreportDorvanta& report) {
    const auto pdf = ReportPdf(report);
    EXPECT_TRUE(pdf);
    return pdf ? PdfPages(*pdf) : QStringList();
}

QStringList ReportPages(const TResultList& list, bool note = false) {
    TquickreportDorvanta report(list, ".");
    if (!note) {
        report.qrlabelPoznamka.clear();
    }
    return ReportPages(report);
}

// A line of the text holds `caption`, blanks, then `value` as a whole word.
bool HasRow(const QString& text, const QString& caption, const QString& value) {
    const QRegularExpression row(QRegularExpression::escape(caption) + u"\\s+"_s +
                                     QRegularExpression::escape(value) + u"(\\s|$)"_s,
                                 QRegularExpression::MultilineOption);
    return row.match(text).hasMatch();
}

// The text of each part block, from its part-number line to the next one.
QStringList PartBlocks(const QStringList& pages) {
    QStringList blocks = pages.join(QString()).split(u"Moltren Part Number"_s);
    blocks.removeFirst();
    return blocks;
}

QString LastLine(const QString& page) {
    const QStringList lines = page.trimmed().split(u'\n');
    return lines.last().trimmed();
}

TEST(ReportTest, ThePartListIsACopyOfTheLinesSharingTheirCandidates) {
    const TResultList list = KelParts(3);
    const TquickreportDorvanta report(list, ".");
    ASSERT_EQ(report.PartList.size(), 3U);
    for (std::size_t i = 0; i < list.size(); ++i) {
        EXPECT_EQ(report.PartList[i].Text, list[i].Text);
        EXPECT_EQ(report.PartList[i].Line, &list[i]);
    }
    EXPECT_EQ(report.PartIndex, 0U);
}

TEST(ReportTest, NeedDataAnswersOncePerPartThenEndsThePassAndStartsOver) {
    const TResultList list = KelParts(2);
    TquickreportDorvanta report(list, ".");
    for (int pass = 0; pass < 2; ++pass) {
        EXPECT_TRUE(report.QuickRepNeedData());
        EXPECT_EQ(report.PartBlock().qrlabelPartNumberData, u"Moltren Part Number  KELA000*006#"_s);
        EXPECT_FALSE(report.childbandDetailBeforePrint());
        EXPECT_TRUE(report.QuickRepNeedData());
        EXPECT_EQ(report.PartBlock().qrlabelPartNumberData, u"Moltren Part Number  KELA001*006#"_s);
        EXPECT_TRUE(report.childbandDetailBeforePrint()); // the notes after the last part only
        EXPECT_FALSE(report.QuickRepNeedData());
        EXPECT_EQ(report.PartIndex, 0U);
    }
}

TEST(ReportTest, ThePageTextCountsThePagesOfTheLayout) {
    struct Case {
        int Parts;
        QStringList PageTexts;
    };
    const Case cases[] = {
        {1, {u"1 of 1"_s}},
        {2, {u"Page 1 of 2"_s, u"Page 2 of 2"_s}},
        {3, {u"Page 1 of 2"_s, u"Page 2 of 2"_s}},
        {4, {u"Page 1 of 3"_s, u"Page 2 of 3"_s, u"Page 3 of 3"_s}},
    };
    for (const Case& c : cases) {
        const QStringList pages = ReportPages(KelParts(c.Parts));
        ASSERT_EQ(pages.size(), c.PageTexts.size()) << c.Parts << " parts";
        for (qsizetype p = 0; p < pages.size(); ++p) {
            EXPECT_TRUE(LastLine(pages[p]).endsWith(c.PageTexts[p]))
                << c.Parts << " parts, page " << p + 1 << ": " << LastLine(pages[p]).toStdString();
            EXPECT_TRUE(pages[p].contains(u"Dorvanta"_s));
            EXPECT_TRUE(
                pages[p].contains(u"Issued by Moltren Technical Marketing Tantalum Division"_s));
            EXPECT_TRUE(pages[p].contains(u"Contact: techsales@moltren.example"_s));
            EXPECT_TRUE(pages[p].contains(u"Software Version: "_s));
            // The notes and the notice once, after the last part.
            const bool last = p + 1 == pages.size();
            EXPECT_EQ(pages[p].contains(u"NOTICE: Specifications are subject to change"_s), last);
            EXPECT_EQ(pages[p].contains(u"FIT ... (1 / MTBF) * 1 000 000 000"_s), last);
        }
        EXPECT_EQ(PartBlocks(pages).size(), c.Parts);
    }
}

TEST(ReportTest, WithAnEvenNumberOfPartsTheNotesStandOnAPageOfTheirOwn) {
    const QStringList pages = ReportPages(KelParts(4));
    ASSERT_EQ(pages.size(), 3);
    EXPECT_FALSE(pages[2].contains(u"Moltren Part Number"_s));
    EXPECT_TRUE(pages[2].contains(u"Failure Rate ... 1/MTBF, %/1000 hrs"_s));
    EXPECT_TRUE(pages[2].contains(u"MTBF ... Mean Time Between Failures in hours"_s));
    EXPECT_TRUE(pages[2].contains(u"applications."_s));
}

TEST(ReportTest, APartBlockShowsEveryCaptionWithItsValue) {
    TResultList list;
    AddPart(list, "KELA106*006#1600", Candidate("A"));
    const QStringList pages = ReportPages(list);
    ASSERT_EQ(pages.size(), 1);
    const QString& page = pages[0];
    const QString dimension = QString::fromUtf8(CaseDimensions(tvKEL, "A").data());
    ASSERT_FALSE(dimension.isEmpty());
    const std::pair<QString, QString> rows[] = {
        {u"Moltren Part Number"_s, u"KELA106*006#1600"_s},
        {u"Dimensions LxWxH [mm]"_s, dimension},
        {u"Case Size"_s, u"A"_s},
        {u"Capacitance [µF] @ 25°C, 120 Hz"_s, u"10"_s},
        {u"Rated Voltage [V]"_s, u"6.3"_s},
        {u"Applicable Voltage Derating [%]"_s, u"20.6"_s},
        {u"DF [%] @ 25°C, 120 Hz"_s, u"8"_s},
        {u"ESR Max. [Ohm] @ 25°C, 100 kHz"_s, u"1.6"_s},
        {u"DCL Max. [µA] @ 25°C, 3 min."_s, u"0.6"_s},
        {u"DCL Typical -55°C @ App. Volt. [µA]"_s, u"0.11"_s},
        {u"DCL Typical 25°C @ App. Volt. [µA]"_s, u"0.22"_s},
        {u"DCL Typical 40°C @ App. Volt. [µA]"_s, u"0.33"_s},
        {u"DCL Typical 85°C @ App. Volt. [µA]"_s, u"0.44"_s},
        {u"DCL Typical 125°C @ App. Volt. [µA]"_s, u"0.66"_s},
        {u"Irms -55°C @ 100 kHz [mA]"_s, u"100"_s},
        {u"Irms 25°C @ 100 kHz [mA]"_s, u"101"_s},
        {u"Irms 40°C @ 100 kHz [mA]"_s, u"102"_s},
        {u"Irms 85°C @ 100 kHz [mA]"_s, u"103"_s},
        {u"Irms 125°C @ 100kHz [mA]"_s, u"105"_s},
        {u"Vrms -55°C @ 100 kHz [mV]"_s, u"110"_s},
        {u"Vrms 25°C @ 100 kHz [mV]"_s, u"111"_s},
        {u"Vrms 40°C @ 100 kHz [mV]"_s, u"112"_s},
        {u"Vrms 85°C @ 100 kHz [mV]"_s, u"113"_s},
        {u"Vrms 125°C @ 100kHz [mV]"_s, u"115"_s},
        {u"Failure Rate -55°C [%/1000 hrs]"_s, u"1.0e-3"_s},
        {u"Failure Rate 25°C [%/1000 hrs]"_s, u"1.1e-3"_s},
        {u"Failure Rate 40°C [%/1000 hrs]"_s, u"1.2e-3"_s},
        {u"Failure Rate 85°C [%/1000 hrs]"_s, u"1.3e-3"_s},
        {u"Failure Rate 125°C [%/1000hrs]"_s, u"1.5e-3"_s},
        // The raised "9" reads as part of the caption; the value is 25 °C's.
        {u"hrs) @ 25°C [FITs]"_s, u"51.25"_s},
        {u"MTBF -55°C [years]"_s, u"120"_s},
        {u"MTBF 25°C [years]"_s, u"121"_s},
        {u"MTBF 40°C [years]"_s, u"122"_s},
        {u"MTBF 85°C [years]"_s, u"123"_s},
        {u"MTBF 125°C [years]"_s, u"125"_s},
        {u"Application Surge [A]"_s, u"3.1"_s},
        {u"Moltren Test Surge [A]"_s, u"3.4"_s},
    };
    for (const auto& [caption, value] : rows) {
        EXPECT_TRUE(HasRow(page, caption, value))
            << caption.toStdString() << " " << value.toStdString();
    }
    EXPECT_TRUE(page.contains(u"Failures in Time (10"_s));
    // The part line carries the part number alone, without the rated voltage.
    EXPECT_FALSE(HasRow(page, u"KELA106*006#1600"_s, u"6.3"_s));
}

TEST(ReportTest, TheFitCaptionNamesTheTemperatureOfItsValue) {
    TResultList list;
    AddPart(list, "KELA106*006#", Candidate("A"));
    TquickreportDorvanta report(list, ".");
    ASSERT_TRUE(report.QuickRepNeedData());
    const TPartBlockRow& row = report.PartBlock().Rows[kFitRow - 1];
    EXPECT_EQ(row.RightCaption, u"Failures in Time (10  hrs) @ 25°C [FITs]"_s);
    EXPECT_EQ(row.RightValue, u"51.25"_s); // FIT at index 1, not 52.5 at index 2
}

TEST(ReportTest, TopTemperatureRowsNameTheSeriesTopTemperatureAndShowIndexFive) {
    struct Case {
        const char* PartNumber;
        QString Top;
    };
    const Case cases[] = {{"WIRA106M006#", u"105"_s},
                          {"KWGC106*050#", u"175"_s},
                          {"KELA106*006#", u"125"_s},
                          {"XYZA106*006#", u"125"_s}};
    for (const Case& c : cases) {
        TResultList list;
        AddPart(list, c.PartNumber, Candidate("A"));
        const QStringList pages = ReportPages(list);
        ASSERT_EQ(pages.size(), 1);
        const QString& t = c.Top;
        EXPECT_TRUE(HasRow(pages[0], u"Vrms "_s + t + u"°C @ 100kHz [mV]"_s, u"115"_s))
            << c.PartNumber;
        EXPECT_TRUE(HasRow(pages[0], u"Failure Rate "_s + t + u"°C [%/1000hrs]"_s, u"1.5e-3"_s))
            << c.PartNumber;
        EXPECT_TRUE(HasRow(pages[0], u"DCL Typical "_s + t + u"°C @ App. Volt. [µA]"_s, u"0.66"_s))
            << c.PartNumber;
        EXPECT_TRUE(HasRow(pages[0], u"MTBF "_s + t + u"°C [years]"_s, u"125"_s)) << c.PartNumber;
        EXPECT_TRUE(HasRow(pages[0], u"Irms "_s + t + u"°C @ 100kHz [mA]"_s, u"105"_s))
            << c.PartNumber;
    }
}

TEST(ReportTest, AWirPartIsTestedAtOnePointOneTimesItsApplicationSurge) {
    TResultList list;
    auto wir = Candidate("A");
    wir->Pocitane.AppSurge = 2;
    wir->Pocitane.TestSurge = 9;
    AddPart(list, "WIRA106M006#", std::move(wir));
    AddPart(list, "KELA106*006#", Candidate("A"));
    const QStringList blocks = PartBlocks(ReportPages(list));
    ASSERT_EQ(blocks.size(), 2);
    EXPECT_TRUE(HasRow(blocks[0], u"Application Surge [A]"_s, u"2"_s));
    EXPECT_TRUE(HasRow(blocks[0], u"Moltren Test Surge [A]"_s, u"2.2"_s));
    EXPECT_TRUE(blocks[0].contains(u"MTBF 105°C [years]"_s));
    // The KEL part in the same report keeps its own captions and test surge.
    EXPECT_TRUE(HasRow(blocks[1], u"Moltren Test Surge [A]"_s, u"3.4"_s));
    EXPECT_TRUE(blocks[1].contains(u"MTBF 125°C [years]"_s));
    EXPECT_FALSE(blocks[1].contains(u"105°C"_s));
}

TEST(ReportTest, APartWithoutDissipationFactorShowsADash) {
    TResultList list;
    auto kyd = Candidate("D");
    kyd->DF = 0;
    AddPart(list, "KYDD107M006#", std::move(kyd));
    const QStringList pages = ReportPages(list);
    ASSERT_EQ(pages.size(), 1);
    EXPECT_TRUE(HasRow(pages[0], u"DF [%] @ 25°C, 120 Hz"_s, u"-"_s));
}

TEST(ReportTest, ADimensionIsEmptyWithoutACaseCodeAndNeverThatOfAnotherPart) {
    TResultList list;
    AddPart(list, "KELA106*006#", Candidate("A"));
    AddPart(list, "KELA107*006#", Candidate(""));
    AddPart(list, "KELA108*006#", Candidate("9"));
    TquickreportDorvanta report(list, ".");
    ASSERT_TRUE(report.QuickRepNeedData());
    EXPECT_FALSE(report.PartBlock().Rows[0].LeftValue.isEmpty());
    ASSERT_TRUE(report.QuickRepNeedData());
    EXPECT_TRUE(report.PartBlock().Rows[0].LeftValue.isEmpty());
    ASSERT_TRUE(report.QuickRepNeedData());
    EXPECT_TRUE(report.PartBlock().Rows[0].LeftValue.isEmpty());
}

TEST(ReportTest, NumbersUseTheGivenDecimalSeparator) {
    TResultList list;
    AddPart(list, "KELA106*006#", Candidate("A"));
    TquickreportDorvanta report(list, ",");
    ASSERT_TRUE(report.QuickRepNeedData());
    EXPECT_EQ(report.PartBlock().Rows[3].LeftValue, u"6,3"_s);
    EXPECT_EQ(report.PartBlock().Rows[6].RightValue, u"1,0e-3"_s);
}

TEST(ReportTest, TheHeaderNoteStandsOnEveryPageOnlyWhileItIsShown) {
    const QString note =
        u"Application current exceeds the test current. Experimental verification recommended."_s;
    const TResultList list = KelParts(3);
    for (const bool shown : {true, false}) {
        const QStringList pages = ReportPages(list, shown);
        ASSERT_EQ(pages.size(), 2);
        for (const QString& page : pages) {
            EXPECT_EQ(page.contains(note), shown);
        }
    }
}

TEST(ReportTest, PrintingTwiceGivesTheSameReportAndLeavesTheListAlone) {
    const TResultList list = KelParts(3);
    std::vector<TPartNoInfo> before;
    for (const TResultLine& line : list) {
        before.push_back(CandidateInfo(line));
    }
    TquickreportDorvanta report(list, ".");
    EXPECT_EQ(report.CountPages(), 2);
    EXPECT_EQ(report.PartIndex, 0U);
    const QStringList first = ReportPages(report);
    EXPECT_EQ(report.PartIndex, 0U);
    const QStringList second = ReportPages(report);
    EXPECT_EQ(first, second);
    EXPECT_EQ(first.size(), 2);
    ASSERT_EQ(list.size(), 3U);
    for (std::size_t i = 0; i < list.size(); ++i) {
        EXPECT_EQ(CandidateInfo(list[i]), before[i]);
        EXPECT_EQ(report.PartList[i].Line, &list[i]);
    }
}

TEST(ReportTest, OnlyTheChosenPagesAndCopiesArePrinted) {
    const TResultList list = KelParts(3);
    TquickreportDorvanta report(list, ".");
    const auto print = [&report](TPageRange range, int copies) {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        {
            QPdfWriter writer(&buffer);
            report.SetUpPage(writer);
            EXPECT_TRUE(report.Print(writer, range, copies));
        }
        return PdfPages(bytes);
    };
    const QStringList second = print({2, 2}, 1);
    ASSERT_EQ(second.size(), 1);
    EXPECT_TRUE(LastLine(second[0]).endsWith(u"Page 2 of 2"_s));
    EXPECT_TRUE(second[0].contains(u"KELA002*006#"_s));
    const QStringList twice = print({1, 2}, 2);
    ASSERT_EQ(twice.size(), 4);
    EXPECT_EQ(twice[0], twice[2]);
    EXPECT_EQ(twice[1], twice[3]);
}

// On the paper and in the orientation chosen, every page carries the footer
// and its page text, and nothing of the report lies outside the page's
// print area (its margins: 13 mm left and right, 10 mm top and bottom).
TEST(ReportTest, OnEveryPaperTheFooterAndThePageTextStandInsideEveryPage) {
    struct Case {
        QPageSize::PageSizeId Paper;
        QPageLayout::Orientation Orientation;
        int Parts;
        int Pages; // one part block a page where two do not fit
        QString PdfInfoSize;
    };
    const Case cases[] = {
        {QPageSize::Letter, QPageLayout::Portrait, 3, 3, u"612 x 792 pts (letter)"_s},
        {QPageSize::A4, QPageLayout::Landscape, 3, 3, u"842 x 595 pts (A4)"_s},
        {QPageSize::Letter, QPageLayout::Landscape, 2, 2, u"792 x 612 pts (letter)"_s},
        {QPageSize::Legal, QPageLayout::Portrait, 4, 2, u"612 x 1008 pts"_s},
        {QPageSize::A4, QPageLayout::Portrait, 4, 3, u"595 x 842 pts (A4)"_s},
    };
    constexpr double kPointsPerMm = 72 / 25.4;
    constexpr double kSlack = 0.5; // points, for glyph boxes that touch the margin
    for (const Case& c : cases) {
        const std::string name = QPageSize(c.Paper).name().toStdString() +
                                 (c.Orientation == QPageLayout::Landscape ? " landscape" : "");
        SCOPED_TRACE(name);
        const TResultList list = KelParts(c.Parts);
        TquickreportDorvanta report(list, ".");
        report.SetPage(ReportPageLayout(QPageSize(c.Paper), c.Orientation));
        const auto drawn = ReportPdf(report);
        ASSERT_TRUE(drawn);
        const QByteArray& pdf = *drawn;
        EXPECT_TRUE(PdfInfo(pdf).contains(c.PdfInfoSize)) << PdfInfo(pdf).toStdString();

        const QStringList pages = PdfPages(pdf);
        ASSERT_EQ(pages.size(), c.Pages);
        EXPECT_EQ(report.PageCount(), c.Pages);
        for (qsizetype p = 0; p < pages.size(); ++p) {
            const QString pageText = u"Page %1 of %2"_s.arg(p + 1).arg(c.Pages);
            EXPECT_TRUE(LastLine(pages[p]).endsWith(pageText))
                << "page " << p + 1 << ": " << LastLine(pages[p]).toStdString();
            EXPECT_TRUE(
                pages[p].contains(u"Issued by Moltren Technical Marketing Tantalum Division"_s));
            EXPECT_TRUE(pages[p].contains(u"Contact: techsales@moltren.example"_s));
            EXPECT_TRUE(pages[p].contains(u"Software Version: "_s));
        }
        EXPECT_EQ(PartBlocks(pages).size(), c.Parts);

        const auto boxes = PdfWordBoxes(pdf);
        ASSERT_EQ(boxes.size(), static_cast<std::size_t>(c.Pages));
        for (std::size_t p = 0; p < boxes.size(); ++p) {
            const QSizeF size = boxes[p].Size;
            const QRectF printArea(13 * kPointsPerMm - kSlack, 10 * kPointsPerMm - kSlack,
                                   size.width() - 26 * kPointsPerMm + 2 * kSlack,
                                   size.height() - 20 * kPointsPerMm + 2 * kSlack);
            int pageTexts = 0;
            for (const PdfWord& word : boxes[p].Words) {
                EXPECT_TRUE(printArea.contains(word.Box))
                    << "page " << p + 1 << ": \"" << word.Text.toStdString() << "\" at "
                    << word.Box.left() << ", " << word.Box.top() << " - " << word.Box.right()
                    << ", " << word.Box.bottom() << " of " << size.width() << " x "
                    << size.height();
                pageTexts += word.Text == u"Page"_s ? 1 : 0;
            }
            EXPECT_EQ(pageTexts, 1) << "page " << p + 1;
        }
    }
}

TEST(ReportTest, ThePdfIsTitledAfterTheProgramAndIsA4) {
    const TResultList list = KelParts(1);
    TquickreportDorvanta report(list, ".");
    const auto pdf = ReportPdf(report);
    ASSERT_TRUE(pdf);
    const QString info = PdfInfo(*pdf);
    EXPECT_TRUE(info.contains(
        QRegularExpression(u"^Title:\\s+Dorvanta$"_s, QRegularExpression::MultilineOption)))
        << info.toStdString();
    EXPECT_TRUE(info.contains(u"(A4)"_s)) << info.toStdString();
}

TEST(ReportTest, TheFontsResolveToArialAndTimesOrTheirMetricTwins) {
    EXPECT_TRUE(QStringList({u"Liberation Sans"_s, u"Arial"_s})
                    .contains(QFontInfo(ReportFont(10)).family()))
        << QFontInfo(ReportFont(10)).family().toStdString();
    EXPECT_TRUE(QStringList({u"Liberation Serif"_s, u"Times New Roman"_s})
                    .contains(QFontInfo(TitleFont()).family()))
        << QFontInfo(TitleFont()).family().toStdString();
    EXPECT_TRUE(QFontInfo(TitleFont()).bold());
    EXPECT_TRUE(QFontInfo(TitleFont()).italic());
}

// Every caption ends before its value column and every value before the next
// rule, for each series' top captions and the widest values of the catalogue.
TEST(ReportTest, NoTextRunsIntoTheNextColumn) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    const double perMm = writer.logicalDpiX() / 25.4;
    const QFontMetricsF metrics(ReportFont(10), &writer);
    const auto width = [&](const QString& text) {
        return metrics.horizontalAdvance(text) / perMm;
    };
    for (const char* number : {"WIRA106M006#", "KWGC106*050#", "KELA106*006#"}) {
        TResultList list;
        auto wide = Candidate("X", 1e6);
        wide->Pocitane.Derating = -1234.5L;
        wide->Pocitane.FailureRate.fill(-1.5e-123L);
        AddPart(list, number, std::move(wide));
        TquickreportDorvanta report(list, ".");
        ASSERT_TRUE(report.QuickRepNeedData());
        for (const TPartBlockRow& row : report.PartBlock().Rows) {
            EXPECT_LT(width(row.LeftCaption), 65.6 - 1 - 0.5) << row.LeftCaption.toStdString();
            EXPECT_LT(width(row.RightCaption), 158.75 - 92.3 - 0.5)
                << row.RightCaption.toStdString();
            EXPECT_LT(width(row.RightValue), 184 - 158.75 - 0.5) << row.RightValue.toStdString();
        }
        for (std::size_t r = 1; r < kPartBlockRows; ++r) {
            const QString& value = report.PartBlock().Rows[r].LeftValue;
            EXPECT_LT(width(value), 90 - 65.6 - 0.5) << value.toStdString();
        }
    }
    for (const std::string_view dimension : CaseSizeDimensions) {
        EXPECT_LT(
            width(QString::fromUtf8(dimension.data(), static_cast<qsizetype>(dimension.size()))),
            184 - 65.6 - 0.5);
    }
}

} // namespace
} // namespace dorvanta
