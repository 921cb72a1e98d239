#pragma once

// Driving a window as a user does, by the objectNames of its controls: finding a control,
// typing into a box, and reading the captions of labels, buttons and frames.

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <utility>
#include <vector>

namespace orvanta::testing {

// The named control of the window; a test that names a control the window lacks stops here.
template <class Control = QWidget> Control* control(const QWidget& window, const char* name) {
    auto* found = window.findChild<Control*>(QString::fromLatin1(name));
    if (!found)
        qFatal("no control %s in %s", name, qPrintable(window.objectName()));
    return found;
}

// Replaces the box's text by typing, key by key; Enter afterwards ends the typing.
inline void typeInto(QLineEdit& box, const QString& text, bool pressEnter = false) {
    box.selectAll();
    QTest::keyClicks(&box, text);
    if (pressEnter)
        QTest::keyClick(&box, Qt::Key_Return);
}

// The caption a user reads on a label, a button or a frame.
inline QString captionOf(const QWidget& widget) {
    if (const auto* label = qobject_cast<const QLabel*>(&widget))
        return label->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(&widget))
        return button->text();
    if (const auto* frame = qobject_cast<const QGroupBox*>(&widget))
        return frame->title();
    return widget.windowTitle();
}

using Captions = std::vector<std::pair<const char*, const char*>>;

// The controls whose caption is not the one expected, "name: caption" each; empty when all are.
inline QStringList wrongCaptions(const QWidget& window, const Captions& expected) {
    QStringList wrong;
    for (const auto& [name, caption] : expected) {
        const QString shown = captionOf(*control(window, name));
        if (shown != QString::fromUtf8(caption))
            wrong << QStringLiteral("%1: \"%2\"").arg(QString::fromLatin1(name), shown);
    }
    return wrong;
}

} // namespace orvanta::testing
