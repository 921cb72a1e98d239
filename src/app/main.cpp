// orvanta: the desktop program.
//
//   orvanta               opens on the start-up screen
//   orvanta FILE.orv      opens the project straight away
//   orvanta --verifica-avvio FILE.orv
//                         opens it, calculates, prints the outcome and ends (exit 0 when sound)

#include "application_info.h"
#include "brand_pictures.h"
#include "drawing_painter.h"
#include "installation_check.h"
#include "qt_interaction.h"
#include "startup.h"
#include "toolkit_language.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <QPixmap>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    orvanta::installToolkitTranslations(application);
    QApplication::setApplicationName(QString::fromLatin1(orvanta::app::applicationTitle));
    QApplication::setOrganizationName(QString::fromLatin1(orvanta::app::applicationTitle));
    QApplication::setApplicationVersion(QString::fromLatin1(orvanta::app::versionText));
    QApplication::setWindowIcon(
        QIcon(QPixmap::fromImage(orvanta::renderDrawing(orvanta::logoPicture(), {64, 64}))));

    QCommandLineParser arguments;
    arguments.setApplicationDescription(QStringLiteral("Orvanta - Analisi per Famiglie di Ritti"));
    arguments.addHelpOption();
    arguments.addVersionOption();
    const QCommandLineOption check(
        QStringLiteral("verifica-avvio"),
        QStringLiteral("Apre il progetto, esegue \"Calcola Matrici\" e termina, stampando l'esito "
                       "(per verificare un'installazione)."));
    arguments.addOption(check);
    arguments.addPositionalArgument(QStringLiteral("progetto"),
                                    QStringLiteral("File di progetto (.orv) da aprire."),
                                    QStringLiteral("[progetto.orv]"));
    arguments.process(application);

    const QStringList projects = arguments.positionalArguments();
    if (arguments.isSet(check))
        return orvanta::checkInstallation(projects.value(0));

    orvanta::MessageBoxAsker asker;
    orvanta::FileDialogChooser chooser;
    orvanta::Startup startup(asker, chooser, orvanta::SettingsStore::perUser());
    if (projects.isEmpty())
        startup.showStartScreen();
    else
        startup.startWithProject(projects.constFirst());
    return QApplication::exec();
}
