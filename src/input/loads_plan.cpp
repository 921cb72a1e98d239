#include "loads_plan.h"

#include "drawing_geometry.h"
#include "element_plan.h"
#include "numbering.h"
#include "plan_view.h"
#include "slab_entry.h"
#include "view_drawing.h"

#include <algorithm>
#include <cmath>

namespace orvanta {

namespace {

struct BayRectangle {
    double left = 0, bottom = 0, right = 0, top = 0; // mm
};

BayRectangle bayRectangle(const Model& m, int node) {
    const numbering::GridPosition p = numbering::gridPosition(m.counts, node);
    const double x0 = m.coordX(p.ix), x1 = m.coordX(p.ix + 1);
    const double y0 = m.coordY(p.iy), y1 = m.coordY(p.iy + 1);
    return {std::min(x0, x1), std::min(y0, y1), std::max(x0, x1), std::max(y0, y1)};
}

// The rectangle moved inwards by the inset, never more than a quarter of each side.
BayRectangle inset(const BayRectangle& r, double by) {
    const double dx = std::min(by, (r.right - r.left) / 4);
    const double dy = std::min(by, (r.top - r.bottom) / 4);
    return {r.left + dx, r.bottom + dy, r.right - dx, r.top - dy};
}

void arrowHead(Drawing& d, TwipsPoint tip, double dx, double dy, Colour colour) {
    // dx, dy: unit vector pointing from the tip back along the shaft.
    constexpr double length = 150, halfWidth = 75; // twips
    const TwipsPoint base{tip.x + dx * length, tip.y + dy * length};
    d.line(tip, {base.x - dy * halfWidth, base.y + dx * halfWidth}, colour);
    d.line(tip, {base.x + dy * halfWidth, base.y - dx * halfWidth}, colour);
}

void drawSlabMark(Drawing& d, const BayRectangle& bay, SlabSpan span, double scale) {
    const BayRectangle r = inset(bay, slabInset);
    const TwipsPoint low = planPoint(r.left, r.bottom, scale);
    const TwipsPoint high = planPoint(r.right, r.top, scale);
    d.box(low, high, slabColour);
    const double midX = (low.x + high.x) / 2;
    const double midY = (low.y + high.y) / 2;
    if (span == SlabSpan::alongX) {
        d.line({low.x, midY}, {high.x, midY}, slabColour);
        arrowHead(d, {low.x, midY}, 1, 0, slabColour);
        arrowHead(d, {high.x, midY}, -1, 0, slabColour);
    } else {
        // high.y lies above low.y on paper (y grows downwards).
        d.line({midX, low.y}, {midX, high.y}, slabColour);
        arrowHead(d, {midX, low.y}, 0, -1, slabColour);
        arrowHead(d, {midX, high.y}, 0, 1, slabColour);
    }
}

} // namespace

void drawLoadsPlan(Drawing& d, const Model& m, int storey, int currentNode) {
    const double scale = planScaleOf(m);
    drawStoreyPlan(d, storeyPlan(m, storey), scale);
    drawNodeNumbers(d, m);
    const Counts& c = m.counts;
    for (int iy = 1; iy < c.nY; ++iy) {
        for (int ix = 1; ix < c.nX; ++ix) {
            const Slab slab = slabAt(m, storey, numbering::bay(c, ix, iy));
            if (slab.present)
                drawSlabMark(d, bayRectangle(m, numbering::gridNode(c, ix, iy)), slab.span, scale);
        }
    }
    if (startsBay(c, currentNode)) {
        const BayRectangle r = inset(bayRectangle(m, currentNode), slabInset / 2);
        d.box(planPoint(r.left, r.bottom, scale), planPoint(r.right, r.top, scale),
              currentBayColour);
    }
    fitExtentToContents(d, Drawing::defaultExtent);
}

} // namespace orvanta
