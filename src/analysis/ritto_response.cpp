#include "ritto_response.h"

#include "numbering.h"

#include <algorithm>
#include <cmath>

namespace orvanta {

FloorMotion floorMotion(const Model& m, const Array2<double>& flexibility,
                        const Array1<double>& forces, double youngModulus) {
    const int storeys = m.counts.nStoreys;
    const int n = 3 * storeys;
    Array1<double> d(1, n);
    for (int i = 1; i <= n; ++i) {
        double sum = 0;
        for (int j = 1; j <= n; ++j)
            sum += flexibility(i, j) * forces(j);
        d(i) = sum / youngModulus;
    }
    FloorMotion motion{Array1<double>(1, storeys), Array1<double>(1, storeys),
                       Array1<double>(1, storeys)};
    for (int s = 1; s <= storeys; ++s) {
        motion.u(s) = d(s);
        motion.v(s) = d(storeys + s);
        motion.rotation(s) = d(2 * storeys + s) / m.gyrationRadius(s);
    }
    return motion;
}

double pointDisplacementX(const Model& m, const FloorMotion& motion, int storey, double y) {
    return motion.u(storey) - (y - m.massCentre(storey, 2)) * motion.rotation(storey);
}

double pointDisplacementY(const Model& m, const FloorMotion& motion, int storey, double x) {
    return motion.v(storey) + (x - m.massCentre(storey, 1)) * motion.rotation(storey);
}

Array1<double> rittoDisplacements(const Model& m, const AnalysisResults& results,
                                  const FloorMotion& motion, Direction set, int node) {
    const int top = results.ritStoreys(node);
    const numbering::PlanPoint p = numbering::nodePosition(m, node);
    Array1<double> delta(1, top);
    for (int s = 1; s <= top; ++s) {
        delta(s) = set == Direction::orthogonalToY ? pointDisplacementX(m, motion, s, p.y)
                                                   : pointDisplacementY(m, motion, s, p.x);
    }
    return delta;
}

RittoShears rittoShears(const Model& m, const AnalysisResults& results, const FloorMotion& motion,
                        double youngModulus) {
    const int storeys = m.counts.nStoreys;
    const int nodes = results.ritStoreys.upper();
    RittoShears shears{Array2<double>(1, nodes, 1, storeys), Array2<double>(1, nodes, 1, storeys)};
    for (const Direction set : bothDirections) {
        const Array3<double>& k = results[set].ritMatrix;
        Array2<double>& out = shears[set];
        for (int i = 1; i <= nodes; ++i) {
            const int top = results.ritStoreys(i);
            if (top <= 0)
                continue;
            const Array1<double> delta = rittoDisplacements(m, results, motion, set, i);
            double above = 0;
            for (int r = top; r >= 1; --r) {
                double force = 0;
                for (int c = 1; c <= top; ++c)
                    force += k(i, r, c) * delta(c);
                above += youngModulus * force;
                out(i, r) = above;
            }
        }
    }
    return shears;
}

Array2<double> floorForcesFromShears(const Array2<double>& shears) {
    Array2<double> forces = shears;
    const int top = shears.upper(2);
    for (int i = shears.lower(1); i <= shears.upper(1); ++i) {
        for (int s = 1; s < top; ++s)
            forces(i, s) = shears(i, s) - shears(i, s + 1);
    }
    return forces;
}

Array1<double> storeyShears(const Array1<double>& storeyForces) {
    Array1<double> shear = storeyForces;
    for (int s = storeyForces.upper() - 1; s >= storeyForces.lower(); --s)
        shear(s) += shear(s + 1);
    return shear;
}

RittoShears combinedShears(const std::array<RittoShears, 4>& cases) {
    RittoShears envelope = cases[0];
    for (const Direction set : bothDirections) {
        Array2<double>& out = envelope[set];
        for (int i = out.lower(1); i <= out.upper(1); ++i) {
            for (int s = out.lower(2); s <= out.upper(2); ++s) {
                double largest = 0;
                for (int x = 0; x < 2; ++x) {
                    for (int y = 2; y < 4; ++y) {
                        const double vx = std::abs(cases[static_cast<std::size_t>(x)][set](i, s));
                        const double vy = std::abs(cases[static_cast<std::size_t>(y)][set](i, s));
                        largest = std::max({largest, vx + 0.3 * vy, 0.3 * vx + vy});
                    }
                }
                out(i, s) = largest;
            }
        }
    }
    return envelope;
}

} // namespace orvanta
