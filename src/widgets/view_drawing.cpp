#include "view_drawing.h"

#include <algorithm>
#include <cmath>

namespace orvanta {

namespace {

constexpr double twipsPerPoint = 20;

bool positive(double value) {
    return value > 0 && std::isfinite(value);
}

// The far corner of a primitive, in twips.
TwipsPoint farCorner(const Primitive& primitive) {
    struct Visitor {
        TwipsPoint operator()(const Line& l) const {
            return {std::max(l.from.x, l.to.x), std::max(l.from.y, l.to.y)};
        }
        TwipsPoint operator()(const Circle& c) const {
            return {c.centre.x + c.radius, c.centre.y + c.radius};
        }
        TwipsPoint operator()(const Box& b) const {
            return {std::max(b.corner.x, b.oppositeCorner.x),
                    std::max(b.corner.y, b.oppositeCorner.y)};
        }
        TwipsPoint operator()(const Text& t) const {
            const double height = t.fontSize * twipsPerPoint;
            return {t.topLeft.x + 0.6 * height * static_cast<double>(t.text.size()),
                    t.topLeft.y + height};
        }
    };
    return std::visit(Visitor{}, primitive);
}

} // namespace

double planScaleOf(const Model& m) {
    if (positive(m.planScale))
        return m.planScale;
    double scale = 0;
    const auto consider = [&](double candidate) {
        if (positive(candidate) && (scale == 0 || candidate < scale))
            scale = candidate;
    };
    if (m.counts.nX >= 1 && m.coordX.upper() >= m.counts.nX)
        consider(11000 / m.coordX(m.counts.nX));
    if (m.counts.nY >= 1 && m.coordY.upper() >= m.counts.nY)
        consider(9000 / m.coordY(m.counts.nY));
    return scale > 0 ? scale : 1;
}

void fitExtentToContents(Drawing& drawing, TwipsSize minimum, double margin) {
    TwipsSize extent = minimum;
    for (const Primitive& primitive : drawing.primitives()) {
        const TwipsPoint corner = farCorner(primitive);
        if (std::isfinite(corner.x))
            extent.width = std::max(extent.width, corner.x + margin);
        if (std::isfinite(corner.y))
            extent.height = std::max(extent.height, corner.y + margin);
    }
    extent.width = std::min(extent.width, 2 * minimum.width);
    extent.height = std::min(extent.height, 2 * minimum.height);
    drawing.setExtent(extent);
}

} // namespace orvanta
