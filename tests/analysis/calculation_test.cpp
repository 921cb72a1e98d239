#include "calculation.h"
#include "element_records.h"
#include "families.h"
#include "generated_buildings.h"
#include "numbering.h"
#include "scripted_interaction.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace orvanta {
namespace {

using testing::ScriptedAsker;

TEST(Calculation, RunningTwiceGivesIdenticalResultsAndResetsTheFamilies) {
    const Model m = testing::regularBuilding(4, 3, 5);
    ScriptedAsker asker;
    AnalysisResults first;
    EXPECT_TRUE(runCalculation(m, first, asker).complete());
    EXPECT_EQ(first[Direction::orthogonalToX].familyCount, 1);
    EXPECT_EQ(first[Direction::orthogonalToY].familyCount, 1);

    AnalysisResults second = first;
    setFamilyCount(m, second, Direction::orthogonalToX, 3, asker);
    ASSERT_TRUE(assignFamilies(m, second, Direction::orthogonalToX, 3, asker));
    second[Direction::orthogonalToY].family(2) = 7;
    runCalculation(m, second, asker);
    EXPECT_EQ(second[Direction::orthogonalToX].ritElements, first[Direction::orthogonalToX].ritElements);
    EXPECT_EQ(second[Direction::orthogonalToY].ritElements, first[Direction::orthogonalToY].ritElements);
    EXPECT_EQ(second.ritStoreys, first.ritStoreys);
    EXPECT_EQ(second[Direction::orthogonalToX].ritMatrix, first[Direction::orthogonalToX].ritMatrix);
    EXPECT_EQ(second[Direction::orthogonalToY].ritMatrix, first[Direction::orthogonalToY].ritMatrix);
    EXPECT_EQ(second.globalStiffness, first.globalStiffness);
    EXPECT_EQ(second[Direction::orthogonalToX].familyCount, 1);
    for (int i = 1; i <= 12; ++i) {
        EXPECT_EQ(second[Direction::orthogonalToX].family(i), 1);
        EXPECT_EQ(second[Direction::orthogonalToY].family(i), 1);
    }
    EXPECT_TRUE(asker.messages.empty());
}

// The ritti are shared among the threads in chunks; a zero pivot in one chunk still stops the
// direction at that ritto, as one thread going in order would: every later ritto, condensed by
// whichever thread, is zero, and the message is shown once per direction.
// After an edit the families the engineer assigned survive the new calculation on the same plan,
// in their own direction; on another plan every ritto starts again in family 1.
TEST(Calculation, RecalculatingAnEditedModelKeepsTheFamiliesOfTheSamePlan) {
    Model m = testing::regularBuilding(4, 3, 5);
    ScriptedAsker asker;
    AnalysisResults results;
    runCalculation(m, results, asker);
    results[Direction::orthogonalToX].familyCount = 2;
    results[Direction::orthogonalToX].family(3) = 2;
    m.members(1, 1, member::base) += 100;
    EXPECT_FALSE(resultsMatch(m, results));

    recalculateKeepingFamilies(m, results, asker);
    EXPECT_TRUE(resultsMatch(m, results));
    EXPECT_EQ(results[Direction::orthogonalToX].familyCount, 2);
    EXPECT_EQ(results[Direction::orthogonalToX].family(3), 2);
    EXPECT_EQ(results[Direction::orthogonalToY].familyCount, 1);
    EXPECT_EQ(results[Direction::orthogonalToY].family(3), 1);

    const Model larger = testing::regularBuilding(5, 3, 5);
    recalculateKeepingFamilies(larger, results, asker);
    EXPECT_EQ(results[Direction::orthogonalToX].familyCount, 1);
    EXPECT_EQ(results[Direction::orthogonalToX].family(3), 1);
}

TEST(Calculation, ThreadsStopAtTheFirstSingularRittoAsOneCoreWould) {
    Model m = testing::regularBuilding(12, 12, 3); // 144 ritti, chunks of 32
    const Counts& c = m.counts;
    const int floating = numbering::gridNode(c, 4, 4); // ritto 40, in the second chunk
    for (int k = 1; k <= 3; ++k) {
        for (const int slot :
             {numbering::beamXSlot(c, 3, 4), numbering::beamXSlot(c, 4, 4),
              numbering::beamYSlot(c, floating - c.nX), numbering::beamYSlot(c, floating)})
            setPresent(m, k, slot, false);
    }
    setPresent(m, 2, floating, false); // its top storey stands on nothing
    ScriptedAsker asker;
    AnalysisResults r;
    const CalculationReport report = runCalculation(m, r, asker);
    EXPECT_EQ(report.incomplete,
              (std::vector{CalculationStage::rittiOrthogonalToX, CalculationStage::rittiOrthogonalToY}));
    int pivotMessages = 0;
    for (const Message& message : asker.messages)
        pivotMessages += message.title == "Errore di Inversione della Matrice";
    EXPECT_EQ(pivotMessages, 2);
    for (const Direction d : bothDirections) {
        EXPECT_GT(r[d].ritMatrix(floating - 1, 1, 1), 0);
        for (const int i : {floating, floating + 1, 100, 144}) {
            const auto block = r[d].ritMatrix.block(i);
            EXPECT_TRUE(std::all_of(block.begin(), block.end(), [](double v) { return v == 0; }))
                << i;
        }
    }
}

// Progress goes through the four stages in order, never backwards, and ends at 1.
TEST(Calculation, ProgressGoesByStageToTheEnd) {
    const Model m = testing::regularBuilding(12, 12, 3);
    ScriptedAsker asker;
    AnalysisResults r;
    std::vector<std::pair<std::string, double>> reports;
    runCalculation(m, r, asker, [&](const std::string& stage, double fraction) {
        reports.emplace_back(stage, fraction);
    });
    ASSERT_FALSE(reports.empty());
    std::vector<std::string> stages;
    for (std::size_t k = 0; k < reports.size(); ++k) {
        if (k > 0) {
            EXPECT_GE(reports[k].second, reports[k - 1].second);
        }
        if (stages.empty() || stages.back() != reports[k].first)
            stages.push_back(reports[k].first);
    }
    EXPECT_EQ(stages, (std::vector<std::string>{
                          "Tabelle degli elementi dei ritti", "Matrici dei ritti ortogonali ad X",
                          "Matrici dei ritti ortogonali ad Y", "Matrice di rigidezza globale"}));
    EXPECT_EQ(reports.back().second, 1.0);
}

} // namespace
} // namespace orvanta
