#pragma once

// A drawing written as ASCII DXF release 12 (AC1009), the exchange format every CAD program
// reads. Only what R12 knows is written: layers, LINE, CIRCLE, TEXT and the old-style POLYLINE
// made of VERTEX entities closed by SEQEND (R12 has no LWPOLYLINE).
//
// Units and axes: the coordinates are the caller's, written as they are (the plans give model
// millimetres, y growing upwards as in the model). Numbers always have a decimal point, whatever
// the locale, with at most four decimals: 1234.5 is written "1234.5", 0.00001 "0.0".
//
// Text: the file declares the code page ANSI_1252 ($DWGCODEPAGE), the one R12 programs expect on
// western systems; UTF-8 text is converted to it ("è" becomes the byte E8), and a character that
// code page lacks is written as the \U+XXXX escape CAD programs read ("≤" is "\U+2264").
//
//     DxfDrawing dxf;
//     dxf.addLayer("PILASTRI", dxfColour::white);
//     dxf.polyline("PILASTRI", {{-150, -250}, {150, -250}, {150, 250}, {-150, 250}}, true);
//     std::string text = dxf.text();

#include <string>
#include <vector>

namespace orvanta {

struct DxfPoint {
    double x = 0;
    double y = 0;
    bool operator==(const DxfPoint&) const = default;
};

// AutoCAD colour index numbers of the layers.
namespace dxfColour {
inline constexpr int red = 1;
inline constexpr int yellow = 2;
inline constexpr int green = 3;
inline constexpr int cyan = 4;
inline constexpr int blue = 5;
inline constexpr int magenta = 6;
inline constexpr int white = 7; // black on a white background
inline constexpr int grey = 8;
} // namespace dxfColour

class DxfDrawing {
public:
    // Layers are listed in the order they were added; an entity on a layer not added is placed
    // on it all the same (CAD programs create it), but with no colour of its own.
    void addLayer(const std::string& name, int colour);

    void line(const std::string& layer, DxfPoint from, DxfPoint to);
    // An open or closed polyline through the points (at least two).
    void polyline(const std::string& layer, const std::vector<DxfPoint>& points, bool closed);
    void circle(const std::string& layer, DxfPoint centre, double radius);
    // Text with the left end of its base line at the point, `height` high.
    void text(const std::string& layer, DxfPoint at, double height, const std::string& utf8);

    // The whole file: header with the extent of everything drawn, tables, entities, EOF.
    std::string text() const;

    // The smallest and largest coordinates drawn (text counted at its insertion point).
    DxfPoint lowest() const { return lowest_; }
    DxfPoint highest() const { return highest_; }
    bool isEmpty() const { return entities_.empty(); }

private:
    void grow(DxfPoint point);

    struct Layer {
        std::string name;
        int colour = dxfColour::white;
    };
    std::vector<Layer> layers_;
    std::string entities_;
    DxfPoint lowest_{0, 0};
    DxfPoint highest_{0, 0};
    bool anything_ = false;
};

// A coordinate as DXF writes it: point decimal sign, at most four decimals, no exponent.
std::string dxfNumber(double value);

// UTF-8 text in code page 1252, with \U+XXXX for what the code page lacks; line breaks and other
// control characters become blanks. Malformed UTF-8 bytes become "?".
std::string toDxfCodePage(const std::string& utf8);

} // namespace orvanta
