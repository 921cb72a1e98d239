#pragma once

// What one ritto adds to the global roto-translational matrix (global_stiffness.h), on its own,
// so that a changed ritto can be taken out of the sum and put back in.
//
// A ritto at (x, y) of n storeys with matrix K in one direction adds, for storeys r, c ≤ n, with
// the lever arms a(c) = (y − yG_c)/ρ_c for the ritti orthogonal to Y (K resists X) or
// a(c) = (x − xG_c)/ρ_c for those orthogonal to X (K resists Y), a = 0 on a storey whose ρ is
// not positive:
//   orthogonal to Y:  Kxx(r, c) += K    Kxθ(r, c) −= a(c)·K    Kθθ(r, c) += a(r)·a(c)·K
//   orthogonal to X:  Kyy(r, c) += K    Kyθ(r, c) += a(c)·K    Kθθ(r, c) += a(r)·a(c)·K
// each multiplied by `sign` (+1 to add, −1 to take out). The θx and θy blocks are the transposes
// of Kxθ and Kyθ: mirrorRotationCoupling writes them again. Worked number: K = 2 at x = 3000 with
// xG = 1000 and ρ = 1000 (a = 2) adds Kyθ = 4 and Kθθ = 8.

#include "analysis_results.h"
#include "model.h"

#include <span>
#include <vector>

namespace orvanta {

// Adds sign × the contribution of the ritto of `node` in `direction`, whose n × n matrix is the
// top-left corner of `matrix` (rows of nStoreys terms), to the upper blocks of `global`. `arms`
// is working storage.
void addRittoContribution(const Model& model, Direction direction, int node, const double* matrix,
                          int n, double sign, Array2<double>& global, std::vector<double>& arms);

// Copies Kxθ and Kyθ into the lower-left blocks, as their transposes.
void mirrorRotationCoupling(Array2<double>& global, int storeys);

// The largest absolute value of the terms.
double largestMagnitude(std::span<const double> terms);

} // namespace orvanta
