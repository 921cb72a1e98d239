#include "child_windows.h"

#include "child_host.h"
#include "main_window.h"

#include <array>
#include <utility>

namespace orvanta {

void registerChildWindows(MainWindow& /*window*/) {
    // Each phase editor and result view adds its factory here, for example:
    //     window.registerChild(childWindow::grid, [](ChildHost& host) {
    //         return std::make_unique<GridEditor>(host);
    //     });
}

QString childWindowDescription(const QString& name) {
    static const std::array<std::pair<const char*, const char*>, 10> descriptions{{
        {childWindow::grid, "Immissione della GRIGLIA"},
        {childWindow::geometry, "Immissione della GEOMETRIA"},
        {childWindow::loads, "Immissione dei CARICHI"},
        {childWindow::sections, "Immissione delle SEZIONI"},
        {childWindow::familiesX, "Matrici delle Famiglie di Ritti ortogonali a X"},
        {childWindow::familiesY, "Matrici delle Famiglie di Ritti ortogonali a Y"},
        {childWindow::centres, "Visualizzazione dei BARICENTRI e dei CENTRI PARZIALI di RIGIDEZZA"},
        {childWindow::matrix, "Matrice Rigidezza Rototraslazionale Globale"},
        {childWindow::elevation, "Deformata in Elevazione"},
        {childWindow::report, "Stampa Relazione"},
    }};
    for (const auto& [windowName, description] : descriptions) {
        if (name == QLatin1String(windowName))
            return QString::fromUtf8(description);
    }
    return name;
}

} // namespace orvanta
