#include "calculation.h"
#include "generated_buildings.h"
#include "literal_condensation.h"
#include "project_file.h"
#include "ritto_condensation.h"
#include "ritto_elements.h"
#include "sample_models.h"
#include "scripted_interaction.h"
#include "test_paths.h"
#include "tolerance.h"

#include <cmath>
#include <filesystem>
#include <gtest/gtest.h>
#include <iostream>

namespace orvanta {
namespace {

using numbering::columnSlot;
using testing::ScriptedAsker;

// A building of 2 × 2 lines where only the columns and beams the test sets exist.
Model emptyFrame(std::int16_t storeys, std::int16_t nExtra = 0) {
    Model m = testing::fullFrame(2, 2, storeys, nExtra);
    for (double& v : m.members.values())
        v = 0;
    for (int k = 1; k <= storeys; ++k)
        m.gyrationRadius(k) = 1000;
    return m;
}

AnalysisResults analyse(const Model& m, ScriptedAsker& asker, CalculationReport* report = nullptr) {
    AnalysisResults r;
    const CalculationReport done = runCalculation(m, r, asker);
    if (report)
        *report = done;
    return r;
}

// Production and literal condensation agree on every ritto of both directions, and stop at the
// same ritto. Returns whether a direction stopped on a zero pivot.
bool expectAgreesWithLiteral(const Model& m, const std::string& name) {
    ScriptedAsker asker;
    const AnalysisResults r = analyse(m, asker);
    bool stopped = false;
    for (const Direction d : bothDirections) {
        const testing::LiteralDirection literal = testing::literalRitMatrices(m, r, d);
        stopped = stopped || literal.failedRitto != 0;
        const Array3<double>& production = r[d].ritMatrix;
        for (int i = 1; i <= static_cast<int>(r.ritStoreys.size()); ++i) {
            const std::string problem = testing::firstDisagreement(literal.matrices, production, i);
            EXPECT_TRUE(problem.empty())
                << name << (d == Direction::orthogonalToX ? " X " : " Y ") << problem;
            if (!problem.empty())
                return stopped;
        }
    }
    const std::string global =
        testing::firstDisagreement(testing::literalGlobalStiffness(m, r), r.globalStiffness);
    EXPECT_TRUE(global.empty()) << name << " global " << global;
    return stopped;
}

TEST(RittoCondensation, ColumnAloneGivesTheCantileverStiffness) {
    Model m = emptyFrame(1);
    testing::setRectangle(m, 1, 1, 300, 500);
    ScriptedAsker asker;
    const AnalysisResults r = analyse(m, asker);
    const double length = 3000;
    for (const Direction d : bothDirections) {
        const double inertia = r[d].ritElements(1, 1, bar::inertia);
        const double p = r[d].ritElements(1, 1, bar::shear);
        const double expected = 3 * inertia / (length * length * length * (1 + p));
        EXPECT_NEAR(r[d].ritMatrix(1, 1, 1), expected, 1e-13 * expected);
    }
    EXPECT_TRUE(asker.messages.empty());
}

TEST(RittoCondensation, ColumnWithOneHalfBeamMatchesTheHandCondensation) {
    // One storey: u, v, θ at the top. The column gives lateral k = 12I/(L³c), u–θ −6I/(L²c)
    // (end 2), axial A/L and rotation 4I(1 + p)/(Lc); a lower-side half-beam adds 3qI_b/L_b³
    // vertically, 3qI_b/L_b to the rotation and −3qI_b/L_b² between them. Condensing v and θ:
    //   K = k_uu − k_uθ²·k_vv / (k_vv·k_θθ − k_vθ²).
    Model m = emptyFrame(1);
    testing::setRectangle(m, 1, 2, 300, 500); // node 2 at x = 5000
    testing::setRectangle(m, 1, 1, 300, 500); // node 1 at x = 0
    testing::setRectangle(m, 1, numbering::beamXSlot(m.counts, 1, 1), 300, 600); // beam 1–2
    ScriptedAsker asker;
    const AnalysisResults r = analyse(m, asker);

    const double L = 3000, A = 150000, I = 300.0 * 300 * 300 * 500 / 12; // bending along X
    const double p = 3 * I / (L * L * A) * 2.4 * 1.2, c = 1 + 4 * p;
    const double Lb = 2500, Ib = 600.0 * 600 * 600 * 300 / 12;
    const double pb = 3 * Ib / (Lb * Lb * 180000) * 2.4 * 1.2, q = 1 / (1 + pb);
    const double kuu = 12 * I / (L * L * L * c);
    const double kut = 6 * I / (L * L * c);
    const double kvv = A / L + 3 * q * Ib / (Lb * Lb * Lb);
    const double ktt = 4 * I * (1 + p) / (L * c) + 3 * q * Ib / Lb;
    const double kvt = -3 * q * Ib / (Lb * Lb);
    const double expected = kuu - kut * kut * kvv / (kvv * ktt - kvt * kvt);
    EXPECT_NEAR(r[Direction::orthogonalToY].ritMatrix(2, 1, 1), expected, 1e-12 * expected);
    // Node 1 has the same beam on its upper side: the sign of the coupling does not matter.
    EXPECT_NEAR(r[Direction::orthogonalToY].ritMatrix(1, 1, 1), expected, 1e-12 * expected);
    // Restrained by the beam, the column is stiffer than a cantilever, softer than fixed-fixed.
    EXPECT_GT(expected, 3 * I / (L * L * L * (1 + p)));
    EXPECT_LT(expected, kuu);
}

TEST(RittoCondensation, IdenticalHalfBeamsOnBothSidesAddNoVerticalRotationalCoupling) {
    // The middle node of three at equal spacing: its two half-beams cancel each other's
    // vertical–rotational coupling, so the rotation condenses alone: K = k_uu − k_uθ²/k_θθ with
    // k_θθ = 4I(1 + p)/(Lc) + 2·3qI_b/L_b.
    const Model m = testing::fullFrame(3, 2, 1);
    ScriptedAsker asker;
    const AnalysisResults r = analyse(m, asker);
    const double L = 3000, A = 150000, I = 300.0 * 300 * 300 * 500 / 12;
    const double p = 3 * I / (L * L * A) * 2.4 * 1.2, c = 1 + 4 * p;
    const double Lb = 2500, Ib = 600.0 * 600 * 600 * 300 / 12;
    const double q = 1 / (1 + 3 * Ib / (Lb * Lb * 180000) * 2.4 * 1.2);
    const double kut = 6 * I / (L * L * c);
    const double ktt = 4 * I * (1 + p) / (L * c) + 2 * 3 * q * Ib / Lb;
    const double expected = 12 * I / (L * L * L * c) - kut * kut / ktt;
    EXPECT_NEAR(r[Direction::orthogonalToY].ritMatrix(2, 1, 1), expected, 1e-12 * expected);
}

TEST(RittoCondensation, RittoLowerThanTheBuildingFillsOnlyItsOwnStoreys) {
    Model m = testing::fullFrame(2, 2, 3);
    m.members(3, 1, member::present) = 0;
    ScriptedAsker asker;
    const AnalysisResults r = analyse(m, asker);
    EXPECT_GT(r[Direction::orthogonalToX].ritMatrix(1, 2, 2), 0);
    for (int k = 1; k <= 3; ++k) {
        EXPECT_EQ(r[Direction::orthogonalToX].ritMatrix(1, 3, k), 0);
        EXPECT_EQ(r[Direction::orthogonalToX].ritMatrix(1, k, 3), 0);
    }
}

TEST(RittoCondensation, FloatingStoreyStopsTheDirectionWithItsMessage) {
    // Extra node 1 (ritto 5) has columns at storeys 1 and 3 but not 2, and no beams: the top
    // storey floats. Both directions stop there; ritti 1–4 are computed, 5 and 6 stay zero.
    Model m = testing::fullFrame(2, 2, 3, 2);
    for (int k = 1; k <= 3; ++k)
        m.gyrationRadius(k) = 1000;
    const int floating = numbering::extraNode(m.counts, 1);
    const int after = numbering::extraNode(m.counts, 2);
    for (const int k : {1, 3})
        testing::setRectangle(m, k, columnSlot(m.counts, floating), 400, 400);
    for (int k = 1; k <= 3; ++k)
        testing::setRectangle(m, k, columnSlot(m.counts, after), 400, 400);
    ScriptedAsker asker;
    CalculationReport report;
    const AnalysisResults r = analyse(m, asker, &report);
    EXPECT_EQ(report.incomplete,
              (std::vector{CalculationStage::rittiOrthogonalToX, CalculationStage::rittiOrthogonalToY}));

    const std::vector<Message>& pivots = asker.messages;
    ASSERT_EQ(pivots.size(), 2u); // one per direction
    EXPECT_EQ(pivots[0].title, "Errore di Inversione della Matrice");
    EXPECT_EQ(pivots[0].icon, MessageIcon::Critical);
    EXPECT_EQ(pivots[0].text(),
              "Attenzione: la matrice di rigidezza di uno dei ritti risulta\n"
              "            non essere definita positiva e non è pertanto invertibile.");
    for (const Direction d : bothDirections) {
        EXPECT_GT(r[d].ritMatrix(4, 1, 1), 0);
        for (const int i : {floating, after}) {
            for (const double v : r[d].ritMatrix.block(i))
                EXPECT_EQ(v, 0);
        }
        EXPECT_EQ(testing::literalRitMatrices(m, r, d).failedRitto, floating);
    }
    // The later stages still ran on what the directions left.
    EXPECT_GT(r.globalStiffness(1, 1), 0);
}

TEST(RittoCondensation, NearlyZeroPivotLeftByRoundingCountsAsZero) {
    // Columns at storeys 1 and 3 of an extra node, one of them at a level that makes the axial
    // terms of the floating part cancel to rounding rather than to an exact zero.
    Model m = testing::fullFrame(2, 2, 3, 1);
    m.levelZ(3) = 3000.1;
    m.levelZ(4) = 6000.3;
    const int floating = numbering::extraNode(m.counts, 1);
    for (const int k : {1, 3})
        testing::setRectangle(m, k, columnSlot(m.counts, floating), 333.3, 417.7);
    ScriptedAsker asker;
    const AnalysisResults r = analyse(m, asker);
    EXPECT_EQ(r[Direction::orthogonalToX].ritMatrix(floating, 1, 1), 0);
    EXPECT_EQ(testing::literalRitMatrices(m, r, Direction::orthogonalToX).failedRitto, floating);
}

TEST(RittoCondensation, APivotTinyAgainstItsDiagonalIsZeroAndASmallOneIsNot) {
    // Node 1 has columns in storeys 1 and 3 but not 2: the column of storey 3 hangs from the
    // beam along X of floor 3 alone. A 1 × 1 mm beam holds it with a vertical stiffness some
    // 3e-13 of the column's axial one: the elimination is singular to working precision and
    // stops there. A 30 × 30 mm beam (some 2e-7) holds it, and the ritto is computed.
    for (const double side : {1.0, 30.0}) {
        Model m = emptyFrame(3);
        for (const int k : {1, 3})
            testing::setRectangle(m, k, 1, 400, 400);
        for (int k = 1; k <= 3; ++k)
            testing::setRectangle(m, k, 2, 400, 400);
        testing::setRectangle(m, 3, numbering::beamXSlot(m.counts, 1, 1), side, side);
        ScriptedAsker asker;
        const AnalysisResults r = analyse(m, asker);
        const bool held = side > 1;
        EXPECT_EQ(r[Direction::orthogonalToY].ritMatrix(1, 1, 1) != 0, held) << side;
        EXPECT_EQ(testing::literalRitMatrices(m, r, Direction::orthogonalToY).failedRitto, held ? 0 : 1)
            << side;
        expectAgreesWithLiteral(m, held ? "held" : "hanging");
    }
}

TEST(RittoCondensation, AgreesWithTheLiteralEliminationOnSampleBuildings) {
    expectAgreesWithLiteral(testing::fullFrame(2, 2, 1), "2x2x1");
    expectAgreesWithLiteral(testing::fullFrame(4, 3, 6, 2), "4x3x6");
    expectAgreesWithLiteral(testing::regularBuilding(6, 5, 12), "regular 6x5x12");
    expectAgreesWithLiteral(testing::regularBuilding(4, 4, 60), "regular 4x4x60");
}

TEST(RittoCondensation, AgreesWithTheLiteralEliminationOnRandomBuildings) {
    // Gaps under storeys that no beam holds make some ritti singular: both eliminations must
    // stop at the same one.
    int stopped = 0;
    for (std::uint32_t seed = 1; seed <= 400; ++seed)
        stopped +=
            expectAgreesWithLiteral(testing::randomBuilding(seed), "seed " + std::to_string(seed));
    EXPECT_GT(stopped, 0);
    EXPECT_LT(stopped, 150);
}

TEST(RittoCondensation, AgreesWithTheLiteralEliminationOnEveryExample) {
    const std::filesystem::path folder = testing::example("");
    if (!std::filesystem::exists(folder))
        GTEST_SKIP() << "no examples";
    int examples = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        if (entry.path().extension() != ".orv")
            continue;
        const ProjectReadResult read = readProjectFile(entry.path().string());
        ASSERT_TRUE(read.model) << entry.path() << ": " << read.error;
        expectAgreesWithLiteral(*read.model, entry.path().filename().string());
        ++examples;
    }
    if (examples == 0)
        GTEST_SKIP() << "no examples";
}

} // namespace
} // namespace orvanta
