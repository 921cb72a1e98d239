#pragma once

// The concrete class of the project in a list box: "C25/30" … "C45/55", each item carrying its
// Rck in N/mm² as data. Every window that shows it (sections, torsional regularity, report)
// shows the one value stored with the project (settingKey::concreteClass), and a choice in any of
// them is an edit of the document, undoable like any other, which the other windows then follow.
// A class outside the list (a project written with another Rck) is added at the end under its
// own name, so that opening a project never changes its concrete.

#include "child_host.h"

#include <QComboBox>
#include <QStringList>

namespace orvanta {

// The names of the classes offered: "C25/30" … "C45/55".
QStringList concreteClassItems();

// Fills the box and selects the class of cube strength rck.
void fillConcreteClasses(QComboBox& box, double rck);

// The Rck of the selected class, N/mm².
double selectedConcreteClass(const QComboBox& box);

// Fills the box with the classes, shows the project's, and turns every choice into an edit of
// the document named "Classe Calcestruzzo".
void bindConcreteClass(QComboBox& box, ChildHost& host);

// Shows the project's class again (after an undo, or a choice in another window) without
// making an edit.
void showConcreteClass(QComboBox& box, const Model& model);

} // namespace orvanta
