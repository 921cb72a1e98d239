#pragma once

// The menu bar of the main window: every menu and item carries its name as objectName, its
// caption with the access key marked by "&", and separators are actions of their own with
// names too, so that the menu table can be checked item by item.
//
//   &File              Nu&ovo, &Apri..., &Chiudi, -, &Salva, Sal&va con nome..., -,
//                      Esporta pianta &DXF..., -, &Esci
//   &Modifica          &Annulla [what it undoes] (Ctrl+Z), &Ripeti [what] (Ctrl+Y, Ctrl+Maiusc+Z)
//   &Analisi           [editing windows], Calcola Matrici, -, [matrix views], -, [drawings]
//   [windows opened from the menu bar itself: &Stampa Relazione]
//   &?                 &Sommario, &Cerca argomento..., -, &Informazioni su Orvanta
//
// The items in brackets come from the child-window table, in its order.

#include "child_host.h"

#include <QList>
#include <map>
#include <string>
#include <vector>

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
    QAction* fileExportDxf = nullptr;
    QAction* fileExit = nullptr;

    QMenu* edit = nullptr;
    QAction* undo = nullptr;
    QAction* redo = nullptr;

    QMenu* analysis = nullptr;
    QAction* calculate = nullptr;

    QMenu* help = nullptr;
    QAction* helpContents = nullptr;
    QAction* helpSearch = nullptr;
    QAction* helpAbout = nullptr;

    // The item that opens each child window that has one, by window name.
    std::map<QString, QAction*> windowItems;
};

// The captions of Undo and Redo naming the edit they take back or do again ("Annulla Applica a
// tutti i piani"); the bare command when there is none.
QString undoCaption(const std::string& edit);
QString redoCaption(const std::string& edit);

// Fills the menu bar, in the order of the table above.
MainMenu buildMainMenu(QMenuBar& bar, const std::vector<ChildWindowEntry>& windows);

} // namespace orvanta
