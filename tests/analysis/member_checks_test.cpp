#include "member_checks.h"
#include "ntc_parameters.h"
#include "sample_models.h"

#include <gtest/gtest.h>

namespace orvanta {
namespace {

// fcd of C25/30: 0.85·0.83·30/1.5 = 14.11 N/mm².
constexpr double fcd = 0.85 * 24.9 / 1.5;
// γ = 25 kN/m³ in N/mm³.
constexpr double gamma = 2.5e-5;

// Four 300 × 300 columns 3000 mm high under each floor of a 5000 × 4000 bay, no beams, and the
// load distribution's axial force `slabForce` in every column of every storey.
Model fourColumns(std::int16_t storeys, double slabForce) {
    Model m = testing::fullFrame(2, 2, storeys);
    m.beamLoads = Array2<double>(1, storeys, 1, m.sizes().loadSlots);
    for (int s = 1; s <= storeys; ++s) {
        for (int n = 1; n <= 4; ++n) {
            testing::setRectangle(m, s, n, 300, 300);
            m.beamLoads(s, n) = slabForce;
        }
        for (int slot = 5; slot <= 8; ++slot)
            setPresent(m, s, slot, false);
    }
    return m;
}

TEST(MemberChecks, NormalisedForceAgainstTheLimitOfEachDuctilityClass) {
    EXPECT_NEAR(fcd, 14.11, 0.001);
    // The column's own weight 2.5e-5·90 000·3000 = 6750 N; N chosen so that νd = 0.60.
    const double own = gamma * 90000 * 3000;
    const double n = 0.60 * 90000 * fcd;
    const Model m = fourColumns(1, n - own);
    const std::vector<MemberCheck> b = memberChecks(m, 30, DuctilityClass::B);
    ASSERT_EQ(b.size(), 4U);
    EXPECT_NEAR(b[0].axialForce, n, 1e-6);
    EXPECT_NEAR(b[0].normalisedForce, 0.60, 1e-9);
    EXPECT_DOUBLE_EQ(b[0].axialLimit, 0.65);
    EXPECT_FALSE(b[0].fails());
    const std::vector<MemberCheck> a = memberChecks(m, 30, DuctilityClass::A);
    EXPECT_DOUBLE_EQ(a[0].axialLimit, 0.55);
    EXPECT_TRUE(a[0].axialFails());
    EXPECT_EQ(memberName(a[0]), "Pilastro 1");
    // Worked number of the header: 900 kN on 300 × 300 → 0.709, beyond both.
    const Model heavy = fourColumns(1, 900000 - own);
    EXPECT_NEAR(memberChecks(heavy, 30, DuctilityClass::B)[0].normalisedForce, 0.709, 0.001);
    EXPECT_TRUE(memberChecks(heavy, 30, DuctilityClass::B)[0].axialFails());
}

TEST(MemberChecks, TheFootOfALowerStoreyCarriesTheColumnsAndBeamHalvesAbove) {
    Model m = fourColumns(2, 100000);
    testing::setRectangle(m, 2, 5, 300, 600); // beam along X at y = 0, nodes 1 and 2, 5000 mm
    const std::vector<MemberCheck> c = memberChecks(m, 30, DuctilityClass::B);
    ASSERT_EQ(c.size(), 8U);
    const double column = gamma * 90000 * 3000;
    const double halfBeam = gamma * 180000 * 5000 / 2;
    EXPECT_EQ(c[0].storey, 1);
    EXPECT_NEAR(c[0].axialForce, 100000 + 2 * column + halfBeam, 1e-6); // node 1, storey 1
    EXPECT_NEAR(c[2].axialForce, 100000 + 2 * column, 1e-6);            // node 3, storey 1
    EXPECT_NEAR(c[4].axialForce, 100000 + column + halfBeam, 1e-6);     // node 1, storey 2
}

TEST(MemberChecks, ColumnSidesAndWallThicknessesAtTheirLimits) {
    Model m = fourColumns(1, 0);
    m.levelZ(2) = 4000;                        // h/20 = 200 mm governs the walls
    testing::setRectangle(m, 1, 1, 249, 400);  // column below 250
    testing::setRectangle(m, 1, 2, 250, 1000); // sides 1:4, still a column, 250 is enough
    testing::setRectangle(m, 1, 3, 200, 1500); // wall of 200 = h/20
    testing::setRectangle(m, 1, 4, 199, 1500); // wall below h/20
    const std::vector<MemberCheck> c = memberChecks(m, 30, DuctilityClass::B);
    ASSERT_EQ(c.size(), 4U);
    EXPECT_FALSE(c[0].wall);
    EXPECT_TRUE(c[0].sizeFails());
    EXPECT_FALSE(c[1].wall);
    EXPECT_FALSE(c[1].sizeFails());
    EXPECT_TRUE(c[2].wall);
    EXPECT_DOUBLE_EQ(c[2].smallestThickness, 200);
    EXPECT_FALSE(c[2].sizeFails());
    EXPECT_TRUE(c[3].sizeFails());
    EXPECT_EQ(memberName(c[3]), "Parete 4");
    // A low storey: 150 mm governs, and 160 passes.
    m.levelZ(2) = 2800;
    testing::setRectangle(m, 1, 4, 160, 1500);
    EXPECT_DOUBLE_EQ(memberChecks(m, 30, DuctilityClass::B)[3].smallestThickness, 150);
    EXPECT_FALSE(memberChecks(m, 30, DuctilityClass::B)[3].sizeFails());
}

TEST(MemberChecks, DuctilityFromTheProjectsParametersOrClassB) {
    Model m = fourColumns(1, 0);
    EXPECT_EQ(projectDuctility(m), DuctilityClass::B);
    NtcParameters p;
    p.ductility = DuctilityClass::A;
    writeNtcParameters(m.settings, p);
    EXPECT_EQ(projectDuctility(m), DuctilityClass::A);
}

TEST(MemberChecks, BeforeTheLoadsAreDistributedOnlyTheSelfWeightCounts) {
    const Model m = fourColumns(1, 0);
    const std::vector<MemberCheck> c = memberChecks(m, 30, DuctilityClass::A);
    ASSERT_EQ(c.size(), 4U);
    EXPECT_NEAR(c[0].axialForce, gamma * 90000 * 3000, 1e-9);
    EXPECT_NEAR(c[0].normalisedForce, 6750 / (90000 * fcd), 1e-12);
    EXPECT_FALSE(c[0].fails());
    // A model without its arrays gives no rows rather than reading outside them.
    Model empty = m;
    empty.beamLoads = Array2<double>();
    EXPECT_TRUE(memberChecks(empty, 30, DuctilityClass::A).empty());
}

} // namespace
} // namespace orvanta
