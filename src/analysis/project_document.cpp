#include "project_document.h"

#include "calculation.h"

#include <algorithm>

namespace orvanta {

Edit modelEdit(std::string caption, std::function<void(Model& model)> action) {
    return {std::move(caption),
            [action = std::move(action)](Model& model, AnalysisResults&) { action(model); }};
}

bool ProjectDocument::resultsCurrent() const {
    return resultsMatch(model_, results_);
}

ModelChange ProjectDocument::apply(const Edit& edit) {
    const EditSnapshot before = EditSnapshot::of(model_, results_);
    try {
        edit.action(model_, results_);
    } catch (...) {
        EditRecord::between(before, model_, results_).undo(model_, results_);
        throw;
    }
    EditRecord record = EditRecord::between(before, model_, results_);
    if (record.empty())
        return {};
    ModelChange change = record.change();
    undo_.push_back({edit.caption, std::move(record)});
    if (undo_.size() > historyLimit)
        undo_.erase(undo_.begin());
    redo_.clear();
    notify(change);
    return change;
}

const std::string& ProjectDocument::undoCaption() const {
    static const std::string none;
    return undo_.empty() ? none : undo_.back().caption;
}

const std::string& ProjectDocument::redoCaption() const {
    static const std::string none;
    return redo_.empty() ? none : redo_.back().caption;
}

ModelChange ProjectDocument::undo() {
    if (undo_.empty())
        return {};
    Step step = std::move(undo_.back());
    undo_.pop_back();
    step.record.undo(model_, results_);
    ModelChange change = step.record.change();
    redo_.push_back(std::move(step));
    notify(change);
    return change;
}

ModelChange ProjectDocument::redo() {
    if (redo_.empty())
        return {};
    Step step = std::move(redo_.back());
    redo_.pop_back();
    step.record.redo(model_, results_);
    ModelChange change = step.record.change();
    undo_.push_back(std::move(step));
    notify(change);
    return change;
}

void ProjectDocument::reset() {
    results_ = AnalysisResults{};
    clearHistory();
}

void ProjectDocument::clearHistory() {
    undo_.clear();
    redo_.clear();
}

void ProjectDocument::addObserver(DocumentObserver& observer) {
    if (std::find(observers_.begin(), observers_.end(), &observer) == observers_.end())
        observers_.push_back(&observer);
}

void ProjectDocument::removeObserver(DocumentObserver& observer) {
    std::erase(observers_, &observer);
}

// An observer may unregister itself or another one while it is told (a window that closes):
// only those still registered are told.
void ProjectDocument::notify(const ModelChange& change) {
    const std::vector<DocumentObserver*> told = observers_;
    for (DocumentObserver* observer : told) {
        if (std::find(observers_.begin(), observers_.end(), observer) != observers_.end())
            observer->documentChanged(change);
    }
}

} // namespace orvanta
