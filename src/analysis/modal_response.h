#pragma once

// The modal response-spectrum analysis of NTC 2018 §7.3.3.1 for one direction of the action and
// one limit state.
//
// Mode j (modal_basis.h) responds to the action along d with the peak displacement vector
//   d_j = Γ_j·Sa(T_j)·g/ω_j²·Φ_j      (mm; Sa in g, g = 9810 mm/s², ω in rad/s)
// where Sa is the design spectrum Sd at SLV and the elastic Se at SLD and SLO. Every response
// quantity of response_quantities.h is computed from each d_j and the modes are combined by CQC
// (cqc_combination.h). The accidental eccentricity (§7.2.6) enters as the torques F_s·e_s of the
// lateral forces of the same direction and limit state, applied statically: d_t = (E·K)⁻¹·f_t with
// F_s·e_s/ρ_s on φ_s; their effects are added to the combined values in absolute value, so the
// results with the torque's two signs are equal.
//
// Worked number: one storey, m = 100 N·s²/mm, K/E = 4 mm along X, E = 28 500 N/mm²: ω² = 1140,
// Φ = 0.1, Γ = 10; with Sa = 0.2 g, d = 10·0.2·9810/1140·0.1 = 1.7211 mm, and the storey force
// E·K·d = 114 000·1.7211 = 196 200 N = Sa·W with W = 981 000 N, as the lateral forces give.

#include "bounded_array.h"
#include "cqc_combination.h"
#include "modal_basis.h"
#include "response_quantities.h"

#include <functional>
#include <vector>

namespace orvanta {

// The spectral acceleration of a period: Sa(T) in g, T in s.
using Spectrum = std::function<double(double)>;

// d_j for the action along axisX or axisY (regularity_geometry.h) with Sa = Sa(T_j), mm.
std::vector<double> modalDisplacement(const ModalShape& mode, int axis, double acceleration);

// d = (E·K)⁻¹·f from the flexibility F = K⁻¹ (per unit E, symmetric_algebra.h), f in N.
std::vector<double> staticDisplacement(const Array2<double>& flexibility, double modulus,
                                       const std::vector<double>& force);

// The generalised forces of storey forces F_s (N) along an axis acting at the seismic centres of
// mass G*_s, with the torques T_s (N·mm) about the vertical: F_s on u_s (or v_s) and, on φ_s,
// (−(y* − yG)·F_s along X or +(x* − xG)·F_s along Y, + T_s)/ρ_s.
std::vector<double> forcesAtSeismicCentres(const ResponseMap& map, int axis,
                                           const std::vector<double>& storeyForces,
                                           const std::vector<double>& torques);

struct ModalDirectionResponse {
    std::vector<ResponseValues> perMode; // each mode's peak contribution, signed, longest first
    ResponseValues combined;             // CQC of the modes
    ResponseValues torqueEffect;         // the accidental torques' effects, signed
    ResponseValues total;                // CQC + |torque effect|
};

// accidentalTorque: F_s·e_s per storey (N·mm, index 0 = storey 1); empty for none.
ModalDirectionResponse modalResponse(const ResponseMap& map, const Array2<double>& flexibility,
                                     const ModalBasis& basis, const CqcCombination& cqc, int axis,
                                     const Spectrum& spectrum,
                                     const std::vector<double>& accidentalTorque);

} // namespace orvanta
