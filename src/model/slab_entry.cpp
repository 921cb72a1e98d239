#include "slab_entry.h"

#include "numbering.h"

namespace orvanta {

using numbering::gridPosition;

bool startsBay(const Counts& c, int node) {
    return node >= 1 && node % c.nX != 0 && node <= (c.nY - 1) * c.nX - 1;
}

int bayOfNode(const Counts& c, int node) {
    const numbering::GridPosition p = gridPosition(c, node);
    return numbering::bay(c, p.ix, p.iy);
}

Slab slabRecord(const Model& m, int node, const TypedSlab& typed) {
    const numbering::GridPosition p = gridPosition(m.counts, node);
    return {true,
            typed.span,
            typed.permanent / 1000,
            typed.variable / 1000,
            typed.sharePercent / 100,
            m.coordX(p.ix + 1) - m.coordX(p.ix),
            m.coordY(p.iy + 1) - m.coordY(p.iy)};
}

bool hasSupportingBeams(const Model& m, int storey, int node, SlabSpan span) {
    const Counts& c = m.counts;
    const numbering::GridPosition p = gridPosition(c, node);
    if (span == SlabSpan::alongY)
        return isPresent(m, storey, numbering::beamXSlot(c, p.ix, p.iy)) &&
               isPresent(m, storey, numbering::beamXSlot(c, p.ix, p.iy + 1));
    return isPresent(m, storey, numbering::beamYSlot(c, node)) &&
           isPresent(m, storey, numbering::beamYSlot(c, node + 1));
}

SlabsApplied applySlabToStorey(Model& m, int storey, const TypedSlab& typed) {
    const Counts& c = m.counts;
    SlabsApplied applied;
    for (int iy = 1; iy < c.nY; ++iy) {
        for (int ix = 1; ix < c.nX; ++ix) {
            const int node = numbering::gridNode(c, ix, iy);
            if (!hasSupportingBeams(m, storey, node, typed.span)) {
                ++applied.skipped;
                continue;
            }
            setSlab(m, storey, numbering::bay(c, ix, iy), slabRecord(m, node, typed));
            ++applied.written;
        }
    }
    return applied;
}

} // namespace orvanta
