#include "behaviour_factor.h"
#include "ntc_parameters.h"

#include <cmath>
#include <gtest/gtest.h>

namespace orvanta {
namespace {

NtcParameters building(StructuralType structure, DuctilityClass ductility) {
    NtcParameters p;
    p.structure = structure;
    p.ductility = ductility;
    return p;
}

struct QCase {
    StructuralType structure;
    DuctilityClass ductility;
    bool torsionallyDeformable;
    double q0; // with αu/α1 = 1.3, regular in plan
};

TEST(BehaviourFactor, BasicValueOfEveryStructureDuctilityAndTorsionalVerdict) {
    const QCase cases[] = {
        {StructuralType::frame, DuctilityClass::A, false, 4.5 * 1.3},
        {StructuralType::frame, DuctilityClass::B, false, 3.0 * 1.3},
        {StructuralType::mixed, DuctilityClass::A, false, 4.5 * 1.3},
        {StructuralType::mixed, DuctilityClass::B, false, 3.0 * 1.3},
        {StructuralType::uncoupledWalls, DuctilityClass::A, false, 4.0 * 1.3},
        {StructuralType::uncoupledWalls, DuctilityClass::B, false, 3.0},
        {StructuralType::frame, DuctilityClass::A, true, 3.0},
        {StructuralType::frame, DuctilityClass::B, true, 2.0},
        {StructuralType::uncoupledWalls, DuctilityClass::A, true, 3.0},
    };
    for (const QCase& c : cases) {
        SCOPED_TRACE(std::string(structureName(c.structure)) + " " + ductilityName(c.ductility) +
                     (c.torsionallyDeformable ? " deformabile" : ""));
        const BehaviourFactor f = behaviourFactor(building(c.structure, c.ductility), 1.3, true,
                                                  c.torsionallyDeformable, true);
        EXPECT_NEAR(f.q0, c.q0, 1e-12);
        EXPECT_NEAR(f.q, c.q0, 1e-12);
        EXPECT_FALSE(f.typed);
    }
}

TEST(BehaviourFactor, IrregularPlanAveragesAlphaUWithOneAndIrregularElevationTakesKR) {
    const NtcParameters p = building(StructuralType::frame, DuctilityClass::B);
    const BehaviourFactor f = behaviourFactor(p, 1.3, false, false, false);
    EXPECT_DOUBLE_EQ(f.alphaU, 1.3);
    EXPECT_DOUBLE_EQ(f.alphaUUsed, 1.15);
    EXPECT_NEAR(f.q0, 3.45, 1e-12);
    EXPECT_DOUBLE_EQ(f.kr, 0.8);
    EXPECT_NEAR(f.q, 2.76, 1e-12);
}

TEST(BehaviourFactor, TypedQIsUsedAsTypedWhileTheComputedValuesAreKept) {
    NtcParameters p = building(StructuralType::frame, DuctilityClass::A);
    p.behaviourFactor = 1.5;
    const BehaviourFactor f = behaviourFactor(p, 1.2, true, false, false);
    EXPECT_TRUE(f.typed);
    EXPECT_DOUBLE_EQ(f.q, 1.5);
    EXPECT_NEAR(f.q0, 5.4, 1e-12);
    EXPECT_DOUBLE_EQ(f.kr, 0.8);
}

TEST(BehaviourFactor, ProposedAlphaUFollowsStoreysAndBays) {
    EXPECT_DOUBLE_EQ(proposedAlphaU(StructuralType::frame, 1, 3, 3), 1.1);
    EXPECT_DOUBLE_EQ(proposedAlphaU(StructuralType::frame, 2, 1, 3), 1.2);
    EXPECT_DOUBLE_EQ(proposedAlphaU(StructuralType::frame, 2, 3, 1), 1.2);
    EXPECT_DOUBLE_EQ(proposedAlphaU(StructuralType::frame, 2, 2, 2), 1.3);
    EXPECT_DOUBLE_EQ(proposedAlphaU(StructuralType::uncoupledWalls, 5, 3, 3), 1.1);
    EXPECT_DOUBLE_EQ(proposedAlphaU(StructuralType::mixed, 5, 3, 3), 1.2);
}

NtcParameters validSite() {
    NtcParameters p;
    p.hazard = {SiteHazard{0.06, 2.5, 0.25}, SiteHazard{0.08, 2.5, 0.27},
                SiteHazard{0.2, 2.4, 0.3}};
    return p;
}

// Each range at both sides of its bounds; the message names the box.
TEST(NtcParameters, EveryRangeIsCheckedAtBothSidesOfItsBounds) {
    EXPECT_FALSE(checkParameters(validSite()));
    const auto refusedBox = [](auto change) {
        NtcParameters p = validSite();
        change(p);
        const std::optional<ParameterError> e = checkParameters(p);
        return e ? e->box : std::string();
    };
    EXPECT_EQ(refusedBox([](NtcParameters& p) { p.at(LimitState::SLV).ag = 0; }), "ag (SLV)");
    EXPECT_EQ(refusedBox([](NtcParameters& p) { p.at(LimitState::SLV).ag = 2; }), "");
    EXPECT_EQ(refusedBox([](NtcParameters& p) { p.at(LimitState::SLD).ag = 2.001; }), "ag (SLD)");
    EXPECT_EQ(refusedBox([](NtcParameters& p) { p.at(LimitState::SLO).f0 = 1; }), "");
    EXPECT_EQ(refusedBox([](NtcParameters& p) { p.at(LimitState::SLO).f0 = 0.99; }), "F0 (SLO)");
    EXPECT_EQ(refusedBox([](NtcParameters& p) { p.at(LimitState::SLO).f0 = 5.01; }), "F0 (SLO)");
    EXPECT_EQ(refusedBox([](NtcParameters& p) { p.at(LimitState::SLV).tcStar = 0.05; }), "");
    EXPECT_EQ(refusedBox([](NtcParameters& p) { p.at(LimitState::SLV).tcStar = 0.049; }),
              "Tc* (SLV)");
    EXPECT_EQ(refusedBox([](NtcParameters& p) { p.alphaU = 1.5; }), "");
    EXPECT_EQ(refusedBox([](NtcParameters& p) { p.alphaU = 0.99; }), "αu/α1");
    EXPECT_EQ(refusedBox([](NtcParameters& p) { p.behaviourFactor = 10; }), "");
    EXPECT_EQ(refusedBox([](NtcParameters& p) { p.behaviourFactor = 0.9; }), "q");
    EXPECT_EQ(refusedBox([](NtcParameters& p) { p.useClass = 5; }), "classe d'uso");
    EXPECT_EQ(refusedBox([](NtcParameters& p) { p.at(LimitState::SLV).ag = std::nan(""); }),
              "ag (SLV)");
    EXPECT_EQ(checkParameters([] {
                  NtcParameters p = validSite();
                  p.at(LimitState::SLV).ag = 2.5;
                  return p;
              }())
                  ->message,
              "Il valore di ag (SLV) deve essere maggiore di 0 e non oltre 2 g.");
    EXPECT_FALSE(checkConcreteClass(10));
    EXPECT_TRUE(checkConcreteClass(9.9));
    EXPECT_FALSE(checkConcreteClass(150));
    EXPECT_TRUE(checkConcreteClass(151));
}

TEST(NtcParameters, SettingsKeepEveryValueAndAProjectWithoutThemHasNone) {
    ProjectSettings settings;
    EXPECT_FALSE(readNtcParameters(settings));
    NtcParameters p = validSite();
    p.soil = SoilCategory::D;
    p.topography = TopographicCategory::T3;
    p.useClass = 4;
    p.ductility = DuctilityClass::A;
    p.structure = StructuralType::uncoupledWalls;
    p.infill = InfillKind::independent;
    p.alphaU = 1.15;
    p.regularInElevation = false;
    p.behaviourFactor = 2.5;
    writeNtcParameters(settings, p);
    EXPECT_EQ(readNtcParameters(settings), p);
    EXPECT_EQ(settings.text("sisma.slv.ag"), "0.2");
    EXPECT_EQ(settings.text("sisma.suolo"), "D");

    // Taking the typed values back erases their keys.
    p.alphaU.reset();
    p.regularInElevation.reset();
    p.behaviourFactor.reset();
    writeNtcParameters(settings, p);
    EXPECT_EQ(readNtcParameters(settings), p);
    EXPECT_FALSE(settings.text("sisma.q"));
}

} // namespace
} // namespace orvanta
