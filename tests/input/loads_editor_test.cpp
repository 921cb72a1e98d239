// frmCarichi: choosing bays and storeys, the slab record, the refusals, the bulk entry, starting
// again, and the hand-over to the sections editor through the load distribution.

#include "accessibility_check.h"
#include "drawing_geometry.h"
#include "editor_bench.h"
#include "load_distribution.h"
#include "loads_plan.h"
#include "picture_box.h"

#include <QAction>
#include <QLabel>
#include <QtTest>

namespace orvanta {

using testing::afterGeometry;
using testing::EditorBench;

namespace {

// The slab of bay b of storey k as stored, all seven values.
std::vector<double> record(const Model& m, int k, int b) {
    std::vector<double> values;
    for (int v = 1; v <= slab::values; ++v)
        values.push_back(m.slabs(k, b, v));
    return values;
}

std::vector<Box> slabMarks(const PictureBox& plan) {
    std::vector<Box> marks;
    for (const Box& box : plan.drawing().all<Box>()) {
        if (box.colour == slabColour)
            marks.push_back(box);
    }
    return marks;
}

int magentaBoxes(const PictureBox& plan) {
    return static_cast<int>(slabMarks(plan).size());
}

} // namespace

class LoadsEditorTest : public QObject {
    Q_OBJECT

    std::unique_ptr<EditorBench> bench;

    void open(const Model& model) {
        bench = std::make_unique<EditorBench>(QTest::currentTestFunction());
        QVERIFY(bench->openPhase(model, childWindow::loads));
    }
    void typeLoads(const QString& g, const QString& q, const QString& share) {
        bench->fill("txtPermanente", g);
        bench->fill("txtAccidentale", q);
        bench->fill("txtAliquota", share);
    }
    const PictureBox& plan() const { return *bench->control<PictureBox>("pctPianta"); }

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy)); }
    void cleanup() { bench.reset(); }

    void loadsOnAFreshRecordOfSlabs() {
        open(afterGeometry(4, 3, 2));
        const Model& m = bench->model();
        QCOMPARE(bench->window->session().currentPhase(), std::string(phase::loads));
        QCOMPARE(m.slabs.upper(1), 2);
        QCOMPARE(m.slabs.upper(2), 6);
        QCOMPARE(m.slabs.upper(3), 7);
        QCOMPARE(bench->control("frmCarichi")->windowTitle(), QString("Immissione dei CARICHI"));
        QCOMPARE(bench->control<QRadioButton>("optSolaioX")->isChecked(), true);
        QCOMPARE(testing::accessibilityProblems(*bench->control("frmCarichi")), QStringList());
    }

    // On a 4 × 3 grid the bays start at nodes 1, 2, 3, 5, 6, 7: node 4 lies on the last line
    // along X and is skipped in both directions.
    void theNodeSelectorSkipsTheLastLineAlongX() {
        open(afterGeometry(4, 3, 1));
        QCOMPARE(bench->control<QScrollBar>("hsbNodoSol")->maximum(), 7);
        QCOMPARE(bench->text("txtNodo1Sol"), QString("1"));
        QCOMPARE((QStringList{bench->text("txtNodo2Sol"), bench->text("txtNodo3Sol"),
                              bench->text("txtNodo4Sol")}),
                 (QStringList{"2", "5", "6"}));

        bench->moveBar("hsbNodoSol", 3);
        bench->moveBar("hsbNodoSol", 4);
        QCOMPARE(bench->bar("hsbNodoSol"), 5);
        QCOMPARE(bench->text("txtNodo4Sol"), QString("10"));
        bench->moveBar("hsbNodoSol", 4);
        QCOMPARE(bench->bar("hsbNodoSol"), 3);

        bench->type("txtNodo1Sol", "9");
        QCOMPARE(bench->lastMessage().title, std::string("Nodo Inesistente"));
        QCOMPARE(bench->lastMessage().lines,
                 (std::vector<std::string>{"E' impossibile rintracciare il nodo specificato",
                                           "Sarà adottato il valore massimo"}));
        QCOMPARE(bench->bar("hsbNodoSol"), 7);

        // Text that is not a number keeps the node, without a word.
        const std::size_t messages = bench->asker.messages.size();
        bench->type("txtNodo1Sol", "abc");
        QCOMPARE(bench->text("txtNodo1Sol"), QString("7"));
        QCOMPARE(bench->asker.messages.size(), messages);
        bench->type("txtPiano", "x");
        QCOMPARE(bench->text("txtPiano"), QString("1"));
        QCOMPARE(bench->asker.messages.size(), messages);
    }

    void aSlabIsStoredInTheModelsUnitsAndTheSelectionMovesOn() {
        open(afterGeometry(4, 3, 2));
        bench->control<QRadioButton>("optSolaioY")->setChecked(true);
        typeLoads("5", "2", "30");
        bench->click("cmdAggiungiSol");
        QVERIFY(bench->asker.messages.empty());
        QCOMPARE(record(bench->model(), 1, 1),
                 (std::vector<double>{1, 2, 0.005, 0.002, 0.3, 5000, 4000}));
        QCOMPARE(bench->bar("hsbNodoSol"), 2);
        QCOMPARE(magentaBoxes(plan()), 1);
        // The mark lies 300 mm inside the bay's grid lines.
        const double scale = bench->model().planScale;
        const Box mark = slabMarks(plan()).front();
        QCOMPARE(mark.corner, planPoint(300, 300, scale));
        QCOMPARE(mark.oppositeCorner, planPoint(4700, 3700, scale));
        QVERIFY(bench->control<QLabel>("lblSolaio")->text().startsWith("Campata 2: nessun"));
        bench->moveBar("hsbNodoSol", 1);
        QCOMPARE(bench->control<QLabel>("lblSolaio")->text(),
                 QString("Campata 1: solaio in direzione Y\nG = 5 kN/mq, Q = 2 kN/mq al 30 %"));

        // From node 3 the next bay starts at node 5; decimals take the comma.
        bench->moveBar("hsbNodoSol", 3);
        bench->control<QRadioButton>("optSolaioX")->setChecked(true);
        typeLoads("4,5", "0", "0");
        bench->click("cmdAggiungiSol");
        QCOMPARE(record(bench->model(), 1, 3),
                 (std::vector<double>{1, 1, 0.0045, 0, 0, 5000, 4000}));
        QCOMPARE(bench->bar("hsbNodoSol"), 5);

        // On the last bay the selection stays; a second add on it overwrites.
        bench->moveBar("hsbNodoSol", 7);
        bench->click("cmdAggiungiSol");
        typeLoads("6", "0", "0");
        bench->click("cmdAggiungiSol");
        QCOMPARE(bench->bar("hsbNodoSol"), 7);
        QCOMPARE(bench->model().slabs(1, 6, slab::permanent), 0.006);

        // Storey 2 has slabs of its own.
        bench->type("txtPiano", "2");
        QCOMPARE(magentaBoxes(plan()), 0);
        bench->moveBar("hsbNodoSol", 6);
        bench->click("cmdAggiungiSol");
        QCOMPARE(bench->model().slabs(2, 5, slab::present), 1.0);
        QCOMPARE(bench->model().slabs(1, 5, slab::present), 0.0);
    }

    // A project file that holds no plan scale (0) is drawn at the scale its grid gives.
    void aProjectWithoutAPlanScaleIsDrawnAtTheGridsScale() {
        Model m = afterGeometry(4, 3, 1);
        m.planScale = 0;
        open(m);
        typeLoads("5", "2", "30");
        bench->click("cmdAggiungiSol");
        const Box mark = slabMarks(plan()).front();
        QCOMPARE(mark.oppositeCorner,
                 planPoint(4700, 3700, std::min(11000 / 15000.0, 9000 / 8000.0)));
    }

    void deletingClearsTheFlagAndMovesOn() {
        open(afterGeometry(4, 3, 1));
        typeLoads("5", "2", "30");
        bench->click("cmdAggiungiSol");
        bench->moveBar("hsbNodoSol", 1);
        bench->click("cmdEliminaSol");
        QCOMPARE(bench->model().slabs(1, 1, slab::present), 0.0);
        QCOMPARE(bench->model().slabs(1, 1, slab::permanent), 0.005);
        QCOMPARE(bench->bar("hsbNodoSol"), 2);
        bench->click("cmdEliminaSol"); // a bay without a slab
        QCOMPARE(bench->model().slabs(1, 2, slab::present), 0.0);
        QCOMPARE(bench->bar("hsbNodoSol"), 3);
        QCOMPARE(magentaBoxes(plan()), 0);
    }

    void refusedLoads_data() {
        QTest::addColumn<QString>("permanent");
        QTest::addColumn<QString>("variable");
        QTest::addColumn<QString>("share");
        QTest::addColumn<QString>("named");
        const auto row = [](const char* name, const char* g, const char* q, const char* share,
                            const char* named) {
            QTest::newRow(name) << QString(g) << QString(q) << QString(share) << QString(named);
        };
        row("not a number", "5 kN", "2", "30", "Carico Permanente [kN/mq]");
        row("two decimal signs", "2,5,1", "2", "30", "Carico Permanente [kN/mq]");
        row("empty", "5", "", "30", "Carico Accidentale [kN/mq]");
        row("negative", "5", "-2", "30", "Carico Accidentale [kN/mq]");
        row("share above 100", "5", "2", "120", "Aliquota di Accidentale [%]");
        row("share below 0", "5", "2", "-1", "Aliquota di Accidentale [%]");
        row("beyond 1000 kN/m²", "2000", "2", "30", "carico permanente 2000");
    }

    // A load that cannot be right writes nothing and stays on the bay; the message names the box.
    void refusedLoads() {
        QFETCH(QString, permanent);
        QFETCH(QString, variable);
        QFETCH(QString, share);
        QFETCH(QString, named);
        open(afterGeometry(4, 3, 1));
        typeLoads(permanent, variable, share);
        bench->click("cmdAggiungiSol");
        QCOMPARE(bench->asker.messages.size(), std::size_t{1});
        const Message& refusal = bench->lastMessage();
        QCOMPARE(refusal.icon, MessageIcon::Exclamation);
        QVERIFY2(QString::fromStdString(refusal.text()).contains(named), refusal.text().c_str());
        QCOMPARE(record(bench->model(), 1, 1), std::vector<double>(7, 0.0));
        QCOMPARE(bench->bar("hsbNodoSol"), 1);
        QCOMPARE(bench->text("txtAliquota"), share);
    }

    // A 3 × 3 grid whose top beam along X over bay 4 is missing in storey 2: a slab spanning
    // along Y cannot rest there, and the bulk entry leaves that bay alone.
    void oneSlabForAStoreyOrForEveryStorey() {
        Model m = afterGeometry(3, 3, 2);
        setPresent(m, 2, numbering::beamXSlot(m.counts, 2, 3), false);
        open(m);
        bench->control<QRadioButton>("optSolaioY")->setChecked(true);
        typeLoads("5", "2", "30");

        bench->asker.answer({Answer::No});
        bench->click("cmdApplicaPiano");
        QCOMPARE(bench->model().slabs(1, 1, slab::present), 0.0);

        bench->click("cmdApplicaPiano");
        for (int b = 1; b <= 4; ++b)
            QCOMPARE(record(bench->model(), 1, b)[slab::share - 1], 0.3);
        QCOMPARE(bench->model().slabs(2, 1, slab::present), 0.0);
        QCOMPARE(magentaBoxes(plan()), 4);

        bench->asker.messages.clear();
        bench->click("cmdApplicaTuttiPiani");
        QCOMPARE(bench->model().slabs(2, 3, slab::present), 1.0);
        QCOMPARE(bench->model().slabs(2, 4, slab::present), 0.0);
        QCOMPARE(bench->lastMessage().lines.front(), std::string("Solaio assegnato a 7 campate."));
        QCOMPARE(bench->lastMessage().lines.back(),
                 std::string("1 campata senza una delle due travi di appoggio è rimasta come "
                             "era."));
    }

    void eliminaTuttoStartsTheWindowAgain() {
        open(afterGeometry(4, 3, 2));
        typeLoads("5", "2", "30");
        bench->click("cmdAggiungiSol");
        bench->type("txtPiano", "2");

        bench->asker.answer({Answer::No});
        bench->click("cmdEliminaTutto");
        QCOMPARE(bench->lastMessage().lines,
                 (std::vector<std::string>{"La presente operazione eliminerà",
                                           "tutti i dati immessi. Continuare?"}));
        QCOMPARE(bench->model().slabs(1, 1, slab::present), 1.0);

        bench->click("cmdEliminaTutto");
        QCOMPARE(bench->model().slabs, Array3<double>(1, 2, 1, 6, 1, 7));
        QCOMPARE(bench->bar("hsbNodoSol"), 1);
        QCOMPARE(bench->bar("hsbPiano"), 1);
        QCOMPARE(bench->text("txtPermanente"), QString());
        QCOMPARE(magentaBoxes(plan()), 0);

        // One step brings every slab back, and the plan shows it again.
        auto* undo = bench->window->findChild<QAction*>("mnuEditUndo");
        QCOMPARE(undo->text(), QString("&Annulla Elimina Tutto"));
        undo->trigger();
        QCOMPARE(bench->model().slabs(1, 1, slab::present), 1.0);
        QVERIFY(magentaBoxes(plan()) > 0);
    }

    void handOverAnsweredNoStaysWithNothingChanged() {
        open(afterGeometry(2, 2, 1));
        typeLoads("5", "2", "30");
        bench->click("cmdAggiungiSol");
        bench->asker.answer({Answer::No});
        bench->click("cmdInserisciSezioni");
        QCOMPARE(bench->lastMessage().lines,
                 (std::vector<std::string>{"Il passaggio alla fase successiva renderà impossibile",
                                           "modificare i carichi immessi. Continuare?"}));
        QCOMPARE(bench->lastMessage().buttons, MessageButtons::YesNo);
        QVERIFY(bench->model().beamLoads.empty());
        QCOMPARE(bench->openWindows(), QStringList{"frmCarichi"});
    }

    // A slab with no beam to rest on: the distribution says so, the user stays in the loads
    // window and the results of an earlier distribution are as they were.
    void handOverRefusedByTheDistributionStays() {
        Model m = afterGeometry(2, 2, 1);
        for (int slot = 5; slot <= 8; ++slot)
            setPresent(m, 1, slot, false);
        open(m);
        typeLoads("5", "2", "30");
        bench->click("cmdAggiungiSol");
        Model& model = bench->model();
        model.beamLoads = Array2<double>(1, 1, 1, 8);
        model.beamLoads(1, 1) = 1234;
        const Model before = model;

        bench->click("cmdInserisciSezioni");
        QCOMPARE(bench->lastMessage().title, std::string("Errore di immissione dei carichi"));
        QCOMPARE(bench->model(), before);
        QCOMPARE(bench->openWindows(), QStringList{"frmCarichi"});
        QCOMPARE(bench->window->session().currentPhase(), std::string(phase::loads));
    }

    void handOverDistributesTheLoadsAndOpensTheSections() {
        open(afterGeometry(4, 3, 2));
        bench->control<QRadioButton>("optSolaioY")->setChecked(true);
        typeLoads("5", "2", "30");
        bench->click("cmdApplicaTuttiPiani");
        Model expected = bench->model();
        testing::ScriptedAsker quiet;
        QVERIFY(distributeLoads(expected, quiet));

        bench->click("cmdInserisciSezioni");
        QCOMPARE(bench->model(), expected);
        QCOMPARE(bench->openWindows(), QStringList{"frmSezioni"});
        QCOMPARE(bench->window->session().currentPhase(), std::string(phase::sections));
        QVERIFY(bench->model().hasCompleteArrays());

        // Undone from the sections phase, the distribution gives back the load results of
        // before it, then the slabs go: each undo restores what went with it.
        auto* undo = bench->window->findChild<QAction*>("mnuEditUndo");
        QCOMPARE(undo->text(), QString("&Annulla Distribuzione dei Carichi"));
        undo->trigger();
        QVERIFY(bench->model().beamLoads.empty());
        QCOMPARE(bench->model().slabs, expected.slabs);
        undo->trigger();
        QCOMPARE(bench->model().slabs(2, 1, slab::present), 0.0);
        bench->window->findChild<QAction*>("mnuEditRedo")->trigger();
        bench->window->findChild<QAction*>("mnuEditRedo")->trigger();
        QCOMPARE(bench->model(), expected);
    }
};

} // namespace orvanta

QTEST_MAIN(orvanta::LoadsEditorTest)
#include "loads_editor_test.moc"
