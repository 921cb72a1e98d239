#pragma once

// What the families of one set of ritti hide from the engineer: a family whose ritti do not all
// rise to the same storey (its single centre of stiffness then stands for a floor some of its
// ritti never reach), and a ritto with no beam at any storey (a free-standing column still tied
// to the rigid floor). Each is one Italian line for the families' window and the report.

#include "analysis_results.h"

#include <string>
#include <vector>

namespace orvanta {

// For the ritti orthogonal to `direction`'s axis: one line per family that mixes heights
// ("Famiglia 3 (ritti ortogonali a X): ritti di 2 e 3 piani (ritti 7, 13).") and one per ritto
// with no beam ("Ritto 13 (ortogonale a X): nessuna trave in alcun piano."), families first.
std::vector<std::string> familyWarnings(const AnalysisResults& results, Direction direction);

} // namespace orvanta
