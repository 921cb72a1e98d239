#include "drift_checks.h"

#include <algorithm>

namespace orvanta {

double ductilityDemand(double q, double period, double tc) {
    const double demand = period >= tc ? q : 1 + (q - 1) * tc / period;
    return std::min(demand, 5 * q - 4);
}

LimitState damageLimitState(int useClass) {
    return useClass <= 2 ? LimitState::SLD : LimitState::SLO;
}

double driftLimitRatio(InfillKind infill, int useClass) {
    const double ratio = infill == InfillKind::fragile   ? 0.005
                         : infill == InfillKind::ductile ? 0.0075
                                                         : 0.010;
    return damageLimitState(useClass) == LimitState::SLO ? ratio * 2 / 3 : ratio;
}

SecondOrder secondOrderClass(double theta) {
    if (theta <= 0.1)
        return SecondOrder::negligible;
    if (theta <= 0.2)
        return SecondOrder::amplified;
    if (theta <= 0.3)
        return SecondOrder::nonLinear;
    return SecondOrder::notAllowed;
}

double stabilityCoefficient(double weightAbove, double drift, double shear, double height) {
    const double denominator = shear * height;
    return denominator > 0 ? weightAbove * drift / denominator : 0;
}

double secondOrderAmplification(double theta) {
    return secondOrderClass(theta) == SecondOrder::amplified ? 1 / (1 - theta) : 1;
}

const char* secondOrderText(SecondOrder c) {
    switch (c) {
    case SecondOrder::negligible:
        return "trascurabili";
    case SecondOrder::amplified:
        return "effetti amplificati di 1/(1 - θ)";
    case SecondOrder::nonLinear:
        return "richiesta analisi non lineare";
    case SecondOrder::notAllowed:
        return "non ammesso (θ > 0,3)";
    }
    return "";
}

} // namespace orvanta
