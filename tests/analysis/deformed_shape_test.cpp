#include "calculation.h"
#include "deformed_shape.h"
#include "generated_buildings.h"
#include "sample_models.h"
#include "scripted_interaction.h"

#include <gtest/gtest.h>

namespace orvanta {
namespace {

using testing::ScriptedAsker;

// Results holding only a global matrix of `storeys`, with Kxx and Kyy set by the test.
AnalysisResults withGlobal(int storeys) {
    AnalysisResults r;
    r.globalStiffness = Array2<double>(1, 3 * storeys, 1, 3 * storeys);
    return r;
}

TEST(DeformedShape, OneStoreyDisplacesByForceOverStiffnessScaledToTheLarger) {
    Model m = testing::fullFrame(2, 2, 1);
    m.storeyForce(1) = 1;
    AnalysisResults r = withGlobal(1);
    r.globalStiffness(1, 1) = 4; // u = 1/4
    r.globalStiffness(2, 2) = 2; // v = 1/2: the larger, drawn 2000 long
    ScriptedAsker asker;
    computeDeformedShape(m, r, asker);
    EXPECT_DOUBLE_EQ(r[Direction::orthogonalToY].flexibility(1, 1), 0.25);
    EXPECT_DOUBLE_EQ(r.deformedShape(2, 1), 2000);
    EXPECT_DOUBLE_EQ(r.deformedShape(1, 1), 1000);
    EXPECT_EQ(r.deformedShape(1, 0), 0);
    EXPECT_TRUE(asker.messages.empty());
}

TEST(DeformedShape, BothDirectionsShareTheScaleOfTheLargerTop) {
    // Two storeys, Kxx = [[3, −1], [−1, 1]] and Kyy twice as stiff, forces 1/3 and 2/3.
    Model m = testing::fullFrame(2, 2, 2);
    m.storeyForce(1) = 1.0 / 3;
    m.storeyForce(2) = 2.0 / 3;
    AnalysisResults r = withGlobal(2);
    const double k[2][2] = {{3, -1}, {-1, 1}};
    for (int i = 0; i < 2; ++i) {
        for (int j = 0; j < 2; ++j) {
            r.globalStiffness(i + 1, j + 1) = k[i][j];
            r.globalStiffness(i + 3, j + 3) = 2 * k[i][j];
        }
    }
    ScriptedAsker asker;
    computeDeformedShape(m, r, asker);
    // Kxx⁻¹ = [[0.5, 0.5], [0.5, 1.5]]: u = (0.5, 7/6); v is half of it.
    EXPECT_DOUBLE_EQ(r.deformedShape(1, 2), 2000);
    EXPECT_DOUBLE_EQ(r.deformedShape(1, 1), 2000 * 0.5 / (7.0 / 6));
    EXPECT_DOUBLE_EQ(r.deformedShape(2, 2), 1000);
    EXPECT_DOUBLE_EQ(r.deformedShape(2, 1), 1000 * 0.5 / (7.0 / 6));
}

TEST(DeformedShape, ZeroTopDisplacementLeavesTheShapeUnscaled) {
    Model m = testing::fullFrame(2, 2, 1);
    m.storeyForce(1) = 0;
    AnalysisResults r = withGlobal(1);
    r.globalStiffness(1, 1) = r.globalStiffness(2, 2) = 5;
    ScriptedAsker asker;
    computeDeformedShape(m, r, asker);
    EXPECT_EQ(r.deformedShape(1, 1), 0);
    EXPECT_EQ(r.deformedShape(2, 1), 0);
    EXPECT_TRUE(asker.messages.empty());
}

TEST(DeformedShape, ZeroPivotIsReportedAndLeavesTheShapeZero) {
    Model m = testing::fullFrame(2, 2, 2);
    m.storeyForce(1) = m.storeyForce(2) = 0.5;
    AnalysisResults r = withGlobal(2);
    // Invertible with row exchanges, but its first pivot is zero.
    r.globalStiffness(1, 2) = r.globalStiffness(2, 1) = 1;
    r.globalStiffness(3, 3) = r.globalStiffness(4, 4) = 1;
    ScriptedAsker asker;
    computeDeformedShape(m, r, asker);
    ASSERT_EQ(asker.messages.size(), 1u);
    EXPECT_EQ(asker.messages[0].title, "Errore di Inversione della Matrice");
    EXPECT_EQ(asker.messages[0].icon, MessageIcon::Critical);
    EXPECT_EQ(asker.messages[0].text(),
              "Attenzione: la matrice di rigidezza risulta non essere\n"
              "            definita positiva e non è pertanto invertibile.");
    for (const double v : r.deformedShape.values())
        EXPECT_EQ(v, 0);
}

TEST(DeformedShape, PivotLeftNearZeroByRoundingCountsAsZero) {
    Model m = testing::fullFrame(2, 2, 2);
    AnalysisResults r = withGlobal(2);
    // [[a, b], [b, b²/a]] is singular; rounding leaves its second pivot near 1e-17 of it.
    const double a = 0.1, b = 0.7;
    r.globalStiffness(1, 1) = a;
    r.globalStiffness(1, 2) = r.globalStiffness(2, 1) = b;
    r.globalStiffness(2, 2) = b * b / a;
    ScriptedAsker asker;
    computeDeformedShape(m, r, asker);
    EXPECT_EQ(asker.messages.size(), 1u);
}

TEST(DeformedShape, RealBuildingSwaysMostAtTheTop) {
    const Model m = testing::regularBuilding(4, 4, 5);
    ScriptedAsker asker;
    AnalysisResults r;
    runCalculation(m, r, asker);
    computeDeformedShape(m, r, asker);
    EXPECT_TRUE(asker.messages.empty());
    const double top = std::max(r.deformedShape(1, 5), r.deformedShape(2, 5));
    EXPECT_DOUBLE_EQ(top, 2000);
    for (int d = 1; d <= 2; ++d) {
        for (int k = 1; k <= 5; ++k)
            EXPECT_GT(r.deformedShape(d, k), r.deformedShape(d, k - 1));
    }
}

} // namespace
} // namespace orvanta
