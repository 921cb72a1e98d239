#pragma once

// Whether every result of the analysis is a finite number. A model that passed the model check
// gives finite results; a value that is not finite (an infinity or NaN that slipped through) must
// never reach a view, the report or a file as a number, so the calculation is followed by this
// check and the result views refuse to open on it.
//
// The terms are scanned array by array in the order the program computes them: element tables,
// ritto matrices (the ritti orthogonal to X first), global matrix, families and centres, deformed
// shape. The ritto matrices, the largest array by far (1.57 GB on a 100 × 100 × 99 building), are
// looked into only when the global matrix is not finite: every term of every ritto's matrix is
// added into the global matrix, and a sum holding an infinity or NaN is not finite.

#include "analysis_results.h"
#include "user_interaction.h"

#include <optional>
#include <string>

namespace orvanta {

// Where the first term that is not finite lies, in Italian ("matrice di rigidezza del ritto 13
// ortogonale a X, termine (2, 3)"), or nothing when every term is finite.
std::optional<std::string> firstNonFiniteResult(const AnalysisResults& results);

// The message that reports it (critical icon), or nothing when every term is finite.
std::optional<Message> nonFiniteResultMessage(const AnalysisResults& results);

} // namespace orvanta
