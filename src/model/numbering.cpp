#include "numbering.h"

namespace orvanta::numbering {

PlanPoint nodePosition(const Model& model, int node) {
    const Counts& c = model.counts;
    if (isGridNode(c, node)) {
        const GridPosition p = gridPosition(c, node);
        return {model.coordX(p.ix), model.coordY(p.iy)};
    }
    const int e = node - c.nX * c.nY;
    return {model.coordX(c.nX + e), model.coordY(c.nY + e)};
}

} // namespace orvanta::numbering
