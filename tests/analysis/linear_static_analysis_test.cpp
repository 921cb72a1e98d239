#include "calculation.h"
#include "global_stiffness.h"
#include "linear_static_analysis.h"
#include "numbering.h"
#include "sample_models.h"
#include "scripted_interaction.h"

#include <cmath>
#include <gtest/gtest.h>

namespace orvanta {
namespace {

using testing::ScriptedAsker;

constexpr double youngE = 30000; // N/mm²

// Two modes: the first along X with period tx, the second along Y with ty.
SeismicResults twoModes(double tx, double ty, bool regularInPlan = true) {
    SeismicResults s;
    s.status = SeismicStatus::Complete;
    s.regularInPlan = regularInPlan;
    s.modes = Array1<VibrationMode>(1, 3);
    s.modes(1).period = tx;
    s.modes(1).massRatioX = 0.9;
    s.modes(2).period = ty;
    s.modes(2).massRatioY = 0.8;
    s.modes(3).period = 0.1;
    s.modes(3).massRatioX = 0.1;
    s.modes(3).massRatioY = 0.2;
    return s;
}

// Soil A, T1, use class II, frame CD"B", fragile infills. SLV: ag 0.2, F0 2.4, Tc* 0.3 (TC 0.3,
// TD 2.4); SLD: ag 0.08, F0 2.5, Tc* 0.27.
NtcParameters rockSite() {
    NtcParameters p;
    p.hazard = {SiteHazard{0.06, 2.5, 0.25}, SiteHazard{0.08, 2.5, 0.27},
                SiteHazard{0.2, 2.4, 0.3}};
    p.soil = SoilCategory::A;
    p.topography = TopographicCategory::T1;
    return p;
}

// One storey on the 3 × 2 grid of fullFrame (x = 0, 5000, 10000; y = 0, 4000; h = 3000): six
// ritti orthogonal to Y of 10 mm and six orthogonal to X of 20 mm (per unit E), the centre of
// mass in the middle (5000, 2000) with ρ = 3000 mm. Per unit E: kx = 60, ky = 120 and
// kθ = 6·10·2000² + 4·20·5000² = 2.24e9 mm³.
struct OneStorey {
    Model model = testing::fullFrame(3, 2, 1);
    AnalysisResults results;
    std::vector<StoreySeismicMass> masses{{1e6, 5000, 2000, 3000}};

    OneStorey() {
        model.massCentre(1, 1) = 5000;
        model.massCentre(1, 2) = 2000;
        model.gyrationRadius(1) = 3000;
        results.ritStoreys = Array1<std::int16_t>(1, 6);
        results[Direction::orthogonalToY].ritMatrix = Array3<double>(1, 6, 1, 1, 1, 1);
        results[Direction::orthogonalToX].ritMatrix = Array3<double>(1, 6, 1, 1, 1, 1);
        for (int i = 1; i <= 6; ++i) {
            results.ritStoreys(i) = 1;
            results[Direction::orthogonalToY].ritMatrix(i, 1, 1) = 10;
            results[Direction::orthogonalToX].ritMatrix(i, 1, 1) = 20;
        }
        ScriptedAsker asker;
        assembleGlobalStiffness(model, results, asker);
    }
    LinearStaticResults analyse(const SeismicResults& seismic = twoModes(0.5, 0.4)) const {
        return linearStaticAnalysis(model, results, masses, youngE, seismic, rockSite());
    }
};

// q = 3.0·αu/α1 = 3.0·1.1 = 3.3 (one storey). X: T1 = 0.5 s ≥ TC, Sd = 0.2·2.4/3.3·0.3/0.5
// = 0.087273 g, Fh = 87 273 N. Y: T1 = 0.4 s, Sd = 0.48/3.3·0.75 = 0.109091 g. λ = 1.
TEST(LinearStaticAnalysis, OneStoreyForcesAndDisplacementsFollowByHand) {
    const LinearStaticResults r = OneStorey().analyse();
    ASSERT_TRUE(r.computed) << (r.problem.empty() ? "" : r.problem.front());
    EXPECT_NEAR(r.behaviour.q, 3.3, 1e-12);
    const AxisAction& x = r.axis(ActionAxis::X);
    const AxisAction& y = r.axis(ActionAxis::Y);
    EXPECT_EQ(x.mode, 1);
    EXPECT_EQ(y.mode, 2);
    EXPECT_DOUBLE_EQ(x.lambda[limitIndex(LimitState::SLV)], 1.0);
    EXPECT_NEAR(x.spectralOrdinate[limitIndex(LimitState::SLV)], 0.48 / 3.3 * 0.6, 1e-12);
    const double fx = 1e6 * 0.48 / 3.3 * 0.6;
    const double fy = 1e6 * 0.48 / 3.3 * 0.75;
    EXPECT_NEAR(x.baseShear[limitIndex(LimitState::SLV)], fx, 1e-6);
    EXPECT_NEAR(y.forcesSLV(1), fy, 1e-6);
    // e = 0.05 × the extent across the action: 4000 mm for X, 10 000 mm for Y.
    EXPECT_DOUBLE_EQ(x.eccentricity(1), 200);
    EXPECT_DOUBLE_EQ(y.eccentricity(1), 500);

    const FloorMotion& xPlus = r.motionSLV[caseIndex({ActionAxis::X, 1})];
    EXPECT_NEAR(xPlus.u(1), fx / (youngE * 60), 1e-12);
    EXPECT_NEAR(xPlus.v(1), 0, 1e-12);
    EXPECT_NEAR(xPlus.rotation(1), fx * 200 / (youngE * 2.24e9), 1e-15);
    const FloorMotion& yMinus = r.motionSLV[caseIndex({ActionAxis::Y, -1})];
    EXPECT_NEAR(yMinus.v(1), fy / (youngE * 120), 1e-12);
    EXPECT_NEAR(yMinus.rotation(1), -fy * 500 / (youngE * 2.24e9), 1e-15);
    // μd = q for T1 ≥ TC; θ = P·μd·u/(V·h) = μd/(E·kx·h)·P.
    EXPECT_DOUBLE_EQ(x.ductilityDemand, 3.3);
    EXPECT_NEAR(x.theta(1), 1e6 * 3.3 / (youngE * 60 * 3000), 1e-12);
    EXPECT_NEAR(y.theta(1), 1e6 * 3.3 / (youngE * 120 * 3000), 1e-12);
}

TEST(LinearStaticAnalysis, OneStoreyRittoSharesFollowByHand) {
    const OneStorey building;
    const LinearStaticResults r = building.analyse();
    ASSERT_TRUE(r.computed);
    const double fx = r.axis(ActionAxis::X).shearsSLV(1);
    const double fy = r.axis(ActionAxis::Y).shearsSLV(1);
    const RittoShears& xPlus = r.shearsSLV[caseIndex({ActionAxis::X, 1})];
    // Ritti orthogonal to Y: 1/6 of the force ± 10·(y − 2000)·200/2.24e9 of the torque's share.
    EXPECT_NEAR(xPlus.orthogonalToY(1, 1) / fx, 1.0 / 6 + 10 * 2000 * 200 / 2.24e9, 1e-12);
    EXPECT_NEAR(xPlus.orthogonalToY(4, 1) / fx, 1.0 / 6 - 10 * 2000 * 200 / 2.24e9, 1e-12);
    // Ritti orthogonal to X take the torque only: 20·(x − 5000)·200/2.24e9.
    EXPECT_NEAR(xPlus.orthogonalToX(3, 1) / fx, 20 * 5000 * 200 / 2.24e9, 1e-12);
    EXPECT_NEAR(xPlus.orthogonalToX(2, 1) / fx, 0, 1e-12);
    const RittoShears& yPlus = r.shearsSLV[caseIndex({ActionAxis::Y, 1})];
    EXPECT_NEAR(yPlus.orthogonalToX(3, 1) / fy, 20.0 / 120 + 20 * 5000 * 500 / 2.24e9, 1e-12);
    EXPECT_NEAR(yPlus.orthogonalToX(1, 1) / fy, 20.0 / 120 - 20 * 5000 * 500 / 2.24e9, 1e-12);

    // §7.3.5 on ritto 3 orthogonal to X: |V(Y+)| + 0.3·|V(X±)|.
    const double vY = yPlus.orthogonalToX(3, 1);
    const double vX = std::abs(xPlus.orthogonalToX(3, 1));
    EXPECT_NEAR(r.combinedShearsSLV.orthogonalToX(3, 1), vY + 0.3 * vX, 1e-6);
}

TEST(LinearStaticAnalysis, SeismicCentreAwayFromTheStoredCentreTwistsTheFloor) {
    OneStorey building;
    building.masses[0].centreY = 2500; // 500 mm above the stored centre
    const LinearStaticResults r = building.analyse();
    ASSERT_TRUE(r.computed);
    const double fx = r.axis(ActionAxis::X).shearsSLV(1);
    // A force along +X above the centre turns the floor clockwise: (−500 ± 200)·F.
    EXPECT_NEAR(r.motionSLV[caseIndex({ActionAxis::X, 1})].rotation(1),
                -300 * fx / (youngE * 2.24e9), 1e-15);
    EXPECT_NEAR(r.motionSLV[caseIndex({ActionAxis::X, -1})].rotation(1),
                -700 * fx / (youngE * 2.24e9), 1e-15);
    // θ takes the drift of the vertical through G*: u − 500·θ of the X− case.
    const double u = fx / (youngE * 60);
    const double drift = u + 500 * 700 * fx / (youngE * 2.24e9);
    EXPECT_NEAR(r.axis(ActionAxis::X).designDrift(1), 3.3 * drift, 1e-12);
}

// SLD (use class II): Se(0.5) = 0.08·2.5·0.27/0.5 = 0.108 g, F = 108 000 N; the ritti
// orthogonal to Y at y = 0 move u + 2000·θ = F/E·(1/60 + 1/5600), the largest drift of all.
TEST(LinearStaticAnalysis, DriftCheckNamesTheGoverningRittoAndCase) {
    const LinearStaticResults r = OneStorey().analyse();
    ASSERT_TRUE(r.computed);
    EXPECT_EQ(r.damageState, LimitState::SLD);
    const StoreyDrift& d = r.drift(1);
    EXPECT_NEAR(d.drift, 108000 / youngE * (1.0 / 60 + 1.0 / 5600), 1e-12);
    EXPECT_DOUBLE_EQ(d.limit, 0.005 * 3000);
    EXPECT_TRUE(d.passes());
    // X+ turns the floor counter-clockwise, so the row at y = 0 (ritti 1 … 3) moves most; X−
    // moves the row at y = 4000 (ritti 4 … 6) as much: either may be named.
    EXPECT_EQ(d.set, Direction::orthogonalToY);
    EXPECT_EQ(d.action.axis, ActionAxis::X);
    EXPECT_TRUE(d.action.sign > 0 ? d.ritto <= 3 : d.ritto >= 4) << d.ritto;
    // Y+: Se(0.4) = 0.135 g; the ritti at x = 10 000 move v + 5000·θ.
    EXPECT_NEAR(r.largestDrift[caseIndex({ActionAxis::Y, 1})](1),
                135000 / youngE * (1.0 / 120 + 5000 * 500 / 2.24e9), 1e-12);
}

TEST(LinearStaticAnalysis, NothingIsComputedWithoutModesWeightOrValidParameters) {
    const OneStorey building;
    SeismicResults withoutModes = twoModes(0.5, 0.4);
    withoutModes.status = SeismicStatus::WithoutModes;
    EXPECT_FALSE(building.analyse(withoutModes).computed);

    OneStorey weightless;
    weightless.masses[0].weight = 0;
    const LinearStaticResults r = weightless.analyse();
    EXPECT_FALSE(r.computed);
    ASSERT_FALSE(r.problem.empty());
    EXPECT_EQ(r.problem.front(), "Il piano 1 ha peso sismico nullo:");

    NtcParameters wrong = rockSite();
    wrong.at(LimitState::SLO).f0 = 7;
    EXPECT_FALSE(linearStaticAnalysis(building.model, building.results, building.masses, youngE,
                                      twoModes(0.5, 0.4), wrong)
                     .computed);
}

// Three storeys of the real engine on a 3 × 3 frame, with centres of mass that move from storey
// to storey and seismic centres away from them.
struct ThreeStoreys {
    Model model = testing::fullFrame(3, 3, 3);
    AnalysisResults results;
    std::vector<StoreySeismicMass> masses;

    ThreeStoreys() {
        const double weights[] = {1e6, 8e5, 6e5};
        for (int s = 1; s <= 3; ++s) {
            model.massCentre(s, 1) = 5000 + 100 * s;
            model.massCentre(s, 2) = 4000 + 50 * s;
            model.gyrationRadius(s) = 4000;
            masses.push_back({weights[s - 1], 5000 + 100.0 * s + 200, 4000 + 50.0 * s - 100, 4000});
        }
        ScriptedAsker asker;
        runCalculation(model, results, asker);
    }
};

TEST(LinearStaticAnalysis, StoreyForcesFollowTheHeightsAndLambdaItsThreshold) {
    const ThreeStoreys b;
    // TC = 0.3 s at SLV: T1x = 0.6 = 2·TC takes λ = 1, T1y = 0.5 < 2·TC takes 0.85.
    const LinearStaticResults r =
        linearStaticAnalysis(b.model, b.results, b.masses, youngE, twoModes(0.6, 0.5), rockSite());
    ASSERT_TRUE(r.computed);
    EXPECT_DOUBLE_EQ(r.axis(ActionAxis::X).lambda[limitIndex(LimitState::SLV)], 1.0);
    EXPECT_DOUBLE_EQ(r.axis(ActionAxis::Y).lambda[limitIndex(LimitState::SLV)], 0.85);
    // z·W = 3e9, 4.8e9, 5.4e9 over 13.2e9.
    const Array1<double>& share = r.axis(ActionAxis::X).distribution;
    EXPECT_NEAR(share(1), 3.0 / 13.2, 1e-12);
    EXPECT_NEAR(share(2), 4.8 / 13.2, 1e-12);
    EXPECT_NEAR(share(3), 5.4 / 13.2, 1e-12);
    EXPECT_DOUBLE_EQ(r.totalWeight, 2.4e6);
    EXPECT_DOUBLE_EQ(r.weightAbove(2), 1.4e6);
    EXPECT_TRUE(r.methodApplies);
}

TEST(LinearStaticAnalysis, RittoShearsBalanceTheStoreyShearAndTheTorque) {
    const ThreeStoreys b;
    const LinearStaticResults r =
        linearStaticAnalysis(b.model, b.results, b.masses, youngE, twoModes(0.6, 0.5), rockSite());
    ASSERT_TRUE(r.computed);
    const Model& m = b.model;
    for (const ActionCase action : allActionCases) {
        SCOPED_TRACE(actionCaseName(action));
        const AxisAction& a = r.axis(action.axis);
        const RittoShears& shears = r.shearsSLV[caseIndex(action)];
        const Direction along =
            action.axis == ActionAxis::X ? Direction::orthogonalToY : Direction::orthogonalToX;
        const Direction across =
            along == Direction::orthogonalToY ? Direction::orthogonalToX : Direction::orthogonalToY;
        const Array2<double> forcesX = floorForcesFromShears(shears.orthogonalToX);
        const Array2<double> forcesY = floorForcesFromShears(shears.orthogonalToY);
        for (int s = 1; s <= 3; ++s) {
            double sumAlong = 0;
            double sumAcross = 0;
            double moment = 0;
            for (int i = 1; i <= 9; ++i) {
                sumAlong += shears[along](i, s);
                sumAcross += shears[across](i, s);
                const numbering::PlanPoint p = numbering::nodePosition(m, i);
                moment += (p.x - m.massCentre(s, 1)) * forcesX(i, s) -
                          (p.y - m.massCentre(s, 2)) * forcesY(i, s);
            }
            const double f = a.forcesSLV(s);
            const StoreySeismicMass& g = b.masses[static_cast<std::size_t>(s - 1)];
            const double arm = action.axis == ActionAxis::X ? -(g.centreY - m.massCentre(s, 2))
                                                            : g.centreX - m.massCentre(s, 1);
            const double torque = f * (arm + action.sign * a.eccentricity(s));
            EXPECT_NEAR(sumAlong, a.shearsSLV(s), 1e-8 * a.shearsSLV(1));
            EXPECT_NEAR(sumAcross, 0, 1e-8 * a.shearsSLV(1));
            EXPECT_NEAR(moment, torque, 1e-8 * a.shearsSLV(1) * 1000);
        }
    }
}

} // namespace
} // namespace orvanta
