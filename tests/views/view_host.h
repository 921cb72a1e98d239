#pragma once

// A stand-in for the main window in the tests of the result views: it holds a project and its
// results, answers messages from a script, and records what the views ask of it (closing,
// telling the others of a change).

#include "calculation.h"
#include "child_host.h"
#include "scripted_interaction.h"
#include "test_paths.h"

#include <QLocale>
#include <QString>
#include <QWidget>
#include <filesystem>
#include <stdexcept>
#include <utility>
#include <vector>

namespace orvanta::testing {

class ViewHost : public ChildHost, private DocumentObserver {
public:
    ViewHost() : session_(asker_, chooser_) { document_.addObserver(*this); }

    // Opens a bundled example (or any project file) and runs "Calcola Matrici" on it.
    void openAndCalculate(const std::filesystem::path& project) {
        if (!session_.openFile(project.string()))
            throw std::runtime_error("cannot open " + project.string());
        calculate();
    }
    // Takes a model built in code, without a file, and runs "Calcola Matrici" on it.
    void useAndCalculate(Model model) {
        session_.model() = std::move(model);
        calculate();
    }
    void calculate() { runCalculation(session_.model(), document_.results(), asker_); }

    ProjectSession& session() override { return session_; }
    ProjectDocument& document() override { return document_; }
    Asker& asker() override { return asker_; }
    ScriptedAsker& messages() { return asker_; }
    QWidget* openChild(const QString&) override { return nullptr; }
    void closeChild(const QString& name) override { closed.push_back(name); }
    bool saveProject() override { return true; }
    void documentChanged(const ModelChange& change) override { changes.push_back(change); }

    std::vector<QString> closed;
    // What the edits of the views changed, as the document told it.
    std::vector<ModelChange> changes;

private:
    ScriptedAsker asker_;
    ScriptedFileChooser chooser_;
    ProjectSession session_;
    ProjectDocument document_{session_.model()};
};

// Numbers as an Italian user reads them, whatever the machine's language.
inline void useItalianNumbers() {
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
}

} // namespace orvanta::testing
