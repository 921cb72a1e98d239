#pragma once

// Lists (combo boxes) named by their label for assistive technology.
//
// On Linux Qt names a list by its current item and leaves the label to the "labelled by"
// relation, so a screen reader or a GUI robot reading names finds "Numero di Elevazioni" as "3",
// and both "Sezione:" lists of the sections window as "Rettangolare". Once this is installed, a
// list that was given an accessible name (accessible_names.h) is named by it, with its current
// item as its value; a list without a name still reads as its current item. The popup list stays
// the list's child and "Press" or "ShowMenu" opens it, as for any list.

class QComboBox;

namespace orvanta {

// Makes the list read by its accessible name: installs the lists' interface for the whole
// program (once), and replaces the one Qt may have made for this list already (assistive
// technology that is running asks for it as soon as the list gets its items). nameControl and
// nameAfterLabel call it for every list they name.
void readListByItsName(QComboBox& list);

} // namespace orvanta
