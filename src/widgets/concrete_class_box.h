#pragma once

// The concrete class of the project in a list box: every window that shows it (sections,
// torsional regularity, report) shows the one value stored with the project
// (settingKey::concreteClass, Rck in N/mm²), and a choice in any of them is an edit of the
// document, undoable like any other, which the other windows then follow.

#include "child_host.h"

class QComboBox;

namespace orvanta {

// The classes offered, Rck in N/mm²: "25" … "50".
QStringList concreteClassItems();

// Fills the box with the classes, shows the project's, and turns every choice into an edit of
// the document named "Classe Calcestruzzo".
void bindConcreteClass(QComboBox& box, ChildHost& host);

// Shows the project's class again (after an undo, or a choice in another window) without
// making an edit.
void showConcreteClass(QComboBox& box, const Model& model);

} // namespace orvanta
