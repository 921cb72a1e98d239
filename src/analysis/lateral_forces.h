#pragma once

// The lateral forces of the static analysis, NTC 2018 §7.3.3.2, with the accidental eccentricity
// of §7.2.6, as generalised forces on the freedoms of the global matrix.
//
//   T1 = period of the mode with the largest participating mass ratio along the action
//   λ  = 0.85 when T1 < 2·TC and the building has at least 3 storeys, else 1.0
//   Fh = S(T1)·W·λ           N, with S in g (Sd at SLV, Se at SLO and SLD) and W = Σ W_s in N
//   F_s = Fh·z_s·W_s / Σ z_j·W_j      z_s the height of floor s above the base level, mm
//   e_s = 0.05·L_s           L_s the extent, across the action, of the nodes with a column at s
//
// The freedoms of storey s are u_s, v_s and φ_s = ρ_s·θ_s, measured at the stored centre of mass
// (xG_s, yG_s) with ρ_s its radius of gyration (global_stiffness.h); θ is counter-clockwise. A
// force F_s at the seismic centre of mass (x*_s, y*_s) with the torque ±F_s·e_s is, on them:
//   along X:  F_s on u_s,  −(y*_s − yG_s)·F_s/ρ_s ± F_s·e_s/ρ_s on φ_s
//   along Y:  F_s on v_s,  +(x*_s − xG_s)·F_s/ρ_s ± F_s·e_s/ρ_s on φ_s
//
// Worked number: two storeys of W = 1000 kN at z = 3000 and 6000 mm share Fh as 1/3 and 2/3.

#include "bounded_array.h"
#include "model.h"
#include "seismic_masses.h"
#include "seismic_results.h"

#include <array>
#include <vector>

namespace orvanta {

enum class ActionAxis { X, Y };

// One of the four placements of the action: along X or Y, with the accidental torque + or −.
struct ActionCase {
    ActionAxis axis = ActionAxis::X;
    int sign = 1;
    bool operator==(const ActionCase&) const = default;
};
inline constexpr std::array<ActionCase, 4> allActionCases = {
    ActionCase{ActionAxis::X, 1}, ActionCase{ActionAxis::X, -1}, ActionCase{ActionAxis::Y, 1},
    ActionCase{ActionAxis::Y, -1}};
inline std::size_t caseIndex(ActionCase c) {
    return (c.axis == ActionAxis::X ? 0 : 2) + (c.sign > 0 ? 0 : 1);
}
inline std::size_t axisIndex(ActionAxis axis) {
    return axis == ActionAxis::X ? 0 : 1;
}
const char* actionCaseName(ActionCase c); // "X+", "X-", "Y+", "Y-"
const char* axisName(ActionAxis axis);    // "X", "Y"

// The index (1-based) of the mode with the largest mass ratio along the axis; 0 without modes.
int fundamentalMode(const Array1<VibrationMode>& modes, ActionAxis axis);

// λ of §7.3.3.2 for the period T1 and the corner period TC of the limit state, s.
double lambdaFactor(double period, double tc, int storeys);

// z_s·W_s / Σ z_j·W_j of every storey (1..nStoreys), z_s = levelZ(s + 1) − levelZ(1); all zero
// when the sum is not positive.
Array1<double> heightDistribution(const std::vector<StoreySeismicMass>& masses,
                                  const Array1<double>& levelZ);

// e_s = 0.05·L_s of every storey, mm: for the action along X, L_s is the extent along Y of the
// nodes (grid and extra) with a column at storey s, and the other way round.
Array1<double> accidentalEccentricity(const Model& model, ActionAxis axis);

// The 3·nStoreys generalised forces of the case (N on u and v, N on φ) for the storey forces
// F_s (N) and eccentricities e_s (mm) along the case's axis.
Array1<double> generalisedForces(const Model& model, const std::vector<StoreySeismicMass>& masses,
                                 const Array1<double>& storeyForces,
                                 const Array1<double>& eccentricity, ActionCase action);

} // namespace orvanta
