#include "font_metrics.h"

#include "standard_font_widths.h"

#include <cctype>
#include <string>

namespace orvanta {

namespace {

// Courier New is monospaced: every character is 600 wide.
constexpr std::array<std::int16_t, font_widths::textFontCount> courierWidths = [] {
    std::array<std::int16_t, font_widths::textFontCount> widths{};
    widths.fill(600);
    return widths;
}();

// The descriptor values of one record; the family-wide ones follow below.
struct Variant {
    std::string_view baseFont;
    int flags;
    int italicAngle;
    int stem;
    int missingWidth;
    int maxWidth;
    int avgWidth;
    std::string_view fontBBox;
    std::span<const std::int16_t> widths;
};

struct Family {
    int capHeight;
    int xHeight;
    int ascent;
    int descent;
    int leading;
    int firstChar;
};

constexpr Family courier{833, 417, 833, -300, 133, 32};
constexpr Family times{891, 446, 891, -216, 149, 32};
constexpr Family arial{905, 453, 905, -212, 150, 32};
constexpr Family symbol{1005, 503, 1005, -220, 225, 30};

FontMetrics record(const Variant& v, const Family& f) {
    FontMetrics m;
    m.baseFont = v.baseFont;
    m.subtype = "TrueType";
    m.flags = v.flags;
    m.fontBBox = v.fontBBox;
    m.missingWidth = v.missingWidth;
    m.stemV = v.stem;
    m.stemH = v.stem;
    m.italicAngle = v.italicAngle;
    m.capHeight = f.capHeight;
    m.xHeight = f.xHeight;
    m.ascent = f.ascent;
    m.descent = f.descent;
    m.leading = f.leading;
    m.maxWidth = v.maxWidth;
    m.avgWidth = v.avgWidth;
    m.firstChar = f.firstChar;
    m.lastChar = 255;
    m.widths = v.widths;
    return m;
}

std::array<FontMetrics, 16> buildTable() {
    using namespace font_widths;
    constexpr std::string_view courierBox = "[-250 -300 720 1000]";
    constexpr std::string_view timesBox = "[-250 -216 1200 1000]";
    constexpr std::string_view symbolBox = "[-250 -220 1246 1005]";
    return {
        record({"CourierNew", 34, 0, 109, 600, 600, 600, courierBox, courierWidths}, courier),
        record({"CourierNew,Bold", 16418, 0, 191, 600, 600, 600, courierBox, courierWidths},
               courier),
        record({"CourierNew,Italic", 98, -11, 109, 600, 600, 600, courierBox, courierWidths},
               courier),
        record({"CourierNew,BoldItalic", 16482, -11, 191, 600, 600, 600, courierBox, courierWidths},
               courier),
        record({"TimesNewRoman", 34, 0, 73, 333, 1000, 401, timesBox, timesRegular}, times),
        record({"TimesNewRoman,Bold", 16418, 0, 136, 333, 1001, 401, "[-250 -216 1201 1000]",
                timesBold},
               times),
        record({"TimesNewRoman,Italic", 98, -11, 73, 389, 1000, 402, timesBox, timesItalic}, times),
        record({"TimesNewRoman,BoldItalic", 16482, -11, 131, 333, 1000, 412, timesBox,
                timesBoldItalic},
               times),
        record({"Arial", 32, 0, 80, 272, 992, 441, "[-250 -221 1190 1000]", arialRegular}, arial),
        record({"Arial,Bold", 16416, 0, 153, 311, 933, 479, "[-250 -212 1120 1000]", arialBold},
               arial),
        record({"Arial,Italic", 96, -11, 80, 259, 945, 441, "[-250 -212 1134 1000]", arialItalic},
               arial),
        record({"Arial,BoldItalic", 16480, -11, 153, 311, 933, 479, "[-250 -212 1120 1000]",
                arialBoldItalic},
               arial),
        record({"Symbol", 6, 0, 109, 332, 1038, 601, symbolBox, font_widths::symbol}, symbol),
        record({"Symbol,Bold", 16390, 0, 191, 332, 1038, 600, symbolBox, font_widths::symbol},
               symbol),
        record({"Symbol,Italic", 70, -11, 109, 332, 1038, 600, symbolBox, font_widths::symbol},
               symbol),
        record(
            {"Symbol,BoldItalic", 16454, -11, 191, 332, 1038, 600, symbolBox, font_widths::symbol},
            symbol),
    };
}

} // namespace

int FontMetrics::width(unsigned char code) const {
    const int index = code - firstChar;
    if (index < 0 || index >= static_cast<int>(widths.size()))
        return missingWidth;
    return widths[static_cast<std::size_t>(index)];
}

const std::array<FontMetrics, 16>& standardFontMetrics() {
    static const std::array<FontMetrics, 16> table = buildTable();
    return table;
}

const FontMetrics* findFontMetrics(std::string_view fontName, int style) {
    std::string key;
    for (const char c : fontName) {
        if (c != ' ')
            key.push_back(static_cast<char>(std::toupper(static_cast<unsigned char>(c))));
    }
    std::size_t family = 0;
    if (key == "COURIERNEW")
        family = 0;
    else if (key == "TIMESNEWROMAN")
        family = 4;
    else if (key == "ARIAL")
        family = 8;
    else if (key == "SYMBOL")
        family = 12;
    else
        return nullptr;
    const std::size_t variant = style >= 2 && style <= 4 ? static_cast<std::size_t>(style - 1) : 0;
    return &standardFontMetrics()[family + variant];
}

} // namespace orvanta
