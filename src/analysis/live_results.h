#pragma once

// The results of a project document kept up to date with its model. Once "Calcola Matrici" has
// run through calculate(), every edit, undo and redo the document tells of brings its results up
// to date at once (live_analysis.h) and marks them as computed from the model as it now is, so
// that the views and the report take them as current. A change the model check refuses leaves
// the results, and their mark, as they were, and says why.
//
// Register it before any view: the document tells its observers in the order they registered,
// and the views must find the results already brought up to date.

#include "analysis_results.h"
#include "calculation.h"
#include "live_analysis.h"
#include "project_document.h"
#include "seismic_results.h"
#include "user_interaction.h"

namespace orvanta {

class LiveResults : public DocumentObserver {
public:
    LiveResults(ProjectDocument& document, Asker& asker);
    ~LiveResults() override;
    LiveResults(const LiveResults&) = delete;
    LiveResults& operator=(const LiveResults&) = delete;

    // "Calcola Matrici" on the document's model, into its results; from now on they follow the
    // edits.
    CalculationReport calculate(const ProgressCallback& progress = {});
    // A project was created, opened or closed: nothing follows the edits until calculate().
    void reset();

    void documentChanged(const ModelChange& change) override;

    // Whether the results follow the edits (calculate() has run since the last reset()).
    bool following() const { return live_.calculated(); }
    // How the last edit was followed.
    LiveUpdate lastUpdate() const { return last_; }
    // The regularity of every storey, current with the results; the modes when asked.
    const SeismicResults& regularity() const { return live_.regularity(); }
    const SeismicResults& seismic();

private:
    ProjectDocument& document_;
    Asker& asker_;
    LiveAnalysis live_;
    LiveUpdate last_ = LiveUpdate::nothing;
};

} // namespace orvanta
