#include "main_window.h"

#include "about_box.h"
#include "application_info.h"
#include "calculation.h"
#include "finite_results.h"
#include "help_window.h"
#include "model_check.h"
#include "model_fingerprint.h"
#include "number_selector.h"
#include "progress_feedback.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QtAlgorithms>
#include <algorithm>
#include <new>

namespace orvanta {

namespace {

constexpr const char* closeQuestion = "Chiudere comunque il progetto?";
constexpr const char* exitQuestion = "Uscire comunque dal programma?";
constexpr int statusNoteMilliseconds = 10000;

} // namespace

MainWindow::MainWindow(Asker& asker, FileChooser& chooser, SettingsStore settings,
                       std::vector<ChildWindowEntry> windows, QWidget* parent)
    : QMainWindow(parent), asker_(asker), chooser_(chooser), settings_(std::move(settings)),
      session_(asker, chooser, this), documents_(new QMdiArea(this)),
      projectLabel_(new QLabel(this)), documentLabel_(new QLabel(this)),
      openDocument_(new QPushButton(QStringLiteral("Apri"), this)), windows_(std::move(windows)),
      guide_(UserGuide::find()) {
    setObjectName("frmMain");
    setWindowTitle(QString::fromLatin1(app::applicationTitle));

    documents_->setObjectName("mdiArea");
    documents_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    documents_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(documents_);

    statusBar()->setObjectName("sbStatusBar");
    projectLabel_->setObjectName("lblProgetto");
    statusBar()->addPermanentWidget(projectLabel_);
    documentLabel_->setObjectName("lblDocumento");
    openDocument_->setObjectName("cmdApriDocumento");
    statusBar()->addWidget(documentLabel_);
    statusBar()->addWidget(openDocument_);
    withdrawDocument();
    connect(openDocument_, &QPushButton::clicked, this, &MainWindow::openAnnouncedDocument);

    menu_ = buildMainMenu(*menuBar(), windows_);
    connectMenu();

    // At load the Analisi menu and the report are unavailable; the result views wait for
    // "Calcola Matrici", which is the only command that enables them.
    menu_.analysis->menuAction()->setEnabled(false);
    enableItems({ItemEnabling::untilSectionsEdited, ItemEnabling::untilClosed}, false);

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

    connect(menu_.calculate, &QAction::triggered, this, &MainWindow::calculate);
    for (const auto& [name, action] : menu_.windowItems) {
        const QString window = name;
        connect(action, &QAction::triggered, this, [this, window] {
            if (const ChildWindowEntry* e = entry(window))
                openFromMenu(*e);
        });
    }

    connect(menu_.helpContents, &QAction::triggered, this, [this] { showHelp(false); });
    connect(menu_.helpSearch, &QAction::triggered, this, [this] { showHelp(true); });
    connect(menu_.helpAbout, &QAction::triggered, this, &MainWindow::showAbout);
}

void MainWindow::registerChild(const QString& name, ChildFactory create, ChildPreparation prepare) {
    for (ChildWindowEntry& w : windows_) {
        if (name == QLatin1String(w.name)) {
            w.create = std::move(create);
            w.prepare = std::move(prepare);
            return;
        }
    }
    qFatal("no child window %s in the table", qPrintable(name));
}

const ChildWindowEntry* MainWindow::entry(const QString& name) const {
    for (const ChildWindowEntry& w : windows_) {
        if (name == QLatin1String(w.name))
            return &w;
    }
    return nullptr;
}

bool MainWindow::reopenableFromMenu(const ChildWindowEntry& window) const {
    const auto item = menu_.windowItems.find(QString::fromLatin1(window.name));
    if (item == menu_.windowItems.end() || !item->second->isEnabled())
        return false;
    const MenuPlace place = window.item.place;
    const bool inAnalysisMenu = place == MenuPlace::analysisEditing ||
                                place == MenuPlace::analysisMatrices ||
                                place == MenuPlace::analysisDrawings;
    return !inAnalysisMenu || menu_.analysis->menuAction()->isEnabled();
}

void MainWindow::enableItems(std::initializer_list<ItemEnabling> rules, bool enabled) {
    for (const ChildWindowEntry& w : windows_) {
        const auto item = menu_.windowItems.find(QString::fromLatin1(w.name));
        if (item == menu_.windowItems.end() ||
            std::find(rules.begin(), rules.end(), w.item.enabling) == rules.end())
            continue;
        item->second->setEnabled(enabled);
        if (!enabled)
            closeChild(QString::fromLatin1(w.name));
    }
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

// The result items are enabled before the engine runs, so that they stay available even when a
// stage reports an error; a model that is not complete is refused before anything changes. Open
// views then follow the new results.
void MainWindow::calculate() {
    if (const std::optional<Message> refusal = calculationRefusal(session_.model())) {
        asker_.ask(*refusal);
        return;
    }
    enableItems({ItemEnabling::untilSectionsEdited, ItemEnabling::untilClosed}, true);
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
        enableItems({ItemEnabling::untilSectionsEdited, ItemEnabling::untilClosed}, false);
        asker_.ask(outOfMemoryMessage("calcolare le matrici"));
    }
    projectChanged(ProjectChange::resultsRecomputed, nullptr);
}

// Editing the sections makes the families, the matrices and the centres stale: their items are
// disabled, and their windows close, until "Calcola Matrici" runs again.
// A window that its preparation keeps shut changes nothing.
void MainWindow::openFromMenu(const ChildWindowEntry& window) {
    if (window.prepare && window.create && !window.prepare(*this))
        return;
    if (window.editsSections)
        enableItems({ItemEnabling::untilSectionsEdited}, false);
    openChild(QString::fromLatin1(window.name));
}

// --- Help menu -----------------------------------------------------------------------------

// The guide opens in a window of its own beside the main window, once; a guide that cannot be
// found is reported.
void MainWindow::showHelp(bool search) {
    if (guide_.empty()) {
        asker_.tell({"Impossibile visualizzare il Sommario della Guida. Nessun file della Guida "
                     "associato al progetto."},
                    app::applicationTitle, MessageIcon::Information);
        return;
    }
    auto* help = qobject_cast<HelpWindow*>(help_.data());
    if (!help) {
        help = new HelpWindow(guide_, this);
        help->setAttribute(Qt::WA_DeleteOnClose);
        help_ = help;
    }
    if (search)
        help->showSearch();
    else
        help->showContents();
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
    const ChildWindowEntry* window = entry(name);
    if (!window || !window->create) {
        statusBar()->showMessage(QStringLiteral("«%1» non è ancora disponibile in questa versione.")
                                     .arg(window ? QString::fromUtf8(window->caption) : name),
                                 statusNoteMilliseconds);
        return nullptr;
    }
    // The window records its phase as it loads.
    if (window->phase)
        session_.setCurrentPhase(window->phase);
    std::unique_ptr<QWidget> widget = window->create(*this);
    if (!widget)
        return nullptr;
    if (widget->objectName().isEmpty())
        widget->setObjectName(name);
    settleSelectorsBeforeButtons(*widget);
    if (widget->windowTitle().isEmpty())
        widget->setWindowTitle(QString::fromUtf8(window->caption));
    // An input phase that no menu item reopens now (grid, geometry, loads, and the sections of a
    // project whose Analisi menu is still shut, before its first save) ends only by its own
    // hand-over or by File > Chiudi: its frame has no close button and no Close in its menu, so
    // that a stray click cannot leave the project open with no window to go on entering it.
    const Qt::WindowFlags frameFlags = reopenableFromMenu(*window)
                                           ? Qt::WindowFlags{}
                                           : Qt::SubWindow | Qt::CustomizeWindowHint |
                                                 Qt::WindowTitleHint | Qt::WindowMinMaxButtonsHint;
    QMdiSubWindow* frame = documents_->addSubWindow(widget.release(), frameFlags);
    frame->setAttribute(Qt::WA_DeleteOnClose);
    openChildren_[name] = frame;
    frame->show();
    documents_->setActiveSubWindow(frame);
    return frame->widget();
}

// A model edited after "Calcola Matrici" (a section changed in the window "Modifica Sezioni"
// left open through the calculation) makes the families, the matrices and the centres stale
// again, as opening that window does.
void MainWindow::projectChanged(ProjectChange change, const QWidget* origin) {
    if (change == ProjectChange::modelEdited)
        enableItems({ItemEnabling::untilSectionsEdited}, false);
    QStringList closing;
    for (const auto& [name, frame] : openChildren_) {
        if (!frame || frame->widget() == origin)
            continue;
        if (auto* follower = dynamic_cast<ChildWindow*>(frame->widget());
            follower && follower->follow(change) == Following::close)
            closing << name;
    }
    for (const QString& name : closing)
        closeChild(name);
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
std::optional<std::string> MainWindow::chooseFileToSave(const std::string& title,
                                                        const std::string& filter) {
    return chooser_.chooseFileToSave(title, filter);
}

void MainWindow::announceDocument(const QString& notice, const QString& openCaption,
                                  const QString& path) {
    documentPath_ = path;
    documentLabel_->setText(notice);
    openDocument_->setText(openCaption);
    documentLabel_->show();
    openDocument_->show();
}

void MainWindow::showStatus(const QString& text) {
    statusBar()->showMessage(text, statusNoteMilliseconds);
}

void MainWindow::withdrawDocument() {
    documentPath_.clear();
    documentLabel_->clear();
    documentLabel_->hide();
    openDocument_->hide();
}

void MainWindow::openAnnouncedDocument() {
    if (documentPath_.isEmpty() || opener_->open(documentPath_))
        return;
    asker_.tell({"Impossibile aprire il documento", documentPath_.toStdString(),
                 "Nessun programma del sistema è associato ai file PDF, oppure il file non "
                 "esiste più."},
                "Apri il documento", MessageIcon::Exclamation);
}

void MainWindow::projectClosed(const std::string& /*phase*/) {
    withdrawDocument();
    menu_.analysis->menuAction()->setEnabled(false);
    enableItems({ItemEnabling::untilSectionsEdited, ItemEnabling::untilClosed}, false);
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
