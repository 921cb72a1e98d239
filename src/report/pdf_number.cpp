#include "pdf_number.h"

#include <array>
#include <charconv>
#include <cmath>

namespace orvanta::pdf {

std::string number(double value, int decimals) {
    if (!std::isfinite(value))
        return "0";
    std::array<char, 400> buffer{}; // room for the largest double in fixed notation
    const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                            std::chars_format::fixed, decimals);
    if (error != std::errc())
        return "0";
    std::string text(buffer.data(), end);
    if (text.find('.') != std::string::npos) {
        text.erase(text.find_last_not_of('0') + 1);
        if (text.back() == '.')
            text.pop_back();
    }
    if (text == "-0")
        return "0";
    return text;
}

} // namespace orvanta::pdf
