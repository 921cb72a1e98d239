#include "bezier_arc.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace orvanta::pdf {

namespace {

Point onCircle(Point centre, double radius, double radians) {
    return {centre.x + radius * std::cos(radians), centre.y + radius * std::sin(radians)};
}

} // namespace

ArcPath arcPath(Point centre, double radius, double startDegrees, double sweepDegrees) {
    constexpr double toRadians = std::numbers::pi / 180.0;
    const double sweep = std::clamp(sweepDegrees, -360.0, 360.0);
    const double start = startDegrees * toRadians;
    ArcPath path{onCircle(centre, radius, start), {}};
    if (sweep == 0.0 || !std::isfinite(sweep))
        return path;

    const int count = std::max(1, static_cast<int>(std::ceil(std::abs(sweep) / 90.0 - 1e-9)));
    const double step = sweep / count * toRadians;
    const double k = 4.0 / 3.0 * std::tan(step / 4.0) * radius; // signed with the sweep
    for (int i = 0; i < count; ++i) {
        const double a0 = start + i * step;
        const double a1 = a0 + step;
        const Point p0 = onCircle(centre, radius, a0);
        const Point p3 = onCircle(centre, radius, a1);
        path.segments.push_back({{p0.x - k * std::sin(a0), p0.y + k * std::cos(a0)},
                                 {p3.x + k * std::sin(a1), p3.y - k * std::cos(a1)},
                                 p3});
    }
    return path;
}

} // namespace orvanta::pdf
