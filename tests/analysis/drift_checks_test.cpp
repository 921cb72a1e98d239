#include "drift_checks.h"

#include <gtest/gtest.h>

namespace orvanta {
namespace {

TEST(DriftChecks, DuctilityDemandOnBothSidesOfTCAndAtItsCap) {
    EXPECT_DOUBLE_EQ(ductilityDemand(3.9, 0.5, 0.5), 3.9); // T1 = TC: q
    EXPECT_DOUBLE_EQ(ductilityDemand(3.9, 0.6, 0.5), 3.9);
    EXPECT_NEAR(ductilityDemand(3.9, 0.25, 0.5), 6.8, 1e-12); // 1 + 2.9·0.5/0.25
    // q = 1.5, T1 = TC/10: 1 + 0.5·10 = 6 is capped at 5q − 4 = 3.5.
    EXPECT_DOUBLE_EQ(ductilityDemand(1.5, 0.05, 0.5), 3.5);
}

TEST(DriftChecks, LimitRatioOfEveryInfillAndTheTwoThirdsOfTheHigherUseClasses) {
    EXPECT_DOUBLE_EQ(driftLimitRatio(InfillKind::fragile, 2), 0.005);
    EXPECT_DOUBLE_EQ(driftLimitRatio(InfillKind::ductile, 1), 0.0075);
    EXPECT_DOUBLE_EQ(driftLimitRatio(InfillKind::independent, 2), 0.010);
    EXPECT_DOUBLE_EQ(driftLimitRatio(InfillKind::fragile, 3), 0.005 * 2 / 3);
    EXPECT_DOUBLE_EQ(driftLimitRatio(InfillKind::independent, 4), 0.010 * 2 / 3);
    EXPECT_EQ(damageLimitState(2), LimitState::SLD);
    EXPECT_EQ(damageLimitState(3), LimitState::SLO);
}

TEST(DriftChecks, SecondOrderCoefficientAndItsClassesAtTheirThresholds) {
    // P = 2000 kN, dr = 15 mm, V = 100 kN, h = 3000 mm.
    EXPECT_NEAR(stabilityCoefficient(2e6, 15, 1e5, 3000), 0.1, 1e-15);
    EXPECT_EQ(stabilityCoefficient(2e6, 15, 0, 3000), 0);
    EXPECT_EQ(secondOrderClass(0.1), SecondOrder::negligible);
    EXPECT_EQ(secondOrderClass(0.1001), SecondOrder::amplified);
    EXPECT_EQ(secondOrderClass(0.2), SecondOrder::amplified);
    EXPECT_EQ(secondOrderClass(0.2001), SecondOrder::nonLinear);
    EXPECT_EQ(secondOrderClass(0.3), SecondOrder::nonLinear);
    EXPECT_EQ(secondOrderClass(0.3001), SecondOrder::notAllowed);
    EXPECT_DOUBLE_EQ(secondOrderAmplification(0.1), 1);
    EXPECT_DOUBLE_EQ(secondOrderAmplification(0.2), 1.25);
}

} // namespace
} // namespace orvanta
