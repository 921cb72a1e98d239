// The records the loads and sections editors write: a typed slab on a bay, one section given to
// every element of a storey.

#include "sample_models.h"
#include "section_entry.h"
#include "slab_entry.h"

#include <gtest/gtest.h>

namespace orvanta {
namespace {

using testing::fullFrame;

TEST(SlabEntry, BaysStartOnNodesOffTheLastLineAndRow) {
    const Counts c{4, 3, 1, 0};
    std::vector<int> starts;
    for (int n = 0; n <= 13; ++n) {
        if (startsBay(c, n))
            starts.push_back(n);
    }
    EXPECT_EQ(starts, (std::vector<int>{1, 2, 3, 5, 6, 7}));
    EXPECT_EQ(bayOfNode(c, 1), 1);
    EXPECT_EQ(bayOfNode(c, 5), 4);
    EXPECT_EQ(bayOfNode(c, 7), 6);
}

TEST(SlabEntry, TheRecordTakesTheTypedUnitsToTheStoredOnes) {
    Model m = fullFrame(4, 3, 1);
    m.coordX(3) = 11000; // the bay from node 6 is 6000 wide
    const Slab s = slabRecord(m, 6, {SlabSpan::alongY, 5, 2, 30});
    EXPECT_TRUE(s.present);
    EXPECT_EQ(s.span, SlabSpan::alongY);
    EXPECT_DOUBLE_EQ(s.permanent, 0.005);
    EXPECT_DOUBLE_EQ(s.variable, 0.002);
    EXPECT_DOUBLE_EQ(s.share, 0.3);
    EXPECT_DOUBLE_EQ(s.sideX, 6000);
    EXPECT_DOUBLE_EQ(s.sideY, 4000);
}

TEST(SlabEntry, AStoreyGetsTheSlabOnlyWhereItsBeamsAre) {
    // 3 × 3 grid: the beam along X from node 8 to 9 (the top edge of bay 4) is missing, so a slab
    // spanning along Y cannot rest on bay 4, while one spanning along X still can.
    Model m = fullFrame(3, 3, 2);
    setPresent(m, 2, numbering::beamXSlot(m.counts, 2, 3), false);
    EXPECT_FALSE(hasSupportingBeams(m, 2, 5, SlabSpan::alongY));
    EXPECT_TRUE(hasSupportingBeams(m, 2, 5, SlabSpan::alongX));

    const SlabsApplied applied = applySlabToStorey(m, 2, {SlabSpan::alongY, 4, 0, 0});
    EXPECT_EQ(applied, (SlabsApplied{3, 1}));
    EXPECT_FALSE(slabAt(m, 2, 4).present);
    EXPECT_DOUBLE_EQ(slabAt(m, 2, 3).permanent, 0.004);
    EXPECT_FALSE(slabAt(m, 1, 1).present) << "another storey is left alone";
    EXPECT_EQ(applySlabToStorey(m, 2, {SlabSpan::alongX, 4, 0, 0}), (SlabsApplied{4, 0}));
}

TEST(SectionEntry, ASectionReachesEveryPresentElementOfItsKindAndNoOther) {
    // 3 × 2 grid with one extra node; node 2 has no column and the beam along Y from node 3 is
    // missing in storey 1.
    Model m = fullFrame(3, 2, 2, 1);
    const Counts& c = m.counts;
    setPresent(m, 1, 2, false);
    setPresent(m, 1, numbering::columnSlot(c, 7), true);
    setPresent(m, 1, numbering::beamYSlot(c, 3), false);

    const ColumnSection box{ColumnShape::box, 2000, 2200, 250, 300};
    EXPECT_EQ(applyColumnSectionToStorey(m, 1, box), 6); // five grid columns and the extra one
    EXPECT_EQ(columnSection(m, 1, numbering::columnSlot(c, 7)), box);
    EXPECT_EQ(columnSection(m, 1, 1), box);
    EXPECT_FALSE(isPresent(m, 1, 2));
    EXPECT_EQ(columnSection(m, 1, 2).base, 300) << "an absent column keeps its old values";
    EXPECT_EQ(columnSection(m, 2, 1).base, 300) << "another storey is left alone";

    const BeamSection tee{BeamShape::tee, 800, 500, 120, 300};
    EXPECT_EQ(applyBeamSectionToStorey(m, 1, BeamDirection::alongY, tee), 2);
    EXPECT_EQ(beamSection(m, 1, numbering::beamYSlot(c, 1)), tee);
    EXPECT_EQ(beamSection(m, 1, numbering::beamXSlot(c, 1, 1)).base, 300)
        << "beams along X are left alone";
    EXPECT_TRUE(isPresent(m, 1, numbering::beamYSlot(c, 1)));
}

} // namespace
} // namespace orvanta
