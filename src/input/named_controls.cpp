#include "named_controls.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace orvanta {

namespace {

template <class Control> Control* named(Control* control, const char* name) {
    control->setObjectName(QString::fromLatin1(name));
    return control;
}

} // namespace

QPushButton* makeButton(const char* name, const QString& caption, QWidget* parent) {
    return named(new QPushButton(caption, parent), name);
}

QLabel* makeLabel(const char* name, const QString& text, QWidget* parent) {
    return named(new QLabel(text, parent), name);
}

QLineEdit* makeNumberBox(const char* name, const QString& text, QWidget* parent) {
    auto* box = named(new QLineEdit(text, parent), name);
    box->setAlignment(Qt::AlignRight);
    box->setMaximumWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("00000000")) + 12);
    return box;
}

QGroupBox* makeFrame(const char* name, const QString& caption, QWidget* parent) {
    return named(new QGroupBox(caption, parent), name);
}

QRadioButton* makeOption(const char* name, const QString& caption, QWidget* parent) {
    return named(new QRadioButton(caption, parent), name);
}

} // namespace orvanta
