// Not a check: writes a picture of the results page for the documentation.
// Run by scripts/screenshots.sh, which names the folder in
// DORVANTA_SCREENSHOT_DIR.
#include "tests/ui/WindowFixture.h"

#include "ui/compare/CompareWindow.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTreeView>

namespace dorvanta {
namespace {

using Screenshot = WindowFixture;

// Next with Imax and Va typed in (the other fields keep their start values:
// Rs 0.1, Rl 0.01, "> 0.1" in any case), once the program has gone idle.
void Search(TformDorvanta& form, const char* imax, const char* va) {
    FindIn<QLineEdit>(form, "editImax")->setText(QString::fromLatin1(imax));
    FindIn<QLineEdit>(form, "editVa")->setText(QString::fromLatin1(va));
    WindowFixture::Idle();
    FindIn<QAction>(form, "actionNext")->trigger();
    WindowFixture::Idle();
}

// The tree's node of `partNumber`, its group opened.
QModelIndex Node(QTreeView* tree, const QString& partNumber) {
    const QModelIndexList found =
        tree->model()->match(tree->model()->index(0, 0), Qt::DisplayRole, partNumber, 1,
                             Qt::MatchExactly | Qt::MatchRecursive);
    EXPECT_EQ(found.size(), 1) << partNumber.toStdString();
    tree->expand(found.value(0).parent());
    return found.value(0);
}

// Rs 0.1, Rl 0.01, "> 0.1" in any case are the input page's start values.
TEST_F(Screenshot, DISABLED_ResultsPage) {
    const QString folder = qEnvironmentVariable("DORVANTA_SCREENSHOT_DIR");
    ASSERT_FALSE(folder.isEmpty()) << "DORVANTA_SCREENSHOT_DIR names the output folder";
    Search(*Form, "10", "5");
    ASSERT_EQ(Find<QStackedWidget>("notebookDorvanta")->currentIndex(), 1);
    EXPECT_TRUE(Form->grab().save(QDir(folder).filePath(QStringLiteral("results-page.png"))));
}

// The details of KYFL105*020# at -55 °C with Va 1 V and Imax 1 A: the
// longest values of the table, each whole in its column.
TEST_F(Screenshot, DISABLED_DetailsFit) {
    const QString folder = qEnvironmentVariable("DORVANTA_SCREENSHOT_DIR");
    ASSERT_FALSE(folder.isEmpty()) << "DORVANTA_SCREENSHOT_DIR names the output folder";
    Search(*Form, "1", "1");
    ASSERT_EQ(Find<QStackedWidget>("notebookDorvanta")->currentIndex(), 1);
    auto* tree = Find<QTreeView>("treeviewSeznamTypu");
    const QModelIndex part = Node(tree, QStringLiteral("KYFL105*020#"));
    tree->setCurrentIndex(part);
    tree->scrollTo(part);
    Find<QRadioButton>("radiobutton55stupnu")->setChecked(true);
    Idle();
    EXPECT_TRUE(Form->grab().save(QDir(folder).filePath(QStringLiteral("details-fit.png"))));
}

// A KMD part at 125 °C, where its 68.75 % derating gives it no values: the
// red note under the temperatures says why.
TEST_F(Screenshot, DISABLED_DeratingNote) {
    const QString folder = qEnvironmentVariable("DORVANTA_SCREENSHOT_DIR");
    ASSERT_FALSE(folder.isEmpty()) << "DORVANTA_SCREENSHOT_DIR names the output folder";
    Search(*Form, "10", "5");
    ASSERT_EQ(Find<QStackedWidget>("notebookDorvanta")->currentIndex(), 1);
    auto* tree = Find<QTreeView>("treeviewSeznamTypu");
    const QModelIndex part = Node(tree, QStringLiteral("KMDA336M016#1800"));
    tree->setCurrentIndex(part);
    tree->scrollTo(part);
    Find<QRadioButton>("radiobutton125stupnu")->setChecked(true);
    Idle();
    ASSERT_TRUE(Find<QLabel>("labelPoznamkaDerating")->isVisible());
    EXPECT_TRUE(Form->grab().save(QDir(folder).filePath(QStringLiteral("derating-note.png"))));
}

// Three parts of two rated voltages side by side, the best value of each
// row in bold.
TEST_F(Screenshot, DISABLED_CompareWindow) {
    const QString folder = qEnvironmentVariable("DORVANTA_SCREENSHOT_DIR");
    ASSERT_FALSE(folder.isEmpty()) << "DORVANTA_SCREENSHOT_DIR names the output folder";
    Search(*Form, "10", "5");
    ASSERT_EQ(Find<QStackedWidget>("notebookDorvanta")->currentIndex(), 1);
    auto* tree = Find<QTreeView>("treeviewSeznamTypu");
    tree->setCurrentIndex(Node(tree, QStringLiteral("KELC107*006#0140")));
    for (const QString& other :
         {QStringLiteral("KELD157*006#0087"), QStringLiteral("KMDA336M016#1800")}) {
        tree->selectionModel()->select(Node(tree, other), QItemSelectionModel::Select);
    }
    Find<QAction>("actionCompareParts")->trigger();
    Idle();
    auto* window = Form->findChild<TCompareWindow*>();
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    Idle();
    EXPECT_TRUE(window->grab().save(QDir(folder).filePath(QStringLiteral("compare-window.png"))));
}

} // namespace
} // namespace dorvanta
