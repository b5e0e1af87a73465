#include "ui/desktop/ReferenceDocumentViewer.h"

#include "platform/SafeFileWriter.h"
#include "ui/desktop/DesktopServices.h"
#include "ui/widgets/BusyCursor.h"

#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QTemporaryDir>

#include <memory>

namespace dorvanta {

namespace {

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// One folder per run, created on first use with access for the user alone.
// The viewer reads its copy after the click has returned, so the copies stay
// until the program ends. A folder that could not be created, or that went
// meanwhile, is created anew by the next click.
QTemporaryDir& PrivateFolder() {
    static std::unique_ptr<QTemporaryDir> folder;
    if (!folder || !folder->isValid() || !QFileInfo::exists(folder->path())) {
        folder =
            std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/dorvanta-XXXXXX"));
    }
    return *folder;
}

// The outcome of a click as the user is told about it; empty when the
// viewer took the document over.
QString FailureText(TReferenceDocument document) {
    const TBusyCursor busy;
    const auto copy = WriteTemporaryCopy(document);
    if (!copy) {
        return QStringLiteral("Error: ") + Text(copy.error());
    }
    const TOpenResult result = Desktop().OpenDocument(*copy);
    switch (result.outcome) {
    case TOpenOutcome::Opened:
        return {};
    case TOpenOutcome::NoViewer:
        return QString::fromLatin1(kNoViewerText);
    case TOpenOutcome::Failed:
        break;
    }
    return QStringLiteral("Error: ") + result.message;
}

} // namespace

Expected<QString> WriteTemporaryCopy(TReferenceDocument document) {
    QTemporaryDir& folder = PrivateFolder();
    if (!folder.isValid()) {
        return Unexpected(folder.errorString().toStdString());
    }
    // The folder is this run's and the user's alone, so the first number not
    // taken names a file of its own; the viewer may still read the earlier
    // copies.
    const QString name = Text(DocumentFileName(document));
    const qsizetype dot = name.lastIndexOf(u'.');
    QString path;
    for (int number = 1; path.isEmpty() || QFileInfo::exists(path); ++number) {
        path = folder.filePath(name.left(dot) + u'-' + QString::number(number) + name.mid(dot));
    }
    const auto contents = DocumentContents(document);
    TWriteOptions options;
    options.NewFilePermissions =
        std::filesystem::perms::owner_read | std::filesystem::perms::owner_write;
    const auto written = WriteFileSafely(
        QFileInfo(path).filesystemFilePath(),
        std::string_view(reinterpret_cast<const char*>(contents.data()), contents.size()), options);
    if (!written) {
        return Unexpected(written.error());
    }
    return path;
}

void ShowReferenceDocument(QWidget* parent, TReferenceDocument document) {
    const QString failure = FailureText(document);
    if (failure.isEmpty()) {
        return;
    }
    QMessageBox box(QMessageBox::Critical, QString::fromLatin1(kDocumentCaption), failure,
                    QMessageBox::Ok, parent);
    box.exec();
}

} // namespace dorvanta
