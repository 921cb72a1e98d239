#include "vibration_modes.h"

#include "symmetric_algebra.h"

#include <cmath>
#include <numbers>

namespace orvanta {

namespace {

// The offset d = G* − C of a storey's mass from the centre of its freedoms.
struct Offset {
    double dx = 0;
    double dy = 0;
};

Offset offsetOf(const StoreySeismicMass& mass, const FloorFrame& frame) {
    return {mass.centreX - frame.centreX, mass.centreY - frame.centreY};
}

// Participation ratios and rotational share of the mode in row j of the shapes, ϕᵀ·M·ϕ = 1.
void describeShape(const Array2<double>& shapes, int j, const Array2<double>& massMatrix,
                   const std::vector<StoreySeismicMass>& masses,
                   const std::vector<FloorFrame>& frames, VibrationMode& mode) {
    const int storeys = static_cast<int>(masses.size());
    const int n = 3 * storeys;
    // M·ϕ, so that each Γ is a sum over the storeys.
    Array1<double> inertial(1, n);
    for (int r = 1; r <= n; ++r) {
        for (int c = 1; c <= n; ++c)
            inertial(r) += massMatrix(r, c) * shapes(j, c);
    }
    double gammaX = 0, gammaY = 0, gammaRotation = 0;
    double totalMass = 0, totalInertia = 0;
    double translation = 0, rotation = 0;
    for (int s = 1; s <= storeys; ++s) {
        const StoreySeismicMass& mass = masses[static_cast<std::size_t>(s - 1)];
        const FloorFrame& frame = frames[static_cast<std::size_t>(s - 1)];
        const Offset d = offsetOf(mass, frame);
        const double m = mass.mass();
        const double inertia = m * mass.gyrationRadius * mass.gyrationRadius;
        gammaX += inertial(s);
        gammaY += inertial(storeys + s);
        gammaRotation += d.dy * inertial(s) - d.dx * inertial(storeys + s) +
                         frame.radius * inertial(2 * storeys + s);
        totalMass += m;
        totalInertia += inertia;
        const double theta = shapes(j, 2 * storeys + s) / frame.radius;
        const double uG = shapes(j, s) - d.dy * theta;
        const double vG = shapes(j, storeys + s) + d.dx * theta;
        translation += m * (uG * uG + vG * vG);
        rotation += inertia * theta * theta;
    }
    mode.massRatioX = gammaX * gammaX / totalMass;
    mode.massRatioY = gammaY * gammaY / totalMass;
    mode.massRatioRotation = gammaRotation * gammaRotation / totalInertia;
    mode.rotationalShare = rotation / (translation + rotation);
}

} // namespace

std::vector<FloorFrame> floorFrames(const Model& m) {
    std::vector<FloorFrame> frames;
    for (int s = 1; s <= m.counts.nStoreys; ++s)
        frames.push_back({m.massCentre(s, 1), m.massCentre(s, 2), m.gyrationRadius(s)});
    return frames;
}

Array1<double> storeyMasses(const std::vector<StoreySeismicMass>& masses) {
    Array1<double> mass(1, static_cast<int>(masses.size()));
    for (std::size_t s = 0; s < masses.size(); ++s)
        mass(static_cast<int>(s) + 1) = masses[s].mass();
    return mass;
}

Array2<double> floorMassMatrix(const std::vector<StoreySeismicMass>& masses,
                               const std::vector<FloorFrame>& frames) {
    const int storeys = static_cast<int>(masses.size());
    Array2<double> mm(1, 3 * storeys, 1, 3 * storeys);
    for (int s = 1; s <= storeys; ++s) {
        const StoreySeismicMass& mass = masses[static_cast<std::size_t>(s - 1)];
        const FloorFrame& frame = frames[static_cast<std::size_t>(s - 1)];
        const Offset d = offsetOf(mass, frame);
        const double m = mass.mass();
        const double rho = frame.radius;
        const int u = s, v = storeys + s, phi = 2 * storeys + s;
        mm(u, u) = m;
        mm(v, v) = m;
        mm(u, phi) = mm(phi, u) = -m * d.dy / rho;
        mm(v, phi) = mm(phi, v) = m * d.dx / rho;
        const double ls = mass.gyrationRadius;
        mm(phi, phi) = m * (ls * ls + d.dx * d.dx + d.dy * d.dy) / (rho * rho);
    }
    return mm;
}

std::optional<Array1<VibrationMode>> vibrationModes(const Array2<double>& k,
                                                    const std::vector<StoreySeismicMass>& masses,
                                                    const std::vector<FloorFrame>& frames,
                                                    double e) {
    const Array2<double> massMatrix = floorMassMatrix(masses, frames);
    const EigenPairs pairs = massEigenPairs(k, massMatrix);
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
        describeShape(pairs.shapes, j, massMatrix, masses, frames, mode);
    }
    return modes;
}

} // namespace orvanta
