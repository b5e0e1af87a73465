// Not a check: writes pictures of the window for the documentation. Run by
// scripts/screenshots.sh, which names the folder in DORVANTA_SCREENSHOT_DIR.
#include "tests/ui/WindowFixture.h"

#include <QDir>
#include <QPixmap>

namespace dorvanta {
namespace {

using Screenshot = WindowFixture;

TEST_F(Screenshot, DISABLED_InputPage) {
    const QString folder = qEnvironmentVariable("DORVANTA_SCREENSHOT_DIR");
    ASSERT_FALSE(folder.isEmpty()) << "DORVANTA_SCREENSHOT_DIR names the output folder";
    QTest::keyClicks(Find<QWidget>("editImax"), QStringLiteral("2"));
    QTest::keyClicks(Find<QWidget>("editVa"), QStringLiteral("5"));
    Idle();
    EXPECT_TRUE(Form->grab().save(QDir(folder).filePath(QStringLiteral("input-page.png"))));
}

TEST_F(Screenshot, DISABLED_PartNumberCriterion) {
    const QString folder = qEnvironmentVariable("DORVANTA_SCREENSHOT_DIR");
    ASSERT_FALSE(folder.isEmpty()) << "DORVANTA_SCREENSHOT_DIR names the output folder";
    QTest::mouseClick(Find<QWidget>("radiobuttonByPartNumber"), Qt::LeftButton);
    Idle();
    EXPECT_TRUE(Form->grab().save(QDir(folder).filePath(QStringLiteral("part-number.png"))));
}

} // namespace
} // namespace dorvanta
