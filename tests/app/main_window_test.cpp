// The main window: the menu table, the enabling of the menus through a project's life, the
// File commands and their messages, "Calcola Matrici", and the way child windows plug in.

#include "accessibility_check.h"
#include "child_host.h"
#include "child_windows.h"
#include "help_window.h"
#include "main_window.h"
#include "model_fingerprint.h"
#include "sample_projects.h"
#include "scripted_interaction.h"
#include "settings_in_folder.h"
#include "test_paths.h"

#include <QAction>
#include <QKeySequence>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTextBrowser>
#include <QtTest>
#include <fstream>
#include <limits>
#include <memory>

namespace orvanta {

using testing::ScriptedAsker;
using testing::ScriptedFileChooser;

namespace {

// One row of the menu table: a name and its caption; an empty caption marks a separator.
struct MenuRow {
    const char* name;
    const char* caption;
};

const std::vector<MenuRow> fileMenu{
    {"mnuFileNew", "Nu&ovo"}, {"mnuFileOpen", "&Apri..."}, {"mnuFileClose", "&Chiudi"},
    {"mnuFileBar0", ""},      {"mnuFileSave", "&Salva"},   {"mnuFileSaveAs", "Sal&va con nome..."},
    {"mnuFileBar1", ""},      {"mnuFileEsportaDxf", "Esporta pianta &DXF..."},
    {"mnuFileBar2", ""},      {"mnuFileExit", "&Esci"},
};
const std::vector<MenuRow> editMenu{{"mnuEditUndo", "&Annulla"}, {"mnuEditRedo", "&Ripeti"}};
const std::vector<MenuRow> analysisMenu{
    {"mnuModificaGriglia", "Modifica Griglia"},
    {"mnuModificaGeometria", "Modifica Geometria"},
    {"mnuModificaCarichi", "Modifica Carichi"},
    {"mnuModifica", "Modifica Sezioni"},
    {"mnuCalcola", "Calcola Matrici"},
    {"mnuAnalisiBar0", ""},
    {"mnuFamiglieX", "Matrici delle Famiglie di Ritti ortogonali a X"},
    {"mnuFamiglieY", "Matrici delle Famiglie di Ritti ortogonali a Y"},
    {"mnuMatrice", "Matrice Rigidezza Rototraslazionale Globale"},
    {"mnuAnalisiBar1", ""},
    {"mnuCentri", "Visualizza Centri di Massa e di Rigidezza"},
    {"mnuElevazione", "Visualizza Deformata in Elevazione"},
    {"mnuRegolarita", "Regolarità Torsionale"},
    {"mnuAzioneSismica", "Azione Sismica"},
    {"mnuAnalisiStatica", "Analisi Statica Lineare"},
    {"mnuAnalisiModale", "Analisi Modale e Regolarità NTC 2018"},
};
const std::vector<MenuRow> helpMenu{
    {"mnuHelpContents", "&Sommario"},
    {"mnuHelpSearchForHelpOn", "&Cerca argomento..."},
    {"mnuHelpBar0", ""},
    {"mnuHelpAbout", "&Informazioni su Orvanta"},
};

const QStringList resultItems{"mnuFamiglieX",  "mnuFamiglieY",  "mnuMatrice", "mnuCentri",
                              "mnuElevazione", "mnuRegolarita", "mnuStampa"};

// A result view that records what it is told, and asks to be closed when the model is edited.
class FakeView : public QWidget, public ChildWindow {
public:
    explicit FakeView(std::vector<ProjectChange>& heard) : heard_(heard) {}
    Following follow(ProjectChange change) override {
        heard_.push_back(change);
        return change == ProjectChange::modelEdited ? Following::close : Following::stayOpen;
    }

private:
    std::vector<ProjectChange>& heard_;
};

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private:
    std::filesystem::path folder;
    std::unique_ptr<ScriptedAsker> asker;
    std::unique_ptr<ScriptedFileChooser> chooser;
    std::unique_ptr<MainWindow> window;

    QAction* item(const char* name) const {
        auto* action = window->findChild<QAction*>(name);
        if (!action)
            qFatal("no menu item %s", name);
        return action;
    }
    void click(const char* name) const { item(name)->trigger(); }
    bool analysisMenuEnabled() const {
        return window->findChild<QMenu*>("mnuAnalisi")->menuAction()->isEnabled();
    }
    QStringList enabledResultItems() const {
        QStringList enabled;
        for (const QString& name : resultItems) {
            if (item(name.toLatin1().constData())->isEnabled())
                enabled << name;
        }
        return enabled;
    }
    QString project(const char* name, const Model& model = testing::loadedFrame()) const {
        return testing::writeProject(model, folder / name);
    }
    void openFromDialog(const QString& path) const {
        chooser->willChoose(path.toStdString());
        click("mnuFileOpen");
    }
    const Message& lastMessage() const { return asker->messages.back(); }

    // Stands in for the input phases: the grid editor opened by New fills in a whole building.
    void registerBuildingEditor() const {
        window->registerChild(childWindow::grid, [](ChildHost& host) {
            host.session().setCurrentPhase(phase::grid);
            host.session().model() = testing::loadedFrame();
            auto editor = std::make_unique<QWidget>();
            editor->setObjectName(childWindow::grid);
            return editor;
        });
    }

    static void compareMenu(const QMenu* menu, const std::vector<MenuRow>& rows) {
        QVERIFY(menu);
        const QList<QAction*> actions = menu->actions();
        QCOMPARE(actions.size(), qsizetype(rows.size()));
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const QAction* action = actions.at(qsizetype(i));
            QCOMPARE(action->objectName(), QString(rows[i].name));
            const bool separator = QString(rows[i].caption).isEmpty();
            QCOMPARE(action->isSeparator(), separator);
            if (!separator)
                QCOMPARE(action->text(), QString::fromUtf8(rows[i].caption));
        }
    }

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void init() {
        folder = testing::outputFolder(std::string("main-window-") + QTest::currentTestFunction());
        asker = std::make_unique<ScriptedAsker>();
        chooser = std::make_unique<ScriptedFileChooser>();
        window = std::make_unique<MainWindow>(*asker, *chooser, testing::settingsIn(folder));
        window->show();
    }

    void cleanup() { window.reset(); }

    void captionStatusBarAndMenuTable() {
        QCOMPARE(window->objectName(), QString("frmMain"));
        QCOMPARE(window->windowTitle(), QString("Orvanta[*]")); // "[*]": the unsaved mark
        QVERIFY(!window->isWindowModified());
        QCOMPARE(window->statusBar()->objectName(), QString("sbStatusBar"));
        QVERIFY(window->findChild<QMdiArea*>());

        // The menu bar: four menus and the report command between Analisi and "?".
        const QList<QAction*> bar = window->menuBar()->actions();
        QCOMPARE(bar.size(), 5);
        const QStringList names{"mnuFile", "mnuEdit", "mnuAnalisi", "mnuStampa", "mnuHelp"};
        const QStringList captions{"&File", "&Modifica", "&Analisi", "&Stampa Relazione", "&?"};
        for (int i = 0; i < 5; ++i) {
            const QString name =
                bar[i]->menu() ? bar[i]->menu()->objectName() : bar[i]->objectName();
            QCOMPARE(name, names[i]);
            QCOMPARE(bar[i]->text(), captions[i]);
        }
        QVERIFY(!bar[3]->menu());

        compareMenu(window->findChild<QMenu*>("mnuFile"), fileMenu);
        compareMenu(window->findChild<QMenu*>("mnuEdit"), editMenu);
        QCOMPARE(item("mnuEditUndo")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Z));
        QCOMPARE(item("mnuEditRedo")->shortcuts(),
                 (QList<QKeySequence>{QKeySequence(Qt::CTRL | Qt::Key_Y),
                                      QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)}));
        compareMenu(window->findChild<QMenu*>("mnuAnalisi"), analysisMenu);
        compareMenu(window->findChild<QMenu*>("mnuHelp"), helpMenu);
    }

    void atLoadOnlyFileAndHelpAreAvailable() {
        QVERIFY(!analysisMenuEnabled());
        QVERIFY(enabledResultItems().isEmpty());
        for (const MenuRow& row : fileMenu)
            QVERIFY(item(row.name)->isEnabled());
        QVERIFY(item("mnuHelpAbout")->isEnabled());
        QCOMPARE(window->findChild<QLabel*>("lblProgetto")->text(),
                 QString("Nessun progetto aperto"));
    }

    // Without a building there is no plan: the user is told, and no file is asked for.
    void exportingAPlanWithoutAProjectSaysWhy() {
        item("mnuFileEsportaDxf")->trigger();
        QCOMPARE(asker->messages.size(), std::size_t{1});
        QCOMPARE(asker->messages[0].title, std::string("Esporta pianta DXF"));
        QVERIFY(chooser->titles.empty());
    }

    void openEnablesTheAnalisiMenuOnly() {
        openFromDialog(project("casa.orv"));

        QVERIFY(asker->messages.empty());
        QCOMPARE(chooser->titles, std::vector<std::string>{"Apri Progetto"});
        QCOMPARE(chooser->filters, std::vector<std::string>{"File Orvanta (*.orv)"});
        QVERIFY(window->session().projectOpen());
        QVERIFY(analysisMenuEnabled());
        QVERIFY(enabledResultItems().isEmpty());
        QCOMPARE(window->findChild<QLabel*>("lblProgetto")->text(), QString("Progetto: casa"));
    }

    void openFromTheCommandLine() {
        QVERIFY(window->openProjectFile(project("riga di comando.orv")));
        QVERIFY(analysisMenuEnabled());
        QCOMPARE(window->session().projectName(), std::string("riga di comando"));
    }

    void calcolaEnablesTheResultItemsAndRunsTheEngine() {
        openFromDialog(project("casa.orv"));
        click("mnuCalcola");

        QCOMPARE(enabledResultItems(), resultItems);
        QCOMPARE(window->results()[Direction::orthogonalToX].familyCount, std::int16_t{1});
        QCOMPARE(window->results()[Direction::orthogonalToY].family.size(), std::size_t{6});
        QVERIFY(asker->messages.empty());
    }

    // The bundled buildings are complete projects: nothing may refuse them.
    void everyExampleOpensAndCalculates() {
        int examples = 0;
        for (const auto& entry : std::filesystem::directory_iterator(testing::example(""))) {
            if (entry.path().extension() != ".orv")
                continue;
            ++examples;
            openFromDialog(QString::fromStdString(entry.path().string()));
            click("mnuCalcola");
            QVERIFY2(asker->messages.empty(), entry.path().c_str());
            QCOMPARE(enabledResultItems(), resultItems);
            click("mnuFileClose");
        }
        QVERIFY(examples >= 2);
    }

    // Storeys whose loads were never distributed are the engine's to report: the command runs.
    void calcolaRunsOnLoadsNeverDistributed() {
        openFromDialog(project("senza carichi.orv", testing::fullFrame(3, 2, 2)));
        click("mnuCalcola");

        QCOMPARE(enabledResultItems(), resultItems);
        QVERIFY(!window->results().globalStiffness.empty());
    }

    void modificaSezioniKeepsOnlyTheElevationAndReport() {
        openFromDialog(project("casa.orv"));
        click("mnuCalcola");
        click("mnuModifica");

        QCOMPARE(enabledResultItems(), (QStringList{"mnuElevazione", "mnuStampa"}));
        QVERIFY(window->findChild<QWidget*>(childWindow::sections));
        QCOMPARE(window->session().currentPhase(), std::string(phase::sections));
    }

    void closeDisablesTheMenusAndDropsTheResults() {
        openFromDialog(project("casa.orv"));
        click("mnuCalcola");
        click("mnuFileClose");

        QVERIFY(asker->messages.empty());
        QVERIFY(!window->session().projectOpen());
        QVERIFY(!analysisMenuEnabled());
        QVERIFY(enabledResultItems().isEmpty());
        QVERIFY(window->results().globalStiffness.empty());
        QCOMPARE(window->findChild<QLabel*>("lblProgetto")->text(),
                 QString("Nessun progetto aperto"));

        // A second project starts again from "Calcola Matrici".
        openFromDialog(project("altra.orv"));
        QVERIFY(analysisMenuEnabled());
        QVERIFY(enabledResultItems().isEmpty());
    }

    void saveAsNamesTheProjectAndEnablesAnalisi() {
        registerBuildingEditor();
        click("mnuFileNew");
        QVERIFY(!analysisMenuEnabled());
        QCOMPARE(window->findChild<QLabel*>("lblProgetto")->text(),
                 QString("Progetto nuovo, non ancora salvato"));

        chooser->willChoose((folder / "nuovo").string());
        click("mnuFileSaveAs");

        QVERIFY(asker->messages.empty());
        QCOMPARE(chooser->titles, std::vector<std::string>{"Salva Progetto"});
        QVERIFY(std::filesystem::exists(folder / "nuovo.orv"));
        QVERIFY(analysisMenuEnabled());
        QCOMPARE(window->session().projectName(), std::string("nuovo"));
        QVERIFY(!window->hasUnsavedChanges());
    }

    void saveWithoutAFileNameAsksForOne() {
        registerBuildingEditor();
        click("mnuFileNew");
        chooser->willChoose((folder / "primo.orv").string());
        click("mnuFileSave");
        QCOMPARE(chooser->titles, std::vector<std::string>{"Salva Progetto"});
        QVERIFY(std::filesystem::exists(folder / "primo.orv"));

        click("mnuFileSave"); // now under its name, without a dialog
        QCOMPARE(chooser->titles.size(), std::size_t{1});
    }

    void newTwiceShowsTheOneDocumentMessage() {
        click("mnuFileNew");
        QVERIFY(window->session().projectOpen());
        QVERIFY(asker->messages.empty());
        auto* grid = window->findChild<QWidget*>(childWindow::grid);
        QVERIFY(grid);
        QCOMPARE(grid->windowTitle(), QString("Immissione della GRIGLIA"));
        QCOMPARE(window->session().currentPhase(), std::string(phase::grid));

        click("mnuFileNew");
        QCOMPARE(asker->messages.size(), std::size_t{1});
        QCOMPARE(lastMessage().title, std::string("Impossibile aprire un nuovo progetto"));
        QCOMPARE(lastMessage().lines,
                 (std::vector<std::string>{"E' possibile aprire un solo documento alla volta",
                                           "Chiudere il progetto corrente prima di procedere"}));
        QCOMPARE(lastMessage().icon, MessageIcon::Information);
    }

    void openOfAMalformedFileChangesNothing() {
        // A project read, then closed from outside the input phases: its model stays.
        openFromDialog(project("casa.orv"));
        click("mnuFileClose");
        const std::uint64_t before = modelFingerprint(window->session().model());

        const std::filesystem::path broken = folder / "rotto.orv";
        std::ofstream(broken) << "20000,12000,12000\r\n5,4,xyz,0\r\n";
        openFromDialog(QString::fromStdString(broken.string()));

        QCOMPARE(asker->messages.size(), std::size_t{1});
        QCOMPARE(lastMessage().title, std::string("Impossibile aprire il progetto"));
        QVERIFY(!window->session().projectOpen());
        QVERIFY(!analysisMenuEnabled());
        QCOMPARE(modelFingerprint(window->session().model()), before);
        QCOMPARE(window->findChild<QLabel*>("lblProgetto")->text(),
                 QString("Nessun progetto aperto"));
    }

    void closeWithNothingOpenSaysSo() {
        click("mnuFileClose");
        QCOMPARE(asker->messages.size(), std::size_t{1});
        QCOMPARE(lastMessage().title, std::string("Impossibile chiudere il progetto"));
        QCOMPARE(lastMessage().lines,
                 (std::vector<std::string>{"Non ci sono documenti da chiudere",
                                           "Nessun progetto è aperto al momento"}));
    }

    void unsavedChangesAreConfirmedBeforeTheyAreLost() {
        openFromDialog(project("casa.orv"));
        window->session().model().members(1, 1, member::base) = 400;
        QVERIFY(window->hasUnsavedChanges());

        asker->answer({Answer::No});
        click("mnuFileClose");
        QCOMPARE(lastMessage().title, std::string("Avviso"));
        QCOMPARE(lastMessage().icon, MessageIcon::Exclamation);
        QCOMPARE(lastMessage().buttons, MessageButtons::YesNo);
        QVERIFY(window->session().projectOpen());

        asker->answer({Answer::No});
        QVERIFY(!window->close());
        QVERIFY(window->isVisible());

        click("mnuFileClose"); // answered Yes
        QVERIFY(!window->session().projectOpen());
    }

    void anUnchangedProjectClosesWithoutQuestions() {
        openFromDialog(project("casa.orv"));
        click("mnuFileExit");
        QVERIFY(asker->messages.empty());
        QVERIFY(!window->isVisible());
    }

    void aWindowWithoutAFactoryLeavesANote() {
        window->registerChild(childWindow::familiesY, {});
        openFromDialog(project("casa.orv"));
        click("mnuCalcola");
        click("mnuFamiglieY");
        QVERIFY(window->statusBar()->currentMessage().contains(
            "Matrici Traslazionali dei Ritti Strutturali ortogonali a Y"));
        QVERIFY(asker->messages.empty());
    }

    // A result that is not a finite number keeps every result view closed, with the reason: the
    // preparation of each result view in the table refuses to open it.
    void resultViewsRefuseResultsThatAreNotFinite() {
        openFromDialog(project("casa.orv"));
        click("mnuCalcola");
        window->results().globalStiffness(1, 1) = std::numeric_limits<double>::infinity();
        int refused = 0;
        for (const ChildWindowEntry& entry : childWindowTable()) {
            const QString name = QString::fromLatin1(entry.name);
            if (!resultItems.contains(entry.item.name))
                continue;
            QVERIFY2(entry.prepare, entry.name);
            QVERIFY2(!entry.prepare(*window), entry.name);
            QCOMPARE(lastMessage().title, std::string("Risultati non validi"));
            ++refused;
        }
        QCOMPARE(refused, int(resultItems.size()));
        QCOMPARE(lastMessage().lines.at(1),
                 std::string("matrice di rigidezza globale, termine (1, 1) (traslazione X del "
                             "piano 1, traslazione X del piano 1)."));
        click("mnuCalcola"); // finite again
        for (const ChildWindowEntry& entry : childWindowTable()) {
            if (resultItems.contains(entry.item.name))
                QVERIFY2(entry.prepare(*window), entry.name);
        }
    }

    void childWindowsOpenOnceInsideTheMainWindow() {
        int created = 0;
        int prepared = 0;
        window->registerChild(
            childWindow::centres,
            [&created](ChildHost& host) {
                ++created;
                host.session().setCurrentPhase(phase::centres);
                return std::make_unique<QWidget>();
            },
            [&prepared](ChildHost&) {
                ++prepared;
                return true;
            });
        openFromDialog(project("casa.orv"));
        click("mnuCalcola");

        click("mnuCentri");
        click("mnuCentri");

        auto* documents = window->findChild<QMdiArea*>();
        QCOMPARE(documents->subWindowList().size(), 1);
        QCOMPARE(documents->subWindowList().at(0)->widget()->objectName(),
                 QString(childWindow::centres));
        QCOMPARE(created, 1);
        QCOMPARE(prepared, 2);
        QCOMPARE(window->session().currentPhase(), std::string(phase::centres));

        window->closeChild(childWindow::centres);
        QTRY_COMPARE(documents->subWindowList().size(), 0);
        window->openChild(childWindow::centres);
        QCOMPARE(created, 2);
    }

    // Close in the grid phase unloads its editor and clears the model.
    void closeUnloadsTheWindowsOfTheProject() {
        registerBuildingEditor();
        click("mnuFileNew");
        auto* documents = window->findChild<QMdiArea*>();
        QCOMPARE(documents->subWindowList().size(), 1);

        click("mnuFileClose");
        QVERIFY(asker->messages.empty());
        QVERIFY(!window->session().projectOpen());
        QTRY_COMPARE(documents->subWindowList().size(), 0);
        QCOMPARE(window->session().model().counts, Counts{});
    }

    // A child window may still reach the project while it is being destroyed: it must go while
    // the main window, with its session and results, is whole.
    void childWindowsGoBeforeTheProjectTheyShow() {
        bool hostWasWhole = false;
        QObject* host = window.get();
        window->registerChild(childWindow::matrix, [&hostWasWhole, host](ChildHost&) {
            auto view = std::make_unique<QWidget>();
            QObject::connect(view.get(), &QObject::destroyed, [&hostWasWhole, host] {
                hostWasWhole = qobject_cast<MainWindow*>(host) != nullptr;
            });
            return view;
        });
        openFromDialog(project("casa.orv"));
        click("mnuCalcola");
        click("mnuMatrice");
        window.reset();
        QVERIFY(hostWasWhole);
    }

    void helpCommandsSayThereIsNoHelpFile() {
        window->setUserGuide(UserGuide(QString::fromStdString((folder / "nessuna").string())));
        click("mnuHelpContents");
        click("mnuHelpSearchForHelpOn");
        QCOMPARE(asker->messages.size(), std::size_t{2});
        for (const Message& m : asker->messages) {
            QCOMPARE(m.title, std::string("Orvanta"));
            QCOMPARE(m.icon, MessageIcon::Information);
            QCOMPARE(m.text(), std::string("Impossibile visualizzare il Sommario della Guida. "
                                           "Nessun file della Guida associato al progetto."));
        }
    }

    void openViewsFollowTheProject() {
        std::vector<ProjectChange> matrixHeard, centresHeard, elevationHeard;
        window->registerChild(childWindow::matrix, [&matrixHeard](ChildHost&) {
            return std::make_unique<FakeView>(matrixHeard);
        });
        window->registerChild(childWindow::centres, [&centresHeard](ChildHost&) {
            return std::make_unique<FakeView>(centresHeard);
        });
        window->registerChild(childWindow::elevation, [&elevationHeard](ChildHost&) {
            return std::make_unique<FakeView>(elevationHeard);
        });
        openFromDialog(project("casa.orv"));
        click("mnuCalcola");
        click("mnuMatrice");
        QWidget* centres = window->openChild(childWindow::centres);
        click("mnuCalcola");
        QCOMPARE(matrixHeard, std::vector{ProjectChange::resultsRecomputed});

        // A family move reaches every open view.
        const int families = static_cast<int>(window->results()[Direction::orthogonalToX].familyCount);
        window->document().apply({"Numero di Famiglie", [families](Model&, AnalysisResults& r) {
                                      r[Direction::orthogonalToX].familyCount =
                                          static_cast<std::int16_t>(families + 1);
                                  }});
        QCOMPARE(matrixHeard.back(), ProjectChange::familiesReassigned);
        QCOMPARE(centresHeard.back(), ProjectChange::familiesReassigned);
        QVERIFY(centres);

        // Every view is told of an edit, and one that cannot follow an edited model closes; the
        // items of the old sections stay disabled until the next calculation or an undo back to
        // the calculated model.
        QVERIFY(window->openChild(childWindow::elevation));
        window->document().apply(modelEdit(
            "Modifica Sezione", [](Model& m) { m.members(1, 1, member::base) += 10; }));
        auto* documents = window->findChild<QMdiArea*>();
        QTRY_COMPARE(documents->subWindowList().size(), 0);
        QCOMPARE(elevationHeard.back(), ProjectChange::modelEdited);
        QVERIFY(!window->findChild<QAction*>("mnuMatrice")->isEnabled());
        QCOMPARE(window->findChild<QAction*>("mnuEditUndo")->text(),
                 QString("&Annulla Modifica Sezione"));
        click("mnuEditUndo");
        QVERIFY(window->findChild<QAction*>("mnuMatrice")->isEnabled());
        QCOMPARE(window->findChild<QAction*>("mnuEditRedo")->text(),
                 QString("&Ripeti Modifica Sezione"));
    }

    // The views of the families, the matrix and the centres close with their items when the
    // sections are edited; the elevation stays, as its item does.
    void modificaSezioniClosesTheViewsItDisables() {
        window->registerChild(childWindow::familiesX,
                              [](ChildHost&) { return std::make_unique<QWidget>(); });
        window->registerChild(childWindow::elevation,
                              [](ChildHost&) { return std::make_unique<QWidget>(); });
        window->registerChild(childWindow::sections,
                              [](ChildHost&) { return std::make_unique<QWidget>(); });
        openFromDialog(project("casa.orv"));
        click("mnuCalcola");
        click("mnuFamiglieX");
        click("mnuElevazione");
        click("mnuModifica");
        auto* documents = window->findChild<QMdiArea*>();
        QTRY_COMPARE(documents->subWindowList().size(), 2);
        QStringList open;
        for (const QMdiSubWindow* frame : documents->subWindowList())
            open << frame->widget()->objectName();
        open.sort();
        QCOMPARE(open, (QStringList{"frmElevazione", "frmSezioni"}));
        QCOMPARE(window->session().currentPhase(), std::string(phase::sections));
    }

    void aPreparationThatRefusesKeepsTheWindowShut() {
        int created = 0;
        window->registerChild(
            childWindow::centres,
            [&created](ChildHost&) {
                ++created;
                return std::make_unique<QWidget>();
            },
            [](ChildHost&) { return false; });
        openFromDialog(project("casa.orv"));
        click("mnuCalcola");
        click("mnuCentri");
        QCOMPARE(created, 0);
        QVERIFY(window->findChild<QMdiArea*>()->subWindowList().isEmpty());
    }

    // A window is one entry of the table: its item takes its place in the menu and follows its
    // enabling rule, and it opens with its caption and phase.
    void oneTableEntryAddsAWindow() {
        std::vector<ChildWindowEntry> table = childWindowTable();
        table.push_back(
            {"frmProva",
             "Prova",
             "Finestra di prova",
             {"mnuProva", "Prova", MenuPlace::analysisDrawings, ItemEnabling::untilSectionsEdited},
             false,
             [](ChildHost&) { return std::make_unique<QWidget>(); },
             {}});
        window = std::make_unique<MainWindow>(*asker, *chooser, testing::settingsIn(folder),
                                              std::move(table));
        const QList<QAction*> analysis = window->findChild<QMenu*>("mnuAnalisi")->actions();
        QCOMPARE(analysis.back()->objectName(), QString("mnuProva"));
        QVERIFY(!item("mnuProva")->isEnabled());
        openFromDialog(project("casa.orv"));
        click("mnuCalcola");
        QVERIFY(item("mnuProva")->isEnabled());
        click("mnuProva");
        const QList<QMdiSubWindow*> open = window->findChild<QMdiArea*>()->subWindowList();
        QCOMPARE(open.size(), 1);
        QCOMPARE(open.at(0)->widget()->objectName(), QString("frmProva"));
        QCOMPARE(open.at(0)->widget()->windowTitle(), QString("Finestra di prova"));
        QCOMPARE(window->session().currentPhase(), std::string("Prova"));
    }

    // The guide opens beside the main window on its first chapter; the search lists the
    // chapters with every word typed, accents or not, most occurrences first.
    void helpShowsAndSearchesTheGuide() {
        const auto chapter = [&](const char* name, const char* title, const char* body) {
            std::ofstream(folder / name) << "<html><head><title>" << title
                                         << "</title></head><body>" << body << "</body></html>";
        };
        chapter("01-avvio.html", "Installazione e avvio", "<p>Come si avvia il programma.</p>");
        chapter("02-risultati.html", "I risultati",
                "<p>La rigidezza dei ritti e il centro di rigidezza; perché conta.</p>");
        chapter("03-famiglie.html", "Le famiglie", "<p>Famiglie di ritti di rigidezza simile.</p>");
        window->setUserGuide(UserGuide(QString::fromStdString(folder.string())));

        click("mnuHelpContents");
        auto* help = window->findChild<HelpWindow*>("frmGuida");
        QVERIFY(help);
        QVERIFY(help->isVisible());
        const auto* contents = help->findChild<QListWidget*>("lstSommario");
        QCOMPARE(contents->count(), 3);
        QCOMPARE(contents->item(1)->text(), QString("I risultati"));
        QVERIFY(help->findChild<QTextBrowser*>("txtGuida")->toPlainText().contains("avvia"));
        QVERIFY2(testing::unnamedControls(*help).isEmpty(),
                 qPrintable(testing::unnamedControls(*help).join(", ")));

        click("mnuHelpSearchForHelpOn");
        QCOMPARE(window->findChildren<HelpWindow*>().size(), 1);
        auto* query = help->findChild<QLineEdit*>("txtCerca");
        QTest::keyClicks(query, "RIGIDEZZA perche");
        auto* results = help->findChild<QListWidget*>("lstRisultati");
        QCOMPARE(results->count(), 1);
        QCOMPARE(results->item(0)->text(), QString("I risultati"));
        query->setText("rigidezza");
        QCOMPARE(results->count(), 2);
        QCOMPARE(results->item(0)->text(), QString("I risultati")); // two occurrences, then one
        results->setCurrentRow(1);
        QVERIFY(help->findChild<QTextBrowser*>("txtGuida")->toPlainText().contains("simile"));
        QVERIFY(asker->messages.empty());
    }

    void aboutOpensAsAModalBox() {
        click("mnuHelpAbout");
        auto* about = window->findChild<QDialog*>("frmAbout");
        QVERIFY(about);
        QVERIFY(about->isVisible());
        QVERIFY(about->isModal());

        QTest::mouseClick(about->findChild<QPushButton*>("cmdSysInfo"), Qt::LeftButton);
        QCOMPARE(lastMessage().text(),
                 std::string("Informazioni sul sistema non disponibili in questa fase."));
        QCOMPARE(lastMessage().icon, MessageIcon::Information);

        QTest::mouseClick(about->findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
        QTRY_VERIFY(!window->findChild<QDialog*>("frmAbout"));
    }
};

} // namespace orvanta

QTEST_MAIN(orvanta::MainWindowTest)
#include "main_window_test.moc"
