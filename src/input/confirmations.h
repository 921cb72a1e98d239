#pragma once

// The confirmations an input window asks before an irreversible step: exclamation boxes titled
// "Avviso" with Yes and No. True when the user answered Yes.

#include "user_interaction.h"

#include <string>

namespace orvanta {

// "Elimina Tutto": everything entered in the window's phase is cleared.
bool confirmDeleteAll(Asker& asker);

// Moving on to the next input phase, which fixes what this one entered. The second line says
// what can no longer be changed, e.g. "modificare il numero di elementi griglia. Continuare?".
bool confirmNextPhase(Asker& asker, const std::string& whatBecomesFixed);

} // namespace orvanta
