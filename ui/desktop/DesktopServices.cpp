#include "ui/desktop/DesktopServices.h"

#include <QDesktopServices>
#include <QProcess>

namespace dorvanta {

namespace {

// Whether the desktop has an application for PDF documents. On a freedesktop
// system the open command starts in the background and fails silently when
// nothing is registered, so ask the MIME database first. Elsewhere (or when
// the database cannot be asked) the open command's own answer decides.
bool PdfViewerRegistered() {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    QProcess query;
    query.start(QStringLiteral("xdg-mime"), {QStringLiteral("query"), QStringLiteral("default"),
                                             QStringLiteral("application/pdf")});
    if (!query.waitForFinished(5000) || query.exitStatus() != QProcess::NormalExit) {
        return true;
    }
    return !query.readAllStandardOutput().trimmed().isEmpty();
#else
    return true;
#endif
}

class TDesktopOpener final : public TDocumentOpener {
public:
    TOpenResult OpenDocument(const QString& filePath) override {
        if (!PdfViewerRegistered() || !QDesktopServices::openUrl(QUrl::fromLocalFile(filePath))) {
            return {TOpenOutcome::NoViewer, {}};
        }
        return {};
    }

    void OpenAddress(const QUrl& address) override { QDesktopServices::openUrl(address); }
};

TDocumentOpener* current = nullptr;

} // namespace

TDocumentOpener& Desktop() {
    static TDesktopOpener desktop;
    return current != nullptr ? *current : desktop;
}

TScopedDocumentOpener::TScopedDocumentOpener(TDocumentOpener& opener) noexcept
    : previous_(current) {
    current = &opener;
}

TScopedDocumentOpener::~TScopedDocumentOpener() {
    current = previous_;
}

} // namespace dorvanta
