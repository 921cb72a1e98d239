#pragma once

// Walks the accessible tree of a window, as a screen reader does, and lists the controls a user
// could not find by name: every text box, list, scroll bar, button, check box, option button,
// table and picture must have an accessible name. accessibilityProblems adds what would mislead
// a screen reader or a GUI robot: two controls of one window with the same name, a list named by
// its current item instead of its label, a label shown empty (read as the frame around it).

#include <QAccessible>
#include <QAccessibleInterface>
#include <QMap>
#include <QStringList>
#include <QWidget>

namespace orvanta::testing {

inline bool needsName(QAccessible::Role role) {
    switch (role) {
    case QAccessible::EditableText:
    case QAccessible::ComboBox:
    case QAccessible::SpinBox:
    case QAccessible::ScrollBar:
    case QAccessible::Slider:
    case QAccessible::PushButton:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::Table:
    case QAccessible::Graphic:
        return true;
    default:
        return false;
    }
}

// The program's own controls carry their names as objectNames; the parts Qt builds inside its
// widgets (the scroll bars of a document area, the buttons of a combo box) have none, or one
// beginning "qt_", and are named by Qt itself where it matters.
inline bool ownControl(const QObject* object) {
    return object && !object->objectName().isEmpty() &&
           !object->objectName().startsWith(QLatin1String("qt_"));
}

// The program's picture boxes are plain widgets to Qt; they need a name all the same.
inline bool isPicture(const QObject* object) {
    return object->inherits("orvanta::PictureBox");
}

inline bool unnamed(QAccessibleInterface* node) {
    return node && ownControl(node->object()) &&
           (needsName(node->role()) || isPicture(node->object())) &&
           node->text(QAccessible::Name).trimmed().isEmpty();
}

inline QString describe(QAccessibleInterface* node) {
    return QStringLiteral("%1 (ruolo %2)").arg(node->object()->objectName()).arg(int(node->role()));
}

inline void collectUnnamed(QAccessibleInterface* node, QStringList& found, int depth = 0) {
    if (!node || depth > 64)
        return;
    if (unnamed(node))
        found << describe(node);
    // The cells, rows and headers of a table are named by their contents, not by a label.
    if (node->role() == QAccessible::Table)
        return;
    for (int i = 0; i < node->childCount(); ++i)
        collectUnnamed(node->child(i), found, depth + 1);
}

// The controls of the window (and its children) without an accessible name; hidden widgets
// count too, since a window may show them later.
inline QStringList unnamedControls(QWidget& window) {
    QStringList found;
    collectUnnamed(QAccessible::queryAccessibleInterface(&window), found);
    for (QWidget* child : window.findChildren<QWidget*>()) {
        if (child->isVisible())
            continue; // reached through the tree above
        if (QAccessibleInterface* node = QAccessible::queryAccessibleInterface(child);
            unnamed(node))
            found << describe(node);
    }
    found.removeDuplicates();
    return found;
}

namespace detail {

// Every node of the window's accessible tree that belongs to the program, hidden controls too.
inline void collectOwn(QAccessibleInterface* node, QList<QAccessibleInterface*>& found,
                       int depth = 0) {
    if (!node || depth > 64)
        return;
    if (ownControl(node->object()))
        found << node;
    if (node->role() == QAccessible::Table)
        return;
    for (int i = 0; i < node->childCount(); ++i)
        collectOwn(node->child(i), found, depth + 1);
}

inline QList<QAccessibleInterface*> ownNodes(QWidget& window) {
    QList<QAccessibleInterface*> found;
    collectOwn(QAccessible::queryAccessibleInterface(&window), found);
    for (QWidget* child : window.findChildren<QWidget*>()) {
        QAccessibleInterface* node = QAccessible::queryAccessibleInterface(child);
        if (node && ownControl(child) && !found.contains(node))
            found << node;
    }
    return found;
}

} // namespace detail

// The controls without a name, then every name two controls share ("nome doppio"), every list
// read as its current item ("lista chiamata con la voce") and every label shown empty
// ("etichetta vuota").
inline QStringList accessibilityProblems(QWidget& window) {
    QStringList problems = unnamedControls(window);
    QMap<QString, QStringList> byName;
    for (QAccessibleInterface* node : detail::ownNodes(window)) {
        const QString name = node->text(QAccessible::Name).trimmed();
        const QString objectName = node->object()->objectName();
        if ((needsName(node->role()) || isPicture(node->object())) && !name.isEmpty())
            byName[name] << objectName;
        if (node->role() == QAccessible::ComboBox && !name.isEmpty() &&
            name == node->text(QAccessible::Value).trimmed())
            problems
                << QStringLiteral("lista chiamata con la voce: %1 (\"%2\")").arg(objectName, name);
        const auto* widget = qobject_cast<const QWidget*>(node->object());
        if (node->role() == QAccessible::StaticText && name.isEmpty() && widget &&
            widget->isVisible())
            problems << QStringLiteral("etichetta vuota: %1").arg(objectName);
    }
    for (auto it = byName.cbegin(); it != byName.cend(); ++it) {
        if (it->size() > 1)
            problems << QStringLiteral("nome doppio \"%1\": %2").arg(it.key(), it->join(", "));
    }
    return problems;
}

} // namespace orvanta::testing
