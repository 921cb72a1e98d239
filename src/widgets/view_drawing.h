#pragma once

// What the plan drawings of the editors, the result views and the saved plan picture share: the
// plan scale they draw with and the extent that holds everything they drew.

#include "drawing.h"
#include "model.h"

namespace orvanta {

// The plan scale of the model in twips per millimetre. A model whose stored scale is not a
// positive number (never set by the grid editor) takes the grid editor's own rule, the smaller
// of 11000 / the largest X and 9000 / the largest Y, and 1 when the grid gives neither.
// Worked number: a grid 17000 mm wide and 14900 mm deep → min(0.647, 0.604) = 0.604.
double planScaleOf(const Model& model);

// Widens and heightens the drawing's extent, never below `minimum`, so that every primitive
// lies inside it with `margin` twips to spare (an extra node 2000 mm in front of the first grid
// line is drawn below 9500 twips). The extent grows to twice the minimum at most, so that one
// stray point cannot shrink the drawing to nothing. Text is taken as 0.6 of its height wide per
// character.
void fitExtentToContents(Drawing& drawing, TwipsSize minimum, double margin = 250);

} // namespace orvanta
