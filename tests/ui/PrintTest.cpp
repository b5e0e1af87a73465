// Print through the real print dialog: the dialog's settings, Cancel, and
// printing to a PDF file as the dialog offers it.
#include "ModalDialogs.h"
#include "PdfText.h"
#include "ReportPrinting.h"
#include "ResultsFixture.h"

#include "CatalogueFixture.h"

#include <QFile>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QStackedWidget>

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

// Answers the next print dialog with `accept` and notes what it offered,
// while the returned timer lives.
[[nodiscard]] std::unique_ptr<QTimer> AnswerPrintDialog(DialogSettings& seen, bool accept) {
    return WhenModal<QPrintDialog>([&seen, accept](QPrintDialog* dialog) {
        seen.Shown = true;
        seen.MinPage = dialog->minPage();
        seen.MaxPage = dialog->maxPage();
        seen.Range = dialog->printRange();
        QPrinter* printer = dialog->printer();
        seen.Copies = printer->copyCount();
        seen.DocName = printer->docName();
        seen.Orientation = printer->pageLayout().orientation();
        seen.Paper = printer->pageLayout().pageSize().id();
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
    QByteArray Print(const TResultList& list, bool noteShown) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(Directory.filePath(QStringLiteral("report.pdf")));
        DialogSettings seen;
        const auto answer = AnswerPrintDialog(seen, true);
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

} // namespace
} // namespace dorvanta
