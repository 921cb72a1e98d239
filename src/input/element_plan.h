#pragma once

// The plan of a storey as the geometry and sections editors show it: the shared storey plan, the
// node numbers when there are at most 400 nodes, the chosen column's node ringed in yellow and
// the chosen beam drawn in green between the column squares (drawn again in the beams' colour
// over it when the beam is there). The extent grows to hold an extra node in front of the first
// grid line.

#include "drawing.h"
#include "member_placement.h"
#include "model.h"

namespace orvanta {

// The number of every node, grid and extra, in grey beside it (below right), so that the numbers
// typed into the node boxes can be found on the plan; left out above 400 nodes, where they
// would cover the plan.
void drawNodeNumbers(Drawing& drawing, const Model& model);

Drawing chosenElementsPlan(const Model& model, int storey, int columnNode, BeamDirection direction,
                           int beamStart);

} // namespace orvanta
