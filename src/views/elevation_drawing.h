#pragma once

// The pictures of the deformed shape in elevation, one per direction.
//
// Twips, with e = elevScale (twips per mm) and a level z drawn at y = 9500 − e·z:
//   the red axis symbol with its origin at (500, 9500), labelled "X" or "Y" and "Z";
//   the base line from (2000, b) to (4000, b), b = 9500 − e·levelZ(1), cyan, pen width 3;
//   for each storey k, pen width 1: a cyan line from the deformed axis at the level below
//   (3000 + δ(k − 1), 9500 − e·levelZ(k)) to (3000 + δ(k), 9500 − e·levelZ(k + 1)), and a
//   circle of radius 100 in the foreground colour at its upper end.
// δ is deformedShape, already scaled so that the larger top displacement is 2000 twips; the
// undeformed axis is x = 3000. Worked number: levels 0 and 3000 mm with drawMax(2) = 3000 give
// e = 3, the base at y = 9500, the floor at y = 500.

#include "analysis_results.h"
#include "drawing.h"
#include "model.h"

#include <optional>

namespace orvanta {

inline constexpr TwipsSize elevationExtent{6000, 10000};
inline constexpr double undeformedAxis = 3000; // twips
inline constexpr double storeyCircleRadius = 100;
inline constexpr Colour elevationBackground = colours::black;
inline constexpr Colour elevationForeground = colours::white;

// 9000 / drawMax(2), the height of the drawing in mm. When drawMax(2) is not a positive number
// the top level's height above the base takes its place; 1 when neither is positive.
double elevationScale(const Model& model);

// Renews the drawing whole: the picture of direction `row` of deformedShape (1 = X, 2 = Y). The
// extent is left to the caller, which gives both pictures the same.
void drawElevation(Drawing& drawing, const Model& model, const Array2<double>& deformedShape,
                   int row, double elevScale);

// The top storey's displacement before scaling, Σ F(top, j)·storeyForce(j) with F the
// flexibility of the direction: per unit modulus of elasticity and unit resultant of the storey
// forces, so that E·δ = value·Ftot with Ftot in N and E in N/mm² gives δ in mm. Nothing when the
// flexibility is not that of the model's storeys.
std::optional<double> topDisplacementPerUnitForce(const Model& model, const RittiResults& ritti);

} // namespace orvanta
