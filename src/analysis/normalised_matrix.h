#pragma once

namespace orvanta {

// A term of a ritto's matrix normalised so that its term (1, 1) is 1000: 1000·(K(r, c)/K(1, 1)).
// The division comes first, so term (1, 1) is exactly 1000 and two proportional matrices give
// exactly the same terms where the ratio is exact: the ties of the family assignment rely on it.
inline double normalisedTerm(double term, double first) {
    return 1000 * (term / first);
}

} // namespace orvanta
