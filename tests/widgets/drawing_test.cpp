// The Qt-free side of the shared widgets: slot stepping, the drawing record and the sketches'
// coordinates.

#include "drawing.h"
#include "drawing_geometry.h"
#include "plan_view.h"
#include "sample_models.h"
#include "slot_stepping.h"

#include <gtest/gtest.h>
#include <set>

namespace orvanta {
namespace {

// In a 3 × 2 grid an X beam cannot start on the last X line: nodes 3 and 6 are empty.
const SlotPredicate xBeamStarts = [](int node) { return node % 3 != 0; };

TEST(SlotStepping, SkipsEmptySlotsInTheDirectionOfTravel) {
    EXPECT_EQ(stepToOccupied(2, 3, 1, 6, xBeamStarts), 4); // up past node 3
    EXPECT_EQ(stepToOccupied(4, 3, 1, 6, xBeamStarts), 2); // down past node 3
    EXPECT_EQ(stepToOccupied(1, 2, 1, 6, xBeamStarts), 2); // occupied: taken as it is
    EXPECT_EQ(stepToOccupied(1, 5, 1, 6, xBeamStarts), 5); // a jump lands where asked
}

TEST(SlotStepping, StaysOnTheCurrentSlotAtEitherEnd) {
    EXPECT_EQ(stepToOccupied(5, 6, 1, 6, xBeamStarts), 5);
    const SlotPredicate onlySeven = [](int slot) { return slot == 7; };
    EXPECT_EQ(stepToOccupied(7, 6, 5, 9, onlySeven), 7);
    EXPECT_EQ(stepToOccupied(7, 8, 5, 9, onlySeven), 7);
}

TEST(SlotStepping, JumpsOverARunOfEmptySlots) {
    const std::set<int> ritti{2, 9, 10};
    const SlotPredicate hasRitto = [&](int slot) { return ritti.count(slot) > 0; };
    EXPECT_EQ(stepToOccupied(2, 3, 2, 10, hasRitto), 9);
    EXPECT_EQ(stepToOccupied(9, 8, 2, 10, hasRitto), 2);
}

TEST(SlotStepping, WithoutAPredicateEverySlotIsOccupied) {
    EXPECT_EQ(stepToOccupied(1, 3, 1, 6, SlotPredicate{}), 3);
}

TEST(Drawing, PrimitivesTakeThePenAndFontInForceWhenDrawn) {
    Drawing d({6000, 4000}, colours::black);
    d.line({0, 0}, {100, 0}, colours::cyan);
    d.setPenWidth(3);
    d.setFontSize(18);
    d.filledCircle({500, 500}, 100, colours::red, colours::red);
    d.text({10, 20}, "C.M.", colours::white);
    d.setPenWidth(1);
    d.filledBox({0, 0}, {300, 300}, colours::white);

    ASSERT_EQ(d.primitives().size(), 4U);
    EXPECT_EQ(d.all<Line>().front(), (Line{{0, 0}, {100, 0}, colours::cyan, 1}));
    EXPECT_EQ(d.all<Circle>().front(), (Circle{{500, 500}, 100, colours::red, 3, colours::red}));
    EXPECT_EQ(d.all<Text>().front(), (Text{{10, 20}, "C.M.", colours::white, 18}));
    EXPECT_TRUE(d.all<Box>().front().filled);
    EXPECT_EQ(d.all<Box>().front().penWidth, 1);
}

TEST(Drawing, ClearKeepsExtentBackgroundAndPen) {
    Drawing d({6000, 4000}, colours::black);
    d.setPenWidth(2);
    d.line({0, 0}, {1, 1}, colours::white);
    d.clear();
    EXPECT_TRUE(d.primitives().empty());
    EXPECT_EQ(d.extent(), (TwipsSize{6000, 4000}));
    EXPECT_EQ(d.background(), colours::black);
    EXPECT_EQ(d.penWidth(), 2);
}

TEST(Colour, ReadsBasicColourNumbersWithRedInTheLowestByte) {
    EXPECT_EQ(Colour::fromBgr(255), colours::red);
    EXPECT_EQ(Colour::fromBgr(0xFFFF00), colours::cyan);
    EXPECT_EQ(Colour::fromBgr(0xFFFFFF), colours::white);
    EXPECT_EQ(Colour::fromBgr(0xFF0000), Colour::rgb(0, 0, 255));
}

TEST(DrawingGeometry, MapsPlanMillimetresAndLevelsToTwips) {
    EXPECT_EQ(planPoint(10000, 4000, 0.5), (TwipsPoint{5500, 7500}));
    EXPECT_EQ(planPoint(0, 0, 2.2), planOrigin);
    EXPECT_DOUBLE_EQ(elevationY(3000, 0.3, 3500), 2600);
    EXPECT_DOUBLE_EQ(elevationY(12000, 0.75), 500);
}

// The grid editor's elevation sketch: axes from (250, 3500) to (1500, 3500) and from
// (500, 3750) to (500, 2500), arrow heads to (1400, 3450), (1400, 3550), (450, 2600),
// (550, 2600), "X" at (1400, 3600) and "Z" at (275, 2500).
TEST(DrawingGeometry, AxisSymbolLandsOnTheSketchCoordinates) {
    Drawing d;
    drawAxisSymbol(d, {500, 3500}, "X", "Z");

    const std::vector<Line> lines = d.all<Line>();
    ASSERT_EQ(lines.size(), 6U);
    const auto has = [&](TwipsPoint a, TwipsPoint b) {
        for (const Line& l : lines) {
            if ((l.from == a && l.to == b) || (l.from == b && l.to == a))
                return l.colour == colours::red;
        }
        return false;
    };
    EXPECT_TRUE(has({250, 3500}, {1500, 3500}));
    EXPECT_TRUE(has({500, 3750}, {500, 2500}));
    EXPECT_TRUE(has({1500, 3500}, {1400, 3450}));
    EXPECT_TRUE(has({1500, 3500}, {1400, 3550}));
    EXPECT_TRUE(has({500, 2500}, {450, 2600}));
    EXPECT_TRUE(has({500, 2500}, {550, 2600}));

    const std::vector<Text> labels = d.all<Text>();
    ASSERT_EQ(labels.size(), 2U);
    EXPECT_EQ(labels[0].text, "X");
    EXPECT_EQ(labels[0].topLeft, (TwipsPoint{1400, 3600}));
    EXPECT_EQ(labels[1].text, "Z");
    EXPECT_EQ(labels[1].topLeft, (TwipsPoint{275, 2500}));
}

TEST(PlanView, DrawsTheStoreyAtTheSketchCoordinatesWithItsSymbols) {
    // 3 × 2 grid at 5000 × 4000 mm, every element; planScale 0.5: the column at (10000, 4000)
    // is the square (5350, 7350)–(5650, 7650), grid line 3 along X runs from 9500 up to 7500.
    const Model m = testing::fullFrame(3, 2, 1);
    Drawing d;
    drawStoreyPlan(d, storeyPlan(m, 1), 0.5);
    EXPECT_EQ(d.background(), colours::black);
    const std::vector<Line> lines = d.all<Line>();
    ASSERT_EQ(lines.size(), 5u + 7u); // grid lines, then beams
    EXPECT_EQ(lines[2], (Line{{5500, 9500}, {5500, 7500}, colours::cyan, 1}));
    EXPECT_EQ(lines[5].colour, colours::red);
    const std::vector<Box> columns = d.all<Box>();
    ASSERT_EQ(columns.size(), 6u);
    EXPECT_EQ(columns[5], (Box{{5350, 7350}, {5650, 7650}, colours::white, 1, true}));
    const std::vector<Text> labels = d.all<Text>();
    ASSERT_EQ(labels.size(), 5u);
    EXPECT_EQ(labels[2].topLeft, (TwipsPoint{5500, 7200})); // 300 above the top end
    EXPECT_EQ(labels[4].topLeft, (TwipsPoint{200, 7500}));  // 300 left of the first end

    // The saved bitmap: white paper, black beams and labels, outlined columns.
    Drawing bitmap;
    drawStoreyPlan(bitmap, storeyPlan(m, 1), 0.5, bitmapPlanStyle());
    EXPECT_EQ(bitmap.background(), colours::white);
    EXPECT_EQ(bitmap.all<Box>().size(), 12u);
    EXPECT_EQ(bitmap.all<Text>()[0].fontSize, 18);
    // Its labels are 10 points (200 twips) taller: they stand that much further out and up.
    EXPECT_EQ(bitmap.all<Text>()[2].topLeft, (TwipsPoint{5500, 7000}));
    EXPECT_EQ(bitmap.all<Text>()[4].topLeft, (TwipsPoint{0, 7300}));
    EXPECT_EQ(bitmap.all<Line>()[5].penWidth, 2);
}

} // namespace
} // namespace orvanta
