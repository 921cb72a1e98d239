// orvanta: the desktop program.
//
//   orvanta               opens on the start-up screen
//   orvanta FILE.orv      opens the project straight away

#include "application_info.h"
#include "brand_pictures.h"
#include "drawing_painter.h"
#include "qt_interaction.h"
#include "startup.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <QPixmap>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(orvanta::app::applicationTitle));
    QApplication::setOrganizationName(QString::fromLatin1(orvanta::app::applicationTitle));
    QApplication::setApplicationVersion(QString::fromLatin1(orvanta::app::versionText));
    QApplication::setWindowIcon(
        QIcon(QPixmap::fromImage(orvanta::renderDrawing(orvanta::logoPicture(), {64, 64}))));

    QCommandLineParser arguments;
    arguments.setApplicationDescription(QStringLiteral("Orvanta - Analisi per Famiglie di Ritti"));
    arguments.addHelpOption();
    arguments.addVersionOption();
    arguments.addPositionalArgument(QStringLiteral("progetto"),
                                    QStringLiteral("File di progetto (.orv) da aprire."),
                                    QStringLiteral("[progetto.orv]"));
    arguments.process(application);

    orvanta::MessageBoxAsker asker;
    orvanta::FileDialogChooser chooser;
    orvanta::Startup startup(asker, chooser, orvanta::SettingsStore::perUser());
    const QStringList projects = arguments.positionalArguments();
    if (projects.isEmpty())
        startup.showStartScreen();
    else
        startup.startWithProject(projects.constFirst());
    return QApplication::exec();
}
