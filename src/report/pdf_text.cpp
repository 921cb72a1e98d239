#include "pdf_text.h"

#include <array>
#include <cstdint>
#include <optional>

namespace orvanta::pdf {

namespace {

constexpr char unknown = '?';

// Code points of Windows-1252 bytes 0x80–0x9F; 0 where the byte is undefined.
constexpr std::array<char32_t, 32> winAnsiHigh = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

// PDFDocEncoding bytes of the code points above, in the same order; 0 where none.
constexpr std::array<std::uint8_t, 32> pdfDocHigh = {
    0xA0, 0,    0x91, 0x86, 0x8C, 0x83, 0x81, 0x82, 0x1A, 0x8B, 0x97, 0x88, 0x96, 0, 0x99, 0,
    0,    0x8F, 0x90, 0x8D, 0x8E, 0x80, 0x85, 0x84, 0x1F, 0x92, 0x9D, 0x89, 0x9C, 0, 0x9E, 0x98};

// Decodes the next UTF-8 character at text[i] and advances i; nothing for a malformed
// sequence (one byte is then consumed).
std::optional<char32_t> nextCodePoint(std::string_view text, std::size_t& i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i++);
    if (lead < 0x80)
        return lead;
    int extra = 0;
    char32_t code = 0;
    char32_t smallest = 0;
    if ((lead & 0xE0) == 0xC0) {
        extra = 1;
        code = lead & 0x1F;
        smallest = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2;
        code = lead & 0x0F;
        smallest = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3;
        code = lead & 0x07;
        smallest = 0x10000;
    } else {
        return std::nullopt;
    }
    for (int k = 0; k < extra; ++k) {
        if (i >= text.size() || (byte(i) & 0xC0) != 0x80)
            return std::nullopt;
        code = (code << 6) | (byte(i++) & 0x3F);
    }
    if (code < smallest || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return std::nullopt;
    return code;
}

// The Windows-1252 byte of a code point, if it has one and it prints.
std::optional<unsigned char> winAnsiByte(char32_t code) {
    if ((code >= 0x20 && code < 0x7F) || (code >= 0xA0 && code <= 0xFF))
        return static_cast<unsigned char>(code);
    for (std::size_t k = 0; k < winAnsiHigh.size(); ++k) {
        if (winAnsiHigh[k] != 0 && winAnsiHigh[k] == code)
            return static_cast<unsigned char>(0x80 + k);
    }
    return std::nullopt;
}

} // namespace

std::string toWinAnsi(std::string_view utf8) {
    std::string bytes;
    bytes.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const auto code = nextCodePoint(utf8, i);
        const auto byte = code ? winAnsiByte(*code) : std::nullopt;
        bytes.push_back(byte ? static_cast<char>(*byte) : unknown);
    }
    return bytes;
}

std::string toPdfDocEncoding(std::string_view utf8) {
    std::string bytes = toWinAnsi(utf8);
    for (char& c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x80 && byte <= 0x9F) {
            const std::uint8_t moved = pdfDocHigh[byte - 0x80];
            c = moved != 0 ? static_cast<char>(moved) : unknown;
        } else if (byte == 0xA0) {
            c = ' '; // no-break space: PDFDocEncoding has the euro there
        } else if (byte == 0xAD) {
            c = '-'; // soft hyphen: undefined in PDFDocEncoding
        }
    }
    return bytes;
}

std::string escapeString(std::string_view bytes) {
    std::string escaped;
    escaped.reserve(bytes.size() + 8);
    for (const char c : bytes) {
        if (c == '\\' || c == '(' || c == ')')
            escaped.push_back('\\');
        escaped.push_back(c);
    }
    return escaped;
}

} // namespace orvanta::pdf
