#pragma once

// Vibration modes of the building on its global matrix.
//
// Each floor is a rigid diaphragm carrying its seismic mass (seismic_masses.h): m = W/g
// (N·s²/mm, W in N, g = 9810 mm/s²) at its centre of mass G* = (x*, y*), and the rotational
// inertia m·ls² about G*. The global matrix is written in other freedoms: per storey the
// translations u, v of the stored centre C = (xC, yC) of the load distribution and φ = ρ·θ, the
// rotation θ about C scaled by the stored radius ρ (global_stiffness.h). The mass matrix follows
// from the kinetic energy in those freedoms. With d = (dx, dy) = G* − C, a rotation θ about C
// moves G* by (−dy·θ, dx·θ), so
//   uG = u − (dy/ρ)·φ,   vG = v + (dx/ρ)·φ,   θ = φ/ρ
//   2T = m·(uG² + vG²) + m·ls²·θ²
// and, per storey, the 3 × 3 block on (u, v, φ):
//   M_uu = m     M_uφ = −m·dy/ρ
//   M_vv = m     M_vφ =  m·dx/ρ
//   M_φφ = m·(ls² + dx² + dy²)/ρ²
// (M_uv = 0; storeys are not coupled). When G* = C and ls = ρ this is m on every freedom.
//
// With E in N/mm² (Ecm of the concrete times the cracked factor, concrete.h) and K the global
// matrix per unit E (mm), the modes solve E·K·ϕ = ω²·M·ϕ, ω in rad/s; T = 2π/ω in s, the longest
// first.
//
// Worked numbers: one storey of W = 981 000 N (m = 100 N·s²/mm) on K/E = 4 mm along X with
// E = 28 500 N/mm²: ω = √(28 500·4/100) = 33.76 rad/s, T = 0.186 s. A mass 1000 mm beyond C
// along X (dx = 1000, dy = 0) with ρ = 2000: M_vφ = 100·1000/2000 = 50.
//
// For each mode, ϕ normalised so that ϕᵀ·M·ϕ = 1 and the participation Γ = ϕᵀ·M·r, the effective
// mass ratio is Γ²/(rᵀ·M·r): in X with r a unit translation along X of every floor (u = 1, over
// Σ m), in Y likewise, in rotation with r a unit rotation of every floor about its G*
// (u = dy, v = −dx, φ = ρ; over Σ m·ls²). Each ratio adds up to 1 over all modes. The rotational
// share of the kinetic energy is Σ m·ls²·θ² / Σ [m·(uG² + vG²) + m·ls²·θ²].

#include "bounded_array.h"
#include "concrete.h"
#include "model.h"
#include "seismic_masses.h"
#include "seismic_results.h"

#include <optional>
#include <vector>

namespace orvanta {

// Where the global matrix measures each storey's freedoms: the stored centre C and radius ρ.
struct FloorFrame {
    double centreX = 0;
    double centreY = 0;
    double radius = 0; // ρ, mm
};

// The frame of every storey (index 0 = storey 1) from massCentre and gyrationRadius.
std::vector<FloorFrame> floorFrames(const Model& model);

// m_s = W_s/g of every storey, N·s²/mm.
Array1<double> storeyMasses(const std::vector<StoreySeismicMass>& masses);

// The mass matrix (1..3·nStoreys)² in the freedoms of the global matrix, as derived above.
Array2<double> floorMassMatrix(const std::vector<StoreySeismicMass>& masses,
                               const std::vector<FloorFrame>& frames);

// The 3·nStoreys modes, longest period first, from the global matrix per unit E (positive
// definite), the seismic masses (each with a positive mass and a positive ls), the frames and E
// in N/mm². Nothing when the eigensolver does not converge or leaves a frequency that is not
// positive.
std::optional<Array1<VibrationMode>> vibrationModes(const Array2<double>& globalStiffness,
                                                    const std::vector<StoreySeismicMass>& masses,
                                                    const std::vector<FloorFrame>& frames,
                                                    double youngModulus);

} // namespace orvanta
