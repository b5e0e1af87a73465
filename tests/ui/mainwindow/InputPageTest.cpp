// The input page: its texts and start values, the enabling rule of Next, the
// capacitance range, the part-number cascade and the reading of the page.
#include "tests/ui/WindowFixture.h"

#include "ui/mainwindow/InputPage.h"

#include "core/display/NumberText.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QStyle>
#include <QStyleFactory>
#include <QToolButton>

namespace dorvanta {
namespace {

QStringList Items(const QComboBox* list) {
    QStringList items;
    for (int i = 0; i < list->count(); ++i) {
        items.append(list->itemText(i));
    }
    return items;
}

QString SeriesName(TTypVyrobku series) {
    return QString::fromUtf8(SeriesNames[series].data(),
                             static_cast<qsizetype>(SeriesNames[series].size()));
}

QString Selected(const QComboBox* list) {
    return list->currentIndex() < 0 ? QString() : list->currentText();
}

class InputPage : public WindowFixture {
protected:
    QLineEdit* Field(const char* name) const { return Find<QLineEdit>(name); }
    QComboBox* List(const char* name) const { return Find<QComboBox>(name); }

    // Types into a field as the user does: the old text goes first.
    void Type(const char* field, const QString& text) const {
        QLineEdit* edit = Field(field);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, text);
        Idle();
    }

    // Picks an entry from the open drop-down list, as the user does.
    void Choose(const char* name, const QString& text) const {
        QComboBox* list = List(name);
        const int index = list->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
        ASSERT_GE(index, 0) << name << ": no entry " << text.toStdString();
        list->showPopup();
        QAbstractItemView* view = list->view();
        view->setCurrentIndex(view->model()->index(index, 0));
        QTest::keyClick(view, Qt::Key_Return);
        Idle();
        ASSERT_EQ(list->currentIndex(), index) << name;
    }

    void ChooseCriterion(const char* radioButton) const {
        QTest::mouseClick(Find<QRadioButton>(radioButton), Qt::LeftButton);
        Idle();
    }

    [[nodiscard]] TVstupniUdaje Read() const {
        const std::optional<TVstupniUdaje> input = Find<TInputPage>("Zadani")->Input();
        EXPECT_TRUE(input);
        return input.value_or(TVstupniUdaje{});
    }
};

TEST_F(InputPage, ShowsItsTextsTooltipsAndUnits) {
    EXPECT_EQ(Form->windowTitle(), QStringLiteral("Dorvanta - [using internal database]"));
    struct Text {
        const char* label;
        const char* text;
    };
    const Text texts[] = {
        {"labelTitle", "Dorvanta"},
        {"labelUvod1", "This software suggests recommended Moltren SMD Tantalum and Niobium Oxide "
                       "capacitors in accordance to"},
        {"labelUvod2", "the application circuit parameters including the appropriate derating."},
        {"labelPowerSupply", "power supply"},
        {"labelRs", "Rs:"},
        {"labelRl", "Rl:"},
        {"labelImax", "Imax:"},
        {"labelVa", "Va:"},
    };
    for (const auto& text : texts) {
        EXPECT_EQ(Find<QLabel>(text.label)->text(), QString::fromUtf8(text.text)) << text.label;
    }
    EXPECT_TRUE(Find<QLabel>("labelNotice")
                    ->text()
                    .contains(QStringLiteral(
                        "expressed or implied.  Specifications are typical and may not apply to "
                        "all applications.")));

    struct Parameter {
        const char* field;
        const char* tooltip;
        const char* unit;
        const char* start;
    };
    const Parameter parameters[] = {
        {"editRs", "source resistance", "[Ohm]", "0.1"},
        {"editRl", "resistance of leads", "[Ohm]", "0.01"},
        {"editImax", "maximum current surge from the power supply", "[A]", ""},
        {"editVa", "application voltage", "[V]", ""},
    };
    for (const auto& parameter : parameters) {
        const QLineEdit* field = Field(parameter.field);
        EXPECT_EQ(field->toolTip(), QString::fromUtf8(parameter.tooltip));
        EXPECT_EQ(field->text(), QString::fromUtf8(parameter.start));
        EXPECT_TRUE(field->accessibleDescription().contains(QString::fromUtf8(parameter.unit)));
    }

    EXPECT_EQ(Find<QRadioButton>("radiobuttonByCapacitance")->text(),
              QStringLiteral("By Capacitance Ratio && Case Size:"));
    EXPECT_TRUE(Find<QRadioButton>("radiobuttonByCapacitance")->isChecked());
    EXPECT_EQ(Find<QRadioButton>("radiobuttonByPartNumber")->text(),
              QStringLiteral("By Part Number:"));
    auto* criteria = Find<QStackedWidget>("notebookParametry");
    EXPECT_EQ(criteria->currentWidget()->objectName(), QStringLiteral("Capacitance"));
    EXPECT_EQ(criteria->widget(1)->objectName(), QStringLiteral("PartNumber"));
}

TEST_F(InputPage, StartsWithTheDefaultCriteria) {
    const QStringList capacitances = {
        QStringLiteral("0.1"),  QStringLiteral("0.15"), QStringLiteral("0.22"),
        QStringLiteral("0.33"), QStringLiteral("0.47"), QStringLiteral("0.68"),
        QStringLiteral("1"),    QStringLiteral("1.5"),  QStringLiteral("2.2"),
        QStringLiteral("3.3"),  QStringLiteral("4.7"),  QStringLiteral("6.8"),
        QStringLiteral("10"),   QStringLiteral("15"),   QStringLiteral("22"),
        QStringLiteral("33"),   QStringLiteral("47"),   QStringLiteral("68"),
        QStringLiteral("100"),  QStringLiteral("150"),  QStringLiteral("220"),
        QStringLiteral("330"),  QStringLiteral("470"),  QStringLiteral("680"),
        QStringLiteral("1000"),
    };
    EXPECT_EQ(Items(List("comboboxOperator")),
              QStringList({QStringLiteral(">"), QStringLiteral("="), QStringLiteral("<"),
                           QStringLiteral("<>")}));
    EXPECT_EQ(Selected(List("comboboxOperator")), QStringLiteral(">"));
    EXPECT_EQ(Items(List("comboboxCapacitance1")), capacitances);
    EXPECT_EQ(Selected(List("comboboxCapacitance1")), QStringLiteral("0.1"));
    EXPECT_EQ(Items(List("comboboxCapacitance2")), capacitances);
    EXPECT_EQ(List("comboboxCapacitance2")->currentIndex(), -1);
    EXPECT_FALSE(List("comboboxCapacitance2")->isEnabled());

    const QStringList caseSizes = Items(List("comboboxCaseSize"));
    ASSERT_EQ(caseSizes.size(), 25);
    EXPECT_EQ(caseSizes.first(), QStringLiteral("all"));
    EXPECT_EQ(caseSizes.at(1), QStringLiteral("6"));
    EXPECT_EQ(caseSizes.last(), QStringLiteral("Z"));
    EXPECT_EQ(Items(List("comboboxPNCaseSize")), caseSizes);

    const QStringList series = Items(List("comboboxPNtype"));
    ASSERT_EQ(series.size(), 16);
    EXPECT_EQ(series.first(), QStringLiteral("all"));
    EXPECT_EQ(List("comboboxPNtype")->maxVisibleItems(), 9);
    const QStringList partCapacitances = Items(List("comboboxPNcapacitance"));
    ASSERT_EQ(partCapacitances.size(), 30);
    EXPECT_EQ(partCapacitances.at(1), QStringLiteral("0.1"));
    EXPECT_EQ(partCapacitances.last(), QStringLiteral("3300"));
    const QStringList voltages = Items(List("comboboxPNvoltage"));
    ASSERT_EQ(voltages.size(), 13);
    EXPECT_EQ(voltages.at(1), QStringLiteral("1.8"));
    EXPECT_EQ(voltages.last(), QStringLiteral("50"));

    for (const char* name :
         {"comboboxOperator", "comboboxCapacitance1", "comboboxCapacitance2", "comboboxCaseSize",
          "comboboxPNtype", "comboboxPNCaseSize", "comboboxPNcapacitance", "comboboxPNvoltage"}) {
        EXPECT_FALSE(List(name)->isEditable()) << name;
        EXPECT_FALSE(List(name)->accessibleName().isEmpty()) << name;
    }
    for (const char* name : {"comboboxCaseSize", "comboboxPNtype", "comboboxPNCaseSize",
                             "comboboxPNcapacitance", "comboboxPNvoltage"}) {
        EXPECT_EQ(Selected(List(name)), QStringLiteral("all")) << name;
    }
}

// The series list opens with nine rows to see, under every style (Fusion
// opens a pick-only list over the screen's height otherwise).
TEST_F(InputPage, TheSeriesListOpensWithNineRows) {
    ChooseCriterion("radiobuttonByPartNumber");
    QComboBox* list = List("comboboxPNtype");
    for (const char* style : {"Fusion", "Windows"}) {
        SCOPED_TRACE(style);
        QStyle* shown = QStyleFactory::create(QString::fromLatin1(style));
        ASSERT_NE(shown, nullptr);
        shown->setParent(list);
        list->setStyle(shown);
        list->showPopup();
        QAbstractItemView* view = list->view();
        ASSERT_TRUE(QTest::qWaitFor([view] { return view->isVisible(); }, 1000));
        const int row = view->sizeHintForRow(0);
        ASSERT_GT(row, 0);
        EXPECT_EQ(view->viewport()->height() / row, 9)
            << view->viewport()->height() << " px of rows of " << row << " px";
        list->hidePopup();
        Idle();
    }
}

TEST_F(InputPage, OffersTheDocumentsAndHidesTheExport) {
    struct Document {
        const char* button;
        const char* caption;
        const char* tooltip;
    };
    const Document documents[] = {
        {"speedbuttonOtevritVoltageDerating", "Voltage derating",
         "Open pdf document about Voltage Derating Rules"},
        {"speedbuttonOtevritRippleCurrent", "Ripple current",
         "Open pdf document about Ripple Current Capability"},
        {"speedbuttonOtevritFailureRate", "Failure rate",
         "Open pdf document about Reliability and Failure Rate Calculation"},
    };
    for (const auto& document : documents) {
        const QToolButton* button = Find<QToolButton>(document.button);
        EXPECT_EQ(button->text(), QString::fromUtf8(document.caption));
        EXPECT_EQ(button->toolTip(), QString::fromUtf8(document.tooltip));
        EXPECT_EQ(button->size(), QSize(89, 53));
        EXPECT_EQ(button->iconSize(), QSize(33, 33));
        EXPECT_EQ(button->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
        EXPECT_TRUE(button->isVisible());
    }
    const QPushButton* export_ = Find<QPushButton>("buttonExportDat");
    EXPECT_EQ(export_->text(), QStringLiteral("Export dat do souboru"));
    EXPECT_FALSE(export_->isVisible());
    EXPECT_TRUE(Find<QWidget>("imageNiobiumOxide")->isVisible());
    EXPECT_TRUE(Find<QWidget>("imageCurcuit")->isVisible());
}

TEST_F(InputPage, NextWaitsForImaxAndVaToBeNumbers) {
    EXPECT_FALSE(Enabled("actionNext"));
    Type("editImax", QStringLiteral("2"));
    EXPECT_FALSE(Enabled("actionNext"));
    Type("editVa", QStringLiteral("5"));
    EXPECT_TRUE(Enabled("actionNext"));
    EXPECT_TRUE(Find<QPushButton>("buttonNext")->isEnabled());

    struct Entry {
        const char* text;
        bool number;
    };
    const Entry entries[] = {
        {"1e-3", true}, {" 2 ", true},       {"0", true},    {"-4.5", true},
        {"2 V", false}, {"1,000.5", false},  {"   ", false}, {"", false},
        {"0,5", false}, {"1e999999", false}, {"+.5", true},  {"5.", true},
    };
    for (const auto& entry : entries) {
        for (const char* field : {"editRs", "editRl", "editImax", "editVa"}) {
            Type(field, QString::fromUtf8(entry.text));
            EXPECT_EQ(Enabled("actionNext"), entry.number) << field << " '" << entry.text << "'";
            Type(field, QStringLiteral("1"));
            ASSERT_TRUE(Enabled("actionNext"));
        }
    }
}

TEST_F(InputPage, EnterRunsNextOnlyWhenItIsEnabled) {
    QSignalSpy next(Find<QAction>("actionNext"), &QAction::triggered);
    Type("editImax", QStringLiteral("2"));
    QTest::keyClick(Field("editImax"), Qt::Key_Return);
    EXPECT_EQ(next.count(), 0);
    Type("editVa", QStringLiteral("5"));
    QTest::keyClick(Field("editVa"), Qt::Key_Return);
    EXPECT_EQ(next.count(), 1);
}

TEST_F(InputPage, TabOrderStartsAtRsAndRunsThroughTheFields) {
    EXPECT_EQ(Form->focusWidget(), Field("editRs"));
    for (const char* next : {"editRl", "editImax", "editVa", "radiobuttonByCapacitance",
                             "comboboxOperator", "comboboxCapacitance1", "comboboxCaseSize"}) {
        QTest::keyClick(Form->focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(Form->focusWidget()->objectName(), QString::fromLatin1(next));
    }
    for (const char* label : {"labelRs", "labelRl", "labelImax", "labelVa"}) {
        EXPECT_NE(Find<QLabel>(label)->buddy(), nullptr) << label;
    }
}

TEST_F(InputPage, RangeNeedsASecondCapacitanceAboveTheFirst) {
    Type("editImax", QStringLiteral("2"));
    Type("editVa", QStringLiteral("5"));
    ASSERT_TRUE(Enabled("actionNext"));
    Choose("comboboxCapacitance1", QStringLiteral("10"));

    Choose("comboboxOperator", QStringLiteral("<>"));
    QComboBox* second = List("comboboxCapacitance2");
    EXPECT_TRUE(second->isEnabled());
    EXPECT_EQ(second->currentIndex(), -1);
    EXPECT_FALSE(Enabled("actionNext"));
    Choose("comboboxCapacitance2", QStringLiteral("10"));
    EXPECT_FALSE(Enabled("actionNext")) << "equal bounds";
    Choose("comboboxCapacitance2", QStringLiteral("4.7"));
    EXPECT_FALSE(Enabled("actionNext")) << "decreasing bounds";
    Choose("comboboxCapacitance2", QStringLiteral("22"));
    EXPECT_TRUE(Enabled("actionNext"));
    TVstupniUdaje between = Read();
    EXPECT_EQ(between.Parametry1.Operator, coBetween);
    EXPECT_EQ(between.Parametry1.Capacitance[1], 10.0L);
    EXPECT_EQ(between.Parametry1.Capacitance[2], 22.0L);

    Choose("comboboxOperator", QStringLiteral(">"));
    EXPECT_FALSE(second->isEnabled());
    EXPECT_EQ(second->currentIndex(), -1);
    EXPECT_EQ(second->palette().color(QPalette::Base), second->palette().color(QPalette::Button));
    EXPECT_TRUE(Enabled("actionNext"));
    const TVstupniUdaje greater = Read();
    EXPECT_EQ(greater.Parametry1.Operator, coGreater);
    EXPECT_EQ(greater.Parametry1.Capacitance[2], 0.0L);
}

TEST_F(InputPage, ReadsTheCircuitAndTheCapacitanceCriterion) {
    Type("editImax", QStringLiteral("1.5"));
    Type("editVa", QStringLiteral("3.3"));
    const struct {
        const char* text;
        TCapacitanceOperator expected;
    } operators[] = {{">", coGreater}, {"=", coEqual}, {"<", coLess}};
    for (const auto& op : operators) {
        Choose("comboboxOperator", QString::fromUtf8(op.text));
        Choose("comboboxCaseSize", QStringLiteral("B"));
        const TVstupniUdaje input = Read();
        EXPECT_EQ(FormatGeneral(input.Resistance), "0.11");
        EXPECT_EQ(input.Imax, 1.5L);
        EXPECT_EQ(input.Va, 3.3L);
        EXPECT_FALSE(input.ByPartNumber);
        EXPECT_EQ(input.Parametry1.Operator, op.expected) << op.text;
        EXPECT_EQ(input.Parametry1.Capacitance[1], 0.1L);
        EXPECT_EQ(input.Parametry1.CaseSize, "B");
    }
}

TEST_F(InputPage, SwitchesTheCriterionAndKeepsBothPages) {
    Choose("comboboxCaseSize", QStringLiteral("C"));
    ChooseCriterion("radiobuttonByPartNumber");
    auto* criteria = Find<QStackedWidget>("notebookParametry");
    EXPECT_EQ(criteria->currentWidget()->objectName(), QStringLiteral("PartNumber"));
    Choose("comboboxPNtype", SeriesName(tvKRB));
    ChooseCriterion("radiobuttonByCapacitance");
    EXPECT_EQ(criteria->currentIndex(), 0);
    EXPECT_EQ(Selected(List("comboboxCaseSize")), QStringLiteral("C"));
    EXPECT_EQ(Selected(List("comboboxPNtype")), SeriesName(tvKRB));
}

class PartNumberCascade : public InputPage {
protected:
    void SetUp() override {
        InputPage::SetUp();
        ChooseCriterion("radiobuttonByPartNumber");
        Type("editImax", QStringLiteral("2"));
        Type("editVa", QStringLiteral("5"));
    }
};

TEST_F(PartNumberCascade, ASeriesKeepsTheCaseItHas) {
    Choose("comboboxPNCaseSize", QStringLiteral("A"));
    Choose("comboboxPNtype", SeriesName(tvKRB));
    EXPECT_EQ(Items(List("comboboxPNCaseSize")),
              QStringList({QStringLiteral("all"), QStringLiteral("A"), QStringLiteral("B"),
                           QStringLiteral("C"), QStringLiteral("D"), QStringLiteral("E"),
                           QStringLiteral("F"), QStringLiteral("K"), QStringLiteral("P"),
                           QStringLiteral("R"), QStringLiteral("S"), QStringLiteral("T"),
                           QStringLiteral("V"), QStringLiteral("W"), QStringLiteral("X"),
                           QStringLiteral("Y")}));
    EXPECT_EQ(Selected(List("comboboxPNCaseSize")), QStringLiteral("A"));
    // The capacitances are those of KRB in case A: "all" and 0.1 to 100.
    const QStringList capacitances = Items(List("comboboxPNcapacitance"));
    ASSERT_EQ(capacitances.size(), 20);
    EXPECT_EQ(capacitances.at(1), QStringLiteral("0.1"));
    EXPECT_EQ(capacitances.last(), QStringLiteral("100"));
    EXPECT_TRUE(Enabled("actionNext"));

    Choose("comboboxPNcapacitance", QStringLiteral("10"));
    EXPECT_EQ(Items(List("comboboxPNvoltage")),
              QStringList({QStringLiteral("all"), QStringLiteral("6.3"), QStringLiteral("10"),
                           QStringLiteral("16")}));
    Choose("comboboxPNvoltage", QStringLiteral("16"));
    const TVstupniUdaje input = Read();
    EXPECT_TRUE(input.ByPartNumber);
    EXPECT_EQ(input.Parametry2.Series, tvKRB);
    EXPECT_EQ(input.Parametry2.CaseSize, "A");
    EXPECT_EQ(input.Parametry2.Capacitance, "10");
    EXPECT_EQ(input.Parametry2.Voltage, "16");
}

TEST_F(PartNumberCascade, ASeriesWithOneCaseSelectsItWithoutAll) {
    Choose("comboboxPNCaseSize", QStringLiteral("A"));
    Choose("comboboxPNtype", SeriesName(tvKOZ));
    EXPECT_EQ(Items(List("comboboxPNCaseSize")), QStringList{QStringLiteral("D")});
    EXPECT_EQ(Selected(List("comboboxPNCaseSize")), QStringLiteral("D"));
    EXPECT_TRUE(Enabled("actionNext"));

    Choose("comboboxPNtype", SeriesName(tvWIQ));
    EXPECT_EQ(Items(List("comboboxPNCaseSize")), QStringList{QStringLiteral("E")});
    EXPECT_EQ(Selected(List("comboboxPNCaseSize")), QStringLiteral("E"));
}

TEST_F(PartNumberCascade, ASeriesWithoutTheCaseFallsBackToAll) {
    Choose("comboboxPNCaseSize", QStringLiteral("Z"));
    Choose("comboboxPNcapacitance", QStringLiteral("all"));
    Choose("comboboxPNtype", SeriesName(tvKRB));
    EXPECT_EQ(Selected(List("comboboxPNCaseSize")), QStringLiteral("all"));
    EXPECT_EQ(Selected(List("comboboxPNcapacitance")), QStringLiteral("all"));
    EXPECT_EQ(Selected(List("comboboxPNvoltage")), QStringLiteral("all"));

    // Back to every series: the case list is the full one again, "all" kept.
    Choose("comboboxPNtype", QStringLiteral("all"));
    EXPECT_EQ(Items(List("comboboxPNCaseSize")), Items(List("comboboxCaseSize")));
    EXPECT_EQ(Selected(List("comboboxPNCaseSize")), QStringLiteral("all"));
}

class CommaLocale : public InputPage {
protected:
    void SetUp() override {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        InputPage::SetUp();
    }
    void TearDown() override {
        Form.reset();
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }
};

TEST_F(CommaLocale, WritesAndReadsNumbersWithTheComma) {
    EXPECT_EQ(Field("editRs")->text(), QStringLiteral("0,1"));
    EXPECT_EQ(Field("editRl")->text(), QStringLiteral("0,01"));
    const QStringList capacitances = Items(List("comboboxCapacitance1"));
    EXPECT_EQ(capacitances.mid(0, 3),
              QStringList({QStringLiteral("0,1"), QStringLiteral("0,15"), QStringLiteral("0,22")}));
    EXPECT_EQ(Items(List("comboboxCapacitance2")), capacitances);
    EXPECT_EQ(Selected(List("comboboxCapacitance1")), QStringLiteral("0,1"));
    EXPECT_TRUE(Items(List("comboboxPNcapacitance")).contains(QStringLiteral("0,47")));
    EXPECT_TRUE(Items(List("comboboxPNvoltage")).contains(QStringLiteral("6,3")));

    Type("editVa", QStringLiteral("5"));
    Type("editImax", QStringLiteral("0.5"));
    EXPECT_FALSE(Enabled("actionNext"));
    Type("editImax", QStringLiteral("0,5"));
    EXPECT_TRUE(Enabled("actionNext"));

    Choose("comboboxOperator", QStringLiteral("<>"));
    Choose("comboboxCapacitance2", QStringLiteral("1,5"));
    EXPECT_TRUE(Enabled("actionNext"));
    const TVstupniUdaje input = Read();
    EXPECT_EQ(FormatGeneral(input.Resistance), "0.11");
    EXPECT_EQ(input.Imax, 0.5L);
    EXPECT_EQ(input.Parametry1.Capacitance[1], 0.1L);
    EXPECT_EQ(input.Parametry1.Capacitance[2], 1.5L);
    EXPECT_EQ(input.DecimalSeparator, ",");
}

} // namespace
} // namespace dorvanta
