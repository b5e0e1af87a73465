// Everything that the program hands to the desktop goes through one opener:
// the reference documents to the PDF viewer, the about window's addresses to
// the mail program and the browser. Tests install an opener of their own.
#pragma once

#include <QString>
#include <QUrl>

namespace dorvanta {

enum class TOpenOutcome {
    Opened,   // the viewer has taken the document over
    NoViewer, // no application is registered for the document, or none started
    Failed,   // anything else; the message says what
};

struct TOpenResult {
    TOpenOutcome outcome = TOpenOutcome::Opened;
    QString message;
};

class TDocumentOpener {
public:
    TDocumentOpener() = default;
    TDocumentOpener(const TDocumentOpener&) = delete;
    TDocumentOpener& operator=(const TDocumentOpener&) = delete;
    virtual ~TDocumentOpener() = default;

    // Shows a PDF file in the desktop's PDF viewer, in a window of its own,
    // without waiting for the viewer.
    virtual TOpenResult OpenDocument(const QString& filePath) = 0;

    // Asks the desktop to open a mailto: or http: address. Whether it could
    // is not reported: nothing in the program depends on it.
    virtual void OpenAddress(const QUrl& address) = 0;
};

// The opener in use: the desktop's, unless a ScopedDocumentOpener is alive.
[[nodiscard]] TDocumentOpener& Desktop();

// Puts `opener` in use for its own lifetime, then restores the previous one.
class TScopedDocumentOpener {
public:
    explicit TScopedDocumentOpener(TDocumentOpener& opener) noexcept;
    ~TScopedDocumentOpener();
    TScopedDocumentOpener(const TScopedDocumentOpener&) = delete;
    TScopedDocumentOpener& operator=(const TScopedDocumentOpener&) = delete;

private:
    TDocumentOpener* previous_;
};

} // namespace dorvanta
