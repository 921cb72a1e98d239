#pragma once

// The concrete classes of the code in a combo box: "C25/30" … "C45/55", each item carrying its
// Rck in N/mm² as data. A class outside the list (a project written with another Rck) is added
// at the end under its own name, so that opening a project never changes its concrete.

#include <QComboBox>

namespace orvanta {

// Fills the box and selects the class of cube strength rck.
void fillConcreteClasses(QComboBox& box, double rck);

// The Rck of the selected class, N/mm².
double selectedConcreteClass(const QComboBox& box);

} // namespace orvanta
