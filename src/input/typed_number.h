#pragma once

// Numbers typed into the text boxes of the input windows: coordinates and spacings in mm,
// building extents in m, loads in kN/m², section sizes in mm.
//
// A box is read with the user's conventions first and, failing that, with a period as the
// decimal sign, so that a number written either way is taken. With the Italian conventions
// "1.500,5" and "1500,5" are 1500.5, "2,5" and "2.5" are 2.5; group signs are accepted only
// where they belong ("1.500" is 1500, "1.50" is 1.5). Blanks around the number are ignored.
// Text that is no number, infinities and magnitudes above 1e9 are refused: no length of a
// building in millimetres comes near 1e9, and such a value would only reach the drawings and the
// engine as an overflow.

#include "display_locale.h"
#include "user_interaction.h"

#include <QLocale>
#include <QString>
#include <optional>

class QLineEdit;

namespace orvanta {

inline constexpr double largestTypedMagnitude = 1e9;

// The number the text holds, or nothing. Minus zero is read as zero.
std::optional<double> typedNumber(const QString& text, const QLocale& locale = displayLocale());

// The refusal of a box whose text is not a number, naming the box as the user reads it
// (its accessible name, e.g. "Interasse per Griglia X"): title "Valore non valido",
// exclamation icon.
Message notANumberMessage(const QString& boxName);

// The number typed in the box, or nothing after telling the user, through the asker, that the
// box named by its accessible name holds no number. The box's text is left as it is.
std::optional<double> readNumberBox(const QLineEdit& box, Asker& asker);

} // namespace orvanta
