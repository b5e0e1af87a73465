// Opening a reference document: the program hands a private temporary copy
// of the PDF to the desktop's viewer and does not wait for it.
#pragma once

#include "core/record/Expected.h"
#include "documents/ReferenceDocuments.h"

#include <QString>

class QWidget;

namespace dorvanta {

// The caption and the fixed text of the document messages.
inline constexpr const char* kDocumentCaption = "PDF document";
inline constexpr const char* kNoViewerText =
    "You have to install Acrobat Reader to view this document.";

// Shows `document` through Desktop() under the busy pointer. A missing viewer
// or any other failure is reported in a message box over `parent` after the
// pointer is back to normal; nothing else changes, and a later call tries
// again.
void ShowReferenceDocument(QWidget* parent, TReferenceDocument document);

// Writes `document` through the safe writer to a new file of its own in the
// program's private temporary folder (the folder and the file for the user
// alone; removed when the program ends) and returns its path, or the reason
// why it could not.
[[nodiscard]] Expected<QString> WriteTemporaryCopy(TReferenceDocument document);

} // namespace dorvanta
