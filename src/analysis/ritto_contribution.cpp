#include "ritto_contribution.h"

#include "numbering.h"

#include <algorithm>
#include <cmath>

namespace orvanta {

void addRittoContribution(const Model& m, Direction direction, int node, const double* matrix,
                          int n, double sign, Array2<double>& k, std::vector<double>& arms) {
    const int s = m.counts.nStoreys;
    const bool resistsX = direction == Direction::orthogonalToY;
    const numbering::PlanPoint at = numbering::nodePosition(m, node);
    arms.assign(static_cast<std::size_t>(n), 0.0);
    for (int c = 1; c <= n; ++c) {
        const double rho = m.gyrationRadius(c);
        if (rho > 0) {
            arms[static_cast<std::size_t>(c - 1)] =
                resistsX ? (at.y - m.massCentre(c, 2)) / rho : (at.x - m.massCentre(c, 1)) / rho;
        }
    }
    // Kxx or Kyy, and Kxθ (taken with a minus) or Kyθ.
    const int first = resistsX ? 0 : s;
    const double couplingSign = resistsX ? -sign : sign;
    for (int r = 1; r <= n; ++r) {
        const double* row = matrix + static_cast<std::size_t>(r - 1) * static_cast<std::size_t>(s);
        const double armRow = arms[static_cast<std::size_t>(r - 1)];
        double* translation = &k(first + r, first + 1);
        double* coupling = &k(first + r, 2 * s + 1);
        double* rotation = &k(2 * s + r, 2 * s + 1);
        for (int c = 0; c < n; ++c) {
            const double arm = arms[static_cast<std::size_t>(c)];
            translation[c] += sign * row[c];
            coupling[c] += couplingSign * (arm * row[c]);
            rotation[c] += sign * (armRow * arm * row[c]);
        }
    }
}

void mirrorRotationCoupling(Array2<double>& k, int s) {
    for (int row = 2 * s + 1; row <= 3 * s; ++row) {
        for (int c = 1; c <= 2 * s; ++c)
            k(row, c) = k(c, row);
    }
}

double largestMagnitude(std::span<const double> terms) {
    double largest = 0;
    for (const double t : terms)
        largest = std::max(largest, std::fabs(t));
    return largest;
}

} // namespace orvanta
