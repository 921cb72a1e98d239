#pragma once

// The mapping from the building's millimetres to drawing twips, and the axis symbol that the
// plan and elevation sketches share.
//
// Plan: a point (x, y) in millimetres is drawn at (500 + planScale·x, 9500 − planScale·y) twips,
// so the plan's origin sits 500 twips from the left and 9500 twips from the top, and y grows
// upwards on paper. Worked number: planScale = 0.5 twips/mm, (10000, 4000) mm → (5500, 7500).
// Elevation: a level z in millimetres is drawn at y = base − elevScale·z twips, with base 9500
// in the views and 3500 in the grid editor's small sketch. Worked number: elevScale = 0.3,
// z = 3000 mm, base 3500 → 2600.

#include "drawing.h"

#include <string>

namespace orvanta {

inline constexpr TwipsPoint planOrigin{500, 9500};

// (500 + planScale·x, 9500 − planScale·y): x, y in mm, planScale in twips per mm.
inline TwipsPoint planPoint(double x, double y, double planScale) {
    return {planOrigin.x + planScale * x, planOrigin.y - planScale * y};
}

// base − elevScale·z: z in mm, elevScale in twips per mm, base in twips.
inline double elevationY(double z, double elevScale, double base = planOrigin.y) {
    return base - elevScale * z;
}

// The axis symbol of the sketches with its origin at `origin` (500, 9500 in the plans): a
// horizontal axis from 250 twips left of the origin to 1000 right of it and a vertical one
// from 250 below to 1000 above, each with a two-stroke arrow head 100 twips long and 50 wide,
// the horizontal label printed at (origin.x + 900, origin.y + 100) and the vertical one at
// (origin.x − 225, origin.y − 1000). Drawn in red with the drawing's current pen width.
void drawAxisSymbol(Drawing& drawing, TwipsPoint origin, const std::string& horizontalLabel,
                    const std::string& verticalLabel, Colour colour = colours::red);

} // namespace orvanta
