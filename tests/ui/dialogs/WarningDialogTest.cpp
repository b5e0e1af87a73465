// The warning dialog: the page and height that its two parameters choose,
// its texts, and how each way of closing it answers.
#include "tests/ui/ModalDialogs.h"
#include "tests/ui/WindowFixture.h"

#include "ui/dialogs/frmZprava.h"

#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>

namespace dorvanta {
namespace {

struct PageCase {
    bool voltageWarning;
    bool closestMatch;
    int page;
    const char* pageName;
    int height;
    const char* ok;
    const char* closestMatchButton; // null: the page has none
    bool closestMatchEnabled;
};

const PageCase kPages[] = {
    {true, false, 0, "Napeti", 145, "buttonOkNapeti", nullptr, false},
    {true, true, 0, "Napeti", 145, "buttonOkNapeti", nullptr, false},
    {false, false, 1, "Surge", 195, "buttonOkSurge", "buttonClosestMatchSurge", true},
    {false, true, 2, "Surge disabled", 155, "buttonOkSurgeDisabled",
     "buttonCloseMatchSurgeDiasbled", false},
};

class WarningDialog : public testing::Test {
protected:
    template <class T> T* Find(const TformZprava& dialog, const char* name) {
        return FindIn<T>(dialog, name);
    }
};

TEST_F(WarningDialog, ChoosesItsPageAndHeightFromItsParameters) {
    for (const PageCase& c : kPages) {
        SCOPED_TRACE(c.pageName);
        TformZprava dialog(nullptr, c.voltageWarning, c.closestMatch);
        auto* pages = Find<QStackedWidget>(dialog, "notebookZprava");
        EXPECT_EQ(pages->count(), 3);
        EXPECT_EQ(pages->currentIndex(), c.page);
        EXPECT_EQ(pages->currentWidget()->objectName(), QString::fromLatin1(c.pageName));
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Dorvanta"));
        EXPECT_EQ(dialog.width(), 420);
        EXPECT_EQ(dialog.height(), c.height);
        EXPECT_EQ(Find<QPushButton>(dialog, c.ok)->property("tag").toInt(), c.height);
        EXPECT_EQ(Find<QPushButton>(dialog, c.ok)->text(), QStringLiteral("OK"));
        if (c.closestMatchButton != nullptr) {
            auto* button = Find<QPushButton>(dialog, c.closestMatchButton);
            EXPECT_EQ(button->text(), QStringLiteral("Closest Match"));
            EXPECT_EQ(button->isEnabled(), c.closestMatchEnabled);
        }
        EXPECT_FALSE(Find<QLabel>(dialog, "imageOtaznik")->pixmap().isNull());
    }
}

TEST_F(WarningDialog, ShowsTheTextsOfEveryPage) {
    const TformZprava dialog(nullptr, false, false);
    const struct {
        const char* label;
        const char* text;
    } texts[] = {
        {"labelTextZpravyCervene", "Not Recommended Part Number for This Application."},
        {"labelNapeti1", "20% minimum derating recommended (e.g. 6.3V on 10V part)."},
        {"labelNapeti2", "Please select higher voltage part or reduce application voltage."},
        {"labelSurge1",
         "This application could exceed Moltren's in house screening, therefore care must be "
         "taken to determine the worst case current seen in the application when selecting the "
         "capacitor. Click on closest match button to see PNs"},
        {"labelSurge2", "where application current can exceeds the test current surge by 15% "
                        "maximum. Experimental verification of surge current is recommended "
                        "afterwards in this case."},
        {"labelSurgeDisabled1",
         "The application current exceeds the Moltren in-house screening current by more than "
         "15%. Experimental verification of surge current is recommended afterwards in this "
         "case."},
    };
    for (const auto& t : texts) {
        EXPECT_EQ(Find<QLabel>(dialog, t.label)->text(), QString::fromUtf8(t.text)) << t.label;
    }
    const auto* headline = Find<QLabel>(dialog, "labelTextZpravyCervene");
    EXPECT_TRUE(headline->styleSheet().contains(QStringLiteral("#FF0000")));
}

// Runs the dialog and closes it the way `answer` does; returns its result.
template <class Answer> int Answered(TformZprava& dialog, Answer answer) {
    const auto answering = WhenModal<TformZprava>(answer);
    return dialog.exec();
}

// The heights are those of the whole window, its frame included where the
// platform reports one.
TEST_F(WarningDialog, ItsHeightIsTheOuterHeight) {
    for (const PageCase& c : kPages) {
        SCOPED_TRACE(c.pageName);
        TformZprava dialog(nullptr, c.voltageWarning, c.closestMatch);
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
        QTest::qWait(20);
        EXPECT_EQ(dialog.frameGeometry().height(), c.height);
        const int frame = dialog.frameGeometry().height() - dialog.height();
        EXPECT_EQ(dialog.height(), c.height - frame);
        auto* pages = Find<QStackedWidget>(dialog, "notebookZprava");
        EXPECT_LE(pages->geometry().bottom(), dialog.height());
        dialog.reject();
    }
}

TEST_F(WarningDialog, OnlyClosestMatchAnswersOk) {
    TformZprava surge(nullptr, false, false);
    EXPECT_EQ(
        Answered(surge,
                 [](TformZprava* d) {
                     d->findChild<QPushButton*>(QStringLiteral("buttonClosestMatchSurge"))->click();
                 }),
        QDialog::Accepted);
    for (const char* ok : {"buttonOkSurge", "buttonOkNapeti", "buttonOkSurgeDisabled"}) {
        SCOPED_TRACE(ok);
        TformZprava dialog(nullptr, std::string_view(ok) == "buttonOkNapeti",
                           std::string_view(ok) == "buttonOkSurgeDisabled");
        EXPECT_EQ(Answered(dialog,
                           [ok](TformZprava* d) {
                               d->findChild<QPushButton*>(QString::fromLatin1(ok))->click();
                           }),
                  QDialog::Rejected);
    }
    TformZprava escape(nullptr, false, false);
    EXPECT_EQ(Answered(escape, [](TformZprava* d) { QTest::keyClick(d, Qt::Key_Escape); }),
              QDialog::Rejected);
    TformZprava closed(nullptr, false, false);
    EXPECT_EQ(Answered(closed, [](TformZprava* d) { d->close(); }), QDialog::Rejected);
}

TEST_F(WarningDialog, EnterAnswersOk) {
    TformZprava dialog(nullptr, false, false);
    EXPECT_EQ(Answered(dialog, [](TformZprava* d) { QTest::keyClick(d, Qt::Key_Return); }),
              QDialog::Rejected);
}

} // namespace
} // namespace dorvanta
