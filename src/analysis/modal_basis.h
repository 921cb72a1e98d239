#pragma once

// The modes of the building for the modal response-spectrum analysis (NTC 2018 §7.3.3.1): all
// 3·nStoreys modes of the rigid-floor model, each normalised to the mass matrix, with its
// participation in the two plan directions.
//
// Freedoms are those of the global matrix (global_stiffness.h): u_s, v_s at the stored centre of
// mass (xG_s, yG_s) and φ_s = ρ_s·θ_s, in mm. The seismic mass of storey s, m = W_s/g (N·s²/mm),
// lies at G*_s = (x*_s, y*_s) with the polar moment m·ls² about G*_s (seismic_masses.h). With
// dx = x* − xG and dy = y* − yG, G* moves by u − dy·θ along X and v + dx·θ along Y, so the
// kinetic energy ½m·((u − dy·θ)² + (v + dx·θ)²) + ½m·ls²·θ² gives, per storey, with θ = φ/ρ:
//
//   M_uu = m     M_vv = m     M_uφ = −m·dy/ρ     M_vφ = m·dx/ρ     M_φφ = m·(ls² + dx² + dy²)/ρ²
//
// (N·s²/mm), which is diag(m, m, m) when G* is the stored centre and ls = ρ. The modes solve
// E·K·Φ = ω²·M·Φ with Φᵀ·M·Φ = 1 (K per unit E in mm, E in N/mm², ω in rad/s, T = 2π/ω in s).
// For a direction d with influence vector r_d (1 on every translation along d), the participation
// factor is Γ = Φᵀ·M·r_d (N·s²/mm)^½ and the participating mass ratio Γ²/Σm; over all modes the
// ratios add up to 1.
//
// Worked number: one storey of m = 100 N·s²/mm at the centre, ls = ρ, K/E = diag(4, 9, 16) mm,
// E = 28 500 N/mm²: the first mode is u alone with Φ = 1/√100 = 0.1, ω² = 28 500·4/100 = 1140,
// T = 0.1861 s, Γ_X = 100·0.1 = 10 and a mass ratio of 10²/100 = 1.

#include "bounded_array.h"
#include "model.h"
#include "seismic_masses.h"

#include <optional>
#include <vector>

namespace orvanta {

// The mass matrix (1..3·nStoreys)² above, from the storeys' seismic masses and the stored
// centres of mass and radii of gyration of the global matrix.
Array2<double> seismicMassMatrix(const Model& model, const std::vector<StoreySeismicMass>& masses);

struct ModalShape {
    double angularFrequency = 0; // ω, rad/s
    double period = 0;           // T, s
    // Φ, 3·nStoreys values: u of storeys 1..n, v of 1..n, φ = ρ·θ of 1..n (index 0 = u_1).
    std::vector<double> shape;
    double participationX = 0; // Γ_X = Φᵀ·M·r_X
    double participationY = 0; // Γ_Y
    double massRatioX = 0;     // Γ_X²/Σm, 0..1
    double massRatioY = 0;
};

struct ModalBasis {
    std::vector<ModalShape> modes; // longest period first
    double totalMass = 0;          // Σ m_s, N·s²/mm

    std::vector<double> periods() const;
};

// The modes of E·K·Φ = ω²·M·Φ with K the symmetric part of the global matrix per unit E and M
// positive definite; nothing when the eigensolver fails or a frequency is not positive.
std::optional<ModalBasis> modalBasis(const Array2<double>& globalStiffness,
                                     const Array2<double>& massMatrix, double modulus);

} // namespace orvanta
