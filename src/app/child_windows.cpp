#include "child_windows.h"

#include "centres_window.h"
#include "elevation_window.h"
#include "family_window.h"
#include "finite_results.h"
#include "geometry_editor.h"
#include "grid_changes_editor.h"
#include "grid_editor.h"
#include "loads_editor.h"
#include "matrix_window.h"
#include "regularity_window.h"
#include "report_window.h"
#include "sections_editor.h"
#include "stiffness_centres.h"

namespace orvanta {

namespace {

// A window built in the class it names, created with the host.
template <class Window> ChildFactory make() {
    return [](ChildHost& host) { return std::make_unique<Window>(host); };
}

// A family window, for the ritti orthogonal to X (resisting along Y) or to Y.
ChildFactory familyWindow(Direction direction) {
    return [direction](ChildHost& host) { return std::make_unique<FamilyWindow>(host, direction); };
}

// A result view opens only on finite results: a term that is not a finite number is reported,
// naming its ritto or storey, and the view stays closed.
bool resultsAreFinite(ChildHost& host) {
    if (const std::optional<Message> invalid = nonFiniteResultMessage(host.results())) {
        host.asker().ask(*invalid);
        return false;
    }
    return true;
}

// "Modifica Sezioni" reopens the sections of a building whose input phases are over: a project
// saved in the middle of its first phases (which enables the Analisi menu) has no complete
// model to show sections of yet.
bool inputPhasesOver(ChildHost& host) {
    if (host.session().model().hasCompleteArrays())
        return true;
    host.asker().ask(Message{{"La struttura non è stata ancora definita completamente",
                              "Completare le fasi di input prima di procedere"},
                             "Impossibile modificare le sezioni",
                             MessageIcon::Exclamation,
                             MessageButtons::Ok});
    return false;
}

// The editors of a building already entered open one at a time: a change of the grid renumbers
// every node and slot that another editor has on show.
void closeOtherEditors(ChildHost& host, const char* keep) {
    for (const char* name : {childWindow::gridChanges, childWindow::geometry, childWindow::loads,
                             childWindow::sections}) {
        if (QLatin1String(name) != QLatin1String(keep))
            host.closeChild(QString::fromLatin1(name));
    }
}

// "Modifica Griglia", "Modifica Geometria", "Modifica Carichi" change a building whose input
// phases are over. The geometry and loads editors also reopen during their own first phase, when
// their window was closed before its hand-over.
ChildPreparation editorOfCompleteBuilding(const char* window, const char* ownPhase,
                                          const char* title) {
    return [window, ownPhase, title](ChildHost& host) {
        const bool reopening = ownPhase && host.session().currentPhase() == ownPhase &&
                               !host.session().model().members.empty();
        if (!host.session().model().hasCompleteArrays() && !reopening) {
            host.asker().ask(Message{{"La struttura non è stata ancora definita completamente",
                                      "Completare le fasi di input prima di procedere"},
                                     title,
                                     MessageIcon::Exclamation,
                                     MessageButtons::Ok});
            return false;
        }
        closeOtherEditors(host, window);
        return true;
    };
}

bool prepareCentres(ChildHost& host) {
    computeStiffnessCentres(host.session().model(), host.results());
    return resultsAreFinite(host);
}

} // namespace

std::vector<ChildWindowEntry> childWindowTable() {
    using enum MenuPlace;
    using enum ItemEnabling;
    return {
        {childWindow::grid,
         phase::grid,
         "Immissione della GRIGLIA",
         {},
         false,
         make<GridEditor>(),
         {}},
        {childWindow::gridChanges,
         phase::grid,
         "Modifica della GRIGLIA",
         {"mnuModificaGriglia", "Modifica Griglia", analysisEditing, withMenu},
         true,
         make<GridChangesEditor>(),
         editorOfCompleteBuilding(childWindow::gridChanges, nullptr,
                                  "Impossibile modificare la griglia")},
        {childWindow::geometry,
         phase::geometry,
         "Immissione della GEOMETRIA",
         {"mnuModificaGeometria", "Modifica Geometria", analysisEditing, withMenu},
         true,
         make<GeometryEditor>(),
         editorOfCompleteBuilding(childWindow::geometry, phase::geometry,
                                  "Impossibile modificare la geometria")},
        {childWindow::loads,
         phase::loads,
         "Immissione dei CARICHI",
         {"mnuModificaCarichi", "Modifica Carichi", analysisEditing, withMenu},
         true,
         make<LoadsEditor>(),
         editorOfCompleteBuilding(childWindow::loads, phase::loads,
                                  "Impossibile modificare i carichi")},
        {childWindow::sections,
         phase::sections,
         "Immissione delle SEZIONI",
         {"mnuModifica", "Modifica Sezioni", analysisEditing, withMenu},
         true,
         make<SectionsEditor>(),
         [](ChildHost& host) {
             if (!inputPhasesOver(host))
                 return false;
             closeOtherEditors(host, childWindow::sections);
             return true;
         }},
        {childWindow::familiesX,
         phase::familiesX,
         "Matrici Traslazionali dei Ritti Strutturali ortogonali ad X",
         {"mnuFamiglieX", "Matrici delle Famiglie di Ritti ortogonali a X", analysisMatrices,
          untilSectionsEdited},
         false,
         familyWindow(Direction::orthogonalToX),
         resultsAreFinite},
        {childWindow::familiesY,
         phase::familiesY,
         "Matrici Traslazionali dei Ritti Strutturali ortogonali a Y",
         {"mnuFamiglieY", "Matrici delle Famiglie di Ritti ortogonali a Y", analysisMatrices,
          untilSectionsEdited},
         false,
         familyWindow(Direction::orthogonalToY),
         resultsAreFinite},
        {childWindow::matrix,
         phase::matrix,
         "Matrice di Rigidezza Rototraslazionale Globale",
         {"mnuMatrice", "Matrice Rigidezza Rototraslazionale Globale", analysisMatrices,
          untilSectionsEdited},
         false,
         make<MatrixWindow>(),
         resultsAreFinite},
        {childWindow::centres,
         phase::centres,
         "Visualizzazione dei BARICENTRI e dei CENTRI PARZIALI di RIGIDEZZA",
         {"mnuCentri", "Visualizza Centri di Massa e di Rigidezza", analysisDrawings,
          untilSectionsEdited},
         false,
         make<CentresWindow>(),
         prepareCentres},
        {childWindow::elevation,
         phase::elevation,
         "Visualizzazione della DEFORMATA in ELEVAZIONE",
         {"mnuElevazione", "Visualizza Deformata in Elevazione", analysisDrawings, untilClosed},
         false,
         make<ElevationWindow>(),
         resultsAreFinite},
        {childWindow::regularity,
         phase::regularity,
         "Regolarità Torsionale",
         {"mnuRegolarita", "Regolarità Torsionale", analysisDrawings, untilSectionsEdited},
         false,
         make<RegularityWindow>(),
         resultsAreFinite},
        {childWindow::report,
         nullptr,
         "Stampa Relazione",
         {"mnuStampa", "&Stampa Relazione", menuBar, untilClosed},
         false,
         make<ReportWindow>(),
         resultsAreFinite},
    };
}

} // namespace orvanta
