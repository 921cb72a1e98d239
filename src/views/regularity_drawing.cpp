#include "regularity_drawing.h"

#include "centres_drawing.h"
#include "drawing_geometry.h"
#include "plan_view.h"
#include "storey_plan.h"
#include "view_drawing.h"

#include <string>

namespace orvanta {

void drawRigidityCentres(Drawing& d, const Model& m, const SeismicResults& seismic,
                         int planStorey) {
    const double s = planScaleOf(m);
    d.clear();
    drawStoreyPlan(d, storeyPlan(m, planStorey), s);
    fitExtentToContents(d, Drawing::defaultExtent);
    if (!seismic.hasRegularity())
        return;

    const int penWidth = d.penWidth();
    for (int k = seismic.storeys.lower(); k <= seismic.storeys.upper(); ++k) {
        const StoreyRegularity& row = seismic.storeys(k);
        const TwipsPoint mass = planPoint(row.massCentreX, row.massCentreY, s);
        const TwipsPoint rigidity = planPoint(row.rigidityCentreX, row.rigidityCentreY, s);
        d.setPenWidth(1);
        d.line(mass, rigidity, rigidityColour);
        d.filledCircle(mass, massDotRadius, colours::red, colours::red);
        d.setPenWidth(2);
        d.circle(rigidity, rigidityCircleRadius, rigidityColour);
        d.line({rigidity.x - rigidityCircleRadius, rigidity.y},
               {rigidity.x + rigidityCircleRadius, rigidity.y}, rigidityColour);
        d.line({rigidity.x, rigidity.y - rigidityCircleRadius},
               {rigidity.x, rigidity.y + rigidityCircleRadius}, rigidityColour);
        d.text({rigidity.x + 200, rigidity.y - 250 - d.fontSize() * 20}, std::to_string(k),
               rigidityColour);
    }
    d.setPenWidth(penWidth);
}

} // namespace orvanta
