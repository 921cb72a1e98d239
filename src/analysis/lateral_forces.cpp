#include "lateral_forces.h"

#include "numbering.h"

#include <algorithm>
#include <limits>

namespace orvanta {

const char* actionCaseName(ActionCase c) {
    static constexpr const char* names[] = {"X+", "X-", "Y+", "Y-"};
    return names[caseIndex(c)];
}

const char* axisName(ActionAxis axis) {
    return axis == ActionAxis::X ? "X" : "Y";
}

int fundamentalMode(const Array1<VibrationMode>& modes, ActionAxis axis) {
    int best = 0;
    double largest = -1;
    for (int j = modes.lower(); j <= modes.upper(); ++j) {
        const double ratio = axis == ActionAxis::X ? modes(j).massRatioX : modes(j).massRatioY;
        if (ratio > largest) {
            largest = ratio;
            best = j;
        }
    }
    return best;
}

double lambdaFactor(double period, double tc, int storeys) {
    return period < 2 * tc && storeys >= 3 ? 0.85 : 1.0;
}

Array1<double> heightDistribution(const std::vector<StoreySeismicMass>& masses,
                                  const Array1<double>& levelZ) {
    const int storeys = static_cast<int>(masses.size());
    Array1<double> share(1, storeys);
    double sum = 0;
    for (int s = 1; s <= storeys; ++s) {
        share(s) = (levelZ(s + 1) - levelZ(1)) * masses[static_cast<std::size_t>(s - 1)].weight;
        sum += share(s);
    }
    for (double& value : share.values())
        value = sum > 0 ? value / sum : 0;
    return share;
}

Array1<double> accidentalEccentricity(const Model& m, ActionAxis axis) {
    const int storeys = m.counts.nStoreys;
    const int nodes = m.counts.nX * m.counts.nY + m.counts.nExtra;
    Array1<double> eccentricity(1, storeys);
    for (int s = 1; s <= storeys; ++s) {
        double lowest = std::numeric_limits<double>::infinity();
        double highest = -lowest;
        for (int n = 1; n <= nodes; ++n) {
            if (m.members(s, numbering::columnSlot(m.counts, n), member::present) != 1)
                continue;
            const numbering::PlanPoint p = numbering::nodePosition(m, n);
            const double across = axis == ActionAxis::X ? p.y : p.x;
            lowest = std::min(lowest, across);
            highest = std::max(highest, across);
        }
        eccentricity(s) = highest >= lowest ? 0.05 * (highest - lowest) : 0;
    }
    return eccentricity;
}

Array1<double> generalisedForces(const Model& m, const std::vector<StoreySeismicMass>& masses,
                                 const Array1<double>& storeyForces,
                                 const Array1<double>& eccentricity, ActionCase action) {
    const int storeys = m.counts.nStoreys;
    Array1<double> f(1, 3 * storeys);
    for (int s = 1; s <= storeys; ++s) {
        const StoreySeismicMass& mass = masses[static_cast<std::size_t>(s - 1)];
        const double force = storeyForces(s);
        const double rho = m.gyrationRadius(s);
        const double torque = action.sign * force * eccentricity(s);
        if (action.axis == ActionAxis::X) {
            f(s) = force;
            f(2 * storeys + s) = (-(mass.centreY - m.massCentre(s, 2)) * force + torque) / rho;
        } else {
            f(storeys + s) = force;
            f(2 * storeys + s) = ((mass.centreX - m.massCentre(s, 1)) * force + torque) / rho;
        }
    }
    return f;
}

} // namespace orvanta
