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

CalculationReport LiveAnalysis::calculate(const Model& model, Asker& asker,
                                          const ProgressCallback& progress) {
    behind_ = false;
    pending_ = ModelChange{};
    const CalculationReport report = runCalculation(model, results_, asker, progress);
    ++statistics_.fullCalculations;
    needsFullCalculation_ = stoppedInCondensation(report);
    const int s = model.counts.nStoreys;
    condenser_ = detail::RittoCondenser(s);
    oldRows_.assign(static_cast<std::size_t>(2 * 3 * s * 5), 0.0);
    oldMatrix_.assign(static_cast<std::size_t>(s) * static_cast<std::size_t>(s), 0.0);
    globalDrift_.reset();
    for (const Direction d : bothDirections)
        centres(d).rebuild(model, results_, d);
    refreshRegularity(model);
    calculated_ = true;
    return report;
}

LiveUpdate LiveAnalysis::recalculate(const Model& model, const ModelChange& change, Asker& asker) {
    const ModelCheck check = checkModel(model);
    if (!check.passed()) {
        asker.ask(modelCheckMessage(check, refusalTitle));
        pending_ = change;
        behind_ = true;
        if (change.members.empty() || needsFullCalculation_)
            return LiveUpdate::refused;
        // Ritti of this change may have been updated already: the results match no model.
        *this = LiveAnalysis{};
        return LiveUpdate::refused;
    }
    std::array<Array1<std::int16_t>, 2> families;
    std::array<std::int16_t, 2> counts{};
    for (const Direction d : bothDirections) {
        const auto at = static_cast<std::size_t>(d == Direction::orthogonalToX);
        families[at] = results_[d].family;
        counts[at] = results_[d].familyCount;
    }
    const int nodes = model.sizes().nodes;
    calculate(model, asker);
    for (const Direction d : bothDirections) {
        const auto at = static_cast<std::size_t>(d == Direction::orthogonalToX);
        if (families[at].upper() != nodes || families[at].empty())
            continue; // the ritti were numbered anew: every ritto stays in family 1
        results_[d].family = std::move(families[at]);
        results_[d].familyCount = counts[at];
        centres(d).rebuild(model, results_, d);
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

bool LiveAnalysis::matchesSizes(const Model& model) const {
    const int s = model.counts.nStoreys;
    const int nodes = model.sizes().nodes;
    return static_cast<int>(results_.ritStoreys.size()) == nodes &&
           results_.globalStiffness.upper(1) == 3 * s &&
           results_[Direction::orthogonalToX].ritElements.hasBounds(1, nodes, 1, 3 * s, 1,
                                                                    bar::values) &&
           results_[Direction::orthogonalToY].ritMatrix.hasBounds(1, nodes, 1, s, 1, s);
}

LiveUpdate LiveAnalysis::update(const Model& model, const ModelChange& change, Asker& asker) {
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
    return apply(model, all_, asker);
}

LiveUpdate LiveAnalysis::apply(const Model& model, const ModelChange& change, Asker& asker) {
    if (change.grid || !matchesSizes(model))
        return recalculate(model, change, asker);
    LiveUpdate outcome = LiveUpdate::nothing;
    bool globalChanged = false;
    if (!change.members.empty()) {
        if (needsFullCalculation_ || !updateRitti(model, change, change.loadResults))
            return recalculate(model, change, asker);
        outcome = LiveUpdate::incremental;
        globalChanged = true;
    }
    if (change.loadResults) {
        assembleGlobalStiffness(model, results_, asker);
        globalDrift_.reset();
        ++statistics_.globalResums;
        globalChanged = true;
        if (outcome == LiveUpdate::nothing)
            outcome = LiveUpdate::reassembled;
    }
    for (const Direction d : bothDirections) {
        if (d == Direction::orthogonalToX ? change.familiesX : change.familiesY) {
            centres(d).rebuild(model, results_, d);
            if (outcome == LiveUpdate::nothing)
                outcome = LiveUpdate::centres;
        }
    }
    if (globalChanged || change.settings) {
        refreshRegularity(model);
        if (outcome == LiveUpdate::nothing)
            outcome = LiveUpdate::seismic;
    }
    return outcome;
}

LiveUpdate LiveAnalysis::trySection(Model& model, const MemberRef& column,
                                    const ColumnSection& section, Asker& asker) {
    setColumnSection(model, column.storey, column.slot, section);
    trial_.members.assign(1, column);
    return update(model, trial_, asker);
}

bool LiveAnalysis::updateRitti(const Model& model, const ModelChange& change,
                               bool reassembleAfter) {
    touched_.clear();
    for (const MemberRef& member : change.members)
        addTouchedRitti(model, member, touched_);
    touched_.sort();
    nodes_.clear();
    std::set_union(touched_.orthogonalToX.begin(), touched_.orthogonalToX.end(),
                   touched_.orthogonalToY.begin(), touched_.orthogonalToY.end(),
                   std::back_inserter(nodes_));
    const std::size_t allNodes = results_.ritStoreys.size();
    if (nodes_.size() > alwaysIncremental && nodes_.size() > allNodes / fullCalculationShare)
        return false;

    Array2<double>& global = results_.globalStiffness;
    const bool updateGlobal = !reassembleAfter;
    const double largestBefore = updateGlobal ? largestMagnitude(global.values()) : 0;
    const int condensedBefore = statistics_.rittiCondensed;
    for (const int node : nodes_) {
        if (!replaceNode(model, node, updateGlobal))
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
            assembleGlobalStiffness(model, results_, quiet);
            globalDrift_.reset();
            ++statistics_.globalResums;
        }
    }
    for (const Direction d : bothDirections)
        centres(d).refresh(model, results_);
    return true;
}

bool LiveAnalysis::replaceNode(const Model& model, int node, bool updateGlobal) {
    const int s = model.counts.nStoreys;
    const auto tableSize = static_cast<std::size_t>(3 * s * bar::values);
    const int oldHeight = results_.ritStoreys(node);
    for (const Direction d : bothDirections) {
        const std::span<const double> rows = results_[d].ritElements.block(node);
        const std::size_t at = d == Direction::orthogonalToX ? 0 : tableSize;
        std::copy(rows.begin(), rows.end(), oldRows_.begin() + static_cast<std::ptrdiff_t>(at));
    }
    if (rebuildRittoElements(model, results_, node) != 0)
        return false; // a half-beam of zero length: the full calculation says so
    const int newHeight = results_.ritStoreys(node);

    for (const Direction d : bothDirections) {
        const std::span<double> rows = results_[d].ritElements.block(node);
        const std::size_t at = d == Direction::orthogonalToX ? 0 : tableSize;
        if (newHeight == oldHeight &&
            std::equal(rows.begin(), rows.end(),
                       oldRows_.begin() + static_cast<std::ptrdiff_t>(at)))
            continue;
        const std::span<double> matrix = results_[d].ritMatrix.block(node);
        std::copy(matrix.begin(), matrix.end(), oldMatrix_.begin());
        Array2<double>& global = results_.globalStiffness;
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
        centres(d).replace(results_, node, oldMatrix_.data(), oldHeight);
        ++statistics_.rittiCondensed;
    }
    return true;
}

void LiveAnalysis::refreshRegularity(const Model& model) {
    QuietAsker quiet;
    seismic_ = computeSeismicResponse(model, results_.globalStiffness, projectConcreteClass(model),
                                      quiet, SeismicParts::regularityOnly);
    modesCurrent_ = false;
}

const SeismicResults& LiveAnalysis::seismic(const Model& model) {
    if (!modesCurrent_) {
        QuietAsker quiet;
        seismic_ = computeSeismicResponse(model, results_.globalStiffness,
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
