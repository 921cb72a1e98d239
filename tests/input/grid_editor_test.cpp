// The grid editor driven by its controls: the maxima and the scales, lines, levels and extra
// nodes with their refusals, the two sketches at their twips, Elimina Tutto and the hand-over.

#include "accessibility_check.h"
#include "grid_editor.h"
#include "picture_box.h"
#include "recording_child_host.h"
#include "window_driving.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <memory>

namespace orvanta {

namespace {

constexpr Colour cyan = Colour::fromBgr(0xFFFF00);
constexpr Colour black = Colour::fromBgr(0);
constexpr Colour red = Colour::fromBgr(255);

Line line(double x1, double y1, double x2, double y2, Colour colour) {
    return Line{{x1, y1}, {x2, y2}, colour, 1};
}

} // namespace

class GridEditorTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<testing::RecordingChildHost> host;
    std::unique_ptr<GridEditor> editor;

    template <class Control = QWidget> Control* find(const char* name) const {
        return testing::control<Control>(*editor, name);
    }
    void type(const char* box, const QString& text) const {
        testing::typeInto(*find<QLineEdit>(box), text);
    }
    void click(const char* button) const { find<QPushButton>(button)->click(); }
    // Types the value into the box, then presses the button.
    void enter(const char* box, const QString& text, const char* button) const {
        find<QLineEdit>(box)->setText(text);
        click(button);
    }
    void giveMaxima(const QString& x, const QString& y, const QString& z) const {
        type("txtXmax", x);
        type("txtYmax", y);
        type("txtZmax", z);
    }
    QString counter(const char* name) const { return find<QLabel>(name)->text(); }
    const Drawing& plan() const { return find<PictureBox>("pctPianta")->drawing(); }
    const Drawing& elevation() const { return find<PictureBox>("pctElevazione")->drawing(); }
    const Model& model() const { return host->model(); }
    const Message& lastMessage() const { return host->messages().back(); }

    // X lines at 0, 5000, 10000; Y lines at 0, 4000; levels at 0, 3000, 6000; maxima 11, 9 and
    // 12 m: the plan keeps its start scale of 1 twip/mm, the elevation takes 0.25.
    void enterFrame() const {
        giveMaxima("11", "9", "12");
        for (const char* x : {"0", "5000", "5000"})
            enter("txtX", x, "cmdAggiungiX");
        for (const char* y : {"0", "4000"})
            enter("txtY", y, "cmdAggiungiY");
        for (const char* z : {"0", "3000", "3000"})
            enter("txtZ", z, "cmdAggiungiZ");
    }

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy)); }

    void init() {
        host = std::make_unique<testing::RecordingChildHost>();
        host->session().newProject();
        editor = std::make_unique<GridEditor>(*host);
        editor->show();
    }
    void cleanup() {
        editor.reset();
        host.reset();
    }

    void everyControlHasItsNameCaptionAndAccessibleName() {
        QCOMPARE(editor->objectName(), QString("frmGriglia"));
        const QStringList wrong = testing::wrongCaptions(
            *editor, {{"fraGenerale", " DATI  GENERALI "},
                      {"fraGriglia", " INSERIMENTO  GRIGLIA "},
                      {"lblXmax", "X max [m]"},
                      {"lblZmax", "Z max [m]"},
                      {"cmdEliminaTutto", "Elimina Tutto"},
                      {"cmdInserisciGeometria", "INSERISCI GEOMETRIA STRUTTURA"},
                      {"lblGrigliaX", "Interasse per Griglia X "},
                      {"lblGrigliaZ", "Interasse per Griglia Z "},
                      {"lblY", "Y [mm]"},
                      {"cmdAggiungiX", "Aggiungi"},
                      {"cmdEliminaY", "Elimina Ultima"},
                      {"lblNodi", "Inserimento Punto Nodale "},
                      {"cmdAggiungiNodo", "Aggiungi"},
                      {"cmdEliminaNodo", "Elimina Ultimo"},
                      {"lblContatoreX", "1"},
                      {"lblContatoreZ", "1"},
                      {"lblContatoreNodo", "1"}});
        QCOMPARE(wrong, QStringList());
        QCOMPARE(find<QLineEdit>("txtYmax")->toolTip(),
                 QString("Inserire le coordinate massime per scalare il disegno a video"));
        for (const char* box : {"txtXnodo", "txtYnodo", "txtX", "txtY", "txtZ"})
            QCOMPARE(find<QLineEdit>(box)->text(), QString("0"));
        QCOMPARE(find<QLineEdit>("txtZ")->accessibleName(), QString("Interasse per Griglia Z"));
        QCOMPARE(testing::accessibilityProblems(*editor), QStringList());
    }

    // The grid is entered once the drawings know all three extents.
    void theGridFrameWaitsForTheThreeMaxima() {
        auto* frame = find<QGroupBox>("fraGriglia");
        QVERIFY(!frame->isEnabled());
        type("txtXmax", "30");
        type("txtYmax", "20");
        QVERIFY(!frame->isEnabled());
        type("txtZmax", "abc"); // no number: no maximum
        QVERIFY(!frame->isEnabled());
        type("txtZmax", "-12"); // no height either
        QVERIFY(!frame->isEnabled());
        type("txtZmax", "12");
        QVERIFY(frame->isEnabled());
        QVERIFY(find<QPushButton>("cmdAggiungiX")->isEnabled());
        QVERIFY(host->messages().empty()); // maxima are read while typed, without messages
    }

    void typedMaximaOnlyEverShrinkTheScale() {
        QCOMPARE(model().planScale, 1.0f);
        QCOMPARE(model().elevScale, 0.3f);
        type("txtXmax", "5");
        QTest::keyClicks(find<QLineEdit>("txtXmax"), "0"); // 50
        QCOMPARE(model().planScale, 0.22f);
        QTest::keyClick(find<QLineEdit>("txtXmax"), Qt::Key_Backspace); // back to 5
        QCOMPARE(model().planScale, 0.22f);
        QCOMPARE(model().drawMax(0), 5.0f);
        type("txtZmax", "15");
        QCOMPARE(model().elevScale, 0.2f);
    }

    void thePlanSketchStartsWithItsAxes() {
        const std::vector<Line> lines = plan().all<Line>();
        QCOMPARE(lines.size(), std::size_t{6});
        QCOMPARE(lines[0], line(250, 9500, 1500, 9500, red));
        QCOMPARE(lines[1], line(500, 9750, 500, 8500, red));
        QCOMPARE(lines[2], line(1500, 9500, 1400, 9550, red));
        QCOMPARE(lines[5], line(500, 8500, 550, 8600, red));
        const std::vector<Text> letters = plan().all<Text>();
        QCOMPARE(letters.size(), std::size_t{2});
        QCOMPARE(letters[0].topLeft, (TwipsPoint{1400, 9600}));
        QCOMPARE(letters[0].text, std::string("X"));
        QCOMPARE(letters[1].topLeft, (TwipsPoint{275, 8500}));
        QCOMPARE(letters[1].text, std::string("Y"));
        QCOMPARE(plan().background(), black);
    }

    // Lines through the origin stop short of the axis arrows; the others cross the sketch.
    void linesAreDrawnAcrossTheSketchAtThePlanScale() {
        giveMaxima("44", "20", "10"); // plan scale 11000/44000 = 0.25
        enter("txtX", "0", "cmdAggiungiX");
        enter("txtX", "5000", "cmdAggiungiX");
        enter("txtY", "0", "cmdAggiungiY");
        enter("txtY", "4000", "cmdAggiungiY");

        const std::vector<Line> lines = plan().all<Line>();
        QCOMPARE(lines.size(), std::size_t{10});
        QCOMPARE(lines[6], line(500, 8500, 500, 500, cyan));
        QCOMPARE(lines[7], line(1750, 9500, 1750, 500, cyan));
        QCOMPARE(lines[8], line(1500, 9500, 11500, 9500, cyan));
        QCOMPARE(lines[9], line(500, 8500, 11500, 8500, cyan));
        QCOMPARE(counter("lblContatoreX"), QString("3"));
        QCOMPARE(counter("lblContatoreY"), QString("3"));
        QCOMPARE(find<QLineEdit>("txtX")->text(), QString("0"));
        QCOMPARE(model().counts.nX, std::int16_t{2});
        QCOMPARE(model().coordX(2), 5000.0);
        QCOMPARE(find<QLabel>("lblUltimaX")->text(), QString("5.000")); // Italian conventions
    }

    void levelsAreDrawnInTheElevation() {
        enterFrame();
        QCOMPARE(model().counts.nStoreys, std::int16_t{2});
        QCOMPARE(counter("lblContatoreZ"), QString("4"));
        const std::vector<Circle> circles = elevation().all<Circle>();
        QCOMPARE(circles.size(), std::size_t{3});
        QCOMPARE(circles[0].centre, (TwipsPoint{2000, 3500}));
        QCOMPARE(circles[2].centre, (TwipsPoint{2000, 2000}));
        QCOMPARE(circles[1].radius, 50.0);
        const std::vector<Line> lines = elevation().all<Line>();
        // The axes, then per level its tick and (from the second) the line down to the previous.
        QCOMPARE(lines.size(), std::size_t{6 + 3 + 2});
        QCOMPARE(lines[0], line(250, 3500, 1500, 3500, red));
        QCOMPARE(lines[1], line(500, 3750, 500, 2500, red));
        QCOMPARE(lines[6], line(1750, 3500, 2250, 3500, cyan));
        QCOMPARE(lines[7], line(1750, 2750, 2250, 2750, cyan));
        QCOMPARE(lines[8], line(2000, 3500, 2000, 2750, cyan));
        QCOMPARE(elevation().all<Text>()[1].topLeft, (TwipsPoint{275, 2500}));

        click("cmdEliminaZ");
        QCOMPARE(elevation().all<Circle>().size(), std::size_t{2});
        QCOMPARE(model().counts.nStoreys, std::int16_t{1});
    }

    void spacingsThatAreZeroNegativeOrNoNumberAreRefused() {
        giveMaxima("11", "9", "10");
        enter("txtX", "1000", "cmdAggiungiX");
        const std::size_t drawn = plan().primitives().size();

        enter("txtX", "0", "cmdAggiungiX");
        QCOMPARE(lastMessage().title, std::string("Impossibile aggiungere la griglia"));
        QCOMPARE(lastMessage().lines.back(),
                 std::string("Immettere un interasse non nullo prima di procedere"));
        QCOMPARE(lastMessage().icon, MessageIcon::Exclamation);

        enter("txtX", "-2000", "cmdAggiungiX");
        QCOMPARE(lastMessage().lines.front(),
                 std::string("I piani della griglia non devono essere coincidenti"));
        QVERIFY(lastMessage().lines.back().find("positivo") != std::string::npos);

        enter("txtX", "5 m", "cmdAggiungiX");
        QCOMPARE(lastMessage().title, std::string("Valore non valido"));
        QCOMPARE(lastMessage().lines.front(),
                 std::string("Il valore di \"Interasse per Griglia X\" non è un numero valido"));
        QCOMPARE(find<QLineEdit>("txtX")->text(), QString("5 m")); // nothing typed is lost

        QCOMPARE(host->messages().size(), std::size_t{3});
        QCOMPARE(model().counts.nX, std::int16_t{1});
        QCOMPARE(counter("lblContatoreX"), QString("2"));
        QCOMPARE(plan().primitives().size(), drawn);
    }

    void removingWithNothingToRemoveSaysSo() {
        giveMaxima("11", "9", "10");
        for (const char* button : {"cmdEliminaX", "cmdEliminaY", "cmdEliminaZ", "cmdEliminaNodo"}) {
            click(button);
            QCOMPARE(lastMessage().title, std::string("Impossibile eliminare l'oggetto"));
            QCOMPARE(lastMessage().lines,
                     (std::vector<std::string>{"Impossibile eseguire l'operazione",
                                               "Non ci sono elementi da eliminare"}));
        }
        QCOMPARE(host->messages().size(), std::size_t{4});
        QCOMPARE(counter("lblContatoreZ"), QString("1"));
    }

    // A removed line is drawn over in black where it was drawn, even after the scale shrank.
    void aRemovedLineIsDrawnOverWhereItWas() {
        giveMaxima("11", "9", "10");
        enter("txtY", "0", "cmdAggiungiY");
        enter("txtY", "4000", "cmdAggiungiY"); // at 9500 − 4000 = 5500
        type("txtYmax", "72");                 // plan scale 9000/72000 = 0.125 from here on
        click("cmdEliminaY");

        QCOMPARE(plan().all<Line>().back(), line(500, 5500, 11500, 5500, black));
        QCOMPARE(counter("lblContatoreY"), QString("2"));
        enter("txtY", "3000", "cmdAggiungiY");
        QCOMPARE(model().coordY(2), 3000.0);
        QCOMPARE(plan().all<Line>().back(), line(500, 9125, 11500, 9125, cyan));
    }

    void extraNodesOffTheCrossingsAreDrawnAsCrosses() {
        enterFrame();
        enter("txtXnodo", "5000", "cmdAggiungiNodo"); // y still 0: on the crossing of X2 and Y1
        find<QLineEdit>("txtXnodo")->setText("5000");
        find<QLineEdit>("txtYnodo")->setText("4000");
        click("cmdAggiungiNodo");
        QCOMPARE(host->messages().size(), std::size_t{2});
        QCOMPARE(lastMessage().title, std::string("Impossibile aggiungere il nodo"));
        QCOMPARE(lastMessage().lines.front(),
                 std::string("I punti nodali non devono essere coincidenti con la griglia"));

        find<QLineEdit>("txtYnodo")->setText("2000"); // on line X2, between the Y lines
        click("cmdAggiungiNodo");
        QCOMPARE(host->messages().size(), std::size_t{2});
        QCOMPARE(model().counts.nExtra, std::int16_t{1});
        QCOMPARE(counter("lblContatoreNodo"), QString("2"));
        const std::vector<Line> lines = plan().all<Line>();
        QCOMPARE(lines[lines.size() - 2], line(5250, 7500, 5750, 7500, cyan));
        QCOMPARE(lines.back(), line(5500, 7750, 5500, 7250, cyan));

        click("cmdEliminaNodo");
        QCOMPARE(plan().all<Line>().back(), line(5500, 7750, 5500, 7250, black));
        QCOMPARE(model().counts.nExtra, std::int16_t{0});
    }

    void eliminaTuttoAsksThenStartsAgain() {
        enterFrame();
        host->answer({Answer::No});
        click("cmdEliminaTutto");
        QCOMPARE(lastMessage().title, std::string("Avviso"));
        QCOMPARE(lastMessage().buttons, MessageButtons::YesNo);
        QCOMPARE(model().counts.nX, std::int16_t{3});

        click("cmdEliminaTutto"); // Yes
        QCOMPARE(model().counts, Counts{});
        QCOMPARE(model().planScale, 10.0f);
        QCOMPARE(model().elevScale, 3.0f);
        QCOMPARE(counter("lblContatoreX"), QString("1"));
        QCOMPARE(counter("lblContatoreZ"), QString("1"));
        QCOMPARE(find<QLineEdit>("txtXmax")->text(), QString());
        QVERIFY(!find<QGroupBox>("fraGriglia")->isEnabled());
        QCOMPARE(plan().all<Line>().size(), std::size_t{6});
        QCOMPARE(elevation().all<Circle>().size(), std::size_t{0});

        // Maxima typed again fit the sketch to the building, however small.
        giveMaxima("5", "4", "3");
        QCOMPARE(model().planScale, 2.2f);
        QCOMPARE(model().elevScale, 1.0f);
    }

    void theHandOverWaitsForABuilding() {
        giveMaxima("11", "9", "10");
        enter("txtX", "0", "cmdAggiungiX");
        enter("txtX", "5000", "cmdAggiungiX");
        enter("txtY", "0", "cmdAggiungiY");
        click("cmdInserisciGeometria");
        QCOMPARE(host->messages().size(), std::size_t{1});
        QCOMPARE(lastMessage().title, std::string("Impossibile passare alla fase successiva"));
        QCOMPARE(lastMessage().buttons, MessageButtons::Ok);
        QVERIFY(host->opened.isEmpty());
        QCOMPARE(model().coordX.upper(), 200);
    }

    void theHandOverFixesTheGridAndOpensTheGeometry() {
        enterFrame();
        find<QLineEdit>("txtXnodo")->setText("2500");
        find<QLineEdit>("txtYnodo")->setText("6000");
        click("cmdAggiungiNodo");
        find<QLineEdit>("txtXnodo")->setText("12000");
        click("cmdAggiungiNodo");

        host->answer({Answer::No});
        click("cmdInserisciGeometria");
        QCOMPARE(lastMessage().lines.back(),
                 std::string("modificare il numero di elementi griglia. Continuare?"));
        QVERIFY(host->opened.isEmpty());
        QCOMPARE(model().coordX.upper(), 200);

        click("cmdInserisciGeometria"); // Yes
        QCOMPARE(host->closed, QStringList{"frmGriglia"});
        QCOMPARE(host->opened, QStringList{"frmGeometria"});
        QCOMPARE(model().counts, (Counts{3, 2, 2, 2}));
        QCOMPARE(model().coordX.size(), std::size_t{5});
        QCOMPARE(model().coordX(4), 2500.0);
        QCOMPARE(model().coordX(5), 12000.0);
        QCOMPARE(model().coordY(3), 6000.0);
        QCOMPARE(model().coordY(4), 6000.0);
        QCOMPARE(model().levelZ.size(), std::size_t{3});
        QCOMPARE(model().members.upper(2), 15);
    }
};

} // namespace orvanta

QTEST_MAIN(orvanta::GridEditorTest)
#include "grid_editor_test.moc"
