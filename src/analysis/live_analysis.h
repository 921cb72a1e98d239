#pragma once

// The analysis kept up to date with the model, edit by edit, as a spreadsheet recalculates a
// cell: after one full "Calcola Matrici" (calculate), each edit of the model is followed by
// update() with what the edit changed (model_change.h), which recomputes only what the change
// touches and leaves the results equal to those of a full calculation on the edited model (and
// the families as they were):
//
//   members      the element rows of the ritti the members reach (touched_ritti.h) are written
//                again; a ritto whose rows came out unchanged stops there. Each changed ritto is
//                condensed again, its old contribution taken out of the global matrix and the
//                new one put in (ritto_contribution.h), and its family's sums updated
//                (live_centres.h); then the centres of both directions and the regularity.
//   loadResults  centres of mass and radii of gyration move the lever arms of their storeys:
//                the terms of the global matrix those arms enter are summed again from the
//                ritto matrices (the whole matrix when more than one storey and more than a
//                quarter of them moved), no ritto is condensed again; then the regularity. Slab
//                edits reach the analysis this way, once the loads have been distributed again.
//   familiesX/Y  the centres of that direction from scratch.
//   settings     the regularity and the modes (the concrete class sets E).
//   grid         a full calculation; the families are kept when the number of ritti is.
//
// The incremental results agree with a full calculation to 1e-12 of each matrix's largest term:
// the element tables and ritto matrices are computed by the same code and are equal bit for
// bit; the global matrix and the families' sums carry a bound on the rounding of their updates
// and are summed again from scratch before it could pass half of that (rounding_drift.h).
//
// A change that the model check refuses (a section of 0, a flag that is neither 0 nor 1) would
// put infinities or NaN into the results: the update says why, through the asker, and leaves the
// results as they were; the change is kept and tried again, with the next one, at every update
// until the model passes. A full calculation checks the whole model first in the same way.
//
// Where a full calculation would stop on an error (a half-beam of zero length, a zero pivot in
// a ritto), a partial update cannot reproduce what the stage leaves behind: the update runs the
// full calculation instead, with its messages, and keeps doing so while the error lasts.
//
// The vibration modes cost most of the seismic response on a tall building and few edits need
// them: update() computes the regularity, and seismic() adds the modes when first asked.
//
// Trials on a copy of the model (the design assistant): copy the model and the LiveAnalysis
// once, then apply a change to the copy and call update(), read the results, apply the inverse
// change and call update() again. An update allocates nothing after the first few: its working
// storage is kept between calls.

#include "analysis_results.h"
#include "calculation.h"
#include "element_records.h"
#include "live_centres.h"
#include "model.h"
#include "model_change.h"
#include "progress.h"
#include "ritto_condensation.h"
#include "rounding_drift.h"
#include "seismic_results.h"
#include "touched_ritti.h"
#include "user_interaction.h"

#include <array>
#include <vector>

namespace orvanta {

// How an update brought the results up to date.
enum class LiveUpdate {
    nothing,     // no results yet, or nothing the analysis depends on changed
    incremental, // only the touched ritti condensed again
    reassembled, // the global matrix summed again without condensing (loads)
    centres,     // the centres of a direction (families)
    seismic,     // the regularity and the modes only (settings)
    full,        // a full calculation
    refused,     // the model check refused the change: the results are as they were
};

class LiveAnalysis {
public:
    LiveAnalysis() = default;

    // "Calcola Matrici" into `results`: the whole engine, every ritto in family 1 of each
    // direction, the centres and the regularity. From now on update() keeps them up to date.
    // The engine keeps what it derived from these results (first terms, family sums): every
    // later call takes the same results, or a copy made together with a copy of the engine.
    CalculationReport calculate(const Model& model, AnalysisResults& results, Asker& asker,
                                const ProgressCallback& progress = {});

    // Brings the results up to date with `model`, to which `change` has just been applied (the
    // families edited in `results` by the family commands count as changes of their flags).
    // Messages (those of a full calculation, when one is needed) go through the asker.
    LiveUpdate update(const Model& model, AnalysisResults& results, const ModelChange& change,
                      Asker& asker);

    // The design assistant's trial: sets the section of the column or wall at `column` in
    // `model` (the caller's copy, whose results these are) and brings the results up to date.
    // Undo a trial by setting the old section back the same way.
    LiveUpdate trySection(Model& model, AnalysisResults& results, const MemberRef& column,
                          const ColumnSection& section, Asker& asker);

    // Whether calculate() has run: before it there is nothing to keep up to date.
    bool calculated() const { return calculated_; }
    // Whether a refused change is waiting: the results are those of the model before it.
    bool behind() const { return behind_; }

    // Torsional regularity of every storey (always current after update()); modes absent.
    const SeismicResults& regularity() const { return seismic_; }
    // Regularity and modes, the modes computed now if the last update left them out.
    const SeismicResults& seismic(const Model& model, const AnalysisResults& results);

    // What the updates did so far, for the tests and the benchmark.
    struct Statistics {
        int fullCalculations = 0;
        int globalResums = 0;   // global matrix summed again for drift or loads
        int rittiCondensed = 0; // ritto matrices condensed again, one per direction
        int familiesResummed = 0;
        int storeysReassembled = 0; // load edits that summed again only the storeys they moved
    };
    Statistics statistics() const;
    // The share of the largest term that the rounding of the updates may reach before a sum is
    // made again (RoundingDrift::defaultBudget; the tests lower it to exercise the sums).
    void setDriftBudget(double budget);

private:
    LiveUpdate apply(const Model& model, AnalysisResults& results, const ModelChange& change,
                     Asker& asker);
    bool refuse(const Model& model, const ModelChange& change, Asker& asker);
    LiveUpdate recalculate(const Model& model, AnalysisResults& results, const ModelChange& change,
                           Asker& asker);
    static bool matchesSizes(const Model& model, const AnalysisResults& results);
    bool updateRitti(const Model& model, AnalysisResults& results, const ModelChange& change,
                     bool reassembleAfter);
    bool replaceNode(const Model& model, AnalysisResults& results, int node, bool updateGlobal);
    void refreshRegularity(const Model& model, const AnalysisResults& results);
    void movedStoreys(const Model& model);
    void rememberLoads(const Model& model);

    SeismicResults seismic_;
    bool calculated_ = false;
    bool modesCurrent_ = false;
    // A stage of the last full calculation stopped on an error that only a full calculation
    // reproduces: every structural change runs one.
    bool needsFullCalculation_ = false;
    // A refused change, merged with those that came after it.
    bool behind_ = false;
    ModelChange pending_;
    std::array<LiveCentres, 2> centres_; // orthogonalToY, orthogonalToX
    RoundingDrift globalDrift_;
    Statistics statistics_;

    // Working storage kept between updates.
    detail::RittoCondenser condenser_{0};
    TouchedRitti touched_;
    ModelChange trial_;
    ModelChange all_;
    std::vector<int> nodes_;
    std::vector<double> oldRows_;
    std::vector<double> oldMatrix_;
    std::vector<double> arms_;
    std::vector<double> assembledLoads_; // xG, yG, ρ of each storey at the last assembly
    std::vector<int> moved_;

    LiveCentres& centres(Direction d) { return centres_[d == Direction::orthogonalToX ? 1 : 0]; }
};

} // namespace orvanta
