#pragma once

// Dense symmetric algebra on the global matrix, through Eigen (kept out of this header, so the
// callers see only the arrays of the model). Both operations take the symmetric part of the matrix
// given, (K + Kᵀ)/2, which is K itself for a matrix assembled symmetric.

#include "bounded_array.h"

namespace orvanta {

// F = K⁻¹ of a symmetric positive definite K (1..n × 1..n), by Cholesky factorisation K = L·Lᵀ
// and n solves. K counts as positive definite when the factorisation succeeds and every pivot
// L(i, i)² exceeds 1e-10 times the diagonal term K(i, i) (zero_pivot.h): a matrix that is singular
// in exact arithmetic (a floor held by a mechanism) seldom leaves an exact zero, but rounding
// near 1e-16 of its diagonal. Worked number: K = [[4, 2], [2, 2]] has pivots 4 and 1 and
// F = [[0.5, −0.5], [−0.5, 1]].
struct PositiveDefiniteInverse {
    Array2<double> inverse; // F, 1..n × 1..n; empty when K is not positive definite
    // 0 when K is positive definite; otherwise the first freedom i (1..n) whose pivot is zero or
    // negative, that is whose stiffness is nothing beyond that of freedoms 1..i − 1, or, with
    // notFinite, the first whose row holds a term that is not a finite number.
    int failingFreedom = 0;
    bool notFinite = false;
};

PositiveDefiniteInverse invertPositiveDefinite(const Array2<double>& k);

// The symmetric generalised eigenproblem K·ϕ = λ·D·ϕ with K positive definite and D a positive
// diagonal (1..n), reduced to a standard one with D^(−1/2): A = D^(−1/2)·K·D^(−1/2), A·y = λ·y,
// ϕ = D^(−1/2)·y. The eigenvalues come in increasing order and each ϕ has ϕᵀ·D·ϕ = 1.
// Worked number: K = diag(4, 9), D = diag(1, 4) gives λ = 2.25 with ϕ = (0, 0.5), then λ = 4 with
// ϕ = (1, 0).
struct EigenPairs {
    bool converged = false;
    Array1<double> values; // (1..n) λ, increasing
    Array2<double> shapes; // (pair, freedom): row j is ϕ of the j-th eigenvalue
};

EigenPairs diagonalMassEigenPairs(const Array2<double>& k, const Array1<double>& diagonal);

// The same with a full symmetric positive definite mass matrix M (1..n)², solved as a generalised
// symmetric problem through the Cholesky factor of M; each ϕ has ϕᵀ·M·ϕ = 1. Not converged when M
// is not positive definite.
EigenPairs massEigenPairs(const Array2<double>& k, const Array2<double>& mass);

} // namespace orvanta
