#include "calculation.h"
#include "concrete.h"
#include "global_stiffness.h"
#include "ntc_modal_analysis.h"
#include "numbering.h"
#include "sample_models.h"
#include "scripted_interaction.h"
#include "seismic_response.h"

#include <cmath>
#include <gtest/gtest.h>

namespace orvanta {
namespace {

using testing::ScriptedAsker;

// Soil A, T1, use class II, frame CD"B", fragile infills. SLV: ag 0.2, F0 2.4, Tc* 0.3, so
// TB = 0.1 s, TC = 0.3 s, TD = 2.4 s; SLD: ag 0.08, F0 2.5, Tc* 0.27.
NtcParameters rockSite() {
    NtcParameters p;
    p.hazard = {SiteHazard{0.06, 2.5, 0.25}, SiteHazard{0.08, 2.5, 0.27},
                SiteHazard{0.2, 2.4, 0.3}};
    p.soil = SoilCategory::A;
    p.topography = TopographicCategory::T1;
    return p;
}

// Storey weights W (N) entering the grid nodes equally, the stored centre of mass in the middle
// of the plan and ρ of a uniform floor over it.
void loadEveryStorey(Model& m, double weight) {
    const int nodes = m.counts.nX * m.counts.nY, n = m.counts.nStoreys;
    const double width = m.coordX(m.counts.nX) - m.coordX(1);
    const double depth = m.coordY(m.counts.nY) - m.coordY(1);
    for (int s = 1; s <= n; ++s) {
        for (int node = 1; node <= nodes; ++node)
            m.beamLoads(s, node) = (n - s + 1) * weight / nodes;
        m.massCentre(s, 1) = m.coordX(1) + width / 2;
        m.massCentre(s, 2) = m.coordY(1) + depth / 2;
        m.gyrationRadius(s) = std::sqrt((width * width + depth * depth) / 12);
    }
}

struct Analysed {
    Model model;
    AnalysisResults results;
    NtcAnalysis ntc;

    Analysed(Model m, const NtcParameters& p) : model(std::move(m)) {
        ScriptedAsker asker;
        runCalculation(model, results, asker);
        const SeismicResults seismic = computeSeismicResponse(model, results.globalStiffness,
                                                              projectConcreteClass(model), asker);
        ntc = ntcAnalysis(model, results, seismic, p);
    }
};

TEST(NtcModalAnalysis, OneStoreyOnThePlateauGivesTheLateralForcesShearsAndDisplacements) {
    // One storey of 4 columns (λ = 1): T1 of both directions falls on the plateau of Sd
    // (TB = 0.1 ≤ T < TC = 0.3 s), where Sd is flat, so the one mode of each direction, with all
    // of its mass, gives Fh = Sd·W; the accidental torques are added alike. So the modal results
    // are those of the lateral forces, case by case.
    Model m = testing::fullFrame(2, 2, 1);
    loadEveryStorey(m, 0.6e6);
    // The seismic mass is the floor's own: the same 0.6 MN as a slab over the 5000 × 4000 bay,
    // beside the frame's self-weight; without it the bare frame's period falls below TB.
    testing::setSlab(m, 1, 1, 1, SlabSpan::alongY, 0.6e6 / (5000.0 * 4000.0), 0, 0);
    const Analysed a(std::move(m), rockSite());
    ASSERT_TRUE(a.ntc.computed) << a.ntc.problem.front();
    const LinearStaticResults& r = a.ntc.lateralForces;
    for (const ActionAxis axis : {ActionAxis::X, ActionAxis::Y}) {
        const std::size_t i = axisIndex(axis);
        ASSERT_GE(r.axes[i].period, 0.1);
        ASSERT_LT(r.axes[i].period, 0.3);
        EXPECT_EQ(r.axes[i].lambda[limitIndex(LimitState::SLV)], 1.0);
        const ResponseValues& modal = a.ntc.modal.slv[i].total;
        const double fh = r.axes[i].baseShear[limitIndex(LimitState::SLV)];
        EXPECT_NEAR((axis == ActionAxis::X ? modal.shearX : modal.shearY)[0], fh, 1e-6 * fh);
        const FloorMotion& fixed = r.motionSLV[caseIndex({axis, 1})];
        EXPECT_NEAR((axis == ActionAxis::X ? modal.u : modal.v)[0],
                    std::fabs(axis == ActionAxis::X ? fixed.u(1) : fixed.v(1)), 1e-9);
        EXPECT_NEAR(modal.theta[0], std::fabs(fixed.rotation(1)), 1e-12);
        EXPECT_NEAR(a.ntc.modal.theta[i][0], r.axes[i].theta(1), 1e-9);
    }
    for (const Direction set : bothDirections) {
        for (int node = 1; node <= 4; ++node)
            EXPECT_NEAR(
                a.ntc.modal.rittoShear[rittiIndex(set)][static_cast<std::size_t>(node - 1)][0],
                r.combinedShearsSLV[set](node, 1), 1e-6 * r.totalWeight);
    }
    EXPECT_EQ(a.ntc.method.method, GoverningMethod::lateralForces);
}

TEST(NtcModalAnalysis, ATallFirstStoreyIsIrregularLowersQByKRAndTheModalAnalysisGoverns) {
    // 3 storeys on 3 × 3 lines; a first storey of 5000 mm under two of 3000 mm.
    Model soft = testing::fullFrame(3, 3, 3);
    testing::setGrid(soft, {0, 5000, 10000}, {0, 4000, 8000}, {0, 5000, 8000, 11000});
    loadEveryStorey(soft, 1.5e6);
    for (int s = 1; s <= 3; ++s) {
        for (int iy = 1; iy < 3; ++iy) {
            for (int ix = 1; ix < 3; ++ix)
                testing::setSlab(soft, s, ix, iy, SlabSpan::alongX, 0.005, 0.002, 0.3);
        }
    }
    Model even = soft;
    testing::setGrid(even, {0, 5000, 10000}, {0, 4000, 8000}, {0, 3000, 6000, 9000});

    const Analysed irregular(std::move(soft), rockSite());
    ASSERT_TRUE(irregular.ntc.computed);
    EXPECT_FALSE(irregular.ntc.study.regularity.regularInElevation());
    const BehaviourFactor& q = irregular.ntc.lateralForces.behaviour;
    EXPECT_EQ(q.kr, 0.8);
    EXPECT_NEAR(q.q, 0.8 * q.q0, 1e-12);
    EXPECT_EQ(irregular.ntc.method.method, GoverningMethod::modal);

    // The user's word still holds: stated regular, KR = 1 and the lateral forces may govern.
    NtcParameters stated = rockSite();
    stated.regularInElevation = true;
    const Analysed typed(irregular.model, stated);
    EXPECT_EQ(typed.ntc.lateralForces.behaviour.kr, 1.0);
    EXPECT_FALSE(typed.ntc.study.regularity.regularInElevation());

    const Analysed regular(std::move(even), rockSite());
    ASSERT_TRUE(regular.ntc.computed);
    EXPECT_TRUE(regular.ntc.study.regularity.regularInPlan());
    EXPECT_EQ(regular.ntc.lateralForces.behaviour.kr,
              regular.ntc.study.regularity.regularInElevation() ? 1.0 : 0.8);
}

TEST(NtcModalAnalysis, TheCodesPlanVerdictReplacesTheTorsionalOneInTheAlphaRule) {
    // An L of three bays: (H − A)/A = 1/6 > 0.05, not regular in plan whatever its torsion,
    // so αu/α1 = 1.3 becomes (1 + 1.3)/2 = 1.15.
    Model l = testing::fullFrame(3, 3, 1);
    loadEveryStorey(l, 1e6);
    for (const auto& [ix, iy] : {std::pair{1, 1}, {2, 1}, {1, 2}})
        testing::setSlab(l, 1, ix, iy, SlabSpan::alongX, 0.005, 0.002, 0.3);
    const Analysed a(std::move(l), rockSite());
    ASSERT_TRUE(a.ntc.computed);
    EXPECT_FALSE(a.ntc.study.regularity.regularInPlan());
    EXPECT_NEAR(a.ntc.lateralForces.behaviour.alphaUUsed,
                (1 + a.ntc.lateralForces.behaviour.alphaU) / 2, 1e-12);
}

} // namespace
} // namespace orvanta
