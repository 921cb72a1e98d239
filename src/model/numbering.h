#pragma once

// The numbering of plan nodes, element slots and bays, in one place.
//
// Grid node (ix, iy), ix = 1..nX, iy = 1..nY, is node n = (iy − 1)·nX + ix (X runs fastest);
// extra node e = 1..nExtra is node nX·nY + e. Every node carries one ritto per direction, so the
// node number is also the ritto index.
//
// The element slots of one storey, worked for nX = 3, nY = 2, nExtra = 1:
//   columns at grid nodes      1..6     slot = n
//   beams along X              7..10    slot = nX·nY + (nX − 1)·(iy − 1) + ix   (ix < nX)
//   beams along Y              11..13   slot = 2·nX·nY − nY + n                 (iy < nY)
//   columns at extra nodes     14       slot = 3·nX·nY − nX − nY + e
// Bay (ix, iy), named after its corner with the smallest indices, is b = (nX − 1)·(iy − 1) + ix.

#include "model.h"

namespace orvanta::numbering {

struct GridPosition {
    int ix = 0; // position along X, 1..nX
    int iy = 0; // row along Y, 1..nY
    bool operator==(const GridPosition&) const = default;
};

struct PlanPoint {
    double x = 0;
    double y = 0;
    bool operator==(const PlanPoint&) const = default;
};

inline int gridNode(const Counts& c, int ix, int iy) {
    return (iy - 1) * c.nX + ix;
}

inline int extraNode(const Counts& c, int e) {
    return c.nX * c.nY + e;
}

inline bool isGridNode(const Counts& c, int node) {
    return node <= c.nX * c.nY;
}

// Grid indices of grid node n: ix = n mod nX (nX when the remainder is 0), iy = (n − 1) \ nX + 1.
inline GridPosition gridPosition(const Counts& c, int node) {
    return {(node - 1) % c.nX + 1, (node - 1) / c.nX + 1};
}

// Slot of the column or wall standing at a node, grid or extra.
inline int columnSlot(const Counts& c, int node) {
    return isGridNode(c, node) ? node : node + 2 * c.nX * c.nY - c.nX - c.nY;
}

// Slot of the beam along X from grid node (ix, iy) to (ix + 1, iy); ix < nX.
inline int beamXSlot(const Counts& c, int ix, int iy) {
    return c.nX * c.nY + (c.nX - 1) * (iy - 1) + ix;
}

// Slot of the beam along Y from grid node n to node n + nX; n not in the last row.
inline int beamYSlot(const Counts& c, int node) {
    return 2 * c.nX * c.nY - c.nY + node;
}

// Bay whose corner with the smallest indices is grid node (ix, iy); ix < nX, iy < nY.
inline int bay(const Counts& c, int ix, int iy) {
    return (c.nX - 1) * (iy - 1) + ix;
}

// Plan position of a node in millimetres: the grid lines through it, or the extra node's own
// coordinates kept at the tail of coordX and coordY.
PlanPoint nodePosition(const Model& model, int node);

} // namespace orvanta::numbering
