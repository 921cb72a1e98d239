#include "vibration_modes.h"

#include "storey_loads.h"
#include "symmetric_algebra.h"

#include <cmath>
#include <numbers>

namespace orvanta {

namespace {

// The mass of each freedom, 1..3·nStoreys: storey s's mass on u_s, v_s and φ_s.
Array1<double> freedomMasses(const Array1<double>& storeyMass) {
    const int storeys = storeyMass.upper();
    Array1<double> mass(1, 3 * storeys);
    for (int s = 1; s <= storeys; ++s) {
        mass(s) = storeyMass(s);
        mass(storeys + s) = storeyMass(s);
        mass(2 * storeys + s) = storeyMass(s);
    }
    return mass;
}

// Participation ratios and rotational share of the mode in row j of the shapes, ϕᵀ·M·ϕ = 1.
void describeShape(const Array2<double>& shapes, int j, const Array1<double>& m,
                   const Array1<double>& rho, VibrationMode& mode) {
    const int storeys = m.upper();
    double gammaX = 0, gammaY = 0, gammaRotation = 0;
    double totalMass = 0, totalInertia = 0;
    double translation = 0, rotation = 0;
    for (int s = 1; s <= storeys; ++s) {
        const double u = shapes(j, s);
        const double v = shapes(j, storeys + s);
        const double phi = shapes(j, 2 * storeys + s);
        gammaX += m(s) * u;
        gammaY += m(s) * v;
        gammaRotation += m(s) * rho(s) * phi;
        totalMass += m(s);
        totalInertia += m(s) * rho(s) * rho(s);
        translation += m(s) * (u * u + v * v);
        rotation += m(s) * phi * phi;
    }
    mode.massRatioX = gammaX * gammaX / totalMass;
    mode.massRatioY = gammaY * gammaY / totalMass;
    mode.massRatioRotation = gammaRotation * gammaRotation / totalInertia;
    mode.rotationalShare = rotation / (translation + rotation);
}

} // namespace

double youngModulus(double concreteClass) {
    return 5700 * std::sqrt(concreteClass);
}

Array1<double> storeyMasses(const Model& m) {
    Array1<double> mass = storeyLoads(m.beamLoads, m.sizes().gridNodes);
    for (double& value : mass.values())
        value /= gravity;
    return mass;
}

std::optional<Array1<VibrationMode>> vibrationModes(const Array2<double>& k,
                                                    const Array1<double>& storeyMass,
                                                    const Array1<double>& rho, double e) {
    const EigenPairs pairs = diagonalMassEigenPairs(k, freedomMasses(storeyMass));
    if (!pairs.converged)
        return std::nullopt;
    const int count = pairs.values.upper();
    Array1<VibrationMode> modes(1, count);
    for (int j = 1; j <= count; ++j) {
        const double omegaSquared = e * pairs.values(j);
        if (!(omegaSquared > 0) || !std::isfinite(omegaSquared))
            return std::nullopt;
        VibrationMode& mode = modes(j);
        mode.angularFrequency = std::sqrt(omegaSquared);
        mode.period = 2 * std::numbers::pi / mode.angularFrequency;
        describeShape(pairs.shapes, j, storeyMass, rho, mode);
    }
    return modes;
}

} // namespace orvanta
