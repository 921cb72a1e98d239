// Placing columns through storeys and beams between grid nodes by their presence flags.

#include "element_records.h"
#include "member_placement.h"
#include "numbering.h"
#include "sample_models.h"

#include <gtest/gtest.h>

namespace orvanta {
namespace {

// A 3 × 2 grid of three storeys with one extra node (node 7): 14 slots per storey.
Model grid3x2() {
    return *Model::allocate({3, 2, 3, 1});
}

using testing::presentSlots;

// Along Y every node of the first rows starts a beam; along X none on the last X line.
TEST(MemberPlacement, BeamStartsAndEnds) {
    const Counts c{3, 2, 1, 0};
    EXPECT_FALSE(canStartBeam(c, BeamDirection::alongX, 3));
    EXPECT_EQ(lastBeamStart(c, BeamDirection::alongX), 5);
    EXPECT_EQ(lastBeamStart(c, BeamDirection::alongY), 3);
    EXPECT_FALSE(canStartBeam(c, BeamDirection::alongY, 4));
    EXPECT_EQ(beamSlot(c, BeamDirection::alongY, 2), 12);
    EXPECT_EQ(beamEnd(c, BeamDirection::alongY, 2), 5);
}

TEST(MemberPlacement, AColumnRisesFromTheBaseThroughItsElevations) {
    Model m = grid3x2();
    setColumnThrough(m, 7, 2, true); // the extra node
    EXPECT_EQ(presentSlots(m, 1), std::vector<int>{14});
    EXPECT_EQ(presentSlots(m, 2), std::vector<int>{14});
    EXPECT_TRUE(presentSlots(m, 3).empty());

    placeColumn(m, 1, 14, {ColumnShape::rectangle, 300, 500});
    setColumnThrough(m, 7, 1, false);
    EXPECT_TRUE(presentSlots(m, 1).empty());
    EXPECT_EQ(columnSection(m, 1, 14).height, 500); // the section stays for a later return
    EXPECT_EQ(presentSlots(m, 2), std::vector<int>{14});
}

TEST(MemberPlacement, StoreysWithoutAnyColumnAreFoundAndClearingEmptiesAll) {
    Model m = grid3x2();
    setColumnThrough(m, 7, 1, true);
    setBeam(m, BeamDirection::alongY, 1, 3, true); // a beam is no column
    EXPECT_EQ(storeysWithoutColumns(m), (std::vector<int>{2, 3}));

    clearMembers(m);
    EXPECT_EQ(storeysWithoutColumns(m), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(m.members.upper(2), 14);
}

} // namespace
} // namespace orvanta
