#include "ritto_elements.h"
#include "sample_models.h"
#include "scripted_interaction.h"
#include "section_properties.h"

#include <gtest/gtest.h>

namespace orvanta {
namespace {

using numbering::beamXSlot;
using numbering::beamYSlot;
using numbering::columnSlot;
using numbering::gridNode;
using testing::ScriptedAsker;

struct Built {
    AnalysisResults results;
    std::vector<Message> messages;
    bool complete = false;
};

Built build(const Model& m) {
    Built b;
    ScriptedAsker asker;
    b.complete = buildRitElements(m, b.results, asker);
    b.messages = asker.messages;
    return b;
}

double row(const Array3<double>& table, int ritto, int r, int property) {
    return table(ritto, r, property);
}

TEST(RittoElements, ColumnsHaveTheSameAreaAndLengthInBothTablesAndTheirOwnInertia) {
    const Model m = testing::fullFrame(2, 2, 2);
    const Built b = build(m);
    for (int j = 1; j <= 2; ++j) {
        EXPECT_EQ(row(b.results[Direction::orthogonalToX].ritElements, 1, j, bar::present), 1);
        EXPECT_EQ(row(b.results[Direction::orthogonalToX].ritElements, 1, j, bar::length), 3000);
        EXPECT_EQ(row(b.results[Direction::orthogonalToX].ritElements, 1, j, bar::area), 150000);
        EXPECT_EQ(row(b.results[Direction::orthogonalToY].ritElements, 1, j, bar::area), 150000);
        EXPECT_DOUBLE_EQ(row(b.results[Direction::orthogonalToX].ritElements, 1, j, bar::inertia),
                         500.0 * 500 * 500 * 300 / 12);
        EXPECT_DOUBLE_EQ(row(b.results[Direction::orthogonalToY].ritElements, 1, j, bar::inertia),
                         300.0 * 300 * 300 * 500 / 12);
        EXPECT_NEAR(row(b.results[Direction::orthogonalToX].ritElements, 1, j, bar::shear), 0.02, 1e-15);
    }
    EXPECT_EQ(b.results.ritStoreys(1), 2);
    EXPECT_TRUE(b.messages.empty());
}

TEST(RittoElements, HalfBeamsReachMidSpanOnEachSide) {
    const Model m = testing::fullFrame(3, 2, 1); // x = 0, 5000, 10000; y = 0, 4000
    const Built b = build(m);
    const Array3<double>& y = b.results[Direction::orthogonalToY].ritElements; // beams along X
    const Array3<double>& x = b.results[Direction::orthogonalToX].ritElements; // beams along Y
    // Node 2, the middle of the first row: a half-beam on both sides along X.
    EXPECT_EQ(row(y, 2, 2, bar::length), 2500);
    EXPECT_EQ(row(y, 2, 3, bar::length), 2500);
    // Node 1: nothing on its lower-X side, 2500 on its upper side; 2000 upwards along Y.
    EXPECT_EQ(row(y, 1, 2, bar::present), 0);
    EXPECT_EQ(row(y, 1, 3, bar::present), 1);
    EXPECT_EQ(row(x, 1, 2, bar::present), 0);
    EXPECT_EQ(row(x, 1, 3, bar::length), 2000);
    EXPECT_EQ(row(x, 4, 2, bar::length), 2000); // node 4 is above node 1
    // A 300 × 600 beam bends about its horizontal axis: I = 600³·300/12, whatever the direction.
    EXPECT_DOUBLE_EQ(row(y, 2, 2, bar::inertia), 600.0 * 600 * 600 * 300 / 12);
    EXPECT_DOUBLE_EQ(row(x, 1, 3, bar::inertia), 600.0 * 600 * 600 * 300 / 12);
    EXPECT_DOUBLE_EQ(row(y, 2, 2, bar::shear),
                     shearParameter(beamProperties({BeamShape::rectangle, 300, 600}), 2500));
}

TEST(RittoElements, RittoStoppingBelowTheTopIsRepackedToItsHeight) {
    Model m = testing::fullFrame(2, 2, 3);
    m.members(3, gridNode(m.counts, 1, 1), member::present) = 0; // node 1 stops at storey 2
    const Built b = build(m);
    ASSERT_EQ(b.results.ritStoreys(1), 2);
    const Array3<double>& y = b.results[Direction::orthogonalToY].ritElements;
    // Rows 1–2 columns, 3–4 lower-X half-beams (none at the first line), 5–6 upper-X ones.
    EXPECT_EQ(row(y, 1, 1, bar::present), 1);
    EXPECT_EQ(row(y, 1, 2, bar::present), 1);
    EXPECT_EQ(row(y, 1, 3, bar::present), 0);
    EXPECT_EQ(row(y, 1, 4, bar::present), 0);
    EXPECT_EQ(row(y, 1, 5, bar::length), 2500);
    EXPECT_EQ(row(y, 1, 6, bar::length), 2500);
    for (int r = 7; r <= 9; ++r) {
        for (int p = 1; p <= bar::values; ++p)
            EXPECT_EQ(row(y, 1, r, p), 0) << r;
    }
    // Node 2 keeps its full height: its lower half-beams sit in rows 4–6. At storey 3 the beam
    // from node 2 reaches node 1, which has no column there and ends the line: a cantilever.
    ASSERT_EQ(b.results.ritStoreys(2), 3);
    EXPECT_EQ(row(y, 2, 4, bar::length), 2500);
    EXPECT_EQ(row(y, 2, 5, bar::length), 2500);
    EXPECT_EQ(row(y, 2, 6, bar::present), 0);
    EXPECT_TRUE(b.messages.empty());
}

TEST(RittoElements, BeamOverANodeWithoutColumnReachesTheNextColumn) {
    Model m = testing::fullFrame(3, 2, 1);
    m.members(1, gridNode(m.counts, 2, 1), member::present) = 0;
    const Built b = build(m);
    const Array3<double>& y = b.results[Direction::orthogonalToY].ritElements;
    EXPECT_EQ(b.results.ritStoreys(2), 0);
    EXPECT_EQ(row(y, 1, 3, bar::length), 5000); // (x3 − x1)/2
    EXPECT_EQ(row(y, 3, 2, bar::length), 5000);
    for (int r = 1; r <= 3; ++r)
        EXPECT_EQ(row(y, 2, r, bar::present), 0);
}

TEST(RittoElements, BeamLineBrokenBeforeAColumnIsACantilever) {
    Model m = testing::fullFrame(3, 2, 1);
    const Counts& c = m.counts;
    m.members(1, gridNode(c, 2, 1), member::present) = 0;
    m.members(1, beamXSlot(c, 2, 1), member::present) = 0; // beam 2–3 missing
    const Built b = build(m);
    const Array3<double>& y = b.results[Direction::orthogonalToY].ritElements;
    EXPECT_EQ(row(y, 1, 3, bar::present), 0);   // beam 1–2 is a cantilever
    EXPECT_EQ(row(y, 3, 2, bar::present), 0);   // no beam on node 3's lower side
    EXPECT_EQ(row(y, 4, 3, bar::length), 2500); // the second row is untouched
    EXPECT_TRUE(b.messages.empty());
}

TEST(RittoElements, ExtraNodesCarryColumnsWithoutHalfBeams) {
    Model m = testing::fullFrame(2, 2, 2, 1);
    const int extra = numbering::extraNode(m.counts, 1);
    m.coordX(3) = 2500; // the extra node stands on the beam line y = 0
    m.coordY(3) = 0;
    testing::setRectangle(m, 1, columnSlot(m.counts, extra), 400, 400);
    testing::setRectangle(m, 2, columnSlot(m.counts, extra), 400, 400);
    const Built b = build(m);
    EXPECT_EQ(b.results.ritStoreys(extra), 2);
    for (const Array3<double>* table :
         {&b.results[Direction::orthogonalToX].ritElements, &b.results[Direction::orthogonalToY].ritElements}) {
        EXPECT_EQ(row(*table, extra, 1, bar::area), 160000);
        for (int r = 3; r <= 6; ++r)
            EXPECT_EQ(row(*table, extra, r, bar::present), 0);
    }
    // The grid nodes beside it are not affected by it: node 1's upper half-beam at floor 1.
    EXPECT_EQ(row(b.results[Direction::orthogonalToY].ritElements, 1, 5, bar::length), 2500);
}

TEST(RittoElements, ZeroLengthHalfBeamIsReportedAndLeftOut) {
    Model m = testing::fullFrame(2, 2, 1);
    m.coordX(2) = m.coordX(1); // both lines along Y at x = 0
    const Built b = build(m);
    // Four half-beams along X (two beams, two ends each), each reported.
    EXPECT_FALSE(b.complete);
    ASSERT_EQ(b.messages.size(), 4u);
    EXPECT_EQ(b.messages[0].title, "Attenzione");
    EXPECT_EQ(b.messages[0].icon, MessageIcon::Critical);
    EXPECT_EQ(b.messages[0].text(),
              "Attenzione: una delle travi in X risulta avere lunghezza nulla;\n"
              "            controllare la geometria della struttura prima di procedere");
    for (int i = 1; i <= 4; ++i) {
        EXPECT_EQ(row(b.results[Direction::orthogonalToY].ritElements, i, 2, bar::present), 0);
        EXPECT_EQ(row(b.results[Direction::orthogonalToY].ritElements, i, 3, bar::present), 0);
    }
    // The beams along Y are untouched.
    EXPECT_EQ(row(b.results[Direction::orthogonalToX].ritElements, 1, 3, bar::length), 2000);

    Model alongY = testing::fullFrame(2, 2, 1);
    alongY.coordY(2) = alongY.coordY(1);
    EXPECT_EQ(build(alongY).messages[0].lines[0],
              "Attenzione: una delle travi in Y risulta avere lunghezza nulla;");
}

TEST(RittoElements, BuildingAgainReleasesEveryEarlierResult) {
    const Model m = testing::fullFrame(2, 2, 1);
    AnalysisResults r;
    r[Direction::orthogonalToX].familyCount = 4;
    r.globalStiffness = Array2<double>(1, 3, 1, 3);
    ScriptedAsker asker;
    buildRitElements(m, r, asker);
    EXPECT_EQ(r[Direction::orthogonalToX].familyCount, 0);
    EXPECT_TRUE(r.globalStiffness.empty());
    EXPECT_EQ(r[Direction::orthogonalToX].ritElements.upper(2), 3);
}

} // namespace
} // namespace orvanta
