#include "calculation.h"
#include "generated_buildings.h"
#include "global_stiffness.h"
#include "literal_condensation.h"
#include "sample_models.h"
#include "scripted_interaction.h"
#include "tolerance.h"

#include <cmath>
#include <gtest/gtest.h>

namespace orvanta {
namespace {

using testing::ScriptedAsker;

// A building of 2 × 2 lines, `storeys` high, with a single ritto at node `node` (no beams), and
// every storey's centre of mass at (xG, yG) with radius of gyration ρ.
Model singleRitto(int node, std::int16_t storeys, double xG, double yG, double rho) {
    Model m = testing::fullFrame(2, 2, storeys);
    for (double& v : m.members.values())
        v = 0;
    for (int k = 1; k <= storeys; ++k) {
        testing::setRectangle(m, k, node, 300, 500);
        m.massCentre(k, 1) = xG;
        m.massCentre(k, 2) = yG;
        m.gyrationRadius(k) = rho;
    }
    return m;
}

TEST(GlobalStiffness, RittoAtTheCentreOfMassAddsNothingToTheRotation) {
    const Model m = singleRitto(4, 2, 5000, 4000, 3000); // node 4 stands at (5000, 4000)
    ScriptedAsker asker;
    AnalysisResults r;
    runCalculation(m, r, asker);
    const int s = 2;
    for (int row = 1; row <= s; ++row) {
        for (int c = 1; c <= s; ++c) {
            EXPECT_EQ(r.globalStiffness(row, c), r[Direction::orthogonalToY].ritMatrix(4, row, c));
            EXPECT_EQ(r.globalStiffness(s + row, s + c), r[Direction::orthogonalToX].ritMatrix(4, row, c));
            EXPECT_EQ(r.globalStiffness(row, 2 * s + c), 0);
            EXPECT_EQ(r.globalStiffness(s + row, 2 * s + c), 0);
            EXPECT_EQ(r.globalStiffness(2 * s + row, 2 * s + c), 0);
            EXPECT_EQ(r.globalStiffness(2 * s + row, c), 0);
            EXPECT_EQ(r.globalStiffness(row, s + c), 0); // X and Y never couple
        }
    }
    EXPECT_TRUE(asker.messages.empty());
}

TEST(GlobalStiffness, LeverArmsAreMeasuredFromEachStoreysCentre) {
    // One ritto at (5000, 0), centre of mass at (1000, 0), ρ = 2000: the X-direction ritto has
    // no lever arm (y = yG), the Y-direction one an arm of 4000/2000 = 2.
    const Model m = singleRitto(2, 1, 1000, 0, 2000);
    ScriptedAsker asker;
    AnalysisResults r;
    runCalculation(m, r, asker);
    const double ky = r[Direction::orthogonalToX].ritMatrix(2, 1, 1);
    EXPECT_DOUBLE_EQ(r.globalStiffness(1, 3), 0);
    EXPECT_DOUBLE_EQ(r.globalStiffness(2, 3), 2 * ky);
    EXPECT_DOUBLE_EQ(r.globalStiffness(3, 3), 4 * ky);
    EXPECT_DOUBLE_EQ(r.globalStiffness(3, 2), 2 * ky);
}

TEST(GlobalStiffness, RotationBlockIsSymmetricWhenTheCentresDifferBetweenStoreys) {
    Model m = testing::regularBuilding(4, 4, 3);
    m.massCentre(1, 1) = 2000;
    m.massCentre(3, 1) = 11000;
    m.massCentre(2, 2) = 3000;
    m.gyrationRadius(3) = 2000;
    ScriptedAsker asker;
    AnalysisResults r;
    runCalculation(m, r, asker);
    for (int row = 7; row <= 9; ++row) {
        for (int c = 7; c <= 9; ++c) {
            EXPECT_NEAR(r.globalStiffness(row, c), r.globalStiffness(c, row),
                        1e-12 * r.globalStiffness(row, row));
        }
    }
    EXPECT_TRUE(testing::firstDisagreement(testing::literalGlobalStiffness(m, r), r.globalStiffness)
                    .empty());
}

TEST(GlobalStiffness, StoreyWithoutRadiusOfGyrationIsReportedAndHasNoRotation) {
    Model m = testing::regularBuilding(3, 3, 3);
    m.gyrationRadius(2) = 0;
    ScriptedAsker asker;
    AnalysisResults r;
    EXPECT_EQ(runCalculation(m, r, asker).incomplete,
              std::vector{CalculationStage::globalStiffness});
    ASSERT_EQ(asker.messages.size(), 1u);
    EXPECT_EQ(asker.messages[0].title, "Attenzione");
    EXPECT_EQ(asker.messages[0].icon, MessageIcon::Exclamation);
    EXPECT_NE(asker.messages[0].lines[0].find("piano 2"), std::string::npos);
    const int rotation2 = 2 * 3 + 2;
    for (int k = 1; k <= 9; ++k) {
        EXPECT_EQ(r.globalStiffness(rotation2, k), 0);
        EXPECT_EQ(r.globalStiffness(k, rotation2), 0);
    }
    EXPECT_GT(r.globalStiffness(7, 7), 0);
    for (const double v : r.globalStiffness.values())
        EXPECT_TRUE(std::isfinite(v));

    // One message per storey, in storey order.
    m.gyrationRadius(3) = -5;
    ScriptedAsker twice;
    runCalculation(m, r, twice);
    ASSERT_EQ(twice.messages.size(), 2u);
    EXPECT_NE(twice.messages[1].lines[0].find("piano 3"), std::string::npos);
}

} // namespace
} // namespace orvanta
