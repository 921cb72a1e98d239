#include "number_format.h"

#include <cmath>
#include <cstdio>

namespace orvanta {

std::string formatNumber(double value, int decimals, const NumberFormat& format) {
    if (!std::isfinite(value))
        return "--";
    decimals = decimals < 0 ? 0 : decimals > 15 ? 15 : decimals;
    // The digits of |value| rounded, from printf (correctly rounded from the binary value, with
    // the scale applied first so that 0.745 → 0,75 as a reader expects).
    const double scale = std::pow(10.0, decimals);
    const double rounded = std::round(std::fabs(value) * scale) / scale;
    char digits[400];
    std::snprintf(digits, sizeof digits, "%.*f", decimals, rounded);
    std::string text(digits);
    const std::size_t point = text.find('.');
    const std::string whole = text.substr(0, point);
    const std::string fraction = point == std::string::npos ? "" : text.substr(point + 1);

    std::string grouped;
    for (std::size_t i = 0; i < whole.size(); ++i) {
        if (i > 0 && (whole.size() - i) % 3 == 0)
            grouped += format.grouping;
        grouped += whole[i];
    }
    const bool zero = rounded == 0;
    std::string result = (value < 0 && !zero) ? format.minusSign : "";
    result += grouped;
    if (!fraction.empty())
        result += format.decimalSign + fraction;
    return result;
}

std::string formatScientific(double value, int decimals, const NumberFormat& format) {
    if (!std::isfinite(value))
        return "--";
    decimals = decimals < 0 ? 0 : decimals > 15 ? 15 : decimals;
    char digits[64];
    // printf rounds the mantissa and carries into the exponent (9.96 → "1.0E+01") and writes at
    // least two exponent digits.
    std::snprintf(digits, sizeof digits, "%.*E", decimals, std::fabs(value));
    std::string text(digits);
    if (const std::size_t point = text.find('.'); point != std::string::npos)
        text.replace(point, 1, format.decimalSign);
    const bool zero = std::fabs(value) == 0;
    return (value < 0 && !zero ? format.minusSign : "") + text;
}

} // namespace orvanta
