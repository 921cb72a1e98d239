#pragma once

// Partial centres of stiffness of the families of ritti.
//
// In each family f each ritto weighs by the first term of its matrix, w = K₁₁/Σ K₁₁ over the
// family, and the family's centre is Σ w·x (families orthogonal to X, x of each ritto) or Σ w·y
// (orthogonal to Y), in mm. The mean family matrix is the mean of 1000·(K/K₁₁) over the members.
// Worked number: first terms 3000 and 1000 at x = 0 and x = 8000 give weights 0.75 and 0.25 and
// a centre at x = 2000.
//
// A ritto whose first term is 0 (its direction stopped on an error) has no stiffness to weigh:
// it takes no part in the sums, the sizes or the means. A family without such members has centre
// 0, size 0 and a zero mean matrix.

#include "analysis_results.h"
#include "model.h"

namespace orvanta {

// Reallocates and fills, for both sets of ritti, stiffnessCentre, stiffnessWeight, familySize and
// familyMeanMatrix from the ritto matrices and the families.
void computeStiffnessCentres(const Model& model, AnalysisResults& results);

} // namespace orvanta
