#include "calculation.h"
#include "families.h"
#include "generated_buildings.h"
#include "sample_models.h"
#include "scripted_interaction.h"
#include "stiffness_centres.h"

#include <gtest/gtest.h>

namespace orvanta {
namespace {

// A 2 × 2 grid (x = 0, 5000; y = 0, 4000) with one extra node at (8000, 7000), two storeys, and
// ritto matrices written by the test.
struct Fixture {
    Model model = testing::fullFrame(2, 2, 2, 1);
    AnalysisResults results;

    Fixture() {
        model.coordX(3) = 8000;
        model.coordY(3) = 7000;
        results.ritStoreys = Array1<std::int16_t>(1, 5);
        results[Direction::orthogonalToX].ritMatrix = Array3<double>(1, 5, 1, 2, 1, 2);
        results[Direction::orthogonalToY].ritMatrix = Array3<double>(1, 5, 1, 2, 1, 2);
        results[Direction::orthogonalToX].family = Array1<std::int16_t>(1, 5);
        results[Direction::orthogonalToY].family = Array1<std::int16_t>(1, 5);
        results[Direction::orthogonalToX].familyCount = results[Direction::orthogonalToY].familyCount = 1;
    }

    void ritto(int i, double first, double top, int familyX = 1, int familyY = 1) {
        results.ritStoreys(i) = 2;
        for (Array3<double>* k :
             {&results[Direction::orthogonalToX].ritMatrix, &results[Direction::orthogonalToY].ritMatrix}) {
            (*k)(i, 1, 1) = first;
            (*k)(i, 2, 2) = top;
            (*k)(i, 1, 2) = (*k)(i, 2, 1) = -top / 2;
        }
        results[Direction::orthogonalToX].family(i) = static_cast<std::int16_t>(familyX);
        results[Direction::orthogonalToY].family(i) = static_cast<std::int16_t>(familyY);
    }
};

TEST(StiffnessCentres, RittiWeighByTheirFirstTerm) {
    // Ritti 1 (x = 0) and 5 (the extra node, x = 8000) with first terms 3000 and 1000.
    Fixture f;
    f.ritto(1, 3000, 1500);
    f.ritto(5, 1000, 800);
    computeStiffnessCentres(f.model, f.results);
    EXPECT_DOUBLE_EQ(f.results[Direction::orthogonalToX].stiffnessWeight(1), 0.75);
    EXPECT_DOUBLE_EQ(f.results[Direction::orthogonalToX].stiffnessWeight(5), 0.25);
    EXPECT_DOUBLE_EQ(f.results[Direction::orthogonalToX].stiffnessCentre(1), 2000);
    // Along Y the extra node stands at 7000, taken from the tail of coordY: 0.25·7000.
    EXPECT_DOUBLE_EQ(f.results[Direction::orthogonalToY].stiffnessCentre(1), 1750);
    EXPECT_EQ(f.results[Direction::orthogonalToX].stiffnessWeight(2), 0); // no ritto there
    EXPECT_EQ(f.results[Direction::orthogonalToX].familySize(1), 2);
    // Mean of 1000·K/K₁₁: (1000, 500) and (1000, 800).
    EXPECT_EQ(f.results[Direction::orthogonalToX].familyMeanMatrix(1, 1, 1), 1000);
    EXPECT_DOUBLE_EQ(f.results[Direction::orthogonalToX].familyMeanMatrix(1, 2, 2), 650);
    EXPECT_DOUBLE_EQ(f.results[Direction::orthogonalToX].familyMeanMatrix(1, 1, 2), -325);
}

TEST(StiffnessCentres, EachFamilyHasItsOwnCentreAndEmptyFamiliesAreZero) {
    Fixture f;
    f.results[Direction::orthogonalToX].familyCount = 3;
    f.ritto(1, 2000, 100, 1);
    f.ritto(2, 2000, 100, 3); // x = 5000
    f.ritto(4, 6000, 100, 3); // x = 5000
    computeStiffnessCentres(f.model, f.results);
    EXPECT_DOUBLE_EQ(f.results[Direction::orthogonalToX].stiffnessCentre(1), 0);
    EXPECT_EQ(f.results[Direction::orthogonalToX].stiffnessWeight(1), 1);
    EXPECT_DOUBLE_EQ(f.results[Direction::orthogonalToX].stiffnessCentre(3), 5000);
    EXPECT_DOUBLE_EQ(f.results[Direction::orthogonalToX].stiffnessWeight(2) +
                         f.results[Direction::orthogonalToX].stiffnessWeight(4),
                     1);
    EXPECT_EQ(f.results[Direction::orthogonalToX].stiffnessCentre(2), 0);
    EXPECT_EQ(f.results[Direction::orthogonalToX].familySize(2), 0);
    for (const double v : f.results[Direction::orthogonalToX].familyMeanMatrix.block(2))
        EXPECT_EQ(v, 0);
    EXPECT_EQ(f.results[Direction::orthogonalToX].familyMeanMatrix(3, 1, 1), 1000);
}

TEST(StiffnessCentres, RittoWithoutStiffnessTakesNoPart) {
    Fixture f;
    f.ritto(1, 3000, 1500);
    f.ritto(2, 0, 0); // left zero by a direction that stopped on an error
    computeStiffnessCentres(f.model, f.results);
    EXPECT_EQ(f.results[Direction::orthogonalToX].familySize(1), 1);
    EXPECT_EQ(f.results[Direction::orthogonalToX].stiffnessWeight(1), 1);
    EXPECT_EQ(f.results[Direction::orthogonalToX].stiffnessWeight(2), 0);
    EXPECT_EQ(f.results[Direction::orthogonalToX].familyMeanMatrix(1, 1, 1), 1000);
    EXPECT_DOUBLE_EQ(f.results[Direction::orthogonalToX].familyMeanMatrix(1, 2, 2), 500);

    // A family whose only ritto has no stiffness is empty, without a division by zero.
    Fixture onlyZero;
    onlyZero.ritto(3, 0, 0);
    computeStiffnessCentres(onlyZero.model, onlyZero.results);
    EXPECT_EQ(onlyZero.results[Direction::orthogonalToX].familySize(1), 0);
    EXPECT_EQ(onlyZero.results[Direction::orthogonalToX].stiffnessCentre(1), 0);
    EXPECT_EQ(onlyZero.results[Direction::orthogonalToX].familyMeanMatrix(1, 2, 2), 0);
}

TEST(StiffnessCentres, WeightsOfEveryFamilySumToOneOnARealBuilding) {
    const Model m = testing::regularBuilding(5, 4, 6);
    testing::ScriptedAsker asker;
    AnalysisResults r;
    runCalculation(m, r, asker);
    setFamilyCount(m, r, Direction::orthogonalToX, 3, asker);
    ASSERT_TRUE(assignFamilies(m, r, Direction::orthogonalToX, 3, asker));
    computeStiffnessCentres(m, r);
    computeStiffnessCentres(m, r); // a second run starts again from zero
    std::vector<double> sums(4, 0.0);
    int members = 0;
    for (int i = 1; i <= 20; ++i)
        sums[static_cast<std::size_t>(r[Direction::orthogonalToX].family(i))] +=
            r[Direction::orthogonalToX].stiffnessWeight(i);
    for (int f = 1; f <= 3; ++f) {
        members += r[Direction::orthogonalToX].familySize(f);
        if (r[Direction::orthogonalToX].familySize(f) > 0) {
            EXPECT_NEAR(sums[static_cast<std::size_t>(f)], 1, 1e-14);
            EXPECT_EQ(r[Direction::orthogonalToX].familyMeanMatrix(f, 1, 1), 1000);
        }
    }
    EXPECT_EQ(members, 20);
}

} // namespace
} // namespace orvanta
