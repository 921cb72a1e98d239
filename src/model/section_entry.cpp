#include "section_entry.h"

#include "numbering.h"

namespace orvanta {

int beamEndNode(const Counts& c, BeamDirection direction, int firstNode) {
    return direction == BeamDirection::alongX ? firstNode + 1 : firstNode + c.nX;
}

bool startsBeam(const Counts& c, BeamDirection direction, int firstNode) {
    if (firstNode < 1 || firstNode > lastBeamStart(c, direction))
        return false;
    return direction == BeamDirection::alongY || firstNode % c.nX != 0;
}

int beamSlot(const Counts& c, BeamDirection direction, int firstNode) {
    if (direction == BeamDirection::alongY)
        return numbering::beamYSlot(c, firstNode);
    const numbering::GridPosition p = numbering::gridPosition(c, firstNode);
    return numbering::beamXSlot(c, p.ix, p.iy);
}

int lastBeamStart(const Counts& c, BeamDirection direction) {
    return direction == BeamDirection::alongX ? c.nX * c.nY - 1 : (c.nY - 1) * c.nX;
}

int applyColumnSectionToStorey(Model& m, int storey, const ColumnSection& section) {
    const Counts& c = m.counts;
    int written = 0;
    for (int node = 1; node <= c.nX * c.nY + c.nExtra; ++node) {
        const int slot = numbering::columnSlot(c, node);
        if (!isPresent(m, storey, slot))
            continue;
        setColumnSection(m, storey, slot, section);
        ++written;
    }
    return written;
}

int applyBeamSectionToStorey(Model& m, int storey, BeamDirection direction,
                             const BeamSection& section) {
    const Counts& c = m.counts;
    int written = 0;
    for (int first = 1; first <= lastBeamStart(c, direction); ++first) {
        if (!startsBeam(c, direction, first))
            continue;
        const int slot = beamSlot(c, direction, first);
        if (!isPresent(m, storey, slot))
            continue;
        setBeamSection(m, storey, slot, section);
        ++written;
    }
    return written;
}

} // namespace orvanta
