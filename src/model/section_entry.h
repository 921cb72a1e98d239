#pragma once

// Sections as the sections editor enters them: a beam named by its direction and its first node,
// and one section given to every column or every beam of a direction that exists in a storey.
//
// Worked example on a 4 × 3 grid: the beam along X from node 6 to node 7 has slot
// 12 + 3·1 + 2 = 17, the beam along Y from node 6 to node 10 has slot 24 − 3 + 6 = 27.

#include "element_records.h"
#include "model.h"

namespace orvanta {

enum class BeamDirection { alongX, alongY };

// The node a beam from `firstNode` ends at: the next node along X, or the node one row up.
int beamEndNode(const Counts& counts, BeamDirection direction, int firstNode);

// Whether a beam of this direction can start at the node: not on the last line along X for a
// beam along X, not in the last row for a beam along Y.
bool startsBeam(const Counts& counts, BeamDirection direction, int firstNode);

// The slot of the beam starting at the node (one that can start there).
int beamSlot(const Counts& counts, BeamDirection direction, int firstNode);

// The largest first node of a beam of this direction: nX·nY − 1 along X, (nY − 1)·nX along Y.
int lastBeamStart(const Counts& counts, BeamDirection direction);

// Write the section on every column or wall present in the storey (grid and extra nodes), or on
// every beam of the direction present there; other slots are left alone. Return how many
// elements received it.
int applyColumnSectionToStorey(Model& model, int storey, const ColumnSection& section);
int applyBeamSectionToStorey(Model& model, int storey, BeamDirection direction,
                             const BeamSection& section);

} // namespace orvanta
