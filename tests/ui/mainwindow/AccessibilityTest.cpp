// What a screen reader reads of the window, through Qt's accessibility
// interface: every control of the input page named after its label, every
// value of the details table with its caption and unit, the notes, and the
// warning dialog's texts.
#include "tests/ui/ModalDialogs.h"
#include "tests/ui/ResultsFixture.h"
#include "ui/dialogs/frmZprava.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

namespace dorvanta {
namespace {

struct Reading {
    QAccessible::Role Role = QAccessible::NoRole;
    QString Name;
    QString Value;
};

Reading Read(QObject* control) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(control);
    EXPECT_NE(face, nullptr) << control->objectName().toStdString();
    if (face == nullptr) {
        return {};
    }
    return {face->role(), face->text(QAccessible::Name), face->text(QAccessible::Value)};
}

using Accessibility = ResultsFixture;

TEST_F(Accessibility, EveryControlOfTheInputPageIsNamedAfterItsLabel) {
    const struct {
        const char* control;
        QAccessible::Role role;
        const char* name;
    } controls[] = {
        {"editRs", QAccessible::EditableText, "Rs"},
        {"editRl", QAccessible::EditableText, "Rl"},
        {"editImax", QAccessible::EditableText, "Imax"},
        {"editVa", QAccessible::EditableText, "Va"},
        {"radiobuttonByCapacitance", QAccessible::RadioButton, "By Capacitance Ratio & Case Size"},
        {"radiobuttonByPartNumber", QAccessible::RadioButton, "By Part Number"},
        {"comboboxOperator", QAccessible::ComboBox, "Capacitance range"},
        {"comboboxCapacitance1", QAccessible::ComboBox, "Capacitance"},
        {"comboboxCapacitance2", QAccessible::ComboBox, "Second capacitance"},
        {"comboboxCaseSize", QAccessible::ComboBox, "Case Size"},
        {"comboboxPNtype", QAccessible::ComboBox, "Series Name"},
        {"comboboxPNCaseSize", QAccessible::ComboBox, "Case Size"},
        {"comboboxPNcapacitance", QAccessible::ComboBox, "Capacitance"},
        {"comboboxPNvoltage", QAccessible::ComboBox, "Voltage"},
        {"speedbuttonOtevritVoltageDerating", QAccessible::Button, "Voltage derating"},
        {"speedbuttonOtevritRippleCurrent", QAccessible::Button, "Ripple current"},
        {"speedbuttonOtevritFailureRate", QAccessible::Button, "Failure rate"},
        {"buttonBack", QAccessible::Button, "< Back"},
        {"buttonNext", QAccessible::Button, "Next >"},
        {"buttonPrint", QAccessible::Button, "Print..."},
        {"buttonAbout", QAccessible::Button, "About..."},
        {"buttonCancel", QAccessible::Button, "Cancel"},
    };
    for (const auto& c : controls) {
        SCOPED_TRACE(c.control);
        const Reading reading = Read(Find<QWidget>(c.control));
        EXPECT_EQ(reading.Role, c.role);
        EXPECT_EQ(reading.Name, QString::fromUtf8(c.name));
    }
    // A list's value is its selected entry, and follows it.
    auto* list = Find<QComboBox>("comboboxOperator");
    EXPECT_EQ(Read(list).Value, QStringLiteral(">"));
    list->setCurrentIndex(list->findText(QStringLiteral("<")));
    EXPECT_EQ(Read(list).Name, QStringLiteral("Capacitance range"));
    EXPECT_EQ(Read(list).Value, QStringLiteral("<"));
    EXPECT_EQ(Read(Find<QComboBox>("comboboxCapacitance1")).Value, QStringLiteral("0.1"));
    EXPECT_EQ(Read(Find<QComboBox>("comboboxCaseSize")).Value, QStringLiteral("all"));
    EXPECT_EQ(Read(Find<QLineEdit>("editRs")).Value, QStringLiteral("0.1"));
    // Over the desktop's bus a list's choice is read as the selected entry
    // of its drop-down, closed as it is.
    for (const QString& choice : {QStringLiteral("="), QStringLiteral("<>")}) {
        list->setCurrentIndex(list->findText(choice));
        QAccessibleInterface* entries = QAccessible::queryAccessibleInterface(list)->child(0);
        ASSERT_NE(entries, nullptr);
        ASSERT_NE(entries->tableInterface(), nullptr);
        QStringList selected;
        for (int row = 0; row < entries->tableInterface()->rowCount(); ++row) {
            QAccessibleInterface* entry = entries->tableInterface()->cellAt(row, 0);
            if (entry != nullptr && entry->state().selected) {
                selected.append(entry->text(QAccessible::Name));
            }
        }
        EXPECT_EQ(selected, QStringList{choice});
    }

    // No list or radio button of the page is left to be named by its value.
    for (QComboBox* each : Find<QWidget>("Zadani")->findChildren<QComboBox*>()) {
        const Reading reading = Read(each);
        EXPECT_FALSE(reading.Name.isEmpty()) << each->objectName().toStdString();
        EXPECT_NE(reading.Name, each->currentText()) << each->objectName().toStdString();
    }
    for (QRadioButton* each : Find<QWidget>("Zadani")->findChildren<QRadioButton*>()) {
        EXPECT_FALSE(Read(each).Name.isEmpty()) << each->objectName().toStdString();
    }
}

TEST_F(Accessibility, AListOffersItsEntries) {
    QAccessibleInterface* list =
        QAccessible::queryAccessibleInterface(Find<QComboBox>("comboboxOperator"));
    ASSERT_EQ(list->childCount(), 1);
    QAccessibleInterface* entries = list->child(0);
    ASSERT_NE(entries, nullptr);
    EXPECT_EQ(entries->object(), Find<QComboBox>("comboboxOperator")->view());
    EXPECT_EQ(list->indexOfChild(entries), 0);
}

// After Next with Rs 0.1, Rl 0.01, Imax 10, Va 5 and "> 0.1": each value is
// read with its caption and unit, and follows the part and the temperature.
TEST_F(Accessibility, EveryValueOfTheDetailsIsReadWithItsCaptionAndUnit) {
    Search(QStringLiteral("10"), QStringLiteral("5"));
    ASSERT_EQ(PageIndex(), 1);
    const auto expectRows = [this](const char* temperature) {
        const char* stems[] = {"Dimension",
                               "CaseSize",
                               "Capacitance",
                               "RatedVoltage",
                               "VoltageDerating",
                               "DF",
                               "ESRmax",
                               "DCLmax",
                               "DCLtypical",
                               "Irms",
                               "Vrms",
                               "FailureRate",
                               "FIT",
                               "MTBF",
                               "ApplicationSurge",
                               "MoltrenTestSurge"};
        for (const char* stem : stems) {
            SCOPED_TRACE(stem);
            const QString value = Text(("label" + std::string(stem) + "Data").c_str());
            ASSERT_FALSE(value.isEmpty());
            QString caption = Text(("label_" + std::string(stem)).c_str());
            caption.replace(QStringLiteral("10   hrs"), QStringLiteral("10⁹ hrs"));
            if (caption.endsWith(QLatin1Char(':'))) {
                caption.chop(1);
            }
            const auto* unit =
                Find<QWidget>("panelDetails")
                    ->findChild<QLabel*>(QStringLiteral("label%1Units").arg(QLatin1String(stem)));
            const QString expected =
                caption + QStringLiteral(": ") + value +
                (unit != nullptr ? QLatin1Char(' ') + unit->text() : QString());
            const Reading reading =
                Read(Find<QLabel>(("label" + std::string(stem) + "Data").c_str()));
            EXPECT_EQ(reading.Role, QAccessible::StaticText);
            EXPECT_EQ(reading.Name, expected);
            if (std::string(stem) == "MTBF") {
                EXPECT_TRUE(reading.Name.startsWith(
                    QStringLiteral("MTBF @ %1°C: ").arg(QLatin1String(temperature))))
                    << reading.Name.toStdString();
            }
        }
    };
    expectRows("25");
    EXPECT_EQ(
        Read(Find<QLabel>("labelCapacitanceData")).Name,
        QStringLiteral("Capacitance @ 25°C, 120 Hz: %1 µF").arg(Text("labelCapacitanceData")));
    QTest::mouseClick(Find<QRadioButton>("radiobutton85stupnu"), Qt::LeftButton);
    Idle();
    expectRows("85");
    // Another part: its own values.
    const QModelIndex last = Nodes()->index(Nodes()->rowCount() - 1, 0);
    Select(Nodes()->index(0, 0, last));
    expectRows("85");
    EXPECT_NE(Read(Find<QLabel>("labelDimensionData")).Name, QString());
    // A group node: only the captions.
    Select(last);
    EXPECT_EQ(Read(Find<QLabel>("labelCapacitanceData")).Name,
              QStringLiteral("Capacitance @ 25°C, 120 Hz"));
}

TEST_F(Accessibility, TheTreeTheTemperaturesAndTheNotesAreRead) {
    Search(QStringLiteral("10"), QStringLiteral("5"));
    ASSERT_EQ(PageIndex(), 1);
    const Reading tree = Read(Tree());
    EXPECT_EQ(tree.Role, QAccessible::Tree);
    EXPECT_EQ(tree.Name, QStringLiteral("Recommended Part Numbers"));
    for (const char* button : {"radiobutton55stupnu", "radiobutton25stupnu", "radiobutton40stupnu",
                               "radiobutton85stupnu", "radiobutton125stupnu"}) {
        const Reading reading = Read(Find<QRadioButton>(button));
        EXPECT_EQ(reading.Role, QAccessible::RadioButton) << button;
        EXPECT_EQ(reading.Name, Find<QRadioButton>(button)->text()) << button;
    }
    for (const char* note : {"labelPoznamkaDerating", "labelPoznamkaCurrent"}) {
        auto* label = Find<QLabel>(note);
        label->show();
        const Reading reading = Read(label);
        EXPECT_EQ(reading.Role, QAccessible::StaticText) << note;
        EXPECT_EQ(reading.Name, label->text()) << note;
        EXPECT_FALSE(QAccessible::queryAccessibleInterface(label)->state().invisible) << note;
    }
}

TEST(WarningDialogAccessibility, EveryTextAndButtonIsRead) {
    const struct {
        bool voltage;
        bool closestMatch;
        std::vector<const char*> texts;
        std::vector<const char*> buttons;
    } pages[] = {
        {true, false, {"labelNapeti1", "labelNapeti2"}, {"buttonOkNapeti"}},
        {false,
         false,
         {"labelSurge1", "labelSurge2"},
         {"buttonOkSurge", "buttonClosestMatchSurge"}},
        {false,
         true,
         {"labelSurgeDisabled1"},
         {"buttonOkSurgeDisabled", "buttonCloseMatchSurgeDiasbled"}},
    };
    for (const auto& page : pages) {
        TformZprava dialog(nullptr, page.voltage, page.closestMatch);
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
        const Reading whole = Read(&dialog);
        EXPECT_EQ(whole.Role, QAccessible::Dialog);
        const QString description =
            QAccessible::queryAccessibleInterface(&dialog)->text(QAccessible::Description);
        const QString headline = FindIn<QLabel>(dialog, "labelTextZpravyCervene")->text();
        EXPECT_TRUE(description.startsWith(headline)) << description.toStdString();
        EXPECT_EQ(Read(FindIn<QLabel>(dialog, "labelTextZpravyCervene")).Name, headline);
        for (const char* text : page.texts) {
            auto* label = FindIn<QLabel>(dialog, text);
            const Reading reading = Read(label);
            EXPECT_EQ(reading.Role, QAccessible::StaticText) << text;
            EXPECT_EQ(reading.Name, label->text()) << text;
            EXPECT_TRUE(description.contains(label->text())) << text;
        }
        for (const char* button : page.buttons) {
            const Reading reading = Read(FindIn<QPushButton>(dialog, button));
            EXPECT_EQ(reading.Role, QAccessible::Button) << button;
            EXPECT_EQ(reading.Name, FindIn<QPushButton>(dialog, button)->text()) << button;
        }
        EXPECT_EQ(Read(FindIn<QLabel>(dialog, "imageOtaznik")).Name, QStringLiteral("Question"));
        dialog.reject();
    }
}

} // namespace
} // namespace dorvanta
