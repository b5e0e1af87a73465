// The main window's frame, its five actions and the wizard's two pages.
#include "tests/ui/WindowFixture.h"

#include "core/catalogue/PartNumbers.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTreeView>

namespace dorvanta {
namespace {

using MainWindow = WindowFixture;

TEST_F(MainWindow, HasAFixedFrameWithMinimiseAndCloseOnly) {
    EXPECT_EQ(Form->size(), QSize(691, 389));
    EXPECT_EQ(Form->minimumSize(), Form->maximumSize());
    const Qt::WindowFlags flags = Form->windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(Find<QWidget>("imageDorvanta")->isVisible());
    EXPECT_TRUE(Find<QWidget>("shapeRamecek")->isVisible());
    EXPECT_TRUE(Find<QWidget>("bevelTlacitka")->isVisible());
}

TEST_F(MainWindow, ShowsTheButtonsWithTheirAcceleratorsBoundToTheActions) {
    struct Binding {
        const char* button;
        const char* caption;
        const char* action;
        const char* actionCaption;
    };
    const Binding bindings[] = {
        {"buttonBack", "< &Back", "actionBack", "< Back"},
        {"buttonNext", "&Next >", "actionNext", "Next >"},
        {"buttonPrint", "&Print...", "actionPrint", "Print..."},
        {"buttonAbout", "&About...", "actionAbout", "About..."},
        {"buttonCancel", "Cancel", "actionCancel", "Cancel"},
    };
    for (const auto& binding : bindings) {
        auto* button = Find<QPushButton>(binding.button);
        auto* action = Find<QAction>(binding.action);
        ASSERT_NE(button, nullptr);
        ASSERT_NE(action, nullptr);
        EXPECT_EQ(button->text(), QString::fromUtf8(binding.caption));
        EXPECT_EQ(action->text(), QString::fromUtf8(binding.actionCaption));
        EXPECT_FALSE(button->accessibleName().isEmpty()) << binding.button;
        QSignalSpy triggered(action, &QAction::triggered);
        // Cancel ends the program and About runs a modal window of its own
        // (its tests are in AboutWindowTest).
        if (action->isEnabled() && QByteArray(binding.action) != "actionCancel" &&
            QByteArray(binding.action) != "actionAbout") {
            button->click();
            EXPECT_EQ(triggered.count(), 1) << binding.button;
        }
    }
    EXPECT_TRUE(Find<QPushButton>("buttonNext")->isDefault());
}

TEST_F(MainWindow, StartsOnTheInputPageWithBackAndPrintDisabled) {
    auto* pages = Find<QStackedWidget>("notebookDorvanta");
    EXPECT_EQ(pages->currentIndex(), 0);
    EXPECT_EQ(pages->currentWidget()->objectName(), QStringLiteral("Zadani"));
    EXPECT_EQ(pages->widget(1)->objectName(), QStringLiteral("Tabulka"));
    EXPECT_FALSE(Enabled("actionBack"));
    EXPECT_FALSE(Enabled("actionPrint"));
    EXPECT_TRUE(Enabled("actionAbout"));
    EXPECT_TRUE(Enabled("actionCancel"));
    EXPECT_TRUE(Find<QRadioButton>("radiobutton25stupnu")->isChecked());
    EXPECT_EQ(Find<QTreeView>("treeviewSeznamTypu")->model()->rowCount(), 0);
    EXPECT_TRUE(Find<QLabel>("labelPoznamkaCurrent")->isHidden());
}

TEST_F(MainWindow, OnTheResultsPageBackAndPrintAreEnabledAndNextIsNot) {
    Find<QStackedWidget>("notebookDorvanta")->setCurrentIndex(1);
    Idle();
    EXPECT_TRUE(Enabled("actionBack"));
    EXPECT_TRUE(Enabled("actionPrint"));
    EXPECT_FALSE(Enabled("actionNext"));
    EXPECT_TRUE(Find<QPushButton>("buttonBack")->isEnabled());

    // An accelerator clicks its button after a short animation.
    auto* pages = Find<QStackedWidget>("notebookDorvanta");
    QTest::keyClick(Form.get(), Qt::Key_B, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([pages] { return pages->currentIndex() == 0; }));
    Idle();
    EXPECT_FALSE(Enabled("actionBack"));
    EXPECT_FALSE(Enabled("actionPrint"));
}

class EscapeCloses : public WindowFixture, public testing::WithParamInterface<int> {};

TEST_P(EscapeCloses, TheWindowFromEitherPage) {
    Find<QStackedWidget>("notebookDorvanta")->setCurrentIndex(GetParam());
    Idle();
    QSignalSpy finished(Form.get(), &QDialog::finished);
    QSignalSpy cancelled(Find<QAction>("actionCancel"), &QAction::triggered);
    QTest::keyClick(Form->focusWidget() != nullptr ? Form->focusWidget() : Form.get(),
                    Qt::Key_Escape);
    EXPECT_EQ(cancelled.count(), 1);
    EXPECT_EQ(finished.count(), 1);
    EXPECT_FALSE(Form->isVisible());
}

INSTANTIATE_TEST_SUITE_P(Pages, EscapeCloses, testing::Values(0, 1));

TEST_F(MainWindow, HoldsTheCatalogueUntilItGoes) {
    EXPECT_EQ(PartNumbers().size(), kBuiltInCatalogueSize);
    Find<QLineEdit>("editImax")->setText(QStringLiteral("10"));
    Find<QLineEdit>("editVa")->setText(QStringLiteral("5"));
    Idle();
    Find<QAction>("actionNext")->trigger();
    Idle();
    ASSERT_GT(Find<QTreeView>("treeviewSeznamTypu")->model()->rowCount(), 0);
    Form.reset();
    EXPECT_TRUE(PartNumbers().empty());
}

TEST_F(MainWindow, AMissingControlFailsItsTestNamingTheControlsThereAre) {
    try {
        (void)Find<QLineEdit>("editRenamed");
        ADD_FAILURE() << "no exception";
    } catch (const MissingControl& missing) {
        const std::string text = missing.what();
        EXPECT_NE(text.find("editRenamed"), std::string::npos) << text;
        EXPECT_NE(text.find("editImax"), std::string::npos) << text;
        EXPECT_NE(text.find("treeviewSeznamTypu"), std::string::npos) << text;
    }
    // A control of that name but another class is missing too.
    EXPECT_THROW((void)Find<QComboBox>("editRs"), MissingControl);
}

TEST_F(MainWindow, ClosingTheWindowGoesThroughCancel) {
    QSignalSpy cancelled(Find<QAction>("actionCancel"), &QAction::triggered);
    EXPECT_TRUE(Form->close());
    EXPECT_EQ(cancelled.count(), 1);
    EXPECT_FALSE(Form->isVisible());
}

} // namespace
} // namespace dorvanta
