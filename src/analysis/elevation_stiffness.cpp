#include "elevation_stiffness.h"

#include "element_records.h"
#include "numbering.h"
#include "regularity_geometry.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace orvanta {

namespace {

bool isWallSection(const ColumnSection& section) {
    const double longer = std::max(section.base, section.height);
    const double shorter = std::min(section.base, section.height);
    return section.shape == ColumnShape::box || (shorter > 0 && longer >= 4 * shorter);
}

} // namespace

std::vector<double> lateralForceShape(const Model& m, const std::vector<double>& weights) {
    std::vector<double> shape(weights.size());
    double sum = 0;
    for (std::size_t s = 0; s < weights.size(); ++s) {
        const double z = m.levelZ(static_cast<int>(s) + 2) - m.levelZ(1);
        shape[s] = z * weights[s];
        sum += shape[s];
    }
    for (double& f : shape)
        f = sum > 0 ? f / sum : 0.0;
    return shape;
}

std::vector<bool> wallNodes(const Model& m, const AnalysisResults& results) {
    std::vector<bool> walls;
    for (int node = 1; node <= m.sizes().nodes; ++node) {
        const int top = results.ritStoreys(node);
        const int slot = numbering::columnSlot(m.counts, node);
        bool wall = top >= 1 && isPresent(m, 1, slot) && isWallSection(columnSection(m, 1, slot));
        for (int s = 2; wall && s <= top; ++s)
            wall = isPresent(m, s, slot) && columnSection(m, s, slot) == columnSection(m, 1, slot);
        walls.push_back(wall);
    }
    return walls;
}

bool ElevationStiffness::exempt(int axis) const {
    return wallShare[static_cast<std::size_t>(axis)] >= wallShareExemption;
}

bool ElevationStiffness::pairPasses(int axis, std::size_t pair) const {
    const std::optional<double>& r = ratio[static_cast<std::size_t>(axis)][pair];
    return r && *r >= stiffnessLossLimit * (1 - stiffnessRoundingTolerance) &&
           *r <= stiffnessGainLimit * (1 + stiffnessRoundingTolerance);
}

bool ElevationStiffness::regular(int axis) const {
    if (exempt(axis))
        return true;
    for (std::size_t pair = 0; pair < ratio[static_cast<std::size_t>(axis)].size(); ++pair) {
        if (!pairPasses(axis, pair))
            return false;
    }
    return true;
}

ElevationStiffness elevationStiffness(const ResponseMap& map, const Array2<double>& flexibility) {
    const Model& m = map.model();
    const std::vector<double> forces = lateralForceShape(m, storeyWeights(map.masses()));
    const std::vector<bool> walls = wallNodes(m, map.results());
    ElevationStiffness out;
    for (const int axis : {axisX, axisY}) {
        const auto a = static_cast<std::size_t>(axis);
        const ResponseValues r = map.of(staticDisplacement(
            flexibility, map.modulus(), forcesAtSeismicCentres(map, axis, forces, {})));
        const std::vector<double>& shear = axis == axisX ? r.shearX : r.shearY;
        const std::vector<double>& drift = axis == axisX ? r.driftX : r.driftY;
        for (std::size_t s = 0; s < shear.size(); ++s)
            out.storeyStiffness[a].push_back(drift[s] != 0 ? shear[s] / drift[s] : 0.0);
        for (std::size_t s = 0; s + 1 < shear.size(); ++s) {
            const double below = out.storeyStiffness[a][s];
            const double above = out.storeyStiffness[a][s + 1];
            out.ratio[a].push_back(below > 0 && std::isfinite(below) && std::isfinite(above)
                                       ? std::optional(above / below)
                                       : std::nullopt);
        }
        const auto& ritti = r.rittoShear[rittiIndex(axis == axisX ? Direction::orthogonalToY
                                                                  : Direction::orthogonalToX)];
        double wallShear = 0;
        for (std::size_t i = 0; i < ritti.size(); ++i) {
            if (walls[i])
                wallShear += ritti[i][0];
        }
        out.wallShare[a] = shear.empty() || shear[0] == 0 ? 0.0 : wallShear / shear[0];
    }
    return out;
}

} // namespace orvanta
