#pragma once

// The number text of the project file.
//
// Numbers are written the way the original files write them: a period as decimal separator, no
// leading zero before the point (0.5 → ".5", −0.25 → "-.25"), integral values without a point
// ("3"), at most 7 significant digits for single-precision fields and 15 for double-precision
// ones with trailing zeros dropped, and the exponent form with "E", a sign and at least two
// digits for very large or small magnitudes (1.5E-05, 1E+16). This is C's %.7G / %.15G with the
// leading zero removed.

#include <optional>
#include <string>
#include <string_view>

namespace orvanta::number_text {

// Longest text either writer produces, with room to spare.
inline constexpr int maxLength = 32;
// Longest text the writers actually produce: "-2.22507385850720E-308" less its trailing zero, a
// sign, 15 digits, the point and a three-digit exponent.
inline constexpr int longestText = 22;

// Write the text at out and return the end; out must have maxLength bytes.
char* writeDouble(char* out, double value);
char* writeSingle(char* out, float value);

std::string formatDouble(double value);
std::string formatSingle(float value);

// Reads a number in any decimal notation ("0.5", ".5", "+3", "-.25", "1.5E-05", "1e5", "1D+03"),
// without surrounding blanks. Returns nothing for text that is not a finite number; outOfRange,
// when given, then tells whether the text was a number beyond the doubles' range ("1E+400", or
// "1E-400", which would underflow to 0) rather than no number at all.
std::optional<double> parse(std::string_view text, bool* outOfRange = nullptr);

} // namespace orvanta::number_text
