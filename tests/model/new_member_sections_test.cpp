// The section a new column or beam takes in a building whose sections are entered.

#include "new_member_sections.h"
#include "numbering.h"
#include "sample_models.h"

#include <gtest/gtest.h>

namespace orvanta {
namespace {

// A 3 × 2 grid (lines every 5000 mm along X, 4000 mm along Y) of three storeys, empty.
Model emptyGrid() {
    Model m = *Model::allocate({3, 2, 3, 0});
    testing::setGrid(m, {0, 5000, 10000}, {0, 4000}, {0, 3000, 6000, 9000});
    return m;
}

// The worked example of the header: node 5 lies at 6403 mm from node 3, node 1 at 10000 mm.
TEST(NewMemberSections, ANewColumnTakesTheSectionOfTheNearestOne) {
    Model m = emptyGrid();
    testing::setRectangle(m, 2, 1, 300, 300);
    testing::setRectangle(m, 2, 5, 400, 600);
    EXPECT_EQ(nearestColumnSection(m, 2, 3), (ColumnSection{ColumnShape::rectangle, 400, 600}));
    // Closer to node 1 than to node 5: (0, 4000) is 4000 from node 1 and 5000 from node 5.
    EXPECT_EQ(nearestColumnSection(m, 2, 4)->base, 300);
}

// Storey 2 has no column: storeys 1 and 3 are equally near, the lower lends its section.
TEST(NewMemberSections, AnEmptyStoreyBorrowsFromTheNearestStoreyBelowFirst) {
    Model m = emptyGrid();
    testing::setRectangle(m, 1, 6, 350, 350);
    testing::setRectangle(m, 3, 3, 250, 250);
    EXPECT_EQ(nearestColumnSection(m, 2, 3)->base, 350);
    EXPECT_EQ(nearestColumnSection(m, 3, 6)->base, 250);
    EXPECT_FALSE(nearestColumnSection(emptyGrid(), 1, 1));
}

TEST(NewMemberSections, ANewBeamTakesTheSectionOfTheNearestBeam) {
    Model m = emptyGrid();
    const Counts& c = m.counts;
    testing::setRectangle(m, 1, numbering::beamXSlot(c, 1, 1), 300, 500); // midpoint (2500, 0)
    testing::setRectangle(m, 1, numbering::beamYSlot(c, 3), 300, 700);    // midpoint (10000, 2000)
    // The beam along X from node 5 has its midpoint at (7500, 4000): 3202 mm from the Y beam.
    EXPECT_EQ(nearestBeamSection(m, 1, BeamDirection::alongX, 5)->height, 700);
    EXPECT_EQ(nearestBeamSection(m, 1, BeamDirection::alongY, 1)->height, 500);
}

TEST(NewMemberSections, SectionsInUseAreListedOnceAndDescribed) {
    Model m = emptyGrid();
    testing::setRectangle(m, 1, 1, 300, 500);
    testing::setRectangle(m, 2, 1, 300, 500);
    testing::setMember(m, 2, 2, 1, 600, 600, 150, 200);
    const std::vector<ColumnSection> sections = columnSectionsInUse(m);
    ASSERT_EQ(sections.size(), 2u);
    EXPECT_EQ(describeSection(sections[0]), "Rettangolare 300 x 500");
    EXPECT_EQ(describeSection(sections[1]), "Scatolare 600 x 600 (pareti 150 / 200)");
    EXPECT_EQ(describeSection(BeamSection{BeamShape::tee, 800, 500, 150, 300}),
              "a T 800 x 500 (ala 150, anima 300)");
}

} // namespace
} // namespace orvanta
