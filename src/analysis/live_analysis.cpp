#include "live_analysis.h"

#include "concrete.h"
#include "global_stiffness.h"
#include "model_check.h"
#include "ritto_contribution.h"
#include "ritto_elements.h"
#include "seismic_response.h"

#include <algorithm>
#include <iterator>

namespace orvanta {

namespace {

// The seismic response states what it cannot compute in its results, which the views show;
// while the results follow the edits it does not interrupt them with a message box.
class QuietAsker : public Asker {
public:
    Answer ask(const Message& message) override {
        return message.buttons == MessageButtons::YesNo ? Answer::Yes : Answer::Ok;
    }
};

// A full calculation is faster than condensing this share of the ritti one by one.
constexpr int fullCalculationShare = 4;
// On a small building, replacing every ritto costs less than any full calculation.
constexpr std::size_t alwaysIncremental = 64;

const char* const refusalTitle = "Risultati non aggiornati";

bool stoppedInCondensation(const CalculationReport& report) {
    for (const CalculationStage stage : report.incomplete) {
        if (stage != CalculationStage::globalStiffness)
            return true;
    }
    return false;
}

} // namespace

CalculationReport LiveAnalysis::calculate(const Model& model, AnalysisResults& results,
                                          Asker& asker, const ProgressCallback& progress) {
    behind_ = false;
    pending_ = ModelChange{};
    const CalculationReport report = runCalculation(model, results, asker, progress);
    ++statistics_.fullCalculations;
    needsFullCalculation_ = stoppedInCondensation(report);
    const int s = model.counts.nStoreys;
    condenser_ = detail::RittoCondenser(s);
    oldRows_.assign(static_cast<std::size_t>(2 * 3 * s * 5), 0.0);
    oldMatrix_.assign(static_cast<std::size_t>(s) * static_cast<std::size_t>(s), 0.0);
    globalDrift_.reset();
    rememberLoads(model);
    for (const Direction d : bothDirections)
        centres(d).rebuild(model, results, d);
    refreshRegularity(model, results);
    calculated_ = true;
    return report;
}

LiveUpdate LiveAnalysis::recalculate(const Model& model, AnalysisResults& results,
                                     const ModelChange& change, Asker& asker) {
    const ModelCheck check = checkModel(model);
    if (!check.passed()) {
        asker.ask(modelCheckMessage(check, refusalTitle));
        pending_ = change;
        behind_ = true;
        if (change.members.empty() || needsFullCalculation_)
            return LiveUpdate::refused;
        // Ritti of this change may have been updated already: the results match no model.
        *this = LiveAnalysis{};
        results = AnalysisResults{};
        return LiveUpdate::refused;
    }
    std::array<Array1<std::int16_t>, 2> families;
    std::array<std::int16_t, 2> counts{};
    for (const Direction d : bothDirections) {
        const auto at = static_cast<std::size_t>(d == Direction::orthogonalToX);
        families[at] = results[d].family;
        counts[at] = results[d].familyCount;
    }
    const int nodes = model.sizes().nodes;
    calculate(model, results, asker);
    for (const Direction d : bothDirections) {
        const auto at = static_cast<std::size_t>(d == Direction::orthogonalToX);
        if (families[at].upper() != nodes || families[at].empty())
            continue; // the ritti were numbered anew: every ritto stays in family 1
        results[d].family = std::move(families[at]);
        results[d].familyCount = counts[at];
        centres(d).rebuild(model, results, d);
    }
    return LiveUpdate::full;
}

// Says which members of the change the model check refuses, if any.
bool LiveAnalysis::refuse(const Model& model, const ModelChange& change, Asker& asker) {
    constexpr std::size_t shown = 5;
    std::vector<std::string> lines;
    std::size_t refused = 0;
    for (const MemberRef& m : change.members) {
        if (const std::optional<ModelProblem> problem = memberProblemAt(model, m.storey, m.slot)) {
            if (++refused <= shown)
                lines.push_back(describeProblem(*problem));
        }
    }
    if (refused == 0)
        return false;
    if (refused > shown)
        lines.push_back("e altri " + std::to_string(refused - shown) + " elementi");
    lines.insert(lines.begin(), "I risultati non seguono la modifica:");
    lines.push_back("restano quelli del modello precedente finché i dati non sono corretti.");
    asker.tell(std::move(lines), refusalTitle, MessageIcon::Exclamation);
    return true;
}

bool LiveAnalysis::matchesSizes(const Model& model, const AnalysisResults& results) {
    const int s = model.counts.nStoreys;
    const int nodes = model.sizes().nodes;
    return static_cast<int>(results.ritStoreys.size()) == nodes &&
           results.globalStiffness.upper(1) == 3 * s &&
           results[Direction::orthogonalToX].ritElements.hasBounds(1, nodes, 1, 3 * s, 1,
                                                                   bar::values) &&
           results[Direction::orthogonalToY].ritMatrix.hasBounds(1, nodes, 1, s, 1, s);
}

LiveUpdate LiveAnalysis::update(const Model& model, AnalysisResults& results,
                                const ModelChange& change, Asker& asker) {
    if (!calculated_)
        return LiveUpdate::nothing;
    all_ = change; // kept between updates, so that its storage is too
    if (behind_)
        all_.merge(pending_);
    if (all_.empty())
        return LiveUpdate::nothing;
    if (refuse(model, all_, asker)) {
        pending_ = all_;
        behind_ = true;
        return LiveUpdate::refused;
    }
    behind_ = false;
    pending_ = ModelChange{};
    return apply(model, results, all_, asker);
}

LiveUpdate LiveAnalysis::apply(const Model& model, AnalysisResults& results,
                               const ModelChange& change, Asker& asker) {
    if (change.grid || !matchesSizes(model, results))
        return recalculate(model, results, change, asker);
    LiveUpdate outcome = LiveUpdate::nothing;
    bool globalChanged = false;
    if (!change.members.empty()) {
        if (needsFullCalculation_ || !updateRitti(model, results, change, change.loadResults))
            return recalculate(model, results, change, asker);
        outcome = LiveUpdate::incremental;
        globalChanged = true;
    }
    if (change.loadResults) {
        // A slab moves the centre of mass of its own storey only (the loads it adds below
        // enter those storeys' columns from above): the terms of that storey are summed again.
        movedStoreys(model);
        const bool few = moved_.size() == 1 ||
                         (!moved_.empty() && moved_.size() * fullCalculationShare <=
                                                 static_cast<std::size_t>(model.counts.nStoreys));
        if (change.members.empty() && few) {
            reassembleStoreys(model, results, moved_);
            ++statistics_.storeysReassembled;
        } else if (!moved_.empty() || !change.members.empty()) {
            assembleGlobalStiffness(model, results, asker);
            globalDrift_.reset();
            ++statistics_.globalResums;
        }
        rememberLoads(model);
        globalChanged = true;
        if (outcome == LiveUpdate::nothing)
            outcome = LiveUpdate::reassembled;
    }
    for (const Direction d : bothDirections) {
        if (d == Direction::orthogonalToX ? change.familiesX : change.familiesY) {
            centres(d).rebuild(model, results, d);
            if (outcome == LiveUpdate::nothing)
                outcome = LiveUpdate::centres;
        }
    }
    if (globalChanged || change.settings) {
        refreshRegularity(model, results);
        if (outcome == LiveUpdate::nothing)
            outcome = LiveUpdate::seismic;
    }
    return outcome;
}

LiveUpdate LiveAnalysis::trySection(Model& model, AnalysisResults& results, const MemberRef& column,
                                    const ColumnSection& section, Asker& asker) {
    setColumnSection(model, column.storey, column.slot, section);
    trial_.members.assign(1, column);
    return update(model, results, trial_, asker);
}

bool LiveAnalysis::updateRitti(const Model& model, AnalysisResults& results,
                               const ModelChange& change, bool reassembleAfter) {
    touched_.clear();
    for (const MemberRef& member : change.members)
        addTouchedRitti(model, member, touched_);
    touched_.sort();
    nodes_.clear();
    std::set_union(touched_.orthogonalToX.begin(), touched_.orthogonalToX.end(),
                   touched_.orthogonalToY.begin(), touched_.orthogonalToY.end(),
                   std::back_inserter(nodes_));
    const std::size_t allNodes = results.ritStoreys.size();
    if (nodes_.size() > alwaysIncremental && nodes_.size() > allNodes / fullCalculationShare)
        return false;

    Array2<double>& global = results.globalStiffness;
    const bool updateGlobal = !reassembleAfter;
    const double largestBefore = updateGlobal ? largestMagnitude(global.values()) : 0;
    const int condensedBefore = statistics_.rittiCondensed;
    for (const int node : nodes_) {
        if (!replaceNode(model, results, node, updateGlobal))
            return false;
    }
    const int replaced = statistics_.rittiCondensed - condensedBefore;
    if (updateGlobal && replaced > 0) {
        const int s = model.counts.nStoreys;
        mirrorRotationCoupling(global, s);
        const double largestAfter = largestMagnitude(global.values());
        // Between the ritti of one edit the sum holds some old and some new contributions:
        // bounded by the sum of the largest terms before and after.
        globalDrift_.record(2 * std::max(largestBefore, largestAfter), replaced);
        if (globalDrift_.exceeded(largestAfter)) {
            QuietAsker quiet; // its messages were given by the full calculation
            assembleGlobalStiffness(model, results, quiet);
            globalDrift_.reset();
            ++statistics_.globalResums;
        }
    }
    for (const Direction d : bothDirections)
        centres(d).refresh(model, results);
    return true;
}

bool LiveAnalysis::replaceNode(const Model& model, AnalysisResults& results, int node,
                               bool updateGlobal) {
    const int s = model.counts.nStoreys;
    const auto tableSize = static_cast<std::size_t>(3 * s * bar::values);
    const int oldHeight = results.ritStoreys(node);
    for (const Direction d : bothDirections) {
        const std::span<const double> rows = results[d].ritElements.block(node);
        const std::size_t at = d == Direction::orthogonalToX ? 0 : tableSize;
        std::copy(rows.begin(), rows.end(), oldRows_.begin() + static_cast<std::ptrdiff_t>(at));
    }
    if (rebuildRittoElements(model, results, node) != 0)
        return false; // a half-beam of zero length: the full calculation says so
    const int newHeight = results.ritStoreys(node);

    for (const Direction d : bothDirections) {
        const std::span<double> rows = results[d].ritElements.block(node);
        const std::size_t at = d == Direction::orthogonalToX ? 0 : tableSize;
        if (newHeight == oldHeight &&
            std::equal(rows.begin(), rows.end(),
                       oldRows_.begin() + static_cast<std::ptrdiff_t>(at)))
            continue;
        const std::span<double> matrix = results[d].ritMatrix.block(node);
        std::copy(matrix.begin(), matrix.end(), oldMatrix_.begin());
        Array2<double>& global = results.globalStiffness;
        if (updateGlobal)
            addRittoContribution(model, d, node, oldMatrix_.data(), oldHeight, -1, global, arms_);
        if (newHeight > 0) {
            if (!condenser_.condense(rows.data(), newHeight, matrix.data(), s))
                return false; // a zero pivot: the full calculation says so
            detail::RittoCondenser::finishOutput();
        } else {
            std::fill(matrix.begin(), matrix.end(), 0.0);
        }
        if (updateGlobal)
            addRittoContribution(model, d, node, matrix.data(), newHeight, 1, global, arms_);
        centres(d).replace(results, node, oldMatrix_.data(), oldHeight);
        ++statistics_.rittiCondensed;
    }
    return true;
}

// The storeys whose centre of mass or radius of gyration differs from those of the last
// assembly, into moved_; a storey whose radius is not positive counts as every storey, so that
// the whole assembly reports it.
void LiveAnalysis::movedStoreys(const Model& model) {
    moved_.clear();
    const int s = model.counts.nStoreys;
    if (assembledLoads_.size() != static_cast<std::size_t>(3 * s)) {
        for (int k = 1; k <= s; ++k)
            moved_.push_back(k);
        return;
    }
    for (int k = 1; k <= s; ++k) {
        const double* was = &assembledLoads_[static_cast<std::size_t>(3 * (k - 1))];
        if (was[0] != model.massCentre(k, 1) || was[1] != model.massCentre(k, 2) ||
            was[2] != model.gyrationRadius(k))
            moved_.push_back(k);
        if (!(model.gyrationRadius(k) > 0)) {
            moved_.assign(static_cast<std::size_t>(s), 0);
            for (int j = 1; j <= s; ++j)
                moved_[static_cast<std::size_t>(j - 1)] = j;
            return;
        }
    }
}

void LiveAnalysis::rememberLoads(const Model& model) {
    const int s = model.counts.nStoreys;
    assembledLoads_.resize(static_cast<std::size_t>(3 * s));
    for (int k = 1; k <= s; ++k) {
        double* at = &assembledLoads_[static_cast<std::size_t>(3 * (k - 1))];
        at[0] = model.massCentre(k, 1);
        at[1] = model.massCentre(k, 2);
        at[2] = model.gyrationRadius(k);
    }
}

void LiveAnalysis::refreshRegularity(const Model& model, const AnalysisResults& results) {
    QuietAsker quiet;
    seismic_ = computeSeismicResponse(model, results.globalStiffness, projectConcreteClass(model),
                                      quiet, SeismicParts::regularityOnly);
    modesCurrent_ = false;
}

const SeismicResults& LiveAnalysis::seismic(const Model& model, const AnalysisResults& results) {
    if (!modesCurrent_) {
        QuietAsker quiet;
        seismic_ = computeSeismicResponse(model, results.globalStiffness,
                                          projectConcreteClass(model), quiet);
        modesCurrent_ = true;
    }
    return seismic_;
}

LiveAnalysis::Statistics LiveAnalysis::statistics() const {
    Statistics s = statistics_;
    s.familiesResummed = centres_[0].familiesResummed() + centres_[1].familiesResummed();
    return s;
}

void LiveAnalysis::setDriftBudget(double budget) {
    globalDrift_.setBudget(budget);
    for (LiveCentres& c : centres_)
        c.setDriftBudget(budget);
}

} // namespace orvanta
