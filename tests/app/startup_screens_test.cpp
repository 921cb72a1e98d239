// The start-up screen, the splash window and the about box: their texts, and the clicks that
// open the main window.

#include "about_box.h"
#include "accessibility_check.h"
#include "main_window.h"
#include "picture_box.h"
#include "sample_projects.h"
#include "scripted_interaction.h"
#include "settings_in_folder.h"
#include "splash_screen.h"
#include "startup.h"
#include "startup_screen.h"
#include "test_paths.h"

#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QtTest>

namespace orvanta {

using testing::ScriptedAsker;
using testing::ScriptedFileChooser;

class StartupScreensTest : public QObject {
    Q_OBJECT

private:
    std::filesystem::path folder;
    ScriptedAsker asker;
    ScriptedFileChooser chooser;

    SettingsStore settings() const { return testing::settingsIn(folder); }
    template <class Window> static QString labelText(const Window& window, const char* name) {
        const auto* label = window.template findChild<QLabel*>(name);
        return label ? label->text() : QStringLiteral("<missing %1>").arg(name);
    }

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void init() {
        folder = testing::outputFolder(std::string("startup-") + QTest::currentTestFunction());
        asker.messages.clear();
    }

    void theStartScreenPresentsTheProgram() {
        const StartupScreen screen;
        QCOMPARE(screen.objectName(), QString("frmAvvio"));
        QCOMPARE(screen.windowTitle(), QString("Orvanta - Analisi per Famiglie di Ritti"));
        QCOMPARE(labelText(screen, "lblProductName"), QString("\"Orvanta\""));
        QCOMPARE(labelText(screen, "lblWarning"),
                 QString("Programma per l'analisi matriciale e la gestione dei centri parziali "
                         "di rigidezza di strutture in c.a."));
        QCOMPARE(labelText(screen, "Label2"),
                 QString("Modellazione globale di aste piane assialmente estendibili e "
                         "deformabili per effetto del taglio"));
        QCOMPARE(labelText(screen, "Label6"),
                 QString("Calcolo automatico delle famiglie di ritti"));
        QCOMPARE(labelText(screen, "lblBestViewed"),
                 QString("(Best viewed on 1024 x 768 resolution)"));
        QVERIFY(!labelText(screen, "Label4").isEmpty());
        QVERIFY(!labelText(screen, "lblCompanyProduct").isEmpty());
        const auto* picture = screen.findChild<PictureBox*>("Image2");
        QVERIFY(picture);
        QVERIFY(picture->drawing().all<Line>().size() > 10);
    }

    void aClickAnywhereOpensTheMainWindow_data() {
        QTest::addColumn<QString>("target");
        QTest::newRow("a label") << "lblWarning";
        QTest::newRow("the title") << "lblProductName";
        QTest::newRow("the picture") << "Image2";
        QTest::newRow("the screen itself") << "frmAvvio";
    }

    void aClickAnywhereOpensTheMainWindow() {
        QFETCH(QString, target);
        Startup startup(asker, chooser, settings());
        startup.showStartScreen();
        StartupScreen* screen = startup.startScreen();
        QVERIFY(screen && screen->isVisible());
        QWidget* clicked = target == "frmAvvio" ? screen : screen->findChild<QWidget*>(target);
        QVERIFY(clicked);

        QTest::mouseClick(clicked, Qt::LeftButton, {}, QPoint(5, 5));

        QVERIFY(startup.mainWindow());
        QVERIFY(startup.mainWindow()->isVisible());
        QVERIFY(!startup.startScreen());
        QTRY_VERIFY(!QApplication::topLevelWidgets().contains(screen));
    }

    void aProjectOnTheCommandLineSkipsTheStartScreen() {
        const QString path = testing::writeProject(testing::loadedFrame(), folder / "casa.orv");
        Startup startup(asker, chooser, settings());
        startup.startWithProject(path);
        QVERIFY(!startup.startScreen());
        QVERIFY(startup.splashScreen() && startup.splashScreen()->isVisible());
        QVERIFY(!startup.mainWindow());

        QTRY_VERIFY(startup.mainWindow()); // the splash gives way by itself
        QVERIFY(!startup.splashScreen());
        QVERIFY(startup.mainWindow()->session().projectOpen());
        QCOMPARE(startup.mainWindow()->session().projectName(), std::string("casa"));
        QVERIFY(startup.mainWindow()->findChild<QMenu*>("mnuAnalisi")->menuAction()->isEnabled());
    }

    void aClickOnTheSplashFrameOpensTheMainWindowAtOnce() {
        Startup startup(asker, chooser, settings());
        startup.startWithProject(QString::fromStdString((folder / "manca.orv").string()));
        QTest::mouseClick(startup.splashScreen()->findChild<QWidget*>("fraMainFrame"),
                          Qt::LeftButton);
        QVERIFY(startup.mainWindow());
        QVERIFY(!startup.splashScreen());
        // The missing file is reported; the program goes on with no project open.
        QCOMPARE(asker.messages.size(), std::size_t{1});
        QCOMPARE(asker.messages[0].title, std::string("Impossibile aprire il progetto"));
        QVERIFY(!startup.mainWindow()->session().projectOpen());
    }

    void theSplashShowsTitleAndVersion() {
        const SplashScreen splash;
        QCOMPARE(labelText(splash, "lblProductName"), QString("Orvanta"));
        QCOMPARE(labelText(splash, "lblVersion"), QString("Versione " ORVANTA_EXPECTED_VERSION));
        QVERIFY(splash.findChild<PictureBox*>("picLogo"));
        for (const char* name : {"lblPlatform", "lblCompany", "lblCompanyProduct", "lblWarning"})
            QVERIFY2(!labelText(splash, name).isEmpty(), name);
    }

    void theAboutBoxNamesTheBuildAndExplainsTheProgram() {
        AboutBox about(asker);
        QCOMPARE(about.windowTitle(), QString("Informazioni su Orvanta"));
        QCOMPARE(labelText(about, "lblTitle"), QString("Orvanta"));
        QCOMPARE(labelText(about, "lblVersion"), QString("Versione " ORVANTA_EXPECTED_VERSION));
        QCOMPARE(labelText(about, "lblDescription"),
                 QString("Programma di analisi matriciale delle strutture per lo studio dei "
                         "centri parziali di rigidezza delle diverse famiglie di ritti. "
                         "Modellazione ad aste piane a sezione simmetrica estensibili "
                         "assialmente e deformabili per effetto del taglio."));
        QVERIFY(labelText(about, "lblDisclaimer").size() > 40);
        QCOMPARE(about.findChild<QPushButton*>("cmdSysInfo")->text(), QString("&System Info..."));

        about.show();
        QTest::mouseClick(about.findChild<QPushButton*>("cmdSysInfo"), Qt::LeftButton);
        QCOMPARE(asker.messages.size(), std::size_t{1});
        QCOMPARE(asker.messages[0].title, std::string("Orvanta"));
        QCOMPARE(asker.messages[0].icon, MessageIcon::Information);
        QTest::mouseClick(about.findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
        QVERIFY(!about.isVisible());
        QCOMPARE(about.result(), int(QDialog::Accepted));
    }

    // A screen reader finds every picture and button of the screens by its name.
    void everyControlOfTheScreensHasAnAccessibleName() {
        StartupScreen screen;
        SplashScreen splash;
        AboutBox about(asker);
        MainWindow window(asker, chooser, settings());
        for (QWidget* w : std::initializer_list<QWidget*>{&screen, &splash, &about, &window}) {
            w->show();
            const QStringList unnamed = testing::accessibilityProblems(*w);
            QVERIFY2(unnamed.isEmpty(), qPrintable(w->objectName() + ": " + unnamed.join(", ")));
        }
    }
};

} // namespace orvanta

QTEST_MAIN(orvanta::StartupScreensTest)
#include "startup_screens_test.moc"
