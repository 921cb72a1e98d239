#pragma once

// The reference computations of the stiffness engine, written the plain way for comparison:
// every ritto's full 3n × 3n plane stiffness assembled bar by bar, the vertical/rotation block
// inverted in place by unpivoted Gauss–Jordan elimination, and the products Koo⁻¹·Kot and
// Kto·(Koo⁻¹·Kot) formed term by term, in the loop orders of the engineering procedure. O(n³) per
// ritto: slow, obviously right, and the yardstick of the production elimination.

#include "analysis_results.h"
#include "model.h"

#include <vector>

namespace orvanta::testing {

// Condenses ritto i of an element table (rows packed for n = ritStoreys(i) floors). Writes the
// n × n matrix, row-major, into `result`. Returns false on a zero pivot (|pivot| ≤ 1e-10 times
// the diagonal term before elimination).
bool literalCondensation(const Array3<double>& table, int ritto, int n,
                         std::vector<double>& result);

struct LiteralDirection {
    Array3<double> matrices; // (ritto, r, c), zero beyond each ritto's height
    int failedRitto = 0;     // the ritto whose zero pivot stopped the direction, or 0
};

// Every ritto of one direction, stopping at the first zero pivot as the engine does.
LiteralDirection literalRitMatrices(const Model& model, const AnalysisResults& results,
                                    Direction direction);

// The global matrix summed term by term, ritto by ritto, with the symmetric rotation block and
// the rotations of storeys without a positive radius of gyration left out.
Array2<double> literalGlobalStiffness(const Model& model, const AnalysisResults& results);

} // namespace orvanta::testing
