#pragma once

// What a picture box shows, kept as a list of primitives in twips, so that the screen, a saved
// bitmap and the tests all read the same drawing.
//
// Units and axes: coordinates are twips (1440 per inch, 20 per point, 15 per pixel on a 96 dpi
// screen), x growing to the right and y growing downwards from the top-left corner of the
// drawing's extent. A plan point (x, y) in millimetres is mapped by the windows to twips (see
// drawing_geometry.h); here everything is already in twips.
//
// Like a picture box, a Drawing has a current pen width (in pixels, as on screen) and a current
// font size (in points) that every primitive drawn afterwards takes; colours are given with each
// call. Nothing is ever erased: drawing over a line in the background colour hides it, as the
// sketches do when an element is removed.

#include "colour.h"

#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace orvanta {

struct TwipsPoint {
    double x = 0;
    double y = 0;
    bool operator==(const TwipsPoint&) const = default;
};

struct TwipsSize {
    double width = 0;
    double height = 0;
    bool operator==(const TwipsSize&) const = default;
};

struct Line {
    TwipsPoint from;
    TwipsPoint to;
    Colour colour;
    int penWidth = 1; // pixels
    bool operator==(const Line&) const = default;
};

struct Circle {
    TwipsPoint centre;
    double radius = 0; // twips
    Colour colour;     // outline
    int penWidth = 1;
    std::optional<Colour> fill; // nothing = hollow
    bool operator==(const Circle&) const = default;
};

// An axis-aligned box between two opposite corners, outlined or filled.
struct Box {
    TwipsPoint corner;
    TwipsPoint oppositeCorner;
    Colour colour;
    int penWidth = 1;
    bool filled = false;
    bool operator==(const Box&) const = default;
};

// Text printed with the top-left corner of its first line at the given point.
struct Text {
    TwipsPoint topLeft;
    std::string text; // UTF-8
    Colour colour;
    double fontSize = 8; // points
    bool operator==(const Text&) const = default;
};

using Primitive = std::variant<Line, Circle, Box, Text>;

class Drawing {
public:
    static constexpr TwipsSize defaultExtent{12000, 10000};

    explicit Drawing(TwipsSize extent = defaultExtent, Colour background = colours::white)
        : extent_(extent), background_(background) {}

    TwipsSize extent() const { return extent_; }
    void setExtent(TwipsSize extent) { extent_ = extent; }
    Colour background() const { return background_; }
    void setBackground(Colour colour) { background_ = colour; }

    int penWidth() const { return penWidth_; }
    void setPenWidth(int pixels) { penWidth_ = pixels < 1 ? 1 : pixels; }
    double fontSize() const { return fontSize_; }
    void setFontSize(double points) { fontSize_ = points; }

    void line(TwipsPoint from, TwipsPoint to, Colour colour);
    void circle(TwipsPoint centre, double radius, Colour colour);
    void filledCircle(TwipsPoint centre, double radius, Colour outline, Colour fill);
    void box(TwipsPoint corner, TwipsPoint oppositeCorner, Colour colour);
    void filledBox(TwipsPoint corner, TwipsPoint oppositeCorner, Colour colour);
    void text(TwipsPoint topLeft, std::string text, Colour colour);

    // Removes every primitive; extent, background, pen width and font size stay.
    void clear() { primitives_.clear(); }

    const std::vector<Primitive>& primitives() const { return primitives_; }

    // The primitives of one kind, in drawing order: drawing.all<Line>().
    template <class Kind> std::vector<Kind> all() const {
        std::vector<Kind> found;
        for (const Primitive& primitive : primitives_) {
            if (const Kind* p = std::get_if<Kind>(&primitive))
                found.push_back(*p);
        }
        return found;
    }

    bool operator==(const Drawing&) const = default;

private:
    TwipsSize extent_;
    Colour background_;
    int penWidth_ = 1;
    double fontSize_ = 8;
    std::vector<Primitive> primitives_;
};

} // namespace orvanta
