// Not a check: writes a picture of the results page for the documentation.
// Run by scripts/screenshots.sh, which names the folder in
// DORVANTA_SCREENSHOT_DIR.
#include "WindowFixture.h"

#include <QDir>
#include <QLineEdit>
#include <QPixmap>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTreeView>

namespace dorvanta {
namespace {

using Screenshot = WindowFixture;

// Rs 0.1, Rl 0.01, "> 0.1" in any case are the input page's start values.
TEST_F(Screenshot, DISABLED_ResultsPage) {
    const QString folder = qEnvironmentVariable("DORVANTA_SCREENSHOT_DIR");
    ASSERT_FALSE(folder.isEmpty()) << "DORVANTA_SCREENSHOT_DIR names the output folder";
    Find<QLineEdit>("editImax")->setText(QStringLiteral("10"));
    Find<QLineEdit>("editVa")->setText(QStringLiteral("5"));
    Idle();
    Find<QAction>("actionNext")->trigger();
    Idle();
    ASSERT_EQ(Find<QStackedWidget>("notebookDorvanta")->currentIndex(), 1);
    EXPECT_TRUE(Form->grab().save(QDir(folder).filePath(QStringLiteral("results-page.png"))));
}

// The details of KYFL105*020# at -55 °C with Va 1 V and Imax 1 A: the
// longest values of the table, each whole in its column.
TEST_F(Screenshot, DISABLED_DetailsFit) {
    const QString folder = qEnvironmentVariable("DORVANTA_SCREENSHOT_DIR");
    ASSERT_FALSE(folder.isEmpty()) << "DORVANTA_SCREENSHOT_DIR names the output folder";
    Find<QLineEdit>("editImax")->setText(QStringLiteral("1"));
    Find<QLineEdit>("editVa")->setText(QStringLiteral("1"));
    Idle();
    Find<QAction>("actionNext")->trigger();
    Idle();
    ASSERT_EQ(Find<QStackedWidget>("notebookDorvanta")->currentIndex(), 1);
    auto* tree = Find<QTreeView>("treeviewSeznamTypu");
    const QModelIndexList found = tree->model()->match(tree->model()->index(0, 0), Qt::DisplayRole,
                                                       QStringLiteral("KYFL105*020#"), 1,
                                                       Qt::MatchExactly | Qt::MatchRecursive);
    ASSERT_EQ(found.size(), 1);
    tree->setCurrentIndex(found.front());
    tree->scrollTo(found.front());
    Find<QRadioButton>("radiobutton55stupnu")->setChecked(true);
    Idle();
    EXPECT_TRUE(Form->grab().save(QDir(folder).filePath(QStringLiteral("details-fit.png"))));
}

} // namespace
} // namespace dorvanta
