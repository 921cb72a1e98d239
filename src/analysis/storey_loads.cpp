#include "storey_loads.h"

namespace orvanta {

Array1<double> storeyLoads(const Array2<double>& beamLoads, int gridNodes) {
    const int storeys = beamLoads.upper(1);
    Array1<double> loads(1, storeys);
    for (int s = 1; s <= storeys; ++s) {
        for (int n = 1; n <= gridNodes; ++n)
            loads(s) += enteringLoad(beamLoads, s, n);
    }
    return loads;
}

} // namespace orvanta
