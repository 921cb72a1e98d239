#include "plan_view.h"

#include "drawing_geometry.h"
#include "twips.h"

#include <algorithm>

namespace orvanta {

PlanStyle bitmapPlanStyle() {
    PlanStyle style;
    style.background = colours::white;
    style.foreground = colours::black;
    style.columnOutline = colours::black;
    style.penWidth = 2;
    style.fontSize = 18;
    return style;
}

namespace {

TwipsPoint toTwips(numbering::PlanPoint p, double scale) {
    return planPoint(p.x, p.y, scale);
}

void drawGridLine(Drawing& d, const PlanGridLine& line, double scale, const PlanStyle& style) {
    const TwipsPoint from = toTwips(line.line.from, scale);
    const TwipsPoint to = toTwips(line.line.to, scale);
    d.line(from, to, style.grid);
    if (!style.labels)
        return;
    // Lines along X are numbered above their upper end, lines along Y left of their first end.
    // A label larger than the screen's 8 points (the 18 points of the saved bitmap) moves out and
    // up by what it has in excess, so that it does not cover the column square at the line's end.
    const double excess = std::max(0.0, style.fontSize - screenFontSize) * twipsPerPoint;
    const TwipsPoint at =
        line.alongX ? TwipsPoint{to.x, std::min(from.y, to.y) - labelOffset - excess}
                    : TwipsPoint{std::min(from.x, to.x) - labelOffset - excess, from.y - excess};
    d.text(at, gridLineLabel(line), style.foreground);
}

} // namespace

void drawStoreyPlan(Drawing& d, const StoreyPlan& plan, double scale, const PlanStyle& style) {
    d.setBackground(style.background);
    d.setPenWidth(style.penWidth);
    d.setFontSize(style.fontSize);
    for (const PlanGridLine& line : plan.gridLines)
        drawGridLine(d, line, scale, style);
    for (const PlanExtraNode& node : plan.extraNodes) {
        const TwipsPoint c = toTwips(node.at, scale);
        d.line({c.x - extraNodeArm, c.y}, {c.x + extraNodeArm, c.y}, style.grid);
        d.line({c.x, c.y + extraNodeArm}, {c.x, c.y - extraNodeArm}, style.grid);
    }
    for (const PlanBeam& beam : plan.beams)
        d.line(toTwips(beam.line.from, scale), toTwips(beam.line.to, scale), style.foreground);
    for (const PlanColumn& column : plan.columns) {
        const TwipsPoint c = toTwips(column.at, scale);
        const TwipsPoint low{c.x - columnHalfSide, c.y - columnHalfSide};
        const TwipsPoint high{c.x + columnHalfSide, c.y + columnHalfSide};
        d.filledBox(low, high, style.columnFill);
        if (style.columnOutline)
            d.box(low, high, *style.columnOutline);
    }
}

} // namespace orvanta
