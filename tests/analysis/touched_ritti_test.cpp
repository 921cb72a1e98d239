#include "element_records.h"
#include "numbering.h"
#include "sample_models.h"
#include "touched_ritti.h"

#include <gtest/gtest.h>

namespace orvanta {
namespace {

using numbering::beamXSlot;
using numbering::beamYSlot;
using Nodes = std::vector<int>;

// A frame of 4 × 3 lines and two storeys, every column and beam present. Nodes 1..4 are the
// first row (y = 0), 5..8 the second, 9..12 the third; one extra node, 13.
struct TouchedRittiTest : ::testing::Test {
    Model model = testing::fullFrame(4, 3, 2, 1);

    TouchedRitti touched(int storey, int slot) {
        TouchedRitti t;
        addTouchedRitti(model, {storey, slot}, t);
        t.sort();
        return t;
    }
};

TEST_F(TouchedRittiTest, ColumnReachesItsNodeAndTheNearestColumnOnEachSideOfEachLine) {
    const TouchedRitti t = touched(1, 6);          // node (2, 2)
    EXPECT_EQ(t.orthogonalToY, (Nodes{5, 6, 7}));  // beams along X: its row
    EXPECT_EQ(t.orthogonalToX, (Nodes{2, 6, 10})); // beams along Y: its column
}

TEST_F(TouchedRittiTest, WalksPastNodesWithoutColumnOnlyWhileTheBeamsGoOn) {
    setPresent(model, 1, 2, false); // no column at node (2, 1) in storey 1
    // The beam 2–3 of the first row: node 2 has no column, the walk goes on to node 1.
    EXPECT_EQ(touched(1, beamXSlot(model.counts, 2, 1)).orthogonalToY, (Nodes{1, 3}));
    EXPECT_TRUE(touched(1, beamXSlot(model.counts, 2, 1)).orthogonalToX.empty());
    // The column at node 3 reaches node 1 across the empty node 2, and node 4.
    EXPECT_EQ(touched(1, 3).orthogonalToY, (Nodes{1, 3, 4}));
    // Without the beam 1–2 the line breaks at node 2: nothing on that side.
    setPresent(model, 1, beamXSlot(model.counts, 1, 1), false);
    EXPECT_EQ(touched(1, beamXSlot(model.counts, 2, 1)).orthogonalToY, (Nodes{3}));
    EXPECT_EQ(touched(1, 3).orthogonalToY, (Nodes{3, 4}));
    // Another storey is not concerned.
    EXPECT_EQ(touched(2, beamXSlot(model.counts, 2, 1)).orthogonalToY, (Nodes{2, 3}));
}

TEST_F(TouchedRittiTest, BeamAlongYReachesTheRittiOrthogonalToX) {
    const TouchedRitti t = touched(2, beamYSlot(model.counts, 7)); // node 7 to node 11
    EXPECT_EQ(t.orthogonalToX, (Nodes{7, 11}));
    EXPECT_TRUE(t.orthogonalToY.empty());
}

TEST_F(TouchedRittiTest, ExtraNodeColumnReachesOnlyItsOwnRitti) {
    const int slot = numbering::columnSlot(model.counts, 13);
    const TouchedRitti t = touched(1, slot);
    EXPECT_EQ(t.orthogonalToX, (Nodes{13}));
    EXPECT_EQ(t.orthogonalToY, (Nodes{13}));
}

TEST_F(TouchedRittiTest, SlotOrStoreyOutsideTheModelReachesNothing) {
    const int slots = model.sizes().nSlots;
    for (const MemberRef m :
         {MemberRef{0, 1}, MemberRef{3, 1}, MemberRef{1, 0}, MemberRef{1, slots + 1}}) {
        TouchedRitti t;
        addTouchedRitti(model, m, t);
        EXPECT_TRUE(t.orthogonalToX.empty() && t.orthogonalToY.empty());
    }
}

} // namespace
} // namespace orvanta
