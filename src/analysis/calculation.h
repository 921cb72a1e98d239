#pragma once

// The "Calcola Matrici" sequence: element tables, ritti orthogonal to X, then to Y, the global
// matrix, and every ritto in family 1 of each direction.

#include "analysis_results.h"
#include "model.h"
#include "user_interaction.h"

namespace orvanta {

// Runs the whole engine on the model, replacing every result. Messages of the stages go
// through the asker; a stage that stops on an error does not stop the later ones.
void runCalculation(const Model& model, AnalysisResults& results, Asker& asker);

} // namespace orvanta
