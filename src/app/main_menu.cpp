#include "main_menu.h"

#include "application_info.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace orvanta {

namespace {

QMenu* addMenu(QMenuBar& bar, const char* name, const QString& caption) {
    QMenu* menu = bar.addMenu(caption);
    menu->setObjectName(name);
    return menu;
}

QAction* addItem(QMenu& menu, const char* name, const QString& caption) {
    QAction* action = menu.addAction(caption);
    action->setObjectName(name);
    return action;
}

void addSeparator(QMenu& menu, const char* name) {
    menu.addSeparator()->setObjectName(name);
}

} // namespace

MainMenu buildMainMenu(QMenuBar& bar) {
    MainMenu m;

    m.file = addMenu(bar, "mnuFile", QStringLiteral("&File"));
    m.fileNew = addItem(*m.file, "mnuFileNew", QStringLiteral("Nu&ovo"));
    m.fileOpen = addItem(*m.file, "mnuFileOpen", QStringLiteral("&Apri..."));
    m.fileClose = addItem(*m.file, "mnuFileClose", QStringLiteral("&Chiudi"));
    addSeparator(*m.file, "mnuFileBar0");
    m.fileSave = addItem(*m.file, "mnuFileSave", QStringLiteral("&Salva"));
    m.fileSaveAs = addItem(*m.file, "mnuFileSaveAs", QStringLiteral("Sal&va con nome..."));
    addSeparator(*m.file, "mnuFileBar1");
    m.fileExit = addItem(*m.file, "mnuFileExit", QStringLiteral("&Esci"));

    m.analysis = addMenu(bar, "mnuAnalisi", QStringLiteral("&Analisi"));
    m.editSections = addItem(*m.analysis, "mnuModifica", QStringLiteral("Modifica Sezioni"));
    m.calculate = addItem(*m.analysis, "mnuCalcola", QStringLiteral("Calcola Matrici"));
    addSeparator(*m.analysis, "mnuAnalisiBar0");
    m.familiesX = addItem(*m.analysis, "mnuFamiglieX",
                          QStringLiteral("Matrici delle Famiglie di Ritti ortogonali a X"));
    m.familiesY = addItem(*m.analysis, "mnuFamiglieY",
                          QStringLiteral("Matrici delle Famiglie di Ritti ortogonali a Y"));
    m.matrix = addItem(*m.analysis, "mnuMatrice",
                       QStringLiteral("Matrice Rigidezza Rototraslazionale Globale"));
    addSeparator(*m.analysis, "mnuAnalisiBar1");
    m.centres = addItem(*m.analysis, "mnuCentri",
                        QStringLiteral("Visualizza Centri di Massa e di Rigidezza"));
    m.elevation =
        addItem(*m.analysis, "mnuElevazione", QStringLiteral("Visualizza Deformata in Elevazione"));

    m.report = bar.addAction(QStringLiteral("&Stampa Relazione"));
    m.report->setObjectName("mnuStampa");

    m.help = addMenu(bar, "mnuHelp", QStringLiteral("&?"));
    m.helpContents = addItem(*m.help, "mnuHelpContents", QStringLiteral("&Sommario"));
    m.helpSearch =
        addItem(*m.help, "mnuHelpSearchForHelpOn", QStringLiteral("&Cerca argomento..."));
    addSeparator(*m.help, "mnuHelpBar0");
    // The caption names the application, as the about box's own caption does.
    m.helpAbout =
        addItem(*m.help, "mnuHelpAbout",
                QStringLiteral("&Informazioni su ") + QString::fromLatin1(app::applicationTitle));
    return m;
}

} // namespace orvanta
