#pragma once

// frmMain, the program's main window: a document area holding every phase editor and result
// view, the menu bar, the status bar sbStatusBar, the File commands of the project session and
// the "Calcola Matrici" command. It restores its position and size from the user's settings
// when it is created and stores them when it closes, unless it is minimised.
//
// Messages and file names come from the Asker and FileChooser it is given: message boxes and
// file dialogs in the program, scripted answers in the tests, so no test waits on a dialog.

#include "child_host.h"
#include "child_windows.h"
#include "document_opener.h"
#include "main_menu.h"
#include "user_guide.h"
#include "window_settings.h"

#include <QMainWindow>
#include <QPointer>
#include <cstdint>
#include <map>

class QLabel;
class QMdiArea;
class QPushButton;
class QMdiSubWindow;

namespace orvanta {

class MainWindow : public QMainWindow, public ChildHost, private SessionObserver {
    Q_OBJECT

public:
    // The child windows are those of the table given, the program's own by default.
    MainWindow(Asker& asker, FileChooser& chooser, SettingsStore settings,
               std::vector<ChildWindowEntry> windows = childWindowTable(),
               QWidget* parent = nullptr);
    ~MainWindow() override;

    // Gives the named window of the table another factory and preparation (the tests stand in
    // for windows with it).
    void registerChild(const QString& name, ChildFactory create, ChildPreparation prepare = {});

    // Opens the project named on the command line, as Open does after its dialog.
    bool openProjectFile(const QString& path);

    // Whether the model differs from what was last opened, created or saved.
    bool hasUnsavedChanges() const;

    // Where the documents the program wrote are opened: the desktop's viewer unless another
    // opener (a test's) is set; it must outlive the window.
    void setDocumentOpener(DocumentOpener& opener) { opener_ = &opener; }

    // The guide shown by the Help menu (the installed one by default).
    void setUserGuide(UserGuide guide) { guide_ = std::move(guide); }

    // ChildHost
    ProjectSession& session() override { return session_; }
    AnalysisResults& results() override { return results_; }
    Asker& asker() override { return asker_; }
    QWidget* openChild(const QString& name) override;
    void closeChild(const QString& name) override;
    bool saveProject() override;
    void projectChanged(ProjectChange change, const QWidget* origin) override;
    std::optional<std::string> chooseFileToSave(const std::string& title,
                                                const std::string& filter) override;
    void announceDocument(const QString& notice, const QString& openCaption,
                          const QString& path) override;
    void showStatus(const QString& text) override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void connectMenu();
    template <class Command> bool withFileProgress(const char* title, Command command);
    void newProject();
    void openProject();
    void closeProject();
    void saveProjectAs();
    void calculate();
    void openFromMenu(const ChildWindowEntry& window);
    // Enables or disables the items of the windows with one of these rules; a window whose item
    // is disabled closes.
    void enableItems(std::initializer_list<ItemEnabling> rules, bool enabled);
    // Whether the window's menu item can open it again now: the item and its menu are enabled.
    bool reopenableFromMenu(const ChildWindowEntry& window) const;
    const ChildWindowEntry* entry(const QString& name) const;
    void showHelp(bool search);
    void showAbout();

    // SessionObserver
    void openGridEditor() override;
    void enableAnalysisMenu() override;
    void projectClosed(const std::string& phase) override;

    void restorePlacement();
    void storePlacement();
    bool confirmDiscardingChanges(const char* question);
    void startedProject();
    void markSaved();
    void showProjectName();
    void openAnnouncedDocument();
    void withdrawDocument();

    Asker& asker_;
    FileChooser& chooser_;
    SettingsStore settings_;
    ProjectSession session_;
    AnalysisResults results_;
    std::uint64_t savedFingerprint_ = 0;

    QMdiArea* documents_;
    QLabel* projectLabel_;
    // The last document written, announced in the status bar with a button that opens it.
    QLabel* documentLabel_;
    QPushButton* openDocument_;
    QString documentPath_;
    DesktopDocumentOpener desktopOpener_;
    DocumentOpener* opener_ = &desktopOpener_;
    std::vector<ChildWindowEntry> windows_;
    MainMenu menu_;
    UserGuide guide_;
    QPointer<QWidget> help_;
    std::map<QString, QPointer<QMdiSubWindow>> openChildren_;
};

} // namespace orvanta
