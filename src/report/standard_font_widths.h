#pragma once

// Character widths of the standard fonts, in thousandths of the font size, generated from the
// published metrics of the PDF base fonts by tools/afm_widths.cpp (see there for the layout:
// text fonts from code 32 in the Windows ANSI encoding, Symbol from code 30 in its own).

#include <array>
#include <cstdint>

namespace orvanta::font_widths {

inline constexpr std::size_t textFontCount = 224; // codes 32..255
inline constexpr std::size_t symbolCount = 226;   // codes 30..255

extern const std::array<std::int16_t, textFontCount> timesRegular;
extern const std::array<std::int16_t, textFontCount> timesBold;
extern const std::array<std::int16_t, textFontCount> timesItalic;
extern const std::array<std::int16_t, textFontCount> timesBoldItalic;
extern const std::array<std::int16_t, textFontCount> arialRegular;
extern const std::array<std::int16_t, textFontCount> arialBold;
extern const std::array<std::int16_t, textFontCount> arialItalic;
extern const std::array<std::int16_t, textFontCount> arialBoldItalic;
extern const std::array<std::int16_t, symbolCount> symbol;

} // namespace orvanta::font_widths
