#include "accessible_names.h"

#include "list_accessibility.h"
#include "number_selector.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>

namespace orvanta {

QString readableCaption(const QString& caption) {
    QString text = caption;
    text.replace(QLatin1String("&&"), QLatin1String("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    text = text.simplified();
    if (text.endsWith(QLatin1Char(':')))
        text.chop(1);
    return text.trimmed();
}

void nameControl(QWidget& control, const QString& name) {
    if (auto* selector = qobject_cast<NumberSelector*>(&control)) {
        selector->setAccessibleName(name);
        selector->textBox()->setAccessibleName(name);
        selector->scrollBar()->setAccessibleName(name + QStringLiteral(" (scorrimento)"));
        return;
    }
    control.setAccessibleName(name);
    if (auto* list = qobject_cast<QComboBox*>(&control))
        readListByItsName(*list);
}

void nameAfterLabel(QLabel& label, QWidget& control) {
    auto* selector = qobject_cast<NumberSelector*>(&control);
    label.setBuddy(selector ? static_cast<QWidget*>(selector->textBox()) : &control);
    nameControl(control, readableCaption(label.text()));
}

} // namespace orvanta
