#pragma once

// Metrics of the sixteen standard fonts the PDF writer can declare with explicit widths:
// Courier New, Times New Roman, Arial and Symbol, each regular, bold, italic and bold italic.
//
// Widths are in thousandths of the font size: the letter "A" of Times New Roman, 722 wide,
// measures 722 × 12 / 1000 = 8.664 points at 12 points. The descriptor values are those the
// font dictionaries carry (FontBBox, ascent and descent in the same thousandths).

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace orvanta {

// Style codes of the writer's font calls.
namespace font_style {
inline constexpr int regular = 1;
inline constexpr int bold = 2;
inline constexpr int italic = 3;
inline constexpr int boldItalic = 4;
} // namespace font_style

struct FontMetrics {
    std::string_view baseFont; // "TimesNewRoman,Bold"
    std::string_view subtype;  // "TrueType"
    int flags = 0;
    std::string_view fontBBox; // "[-250 -216 1201 1000]"
    int missingWidth = 0;
    int stemV = 0;
    int stemH = 0;
    int italicAngle = 0;
    int capHeight = 0;
    int xHeight = 0;
    int ascent = 0;
    int descent = 0;
    int leading = 0;
    int maxWidth = 0;
    int avgWidth = 0;
    int firstChar = 32; // code of widths[0]: 32, or 30 for Symbol
    int lastChar = 255;
    std::span<const std::int16_t> widths; // codes firstChar..lastChar

    // Width of one byte of text; MissingWidth for a code outside the table.
    int width(unsigned char code) const;
};

// The sixteen records: Courier New, Times New Roman, Arial, Symbol, each in the order regular,
// bold, italic, bold italic.
const std::array<FontMetrics, 16>& standardFontMetrics();

// The record of a font family and style. The family is recognised from its name upper-cased
// without blanks ("Times New Roman" → "TIMESNEWROMAN"; also "COURIERNEW", "ARIAL", "SYMBOL");
// styles outside 1..4 count as regular. Null for an unknown family.
const FontMetrics* findFontMetrics(std::string_view fontName, int style);

} // namespace orvanta
