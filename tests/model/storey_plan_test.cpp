// The plan of a storey in millimetres, read by every window, the plan bitmap and the report.

#include "sample_models.h"
#include "storey_plan.h"

#include <gtest/gtest.h>

namespace orvanta {
namespace {

// A 3 × 2 grid (5000, 4000 mm) with one extra node at (2500, -2000), every element of storey 1
// but the beam along Y from node 3, and in storey 2 only the column of node 1 and of the extra
// node, a 2000 × 2200 box.
Model sample() {
    Model m = testing::fullFrame(3, 2, 2, 1);
    m.coordX(4) = 2500;
    m.coordY(3) = -2000;
    setPresent(m, 1, numbering::beamYSlot(m.counts, 3), false);
    for (int slot = 1; slot <= m.sizes().nSlots; ++slot)
        setPresent(m, 2, slot, false);
    setPresent(m, 2, 1, true);
    placeColumn(m, 2, numbering::columnSlot(m.counts, 7), {ColumnShape::box, 2000, 2200, 250, 250});
    placeColumn(m, 1, numbering::columnSlot(m.counts, 7), {ColumnShape::rectangle, 300, 300});
    return m;
}

TEST(StoreyPlan, GridLinesRunBetweenTheOutermostLinesInNumberOrder) {
    const StoreyPlan plan = storeyPlan(sample(), 1);
    ASSERT_EQ(plan.gridLines.size(), 5u);
    EXPECT_EQ(plan.gridLines[2], (PlanGridLine{true, 3, {{10000, 0}, {10000, 4000}}}));
    EXPECT_EQ(plan.gridLines[4], (PlanGridLine{false, 2, {{0, 4000}, {10000, 4000}}}));
    EXPECT_EQ(gridLineLabel(plan.gridLines[4]), "2");
    ASSERT_EQ(plan.extraNodes.size(), 1u);
    EXPECT_EQ(plan.extraNodes[0].node, 7);
    // The extra node lies below the grid: the bounds take it in.
    EXPECT_EQ(plan.lowest, (numbering::PlanPoint{0, -2000}));
    EXPECT_EQ(plan.highest, (numbering::PlanPoint{10000, 4000}));
}

TEST(StoreyPlan, ColumnsAndBeamsAreThoseOfTheStoreyWithTheirSections) {
    const Model m = sample();
    const StoreyPlan first = storeyPlan(m, 1);
    ASSERT_EQ(first.columns.size(), 7u);
    EXPECT_EQ(first.columns[6].node, 7);
    EXPECT_EQ(first.columns[6].slot, 3 * 6 - 3 - 2 + 1);
    EXPECT_EQ(first.columns[6].at, (numbering::PlanPoint{2500, -2000}));
    ASSERT_EQ(first.beams.size(), 4u + 2u); // the beam along Y from node 3 is gone
    EXPECT_TRUE(first.beams[3].alongX);
    EXPECT_EQ(first.beams[3].firstNode, 5);
    EXPECT_FALSE(first.beams[5].alongX);
    EXPECT_EQ(first.beams[5].firstNode, 2);
    EXPECT_EQ(first.beams[5].line, (PlanSegment{{5000, 0}, {5000, 4000}}));
    EXPECT_EQ(first.beams[5].section.height, 600);

    const StoreyPlan second = storeyPlan(m, 2);
    ASSERT_EQ(second.columns.size(), 2u);
    EXPECT_EQ(second.columns[1].section, (ColumnSection{ColumnShape::box, 2000, 2200, 250, 250}));
    EXPECT_TRUE(second.beams.empty());
    EXPECT_TRUE(storeyPlan(m, 0).columns.empty()); // storey 0: the grid alone
}

} // namespace
} // namespace orvanta
