#pragma once

// A bound on the rounding that a sum collects while it is kept up to date by taking one term
// out and putting its replacement in, instead of being summed again from scratch.
//
// Each update computes every entry as fl(fl(t − o) + n), o and n the old and new term, each
// worked out again by at most three rounded operations. The sums kept this way (the global
// matrix, the families' sums of normalised matrices) are sums of positive semi-definite
// matrices, so every entry of t − o, t − o + n, o and n is at most the largest entry M of the
// larger of the sums before and after the edit (for an edit that replaces k terms, at most the
// sum of the two, 2·M, in between). With u = 2⁻⁵³ the unit roundoff, one update adds at most
//     u·(|t − o| + |t − o + n|) + 3u·(|o| + |n|) ≤ 8u·2M = 16u·M
// to the distance from the exact sum, and the bound after k updates is the sum of theirs. The
// owner sums from scratch again once the bound passes `budget` × the largest entry of the sum
// as it now is; the sum from scratch is then what a full calculation makes, bit for bit.
//
// Worked number: with the budget of 5·10⁻¹³ and every update at the same M, 5·10⁻¹³/(16u)
// = 281 updates pass before the sum is made again.

#include <cstdint>
#include <limits>

namespace orvanta {

class RoundingDrift {
public:
    // Half the exactness asked of the results (1e-12 of each matrix's largest term): the other
    // half is left to the rounding of the sum from scratch itself, which grows as √N·u for N
    // terms in practice (1e-14 for the 10 000 ritti of the largest building).
    static constexpr double defaultBudget = 5e-13;
    static constexpr double perUpdate = 16 * std::numeric_limits<double>::epsilon() / 2;

    explicit RoundingDrift(double budget = defaultBudget) : budget_(budget) {}

    // `count` terms replaced while the largest entry was at most `largest`.
    void record(double largest, int count = 1) {
        bound_ += perUpdate * largest * count;
        updates_ += count;
    }
    // Whether the bound has passed the budget for a sum whose largest entry is now `largest`.
    bool exceeded(double largest) const { return bound_ > budget_ * largest; }
    // After a sum from scratch.
    void reset() {
        bound_ = 0;
        updates_ = 0;
    }

    double bound() const { return bound_; }
    std::int64_t updates() const { return updates_; }
    double budget() const { return budget_; }
    void setBudget(double budget) { budget_ = budget; }

private:
    double budget_;
    double bound_ = 0;
    std::int64_t updates_ = 0;
};

} // namespace orvanta
