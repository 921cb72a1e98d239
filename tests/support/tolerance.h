#pragma once

// The tolerance of the engine's comparisons: two matrices agree when every term differs by at
// most 1e-10 of the largest term of the matrix (the relative error in the max norm). A term that
// is zero in exact arithmetic, such as the lateral stiffness of a floor that only a mechanism
// holds, comes out of either elimination as rounding noise near 1e-16 of the matrix; it is not
// asked to carry digits it does not have.

#include "bounded_array.h"

#include <algorithm>
#include <cmath>
#include <sstream>
#include <string>

namespace orvanta::testing {

inline constexpr double engineTolerance = 1e-10;

namespace detail {

template <class Expected, class Actual>
std::string firstDisagreement(int rows, int columns, Expected expected, Actual actual,
                              const std::string& name) {
    double largest = 0;
    for (int r = 1; r <= rows; ++r) {
        for (int c = 1; c <= columns; ++c)
            largest = std::max(largest, std::fabs(expected(r, c)));
    }
    for (int r = 1; r <= rows; ++r) {
        for (int c = 1; c <= columns; ++c) {
            const double e = expected(r, c);
            const double a = actual(r, c);
            if (!(std::fabs(e - a) <= engineTolerance * largest)) {
                std::ostringstream out;
                out.precision(17);
                out << name << " (" << r << ", " << c << "): expected " << e << ", got " << a
                    << ", largest term " << largest;
                return out.str();
            }
        }
    }
    return {};
}

} // namespace detail

// Where matrix `item` of two arrays (item, r, c) disagrees, described; empty when it agrees.
inline std::string firstDisagreement(const Array3<double>& expected, const Array3<double>& actual,
                                     int item) {
    return detail::firstDisagreement(
        expected.upper(2), expected.upper(3), [&](int r, int c) { return expected(item, r, c); },
        [&](int r, int c) { return actual(item, r, c); }, "item " + std::to_string(item));
}

inline std::string firstDisagreement(const Array2<double>& expected, const Array2<double>& actual) {
    return detail::firstDisagreement(
        expected.upper(1), expected.upper(2), [&](int r, int c) { return expected(r, c); },
        [&](int r, int c) { return actual(r, c); }, "term");
}

} // namespace orvanta::testing
