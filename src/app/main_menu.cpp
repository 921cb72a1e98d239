#include "main_menu.h"

#include "application_info.h"

#include <QAction>
#include <QKeySequence>
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

// Adds the items of the windows that stand at one place, in the table's order.
void addWindowItems(MainMenu& m, QMenuBar& bar, QMenu* menu,
                    const std::vector<ChildWindowEntry>& windows, MenuPlace place) {
    for (const ChildWindowEntry& w : windows) {
        if (w.item.place != place)
            continue;
        const QString caption = QString::fromUtf8(w.item.caption);
        QAction* action = menu ? menu->addAction(caption) : bar.addAction(caption);
        action->setObjectName(w.item.name);
        m.windowItems[QString::fromLatin1(w.name)] = action;
    }
}

QString commandCaption(const QString& command, const std::string& edit) {
    if (edit.empty())
        return command;
    QString name = QString::fromStdString(edit);
    name.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return command + QLatin1Char(' ') + name;
}

} // namespace

QString undoCaption(const std::string& edit) {
    return commandCaption(QStringLiteral("&Annulla"), edit);
}

QString redoCaption(const std::string& edit) {
    return commandCaption(QStringLiteral("&Ripeti"), edit);
}

MainMenu buildMainMenu(QMenuBar& bar, const std::vector<ChildWindowEntry>& windows) {
    MainMenu m;

    m.file = addMenu(bar, "mnuFile", QStringLiteral("&File"));
    m.fileNew = addItem(*m.file, "mnuFileNew", QStringLiteral("Nu&ovo"));
    m.fileOpen = addItem(*m.file, "mnuFileOpen", QStringLiteral("&Apri..."));
    m.fileClose = addItem(*m.file, "mnuFileClose", QStringLiteral("&Chiudi"));
    addSeparator(*m.file, "mnuFileBar0");
    m.fileSave = addItem(*m.file, "mnuFileSave", QStringLiteral("&Salva"));
    m.fileSaveAs = addItem(*m.file, "mnuFileSaveAs", QStringLiteral("Sal&va con nome..."));
    addSeparator(*m.file, "mnuFileBar1");
    m.fileExportDxf =
        addItem(*m.file, "mnuFileEsportaDxf", QStringLiteral("Esporta pianta &DXF..."));
    addSeparator(*m.file, "mnuFileBar2");
    m.fileExit = addItem(*m.file, "mnuFileExit", QStringLiteral("&Esci"));

    m.edit = addMenu(bar, "mnuEdit", QStringLiteral("&Modifica"));
    m.undo = addItem(*m.edit, "mnuEditUndo", undoCaption({}));
    m.undo->setShortcut(QKeySequence::Undo);
    m.redo = addItem(*m.edit, "mnuEditRedo", redoCaption({}));
    m.redo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    m.undo->setEnabled(false);
    m.redo->setEnabled(false);

    m.analysis = addMenu(bar, "mnuAnalisi", QStringLiteral("&Analisi"));
    addWindowItems(m, bar, m.analysis, windows, MenuPlace::analysisEditing);
    m.calculate = addItem(*m.analysis, "mnuCalcola", QStringLiteral("Calcola Matrici"));
    addSeparator(*m.analysis, "mnuAnalisiBar0");
    addWindowItems(m, bar, m.analysis, windows, MenuPlace::analysisMatrices);
    addSeparator(*m.analysis, "mnuAnalisiBar1");
    addWindowItems(m, bar, m.analysis, windows, MenuPlace::analysisDrawings);

    addWindowItems(m, bar, nullptr, windows, MenuPlace::menuBar);

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
