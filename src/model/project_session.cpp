#include "project_session.h"

#include "grid_entry.h"
#include "input_phase.h"
#include "project_file.h"

#include <cctype>
#include <filesystem>

namespace orvanta {

namespace {

// Saving during the first input of a building: in its grid, geometry or loads phase, with the
// building not complete yet (or complete only as zeros from a file saved during its input). The
// same editors opened on a building whose input is over change it, and record no phase.
bool duringFirstInput(const Model& model, const std::string& phase) {
    return resumablePhase(phase) &&
           (!model.hasCompleteArrays() || !savedInputPhase(model.settings).empty());
}

bool endsWithProjectExtension(const std::string& path) {
    if (path.size() < 4)
        return false;
    std::string extension = path.substr(path.size() - 4);
    for (char& ch : extension)
        ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    return extension == ".orv";
}

} // namespace

void splitProjectPath(const std::string& path, std::string& folder, std::string& name) {
    const std::size_t separator = path.find_last_of("/\\");
    if (separator == std::string::npos) {
        folder = path;
        return;
    }
    folder = path.substr(0, separator);
    name = path.substr(separator + 1);
    if (endsWithProjectExtension(name))
        name.resize(name.size() - 4);
}

std::string ProjectSession::siblingFile(const std::string& extension) const {
    if (!projectHasFile_)
        return {};
    return (std::filesystem::path(projectFolder_) / (projectName_ + extension)).string();
}

ProjectSession::ProjectSession(Asker& asker, FileChooser& chooser, SessionObserver* observer)
    : asker_(asker), chooser_(chooser), observer_(observer ? observer : &noObserver_) {}

bool ProjectSession::refuseSecondProject() {
    if (!projectOpen_)
        return false;
    asker_.tell({"E' possibile aprire un solo documento alla volta",
                 "Chiudere il progetto corrente prima di procedere"},
                "Impossibile aprire un nuovo progetto", MessageIcon::Information);
    return true;
}

void ProjectSession::newProject() {
    if (refuseSecondProject())
        return;
    model_.coordX = Array1<double>(1, 200);
    model_.coordY = Array1<double>(1, 200);
    model_.levelZ = Array1<double>(1, 100);
    projectOpen_ = true;
    resumedPhase_.clear();
    observer_->openGridEditor();
}

bool ProjectSession::open() {
    if (refuseSecondProject())
        return false;
    const std::optional<std::string> path =
        chooser_.chooseFileToOpen(openDialogTitle, projectFilter);
    if (!path)
        return false;
    if (path->empty()) {
        asker_.tell({"Non è stato inserito nessun file di input",
                     "Impossibile aprire il progetto richiesto"},
                    "Impossibile aprire un nuovo progetto", MessageIcon::Information);
        return false;
    }
    return readInto(*path);
}

bool ProjectSession::openFile(const std::string& path) {
    if (refuseSecondProject())
        return false;
    return readInto(path);
}

bool ProjectSession::readInto(const std::string& path) {
    ProjectReadResult result = readProjectFile(path, progress_);
    if (!result.model) {
        asker_.tell({"Il file \"" + printable(path) + "\" non può essere aperto:", result.error},
                    "Impossibile aprire il progetto", MessageIcon::Information);
        return false;
    }
    model_ = std::move(*result.model);
    projectOpen_ = true;
    adoptFileName(path);
    currentPhase_.clear();
    resumedPhase_ = savedInputPhase(model_.settings);
    if (resumedPhase_.empty())
        observer_->enableAnalysisMenu();
    else
        observer_->resumeInput(resumedPhase_);
    return true;
}

void ProjectSession::close() {
    if (!projectOpen_) {
        asker_.tell({"Non ci sono documenti da chiudere", "Nessun progetto è aperto al momento"},
                    "Impossibile chiudere il progetto", MessageIcon::Information);
        return;
    }
    projectOpen_ = false;
    clearModelForPhase();
    projectHasFile_ = false;
    observer_->projectClosed(currentPhase_);
    currentPhase_.clear();
    resumedPhase_.clear();
}

// The input phases own the model they are editing; a project closed from a result view keeps
// its data until the next New or Open replaces it.
void ProjectSession::clearModelForPhase() {
    const bool gridOrGeometry = currentPhase_ == phase::grid || currentPhase_ == phase::geometry;
    const bool loadsOrSections = currentPhase_ == phase::loads || currentPhase_ == phase::sections;
    if (!gridOrGeometry && !loadsOrSections)
        return;
    model_.drawMax = Array1<float>(0, 2);
    model_.counts = Counts{};
    model_.members = {};
    model_.levelZ = {};
    model_.coordY = {};
    model_.coordX = {};
    if (loadsOrSections) {
        model_.massCentre = {};
        model_.beamLoads = {};
        model_.slabs = {};
    }
}

bool ProjectSession::save() {
    if (!projectOpen_) {
        asker_.tell({"Non ci sono documenti da salvare", "Nessun progetto è aperto al momento"},
                    "Impossibile salvare il progetto", MessageIcon::Information);
        return false;
    }
    if (!projectHasFile_)
        return saveAs();
    if (fileName_.empty())
        return false;
    if (!writeTo(fileName_))
        return false;
    // A project resumed during its input gets the Analisi menu when it is saved with its input
    // over, at "FINE FASE DI INPUT".
    if (!duringFirstInput(model_, currentPhase_))
        observer_->enableAnalysisMenu();
    return true;
}

bool ProjectSession::saveAs() {
    if (!projectOpen_) {
        asker_.tell({"Non ci sono documenti da salvare", "Nessun progetto è aperto al momento"},
                    "Impossibile salvare il progetto", MessageIcon::Information);
        return false;
    }
    const std::optional<std::string> chosen =
        chooser_.chooseFileToSave(saveDialogTitle, projectFilter);
    if (!chosen || chosen->empty())
        return false;
    const std::string path = endsWithProjectExtension(*chosen) ? *chosen : *chosen + ".orv";

    // The new name holds only once the file is written: a failed Save As leaves the project
    // under its previous name, still unsaved.
    const FileIdentity previous = identity();
    adoptFileName(path);
    if (!writeTo(path)) {
        restore(previous);
        return false;
    }
    observer_->enableAnalysisMenu();
    return true;
}

// The settings say in which input phase the project was saved; a grid being entered is written
// in the layout of the file, its extra nodes behind its lines.
bool ProjectSession::writeTo(const std::string& path) {
    const bool duringInput = duringFirstInput(model_, currentPhase_);
    recordInputPhase(model_.settings, duringInput ? currentPhase_ : std::string());
    const std::string error = duringInput && currentPhase_ == phase::grid
                                  ? writeProjectFile(gridAsSaved(model_), path, progress_)
                                  : writeProjectFile(model_, path, progress_);
    if (error.empty())
        return true;
    asker_.tell({"Il file \"" + printable(path) + "\" non è stato salvato:", error},
                "Impossibile salvare il progetto", MessageIcon::Critical);
    return false;
}

void ProjectSession::adoptFileName(const std::string& path) {
    splitProjectPath(path, projectFolder_, projectName_);
    projectHasFile_ = true;
    fileName_ = path;
}

ProjectSession::FileIdentity ProjectSession::identity() const {
    return {projectHasFile_, projectFolder_, projectName_, fileName_};
}

void ProjectSession::restore(const FileIdentity& identity) {
    projectHasFile_ = identity.hasFile;
    projectFolder_ = identity.folder;
    projectName_ = identity.name;
    fileName_ = identity.fileName;
}

} // namespace orvanta
