#include "member_placement.h"

#include "element_records.h"
#include "numbering.h"

namespace orvanta {

bool canStartBeam(const Counts& c, BeamDirection direction, int start) {
    if (start < 1 || start > lastBeamStart(c, direction))
        return false;
    return direction == BeamDirection::alongY || start % c.nX != 0;
}

int lastBeamStart(const Counts& c, BeamDirection direction) {
    return direction == BeamDirection::alongX ? c.nX * c.nY - 1 : c.nX * (c.nY - 1);
}

int beamEnd(const Counts& c, BeamDirection direction, int start) {
    return direction == BeamDirection::alongX ? start + 1 : start + c.nX;
}

int beamSlot(const Counts& c, BeamDirection direction, int start) {
    if (direction == BeamDirection::alongY)
        return numbering::beamYSlot(c, start);
    const numbering::GridPosition p = numbering::gridPosition(c, start);
    return numbering::beamXSlot(c, p.ix, p.iy);
}

void setColumnThrough(Model& model, int node, int elevations, bool present) {
    const int slot = numbering::columnSlot(model.counts, node);
    for (int k = 1; k <= elevations; ++k)
        setPresent(model, k, slot, present);
}

void setBeam(Model& model, BeamDirection direction, int start, int storey, bool present) {
    setPresent(model, storey, beamSlot(model.counts, direction, start), present);
}

void placeColumnsOnGrid(Model& model, int elevations) {
    const int gridNodes = model.counts.nX * model.counts.nY;
    for (int node = 1; node <= gridNodes; ++node)
        setColumnThrough(model, node, elevations, true);
}

void placeEveryBeam(Model& model, int storey) {
    const Counts& c = model.counts;
    for (const BeamDirection direction : {BeamDirection::alongX, BeamDirection::alongY}) {
        for (int start = 1; start <= lastBeamStart(c, direction); ++start) {
            if (canStartBeam(c, direction, start))
                setBeam(model, direction, start, storey, true);
        }
    }
}

std::vector<int> storeysWithoutColumns(const Model& model) {
    const Counts& c = model.counts;
    const int nodes = c.nX * c.nY + c.nExtra;
    std::vector<int> empty;
    for (int k = 1; k <= c.nStoreys; ++k) {
        bool found = false;
        for (int node = 1; node <= nodes && !found; ++node)
            found = isPresent(model, k, numbering::columnSlot(c, node));
        if (!found)
            empty.push_back(k);
    }
    return empty;
}

void clearMembers(Model& model) {
    const Counts& c = model.counts;
    model.members = Array3<double>(1, c.nStoreys, 1, model.sizes().nSlots, 1, member::values);
}

} // namespace orvanta
