#pragma once

// Circular arcs as cubic Bézier segments.
//
// An arc of angle θ ≤ 90° from P0 to P3 on a circle of radius r is drawn as one cubic whose
// control points leave P0 and P3 along the tangents at distance k·r, k = 4/3·tan(θ/4). For a
// quarter circle k = 4/3·(√2 − 1) ≈ 0.5523 ("kappa"): the curve stays within 0.03 % of r of the
// true circle. Longer arcs are split into equal segments of at most 90°.
//
// Angles are in degrees, counter-clockwise from the +x axis, in a y-up frame (the PDF page).

#include <vector>

namespace orvanta::pdf {

inline constexpr double kappa = 0.5522847498307936;

struct Point {
    double x = 0;
    double y = 0;
};

struct CubicSegment {
    Point control1;
    Point control2;
    Point end;
};

struct ArcPath {
    Point start;
    std::vector<CubicSegment> segments; // empty for a zero sweep
};

// The arc about centre of the given radius from startDegrees, turning sweepDegrees (positive
// counter-clockwise, negative clockwise, at most one full turn either way).
ArcPath arcPath(Point centre, double radius, double startDegrees, double sweepDegrees);

} // namespace orvanta::pdf
