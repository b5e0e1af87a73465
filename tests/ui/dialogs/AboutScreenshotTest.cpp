// Not a check: writes a picture of the about window for the documentation.
// Run by scripts/screenshots.sh, which names the folder in
// DORVANTA_SCREENSHOT_DIR.
#include "tests/ui/ModalDialogs.h"
#include "tests/ui/WindowFixture.h"
#include "ui/dialogs/frmOAplikaci.h"

#include <QDir>
#include <QPixmap>
#include <QPushButton>

namespace dorvanta {
namespace {

using Screenshot = WindowFixture;

TEST_F(Screenshot, DISABLED_AboutWindow) {
    const QString folder = qEnvironmentVariable("DORVANTA_SCREENSHOT_DIR");
    ASSERT_FALSE(folder.isEmpty()) << "DORVANTA_SCREENSHOT_DIR names the output folder";
    bool saved = false;
    const auto answer = WhenModal<TformOAplikaci>([&](TformOAplikaci* about) {
        // Once the fade-in is over.
        QObject::connect(about, &TformOAplikaci::FadeStepped, about, [&, about](int alpha) {
            if (alpha == 255) {
                QTimer::singleShot(0, about, [&, about] {
                    saved = about->grab().save(QDir(folder).filePath(QStringLiteral("about.png")));
                    about->close();
                });
            }
        });
    });
    Find<QPushButton>("buttonAbout")->click();
    EXPECT_TRUE(saved);
}

} // namespace
} // namespace dorvanta
