#include "section_properties.h"

namespace orvanta {

double shearParameter(const BarSection& section, double length) {
    return 3 * section.inertia / (length * length * section.area) * 2 * 1.2 * section.shearFactor;
}

BarSection columnProperties(const ColumnSection& section, bool acrossX) {
    const double b = section.base;
    const double h = section.height;
    const double tx = section.wallsAlongX;
    const double ty = section.wallsAlongY;
    if (section.shape == ColumnShape::rectangle) {
        const double inertia = acrossX ? h * h * h * b / 12 : b * b * b * h / 12;
        return {h * b, inertia, rectangleShearFactor};
    }
    const double area = 2 * (ty * h + tx * b - 2 * tx * ty);
    if (acrossX) {
        const double hollow = h - 2 * tx;
        return {area, h * h * h * b / 12 - (b - 2 * ty) * hollow * hollow * hollow / 12,
                area / (2 * h * ty)};
    }
    const double hollow = b - 2 * ty;
    return {area, b * b * b * h / 12 - (h - 2 * tx) * hollow * hollow * hollow / 12,
            area / (2 * b * tx)};
}

BarSection beamProperties(const BeamSection& section) {
    const double b = section.base;
    const double h = section.height;
    const double s = section.flange;
    const double bw = section.web;
    if (section.shape == BeamShape::rectangle)
        return {h * b, h * h * h * b / 12, rectangleShearFactor};
    const double area = (h - s) * bw + s * b;
    const double a = b - bw;
    const double d = h - s;
    const double moment = b * h * h - a * d * d;
    const double inertia =
        (moment * moment - (h - d) * (h - d) * 4 * b * h * a * d) / (12 * (h * b - d * a));
    return {area, inertia, area / (bw * h)};
}

} // namespace orvanta
