#include "centres_drawing.h"

#include "drawing_geometry.h"
#include "plan_view.h"
#include "storey_plan.h"
#include "view_drawing.h"

#include <algorithm>

namespace orvanta {

namespace {

bool shown(const std::vector<bool>& visible, int index) {
    return index >= 1 && index <= static_cast<int>(visible.size()) &&
           visible[static_cast<std::size_t>(index - 1)];
}

// The families of one set whose centres are drawn: those shown that have ritti. A family left
// without ritti (more families than behaviours) has no centre: its stored 0 would draw a line on
// the origin's grid line.
template <class Draw>
void forEachShownFamily(const RittiResults& ritti, const CentresShown& c, Draw draw) {
    const Array1<double>& centres = ritti.stiffnessCentre;
    const Array1<std::int16_t>& sizes = ritti.familySize;
    for (int f = centres.lower(); f <= centres.upper(); ++f) {
        const bool hasRitti = f >= sizes.lower() && f <= sizes.upper() && sizes(f) > 0;
        if (shown(c.stiffnessVisible, f) && hasRitti)
            draw(centres(f));
    }
}

} // namespace

int familiesOffered(const AnalysisResults& r, CentresDirection direction) {
    const int x = r[Direction::orthogonalToX].familyCount;
    const int y = r[Direction::orthogonalToY].familyCount;
    switch (direction) {
    case CentresDirection::orthogonalToX:
        return x;
    case CentresDirection::orthogonalToY:
        return y;
    case CentresDirection::both:
        return std::min(x, y);
    }
    return 0;
}

void drawCentres(Drawing& d, const Model& m, const AnalysisResults& r, const CentresShown& c) {
    const double s = planScaleOf(m);
    d.clear();
    drawStoreyPlan(d, storeyPlan(m, c.planStorey), s);
    // The extent holds the plan, so showing a centre never rescales the drawing.
    fitExtentToContents(d, Drawing::defaultExtent);

    for (int k = m.massCentre.lower(1); k <= m.massCentre.upper(1); ++k) {
        if (shown(c.massVisible, k))
            d.filledCircle(planPoint(m.massCentre(k, 1), m.massCentre(k, 2), s), massDotRadius,
                           colours::red, colours::red);
    }

    const int penWidth = d.penWidth();
    d.setPenWidth(stiffnessPenWidth);
    const Counts& n = m.counts;
    if (c.direction != CentresDirection::orthogonalToY) {
        const double top = planOrigin.y - s * m.coordY(n.nY);
        const double bottom = planOrigin.y - s * m.coordY(1);
        forEachShownFamily(r[Direction::orthogonalToX], c, [&](double x) {
            const double at = planOrigin.x + s * x;
            d.line({at, top}, {at, bottom}, colours::green);
        });
    }
    if (c.direction != CentresDirection::orthogonalToX) {
        const double left = planOrigin.x + s * m.coordX(1);
        const double right = planOrigin.x + s * m.coordX(n.nX);
        forEachShownFamily(r[Direction::orthogonalToY], c, [&](double y) {
            const double at = planOrigin.y - s * y;
            d.line({left, at}, {right, at}, colours::green);
        });
    }
    d.setPenWidth(penWidth);
}

} // namespace orvanta
