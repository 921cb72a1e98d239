#include "drawing.h"

#include <utility>

namespace orvanta {

void Drawing::line(TwipsPoint from, TwipsPoint to, Colour colour) {
    primitives_.emplace_back(Line{from, to, colour, penWidth_});
}

void Drawing::circle(TwipsPoint centre, double radius, Colour colour) {
    primitives_.emplace_back(Circle{centre, radius, colour, penWidth_, std::nullopt});
}

void Drawing::filledCircle(TwipsPoint centre, double radius, Colour outline, Colour fill) {
    primitives_.emplace_back(Circle{centre, radius, outline, penWidth_, fill});
}

void Drawing::box(TwipsPoint corner, TwipsPoint oppositeCorner, Colour colour) {
    primitives_.emplace_back(Box{corner, oppositeCorner, colour, penWidth_, false});
}

void Drawing::filledBox(TwipsPoint corner, TwipsPoint oppositeCorner, Colour colour) {
    primitives_.emplace_back(Box{corner, oppositeCorner, colour, penWidth_, true});
}

void Drawing::text(TwipsPoint topLeft, std::string text, Colour colour) {
    primitives_.emplace_back(Text{topLeft, std::move(text), colour, fontSize_});
}

} // namespace orvanta
