#include "ReferenceDocumentViewer.h"

#include "BusyCursor.h"
#include "DesktopServices.h"

#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTemporaryFile>

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
QString FailureText(ReferenceDocument document) {
    const BusyCursor busy;
    const TemporaryCopy copy = WriteTemporaryCopy(document);
    if (!copy.error.isEmpty()) {
        return QStringLiteral("Error: ") + copy.error;
    }
    const OpenResult result = Desktop().OpenDocument(copy.path);
    switch (result.outcome) {
    case OpenOutcome::Opened:
        return {};
    case OpenOutcome::NoViewer:
        return QString::fromLatin1(kNoViewerText);
    case OpenOutcome::Failed:
        break;
    }
    return QStringLiteral("Error: ") + result.message;
}

} // namespace

TemporaryCopy WriteTemporaryCopy(ReferenceDocument document) {
    QTemporaryDir& folder = PrivateFolder();
    if (!folder.isValid()) {
        return {{}, folder.errorString()};
    }
    QString name = Text(DocumentFileName(document));
    name.insert(name.lastIndexOf(u'.'), QStringLiteral("-XXXXXX"));
    QTemporaryFile file(folder.filePath(name));
    file.setAutoRemove(false);
    if (!file.open()) { // created new, for the user alone
        return {{}, file.errorString()};
    }
    const auto contents = DocumentContents(document);
    const auto size = static_cast<qint64>(contents.size());
    const bool written =
        file.write(reinterpret_cast<const char*>(contents.data()), size) == size && file.flush();
    const QString error = file.errorString();
    const QString path = file.fileName();
    file.close();
    if (!written) {
        QFile::remove(path);
        return {{}, error};
    }
    return {path, {}};
}

void ShowReferenceDocument(QWidget* parent, ReferenceDocument document) {
    const QString failure = FailureText(document);
    if (failure.isEmpty()) {
        return;
    }
    QMessageBox box(QMessageBox::Critical, QString::fromLatin1(kDocumentCaption), failure,
                    QMessageBox::Ok, parent);
    box.exec();
}

} // namespace dorvanta
