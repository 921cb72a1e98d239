#pragma once

// The storey controls of the input windows: the storey shown by the plan ("PIANO", txtPiano with
// hsbPiano, range messages "Piano Inesistente") and the lists of storeys to place elements in
// (cmbElevazionePil, cmbElevazioneTra, …), both counting storeys 1..nStoreys.

#include "number_selector.h"

class QComboBox;
class QLabel;

namespace orvanta {

// A selector txtPiano + hsbPiano over storeys 1..nStoreys, showing storey 1, named after its
// label ("PIANO"). The parent owns it.
NumberSelector* makeStoreySelector(QLabel& label, Asker& asker, int nStoreys,
                                   QWidget* parent = nullptr);

// Fills a list with the storeys 1..n ("1", "2", …) and selects the first.
void fillStoreyList(QComboBox& list, int n);

// The storey chosen in such a list: 1 for the first item (also when nothing is chosen).
int chosenStorey(const QComboBox& list);

} // namespace orvanta
