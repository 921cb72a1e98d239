#include "share_drawing.h"

#include "drawing_geometry.h"
#include "numbering.h"
#include "plan_view.h"
#include "storey_plan.h"
#include "view_drawing.h"

#include <algorithm>
#include <cmath>

namespace orvanta {

Colour shareColour(double fraction) {
    const double f = std::clamp(fraction, 0.0, 1.0);
    // Green (0, 200, 0) to yellow (255, 220, 0) over the first half, then to red (255, 0, 0).
    if (f < 0.5)
        return Colour::rgb(static_cast<int>(510 * f), 200 + static_cast<int>(40 * f), 0);
    return Colour::rgb(255, static_cast<int>(220 * (1 - f) * 2), 0);
}

void drawRittoShares(Drawing& d, const Model& m, const AnalysisResults& results,
                     const LinearStaticResults& ntc, int storey, ActionCase action,
                     const NumberFormat& format) {
    const double s = planScaleOf(m);
    d.clear();
    drawStoreyPlan(d, storeyPlan(m, storey), s);
    fitExtentToContents(d, Drawing::defaultExtent, 700);
    if (!ntc.computed)
        return;
    const RittoShears& shears = ntc.shearsSLV[caseIndex(action)];
    const double storeyShear = ntc.axis(action.axis).shearsSLV(storey);
    if (!(storeyShear > 0))
        return;

    double largest = 0;
    for (const Direction set : bothDirections) {
        for (int i = 1; i <= results.ritStoreys.upper(); ++i) {
            if (results.ritStoreys(i) >= storey)
                largest = std::max(largest, std::abs(shears[set](i, storey)));
        }
    }
    for (int i = 1; i <= results.ritStoreys.upper(); ++i) {
        if (results.ritStoreys(i) < storey)
            continue;
        const numbering::PlanPoint node = numbering::nodePosition(m, i);
        const TwipsPoint p = planPoint(node.x, node.y, s);
        for (const Direction set : bothDirections) {
            const double shear = shears[set](i, storey);
            const double fraction = largest > 0 ? std::abs(shear) / largest : 0;
            const bool alongX = set == Direction::orthogonalToY;
            const std::string text = std::string(alongX ? "→ " : "↑ ") +
                                     formatNumber(100 * shear / storeyShear, 1, format) + "%";
            d.text({p.x + 180, alongX ? p.y - 380 : p.y + 60}, text, shareColour(fraction));
        }
    }
}

} // namespace orvanta
