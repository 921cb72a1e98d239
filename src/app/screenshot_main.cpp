// orvanta-screenshot: renders the program's windows to PNG files, for a look at them.
//
//   orvanta-screenshot OUTPUT-FOLDER [PROJECT.orv]
//
// Writes avvio.png (start-up screen), splash.png, about.png, main-window.png (the main window
// with the project open and its matrices computed), main-window-analisi.png (the same with the
// Analisi menu open) and progress.png (the progress dialog of a long "Calcola Matrici"). With a
// project it then opens every result view from the menu at its default size, with three
// families of ritti orthogonal to X and two orthogonal to Y assigned automatically and every
// centre of both directions shown: famiglie-x.png, famiglie-y.png, matrice.png, centri.png (and
// the main window around it, main-window-centri.png), elevazione.png, regolarita.png,
// azione-sismica.png and analisi-statica.png (a site's parameters typed and computed). Then
// stampa.png (the report window) and stampa-scritta.png (the status bar after the report was
// written into the output folder). Then griglia.png and geometria.png (the two first input phases
// of a new project, entering the bundled example as the user guide does), and with a project
// carichi.png and sezioni.png (the loads and sections editors with the project's building
// entered), pianta.png (the plan picture "FINE FASE DI INPUT" saves beside that building) and
// messaggio.png (a message box: "Calcola Matrici" refusing two sections left unassigned). Last
// guida.png, the user guide on its chapter of the grid. Messages are printed instead of shown,
// and the user's settings are left alone. Run it under a display, e.g. xvfb-run
// (scripts/screenshot-main-window).

#include "about_box.h"
#include "calculation_report.h"
#include "drawing_export.h"
#include "dxf_export_dialog.h"
#include "element_records.h"
#include "help_window.h"
#include "image_export_dialog.h"
#include "main_window.h"
#include "model_check.h"
#include "progress_feedback.h"
#include "project_file.h"
#include "picture_box.h"
#include "qt_interaction.h"
#include "splash_screen.h"
#include "startup_screen.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPixmap>
#include <QProgressDialog>
#include <QPushButton>
#include <QScrollBar>
#include <QSvgRenderer>
#include <QTableView>
#include <QTemporaryDir>
#include <QThread>
#include <iostream>

namespace {

using namespace orvanta;

class PrintingAsker : public Asker {
public:
    Answer ask(const Message& message) override {
        std::cerr << "[" << message.title << "] " << message.text() << '\n';
        return message.buttons == MessageButtons::YesNo ? Answer::Yes : Answer::Ok;
    }
};

class NoFileChooser : public FileChooser {
public:
    std::optional<std::string> chooseFileToOpen(const std::string&, const std::string&) override {
        return std::nullopt;
    }
    std::optional<std::string> chooseFileToSave(const std::string&, const std::string&) override {
        return std::nullopt;
    }
};

// Saves wherever it was told: the project entered through the input phases lands beside the
// pictures.
class SavingFileChooser : public NoFileChooser {
public:
    explicit SavingFileChooser(std::string path) : path_(std::move(path)) {}
    std::optional<std::string> chooseFileToSave(const std::string&, const std::string&) override {
        return path_;
    }

private:
    std::string path_;
};

void settle() {
    for (int i = 0; i < 5; ++i) {
        QApplication::processEvents();
        QThread::msleep(40);
    }
}

bool save(const QPixmap& picture, const QDir& folder, const QString& name) {
    const QString path = folder.filePath(name);
    if (!picture.save(path, "PNG")) {
        std::cerr << "orvanta-screenshot: impossibile scrivere " << path.toStdString() << '\n';
        return false;
    }
    std::cout << path.toStdString() << '\n';
    return true;
}

template <class Window> bool shoot(Window& window, const QDir& folder, const QString& name) {
    window.show();
    settle();
    const bool saved = save(window.grab(), folder, name);
    window.close();
    return saved;
}

// The main window with its Analisi menu dropped down, composed into one picture.
QPixmap withMenuOpen(MainWindow& window, const char* menuName) {
    auto* menu = window.findChild<QMenu*>(menuName);
    QPixmap picture = window.grab();
    if (!menu)
        return picture;
    const QRect item = window.menuBar()->actionGeometry(menu->menuAction());
    const QPoint below = window.menuBar()->mapTo(&window, item.bottomLeft());
    menu->popup(window.mapToGlobal(below));
    settle();
    QPainter painter(&picture);
    painter.drawPixmap(below, menu->grab());
    menu->hide();
    return picture;
}

// The report window filled in as an engineer would, then the main window once the report is
// written (into the output folder, whatever the project's folder).
bool shootReport(MainWindow& window, const QDir& folder) {
    auto* print = window.findChild<QAction*>("mnuStampa");
    if (!print || !print->isEnabled())
        return true; // no project given: nothing to print
    print->trigger();
    settle();
    const std::pair<const char*, const char*> fields[] = {
        {"txtDescrizione", "Edificio residenziale di quattro piani fuori terra"},
        {"txtUbicazione", "Via dei Mille 14, Perugia"},
        {"txtProgettista", "Ing. Niccolò D’Angelo"},
        {"txtCommittente", "Cooperativa Edilizia «La Rocca»"}};
    for (const auto& [name, text] : fields) {
        if (auto* field = window.findChild<QLineEdit*>(name))
            field->setText(QString::fromUtf8(text));
    }
    bool ok = save(window.grab(), folder, QStringLiteral("stampa.png"));
    if (window.findChild<QWidget*>("frmStampa")) {
        // Written beside the pictures rather than beside the project.
        const std::string report = folder.filePath(QStringLiteral("relazione.pdf")).toStdString();
        const ReportRequest request{{}, NumberFormat{}, defaultConcreteClass, "esempio"};
        const ReportOutcome outcome =
            writeCalculationReport(report, window.session().model(), window.results(), request);
        window.announceDocument(QStringLiteral("Relazione di calcolo scritta in %1 (%2 pagine)")
                                    .arg(QString::fromStdString(report))
                                    .arg(outcome.pages),
                                QStringLiteral("Apri la relazione"),
                                QString::fromStdString(report));
        window.closeChild(QStringLiteral("frmStampa"));
        settle();
        ok = save(window.grab(), folder, QStringLiteral("stampa-scritta.png")) && ok;
    }
    return ok;
}

// Types into a box of the named child window, as a user does.
void typeInto(MainWindow& window, const char* child, const char* box, const QString& text) {
    auto* owner = window.findChild<QWidget*>(child);
    auto* edit = owner ? owner->findChild<QLineEdit*>(box) : nullptr;
    if (!edit)
        return;
    edit->setText(text);
    emit edit->editingFinished();
}

void press(MainWindow& window, const char* child, const char* button) {
    auto* owner = window.findChild<QWidget*>(child);
    if (auto* b = owner ? owner->findChild<QPushButton*>(button) : nullptr)
        b->click();
}

// A new project entered as the user guide enters the bundled example palazzina-4-piani: its
// grid of 5 × 4 lines, five levels and the canopy node (griglia.png), then its columns through
// four storeys, the canopy column on storey 1 and the beams of every storey (geometria.png).
bool shootInputPhases(MainWindow& window, const QDir& folder) {
    if (auto* close = window.findChild<QAction*>("mnuFileClose");
        close && window.session().projectOpen())
        close->trigger();
    if (auto* newProject = window.findChild<QAction*>("mnuFileNew"))
        newProject->trigger();
    const char* grid = "frmGriglia";
    typeInto(window, grid, "txtXmax", "17");
    typeInto(window, grid, "txtYmax", "15");
    typeInto(window, grid, "txtZmax", "12,4");
    const auto add = [&](const char* box, const char* button,
                         std::initializer_list<const char*> values) {
        for (const char* v : values) {
            typeInto(window, grid, box, QString::fromLatin1(v));
            press(window, grid, button);
        }
    };
    add("txtX", "cmdAggiungiX", {"0", "4000", "4500", "4500", "4000"});
    add("txtY", "cmdAggiungiY", {"0", "5200", "4500", "5200"});
    add("txtZ", "cmdAggiungiZ", {"0", "3400", "3000", "3000", "3000"});
    typeInto(window, grid, "txtXnodo", "8500");
    typeInto(window, grid, "txtYnodo", "-2000");
    press(window, grid, "cmdAggiungiNodo");
    settle();
    bool ok = save(window.grab(), folder, QStringLiteral("griglia.png"));

    press(window, grid, "cmdInserisciGeometria");
    settle();
    const char* geometry = "frmGeometria";
    auto* editor = window.findChild<QWidget*>(geometry);
    if (!editor)
        return false;
    auto* elevations = editor->findChild<QComboBox*>("cmbElevazionePil");
    auto* beamStorey = editor->findChild<QComboBox*>("cmbElevazioneTra");
    if (!elevations || !beamStorey)
        return false;
    elevations->setCurrentIndex(3);
    press(window, geometry, "cmdPilastriTutti");
    typeInto(window, geometry, "txtNodoPil", "21");
    elevations->setCurrentIndex(0);
    press(window, geometry, "cmdAggiungiPil");
    for (int storey = 3; storey >= 0; --storey) {
        beamStorey->setCurrentIndex(storey);
        press(window, geometry, "cmdTraviTutte");
    }
    typeInto(window, geometry, "txtNodoPil", "8");
    settle();
    ok = save(window.grab(), folder, QStringLiteral("geometria.png")) && ok;
    return ok;
}

void click(QWidget* window, const char* button) {
    if (auto* b = window ? window->findChild<QPushButton*>(button) : nullptr)
        b->click();
}

// Opens a view from its menu item and returns it, or nothing when it did not open.
QWidget* openView(MainWindow& window, const char* item, const char* name) {
    if (auto* action = window.findChild<QAction*>(item))
        action->trigger();
    settle();
    return window.findChild<QWidget*>(name);
}

// Sets a family window's count with its scroll bar and assigns the families.
void assignFamilies(QWidget* familyWindow, int count) {
    if (auto* bar = familyWindow ? familyWindow->findChild<QScrollBar*>("hsbFamiglie") : nullptr)
        bar->setValue(count);
    click(familyWindow, "cmdAssegna");
}

// The view inside its frame in the document area, as the user sees it at its default size.
bool shootView(QWidget* view, const QDir& folder, const QString& name) {
    if (!view) {
        std::cerr << "orvanta-screenshot: finestra non aperta per " << name.toStdString() << '\n';
        return false;
    }
    QWidget* frame = view->parentWidget();
    while (frame && !qobject_cast<QMdiSubWindow*>(frame))
        frame = frame->parentWidget();
    QWidget* shown = frame ? frame : view;
    shown->raise();
    settle();
    return save(shown->grab(), folder, name);
}

// The seismic parameters of a site in central Italy typed into frmAzioneSismica, then the static
// analysis that "Salva e Calcola" opens on them.
bool shootSeismicAction(MainWindow& window, const QDir& folder) {
    QWidget* parameters = openView(window, "mnuAzioneSismica", "frmAzioneSismica");
    const char* const values[][4] = {{"SLO", "0,062", "2,48", "0,26"},
                                     {"SLD", "0,079", "2,47", "0,27"},
                                     {"SLV", "0,208", "2,39", "0,31"}};
    for (const auto& v : values) {
        const std::string state = v[0];
        typeInto(window, "frmAzioneSismica", ("txtAg" + state).c_str(), QString::fromLatin1(v[1]));
        typeInto(window, "frmAzioneSismica", ("txtF0" + state).c_str(), QString::fromLatin1(v[2]));
        typeInto(window, "frmAzioneSismica", ("txtTc" + state).c_str(), QString::fromLatin1(v[3]));
    }
    bool ok = shootView(parameters, folder, QStringLiteral("azione-sismica.png"));
    click(parameters, "cmdCalcola");
    settle();
    ok = shootView(window.findChild<QWidget*>("frmAnalisiStatica"), folder,
                   QStringLiteral("analisi-statica.png")) &&
         ok;
    return ok;
}

bool shootResultViews(MainWindow& window, const QDir& folder) {
    bool ok = true;
    QWidget* familiesX = openView(window, "mnuFamiglieX", "frmFamiglieX");
    assignFamilies(familiesX, 3);
    typeInto(window, "frmFamiglieX", "txtRitto2", QStringLiteral("8")); // the lift core
    ok = shootView(familiesX, folder, QStringLiteral("famiglie-x.png")) && ok;
    QWidget* familiesY = openView(window, "mnuFamiglieY", "frmFamiglieY");
    assignFamilies(familiesY, 2);
    ok = shootView(familiesY, folder, QStringLiteral("famiglie-y.png")) && ok;
    ok = shootView(openView(window, "mnuMatrice", "frmMatrice"), folder,
                   QStringLiteral("matrice.png")) &&
         ok;
    QWidget* centres = openView(window, "mnuCentri", "frmCentri");
    // Both directions: the lines of the families along X and along Y together.
    if (auto* directions = centres ? centres->findChild<QComboBox*>("cmbDirezioneRitti") : nullptr)
        directions->setCurrentIndex(2);
    click(centres, "cmdMassaVisualizza");
    click(centres, "cmdRigidezzaVisualizza");
    ok = shootView(centres, folder, QStringLiteral("centri.png")) && ok;
    ok = save(window.grab(), folder, QStringLiteral("main-window-centri.png")) && ok;
    ok = shootView(openView(window, "mnuElevazione", "frmElevazione"), folder,
                   QStringLiteral("elevazione.png")) &&
         ok;
    ok = shootView(openView(window, "mnuRegolarita", "frmRegolarita"), folder,
                   QStringLiteral("regolarita.png")) &&
         ok;
    ok = shootSeismicAction(window, folder) && ok;
    return ok;
}

// How tables and drawings leave the program: the context menu of the centres' table over the
// centres view, the image export dialog, the centres plan as its SVG on white paper looks, the
// File menu with the DXF item and the DXF dialog.
bool shootExports(MainWindow& window, const QDir& folder) {
    QWidget* centres = window.findChild<QWidget*>("frmCentri");
    auto* table = centres ? centres->findChild<QTableView*>("mfgCentriRigidezza") : nullptr;
    auto* plan = centres ? centres->findChild<PictureBox*>("pctPianta") : nullptr;
    if (!table || !plan)
        return false;
    bool ok = true;
    QWidget* frame = centres->parentWidget() ? centres->parentWidget() : centres;
    frame->raise();
    table->selectRow(0);
    settle();
    QPixmap view = frame->grab();
    QMenu menu;
    menu.addActions(table->actions());
    const QPoint at = table->mapTo(frame, QPoint(60, 40));
    menu.popup(frame->mapToGlobal(at));
    settle();
    {
        QPainter painter(&view);
        painter.drawPixmap(at, menu.grab());
    }
    menu.hide();
    ok = save(view, folder, QStringLiteral("esporta-copia.png")) && ok;

    ImageExportDialog imageDialog(plan->drawing().extent());
    ok = shoot(imageDialog, folder, QStringLiteral("esporta-immagine.png")) && ok;

    const QString svg = folder.filePath(QStringLiteral("centri.svg"));
    ok = exportDrawing(plan->drawing(), svg, {ImageFormat::svg, 300, true}).isEmpty() && ok;
    QSvgRenderer renderer(svg);
    QImage picture(renderer.defaultSize(), QImage::Format_RGB32);
    picture.fill(Qt::white);
    {
        QPainter painter(&picture);
        renderer.render(&painter);
    }
    ok = save(QPixmap::fromImage(picture), folder, QStringLiteral("esporta-svg.png")) && ok;

    ok = save(withMenuOpen(window, "mnuFile"), folder, QStringLiteral("menu-file-dxf.png")) && ok;
    DxfExportDialog dxfDialog(4);
    ok = shoot(dxfDialog, folder, QStringLiteral("esporta-dxf.png")) && ok;
    return ok;
}

// The loads and sections editors on the project's building: the loads window as the geometry
// phase leaves it, then with the project's slabs, and the sections window after the hand-over,
// on a hollow-box column where there is one. "FINE FASE DI INPUT" then saves the building as
// input.orv beside the pictures, with its plan picture input.bmp, shown again as pianta.png.
bool shootLoadsAndSections(Asker& asker, const QString& settingsFile, const QString& project,
                           const QDir& folder) {
    const ProjectReadResult read = readProjectFile(project.toStdString());
    if (!read.model) {
        std::cerr << "orvanta-screenshot: " << read.error << '\n';
        return false;
    }
    const Model building = *read.model;
    SavingFileChooser chooser(folder.filePath(QStringLiteral("input.orv")).toStdString());
    MainWindow window(asker, chooser, SettingsStore::file(settingsFile));
    window.resize(1200, 820);
    window.show();
    window.registerChild(childWindow::grid, [building](ChildHost& host) {
        host.session().model() = building;
        return std::make_unique<QWidget>();
    });
    window.findChild<QAction*>("mnuFileNew")->trigger();
    window.closeChild(childWindow::grid);
    if (!window.openChild(childWindow::loads))
        return false;
    window.session().model().slabs = building.slabs;
    window.projectChanged(ProjectChange::modelEdited);
    const auto maximise = [&window] {
        for (QMdiSubWindow* frame : window.findChildren<QMdiSubWindow*>())
            frame->showMaximized();
    };
    maximise();
    const char* loads = "frmCarichi";
    window.findChild<QScrollBar*>("hsbNodoSol")->setValue(2);
    typeInto(window, loads, "txtPermanente", QStringLiteral("5,5"));
    typeInto(window, loads, "txtAccidentale", QStringLiteral("2"));
    typeInto(window, loads, "txtAliquota", QStringLiteral("30"));
    settle();
    bool ok = save(window.grab(), folder, QStringLiteral("carichi.png"));

    press(window, loads, "cmdInserisciSezioni");
    maximise();
    const Model& model = window.session().model();
    for (int node = 1; node <= model.counts.nX * model.counts.nY; ++node) {
        if (isPresent(model, 1, node) && columnSection(model, 1, node).shape == ColumnShape::box) {
            window.findChild<QScrollBar*>("hsbNodoPil")->setValue(node);
            break;
        }
    }
    if (auto* direction = window.findChild<QComboBox*>("cmbDirezioneTravi"))
        direction->setCurrentIndex(1);
    settle();
    ok = save(window.grab(), folder, QStringLiteral("sezioni.png")) && ok;

    press(window, "frmSezioni", "cmdFine");
    settle();
    const QPixmap plan(folder.filePath(QStringLiteral("input.bmp")), "BMP");
    ok = !plan.isNull() && save(plan, folder, QStringLiteral("pianta.png")) && ok;
    window.findChild<QAction*>("mnuFileClose")->trigger();
    return ok;
}

// The refusal of "Calcola Matrici" for the project with two sections left unassigned, in the
// message box the program shows (messaggio.png).
bool shootMessage(const QString& project, const QDir& folder) {
    const ProjectReadResult read = readProjectFile(project.toStdString());
    if (!read.model)
        return false;
    Model model = *read.model;
    for (const int node : {3, 7})
        setColumnSection(model, 2, node, ColumnSection{});
    const std::optional<Message> refusal = calculationRefusal(model);
    if (!refusal)
        return false;
    const std::unique_ptr<QMessageBox> box = makeMessageBox(*refusal, nullptr);
    return shoot(*box, folder, QStringLiteral("messaggio.png"));
}

// The user guide in its window, on the chapter of the grid with its picture (guida.png).
bool shootHelp(const QDir& folder) {
    const UserGuide guide = UserGuide::find();
    if (guide.chapters().size() < 2) {
        std::cerr << "orvanta-screenshot: guida non trovata\n";
        return false;
    }
    HelpWindow help(guide);
    help.showContents();
    help.findChild<QListWidget*>("lstSommario")->setCurrentRow(1);
    return shoot(help, folder, QStringLiteral("guida.png"));
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() < 2) {
        std::cerr << "uso: orvanta-screenshot CARTELLA [progetto.orv]\n";
        return 1;
    }
    const QDir folder(arguments.at(1));
    if (!QDir().mkpath(folder.path()))
        return 1;

    PrintingAsker asker;
    NoFileChooser chooser;
    const QTemporaryDir settingsFolder;
    bool ok = true;

    StartupScreen start;
    ok = shoot(start, folder, QStringLiteral("avvio.png")) && ok;
    SplashScreen splash;
    ok = shoot(splash, folder, QStringLiteral("splash.png")) && ok;
    AboutBox about(asker);
    ok = shoot(about, folder, QStringLiteral("about.png")) && ok;

    MainWindow window(asker, chooser,
                      SettingsStore::file(settingsFolder.filePath(QStringLiteral("o.ini"))));
    window.resize(1180, 820);
    window.show();
    if (arguments.size() > 2) {
        if (!window.openProjectFile(arguments.at(2)))
            ok = false;
        else if (auto* calculate = window.findChild<QAction*>("mnuCalcola"))
            calculate->trigger();
    }
    settle();
    ok = save(window.grab(), folder, QStringLiteral("main-window.png")) && ok;
    ok = save(withMenuOpen(window, "mnuAnalisi"), folder,
              QStringLiteral("main-window-analisi.png")) &&
         ok;

    // The progress dialog as a "Calcola Matrici" of a large building shows it, over the window.
    {
        ProgressFeedback feedback(&window, QStringLiteral("Calcola Matrici"));
        const ProgressCallback progress = feedback.callback();
        progress("Tabelle degli elementi dei ritti", 0);
        QThread::msleep(ProgressFeedback::delayMilliseconds + 100);
        progress("Matrici dei ritti ortogonali ad X", 0.35);
        settle();
        QPixmap picture = window.grab();
        if (auto* dialog = window.findChild<QProgressDialog*>("dlgAvanzamento")) {
            QPainter painter(&picture);
            painter.drawPixmap(dialog->mapTo(&window, QPoint(0, 0)), dialog->grab());
        }
        ok = save(picture, folder, QStringLiteral("progress.png")) && ok;
    }
    if (arguments.size() > 2)
        ok = shootResultViews(window, folder) && ok;
    if (arguments.size() > 2)
        ok = shootExports(window, folder) && ok;
    ok = shootReport(window, folder) && ok;
    ok = shootInputPhases(window, folder) && ok;
    if (arguments.size() > 2)
        ok = shootLoadsAndSections(asker, settingsFolder.filePath(QStringLiteral("e.ini")),
                                   arguments.at(2), folder) &&
             ok;
    if (arguments.size() > 2)
        ok = shootMessage(arguments.at(2), folder) && ok;
    ok = shootHelp(folder) && ok;
    return ok ? 0 : 1;
}
