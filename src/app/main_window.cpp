#include "main_window.h"

#include "about_box.h"
#include "application_info.h"
#include "calculation.h"
#include "child_windows.h"
#include "finite_results.h"
#include "model_check.h"
#include "model_fingerprint.h"
#include "progress_feedback.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QtAlgorithms>
#include <new>

namespace orvanta {

namespace {

constexpr const char* closeQuestion = "Chiudere comunque il progetto?";
constexpr const char* exitQuestion = "Uscire comunque dal programma?";
constexpr int statusNoteMilliseconds = 10000;

} // namespace

MainWindow::MainWindow(Asker& asker, FileChooser& chooser, SettingsStore settings, QWidget* parent)
    : QMainWindow(parent), asker_(asker), settings_(std::move(settings)),
      session_(asker, chooser, this), documents_(new QMdiArea(this)),
      projectLabel_(new QLabel(this)) {
    setObjectName("frmMain");
    setWindowTitle(QString::fromLatin1(app::applicationTitle));

    documents_->setObjectName("mdiArea");
    documents_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    documents_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(documents_);

    statusBar()->setObjectName("sbStatusBar");
    projectLabel_->setObjectName("lblProgetto");
    statusBar()->addPermanentWidget(projectLabel_);

    menu_ = buildMainMenu(*menuBar());
    connectMenu();

    // At load the Analisi menu and the report are unavailable; the result views wait for
    // "Calcola Matrici", which is the only command that enables them.
    menu_.analysis->menuAction()->setEnabled(false);
    for (QAction* item : menu_.resultItems())
        item->setEnabled(false);

    registerChildWindows(*this);
    showProjectName();
    restorePlacement();
}

// The child windows go first: they hold on to the session and the results, which are members
// and would otherwise be destroyed before the widgets that use them.
MainWindow::~MainWindow() {
    openChildren_.clear();
    qDeleteAll(documents_->subWindowList());
}

void MainWindow::connectMenu() {
    connect(menu_.fileNew, &QAction::triggered, this, &MainWindow::newProject);
    connect(menu_.fileOpen, &QAction::triggered, this, &MainWindow::openProject);
    connect(menu_.fileClose, &QAction::triggered, this, &MainWindow::closeProject);
    connect(menu_.fileSave, &QAction::triggered, this, [this] { saveProject(); });
    connect(menu_.fileSaveAs, &QAction::triggered, this, &MainWindow::saveProjectAs);
    connect(menu_.fileExit, &QAction::triggered, this, &QWidget::close);

    connect(menu_.editSections, &QAction::triggered, this, &MainWindow::editSections);
    connect(menu_.calculate, &QAction::triggered, this, &MainWindow::calculate);
    const std::pair<QAction*, const char*> views[] = {
        {menu_.familiesX, childWindow::familiesX}, {menu_.familiesY, childWindow::familiesY},
        {menu_.matrix, childWindow::matrix},       {menu_.centres, childWindow::centres},
        {menu_.elevation, childWindow::elevation}, {menu_.report, childWindow::report},
    };
    for (const auto& [action, name] : views) {
        const QString window = QString::fromLatin1(name);
        connect(action, &QAction::triggered, this, [this, window] { openView(window); });
    }

    connect(menu_.helpContents, &QAction::triggered, this, &MainWindow::showHelpMessage);
    connect(menu_.helpSearch, &QAction::triggered, this, &MainWindow::showHelpMessage);
    connect(menu_.helpAbout, &QAction::triggered, this, &MainWindow::showAbout);
}

void MainWindow::registerChild(const QString& name, ChildFactory create, ChildPreparation prepare) {
    registry_[name] = Registration{std::move(create), std::move(prepare)};
}

// --- File menu -----------------------------------------------------------------------------

void MainWindow::newProject() {
    const bool wasOpen = session_.projectOpen();
    session_.newProject();
    if (!wasOpen && session_.projectOpen())
        startedProject();
}

// Runs a File command with progress feedback for Open and Save.
template <class Command> bool MainWindow::withFileProgress(const char* title, Command command) {
    ProgressFeedback feedback(this, QString::fromUtf8(title));
    session_.setProgress(feedback.callback());
    const bool done = command();
    session_.setProgress({});
    return done;
}

void MainWindow::openProject() {
    if (withFileProgress(openDialogTitle, [this] { return session_.open(); }))
        startedProject();
}

bool MainWindow::openProjectFile(const QString& path) {
    const std::string name = path.toStdString();
    if (!withFileProgress(openDialogTitle, [&] { return session_.openFile(name); }))
        return false;
    startedProject();
    return true;
}

// A new or opened project starts with no results and nothing to save.
void MainWindow::startedProject() {
    results_ = AnalysisResults{};
    markSaved();
    showProjectName();
}

void MainWindow::closeProject() {
    if (!confirmDiscardingChanges(closeQuestion))
        return;
    session_.close();
    showProjectName();
}

bool MainWindow::saveProject() {
    const bool saved = withFileProgress(saveDialogTitle, [this] { return session_.save(); });
    if (saved)
        markSaved();
    showProjectName();
    return saved;
}

void MainWindow::saveProjectAs() {
    if (withFileProgress(saveDialogTitle, [this] { return session_.saveAs(); }))
        markSaved();
    showProjectName();
}

// --- Analisi menu --------------------------------------------------------------------------

void MainWindow::editSections() {
    for (QAction* item : {menu_.familiesX, menu_.familiesY, menu_.matrix, menu_.centres})
        item->setEnabled(false);
    openChild(QString::fromLatin1(childWindow::sections));
}

// The result items are enabled before the engine runs, so that they stay available even when a
// stage reports an error; a model that is not complete is refused before anything changes.
void MainWindow::calculate() {
    if (const std::optional<Message> refusal = calculationRefusal(session_.model())) {
        asker_.ask(*refusal);
        return;
    }
    for (QAction* item : menu_.resultItems())
        item->setEnabled(true);
    try {
        {
            ProgressFeedback feedback(this, QStringLiteral("Calcola Matrici"));
            runCalculation(session_.model(), results_, asker_, feedback.callback());
        }
        if (const std::optional<Message> invalid = nonFiniteResultMessage(results_))
            asker_.ask(*invalid);
    } catch (const std::bad_alloc&) {
        // Nothing half-computed is left to show.
        results_ = AnalysisResults{};
        for (QAction* item : menu_.resultItems())
            item->setEnabled(false);
        asker_.ask(outOfMemoryMessage("calcolare le matrici"));
    }
}

// A result view opens only on finite results: after its preparation (the centres are
// recomputed there) a term that is not finite is reported and the view stays closed.
void MainWindow::openView(const QString& name) {
    const auto registered = registry_.find(name);
    if (registered != registry_.end() && registered->second.prepare)
        registered->second.prepare(*this);
    if (const std::optional<Message> invalid = nonFiniteResultMessage(results_)) {
        asker_.ask(*invalid);
        return;
    }
    openChild(name);
}

// --- Help menu -----------------------------------------------------------------------------

void MainWindow::showHelpMessage() {
    asker_.tell({"Impossibile visualizzare il Sommario della Guida. Nessun file della Guida "
                 "associato al progetto."},
                app::applicationTitle, MessageIcon::Information);
}

void MainWindow::showAbout() {
    auto* box = new AboutBox(asker_, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

// --- Child windows -------------------------------------------------------------------------

QWidget* MainWindow::openChild(const QString& name) {
    const auto open = openChildren_.find(name);
    if (open != openChildren_.end() && open->second) {
        open->second->show();
        documents_->setActiveSubWindow(open->second);
        return open->second->widget();
    }
    const auto registered = registry_.find(name);
    if (registered == registry_.end()) {
        statusBar()->showMessage(QStringLiteral("«%1» non è ancora disponibile in questa versione.")
                                     .arg(childWindowDescription(name)),
                                 statusNoteMilliseconds);
        return nullptr;
    }
    std::unique_ptr<QWidget> widget = registered->second.create(*this);
    if (!widget)
        return nullptr;
    if (widget->objectName().isEmpty())
        widget->setObjectName(name);
    QMdiSubWindow* frame = documents_->addSubWindow(widget.release());
    frame->setAttribute(Qt::WA_DeleteOnClose);
    openChildren_[name] = frame;
    frame->show();
    documents_->setActiveSubWindow(frame);
    return frame->widget();
}

void MainWindow::closeChild(const QString& name) {
    const auto open = openChildren_.find(name);
    if (open == openChildren_.end())
        return;
    const QPointer<QMdiSubWindow> frame = open->second;
    openChildren_.erase(open);
    if (frame)
        frame->close();
}

// --- Session events ------------------------------------------------------------------------

void MainWindow::openGridEditor() {
    openChild(QString::fromLatin1(childWindow::grid));
}

void MainWindow::enableAnalysisMenu() {
    menu_.analysis->menuAction()->setEnabled(true);
}

// Every window of the closed project goes, and with it the results: a view left open, or one
// reopened later, would show the results of a project that is no longer there. The elevation
// view is disabled with the other result views for the same reason.
void MainWindow::projectClosed(const std::string& /*phase*/) {
    menu_.analysis->menuAction()->setEnabled(false);
    for (QAction* item : {menu_.report, menu_.familiesX, menu_.familiesY, menu_.matrix,
                          menu_.centres, menu_.elevation})
        item->setEnabled(false);
    openChildren_.clear();
    documents_->closeAllSubWindows();
    results_ = AnalysisResults{};
}

// --- Unsaved changes -----------------------------------------------------------------------

void MainWindow::markSaved() {
    savedFingerprint_ = modelFingerprint(session_.model());
}

bool MainWindow::hasUnsavedChanges() const {
    return session_.projectOpen() && modelFingerprint(session_.model()) != savedFingerprint_;
}

bool MainWindow::confirmDiscardingChanges(const char* question) {
    if (!hasUnsavedChanges())
        return true;
    return asker_.confirm(
        {"Il progetto contiene modifiche non salvate che andranno perse.", question}, "Avviso",
        MessageIcon::Exclamation);
}

void MainWindow::showProjectName() {
    QString text = QStringLiteral("Nessun progetto aperto");
    if (session_.projectOpen() && session_.projectHasFile())
        text = QStringLiteral("Progetto: %1").arg(QString::fromStdString(session_.projectName()));
    else if (session_.projectOpen())
        text = QStringLiteral("Progetto nuovo, non ancora salvato");
    projectLabel_->setText(text);
}

// --- Position and size ---------------------------------------------------------------------

void MainWindow::restorePlacement() {
    const std::unique_ptr<QSettings> settings = settings_.open();
    const WindowPlacementTwips stored = readMainPlacement(*settings);

    QScreen* primary = QGuiApplication::primaryScreen();
    if (!primary)
        return;
    QRect frame =
        placementToPixels(stored, primary->logicalDotsPerInchX(), primary->logicalDotsPerInchY());
    const QScreen* target = QGuiApplication::screenAt(frame.topLeft());
    if (!target)
        target = primary;
    frame = placementToPixels(stored, target->logicalDotsPerInchX(), target->logicalDotsPerInchY());

    QList<QRect> screens;
    for (const QScreen* screen : QGuiApplication::screens())
        screens.append(screen->availableGeometry());
    const QPoint fallback =
        placementToPixels(WindowPlacementTwips{}, primary->logicalDotsPerInchX(),
                          primary->logicalDotsPerInchY())
            .topLeft();
    frame = keepOnScreens(frame, screens, primary->availableGeometry(), fallback);
    move(frame.topLeft());
    resize(frame.size());
}

void MainWindow::storePlacement() {
    if (isMinimized())
        return;
    const QScreen* current = screen();
    if (!current)
        return;
    const std::unique_ptr<QSettings> settings = settings_.open();
    writeMainPlacement(*settings,
                       pixelsToPlacement(QRect(pos(), size()), current->logicalDotsPerInchX(),
                                         current->logicalDotsPerInchY()));
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!confirmDiscardingChanges(exitQuestion)) {
        event->ignore();
        return;
    }
    storePlacement();
    openChildren_.clear();
    documents_->closeAllSubWindows();
    event->accept();
}

} // namespace orvanta
