#include "live_centres.h"

#include "normalised_matrix.h"
#include "numbering.h"
#include "ritto_contribution.h"

#include <algorithm>

namespace orvanta {

int LiveCentres::familyOf(const AnalysisResults& r, int node, double first, int height) const {
    const RittiResults& out = r[direction_];
    const int f = out.family(node);
    const bool counts = height != 0 && f >= 1 && f <= out.familyCount && first != 0;
    return counts ? f : 0;
}

void LiveCentres::addNormalised(const double* matrix, double first, int family, double sign) {
    double* to = sums_.block(family).data();
    const std::size_t terms = sums_.block(family).size();
    for (std::size_t j = 0; j < terms; ++j)
        to[j] += sign * normalisedTerm(matrix[j], first);
}

void LiveCentres::setDriftBudget(double budget) {
    budget_ = budget;
    for (RoundingDrift& drift : drift_)
        drift.setBudget(budget);
}

void LiveCentres::rebuild(const Model& m, AnalysisResults& r, Direction direction) {
    direction_ = direction;
    storeys_ = m.counts.nStoreys;
    const RittiResults& out = r[direction];
    const int nodes = static_cast<int>(r.ritStoreys.size());
    const int count = out.familyCount;

    first_.assign(static_cast<std::size_t>(nodes) + 1, 0.0);
    for (int i = 1; i <= nodes; ++i)
        first_[static_cast<std::size_t>(i)] = out.ritMatrix(i, 1, 1);
    drift_.assign(static_cast<std::size_t>(count), RoundingDrift(budget_));
    sums_ = Array3<double>(1, count, 1, storeys_, 1, storeys_);
    pending_.clear();
    for (int f = 1; f <= count; ++f)
        pending_.push_back(f);
    r[direction].familyMeanMatrix = Array3<double>(1, count, 1, storeys_, 1, storeys_);
    for (int i = 1; i <= nodes; ++i) {
        const double first = first_[static_cast<std::size_t>(i)];
        if (const int f = familyOf(r, i, first, r.ritStoreys(i)))
            addNormalised(out.ritMatrix.block(i).data(), first, f, 1);
    }
    refresh(m, r);
}

void LiveCentres::replace(const AnalysisResults& r, int node, const double* oldMatrix,
                          int oldHeight) {
    const auto at = static_cast<std::size_t>(node);
    const double oldFirst = first_[at];
    const double* newMatrix = r[direction_].ritMatrix.block(node).data();
    const double newFirst = newMatrix[0];
    first_[at] = newFirst;
    const int before = familyOf(r, node, oldFirst, oldHeight);
    const int after = familyOf(r, node, newFirst, r.ritStoreys(node));
    const int family = before != 0 ? before : after; // the family is the same
    if (family == 0)
        return;
    const double largestBefore = largestMagnitude(sums_.block(family));
    if (before != 0)
        addNormalised(oldMatrix, oldFirst, family, -1);
    if (after != 0)
        addNormalised(newMatrix, newFirst, family, 1);
    const double largestAfter = largestMagnitude(sums_.block(family));
    drift_[static_cast<std::size_t>(family - 1)].record(std::max(largestBefore, largestAfter));
    pending_.push_back(family);
}

void LiveCentres::resumFamily(const AnalysisResults& r, int family) {
    std::span<double> sum = sums_.block(family);
    std::fill(sum.begin(), sum.end(), 0.0);
    const int nodes = static_cast<int>(r.ritStoreys.size());
    for (int i = 1; i <= nodes; ++i) {
        const double first = first_[static_cast<std::size_t>(i)];
        if (familyOf(r, i, first, r.ritStoreys(i)) == family)
            addNormalised(r[direction_].ritMatrix.block(i).data(), first, family, 1);
    }
    drift_[static_cast<std::size_t>(family - 1)].reset();
    ++familiesResummed_;
}

void LiveCentres::refresh(const Model& m, AnalysisResults& r) {
    RittiResults& out = r[direction_];
    const int nodes = static_cast<int>(r.ritStoreys.size());
    const int count = out.familyCount;
    if (!out.stiffnessCentre.empty() && out.stiffnessCentre.upper() == count) {
        std::fill(out.stiffnessCentre.values().begin(), out.stiffnessCentre.values().end(), 0.0);
        std::fill(out.familySize.values().begin(), out.familySize.values().end(), 0);
    } else {
        out.stiffnessCentre = Array1<double>(1, count);
        out.familySize = Array1<std::int16_t>(1, count);
    }
    if (out.stiffnessWeight.upper() == nodes && !out.stiffnessWeight.empty())
        std::fill(out.stiffnessWeight.values().begin(), out.stiffnessWeight.values().end(), 0.0);
    else
        out.stiffnessWeight = Array1<double>(1, nodes);

    // As computeStiffnessCentres: the family stiffness, then weights and centres in the order
    // of the ritti.
    std::vector<double> stiffness(static_cast<std::size_t>(count) + 1, 0.0);
    const auto member = [&](int i) {
        return familyOf(r, i, first_[static_cast<std::size_t>(i)], r.ritStoreys(i));
    };
    for (int i = 1; i <= nodes; ++i) {
        if (const int f = member(i))
            stiffness[static_cast<std::size_t>(f)] += first_[static_cast<std::size_t>(i)];
    }
    for (int i = 1; i <= nodes; ++i) {
        const int f = member(i);
        if (f == 0)
            continue;
        ++out.familySize(f);
        const double sum = stiffness[static_cast<std::size_t>(f)];
        if (sum == 0)
            continue;
        const numbering::PlanPoint at = numbering::nodePosition(m, i);
        out.stiffnessWeight(i) = first_[static_cast<std::size_t>(i)] / sum;
        out.stiffnessCentre(f) +=
            out.stiffnessWeight(i) * (direction_ == Direction::orthogonalToX ? at.x : at.y);
    }

    std::sort(pending_.begin(), pending_.end());
    pending_.erase(std::unique(pending_.begin(), pending_.end()), pending_.end());
    for (const int f : pending_) {
        std::span<double> sum = sums_.block(f);
        std::span<double> mean = out.familyMeanMatrix.block(f);
        const double members = out.familySize(f);
        if (members == 0) {
            std::fill(sum.begin(), sum.end(), 0.0);
            std::fill(mean.begin(), mean.end(), 0.0);
            drift_[static_cast<std::size_t>(f - 1)].reset();
            continue;
        }
        if (drift_[static_cast<std::size_t>(f - 1)].exceeded(largestMagnitude(sum)))
            resumFamily(r, f);
        for (std::size_t j = 0; j < sum.size(); ++j)
            mean[j] = sum[j] / members;
    }
    pending_.clear();
}

} // namespace orvanta
