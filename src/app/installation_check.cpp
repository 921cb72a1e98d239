#include "installation_check.h"

#include "application_info.h"
#include "main_window.h"
#include "startup.h"

#include <QAction>
#include <QApplication>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

namespace orvanta {

namespace {

class PrintingAsker : public Asker {
public:
    Answer ask(const Message& message) override {
        std::fprintf(stderr, "%s: %s\n", message.title.c_str(), message.text().c_str());
        ++messages;
        return message.buttons == MessageButtons::YesNo ? Answer::Yes : Answer::Ok;
    }
    int messages = 0;
};

class NoFiles : public FileChooser {
public:
    std::optional<std::string> chooseFileToOpen(const std::string&, const std::string&) override {
        return std::nullopt;
    }
    std::optional<std::string> chooseFileToSave(const std::string&, const std::string&) override {
        return std::nullopt;
    }
};

} // namespace

int checkInstallation(const QString& project) {
    PrintingAsker asker;
    NoFiles chooser;
    // Settings of its own, so that a check never moves the user's window.
    const QTemporaryDir settings;
    Startup startup(asker, chooser, SettingsStore::file(settings.filePath("verifica.ini")));
    startup.startWithProject(project);
    int status = 1;
    QTimer::singleShot(Startup::splashMilliseconds + 200, [&] {
        MainWindow* window = startup.mainWindow();
        if (window && window->session().projectOpen()) {
            if (auto* calculate = window->findChild<QAction*>("mnuCalcola"))
                calculate->trigger();
            const int size = static_cast<int>(window->results().globalStiffness.upper(1));
            if (size > 0 && asker.messages == 0) {
                std::printf("%s %s: progetto %s aperto, matrice globale %d x %d\n",
                            app::applicationTitle, app::versionText,
                            window->session().projectName().c_str(), size, size);
                status = 0;
            }
        }
        QApplication::quit();
    });
    QApplication::exec();
    return status;
}

} // namespace orvanta
