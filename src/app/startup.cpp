#include "startup.h"

#include "main_window.h"
#include "splash_screen.h"
#include "startup_screen.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

namespace orvanta {

namespace {

void centreOnPrimaryScreen(QWidget& window) {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = window.frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        window.move(frame.topLeft());
    }
}

} // namespace

Startup::Startup(Asker& asker, FileChooser& chooser, SettingsStore settings)
    : asker_(asker), chooser_(chooser), settings_(std::move(settings)) {}

Startup::~Startup() = default;

void Startup::showStartScreen() {
    start_ = std::make_unique<StartupScreen>();
    connect(start_.get(), &StartupScreen::activated, this, [this] { openMainWindow(); });
    centreOnPrimaryScreen(*start_);
    start_->show();
    start_->raise();
    start_->activateWindow();
}

void Startup::startWithProject(const QString& path) {
    pendingProject_ = path;
    splash_ = std::make_unique<SplashScreen>();
    connect(splash_.get(), &SplashScreen::activated, this, [this] { openMainWindow(); });
    centreOnPrimaryScreen(*splash_);
    splash_->show();
    QTimer::singleShot(splashMilliseconds, this, [this] { openMainWindow(); });
}

MainWindow& Startup::openMainWindow() {
    if (main_)
        return *main_;
    main_ = std::make_unique<MainWindow>(asker_, chooser_, settings_);
    main_->show();
    // The screens are closed here but deleted later: this may run inside one of their own
    // click handlers.
    if (splash_) {
        splash_->close();
        splash_.release()->deleteLater();
    }
    if (start_) {
        start_->close();
        start_.release()->deleteLater();
    }
    if (!pendingProject_.isEmpty()) {
        const QString path = std::exchange(pendingProject_, QString());
        main_->openProjectFile(path);
    }
    return *main_;
}

} // namespace orvanta
