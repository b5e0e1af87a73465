// A desktop that records what the program hands it and answers as told.
#pragma once

#include "ui/desktop/DesktopServices.h"

#include <QCursor>
#include <QGuiApplication>

#include <vector>

namespace dorvanta {

class RecordingOpener final : public TDocumentOpener {
public:
    TOpenResult OpenDocument(const QString& filePath) override {
        Documents.push_back(filePath);
        const QCursor* cursor = QGuiApplication::overrideCursor();
        BusyWhileOpening =
            BusyWhileOpening && cursor != nullptr && cursor->shape() == Qt::WaitCursor;
        return Answer;
    }

    void OpenAddress(const QUrl& address) override { Addresses.push_back(address); }

    TOpenResult Answer;
    std::vector<QString> Documents;
    std::vector<QUrl> Addresses;
    bool BusyWhileOpening = true;
};

} // namespace dorvanta
