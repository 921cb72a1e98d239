#pragma once

// A stand-in for the main window when a single child window is tested: it holds a project
// session with scripted message boxes and file dialogs, and records which windows the child
// asked to open or close and which changes its edits made, without opening any.

#include "child_host.h"
#include "scripted_interaction.h"

#include <QStringList>
#include <vector>

namespace orvanta::testing {

class RecordingChildHost : public ChildHost, private DocumentObserver {
public:
    RecordingChildHost() { document_.addObserver(*this); }

    ProjectSession& session() override { return session_; }
    ProjectDocument& document() override { return document_; }
    Asker& asker() override { return asker_; }
    QWidget* openChild(const QString& name) override {
        opened << name;
        return nullptr;
    }
    void closeChild(const QString& name) override { closed << name; }
    bool saveProject() override { return session_.save(); }
    void documentChanged(const ModelChange& change) override {
        changes.push_back(projectChangeOf(change));
    }

    Model& model() { return session_.model(); }
    const std::vector<Message>& messages() const { return asker_.messages; }
    // Answers for the coming Yes/No questions; Yes once they run out.
    void answer(std::initializer_list<Answer> answers) { asker_.answer(answers); }

    QStringList opened;
    QStringList closed;
    std::vector<ProjectChange> changes;

private:
    ScriptedAsker asker_;
    ScriptedFileChooser chooser_;
    ProjectSession session_{asker_, chooser_};
    ProjectDocument document_{session_.model()};
};

} // namespace orvanta::testing
