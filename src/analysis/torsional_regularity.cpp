#include "torsional_regularity.h"

#include <cmath>

namespace orvanta {

namespace {

// The flexibility terms of one storey's freedoms.
struct StoreyFlexibility {
    double uu, uPhi, vv, vPhi, phiPhi;
};

StoreyFlexibility flexibilityOf(const Array2<double>& f, int storeys, int s) {
    const int u = s;
    const int v = storeys + s;
    const int phi = 2 * storeys + s;
    return {f(u, u), f(u, phi), f(v, v), f(v, phi), f(phi, phi)};
}

// The floor's mass: G* and ls, or the stored centre and ρ for a floor without seismic mass.
struct FloorMass {
    double x, y, ls;
};

StoreyRegularity regularityOf(const StoreyFlexibility& f, double xG, double yG, double rho,
                              const FloorMass& mass) {
    StoreyRegularity row;
    row.massCentreX = mass.x;
    row.massCentreY = mass.y;
    row.gyrationRadius = mass.ls;
    row.rigidityCentreX = xG - rho * f.vPhi / f.phiPhi;
    row.rigidityCentreY = yG + rho * f.uPhi / f.phiPhi;
    row.torsionalStiffness = rho * rho / f.phiPhi;
    row.lateralStiffnessX = 1 / (f.uu - f.uPhi * f.uPhi / f.phiPhi);
    row.lateralStiffnessY = 1 / (f.vv - f.vPhi * f.vPhi / f.phiPhi);
    row.torsionalRadiusX = std::sqrt(row.torsionalStiffness / row.lateralStiffnessY);
    row.torsionalRadiusY = std::sqrt(row.torsionalStiffness / row.lateralStiffnessX);
    row.eccentricityX = std::fabs(mass.x - row.rigidityCentreX);
    row.eccentricityY = std::fabs(mass.y - row.rigidityCentreY);
    row.eccentricityXPasses = row.eccentricityX <= eccentricityLimit * row.torsionalRadiusX;
    row.eccentricityYPasses = row.eccentricityY <= eccentricityLimit * row.torsionalRadiusY;
    row.radiusXPasses = row.torsionalRadiusX >= mass.ls;
    row.radiusYPasses = row.torsionalRadiusY >= mass.ls;
    return row;
}

} // namespace

Array1<StoreyRegularity> storeyRegularity(const Model& m, const Array2<double>& flexibility,
                                          const std::vector<StoreySeismicMass>& masses) {
    const int storeys = m.counts.nStoreys;
    Array1<StoreyRegularity> rows(1, storeys);
    for (int s = 1; s <= storeys; ++s) {
        const double xG = m.massCentre(s, 1);
        const double yG = m.massCentre(s, 2);
        const double rho = m.gyrationRadius(s);
        const StoreySeismicMass& seismic = masses.at(static_cast<std::size_t>(s - 1));
        const FloorMass mass =
            seismic.weight > 0 ? FloorMass{seismic.centreX, seismic.centreY, seismic.gyrationRadius}
                               : FloorMass{xG, yG, rho};
        rows(s) = regularityOf(flexibilityOf(flexibility, storeys, s), xG, yG, rho, mass);
    }
    return rows;
}

} // namespace orvanta
