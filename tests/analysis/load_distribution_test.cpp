#include "load_distribution.h"
#include "sample_models.h"
#include "scripted_interaction.h"

#include <cmath>
#include <gtest/gtest.h>

namespace orvanta {
namespace {

using numbering::beamXSlot;
using numbering::beamYSlot;
using numbering::gridNode;
using testing::ScriptedAsker;

// One 5000 × 4000 bay on a 2 × 2 grid, one storey, every beam and column present.
Model oneBay(SlabSpan direction, double g, double q = 0, double share = 0) {
    Model m = testing::fullFrame(2, 2, 1);
    testing::setSlab(m, 1, 1, 1, direction, g, q, share);
    return m;
}

TEST(LoadDistribution, OneSlabOnOneBay) {
    Model m = oneBay(SlabSpan::alongY, 0.001);
    ScriptedAsker asker;
    ASSERT_TRUE(distributeLoads(m, asker));
    EXPECT_TRUE(asker.messages.empty());
    const Counts& c = m.counts;
    EXPECT_DOUBLE_EQ(m.beamLoads(1, beamXSlot(c, 1, 1)), 10000);
    EXPECT_DOUBLE_EQ(m.beamLoads(1, beamXSlot(c, 1, 2)), 10000);
    EXPECT_DOUBLE_EQ(m.beamLoads(1, beamYSlot(c, 1)), 0);
    for (int n = 1; n <= 4; ++n)
        EXPECT_DOUBLE_EQ(m.beamLoads(1, n), 5000);
    EXPECT_DOUBLE_EQ(m.massCentre(1, 1), 2500);
    EXPECT_DOUBLE_EQ(m.massCentre(1, 2), 2000);
    EXPECT_DOUBLE_EQ(m.storeyForce(1), 1);
    EXPECT_DOUBLE_EQ(m.gyrationRadius(1), std::hypot(2500.0, 2000.0));
}

TEST(LoadDistribution, SpanAlongXLoadsTheBeamsAlongY) {
    Model m = oneBay(SlabSpan::alongX, 0.001);
    ScriptedAsker asker;
    ASSERT_TRUE(distributeLoads(m, asker));
    EXPECT_DOUBLE_EQ(m.beamLoads(1, beamYSlot(m.counts, 1)), 10000);
    EXPECT_DOUBLE_EQ(m.beamLoads(1, beamYSlot(m.counts, 2)), 10000);
    EXPECT_DOUBLE_EQ(m.beamLoads(1, beamXSlot(m.counts, 1, 1)), 0);
}

TEST(LoadDistribution, VariableLoadCountsWithItsShare) {
    Model m = oneBay(SlabSpan::alongY, 0.005, 0.002, 0.3);
    ScriptedAsker asker;
    ASSERT_TRUE(distributeLoads(m, asker));
    const double w = (0.005 + 0.3 * 0.002) * 5000 * 4000;
    EXPECT_DOUBLE_EQ(m.beamLoads(1, 1), w / 4);
}

TEST(LoadDistribution, StoreyForceIsMeasuredFromTheBaseLevel) {
    Model m = oneBay(SlabSpan::alongY, 0.001);
    m.levelZ(1) = 1000;
    m.levelZ(2) = 4000;
    ScriptedAsker asker;
    ASSERT_TRUE(distributeLoads(m, asker));
    EXPECT_DOUBLE_EQ(m.storeyForce(1), 1);
}

TEST(LoadDistribution, StoreyForcesFollowTheTriangularDistribution) {
    Model m = testing::fullFrame(2, 2, 2);
    m.levelZ(1) = 500; // a base level other than 0 changes nothing
    m.levelZ(2) = 3500;
    m.levelZ(3) = 6500;
    testing::setSlab(m, 1, 1, 1, SlabSpan::alongY, 0.001, 0, 0);
    testing::setSlab(m, 2, 1, 1, SlabSpan::alongY, 0.001, 0, 0);
    ScriptedAsker asker;
    ASSERT_TRUE(distributeLoads(m, asker));
    EXPECT_DOUBLE_EQ(m.storeyForce(1), 1.0 / 3.0);
    EXPECT_DOUBLE_EQ(m.storeyForce(2), 2.0 / 3.0);
    EXPECT_DOUBLE_EQ(m.beamLoads(1, 1), 10000); // its own slab and the one above
}

TEST(LoadDistribution, UpperSlabLoadsTheColumnsOfEveryStoreyBelow) {
    Model m = testing::fullFrame(2, 2, 3);
    testing::setSlab(m, 3, 1, 1, SlabSpan::alongY, 0.001, 0, 0);
    ScriptedAsker asker; // Yes to the questions about storeys 1 and 2
    ASSERT_TRUE(distributeLoads(m, asker));
    for (int k = 1; k <= 3; ++k) {
        for (int n = 1; n <= 4; ++n)
            EXPECT_DOUBLE_EQ(m.beamLoads(k, n), 5000) << k << "," << n;
    }
    EXPECT_DOUBLE_EQ(m.storeyForce(3), 1); // W_3 counts the slab once
    EXPECT_DOUBLE_EQ(m.massCentre(3, 1), 2500);
    // Storeys 1 and 2 carry nothing of their own: asked about twice each (centre, radius).
    ASSERT_EQ(asker.messages.size(), 4u);
    EXPECT_EQ(asker.messages[0].title, "Avviso");
    EXPECT_EQ(asker.messages[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(asker.messages[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(asker.messages[0].text(),
              "Il carico inserito a livello di un piano risulta essere nullo\n"
              "per cui sarà impossibile calcolare il baricentro di piano\n"
              "e ottenere un corretto predimensionamento degli elementi\n"
              "Continuare?");
    EXPECT_EQ(asker.messages[2].lines[2],
              "e ottenere un corretto valore del raggio giratore di inerzia");
    EXPECT_EQ(m.massCentre(1, 1), 0);
    EXPECT_EQ(m.massCentre(2, 2), 0);
    EXPECT_EQ(m.storeyForce(1), 0);
    EXPECT_EQ(m.gyrationRadius(1), 1);
    EXPECT_EQ(m.gyrationRadius(2), 1);
}

TEST(LoadDistribution, NoToAnEmptyStoreyKeepsThePreviousResults) {
    Model m = testing::fullFrame(2, 2, 2);
    testing::setSlab(m, 2, 1, 1, SlabSpan::alongY, 0.001, 0, 0);
    m.beamLoads(1, 1) = 123;
    m.massCentre(2, 1) = 456;
    m.gyrationRadius(1) = 789;
    const Model before = m;
    for (const int noAt : {0, 1}) { // No to the centre question, then to the radius question
        ScriptedAsker asker;
        if (noAt == 0)
            asker.answer({Answer::No});
        else
            asker.answer({Answer::Yes, Answer::No});
        EXPECT_FALSE(distributeLoads(m, asker));
        EXPECT_EQ(m, before);
    }
}

TEST(LoadDistribution, MissingBeamIsReplacedByTheNextOneFurtherOut) {
    // Three bays along X; the slab of the middle bay spans along X and its left beam along Y
    // is missing, so half its load goes one bay further left.
    Model m = testing::fullFrame(4, 2, 1);
    const Counts& c = m.counts;
    m.members(1, beamYSlot(c, gridNode(c, 2, 1)), member::present) = 0;
    testing::setSlab(m, 1, 2, 1, SlabSpan::alongX, 0.001, 0, 0);
    ScriptedAsker asker;
    ASSERT_TRUE(distributeLoads(m, asker));
    EXPECT_DOUBLE_EQ(m.beamLoads(1, beamYSlot(c, gridNode(c, 1, 1))), 10000);
    EXPECT_DOUBLE_EQ(m.beamLoads(1, beamYSlot(c, gridNode(c, 3, 1))), 10000);
    EXPECT_DOUBLE_EQ(m.beamLoads(1, gridNode(c, 1, 1)), 5000);
    EXPECT_DOUBLE_EQ(m.beamLoads(1, gridNode(c, 1, 2)), 5000);
    EXPECT_DOUBLE_EQ(m.beamLoads(1, gridNode(c, 2, 1)), 0);
}

TEST(LoadDistribution, MissingColumnIsReplacedByTheNextOneAlongTheBeamLine) {
    Model m = testing::fullFrame(3, 2, 1);
    const Counts& c = m.counts;
    m.members(1, gridNode(c, 2, 1), member::present) = 0;
    testing::setSlab(m, 1, 2, 1, SlabSpan::alongY, 0.001, 0, 0);
    ScriptedAsker asker;
    ASSERT_TRUE(distributeLoads(m, asker));
    EXPECT_DOUBLE_EQ(m.beamLoads(1, gridNode(c, 1, 1)), 5000);
    EXPECT_DOUBLE_EQ(m.beamLoads(1, gridNode(c, 3, 1)), 5000);
    EXPECT_DOUBLE_EQ(m.beamLoads(1, gridNode(c, 2, 2)), 5000);
}

TEST(LoadDistribution, NoBeamOrColumnToRestOnStopsWithTheModelUntouched) {
    Model noBeam = oneBay(SlabSpan::alongX, 0.001);
    noBeam.members(1, beamYSlot(noBeam.counts, 1), member::present) = 0;
    Model noColumn = oneBay(SlabSpan::alongY, 0.001);
    noColumn.members(1, 1, member::present) = 0;
    const std::pair<Model*, const char*> cases[] = {
        {&noBeam, "il carico su di alcuna trave. Modificare l'input prima di procedere"},
        {&noColumn, "il carico su di alcun pilastro. Modificare l'input prima di procedere"}};
    for (auto [model, secondLine] : cases) {
        const Model before = *model;
        ScriptedAsker asker;
        EXPECT_FALSE(distributeLoads(*model, asker));
        EXPECT_EQ(*model, before);
        ASSERT_EQ(asker.messages.size(), 1u);
        EXPECT_EQ(asker.messages[0].title, "Errore di immissione dei carichi");
        EXPECT_EQ(asker.messages[0].icon, MessageIcon::Exclamation);
        EXPECT_EQ(asker.messages[0].lines[0],
                  "Attenzione: la geometria riportata non consente di distribuire");
        EXPECT_EQ(asker.messages[0].lines[1], secondLine);
    }
}

} // namespace
} // namespace orvanta
