#include "live_results.h"

#include "model_fingerprint.h"

namespace orvanta {

LiveResults::LiveResults(ProjectDocument& document, Asker& asker)
    : document_(document), asker_(asker) {
    document_.addObserver(*this);
}

LiveResults::~LiveResults() {
    document_.removeObserver(*this);
}

CalculationReport LiveResults::calculate(const ProgressCallback& progress) {
    last_ = LiveUpdate::full;
    return live_.calculate(document_.model(), document_.results(), asker_, progress);
}

void LiveResults::reset() {
    live_ = LiveAnalysis{};
    last_ = LiveUpdate::nothing;
}

void LiveResults::documentChanged(const ModelChange& change) {
    if (!live_.calculated())
        return;
    const Model& model = document_.model();
    AnalysisResults& results = document_.results();
    last_ = live_.update(model, results, change, asker_);
    // Results that follow the model carry its mark; a refused change keeps the old one, so the
    // results are not taken for those of the model as it now is.
    if (last_ != LiveUpdate::refused && !live_.behind())
        results.computedFrom = structureFingerprint(model);
}

const SeismicResults& LiveResults::seismic() {
    return live_.seismic(document_.model(), document_.results());
}

} // namespace orvanta
