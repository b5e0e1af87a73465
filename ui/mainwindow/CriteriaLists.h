// The pick-only lists of the input page: their text, their filling from a
// value list and the choice of an entry after a refill.
#pragma once

#include "core/catalogue/ValueLists.h"

#include <QLatin1String>
#include <QString>
#include <QStringList>

#include <functional>

class QComboBox;

namespace dorvanta {

// The operator text of the range criterion "bound 1 <= capacitance <= bound 2".
inline constexpr QLatin1String kOperatorBetween("<>");

// The text of the selected entry; empty when nothing is selected.
[[nodiscard]] QString ListText(const QComboBox& list);

// Replaces the entries; nothing is selected afterwards.
void SetListItems(QComboBox& list, const QStringList& items);
void SetListItems(QComboBox& list, const TValueList& values);

// After a refill: nothing selected in an empty list (false), the only entry
// of a one-entry list, otherwise the entry equal to `previousText` ignoring
// letter case, or the first entry when there is none.
bool KeepSelection(QComboBox& list, const QString& previousText);

// Empties `list`, lets `fill` build its entries and selects one of them by
// KeepSelection with the text shown before; returns KeepSelection's answer.
bool RefillList(QComboBox& list, const std::function<void(TValueList&)>& fill);

// The texts of all entries.
[[nodiscard]] QStringList ListItems(const QComboBox& list);

// A list out of use is disabled and takes the grey of buttons; in use it has
// the normal colours again.
void SetListInUse(QComboBox& list, bool inUse);

// Selects the entry whose text is `text` exactly; nothing when there is none.
void SelectText(QComboBox& list, const QString& text);

} // namespace dorvanta
