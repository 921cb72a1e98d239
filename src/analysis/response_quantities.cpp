#include "response_quantities.h"

#include "numbering.h"

#include <algorithm>
#include <cstddef>

namespace orvanta {

namespace {

std::size_t at(int storey) {
    return static_cast<std::size_t>(storey - 1);
}

std::vector<double> cumulatedFromTheTop(const std::vector<double>& forces) {
    std::vector<double> shear(forces.size());
    double sum = 0;
    for (std::size_t s = forces.size(); s-- > 0;) {
        sum += forces[s];
        shear[s] = sum;
    }
    return shear;
}

template <class Visit> void visitAll(Visit&& visit, auto& values) {
    for (auto* list :
         {&values.u, &values.v, &values.theta, &values.driftX, &values.driftY, &values.forceX,
          &values.forceY, &values.torque, &values.shearX, &values.shearY})
        visit(*list);
    for (auto* set : {&values.rittoDrift, &values.rittoShear}) {
        for (auto& ritti : *set) {
            for (auto& storeys : ritti)
                visit(storeys);
        }
    }
}

} // namespace

std::vector<double> storeyWeights(const std::vector<StoreySeismicMass>& masses) {
    std::vector<double> w;
    for (const StoreySeismicMass& mass : masses)
        w.push_back(mass.weight);
    return w;
}

std::vector<double> ResponseValues::flatten() const {
    std::vector<double> flat;
    visitAll(
        [&](const std::vector<double>& list) { flat.insert(flat.end(), list.begin(), list.end()); },
        *this);
    return flat;
}

void ResponseValues::assign(const std::vector<double>& flat) {
    std::size_t next = 0;
    visitAll(
        [&](std::vector<double>& list) {
            for (double& value : list)
                value = flat[next++];
        },
        *this);
}

ResponseMap::ResponseMap(const Model& model, const AnalysisResults& results,
                         std::vector<StoreySeismicMass> masses, double modulus)
    : model_(model), results_(results), masses_(std::move(masses)), modulus_(modulus) {}

ResponseValues ResponseMap::of(const std::vector<double>& d) const {
    const int n = model_.counts.nStoreys;
    const auto count = static_cast<std::size_t>(n);
    ResponseValues r;
    for (auto* list : {&r.u, &r.v, &r.theta, &r.driftX, &r.driftY, &r.forceX, &r.forceY, &r.torque})
        list->assign(count, 0.0);
    const Array2<double>& k = results_.globalStiffness;
    double belowX = 0, belowY = 0;
    for (int s = 1; s <= n; ++s) {
        const double rho = model_.gyrationRadius(s);
        const double theta = d[at(2 * n + s)] / rho;
        const StoreySeismicMass& mass = masses_[at(s)];
        const double gx = d[at(s)] - (mass.centreY - model_.massCentre(s, 2)) * theta;
        const double gy = d[at(n + s)] + (mass.centreX - model_.massCentre(s, 1)) * theta;
        r.u[at(s)] = d[at(s)];
        r.v[at(s)] = d[at(n + s)];
        r.theta[at(s)] = theta;
        r.driftX[at(s)] = gx - belowX;
        r.driftY[at(s)] = gy - belowY;
        belowX = gx;
        belowY = gy;
        // f = E·K·d with K symmetrised, as for the torsional checks.
        double f[3] = {0, 0, 0};
        for (int block = 0; block < 3; ++block) {
            const int row = block * n + s;
            for (int c = 1; c <= 3 * n; ++c)
                f[block] += 0.5 * (k(row, c) + k(c, row)) * d[at(c)];
        }
        r.forceX[at(s)] = modulus_ * f[0];
        r.forceY[at(s)] = modulus_ * f[1];
        r.torque[at(s)] = modulus_ * f[2] * rho;
    }
    r.shearX = cumulatedFromTheTop(r.forceX);
    r.shearY = cumulatedFromTheTop(r.forceY);
    for (const Direction dir : bothDirections)
        addRitti(dir, d, r);
    return r;
}

void ResponseMap::addRitti(Direction dir, const std::vector<double>& d, ResponseValues& r) const {
    const int n = model_.counts.nStoreys;
    const int nodes = model_.sizes().nodes;
    const bool resistsX = dir == Direction::orthogonalToY;
    const Array3<double>& matrix = results_[dir].ritMatrix;
    auto& drifts = r.rittoDrift[rittiIndex(dir)];
    auto& shears = r.rittoShear[rittiIndex(dir)];
    drifts.assign(static_cast<std::size_t>(nodes), std::vector<double>(at(n + 1), 0.0));
    shears = drifts;
    for (int i = 1; i <= nodes; ++i) {
        const int top = results_.ritStoreys(i);
        if (top <= 0)
            continue;
        const numbering::PlanPoint p = numbering::nodePosition(model_, i);
        std::vector<double> delta(at(top + 1));
        for (int s = 1; s <= top; ++s) {
            const double theta = d[at(2 * n + s)] / model_.gyrationRadius(s);
            delta[at(s)] = resistsX ? d[at(s)] - (p.y - model_.massCentre(s, 2)) * theta
                                    : d[at(n + s)] + (p.x - model_.massCentre(s, 1)) * theta;
            drifts[at(i)][at(s)] = delta[at(s)] - (s > 1 ? delta[at(s - 1)] : 0.0);
        }
        std::vector<double> force(at(top + 1));
        for (int row = 1; row <= top; ++row) {
            for (int c = 1; c <= top; ++c)
                force[at(row)] += modulus_ * matrix(i, row, c) * delta[at(c)];
        }
        const std::vector<double> shear = cumulatedFromTheTop(force);
        std::copy(shear.begin(), shear.end(), shears[at(i)].begin());
    }
}

} // namespace orvanta
