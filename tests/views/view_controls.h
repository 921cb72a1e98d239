#pragma once

// Driving a window by the names of its controls, as a user does with the keyboard and mouse.

#include <QAbstractItemModel>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QtTest>

namespace orvanta::testing {

// The window's control of that name; the test stops when there is none.
template <class Control> Control* control(QWidget& window, const char* name) {
    auto* found = window.findChild<Control*>(QLatin1String(name));
    if (!found)
        qFatal("no control %s", name);
    return found;
}

// Types the text into the box over what it held, then presses Enter.
inline void type(QWidget& window, const char* box, const QString& text) {
    auto* edit = control<QLineEdit>(window, box);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text);
    QTest::keyClick(edit, Qt::Key_Return);
}

inline void press(QWidget& window, const char* button) {
    control<QPushButton>(window, button)->click();
}

// The text shown in a cell of a grid.
inline QString cell(QWidget& window, const char* grid, int row, int column) {
    const QAbstractItemModel* model = control<QTableView>(window, grid)->model();
    return model->index(row, column).data().toString();
}

// The texts of a combo box's list.
inline QStringList items(QWidget& window, const char* combo) {
    auto* box = control<QComboBox>(window, combo);
    QStringList texts;
    for (int i = 0; i < box->count(); ++i)
        texts << box->itemText(i);
    return texts;
}

} // namespace orvanta::testing
