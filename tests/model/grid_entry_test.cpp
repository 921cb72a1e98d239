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

// X at 0, 5000, 10000; Y at 0, 4000; levels at 0, 3000, 6000.
void enterFrame(GridEntry& grid) {
    enter(grid, GridAxis::x, {0, 5000, 5000});
    enter(grid, GridAxis::y, {0, 4000});
    enter(grid, GridAxis::z, {0, 3000, 3000});
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
}

TEST(GridEntry, ZeroAndNegativeSpacingsAreRefusedAndChangeNothing) {
    Model m;
    GridEntry grid(m);
    enter(grid, GridAxis::y, {0});
    const Model before = m;

    const std::optional<Message> zero = grid.add(GridAxis::y, 0);
    ASSERT_TRUE(zero);
    EXPECT_EQ(zero->title, "Impossibile aggiungere la griglia");
    EXPECT_EQ(zero->icon, MessageIcon::Exclamation);
    EXPECT_EQ(zero->lines,
              (std::vector<std::string>{"I piani della griglia non devono essere coincidenti",
                                        "Immettere un interasse non nullo prima di procedere"}));

    const std::optional<Message> negative = grid.add(GridAxis::y, -4000);
    ASSERT_TRUE(negative);
    EXPECT_EQ(negative->title, zero->title);
    EXPECT_EQ(negative->lines.front(), zero->lines.front());
    EXPECT_NE(negative->lines.back(), zero->lines.back());
    EXPECT_EQ(m, before);

    // Levels follow the same rule: a first level anywhere, then positive spacings only.
    EXPECT_EQ(grid.add(GridAxis::z, 0), std::nullopt);
    EXPECT_TRUE(grid.add(GridAxis::z, -3000).has_value());
    EXPECT_EQ(grid.count(GridAxis::z), 1);
}

TEST(GridEntry, RemovingWithNothingLeftIsRefusedAndTheStoreyCountNeverGoesNegative) {
    Model m;
    GridEntry grid(m);
    const std::optional<Message> nothing = grid.removeLast(GridAxis::x);
    ASSERT_TRUE(nothing);
    EXPECT_EQ(nothing->title, "Impossibile eliminare l'oggetto");
    EXPECT_EQ(nothing->lines.back(), "Non ci sono elementi da eliminare");
    EXPECT_TRUE(grid.removeLastExtraNode().has_value());

    enter(grid, GridAxis::z, {0, 3000});
    EXPECT_EQ(grid.removeLast(GridAxis::z), std::nullopt);
    EXPECT_EQ(m.counts.nStoreys, 0);
    EXPECT_EQ(grid.removeLast(GridAxis::z), std::nullopt);
    EXPECT_EQ(m.counts.nStoreys, 0);
    EXPECT_EQ(grid.count(GridAxis::z), 0);
    EXPECT_TRUE(grid.removeLast(GridAxis::z).has_value());

    // A removed line's place is taken by the next one.
    enter(grid, GridAxis::x, {0, 5000});
    ASSERT_EQ(grid.removeLast(GridAxis::x), std::nullopt);
    enter(grid, GridAxis::x, {6000});
    EXPECT_EQ(m.coordX(2), 6000);
}

TEST(GridEntry, ExtraNodesMayLieOnALineButNotOnACrossingOrOnEachOther) {
    Model m;
    GridEntry grid(m);
    enter(grid, GridAxis::x, {0, 5000, 5000});
    enter(grid, GridAxis::y, {0, 4000, 4000});

    const std::optional<Message> crossing = grid.addExtraNode(5000, 8000); // line 2, line 3
    ASSERT_TRUE(crossing);
    EXPECT_EQ(crossing->title, "Impossibile aggiungere il nodo");
    EXPECT_EQ(crossing->lines.front(),
              "I punti nodali non devono essere coincidenti con la griglia");

    EXPECT_EQ(grid.addExtraNode(5000, 6000), std::nullopt); // on line 2, between lines
    EXPECT_EQ(m.coordX(101), 5000);
    EXPECT_EQ(m.coordY(101), 6000);
    EXPECT_EQ(m.counts.nExtra, 1);

    const std::optional<Message> twice = grid.addExtraNode(5000, 6000);
    ASSERT_TRUE(twice);
    EXPECT_EQ(twice->lines.front(), "I punti nodali non devono essere coincidenti tra loro");
    EXPECT_EQ(m.counts.nExtra, 1);
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

TEST(GridEntry, ScalesOnlyShrinkWhileTheGridIsEntered) {
    Model m;
    GridEntry grid(m);
    grid.setMaximum(GridAxis::x, 5); // 2.2 twips/mm would grow the start scale of 1
    EXPECT_FLOAT_EQ(m.planScale, 1.0f);
    grid.setMaximum(GridAxis::x, 50);
    EXPECT_FLOAT_EQ(m.planScale, 0.22f);
    grid.setMaximum(GridAxis::x, 5);
    EXPECT_FLOAT_EQ(m.planScale, 0.22f);
    EXPECT_FLOAT_EQ(m.drawMax(0), 5.0f);

    grid.setMaximum(GridAxis::y, 90);
    EXPECT_FLOAT_EQ(m.planScale, 0.1f);
    grid.setMaximum(GridAxis::z, 20);
    EXPECT_FLOAT_EQ(m.elevScale, 0.15f);
    EXPECT_TRUE(grid.maximaGiven());

    // A maximum that is not positive counts as none and never turns the drawing over.
    grid.setMaximum(GridAxis::z, -20);
    EXPECT_FLOAT_EQ(m.elevScale, 0.15f);
    EXPECT_EQ(m.drawMax(2), 0);
    EXPECT_FALSE(grid.maximaGiven());
}

TEST(GridEntry, ClearingStartsAgainWithTheLargerScales) {
    Model m;
    GridEntry grid(m);
    enterFrame(grid);
    ASSERT_EQ(grid.addExtraNode(2500, 6000), std::nullopt);
    grid.setMaximum(GridAxis::x, 10);
    grid.clear();
    EXPECT_EQ(m.counts, Counts{});
    EXPECT_EQ(grid.count(GridAxis::z), 0);
    EXPECT_EQ(m.coordX(2), 0);
    EXPECT_EQ(m.coordX(101), 0);
    EXPECT_EQ(m.drawMax(0), 0);
    EXPECT_FLOAT_EQ(m.planScale, 10.0f);
    EXPECT_FLOAT_EQ(m.elevScale, 3.0f);
    grid.setMaximum(GridAxis::x, 5);
    EXPECT_FLOAT_EQ(m.planScale, 2.2f);
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
