// The reference documents read back as text, as a reader sees them: every
// constant they state is the maker's published one, and every limit of the
// voltage derating table lies where the search itself puts it.

#include "core/catalogue/Catalogue.h"
#include "core/catalogue/untKonstanty.h"
#include "core/display/NumberText.h"
#include "core/engine/DeratingRule.h"
#include "core/engine/Search.h"
#include "core/engine/SearchRun.h"
#include "documents/ReferenceDocuments.h"

#include "tests/support/CatalogueFixture.h"
#include "tests/support/PdfText.h"
#include "tests/support/PublishedTables.h"

#include <gtest/gtest.h>

#include <QRegularExpression>

#include <cstdlib>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace dorvanta {
namespace {

using testing_report::RunOnPdf;

QByteArray Pdf(TReferenceDocument document) {
    const auto bytes = DocumentContents(document);
    return {reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size())};
}

// The text with its lines laid out as on the page.
QString LayoutText(TReferenceDocument document) {
    return RunOnPdf(QStringLiteral(DORVANTA_PDFTOTEXT),
                    {QStringLiteral("-layout"), QString(), QStringLiteral("-")}, Pdf(document));
}

// The text in reading order, every run of blanks and line ends one blank.
QString FlatText(TReferenceDocument document) {
    return RunOnPdf(QStringLiteral(DORVANTA_PDFTOTEXT), {QString(), QStringLiteral("-")},
                    Pdf(document))
        .simplified();
}

// The part of `text` from the heading `from` up to the heading `to`.
QString Section(const QString& text, const QString& from, const QString& to) {
    const qsizetype begin = text.indexOf(from);
    const qsizetype end = text.indexOf(to, begin + 1);
    EXPECT_GE(begin, 0) << from.toStdString();
    EXPECT_GT(end, begin) << to.toStdString();
    return begin < 0 || end < begin ? QString() : text.mid(begin, end - begin);
}

void ExpectStates(const QString& text, const QStringList& statements) {
    for (const QString& statement : statements) {
        EXPECT_TRUE(text.contains(statement)) << "missing: " << statement.toStdString();
    }
}

// A line of a layout table: `members`, blanks, then the `values` apart by
// blanks, and nothing else.
bool HasTableLine(const QString& text, const QString& members, const QStringList& values) {
    QStringList parts;
    for (const QString& value : values) {
        parts << QRegularExpression::escape(value);
    }
    const QRegularExpression line(QStringLiteral("^\\s*") + QRegularExpression::escape(members) +
                                      QStringLiteral("\\s{2,}") +
                                      parts.join(QStringLiteral("\\s+")) + QStringLiteral("\\s*$"),
                                  QRegularExpression::MultilineOption);
    return line.match(text).hasMatch();
}

// Every series code stands exactly once in a table of series groups.
void ExpectEverySeriesOnce(const QString& table) {
    for (int i = 1; i < kSeriesCount; ++i) {
        const QString code = QString::fromLatin1(SeriesCode(static_cast<TTypVyrobku>(i)));
        EXPECT_EQ(
            table.count(QRegularExpression(QStringLiteral("\\b") + code + QStringLiteral("\\b"))),
            1)
            << code.toStdString();
    }
    EXPECT_EQ(table.count(QStringLiteral("other codes")), 1);
}

// ---------------------------------------------------------------------------
// Voltage Derating Rules

TEST(VoltageDeratingDocument, StatesThePublishedRules) {
    const QString text = FlatText(TReferenceDocument::VoltageDerating);
    ExpectStates(text, {
                           QStringLiteral("at most 82.5 % of its rated voltage"),
                           QStringLiteral("derating is at least 17.5 %"),
                           QStringLiteral("Vr \u2265 Va / 0.825"),
                           QStringLiteral("AppSurge = min(Va / ESR, Imax)"),
                           QStringLiteral("AppSurge \u2264 TestSurge"),
                           QStringLiteral("surge rule relaxed by 15 %"),
                           QStringLiteral("AppSurge \u2264 1.15 \u00d7 TestSurge"),
                           QStringLiteral("defined by 0.5 Vr at 85 \u00b0C and 0.2 Vr at 125 "
                                          "\u00b0C"),
                           QStringLiteral("at least 50 %, at 125 \u00b0C of at least 80 %"),
                           QStringLiteral("TestSurge = Vr \u00d7 a / (ESR + Rt)"),
                           // The worked example.
                           QStringLiteral("its derating is 42.857 %"),
                           QStringLiteral("= 51.333 A"),
                       });
    // Nothing was taken for a limit that the search does not keep.
    EXPECT_FALSE(text.contains(QStringLiteral("exactly at the limit is accepted")));
    EXPECT_TRUE(text.contains(QStringLiteral("a 1.8 V part is not recommended at Va = 1.485 V")));
    EXPECT_TRUE(text.contains(QStringLiteral("1.484 V is the highest Va")));
}

TEST(VoltageDeratingDocument, TheTestSurgeTableIsThePublishedOne) {
    const QString layout = LayoutText(TReferenceDocument::VoltageDerating);
    const QString table = Section(layout, QStringLiteral("5 Test surge current by series"),
                                  QStringLiteral("Test surge current of a 10 V part"));
    EXPECT_TRUE(
        HasTableLine(table, QStringLiteral("KMD"), {QStringLiteral("0.5"), QStringLiteral("0.45")}))
        << table.toStdString();
    EXPECT_TRUE(HasTableLine(table, QStringLiteral("KYR, KYD, KYE, KYF"),
                             {QStringLiteral("0.7337"), QStringLiteral("1")}))
        << table.toStdString();
    // The standard rule's long list of series wraps around its values.
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\s+1\\.1\\s+0\\.45\\s*$"),
                                   QRegularExpression::MultilineOption)
                    .match(table)
                    .hasMatch())
        << table.toStdString();
    ExpectEverySeriesOnce(table);
}

// The legend names every group of series whole, not cut at its box.
TEST(VoltageDeratingDocument, ThePlotLegendNamesEveryGroupWhole) {
    const QString text = FlatText(TReferenceDocument::VoltageDerating);
    EXPECT_EQ(text.count(QStringLiteral("other codes, KRB, KSF, KWG, KEL, KEQ, KUB, KOZ, WIR, "
                                        "WIE, WIQ")),
              2) // the table and the legend
        << text.toStdString();
}

TEST(VoltageDeratingDocument, ExplainsTheTestSurgeThatTheReportPrintsForWir) {
    const QString text = FlatText(TReferenceDocument::VoltageDerating);
    ExpectStates(text, {
                           QStringLiteral("for a WIR part it prints 1.1 \u00d7 the part's "
                                          "application surge"),
                           // 2.5 V, 1 ohm, Va 1.55 V: 2.5 × 1.1 / 1.45 and 1.1 × 1.55.
                           QStringLiteral("application surge of 1.55 A"),
                           QStringLiteral("= 1.8966 A as 1.9 A"),
                           QStringLiteral("1.1 \u00d7 1.55 A = 1.705 A as 1.7 A"),
                       });
}

// The application data of a search for any part number, with a supply too
// weak for any surge to matter.
TVstupniUdaje AnyPartAt(Real va) {
    TVstupniUdaje data;
    data.Va = va;
    data.Imax = 1e-6L;
    data.ByPartNumber = true;
    data.Parametry2 = {tvAll, std::string(kAll), std::string(kAll), std::string(kAll)};
    return data;
}

Real Read(const QString& text) {
    const auto value = ParseGeneral(text.toStdString());
    EXPECT_TRUE(value) << text.toStdString();
    return value.value_or(0);
}

// The next value in the last printed digit: "1.484" gives "1.485".
QString NextStep(const QString& text) {
    const qsizetype point = text.indexOf(u'.');
    const qsizetype decimals = point < 0 ? 0 : text.size() - point - 1;
    QString digits = QString(text).remove(u'.');
    digits = QString::number(digits.toLongLong() + 1).rightJustified(decimals + 1, u'0');
    return decimals == 0 ? digits : digits.insert(digits.size() - decimals, u'.');
}

// How many built-in parts rated `vr` the search recommends at `va`.
std::size_t Recommended(Real vr, const QString& va) {
    const TSearchOutcome found = SearchCatalogue(BuiltInCatalogue(), AnyPartAt(Read(va)), false);
    std::size_t count = 0;
    for (const TResultLine& line : found.Parts) {
        count += line.RatedVoltage() == vr ? 1 : 0;
    }
    return count;
}

// Whether a part of `series` rated `vr` is recommended at `va` and has its
// values at the temperature.
bool RecommendedWithValues(TTypVyrobku series, const QString& vr, const QString& va,
                           int temperatureIndex) {
    const TPartNoRecord entry =
        testing::Entry(std::string(SeriesCode(series)) + "A106M010#", "A", "10", vr.toStdString());
    const TSearchOutcome found = SearchCatalogue({&entry, 1}, AnyPartAt(Read(va)), false);
    return found.Parts.size() == 1 &&
           HasTemperatureValues(series, temperatureIndex,
                                CandidateInfo(found.Parts[0]).Pocitane.Derating);
}

struct LimitRow {
    QString RatedVoltage;
    QString AnySeries;
    QString At85;
    QString AtTop;
    std::size_t Parts = 0;
};

std::vector<LimitRow> LimitRows() {
    const QRegularExpression row(
        QStringLiteral("^\\s*(\\d+(?:\\.\\d+)?)\\s+(\\d+\\.\\d+)\\s+(\\d+\\.\\d+)\\s+"
                       "(\\d+\\.\\d+)\\s+(\\d+)\\s*$"),
        QRegularExpression::MultilineOption);
    const QString table =
        Section(LayoutText(TReferenceDocument::VoltageDerating), QStringLiteral("Rated voltage Vr"),
                QStringLiteral("3 KMD and KYD series"));
    std::vector<LimitRow> rows;
    for (const QRegularExpressionMatch& m : row.globalMatch(table)) {
        rows.push_back({m.captured(1), m.captured(2), m.captured(3), m.captured(4),
                        static_cast<std::size_t>(m.captured(5).toULongLong())});
    }
    return rows;
}

// At the printed Va a part of the row's rated voltage is recommended, at the
// next printed step above it is not; the same for the KMD and KYD columns.
TEST(VoltageDeratingDocument, EveryLimitIsTheHighestPrintedVaThatTheSearchAccepts) {
    const std::vector<LimitRow> rows = LimitRows();
    QStringList voltages;
    std::size_t total = 0;
    for (const LimitRow& row : rows) {
        SCOPED_TRACE(row.RatedVoltage.toStdString() + " V");
        voltages << row.RatedVoltage;
        total += row.Parts;
        const Real vr = Read(row.RatedVoltage);
        EXPECT_EQ(Recommended(vr, row.AnySeries), row.Parts)
            << "at " << row.AnySeries.toStdString();
        EXPECT_EQ(Recommended(vr, NextStep(row.AnySeries)), 0U)
            << "at " << NextStep(row.AnySeries).toStdString();
        for (const TTypVyrobku series : {tvKMD, tvKYD}) {
            for (const auto& [index, va] :
                 {std::pair{kTemperature85, row.At85}, std::pair{kTemperatureTop, row.AtTop}}) {
                SCOPED_TRACE(std::string(SeriesCode(series)) + " at temperature index " +
                             std::to_string(index));
                EXPECT_TRUE(RecommendedWithValues(series, row.RatedVoltage, va, index))
                    << va.toStdString();
                EXPECT_FALSE(RecommendedWithValues(series, row.RatedVoltage, NextStep(va), index))
                    << NextStep(va).toStdString();
            }
        }
    }
    // Every rated voltage of the built-in catalogue, each part counted once.
    EXPECT_EQ(voltages.join(u' '), QStringLiteral("1.8 2 2.5 3 4 6.3 10 16 20 25 35 50"));
    EXPECT_EQ(total, kBuiltInCatalogueSize);
}

TEST(VoltageDeratingDocument, TheLimitsOfTheRatedVoltagesThatStraddleTheRule) {
    std::map<QString, QString> limits;
    for (const LimitRow& row : LimitRows()) {
        limits[row.RatedVoltage] = row.AnySeries;
    }
    // 82.5 % of 1.8 V is 1.485 V in decimal, which the binary comparison
    // rejects; 8.25 V for 10 V it accepts.
    EXPECT_EQ(limits[QStringLiteral("1.8")], QStringLiteral("1.484"));
    EXPECT_EQ(limits[QStringLiteral("10")], QStringLiteral("8.250"));
    EXPECT_EQ(NextStep(QStringLiteral("1.484")), QStringLiteral("1.485"));
    EXPECT_EQ(NextStep(QStringLiteral("0.999")), QStringLiteral("1.000"));
    EXPECT_EQ(NextStep(QStringLiteral("9.999")), QStringLiteral("10.000"));
}

// ---------------------------------------------------------------------------
// Ripple Current Capability

// The column of a layout table whose caption is centred nearest to `x`.
int NearestColumn(const std::vector<qsizetype>& centres, qsizetype x) {
    int nearest = 0;
    for (std::size_t c = 1; c < centres.size(); ++c) {
        if (std::abs(centres[c] - x) < std::abs(centres[static_cast<std::size_t>(nearest)] - x)) {
            nearest = static_cast<int>(c);
        }
    }
    return nearest;
}

TEST(RippleCurrentDocument, EveryCellOfThePowerTableIsThePublishedOne) {
    const QString table = Section(LayoutText(TReferenceDocument::RippleCurrent),
                                  QStringLiteral("Case letter"), QStringLiteral("Series groups."));
    const QStringList lines = table.split(u'\n');
    ASSERT_FALSE(lines.isEmpty());
    const QString& header = lines.front();
    const QStringList captions = {QStringLiteral("General"), QStringLiteral("KEQ"),
                                  QStringLiteral("WIR, WIE"), QStringLiteral("WIQ"),
                                  QStringLiteral("KYR")};
    const testing::Group groups[] = {testing::Group::General, testing::Group::KEQ,
                                     testing::Group::WIR, testing::Group::WIQ, testing::Group::KYR};
    std::vector<qsizetype> centres;
    for (const QString& caption : captions) {
        const qsizetype at = header.indexOf(caption);
        ASSERT_GE(at, 0) << caption.toStdString() << " in " << header.toStdString();
        centres.push_back(at + caption.size() / 2);
    }
    QString letters;
    const QRegularExpression number(QStringLiteral("\\d+(\\.\\d+)?"));
    for (const QString& line : lines.mid(1)) {
        const QRegularExpressionMatch row =
            QRegularExpression(QStringLiteral("^([A-Z])\\s")).match(line);
        if (!row.hasMatch()) {
            continue;
        }
        const char letter = static_cast<char>(row.captured(1).front().toLatin1());
        letters += row.captured(1);
        std::map<int, Real> cells;
        for (const QRegularExpressionMatch& cell : number.globalMatch(line)) {
            const qsizetype centre = cell.capturedStart() + cell.capturedLength() / 2;
            cells[NearestColumn(centres, centre)] = Read(cell.captured());
        }
        for (int c = 0; c < static_cast<int>(std::size(groups)); ++c) {
            const Real published = testing::PublishedPower(groups[c], letter);
            EXPECT_EQ(cells.count(c) ? cells[c] : 0, published)
                << letter << " " << captions[c].toStdString();
        }
    }
    // A row for every letter that any group has a power for.
    EXPECT_EQ(letters, QStringLiteral("ABCDEFGHJKLMNPRSTUVWXYZ"));
}

TEST(RippleCurrentDocument, StatesThePublishedFormulaAndTemperatureFactors) {
    const QString layout = LayoutText(TReferenceDocument::RippleCurrent);
    ExpectStates(FlatText(TReferenceDocument::RippleCurrent),
                 {
                     QStringLiteral("Irms = 1000 \u00b7 \u221a(P / R) [mA]"),
                     QStringLiteral("Vrms = Irms \u00b7 R [mV]"),
                     QStringLiteral("General: other codes, KRB, KMD, KSF, KWG, KEL, KUB, KOZ, KYD, "
                                    "KYE, KYF; KEQ: KEQ; WIR, WIE: WIR, WIE; WIQ: WIQ; KYR: KYR."),
                 });
    const QString factors =
        Section(layout, QStringLiteral("3 Ripple current at other temperatures"),
                QStringLiteral("Permissible ripple current at 25"));
    const QStringList common = {QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("0.975"),
                                QStringLiteral("0.9")};
    EXPECT_TRUE(HasTableLine(factors, QStringLiteral("KWG"),
                             common + QStringList{QStringLiteral("0.2 at 175 \u00b0C")}))
        << factors.toStdString();
    EXPECT_TRUE(HasTableLine(factors, QStringLiteral("WIR"),
                             common + QStringList{QStringLiteral("0.4 at 105 \u00b0C")}))
        << factors.toStdString();
    EXPECT_EQ(factors.count(QStringLiteral("0.4 at 125 \u00b0C")), 1) << factors.toStdString();
    ExpectEverySeriesOnce(factors);
    // The worked example: KELD106*035#0300.
    EXPECT_TRUE(
        HasTableLine(layout, QStringLiteral("Irms [mA]"),
                     {QStringLiteral("707.11"), QStringLiteral("707.11"), QStringLiteral("689.43"),
                      QStringLiteral("636.4"), QStringLiteral("282.84")}));
}

// ---------------------------------------------------------------------------
// Reliability and Failure Rate Calculation

TEST(FailureRateDocument, StatesThePublishedModel) {
    ExpectStates(FlatText(TReferenceDocument::FailureRate),
                 {
                     QStringLiteral("FR85 = exp(9.7292 \u00b7 Va / Vr) \u00b7 0.00006 \u00b7 k(u) "
                                    "\u00b7 S"),
                     QStringLiteral("limited to 0.1 \u2264 u \u2264 3"),
                     QStringLiteral("k(u) = 0.0476 u\u2074 \u2212 0.4127 u\u00b3 + 1.3273 "
                                    "u\u00b2 \u2212 1.9158 u + 1.1625"),
                     QStringLiteral("FIT = FR \u00b7 10000"),
                     QStringLiteral("MTBF = 100000 / FR / 24 / 365 [years]"),
                     // The worked example, whole.
                     QStringLiteral("is raised to the lower limit 0.1, and k(u) = 0.98379. Its "
                                    "failure rate, FIT and MTBF at the five temperatures are:"),
                 });
}

TEST(FailureRateDocument, TheSeriesAndTemperatureFactorsAreThePublishedOnes) {
    const QString layout = LayoutText(TReferenceDocument::FailureRate);
    const QString series = Section(layout, QStringLiteral("3 Series factor S"),
                                   QStringLiteral("4 Failure rate at other temperatures"));
    const struct {
        const char* members;
        const char* factor;
    } groups[] = {
        {"other codes, KRB, KEL, KEQ, KUB, KOZ, KYR, KYE", "1"},
        {"KMD, KYD", "30.8"},
        {"KSF, KWG, WIR", "0.5"},
        {"WIE, WIQ", "0.2"},
        {"KYF", "0.1"},
    };
    for (const auto& group : groups) {
        EXPECT_TRUE(HasTableLine(series, QString::fromLatin1(group.members),
                                 {QString::fromLatin1(group.factor)}))
            << group.members << "\n"
            << series.toStdString();
    }
    ExpectEverySeriesOnce(series);

    const QString temperatures =
        Section(layout, QStringLiteral("4 Failure rate at other temperatures"),
                QStringLiteral("5 Failures in time"));
    const QStringList common = {QStringLiteral("0.02"), QStringLiteral("0.06"),
                                QStringLiteral("0.1"), QStringLiteral("1")};
    EXPECT_TRUE(HasTableLine(temperatures, QStringLiteral("KWG"),
                             common + QStringList{QStringLiteral("900 at 175 \u00b0C")}));
    EXPECT_TRUE(HasTableLine(temperatures, QStringLiteral("WIR"),
                             common + QStringList{QStringLiteral("25 at 105 \u00b0C")}));
    EXPECT_TRUE(HasTableLine(temperatures, QStringLiteral("WIE"),
                             common + QStringList{QStringLiteral("150 at 125 \u00b0C")}));
    EXPECT_EQ(temperatures.count(QStringLiteral("25 at 125 \u00b0C")), 1)
        << temperatures.toStdString();
    ExpectEverySeriesOnce(temperatures);
    // The worked example's failure rates at -55, 25, 40, 85 and 125 °C.
    EXPECT_TRUE(HasTableLine(layout, QStringLiteral("FR [%/1000 h]"),
                             {QStringLiteral("0.00030659"), QStringLiteral("0.00091977"),
                              QStringLiteral("0.001533"), QStringLiteral("0.01533"),
                              QStringLiteral("0.38324")}));
}

} // namespace
} // namespace dorvanta
