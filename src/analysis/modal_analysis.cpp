#include "modal_analysis.h"

#include "regularity_geometry.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace orvanta {

namespace {

std::vector<GoverningDrift> largestRittoDrift(const ResponseValues& r, std::size_t storeys) {
    std::vector<GoverningDrift> largest(storeys);
    for (const Direction set : bothDirections) {
        const auto& ritti = r.rittoDrift[rittiIndex(set)];
        for (std::size_t i = 0; i < ritti.size(); ++i) {
            for (std::size_t s = 0; s < storeys; ++s) {
                const double drift = std::fabs(ritti[i][s]);
                if (drift > largest[s].drift)
                    largest[s] = {drift, set, static_cast<int>(i) + 1};
            }
        }
    }
    return largest;
}

// max(|a| + 0.3·|b|, 0.3·|a| + |b|) term by term.
std::vector<std::vector<double>> combinedOverDirections(const std::vector<std::vector<double>>& a,
                                                        const std::vector<std::vector<double>>& b) {
    std::vector<std::vector<double>> out = a;
    for (std::size_t i = 0; i < a.size(); ++i) {
        for (std::size_t s = 0; s < a[i].size(); ++s) {
            const double x = std::fabs(a[i][s]), y = std::fabs(b[i][s]);
            out[i][s] = std::max(x + directionCombination * y, directionCombination * x + y);
        }
    }
    return out;
}

} // namespace

std::vector<double> secondOrderCoefficients(const Model& m, const std::vector<double>& weights,
                                            const std::vector<double>& designDrift,
                                            const std::vector<double>& shear) {
    std::vector<double> theta(weights.size());
    double load = 0;
    for (std::size_t s = weights.size(); s-- > 0;) {
        load += weights[s];
        const int storey = static_cast<int>(s) + 1;
        const double height = m.levelZ(storey + 1) - m.levelZ(storey);
        const double resisting = shear[s] * height;
        theta[s] = resisting > 0 ? load * std::fabs(designDrift[s]) / resisting : 0.0;
    }
    return theta;
}

ModalAnalysis modalAnalysis(const ResponseMap& map, const Array2<double>& flexibility,
                            ModalBasis basis, const ModalActionInput& action) {
    ModalAnalysis out;
    out.basis = std::move(basis);
    const CqcCombination cqc(out.basis.periods());
    const auto storeys = static_cast<std::size_t>(map.model().counts.nStoreys);
    const std::vector<double> weights = storeyWeights(map.masses());
    for (const int axis : {axisX, axisY}) {
        const auto a = static_cast<std::size_t>(axis);
        out.slv[a] = modalResponse(map, flexibility, out.basis, cqc, axis, action.design,
                                   action.torqueSLV[a]);
        out.drift[a] = modalResponse(map, flexibility, out.basis, cqc, axis, action.drift,
                                     action.torqueDrift[a]);
        out.largestDrift[a] = largestRittoDrift(out.drift[a].total, storeys);
        const ResponseValues& r = out.slv[a].total;
        std::vector<double> designDrift = axis == axisX ? r.driftX : r.driftY;
        for (double& d : designDrift)
            d *= action.ductility[a];
        out.theta[a] = secondOrderCoefficients(map.model(), weights, designDrift,
                                               axis == axisX ? r.shearX : r.shearY);
    }
    for (const Direction set : bothDirections) {
        const std::size_t i = rittiIndex(set);
        out.rittoShear[i] = combinedOverDirections(out.slv[axisX].total.rittoShear[i],
                                                   out.slv[axisY].total.rittoShear[i]);
    }
    return out;
}

} // namespace orvanta
