#include "dxf_writer.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <optional>

namespace orvanta {

namespace {

// The characters of code page 1252 at bytes 0x80..0x9F (0 where the byte is unassigned); the
// bytes 0xA0..0xFF are the Latin-1 characters of the same numbers.
constexpr std::array<char32_t, 32> windows1252High{
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

// One group: its code right-aligned in three columns, then its value, as R12 programs write it.
void group(std::string& out, int code, const std::string& value) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "%3d", code);
    out += buffer;
    out += '\n';
    out += value;
    out += '\n';
}

void group(std::string& out, int code, int value) {
    group(out, code, std::to_string(value));
}

void point(std::string& out, int code, DxfPoint p) {
    group(out, code, dxfNumber(p.x));
    group(out, code + 10, dxfNumber(p.y));
    group(out, code + 20, "0.0");
}

// The next code point of UTF-8 text from position i, moving i past it; nothing for a malformed
// sequence (i then moves one byte on).
std::optional<char32_t> nextCodePoint(const std::string& s, std::size_t& i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char lead = byte(i);
    int length = lead < 0x80           ? 1
                 : (lead >> 5) == 0x6  ? 2
                 : (lead >> 4) == 0xE  ? 3
                 : (lead >> 3) == 0x1E ? 4
                                       : 0;
    if (length == 0 || i + static_cast<std::size_t>(length) > s.size()) {
        ++i;
        return std::nullopt;
    }
    char32_t c = length == 1 ? lead : lead & (0x7F >> length);
    for (int k = 1; k < length; ++k) {
        const unsigned char next = byte(i + static_cast<std::size_t>(k));
        if ((next & 0xC0) != 0x80) {
            ++i;
            return std::nullopt;
        }
        c = (c << 6) | (next & 0x3F);
    }
    i += static_cast<std::size_t>(length);
    return c;
}

std::optional<unsigned char> windows1252Byte(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<unsigned char>(c);
    for (std::size_t k = 0; k < windows1252High.size(); ++k) {
        if (windows1252High[k] == c)
            return static_cast<unsigned char>(0x80 + k);
    }
    return std::nullopt;
}

} // namespace

std::string dxfNumber(double value) {
    if (!std::isfinite(value))
        value = 0;
    std::array<char, 64> buffer{};
    const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                            std::chars_format::fixed, 4);
    std::string text = error == std::errc{} ? std::string(buffer.data(), end) : "0.0";
    // Trailing zeros go, one decimal stays: "12.5000" → "12.5", "12.0000" → "12.0".
    while (text.size() > 2 && text.back() == '0' && text[text.size() - 2] != '.')
        text.pop_back();
    if (text == "-0.0")
        text = "0.0";
    return text;
}

std::string toDxfCodePage(const std::string& utf8) {
    std::string out;
    for (std::size_t i = 0; i < utf8.size();) {
        const std::optional<char32_t> c = nextCodePoint(utf8, i);
        if (!c) {
            out += '?';
        } else if (*c < 0x20 || *c == 0x7F) {
            out += ' ';
        } else if (const std::optional<unsigned char> b = windows1252Byte(*c)) {
            out += static_cast<char>(*b);
        } else {
            char escape[16];
            std::snprintf(escape, sizeof escape, "\\U+%04X", static_cast<unsigned>(*c));
            out += escape;
        }
    }
    return out;
}

void DxfDrawing::addLayer(const std::string& name, int colour) {
    layers_.push_back({name, colour});
}

void DxfDrawing::grow(DxfPoint p) {
    if (!anything_) {
        lowest_ = highest_ = p;
        anything_ = true;
        return;
    }
    lowest_ = {std::min(lowest_.x, p.x), std::min(lowest_.y, p.y)};
    highest_ = {std::max(highest_.x, p.x), std::max(highest_.y, p.y)};
}

void DxfDrawing::line(const std::string& layer, DxfPoint from, DxfPoint to) {
    group(entities_, 0, "LINE");
    group(entities_, 8, layer);
    point(entities_, 10, from);
    point(entities_, 11, to);
    grow(from);
    grow(to);
}

void DxfDrawing::polyline(const std::string& layer, const std::vector<DxfPoint>& points,
                          bool closed) {
    if (points.size() < 2)
        return;
    group(entities_, 0, "POLYLINE");
    group(entities_, 8, layer);
    group(entities_, 66, 1); // vertices follow
    point(entities_, 10, {0, 0});
    group(entities_, 70, closed ? 1 : 0);
    for (const DxfPoint& p : points) {
        group(entities_, 0, "VERTEX");
        group(entities_, 8, layer);
        point(entities_, 10, p);
        grow(p);
    }
    group(entities_, 0, "SEQEND");
    group(entities_, 8, layer);
}

void DxfDrawing::circle(const std::string& layer, DxfPoint centre, double radius) {
    group(entities_, 0, "CIRCLE");
    group(entities_, 8, layer);
    point(entities_, 10, centre);
    group(entities_, 40, dxfNumber(radius));
    grow({centre.x - radius, centre.y - radius});
    grow({centre.x + radius, centre.y + radius});
}

void DxfDrawing::text(const std::string& layer, DxfPoint at, double height,
                      const std::string& utf8) {
    group(entities_, 0, "TEXT");
    group(entities_, 8, layer);
    point(entities_, 10, at);
    group(entities_, 40, dxfNumber(height));
    group(entities_, 1, toDxfCodePage(utf8));
    grow(at);
}

std::string DxfDrawing::text() const {
    std::string out;
    group(out, 0, "SECTION");
    group(out, 2, "HEADER");
    group(out, 9, "$ACADVER");
    group(out, 1, "AC1009");
    group(out, 9, "$DWGCODEPAGE");
    group(out, 3, "ANSI_1252");
    group(out, 9, "$INSBASE");
    point(out, 10, {0, 0});
    group(out, 9, "$EXTMIN");
    point(out, 10, lowest_);
    group(out, 9, "$EXTMAX");
    point(out, 10, highest_);
    group(out, 9, "$LIMMIN");
    group(out, 10, dxfNumber(lowest_.x));
    group(out, 20, dxfNumber(lowest_.y));
    group(out, 9, "$LIMMAX");
    group(out, 10, dxfNumber(highest_.x));
    group(out, 20, dxfNumber(highest_.y));
    group(out, 0, "ENDSEC");

    group(out, 0, "SECTION");
    group(out, 2, "TABLES");
    group(out, 0, "TABLE");
    group(out, 2, "LTYPE");
    group(out, 70, 1);
    group(out, 0, "LTYPE");
    group(out, 2, "CONTINUOUS");
    group(out, 70, 0);
    group(out, 3, "Solid line");
    group(out, 72, 65);
    group(out, 73, 0);
    group(out, 40, "0.0");
    group(out, 0, "ENDTAB");
    group(out, 0, "TABLE");
    group(out, 2, "LAYER");
    group(out, 70, static_cast<int>(layers_.size()) + 1);
    const auto layerEntry = [&out](const std::string& name, int colour) {
        group(out, 0, "LAYER");
        group(out, 2, name);
        group(out, 70, 0);
        group(out, 62, colour);
        group(out, 6, "CONTINUOUS");
    };
    layerEntry("0", dxfColour::white);
    for (const Layer& layer : layers_)
        layerEntry(layer.name, layer.colour);
    group(out, 0, "ENDTAB");
    group(out, 0, "TABLE");
    group(out, 2, "STYLE");
    group(out, 70, 1);
    group(out, 0, "STYLE");
    group(out, 2, "STANDARD");
    group(out, 70, 0);
    group(out, 40, "0.0");
    group(out, 41, "1.0");
    group(out, 50, "0.0");
    group(out, 71, 0);
    group(out, 42, "2.5");
    group(out, 3, "txt");
    group(out, 4, "");
    group(out, 0, "ENDTAB");
    group(out, 0, "ENDSEC");

    group(out, 0, "SECTION");
    group(out, 2, "BLOCKS");
    group(out, 0, "ENDSEC");

    group(out, 0, "SECTION");
    group(out, 2, "ENTITIES");
    out += entities_;
    group(out, 0, "ENDSEC");
    group(out, 0, "EOF");
    return out;
}

} // namespace orvanta
