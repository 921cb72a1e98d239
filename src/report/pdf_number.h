#pragma once

// Numbers as the PDF file writes them.
//
// Every number is rounded to a number of decimals chosen by the operator that writes it
// (coordinates 2, colour components 3), written with a period whatever the locale, without
// trailing zeros or a trailing point: 28.346456 with 2 decimals → "28.35", 595.2 → "595.2",
// 842.0 → "842", −0.001 with 2 decimals → "0".

#include <string>

namespace orvanta::pdf {

// Decimals used for each kind of number.
inline constexpr int coordinateDecimals = 2; // points: 1/7200 inch is far below any printer
inline constexpr int spacingDecimals = 2;
inline constexpr int colourDecimals = 3;
inline constexpr int matrixDecimals = 4; // cosines and sines of rotated text

// The text of value rounded to the given decimals. A value that is not finite (a NaN or an
// infinity from a failed computation) is written as 0, which keeps the document readable.
std::string number(double value, int decimals);

} // namespace orvanta::pdf
