#pragma once

// The word-wrapped labels of the start-up, splash and about screens.

#include <QLabel>

namespace orvanta {

// A label named `name`, its font `pointSizeChange` points larger (smaller when negative) than
// the window's and bold when asked.
inline QLabel* makeScreenLabel(QWidget* parent, const char* name, const QString& text,
                               int pointSizeChange = 0, bool bold = false) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setWordWrap(true);
    QFont font = label->font();
    font.setPointSizeF(font.pointSizeF() + pointSizeChange);
    font.setBold(bold);
    label->setFont(font);
    return label;
}

} // namespace orvanta
