// The three document buttons: each hands a private copy of its own PDF to the
// desktop's viewer under the busy pointer, and reports a missing viewer or
// any other failure in a message box once the pointer is back to normal.
#include "tests/ui/ModalDialogs.h"
#include "tests/ui/RecordingOpener.h"
#include "tests/ui/WindowFixture.h"
#include "ui/desktop/ReferenceDocumentViewer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QToolButton>

#include <vector>

namespace dorvanta {
namespace {

struct DocumentButton {
    const char* name;
    TReferenceDocument document;
};

constexpr DocumentButton kButtons[] = {
    {"speedbuttonOtevritVoltageDerating", TReferenceDocument::VoltageDerating},
    {"speedbuttonOtevritRippleCurrent", TReferenceDocument::RippleCurrent},
    {"speedbuttonOtevritFailureRate", TReferenceDocument::FailureRate},
};

struct Message {
    QString caption;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    bool cursorRestored = false;
};

class DocumentButtons : public WindowFixture {
protected:
    // Clicks the button and answers the message box, if one comes.
    std::vector<Message> Click(const char* button) {
        std::vector<Message> messages;
        const auto answer = WhenModal<QMessageBox>([&messages](QMessageBox* box) {
            messages.push_back({box->windowTitle(), box->text(), box->icon(),
                                box->standardButtons(),
                                QGuiApplication::overrideCursor() == nullptr});
            box->accept();
        });
        Find<QToolButton>(button)->click();
        Idle();
        return messages;
    }

    RecordingOpener Desktop;
    TScopedDocumentOpener Use{Desktop};
};

QByteArray Contents(TReferenceDocument document) {
    const auto bytes = DocumentContents(document);
    return {reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size())};
}

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST_F(DocumentButtons, EachOpensItsOwnDocumentAgainOnEveryClick) {
    for (const auto& button : kButtons) {
        for (int click = 0; click < 2; ++click) {
            EXPECT_TRUE(Click(button.name).empty()) << button.name;
            ASSERT_FALSE(Desktop.Documents.empty());
            const QString path = Desktop.Documents.back();
            EXPECT_EQ(ReadAll(path), Contents(button.document)) << button.name;
            EXPECT_TRUE(path.endsWith(QStringLiteral(".pdf"))) << path.toStdString();
        }
    }
    ASSERT_EQ(Desktop.Documents.size(), 6U);
    EXPECT_NE(Desktop.Documents[0], Desktop.Documents[1]) << "every click has a copy of its own";
    EXPECT_TRUE(Desktop.BusyWhileOpening);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(DocumentButtons, TheCopyIsReadableByTheUserAlone) {
    ASSERT_TRUE(Click(kButtons[0].name).empty());
    ASSERT_EQ(Desktop.Documents.size(), 1U);
    const QFileInfo file(Desktop.Documents.front());
    const QFileInfo folder(file.absolutePath());
    const auto others = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup | QFile::ReadOther |
                        QFile::WriteOther | QFile::ExeOther;
    EXPECT_EQ(file.permissions() & others, QFile::Permissions());
    EXPECT_TRUE(file.permissions().testFlag(QFile::ReadOwner));
    EXPECT_EQ(folder.permissions() & others, QFile::Permissions());
}

TEST_F(DocumentButtons, AFolderThatWentIsCreatedAnew) {
    ASSERT_TRUE(Click(kButtons[1].name).empty());
    QDir(QFileInfo(Desktop.Documents.back()).absolutePath()).removeRecursively();
    EXPECT_TRUE(Click(kButtons[1].name).empty());
    EXPECT_EQ(ReadAll(Desktop.Documents.back()), Contents(kButtons[1].document));
}

TEST_F(DocumentButtons, WithoutAViewerAskForAcrobatReader) {
    Desktop.Answer = {TOpenOutcome::NoViewer, {}};
    for (const auto& button : kButtons) {
        const auto messages = Click(button.name);
        ASSERT_EQ(messages.size(), 1U) << button.name;
        EXPECT_EQ(messages[0].caption, QStringLiteral("PDF document"));
        EXPECT_EQ(messages[0].text,
                  QStringLiteral("You have to install Acrobat Reader to view this document."));
        EXPECT_EQ(messages[0].icon, QMessageBox::Critical);
        EXPECT_EQ(messages[0].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        EXPECT_TRUE(messages[0].cursorRestored) << button.name;
    }
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_TRUE(Desktop.BusyWhileOpening);
}

TEST_F(DocumentButtons, AnyOtherFailureShowsItsOwnMessage) {
    Desktop.Answer = {TOpenOutcome::Failed, QStringLiteral("The viewer stopped.")};
    const auto messages = Click("speedbuttonOtevritFailureRate");
    ASSERT_EQ(messages.size(), 1U);
    EXPECT_EQ(messages[0].caption, QStringLiteral("PDF document"));
    EXPECT_EQ(messages[0].text, QStringLiteral("Error: The viewer stopped."));
    EXPECT_EQ(messages[0].icon, QMessageBox::Critical);
    EXPECT_TRUE(messages[0].cursorRestored);

    // Nothing is left over: the next click with a viewer opens the document.
    Desktop.Answer = {};
    EXPECT_TRUE(Click("speedbuttonOtevritFailureRate").empty());
    EXPECT_EQ(ReadAll(Desktop.Documents.back()), Contents(TReferenceDocument::FailureRate));
}

TEST_F(DocumentButtons, NeitherReadNorChangeTheInputs) {
    auto* va = Find<QLineEdit>("editVa");
    va->setText(QStringLiteral("not a number"));
    EXPECT_TRUE(Click("speedbuttonOtevritRippleCurrent").empty());
    EXPECT_EQ(va->text(), QStringLiteral("not a number"));
    EXPECT_EQ(Desktop.Documents.size(), 1U);
}

TEST(ReferenceDocuments, AreWholePdfFiles) {
    for (const TReferenceDocument document : kReferenceDocuments) {
        const QByteArray pdf = Contents(document);
        EXPECT_TRUE(pdf.startsWith("%PDF-1.4")) << DocumentFileName(document);
        EXPECT_TRUE(pdf.trimmed().endsWith("%%EOF")) << DocumentFileName(document);
        EXPECT_GE(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r"), 1)
            << DocumentFileName(document);
    }
}

} // namespace
} // namespace dorvanta
