#pragma once

// Copying one storey onto others: the usual way to enter a building whose storeys repeat is to
// enter storey 1, copy it to storeys 2..8 and then change the roof.
//
// Every column, wall and beam slot of the storey (presence and section) and every slab record
// of its bays (presence, span, loads, sides) replace those of each target storey; the levels do
// not change. The storey itself, when it lies in the range, stays as it is.
//
// The load results no longer describe the building: they come back zero-filled and the load
// distribution must run again, as after a change of the grid (grid_edits.h).

#include "grid_edits.h"

namespace orvanta {

// Storey `from` copied to storeys first..last (1..nStoreys, first ≤ last). `removed` counts the
// elements the targets had, which the copy replaces. A building whose slabs are not entered yet
// (the geometry phase of a new project) has its columns and beams copied.
StructuralEdit copyStorey(const Model& model, int from, int first, int last);

} // namespace orvanta
