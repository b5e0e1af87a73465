// Everything that the program hands to the desktop goes through one opener:
// the reference documents to the PDF viewer, the about window's addresses to
// the mail program and the browser. Tests install an opener of their own.
#pragma once

#include <QString>
#include <QUrl>

namespace dorvanta {

enum class OpenOutcome {
    Opened,   // the viewer has taken the document over
    NoViewer, // no application is registered for the document, or none started
    Failed,   // anything else; the message says what
};

struct OpenResult {
    OpenOutcome outcome = OpenOutcome::Opened;
    QString message;
};

class DocumentOpener {
public:
    DocumentOpener() = default;
    DocumentOpener(const DocumentOpener&) = delete;
    DocumentOpener& operator=(const DocumentOpener&) = delete;
    virtual ~DocumentOpener() = default;

    // Shows a PDF file in the desktop's PDF viewer, in a window of its own,
    // without waiting for the viewer.
    virtual OpenResult OpenDocument(const QString& filePath) = 0;

    // Asks the desktop to open a mailto: or http: address. Whether it could
    // is not reported: nothing in the program depends on it.
    virtual void OpenAddress(const QUrl& address) = 0;
};

// The opener in use: the desktop's, unless a ScopedDocumentOpener is alive.
[[nodiscard]] DocumentOpener& Desktop();

// Puts `opener` in use for its own lifetime, then restores the previous one.
class ScopedDocumentOpener {
public:
    explicit ScopedDocumentOpener(DocumentOpener& opener) noexcept;
    ~ScopedDocumentOpener();
    ScopedDocumentOpener(const ScopedDocumentOpener&) = delete;
    ScopedDocumentOpener& operator=(const ScopedDocumentOpener&) = delete;

private:
    DocumentOpener* previous_;
};

} // namespace dorvanta
