#pragma once

// The project commands of the File menu (New, Open, Close, Save, Save As) and the state they
// keep, without any window: messages go through an Asker, file names come from a FileChooser,
// and what the main window must do in response (open the grid editor, enable or disable menus,
// unload the window of the current phase) is signalled to a SessionObserver.

#include "model.h"
#include "progress.h"
#include "user_interaction.h"

#include <optional>
#include <string>

namespace orvanta {

// Names of the windows that record themselves as the current phase.
namespace phase {
inline constexpr const char* grid = "Griglia";
inline constexpr const char* geometry = "Geometria";
inline constexpr const char* loads = "Carichi";
inline constexpr const char* sections = "Sezioni";
inline constexpr const char* familiesX = "FamiglieX";
inline constexpr const char* familiesY = "FamiglieY";
inline constexpr const char* centres = "Centri";
inline constexpr const char* matrix = "Matrice";
inline constexpr const char* elevation = "Elevazione";
inline constexpr const char* regularity = "Regolarita";
} // namespace phase

inline constexpr const char* projectFilter = "File Orvanta (*.orv)";
inline constexpr const char* openDialogTitle = "Apri Progetto";
inline constexpr const char* saveDialogTitle = "Salva Progetto";

class SessionObserver {
public:
    virtual ~SessionObserver() = default;
    // New has allocated the editing arrays: the grid editor opens.
    virtual void openGridEditor() {}
    // A project was read, or Save As chose a file: the Analisi menu becomes available.
    virtual void enableAnalysisMenu() {}
    // Close ended the project that was in the given phase: the window of an input phase is
    // unloaded, and the Analisi, report and result-view menus are disabled.
    virtual void projectClosed(const std::string& /*phase*/) {}
    // A project saved in the middle of its input was read: the editor of its phase ("Griglia",
    // "Geometria", "Carichi") opens on it, and the Analisi menu waits for the input to end.
    virtual void resumeInput(const std::string& /*phase*/) {}
};

class ProjectSession {
public:
    ProjectSession(Asker& asker, FileChooser& chooser, SessionObserver* observer = nullptr);

    // New: refuses while a project is open; otherwise gives the grid its editing arrays
    // (200 lines per direction, 100 levels) and opens the grid editor.
    void newProject();
    // Open: asks for a file and reads it. The current model is replaced only when the whole
    // file was read; a file that cannot be read is reported and changes nothing.
    bool open();
    // Open of a file named by the caller (the command line, the batch tool), without a dialog.
    bool openFile(const std::string& path);
    // Close: ends the project; the model is cleared only when an input phase was current.
    void close();
    // Save: writes the model to the current file name, asking for one first when the project
    // has none. Returns whether the file was written. In the grid, geometry and loads phases the
    // file holds what was entered so far and the phase (input_phase.h); a project written with
    // its input over makes the Analisi menu available.
    bool save();
    // Save As: asks for a file name, then saves.
    bool saveAs();

    // Where Open and Save report their progress (nothing by default).
    void setProgress(ProgressCallback progress) { progress_ = std::move(progress); }

    Model& model() { return model_; }
    const Model& model() const { return model_; }

    bool projectOpen() const { return projectOpen_; }
    bool projectHasFile() const { return projectHasFile_; }
    const std::string& projectFolder() const { return projectFolder_; }
    const std::string& projectName() const { return projectName_; }
    // The file name the dialogs last chose: Save writes there.
    const std::string& fileName() const { return fileName_; }
    const std::string& currentPhase() const { return currentPhase_; }
    // The input phase the opened file was saved in, whose editor takes up the model as read;
    // empty for a new project and for one whose input was over.
    const std::string& resumedPhase() const { return resumedPhase_; }
    // The file beside the project file with the project's name and another extension:
    // projectFolder/projectName.bmp for ".bmp". Empty while the project has no file.
    std::string siblingFile(const std::string& extension) const;
    void setCurrentPhase(std::string name) { currentPhase_ = std::move(name); }

private:
    struct FileIdentity {
        bool hasFile = false;
        std::string folder;
        std::string name;
        std::string fileName;
    };

    bool refuseSecondProject();
    bool readInto(const std::string& path);
    bool writeTo(const std::string& path);
    void adoptFileName(const std::string& path);
    FileIdentity identity() const;
    void restore(const FileIdentity& identity);
    void clearModelForPhase();

    Asker& asker_;
    FileChooser& chooser_;
    SessionObserver* observer_;
    SessionObserver noObserver_;

    Model model_;
    bool projectOpen_ = false;
    bool projectHasFile_ = false;
    std::string projectFolder_;
    std::string projectName_;
    std::string fileName_;
    std::string currentPhase_;
    std::string resumedPhase_;
    ProgressCallback progress_;
};

// Splits a project file name into its folder and its name without the extension, at the last
// "/" or "\". Without a separator the folder takes the whole name and the name is left as it
// was. Only a ".orv" extension is removed.
void splitProjectPath(const std::string& path, std::string& folder, std::string& name);

} // namespace orvanta
