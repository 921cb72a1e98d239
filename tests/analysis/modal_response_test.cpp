#include "calculation.h"
#include "elevation_stiffness.h"
#include "global_stiffness.h"
#include "modal_response.h"
#include "regularity_geometry.h"
#include "sample_models.h"
#include "scripted_interaction.h"
#include "symmetric_algebra.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

namespace orvanta {
namespace {

using testing::ScriptedAsker;

constexpr double modulus = 30000; // N/mm²

// Everything the modal analysis of one building needs, built from its model and results.
struct Building {
    Model model;
    AnalysisResults results;
    std::vector<StoreySeismicMass> masses;
    Array2<double> flexibility;

    ResponseMap map() const { return ResponseMap(model, results, masses, modulus); }
    ModalBasis basis() const {
        return *modalBasis(results.globalStiffness, seismicMassMatrix(model, masses), modulus);
    }
    void finish() {
        ScriptedAsker asker;
        assembleGlobalStiffness(model, results, asker);
        flexibility = invertPositiveDefinite(results.globalStiffness).inverse;
    }
};

// Storey masses of W (N) at the middle of the 5000 × 4000 mm bay, as a uniform slab.
void centredMasses(Building& b, double weight) {
    const double rho = std::sqrt((5000.0 * 5000 + 4000.0 * 4000) / 12);
    for (int s = 1; s <= b.model.counts.nStoreys; ++s) {
        b.model.massCentre(s, 1) = 2500;
        b.model.massCentre(s, 2) = 2000;
        b.model.gyrationRadius(s) = rho;
        b.masses.push_back({weight, 2500, 2000, rho});
    }
}

// A shear building on the four corners of a 5000 × 4000 bay: storey stiffnesses kx(s) along X
// and ky(s) along Y (per unit E, mm), a quarter in each corner ritto.
Building shearBuilding(const std::vector<double>& kx, const std::vector<double>& ky,
                       double weight) {
    const auto n = static_cast<std::int16_t>(kx.size());
    Building b{testing::fullFrame(2, 2, n), {}, {}, {}};
    centredMasses(b, weight);
    b.results.ritStoreys = Array1<std::int16_t>(1, 4);
    for (const Direction dir : bothDirections) {
        const std::vector<double>& k = dir == Direction::orthogonalToY ? kx : ky;
        Array3<double> matrix(1, 4, 1, n, 1, n);
        for (int i = 1; i <= 4; ++i) {
            b.results.ritStoreys(i) = n;
            for (int s = 1; s <= n; ++s) {
                const double above = s < n ? k[static_cast<std::size_t>(s)] / 4 : 0.0;
                matrix(i, s, s) = k[static_cast<std::size_t>(s - 1)] / 4 + above;
                if (s < n)
                    matrix(i, s, s + 1) = matrix(i, s + 1, s) = -above;
            }
        }
        b.results[dir].ritMatrix = std::move(matrix);
    }
    b.finish();
    return b;
}

TEST(ModalResponse, OneStoreyWithAFlatSpectrumGivesTheLateralForcesInBothDirections) {
    // The engine's own frame of four 300 × 500 columns: stiffer along Y than along X. With Sa flat
    // and λ = 1, the one mode along each axis carries the whole mass, so the modal analysis gives
    // F = Sa·W at the centre, and every displacement and ritto shear of the static analysis.
    Building b{testing::fullFrame(2, 2, 1), {}, {}, {}};
    centredMasses(b, 981000);
    ScriptedAsker asker;
    runCalculation(b.model, b.results, asker);
    b.finish();
    const ResponseMap map = b.map();
    const ModalBasis basis = b.basis();
    const CqcCombination cqc(basis.periods());
    const double sa = 0.2, force = sa * 981000;
    for (const int axis : {axisX, axisY}) {
        const ModalDirectionResponse modal =
            modalResponse(map, b.flexibility, basis, cqc, axis, [&](double) { return sa; }, {});
        const ResponseValues fixed = map.of(staticDisplacement(
            b.flexibility, modulus, forcesAtSeismicCentres(map, axis, {force}, {})));
        const ResponseValues& r = modal.total;
        EXPECT_NEAR((axis == axisX ? r.shearX : r.shearY)[0], force, 1e-6 * force);
        EXPECT_NEAR(r.u[0], std::fabs(fixed.u[0]), 1e-9);
        EXPECT_NEAR(r.v[0], std::fabs(fixed.v[0]), 1e-9);
        EXPECT_NEAR(r.theta[0], 0, 1e-15);
        for (const Direction dir : bothDirections) {
            for (int i = 0; i < 4; ++i)
                EXPECT_NEAR(
                    r.rittoShear[rittiIndex(dir)][static_cast<std::size_t>(i)][0],
                    std::fabs(fixed.rittoShear[rittiIndex(dir)][static_cast<std::size_t>(i)][0]),
                    1e-6 * force);
        }
    }
    // The two directions answer differently: the columns are 500 deep along Y.
    const ResponseValues x = map.of(
        staticDisplacement(b.flexibility, modulus, forcesAtSeismicCentres(map, axisX, {1}, {})));
    const ResponseValues y = map.of(
        staticDisplacement(b.flexibility, modulus, forcesAtSeismicCentres(map, axisY, {1}, {})));
    EXPECT_GT(x.u[0], 2 * y.v[0]);
}

TEST(ModalResponse, TwoStoreyShearBuildingCombinesItsTwoModesByHand) {
    // m = 100 N·s²/mm on each floor, k = 10 mm·E = 300 000 N/mm in each storey along X:
    // ω² = (k/m)·(3 ∓ √5)/2 = 1145.90 and 7854.10, T = 0.185612 and 0.070898 s; the shapes
    // (1, 1.618) and (1, −0.618) normalised, Γ = 13.7638 and 3.24920 (94.72 % and 5.28 % of the
    // mass). With Sa = 0.05/T (g) each mode's shears are (500 622, 309 401) and (73 040, −118 181)
    // N, its top displacement 2.70008 and −0.15047 mm; β = 0.38197 gives ρ = 0.0088557 and
    // V1 = √(500 622² + 73 040² + 2ρ·500 622·73 040) = 506 562 N.
    const Building b = shearBuilding({10, 10}, {20, 20}, 981000);
    const ModalBasis basis = b.basis();
    ASSERT_EQ(basis.modes.size(), 6u);
    EXPECT_NEAR(basis.modes[0].period, 0.18561235511, 1e-10);
    EXPECT_NEAR(basis.modes[0].massRatioX, 0.9472135955, 1e-9);
    const ModalShape& second =
        *std::find_if(basis.modes.begin(), basis.modes.end(),
                      [](const ModalShape& m) { return m.massRatioX > 0.01 && m.period < 0.1; });
    EXPECT_NEAR(second.period, 0.07089761092, 1e-10);
    EXPECT_NEAR(second.massRatioX, 0.0527864045, 1e-9);

    const CqcCombination cqc(basis.periods());
    const ModalDirectionResponse r = modalResponse(b.map(), b.flexibility, basis, cqc, axisX,
                                                   [](double t) { return 0.05 / t; }, {});
    EXPECT_NEAR(std::fabs(r.perMode[0].shearX[0]), 500622.1361862, 1e-5);
    EXPECT_NEAR(r.total.shearX[0], 506561.8992820, 1e-5);
    EXPECT_NEAR(r.total.shearX[1], 330224.7351999, 1e-5);
    EXPECT_NEAR(r.total.u[1], 2.70293744748, 1e-10);
    EXPECT_NEAR(r.total.driftX[1], 1.10074911733, 1e-10);
    // Each corner ritto along X takes a quarter; nothing goes to Y.
    EXPECT_NEAR(r.total.rittoShear[rittiIndex(Direction::orthogonalToY)][0][0], 506561.899282 / 4,
                1e-5);
    EXPECT_NEAR(r.total.shearY[0], 0, 1e-6);
}

TEST(ModalResponse, TheAccidentalTorqueAddsItsRittoShearsInAbsoluteValue) {
    // One storey, kx = ky per storey of 40 mm (10 per corner ritto), F = 0.2·W along X and the
    // torque T = F·e with e = 0.05·4000 = 200 mm. The floor turns by θ = T/(E·kθ) with
    // kθ = 4·10·(2000² + 2500²) = 4.1·10⁸ mm³, so a ritto orthogonal to Y at y = 0 moves by
    // 2000·θ and takes E·10·2000·θ = 20 000·T/4.1·10⁸ beside its quarter of F.
    const Building b = shearBuilding({40}, {40}, 981000);
    const ModalBasis basis = b.basis();
    const CqcCombination cqc(basis.periods());
    const double force = 0.2 * 981000, torque = force * 200;
    const ModalDirectionResponse r = modalResponse(b.map(), b.flexibility, basis, cqc, axisX,
                                                   [](double) { return 0.2; }, {torque});
    const double extra = 20000 * torque / 4.1e8;
    const auto& alongX = r.total.rittoShear[rittiIndex(Direction::orthogonalToY)];
    for (const int node : {0, 1, 2, 3})
        EXPECT_NEAR(alongX[static_cast<std::size_t>(node)][0], force / 4 + extra, 1e-6);
    // The ritti along Y take the torque's share alone: 2500·θ·E·10.
    const auto& alongY = r.total.rittoShear[rittiIndex(Direction::orthogonalToX)];
    EXPECT_NEAR(alongY[0][0], 25000 * torque / 4.1e8, 1e-6);
    EXPECT_NEAR(r.total.theta[0], torque / (modulus * 4.1e8), 1e-15);
    // The storey shear is the modal one: the torque adds no force along X.
    EXPECT_NEAR(r.total.shearX[0], force, 1e-6);
}

TEST(ElevationStiffness, ASofterStoreyAboveIsRegularDownToSeventyPerCentAlongXOnly) {
    // Equal masses: F = (1/3, 2/3), V = (1, 2/3), Δ_s = V_s/(E·k_s), so k_s is the storey's own.
    const Building at = shearBuilding({10, 7}, {10, 10}, 981000);
    const ElevationStiffness s = elevationStiffness(at.map(), at.flexibility);
    EXPECT_NEAR(s.storeyStiffness[axisX][0], 10 * modulus, 1e-6);
    EXPECT_NEAR(*s.ratio[axisX][0], 0.70, 1e-12);
    EXPECT_NEAR(*s.ratio[axisY][0], 1.0, 1e-12);
    EXPECT_TRUE(s.regular(axisX));

    const Building below = shearBuilding({10, 6.99}, {10, 10}, 981000);
    const ElevationStiffness soft = elevationStiffness(below.map(), below.flexibility);
    EXPECT_FALSE(soft.regular(axisX));
    EXPECT_TRUE(soft.regular(axisY));
    EXPECT_EQ(soft.wallShare[axisX], 0);
}

TEST(ElevationStiffness, AStifferStoreyAboveIsRegularUpToTenPerCentMore) {
    const ElevationStiffness at = [] {
        const Building b = shearBuilding({10, 10}, {10, 11}, 981000);
        return elevationStiffness(b.map(), b.flexibility);
    }();
    EXPECT_NEAR(*at.ratio[axisY][0], 1.10, 1e-12);
    EXPECT_TRUE(at.regular(axisY));
    const Building more = shearBuilding({10, 10}, {10, 11.01}, 981000);
    EXPECT_FALSE(elevationStiffness(more.map(), more.flexibility).regular(axisY));
}

TEST(WallNodes, ElongatedOrBoxSectionsWithTheSameSectionOverTheirHeightAreWalls) {
    Model m = testing::fullFrame(2, 2, 2);
    testing::setRectangle(m, 1, 1, 300, 1200);
    testing::setRectangle(m, 2, 1, 300, 1200);
    testing::setRectangle(m, 1, 2, 1199, 300);
    testing::setRectangle(m, 2, 2, 1199, 300);
    testing::setMember(m, 1, 3, 1, 2000, 2000, 200, 200);
    testing::setMember(m, 2, 3, 1, 2000, 2000, 200, 200);
    testing::setRectangle(m, 1, 4, 300, 1200);
    testing::setRectangle(m, 2, 4, 300, 1000); // thinner above: not the same section
    AnalysisResults results;
    results.ritStoreys = Array1<std::int16_t>(1, 4);
    for (int i = 1; i <= 4; ++i)
        results.ritStoreys(i) = 2;
    EXPECT_EQ(wallNodes(m, results), (std::vector<bool>{true, false, true, false}));
}

} // namespace
} // namespace orvanta
