// The details panel: the table of a KEL, a KYD and a KWG part, the fifth
// temperature button and the captions that follow the temperature, the
// derating note of the KMD and KYD series, and what a screen reader hears.
#include "tests/ui/ResultsFixture.h"

#include "core/display/NumberText.h"
#include "tests/support/CatalogueFixture.h"

#include <QAccessible>
#include <QGroupBox>
#include <QRadioButton>

namespace dorvanta {
namespace {

constexpr const char* kValueLabels[] = {"labelDimensionData",
                                        "labelCaseSizeData",
                                        "labelCapacitanceData",
                                        "labelRatedVoltageData",
                                        "labelVoltageDeratingData",
                                        "labelDFData",
                                        "labelESRmaxData",
                                        "labelDCLmaxData",
                                        "labelDCLtypicalData",
                                        "labelIrmsData",
                                        "labelVrmsData",
                                        "labelFailureRateData",
                                        "labelFITData",
                                        "labelMTBFData",
                                        "labelApplicationSurgeData",
                                        "labelMoltrenTestSurgeData"};

constexpr const char* kTemperatureCaptions[] = {"label_Irms", "label_Vrms", "label_FailureRate",
                                                "label_FIT", "label_MTBF"};

class Details : public ResultsFixture {
protected:
    [[nodiscard]] QRadioButton* Button(const char* name) const { return Find<QRadioButton>(name); }

    void Click(const char* button) const {
        QTest::mouseClick(Button(button), Qt::LeftButton);
        Idle();
    }

    void Show(const char* partNumber) const { Select(PartNode(QString::fromLatin1(partNumber))); }

    // The five temperature captions.
    [[nodiscard]] QStringList Captions() const {
        QStringList captions;
        for (const char* label : kTemperatureCaptions) {
            captions.append(Text(label));
        }
        return captions;
    }

    [[nodiscard]] static QStringList CaptionsAt(const QString& t) {
        return {QStringLiteral("Irms %1°C @ 100 kHz").arg(t),
                QStringLiteral("Vrms %1°C @ 100 kHz").arg(t),
                QStringLiteral("Failure Rate @ %1°C").arg(t),
                QStringLiteral("Failures in Time (10   hrs) @ %1°C").arg(t),
                QStringLiteral("MTBF @ %1°C").arg(t)};
    }

    // The values of rows 9 to 14.
    [[nodiscard]] QStringList TemperatureValues() const {
        QStringList values;
        for (int row = 8; row < 14; ++row) {
            values.append(Text(kValueLabels[row]));
        }
        return values;
    }

    [[nodiscard]] bool NoteShown() const {
        return !Find<QLabel>("labelPoznamkaDerating")->isHidden();
    }
};

// The engine's worked examples with Rs 0.1 + Rl 0.01 ohm, Imax 10 A, Va 20
// V, and a WIR and a KYD part that this application admits.
class WorkedExamples : public Details {
protected:
    void PrepareDirectory() override {
        WriteCatalogue({testing::KELD106(), testing::KWGC155(),
                        testing::Entry("KYDH685M035#", "H", "6.8", "35", "1.1", "0", "5000"),
                        testing::Entry("WIRC106M035#", "C", "10", "35", "2", "6", "1000")});
    }
    void SetUp() override {
        Details::SetUp();
        Search(QStringLiteral("10"), QStringLiteral("20"));
        ASSERT_EQ(PageIndex(), 1);
    }
};

TEST_F(WorkedExamples, StartAtTwentyFiveDegreesWithTheTableTexts) {
    const struct {
        const char* label;
        const char* text;
    } texts[] = {
        {"label_Dimension", "LxWxH:"},
        {"labelDimensionUnits", "mm"},
        {"label_CaseSize", "Case Size"},
        {"label_Capacitance", "Capacitance @ 25°C, 120 Hz"},
        {"labelCapacitanceUnits", "µF"},
        {"label_RatedVoltage", "Rated Voltage"},
        {"labelRatedVoltageUnits", "V"},
        {"label_VoltageDerating", "Applicable Voltage Derating"},
        {"labelVoltageDeratingUnits", "%"},
        {"label_DF", "DF @ 25°C, 120 Hz"},
        {"labelDFUnits", "%"},
        {"label_ESRmax", "ESR Max. @ 25°C, 100 kHz"},
        {"labelESRmaxUnits", "Ohm"},
        {"label_DCLmax", "DCL Max. @ 25°C, 3 min."},
        {"labelDCLmaxUnits", "µA"},
        {"label_DCLtypical", "DCL Typical @ App. Voltage"},
        {"labelDCLtypicalUnits", "µA"},
        {"labelIrmsUnits", "mA"},
        {"labelVrmsUnits", "mV"},
        {"labelFailureRateUnits", "%/1000 hrs"},
        {"label_FITexp", "9"},
        {"labelFITUnits", "FITs"},
        {"labelMTBFUnits", "years"},
        {"label_ApplicationSurge", "Application Surge"},
        {"labelApplicationSurgeUnits", "A"},
        {"label_MoltrenTestSurge", "Moltren Test Surge"},
        {"labelMoltrenTestSurgeUnits", "A"},
    };
    for (const auto& t : texts) {
        EXPECT_EQ(Text(t.label), QString::fromUtf8(t.text)) << t.label;
    }
    EXPECT_EQ(Captions(), CaptionsAt(QStringLiteral("25")));
    EXPECT_EQ(Find<QGroupBox>("groupboxTemperature")->title(),
              QStringLiteral(" Temperature [°C] "));
    const struct {
        const char* name;
        const char* caption;
        int tag;
    } buttons[] = {{"radiobutton55stupnu", "-55", -55},
                   {"radiobutton25stupnu", "25", 25},
                   {"radiobutton40stupnu", "40", 40},
                   {"radiobutton85stupnu", "85", 85},
                   {"radiobutton125stupnu", "125", 125}};
    for (const auto& b : buttons) {
        EXPECT_EQ(Button(b.name)->text(), QString::fromLatin1(b.caption));
        EXPECT_EQ(Button(b.name)->property("tag").toInt(), b.tag);
    }
    EXPECT_TRUE(Button("radiobutton25stupnu")->isChecked());
    EXPECT_FALSE(NoteShown());
    EXPECT_TRUE(Find<QLabel>("labelPoznamkaCurrent")->isHidden());
}

TEST_F(WorkedExamples, ShowTheKelPart) {
    Show("KELD106*035#0300");
    const QString expected[] = {
        QStringLiteral("7.3±0.2 x 4.3+0.2-0.1 x 2.9+0.2-0.1"),
        QStringLiteral("D"),
        QStringLiteral("10"),
        QStringLiteral("35"),
        QStringLiteral("42.9"), // 42.857 %
        QStringLiteral("6"),
        QStringLiteral("0.3"), // 300 milliohm
        QStringLiteral("3.5"),
        QStringLiteral("1.81"),   // 1.8125 µA
        QStringLiteral("707"),    // 707.11 mA
        QStringLiteral("212"),    // 212.13 mV
        QStringLiteral("9.2e-4"), // 0.00091977 %/1000 h
        QStringLiteral("9.2"),    // 9.1977 FIT
        QStringLiteral("12411"),
        QStringLiteral("10"),
        QStringLiteral("51.3"), // 51.333 A
    };
    for (std::size_t row = 0; row < std::size(kValueLabels); ++row) {
        EXPECT_EQ(Text(kValueLabels[row]), expected[row]) << kValueLabels[row];
    }
    Click("radiobutton125stupnu");
    EXPECT_EQ(Captions(), CaptionsAt(QStringLiteral("125")));
    // The values of the top temperature, index 5.
    EXPECT_EQ(TemperatureValues(), (QStringList{QStringLiteral("23.56"), QStringLiteral("283"),
                                                QStringLiteral("85"), QStringLiteral("3.8e-1"),
                                                QStringLiteral("3832.4"), QStringLiteral("30")}));
}

TEST_F(WorkedExamples, ShowADashForTheDfOfAKydPart) {
    Show("KYDH685M035#");
    EXPECT_EQ(Text("labelDFData"), QStringLiteral("-"));
    EXPECT_EQ(Text("labelESRmaxData"), QStringLiteral("5"));
    EXPECT_EQ(Text("labelCaseSizeData"), QStringLiteral("H"));
    EXPECT_EQ(Text("labelDimensionData"), QString()) << "no dimensions for H";
    EXPECT_EQ(Text("labelCapacitanceData"), QStringLiteral("6.8"));
    Show("KELD106*035#0300");
    EXPECT_EQ(Text("labelDFData"), QStringLiteral("6"));
}

TEST_F(WorkedExamples, ShowTheKwgPartWithItsTopTemperature) {
    Show("KWGC155*035#");
    EXPECT_EQ(Text("labelDimensionData"), QStringLiteral("6±0.2 x 3.2+0.2-0.1 x 2.6+0.2-0.1"));
    EXPECT_EQ(Text("labelESRmaxData"), QStringLiteral("4.5"));
    EXPECT_EQ(Text("labelDFData"), QStringLiteral("4"));
    EXPECT_EQ(Text("labelMoltrenTestSurgeData"), QStringLiteral("7.8")); // 7.7778 A
    EXPECT_EQ(Button("radiobutton125stupnu")->text(), QStringLiteral("175"));
    EXPECT_EQ(Captions(), CaptionsAt(QStringLiteral("25")));
}

TEST_F(WorkedExamples, TheFifthButtonFollowsTheSeriesOfTheShownPart) {
    Show("KELD106*035#0300");
    Click("radiobutton125stupnu");
    const struct {
        const char* partNumber;
        const char* top;
    } steps[] = {{"KWGC155*035#", "175"},
                 {"KELD106*035#0300", "125"},
                 {"WIRC106M035#", "105"},
                 {"KWGC155*035#", "175"},
                 {"WIRC106M035#", "105"}};
    for (const auto& step : steps) {
        SCOPED_TRACE(step.partNumber);
        Show(step.partNumber);
        EXPECT_EQ(Button("radiobutton125stupnu")->text(), QString::fromLatin1(step.top));
        EXPECT_EQ(Captions(), CaptionsAt(QString::fromLatin1(step.top)));
        EXPECT_TRUE(Button("radiobutton125stupnu")->isChecked());
        const TResultList list = SearchedList();
        const auto line = list.IndexOf(std::string(step.partNumber) + " 35");
        ASSERT_TRUE(line);
        EXPECT_EQ(Text("labelIrmsData"),
                  QString::fromStdString(
                      FormatPattern(CandidateInfo(list[*line]).Pocitane.Irms[kTemperatureTop],
                                    TNumberPattern::Integer)));
    }
}

TEST_F(WorkedExamples, TheCaptionsChangeOnlyWhenTheFifthButtonIsChecked) {
    Show("KWGC155*035#");
    EXPECT_EQ(Button("radiobutton125stupnu")->text(), QStringLiteral("175"));
    EXPECT_EQ(Captions(), CaptionsAt(QStringLiteral("25")));
    Click("radiobutton125stupnu");
    EXPECT_EQ(Captions(), CaptionsAt(QStringLiteral("175")));
    Click("radiobutton85stupnu");
    EXPECT_EQ(Captions(), CaptionsAt(QStringLiteral("85")));
    EXPECT_TRUE(Button("radiobutton85stupnu")->isChecked());
    Click("radiobutton55stupnu");
    EXPECT_EQ(Captions(), CaptionsAt(QStringLiteral("-55")));
    EXPECT_TRUE(Button("radiobutton55stupnu")->isChecked());
    Click("radiobutton40stupnu");
    EXPECT_EQ(Captions(), CaptionsAt(QStringLiteral("40")));
    EXPECT_TRUE(Button("radiobutton40stupnu")->isChecked());
}

TEST_F(WorkedExamples, AGroupNodeEmptiesTheTableAndTheFifthButtonMeans125) {
    Show("KWGC155*035#");
    Select(Nodes()->index(0, 0));
    for (const char* value : kValueLabels) {
        EXPECT_EQ(Text(value), QString()) << value;
    }
    EXPECT_EQ(Button("radiobutton125stupnu")->text(), QStringLiteral("175"));
    Click("radiobutton125stupnu");
    EXPECT_EQ(Captions(), CaptionsAt(QStringLiteral("125")));
    EXPECT_EQ(Button("radiobutton125stupnu")->text(), QStringLiteral("175"));
    for (const char* value : kValueLabels) {
        EXPECT_EQ(Text(value), QString()) << value;
    }
}

TEST_F(WorkedExamples, TheTemperatureIsKeptAcrossSearches) {
    Show("WIRC106M035#");
    Click("radiobutton125stupnu");
    Back();
    Next();
    // The first part is the KEL part now, at its own top temperature.
    EXPECT_TRUE(Button("radiobutton125stupnu")->isChecked());
    EXPECT_EQ(Tree()->currentIndex().data().toString(), QStringLiteral("KELD106*035#0300"));
    EXPECT_EQ(Button("radiobutton125stupnu")->text(), QStringLiteral("125"));
    EXPECT_EQ(Captions(), CaptionsAt(QStringLiteral("125")));
    EXPECT_EQ(Text("labelIrmsData"), QStringLiteral("283"));
}

TEST_F(WorkedExamples, AreReadByTheirCaptionsValuesAndUnits) {
    const auto name = [](QWidget* widget) {
        return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
    };
    Show("KELD106*035#0300");
    const struct {
        const char* value;
        const char* spoken;
    } rows[] = {{"labelDimensionData", "LxWxH: 7.3±0.2 x 4.3+0.2-0.1 x 2.9+0.2-0.1 mm"},
                {"labelCaseSizeData", "Case Size: D"},
                {"labelCapacitanceData", "Capacitance @ 25°C, 120 Hz: 10 µF"},
                {"labelIrmsData", "Irms 25°C @ 100 kHz: 707 mA"},
                {"labelFITData", "Failures in Time (10⁹ hrs) @ 25°C: 9.2 FITs"},
                {"labelMoltrenTestSurgeData", "Moltren Test Surge: 51.3 A"}};
    for (const auto& row : rows) {
        EXPECT_EQ(name(Find<QLabel>(row.value)), QString::fromUtf8(row.spoken)) << row.value;
    }
    Click("radiobutton85stupnu");
    EXPECT_TRUE(name(Find<QLabel>("labelMTBFData")).startsWith(QStringLiteral("MTBF @ 85°C: ")));
    EXPECT_TRUE(name(Find<QLabel>("labelFITData"))
                    .startsWith(QStringLiteral("Failures in Time (10⁹ hrs) @ 85°C: ")));
    EXPECT_EQ(name(Button("radiobutton55stupnu")), QStringLiteral("-55"));
    EXPECT_FALSE(name(Tree()).isEmpty());
}

// A KMD part of 10 V and a KEL part of 10 V with Imax 1 A: Va sets the
// derating, (1 - Va / 10) × 100 %.
class DeratingNote : public Details {
protected:
    void PrepareDirectory() override {
        WriteCatalogue({testing::KMDB157(),
                        testing::Entry("KELD107*010#", "D", "100", "10", "10", "6", "100")});
    }
};

TEST_F(DeratingNote, ShowsForKmdBelowTheDeratingOfEachTemperature) {
    const char* buttons[] = {"radiobutton55stupnu", "radiobutton25stupnu", "radiobutton40stupnu",
                             "radiobutton85stupnu", "radiobutton125stupnu"};
    const struct {
        const char* va;
        const char* derating;
        const char* partNumber;
        bool note[5]; // per button
    } cases[] = {
        {"6", "40", "KMDB157M010#0500", {false, false, false, true, true}},
        {"5", "50", "KMDB157M010#0500", {false, false, false, false, true}},
        {"2", "80", "KMDB157M010#0500", {false, false, false, false, false}},
        {"6", "40", "KELD107*010#", {false, false, false, false, false}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.partNumber) + " at Va " + c.va);
        if (PageIndex() == 1) {
            Back();
        }
        Circuit(QStringLiteral("0.1"), QStringLiteral("0.01"), QStringLiteral("1"),
                QString::fromLatin1(c.va));
        Next();
        ASSERT_EQ(PageIndex(), 1);
        Show(c.partNumber);
        EXPECT_EQ(Text("labelVoltageDeratingData"), QString::fromLatin1(c.derating));
        for (std::size_t b = 0; b < std::size(buttons); ++b) {
            SCOPED_TRACE(buttons[b]);
            Click(buttons[b]);
            EXPECT_EQ(NoteShown(), c.note[b]);
            for (const QString& value : TemperatureValues()) {
                EXPECT_EQ(value.isEmpty(), c.note[b]);
            }
            EXPECT_FALSE(Text("labelCapacitanceData").isEmpty()) << "the other rows stay";
        }
    }
}

TEST_F(DeratingNote, StaysWhileAGroupNodeIsSelected) {
    Circuit(QStringLiteral("0.1"), QStringLiteral("0.01"), QStringLiteral("1"),
            QStringLiteral("6"));
    Next();
    ASSERT_EQ(PageIndex(), 1);
    Show("KMDB157M010#0500");
    Click("radiobutton85stupnu");
    ASSERT_TRUE(NoteShown());
    Select(Nodes()->index(0, 0));
    EXPECT_TRUE(NoteShown());
    Show("KELD107*010#");
    EXPECT_FALSE(NoteShown());
    EXPECT_FALSE(Text("labelIrmsData").isEmpty());
}

// The line of the notes is kept free: the tree, the temperature choice and
// the table stay where they are when a note shows.
TEST_F(DeratingNote, ShowingMovesNothing) {
    Circuit(QStringLiteral("0.1"), QStringLiteral("0.01"), QStringLiteral("1"),
            QStringLiteral("6"));
    Next();
    ASSERT_EQ(PageIndex(), 1);
    Show("KMDB157M010#0500");
    Click("radiobutton25stupnu");
    ASSERT_FALSE(NoteShown());
    const char* steady[] = {"panelDetails", "treeviewSeznamTypu", "groupboxTemperature"};
    std::vector<QRect> before;
    for (const char* name : steady) {
        before.push_back(Find<QWidget>(name)->geometry());
    }
    Click("radiobutton85stupnu");
    ASSERT_TRUE(NoteShown());
    Find<QLabel>("labelPoznamkaCurrent")->show();
    Idle();
    for (std::size_t i = 0; i < std::size(steady); ++i) {
        EXPECT_EQ(Find<QWidget>(steady[i])->geometry(), before[i]) << steady[i];
    }
}

TEST_F(DeratingNote, AndTheCurrentNoteAreBothReadable) {
    auto* derating = Find<QLabel>("labelPoznamkaDerating");
    auto* current = Find<QLabel>("labelPoznamkaCurrent");
    derating->show();
    current->show();
    Circuit(QStringLiteral("0.1"), QStringLiteral("0.01"), QStringLiteral("1"),
            QStringLiteral("6"));
    Find<QStackedWidget>("notebookDorvanta")->setCurrentIndex(1);
    Idle();
    EXPECT_FALSE(derating->geometry().intersects(current->geometry()));
    for (QLabel* note : {derating, current}) {
        EXPECT_GE(note->width(), note->fontMetrics().horizontalAdvance(note->text()) / 2);
        EXPECT_GE(note->height(), note->heightForWidth(note->width()));
        EXPECT_TRUE(note->parentWidget()->rect().contains(note->geometry()));
    }
}

} // namespace
} // namespace dorvanta
