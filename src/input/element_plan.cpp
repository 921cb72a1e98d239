#include "element_plan.h"

#include "drawing_geometry.h"
#include "numbering.h"
#include "plan_view.h"
#include "storey_plan.h"
#include "view_drawing.h"

#include <cmath>
#include <string>

namespace orvanta {

namespace {

constexpr int mostNumberedNodes = 400;
constexpr Colour nodeNumberColour = Colour::rgb(150, 150, 150);
constexpr Colour chosenColumnColour = Colour::rgb(255, 255, 0); // yellow
constexpr Colour chosenBeamColour = colours::green;
constexpr double chosenColumnRadius = 260;      // twips, around the ±150 square
constexpr TwipsPoint nodeNumberOffset{160, 40}; // twips, below right of the node
constexpr double nodeNumberSize = 9;            // points

// The segment between two points shortened by `margin` twips at each end.
std::pair<TwipsPoint, TwipsPoint> shortened(TwipsPoint a, TwipsPoint b, double margin) {
    const double length = std::hypot(b.x - a.x, b.y - a.y);
    if (length <= 2 * margin)
        return {a, b};
    const double ux = (b.x - a.x) / length;
    const double uy = (b.y - a.y) / length;
    return {{a.x + ux * margin, a.y + uy * margin}, {b.x - ux * margin, b.y - uy * margin}};
}

} // namespace

void drawNodeNumbers(Drawing& d, const Model& m) {
    const int nodes = m.counts.nX * m.counts.nY + m.counts.nExtra;
    if (nodes > mostNumberedNodes)
        return;
    const double fontSize = d.fontSize();
    d.setFontSize(nodeNumberSize);
    for (int node = 1; node <= nodes; ++node) {
        const numbering::PlanPoint p = numbering::nodePosition(m, node);
        const TwipsPoint at = planPoint(p.x, p.y, planScaleOf(m));
        d.text({at.x + nodeNumberOffset.x, at.y + nodeNumberOffset.y}, std::to_string(node),
               nodeNumberColour);
    }
    d.setFontSize(fontSize);
}

Drawing chosenElementsPlan(const Model& m, int storey, int columnNode, BeamDirection direction,
                           int beamStart) {
    Drawing d(Drawing::defaultExtent, colours::black);
    const double scale = planScaleOf(m);
    drawStoreyPlan(d, storeyPlan(m, storey), scale);
    drawNodeNumbers(d, m);

    const numbering::PlanPoint column = numbering::nodePosition(m, columnNode);
    d.circle(planPoint(column.x, column.y, scale), chosenColumnRadius, chosenColumnColour);

    // The chosen beam in green between the column squares, with the beam itself drawn again
    // over it when it is there.
    const numbering::PlanPoint from = numbering::nodePosition(m, beamStart);
    const numbering::PlanPoint to =
        numbering::nodePosition(m, beamEnd(m.counts, direction, beamStart));
    const auto [a, b] =
        shortened(planPoint(from.x, from.y, scale), planPoint(to.x, to.y, scale), columnHalfSide);
    d.setPenWidth(3);
    d.line(a, b, chosenBeamColour);
    d.setPenWidth(1);
    if (isPresent(m, storey, beamSlot(m.counts, direction, beamStart)))
        d.line(a, b, PlanStyle{}.foreground);
    fitExtentToContents(d, Drawing::defaultExtent);
    return d;
}

} // namespace orvanta
