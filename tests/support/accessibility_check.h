#pragma once

// Walks the accessible tree of a window, as a screen reader does, and lists the controls a user
// could not find by name: every text box, list, scroll bar, button, check box, option button,
// table and picture must have an accessible name.

#include <QAccessible>
#include <QAccessibleInterface>
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

} // namespace orvanta::testing
