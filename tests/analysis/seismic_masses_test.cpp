#include "beam_line_loads.h"
#include "sample_models.h"
#include "seismic_masses.h"

#include <cmath>
#include <gtest/gtest.h>

namespace orvanta {
namespace {

// γ = 25 kN/m³ in N/mm³.
constexpr double gamma = 2.5e-5;

// One or more storeys on a 6000 × 4000 mm bay with 300 × 300 columns at the corners, no beams,
// and a 5 kN/m² slab (120 000 N) on every floor.
Model slabOnFourColumns(std::int16_t storeys = 1) {
    Model m = testing::fullFrame(2, 2, storeys);
    m.coordX(2) = 6000;
    if (storeys > 1)
        m.levelZ(3) = 7000;
    for (int s = 1; s <= storeys; ++s) {
        for (int n = 1; n <= 4; ++n)
            testing::setRectangle(m, s, n, 300, 300);
        for (int slot = 5; slot <= 8; ++slot)
            setPresent(m, s, slot, false);
        testing::setSlab(m, s, 1, 1, SlabSpan::alongY, 0.005, 0, 0);
    }
    return m;
}

TEST(SeismicMasses, UniformSlabOnFourColumnsHasTheRectanglesRadiusPlusTheColumnsShare) {
    const StoreySeismicMass s = seismicMasses(slabOnFourColumns()).at(0);
    // Half of each 3000 mm column: 2.5e-5·90 000·1500 = 3375 N.
    const double column = gamma * 90000 * 1500;
    EXPECT_NEAR(column, 3375, 1e-9);
    EXPECT_NEAR(s.slabWeight, 120000, 1e-6);
    EXPECT_NEAR(s.structureWeight, 4 * column, 1e-6);
    EXPECT_NEAR(s.weight, 133500, 1e-6);
    EXPECT_NEAR(s.mass(), 133500 / 9810.0, 1e-9);
    EXPECT_NEAR(s.centreX, 3000, 1e-9);
    EXPECT_NEAR(s.centreY, 2000, 1e-9);
    // ls² = [120 000·(6000² + 4000²)/12 + 4·3375·(3000² + 2000²)] / 133 500 → 2282.5 mm; the slab
    // alone would give √((6000² + 4000²)/12) = 2081.7.
    EXPECT_NEAR(s.gyrationRadius, std::sqrt(6.955e11 / 133500), 1e-6);
    EXPECT_NEAR(s.gyrationRadius, 2282.5, 0.1);
    EXPECT_NEAR(s.polarMoment, 6.955e11 / 9810, 1e-3);
}

TEST(SeismicMasses, BeamsAreUniformBarsFromNodeToNode) {
    Model m = slabOnFourColumns();
    for (int slot = 5; slot <= 8; ++slot)
        testing::setRectangle(m, 1, slot, 300, 600);
    const StoreySeismicMass s = seismicMasses(m).at(0);
    // Beams along X: 2.5e-5·180 000·6000 = 27 000 N at y = 0 and 4000, r0² = 6000²/12;
    // along Y: 18 000 N at x = 0 and 6000, r0² = 4000²/12.
    const double beamX = gamma * 180000 * 6000;
    const double beamY = gamma * 180000 * 4000;
    EXPECT_NEAR(s.structureWeight, 4 * 3375 + 2 * beamX + 2 * beamY, 1e-6);
    const double moment = 6.955e11 + 2 * beamX * (6000.0 * 6000 / 12 + 2000.0 * 2000) +
                          2 * beamY * (4000.0 * 4000 / 12 + 3000.0 * 3000);
    EXPECT_NEAR(s.weight, 223500, 1e-6);
    EXPECT_NEAR(s.gyrationRadius, std::sqrt(moment / 223500), 1e-6);
    EXPECT_NEAR(s.gyrationRadius, 2543.2, 0.1);
}

TEST(SeismicMasses, AFloorTakesHalfTheColumnsBelowAndAboveAndTheTopOnlyThoseBelow) {
    // Storey 1 is 3000 mm high, storey 2 4000 mm.
    const std::vector<StoreySeismicMass> s = seismicMasses(slabOnFourColumns(2));
    ASSERT_EQ(s.size(), 2U);
    EXPECT_NEAR(s[0].structureWeight, 4 * gamma * 90000 * (1500 + 2000), 1e-6);
    EXPECT_NEAR(s[1].structureWeight, 4 * gamma * 90000 * 2000, 1e-6);
}

TEST(SeismicMasses, ALineLoadOnOneBeamMovesTheCentreAndTheUnitWeightIsTheProjects) {
    Model m = slabOnFourColumns();
    m.settings.setNumber(settingKey::unitWeight, 0);
    testing::setRectangle(m, 1, 5, 300, 600); // the beam along X at y = 0
    setBeamLineLoad(m, 1, 5, 10);             // 10 kN/m = 10 N/mm over 6000 mm
    const StoreySeismicMass s = seismicMasses(m).at(0);
    EXPECT_NEAR(s.structureWeight, 0, 1e-12);
    EXPECT_NEAR(s.lineLoadWeight, 60000, 1e-6);
    // G*y = 120 000·2000 / 180 000.
    EXPECT_NEAR(s.centreY, 4000.0 / 3, 1e-9);
    EXPECT_NEAR(s.centreX, 3000, 1e-9);
    const double dSlab = 2000 - 4000.0 / 3, dLine = 4000.0 / 3;
    const double moment = 120000 * (52e6 / 12 + dSlab * dSlab) + 60000 * (3e6 + dLine * dLine);
    EXPECT_NEAR(s.gyrationRadius, std::sqrt(moment / 180000), 1e-6);
}

TEST(SeismicMasses, PerimeterLineLoadsAndTheirKeysStayOutOfAProjectWithoutThem) {
    Model m = testing::fullFrame(3, 3, 1);
    EXPECT_TRUE(m.settings.empty());
    setPerimeterLineLoad(m, 1, 8);
    // 2·2 beams along X on rows 1 and 3, 2·2 along Y on columns 1 and 3; the middle cross not.
    EXPECT_EQ(perimeterBeams(m, 1).size(), 8U);
    EXPECT_EQ(m.settings.values().size(), 8U);
    EXPECT_EQ(beamLineLoad(m, 1, numbering::beamXSlot(m.counts, 1, 2)), 0);
    EXPECT_EQ(beamLineLoad(m, 1, numbering::beamXSlot(m.counts, 2, 3)), 8);
    setPerimeterLineLoad(m, 1, 0);
    EXPECT_TRUE(m.settings.empty());
}

TEST(SeismicMasses, ExtraNodeColumnsWeighAtTheirOwnPlaceAndAnEmptyStoreyHasNoNaN) {
    Model m = testing::fullFrame(2, 2, 1, 1);
    for (int slot = 1; slot <= m.sizes().nSlots; ++slot)
        setPresent(m, 1, slot, false);
    m.coordX(3) = 9000;
    m.coordY(3) = 1000;
    EXPECT_EQ(seismicMasses(m).at(0), StoreySeismicMass{});
    testing::setRectangle(m, 1, numbering::columnSlot(m.counts, 5), 400, 400);
    const StoreySeismicMass s = seismicMasses(m).at(0);
    EXPECT_NEAR(s.weight, gamma * 160000 * 1500, 1e-9);
    EXPECT_NEAR(s.centreX, 9000, 1e-9);
    EXPECT_NEAR(s.centreY, 1000, 1e-9);
    EXPECT_NEAR(s.gyrationRadius, 0, 1e-9);
}

} // namespace
} // namespace orvanta
