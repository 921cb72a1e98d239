#include "seismic_masses.h"

#include "storey_loads.h"

namespace orvanta {

// The loads lumped at the column nodes by the load distribution.
std::vector<StoreySeismicMass> seismicMasses(const Model& m) {
    const int storeys = m.counts.nStoreys;
    std::vector<StoreySeismicMass> masses(static_cast<std::size_t>(std::max(storeys, 0)));
    if (storeys <= 0 || m.beamLoads.size() == 0 || m.massCentre.size() == 0)
        return masses;
    const Array1<double> loads = storeyLoads(m.beamLoads, m.counts.nX * m.counts.nY);
    for (int s = 1; s <= storeys; ++s) {
        StoreySeismicMass& mass = masses[static_cast<std::size_t>(s - 1)];
        mass.weight = loads(s);
        mass.centreX = m.massCentre(s, 1);
        mass.centreY = m.massCentre(s, 2);
        mass.gyrationRadius = m.gyrationRadius(s);
    }
    return masses;
}

} // namespace orvanta
