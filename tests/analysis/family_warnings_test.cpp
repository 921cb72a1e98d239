#include "family_warnings.h"

#include <gtest/gtest.h>

namespace orvanta {
namespace {

// Four ritti orthogonal to X in a three-storey building: ritti 1 and 2 of three storeys, ritto 3
// of two, ritto 4 of three storeys with no beams (a free-standing column). Each ritto with beams
// has a beam on its upper side at every storey it reaches.
AnalysisResults fourRitti(std::int16_t familyOfThird) {
    AnalysisResults r;
    r.ritStoreys = Array1<std::int16_t>(1, 4);
    const std::int16_t storeys[] = {3, 3, 2, 3};
    RittiResults& set = r[Direction::orthogonalToX];
    set.family = Array1<std::int16_t>(1, 4);
    set.ritElements = Array3<double>(1, 4, 1, 9, 1, 5);
    const std::int16_t families[] = {1, 1, familyOfThird, 2};
    for (int i = 1; i <= 4; ++i) {
        const int m = storeys[i - 1];
        r.ritStoreys(i) = static_cast<std::int16_t>(m);
        set.family(i) = families[i - 1];
        for (int s = 1; s <= m; ++s) {
            set.ritElements(i, s, 1) = 1; // the column
            if (i != 4)
                set.ritElements(i, 2 * m + s, 1) = 1; // a beam on the upper side
        }
    }
    return r;
}

TEST(FamilyWarnings, AFamilyMixingHeightsAndARittoWithoutBeamsAreNamed) {
    const std::vector<std::string> lines = familyWarnings(fourRitti(1), Direction::orthogonalToX);
    ASSERT_EQ(lines.size(), 2U);
    EXPECT_EQ(lines[0], "Famiglia 1 (ritti ortogonali a X): ritti di 2 e 3 piani (ritti 1, 2, 3).");
    EXPECT_EQ(lines[1], "Ritto 4 (ortogonale a X): nessuna trave in alcun piano.");
}

TEST(FamilyWarnings, FamiliesOfOneHeightAndTheOtherDirectionSayNothingOfThem) {
    // Ritto 3 alone in family 3: every family has one height; only ritto 4 remains.
    const AnalysisResults r = fourRitti(3);
    EXPECT_EQ(familyWarnings(r, Direction::orthogonalToX).size(), 1U);
    // The ritti orthogonal to Y were never computed: nothing to say.
    EXPECT_TRUE(familyWarnings(r, Direction::orthogonalToY).empty());
}

TEST(FamilyWarnings, ABeamOnTheLowerSideAtOneStoreyIsEnough) {
    AnalysisResults r = fourRitti(3);
    r[Direction::orthogonalToX].ritElements(4, 3 + 2, 1) = 1; // lower-side beam of storey 2
    EXPECT_TRUE(familyWarnings(r, Direction::orthogonalToX).empty());
}

} // namespace
} // namespace orvanta
