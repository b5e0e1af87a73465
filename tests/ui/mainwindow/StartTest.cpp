// The program's start with a catalogue file beside it: the caption note, the
// start message once the window is visible, and a file that cannot be read.
#include "tests/ui/WindowFixture.h"

#include "core/catalogue/CatalogueFile.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QMessageBox>

#include <functional>

namespace dorvanta {
namespace {

// What a message box showed; the box is answered with OK.
struct TMessageSeen {
    QString Caption;
    QString Text;
    QMessageBox::Icon Icon = QMessageBox::NoIcon;
    bool WindowVisible = false;
};

// Answers every message box that comes up while the test runs, recording it.
class MessageBoxAnswerer {
public:
    explicit MessageBoxAnswerer(std::function<bool()> windowVisible)
        : WindowVisible(std::move(windowVisible)) {
        Timer.setInterval(10);
        QObject::connect(&Timer, &QTimer::timeout, &Timer, [this] { Answer(); });
        Timer.start();
    }

    std::vector<TMessageSeen> Seen;

private:
    void Answer() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) {
            return;
        }
        Seen.push_back({box->windowTitle(), box->text(), box->icon(), WindowVisible()});
        box->button(QMessageBox::Ok)->click();
    }

    std::function<bool()> WindowVisible;
    QTimer Timer;
};

class StartWithCatalogueFile : public WindowFixture {
protected:
    void SetUp() override { ASSERT_TRUE(Directory.isValid()); }

    void WriteCatalogueFile(const QByteArray& bytes) const {
        QFile file(Directory.filePath(QString::fromLatin1(kCatalogueFileName)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }

    // Opens the window while answering message boxes; returns what they said.
    std::vector<TMessageSeen> OpenAnswering() {
        MessageBoxAnswerer answerer([this] { return Form && Form->isVisible(); });
        Open();
        Idle();
        return answerer.Seen;
    }
};

TEST_F(StartWithCatalogueFile, ABadFileIsReportedOnceTheWindowIsVisible) {
    WriteCatalogueFile(QByteArray(2 * 101, '\0'));
    const auto seen = OpenAnswering();
    ASSERT_EQ(seen.size(), 1U);
    EXPECT_EQ(seen[0].Caption, QStringLiteral("Dorvanta"));
    EXPECT_EQ(seen[0].Text,
              QStringLiteral("Data file is not correct! Internal database will be used."));
    EXPECT_EQ(seen[0].Icon, QMessageBox::Warning);
    EXPECT_TRUE(seen[0].WindowVisible);
    EXPECT_EQ(Form->windowTitle(), QStringLiteral("Dorvanta - [using internal database]"));
    EXPECT_EQ(Find<QComboBox>("comboboxCaseSize")->count(), 25);
}

TEST_F(StartWithCatalogueFile, AValidFileIsNamedInTheCaptionWithTheLocaleDate) {
    ASSERT_TRUE(ExportCatalogue(QDir(Directory.path()).filesystemPath() / kCatalogueFileName));
    const auto seen = OpenAnswering();
    EXPECT_TRUE(seen.empty());
    EXPECT_EQ(Form->windowTitle(),
              QStringLiteral("Dorvanta - [using external database, version 2, date: 4/13/04]"));
}

TEST_F(StartWithCatalogueFile, AnUnreadableFileLeavesTheCriteriaListsEmpty) {
    WriteCatalogueFile(QByteArray(50, 'x')); // shorter than one record
    const auto seen = OpenAnswering();
    ASSERT_EQ(seen.size(), 1U);
    EXPECT_EQ(seen[0].Caption, QStringLiteral("Dorvanta"));
    EXPECT_EQ(seen[0].Icon, QMessageBox::Critical);
    EXPECT_FALSE(seen[0].Text.isEmpty());
    EXPECT_EQ(Form->windowTitle(), QStringLiteral("Dorvanta"));
    EXPECT_EQ(Find<QComboBox>("comboboxCaseSize")->count(), 0);

    // Nothing the user types can enable Next without criteria lists.
    QTest::keyClicks(Find<QWidget>("editImax"), QStringLiteral("2"));
    QTest::keyClicks(Find<QWidget>("editVa"), QStringLiteral("5"));
    Idle();
    EXPECT_FALSE(Enabled("actionNext"));
}

} // namespace
} // namespace dorvanta
