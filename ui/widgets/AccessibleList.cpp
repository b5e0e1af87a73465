#include "ui/widgets/AccessibleList.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>

namespace dorvanta {
namespace {

class TAccessibleList : public QAccessibleWidget {
public:
    explicit TAccessibleList(QComboBox* list) : QAccessibleWidget(list, QAccessible::ComboBox) {}

    [[nodiscard]] QString text(QAccessible::Text which) const override {
        switch (which) {
        case QAccessible::Name: {
            const QString name = List()->accessibleName();
            return name.isEmpty() ? List()->currentText() : name;
        }
        case QAccessible::Value:
            return List()->currentText();
        default:
            return QAccessibleWidget::text(which);
        }
    }

    // The entries, as Qt's own reading offers them.
    [[nodiscard]] int childCount() const override { return 1; }
    [[nodiscard]] QAccessibleInterface* child(int index) const override {
        return index == 0 ? QAccessible::queryAccessibleInterface(List()->view()) : nullptr;
    }
    [[nodiscard]] int indexOfChild(const QAccessibleInterface* child) const override {
        return child != nullptr && child->object() == List()->view() ? 0 : -1;
    }

    [[nodiscard]] QStringList actionNames() const override {
        return QStringList{showMenuAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (action == showMenuAction() || action == pressAction()) {
            List()->showPopup();
        } else {
            QAccessibleWidget::doAction(action);
        }
    }

private:
    [[nodiscard]] QComboBox* List() const { return static_cast<QComboBox*>(widget()); }
};

QAccessibleInterface* CreateAccessibleList(const QString& className, QObject* object) {
    auto* list =
        className == QLatin1String("QComboBox") ? qobject_cast<QComboBox*>(object) : nullptr;
    return list != nullptr ? new TAccessibleList(list) : nullptr;
}

} // namespace

void InstallAccessibleLists() {
    static const bool installed = [] {
        QAccessible::installFactory(&CreateAccessibleList);
        return true;
    }();
    (void)installed;
}

} // namespace dorvanta
