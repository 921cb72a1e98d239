#include "grid_sketches.h"

#include "drawing_geometry.h"

namespace orvanta {

namespace {

constexpr double planLeft = 500;
constexpr double planRight = 11500;
constexpr double planTop = 500;
constexpr double planBottom = 9500;
// Where a line through the origin starts instead, clear of the axis arrow.
constexpr double pastTheYArrow = 8500;
constexpr double pastTheXArrow = 1500;

constexpr double levelRadius = 50;
constexpr double levelAxis = 2000;
constexpr double levelTickHalf = 250;
constexpr double crossArm = 250;
constexpr double planLetterSize = 12; // points

} // namespace

Drawing gridPlanSketch() {
    Drawing d(gridPlanExtent, sketchBackground);
    // The plan is shown reduced more than the elevation: larger letters read alike.
    d.setFontSize(planLetterSize);
    drawAxisSymbol(d, planOrigin, "X", "Y", sketchAxes);
    return d;
}

SketchSegment gridLineSegment(GridAxis axis, double coordinate, double planScale) {
    if (axis == GridAxis::x) {
        const double x = planOrigin.x + planScale * coordinate;
        return {{x, coordinate == 0 ? pastTheYArrow : planBottom}, {x, planTop}};
    }
    const double y = planOrigin.y - planScale * coordinate;
    return {{coordinate == 0 ? pastTheXArrow : planLeft, y}, {planRight, y}};
}

std::vector<SketchSegment> extraNodeCross(double x, double y, double planScale) {
    const TwipsPoint c = planPoint(x, y, planScale);
    return {{{c.x - crossArm, c.y}, {c.x + crossArm, c.y}},
            {{c.x, c.y + crossArm}, {c.x, c.y - crossArm}}};
}

void drawSegments(Drawing& drawing, std::span<const SketchSegment> segments, Colour colour) {
    for (const SketchSegment& s : segments)
        drawing.line(s.from, s.to, colour);
}

Drawing gridElevationSketch(std::span<const double> levels, double elevScale) {
    Drawing d(gridElevationExtent, sketchBackground);
    drawAxisSymbol(d, elevationSketchOrigin, "X", "Z", sketchAxes);
    double previous = 0;
    for (std::size_t k = 0; k < levels.size(); ++k) {
        const double h = elevationY(levels[k], elevScale, elevationSketchOrigin.y);
        d.circle({levelAxis, h}, levelRadius, sketchLines);
        d.line({levelAxis - levelTickHalf, h}, {levelAxis + levelTickHalf, h}, sketchLines);
        if (k > 0)
            d.line({levelAxis, previous}, {levelAxis, h}, sketchLines);
        previous = h;
    }
    return d;
}

} // namespace orvanta
