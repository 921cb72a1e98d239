#pragma once

// A start of the program that checks an installation without anyone at the screen: it opens a
// project as the command line does, runs "Calcola Matrici" from the menu, prints what it found
// and ends. Every message is printed on standard error instead of shown, and answered Yes.
//
//   orvanta --verifica-avvio /usr/share/orvanta/examples/palazzina-4-piani.orv
//   → "Orvanta 0.1.0: progetto palazzina-4-piani aperto, matrice globale 12 x 12"

#include <QString>

namespace orvanta {

// Returns the process exit status: 0 when the project opened and was calculated without a
// message, 1 otherwise.
int checkInstallation(const QString& project);

} // namespace orvanta
