#include "calculation.h"
#include "families.h"
#include "generated_buildings.h"
#include "scripted_interaction.h"

#include <gtest/gtest.h>

namespace orvanta {
namespace {

using testing::ScriptedAsker;

TEST(Calculation, RunningTwiceGivesIdenticalResultsAndResetsTheFamilies) {
    const Model m = testing::regularBuilding(4, 3, 5);
    ScriptedAsker asker;
    AnalysisResults first;
    runCalculation(m, first, asker);
    EXPECT_EQ(first.familyCountX, 1);
    EXPECT_EQ(first.familyCountY, 1);

    AnalysisResults second = first;
    setFamilyCount(m, second, Direction::X, 3, asker);
    ASSERT_TRUE(assignFamilies(m, second, Direction::X, 3, asker));
    second.familyY(2) = 7;
    runCalculation(m, second, asker);
    EXPECT_EQ(second.ritElementsX, first.ritElementsX);
    EXPECT_EQ(second.ritElementsY, first.ritElementsY);
    EXPECT_EQ(second.ritStoreys, first.ritStoreys);
    EXPECT_EQ(second.ritMatrixX, first.ritMatrixX);
    EXPECT_EQ(second.ritMatrixY, first.ritMatrixY);
    EXPECT_EQ(second.globalStiffness, first.globalStiffness);
    EXPECT_EQ(second.familyCountX, 1);
    for (int i = 1; i <= 12; ++i) {
        EXPECT_EQ(second.familyX(i), 1);
        EXPECT_EQ(second.familyY(i), 1);
    }
    EXPECT_TRUE(asker.messages.empty());
}

} // namespace
} // namespace orvanta
