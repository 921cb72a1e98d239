// Entering a grid: lines, levels and extra nodes with their refusals, the drawing scales, and the
// hand-over that fixes the grid.

#include "grid_entry.h"
#include "sample_models.h"

#include <gtest/gtest.h>

namespace orvanta {
namespace {

// Adds lines or levels: the first value is the first coordinate, the others are spacings.
void enter(GridEntry& grid, GridAxis axis, std::initializer_list<double> values) {
    for (const double v : values)
        ASSERT_EQ(grid.add(axis, v), std::nullopt) << v;
}

TEST(GridEntry, StartsAnEmptyGridOverWhateverTheModelHeld) {
    Model m = testing::fullFrame(3, 2, 2);
    const GridEntry grid(m);
    EXPECT_EQ(m.counts, Counts{});
    EXPECT_EQ(m.coordX.upper(), 200);
    EXPECT_EQ(m.coordY.upper(), 200);
    EXPECT_EQ(m.levelZ.upper(), 100);
    EXPECT_EQ(m.coordX(1), 0);
    EXPECT_TRUE(m.members.empty());
    EXPECT_EQ(m.drawMax(0), 0);
    EXPECT_FLOAT_EQ(m.planScale, 1.0f);
    EXPECT_FLOAT_EQ(m.elevScale, 0.3f);
}

TEST(GridEntry, LinesFollowTheFirstCoordinateByPositiveSpacings) {
    Model m;
    GridEntry grid(m);
    enter(grid, GridAxis::x, {-500, 5000, 2500});
    enter(grid, GridAxis::z, {0});
    EXPECT_EQ(m.counts.nX, 3);
    EXPECT_EQ(m.coordX(1), -500);
    EXPECT_EQ(m.coordX(3), 7000);
    // One level is no storey yet; the second makes the first.
    EXPECT_EQ(m.counts.nStoreys, 0);
    enter(grid, GridAxis::z, {3200});
    EXPECT_EQ(m.counts.nStoreys, 1);
    EXPECT_EQ(m.levelZ(2), 3200);

    // A spacing that would go back is refused and changes nothing.
    const Model before = m;
    EXPECT_TRUE(grid.add(GridAxis::z, -3200).has_value());
    EXPECT_TRUE(grid.add(GridAxis::x, 0).has_value());
    EXPECT_EQ(m, before);
}

// Removing the only level leaves no storey, not -1 of them.
TEST(GridEntry, TheStoreyCountNeverGoesNegative) {
    Model m;
    GridEntry grid(m);
    enter(grid, GridAxis::z, {0, 3000});
    EXPECT_EQ(grid.removeLast(GridAxis::z), std::nullopt);
    EXPECT_EQ(grid.removeLast(GridAxis::z), std::nullopt);
    EXPECT_EQ(m.counts.nStoreys, 0);
    EXPECT_TRUE(grid.removeLast(GridAxis::z).has_value());
}

TEST(GridEntry, ExtraNodesMayNotCoincide) {
    Model m;
    GridEntry grid(m);
    EXPECT_EQ(grid.addExtraNode(5000, 6000), std::nullopt);
    const std::optional<Message> twice = grid.addExtraNode(5000, 6000);
    ASSERT_TRUE(twice);
    EXPECT_EQ(twice->title, "Impossibile aggiungere il nodo");
    EXPECT_EQ(twice->lines.front(), "I punti nodali non devono essere coincidenti tra loro");
    EXPECT_EQ(m.counts.nExtra, 1);
    EXPECT_EQ(m.coordX(101), 5000);
}

// A line added later may not put an extra node onto a crossing either.
TEST(GridEntry, ALineThatWouldCrossAnotherOnAnExtraNodeIsRefused) {
    Model m;
    GridEntry grid(m);
    enter(grid, GridAxis::x, {0});
    enter(grid, GridAxis::y, {0});
    ASSERT_EQ(grid.addExtraNode(5000, 0), std::nullopt); // on the Y line at 0
    const std::optional<Message> refused = grid.add(GridAxis::x, 5000);
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->lines.back(),
              "La linea passerebbe per il punto nodale 1 su un incrocio della griglia");
    EXPECT_EQ(m.counts.nX, 1);
    EXPECT_EQ(grid.add(GridAxis::x, 6000), std::nullopt);
}

TEST(GridEntry, TheEditingArraysBoundLinesLevelsAndNodes) {
    Model m;
    GridEntry grid(m);
    for (int i = 0; i < GridEntry::maxLines; ++i) {
        ASSERT_EQ(grid.add(GridAxis::x, 1000), std::nullopt);
        ASSERT_EQ(grid.add(GridAxis::z, 3000), std::nullopt);
        ASSERT_EQ(grid.addExtraNode(500 + i, -1000), std::nullopt);
    }
    EXPECT_EQ(m.counts.nStoreys, 99);
    const std::optional<Message> line = grid.add(GridAxis::x, 1000);
    ASSERT_TRUE(line);
    EXPECT_EQ(line->lines.front(), "La griglia può contenere al massimo 100 linee in direzione X");
    const std::optional<Message> level = grid.add(GridAxis::z, 1000);
    ASSERT_TRUE(level);
    EXPECT_EQ(level->lines.front(), "La griglia può contenere al massimo 100 livelli (99 piani)");
    EXPECT_TRUE(grid.addExtraNode(0, -5000).has_value());
    EXPECT_EQ(m.counts.nX, 100);
    EXPECT_EQ(m.counts.nExtra, 100);
    EXPECT_EQ(m.coordX(101), 500); // the first extra node is untouched
}

TEST(GridEntry, AMaximumThatIsNotPositiveNeverTurnsTheDrawingOver) {
    Model m;
    GridEntry grid(m);
    grid.setMaximum(GridAxis::z, 20);
    EXPECT_FLOAT_EQ(m.elevScale, 0.15f);
    grid.setMaximum(GridAxis::z, -20);
    EXPECT_FLOAT_EQ(m.elevScale, 0.15f);
    EXPECT_EQ(m.drawMax(2), 0);
    EXPECT_FALSE(grid.maximaGiven());
}

TEST(GridEntry, HandOverMovesTheExtraNodesBehindTheLinesAndAllocatesTheElements) {
    Model m;
    GridEntry grid(m);
    enter(grid, GridAxis::x, {0, 5000, 5000});
    enter(grid, GridAxis::y, {0, 4000});
    enter(grid, GridAxis::z, {0, 3000});
    ASSERT_EQ(grid.addExtraNode(2500, 6000), std::nullopt);
    ASSERT_EQ(grid.addExtraNode(12000, 2000), std::nullopt);
    ASSERT_EQ(grid.handOverRefusal(), std::nullopt);
    grid.handOver();

    EXPECT_EQ(m.counts, (Counts{3, 2, 1, 2}));
    ASSERT_EQ(m.coordX.size(), 5u);
    EXPECT_EQ(std::vector<double>(m.coordX.values().begin(), m.coordX.values().end()),
              (std::vector<double>{0, 5000, 10000, 2500, 12000}));
    EXPECT_EQ(std::vector<double>(m.coordY.values().begin(), m.coordY.values().end()),
              (std::vector<double>{0, 4000, 6000, 2000}));
    EXPECT_EQ(m.levelZ.size(), 2u);
    // The node at X = 12000 beyond the last line widens the plan; the one at Y = 6000 too.
    EXPECT_EQ(m.drawMax(0), 12000);
    EXPECT_EQ(m.drawMax(1), 6000);
    EXPECT_EQ(m.drawMax(2), 3000);
    EXPECT_FLOAT_EQ(m.planScale, 11000.0f / 12000); // beats 9000/6000
    EXPECT_FLOAT_EQ(m.elevScale, 1.0f);
    EXPECT_EQ(m.members.upper(1), 1);
    EXPECT_EQ(m.members.upper(2), 3 * 6 - 3 - 2 + 2);
    EXPECT_EQ(m.members.upper(3), 6);
    EXPECT_TRUE(m.slabs.empty()); // the loads phase allocates its own
}

TEST(GridEntry, HandOverIsRefusedUntilTheGridIsABuilding) {
    Model m;
    GridEntry grid(m);
    enter(grid, GridAxis::x, {0, 5000});
    enter(grid, GridAxis::y, {0});
    const std::optional<Message> incomplete = grid.handOverRefusal();
    ASSERT_TRUE(incomplete);
    EXPECT_EQ(incomplete->title, "Impossibile passare alla fase successiva");
    EXPECT_EQ(incomplete->lines,
              (std::vector<std::string>{"La griglia non è ancora completa:",
                                        "servono almeno 2 linee in direzione Y (ora 1)",
                                        "servono almeno 2 livelli (ora 0)"}));

    // Lines below zero only: the scales would divide by a last coordinate that is not positive.
    Model low;
    GridEntry below(low);
    enter(below, GridAxis::x, {-9000, 4000});
    enter(below, GridAxis::y, {0, 4000});
    enter(below, GridAxis::z, {-6000, 3000});
    const std::optional<Message> notBeyondZero = below.handOverRefusal();
    ASSERT_TRUE(notBeyondZero);
    EXPECT_EQ(notBeyondZero->lines,
              (std::vector<std::string>{
                  "Devono avere coordinata maggiore di zero:", "l'ultima linea in direzione X",
                  "l'ultimo livello", "i disegni sono scalati sulle coordinate massime"}));
}

} // namespace
} // namespace orvanta
