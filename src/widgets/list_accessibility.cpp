#include "list_accessibility.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>

namespace orvanta {

namespace {

class NamedList : public QAccessibleWidget {
public:
    explicit NamedList(QComboBox* list) : QAccessibleWidget(list, QAccessible::ComboBox) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value ||
            (t == QAccessible::Name && list()->accessibleName().isEmpty()))
            return list()->currentText();
        return QAccessibleWidget::text(t);
    }

    int childCount() const override { return 1; }
    QAccessibleInterface* child(int index) const override {
        return index == 0 ? QAccessible::queryAccessibleInterface(list()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child && child->object() == list()->view() ? 0 : -1;
    }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.expandable = true;
        s.expanded = list()->view()->isVisible();
        return s;
    }

    QStringList actionNames() const override {
        return QStringList{showMenuAction(), pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (action == showMenuAction() || action == pressAction()) {
            if (list()->isEnabled())
                list()->showPopup();
            return;
        }
        QAccessibleWidget::doAction(action);
    }
    QStringList keyBindingsForAction(const QString& action) const override {
        if (action == showMenuAction() || action == pressAction())
            return {QStringLiteral("Alt+Down")};
        return QAccessibleWidget::keyBindingsForAction(action);
    }

private:
    QComboBox* list() const { return static_cast<QComboBox*>(widget()); }
};

// Qt asks the factories for each class of the object, the most derived first, and the ones
// installed last first: this one answers for every list that cannot be typed into.
QAccessibleInterface* namedListFactory(const QString& className, QObject* object) {
    if (className != QLatin1String("QComboBox"))
        return nullptr;
    auto* list = qobject_cast<QComboBox*>(object);
    if (!list || list->isEditable())
        return nullptr;
    return new NamedList(list);
}

} // namespace

void readListByItsName(QComboBox& list) {
    static const bool installed = [] {
        QAccessible::installFactory(namedListFactory);
        return true;
    }();
    (void)installed;
    if (list.isEditable())
        return;
    QAccessibleInterface* made = QAccessible::queryAccessibleInterface(&list);
    if (made && !dynamic_cast<NamedList*>(made))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
}

} // namespace orvanta
