#pragma once

// The child windows the main window knows how to open, and how to describe one that this
// version does not have yet.

#include <QString>

namespace orvanta {

class MainWindow;

// Registers the factory of every child window built so far with the main window.
void registerChildWindows(MainWindow& window);

// What the user calls a child window, for the status bar: "Immissione della GRIGLIA" for
// frmGriglia; the name itself for a window that is not listed.
QString childWindowDescription(const QString& name);

} // namespace orvanta
