#pragma once

// The "Calcola Matrici" sequence: element tables, ritti orthogonal to X, then to Y, the global
// matrix, and every ritto in family 1 of each direction.

#include "analysis_results.h"
#include "model.h"
#include "progress.h"
#include "user_interaction.h"

#include <vector>

namespace orvanta {

// The stages of the calculation, in the order they run.
enum class CalculationStage {
    elementTables,      // a half-beam of zero length was left out
    rittiOrthogonalToX, // the ritti orthogonal to X stopped on a zero pivot
    rittiOrthogonalToY, // the ritti orthogonal to Y stopped on a zero pivot
    globalStiffness,    // a storey without radius of gyration has no rotation
};

// What a run of the calculation achieved, beside the messages it showed.
struct CalculationReport {
    // The stages that did not complete, in the order they ran.
    std::vector<CalculationStage> incomplete;

    bool complete() const { return incomplete.empty(); }
};

// Italian name of a stage, for messages and the batch tool: "tabelle degli elementi dei ritti".
const char* stageName(CalculationStage stage);

// Runs the whole engine on the model, replacing every result. Messages of the stages go
// through the asker; a stage that stops on an error does not stop the later ones, and the report
// says which stages did not complete. Progress, when asked for, goes by stage ("Matrici dei ritti
// ortogonali ad X") and, within the condensations, by the ritti done.
CalculationReport runCalculation(const Model& model, AnalysisResults& results, Asker& asker,
                                 const ProgressCallback& progress = {});

// Whether the results were computed from this very model (its structure fingerprint): a model
// edited since "Calcola Matrici" has results of another building.
bool resultsMatch(const Model& model, const AnalysisResults& results);

} // namespace orvanta
