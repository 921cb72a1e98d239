// frmStampa in the main window: its controls, the report written beside the project, the save
// dialog of a project without a file, a report that cannot be written, the status bar's
// "Apri la relazione", and the user's number conventions.

#include "accessibility_check.h"
#include "child_host.h"
#include "main_window.h"
#include "number_format.h"
#include "pdf_tools.h"
#include "recording_opener.h"
#include "sample_projects.h"
#include "scripted_interaction.h"
#include "settings_in_folder.h"
#include "test_paths.h"

#include <QAction>
#include <QComboBox>
#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <memory>

namespace orvanta {

using testing::pdfText;
using testing::qpdfClean;
using testing::ScriptedAsker;
using testing::ScriptedFileChooser;

class ReportWindowTest : public QObject {
    Q_OBJECT

private:
    std::filesystem::path folder;
    std::unique_ptr<ScriptedAsker> asker;
    std::unique_ptr<ScriptedFileChooser> chooser;
    testing::RecordingOpener opener;
    std::unique_ptr<MainWindow> window;

    template <class T> T* control(const char* name) const {
        auto* found = window->findChild<T*>(QString::fromUtf8(name));
        if (!found)
            qFatal("no control %s", name);
        return found;
    }
    void click(const char* name) const { control<QAction>(name)->trigger(); }
    QWidget* reportWindow() const { return window->findChild<QWidget*>("frmStampa"); }

    // Opens a project from its file, calculates and opens frmStampa.
    void openCalculatedProject(const char* name) {
        const QString path =
            testing::writeProject(testing::loadedFrame(), folder / (std::string(name) + ".orv"));
        QVERIFY(window->openProjectFile(path));
        click("mnuCalcola");
        click("mnuStampa");
        QVERIFY(reportWindow());
    }
    void type(const char* name, const QString& text) const {
        control<QLineEdit>(name)->setText(text);
    }

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void init() {
        folder =
            testing::outputFolder(std::string("report-window-") + QTest::currentTestFunction());
        asker = std::make_unique<ScriptedAsker>();
        chooser = std::make_unique<ScriptedFileChooser>();
        opener = testing::RecordingOpener();
        window = std::make_unique<MainWindow>(*asker, *chooser, testing::settingsIn(folder));
        window->setDocumentOpener(opener);
        window->show();
    }

    void cleanup() {
        window.reset();
        QLocale::setDefault(QLocale::c());
    }

    void controlsLabelsAndToday() {
        openCalculatedProject("casa");
        QWidget* form = reportWindow();
        QCOMPARE(form->windowTitle(), QString("Stampa Relazione"));
        QCOMPARE(control<QLabel>("lblGeneralità")->text(), QString("Inserimento Dati Generali"));
        const std::pair<const char*, const char*> labels[] = {
            {"lblDescrizione", "Descrizione dell' Opera:"},
            {"lblUbicazione", "Ubicazione:"},
            {"lblProgettista", "Progettista:"},
            {"lblCommittente", "Committente:"},
            {"lblData", "Data:"},
        };
        for (const auto& [name, caption] : labels)
            QCOMPARE(control<QLabel>(name)->text(), QString::fromUtf8(caption));
        for (const char* name :
             {"txtDescrizione", "txtUbicazione", "txtProgettista", "txtCommittente"})
            QVERIFY(control<QLineEdit>(name)->text().isEmpty());
        QCOMPARE(control<QLineEdit>("txtData")->text(),
                 QDate::currentDate().toString("dd/MM/yyyy"));
        QComboBox* concrete = control<QComboBox>("cmbCalcestruzzo");
        QCOMPARE(concrete->count(), 6);
        QCOMPARE(concrete->currentText(), QString("C25/30"));
        QCOMPARE(control<QPushButton>("cmdStampa")->text(), QString("&Stampa PDF"));
        QCOMPARE(control<QPushButton>("cmdAnnulla")->text(), QString("&Annulla"));
        QCOMPARE(testing::unnamedControls(*form), QStringList{});

        control<QPushButton>("cmdAnnulla")->click();
        QTRY_VERIFY(!reportWindow());
        QVERIFY(!std::filesystem::exists(folder / "casa.pdf"));
    }

    void printWritesBesideTheProjectAndOffersToOpenIt() {
        openCalculatedProject("casa");
        type("txtDescrizione", QStringLiteral("Scuola «G. Verdi» – ampliamento"));
        type("txtProgettista", QStringLiteral("Ing. Niccolò D’Angelo"));
        type("txtData", QStringLiteral("1° dicembre 2026"));
        control<QComboBox>("cmbCalcestruzzo")->setCurrentText("C28/35");
        control<QPushButton>("cmdStampa")->click();

        const std::filesystem::path pdf = folder / "casa.pdf";
        QVERIFY(asker->messages.empty());
        QVERIFY(std::filesystem::exists(pdf));
        QVERIFY(qpdfClean(pdf));
        const std::string first = pdfText(pdf, 1);
        for (const char* typed :
             {"Scuola «G. Verdi» – ampliamento", "Ing. Niccolò D’Angelo", "1° dicembre 2026"})
            QVERIFY2(first.find(typed) != std::string::npos, typed);
        QVERIFY(pdfText(pdf, 7).find("Rck 35") != std::string::npos);
        QTRY_VERIFY(!reportWindow());

        QLabel* notice = control<QLabel>("lblDocumento");
        QPushButton* open = control<QPushButton>("cmdApriDocumento");
        QVERIFY(notice->isVisible());
        QVERIFY(notice->text().contains(QString::fromStdString(pdf.string())));
        QCOMPARE(open->text(), QString("Apri la relazione"));
        open->click();
        QCOMPARE(opener.opened, QStringList{QString::fromStdString(pdf.string())});

        // A viewer that cannot be started is said, not ignored; closing the project withdraws
        // the notice.
        opener.succeed = false;
        open->click();
        QCOMPARE(asker->messages.size(), std::size_t(1));
        QCOMPARE(asker->messages.back().lines.at(1), pdf.string());
        asker->answer({Answer::Yes});
        click("mnuFileClose");
        QVERIFY(!notice->isVisible());
        QVERIFY(!open->isVisible());
    }

    void aProjectWithoutFileAsksWhereAndCancellingKeepsTheWindow() {
        window->registerChild(childWindow::grid, [](ChildHost& host) {
            host.session().setCurrentPhase(phase::grid);
            host.session().model() = testing::loadedFrame();
            auto editor = std::make_unique<QWidget>();
            editor->setObjectName(childWindow::grid);
            return editor;
        });
        click("mnuFileNew");
        QVERIFY(!window->session().projectHasFile());
        window->session().setCurrentPhase(phase::sections);
        window->closeChild(childWindow::grid);
        click("mnuCalcola");
        click("mnuStampa");
        QVERIFY(reportWindow());
        type("txtCommittente", QStringLiteral("Comune di Spoleto"));

        chooser->willChoose(std::nullopt);
        control<QPushButton>("cmdStampa")->click();
        QCOMPARE(chooser->titles, std::vector<std::string>{"Stampa Relazione"});
        QCOMPARE(chooser->filters, std::vector<std::string>{"Documento PDF (*.pdf)"});
        QVERIFY(reportWindow());
        QCOMPARE(control<QLineEdit>("txtCommittente")->text(), QString("Comune di Spoleto"));
        QVERIFY(asker->messages.empty());

        chooser->willChoose((folder / "relazione").string());
        control<QPushButton>("cmdStampa")->click();
        QVERIFY(asker->messages.empty());
        QVERIFY(std::filesystem::exists(folder / "relazione.pdf"));
        QVERIFY(pdfText(folder / "relazione.pdf", 1).find("Comune di Spoleto") !=
                std::string::npos);
    }

    void aReportThatCannotBeWrittenIsReportedAndNothingTypedIsLost() {
        openCalculatedProject("casa");
        std::filesystem::create_directory(folder / "casa.pdf"); // the name is taken by a folder
        type("txtUbicazione", QStringLiteral("Norcia (PG)"));
        control<QPushButton>("cmdStampa")->click();

        QCOMPARE(asker->messages.size(), std::size_t(1));
        const Message& message = asker->messages.back();
        QCOMPARE(message.title, std::string("Stampa Relazione"));
        QCOMPARE(message.icon, MessageIcon::Critical);
        QCOMPARE(message.lines.at(1), (folder / "casa.pdf").string());
        QVERIFY(message.lines.at(2).find("cartella") != std::string::npos);
        QVERIFY(reportWindow());
        QCOMPARE(control<QLineEdit>("txtUbicazione")->text(), QString("Norcia (PG)"));
        QVERIFY(!control<QLabel>("lblDocumento")->isVisible());
    }

    void numbersFollowTheUsersLocale() {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        openCalculatedProject("casa");
        control<QPushButton>("cmdStampa")->click();
        const std::string matrix = pdfText(folder / "casa.pdf", 3);
        double term = 0; // the largest term, which has thousands to group
        for (const double k : window->results().globalStiffness.values())
            term = std::max(term, 100 * k);
        QVERIFY(term >= 1000);
        QVERIFY2(matrix.find(formatNumber(term, 0, {",", ".", "-"})) != std::string::npos,
                 matrix.c_str());
        QVERIFY(matrix.find(formatNumber(term, 0)) == std::string::npos);
    }
};

} // namespace orvanta

QTEST_MAIN(orvanta::ReportWindowTest)
#include "report_window_test.moc"
