// Arcs as cubic Béziers stay on their circle.

#include "bezier_arc.h"

#include <cmath>
#include <gtest/gtest.h>

namespace orvanta::pdf {
namespace {

Point bezierAt(Point p0, const CubicSegment& s, double t) {
    const double u = 1 - t;
    const auto mix = [&](double a, double b, double c, double d) {
        return u * u * u * a + 3 * u * u * t * b + 3 * u * t * t * c + t * t * t * d;
    };
    return {mix(p0.x, s.control1.x, s.control2.x, s.end.x),
            mix(p0.y, s.control1.y, s.control2.y, s.end.y)};
}

// Largest distance from the circle, relative to the radius, along every segment.
double worstDeviation(const ArcPath& path, Point centre, double radius) {
    double worst = 0;
    Point start = path.start;
    for (const CubicSegment& s : path.segments) {
        for (int k = 0; k <= 20; ++k) {
            const Point p = bezierAt(start, s, k / 20.0);
            worst = std::max(worst, std::abs(std::hypot(p.x - centre.x, p.y - centre.y) - radius));
        }
        start = s.end;
    }
    return worst / radius;
}

TEST(BezierArc, QuarterCirclesUseKappaAndStayOnTheCircle) {
    const Point centre{100, 50};
    const ArcPath quarter = arcPath(centre, 10, 0, 90);
    ASSERT_EQ(quarter.segments.size(), 1u);
    EXPECT_NEAR(quarter.start.x, 110, 1e-12);
    EXPECT_NEAR(quarter.segments[0].control1.y - 50, 10 * kappa, 1e-12);
    EXPECT_NEAR(quarter.segments[0].end.x, 100, 1e-12);
    EXPECT_NEAR(quarter.segments[0].end.y, 60, 1e-12);
    EXPECT_LT(worstDeviation(quarter, centre, 10), 3e-4);
}

TEST(BezierArc, LongerArcsSplitIntoEqualSegmentsEitherWay) {
    const Point centre{0, 0};
    const ArcPath full = arcPath(centre, 5, 45, 360);
    EXPECT_EQ(full.segments.size(), 4u);
    EXPECT_NEAR(full.segments.back().end.x, full.start.x, 1e-12);
    EXPECT_NEAR(full.segments.back().end.y, full.start.y, 1e-12);

    const ArcPath clockwise = arcPath(centre, 5, 90, -270); // from the top round to the left
    EXPECT_EQ(clockwise.segments.size(), 3u);
    EXPECT_NEAR(clockwise.segments.back().end.x, -5, 1e-12);
    EXPECT_NEAR(clockwise.segments.back().end.y, 0, 1e-12);
    EXPECT_LT(worstDeviation(clockwise, centre, 5), 3e-4);

    EXPECT_EQ(arcPath(centre, 5, 0, 100).segments.size(), 2u);
    EXPECT_EQ(arcPath(centre, 5, 0, 1000).segments.size(), 4u); // at most one turn
    EXPECT_TRUE(arcPath(centre, 5, 30, 0).segments.empty());
}

} // namespace
} // namespace orvanta::pdf
