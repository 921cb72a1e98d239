// The whole road of a new user, driven by objectName as a user drives it with mouse and
// keyboard: the start-up screen, File > Nuovo, the four input phases with bulk and single
// entries, a storey left without load, a refused section corrected, the save at the end of
// input, Calcola Matrici, families assigned and one ritto moved by hand, every result view, the
// report, and Close. The saved project must be the one of the same building built in code, the
// report must print the results the program holds, and Close must leave the menus as at start.

#include "child_host.h"
#include "element_records.h"
#include "load_distribution.h"
#include "main_window.h"
#include "number_format.h"
#include "numbering.h"
#include "pdf_tools.h"
#include "picture_box.h"
#include "project_file.h"
#include "recording_opener.h"
#include "sample_models.h"
#include "scripted_interaction.h"
#include "settings_in_folder.h"
#include "startup.h"
#include "startup_screen.h"
#include "test_paths.h"
#include "window_driving.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableView>
#include <QtTest>
#include <map>
#include <memory>

namespace orvanta {

namespace {

// The building the road enters: X lines at 0, 5000, 10000, Y lines at 0, 4000, 8000, three
// storeys of 3000 mm; an extra node (node 10) at (2500, 8000) with a 300 × 300 column in the
// first storey; every other column 300 × 500 through the three storeys, every beam 300 × 600
// except the Y beam from node 5 in the third storey, which is not there. Slabs of 5 + 2 kN/m²
// at 30 % spanning along Y on every bay of storeys 1 and 2, except the bay at node 1 of storey 1
// (6 + 3 kN/m² at 100 %, spanning along X); the roof carries no slab.
Model theBuildingInCode() {
    Model m = testing::fullFrame(3, 3, 3, 1);
    const Counts& c = m.counts;
    m.coordX(4) = 2500;
    m.coordY(4) = 8000;
    m.planScale = std::min(11000 / m.drawMax(0), 9000 / m.drawMax(1));
    m.elevScale = 3000 / m.drawMax(2);
    placeColumn(m, 1, numbering::columnSlot(c, 10), {ColumnShape::rectangle, 300, 300, 0, 0});
    for (int v = 1; v <= member::values; ++v)
        m.members(3, numbering::beamYSlot(c, 5), v) = 0;
    for (int storey = 1; storey <= 2; ++storey) {
        for (int iy = 1; iy <= 2; ++iy) {
            for (int ix = 1; ix <= 2; ++ix)
                testing::setSlab(m, storey, ix, iy, SlabSpan::alongY, 0.005, 0.002, 0.3);
        }
    }
    testing::setSlab(m, 1, 1, 1, SlabSpan::alongX, 0.006, 0.003, 1.0);
    testing::ScriptedAsker yes;
    if (!distributeLoads(m, yes))
        qFatal("the building in code cannot be loaded");
    return m;
}

// Every menu item by name with whether it can be chosen.
std::map<QString, bool> menuState(const QMainWindow& window) {
    std::map<QString, bool> state;
    for (const QAction* action : window.menuBar()->findChildren<QAction*>()) {
        if (!action->objectName().isEmpty())
            state[action->objectName()] = action->isEnabled();
    }
    for (const QMenu* menu : window.menuBar()->findChildren<QMenu*>())
        state[menu->objectName()] = menu->menuAction()->isEnabled();
    return state;
}

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

} // namespace

class WholeRoadTest : public QObject {
    Q_OBJECT

private:
    std::filesystem::path folder;
    testing::ScriptedAsker asker;
    testing::ScriptedFileChooser chooser;
    testing::RecordingOpener opener;
    std::unique_ptr<Startup> startup;
    MainWindow* window = nullptr;

    QWidget* child(const char* name) const { return window->findChild<QWidget*>(name); }
    template <class Control = QWidget> Control* control(const char* owner, const char* name) const {
        QWidget* ownerWindow = child(owner);
        if (!ownerWindow)
            qFatal("the window %s is not open", owner);
        return testing::control<Control>(*ownerWindow, name);
    }
    void choose(const char* item) const {
        auto* action = window->findChild<QAction*>(item);
        if (!action)
            qFatal("no menu item %s", item);
        QVERIFY2(action->isEnabled(), item);
        action->trigger();
    }
    void click(const char* owner, const char* button) const {
        control<QPushButton>(owner, button)->click();
    }
    // Types into a box; Enter ends the typing of a selector's number.
    void type(const char* owner, const char* box, const QString& text, bool enter = false) const {
        testing::typeInto(*control<QLineEdit>(owner, box), text, enter);
    }
    void moveTo(const char* owner, const char* bar, int value) const {
        control<QScrollBar>(owner, bar)->setValue(value);
    }
    void pick(const char* owner, const char* combo, int index) const {
        control<QComboBox>(owner, combo)->setCurrentIndex(index);
    }
    bool wasAsked(const std::string& firstLine) const {
        return std::any_of(asker.messages.begin(), asker.messages.end(),
                           [&](const Message& m) { return m.lines.at(0) == firstLine; });
    }
    // No message but questions was shown since the last check.
    void expectOnlyQuestions() {
        for (const Message& m : asker.messages)
            QVERIFY2(m.buttons == MessageButtons::YesNo, m.text().c_str());
        asker.messages.clear();
    }

    void enterTheGrid() {
        const char* grid = childWindow::grid;
        type(grid, "txtXmax", "10");
        type(grid, "txtYmax", "8");
        type(grid, "txtZmax", "9");
        const auto add = [&](const char* box, const char* button, QStringList spacings) {
            for (const QString& spacing : spacings) {
                type(grid, box, spacing);
                click(grid, button);
            }
        };
        add("txtX", "cmdAggiungiX", {"0", "5000", "5000"});
        add("txtY", "cmdAggiungiY", {"0", "4000", "4000"});
        add("txtZ", "cmdAggiungiZ", {"0", "3000", "3000", "3000"});
        type(grid, "txtXnodo", "2500");
        type(grid, "txtYnodo", "8000");
        click(grid, "cmdAggiungiNodo");
        click(grid, "cmdInserisciGeometria");
        QTRY_VERIFY(child(childWindow::geometry));
        QTRY_VERIFY(!child(childWindow::grid));
    }

    void enterColumnsAndBeams() {
        const char* geometry = childWindow::geometry;
        click(geometry, "cmdPilastriTutti");      // every grid node, through every storey
        type(geometry, "txtNodoPil", "10", true); // the extra node, first storey only
        pick(geometry, "cmbElevazionePil", 0);
        click(geometry, "cmdAggiungiPil");
        for (int storey = 0; storey < 3; ++storey) {
            pick(geometry, "cmbElevazioneTra", storey);
            click(geometry, "cmdTraviTutte");
        }
        control<QRadioButton>(geometry, "optTraviY")->setChecked(true);
        type(geometry, "txtNodoiTra", "5", true); // still on the third storey
        click(geometry, "cmdEliminaTra");
        click(geometry, "cmdInserisciCarichi");
        QTRY_VERIFY(child(childWindow::loads));
        QTRY_VERIFY(!child(childWindow::geometry));
    }

    void enterTheSlabs() {
        const char* loads = childWindow::loads;
        control<QRadioButton>(loads, "optSolaioY")->setChecked(true);
        type(loads, "txtPermanente", "5");
        type(loads, "txtAccidentale", "2");
        type(loads, "txtAliquota", "30");
        for (int storey = 1; storey <= 2; ++storey) {
            moveTo(loads, "hsbPiano", storey);
            click(loads, "cmdApplicaPiano");
        }
        moveTo(loads, "hsbPiano", 1);
        moveTo(loads, "hsbNodoSol", 1);
        control<QRadioButton>(loads, "optSolaioX")->setChecked(true);
        type(loads, "txtPermanente", "6");
        type(loads, "txtAccidentale", "3");
        type(loads, "txtAliquota", "100");
        click(loads, "cmdAggiungiSol");
        expectOnlyQuestions();

        click(loads, "cmdInserisciSezioni"); // the roof without load: asked, answered Yes
        QVERIFY(wasAsked("Il carico inserito a livello di un piano risulta essere nullo"));
        expectOnlyQuestions();
        QTRY_VERIFY(child(childWindow::sections));
        QTRY_VERIFY(!child(childWindow::loads));
    }

    void enterTheSections() {
        const char* sections = childWindow::sections;
        type(sections, "txtBasePil", "300");
        type(sections, "txtAltezzaPil", "0"); // a slip of the hand: refused, nothing written
        const Model before = window->session().model();
        click(sections, "cmdApplicaTuttiPil");
        QCOMPARE(asker.messages.size(), std::size_t{1});
        QCOMPARE(asker.messages[0].lines.at(0),
                 std::string("La sezione non può essere assegnata:"));
        QCOMPARE(window->session().model(), before);
        asker.messages.clear();
        type(sections, "txtAltezzaPil", "500");
        click(sections, "cmdApplicaTuttiPil");

        moveTo(sections, "hsbNodoPil", 10);
        type(sections, "txtAltezzaPil", "300");
        click(sections, "cmdModificaPil");

        type(sections, "txtBaseTra", "300");
        type(sections, "txtAltezzaTra", "600");
        click(sections, "cmdApplicaTuttiTra");
        pick(sections, "cmbDirezioneTravi", 1);
        click(sections, "cmdApplicaTuttiTra");
        expectOnlyQuestions();

        chooser.willChoose((folder / "casa.orv").string());
        click(sections, "cmdFine");
        QTRY_VERIFY(!child(sections));
        expectOnlyQuestions();
    }

    void assignFamilies(const char* view, int count) {
        type(view, "txtFamiglie", QString::number(count), true);
        click(view, "cmdAssegna");
    }

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
        folder = testing::outputFolder("whole-road");
    }

    void aNewUsersRoadFromTheStartScreenToTheReport() {
        startup = std::make_unique<Startup>(asker, chooser, testing::settingsIn(folder));
        startup->showStartScreen();
        QTest::mouseClick(startup->startScreen(), Qt::LeftButton, {}, QPoint(5, 5));
        window = startup->mainWindow();
        QVERIFY(window && window->isVisible());
        window->setDocumentOpener(opener);
        const std::map<QString, bool> menusAtStart = menuState(*window);

        choose("mnuFileNew");
        QTRY_VERIFY(child(childWindow::grid));
        for (void (WholeRoadTest::*phase)() :
             {&WholeRoadTest::enterTheGrid, &WholeRoadTest::enterColumnsAndBeams,
              &WholeRoadTest::enterTheSlabs, &WholeRoadTest::enterTheSections}) {
            (this->*phase)();
            if (QTest::currentTestFailed())
                return;
        }

        // The saved project is, byte for byte, the same building built in code; its plan lies
        // beside it.
        QCOMPARE(testing::readBytes(folder / "casa.orv"), projectText(theBuildingInCode()));
        QVERIFY(std::filesystem::exists(folder / "casa.bmp"));

        choose("mnuCalcola");
        expectOnlyQuestions();
        const AnalysisResults& results = window->results();
        QVERIFY(!results.globalStiffness.empty());

        choose("mnuFamiglieX");
        assignFamilies("frmFamiglieX", 3);
        choose("mnuFamiglieY");
        assignFamilies("frmFamiglieY", 2);
        const RittiResults& x = results[Direction::orthogonalToX];
        QCOMPARE(x.familyCount, std::int16_t{3});
        QCOMPARE(results[Direction::orthogonalToY].familyCount, std::int16_t{2});
        // Ritto 1 moved by hand into the next family.
        const std::int16_t moved = static_cast<std::int16_t>(x.family(1) % 3 + 1);
        QCOMPARE(control<QLineEdit>("frmFamiglieX", "txtRitto1")->text(), QString("1"));
        control<QComboBox>("frmFamiglieX", "cmbFamiglia1")->setCurrentText(QString::number(moved));
        click("frmFamiglieX", "cmdModifica1");
        QCOMPARE(x.family(1), moved);

        // Both sets of ritti: the families 1 and 2 that both sets have, each a green line, and a
        // red dot on the centre of mass of every storey.
        choose("mnuCentri");
        pick("frmCentri", "cmbDirezioneRitti", 2);
        click("frmCentri", "cmdMassaVisualizza");
        click("frmCentri", "cmdRigidezzaVisualizza");
        const Drawing& plan = control<PictureBox>("frmCentri", "pctPianta")->drawing();
        const auto lines = plan.all<Line>();
        const auto circles = plan.all<Circle>();
        QCOMPARE(std::count_if(lines.begin(), lines.end(),
                               [](const Line& l) { return l.colour == colours::green; }),
                 2 + 2);
        QCOMPARE(std::count_if(circles.begin(), circles.end(),
                               [](const Circle& c) { return c.fill == colours::red; }),
                 3);

        choose("mnuMatrice");
        const QAbstractItemModel* kxx = control<QTableView>("frmMatrice", "mfgKxx")->model();
        QCOMPARE(kxx->rowCount(), 3);
        QCOMPARE(kxx->index(0, 0).data().toString().toStdString(),
                 formatNumber(100 * results.globalStiffness(1, 1), 0));

        choose("mnuElevazione");
        QVERIFY(child("frmElevazione"));
        choose("mnuRegolarita");
        QVERIFY(!control<QLabel>("frmRegolarita", "lblVerdetto")->text().isEmpty());
        // The roof has no slab, but its columns and beams weigh: the modes are computed.
        QVERIFY(asker.messages.empty());

        choose("mnuStampa");
        control<QLineEdit>("frmStampa", "txtDescrizione")
            ->setText(QStringLiteral("Palazzina di prova – tre piani")); // no key for the dash
        type("frmStampa", "txtProgettista", QStringLiteral("Ing. Anna Rossi"));
        click("frmStampa", "cmdStampa");
        expectOnlyQuestions();
        const std::filesystem::path pdf = folder / "casa.pdf";
        QVERIFY(std::filesystem::exists(pdf));
        QVERIFY(testing::qpdfClean(pdf));

        // The report prints what the program holds: the typed description, the global matrix,
        // the centres of mass of the loaded storeys and the partial centres of stiffness of the
        // families after the ritto was moved.
        const std::string report = testing::pdfText(pdf);
        QVERIFY(contains(report, "Palazzina di prova – tre piani"));
        QVERIFY(contains(report, formatNumber(100 * results.globalStiffness(1, 1), 0)));
        QVERIFY(contains(report, formatNumber(100 * results.globalStiffness(4, 4), 0)));
        const Model& model = window->session().model();
        for (int storey = 1; storey <= 2; ++storey) {
            QVERIFY(contains(report, formatNumber(model.massCentre(storey, 1), 0)));
            QVERIFY(contains(report, formatNumber(model.massCentre(storey, 2), 0)));
        }
        for (const Direction d : bothDirections) {
            for (int family = 1; family <= results[d].familyCount; ++family) {
                const std::string centre = formatNumber(results[d].stiffnessCentre(family), 0);
                QVERIFY2(contains(report, centre), centre.c_str());
            }
        }

        // The report's fields typed above belong to the project now: once saved, Close asks
        // nothing.
        choose("mnuFileSave");
        choose("mnuFileClose");
        QTRY_COMPARE(window->findChild<QMdiArea*>()->subWindowList().size(), qsizetype(0));
        QVERIFY(!window->session().projectOpen());
        QVERIFY2(asker.messages.empty(),
                 asker.messages.empty() ? "" : asker.messages.front().lines.front().c_str());
        QVERIFY(menuState(*window) == menusAtStart);
    }

    void cleanupTestCase() {
        startup.reset();
        QLocale::setDefault(QLocale::c());
    }
};

} // namespace orvanta

QTEST_MAIN(orvanta::WholeRoadTest)
#include "whole_road_test.moc"
