#include "drawing_geometry.h"

namespace orvanta {

void drawAxisSymbol(Drawing& drawing, TwipsPoint origin, const std::string& horizontalLabel,
                    const std::string& verticalLabel, Colour colour) {
    const double ox = origin.x;
    const double oy = origin.y;
    const TwipsPoint xTip{ox + 1000, oy};
    const TwipsPoint yTip{ox, oy - 1000};

    drawing.line({ox - 250, oy}, xTip, colour);
    drawing.line({ox, oy + 250}, yTip, colour);
    drawing.line(xTip, {xTip.x - 100, oy + 50}, colour);
    drawing.line(xTip, {xTip.x - 100, oy - 50}, colour);
    drawing.line(yTip, {ox - 50, yTip.y + 100}, colour);
    drawing.line(yTip, {ox + 50, yTip.y + 100}, colour);
    drawing.text({ox + 900, oy + 100}, horizontalLabel, colour);
    drawing.text({ox - 225, oy - 1000}, verticalLabel, colour);
}

} // namespace orvanta
