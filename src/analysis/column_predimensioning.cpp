#include "column_predimensioning.h"

#include <cmath>

namespace orvanta {

double allowableConcreteStress(double concreteClass) {
    return 0.7 * (6 + (concreteClass - 15) / 4);
}

SuggestedColumnSection suggestColumnSection(double axialForce, double allowableStress) {
    const double force = std::isfinite(axialForce) && axialForce > 0 ? axialForce : 0;
    double area = force / (allowableStress / 2);
    // Far beyond any building, and within the integers the sides are written with.
    constexpr double largestArea = 1e18;
    if (!(area <= largestArea))
        area = largestArea;
    return {static_cast<long long>(std::floor(area / fixedRectangleSide)) + 1,
            static_cast<long long>(std::floor(std::sqrt(area))) + 1};
}

} // namespace orvanta
