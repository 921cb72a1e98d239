#include "cqc_combination.h"

#include <cmath>
#include <gtest/gtest.h>
#include <vector>

namespace orvanta {
namespace {

TEST(CqcCorrelation, EqualPeriodsAreFullyCorrelatedAndTheCoefficientIsSymmetric) {
    EXPECT_DOUBLE_EQ(cqcCorrelation(0.7, 0.7), 1.0);
    // β = 0.9, ξ = 0.05: 0.02·1.9·0.9^1.5/((1 − 0.81)² + 0.01·0.9·1.9²), by hand 0.47303.
    EXPECT_NEAR(cqcCorrelation(1.0, 0.9), 0.4730276832, 1e-9);
    EXPECT_NEAR(cqcCorrelation(0.9, 1.0), 0.4730276832, 1e-9);
    // β = 0.5: 0.02·1.5·0.353553/(0.5625 + 0.01·0.5·2.25) = 0.018486.
    EXPECT_NEAR(cqcCorrelation(1.0, 0.5), 0.0184864518, 1e-9);
    // The damping enters squared: ξ = 0.10 at β = 0.9 gives 0.08·1.9·0.853815/(0.0361 + 0.12996) =
    // 0.78152.
    EXPECT_NEAR(cqcCorrelation(1.0, 0.9, 0.10), 0.7815240, 1e-6);
}

TEST(CqcCombination, CloseModesAddAlmostLinearlyAndSeparatedOnesTendToTheSquareRootOfSquares) {
    const std::vector<double> separated{2.0, 0.2};
    const std::vector<double> values{3, 4};
    const double srss = 5;
    // β = 0.1: ρ = 0.02·1.1·0.0316228/(0.9801 + 0.01·0.1·1.21) = 7.09e-4.
    EXPECT_NEAR(CqcCombination(separated).combine(values), std::sqrt(25 + 24 * 7.0895139e-4), 1e-9);
    EXPECT_NEAR(CqcCombination(separated).combine(values), srss, 0.002);

    // Two modes of the same period combine as their sum, and with opposite signs as the
    // difference: the sign of each modal value matters, unlike in the SRSS.
    const CqcCombination equal(std::vector<double>{0.5, 0.5});
    EXPECT_NEAR(equal.combine(std::vector<double>{3, 4}), 7, 1e-12);
    EXPECT_NEAR(equal.combine(std::vector<double>{3, -4}), 1, 1e-12);

    const CqcCombination halves(std::vector<double>{1.0, 0.5});
    EXPECT_NEAR(halves.combine(std::vector<double>{3, 4}), std::sqrt(25 + 24 * 0.0184864518), 1e-9);
    EXPECT_EQ(halves.modeCount(), 2);
}

TEST(CqcCombination, OneModeGivesItsAbsoluteValue) {
    const CqcCombination one(std::vector<double>{0.4});
    EXPECT_DOUBLE_EQ(one.combine(std::vector<double>{-2.5}), 2.5);
    EXPECT_DOUBLE_EQ(one.combine(std::vector<double>{0}), 0);
}

} // namespace
} // namespace orvanta
