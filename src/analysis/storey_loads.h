#pragma once

// The load of each storey, from the column loads of the load distribution.
//
// beamLoads(s, n) at a grid node n is the axial force of the column in storey s: the slab shares
// of storey s and of every storey above. The load entering at storey s is that force less the
// one of the storey above (the top storey's own force), and the storey load W_s is its sum over
// the grid nodes, in N. Worked number: one slab of 20000 N on the top of two storeys puts
// 5000 N in each corner column of both storeys, so W_2 = 20000 N and W_1 = 0.

#include "bounded_array.h"

namespace orvanta {

// The load entering the column at grid node `node` in storey `storey`, N.
inline double enteringLoad(const Array2<double>& beamLoads, int storey, int node) {
    const int top = beamLoads.upper(1);
    return storey < top ? beamLoads(storey, node) - beamLoads(storey + 1, node)
                        : beamLoads(storey, node);
}

// W_s of every storey (1..nStoreys, the rows of beamLoads), summed over grid nodes 1..gridNodes.
Array1<double> storeyLoads(const Array2<double>& beamLoads, int gridNodes);

} // namespace orvanta
