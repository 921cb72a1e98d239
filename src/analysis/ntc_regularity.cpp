#include "ntc_regularity.h"

namespace orvanta {

bool NtcRegularity::regularInElevation() const {
    return elevation.massRegular() && elevation.setbacksRegular() && stiffness.regular(axisX) &&
           stiffness.regular(axisY);
}

NtcRegularity ntcRegularity(const ResponseMap& map, const Array2<double>& flexibility) {
    return {elevationGeometry(map.model(), storeyWeights(map.masses())),
            elevationStiffness(map, flexibility), planGeometry(map.model())};
}

std::array<double, 2> fundamentalPeriods(const ModalBasis& basis) {
    std::array<double, 2> period{0, 0};
    std::array<double, 2> largest{-1, -1};
    for (const ModalShape& mode : basis.modes) {
        const double ratio[2] = {mode.massRatioX, mode.massRatioY};
        for (const int axis : {axisX, axisY}) {
            const auto a = static_cast<std::size_t>(axis);
            if (ratio[a] > largest[a]) {
                largest[a] = ratio[a];
                period[a] = mode.period;
            }
        }
    }
    return period;
}

MethodChoice governingMethod(bool regularInElevation, const std::array<double, 2>& t1, double tc,
                             double td) {
    MethodChoice choice;
    choice.regularInElevation = regularInElevation;
    for (std::size_t a = 0; a < 2; ++a)
        choice.shortPeriod[a] = t1[a] <= periodOverCornerLimit * tc && t1[a] <= td;
    choice.method = regularInElevation && choice.shortPeriod[0] && choice.shortPeriod[1]
                        ? GoverningMethod::lateralForces
                        : GoverningMethod::modal;
    return choice;
}

const char* methodName(GoverningMethod method) {
    return method == GoverningMethod::lateralForces ? "analisi statica lineare (forze laterali)"
                                                    : "analisi dinamica lineare (modale)";
}

const char* methodKey(GoverningMethod method) {
    return method == GoverningMethod::lateralForces ? "lateral forces" : "modal";
}

} // namespace orvanta
