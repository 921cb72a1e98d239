#include "modal_basis.h"

#include <Eigen/Eigenvalues>
#include <cmath>
#include <cstddef>
#include <numbers>

namespace orvanta {

namespace {

using Matrix = Eigen::MatrixXd;

Matrix toMatrix(const Array2<double>& a) {
    const int n = a.upper(1);
    Matrix out(n, n);
    for (int r = 1; r <= n; ++r) {
        for (int c = 1; c <= n; ++c)
            out(r - 1, c - 1) = a(r, c);
    }
    return out;
}

// Γ = Φᵀ·M·r with r = 1 on the freedoms first..first + storeys − 1.
double participation(const Eigen::VectorXd& mPhi, Eigen::Index first, Eigen::Index storeys) {
    return mPhi.segment(first, storeys).sum();
}

} // namespace

Array2<double> seismicMassMatrix(const Model& m, const std::vector<StoreySeismicMass>& masses) {
    const int n = m.counts.nStoreys;
    Array2<double> mass(1, 3 * n, 1, 3 * n);
    for (int s = 1; s <= n; ++s) {
        const StoreySeismicMass& storey = masses[static_cast<std::size_t>(s - 1)];
        const double ms = storey.mass();
        const double rho = m.gyrationRadius(s);
        const double dx = storey.centreX - m.massCentre(s, 1);
        const double dy = storey.centreY - m.massCentre(s, 2);
        const int u = s, v = n + s, phi = 2 * n + s;
        mass(u, u) = ms;
        mass(v, v) = ms;
        mass(u, phi) = mass(phi, u) = -ms * dy / rho;
        mass(v, phi) = mass(phi, v) = ms * dx / rho;
        const double ls = storey.gyrationRadius;
        mass(phi, phi) = ms * (ls * ls + dx * dx + dy * dy) / (rho * rho);
    }
    return mass;
}

std::vector<double> ModalBasis::periods() const {
    std::vector<double> out;
    out.reserve(modes.size());
    for (const ModalShape& mode : modes)
        out.push_back(mode.period);
    return out;
}

std::optional<ModalBasis> modalBasis(const Array2<double>& k, const Array2<double>& massMatrix,
                                     double modulus) {
    const Matrix stiffness = toMatrix(k);
    const Matrix a = 0.5 * modulus * (stiffness + stiffness.transpose());
    const Matrix b = toMatrix(massMatrix);
    const Eigen::GeneralizedSelfAdjointEigenSolver<Matrix> solver(a, b);
    if (solver.info() != Eigen::Success)
        return std::nullopt;

    const Eigen::Index size = a.rows();
    const Eigen::Index storeys = size / 3;
    ModalBasis basis;
    basis.totalMass = b.topLeftCorner(storeys, storeys).diagonal().sum();
    // The solver gives the eigenvalues ω² in increasing order: the longest period first.
    for (Eigen::Index j = 0; j < size; ++j) {
        const double omegaSquared = solver.eigenvalues()(j);
        if (!(omegaSquared > 0) || !std::isfinite(omegaSquared))
            return std::nullopt;
        const Eigen::VectorXd phi = solver.eigenvectors().col(j); // Φᵀ·M·Φ = 1
        const Eigen::VectorXd mPhi = b * phi;
        ModalShape mode;
        mode.angularFrequency = std::sqrt(omegaSquared);
        mode.period = 2 * std::numbers::pi / mode.angularFrequency;
        mode.shape.assign(phi.data(), phi.data() + size);
        mode.participationX = participation(mPhi, 0, storeys);
        mode.participationY = participation(mPhi, storeys, storeys);
        mode.massRatioX = mode.participationX * mode.participationX / basis.totalMass;
        mode.massRatioY = mode.participationY * mode.participationY / basis.totalMass;
        basis.modes.push_back(std::move(mode));
    }
    return basis;
}

} // namespace orvanta
