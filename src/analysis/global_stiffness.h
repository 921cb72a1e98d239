#pragma once

// The roto-translational stiffness matrix of the building: three degrees of freedom per storey,
// the X translation, the Y translation and the rotation about the storey's centre of mass scaled
// by its radius of gyration ρ (θ·ρ, a length), so every term is a stiffness per unit E (mm).
//
// With s = nStoreys, rows and columns 1..s are X, s+1..2s are Y, 2s+1..3s the rotations. A ritto
// at (x, y) adds, for storeys r and c, with KX its matrix resisting X (the ritto orthogonal to Y)
// and KY its matrix resisting Y, and (xG, yG, ρ) of storey c (or r):
//   Kxx(r, c) += KX                    Kxθ(r, c) −= (y − yG_c)·KX/ρ_c
//   Kyy(r, c) += KY                    Kyθ(r, c) += (x − xG_c)·KY/ρ_c
//   Kθθ(r, c) += (y − yG_r)(y − yG_c)/(ρ_r ρ_c)·KX + (x − xG_r)(x − xG_c)/(ρ_r ρ_c)·KY
// and the θx and θy blocks are the transposes of Kxθ and Kyθ. Kθθ is the rigid-floor transform
// with the row storey and the column storey each measured about its own centre, so it stays
// symmetric when the centres of mass differ between storeys. Worked number: one ritto with
// KY = 2 at x = 3000 on a storey with xG = 1000 and ρ = 1000 adds Kyθ = 4 and Kθθ = 8.

#include "analysis_results.h"
#include "model.h"
#include "user_interaction.h"

#include <vector>

namespace orvanta {

// Allocates globalStiffness and sums every ritto into it. A storey whose gyrationRadius is not
// positive has no scaled rotation: it is reported, one message per storey (exclamation icon), and
// its rotation row and column stay 0, and the result is false.
bool assembleGlobalStiffness(const Model& model, AnalysisResults& results, Asker& asker);

// Sums again, ritto by ritto in the order assembleGlobalStiffness sums them and with the same
// operations, the terms that the lever arms of the given storeys enter: Kxθ and Kyθ in their
// columns, Kθθ in their rows and columns, and the transposes; every other term is left as it
// is. Each term summed again is the one a whole assembly makes, bit for bit. For a load edit
// that moves the centres of mass of a few storeys: one storey of the largest building reads a
// hundredth of the ritto matrices. Every storey given must have a positive radius of gyration.
void reassembleStoreys(const Model& model, AnalysisResults& results,
                       const std::vector<int>& storeys);

} // namespace orvanta
