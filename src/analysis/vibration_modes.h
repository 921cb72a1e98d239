#pragma once

// Vibration modes of the building on its global matrix.
//
// Each floor is a rigid diaphragm with the mass of its storey load, m_s = W_s/g (N·s²/mm, with
// W_s in N from storey_loads.h and g = 9810 mm/s²), on all three of its freedoms: φ = ρ·θ makes
// the rotational inertia m·ρ² the mass m on φ. With E = 5700·√Rck N/mm² (Rck the concrete class)
// and K the global matrix per unit E (mm), the modes solve E·K·ϕ = ω²·M·ϕ, M = diag(m, m, m),
// with ω in rad/s; the period is T = 2π/ω in s, the longest first.
//
// Worked number: one storey of W = 981 000 N (m = 100 N·s²/mm) on K/E = 4 mm along X, Rck 25
// (E = 28 500 N/mm²): ω = √(28 500·4/100) = 33.76 rad/s, T = 2π/ω = 0.186 s.
//
// For each mode, ϕ normalised so that ϕᵀ·M·ϕ = 1 and the participation Γ = ϕᵀ·M·r, the effective
// mass ratio is Γ²/(rᵀ·M·r): in X with r = 1 on every u (over Σ m), in Y with r = 1 on every v,
// in rotation with r = ρ_s on every φ_s, a unit rotation of every floor (over Σ m·ρ²). Each ratio
// adds up to 1 over all modes. The rotational share of the kinetic energy is
// Σ m·φ² / Σ m·(u² + v² + φ²).

#include "bounded_array.h"
#include "concrete.h"
#include "model.h"
#include "seismic_results.h"

#include <optional>

namespace orvanta {

inline constexpr double gravity = 9810; // g, mm/s²

// E = 5700·√Rck in N/mm², Rck in N/mm²: Rck 30 gives 31 220 N/mm².
double youngModulus(double concreteClass);

// m_s = W_s/g of every storey, N·s²/mm.
Array1<double> storeyMasses(const Model& model);

// The 3·nStoreys modes, longest period first, from the global matrix per unit E (positive
// definite), positive storey masses, the radii of gyration and E in N/mm². Nothing when the
// eigensolver does not converge or leaves a frequency that is not positive.
std::optional<Array1<VibrationMode>> vibrationModes(const Array2<double>& globalStiffness,
                                                    const Array1<double>& storeyMass,
                                                    const Array1<double>& gyrationRadius,
                                                    double youngModulus);

} // namespace orvanta
