#pragma once

#include <cmath>

namespace orvanta {

// A pivot counts as zero when its magnitude is at most 1e-10 times the diagonal term of its
// degree of freedom before elimination began. A singular block rarely leaves an exact zero:
// rounding leaves something near 1e-17 of the diagonal, which an exact test would take as a
// pivot, and the garbage would reach the results. Negative pivots pass.
inline constexpr double zeroPivotTolerance = 1e-10;

inline bool isZeroPivot(double pivot, double diagonalBefore) {
    return std::fabs(pivot) <= zeroPivotTolerance * std::fabs(diagonalBefore);
}

} // namespace orvanta
