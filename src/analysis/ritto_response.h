#pragma once

// What the floors and each ritto do under a set of generalised forces f on the global matrix.
//
//   (E·K)·d = f      d = F·f/E with F = K⁻¹ (K per unit E in mm, E in N/mm², f in N, d in mm)
//   θ_s = φ_s/ρ_s    the floor's rotation, rad, counter-clockwise
//
// A ritto moves with the floor in its own plane (the conventions of global_stiffness.h):
//   orthogonal to Y, at ordinate y:   δ_s = u_s − (y − yG_s)·θ_s   (along X)
//   orthogonal to X, at abscissa x:   δ_s = v_s + (x − xG_s)·θ_s   (along Y)
// Its floor forces are E·K_r·δ (N, K_r its condensed matrix per unit E), its storey shear
// V_r,s = Σ_{k ≥ s} of them and its share of the storey shear V_r,s/V_s.
//
// The directional combination of §7.3.5 for a ritto's shear: the largest, over the signs of the
// accidental torque of both actions, of max(|V(X)| + 0.3·|V(Y)|, 0.3·|V(X)| + |V(Y)|).
//
// Worked number: one storey on three ritti orthogonal to Y of 10, 20 and 10 mm (per unit E) and
// F = 40 kN along X at their centre: u = 40 000/(E·40), the middle ritto takes half.

#include "analysis_results.h"
#include "bounded_array.h"
#include "model.h"

#include <array>

namespace orvanta {

// Displacements of the floors (1..nStoreys) at their stored centres of mass.
struct FloorMotion {
    Array1<double> u;        // along X, mm
    Array1<double> v;        // along Y, mm
    Array1<double> rotation; // θ, rad
    bool operator==(const FloorMotion&) const = default;
};

// d = F·f/E, with F the inverse of the global matrix per unit E.
FloorMotion floorMotion(const Model& model, const Array2<double>& flexibility,
                        const Array1<double>& forces, double youngModulus);

// Displacement (mm) of a floor point (x, y) along X or Y.
double pointDisplacementX(const Model& model, const FloorMotion& motion, int storey, double y);
double pointDisplacementY(const Model& model, const FloorMotion& motion, int storey, double x);

// δ of ritto `node` of the set at storeys 1..ritStoreys(node), mm.
Array1<double> rittoDisplacements(const Model& model, const AnalysisResults& results,
                                  const FloorMotion& motion, Direction set, int node);

// Storey shears of every ritto of both sets: (ritto 1..nodes, storey 1..nStoreys) in N, 0 above
// each ritto's top.
struct RittoShears {
    Array2<double> orthogonalToX; // along Y
    Array2<double> orthogonalToY; // along X
    const Array2<double>& operator[](Direction d) const {
        return d == Direction::orthogonalToX ? orthogonalToX : orthogonalToY;
    }
    Array2<double>& operator[](Direction d) {
        return d == Direction::orthogonalToX ? orthogonalToX : orthogonalToY;
    }
    bool operator==(const RittoShears&) const = default;
};

RittoShears rittoShears(const Model& model, const AnalysisResults& results,
                        const FloorMotion& motion, double youngModulus);

// The ritto floor forces that make up the shears: f_s = V_s − V_s+1.
Array2<double> floorForcesFromShears(const Array2<double>& shears);

// V_s = Σ_{k ≥ s} F_k.
Array1<double> storeyShears(const Array1<double>& storeyForces);

// §7.3.5 envelope of the shears of the four cases (X+, X−, Y+, Y−, by caseIndex).
RittoShears combinedShears(const std::array<RittoShears, 4>& cases);

} // namespace orvanta
