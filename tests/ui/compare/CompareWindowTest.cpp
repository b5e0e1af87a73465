// Several parts chosen in the results tree and compared side by side: the
// tree's multiple selection, the menu command and its shortcut, and the
// compare window's table, best values, temperatures, copy, CSV, print,
// keyboard and what a screen reader reads of it.
#include "tests/support/PdfText.h"
#include "tests/ui/ModalDialogs.h"
#include "tests/ui/ResultsFixture.h"

#include "core/export/ResultsCsv.h"
#include "ui/compare/CompareWindow.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QPrintDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>

#include <map>
#include <vector>

namespace dorvanta {
namespace {

// The first parts of the 6.3 V group after a search for Rs 0.1, Rl 0.01,
// Imax 10, Va 5 and "> 0.1", in tree order, and the ESR that the details
// show for each.
const QString kKELC107 = QStringLiteral("KELC107*006#0140");
const QString kKELC157 = QStringLiteral("KELC157*006#0120");
const QString kKELC227 = QStringLiteral("KELC227*006#0100");
const QString kKELC686 = QStringLiteral("KELC686*006#0170");
const QString kKELD107 = QStringLiteral("KELD107*006#0100");
const QString kKELD157 = QStringLiteral("KELD157*006#0087");
// From the 16 V group: 68.75 % derating, so no values at 125 °C.
const QString kKMDA336 = QStringLiteral("KMDA336M016#1800");
// A series whose top temperature is 175 °C.
const QString kKWGA475 = QStringLiteral("KWGA475*016#");

// The three parts most tests compare, in tree order.
const QStringList kThreeParts = {kKELC107, kKELD157, kKMDA336};

class CompareParts : public ResultsFixture {
protected:
    void SetUp() override {
        ResultsFixture::SetUp();
        Search(QStringLiteral("10"), QStringLiteral("5"));
        ASSERT_EQ(PageIndex(), 1);
    }

    // A click on `node` as the user makes it, its group opened first.
    void Click(const QModelIndex& node, Qt::KeyboardModifiers modifiers = Qt::NoModifier) const {
        Tree()->expand(node.parent());
        Tree()->scrollTo(node);
        Idle();
        QTest::mouseClick(Tree()->viewport(), Qt::LeftButton, modifiers,
                          Tree()->visualRect(node).center());
        Idle();
    }

    // The first part clicked, the others added with Ctrl.
    void ChooseParts(const QStringList& partNumbers) const {
        for (qsizetype i = 0; i < partNumbers.size(); ++i) {
            Click(PartNode(partNumbers[i]), i == 0 ? Qt::NoModifier : Qt::ControlModifier);
        }
    }

    // The selected part nodes' texts, in tree order.
    [[nodiscard]] QStringList SelectedParts() const {
        QStringList parts;
        for (int group = 0; group < Nodes()->rowCount(); ++group) {
            const QModelIndex parent = Nodes()->index(group, 0);
            for (int row = 0; row < Nodes()->rowCount(parent); ++row) {
                const QModelIndex node = Nodes()->index(row, 0, parent);
                if (Tree()->selectionModel()->isSelected(node)) {
                    parts.append(node.data().toString());
                }
            }
        }
        return parts;
    }

    [[nodiscard]] TCompareWindow* CompareWindow() const {
        return Form->findChild<TCompareWindow*>(QStringLiteral("formCompare"));
    }

    // The compare window of the chosen parts, opened through the menu.
    TCompareWindow* Compare(const QStringList& partNumbers) const {
        ChooseParts(partNumbers);
        Find<QAction>("actionCompareParts")->trigger();
        Idle();
        TCompareWindow* window = CompareWindow();
        if (window == nullptr) {
            throw MissingControl("no compare window");
        }
        return window;
    }

    [[nodiscard]] static QTableWidget* Table(const TCompareWindow* window) {
        return FindIn<QTableWidget>(*window, "tableCompare");
    }

    [[nodiscard]] static QStringList Headers(const TCompareWindow* window) {
        QStringList headers;
        for (int column = 0; column < Table(window)->columnCount(); ++column) {
            headers.append(Table(window)->horizontalHeaderItem(column)->text());
        }
        return headers;
    }

    // The row whose heading is `heading`, its cells left to right.
    [[nodiscard]] static QStringList Row(const TCompareWindow* window, const QString& heading) {
        const QTableWidget* table = Table(window);
        for (int row = 0; row < table->rowCount(); ++row) {
            if (table->verticalHeaderItem(row)->text() == heading) {
                QStringList cells;
                for (int column = 0; column < table->columnCount(); ++column) {
                    cells.append(table->item(row, column)->text());
                }
                return cells;
            }
        }
        ADD_FAILURE() << "no row " << heading.toStdString();
        return {};
    }

    // Per row heading, the columns whose value is marked as the best.
    [[nodiscard]] static std::map<QString, std::vector<bool>> Marks(const TCompareWindow* window) {
        const QTableWidget* table = Table(window);
        std::map<QString, std::vector<bool>> marks;
        for (int row = 0; row < table->rowCount(); ++row) {
            std::vector<bool> best(static_cast<std::size_t>(table->columnCount()));
            for (int column = 0; column < table->columnCount(); ++column) {
                best[static_cast<std::size_t>(column)] = table->item(row, column)->font().bold();
            }
            marks.emplace(table->verticalHeaderItem(row)->text(), best);
        }
        return marks;
    }

    static void Choose(const TCompareWindow* window, const char* button) {
        QTest::mouseClick(FindIn<QRadioButton>(*window, button), Qt::LeftButton);
        Idle();
    }
};

TEST_F(CompareParts, TheTreeSelectsSeveralPartsWithCtrlShiftAndTheArrows) {
    // Each step acts on a part of the 6.3 V group; the details show the
    // current part (its ESR).
    enum class Act { Click, CtrlClick, ShiftClick, ShiftDown };
    const struct {
        Act act;
        QString part;
        QStringList selected;
        QString esr;
    } steps[] = {
        {Act::Click, kKELC107, {kKELC107}, QStringLiteral("0.14")},
        {Act::CtrlClick, kKELC227, {kKELC107, kKELC227}, QStringLiteral("0.1")},
        {Act::CtrlClick, kKELC686, {kKELC107, kKELC227, kKELC686}, QStringLiteral("0.17")},
        {Act::CtrlClick, kKELC107, {kKELC227, kKELC686}, QStringLiteral("0.14")},
        {Act::Click, kKELC157, {kKELC157}, QStringLiteral("0.12")},
        {Act::ShiftClick, kKELC686, {kKELC157, kKELC227, kKELC686}, QStringLiteral("0.17")},
        {Act::ShiftDown,
         QString(),
         {kKELC157, kKELC227, kKELC686, kKELD107},
         QStringLiteral("0.1")},
        {Act::ShiftDown,
         QString(),
         {kKELC157, kKELC227, kKELC686, kKELD107, kKELD157},
         QStringLiteral("0.087")},
        {Act::Click, kKELD157, {kKELD157}, QStringLiteral("0.087")},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.part.toStdString() + " " + std::to_string(static_cast<int>(step.act)));
        switch (step.act) {
        case Act::Click:
            Click(PartNode(step.part));
            break;
        case Act::CtrlClick:
            Click(PartNode(step.part), Qt::ControlModifier);
            break;
        case Act::ShiftClick:
            Click(PartNode(step.part), Qt::ShiftModifier);
            break;
        case Act::ShiftDown:
            QTest::keyClick(Tree(), Qt::Key_Down, Qt::ShiftModifier);
            Idle();
            break;
        }
        EXPECT_EQ(SelectedParts(), step.selected);
        EXPECT_EQ(Text("labelESRmaxData"), step.esr);
    }
}

TEST_F(CompareParts, TheMenuOffersTheComparisonForTwoOrMoreParts) {
    auto* action = Find<QAction>("actionCompareParts");
    EXPECT_EQ(action->text(), QStringLiteral("Compare Selected Parts..."));
    EXPECT_EQ(action->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_D));
    EXPECT_TRUE(Find<QMenu>("popupSeznamTypu")->actions().contains(action));
    const auto group = [this](int row) {
        return Nodes()->index(row, 0);
    };
    const struct {
        const char* what;
        std::vector<QModelIndex> nodes; // the first clicked, the others with Ctrl
        bool enabled;
    } cases[] = {
        {"one part", {PartNode(kKELC107)}, false},
        {"two parts", {PartNode(kKELC107), PartNode(kKELC157)}, true},
        {"a group and a part", {group(0), PartNode(kKELC107)}, false},
        {"two groups", {group(0), group(1)}, false},
        {"parts of two groups", {PartNode(kKELC107), PartNode(kKMDA336)}, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        for (std::size_t i = 0; i < c.nodes.size(); ++i) {
            Click(c.nodes[i], i == 0 ? Qt::NoModifier : Qt::ControlModifier);
        }
        EXPECT_EQ(action->isEnabled(), c.enabled);
        Tree()->customContextMenuRequested(Tree()->visualRect(Tree()->currentIndex()).center());
        EXPECT_TRUE(Find<QMenu>("popupSeznamTypu")->isVisible());
        EXPECT_EQ(action->isEnabled(), c.enabled);
        Find<QMenu>("popupSeznamTypu")->hide();
        Find<QAction>("actionCompareParts")->trigger();
        Idle();
        EXPECT_EQ(CompareWindow() != nullptr, c.enabled);
        if (CompareWindow() != nullptr) {
            CompareWindow()->close();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
    }
}

TEST_F(CompareParts, CtrlDInTheTreeOpensTheComparison) {
    Click(PartNode(kKELC107));
    QTest::keyClick(Tree(), Qt::Key_D, Qt::ControlModifier);
    Idle();
    EXPECT_EQ(CompareWindow(), nullptr) << "one part";
    ChooseParts({kKELC107, kKELC157});
    ASSERT_EQ(QApplication::focusWidget(), Tree());
    QTest::keyClick(Tree(), Qt::Key_D, Qt::ControlModifier);
    Idle();
    ASSERT_NE(CompareWindow(), nullptr);
    EXPECT_TRUE(CompareWindow()->isVisible());
    EXPECT_EQ(Headers(CompareWindow()), (QStringList{kKELC107, kKELC157}));
}

TEST_F(CompareParts, OneColumnPerPartAndTheRowsOfTheDetailsTable) {
    const TCompareWindow* window = Compare({kKMDA336, kKELD157, kKELC107});
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->isWindow());
    EXPECT_FALSE(window->isModal());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Compare Parts"));
    // Tree order, whatever the order of the clicks.
    EXPECT_EQ(Headers(window), kThreeParts);
    const QStringList rows[] = {
        {QStringLiteral("LxWxH [mm]"), QStringLiteral("6±0.2 x 3.2+0.2-0.1 x 2.6+0.2-0.1"),
         QStringLiteral("7.3±0.2 x 4.3+0.2-0.1 x 2.9+0.2-0.1"),
         QStringLiteral("3.2±0.2 x 1.6+0.2-0.1 x 1.6+0.2-0.1")},
        {QStringLiteral("Case Size"), QStringLiteral("C"), QStringLiteral("D"),
         QStringLiteral("A")},
        {QStringLiteral("Capacitance @ 25°C, 120 Hz [µF]"), QStringLiteral("100"),
         QStringLiteral("150"), QStringLiteral("33")},
        {QStringLiteral("Rated Voltage [V]"), QStringLiteral("6.3"), QStringLiteral("6.3"),
         QStringLiteral("16")},
        {QStringLiteral("Applicable Voltage Derating [%]"), QStringLiteral("20.6"),
         QStringLiteral("20.6"), QStringLiteral("68.8")},
        {QStringLiteral("DF @ 25°C, 120 Hz [%]"), QStringLiteral("15"), QStringLiteral("18"),
         QStringLiteral("-")},
        {QStringLiteral("ESR Max. @ 25°C, 100 kHz [Ohm]"), QStringLiteral("0.14"),
         QStringLiteral("0.087"), QStringLiteral("1.8")},
        {QStringLiteral("DCL Max. @ 25°C, 3 min. [µA]"), QStringLiteral("6.3"),
         QStringLiteral("9.5"), QStringLiteral("5.3")},
        {QStringLiteral("DCL Typical @ App. Voltage [µA]"), QStringLiteral("4.84"),
         QStringLiteral("7.29"), QStringLiteral("1.2")},
        {QStringLiteral("Irms 25°C @ 100 kHz [mA]"), QStringLiteral("886"), QStringLiteral("1313"),
         QStringLiteral("204")},
        {QStringLiteral("Vrms 25°C @ 100 kHz [mV]"), QStringLiteral("124"), QStringLiteral("114"),
         QStringLiteral("367")},
        {QStringLiteral("Failure Rate @ 25°C [%/1000 hrs]"), QStringLiteral("8.0e-3"),
         QStringLiteral("8.0e-3"), QStringLiteral("1.4e-3")},
        {QStringLiteral("Failures in Time (10⁹ hrs) @ 25°C [FITs]"), QStringLiteral("79.92"),
         QStringLiteral("79.92"), QStringLiteral("13.97")},
        {QStringLiteral("MTBF @ 25°C [years]"), QStringLiteral("1428"), QStringLiteral("1428"),
         QStringLiteral("8173")},
        {QStringLiteral("Application Surge [A]"), QStringLiteral("10"), QStringLiteral("10"),
         QStringLiteral("2.8")},
        {QStringLiteral("Moltren Test Surge [A]"), QStringLiteral("11.7"), QStringLiteral("12.9"),
         QStringLiteral("3.6")},
    };
    ASSERT_EQ(Table(window)->rowCount(), static_cast<int>(std::size(rows)));
    for (int row = 0; row < Table(window)->rowCount(); ++row) {
        const QStringList& expected = rows[row];
        EXPECT_EQ(Table(window)->verticalHeaderItem(row)->text(), expected.first());
        EXPECT_EQ(Row(window, expected.first()), expected.mid(1));
    }
    EXPECT_TRUE(FindIn<QLabel>(*window, "labelPoznamkaDerating")->isHidden());
}

TEST_F(CompareParts, TheBestValueOfEachRowIsMarkedTiesIncluded) {
    const std::vector<bool> none3 = {false, false, false};
    const struct {
        QStringList parts;
        const char* temperature;
        std::vector<std::pair<QString, std::vector<bool>>> marks;
    } cases[] = {
        {kThreeParts,
         "radiobutton25stupnu",
         {
             {QStringLiteral("LxWxH [mm]"), none3},
             {QStringLiteral("Case Size"), none3},
             {QStringLiteral("Capacitance @ 25°C, 120 Hz [µF]"), none3},
             {QStringLiteral("Rated Voltage [V]"), none3},
             {QStringLiteral("Applicable Voltage Derating [%]"), {false, false, true}},
             {QStringLiteral("DF @ 25°C, 120 Hz [%]"), none3},
             {QStringLiteral("ESR Max. @ 25°C, 100 kHz [Ohm]"), {false, true, false}},
             {QStringLiteral("DCL Max. @ 25°C, 3 min. [µA]"), {false, false, true}},
             {QStringLiteral("DCL Typical @ App. Voltage [µA]"), {false, false, true}},
             {QStringLiteral("Irms 25°C @ 100 kHz [mA]"), {false, true, false}},
             {QStringLiteral("Vrms 25°C @ 100 kHz [mV]"), none3},
             {QStringLiteral("Failure Rate @ 25°C [%/1000 hrs]"), {false, false, true}},
             {QStringLiteral("Failures in Time (10⁹ hrs) @ 25°C [FITs]"), {false, false, true}},
             {QStringLiteral("MTBF @ 25°C [years]"), {false, false, true}},
             {QStringLiteral("Application Surge [A]"), none3},
             // Margins over the application surge: 1.7, 2.9 and 0.8 A.
             {QStringLiteral("Moltren Test Surge [A]"), {false, true, false}},
         }},
        // At 125 °C the KMD part has no values: it is never the best there.
        {kThreeParts,
         "radiobutton125stupnu",
         {
             {QStringLiteral("DCL Typical @ App. Voltage [µA]"), {true, false, false}},
             {QStringLiteral("Irms 125°C @ 100 kHz [mA]"), {false, true, false}},
             {QStringLiteral("Failure Rate @ 125°C [%/1000 hrs]"), {true, true, false}},
             {QStringLiteral("Failures in Time (10⁹ hrs) @ 125°C [FITs]"), {true, true, false}},
             {QStringLiteral("MTBF @ 125°C [years]"), {true, true, false}},
         }},
        // Equal values: both marked.
        {{kKELC107, kKELD157},
         "radiobutton85stupnu",
         {
             {QStringLiteral("Applicable Voltage Derating [%]"), {true, true}},
             {QStringLiteral("ESR Max. @ 25°C, 100 kHz [Ohm]"), {false, true}},
             {QStringLiteral("Failures in Time (10⁹ hrs) @ 85°C [FITs]"), {true, true}},
             {QStringLiteral("MTBF @ 85°C [years]"), {true, true}},
             {QStringLiteral("Irms 85°C @ 100 kHz [mA]"), {false, true}},
             {QStringLiteral("DCL Typical @ App. Voltage [µA]"), {true, false}},
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.parts.join(QLatin1Char(' ')).toStdString() + " " + c.temperature);
        const TCompareWindow* window = Compare(c.parts);
        Choose(window, c.temperature);
        const auto marks = Marks(window);
        for (const auto& [heading, best] : c.marks) {
            const auto row = marks.find(heading);
            ASSERT_NE(row, marks.end()) << heading.toStdString();
            EXPECT_EQ(row->second, best) << heading.toStdString();
        }
    }
}

TEST_F(CompareParts, AnotherTemperatureShowsItsValuesAndTheDeratingNote) {
    const TCompareWindow* window = Compare(kThreeParts);
    auto* note = FindIn<QLabel>(*window, "labelPoznamkaDerating");
    const struct {
        const char* button;
        QString irmsHeading;
        QStringList irms;
        QStringList mtbf;
        bool note;
    } cases[] = {
        {"radiobutton85stupnu",
         QStringLiteral("Irms 85°C @ 100 kHz [mA]"),
         {QStringLiteral("798"), QStringLiteral("1182"), QStringLiteral("184")},
         {QStringLiteral("86"), QStringLiteral("86"), QStringLiteral("490")},
         false},
        {"radiobutton125stupnu",
         QStringLiteral("Irms 125°C @ 100 kHz [mA]"),
         {QStringLiteral("355"), QStringLiteral("525"), QString()},
         {QStringLiteral("3"), QStringLiteral("3"), QString()},
         true},
        {"radiobutton25stupnu",
         QStringLiteral("Irms 25°C @ 100 kHz [mA]"),
         {QStringLiteral("886"), QStringLiteral("1313"), QStringLiteral("204")},
         {QStringLiteral("1428"), QStringLiteral("1428"), QStringLiteral("8173")},
         false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.button);
        Choose(window, c.button);
        EXPECT_EQ(Row(window, c.irmsHeading), c.irms);
        const QString mtbf = c.irmsHeading.section(QLatin1Char(' '), 1, 1);
        EXPECT_EQ(Row(window, QStringLiteral("MTBF @ %1 [years]").arg(mtbf)), c.mtbf);
        // The part's own values stay at any temperature.
        EXPECT_EQ(
            Row(window, QStringLiteral("ESR Max. @ 25°C, 100 kHz [Ohm]")),
            (QStringList{QStringLiteral("0.14"), QStringLiteral("0.087"), QStringLiteral("1.8")}));
        EXPECT_EQ(note->isVisible(), c.note);
    }
    EXPECT_EQ(note->text(), Find<QLabel>("labelPoznamkaDerating")->text());
}

TEST_F(CompareParts, TheTopButtonNamesTheTopsOfTheSeriesShown) {
    const struct {
        QStringList parts;
        QString top;
    } cases[] = {
        {{kKELC107, kKELC157}, QStringLiteral("125")},
        {{kKELC107, kKWGA475}, QStringLiteral("125/175")},
    };
    for (const auto& c : cases) {
        const TCompareWindow* window = Compare(c.parts);
        EXPECT_EQ(FindIn<QRadioButton>(*window, "radiobutton125stupnu")->text(), c.top);
        Choose(window, "radiobutton125stupnu");
        EXPECT_EQ(Table(window)->verticalHeaderItem(13)->text(),
                  QStringLiteral("MTBF @ %1°C [years]").arg(c.top));
    }
}

TEST_F(CompareParts, OpensAtTheTemperatureOfTheResultsPage) {
    QTest::mouseClick(Find<QRadioButton>("radiobutton85stupnu"), Qt::LeftButton);
    Idle();
    const TCompareWindow* window = Compare({kKELC107, kKELD157});
    EXPECT_TRUE(FindIn<QRadioButton>(*window, "radiobutton85stupnu")->isChecked());
    EXPECT_EQ(Row(window, QStringLiteral("Irms 85°C @ 100 kHz [mA]")),
              (QStringList{QStringLiteral("798"), QStringLiteral("1182")}));
}

TEST_F(CompareParts, CopyPutsTheTableOnTheClipboardForASpreadsheet) {
    const TCompareWindow* window = Compare(kThreeParts);
    QGuiApplication::clipboard()->clear();
    const QString expected = QStringLiteral(
        "Part Number\tKELC107*006#0140\tKELD157*006#0087\tKMDA336M016#1800\n"
        "LxWxH [mm]\t6±0.2 x 3.2+0.2-0.1 x 2.6+0.2-0.1\t7.3±0.2 x 4.3+0.2-0.1 x 2.9+0.2-0.1\t"
        "3.2±0.2 x 1.6+0.2-0.1 x 1.6+0.2-0.1\n"
        "Case Size\tC\tD\tA\n"
        "Capacitance @ 25°C, 120 Hz [µF]\t100\t150\t33\n"
        "Rated Voltage [V]\t6.3\t6.3\t16\n"
        "Applicable Voltage Derating [%]\t20.6\t20.6\t68.8\n"
        "DF @ 25°C, 120 Hz [%]\t15\t18\t-\n"
        "ESR Max. @ 25°C, 100 kHz [Ohm]\t0.14\t0.087\t1.8\n"
        "DCL Max. @ 25°C, 3 min. [µA]\t6.3\t9.5\t5.3\n"
        "DCL Typical @ App. Voltage [µA]\t62.89\t94.83\t\n"
        "Irms 125°C @ 100 kHz [mA]\t355\t525\t\n"
        "Vrms 125°C @ 100 kHz [mV]\t50\t46\t\n"
        "Failure Rate @ 125°C [%/1000 hrs]\t3.3e0\t3.3e0\t\n"
        "Failures in Time (10⁹ hrs) @ 125°C [FITs]\t33299.23\t33299.23\t\n"
        "MTBF @ 125°C [years]\t3\t3\t\n"
        "Application Surge [A]\t10\t10\t2.8\n"
        "Moltren Test Surge [A]\t11.7\t12.9\t3.6\n");
    Choose(window, "radiobutton125stupnu");
    QTest::mouseClick(FindIn<QPushButton>(*window, "buttonCopy"), Qt::LeftButton);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), expected);
}

// Saves through the window's button and the file dialog, naming `file`;
// returns the text of the message box that followed, if any.
QString SaveAs(QPushButton* button, const QString& file, bool checked = true) {
    return SaveThroughDialog([button] { QTest::mouseClick(button, Qt::LeftButton); }, file,
                             checked);
}

TEST_F(CompareParts, SaveAsCsvWritesTheResultsColumnsOfJustTheseParts) {
    const TCompareWindow* window = Compare(kThreeParts);
    const QString file = Directory.filePath(QStringLiteral("compared.csv"));
    EXPECT_EQ(SaveAs(FindIn<QPushButton>(*window, "buttonSaveCsv"), file), QString());
    QFile in(file);
    ASSERT_TRUE(in.open(QIODevice::ReadOnly));
    const QStringList rows = QString::fromUtf8(in.readAll()).split(QLatin1Char('\n'));
    ASSERT_EQ(rows.size(), 5) << "a header, three parts and the end of the last line";
    EXPECT_EQ(rows[0] + QLatin1Char('\n'), QString::fromStdString(ResultsCsvHeader()));
    EXPECT_EQ(rows[4], QString());
    const QStringList names = rows[0].split(QLatin1Char(','));
    const struct {
        QString line;
        QString series;
        QString esr;
        QString mtbf125;
    } expected[] = {
        {QStringLiteral("KELC107*006#0140 6.3"), QStringLiteral("tvKEL"), QStringLiteral("140"),
         QStringLiteral("3.42816451483494")},
        {QStringLiteral("KELD157*006#0087 6.3"), QStringLiteral("tvKEL"), QStringLiteral("87"),
         QStringLiteral("3.42816451483494")},
        {QStringLiteral("KMDA336M016#1800 16"), QStringLiteral("tvKMD"), QStringLiteral("1800"),
         QStringLiteral("19.6146834268044")},
    };
    for (int i = 0; i < 3; ++i) {
        const QStringList cells = rows[i + 1].split(QLatin1Char(','));
        ASSERT_EQ(cells.size(), names.size());
        const auto cell = [&](const char* name) {
            return cells[names.indexOf(QString::fromLatin1(name))];
        };
        EXPECT_EQ(cell("line"), expected[i].line);
        EXPECT_EQ(cell("part_number"), kThreeParts[i]);
        EXPECT_EQ(cell("series"), expected[i].series);
        EXPECT_EQ(cell("esr_max"), expected[i].esr);
        EXPECT_TRUE(cell("mtbf_125").startsWith(expected[i].mtbf125.left(10)))
            << cell("mtbf_125").toStdString();
    }
}

TEST_F(CompareParts, AFailedSaveSaysWhyAndKeepsTheWindow) {
    TCompareWindow* window = Compare(kThreeParts);
    const QString file = Directory.filePath(QStringLiteral("missing/compared.csv"));
    const QString message = SaveAs(FindIn<QPushButton>(*window, "buttonSaveCsv"), file, false);
    EXPECT_TRUE(message.startsWith(QStringLiteral("Dorvanta: The results could not be saved to ")))
        << message.toStdString();
    EXPECT_FALSE(QFile::exists(file));
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(Headers(window), kThreeParts);
}

TEST_F(CompareParts, PrintPrintsTheReportOfJustTheseParts) {
    const TCompareWindow* window = Compare(kThreeParts);
    const QString file = Directory.filePath(QStringLiteral("compared.pdf"));
    const struct {
        bool accept;
        bool printed;
    } answers[] = {{false, false}, {true, true}};
    for (const auto& answer : answers) {
        int lastPage = 0;
        const auto answering = WhenModal<QPrintDialog>([&](QPrintDialog* dialog) {
            lastPage = dialog->maxPage();
            // The dialog's own choice of a PDF file instead of a printer.
            auto* printers = dialog->findChild<QComboBox*>(QStringLiteral("printers"));
            auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("filename"));
            ASSERT_NE(printers, nullptr);
            ASSERT_NE(name, nullptr);
            printers->setCurrentIndex(printers->count() - 1);
            name->setText(file);
            answer.accept ? dialog->accept() : dialog->reject();
        });
        QTest::mouseClick(FindIn<QPushButton>(*window, "buttonPrint"), Qt::LeftButton);
        // Two parts to a page.
        EXPECT_EQ(lastPage, 2);
        EXPECT_EQ(QFile::exists(file), answer.printed);
        EXPECT_TRUE(window->isVisible());
    }
    QFile pdf(file);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QStringList pages = testing_report::PdfPages(pdf.readAll());
    ASSERT_EQ(pages.size(), 2);
    EXPECT_TRUE(pages[0].contains(kKELC107));
    EXPECT_TRUE(pages[0].contains(kKELD157));
    EXPECT_TRUE(pages[1].contains(kKMDA336));
    EXPECT_FALSE(pages.join(QString()).contains(kKELC157)) << "a part not compared";
}

TEST_F(CompareParts, EscapeAndCloseCloseTheWindow) {
    for (const bool escape : {true, false}) {
        QPointer<TCompareWindow> window = Compare(kThreeParts);
        if (escape) {
            QTest::keyClick(Table(window), Qt::Key_Escape);
        } else {
            QTest::mouseClick(FindIn<QPushButton>(*window, "buttonClose"), Qt::LeftButton);
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(window.isNull()) << escape;
        EXPECT_TRUE(Form->isVisible());
    }
}

TEST_F(CompareParts, TheWindowStaysBesideTheMainWindowAndClosesWithIt) {
    QPointer<TCompareWindow> window = Compare(kThreeParts);
    // Modeless: the main window takes the keyboard back and its tree the
    // clicks, and Ctrl+D again shows the new parts in the same window.
    Form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Form.get()));
    ChooseParts({kKELC157, kKELC227});
    QTest::keyClick(Tree(), Qt::Key_D, Qt::ControlModifier);
    Idle();
    EXPECT_EQ(Form->findChildren<TCompareWindow*>().size(), 1);
    ASSERT_FALSE(window.isNull());
    EXPECT_EQ(Headers(window), (QStringList{kKELC157, kKELC227}));
    Form->reject();
    Idle();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull());
}

TEST_F(CompareParts, TheKeyboardGoesFromTheTemperaturesToTheTableAndTheButtons) {
    TCompareWindow* window = Compare(kThreeParts);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    FindIn<QRadioButton>(*window, "radiobutton25stupnu")->setFocus();
    const QStringList expected = {
        QStringLiteral("tableCompare"),  QStringLiteral("buttonCopy"),
        QStringLiteral("buttonSaveCsv"), QStringLiteral("buttonPrint"),
        QStringLiteral("buttonClose"),   QStringLiteral("radiobutton25stupnu"),
    };
    QStringList visited;
    for (qsizetype i = 0; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited.append(QApplication::focusWidget()->objectName());
    }
    EXPECT_EQ(visited, expected);
    // Back again from the table to the temperatures.
    Table(window)->setFocus();
    QTest::keyClick(Table(window), Qt::Key_Backtab);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), QStringLiteral("radiobutton25stupnu"));
}

struct Reading {
    QAccessible::Role Role = QAccessible::NoRole;
    QString Name;
    QString Description;
};

Reading Read(QAccessibleInterface* face) {
    return face == nullptr ? Reading{}
                           : Reading{face->role(), face->text(QAccessible::Name),
                                     face->text(QAccessible::Description)};
}

Reading Read(QObject* control) {
    return Read(QAccessible::queryAccessibleInterface(control));
}

TEST_F(CompareParts, AScreenReaderReadsEveryControlAndEveryCell) {
    const TCompareWindow* window = Compare(kThreeParts);
    const struct {
        const char* control;
        QAccessible::Role role;
        QString name;
    } controls[] = {
        {"radiobutton55stupnu", QAccessible::RadioButton, QStringLiteral("-55")},
        {"radiobutton25stupnu", QAccessible::RadioButton, QStringLiteral("25")},
        {"radiobutton40stupnu", QAccessible::RadioButton, QStringLiteral("40")},
        {"radiobutton85stupnu", QAccessible::RadioButton, QStringLiteral("85")},
        {"radiobutton125stupnu", QAccessible::RadioButton, QStringLiteral("125")},
        {"tableCompare", QAccessible::Table, QStringLiteral("Compared parts")},
        {"buttonCopy", QAccessible::Button, QStringLiteral("Copy")},
        {"buttonSaveCsv", QAccessible::Button, QStringLiteral("Save as CSV...")},
        {"buttonPrint", QAccessible::Button, QStringLiteral("Print...")},
        {"buttonClose", QAccessible::Button, QStringLiteral("Close")},
        {"labelPoznamkaDerating", QAccessible::StaticText,
         QStringLiteral("KMD and KYD series are defined by 0.5 Vr @ 85°C and 0.2 Vr @ 125°C.")},
    };
    for (const auto& c : controls) {
        SCOPED_TRACE(c.control);
        const Reading reading = Read(FindIn<QWidget>(*window, c.control));
        EXPECT_EQ(reading.Role, c.role);
        EXPECT_EQ(reading.Name, c.name);
    }
    EXPECT_EQ(Read(FindIn<QWidget>(*window, "groupboxTemperature")).Name,
              QStringLiteral("Temperature [°C]"));
    EXPECT_EQ(Read(const_cast<TCompareWindow*>(window)).Name, QStringLiteral("Compare Parts"));

    QAccessibleTableInterface* table =
        QAccessible::queryAccessibleInterface(Table(window))->tableInterface();
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->columnCount(), 3);
    EXPECT_EQ(table->rowCount(), 16);
    const auto cell = [table](int row, int column) {
        return Read(table->cellAt(row, column));
    };
    const QString best = QStringLiteral("Best value of the row");
    const struct {
        const char* temperature;
        int row;
        int column;
        QString name;
        QString description;
    } cells[] = {
        {"radiobutton25stupnu", 2, 0, QStringLiteral("Capacitance @ 25°C, 120 Hz: 100 µF"), {}},
        {"radiobutton25stupnu", 6, 0, QStringLiteral("ESR Max. @ 25°C, 100 kHz: 0.14 Ohm"), {}},
        {"radiobutton25stupnu", 6, 1, QStringLiteral("ESR Max. @ 25°C, 100 kHz: 0.087 Ohm, best"),
         best},
        {"radiobutton25stupnu", 1, 2, QStringLiteral("Case Size: A"), {}},
        {"radiobutton25stupnu", 12, 2,
         QStringLiteral("Failures in Time (10⁹ hrs) @ 25°C: 13.97 FITs, best"), best},
        {"radiobutton85stupnu", 9, 1, QStringLiteral("Irms 85°C @ 100 kHz: 1182 mA, best"), best},
        {"radiobutton125stupnu", 9, 2, QStringLiteral("Irms 125°C @ 100 kHz"), {}},
        {"radiobutton125stupnu", 9, 0, QStringLiteral("Irms 125°C @ 100 kHz: 355 mA"), {}},
    };
    for (const auto& c : cells) {
        SCOPED_TRACE(c.name.toStdString());
        Choose(window, c.temperature);
        const Reading reading = cell(c.row, c.column);
        EXPECT_EQ(reading.Role, QAccessible::Cell);
        EXPECT_EQ(reading.Name, c.name);
        EXPECT_EQ(reading.Description, c.description);
    }
}

} // namespace
} // namespace dorvanta
