// Not a check: writes a picture of the results page for the documentation.
// Run by scripts/screenshots.sh, which names the folder in
// DORVANTA_SCREENSHOT_DIR.
#include "ResultsFixture.h"

#include <QDir>
#include <QPixmap>

namespace dorvanta {
namespace {

using Screenshot = ResultsFixture;

TEST_F(Screenshot, DISABLED_ResultsPage) {
    const QString folder = qEnvironmentVariable("DORVANTA_SCREENSHOT_DIR");
    ASSERT_FALSE(folder.isEmpty()) << "DORVANTA_SCREENSHOT_DIR names the output folder";
    Search(QStringLiteral("10"), QStringLiteral("5"));
    ASSERT_EQ(PageIndex(), 1);
    EXPECT_TRUE(Form->grab().save(QDir(folder).filePath(QStringLiteral("results-page.png"))));
}

} // namespace
} // namespace dorvanta
