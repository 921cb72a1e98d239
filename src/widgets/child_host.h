#pragma once

// How a child window of the main window (a phase editor or a result view) reaches what it
// works on, and how the main window knows it.
//
// Every child window is one entry of the main window's table (src/app/child_windows.cpp): its
// name, the phase it records, its caption, the menu item that opens it and when that item is
// enabled, its factory and the preparation run before it opens. Adding a window is one entry
// there plus its class.
//
// A window reaches the project, the results, the message boxes and its sibling windows through
// ChildHost. Moving on to the next phase is
//     host.closeChild(childWindow::grid); host.openChild(childWindow::geometry);
// A window that changes the project tells the host (host.projectChanged(...)), which tells every
// other open window that implements ChildWindow: each refreshes itself from the project, or asks
// to be closed.

#include "analysis_results.h"
#include "project_session.h"
#include "user_interaction.h"

#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <string>

class QWidget;

namespace orvanta {

// Names of the child windows, also their objectNames.
namespace childWindow {
inline constexpr const char* grid = "frmGriglia";
inline constexpr const char* gridChanges = "frmModificaGriglia";
inline constexpr const char* geometry = "frmGeometria";
inline constexpr const char* loads = "frmCarichi";
inline constexpr const char* sections = "frmSezioni";
inline constexpr const char* familiesX = "frmFamiglieX";
inline constexpr const char* familiesY = "frmFamiglieY";
inline constexpr const char* centres = "frmCentri";
inline constexpr const char* matrix = "frmMatrice";
inline constexpr const char* elevation = "frmElevazione";
inline constexpr const char* regularity = "frmRegolarita";
inline constexpr const char* report = "frmStampa";
} // namespace childWindow

// What changed in the project while a window was open.
enum class ProjectChange {
    resultsRecomputed,  // "Calcola Matrici" ran again: every result may have a new size
    familiesReassigned, // a family count or a ritto's family changed
    modelEdited,        // an editor wrote into the model (sections, loads)
};

// What a window does about a change: it has refreshed itself, or it asks to be closed.
enum class Following { stayOpen, close };

// Implemented by the child windows that show the project (beside QWidget).
class ChildWindow {
public:
    virtual ~ChildWindow() = default;
    virtual Following follow(ProjectChange change) = 0;
};

class ChildHost {
public:
    virtual ~ChildHost() = default;

    // The project: model, file name and current phase.
    virtual ProjectSession& session() = 0;
    // The results of the last "Calcola Matrici", beside the model they were computed from.
    virtual AnalysisResults& results() = 0;
    // Message boxes.
    virtual Asker& asker() = 0;

    // Shows the named child window, creating it on first use; nothing when the window cannot
    // open (not built in this version, or its preparation refused).
    virtual QWidget* openChild(const QString& name) = 0;
    // Hides and unloads the named child window, when it is open.
    virtual void closeChild(const QString& name) = 0;
    // The File > Save command (Save As first for a project without a file name); true when
    // the file was written.
    virtual bool saveProject() = 0;
    // Tells every other open child window that the project changed.
    virtual void projectChanged(ProjectChange change, const QWidget* origin) = 0;

    // The save dialog with a title and a filter ("Documento PDF (*.pdf)"): the chosen path, or
    // nothing when the user cancels. A host without dialogs always cancels.
    virtual std::optional<std::string> chooseFileToSave(const std::string& /*title*/,
                                                        const std::string& /*filter*/) {
        return std::nullopt;
    }
    // Says in the status bar that a document was written (notice), with a button (openCaption,
    // "Apri la relazione") that opens the file in the desktop's viewer. A host without a status
    // bar says nothing.
    virtual void announceDocument(const QString& /*notice*/, const QString& /*openCaption*/,
                                  const QString& /*path*/) {}
    // Says something in the status bar for a while ("Carichi distribuiti di nuovo …"). A host
    // without a status bar says nothing.
    virtual void showStatus(const QString& /*text*/) {}
};

// Creates a child window; the main window puts it into its document area and owns it.
using ChildFactory = std::function<std::unique_ptr<QWidget>(ChildHost& host)>;
// Runs each time the window is asked for from the menu, before it is shown or brought forward
// (the centres view recomputes the centres of stiffness there). Returns false when the window
// must not open; the preparation has then told the user why.
using ChildPreparation = std::function<bool(ChildHost& host)>;

// Where the menu item that opens a window stands. Items of one place follow the table's order.
enum class MenuPlace {
    none,             // opened by another window (the input phases after the grid)
    analysisEditing,  // Analisi, before "Calcola Matrici"
    analysisMatrices, // Analisi, after the first separator
    analysisDrawings, // Analisi, after the second separator
    menuBar,          // a command of its own on the menu bar, before "?"
};

// When the menu item is enabled, beside its menu.
enum class ItemEnabling {
    withMenu,            // whenever its menu is
    untilSectionsEdited, // from "Calcola Matrici" until the sections are edited or the project
                         // closes
    untilClosed,         // from "Calcola Matrici" until the project closes
};

struct ChildMenuItem {
    const char* name = nullptr; // objectName of the item, "mnuFamiglieX"
    const char* caption = nullptr;
    MenuPlace place = MenuPlace::none;
    ItemEnabling enabling = ItemEnabling::withMenu;
};

struct ChildWindowEntry {
    const char* name = nullptr;    // objectName, one of childWindow::
    const char* phase = nullptr;   // what it records as the current phase when it loads, if any
    const char* caption = nullptr; // its title bar, and its name in the status bar
    ChildMenuItem item;
    // Opening it edits the sections: the results stop matching the model, and the items enabled
    // until the sections are edited are disabled (their open windows close).
    bool editsSections = false;
    ChildFactory create;      // empty: not built in this version
    ChildPreparation prepare; // may be empty
};

} // namespace orvanta
