#include "calculation.h"

namespace orvanta {

// Placeholder until the engine stages exist: sizes the results and puts every ritto in family 1.
void runCalculation(const Model& model, AnalysisResults& results, Asker& /*asker*/) {
    const DerivedSizes s = model.sizes();
    const int storeys = model.counts.nStoreys;
    results = AnalysisResults{};
    results.ritStoreys = Array1<std::int16_t>(1, s.nodes);
    results.ritMatrixX = Array3<double>(1, s.nodes, 1, storeys, 1, storeys);
    results.ritMatrixY = Array3<double>(1, s.nodes, 1, storeys, 1, storeys);
    results.globalStiffness = Array2<double>(1, 3 * storeys, 1, 3 * storeys);
    results.familyX = Array1<std::int16_t>(1, s.nodes);
    results.familyY = Array1<std::int16_t>(1, s.nodes);
    for (int i = 1; i <= s.nodes; ++i)
        results.familyX(i) = results.familyY(i) = 1;
    results.familyCountX = results.familyCountY = 1;
}

} // namespace orvanta
