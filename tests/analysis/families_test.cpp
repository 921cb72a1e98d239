#include "families.h"
#include "sample_models.h"
#include "scripted_interaction.h"

#include <gtest/gtest.h>

namespace orvanta {
namespace {

using testing::ScriptedAsker;

// A 2 × 2 grid with one extra node (five slots) and the given storeys, and analysis results
// written by hand: each ritto's matrix is set by the test.
struct Fixture {
    Model model;
    AnalysisResults results;

    explicit Fixture(std::int16_t storeys) : model(testing::fullFrame(2, 2, storeys, 1)) {
        results.ritStoreys = Array1<std::int16_t>(1, 5);
        results[Direction::orthogonalToX].ritMatrix = Array3<double>(1, 5, 1, storeys, 1, storeys);
        results[Direction::orthogonalToY].ritMatrix = Array3<double>(1, 5, 1, storeys, 1, storeys);
        results[Direction::orthogonalToX].family = Array1<std::int16_t>(1, 5);
        results[Direction::orthogonalToY].family = Array1<std::int16_t>(1, 5);
        for (int i = 1; i <= 5; ++i)
            results[Direction::orthogonalToX].family(i) = results[Direction::orthogonalToY].family(i) = 1;
        results[Direction::orthogonalToX].familyCount = results[Direction::orthogonalToY].familyCount = 1;
    }

    // A diagonal matrix with the given diagonal, scaled by `scale`, for ritto i of direction X.
    void diagonal(int i, std::initializer_list<double> terms, double scale = 1) {
        results.ritStoreys(i) = static_cast<std::int16_t>(terms.size());
        int r = 1;
        for (const double t : terms) {
            results[Direction::orthogonalToX].ritMatrix(i, r, r) = t * scale;
            ++r;
        }
    }

    std::vector<int> familiesX() const {
        std::vector<int> f;
        for (const std::int16_t v : results[Direction::orthogonalToX].family.values())
            f.push_back(v);
        return f;
    }
};

TEST(Families, OneFamilyTakesEveryRittoOfAnyHeight) {
    Fixture f(3);
    f.diagonal(1, {1000, 900, 800});
    f.diagonal(2, {1000, 100});
    f.results[Direction::orthogonalToX].family(1) = f.results[Direction::orthogonalToX].family(2) = 3;
    ScriptedAsker asker;
    EXPECT_TRUE(assignFamilies(f.model, f.results, Direction::orthogonalToX, 1, asker));
    EXPECT_EQ(f.familiesX(), (std::vector<int>{1, 1, 1, 1, 1}));
    EXPECT_TRUE(asker.messages.empty());
}

TEST(Families, TwoFamiliesAreTheShearAndFlexuralReferences) {
    Fixture f(3);
    f.diagonal(1, {1000, 900, 800});      // top ratio 800: shear type, family 1
    f.diagonal(2, {1000, 500, 100}, 7);   // top ratio 100: flexural, family 2
    f.diagonal(3, {1000, 880, 790}, 0.5); // near the first
    f.diagonal(4, {1000, 450, 150});      // near the second
    f.diagonal(5, {1000, 860});           // two storeys: its missing third term counts as 0
    ScriptedAsker asker;
    ASSERT_TRUE(assignFamilies(f.model, f.results, Direction::orthogonalToX, 2, asker));
    EXPECT_EQ(f.familiesX(), (std::vector<int>{1, 2, 1, 2, 2}));
}

TEST(Families, IntermediateFamiliesLieEvenlyBetweenTheReferences) {
    Fixture f(2);
    f.diagonal(1, {1000, 1000}); // family 1
    f.diagonal(2, {1000, 400});  // family 4: models at 1000, 800, 600, 400
    f.diagonal(3, {1000, 790});  // nearest 800
    f.diagonal(4, {1000, 610});  // nearest 600
    f.diagonal(5, {1000, 500});  // halfway between 600 and 400: the lower family wins
    ScriptedAsker asker;
    ASSERT_TRUE(assignFamilies(f.model, f.results, Direction::orthogonalToX, 4, asker));
    EXPECT_EQ(f.familiesX(), (std::vector<int>{1, 4, 2, 3, 3}));
}

TEST(Families, SecondUpperDiagonalCountsTwiceAndTheFirstNotAtAll) {
    Fixture f(3);
    f.diagonal(1, {1000, 500, 800});
    f.diagonal(2, {1000, 500, 200});
    // Ritto 3 has ritto 2's diagonal but a second-diagonal term of 90 (0 in both references)
    // and a large first off-diagonal, which is ignored.
    f.diagonal(3, {1000, 500, 260});
    f.results[Direction::orthogonalToX].ritMatrix(3, 1, 3) = 90;
    f.results[Direction::orthogonalToX].ritMatrix(3, 1, 2) = 5000;
    ScriptedAsker asker;
    ASSERT_TRUE(assignFamilies(f.model, f.results, Direction::orthogonalToX, 2, asker));
    // Distances of ritto 3: family 1: 540 + 2·90 = 720; family 2: 60 + 180 = 240.
    EXPECT_EQ(f.results[Direction::orthogonalToX].family(3), 2);
    f.results[Direction::orthogonalToX].ritMatrix(3, 1, 3) =
        200; // now 540 + 400 = 940 against 60 + 400 = 460: still 2
    f.results[Direction::orthogonalToX].ritMatrix(3, 3, 3) =
        700; // 100 + 400 = 500 against 500 + 400 = 900: family 1
    ASSERT_TRUE(assignFamilies(f.model, f.results, Direction::orthogonalToX, 2, asker));
    EXPECT_EQ(f.results[Direction::orthogonalToX].family(3), 1);
}

TEST(Families, TheSecondUpperDiagonalCountsTwiceInTheDistance) {
    // Three families: models (1000, 500, 800 | 0), (1000, 300, 500 | 350), (1000, 100, 200 | 700)
    // for the diagonal and the term (1, 3). Ritto 3 is (1000, 100, 350 | −200). Its distances are
    // 950 + 2·200 = 1350, 450 + 2·550 = 1450 and 150 + 2·900 = 1950: family 1. Counted once the
    // term would give family 2 (1150, 1000, 1050), left out family 3 (950, 450, 150).
    Fixture f(3);
    f.diagonal(1, {1000, 500, 800});
    f.diagonal(2, {1000, 100, 200});
    f.results[Direction::orthogonalToX].ritMatrix(2, 1, 3) = 700;
    f.diagonal(3, {1000, 100, 350});
    f.results[Direction::orthogonalToX].ritMatrix(3, 1, 3) = -200;
    ScriptedAsker asker;
    ASSERT_TRUE(assignFamilies(f.model, f.results, Direction::orthogonalToX, 3, asker));
    EXPECT_EQ(f.familiesX(), (std::vector<int>{1, 3, 1, 1, 1}));
}

TEST(Families, EqualTopRatiosSendEveryRittoToFamilyOne) {
    Fixture f(2);
    for (int i = 1; i <= 4; ++i)
        f.diagonal(i, {1000, 600}, i); // proportional matrices: the same normalised terms
    ScriptedAsker asker;
    ASSERT_TRUE(assignFamilies(f.model, f.results, Direction::orthogonalToX, 3, asker));
    EXPECT_EQ(f.familiesX(), (std::vector<int>{1, 1, 1, 1, 1}));
}

TEST(Families, OneStoreyPutsEveryRittoInFamilyOne) {
    Fixture f(1);
    for (int i = 1; i <= 5; ++i)
        f.diagonal(i, {1.0 / 3.0 + i}, 1.0 / 7.0); // normalised: exactly 1000 each
    ScriptedAsker asker;
    ASSERT_TRUE(assignFamilies(f.model, f.results, Direction::orthogonalToX, 4, asker));
    EXPECT_EQ(f.familiesX(), (std::vector<int>{1, 1, 1, 1, 1}));
}

TEST(Families, WorksOnTheDirectionAsked) {
    Fixture f(2);
    f.diagonal(1, {1000, 900});
    f.diagonal(2, {1000, 100});
    f.results[Direction::orthogonalToY].ritMatrix = f.results[Direction::orthogonalToX].ritMatrix;
    ScriptedAsker asker;
    ASSERT_TRUE(assignFamilies(f.model, f.results, Direction::orthogonalToY, 2, asker));
    EXPECT_EQ(f.results[Direction::orthogonalToY].family(2), 2);
    EXPECT_EQ(f.results[Direction::orthogonalToX].family(2), 1);
}

TEST(Families, NothingToCompareLeavesTheFamiliesAsTheyWere) {
    // No ritto reaches the top.
    Fixture low(3);
    low.diagonal(1, {1000, 500});
    low.results[Direction::orthogonalToX].family(1) = 2;
    ScriptedAsker asker;
    EXPECT_FALSE(assignFamilies(low.model, low.results, Direction::orthogonalToX, 2, asker));
    EXPECT_EQ(low.results[Direction::orthogonalToX].family(1), 2);
    ASSERT_EQ(asker.messages.size(), 1u);
    EXPECT_EQ(asker.messages[0].title, "Attenzione");
    EXPECT_EQ(asker.messages[0].icon, MessageIcon::Exclamation);

    // A ritto left with a zero matrix by a direction that stopped on an error.
    Fixture stopped(2);
    stopped.diagonal(1, {1000, 500});
    stopped.diagonal(2, {0, 0});
    stopped.results[Direction::orthogonalToX].family(1) = 2;
    ScriptedAsker second;
    EXPECT_FALSE(assignFamilies(stopped.model, stopped.results, Direction::orthogonalToX, 2, second));
    EXPECT_EQ(stopped.results[Direction::orthogonalToX].family(1), 2);
    ASSERT_EQ(second.messages.size(), 1u);
    EXPECT_NE(second.messages[0].lines[0].find("ritto 2"), std::string::npos);
}

TEST(FamilyCount, IsKeptWithinOneAndTheNumberOfSlots) {
    Fixture f(2);
    ScriptedAsker asker;
    EXPECT_EQ(setFamilyCount(f.model, f.results, Direction::orthogonalToX, 9, asker), 5);
    EXPECT_EQ(f.results[Direction::orthogonalToX].familyCount, 5);
    ASSERT_EQ(asker.messages.size(), 1u);
    EXPECT_EQ(asker.messages[0].title, "Nodo Inesistente");
    EXPECT_EQ(asker.messages[0].icon, MessageIcon::Critical);
    EXPECT_EQ(asker.messages[0].text(),
              "Il numero di famiglie specificato è superiore al numero di ritti\n"
              "Sarà adottato un numero di famiglie pari al numero di ritti");

    EXPECT_EQ(setFamilyCount(f.model, f.results, Direction::orthogonalToX, 0, asker), 1);
    ASSERT_EQ(asker.messages.size(), 2u);
    EXPECT_EQ(asker.messages[1].text(),
              "Il numero di famiglie specificato è inferiore all'unità\n"
              "Sarà adottato un numero di famiglie pari al numero minimo");

    EXPECT_EQ(setFamilyCount(f.model, f.results, Direction::orthogonalToY, 3, asker), 3);
    EXPECT_EQ(f.results[Direction::orthogonalToY].familyCount, 3);
    EXPECT_EQ(asker.messages.size(), 2u);
}

TEST(FamilyCount, LoweringItMovesTheRittiOfRemovedFamiliesIntoTheLast) {
    Fixture f(2);
    f.results[Direction::orthogonalToX].familyCount = 5;
    for (int i = 1; i <= 5; ++i)
        f.results[Direction::orthogonalToX].family(i) = static_cast<std::int16_t>(i);
    ScriptedAsker asker;
    setFamilyCount(f.model, f.results, Direction::orthogonalToX, 3, asker);
    EXPECT_EQ(f.familiesX(), (std::vector<int>{1, 2, 3, 3, 3}));
}

TEST(FamilyCount, TextThatIsNotAWholeNumberIsReportedAndChangesNothing) {
    Fixture f(2);
    for (const char* text : {"", "tre", "2.5", "3x", "--1"}) {
        ScriptedAsker asker;
        EXPECT_FALSE(readFamilyCount(text, f.model, asker)) << text;
        ASSERT_EQ(asker.messages.size(), 1u) << text;
        EXPECT_EQ(asker.messages[0].icon, MessageIcon::Exclamation);
        EXPECT_NE(asker.messages[0].text().find("1 e 5"), std::string::npos);
    }
    ScriptedAsker asker;
    EXPECT_EQ(readFamilyCount(" 4 ", f.model, asker), 4);
    EXPECT_EQ(readFamilyCount("-2", f.model, asker), -2); // out of range: the count rules decide
    EXPECT_EQ(readFamilyCount("1e30", f.model, asker), 1000000000);
    EXPECT_TRUE(asker.messages.empty());
}

} // namespace
} // namespace orvanta
