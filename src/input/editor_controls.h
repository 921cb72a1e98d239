#pragma once

// Controls of the input windows, created with their objectName (the control's name in the
// program, "txtPiano") so tests and automation find them, and owned by their parent.

#include <QString>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace orvanta {

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text);
// An input box; a read-only one shows a value the window derives (a node the selection implies).
QLineEdit* makeBox(QWidget* parent, const char* name, bool readOnly = false);
QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption);
QGroupBox* makeFrame(QWidget* parent, const char* name, const QString& caption);

} // namespace orvanta
