// The geometry editor driven by its controls on a grid handed over by the grid phase: columns
// through storeys, beams along X and Y with the start-node selector, bulk placement, the plan
// of the shown storey at its twips, the range messages, Elimina Tutto and the hand-over.

#include "accessibility_check.h"
#include "element_records.h"
#include "geometry_editor.h"
#include "grid_entry.h"
#include "picture_box.h"
#include "recording_child_host.h"
#include "sample_models.h"
#include "window_driving.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QtTest>
#include <memory>

namespace orvanta {

namespace {

// Lines along X at 0, 5500, 11000 and along Y at 0, 4000; levels at 0, 3000, 6000, 9000; extra
// node 7 at (2500, 6000). The plan scale is min(11000/11000, 9000/4000) = 1 twip/mm.
void handOverGrid(Model& model) {
    GridEntry grid(model);
    for (const double x : {0.0, 5500.0, 5500.0})
        grid.add(GridAxis::x, x);
    for (const double y : {0.0, 4000.0})
        grid.add(GridAxis::y, y);
    for (const double z : {0.0, 3000.0, 3000.0, 3000.0})
        grid.add(GridAxis::z, z);
    grid.addExtraNode(2500, 6000);
    grid.handOver();
}

using testing::presentSlots;

} // namespace

class GeometryEditorTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<testing::RecordingChildHost> host;
    std::unique_ptr<GeometryEditor> editor;

    template <class Control = QWidget> Control* find(const char* name) const {
        return testing::control<Control>(*editor, name);
    }
    void click(const char* button) const { find<QPushButton>(button)->click(); }
    // Types into a box and presses Enter, as a user does.
    void type(const char* box, const QString& text) const {
        testing::typeInto(*find<QLineEdit>(box), text, true);
    }
    void choose(const char* list, int storey) const {
        find<QComboBox>(list)->setCurrentIndex(storey - 1);
    }
    int stepUp(const char* bar) const {
        find<QScrollBar>(bar)->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        return find<QScrollBar>(bar)->value();
    }
    int stepDown(const char* bar) const {
        find<QScrollBar>(bar)->triggerAction(QAbstractSlider::SliderSingleStepSub);
        return find<QScrollBar>(bar)->value();
    }
    const Drawing& plan() const { return find<PictureBox>("pctPianta")->drawing(); }
    const Model& model() const { return host->model(); }
    const Message& lastMessage() const { return host->messages().back(); }

private slots:
    void init() {
        host = std::make_unique<testing::RecordingChildHost>();
        host->session().newProject();
        handOverGrid(host->model());
        editor = std::make_unique<GeometryEditor>(*host);
        editor->show();
    }
    void cleanup() {
        editor.reset();
        host.reset();
    }

    void everyControlHasItsNameCaptionAndRange() {
        QCOMPARE(editor->objectName(), QString("frmGeometria"));
        const QStringList wrong = testing::wrongCaptions(
            *editor, {{"fraStruttura", " INSERIMENTO STRUTTURA "},
                      {"lblPilastri", "Inserimento Ritti Strutturali"},
                      {"lblNodoPil", "Numero del Nodo"},
                      {"lblElevazionePil", "Numero di Elevazioni"},
                      {"lblTravi", "Inserimento Travi di Piano"},
                      {"lblNodoTra", "Numero dei Nodi"},
                      {"lblElevazioneTra", "Piano di Inserimento"},
                      {"lblPiano", "PIANO"},
                      {"cmdAggiungiPil", "Aggiungi"},
                      {"cmdEliminaPil", "Elimina"},
                      {"cmdPilastriTutti", "Pilastri su tutti i nodi"},
                      {"optTraviX", "Travi in direzione X"},
                      {"optTraviY", "Travi in direzione Y"},
                      {"cmdAggiungiTra", "Aggiungi"},
                      {"cmdEliminaTra", "Elimina"},
                      {"cmdTraviTutte", "Travi su tutta la griglia"},
                      {"cmdEliminaTutto", "Elimina Tutto"},
                      {"cmdInserisciCarichi", "INSERISCI CARICHI STRUTTURA"}});
        QCOMPARE(wrong, QStringList());
        QVERIFY(find<QRadioButton>("optTraviX")->isChecked());

        for (const char* list : {"cmbElevazionePil", "cmbElevazioneTra"}) {
            QCOMPARE(find<QComboBox>(list)->count(), 3);
            QCOMPARE(find<QComboBox>(list)->itemText(0), QString("1"));
        }
        QCOMPARE(find<QScrollBar>("hsbNodoPil")->maximum(), 7); // six grid nodes and node 7
        QCOMPARE(find<QScrollBar>("hsbNodoTra")->maximum(), 5);
        QCOMPARE(find<QScrollBar>("hsbPiano")->maximum(), 3);
        QCOMPARE(find<QLineEdit>("txtNodoiTra")->text(), QString("1"));
        QCOMPARE(find<QLineEdit>("txtNodojTra")->text(), QString("2"));
        QVERIFY(find<QLineEdit>("txtNodojTra")->isReadOnly());
        QCOMPARE(testing::accessibilityProblems(*editor), QStringList());
    }

    // Nodes 3 and 6 lie on the last X line: no beam along X starts there.
    void theXBeamSelectorSkipsTheLastXLine() {
        std::vector<int> up{find<QScrollBar>("hsbNodoTra")->value()};
        for (int i = 0; i < 4; ++i)
            up.push_back(stepUp("hsbNodoTra"));
        QCOMPARE(up, (std::vector<int>{1, 2, 4, 5, 5}));
        QCOMPARE(find<QLineEdit>("txtNodojTra")->text(), QString("6"));
        QCOMPARE(stepDown("hsbNodoTra"), 4);
        QCOMPARE(stepDown("hsbNodoTra"), 2);

        type("txtNodoiTra", "4");
        click("cmdAggiungiTra");
        QCOMPARE(presentSlots(model(), 1), std::vector<int>{9});

        // Along Y the start runs over the first row, 1..3, and the end is a row up.
        find<QRadioButton>("optTraviY")->setChecked(true);
        QCOMPARE(find<QScrollBar>("hsbNodoTra")->maximum(), 3);
        QCOMPARE(find<QLineEdit>("txtNodoiTra")->text(), QString("1"));
        QCOMPARE(stepUp("hsbNodoTra"), 2);
        QCOMPARE(find<QLineEdit>("txtNodojTra")->text(), QString("5"));
        choose("cmbElevazioneTra", 3);
        click("cmdAggiungiTra");
        QCOMPARE(presentSlots(model(), 3), std::vector<int>{12});
        click("cmdEliminaTra");
        QVERIFY(presentSlots(model(), 3).empty());
        QCOMPARE(presentSlots(model(), 1), std::vector<int>{9});
    }

    void aColumnRisesThroughItsElevationsAlsoOnAnExtraNode() {
        type("txtNodoPil", "7");
        choose("cmbElevazionePil", 2);
        click("cmdAggiungiPil");
        QCOMPARE(presentSlots(model(), 1), std::vector<int>{14});
        QCOMPARE(presentSlots(model(), 2), std::vector<int>{14});
        QVERIFY(presentSlots(model(), 3).empty());
        QCOMPARE(host->changes, std::vector{ProjectChange::modelEdited});

        choose("cmbElevazionePil", 1);
        click("cmdEliminaPil");
        QVERIFY(presentSlots(model(), 1).empty());
        QCOMPARE(presentSlots(model(), 2), std::vector<int>{14});
    }

    void typedNumbersOutOfRangeAreCorrectedWithTheirMessages() {
        type("txtNodoPil", "0");
        QCOMPARE(host->messages().size(), std::size_t{1});
        QCOMPARE(lastMessage().title, std::string("Nodo Inesistente"));
        QCOMPARE(lastMessage().lines,
                 (std::vector<std::string>{"E' impossibile rintracciare il nodo specificato",
                                           "Sarà adottato il valore minimo"}));
        QCOMPARE(lastMessage().icon, MessageIcon::Critical);
        QCOMPARE(find<QLineEdit>("txtNodoPil")->text(), QString("1"));

        type("txtNodoPil", "5");
        type("txtNodoPil", "abc"); // not a number: the node stays, without a message
        QCOMPARE(find<QLineEdit>("txtNodoPil")->text(), QString("5"));
        QCOMPARE(host->messages().size(), std::size_t{1});

        type("txtNodoiTra", "40");
        QCOMPARE(lastMessage().lines.back(), std::string("Sarà adottato il valore massimo"));
        QCOMPARE(find<QLineEdit>("txtNodoiTra")->text(), QString("5"));

        type("txtPiano", "9");
        QCOMPARE(lastMessage().title, std::string("Piano Inesistente"));
        QCOMPARE(lastMessage().lines.back(), std::string("Sarà visualizzato il piano massimo"));
        QCOMPARE(find<QScrollBar>("hsbPiano")->value(), 3);
    }

    // Node 5 at (5500, 4000) mm is drawn at (500 + 5500, 9500 − 4000) = (6000, 5500).
    void thePlanShowsTheElementsOfTheShownStorey() {
        type("txtNodoPil", "5");
        choose("cmbElevazionePil", 1);
        click("cmdAggiungiPil");
        type("txtNodoiTra", "4");
        click("cmdAggiungiTra");
        type("txtNodoPil", "1"); // the column mark moves off node 5

        const std::vector<Box> squares = plan().all<Box>();
        QCOMPARE(squares.size(), std::size_t{1});
        QCOMPARE(squares[0].corner, (TwipsPoint{5850, 5350}));
        QCOMPARE(squares[0].oppositeCorner, (TwipsPoint{6150, 5650}));
        QVERIFY(squares[0].filled);
        QCOMPARE(squares[0].colour, colours::white);
        const std::vector<Line> lines = plan().all<Line>();
        const auto has = [&lines](Line wanted) {
            return std::find(lines.begin(), lines.end(), wanted) != lines.end();
        };
        QVERIFY(has(Line{{500, 5500}, {6000, 5500}, colours::red, 1}));   // the beam
        QVERIFY(has(Line{{2750, 3500}, {3250, 3500}, colours::cyan, 1})); // node 7's cross
        QVERIFY(has(Line{{500, 9500}, {500, 5500}, colours::cyan, 1}));   // line X1
        QVERIFY(has(Line{{650, 5500}, {5850, 5500}, colours::green, 3})); // the chosen beam …
        QVERIFY(has(Line{{650, 5500}, {5850, 5500}, colours::red, 1}));   // … which is there
        const std::vector<Circle> marks = plan().all<Circle>();
        QCOMPARE(marks.size(), std::size_t{1});
        QCOMPARE(marks[0].centre, (TwipsPoint{500, 9500}));
        QCOMPARE(plan().all<Text>().back().text, std::string("7")); // node numbers

        // Storey 2 has neither the column nor the beam.
        type("txtPiano", "2");
        QVERIFY(plan().all<Box>().empty());
        const std::vector<Line> upper = plan().all<Line>();
        QVERIFY(std::find(upper.begin(), upper.end(),
                          Line{{500, 5500}, {6000, 5500}, colours::red, 1}) == upper.end());
    }

    void choosingTheBeamStoreyShowsIt() {
        choose("cmbElevazioneTra", 3);
        QCOMPARE(find<QLineEdit>("txtPiano")->text(), QString("3"));
        click("cmdTraviTutte");
        // Five grid lines, the cross, seven beams, the chosen beam's mark and the beam over it.
        QCOMPARE(plan().all<Line>().size(), std::size_t{5 + 2 + 7 + 2});
    }

    void bulkPlacementFillsTheGrid() {
        choose("cmbElevazionePil", 2);
        click("cmdPilastriTutti");
        choose("cmbElevazioneTra", 2);
        click("cmdTraviTutte");
        QCOMPARE(presentSlots(model(), 1), (std::vector<int>{1, 2, 3, 4, 5, 6}));
        QCOMPARE(presentSlots(model(), 2),
                 (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}));
        QVERIFY(presentSlots(model(), 3).empty());
        QCOMPARE(plan().all<Box>().size(), std::size_t{6});

        // Undone one by one by the remove buttons.
        type("txtNodoPil", "6");
        click("cmdEliminaPil");
        QCOMPARE(presentSlots(model(), 1), (std::vector<int>{1, 2, 3, 4, 5}));
    }

    void eliminaTuttoAsksThenClearsEveryStorey() {
        click("cmdPilastriTutti");
        host->answer({Answer::No});
        click("cmdEliminaTutto");
        QCOMPARE(lastMessage().title, std::string("Avviso"));
        QCOMPARE(presentSlots(model(), 3).size(), std::size_t{6});
        click("cmdEliminaTutto");
        for (int k = 1; k <= 3; ++k)
            QVERIFY(presentSlots(model(), k).empty());
        QCOMPARE(model().members.upper(2), 14);
        QVERIFY(plan().all<Box>().empty());
    }

    void theHandOverWarnsOfStoreysWithoutColumns() {
        choose("cmbElevazionePil", 2);
        click("cmdPilastriTutti");
        host->answer({Answer::No});
        click("cmdInserisciCarichi");
        QCOMPARE(host->messages().size(), std::size_t{1});
        QCOMPARE(lastMessage().title, std::string("Avviso"));
        QCOMPARE(lastMessage().icon, MessageIcon::Exclamation);
        QCOMPARE(lastMessage().buttons, MessageButtons::YesNo);
        QCOMPARE(lastMessage().lines.front(), std::string("Nel piano 3 non c'è nessun pilastro:"));
        QVERIFY(host->closed.isEmpty());

        click("cmdInserisciCarichi"); // Yes, then Yes
        QCOMPARE(host->messages().size(), std::size_t{3});
        QCOMPARE(lastMessage().lines,
                 (std::vector<std::string>{
                     "Il passaggio alla fase successiva renderà impossibile",
                     "modificare il numero di elementi strutturali. Continuare?"}));
        QCOMPARE(host->closed, QStringList{"frmGeometria"});
        QCOMPARE(host->opened, QStringList{"frmCarichi"});
    }
};

} // namespace orvanta

QTEST_MAIN(orvanta::GeometryEditorTest)
#include "geometry_editor_test.moc"
