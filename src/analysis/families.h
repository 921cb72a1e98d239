#pragma once

// Families of ritti: in each direction the ritti are grouped into F families of similar
// normalised stiffness matrix (term (1, 1) scaled to 1000).
//
// The automatic assignment takes two references among the full-height ritti, the one with the
// largest top ratio t = 1000·K(N, N)/K(1, 1) (the most shear-type behaviour: family 1) and the one
// with the smallest (the most flexural: family F), places F model matrices evenly on the straight
// line between their normalised matrices, and puts each ritto into the nearest model by
//   d(f) = Σ_r |n(r, r) − M_f(r, r)| + Σ_{r ≤ N−2} 2·|n(r, r + 2) − M_f(r, r + 2)|,
// ties going to the lower family. With F = 1 every ritto is in family 1.

#include "analysis_results.h"
#include "model.h"
#include "user_interaction.h"

#include <optional>
#include <string_view>

namespace orvanta {

// The number of slots that may hold a ritto, nX·nY + nExtra: the largest family count.
int familySlots(const Model& model);

// Reads a family count as typed. Text that is not a whole number is reported (exclamation icon)
// and gives nothing: the caller then leaves the count and the families as they are.
std::optional<long long> readFamilyCount(std::string_view text, const Model& model, Asker& asker);

// Sets the family count of a direction under the count rules: a count above the number of slots
// is reduced to it, one below 1 raised to 1, each with its message ("Nodo Inesistente", critical
// icon); every ritto of a family above the count moves into the last family. Nothing is
// reassigned. Returns the count adopted.
int setFamilyCount(const Model& model, AnalysisResults& results, Direction direction,
                   long long requested, Asker& asker);

// The automatic assignment with F families (F in 1..slots). When no ritto spans the full height,
// or a ritto has a first stiffness term of 0 (its direction stopped on an error), nothing can be
// compared: one message (exclamation icon) and the families stay as they were. Returns whether
// the families were assigned.
bool assignFamilies(const Model& model, AnalysisResults& results, Direction direction,
                    int familyCount, Asker& asker);

} // namespace orvanta
