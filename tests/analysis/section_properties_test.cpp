#include "section_properties.h"

#include <cmath>
#include <gtest/gtest.h>

namespace orvanta {
namespace {

TEST(SectionProperties, RectangularColumnBendsAboutEitherSide) {
    const BarSection acrossX = columnProperties({ColumnShape::rectangle, 300, 500}, true);
    const BarSection acrossY = columnProperties({ColumnShape::rectangle, 300, 500}, false);
    EXPECT_DOUBLE_EQ(acrossX.area, 150000);
    EXPECT_DOUBLE_EQ(acrossY.area, 150000);
    EXPECT_DOUBLE_EQ(acrossX.inertia, 500.0 * 500 * 500 * 300 / 12);
    EXPECT_DOUBLE_EQ(acrossY.inertia, 300.0 * 300 * 300 * 500 / 12);
    EXPECT_DOUBLE_EQ(acrossX.shearFactor, 1.2);
    // The worked number: 3·I/(L²·A)·2.4·1.2 for L = 3000.
    EXPECT_NEAR(shearParameter(acrossX, 3000), 0.02, 1e-15);
}

TEST(SectionProperties, HollowBoxIsTheOuterRectangleLessTheHole) {
    // 2000 × 3000 box, walls 200 aligned with X (top and bottom), 300 aligned with Y (sides).
    const double b = 2000, h = 3000, tx = 200, ty = 300;
    const double area = b * h - (b - 2 * ty) * (h - 2 * tx);
    const BarSection acrossX = columnProperties({ColumnShape::box, b, h, tx, ty}, true);
    const BarSection acrossY = columnProperties({ColumnShape::box, b, h, tx, ty}, false);
    EXPECT_DOUBLE_EQ(acrossX.area, area);
    EXPECT_DOUBLE_EQ(acrossY.area, area);
    EXPECT_DOUBLE_EQ(acrossX.inertia,
                     (b * h * h * h - (b - 2 * ty) * std::pow(h - 2 * tx, 3)) / 12);
    EXPECT_DOUBLE_EQ(acrossY.inertia,
                     (h * b * b * b - (h - 2 * tx) * std::pow(b - 2 * ty, 3)) / 12);
    // The shear is carried by the webs parallel to the bending plane.
    EXPECT_DOUBLE_EQ(acrossX.shearFactor, area / (2 * h * ty));
    EXPECT_DOUBLE_EQ(acrossY.shearFactor, area / (2 * b * tx));
}

TEST(SectionProperties, TeeBeamHasItsCentroidalInertia) {
    // Flange 1000 × 200 on a 300-wide web, 600 deep overall.
    const BarSection t = beamProperties({BeamShape::tee, 1000, 600, 200, 300});
    const double flange = 1000.0 * 200, web = 300.0 * 400;
    const double centroid = (flange * 500 + web * 200) / (flange + web); // from the bottom
    const double inertia = 1000.0 * 200 * 200 * 200 / 12 + flange * std::pow(500 - centroid, 2) +
                           300.0 * 400 * 400 * 400 / 12 + web * std::pow(200 - centroid, 2);
    EXPECT_DOUBLE_EQ(t.area, flange + web);
    EXPECT_NEAR(t.inertia, inertia, 1e-9 * inertia);
    EXPECT_DOUBLE_EQ(t.shearFactor, (flange + web) / (300.0 * 600));
}

TEST(SectionProperties, TeeAsDeepAsItsFlangeIsTheRectangleButForTheShearFactor) {
    const BarSection t = beamProperties({BeamShape::tee, 400, 600, 600, 250});
    const BarSection rectangle = beamProperties({BeamShape::rectangle, 400, 600});
    EXPECT_DOUBLE_EQ(t.area, rectangle.area);
    EXPECT_DOUBLE_EQ(t.inertia, rectangle.inertia);
    EXPECT_DOUBLE_EQ(rectangle.shearFactor, 1.2);
    EXPECT_DOUBLE_EQ(t.shearFactor, 400.0 / 250);
}

} // namespace
} // namespace orvanta
