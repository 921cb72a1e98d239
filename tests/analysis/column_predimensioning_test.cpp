#include "column_predimensioning.h"

#include <gtest/gtest.h>

namespace orvanta {
namespace {

TEST(ColumnPredimensioning, AllowableStressOfTheConcreteClasses) {
    EXPECT_DOUBLE_EQ(allowableConcreteStress(30), 6.825);
    EXPECT_DOUBLE_EQ(allowableConcreteStress(25), 0.7 * 8.5);
    EXPECT_DOUBLE_EQ(allowableConcreteStress(50), 0.7 * 14.75);
}

TEST(ColumnPredimensioning, SizedForHalfTheAllowableStress) {
    // A = 682500 / (6.825 / 2) = 200000 mm²: 200000 / 300 = 666.7 → 667, √200000 = 447.2 → 448.
    EXPECT_EQ(suggestColumnSection(682500, allowableConcreteStress(30)),
              (SuggestedColumnSection{667, 448}));
    // Exactly 300 × 300 mm² needed: the sides still grow by one, as ⌊A/300⌋ + 1 says.
    EXPECT_EQ(suggestColumnSection(90000 * 3.0, 6.0), (SuggestedColumnSection{301, 301}));
}

TEST(ColumnPredimensioning, AColumnWithoutLoadGetsTheSmallestProposals) {
    EXPECT_EQ(suggestColumnSection(0, 6.825), (SuggestedColumnSection{1, 1}));
    EXPECT_EQ(suggestColumnSection(-5, 6.825), (SuggestedColumnSection{1, 1}));
    // A force beyond any building stays within the integers the message prints.
    const SuggestedColumnSection huge = suggestColumnSection(1e300, 6.825);
    EXPECT_GT(huge.rectangleSide, 0);
    EXPECT_GT(huge.squareSide, 0);
}

} // namespace
} // namespace orvanta
