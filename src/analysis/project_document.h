#pragma once

// The one place where the project changes. Every change of the model or of the families, from
// any window or the batch tool, is an Edit given to ProjectDocument::apply: the document runs
// it, records what it changed (edit_record.h), keeps it in the undo history and tells every
// registered observer what changed. Nothing else notifies: a window that edits never tells its
// siblings, it only applies the edit.
//
// The document sits in the analysis library because the families it edits live in the analysis
// results; it owns the results and refers to the model, which the project session owns and
// replaces when a project is opened.
//
// Undo and redo step through the history; each entry is named by its edit's caption, so the
// menu can say "Annulla Applica a tutti i piani". A bulk entry or "Elimina Tutto" is one edit,
// hence one step. New, Open and Close start an empty history (reset).
//
// The results carry the structure fingerprint of the model they were computed from
// (AnalysisResults::computedFrom): resultsCurrent() says whether they still describe the model,
// which an undo back to the calculated model makes true again.

#include "analysis_results.h"
#include "edit_record.h"
#include "model.h"
#include "model_change.h"

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace orvanta {

// An edit: its name in the Modifica menu and what it does. The action may change the model and
// the families as it likes, or nothing at all (a refused entry): only what differs afterwards is
// recorded.
struct Edit {
    std::string caption;
    std::function<void(Model& model, AnalysisResults& results)> action;
};

// An edit of the model alone.
Edit modelEdit(std::string caption, std::function<void(Model& model)> action);

class DocumentObserver {
public:
    virtual ~DocumentObserver() = default;
    // Called after every applied, undone or redone edit that changed something.
    virtual void documentChanged(const ModelChange& change) = 0;
};

class ProjectDocument {
public:
    // Enough for a long session of entries; the oldest steps go first.
    static constexpr std::size_t historyLimit = 500;

    explicit ProjectDocument(Model& model) : model_(model) {}
    ProjectDocument(const ProjectDocument&) = delete;
    ProjectDocument& operator=(const ProjectDocument&) = delete;

    const Model& model() const { return model_; }
    // The results of the last "Calcola Matrici" and what the views derived from them. The
    // calculation writes them directly; families change only through edits.
    AnalysisResults& results() { return results_; }
    const AnalysisResults& results() const { return results_; }
    // Whether the results were computed from the model as it is now.
    bool resultsCurrent() const;

    // Runs the edit, records it and tells the observers. Returns what changed: empty when the
    // edit changed nothing, which leaves the history as it was. An exception from the action
    // (out of memory) leaves the project as it was before the edit and goes on to the caller.
    ModelChange apply(const Edit& edit);

    bool canUndo() const { return !undo_.empty(); }
    bool canRedo() const { return !redo_.empty(); }
    // The caption of the edit Undo (Redo) would take back (do again); empty when there is none.
    const std::string& undoCaption() const;
    const std::string& redoCaption() const;
    // Takes back the last edit, or does again the last one taken back; nothing when there is
    // none. Returns what changed.
    ModelChange undo();
    ModelChange redo();

    // A project was created, opened or closed: no results and an empty history.
    void reset();
    // Forgets the history and keeps the results (the batch tool's edits).
    void clearHistory();

    // Observers are told in the order they registered; one registered twice is told once.
    void addObserver(DocumentObserver& observer);
    void removeObserver(DocumentObserver& observer);

private:
    struct Step {
        std::string caption;
        EditRecord record;
    };

    void notify(const ModelChange& change);

    Model& model_;
    AnalysisResults results_;
    std::vector<Step> undo_;
    std::vector<Step> redo_;
    std::vector<DocumentObserver*> observers_;
};

} // namespace orvanta
