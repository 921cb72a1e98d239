#include "model.h"
#include "numbering.h"

#include <gtest/gtest.h>

namespace orvanta {
namespace {

using namespace numbering;

TEST(Sizes, TwoByTwoGridHasEightSlotsAndOneBay) {
    const SizeCheck check = deriveSizes({2, 2, 1, 0});
    ASSERT_TRUE(check.sizes);
    EXPECT_EQ(check.sizes->gridNodes, 4);
    EXPECT_EQ(check.sizes->nSlots, 8);
    EXPECT_EQ(check.sizes->loadSlots, 8);
    EXPECT_EQ(check.sizes->bays, 1);
    EXPECT_EQ(deriveSizes({2, 2, 1, 3}).sizes->nSlots, 11);
}

TEST(Sizes, LargestBuildingOfTheEditorsFitsSixteenBits) {
    const SizeCheck check = deriveSizes({100, 100, 99, 100});
    ASSERT_TRUE(check.sizes) << check.error;
    EXPECT_EQ(check.sizes->nSlots, 29900);
    EXPECT_EQ(check.sizes->nodes, 10100);
    EXPECT_EQ(check.sizes->ritRows, 297);
}

TEST(Sizes, OverflowIsAnErrorNeverAWrapAround) {
    EXPECT_FALSE(deriveSizes({200, 200, 1, 0}).sizes);
    EXPECT_FALSE(deriveSizes({105, 105, 1, 0}).sizes);   // 3·nX·nY = 33075
    EXPECT_FALSE(deriveSizes({104, 104, 1, 600}).sizes); // slots 32240 + 600
    EXPECT_FALSE(deriveSizes({2, 2, 11000, 0}).sizes);   // 3·nStoreys
    EXPECT_FALSE(deriveSizes({2, 2, 32767, 0}).sizes);   // nStoreys + 1
    EXPECT_NE(deriveSizes({200, 200, 1, 0}).error.find("32767"), std::string::npos);
}

TEST(Sizes, CountsThatDescribeNoBuildingAreRefused) {
    EXPECT_FALSE(deriveSizes({1, 2, 1, 0}).sizes);
    EXPECT_FALSE(deriveSizes({2, 1, 1, 0}).sizes);
    EXPECT_FALSE(deriveSizes({2, 2, 0, 0}).sizes);
    EXPECT_FALSE(deriveSizes({2, 2, 1, -1}).sizes);
    EXPECT_FALSE(Model::allocate({-3, 2, 1, 0}));
}

TEST(Numbering, SlotsOfATwoByTwoGrid) {
    const Counts c{2, 2, 1, 0};
    EXPECT_EQ(beamXSlot(c, 1, 1), 5);
    EXPECT_EQ(beamXSlot(c, 1, 2), 6);
    EXPECT_EQ(beamYSlot(c, 1), 7);
    EXPECT_EQ(beamYSlot(c, 2), 8);
    EXPECT_EQ(bay(c, 1, 1), 1);
}

TEST(Numbering, NoSlotIsReservedForABeamPastTheLastLine) {
    const Counts c{4, 3, 1, 0};
    // The X beams of row 1 end at ix = nX − 1 and those of row 2 follow at once.
    EXPECT_EQ(beamXSlot(c, 3, 1) + 1, beamXSlot(c, 1, 2));
    // The last X beam is followed by the first Y beam, the last Y beam by the extra columns.
    EXPECT_EQ(beamXSlot(c, 3, 3) + 1, beamYSlot(c, 1));
    EXPECT_EQ(beamYSlot(c, gridNode(c, 4, 2)), deriveSizes(c).sizes->loadSlots);
}

TEST(Numbering, ExtraNodeOfAThreeByTwoGrid) {
    const Counts c{3, 2, 1, 1};
    EXPECT_EQ(extraNode(c, 1), 7);
    EXPECT_EQ(columnSlot(c, 7), 14);
    EXPECT_EQ(deriveSizes(c).sizes->nSlots, 14);
    EXPECT_EQ(columnSlot(c, 5), 5);
}

TEST(Numbering, GridPositionInvertsGridNode) {
    const Counts c{5, 4, 1, 0};
    for (int iy = 1; iy <= c.nY; ++iy) {
        for (int ix = 1; ix <= c.nX; ++ix)
            EXPECT_EQ(gridPosition(c, gridNode(c, ix, iy)), (GridPosition{ix, iy}));
    }
    EXPECT_EQ(gridPosition(c, 5), (GridPosition{5, 1})); // remainder 0 → last position
}

TEST(Numbering, ExtraNodesTakeTheirCoordinatesFromTheTail) {
    Model m = *Model::allocate({3, 2, 1, 2});
    m.coordX(1) = 0, m.coordX(2) = 4000, m.coordX(3) = 8000, m.coordX(4) = 1500, m.coordX(5) = 9500;
    m.coordY(1) = 0, m.coordY(2) = 5000, m.coordY(3) = -1200, m.coordY(4) = 2500;
    EXPECT_EQ(nodePosition(m, 6), (PlanPoint{8000, 5000}));
    EXPECT_EQ(nodePosition(m, 7), (PlanPoint{1500, -1200}));
    EXPECT_EQ(nodePosition(m, 8), (PlanPoint{9500, 2500}));
}

} // namespace
} // namespace orvanta
