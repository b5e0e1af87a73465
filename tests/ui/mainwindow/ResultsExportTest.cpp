// The results tree's context menu: the part number to the clipboard, and
// every result as CSV through the file dialog, written safely.
#include "tests/ui/ModalDialogs.h"
#include "tests/ui/ResultsFixture.h"

#include "core/export/ResultsCsv.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMenu>
#include <QMessageBox>

namespace dorvanta {
namespace {

class ResultsMenu : public ResultsFixture {
protected:
    void SetUp() override {
        ResultsFixture::SetUp();
        Search(QStringLiteral("10"), QStringLiteral("5"));
        ASSERT_EQ(PageIndex(), 1);
    }

    // Saves through the file dialog, naming `file`; returns the text of the
    // message box that followed, if any.
    QString SaveAs(const QString& file, bool checked = true) {
        return SaveThroughDialog(
            [this] {
                Find<QAction>("actionSaveResults")->trigger();
                Idle();
            },
            file, checked);
    }

    [[nodiscard]] static QByteArray Read(const QString& file) {
        QFile in(file);
        return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
    }
};

TEST_F(ResultsMenu, OffersTheThreeCommands) {
    Tree()->customContextMenuRequested(Tree()->visualRect(Tree()->currentIndex()).center());
    auto* menu = Find<QMenu>("popupSeznamTypu");
    ASSERT_TRUE(menu->isVisible());
    QStringList texts;
    QStringList enabled;
    for (const QAction* action : menu->actions()) {
        texts.append(action->text());
        if (action->isEnabled()) {
            enabled.append(action->text());
        }
    }
    EXPECT_EQ(texts, (QStringList{QStringLiteral("Copy Part Number"),
                                  QStringLiteral("Save Results as CSV..."),
                                  QStringLiteral("Compare Selected Parts...")}));
    // One part is selected: nothing to compare it with.
    EXPECT_EQ(enabled, texts.mid(0, 2));
    menu->hide();
    Select(Nodes()->index(0, 0));
    Tree()->customContextMenuRequested(QPoint(4, 4));
    EXPECT_FALSE(Find<QAction>("actionCopyPartNumber")->isEnabled()) << "a group node";
    EXPECT_TRUE(Find<QAction>("actionSaveResults")->isEnabled());
    menu->hide();
}

TEST_F(ResultsMenu, CopiesTheSelectedPartNumber) {
    const QModelIndex part = Nodes()->index(3, 0, Nodes()->index(1, 0));
    Select(part);
    Find<QAction>("actionCopyPartNumber")->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), part.data().toString());
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    Select(Nodes()->index(0, 0));
    Find<QAction>("actionCopyPartNumber")->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("before"));
}

TEST_F(ResultsMenu, SavesEveryResultInTheListOrder) {
    const QString file = Directory.filePath(QStringLiteral("results.csv"));
    EXPECT_EQ(SaveAs(file), QString());
    const QByteArray csv = Read(file);
    EXPECT_EQ(csv.toStdString(), ResultsCsv(SearchedList()));
    const QList<QByteArray> rows = csv.trimmed().split('\n');
    ASSERT_EQ(static_cast<std::size_t>(rows.size()), SearchedList().size() + 1);
    EXPECT_TRUE(rows[0].startsWith("line,part_number,"));
    // The first row is the first node of the tree: the list is sorted.
    const QString first = Nodes()->index(0, 0, Nodes()->index(0, 0)).data().toString();
    EXPECT_TRUE(rows[1].startsWith(QByteArray(first.toUtf8() + ' '))) << rows[1].toStdString();
    EXPECT_EQ(rows[1].count(','), rows[0].count(',')) << "every value";
}

TEST_F(ResultsMenu, ReportsAFailedWriteAndLeavesNoFile) {
    const QString file = Directory.filePath(QStringLiteral("missing/results.csv"));
    const QString message = SaveAs(file, false);
    EXPECT_TRUE(message.startsWith(QStringLiteral("Dorvanta: The results could not be saved to ")))
        << message.toStdString();
    EXPECT_FALSE(QFile::exists(file));
}

TEST_F(ResultsMenu, ReplacesAnExistingFile) {
    const QString file = Directory.filePath(QStringLiteral("results.csv"));
    {
        QFile out(file);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write("old contents that are longer than nothing");
    }
    EXPECT_EQ(SaveAs(file), QString());
    EXPECT_EQ(Read(file).toStdString(), ResultsCsv(SearchedList()));
}

} // namespace
} // namespace dorvanta
