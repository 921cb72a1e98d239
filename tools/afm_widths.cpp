// Generates src/report/standard_font_widths.cpp from the AFM files of Debian's fonts-urw-base35,
// whose fonts are metric-compatible with the PDF base fonts:
//   Times-Roman family  ← NimbusRoman-Regular, -Bold, -Italic, -BoldItalic
//   Helvetica family    ← NimbusSans-Regular, -Bold, -Italic, -BoldItalic (used for Arial)
//   Symbol              ← StandardSymbolsPS
//
// Usage: orvanta_afm_widths /usr/share/fonts/type1/urw-base35 > src/report/standard_font_widths.cpp
//
// Text fonts are laid out by code through the glyph names of the Windows ANSI encoding (code 39
// is quotesingle, not the AFM's own quoteright), codes 32 to 255. The codes that Windows-1252
// leaves undefined (127, 129, 141, 143, 144, 157) take the width of the bullet, which is the
// glyph a PDF viewer shows for them under /WinAnsiEncoding.
//
// Symbol is laid out by its own built-in encoding, by code, with two leading widths of 600 for
// codes 30 and 31 (so its table runs from code 30: 226 values). URW moves the apple glyph to
// code 128; the standard Symbol encoding has it at 240, where it is put back. Codes without a
// glyph take the Symbol records' MissingWidth, 332.

#include <array>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

// Glyph names of the Windows ANSI encoding (as PDF defines it), codes 32 to 255; "" where the
// code is undefined.
const std::array<const char*, 224> winAnsiNames = {
    // 32..63
    "space", "exclam", "quotedbl", "numbersign", "dollar", "percent", "ampersand", "quotesingle",
    "parenleft", "parenright", "asterisk", "plus", "comma", "hyphen", "period", "slash", "zero",
    "one", "two", "three", "four", "five", "six", "seven", "eight", "nine", "colon", "semicolon",
    "less", "equal", "greater", "question",
    // 64..95
    "at", "A", "B", "C", "D", "E", "F", "G", "H", "I", "J", "K", "L", "M", "N", "O", "P", "Q", "R",
    "S", "T", "U", "V", "W", "X", "Y", "Z", "bracketleft", "backslash", "bracketright",
    "asciicircum", "underscore",
    // 96..127
    "grave", "a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "k", "l", "m", "n", "o", "p", "q",
    "r", "s", "t", "u", "v", "w", "x", "y", "z", "braceleft", "bar", "braceright", "asciitilde", "",
    // 128..159
    "Euro", "", "quotesinglbase", "florin", "quotedblbase", "ellipsis", "dagger", "daggerdbl",
    "circumflex", "perthousand", "Scaron", "guilsinglleft", "OE", "", "Zcaron", "", "", "quoteleft",
    "quoteright", "quotedblleft", "quotedblright", "bullet", "endash", "emdash", "tilde",
    "trademark", "scaron", "guilsinglright", "oe", "", "zcaron", "Ydieresis",
    // 160..191
    "space", "exclamdown", "cent", "sterling", "currency", "yen", "brokenbar", "section",
    "dieresis", "copyright", "ordfeminine", "guillemotleft", "logicalnot", "hyphen", "registered",
    "macron", "degree", "plusminus", "twosuperior", "threesuperior", "acute", "mu", "paragraph",
    "periodcentered", "cedilla", "onesuperior", "ordmasculine", "guillemotright", "onequarter",
    "onehalf", "threequarters", "questiondown",
    // 192..223
    "Agrave", "Aacute", "Acircumflex", "Atilde", "Adieresis", "Aring", "AE", "Ccedilla", "Egrave",
    "Eacute", "Ecircumflex", "Edieresis", "Igrave", "Iacute", "Icircumflex", "Idieresis", "Eth",
    "Ntilde", "Ograve", "Oacute", "Ocircumflex", "Otilde", "Odieresis", "multiply", "Oslash",
    "Ugrave", "Uacute", "Ucircumflex", "Udieresis", "Yacute", "Thorn", "germandbls",
    // 224..255
    "agrave", "aacute", "acircumflex", "atilde", "adieresis", "aring", "ae", "ccedilla", "egrave",
    "eacute", "ecircumflex", "edieresis", "igrave", "iacute", "icircumflex", "idieresis", "eth",
    "ntilde", "ograve", "oacute", "ocircumflex", "otilde", "odieresis", "divide", "oslash",
    "ugrave", "uacute", "ucircumflex", "udieresis", "yacute", "thorn", "ydieresis"};

constexpr int symbolMissingWidth = 332;
constexpr int symbolLeadingWidth = 600;

struct Glyph {
    int code = -1;
    int width = 0;
};

// Reads the "C code ; WX width ; N name ; ..." lines of an AFM file, by glyph name.
std::map<std::string, Glyph> readAfm(const std::string& path) {
    std::ifstream in(path);
    if (!in)
        throw std::runtime_error("cannot open " + path);
    std::map<std::string, Glyph> glyphs;
    std::string line;
    while (std::getline(in, line)) {
        if (line.rfind("C ", 0) != 0)
            continue;
        std::istringstream fields(line);
        std::string token;
        Glyph glyph;
        std::string name;
        while (fields >> token) {
            if (token == "C")
                fields >> glyph.code;
            else if (token == "WX")
                fields >> glyph.width;
            else if (token == "N")
                fields >> name;
        }
        if (name.empty())
            throw std::runtime_error("glyph without a name in " + path + ": " + line);
        glyphs[name] = glyph;
    }
    if (glyphs.empty())
        throw std::runtime_error("no character metrics in " + path);
    return glyphs;
}

std::vector<int> textFontWidths(const std::string& path) {
    const auto glyphs = readAfm(path);
    const auto width = [&](const std::string& name) {
        const auto it = glyphs.find(name);
        if (it == glyphs.end())
            throw std::runtime_error("glyph " + name + " missing from " + path);
        return it->second.width;
    };
    const int undefinedWidth = width("bullet");
    std::vector<int> widths;
    for (const char* name : winAnsiNames)
        widths.push_back(*name ? width(name) : undefinedWidth);
    return widths;
}

std::vector<int> symbolWidths(const std::string& path) {
    std::array<int, 256> byCode{};
    byCode.fill(symbolMissingWidth);
    for (const auto& [name, glyph] : readAfm(path)) {
        if (name == "apple")
            byCode[240] = glyph.width;
        else if (glyph.code >= 32 && glyph.code <= 255)
            byCode[static_cast<std::size_t>(glyph.code)] = glyph.width;
    }
    std::vector<int> widths = {symbolLeadingWidth, symbolLeadingWidth};
    widths.insert(widths.end(), byCode.begin() + 32, byCode.end());
    return widths;
}

void printTable(const std::string& name, const std::string& source, const std::vector<int>& w) {
    std::cout << "\n// " << source << "\n";
    std::cout << "const std::array<std::int16_t, " << w.size() << "> " << name << " = {\n";
    for (std::size_t i = 0; i < w.size(); ++i) {
        std::cout << (i % 16 == 0 ? "    " : " ") << w[i] << ",";
        if (i % 16 == 15 || i + 1 == w.size())
            std::cout << "\n";
    }
    std::cout << "};\n";
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: " << argv[0] << " <folder of the urw-base35 AFM files>\n";
        return 2;
    }
    const std::string folder = std::string(argv[1]) + "/";
    try {
        struct Table {
            const char* name;
            const char* afm;
        };
        const std::array<Table, 8> textTables = {{
            {"timesRegular", "NimbusRoman-Regular.afm"},
            {"timesBold", "NimbusRoman-Bold.afm"},
            {"timesItalic", "NimbusRoman-Italic.afm"},
            {"timesBoldItalic", "NimbusRoman-BoldItalic.afm"},
            {"arialRegular", "NimbusSans-Regular.afm"},
            {"arialBold", "NimbusSans-Bold.afm"},
            {"arialItalic", "NimbusSans-Italic.afm"},
            {"arialBoldItalic", "NimbusSans-BoldItalic.afm"},
        }};
        std::cout
            << "// Generated by tools/afm_widths.cpp from the fonts-urw-base35 AFM files; do not"
               " edit.\n"
               "// Widths in thousandths of the font size: text fonts for codes 32..255 in the"
               " Windows ANSI\n"
               "// encoding, Symbol for codes 30..255 in its built-in encoding.\n\n"
               "#include \"standard_font_widths.h\"\n\n"
               "// Sixteen codes to a row.\n"
               "// clang-format off\n"
               "namespace orvanta::font_widths {\n";
        for (const Table& table : textTables)
            printTable(table.name, table.afm, textFontWidths(folder + table.afm));
        printTable("symbol", "StandardSymbolsPS.afm",
                   symbolWidths(folder + "StandardSymbolsPS.afm"));
        std::cout << "\n} // namespace orvanta::font_widths\n// clang-format on\n";
    } catch (const std::exception& error) {
        std::cerr << error.what() << "\n";
        return 1;
    }
    return 0;
}
