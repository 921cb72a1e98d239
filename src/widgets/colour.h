#pragma once

// Colours of the drawings.
//
// The windows give their colours the Basic way, as one number 0xBBGGRR with red in the lowest
// byte: 255 (0x0000FF) is red, 0xFFFF00 is cyan, 0xFFFFFF white and 0 black. Colour::fromBgr
// reads such a number; Colour::rgb takes the three components in the usual order.

#include <cstdint>

namespace orvanta {

struct Colour {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    static constexpr Colour rgb(int r, int g, int b) {
        return {static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(g),
                static_cast<std::uint8_t>(b)};
    }
    // 0xBBGGRR, e.g. fromBgr(0xFFFF00) = rgb(0, 255, 255), cyan.
    static constexpr Colour fromBgr(std::uint32_t value) {
        return rgb(static_cast<int>(value & 0xFFu), static_cast<int>((value >> 8) & 0xFFu),
                   static_cast<int>((value >> 16) & 0xFFu));
    }

    bool operator==(const Colour&) const = default;
};

namespace colours {
inline constexpr Colour black = Colour::rgb(0, 0, 0);
inline constexpr Colour white = Colour::rgb(255, 255, 255);
inline constexpr Colour red = Colour::rgb(255, 0, 0);
inline constexpr Colour green = Colour::rgb(0, 255, 0);
inline constexpr Colour cyan = Colour::rgb(0, 255, 255);
} // namespace colours

} // namespace orvanta
