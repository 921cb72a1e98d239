#include "modal_response.h"

#include "regularity_geometry.h"
#include "vibration_modes.h"

#include <cmath>
#include <cstddef>

namespace orvanta {

std::vector<double> modalDisplacement(const ModalShape& mode, int axis, double acceleration) {
    const double gamma = axis == axisX ? mode.participationX : mode.participationY;
    const double scale =
        gamma * acceleration * gravity / (mode.angularFrequency * mode.angularFrequency);
    std::vector<double> d(mode.shape.size());
    for (std::size_t i = 0; i < d.size(); ++i)
        d[i] = scale * mode.shape[i];
    return d;
}

std::vector<double> staticDisplacement(const Array2<double>& flexibility, double modulus,
                                       const std::vector<double>& force) {
    const int size = flexibility.upper(1);
    std::vector<double> d(static_cast<std::size_t>(size));
    for (int r = 1; r <= size; ++r) {
        double sum = 0;
        for (int c = 1; c <= size; ++c)
            sum += flexibility(r, c) * force[static_cast<std::size_t>(c - 1)];
        d[static_cast<std::size_t>(r - 1)] = sum / modulus;
    }
    return d;
}

std::vector<double> forcesAtSeismicCentres(const ResponseMap& map, int axis,
                                           const std::vector<double>& storeyForces,
                                           const std::vector<double>& torques) {
    const Model& m = map.model();
    const int n = m.counts.nStoreys;
    std::vector<double> f(static_cast<std::size_t>(3 * n), 0.0);
    for (int s = 1; s <= n; ++s) {
        const auto i = static_cast<std::size_t>(s - 1);
        const StoreySeismicMass& mass = map.masses()[i];
        const double force = storeyForces.empty() ? 0.0 : storeyForces[i];
        const double arm = axis == axisX ? -(mass.centreY - m.massCentre(s, 2))
                                         : mass.centreX - m.massCentre(s, 1);
        f[static_cast<std::size_t>((axis == axisX ? 0 : n) + s - 1)] = force;
        const double torque = arm * force + (torques.empty() ? 0.0 : torques[i]);
        f[static_cast<std::size_t>(2 * n + s - 1)] = torque / m.gyrationRadius(s);
    }
    return f;
}

ModalDirectionResponse modalResponse(const ResponseMap& map, const Array2<double>& flexibility,
                                     const ModalBasis& basis, const CqcCombination& cqc, int axis,
                                     const Spectrum& spectrum,
                                     const std::vector<double>& accidentalTorque) {
    ModalDirectionResponse out;
    std::vector<std::vector<double>> flat;
    for (const ModalShape& mode : basis.modes) {
        out.perMode.push_back(map.of(modalDisplacement(mode, axis, spectrum(mode.period))));
        flat.push_back(out.perMode.back().flatten());
    }
    const std::size_t values = flat.empty() ? 0 : flat.front().size();
    std::vector<double> combined(values);
    std::vector<double> modal(basis.modes.size());
    for (std::size_t k = 0; k < values; ++k) {
        for (std::size_t j = 0; j < modal.size(); ++j)
            modal[j] = flat[j][k];
        combined[k] = cqc.combine(modal);
    }
    out.combined = out.perMode.front();
    out.combined.assign(combined);

    const std::vector<double> torqueForce = forcesAtSeismicCentres(map, axis, {}, accidentalTorque);
    out.torqueEffect = map.of(staticDisplacement(flexibility, map.modulus(), torqueForce));
    const std::vector<double> effect = out.torqueEffect.flatten();
    for (std::size_t k = 0; k < values; ++k)
        combined[k] += std::fabs(effect[k]);
    out.total = out.combined;
    out.total.assign(combined);
    return out;
}

} // namespace orvanta
