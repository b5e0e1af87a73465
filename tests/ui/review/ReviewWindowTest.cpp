// The parts-list review in the window: a CSV file dropped on the main window
// (or chosen with Ctrl+O) opens the review window over the circuit of the
// input page; its tree sorts by any column, shows the replacements under a
// line, saves as CSV, and a double-click lands on the results page with the
// part's details. A file that cannot be reviewed says why and opens nothing.
#include "tests/support/PdfText.h"
#include "tests/ui/ModalDialogs.h"
#include "tests/ui/ResultsFixture.h"

#include "core/catalogue/untKonstanty.h"
#include "core/export/PartsListOutput.h"
#include "report/ReviewReport.h"
#include "ui/review/ReviewWindow.h"
#include "ui/widgets/TemperatureChoice.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QHeaderView>
#include <QMessageBox>
#include <QMimeData>
#include <QMouseEvent>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>

#include <limits>
#include <sstream>

namespace dorvanta {
namespace {

using Column = TReviewWindow::TColumn;

const QString kSample =
    QStringLiteral(DORVANTA_SOURCE_DIR) + QStringLiteral("/docs/examples/psu-parts-list.csv");

class Review : public ResultsFixture {
protected:
    void SetUp() override {
        ResultsFixture::SetUp();
        Circuit(QStringLiteral("0.1"), QStringLiteral("0.01"), QStringLiteral("10"),
                QStringLiteral("5"));
    }

    void TearDown() override { Messages.reset(); }

    // Drags `file` over the main window and drops it there, as a file
    // manager does; false when the window refused the drag.
    bool Drop(const QString& file) {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(file)});
        const QPoint at(300, 150);
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(Form.get(), &enter);
        if (!enter.isAccepted()) {
            return false;
        }
        QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(Form.get(), &drop);
        Idle();
        return true;
    }

    // Answers every message box until the test ends, keeping its text.
    void RecordMessages() {
        Messages = std::make_unique<QTimer>();
        Messages->setInterval(5);
        QObject::connect(Messages.get(), &QTimer::timeout, Messages.get(), [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                Message = box->text();
                MessageIcon = box->icon();
                box->accept();
            }
        });
        Messages->start();
    }

    [[nodiscard]] TReviewWindow* Window() const {
        const auto windows = Form->findChildren<TReviewWindow*>();
        return windows.isEmpty() ? nullptr : windows.last();
    }

    [[nodiscard]] QTreeWidget* ReviewTree() const {
        return FindIn<QTreeWidget>(*Window(), "treeviewReview");
    }

    // The row of list line `line`.
    [[nodiscard]] QTreeWidgetItem* Row(int line) const {
        QTreeWidget* tree = ReviewTree();
        for (int i = 0; i < tree->topLevelItemCount(); ++i) {
            if (tree->topLevelItem(i)->text(Column::kColumnLine) == QString::number(line)) {
                return tree->topLevelItem(i);
            }
        }
        ADD_FAILURE() << "no row of line " << line;
        return nullptr;
    }

    [[nodiscard]] QStringList ColumnTexts(int column) const {
        QStringList texts;
        QTreeWidget* tree = ReviewTree();
        for (int i = 0; i < tree->topLevelItemCount(); ++i) {
            texts.append(tree->topLevelItem(i)->text(column));
        }
        return texts;
    }

    // A click on the header of `column`, as a user sorts.
    void ClickHeader(int column) const {
        QHeaderView* header = ReviewTree()->header();
        const QPoint at(header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
                        header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier, at);
        Idle();
    }

    void DoubleClick(QTreeWidgetItem* item) const {
        QTreeWidget* tree = ReviewTree();
        tree->scrollToItem(item);
        // In the designators column, clear of the tree's branch marks.
        const QHeaderView* header = tree->header();
        const QPoint at(header->sectionViewportPosition(Column::kColumnDesignators) +
                            header->sectionSize(Column::kColumnDesignators) / 2,
                        tree->visualItemRect(item).center().y());
        // A click, then the second press as the platform reports it: a
        // double-click event between press and release (QTest's own
        // double-click does not reach the item views on this platform).
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, Qt::NoModifier, at);
        const QPointF global = tree->viewport()->mapToGlobal(QPointF(at));
        const struct {
            QEvent::Type Type;
            Qt::MouseButtons Buttons;
        } events[] = {{QEvent::MouseButtonPress, Qt::LeftButton},
                      {QEvent::MouseButtonDblClick, Qt::LeftButton},
                      {QEvent::MouseButtonRelease, Qt::NoButton}};
        for (const auto& e : events) {
            QMouseEvent event(e.Type, QPointF(at), global, Qt::LeftButton, e.Buttons,
                              Qt::NoModifier);
            QApplication::sendEvent(tree->viewport(), &event);
        }
        Idle();
    }

    [[nodiscard]] QString SelectedPart() const { return Tree()->currentIndex().data().toString(); }

    std::unique_ptr<QTimer> Messages;
    QString Message;
    QMessageBox::Icon MessageIcon = QMessageBox::NoIcon;
};

TEST_F(Review, ADroppedListOpensARowPerLineWithItsVerdictInColour) {
    ASSERT_TRUE(Drop(kSample));
    TReviewWindow* window = Window();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(window->isModal());
    EXPECT_EQ(window->parent(), Form.get());
    EXPECT_EQ(ReviewTree()->topLevelItemCount(), 14);
    EXPECT_TRUE(FindIn<QLabel>(*window, "labelSummary")
                    ->text()
                    .startsWith(QStringLiteral(
                        "14 lines: 4 recommended, 4 not recommended, 6 not in catalogue, 0 bad")));
    const struct {
        int Line;
        QString Verdict;
        QColor Colour;
    } rows[] = {
        {2, QStringLiteral("recommended"), QColor(0, 128, 0)},
        {5, QStringLiteral("accepted only as closest match (surge ≤ 115 % of test surge)"),
         QColor(224, 112, 0)},
        {6, QStringLiteral("surge current above test surge"), QColor(192, 0, 0)},
        {7, QStringLiteral("voltage derating below 17.5 %"), QColor(192, 0, 0)},
        {10, QStringLiteral("not in catalogue"), QColor(128, 128, 128)},
    };
    for (const auto& row : rows) {
        QTreeWidgetItem* item = Row(row.Line);
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(item->text(Column::kColumnVerdict), row.Verdict) << row.Line;
        EXPECT_EQ(item->foreground(Column::kColumnVerdict).color(), row.Colour) << row.Line;
    }
    QTreeWidgetItem* c10 = Row(7);
    EXPECT_EQ(c10->text(Column::kColumnDesignators), QStringLiteral("C10"));
    EXPECT_EQ(c10->text(Column::kColumnPartNumber), QStringLiteral("KRBB476K004R"));
    EXPECT_EQ(c10->text(Column::kColumnMatchedPart), QStringLiteral("KRBB476*004#"));
    EXPECT_EQ(c10->text(Column::kColumnDerating), QStringLiteral("-25"));
    // The line's own Va column: 12 V for C1, C2.
    EXPECT_EQ(window->Review().Lines.front().Application.Va, 12);
}

TEST_F(Review, OnlyLocalCsvFilesAreTaken) {
    EXPECT_FALSE(Drop(Directory.filePath(QStringLiteral("notes.txt"))));
    QMimeData remote;
    remote.setUrls({QUrl(QStringLiteral("https://example.com/list.csv"))});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &remote, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(Form.get(), &enter);
    EXPECT_FALSE(enter.isAccepted());
    EXPECT_EQ(Window(), nullptr);
}

TEST_F(Review, SortsByAnyColumnAndNumbersByTheirValue) {
    ASSERT_TRUE(Drop(kSample));
    ClickHeader(Column::kColumnLine); // already ascending: now descending
    QStringList lines = ColumnTexts(Column::kColumnLine);
    EXPECT_EQ(lines.first(), QStringLiteral("15"));
    EXPECT_EQ(lines.last(), QStringLiteral("2"));
    EXPECT_LT(lines.indexOf(QStringLiteral("10")), lines.indexOf(QStringLiteral("9")));

    // A new column sorts in the header's order for it, whichever that is.
    ClickHeader(Column::kColumnDerating);
    const bool ascending = ReviewTree()->header()->sortIndicatorOrder() == Qt::AscendingOrder;
    EXPECT_EQ(ReviewTree()->header()->sortIndicatorSection(), Column::kColumnDerating);
    QStringList derating = ColumnTexts(Column::kColumnDerating);
    derating.removeAll(QString()); // the lines without a catalogue part
    ASSERT_EQ(derating.size(), 8);
    for (qsizetype i = 1; i < derating.size(); ++i) {
        const double before = derating[i - 1].toDouble();
        const double after = derating[i].toDouble();
        EXPECT_TRUE(ascending ? before <= after : before >= after)
            << derating.join(u' ').toStdString();
    }
    EXPECT_EQ(ascending ? derating.first() : derating.last(), QStringLiteral("-25"));
    EXPECT_EQ(ascending ? derating.last() : derating.first(), QStringLiteral("68.8"));

    ClickHeader(Column::kColumnPartNumber);
    const QStringList parts = ColumnTexts(Column::kColumnPartNumber);
    const bool partsAscending = ReviewTree()->header()->sortIndicatorOrder() == Qt::AscendingOrder;
    EXPECT_EQ(partsAscending ? parts.first() : parts.last(), QStringLiteral("GRM188R61A106KE69D"));
    EXPECT_EQ(partsAscending ? parts.last() : parts.first(), QStringLiteral("SS34"));
}

// Another temperature shows every figure at it, and the verdicts there: the
// KMD part of C12 has no values at its top temperature. The rows keep the
// order the user sorted them in, and what is saved or printed follows.
TEST_F(Review, AnotherTemperatureShowsTheFiguresAndVerdictsAtIt) {
    ASSERT_TRUE(Drop(kSample));
    TReviewWindow* window = Window();
    ASSERT_NE(window, nullptr);
    auto* choice = FindIn<TTemperatureChoice>(*window, "groupboxTemperature");
    EXPECT_EQ(choice->TemperatureIndex(), kTemperature85);
    EXPECT_EQ(FindIn<QRadioButton>(*window, "radiobutton125stupnu")->text(),
              QStringLiteral("125/175"));
    ClickHeader(Column::kColumnDesignators);
    const QStringList sorted = ColumnTexts(Column::kColumnDesignators);

    const struct {
        const char* Button;
        QString At;
        QString IrmsC1;
        QString MtbfC1;
        QString VerdictC12;
    } temperatures[] = {
        {"radiobutton25stupnu", QStringLiteral("(values at 25 °C"), QStringLiteral("387.3"),
         QStringLiteral("114711"), QStringLiteral("recommended")},
        {"radiobutton125stupnu", QStringLiteral("(values at 125 °C"), QStringLiteral("154.9"),
         QStringLiteral("275"), QStringLiteral("KMD/KYD derating note at 125 °C")},
        {"radiobutton85stupnu", QStringLiteral("(values at 85 °C"), QStringLiteral("348.6"),
         QStringLiteral("6883"), QStringLiteral("recommended")},
    };
    for (const auto& t : temperatures) {
        SCOPED_TRACE(t.Button);
        QTest::mouseClick(FindIn<QRadioButton>(*window, t.Button), Qt::LeftButton);
        Idle();
        EXPECT_TRUE(FindIn<QLabel>(*window, "labelSummary")->text().contains(t.At));
        EXPECT_EQ(Row(2)->text(Column::kColumnIrms), t.IrmsC1);
        EXPECT_EQ(Row(2)->text(Column::kColumnMTBF), t.MtbfC1);
        EXPECT_EQ(Row(9)->text(Column::kColumnVerdict), t.VerdictC12);
        EXPECT_EQ(ColumnTexts(Column::kColumnDesignators), sorted);
        EXPECT_EQ(window->Review().Options.TemperatureIndex, choice->TemperatureIndex());
    }
}

TEST_F(Review, AnExpandedLineShowsItsReplacements) {
    ASSERT_TRUE(Drop(kSample));
    QTreeWidgetItem* c10 = Row(7);
    ASSERT_NE(c10, nullptr);
    EXPECT_FALSE(c10->isExpanded());
    ReviewTree()->setCurrentItem(c10);
    QTest::keyClick(ReviewTree(), Qt::Key_Right);
    Idle();
    EXPECT_TRUE(c10->isExpanded());
    ASSERT_EQ(c10->childCount(), 3);
    const QString expected[] = {QStringLiteral("KUBB476M006#0081"), QStringLiteral("KWGB476*006#"),
                                QStringLiteral("KRBB476*006#")};
    for (int i = 0; i < 3; ++i) {
        const QTreeWidgetItem* child = c10->child(i);
        EXPECT_EQ(child->text(Column::kColumnPartNumber), QStringLiteral("replacement"));
        EXPECT_EQ(child->text(Column::kColumnMatchedPart), expected[i]);
        EXPECT_EQ(child->text(Column::kColumnVerdict), QStringLiteral("recommended"));
        EXPECT_FALSE(ReviewTree()->visualItemRect(child).isEmpty());
    }
    EXPECT_EQ(Row(2)->childCount(), 0) << "a recommended line has no replacements";
    EXPECT_EQ(Row(3)->childCount(), 2 + 3) << "a twin's two entries, then the replacements";
}

TEST_F(Review, ADoubleClickShowsThePartOnTheResultsPage) {
    ASSERT_TRUE(Drop(kSample));
    DoubleClick(Row(4)); // C6, KELD107K006R0100, recommended
    ASSERT_EQ(PageIndex(), 1);
    EXPECT_EQ(SelectedPart(), QStringLiteral("KELD107*006#0100"));
    EXPECT_EQ(Text("labelCaseSizeData"), QStringLiteral("D"));
    EXPECT_EQ(Text("labelCapacitanceData"), QStringLiteral("100"));
    EXPECT_EQ(Text("labelRatedVoltageData"), QStringLiteral("6.3"));
    EXPECT_EQ(Find<QLineEdit>("editVa")->text(), QStringLiteral("5"));
    EXPECT_EQ(Find<QLineEdit>("editImax")->text(), QStringLiteral("10"));
    EXPECT_TRUE(Find<QRadioButton>("radiobuttonByPartNumber")->isChecked());

    // From the results page, a replacement of another line, and its line's
    // own application voltage.
    QTreeWidgetItem* c10 = Row(7);
    c10->setExpanded(true);
    Idle();
    DoubleClick(c10->child(0));
    ASSERT_EQ(PageIndex(), 1);
    EXPECT_EQ(SelectedPart(), QStringLiteral("KUBB476M006#0081"));
    EXPECT_EQ(Text("labelCaseSizeData"), QStringLiteral("B"));

    Back();
    QTreeWidgetItem* c1 = Row(2);
    DoubleClick(c1);
    ASSERT_EQ(PageIndex(), 1);
    EXPECT_EQ(SelectedPart(), QStringLiteral("KRBD226*035#"));
    EXPECT_EQ(Find<QLineEdit>("editVa")->text(), QStringLiteral("12"));
}

TEST_F(Review, ADoubleClickOnALineWithoutACataloguePartChangesNothing) {
    ASSERT_TRUE(Drop(kSample));
    DoubleClick(Row(11)); // R1
    EXPECT_EQ(PageIndex(), 0);
    EXPECT_EQ(Find<QLineEdit>("editVa")->text(), QStringLiteral("5"));
}

TEST_F(Review, SavesTheReviewAsCsvAndSaysWhenItCannot) {
    ASSERT_TRUE(Drop(kSample));
    TReviewWindow* window = Window();
    const QString file = Directory.filePath(QStringLiteral("review.csv"));
    const auto save = [&](const QString& name) {
        const auto answering = WhenModal<QFileDialog>([name](QFileDialog* dialog) {
            dialog->selectFile(name);
            QMetaObject::invokeMethod(dialog, "done", Q_ARG(int, QDialog::Accepted));
        });
        FindIn<QPushButton>(*window, "buttonSaveCsv")->click();
        Idle();
    };
    RecordMessages();
    save(file);
    EXPECT_EQ(Message, QString());
    QFile written(file);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    std::ostringstream expected;
    WriteReviewCsv(expected, window->Review());
    EXPECT_EQ(written.readAll().toStdString(), expected.str());

    save(Directory.filePath(QStringLiteral("missing/folder/review.csv")));
    EXPECT_TRUE(Message.startsWith(QStringLiteral("The review could not be saved to ")))
        << Message.toStdString();
    EXPECT_EQ(MessageIcon, QMessageBox::Critical);
}

TEST_F(Review, PrintsTheReviewReportThroughThePrintDialog) {
    ASSERT_TRUE(Drop(kSample));
    const QString file = Directory.filePath(QStringLiteral("review.pdf"));
    int lastPage = 0;
    const auto answering = WhenModal<QPrintDialog>([&file, &lastPage](QPrintDialog* dialog) {
        lastPage = dialog->maxPage();
        // A PDF file instead of a printer, kept as the dialog closes: done()
        // leaves the printer as it is where accept() would apply the
        // dialog's own choice of printer.
        dialog->printer()->setOutputFileName(file);
        dialog->done(QDialog::Accepted);
    });
    FindIn<QPushButton>(*Window(), "buttonPrint")->click();
    Idle();
    QFile printed(file);
    ASSERT_TRUE(printed.open(QIODevice::ReadOnly));
    const QStringList pages = testing_report::PdfPages(printed.readAll());
    ASSERT_EQ(pages.size(), lastPage);
    ASSERT_GT(lastPage, 1);
    EXPECT_TRUE(pages.first().contains(
        QStringLiteral("14 lines: 4 recommended, 4 not recommended, 6 not in catalogue, 0 bad")));
    EXPECT_TRUE(pages.first().contains(QStringLiteral("psu-parts-list.csv")));
    EXPECT_TRUE(pages.join(QString()).contains(QStringLiteral("KUBB476M006#0081")));
}

TEST_F(Review, AFileThatCannotBeReviewedSaysWhyAndOpensNothing) {
    const QString headers = Directory.filePath(QStringLiteral("no-part.csv"));
    QFile file(headers);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("Name,Qty\nC1,2\n");
    file.close();
    RecordMessages();
    const struct {
        QString File;
        QString Reason;
    } cases[] = {
        {headers, QStringLiteral("Name")},
        {Directory.filePath(QStringLiteral("absent.csv")), QStringLiteral("No such file")},
    };
    for (const auto& c : cases) {
        Message.clear();
        ASSERT_TRUE(Drop(c.File));
        EXPECT_TRUE(Message.contains(QDir::toNativeSeparators(c.File))) << Message.toStdString();
        EXPECT_TRUE(Message.contains(c.Reason)) << Message.toStdString();
        EXPECT_EQ(MessageIcon, QMessageBox::Warning);
        EXPECT_EQ(Window(), nullptr);
    }
    EXPECT_EQ(PageIndex(), 0);
}

TEST_F(Review, TheCircuitOfTheInputPageMustBeComplete) {
    Find<QLineEdit>("editImax")->clear();
    Find<QLineEdit>("editVa")->setText(QStringLiteral("five"));
    RecordMessages();
    ASSERT_TRUE(Drop(kSample));
    EXPECT_TRUE(Message.contains(QStringLiteral("Enter Imax, Va as numbers")))
        << Message.toStdString();
    EXPECT_EQ(Window(), nullptr);
}

TEST_F(Review, CtrlOAndTheInputPagesMenuOpenAList) {
    auto* action = Find<QAction>("actionCheckPartsList");
    EXPECT_EQ(action->text(), QStringLiteral("Check Parts List..."));
    EXPECT_TRUE(Find<TInputPage>("Zadani")->actions().contains(action));
    EXPECT_EQ(Find<TInputPage>("Zadani")->contextMenuPolicy(), Qt::ActionsContextMenu);
    const auto answering = WhenModal<QFileDialog>([](QFileDialog* dialog) {
        dialog->selectFile(kSample);
        QMetaObject::invokeMethod(dialog, "accept");
    });
    Find<QLineEdit>("editVa")->setFocus();
    QTest::keyClick(Find<QLineEdit>("editVa"), Qt::Key_O, Qt::ControlModifier);
    Idle();
    ASSERT_NE(Window(), nullptr);
    EXPECT_EQ(ReviewTree()->topLevelItemCount(), 14);
}

TEST_F(Review, EscapeClosesTheWindowAndItsControlsAreNamed) {
    ASSERT_TRUE(Drop(kSample));
    QPointer<TReviewWindow> window = Window();
    const struct {
        const char* Name;
        QString Accessible;
    } buttons[] = {
        {"buttonSaveCsv", QStringLiteral("Save as CSV...")},
        {"buttonPrint", QStringLiteral("Print...")},
        {"buttonClose", QStringLiteral("Close")},
    };
    for (const auto& button : buttons) {
        EXPECT_EQ(FindIn<QPushButton>(*window, button.Name)->accessibleName(), button.Accessible);
    }
    EXPECT_FALSE(ReviewTree()->accessibleName().isEmpty());
    window->activateWindow();
    QTest::keyClick(ReviewTree(), Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    Idle();
    EXPECT_TRUE(window.isNull());
}

} // namespace
} // namespace dorvanta
