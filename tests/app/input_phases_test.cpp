// The input phases from File > Nuovo, driven through the main window as a user does: the grid,
// then the columns and beams, then the hand-over towards the loads; the model entered must
// equal the one built in code for the same grid and members. And a whole bundled example
// entered through all four phases, saved at "FINE FASE DI INPUT" byte for byte as it is
// bundled, then calculated.

#include "bmp_reader.h"
#include "element_records.h"
#include "main_window.h"
#include "member_placement.h"
#include "numbering.h"
#include "scripted_interaction.h"
#include "settings_in_folder.h"
#include "test_paths.h"
#include "window_driving.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QtTest>
#include <memory>

namespace orvanta {

namespace {

// X lines at 0, 5500, 11000, Y lines at 0, 4000, levels at 0, 3000, 6000, an extra node (node 7)
// at (2500, 6000); columns on every grid node through both storeys and on node 7 in the first;
// every beam of storey 1 and the X beam from node 4 in storey 2.
Model expectedBuilding() {
    Model m;
    m.counts = {3, 2, 2, 1};
    m.coordX = Array1<double>(1, 4);
    m.coordY = Array1<double>(1, 3);
    m.levelZ = Array1<double>(1, 3);
    const double xs[] = {0, 5500, 11000, 2500};
    const double ys[] = {0, 4000, 6000};
    const double zs[] = {0, 3000, 6000};
    for (int i = 1; i <= 4; ++i)
        m.coordX(i) = xs[i - 1];
    for (int i = 1; i <= 3; ++i) {
        m.coordY(i) = ys[i - 1];
        m.levelZ(i) = zs[i - 1];
    }
    // Extents in mm (node 7 lies beyond the last Y line); scales min(11000/11000, 9000/6000)
    // and 3000/6000.
    m.drawMax(0) = 11000;
    m.drawMax(1) = 6000;
    m.drawMax(2) = 6000;
    m.planScale = 1.0f;
    m.elevScale = 0.5f;
    m.members = Array3<double>(1, 2, 1, 14, 1, member::values);
    for (int k = 1; k <= 2; ++k) {
        for (int node = 1; node <= 6; ++node)
            setPresent(m, k, node, true);
    }
    setPresent(m, 1, 14, true);
    for (int slot = 7; slot <= 13; ++slot)
        setPresent(m, 1, slot, true);
    setPresent(m, 2, numbering::beamXSlot(m.counts, 1, 2), true);
    return m;
}

} // namespace

class InputPhasesTest : public QObject {
    Q_OBJECT

private:
    std::filesystem::path folder;
    std::unique_ptr<testing::ScriptedAsker> asker;
    std::unique_ptr<testing::ScriptedFileChooser> chooser;
    std::unique_ptr<MainWindow> window;

    QWidget* child(const char* name) const { return window->findChild<QWidget*>(name); }
    template <class Control> Control* control(const char* owner, const char* name) const {
        return testing::control<Control>(*testing::control(*window, owner), name);
    }
    void click(const char* owner, const char* button) const {
        control<QPushButton>(owner, button)->click();
    }
    void type(const char* owner, const char* box, const QString& text, bool enter = false) const {
        testing::typeInto(*control<QLineEdit>(owner, box), text, enter);
    }
    void add(const char* box, const QString& value, const char* button) const {
        type(childWindow::grid, box, value);
        click(childWindow::grid, button);
    }

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void init() {
        folder = testing::outputFolder(std::string("input-phases-") + QTest::currentTestFunction());
        asker = std::make_unique<testing::ScriptedAsker>();
        chooser = std::make_unique<testing::ScriptedFileChooser>();
        window = std::make_unique<MainWindow>(*asker, *chooser, testing::settingsIn(folder));
        window->show();
    }
    void cleanup() { window.reset(); }

    void aBuildingEnteredFromNewEqualsTheOneBuiltInCode() {
        window->findChild<QAction*>("mnuFileNew")->trigger();
        QVERIFY(child(childWindow::grid));
        QCOMPARE(window->session().currentPhase(), std::string(phase::grid));

        const char* grid = childWindow::grid;
        type(grid, "txtXmax", "11");
        type(grid, "txtYmax", "6");
        type(grid, "txtZmax", "6");
        for (const char* x : {"0", "5500", "5500"})
            add("txtX", x, "cmdAggiungiX");
        for (const char* y : {"0", "4000"})
            add("txtY", y, "cmdAggiungiY");
        for (const char* z : {"0", "3000", "3000"})
            add("txtZ", z, "cmdAggiungiZ");
        type(grid, "txtXnodo", "2500");
        type(grid, "txtYnodo", "6000");
        click(grid, "cmdAggiungiNodo");
        click(grid, "cmdInserisciGeometria");

        QTRY_VERIFY(!child(childWindow::grid));
        QVERIFY(child(childWindow::geometry));
        QCOMPARE(window->session().currentPhase(), std::string(phase::geometry));

        const char* geometry = childWindow::geometry;
        click(geometry, "cmdPilastriTutti"); // through both storeys
        type(geometry, "txtNodoPil", "7", true);
        control<QComboBox>(geometry, "cmbElevazionePil")->setCurrentIndex(0);
        click(geometry, "cmdAggiungiPil");
        click(geometry, "cmdTraviTutte"); // storey 1
        control<QComboBox>(geometry, "cmbElevazioneTra")->setCurrentIndex(1);
        type(geometry, "txtNodoiTra", "4", true);
        click(geometry, "cmdAggiungiTra");
        control<QRadioButton>(geometry, "optTraviY")->setChecked(true);
        type(geometry, "txtNodoiTra", "2", true);
        click(geometry, "cmdAggiungiTra"); // a Y beam placed …
        click(geometry, "cmdEliminaTra");  // … and taken back

        QCOMPARE(window->session().model(), expectedBuilding());
        QCOMPARE(asker->messages.size(), std::size_t{1}); // the grid's hand-over question

        click(geometry, "cmdInserisciCarichi");
        QTRY_VERIFY(!child(childWindow::geometry));
        QCOMPARE(asker->messages.size(), std::size_t{2}); // every storey has columns: one question
        // The loads editor opens on a fresh set of slabs, one record per storey and bay.
        QVERIFY(child(childWindow::loads));
        Model withSlabs = expectedBuilding();
        withSlabs.slabs = Array3<double>(1, 2, 1, 2, 1, slab::values);
        QCOMPARE(window->session().model(), withSlabs);
    }

    // blocco-1-campata: one 5000 × 4000 bay, one 3000 mm storey, 300 × 500 columns, 300 × 600
    // beams, a slab spanning along Y of 5 kN/m² with 2 kN/m² at 30 %.
    void theOneBayExampleEnteredFromNewIsSavedAsBundled() {
        window->findChild<QAction*>("mnuFileNew")->trigger();
        const char* grid = childWindow::grid;
        type(grid, "txtXmax", "5");
        type(grid, "txtYmax", "4");
        type(grid, "txtZmax", "3");
        for (const char* x : {"0", "5000"})
            add("txtX", x, "cmdAggiungiX");
        for (const char* y : {"0", "4000"})
            add("txtY", y, "cmdAggiungiY");
        for (const char* z : {"0", "3000"})
            add("txtZ", z, "cmdAggiungiZ");
        click(grid, "cmdInserisciGeometria");

        const char* geometry = childWindow::geometry;
        QTRY_VERIFY(child(geometry));
        click(geometry, "cmdPilastriTutti");
        click(geometry, "cmdTraviTutte");
        click(geometry, "cmdInserisciCarichi");

        const char* loads = childWindow::loads;
        QTRY_VERIFY(child(loads));
        control<QRadioButton>(loads, "optSolaioY")->setChecked(true);
        type(loads, "txtPermanente", "5");
        type(loads, "txtAccidentale", "2");
        type(loads, "txtAliquota", "30");
        click(loads, "cmdAggiungiSol");
        click(loads, "cmdInserisciSezioni");

        const char* sections = childWindow::sections;
        QTRY_VERIFY(child(sections));
        type(sections, "txtBasePil", "300");
        type(sections, "txtAltezzaPil", "500");
        for (int node = 1; node <= 4; ++node) {
            control<QScrollBar>(sections, "hsbNodoPil")->setValue(node);
            click(sections, "cmdModificaPil");
        }
        type(sections, "txtBaseTra", "300");
        type(sections, "txtAltezzaTra", "600");
        click(sections, "cmdApplicaTuttiTra");
        control<QComboBox>(sections, "cmbDirezioneTravi")->setCurrentIndex(1);
        click(sections, "cmdApplicaTuttiTra");
        chooser->willChoose((folder / "blocco-1-campata.orv").string());
        click(sections, "cmdFine");

        QTRY_VERIFY(!child(sections));
        QCOMPARE(testing::readBytes(folder / "blocco-1-campata.orv"),
                 testing::readBytes(testing::example("blocco-1-campata.orv")));
        QVERIFY(pdf::readBmpFile(folder / "blocco-1-campata.bmp").image);
        for (const Message& m : asker->messages)
            QVERIFY2(m.buttons == MessageButtons::YesNo, m.text().c_str()); // questions only

        asker->messages.clear();
        window->findChild<QAction*>("mnuCalcola")->trigger();
        QVERIFY(asker->messages.empty());
        QVERIFY(!window->results().globalStiffness.empty());
    }

    // The one-bay example again, saved and closed in the middle of one phase, opened again and
    // finished: the resumed editor takes up what was saved, and the file written at "FINE FASE
    // DI INPUT" is the bundled one, byte for byte, as if the input had gone in one go. The grid
    // is saved with one line along Y and one level: no building yet.
    void inputSavedInEachPhaseResumesWhereItWasLeft_data() {
        QTest::addColumn<QString>("pausedIn");
        QTest::newRow("grid") << QString(childWindow::grid);
        QTest::newRow("geometry") << QString(childWindow::geometry);
        QTest::newRow("loads") << QString(childWindow::loads);
    }
    void inputSavedInEachPhaseResumesWhereItWasLeft() {
        QFETCH(QString, pausedIn);
        const std::string path = (folder / "a-meta.orv").string();
        QAction* analysis = window->findChild<QMenu*>("mnuAnalisi")->menuAction();
        const auto pauseIn = [&](const char* phaseWindow) {
            if (pausedIn != phaseWindow)
                return;
            chooser->willChoose(path);
            window->findChild<QAction*>("mnuFileSaveAs")->trigger();
            window->findChild<QAction*>("mnuFileClose")->trigger();
            QTRY_VERIFY(!child(phaseWindow));
            chooser->willChoose(path);
            window->findChild<QAction*>("mnuFileOpen")->trigger();
            QTRY_VERIFY(child(phaseWindow));
            QCOMPARE(window->session().currentPhase(), window->session().resumedPhase());
            QVERIFY(!analysis->isEnabled()); // the analysis waits for the whole input
        };

        window->findChild<QAction*>("mnuFileNew")->trigger();
        const char* grid = childWindow::grid;
        type(grid, "txtXmax", "5");
        type(grid, "txtYmax", "4");
        type(grid, "txtZmax", "3");
        for (const char* x : {"0", "5000"})
            add("txtX", x, "cmdAggiungiX");
        add("txtY", "0", "cmdAggiungiY");
        add("txtZ", "0", "cmdAggiungiZ");
        pauseIn(grid);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(control<QLabel>(grid, "lblContatoreX")->text(), QString("3"));
        QCOMPARE(control<QLabel>(grid, "lblContatoreZ")->text(), QString("2"));
        QVERIFY(control<QGroupBox>(grid, "fraGriglia")->isEnabled());
        add("txtY", "4000", "cmdAggiungiY");
        add("txtZ", "3000", "cmdAggiungiZ");
        click(grid, "cmdInserisciGeometria");

        const char* geometry = childWindow::geometry;
        QTRY_VERIFY(child(geometry));
        click(geometry, "cmdPilastriTutti");
        pauseIn(geometry);
        if (QTest::currentTestFailed())
            return;
        click(geometry, "cmdTraviTutte");
        click(geometry, "cmdInserisciCarichi");

        const char* loads = childWindow::loads;
        QTRY_VERIFY(child(loads));
        control<QRadioButton>(loads, "optSolaioY")->setChecked(true);
        type(loads, "txtPermanente", "5");
        type(loads, "txtAccidentale", "2");
        type(loads, "txtAliquota", "30");
        click(loads, "cmdAggiungiSol");
        pauseIn(loads);
        if (QTest::currentTestFailed())
            return;
        click(loads, "cmdInserisciSezioni");

        const char* sections = childWindow::sections;
        QTRY_VERIFY(child(sections));
        type(sections, "txtBasePil", "300");
        type(sections, "txtAltezzaPil", "500");
        click(sections, "cmdApplicaTuttiPil");
        type(sections, "txtBaseTra", "300");
        type(sections, "txtAltezzaTra", "600");
        click(sections, "cmdApplicaTuttiTra");
        control<QComboBox>(sections, "cmbDirezioneTravi")->setCurrentIndex(1);
        click(sections, "cmdApplicaTuttiTra");
        click(sections, "cmdFine");

        QTRY_VERIFY(!child(sections));
        QCOMPARE(testing::readBytes(path),
                 testing::readBytes(testing::example("blocco-1-campata.orv")));
        QVERIFY(analysis->isEnabled());
        for (const Message& m : asker->messages)
            QVERIFY2(m.buttons == MessageButtons::YesNo, m.text().c_str()); // questions only
    }

    // The phase window cannot be closed on its own: the project would stay open with no window
    // to go on entering it.
    void theInputPhasesCloseOnlyByTheirHandOver() {
        window->findChild<QAction*>("mnuFileNew")->trigger();
        auto* frame = qobject_cast<QMdiSubWindow*>(child(childWindow::grid)->parentWidget());
        QVERIFY(frame);
        QVERIFY(!frame->windowFlags().testFlag(Qt::WindowSystemMenuHint));
        int closeActions = 0;
        for (const QAction* action : frame->systemMenu()->actions()) {
            if (action->shortcut() != QKeySequence(QStringLiteral("Ctrl+F4")))
                continue;
            ++closeActions;
            QVERIFY(!action->isEnabled());
        }
        QCOMPARE(closeActions, 1);
    }

    // "Modifica Sezioni" waits for the sections phase, also when its item is reached while the
    // first phases are entered.
    void modificaSezioniWaitsForTheSectionsPhase() {
        window->findChild<QAction*>("mnuFileNew")->trigger();
        type(childWindow::grid, "txtXmax", "5");
        type(childWindow::grid, "txtYmax", "4");
        type(childWindow::grid, "txtZmax", "3");
        add("txtX", "0", "cmdAggiungiX");
        chooser->willChoose((folder / "a-meta.orv").string());
        window->findChild<QAction*>("mnuFileSaveAs")->trigger();
        QAction* sections = window->findChild<QAction*>("mnuModifica");
        QVERIFY(sections->isEnabled());

        sections->trigger();
        QVERIFY(!child(childWindow::sections));
        QVERIFY(child(childWindow::grid));
        QCOMPARE(asker->messages.back().lines.back(),
                 std::string("Completare le fasi di input prima di procedere"));
    }

    // A project entered so far is not lost without a question.
    void closingAProjectBeingEnteredAsksFirst() {
        window->findChild<QAction*>("mnuFileNew")->trigger();
        QVERIFY(!window->hasUnsavedChanges());
        type(childWindow::grid, "txtXmax", "20");
        type(childWindow::grid, "txtYmax", "20");
        type(childWindow::grid, "txtZmax", "20");
        add("txtX", "0", "cmdAggiungiX");
        QVERIFY(window->hasUnsavedChanges());

        asker->answer({Answer::No});
        window->findChild<QAction*>("mnuFileClose")->trigger();
        QVERIFY(window->session().projectOpen());
        QVERIFY(child(childWindow::grid));
    }
};

} // namespace orvanta

QTEST_MAIN(orvanta::InputPhasesTest)
#include "input_phases_test.moc"
