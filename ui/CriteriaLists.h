// The pick-only lists of the input page: their text, their filling from a
// value list and the choice of an entry after a refill.
#pragma once

#include "ValueLists.h"

#include <QString>
#include <QStringList>

class QComboBox;

namespace dorvanta {

// The text of the selected entry; empty when nothing is selected.
[[nodiscard]] QString ListText(const QComboBox& list);

// Replaces the entries; nothing is selected afterwards.
void SetListItems(QComboBox& list, const QStringList& items);
void SetListItems(QComboBox& list, const TValueList& values);

// After a refill: nothing selected in an empty list (false), the only entry
// of a one-entry list, otherwise the entry equal to `previousText` ignoring
// letter case, or the first entry when there is none.
bool KeepSelection(QComboBox& list, const QString& previousText);

// Selects the entry whose text is `text` exactly; nothing when there is none.
void SelectText(QComboBox& list, const QString& text);

} // namespace dorvanta
