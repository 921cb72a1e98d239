#pragma once

// The controls of the input windows, created with their objectName (the name tests and
// accessibility tools find them by) and their caption. The parent owns each control.

#include <QString>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

namespace orvanta {

QPushButton* makeButton(const char* name, const QString& caption, QWidget* parent);
QLabel* makeLabel(const char* name, const QString& text, QWidget* parent);
// A text box for a number, aligned right, holding `text` ("0" for a spacing).
QLineEdit* makeNumberBox(const char* name, const QString& text, QWidget* parent);
QGroupBox* makeFrame(const char* name, const QString& caption, QWidget* parent);
QRadioButton* makeOption(const char* name, const QString& caption, QWidget* parent);

} // namespace orvanta
