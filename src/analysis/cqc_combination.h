#pragma once

// The complete quadratic combination (CQC) of modal responses, NTC 2018 §7.3.3.1 (eq. 7.3.3):
//
//   R = √(Σ_i Σ_j ρ_ij·R_i·R_j)
//   ρ_ij = 8ξ²·(1 + β)·β^1.5 / ((1 − β²)² + 4ξ²·β·(1 + β)²),   β = T_j/T_i
//
// with R_i the peak of a response quantity in mode i (any unit, kept by R), T the periods in s
// and ξ the viscous damping ratio (0.05 for concrete). ρ is symmetric in i and j and ρ_ii = 1.
// Worked numbers, ξ = 0.05: β = 1 gives ρ = 16ξ²/16ξ² = 1; β = 0.9 gives
// ρ = 0.02·1.9·0.853815/(0.0361 + 0.01·0.9·3.61) = 0.47303; β = 0.5 gives 0.018486, so two
// modes of 1.0 and 0.5 s with R = 3 and 4 combine to √(9 + 16 + 2·0.018486·12) = 5.0442, close
// to the square root of the sum of squares, 5.

#include <span>
#include <vector>

namespace orvanta {

inline constexpr double concreteDamping = 0.05; // ξ

// ρ_ij of two modes of periods periodI and periodJ (s, positive).
double cqcCorrelation(double periodI, double periodJ, double damping = concreteDamping);

// The correlation of every pair of a set of modes, computed once and used for every quantity.
class CqcCombination {
public:
    CqcCombination() = default;
    explicit CqcCombination(std::span<const double> periods, double damping = concreteDamping);

    int modeCount() const { return count_; }
    // √(Σ Σ ρ_ij·R_i·R_j) of one value per mode, in the order of the periods given.
    double combine(std::span<const double> modal) const;

private:
    int count_ = 0;
    std::vector<double> correlation_; // ρ, row-major count × count
};

} // namespace orvanta
