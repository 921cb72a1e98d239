#include "element_records.h"
#include "numbering.h"
#include "regularity_geometry.h"
#include "sample_models.h"

#include <gtest/gtest.h>

namespace orvanta {
namespace {

// Removes the columns of storey s at the grid nodes of the lines ix > keep along X.
void keepColumnsUpTo(Model& m, int storey, int keep) {
    for (int iy = 1; iy <= m.counts.nY; ++iy) {
        for (int ix = keep + 1; ix <= m.counts.nX; ++ix)
            setPresent(m, storey, numbering::gridNode(m.counts, ix, iy), false);
    }
}

void slabEverywhereBut(Model& m, int storey, int skipX, int skipY) {
    for (int iy = 1; iy < m.counts.nY; ++iy) {
        for (int ix = 1; ix < m.counts.nX; ++ix) {
            if (ix != skipX || iy != skipY)
                testing::setSlab(m, storey, ix, iy, SlabSpan::alongX, 0.005, 0.002, 0.3);
        }
    }
}

TEST(MassRegularity, AVariationOfAQuarterOfTheStoreyBelowIsTheLimitBothWays) {
    const Model m = testing::fullFrame(2, 2, 2);
    const ElevationGeometry up = elevationGeometry(m, {1000e3, 1250e3});
    EXPECT_DOUBLE_EQ(*up.massVariation[0], 0.25);
    EXPECT_TRUE(up.massRegular());
    EXPECT_FALSE(elevationGeometry(m, {1000e3, 1251e3}).massRegular());
    EXPECT_TRUE(elevationGeometry(m, {1000e3, 750e3}).massRegular());
    const ElevationGeometry down = elevationGeometry(m, {1000e3, 749e3});
    EXPECT_NEAR(*down.massVariation[0], -0.251, 1e-12);
    EXPECT_FALSE(down.massRegular());
    // Measured on the storey below: 1250 then 1000 is −0.20.
    EXPECT_DOUBLE_EQ(*elevationGeometry(m, {1250e3, 1000e3}).massVariation[0], -0.2);
    // A storey without weight cannot be judged, and is not called regular.
    const ElevationGeometry empty = elevationGeometry(m, {0, 1000e3});
    EXPECT_FALSE(empty.massVariation[0]);
    EXPECT_FALSE(empty.massRegular());
}

TEST(SetbackRegularity, ALossOfATenthAlongXPassesAndMoreFailsWhileYStaysRegular) {
    // Columns on x = 0, 18000, 20000; storey 2 loses the line at 20000 m: E = 20000 → 18000.
    Model m = testing::fullFrame(3, 2, 2);
    testing::setGrid(m, {0, 18000, 20000}, {0, 4000}, {0, 3000, 6000});
    keepColumnsUpTo(m, 2, 2);
    const ElevationGeometry g = elevationGeometry(m, {1, 1});
    EXPECT_EQ(g.setback[axisX][0], 0);
    EXPECT_DOUBLE_EQ(g.setback[axisX][1], 0.10);
    EXPECT_EQ(g.setback[axisY][1], 0);
    EXPECT_TRUE(g.setbackPasses(axisX, 1));
    EXPECT_TRUE(g.setbacksRegular());

    m.coordX(2) = 17900;
    const ElevationGeometry more = elevationGeometry(m, {1, 1});
    EXPECT_NEAR(more.setback[axisX][1], 0.105, 1e-12);
    EXPECT_FALSE(more.setbackPasses(axisX, 1));
    EXPECT_TRUE(more.setbackPasses(axisY, 1));
    EXPECT_FALSE(more.setbacksRegular());
}

TEST(SetbackRegularity, SmallStepsAddingUpToMoreThanThirtyPerCentOfTheFirstStoreyFail) {
    // Extents 20000, 18000, 16200, 14580, then 14000 (6000/20000 = 0.30 of the first storey),
    // each step within 10 %; the sixth storey, the top of a building of 4 storeys or more,
    // keeps 14000 and is exempt.
    Model m = testing::fullFrame(6, 2, 6);
    testing::setGrid(m, {0, 14000, 14580, 16200, 18000, 20000}, {0, 4000},
                     {0, 3000, 6000, 9000, 12000, 15000, 18000});
    for (int s = 2; s <= 5; ++s)
        keepColumnsUpTo(m, s, 7 - s);
    keepColumnsUpTo(m, 6, 2);
    const std::vector<double> w(6, 1.0);
    const ElevationGeometry g = elevationGeometry(m, w);
    EXPECT_DOUBLE_EQ(g.setbackFromFirst[axisX][4], 0.30);
    EXPECT_TRUE(g.setbackPasses(axisX, 4));
    EXPECT_TRUE(g.setbacksRegular());

    m.coordX(2) = 13999;
    EXPECT_FALSE(elevationGeometry(m, w).setbackPasses(axisX, 4));
}

TEST(SetbackRegularity, TheTopStoreyIsExemptFromFourStoreysUp) {
    // The top storey keeps half of the building's length.
    for (const int storeys : {3, 4}) {
        Model m = testing::fullFrame(3, 2, static_cast<std::int16_t>(storeys));
        keepColumnsUpTo(m, storeys, 2);
        const ElevationGeometry g = elevationGeometry(m, std::vector<double>(storeys, 1.0));
        EXPECT_DOUBLE_EQ(g.setback[axisX].back(), 0.5);
        EXPECT_EQ(g.setbacksRegular(), storeys == 4) << storeys << " storeys";
    }
}

TEST(PlanRegularity, TheColumnsRectangleIsRegularBelowASideRatioOfFour) {
    Model m = testing::fullFrame(2, 2, 1);
    testing::setGrid(m, {0, 20000}, {0, 5000}, {0, 3000});
    slabEverywhereBut(m, 1, 0, 0);
    EXPECT_DOUBLE_EQ(*planGeometry(m).aspectRatio[0], 4.0);
    EXPECT_FALSE(planGeometry(m).regular());
    m.coordY(2) = 5010;
    EXPECT_NEAR(*planGeometry(m).aspectRatio[0], 20000.0 / 5010, 1e-12);
    EXPECT_TRUE(planGeometry(m).regular());
    // Long along Y instead: the ratio is the longer side over the shorter.
    testing::setGrid(m, {0, 5010}, {0, 20000}, {0, 3000});
    EXPECT_NEAR(*planGeometry(m).aspectRatio[0], 20000.0 / 5010, 1e-12);
}

TEST(PlanRegularity, ARecessOfFivePerCentOfTheSlabIsTheLimitAndAnLFails) {
    // 11000 × 10000 less a 5000 × 2000 corner bay: A = 100 m², the hull cuts the corner's
    // diagonal, H = 105 m², (H − A)/A = 0.05.
    Model m = testing::fullFrame(3, 3, 1);
    testing::setGrid(m, {0, 5000, 11000}, {0, 2000, 10000}, {0, 3000});
    slabEverywhereBut(m, 1, 1, 1);
    PlanGeometry g = planGeometry(m);
    EXPECT_DOUBLE_EQ(g.slabArea[0], 100e6);
    EXPECT_DOUBLE_EQ(g.hullArea[0], 105e6);
    EXPECT_DOUBLE_EQ(*g.hullExcess[0], 0.05);
    EXPECT_TRUE(g.hullPasses(0));
    m.coordY(2) = 2010;
    EXPECT_FALSE(planGeometry(m).hullPasses(0));

    // An L of three 5000 × 5000 bays: A = 75 m², H = 87.5 m².
    testing::setGrid(m, {0, 5000, 10000}, {0, 5000, 10000}, {0, 3000});
    setSlabPresent(m, 1, numbering::bay(m.counts, 2, 2), false);
    setSlabPresent(m, 1, numbering::bay(m.counts, 1, 1), true);
    g = planGeometry(m);
    EXPECT_DOUBLE_EQ(g.hullArea[0], 87.5e6);
    EXPECT_NEAR(*g.hullExcess[0], 12.5 / 75, 1e-12);
    EXPECT_FALSE(g.regular());
}

TEST(PlanRegularity, AStoreyWithoutSlabsOrWithColumnsOnOneLineIsNotJudgedRegular) {
    Model m = testing::fullFrame(2, 2, 1);
    EXPECT_FALSE(planGeometry(m).hullExcess[0]);
    EXPECT_FALSE(planGeometry(m).regular());
    keepColumnsUpTo(m, 1, 1);
    EXPECT_FALSE(planGeometry(m).aspectRatio[0]);
}

} // namespace
} // namespace orvanta
