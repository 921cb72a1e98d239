#include "section_entry.h"

#include "numbering.h"

namespace orvanta {

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
        if (!canStartBeam(c, direction, first))
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
