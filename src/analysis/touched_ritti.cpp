#include "touched_ritti.h"

#include "element_records.h"
#include "numbering.h"

#include <algorithm>

namespace orvanta {

namespace {

using numbering::gridNode;

// One line of beams of a storey: along X in row iy, or along Y in column ix.
struct Line {
    const Model& m;
    int storey;
    bool alongX;
    int ix;
    int iy;

    int last() const { return alongX ? m.counts.nX : m.counts.nY; }
    int node(int position) const {
        return alongX ? gridNode(m.counts, position, iy) : gridNode(m.counts, ix, position);
    }
    // Whether the beam between positions p and p + 1 exists.
    bool beam(int position) const {
        const int slot = alongX ? numbering::beamXSlot(m.counts, position, iy)
                                : numbering::beamYSlot(m.counts, node(position));
        return isPresent(m, storey, slot);
    }
    bool column(int position) const { return isPresent(m, storey, node(position)); }
    Direction direction() const {
        return alongX ? Direction::orthogonalToY : Direction::orthogonalToX;
    }
};

// The nearest node with a column at or beyond `from`, stepping by `step` while the beams go on;
// adds its ritto, or nothing when the line ends or breaks first.
void addNearestColumn(const Line& line, int from, int step, TouchedRitti& touched) {
    int position = from;
    while (!line.column(position)) {
        const int next = position + step;
        if (next < 1 || next > line.last() || !line.beam(std::min(position, next)))
            return;
        position = next;
    }
    touched[line.direction()].push_back(line.node(position));
}

void addColumn(const Model& m, int storey, int node, TouchedRitti& touched) {
    touched.orthogonalToX.push_back(node);
    touched.orthogonalToY.push_back(node);
    if (!numbering::isGridNode(m.counts, node))
        return; // extra nodes carry no beams
    const numbering::GridPosition p = numbering::gridPosition(m.counts, node);
    for (const bool alongX : {true, false}) {
        const Line line{m, storey, alongX, p.ix, p.iy};
        const int at = alongX ? p.ix : p.iy;
        if (at > 1 && line.beam(at - 1))
            addNearestColumn(line, at - 1, -1, touched);
        if (at < line.last() && line.beam(at))
            addNearestColumn(line, at + 1, +1, touched);
    }
}

void addBeam(const Line& line, int position, TouchedRitti& touched) {
    addNearestColumn(line, position, -1, touched);
    addNearestColumn(line, position + 1, +1, touched);
}

} // namespace

void TouchedRitti::sort() {
    for (std::vector<int>* nodes : {&orthogonalToX, &orthogonalToY}) {
        std::sort(nodes->begin(), nodes->end());
        nodes->erase(std::unique(nodes->begin(), nodes->end()), nodes->end());
    }
}

void addTouchedRitti(const Model& m, const MemberRef& member, TouchedRitti& touched) {
    const Counts& c = m.counts;
    const int grid = c.nX * c.nY;
    const int beamsX = grid + (c.nX - 1) * c.nY;   // last slot of the beams along X
    const int beamsY = beamsX + c.nX * (c.nY - 1); // last slot of the beams along Y
    const int slot = member.slot;
    if (member.storey < 1 || member.storey > c.nStoreys || slot < 1)
        return;
    if (slot <= grid) {
        addColumn(m, member.storey, slot, touched);
    } else if (slot <= beamsX) {
        const int k = slot - grid - 1;
        const int iy = k / (c.nX - 1) + 1;
        addBeam({m, member.storey, true, 0, iy}, k % (c.nX - 1) + 1, touched);
    } else if (slot <= beamsY) {
        const numbering::GridPosition p = numbering::gridPosition(c, slot - (2 * grid - c.nY));
        addBeam({m, member.storey, false, p.ix, 0}, p.iy, touched);
    } else if (slot <= beamsY + c.nExtra) {
        addColumn(m, member.storey, numbering::extraNode(c, slot - beamsY), touched);
    }
}

} // namespace orvanta
