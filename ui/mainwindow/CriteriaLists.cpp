#include "ui/mainwindow/CriteriaLists.h"

#include "ui/desktop/LocaleTexts.h"

#include <QComboBox>
#include <QPalette>

namespace dorvanta {

QString ListText(const QComboBox& list) {
    return list.currentIndex() < 0 ? QString() : list.currentText();
}

void SetListItems(QComboBox& list, const QStringList& items) {
    list.clear();
    list.addItems(items);
    // A pick-only list selects its first entry when it is filled.
    list.setCurrentIndex(-1);
}

void SetListItems(QComboBox& list, const TValueList& values) {
    QStringList items;
    items.reserve(static_cast<qsizetype>(values.size()));
    for (const auto& value : values) {
        items.append(ToQString(value));
    }
    SetListItems(list, items);
}

bool KeepSelection(QComboBox& list, const QString& previousText) {
    if (list.count() == 0) {
        list.setCurrentIndex(-1);
        return false;
    }
    if (list.count() == 1) {
        list.setCurrentIndex(0);
        return true;
    }
    const int previous = list.findText(previousText, Qt::MatchFixedString);
    list.setCurrentIndex(previous >= 0 ? previous : 0);
    return true;
}

bool RefillList(QComboBox& list, const std::function<void(TValueList&)>& fill) {
    const QString previousText = ListText(list);
    TValueList values;
    fill(values);
    SetListItems(list, values);
    return KeepSelection(list, previousText);
}

QStringList ListItems(const QComboBox& list) {
    QStringList items;
    items.reserve(list.count());
    for (int i = 0; i < list.count(); ++i) {
        items.append(list.itemText(i));
    }
    return items;
}

void SetListInUse(QComboBox& list, bool inUse) {
    list.setEnabled(inUse);
    QPalette colours = list.parentWidget()->palette();
    if (!inUse) {
        colours.setColor(QPalette::Base, colours.color(QPalette::Button));
    }
    list.setPalette(colours);
}

void SelectText(QComboBox& list, const QString& text) {
    list.setCurrentIndex(list.findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive));
}

} // namespace dorvanta
