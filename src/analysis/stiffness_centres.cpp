#include "stiffness_centres.h"

#include "normalised_matrix.h"
#include "numbering.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace orvanta {

namespace {

void computeDirection(const Model& m, AnalysisResults& r, Direction d) {
    const int storeys = m.counts.nStoreys;
    const int nodes = static_cast<int>(r.ritStoreys.size());
    RittiResults& out = r[d];
    const int count = out.familyCount;
    const Array3<double>& k = out.ritMatrix;
    const Array1<std::int16_t>& families = out.family;

    out.stiffnessCentre = Array1<double>(1, count);
    out.stiffnessWeight = Array1<double>(1, nodes);
    out.familySize = Array1<std::int16_t>(1, count);
    out.familyMeanMatrix = Array3<double>(1, count, 1, storeys, 1, storeys);

    // The family of a ritto that takes part, or 0.
    const auto member = [&](int i) {
        const int f = families(i);
        const bool counts = r.ritStoreys(i) != 0 && f >= 1 && f <= count && k(i, 1, 1) != 0;
        return counts ? f : 0;
    };

    std::vector<double> stiffness(static_cast<std::size_t>(count) + 1, 0.0);
    for (int i = 1; i <= nodes; ++i) {
        if (const int f = member(i))
            stiffness[static_cast<std::size_t>(f)] += k(i, 1, 1);
    }
    for (int i = 1; i <= nodes; ++i) {
        const int f = member(i);
        const double sum = stiffness[static_cast<std::size_t>(f)];
        if (f == 0 || sum == 0)
            continue;
        const numbering::PlanPoint at = numbering::nodePosition(m, i);
        out.stiffnessWeight(i) = k(i, 1, 1) / sum;
        out.stiffnessCentre(f) += out.stiffnessWeight(i) * (d == Direction::orthogonalToX ? at.x : at.y);
    }

    const std::size_t terms = static_cast<std::size_t>(storeys) * static_cast<std::size_t>(storeys);
    for (int i = 1; i <= nodes; ++i) {
        const int f = member(i);
        if (f == 0)
            continue;
        ++out.familySize(f);
        const double first = k(i, 1, 1);
        const double* from = k.block(i).data();
        double* to = out.familyMeanMatrix.block(f).data();
        for (std::size_t j = 0; j < terms; ++j)
            to[j] += normalisedTerm(from[j], first);
    }
    for (int f = 1; f <= count; ++f) {
        if (out.familySize(f) == 0)
            continue;
        const double members = out.familySize(f);
        for (double& term : out.familyMeanMatrix.block(f))
            term /= members;
    }
}

} // namespace

void computeStiffnessCentres(const Model& m, AnalysisResults& r) {
    for (const Direction d : bothDirections)
        computeDirection(m, r, d);
}

} // namespace orvanta
