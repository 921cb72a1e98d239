#include "elevation_drawing.h"

#include "drawing_geometry.h"

#include <cmath>

namespace orvanta {

namespace {

bool positive(double value) {
    return value > 0 && std::isfinite(value);
}

constexpr double drawingHeight = 9000; // twips from the base to the top of the drawing

} // namespace

double elevationScale(const Model& m) {
    if (positive(m.drawMax(2)))
        return drawingHeight / m.drawMax(2);
    const int top = m.levelZ.upper();
    if (top > m.levelZ.lower()) {
        const double height = m.levelZ(top) - m.levelZ(m.levelZ.lower());
        if (positive(height))
            return drawingHeight / height;
    }
    return 1;
}

void drawElevation(Drawing& d, const Model& m, const Array2<double>& shape, int row, double e) {
    d.clear();
    d.setBackground(elevationBackground);
    d.setPenWidth(1);
    drawAxisSymbol(d, planOrigin, row == 1 ? "X" : "Y", "Z");

    d.setPenWidth(3);
    const double base = elevationY(m.levelZ(1), e);
    d.line({2000, base}, {4000, base}, colours::cyan);

    d.setPenWidth(1);
    const int storeys = m.counts.nStoreys;
    const bool hasShape = shape.lower(1) <= row && row <= shape.upper(1) && shape.lower(2) == 0 &&
                          shape.upper(2) == storeys;
    const auto delta = [&](int k) { return hasShape ? shape(row, k) : 0.0; };
    for (int k = 2; k <= storeys + 1; ++k) {
        const TwipsPoint below{undeformedAxis + delta(k - 2), elevationY(m.levelZ(k - 1), e)};
        const TwipsPoint above{undeformedAxis + delta(k - 1), elevationY(m.levelZ(k), e)};
        d.line(below, above, colours::cyan);
        d.circle(above, storeyCircleRadius, elevationForeground);
    }
}

std::optional<double> topDisplacementPerUnitForce(const Model& m, const RittiResults& ritti) {
    const int n = m.counts.nStoreys;
    const Array2<double>& f = ritti.flexibility;
    if (n < 1 || f.lower(1) != 1 || f.upper(1) != n || f.lower(2) != 1 || f.upper(2) != n ||
        m.storeyForce.upper() < n)
        return std::nullopt;
    double top = 0;
    for (int j = 1; j <= n; ++j)
        top += f(n, j) * m.storeyForce(j);
    if (!std::isfinite(top))
        return std::nullopt;
    return top;
}

} // namespace orvanta
