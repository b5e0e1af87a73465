// Not a check: writes a picture of the results page for the documentation.
// Run by scripts/screenshots.sh, which names the folder in
// DORVANTA_SCREENSHOT_DIR.
#include "WindowFixture.h"

#include <QDir>
#include <QLineEdit>
#include <QPixmap>
#include <QStackedWidget>

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

} // namespace
} // namespace dorvanta
