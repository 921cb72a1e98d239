#pragma once

// The plan of the torsional regularity window: the plan of a storey (the shared plan drawing)
// and, for every storey, its centre of mass (C.M., a red dot as in the centres view) and its
// centre of rigidity (C.R., a yellow circle with a cross, numbered with the storey), joined by a
// yellow line: the eccentricity e0 at a glance.
//
// Twips, with s = planScale: C.M. a filled circle of radius 100 at (500 + s·xG, 9500 − s·yG);
// C.R. a circle of radius 150, pen width 2, with a cross of ±150, at (500 + s·xR, 9500 − s·yR);
// the storey number printed 200 twips right of the centre of rigidity, its foot 250 above it.

#include "drawing.h"
#include "model.h"
#include "seismic_results.h"

namespace orvanta {

inline constexpr Colour rigidityColour = Colour::rgb(255, 255, 0);
inline constexpr double rigidityCircleRadius = 150; // twips

// Renews the drawing whole. Without regularity figures only the plan is drawn.
void drawRigidityCentres(Drawing& drawing, const Model& model, const SeismicResults& seismic,
                         int planStorey);

} // namespace orvanta
