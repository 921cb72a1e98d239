#pragma once

// The partial centres of stiffness of one set of ritti (stiffness_centres.h), kept up to date as
// single ritti change.
//
// Weights, centres and family sizes depend only on each ritto's first term K₁₁ and its family:
// they are computed again in full from a compact copy of the first terms, in the order and with
// the operations of computeStiffnessCentres, so they agree with it bit for bit, in O(ritti).
// The mean family matrices need every term of every ritto: each family's sum of normalised
// matrices 1000·K/K₁₁ is kept, a changed ritto's old normalised matrix taken out of it and the
// new one put in, and the mean is that sum over the family's size. The sums carry a bound on
// their rounding (rounding_drift.h) and a family's sum is made again from its members when its
// bound passes the budget, or when its last member leaves it (exactly zero then).

#include "analysis_results.h"
#include "model.h"
#include "rounding_drift.h"

#include <vector>

namespace orvanta {

class LiveCentres {
public:
    // Everything from scratch, from the ritto matrices and families of `direction`: the results'
    // stiffnessCentre, stiffnessWeight, familySize and familyMeanMatrix of that direction are
    // written as computeStiffnessCentres writes them.
    void rebuild(const Model& model, AnalysisResults& results, Direction direction);

    // The ritto of `node` changed from `oldMatrix` (with height `oldHeight`) to what the results
    // now hold; its family is unchanged. Updates the family sums; call refresh() after the last
    // change of an edit.
    void replace(const AnalysisResults& results, int node, const double* oldMatrix, int oldHeight);

    // Weights, centres, sizes and means from the first terms and the sums.
    void refresh(const Model& model, AnalysisResults& results);

    // Sums from scratch so far (for the tests and the benchmark).
    int familiesResummed() const { return familiesResummed_; }
    void setDriftBudget(double budget);

private:
    int familyOf(const AnalysisResults& results, int node, double first, int height) const;
    void addNormalised(const double* matrix, double first, int family, double sign);
    void resumFamily(const AnalysisResults& results, int family);

    Direction direction_ = Direction::orthogonalToX;
    int storeys_ = 0;
    std::vector<double> first_;        // K₁₁ of each ritto, index = node
    Array3<double> sums_;              // (family, r, c): Σ 1000·K/K₁₁ over its members
    std::vector<RoundingDrift> drift_; // per family, index family − 1
    std::vector<int> pending_;         // families whose sums changed since refresh()
    double budget_ = RoundingDrift::defaultBudget;
    int familiesResummed_ = 0;
};

} // namespace orvanta
