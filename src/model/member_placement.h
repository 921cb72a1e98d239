#pragma once

// Placing columns, walls and beams in the geometry phase: presence flags only (field 1 of
// members); the sections come later and are left as they are.
//
// A column stands on a node (grid or extra) and rises from the base through m storeys: it is
// present in storeys 1..m. A beam lies in one storey between two adjacent grid nodes: along X
// from node i to i + 1, where i may not lie on the last X line (i mod nX ≠ 0); along Y from node
// i to i + nX, i = 1..nX·(nY − 1). Worked example on a 3 × 2 grid: the X beam from node 4 has
// slot 6 + 2·1 + 1 = 9; the Y beam from node 2 has slot 2·6 − 2 + 2 = 12; a column on extra
// node 7 has slot 14.

#include "model.h"

#include <vector>

namespace orvanta {

enum class BeamDirection { alongX, alongY };

// Whether a beam of this direction may start at the node.
bool canStartBeam(const Counts& counts, BeamDirection direction, int start);
// The last node a beam of this direction may start at: nX·nY − 1 along X, nX·(nY − 1) along Y.
int lastBeamStart(const Counts& counts, BeamDirection direction);
// The node the beam ends at: start + 1 along X, start + nX along Y.
int beamEnd(const Counts& counts, BeamDirection direction, int start);
// The slot of the beam starting at the node.
int beamSlot(const Counts& counts, BeamDirection direction, int start);

// Places (or removes) the column on a node in storeys 1..elevations.
void setColumnThrough(Model& model, int node, int elevations, bool present);
// Places (or removes) the beam starting at a node in one storey.
void setBeam(Model& model, BeamDirection direction, int start, int storey, bool present);

// A column on every grid node in storeys 1..elevations (extra nodes are left as they are).
void placeColumnsOnGrid(Model& model, int elevations);
// Every beam along X and along Y of the storey.
void placeEveryBeam(Model& model, int storey);

// The storeys in which no column or wall stands at all, in increasing order.
std::vector<int> storeysWithoutColumns(const Model& model);

// Every element of every storey goes: members allocated afresh, all zero.
void clearMembers(Model& model);

} // namespace orvanta
