#pragma once

// How a child window of the main window (a phase editor or a result view) reaches what it
// works on: the project, the analysis results, the message boxes, its sibling windows and the
// File > Save command. The main window implements it; a window's tests can implement it with a
// bare session.
//
// A child window registers a factory with the main window under its name (see
// src/app/child_windows.cpp). The main window creates it inside its document area on first
// use and brings it forward afterwards. On loading, each phase window records its phase:
//     host.session().setCurrentPhase(phase::grid);
// and moving on to the next phase is
//     host.closeChild(childWindow::grid); host.openChild(childWindow::geometry);

#include "analysis_results.h"
#include "project_session.h"
#include "user_interaction.h"

#include <QString>
#include <functional>
#include <memory>

class QWidget;

namespace orvanta {

// Names of the child windows, also their objectNames.
namespace childWindow {
inline constexpr const char* grid = "frmGriglia";
inline constexpr const char* geometry = "frmGeometria";
inline constexpr const char* loads = "frmCarichi";
inline constexpr const char* sections = "frmSezioni";
inline constexpr const char* familiesX = "frmFamiglieX";
inline constexpr const char* familiesY = "frmFamiglieY";
inline constexpr const char* centres = "frmCentri";
inline constexpr const char* matrix = "frmMatrice";
inline constexpr const char* elevation = "frmElevazione";
inline constexpr const char* report = "frmStampa";
} // namespace childWindow

class ChildHost {
public:
    virtual ~ChildHost() = default;

    // The project: model, file name and current phase.
    virtual ProjectSession& session() = 0;
    // The results of the last "Calcola Matrici", beside the model they were computed from.
    virtual AnalysisResults& results() = 0;
    // Message boxes.
    virtual Asker& asker() = 0;

    // Shows the named child window, creating it on first use; nothing when no window of that
    // name is registered (the main window then says so in its status bar).
    virtual QWidget* openChild(const QString& name) = 0;
    // Hides and unloads the named child window, when it is open.
    virtual void closeChild(const QString& name) = 0;
    // The File > Save command (Save As first for a project without a file name); true when
    // the file was written.
    virtual bool saveProject() = 0;
};

// Creates a child window; the main window puts it into its document area and owns it.
using ChildFactory = std::function<std::unique_ptr<QWidget>(ChildHost& host)>;
// Runs each time the window is asked for from the menu, before it is shown or brought forward
// (the centres view recomputes the centres of stiffness there).
using ChildPreparation = std::function<void(ChildHost& host)>;

} // namespace orvanta
