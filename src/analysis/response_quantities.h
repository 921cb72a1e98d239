#pragma once

// What a displacement of the building's floors means for the engineer: the displacements and
// drifts of the centres of mass and of every ritto, the storey forces and shears and the shear
// each ritto takes. The map is linear, so it serves the lateral forces, each mode of the modal
// analysis (before the modes are combined) and the accidental torques alike.
//
// d holds the freedoms of the global matrix (global_stiffness.h): u_s, v_s at the stored centre of
// mass (xG_s, yG_s) and φ_s = ρ_s·θ_s, in mm (index 0 = u_1, n = v_1, 2n = φ_1). With E in N/mm²
// and K per unit E in mm:
//   θ_s = φ_s/ρ_s (rad, counter-clockwise);
//   the seismic centre of mass G*_s moves by u_s − (y*_s − yG_s)·θ_s and v_s + (x*_s − xG_s)·θ_s;
//   a ritto orthogonal to Y at ordinate y by δ = u_s − (y − yG_s)·θ_s along X, one orthogonal to X
//   at abscissa x by δ = v_s + (x − xG_s)·θ_s along Y; its drift is δ_s − δ_{s−1} (δ_0 = 0);
//   the ritto's forces E·K_r·δ_r (N) over its storeys, its shear V_r,s = Σ_{k ≥ s} of them;
//   the storey forces f = E·K·d: F_x,s = f(u_s), F_y,s = f(v_s), the torque f(φ_s)·ρ_s (N·mm);
//   the storey shears V_s = Σ_{k ≥ s} F_k along each axis.
// Worked number: one storey, one ritto of K_r/E = 2 mm orthogonal to Y at y = yG + 1000, E = 30 000
// N/mm², d = (u = 1 mm, v = 0, θ = 0.001 rad): δ = 1 − 1000·0.001 = 0, so the ritto takes no shear.

#include "analysis_results.h"
#include "model.h"
#include "seismic_masses.h"

#include <array>
#include <vector>

namespace orvanta {

// Index of the two sets of ritti in the pairs below: 0 orthogonal to X (resisting Y), 1
// orthogonal to Y (resisting X), the order of bothDirections.
inline std::size_t rittiIndex(Direction d) {
    return d == Direction::orthogonalToX ? 0 : 1;
}

// W_s of every storey (index 0 = storey 1), N.
std::vector<double> storeyWeights(const std::vector<StoreySeismicMass>& masses);

struct ResponseValues {
    // Per storey (index 0 = storey 1).
    std::vector<double> u, v, theta;    // at the stored centre of mass: mm, mm, rad
    std::vector<double> driftX, driftY; // interstorey drift of G*, mm
    std::vector<double> forceX, forceY; // storey forces, N
    std::vector<double> torque;         // N·mm
    std::vector<double> shearX, shearY; // storey shears, N
    // Per set of ritti (rittiIndex), per ritto (index 0 = node 1), per storey (0 above its top).
    std::array<std::vector<std::vector<double>>, 2> rittoDrift; // mm
    std::array<std::vector<std::vector<double>>, 2> rittoShear; // N

    // Every value in one fixed order, and back, so that a combination can treat them alike.
    std::vector<double> flatten() const;
    void assign(const std::vector<double>& flat);
};

class ResponseMap {
public:
    ResponseMap(const Model& model, const AnalysisResults& results,
                std::vector<StoreySeismicMass> masses, double modulus);

    ResponseValues of(const std::vector<double>& displacement) const;
    double modulus() const { return modulus_; }
    const Model& model() const { return model_; }
    const AnalysisResults& results() const { return results_; }
    const std::vector<StoreySeismicMass>& masses() const { return masses_; }

private:
    void addRitti(Direction d, const std::vector<double>& displacement, ResponseValues& r) const;

    const Model& model_;
    const AnalysisResults& results_;
    std::vector<StoreySeismicMass> masses_;
    double modulus_;
};

} // namespace orvanta
