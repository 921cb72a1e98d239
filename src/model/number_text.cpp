#include "number_text.h"

#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace orvanta::number_text {

namespace {

// significantDigits: 15 for doubles, 7 for singles. Integral values below 10^digits are written
// as plain integers, which is what %G gives for them, only faster.
char* write(char* out, double value, int significantDigits, double integralLimit) {
    if (value == 0) // also turns −0 into "0"
        return out + (*out = '0', 1);
    if (std::fabs(value) < integralLimit && value == std::trunc(value))
        return std::to_chars(out, out + maxLength, static_cast<std::int64_t>(value)).ptr;

    char* end =
        std::to_chars(out, out + maxLength, value, std::chars_format::general, significantDigits)
            .ptr;
    for (char* p = out; p != end; ++p) {
        if (*p == 'e')
            *p = 'E';
    }
    // Drop the zero before the point: "0.5" → ".5", "-0.25" → "-.25".
    char* zero = (*out == '-') ? out + 1 : out;
    if (zero[0] == '0' && zero + 1 != end && zero[1] == '.') {
        std::memmove(zero, zero + 1, static_cast<std::size_t>(end - zero - 1));
        --end;
    }
    return end;
}

} // namespace

char* writeDouble(char* out, double value) {
    // The largest double whose 15-digit text reads back as a double.
    constexpr double largestWritable = 1.79769313486231e308;
    if (std::fabs(value) > largestWritable)
        value = std::copysign(largestWritable, value);
    return write(out, value, 15, 1e15);
}

char* writeSingle(char* out, float value) {
    return write(out, value, 7, 1e7);
}

std::string formatDouble(double value) {
    std::array<char, maxLength> buffer{};
    return {buffer.data(), writeDouble(buffer.data(), value)};
}

std::string formatSingle(float value) {
    std::array<char, maxLength> buffer{};
    return {buffer.data(), writeSingle(buffer.data(), value)};
}

std::optional<double> parse(std::string_view text, bool* outOfRange) {
    if (outOfRange)
        *outOfRange = false;
    if (text.empty())
        return std::nullopt;
    bool negative = false;
    if (text.front() == '+' || text.front() == '-') {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    // from_chars takes no sign of its own here, and no "inf" or "nan": a number starts with a
    // digit or the point.
    if (text.empty() ||
        !(std::isdigit(static_cast<unsigned char>(text.front())) || text.front() == '.'))
        return std::nullopt;

    // Whole numbers, most of the fields of a project file ("0", "1", "300"), need no more than
    // their digits; up to 15 of them the value is exact, as from_chars would give it.
    if (text.size() <= 15) {
        std::int64_t whole = 0;
        bool digits = true;
        for (const char c : text) {
            if (c < '0' || c > '9') {
                digits = false;
                break;
            }
            whole = whole * 10 + (c - '0');
        }
        if (digits) {
            const auto value = static_cast<double>(whole);
            return negative ? -value : value;
        }
    }

    // Fortran-style exponents ("1D+03") are still a decimal notation.
    std::array<char, 64> copy{};
    const std::size_t dPosition = text.find_first_of("dD");
    if (dPosition != std::string_view::npos) {
        if (text.size() > copy.size())
            return std::nullopt;
        std::memcpy(copy.data(), text.data(), text.size());
        copy[dPosition] = 'E';
        text = std::string_view(copy.data(), text.size());
    }

    double value = 0;
    const auto [end, error] =
        std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::general);
    if (end != text.data() + text.size())
        return std::nullopt;
    if (error == std::errc::result_out_of_range && outOfRange)
        *outOfRange = true;
    if (error != std::errc{} || !std::isfinite(value))
        return std::nullopt;
    return negative ? -value : value;
}

} // namespace orvanta::number_text
