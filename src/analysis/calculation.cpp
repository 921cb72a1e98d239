#include "calculation.h"

#include "global_stiffness.h"
#include "ritto_condensation.h"
#include "ritto_elements.h"

namespace orvanta {

void runCalculation(const Model& model, AnalysisResults& results, Asker& asker) {
    buildRitElements(model, results, asker);
    computeRitMatricesX(model, results, asker);
    computeRitMatricesY(model, results, asker);
    assembleGlobalStiffness(model, results, asker);

    // Every ritto starts in family 1 of each direction.
    const int nodes = model.sizes().nodes;
    results.familyCountX = 1;
    results.familyCountY = 1;
    results.familyX = Array1<std::int16_t>(1, nodes);
    results.familyY = Array1<std::int16_t>(1, nodes);
    for (int i = 1; i <= nodes; ++i) {
        results.familyX(i) = 1;
        results.familyY(i) = 1;
    }
}

} // namespace orvanta
