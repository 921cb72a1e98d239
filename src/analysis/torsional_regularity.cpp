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

StoreyRegularity regularityOf(const StoreyFlexibility& f, double xG, double yG, double rho) {
    StoreyRegularity row;
    row.massCentreX = xG;
    row.massCentreY = yG;
    row.gyrationRadius = rho;
    row.rigidityCentreX = xG - rho * f.vPhi / f.phiPhi;
    row.rigidityCentreY = yG + rho * f.uPhi / f.phiPhi;
    row.torsionalStiffness = rho * rho / f.phiPhi;
    row.lateralStiffnessX = 1 / (f.uu - f.uPhi * f.uPhi / f.phiPhi);
    row.lateralStiffnessY = 1 / (f.vv - f.vPhi * f.vPhi / f.phiPhi);
    row.torsionalRadiusX = std::sqrt(row.torsionalStiffness / row.lateralStiffnessY);
    row.torsionalRadiusY = std::sqrt(row.torsionalStiffness / row.lateralStiffnessX);
    row.eccentricityX = std::fabs(xG - row.rigidityCentreX);
    row.eccentricityY = std::fabs(yG - row.rigidityCentreY);
    row.eccentricityXPasses = row.eccentricityX <= eccentricityLimit * row.torsionalRadiusX;
    row.eccentricityYPasses = row.eccentricityY <= eccentricityLimit * row.torsionalRadiusY;
    row.radiusXPasses = row.torsionalRadiusX >= rho;
    row.radiusYPasses = row.torsionalRadiusY >= rho;
    return row;
}

} // namespace

Array1<StoreyRegularity> storeyRegularity(const Model& m, const Array2<double>& flexibility) {
    const int storeys = m.counts.nStoreys;
    Array1<StoreyRegularity> rows(1, storeys);
    for (int s = 1; s <= storeys; ++s) {
        rows(s) = regularityOf(flexibilityOf(flexibility, storeys, s), m.massCentre(s, 1),
                               m.massCentre(s, 2), m.gyrationRadius(s));
    }
    return rows;
}

} // namespace orvanta
