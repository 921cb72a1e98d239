#include "ascii85.h"

#include <array>

namespace orvanta::pdf {

namespace {

// The five base-85 characters of a 32-bit group, most significant first.
std::array<char, 5> encodeGroup(std::uint32_t group) {
    std::array<char, 5> digits{};
    for (int k = 4; k >= 0; --k) {
        digits[static_cast<std::size_t>(k)] = static_cast<char>('!' + group % 85);
        group /= 85;
    }
    return digits;
}

} // namespace

std::string ascii85(std::span<const std::uint8_t> bytes) {
    std::string text;
    text.reserve(bytes.size() / 4 * 5 + 8);
    std::size_t i = 0;
    for (; i + 4 <= bytes.size(); i += 4) {
        const std::uint32_t group = (std::uint32_t{bytes[i]} << 24) |
                                    (std::uint32_t{bytes[i + 1]} << 16) |
                                    (std::uint32_t{bytes[i + 2]} << 8) | bytes[i + 3];
        if (group == 0) {
            text.push_back('z');
        } else {
            const auto digits = encodeGroup(group);
            text.append(digits.begin(), digits.end());
        }
    }
    const std::size_t rest = bytes.size() - i;
    if (rest > 0) {
        std::uint32_t group = 0;
        for (std::size_t k = 0; k < 4; ++k)
            group = (group << 8) | (k < rest ? bytes[i + k] : 0u);
        const auto digits = encodeGroup(group);
        text.append(digits.begin(), digits.begin() + static_cast<std::ptrdiff_t>(rest + 1));
    }
    text += "~>";
    return text;
}

} // namespace orvanta::pdf
