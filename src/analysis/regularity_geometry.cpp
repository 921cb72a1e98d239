#include "regularity_geometry.h"

#include "element_records.h"
#include "numbering.h"

#include <algorithm>
#include <cmath>

namespace orvanta {

namespace {

using Point = std::array<double, 2>;

double cross(const Point& o, const Point& a, const Point& b) {
    return (a[0] - o[0]) * (b[1] - o[1]) - (a[1] - o[1]) * (b[0] - o[0]);
}

double ratioOfLoss(double below, double here) {
    return below > 0 ? (below - here) / below : 0.0;
}

} // namespace

ColumnExtent columnExtent(const Model& m, int storey) {
    ColumnExtent extent;
    for (int node = 1; node <= m.sizes().nodes; ++node) {
        if (!isPresent(m, storey, numbering::columnSlot(m.counts, node)))
            continue;
        const numbering::PlanPoint p = numbering::nodePosition(m, node);
        if (!extent.any) {
            extent = {true, p.x, p.x, p.y, p.y};
            continue;
        }
        extent.minX = std::min(extent.minX, p.x);
        extent.maxX = std::max(extent.maxX, p.x);
        extent.minY = std::min(extent.minY, p.y);
        extent.maxY = std::max(extent.maxY, p.y);
    }
    return extent;
}

// Andrew's monotone chain, then the shoelace formula.
double convexHullArea(std::vector<Point> points) {
    std::sort(points.begin(), points.end());
    points.erase(std::unique(points.begin(), points.end()), points.end());
    if (points.size() < 3)
        return 0;
    std::vector<Point> hull(2 * points.size());
    std::size_t k = 0;
    for (const Point& p : points) {
        while (k >= 2 && cross(hull[k - 2], hull[k - 1], p) <= 0)
            --k;
        hull[k++] = p;
    }
    for (std::size_t i = points.size() - 1, lower = k + 1; i-- > 0;) {
        while (k >= lower && cross(hull[k - 2], hull[k - 1], points[i]) <= 0)
            --k;
        hull[k++] = points[i];
    }
    hull.resize(k - 1);
    double twice = 0;
    for (std::size_t i = 0; i < hull.size(); ++i) {
        const Point& a = hull[i];
        const Point& b = hull[(i + 1) % hull.size()];
        twice += a[0] * b[1] - b[0] * a[1];
    }
    return std::fabs(twice) / 2;
}

bool ElevationGeometry::massPasses(std::size_t pair) const {
    const std::optional<double>& r = massVariation[pair];
    return r && std::fabs(*r) <= massVariationLimit;
}

bool ElevationGeometry::setbackPasses(int axis, std::size_t storey) const {
    if (setbackExempt[storey])
        return true;
    const auto a = static_cast<std::size_t>(axis);
    return setback[a][storey] <= setbackStepLimit &&
           setbackFromFirst[a][storey] <= setbackFromFirstLimit;
}

bool ElevationGeometry::massRegular() const {
    for (std::size_t pair = 0; pair < massVariation.size(); ++pair) {
        if (!massPasses(pair))
            return false;
    }
    return true;
}

bool ElevationGeometry::setbacksRegular() const {
    for (std::size_t s = 0; s < setbackExempt.size(); ++s) {
        if (!setbackPasses(axisX, s) || !setbackPasses(axisY, s))
            return false;
    }
    return true;
}

bool PlanGeometry::aspectPasses(std::size_t storey) const {
    return aspectRatio[storey] && *aspectRatio[storey] < aspectRatioLimit;
}

bool PlanGeometry::hullPasses(std::size_t storey) const {
    return hullExcess[storey] && *hullExcess[storey] <= hullExcessLimit;
}

bool PlanGeometry::regular() const {
    for (std::size_t s = 0; s < aspectRatio.size(); ++s) {
        if (!aspectPasses(s) || !hullPasses(s))
            return false;
    }
    return true;
}

ElevationGeometry elevationGeometry(const Model& m, const std::vector<double>& weights) {
    const int storeys = m.counts.nStoreys;
    ElevationGeometry g;
    for (int s = 1; s < storeys; ++s) {
        const double below = weights[static_cast<std::size_t>(s - 1)];
        const double above = weights[static_cast<std::size_t>(s)];
        g.massVariation.push_back(below > 0 ? std::optional((above - below) / below)
                                            : std::nullopt);
    }
    const ColumnExtent first = columnExtent(m, 1);
    ColumnExtent below = first;
    for (int s = 1; s <= storeys; ++s) {
        const ColumnExtent here = columnExtent(m, s);
        for (const int axis : {axisX, axisY}) {
            const auto a = static_cast<std::size_t>(axis);
            g.setback[a].push_back(s == 1 ? 0.0 : ratioOfLoss(below.along(axis), here.along(axis)));
            g.setbackFromFirst[a].push_back(ratioOfLoss(first.along(axis), here.along(axis)));
        }
        g.setbackExempt.push_back(s == storeys && storeys >= 4);
        below = here;
    }
    return g;
}

PlanGeometry planGeometry(const Model& m) {
    const Counts& c = m.counts;
    PlanGeometry g;
    for (int s = 1; s <= c.nStoreys; ++s) {
        const ColumnExtent extent = columnExtent(m, s);
        const double longer = std::max(extent.along(axisX), extent.along(axisY));
        const double shorter = std::min(extent.along(axisX), extent.along(axisY));
        g.aspectRatio.push_back(shorter > 0 ? std::optional(longer / shorter) : std::nullopt);

        double area = 0;
        std::vector<Point> corners;
        for (int iy = 1; iy < c.nY; ++iy) {
            for (int ix = 1; ix < c.nX; ++ix) {
                if (!slabAt(m, s, numbering::bay(c, ix, iy)).present)
                    continue;
                const double x0 = m.coordX(ix), x1 = m.coordX(ix + 1);
                const double y0 = m.coordY(iy), y1 = m.coordY(iy + 1);
                area += std::fabs((x1 - x0) * (y1 - y0));
                corners.insert(corners.end(), {{x0, y0}, {x1, y0}, {x0, y1}, {x1, y1}});
            }
        }
        const double hull = convexHullArea(std::move(corners));
        g.slabArea.push_back(area);
        g.hullArea.push_back(hull);
        g.hullExcess.push_back(area > 0 ? std::optional((hull - area) / area) : std::nullopt);
    }
    return g;
}

} // namespace orvanta
