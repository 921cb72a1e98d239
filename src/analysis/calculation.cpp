#include "calculation.h"

#include "global_stiffness.h"
#include "model_fingerprint.h"
#include "ritto_condensation.h"
#include "ritto_elements.h"

namespace orvanta {

const char* stageName(CalculationStage stage) {
    switch (stage) {
    case CalculationStage::elementTables:
        return "tabelle degli elementi dei ritti";
    case CalculationStage::rittiOrthogonalToX:
        return "matrici dei ritti ortogonali ad X";
    case CalculationStage::rittiOrthogonalToY:
        return "matrici dei ritti ortogonali ad Y";
    case CalculationStage::globalStiffness:
        return "matrice di rigidezza globale";
    }
    return "";
}

namespace {

// The stage as the progress dialog shows it: "Matrici dei ritti ortogonali ad X".
std::string progressName(CalculationStage stage) {
    std::string name = stageName(stage);
    name.front() = static_cast<char>(name.front() - 'a' + 'A');
    return name;
}

} // namespace

CalculationReport runCalculation(const Model& model, AnalysisResults& results, Asker& asker,
                                 const ProgressCallback& progress) {
    CalculationReport report;
    const auto stage = [&](bool completed, CalculationStage which) {
        if (!completed)
            report.incomplete.push_back(which);
    };
    // Shares of the time of a large building: the two condensations take most of it.
    const auto starting = [&](CalculationStage which, double from, double to) {
        ProgressStage step(progress, progressName(which), from, to);
        step.report(0);
        return step;
    };
    starting(CalculationStage::elementTables, 0, 0.1);
    stage(buildRitElements(model, results, asker), CalculationStage::elementTables);
    stage(computeRitMatrices(model, results, Direction::orthogonalToX, asker,
                             starting(CalculationStage::rittiOrthogonalToX, 0.1, 0.5)),
          CalculationStage::rittiOrthogonalToX);
    stage(computeRitMatrices(model, results, Direction::orthogonalToY, asker,
                             starting(CalculationStage::rittiOrthogonalToY, 0.5, 0.9)),
          CalculationStage::rittiOrthogonalToY);
    starting(CalculationStage::globalStiffness, 0.9, 1);
    stage(assembleGlobalStiffness(model, results, asker), CalculationStage::globalStiffness);

    // Every ritto starts in family 1 of each direction.
    const int nodes = model.sizes().nodes;
    for (const Direction d : bothDirections) {
        results[d].familyCount = 1;
        results[d].family = Array1<std::int16_t>(1, nodes);
        for (int i = 1; i <= nodes; ++i)
            results[d].family(i) = 1;
    }
    results.computedFrom = structureFingerprint(model);
    if (progress)
        progress(progressName(CalculationStage::globalStiffness), 1);
    return report;
}

bool resultsMatch(const Model& model, const AnalysisResults& results) {
    return results.computedFrom != 0 && results.computedFrom == structureFingerprint(model);
}

} // namespace orvanta
