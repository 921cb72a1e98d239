// The result views opened from the main window's Analisi menu on the bundled examples: each
// opens with its caption and phase, follows what the others change, refills itself from the
// current results, and closes with its menu item.

#include "main_window.h"
#include "number_format.h"
#include "numbering.h"
#include "pdf_tools.h"
#include "scripted_interaction.h"
#include "settings_in_folder.h"
#include "test_paths.h"
#include "view_host.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QtTest>
#include <memory>

namespace orvanta {

using testing::ScriptedAsker;
using testing::ScriptedFileChooser;

namespace {

struct View {
    const char* item;
    const char* window;
    const char* phase;
    const char* caption;
};

const std::vector<View> views{
    {"mnuFamiglieX", "frmFamiglieX", "FamiglieX",
     "Matrici Traslazionali dei Ritti Strutturali ortogonali ad X"},
    {"mnuFamiglieY", "frmFamiglieY", "FamiglieY",
     "Matrici Traslazionali dei Ritti Strutturali ortogonali a Y"},
    {"mnuMatrice", "frmMatrice", "Matrice", "Matrice di Rigidezza Rototraslazionale Globale"},
    {"mnuCentri", "frmCentri", "Centri",
     "Visualizzazione dei BARICENTRI e dei CENTRI PARZIALI di RIGIDEZZA"},
    {"mnuElevazione", "frmElevazione", "Elevazione",
     "Visualizzazione della DEFORMATA in ELEVAZIONE"},
    {"mnuRegolarita", "frmRegolarita", "Regolarita", "Regolarità Torsionale"},
};

} // namespace

class ViewsInMainWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<ScriptedAsker> asker;
    std::unique_ptr<ScriptedFileChooser> chooser;
    std::unique_ptr<MainWindow> window;

    void click(const char* item) const {
        auto* action = window->findChild<QAction*>(item);
        if (!action)
            qFatal("no menu item %s", item);
        action->trigger();
    }
    void openAndCalculate(const char* example) const {
        QVERIFY(
            window->openProjectFile(QString::fromStdString(testing::example(example).string())));
        click("mnuCalcola");
    }
    QStringList openWindows() const {
        QStringList names;
        for (const QMdiSubWindow* frame : window->findChild<QMdiArea*>()->subWindowList())
            names << frame->widget()->objectName();
        names.sort();
        return names;
    }
    template <class Control> Control* control(const char* view, const char* name) const {
        auto* owner = window->findChild<QWidget*>(view);
        auto* found = owner ? owner->findChild<Control*>(name) : nullptr;
        if (!found)
            qFatal("no control %s in %s", name, view);
        return found;
    }
    void assignFamilies(const char* view, int count) const {
        control<QScrollBar>(view, "hsbFamiglie")->setValue(count);
        control<QPushButton>(view, "cmdAssegna")->click();
    }

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void init() {
        testing::useItalianNumbers();
        const auto folder =
            testing::outputFolder(std::string("views-main-window-") + QTest::currentTestFunction());
        asker = std::make_unique<ScriptedAsker>();
        chooser = std::make_unique<ScriptedFileChooser>();
        window = std::make_unique<MainWindow>(*asker, *chooser, testing::settingsIn(folder));
        window->show();
    }

    void cleanup() { window.reset(); }

    void everyViewOpensOnEveryExample_data() {
        QTest::addColumn<QString>("example");
        for (const auto& entry : std::filesystem::directory_iterator(testing::example(""))) {
            if (entry.path().extension() == ".orv")
                QTest::newRow(entry.path().filename().c_str())
                    << QString::fromStdString(entry.path().filename().string());
        }
    }
    void everyViewOpensOnEveryExample() {
        QFETCH(QString, example);
        openAndCalculate(example.toUtf8().constData());

        for (const View& v : views) {
            click(v.item);
            auto* view = window->findChild<QWidget*>(v.window);
            QVERIFY2(view, v.window);
            QCOMPARE(view->windowTitle(), QString::fromUtf8(v.caption));
            QCOMPARE(window->session().currentPhase(), std::string(v.phase));
        }
        QCOMPARE(openWindows().size(), qsizetype(views.size()));
        QVERIFY2(asker->messages.empty(),
                 asker->messages.empty() ? "" : asker->messages.front().text().c_str());
    }

    // "Modifica Sezioni" leaves only the deformed shape open beside the sections; Close leaves
    // nothing.
    void viewsCloseWithTheirItems() {
        openAndCalculate("palazzina-4-piani.orv");
        for (const View& v : views)
            click(v.item);

        click("mnuModifica");
        QTRY_COMPARE(openWindows(), (QStringList{"frmElevazione", "frmSezioni"}));
        click("mnuFileClose");
        QTRY_COMPARE(openWindows(), QStringList{});
    }

    // Families reassigned in a family window reach the open centres view, which recomputes its
    // centres; "Calcola Matrici" again puts every view back to one family.
    void openViewsFollowEachOther() {
        openAndCalculate("palazzina-4-piani.orv");
        click("mnuCentri");
        click("mnuFamiglieX");
        click("mnuFamiglieY");

        assignFamilies("frmFamiglieX", 3);
        assignFamilies("frmFamiglieY", 2);
        QCOMPARE(control<QScrollBar>("frmCentri", "hsbFamiglia")->maximum(), 3);
        QCOMPARE(window->results()[Direction::orthogonalToX].stiffnessCentre.size(), std::size_t{3});
        QCOMPARE(window->results()[Direction::orthogonalToY].stiffnessCentre.size(), std::size_t{2});

        click("mnuCalcola");
        QCOMPARE(control<QLineEdit>("frmFamiglieX", "txtFamiglie")->text(), QString("1"));
        QCOMPARE(control<QComboBox>("frmFamiglieY", "cmbFamiglia1")->count(), 1);
        QCOMPARE(control<QScrollBar>("frmCentri", "hsbFamiglia")->maximum(), 1);
    }

    // A section edited after "Calcola Matrici": "Stampa Relazione" first calculates again and
    // says so in the status bar, and the report carries the stiffness of the edited building,
    // not that of the one calculated before. The families assigned stay.
    void theReportOfAnEditedModelHasItsNewStiffness() {
        const auto folder = testing::outputFolder("views-main-window-edited-report");
        const auto project = folder / "palazzina.orv";
        std::filesystem::copy_file(testing::example("palazzina-4-piani.orv"), project,
                                   std::filesystem::copy_options::overwrite_existing);
        QVERIFY(window->openProjectFile(QString::fromStdString(project.string())));
        click("mnuCalcola");
        click("mnuFamiglieX");
        assignFamilies("frmFamiglieX", 3);
        const double before = window->results().globalStiffness(1, 2);
        window->document().apply(modelEdit("Modifica Sezione", [](Model& m) {
            for (int node = 1; node <= m.counts.nX * m.counts.nY; ++node) {
                const int slot = numbering::columnSlot(m.counts, node);
                if (m.members(1, slot, member::present) != 0)
                    m.members(1, slot, member::base) *= 2;
            }
        }));
        QVERIFY(!window->document().resultsCurrent());

        click("mnuStampa");
        control<QPushButton>("frmStampa", "cmdStampa")->click();
        QVERIFY(window->document().resultsCurrent());
        QVERIFY(window->statusBar()->currentMessage().contains("ricalcolate"));
        QCOMPARE(window->results()[Direction::orthogonalToX].familyCount, std::int16_t{3});
        const double after = window->results().globalStiffness(1, 2);
        QVERIFY(after != before);
        const std::string matrixPage = testing::pdfText(folder / "palazzina.pdf", 3);
        const std::string newTerm = formatNumber(100 * after, 0);
        const std::string oldTerm = formatNumber(100 * before, 0);
        QVERIFY2(matrixPage.find(" " + newTerm + " ") != std::string::npos, newTerm.c_str());
        QVERIFY2(matrixPage.find(" " + oldTerm + " ") == std::string::npos, oldTerm.c_str());
    }

    // The deformed shape of an edited model is drawn on new matrices; an undo back to the
    // calculated model needs no calculation.
    void theDeformedShapeOfAnEditedModelIsCalculatedAgain() {
        openAndCalculate("palazzina-4-piani.orv");
        window->document().apply(modelEdit(
            "Modifica Sezione", [](Model& m) { m.members(1, 1, member::base) += 100; }));
        QVERIFY(!window->document().resultsCurrent());
        click("mnuElevazione");
        QVERIFY(window->document().resultsCurrent());
        QVERIFY(openWindows().contains("frmElevazione"));
        window->document().undo();
        QVERIFY(!window->document().resultsCurrent());
    }

    // A view closed and opened again reads the results as they are now.
    void aViewOpenedAgainIsRefilled() {
        openAndCalculate("palazzina-4-piani.orv");
        click("mnuFamiglieX");
        assignFamilies("frmFamiglieX", 3);
        control<QPushButton>("frmFamiglieX", "cmdIndietro")->click();
        QTRY_COMPARE(openWindows(), QStringList{});

        click("mnuFamiglieX");
        QCOMPARE(control<QLineEdit>("frmFamiglieX", "txtFamiglie")->text(), QString("3"));
        QCOMPARE(control<QComboBox>("frmFamiglieX", "cmbFamiglia2")->count(), 3);
    }
};

} // namespace orvanta

QTEST_MAIN(orvanta::ViewsInMainWindowTest)
#include "views_in_main_window_test.moc"
