#pragma once

// Numbers as the user reads them: digit grouping and decimal sign of the user's conventions,
// Italian by default ("1.234.567", "0,75"). The windows take the conventions from the user's
// locale; the report and the batch tool, which know no locale, are given them.
//
// Worked numbers with the Italian conventions: formatNumber(1234567.4, 0) = "1.234.567",
// formatNumber(-0.4, 0) = "0" (no negative zero), formatNumber(0.745, 2) = "0,75" (rounded half
// away from zero on the decimal value), formatNumber(-12345.678, 1) = "-12.345,7".

#include <string>

namespace orvanta {

struct NumberFormat {
    std::string grouping = "."; // between groups of three digits; empty for none
    std::string decimalSign = ",";
    std::string minusSign = "-";
    bool operator==(const NumberFormat&) const = default;
};

// The value rounded to `decimals` places (0..15) and written with the conventions. A value that
// is not finite is written "--", as a missing value is.
std::string formatNumber(double value, int decimals, const NumberFormat& format = {});

// The value in scientific notation with `decimals` (0..15) digits after the mantissa's decimal
// sign and a signed exponent of at least two digits, as the pattern "0.0E+00" writes it:
// formatScientific(12345.6, 1) = "1,2E+04", formatScientific(0.000987, 1) = "9,9E-04",
// formatScientific(0, 1) = "0,0E+00". A value that is not finite is written "--".
std::string formatScientific(double value, int decimals, const NumberFormat& format = {});

} // namespace orvanta
