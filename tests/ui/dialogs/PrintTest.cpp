// Print through the real print dialog: the dialog's settings, Cancel, and
// printing to a PDF file as the dialog offers it.
#include "tests/support/PdfText.h"
#include "tests/ui/ModalDialogs.h"
#include "tests/ui/ResultsFixture.h"
#include "ui/dialogs/ReportPrinting.h"

#include "tests/support/CatalogueFixture.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>

#include <functional>

namespace dorvanta {
namespace {

std::unique_ptr<TPartNoInfo> Candidate() {
    auto info = std::make_unique<TPartNoInfo>();
    info->CaseSize = "A";
    info->Capacitance = 10;
    info->RatedVoltage = 6.3L;
    info->Pocitane.AppSurge = 2;
    return info;
}

void AddParts(TResultList& list, int count) {
    for (int i = 0; i < count; ++i) {
        list.Add("KELA10" + std::to_string(i) + "*006# 6.3", Candidate());
    }
}

struct DialogSettings {
    bool Shown = false;
    int MinPage = 0;
    int MaxPage = 0;
    QAbstractPrintDialog::PrintRange Range = QAbstractPrintDialog::Selection;
    int Copies = 0;
    QString DocName;
    QPageLayout::Orientation Orientation = QPageLayout::Landscape;
    QPageSize::PageSizeId Paper = QPageSize::Letter;
};

// What the user changes in the dialog before answering it.
using DialogChoice = std::function<void(QPrintDialog*)>;

// Answers the next print dialog with `accept`, after `choose`, and notes what
// it offered, while the returned timer lives.
[[nodiscard]] std::unique_ptr<QTimer> AnswerPrintDialog(DialogSettings& seen, bool accept,
                                                        const DialogChoice& choose = {}) {
    return WhenModal<QPrintDialog>([&seen, accept, choose](QPrintDialog* dialog) {
        seen.Shown = true;
        seen.MinPage = dialog->minPage();
        seen.MaxPage = dialog->maxPage();
        seen.Range = dialog->printRange();
        QPrinter* printer = dialog->printer();
        seen.Copies = printer->copyCount();
        seen.DocName = printer->docName();
        seen.Orientation = printer->pageLayout().orientation();
        seen.Paper = printer->pageLayout().pageSize().id();
        if (choose) {
            choose(dialog);
        }
        accept ? dialog->accept() : dialog->reject();
    });
}

// A window whose search finds three parts.
class PrintFromTheWindow : public ResultsFixture {
protected:
    void PrepareDirectory() override {
        WriteCatalogue({testing::Entry("KELA105*035#", "A", "1", "35", "0.5", "4", "3000"),
                        testing::KELD106(), testing::KYRA336()});
    }
    void ShowResults() {
        Search(QStringLiteral("1"), QStringLiteral("2"));
        ASSERT_EQ(PageIndex(), 1);
        ASSERT_TRUE(Enabled("actionPrint"));
    }
};

TEST_F(PrintFromTheWindow, TheDialogOffersOneCopyOfEveryPageAndCancelChangesNothing) {
    ShowResults();
    ASSERT_EQ(SearchedList().size(), 3U);
    const QModelIndex shown = Tree()->currentIndex();
    const QSignalSpy rebuilt(Nodes(), &QAbstractItemModel::modelReset);
    DialogSettings seen;
    const auto answer = AnswerPrintDialog(seen, false);
    Find<QAction>("actionPrint")->trigger();
    ASSERT_TRUE(seen.Shown);
    EXPECT_EQ(seen.MinPage, 1);
    EXPECT_EQ(seen.MaxPage, 2); // three parts: two pages
    EXPECT_EQ(seen.Range, QAbstractPrintDialog::AllPages);
    EXPECT_EQ(seen.Copies, 1);
    EXPECT_EQ(seen.DocName, QStringLiteral("Dorvanta"));
    EXPECT_EQ(seen.Orientation, QPageLayout::Portrait);
    EXPECT_EQ(seen.Paper, QPageSize::A4);

    EXPECT_EQ(rebuilt.count(), 0);
    EXPECT_EQ(Tree()->currentIndex(), shown);
    EXPECT_EQ(PageIndex(), 1);
}

class PrintToFile : public ::testing::Test {
protected:
    // Prints `list` through the dialog, answered with OK, into a PDF file.
    QByteArray Print(const TResultList& list, bool noteShown, const DialogChoice& choose = {}) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(Directory.filePath(QStringLiteral("report.pdf")));
        DialogSettings seen;
        const auto answer = AnswerPrintDialog(seen, true, choose);
        EXPECT_EQ(PrintReport(nullptr, list, noteShown, printer), TPrintOutcome::Printed);
        EXPECT_TRUE(seen.Shown);
        QFile file(printer.outputFileName());
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << printer.outputFileName().toStdString();
        return file.readAll();
    }

    QTemporaryDir Directory;
};

TEST_F(PrintToFile, OkPrintsTheReportWithTheNoteOnlyWhenItIsShown) {
    TResultList list;
    AddParts(list, 3);
    const QString note = QStringLiteral("Application current exceeds the test current.");
    for (const bool shown : {true, false}) {
        const QStringList pages = testing_report::PdfPages(Print(list, shown));
        ASSERT_EQ(pages.size(), 2) << shown;
        for (const QString& page : pages) {
            EXPECT_EQ(page.contains(note), shown);
            EXPECT_TRUE(page.contains(QStringLiteral("KELA10")));
        }
    }
}

// The paper and orientation as the user picks them in the page settings that
// the dialog's Properties button opens.
DialogChoice ChoosePage(QPageSize::PageSizeId paper, QPageLayout::Orientation orientation) {
    return [paper, orientation](QPrintDialog* dialog) {
        auto* properties = dialog->findChild<QPushButton*>(QStringLiteral("properties"));
        ASSERT_NE(properties, nullptr);
        ASSERT_TRUE(properties->isEnabled());
        bool answered = false;
        QTimer timer;
        timer.setInterval(5);
        QObject::connect(&timer, &QTimer::timeout, [&] {
            auto* page = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (page == nullptr || page == dialog) {
                return;
            }
            timer.stop();
            answered = true;
            auto* sizes = page->findChild<QComboBox*>(QStringLiteral("pageSizeCombo"));
            auto* button = page->findChild<QRadioButton*>(orientation == QPageLayout::Landscape
                                                              ? QStringLiteral("landscape")
                                                              : QStringLiteral("portrait"));
            const int index = sizes != nullptr ? sizes->findText(QPageSize(paper).name()) : -1;
            EXPECT_GE(index, 0) << QPageSize(paper).name().toStdString();
            EXPECT_NE(button, nullptr);
            if (index >= 0 && button != nullptr) {
                sizes->setCurrentIndex(index);
                button->click();
            }
            page->accept();
        });
        timer.start();
        properties->click();
        EXPECT_TRUE(answered);
    };
}

TEST_F(PrintToFile, TheReportIsLaidOutOnThePaperAndInTheOrientationChosen) {
    TResultList list;
    AddParts(list, 3);
    const struct {
        QPageSize::PageSizeId Paper;
        QPageLayout::Orientation Orientation;
        int Pages;
        QString Size;
    } cases[] = {
        {QPageSize::Letter, QPageLayout::Portrait, 3, QStringLiteral("612 x 792 pts")},
        {QPageSize::A4, QPageLayout::Landscape, 3, QStringLiteral("842 x 595 pts")},
        {QPageSize::Legal, QPageLayout::Portrait, 2, QStringLiteral("612 x 1008 pts")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Size.toStdString());
        const QByteArray pdf = Print(list, false, ChoosePage(c.Paper, c.Orientation));
        EXPECT_TRUE(testing_report::PdfInfo(pdf).contains(c.Size))
            << testing_report::PdfInfo(pdf).toStdString();
        const QStringList pages = testing_report::PdfPages(pdf);
        ASSERT_EQ(pages.size(), c.Pages);
        for (qsizetype p = 0; p < pages.size(); ++p) {
            EXPECT_TRUE(pages[p].contains(
                QStringLiteral("Issued by Moltren Technical Marketing Tantalum Division")));
            EXPECT_TRUE(pages[p].trimmed().endsWith(
                QStringLiteral("Page %1 of %2").arg(p + 1).arg(c.Pages)))
                << pages[p].toStdString();
        }
    }
}

} // namespace
} // namespace dorvanta
