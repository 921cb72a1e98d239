// The sixteen standard font records: descriptor values, widths by code, lookup by name.

#include "font_metrics.h"

#include <gtest/gtest.h>
#include <vector>

namespace orvanta {
namespace {

std::vector<int> widthsFrom(const FontMetrics& font, int code, int count) {
    std::vector<int> widths;
    for (int c = code; c < code + count; ++c)
        widths.push_back(font.width(static_cast<unsigned char>(c)));
    return widths;
}

const FontMetrics& record(std::size_t number) {
    return standardFontMetrics()[number - 1];
}

TEST(FontMetrics, PublishedWidthsFromCode32InWindowsAnsiOrder) {
    // Code 39 is the straight quotesingle, not the AFM's own quoteright.
    EXPECT_EQ(widthsFrom(record(5), 32, 8), (std::vector{250, 333, 408, 500, 500, 833, 778, 180}));
    EXPECT_EQ(widthsFrom(record(6), 32, 8), (std::vector{250, 333, 555, 500, 500, 1000, 833, 278}));
    EXPECT_EQ(widthsFrom(record(9), 32, 8), (std::vector{278, 278, 355, 556, 556, 889, 667, 191}));
    EXPECT_EQ(widthsFrom(record(10), 32, 8), (std::vector{278, 333, 474, 556, 556, 889, 722, 238}));
    for (std::size_t n = 1; n <= 4; ++n)
        EXPECT_EQ(widthsFrom(record(n), 32, 224), std::vector<int>(224, 600)) << n;
}

TEST(FontMetrics, ItalianLettersAndWindowsOnlyCodesHaveTheirGlyphWidths) {
    const FontMetrics& times = record(5);
    EXPECT_EQ(times.width(0xE0), 444); // à, as a
    EXPECT_EQ(times.width(0xC8), 611); // È, as E
    EXPECT_EQ(times.width(0x80), 500); // €
    EXPECT_EQ(times.width(0x92), 333); // ’
    EXPECT_EQ(times.width(0x96), 500); // –
    // Undefined codes show the bullet under /WinAnsiEncoding and take its width.
    for (const unsigned char undefined : {127, 129, 141, 143, 144, 157})
        EXPECT_EQ(times.width(undefined), times.width(0x95)) << int{undefined};
}

TEST(FontMetrics, SymbolRowStartsWithTwo600sForCodes30And31) {
    for (std::size_t n = 13; n <= 16; ++n) {
        const FontMetrics& symbol = record(n);
        EXPECT_EQ(symbol.firstChar, 30);
        ASSERT_EQ(symbol.widths.size(), 226u);
        EXPECT_EQ(std::vector<int>(symbol.widths.begin(), symbol.widths.begin() + 8),
                  (std::vector{600, 600, 250, 333, 713, 500, 549, 833}));
        EXPECT_EQ(symbol.width(' '), 250);
        EXPECT_EQ(symbol.width('a'), 631); // alpha, by the font's own encoding
        EXPECT_EQ(symbol.width(240), 790); // apple
        EXPECT_EQ(symbol.width(127), 332); // no glyph: MissingWidth
    }
    for (std::size_t n = 5; n <= 12; ++n)
        EXPECT_EQ(record(n).widths.size(), 224u) << n;
}

TEST(FontMetrics, DescriptorValuesOfTheTables) {
    const FontMetrics& timesBold = record(6);
    EXPECT_EQ(timesBold.baseFont, "TimesNewRoman,Bold");
    EXPECT_EQ(timesBold.subtype, "TrueType");
    EXPECT_EQ(timesBold.flags, 16418);
    EXPECT_EQ(timesBold.fontBBox, "[-250 -216 1201 1000]");
    EXPECT_EQ(timesBold.stemV, 136);
    EXPECT_EQ(timesBold.stemH, 136);
    EXPECT_EQ(timesBold.maxWidth, 1001);
    EXPECT_EQ(timesBold.capHeight, 891);
    EXPECT_EQ(timesBold.descent, -216);

    const FontMetrics& arialItalic = record(11);
    EXPECT_EQ(arialItalic.baseFont, "Arial,Italic");
    EXPECT_EQ(arialItalic.fontBBox, "[-250 -212 1134 1000]");
    EXPECT_EQ(arialItalic.italicAngle, -11);
    EXPECT_EQ(arialItalic.missingWidth, 259);
    EXPECT_EQ(arialItalic.leading, 150);

    const FontMetrics& courierBoldItalic = record(4);
    EXPECT_EQ(courierBoldItalic.flags, 16482);
    EXPECT_EQ(courierBoldItalic.ascent, 833);
    EXPECT_EQ(courierBoldItalic.descent, -300);

    EXPECT_EQ(record(13).avgWidth, 601);
    EXPECT_EQ(record(16).flags, 16454);
    EXPECT_EQ(record(16).leading, 225);
}

TEST(FontMetrics, FamilyByNameUpperCasedWithoutBlanksAndStyle) {
    EXPECT_EQ(findFontMetrics("Times New Roman", font_style::regular)->baseFont, "TimesNewRoman");
    EXPECT_EQ(findFontMetrics("times new roman", font_style::italic)->baseFont,
              "TimesNewRoman,Italic");
    EXPECT_EQ(findFontMetrics("Courier New", font_style::boldItalic)->baseFont,
              "CourierNew,BoldItalic");
    EXPECT_EQ(findFontMetrics("ARIAL", font_style::bold)->baseFont, "Arial,Bold");
    EXPECT_EQ(findFontMetrics("Arial", 9)->baseFont, "Arial");
    EXPECT_EQ(findFontMetrics("Symbol", font_style::regular)->baseFont, "Symbol");
    EXPECT_EQ(findFontMetrics("Helvetica", font_style::regular), nullptr);
}

} // namespace
} // namespace orvanta
