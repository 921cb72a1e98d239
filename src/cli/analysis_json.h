#pragma once

// The JSON document of `orvanta-cli analyse`: the model's counts, coordinates and load results,
// every result of the stiffness analysis, the stages of the calculation that did not complete
// ("incompleteStages", by their Italian names), and every message shown, in order. Arrays keep
// their first element first (deformedShape its column 0, the base).

#include "analysis_results.h"
#include "calculation.h"
#include "linear_static_analysis.h"
#include "model.h"
#include "seismic_results.h"
#include "user_interaction.h"

#include <string>
#include <vector>

namespace orvanta::cli {

// With `seismic` the document gets one more key, "seismic", before the messages; with `ntc` the
// key "ntc2018" after it (ntc_json.h).
std::string analysisJson(const Model& model, const AnalysisResults& results,
                         const CalculationReport& calculation, const std::vector<Message>& messages,
                         const SeismicResults* seismic = nullptr,
                         const LinearStaticResults* ntc = nullptr);

} // namespace orvanta::cli
