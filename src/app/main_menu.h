#pragma once

// The menu bar of the main window: every menu and item carries its name as objectName, its
// caption with the access key marked by "&", and separators are actions of their own with
// names too, so that the menu table can be checked item by item.
//
//   &File              Nu&ovo, &Apri..., &Chiudi, -, &Salva, Sal&va con nome..., -, &Esci
//   &Analisi           Modifica Sezioni, Calcola Matrici, -, the two family views, the global
//                      matrix, -, the centres view, the deformed shape
//   &Stampa Relazione  a command of its own on the menu bar
//   &?                 &Sommario, &Cerca argomento..., -, &Informazioni su Orvanta

#include <QList>

class QAction;
class QMenu;
class QMenuBar;

namespace orvanta {

struct MainMenu {
    QMenu* file = nullptr;
    QAction* fileNew = nullptr;
    QAction* fileOpen = nullptr;
    QAction* fileClose = nullptr;
    QAction* fileSave = nullptr;
    QAction* fileSaveAs = nullptr;
    QAction* fileExit = nullptr;

    QMenu* analysis = nullptr;
    QAction* editSections = nullptr;
    QAction* calculate = nullptr;
    QAction* familiesX = nullptr;
    QAction* familiesY = nullptr;
    QAction* matrix = nullptr;
    QAction* centres = nullptr;
    QAction* elevation = nullptr;

    QAction* report = nullptr;

    QMenu* help = nullptr;
    QAction* helpContents = nullptr;
    QAction* helpSearch = nullptr;
    QAction* helpAbout = nullptr;

    // The items that need the results of "Calcola Matrici", in the order it enables them.
    QList<QAction*> resultItems() const {
        return {familiesX, familiesY, matrix, centres, elevation, report};
    }
};

// Fills the menu bar, in the order of the table above.
MainMenu buildMainMenu(QMenuBar& bar);

} // namespace orvanta
