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
    EXPECT_TRUE(runCalculation(m, first, asker).complete());
    EXPECT_EQ(first[Direction::alongY].familyCount, 1);
    EXPECT_EQ(first[Direction::alongX].familyCount, 1);

    AnalysisResults second = first;
    setFamilyCount(m, second, Direction::alongY, 3, asker);
    ASSERT_TRUE(assignFamilies(m, second, Direction::alongY, 3, asker));
    second[Direction::alongX].family(2) = 7;
    runCalculation(m, second, asker);
    EXPECT_EQ(second[Direction::alongY].ritElements, first[Direction::alongY].ritElements);
    EXPECT_EQ(second[Direction::alongX].ritElements, first[Direction::alongX].ritElements);
    EXPECT_EQ(second.ritStoreys, first.ritStoreys);
    EXPECT_EQ(second[Direction::alongY].ritMatrix, first[Direction::alongY].ritMatrix);
    EXPECT_EQ(second[Direction::alongX].ritMatrix, first[Direction::alongX].ritMatrix);
    EXPECT_EQ(second.globalStiffness, first.globalStiffness);
    EXPECT_EQ(second[Direction::alongY].familyCount, 1);
    for (int i = 1; i <= 12; ++i) {
        EXPECT_EQ(second[Direction::alongY].family(i), 1);
        EXPECT_EQ(second[Direction::alongX].family(i), 1);
    }
    EXPECT_TRUE(asker.messages.empty());
}

} // namespace
} // namespace orvanta
