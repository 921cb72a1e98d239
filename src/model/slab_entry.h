#pragma once

// Slabs as the loads editor enters them: a bay named by the grid node at its lower-left corner,
// loads typed in kN/m² and the share of the variable load in per cent.
//
// The record stored for the bay (slabs(storey, bay, 1..7)) is: present, span (1 along X, 2
// along Y), g and q in N/mm² (the kN/m² divided by 1000), ψ as a fraction (the per cent divided
// by 100) and the bay's sides along X and Y in mm. Worked example: on a 4 × 3 grid with lines
// every 5000 mm along X and 4000 mm along Y, node 6 starts bay 5 (ix = 2, iy = 2); 5 kN/m²,
// 2 kN/m² at 30 % spanning along Y is stored as 1, 2, 0.005, 0.002, 0.3, 5000, 4000.

#include "element_records.h"
#include "model.h"

namespace orvanta {

struct TypedSlab {
    SlabSpan span = SlabSpan::alongX;
    double permanent = 0;    // g, kN/m²
    double variable = 0;     // q, kN/m²
    double sharePercent = 0; // ψ, % of q that acts
    bool operator==(const TypedSlab&) const = default;
};

// Whether grid node n is the lower-left corner of a bay: neither on the last line along X nor
// in the last row (n mod nX ≠ 0 and n ≤ (nY − 1)·nX − 1).
bool startsBay(const Counts& counts, int node);

// The bay whose lower-left corner is grid node n (a node that starts a bay).
int bayOfNode(const Counts& counts, int node);

// The record of the bay starting at node n, ready for setSlab.
Slab slabRecord(const Model& model, int node, const TypedSlab& typed);

// Whether both beams a slab of this span rests on exist in the storey: the beams along X on the
// bay's lower and upper edges for a span along Y, the beams along Y on its left and right edges
// for a span along X.
bool hasSupportingBeams(const Model& model, int storey, int node, SlabSpan span);

struct SlabsApplied {
    int written = 0; // bays that received the slab
    int skipped = 0; // bays left as they were, for lack of a supporting beam
    bool operator==(const SlabsApplied&) const = default;
};

// Writes the slab on every bay of the storey whose supporting beams exist; the other bays
// (an open court, a storey that is smaller) keep what they had.
SlabsApplied applySlabToStorey(Model& model, int storey, const TypedSlab& typed);

} // namespace orvanta
