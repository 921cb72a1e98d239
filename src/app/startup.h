#pragma once

// How the program starts: on the start-up screen, which opens the main window when clicked,
// or, with a project named on the command line, on the splash window while the main window
// loads, then straight into the project.

#include "window_settings.h"

#include <QObject>
#include <QString>
#include <memory>

namespace orvanta {

class Asker;
class FileChooser;
class MainWindow;
class SplashScreen;
class StartupScreen;

class Startup : public QObject {
    Q_OBJECT

public:
    // How long the splash stays when nobody clicks it.
    static constexpr int splashMilliseconds = 700;

    Startup(Asker& asker, FileChooser& chooser, SettingsStore settings);
    ~Startup() override;

    void showStartScreen();
    // Shows the splash, then the main window with the project open in it.
    void startWithProject(const QString& path);

    // Creates and shows the main window once, closing the start-up and splash screens; opens
    // the project waiting from the command line, if any.
    MainWindow& openMainWindow();

    MainWindow* mainWindow() const { return main_.get(); }
    StartupScreen* startScreen() const { return start_.get(); }
    SplashScreen* splashScreen() const { return splash_.get(); }

private:
    Asker& asker_;
    FileChooser& chooser_;
    SettingsStore settings_;
    QString pendingProject_;
    std::unique_ptr<MainWindow> main_;
    std::unique_ptr<StartupScreen> start_;
    std::unique_ptr<SplashScreen> splash_;
};

} // namespace orvanta
