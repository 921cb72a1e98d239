#include "storey_plan.h"

#include <algorithm>

namespace orvanta {

using numbering::PlanPoint;

namespace {

void addGridLines(const Model& m, StoreyPlan& plan) {
    const Counts& c = m.counts;
    const double x0 = m.coordX(1), x1 = m.coordX(c.nX);
    const double y0 = m.coordY(1), y1 = m.coordY(c.nY);
    for (int i = 1; i <= c.nX; ++i)
        plan.gridLines.push_back({true, i, {{m.coordX(i), y0}, {m.coordX(i), y1}}});
    for (int j = 1; j <= c.nY; ++j)
        plan.gridLines.push_back({false, j, {{x0, m.coordY(j)}, {x1, m.coordY(j)}}});
}

void addBounds(const Model& m, StoreyPlan& plan) {
    const Counts& c = m.counts;
    PlanPoint low{m.coordX(1), m.coordY(1)};
    PlanPoint high = low;
    const auto widen = [&](PlanPoint p) {
        low = {std::min(low.x, p.x), std::min(low.y, p.y)};
        high = {std::max(high.x, p.x), std::max(high.y, p.y)};
    };
    for (int i = 1; i <= c.nX; ++i)
        widen({m.coordX(i), m.coordY(1)});
    for (int j = 1; j <= c.nY; ++j)
        widen({m.coordX(1), m.coordY(j)});
    for (const PlanExtraNode& e : plan.extraNodes)
        widen(e.at);
    plan.lowest = low;
    plan.highest = high;
}

void addBeams(const Model& m, int storey, StoreyPlan& plan) {
    const Counts& c = m.counts;
    for (int iy = 1; iy <= c.nY; ++iy) {
        for (int ix = 1; ix < c.nX; ++ix) {
            const int slot = numbering::beamXSlot(c, ix, iy);
            if (!isPresent(m, storey, slot))
                continue;
            const int first = numbering::gridNode(c, ix, iy);
            plan.beams.push_back(
                {slot,
                 true,
                 first,
                 first + 1,
                 {numbering::nodePosition(m, first), numbering::nodePosition(m, first + 1)},
                 beamSection(m, storey, slot)});
        }
    }
    for (int first = 1; first <= c.nX * (c.nY - 1); ++first) {
        const int slot = numbering::beamYSlot(c, first);
        if (!isPresent(m, storey, slot))
            continue;
        plan.beams.push_back(
            {slot,
             false,
             first,
             first + c.nX,
             {numbering::nodePosition(m, first), numbering::nodePosition(m, first + c.nX)},
             beamSection(m, storey, slot)});
    }
}

} // namespace

StoreyPlan storeyPlan(const Model& m, int storey) {
    const Counts& c = m.counts;
    StoreyPlan plan;
    addGridLines(m, plan);
    for (int e = 1; e <= c.nExtra; ++e) {
        const int node = numbering::extraNode(c, e);
        plan.extraNodes.push_back({node, numbering::nodePosition(m, node)});
    }
    addBounds(m, plan);
    if (storey < 1)
        return plan;
    const int nodes = c.nX * c.nY + c.nExtra;
    for (int node = 1; node <= nodes; ++node) {
        const int slot = numbering::columnSlot(c, node);
        if (isPresent(m, storey, slot))
            plan.columns.push_back(
                {node, slot, numbering::nodePosition(m, node), columnSection(m, storey, slot)});
    }
    addBeams(m, storey, plan);
    return plan;
}

std::string gridLineLabel(const PlanGridLine& line) {
    return std::to_string(line.number);
}

} // namespace orvanta
