#pragma once

// The stiffness criterion of regularity in elevation, NTC 2018 §7.2.1 (e), and the share of the
// base shear that the walls take.
//
// The lateral forces of §7.3.3.2 act at the seismic centres of mass G*_s without eccentricity,
// F_s = Fh·z_s·W_s/Σ z_j·W_j (z from the base level; Fh = 1 N, since only ratios are asked). From
// the storey shear V_s = Σ_{k ≥ s} F_k and the interstorey drift Δ_s of G*_s along the action, the
// storey stiffness is k_s = V_s/Δ_s (N/mm) and the building is regular along that axis when
// 0.70·k_s ≤ k_{s+1} ≤ 1.10·k_s for every pair of adjacent storeys, unless walls carry at least
// 50 % of the base shear along it.
//
// A wall is a column whose longer side is at least 4 times the shorter, or a box section, with the
// same section over the whole height of its node; its share is the storey-1 shear of the node's
// ritto resisting the axis over V_1.
//
// Worked number: a two-storey shear building of equal masses and storey stiffnesses k and 2k/3
// (storey 2 softer) under F = (1/3, 2/3): V = (1, 2/3), Δ = (1/k, 1/k): k_2/k_1 = 2/3 < 0.70, it
// is not regular.

#include "modal_response.h"
#include "model.h"

#include <array>
#include <optional>
#include <vector>

namespace orvanta {

inline constexpr double stiffnessLossLimit = 0.70; // k_{s+1} ≥ 0.70·k_s
inline constexpr double stiffnessGainLimit = 1.10; // k_{s+1} ≤ 1.10·k_s
inline constexpr double wallShareExemption = 0.50;
// k_s comes out of a solution, so a ratio at a limit in exact arithmetic may miss it by rounding;
// the limits are widened by this relative amount, far below any figure an engineer reads.
inline constexpr double stiffnessRoundingTolerance = 1e-9;

// F_s/Fh = z_s·W_s/Σ z_j·W_j of every storey (index 0 = storey 1) from the weights W_s in N.
std::vector<double> lateralForceShape(const Model& model, const std::vector<double>& weights);

// Whether each node (index 0 = node 1) carries a wall as defined above.
std::vector<bool> wallNodes(const Model& model, const AnalysisResults& results);

struct ElevationStiffness {
    // Per axis (axisX, axisY), per storey: k_s = V_s/Δ_s in N/mm, for the unit base shear.
    std::array<std::vector<double>, 2> storeyStiffness;
    // Per axis, per pair of storeys (index 0 = storeys 1 and 2): k_{s+1}/k_s; nothing where k_s is
    // not a positive number (it fails).
    std::array<std::vector<std::optional<double>>, 2> ratio;
    std::array<double, 2> wallShare{0, 0}; // 0..1

    bool exempt(int axis) const;
    bool pairPasses(int axis, std::size_t pair) const;
    bool regular(int axis) const;
};

ElevationStiffness elevationStiffness(const ResponseMap& map, const Array2<double>& flexibility);

} // namespace orvanta
