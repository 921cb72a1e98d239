#include "calculation.h"

#include "global_stiffness.h"
#include "ritto_condensation.h"
#include "ritto_elements.h"

namespace orvanta {

const char* stageName(CalculationStage stage) {
    switch (stage) {
    case CalculationStage::elementTables:
        return "tabelle degli elementi dei ritti";
    case CalculationStage::rittiAlongY:
        return "matrici dei ritti ortogonali ad X";
    case CalculationStage::rittiAlongX:
        return "matrici dei ritti ortogonali ad Y";
    case CalculationStage::globalStiffness:
        return "matrice di rigidezza globale";
    }
    return "";
}

CalculationReport runCalculation(const Model& model, AnalysisResults& results, Asker& asker) {
    CalculationReport report;
    const auto stage = [&](bool completed, CalculationStage which) {
        if (!completed)
            report.incomplete.push_back(which);
    };
    stage(buildRitElements(model, results, asker), CalculationStage::elementTables);
    stage(computeRitMatrices(model, results, Direction::alongY, asker),
          CalculationStage::rittiAlongY);
    stage(computeRitMatrices(model, results, Direction::alongX, asker),
          CalculationStage::rittiAlongX);
    stage(assembleGlobalStiffness(model, results, asker), CalculationStage::globalStiffness);

    // Every ritto starts in family 1 of each direction.
    const int nodes = model.sizes().nodes;
    for (const Direction d : bothDirections) {
        results[d].familyCount = 1;
        results[d].family = Array1<std::int16_t>(1, nodes);
        for (int i = 1; i <= nodes; ++i)
            results[d].family(i) = 1;
    }
    return report;
}

} // namespace orvanta
