#pragma once

// Numbers typed into the boxes of the input windows, read with the user's conventions (the
// decimal comma in Italian: "2,5"; digit groups only where they belong: "1.500" is 1500, "2.5"
// is not a number). A box that does not hold a number is refused with a message naming it, and
// its text is left as typed so the user can correct it.

#include "user_interaction.h"

#include <QString>
#include <optional>

class QLineEdit;

namespace orvanta {

// The number the text holds, or nothing (an empty text, letters, a number out of the doubles'
// range).
std::optional<double> typedNumber(const QString& text);

// The number of the box; when it holds none, a critical message naming the box (by its
// caption, e.g. "Carico Permanente [kN/mq]") and nothing.
std::optional<double> readTypedNumber(const QLineEdit& box, const QString& caption, Asker& asker);

// A value the user typed that cannot be taken: a critical message naming the box and saying why
// ("non può essere negativo").
void refuseTypedValue(const QString& caption, const QString& reason, Asker& asker);

// The text a box shows for a stored value: the user's decimal sign, no digit groups, up to 15
// significant digits ("312,5", "1500").
QString boxText(double value);

} // namespace orvanta
