#pragma once

// Values in the boxes of the input windows beyond reading a number (typed_number.h): a number
// that cannot be taken is refused with a message naming the box the way notANumberMessage does,
// and a stored value is shown the way the user types it.

#include "user_interaction.h"

#include <QString>
#include <string>

class QLineEdit;
class QWidget;

namespace orvanta {

// A box showing a number the window derives (the other corners of a bay, the far end of a
// beam): read-only and left out of the Tab order.
QLineEdit* makeReadOnlyBox(const char* name, QWidget* parent);

// "Il valore di "Carico Accidentale [kN/mq]" non può essere negativo" /
// "Correggere il valore prima di procedere": title "Valore non valido", exclamation icon. The
// box is named as the user reads it (its accessible name); `reason` completes the first line.
Message valueRefusalMessage(const QString& boxName, const std::string& reason);

// A record the window would write that cannot be right, with the reason the check gives
// ("altezza non positiva (0 mm)"): the first line says what is refused.
Message recordRefusalMessage(const std::string& refused, const std::string& reason);

// The text a box shows for a stored value: the user's decimal sign, no digit groups, up to 15
// significant digits ("312,5", "1500").
QString boxText(double value);

} // namespace orvanta
