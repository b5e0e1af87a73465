// The search run of Next: every row of its decision table, answered through
// the real warning dialog and message box, and the busy pointer.
#include "tests/ui/ResultsFixture.h"

#include "tests/support/CatalogueFixture.h"
#include "ui/dialogs/frmZprava.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include <functional>

namespace dorvanta {
namespace {

// Answers each modal window in turn with the next of `answers` ("OK",
// "Closest Match", "Escape" or "Close") and records what it showed: the
// warning dialog's page, or the message box's icon, caption and text.
class ModalAnswerer {
public:
    explicit ModalAnswerer(QStringList answers) : Answers(std::move(answers)) {
        Timer.setInterval(5);
        QObject::connect(&Timer, &QTimer::timeout, &Timer, [this] { Answer(); });
        Timer.start();
    }

    QStringList Seen;
    std::vector<Qt::CursorShape> Pointers; // the pointer over each of them

private:
    void Answer() {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || !modal->isVisible()) {
            return;
        }
        const QCursor* pointer = QGuiApplication::overrideCursor();
        Pointers.push_back(pointer == nullptr ? Qt::ArrowCursor : pointer->shape());
        const QString answer = Answers.isEmpty() ? QStringLiteral("OK") : Answers.takeFirst();
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            Seen.append(QStringLiteral("box %1 %2: %3")
                            .arg(box->icon() == QMessageBox::Information ? QStringLiteral("i")
                                                                         : QStringLiteral("?"),
                                 box->windowTitle(), box->text()));
            box->button(QMessageBox::Ok)->click();
        } else if (auto* dialog = qobject_cast<TformZprava*>(modal)) {
            const auto* pages =
                dialog->findChild<QStackedWidget*>(QStringLiteral("notebookZprava"));
            Seen.append(pages->currentWidget()->objectName());
            Press(dialog, pages->currentWidget(), answer);
        } else {
            Seen.append(QStringLiteral("unexpected ") +
                        QString::fromLatin1(modal->metaObject()->className()));
            modal->close();
        }
    }

    static void Press(QDialog* dialog, QWidget* page, const QString& answer) {
        if (answer == QStringLiteral("Escape")) {
            QTest::keyClick(dialog, Qt::Key_Escape);
            return;
        }
        if (answer == QStringLiteral("Close")) {
            dialog->close();
            return;
        }
        for (auto* button : page->findChildren<QPushButton*>()) {
            if (button->text() == answer && button->isEnabled()) {
                button->click();
                return;
            }
        }
        ADD_FAILURE() << "no enabled button " << answer.toStdString();
        dialog->reject();
    }

    QStringList Answers;
    QTimer Timer;
};

const QString kNoRecords =
    QStringLiteral("box i Dorvanta: No Records Found.\n\nPlease Modify Input Parameters.");

// A KEL part of 10 V with 100 milliohm: its test surge is 10 × 1.1 /
// (0.1 + 0.45) = 20 A, and with Va 5 V its application surge is Imax. The
// 4 V part, which the voltage rule always rejects, gives the case-size list
// its "all".
class SearchRun : public ResultsFixture {
protected:
    void PrepareDirectory() override {
        WriteCatalogue({testing::Entry("KELD106*010#0100", "D", "10", "10", "1", "6", "100"),
                        testing::Entry("KELA105*004#", "A", "1", "4")});
    }

    void ChooseCapacitance(const QString& value) const {
        auto* list = Find<QComboBox>("comboboxCapacitance1");
        list->setCurrentIndex(list->findText(value));
        Idle();
    }

    [[nodiscard]] bool NoteShown() const {
        return !Find<QLabel>("labelPoznamkaCurrent")->isHidden();
    }

    // The part nodes of the tree.
    [[nodiscard]] int PartCount() const {
        int parts = 0;
        for (int group = 0; group < Nodes()->rowCount(); ++group) {
            parts += Nodes()->rowCount(Nodes()->index(group, 0));
        }
        return parts;
    }
};

struct RunCase {
    const char* name;
    const char* imax;
    const char* va;
    const char* capacitance; // the lower bound of "> ..."
    QStringList answers;
    QStringList seen;
    int page;
    bool note;
    bool closestMatch;
};

TEST_F(SearchRun, FollowsTheDecisionTable) {
    const QString surge = QStringLiteral("Surge");
    const QString disabled = QStringLiteral("Surge disabled");
    const QString ok = QStringLiteral("OK");
    const QString closest = QStringLiteral("Closest Match");
    const RunCase cases[] = {
        {"first run finds the part", "10", "5", "0.1", {}, {}, 1, false, false},
        {"surge, OK", "30", "5", "0.1", {ok}, {surge}, 0, false, false},
        {"surge, Escape", "30", "5", "0.1", {QStringLiteral("Escape")}, {surge}, 0, false, false},
        {"surge, closed", "30", "5", "0.1", {QStringLiteral("Close")}, {surge}, 0, false, false},
        {"no surge reason: the voltage rule", "10", "9", "0.1", {}, {kNoRecords}, 0, false, false},
        {"Imax 0: no search", "0", "5", "0.1", {}, {kNoRecords}, 0, false, false},
        {"Va 0: no search", "10", "0", "0.1", {}, {kNoRecords}, 0, false, false},
        {"rerun finds the part within 15 %", "21", "5", "0.1", {closest}, {surge}, 1, true, true},
        {"rerun, surge again", "30", "5", "0.1", {closest, ok}, {surge, disabled}, 0, false, true},
        {"rerun, surge again, Escape",
         "30",
         "5",
         "0.1",
         {closest, QStringLiteral("Escape")},
         {surge, disabled},
         0,
         false,
         true},
        {"rerun, the capacitance criterion",
         "21",
         "5",
         "100",
         {closest},
         {surge, kNoRecords},
         0,
         false,
         true},
    };
    for (const RunCase& c : cases) {
        SCOPED_TRACE(c.name);
        if (PageIndex() == 1) {
            Back();
        }
        ChooseCapacitance(QString::fromLatin1(c.capacitance));
        Circuit(QStringLiteral("0.1"), QStringLiteral("0.01"), QString::fromLatin1(c.imax),
                QString::fromLatin1(c.va));
        ASSERT_TRUE(Enabled("actionNext"));
        ModalAnswerer answerer(c.answers);
        Next();
        EXPECT_EQ(answerer.Seen, c.seen);
        EXPECT_EQ(PageIndex(), c.page);
        EXPECT_EQ(NoteShown(), c.note);
        // A closest-match rerun follows the surge page answered with
        // "Closest Match"; it ends in the note, the second page of the
        // dialog or "No Records Found.".
        const bool reran = answerer.Seen.value(0) == surge && c.answers.value(0) == closest;
        EXPECT_EQ(reran, c.closestMatch);
        if (reran) {
            EXPECT_TRUE(c.note || answerer.Seen.contains(disabled) ||
                        answerer.Seen.contains(kNoRecords));
        }
        EXPECT_EQ(PartCount(), c.page == 1 ? 1 : 0);
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr) << "the busy pointer stays";
        for (const Qt::CursorShape pointer : answerer.Pointers) {
            EXPECT_EQ(pointer, Qt::ArrowCursor) << "a question under the busy pointer";
        }
    }
}

TEST_F(SearchRun, ANewSearchHidesTheNoteAndStartsWithoutClosestMatch) {
    {
        ModalAnswerer answerer({QStringLiteral("Closest Match")});
        Search(QStringLiteral("21"), QStringLiteral("5"));
    }
    ASSERT_EQ(PageIndex(), 1);
    ASSERT_TRUE(NoteShown());
    Back();
    EXPECT_TRUE(NoteShown()) << "Back keeps the note";
    ModalAnswerer answerer({});
    Search(QStringLiteral("10"), QStringLiteral("5"));
    EXPECT_TRUE(answerer.Seen.isEmpty());
    EXPECT_EQ(PageIndex(), 1);
    EXPECT_FALSE(NoteShown());
}

TEST_F(SearchRun, NextDoesNothingOnTheResultsPage) {
    Search(QStringLiteral("10"), QStringLiteral("5"));
    ASSERT_EQ(PageIndex(), 1);
    const QSignalSpy rebuilt(Nodes(), &QAbstractItemModel::modelReset);
    const QModelIndex before = Tree()->currentIndex();
    Find<QAction>("actionNext")->setEnabled(true);
    Find<QAction>("actionNext")->trigger();
    EXPECT_EQ(rebuilt.count(), 0) << "no new search";
    EXPECT_EQ(Tree()->currentIndex(), before);
    EXPECT_EQ(PageIndex(), 1);
}

} // namespace
} // namespace dorvanta
