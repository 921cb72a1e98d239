// Changing the grid of a building already entered, and copying a storey: each change on a
// 4 × 3 × 3 frame is checked against the same building built in code.

#include "grid_edits.h"
#include "model_check.h"
#include "numbering.h"
#include "project_file.h"
#include "sample_models.h"
#include "storey_copy.h"

#include <filesystem>
#include <functional>
#include <gtest/gtest.h>

namespace orvanta {
namespace {

using testing::fullFrame;
using testing::setRectangle;

// Loads that are exact binary fractions, so that joined slabs can be compared exactly.
constexpr double gA = 0.0078125;  // N/mm², 2⁻⁷: slabs of the first column of bays
constexpr double gB = 0.00390625; // N/mm², 2⁻⁸: every other slab
constexpr double q = 0.001953125; // N/mm², 2⁻⁹

// Every slab spanning along X with g = gB, q at 25 %; sides from the grid.
void slabEverywhere(Model& m) {
    const Counts& c = m.counts;
    for (int k = 1; k <= c.nStoreys; ++k) {
        for (int iy = 1; iy < c.nY; ++iy) {
            for (int ix = 1; ix < c.nX; ++ix)
                testing::setSlab(m, k, ix, iy, SlabSpan::alongX, gB, q, 0.25);
        }
    }
}

// The 4 × 3 × 3 frame of the tests: lines at x = 0, 5000, 10000, 15000 and y = 0, 4000, 8000,
// levels 0, 3000, 6000, 9000; columns 300 × 500, beams 300 × 600, a slab on every bay. The
// beams along X between lines 1 and 2 are 300 × 700 and those along Y between rows 1 and 2
// 300 × 800, so that a beam taken from the wrong side shows.
Model frame() {
    Model m = fullFrame(4, 3, 3);
    slabEverywhere(m);
    for (int k = 1; k <= 3; ++k) {
        for (int iy = 1; iy <= 3; ++iy)
            setRectangle(m, k, numbering::beamXSlot(m.counts, 1, iy), 300, 700);
        for (int ix = 1; ix <= 4; ++ix)
            setRectangle(m, k, numbering::beamYSlot(m.counts, ix), 300, 800);
    }
    return m;
}

// A slot that nothing was ever entered in: every value zero.
void clearSlot(Model& m, int storey, int slot) {
    for (int v = 1; v <= member::values; ++v)
        m.members(storey, slot, v) = 0;
}

void expectSameBuilding(const Model& actual, const Model& expected) {
    EXPECT_EQ(actual.counts, expected.counts);
    EXPECT_TRUE(actual.coordX == expected.coordX);
    EXPECT_TRUE(actual.coordY == expected.coordY);
    EXPECT_TRUE(actual.levelZ == expected.levelZ);
    EXPECT_TRUE(actual.members == expected.members) << "members differ";
    EXPECT_TRUE(actual.slabs == expected.slabs) << "slabs differ";
    EXPECT_TRUE(actual == expected) << "load results, extents or settings differ";
    EXPECT_TRUE(checkModel(actual).passed());
}

// --- along X --------------------------------------------------------------------------------

// A line at 7500 between lines 2 and 3: the beams along X and the slabs of the bay it crosses
// are split, both halves keeping section and loads; the new line carries nothing.
TEST(GridEdits, InsertingALineAlongXSplitsTheBeamsAndSlabsItCrosses) {
    const StructuralEdit edit = insertGridLine(frame(), GridAxis::x, 3, 7500);
    ASSERT_TRUE(edit.done());

    Model expected = fullFrame(5, 3, 3);
    testing::setGrid(expected, {0, 5000, 7500, 10000, 15000}, {0, 4000, 8000},
                     {0, 3000, 6000, 9000});
    slabEverywhere(expected);
    const Counts& c = expected.counts;
    for (int k = 1; k <= 3; ++k) {
        for (int iy = 1; iy <= 3; ++iy) {
            setRectangle(expected, k, numbering::beamXSlot(c, 1, iy), 300, 700);
            clearSlot(expected, k, numbering::gridNode(c, 3, iy));
        }
        for (int ix = 1; ix <= 5; ++ix)
            setRectangle(expected, k, numbering::beamYSlot(c, ix), 300, 800);
        for (int iy = 1; iy <= 2; ++iy)
            clearSlot(expected, k, numbering::beamYSlot(c, numbering::gridNode(c, 3, iy)));
    }
    expected.drawMax = frame().drawMax;
    expectSameBuilding(edit.model, expected);
    EXPECT_TRUE(edit.removed.empty());
    EXPECT_TRUE(edit.merged.empty());
}

TEST(GridEdits, MovingALineAlongXMovesItsElementsAndResizesTheSlabsBesideIt) {
    const StructuralEdit edit = moveGridLine(frame(), GridAxis::x, 2, 6000);
    ASSERT_TRUE(edit.done());
    Model expected = frame();
    expected.coordX(2) = 6000;
    for (int k = 1; k <= 3; ++k) {
        for (int iy = 1; iy <= 2; ++iy) {
            expected.slabs(k, numbering::bay(expected.counts, 1, iy), slab::sideX) = 6000;
            expected.slabs(k, numbering::bay(expected.counts, 2, iy), slab::sideX) = 4000;
        }
    }
    expectSameBuilding(edit.model, expected);
}

// Line 2 taken away: its columns and its beams along Y go; the beams along X on its two sides
// join with the section of the left one, the slabs with their total load.
TEST(GridEdits, DeletingAnInnerLineAlongXJoinsTheBeamsAndSlabsOnItsTwoSides) {
    Model before = frame();
    for (int k = 1; k <= 3; ++k) {
        for (int iy = 1; iy <= 2; ++iy)
            testing::setSlab(before, k, 1, iy, SlabSpan::alongX, gA, q, 0.25);
    }
    const StructuralEdit edit = deleteGridLine(before, GridAxis::x, 2);
    ASSERT_TRUE(edit.done());

    Model expected = fullFrame(3, 3, 3);
    testing::setGrid(expected, {0, 10000, 15000}, {0, 4000, 8000}, {0, 3000, 6000, 9000});
    slabEverywhere(expected);
    const Counts& c = expected.counts;
    for (int k = 1; k <= 3; ++k) {
        for (int iy = 1; iy <= 3; ++iy)
            setRectangle(expected, k, numbering::beamXSlot(c, 1, iy), 300, 700);
        for (int ix = 1; ix <= 3; ++ix)
            setRectangle(expected, k, numbering::beamYSlot(c, ix), 300, 800);
        for (int iy = 1; iy <= 2; ++iy) // (gA·20e6 + gB·20e6) / 40e6, two bays of 5000 × 4000
            expected.slabs(k, numbering::bay(c, 1, iy), slab::permanent) = 0.005859375;
    }
    expected.drawMax = frame().drawMax;
    expectSameBuilding(edit.model, expected);
    EXPECT_EQ(edit.removed, (ElementCount{9, 6, 0})); // 3 columns and 2 beams along Y a storey
    EXPECT_EQ(edit.merged, (ElementCount{0, 9, 6}));
}

// The last line has elements on one side only: its beams and slabs go with it.
TEST(GridEdits, DeletingTheLastLineAlongXRemovesTheBaysBesideIt) {
    const StructuralEdit edit = deleteGridLine(frame(), GridAxis::x, 4);
    ASSERT_TRUE(edit.done());
    EXPECT_EQ(edit.removed, (ElementCount{9, 6 + 9, 6}));
    EXPECT_TRUE(edit.merged.empty());
    EXPECT_EQ(edit.model.counts, (Counts{3, 3, 3, 0}));
    // The building is narrower: the drawings are fitted to it again.
    EXPECT_EQ(edit.model.drawMax(0), 10000.0f);
    EXPECT_FLOAT_EQ(edit.model.planScale, std::min(11000.0f / 10000, 9000.0f / 8000));
    EXPECT_TRUE(checkModel(edit.model).passed());
}

// The worked example of the header: 5 kN/m² on 5000 × 4000 and 3 kN/m² on 3000 × 4000.
TEST(GridEdits, JoinedSlabsKeepTheirTotalLoad) {
    Model m = fullFrame(3, 2, 1);
    testing::setGrid(m, {0, 5000, 8000}, {0, 4000}, {0, 3000});
    testing::setSlab(m, 1, 1, 1, SlabSpan::alongY, 0.005, 0.002, 0.3);
    testing::setSlab(m, 1, 2, 1, SlabSpan::alongX, 0.003, 0.004, 0.6);
    const StructuralEdit edit = deleteGridLine(m, GridAxis::x, 2);
    ASSERT_TRUE(edit.done());
    const Slab joined = slabAt(edit.model, 1, 1);
    EXPECT_NEAR(joined.permanent, 0.00425, 1e-12);                // (5·20 + 3·12) / 32 kN/m²
    EXPECT_NEAR(joined.variable, 0.00275, 1e-12);                 // (2·20 + 4·12) / 32
    EXPECT_NEAR(joined.share * joined.variable, 0.001275, 1e-12); // (0.3·2·20 + 0.6·4·12) / 32
    EXPECT_EQ(joined.span, SlabSpan::alongY);
    EXPECT_EQ(joined.sideX, 8000);
}

// --- along Y --------------------------------------------------------------------------------

TEST(GridEdits, InsertingALineAlongYSplitsTheBeamsAndSlabsItCrosses) {
    const StructuralEdit edit = insertGridLine(frame(), GridAxis::y, 2, 1500);
    ASSERT_TRUE(edit.done());

    Model expected = fullFrame(4, 4, 3);
    testing::setGrid(expected, {0, 5000, 10000, 15000}, {0, 1500, 4000, 8000},
                     {0, 3000, 6000, 9000});
    slabEverywhere(expected);
    const Counts& c = expected.counts;
    for (int k = 1; k <= 3; ++k) {
        for (int iy = 1; iy <= 4; ++iy)
            setRectangle(expected, k, numbering::beamXSlot(c, 1, iy), 300, 700);
        for (int ix = 1; ix <= 4; ++ix) {
            // The beams along Y between rows 1 and 2 of before are now in rows 1..3.
            setRectangle(expected, k, numbering::beamYSlot(c, numbering::gridNode(c, ix, 1)), 300,
                         800);
            setRectangle(expected, k, numbering::beamYSlot(c, numbering::gridNode(c, ix, 2)), 300,
                         800);
            clearSlot(expected, k, numbering::gridNode(c, ix, 2));
        }
        for (int ix = 1; ix <= 3; ++ix)
            clearSlot(expected, k, numbering::beamXSlot(c, ix, 2));
    }
    expected.drawMax = frame().drawMax;
    expectSameBuilding(edit.model, expected);
}

TEST(GridEdits, MovingALineAlongYResizesTheSlabsBesideIt) {
    const StructuralEdit edit = moveGridLine(frame(), GridAxis::y, 2, 3000);
    ASSERT_TRUE(edit.done());
    Model expected = frame();
    expected.coordY(2) = 3000;
    for (int k = 1; k <= 3; ++k) {
        for (int ix = 1; ix <= 3; ++ix) {
            expected.slabs(k, numbering::bay(expected.counts, ix, 1), slab::sideY) = 3000;
            expected.slabs(k, numbering::bay(expected.counts, ix, 2), slab::sideY) = 5000;
        }
    }
    expectSameBuilding(edit.model, expected);
}

TEST(GridEdits, DeletingAnInnerLineAlongYJoinsTheBeamsAlongYOnItsTwoSides) {
    const StructuralEdit edit = deleteGridLine(frame(), GridAxis::y, 2);
    ASSERT_TRUE(edit.done());

    Model expected = fullFrame(4, 2, 3);
    testing::setGrid(expected, {0, 5000, 10000, 15000}, {0, 8000}, {0, 3000, 6000, 9000});
    slabEverywhere(expected);
    const Counts& c = expected.counts;
    for (int k = 1; k <= 3; ++k) {
        for (int iy = 1; iy <= 2; ++iy)
            setRectangle(expected, k, numbering::beamXSlot(c, 1, iy), 300, 700);
        for (int ix = 1; ix <= 4; ++ix) // the first of the two joined: 300 × 800
            setRectangle(expected, k, numbering::beamYSlot(c, ix), 300, 800);
    }
    expected.drawMax = frame().drawMax;
    expectSameBuilding(edit.model, expected);
    EXPECT_EQ(edit.removed, (ElementCount{12, 9, 0}));
    EXPECT_EQ(edit.merged, (ElementCount{0, 12, 9}));
}

// --- levels ---------------------------------------------------------------------------------

// Storey 2 has 400 × 400 columns; a level at 4500 splits it into two storeys that both copy it.
TEST(GridEdits, InsertingALevelSplitsTheStoreyIntoTwoCopies) {
    Model before = frame();
    for (int n = 1; n <= 12; ++n)
        setRectangle(before, 2, n, 400, 400);
    const StructuralEdit edit = insertGridLine(before, GridAxis::z, 3, 4500);
    ASSERT_TRUE(edit.done());

    Model expected = fullFrame(4, 3, 4);
    testing::setGrid(expected, {0, 5000, 10000, 15000}, {0, 4000, 8000},
                     {0, 3000, 4500, 6000, 9000});
    slabEverywhere(expected);
    for (int k = 1; k <= 4; ++k) {
        for (int iy = 1; iy <= 3; ++iy)
            setRectangle(expected, k, numbering::beamXSlot(expected.counts, 1, iy), 300, 700);
        for (int ix = 1; ix <= 4; ++ix)
            setRectangle(expected, k, numbering::beamYSlot(expected.counts, ix), 300, 800);
    }
    for (int k : {2, 3}) {
        for (int n = 1; n <= 12; ++n)
            setRectangle(expected, k, n, 400, 400);
    }
    expected.drawMax = frame().drawMax;
    expectSameBuilding(edit.model, expected);
}

TEST(GridEdits, ALevelAboveTheTopAddsACopyOfTheLastStorey) {
    Model before = frame();
    for (int n = 1; n <= 12; ++n)
        setRectangle(before, 3, n, 250, 250);
    const StructuralEdit edit = insertGridLine(before, GridAxis::z, 5, 12000);
    ASSERT_TRUE(edit.done());
    EXPECT_EQ(edit.model.counts.nStoreys, 4);
    EXPECT_EQ(columnSection(edit.model, 4, 5).base, 250);
    EXPECT_EQ(edit.model.drawMax(2), 12000.0f);
    EXPECT_FLOAT_EQ(edit.model.elevScale, 0.25f);
}

// Level 3 taken away: storeys 2 and 3 become one with storey 3's floor; the column at node 5,
// missing in storey 2, cannot rise through the joined storey and goes too.
TEST(GridEdits, DeletingALevelJoinsTheTwoStoreysUnderTheUpperFloor) {
    Model before = frame();
    setPresent(before, 2, 5, false);
    for (int n = 1; n <= 12; ++n)
        setRectangle(before, 3, n, 350, 350);
    setPresent(before, 2, 5, false);
    const StructuralEdit edit = deleteGridLine(before, GridAxis::z, 3);
    ASSERT_TRUE(edit.done());

    Model expected = fullFrame(4, 3, 2);
    testing::setGrid(expected, {0, 5000, 10000, 15000}, {0, 4000, 8000}, {0, 3000, 9000});
    slabEverywhere(expected);
    for (int k = 1; k <= 2; ++k) {
        for (int iy = 1; iy <= 3; ++iy)
            setRectangle(expected, k, numbering::beamXSlot(expected.counts, 1, iy), 300, 700);
        for (int ix = 1; ix <= 4; ++ix)
            setRectangle(expected, k, numbering::beamYSlot(expected.counts, ix), 300, 800);
    }
    for (int n = 1; n <= 12; ++n)
        setRectangle(expected, 2, n, 350, 350);
    setPresent(expected, 2, 5, false);
    expected.drawMax = frame().drawMax;
    expectSameBuilding(edit.model, expected);
    // The floor at level 3 (17 beams, 6 slabs) and the lone upper column at node 5.
    EXPECT_EQ(edit.removed, (ElementCount{1, 17, 6}));
    EXPECT_EQ(edit.merged, (ElementCount{11, 0, 0}));
}

TEST(GridEdits, DeletingTheBaseLevelRemovesTheFirstStorey) {
    const StructuralEdit edit = deleteGridLine(frame(), GridAxis::z, 1);
    ASSERT_TRUE(edit.done());
    EXPECT_EQ(edit.model.counts.nStoreys, 2);
    EXPECT_EQ(edit.model.levelZ(1), 3000);
    EXPECT_EQ(edit.removed, (ElementCount{12, 17, 6}));
    EXPECT_TRUE(checkModel(edit.model).passed());
}

// --- limits and refusals --------------------------------------------------------------------

// Lines keep at least 1 mm between them: 1 mm passes, 0.5 mm is refused.
TEST(GridEdits, ALineComesNoCloserThanOneMillimetreToItsNeighbours) {
    EXPECT_TRUE(moveGridLine(frame(), GridAxis::x, 2, 9999).done());
    EXPECT_FALSE(moveGridLine(frame(), GridAxis::x, 2, 9999.5).done());
    EXPECT_TRUE(moveGridLine(frame(), GridAxis::x, 2, 1).done());
    EXPECT_FALSE(moveGridLine(frame(), GridAxis::x, 2, 0.5).done());
    // Inserting after line 2 must fall between lines 2 and 3.
    EXPECT_FALSE(insertGridLine(frame(), GridAxis::x, 3, 12000).done());
    EXPECT_TRUE(insertGridLine(frame(), GridAxis::x, 1, -2000).done());
    EXPECT_FALSE(moveGridLine(frame(), GridAxis::z, 2, 6000).done());
}

TEST(GridEdits, TheLimitsOfTheEditorsHold) {
    Model wide = fullFrame(100, 2, 1);
    EXPECT_FALSE(insertGridLine(wide, GridAxis::x, 101, 600000).done());
    EXPECT_TRUE(insertGridLine(wide, GridAxis::y, 3, 9000).done());
    Model tall = fullFrame(2, 2, 99);
    EXPECT_FALSE(insertGridLine(tall, GridAxis::z, 101, 400000).done());
    EXPECT_TRUE(insertGridLine(fullFrame(2, 2, 98), GridAxis::z, 100, 400000).done());
    EXPECT_FALSE(deleteGridLine(fullFrame(2, 3, 1), GridAxis::x, 1).done());
    EXPECT_FALSE(deleteGridLine(fullFrame(2, 3, 1), GridAxis::z, 1).done());
}

// --- extra nodes ----------------------------------------------------------------------------

TEST(GridEdits, DeletingAnExtraNodeRenumbersTheColumnsOfTheNextOne) {
    Model m = fullFrame(4, 3, 3, 2);
    m.coordX(5) = 2500;
    m.coordY(4) = 2000;
    m.coordX(6) = 7500;
    m.coordY(5) = 6000;
    const Counts& c = m.counts;
    setRectangle(m, 1, numbering::columnSlot(c, numbering::extraNode(c, 1)), 300, 300);
    setRectangle(m, 1, numbering::columnSlot(c, numbering::extraNode(c, 2)), 200, 900);
    setRectangle(m, 2, numbering::columnSlot(c, numbering::extraNode(c, 2)), 200, 900);

    const StructuralEdit edit = deleteExtraNode(m, 1);
    ASSERT_TRUE(edit.done());
    const Model& after = edit.model;
    EXPECT_EQ(after.counts.nExtra, 1);
    EXPECT_EQ(after.coordX(5), 7500);
    EXPECT_EQ(after.coordY(4), 6000);
    const int slot = numbering::columnSlot(after.counts, numbering::extraNode(after.counts, 1));
    EXPECT_EQ(columnSection(after, 1, slot).height, 900);
    EXPECT_TRUE(isPresent(after, 2, slot));
    EXPECT_EQ(edit.removed, (ElementCount{1, 0, 0}));
    EXPECT_TRUE(checkModel(after).passed());
}

TEST(GridEdits, AnExtraNodeStaysOffTheCrossingsOfTheGrid) {
    Model m = fullFrame(4, 3, 1, 1);
    m.coordX(5) = 2500;
    m.coordY(4) = 4000; // on line 2 along Y, between the lines along X
    EXPECT_FALSE(moveExtraNode(m, 1, 5000, 4000).done());
    EXPECT_TRUE(moveExtraNode(m, 1, 5000, 5000).done());
    EXPECT_FALSE(insertExtraNode(m, 2500, 4000).done());
    EXPECT_TRUE(insertExtraNode(m, 2500, 4001).done());
    // A line along X through the node would put it on a crossing.
    EXPECT_FALSE(insertGridLine(m, GridAxis::x, 2, 2500).done());
    EXPECT_FALSE(moveGridLine(m, GridAxis::x, 2, 2500).done());
}

// --- copying a storey -----------------------------------------------------------------------

TEST(StoreyCopy, CopiesColumnsBeamsSectionsAndSlabsOverTheRange) {
    Model before = frame();
    for (int n = 1; n <= 12; ++n)
        setRectangle(before, 1, n, 450, 450);
    setPresent(before, 1, 6, false);
    testing::setSlab(before, 1, 2, 2, SlabSpan::alongY, 0.007, 0.001, 0.6);
    setPresent(before, 3, 1, false);

    const StructuralEdit edit = copyStorey(before, 1, 2, 3);
    ASSERT_TRUE(edit.done());
    for (int k : {2, 3}) {
        EXPECT_TRUE(std::ranges::equal(edit.model.members.block(k), before.members.block(1)));
        EXPECT_TRUE(std::ranges::equal(edit.model.slabs.block(k), before.slabs.block(1)));
    }
    EXPECT_TRUE(std::ranges::equal(edit.model.members.block(1), before.members.block(1)));
    // What storeys 2 and 3 had: 12 + 11 columns, 17 beams and 6 slabs each.
    EXPECT_EQ(edit.removed, (ElementCount{23, 34, 12}));
    EXPECT_TRUE(checkModel(edit.model).passed());
    EXPECT_FALSE(copyStorey(before, 1, 2, 4).done());
}

// In the geometry phase of a new project there are no slabs and no load results yet.
TEST(StoreyCopy, CopiesTheMembersOfABuildingStillBeingEntered) {
    Model m = *Model::allocate({3, 2, 3, 0});
    m.slabs = {};
    m.beamLoads = {};
    setPresent(m, 1, 1, true);
    const StructuralEdit edit = copyStorey(m, 1, 1, 3);
    ASSERT_TRUE(edit.done());
    EXPECT_TRUE(isPresent(edit.model, 3, 1));
    EXPECT_TRUE(edit.model.slabs.empty());
    EXPECT_TRUE(edit.model.beamLoads.empty());
}

// --- the bundled examples -------------------------------------------------------------------

// Every kind of change on every bundled example: the changed building passes the model check
// and is written and read back unchanged (the drawing scales as the file keeps them), so that
// nothing inconsistent reaches a file.
TEST(GridEdits, EveryChangeOfEveryExampleGivesABuildingThatChecksAndSaves) {
    using Change = std::function<StructuralEdit(const Model&)>;
    const std::vector<std::pair<const char*, Change>> changes{
        {"linea X inserita",
         [](const Model& m) {
             return insertGridLine(m, GridAxis::x, 2, (m.coordX(1) + m.coordX(2)) / 2);
         }},
        {"linea Y spostata",
         [](const Model& m) { return moveGridLine(m, GridAxis::y, 1, m.coordY(1) - 500); }},
        {"linea X eliminata",
         [](const Model& m) {
             return m.counts.nX > 2 ? deleteGridLine(m, GridAxis::x, 2)
                                    : moveGridLine(m, GridAxis::x, 2, m.coordX(2) + 100);
         }},
        {"linea Y eliminata",
         [](const Model& m) {
             return m.counts.nY > 2 ? deleteGridLine(m, GridAxis::y, m.counts.nY)
                                    : moveGridLine(m, GridAxis::y, 2, m.coordY(2) + 100);
         }},
        {"livello inserito",
         [](const Model& m) {
             return insertGridLine(m, GridAxis::z, 2, (m.levelZ(1) + m.levelZ(2)) / 2);
         }},
        {"livello eliminato",
         [](const Model& m) {
             return m.counts.nStoreys > 1 ? deleteGridLine(m, GridAxis::z, 2)
                                          : moveGridLine(m, GridAxis::z, 2, m.levelZ(2) + 100);
         }},
        {"nodo aggiunto",
         [](const Model& m) { return insertExtraNode(m, m.coordX(1) + 1234, m.coordY(1) + 567); }},
        {"piano copiato", [](const Model& m) { return copyStorey(m, 1, 1, m.counts.nStoreys); }},
    };
    int examples = 0;
    for (const std::filesystem::directory_entry& entry :
         std::filesystem::directory_iterator(ORVANTA_EXAMPLES_DIR)) {
        const ProjectReadResult read = readProjectFile(entry.path().string());
        ASSERT_TRUE(read.model) << entry.path();
        ++examples;
        for (const auto& [name, change] : changes) {
            const StructuralEdit edit = change(*read.model);
            ASSERT_TRUE(edit.done())
                << entry.path() << ", " << name << ": " << edit.refusal->text();
            const ModelCheck check = checkModel(edit.model);
            EXPECT_TRUE(check.passed())
                << entry.path() << ", " << name << ": " << describeProblem(check.problems[0]);
            const ProjectReadResult again = parseProject(projectText(edit.model));
            ASSERT_TRUE(again.model) << again.error;
            EXPECT_EQ(projectText(*again.model), projectText(edit.model))
                << entry.path() << ", " << name;
            EXPECT_TRUE(again.model->members == edit.model.members);
        }
    }
    EXPECT_GE(examples, 3);
}

// --- the question before removing -----------------------------------------------------------

TEST(GridEdits, TheQuestionCountsWhatGoes) {
    StructuralEdit edit;
    edit.removed = {4, 6, 3};
    ASSERT_TRUE(removalQuestion(edit));
    EXPECT_EQ(removalQuestion(edit)->lines.front(),
              "Saranno eliminati 4 pilastri, 6 travi e 3 solai");
    EXPECT_EQ(removalQuestion(edit)->buttons, MessageButtons::YesNo);
    edit.removed = {0, 1, 0};
    EXPECT_EQ(removalQuestion(edit)->lines.front(), "Sarà eliminata 1 trave");
    edit.removed = {1, 0, 1};
    EXPECT_EQ(removalQuestion(edit)->lines.front(), "Saranno eliminati 1 pilastro e 1 solaio");
    edit.removed = {};
    EXPECT_FALSE(removalQuestion(edit));
}

} // namespace
} // namespace orvanta
