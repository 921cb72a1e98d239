// The centres view, the global matrix view and the deformed shape: their controls, the
// primitives of their drawings against hand-computed twips, and how they follow the project.

#include "accessibility_check.h"
#include "centres_window.h"
#include "elevation_window.h"
#include "families.h"
#include "matrix_window.h"
#include "number_format.h"
#include "picture_box.h"
#include "plan_view.h"
#include "sample_models.h"
#include "stiffness_centres.h"
#include "storey_plan.h"
#include "view_controls.h"
#include "view_host.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QtTest>
#include <algorithm>
#include <memory>

namespace orvanta {

using testing::cell;
using testing::control;
using testing::press;
using testing::type;
using testing::ViewHost;

namespace {

QString caption(QWidget& window, const char* button) {
    return control<QPushButton>(window, button)->text();
}

const Drawing& drawingOf(QWidget& window, const char* picture) {
    return control<PictureBox>(window, picture)->drawing();
}

// The red dots of the centres of mass.
std::vector<Circle> massDots(const Drawing& d) {
    std::vector<Circle> dots;
    for (const Circle& c : d.all<Circle>()) {
        if (c.fill == colours::red)
            dots.push_back(c);
    }
    return dots;
}

// The green lines of the partial centres of stiffness.
std::vector<Line> stiffnessLines(const Drawing& d) {
    std::vector<Line> lines;
    for (const Line& l : d.all<Line>()) {
        if (l.colour == colours::green)
            lines.push_back(l);
    }
    return lines;
}

// Whether the drawing holds this line exactly once.
bool drawn(const Drawing& d, const Line& line) {
    const std::vector<Line> lines = d.all<Line>();
    return std::count(lines.begin(), lines.end(), line) == 1;
}

Circle dot(double x, double y) {
    return {{x, y}, 100, colours::red, 1, colours::red};
}

Line greenLine(TwipsPoint from, TwipsPoint to) {
    return {from, to, colours::green, 3};
}

// A frame of 3 × 2 lines (x = 0, 5000, 10000; y = 0, 4000 mm) at planScale 0.5, with centres of
// mass and partial centres of stiffness set by hand: storey k's centre of mass at
// (2000·k, 1000·k) mm, one X family centred at x = 5000 mm and one Y family at y = 2000 mm.
void handMadeCentres(ViewHost& host, std::int16_t storeys) {
    Model m = testing::fullFrame(3, 2, storeys);
    m.planScale = 0.5f;
    host.useAndCalculate(m);
    Model& model = host.session().model();
    for (int k = 1; k <= storeys; ++k) {
        model.massCentre(k, 1) = 2000.0 * k;
        model.massCentre(k, 2) = 1000.0 * k;
    }
    for (const auto& [direction, centre] :
         {std::pair{Direction::orthogonalToX, 5000.0}, std::pair{Direction::orthogonalToY, 2000.0}}) {
        RittiResults& r = host.results()[direction];
        r.familyCount = 1;
        r.stiffnessCentre = Array1<double>(1, 1);
        r.stiffnessCentre(1) = centre;
        r.familySize = Array1<std::int16_t>(1, 1);
        r.familySize(1) = 4;
    }
}

// A one-storey building whose global matrix is set by hand: Kxx = kxx, Kyy = kyy, Kθθ = 1, a
// storey force of 1, levels 0 and 3000 mm drawn 3000 mm high (elevScale 3).
void handMadeMatrix(ViewHost& host, double kxx, double kyy) {
    Model m = testing::fullFrame(3, 2, 1);
    m.storeyForce(1) = 1;
    host.session().model() = m;
    Array2<double>& k = host.results().globalStiffness;
    k = Array2<double>(1, 3, 1, 3);
    k(1, 1) = kxx;
    k(2, 2) = kyy;
    k(3, 3) = 1;
}

} // namespace

class ResultViewsTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<ViewHost> host;

private slots:
    void init() {
        testing::useItalianNumbers();
        host = std::make_unique<ViewHost>();
    }

    // --- frmCentri ---------------------------------------------------------------------------

    void centresViewControlsAndCaptions() {
        host->openAndCalculate(testing::example("palazzina-4-piani.orv"));
        computeStiffnessCentres(host->session().model(), host->results());
        CentresWindow window(*host);

        auto* direction = control<QComboBox>(window, "cmbDirezioneRitti");
        QCOMPARE(direction->count(), 3);
        QCOMPARE(direction->itemText(2), QString("Ritti in direz. X ed Y!"));
        QCOMPARE(caption(window, "cmdMassaVisualizza"), QString("Visualizzare tutti i C.M."));
        QCOMPARE(caption(window, "cmdRigidezzaNonVisualizza"),
                 QString("Non visualizzare i C.P.R."));
        QCOMPARE(caption(window, "cmdMassaVisualizza1"), QString("Visualizzare il C.M. n° 1"));
        QCOMPARE(caption(window, "cmdRigidezzaNonVisualizza1"),
                 QString("Non Visualizzare il C.P.R. n° 1"));
        QCOMPARE(control<QLabel>(window, "lblRigidezza")->text(), QString("CENTRI DI RIGIDEZZA"));
        QCOMPARE(control<QScrollBar>(window, "hsbPiano")->maximum(), 4);
        QCOMPARE(testing::unnamedControls(window), QStringList{});

        type(window, "txtPiano", "3");
        QCOMPARE(caption(window, "cmdMassaVisualizza1"), QString("Visualizzare il C.M. n° 3"));
        QCOMPARE(caption(window, "cmdMassaNonVisualizza1"),
                 QString("Non Visualizzare il C.M. n° 3"));

        // The plan is the shared drawing of the storey shown, grid numbers and all.
        Drawing plan;
        drawStoreyPlan(plan, storeyPlan(host->session().model(), 3),
                       host->session().model().planScale);
        const auto& drawn = drawingOf(window, "pctPianta").primitives();
        QCOMPARE(std::vector<Primitive>(drawn.begin(), drawn.begin() + plan.primitives().size()),
                 plan.primitives());

        press(window, "cmdIndietro");
        QCOMPARE(host->closed, std::vector<QString>{"frmCentri"});
    }

    void atLoadOnlyThePlanIsDrawn() {
        handMadeCentres(*host, 3);
        CentresWindow window(*host);
        QVERIFY(massDots(drawingOf(window, "pctPianta")).empty());
        QVERIFY(stiffnessLines(drawingOf(window, "pctPianta")).empty());
    }

    // Storey k's centre (2000·k, 1000·k) mm is drawn at (500 + 1000·k, 9500 − 500·k) twips.
    void showAllThenHideOneCentreOfMass() {
        handMadeCentres(*host, 3);
        CentresWindow window(*host);

        press(window, "cmdMassaVisualizza");
        type(window, "txtPiano", "3");
        press(window, "cmdMassaNonVisualizza1");

        QCOMPARE(massDots(drawingOf(window, "pctPianta")),
                 (std::vector<Circle>{dot(1500, 9000), dot(2500, 8500)}));
        press(window, "cmdMassaNonVisualizza");
        QVERIFY(massDots(drawingOf(window, "pctPianta")).empty());
    }

    // X family at x = 5000 mm: x = 3000 twips from grid line Y2 (y = 7500) to Y1 (9500); Y family
    // at y = 2000 mm: y = 8500 twips from grid line X1 (x = 500) to X3 (5500).
    void centresOfStiffnessAndTheDirection() {
        handMadeCentres(*host, 2);
        CentresWindow window(*host);
        auto* direction = control<QComboBox>(window, "cmbDirezioneRitti");

        press(window, "cmdRigidezzaVisualizza");
        QCOMPARE(stiffnessLines(drawingOf(window, "pctPianta")),
                 std::vector<Line>{greenLine({3000, 7500}, {3000, 9500})});

        direction->setCurrentIndex(1); // every C.P.R. hidden at once
        QVERIFY(stiffnessLines(drawingOf(window, "pctPianta")).empty());
        QCOMPARE(window.shown().stiffnessVisible, std::vector<bool>{false});
        press(window, "cmdRigidezzaVisualizza1");
        QCOMPARE(stiffnessLines(drawingOf(window, "pctPianta")),
                 std::vector<Line>{greenLine({500, 8500}, {5500, 8500})});

        direction->setCurrentIndex(2);
        press(window, "cmdRigidezzaVisualizza");
        QCOMPARE(stiffnessLines(drawingOf(window, "pctPianta")).size(), std::size_t{2});
        QCOMPARE(drawingOf(window, "pctPianta").penWidth(), 1); // pen width 3 for the lines only
    }

    // A family left without ritti keeps centre 0, which is no centre: no line on grid line X1.
    void aFamilyWithoutRittiDrawsNoLine() {
        handMadeCentres(*host, 1);
        RittiResults& x = host->results()[Direction::orthogonalToX];
        x.familyCount = 2;
        x.stiffnessCentre = Array1<double>(1, 2);
        x.stiffnessCentre(1) = 5000;
        x.familySize = Array1<std::int16_t>(1, 2);
        x.familySize(1) = 6;
        CentresWindow window(*host);

        press(window, "cmdRigidezzaVisualizza");
        QCOMPARE(stiffnessLines(drawingOf(window, "pctPianta")),
                 std::vector<Line>{greenLine({3000, 7500}, {3000, 9500})});
    }

    void theCombinedModeOffersTheSmallerCount() {
        host->openAndCalculate(testing::example("palazzina-4-piani.orv"));
        Model& m = host->session().model();
        setFamilyCount(m, host->results(), Direction::orthogonalToX, 3, host->messages());
        setFamilyCount(m, host->results(), Direction::orthogonalToY, 5, host->messages());
        computeStiffnessCentres(m, host->results());
        CentresWindow window(*host);
        auto* families = control<QScrollBar>(window, "hsbFamiglia");

        QCOMPARE(families->maximum(), 3);
        control<QComboBox>(window, "cmbDirezioneRitti")->setCurrentIndex(1);
        QCOMPARE(families->maximum(), 5);
        control<QComboBox>(window, "cmbDirezioneRitti")->setCurrentIndex(2);
        QCOMPARE(families->maximum(), 3);
        QCOMPARE(window.shown().stiffnessVisible.size(), std::size_t{3});
    }

    void typedStoreysAndFamiliesAreCorrected_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("firstLine"); // empty: no message
        QTest::newRow("storey 0") << "txtPiano"
                                  << "0"
                                  << "1"
                                  << "Piano Inesistente"
                                  << "Il numero di piano specificato è inferiore al numero minimo";
        QTest::newRow("storey 9") << "txtPiano"
                                  << "9"
                                  << "3"
                                  << "Piano Inesistente"
                                  << "Il numero di piano specificato è superiore al numero massimo";
        QTest::newRow("family 7")
            << "txtFamiglia"
            << "7"
            << "1"
            << "Famiglia Inesistente"
            << "Il numero di famiglia specificato è superiore al numero massimo";
        QTest::newRow("storey text") << "txtPiano"
                                     << "tre"
                                     << "1"
                                     << ""
                                     << "";
        QTest::newRow("family empty") << "txtFamiglia"
                                      << ""
                                      << "1"
                                      << ""
                                      << "";
    }
    void typedStoreysAndFamiliesAreCorrected() {
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(QString, title);
        QFETCH(QString, firstLine);
        handMadeCentres(*host, 3);
        host->messages().messages.clear();
        CentresWindow window(*host);

        type(window, box.toLatin1().constData(), typed);

        QCOMPARE(control<QLineEdit>(window, box.toLatin1().constData())->text(), shown);
        const auto& messages = host->messages().messages;
        if (title.isEmpty()) {
            QVERIFY(messages.empty());
            return;
        }
        QCOMPARE(messages.size(), std::size_t{1});
        QCOMPARE(QString::fromStdString(messages[0].title), title);
        QCOMPARE(QString::fromStdString(messages[0].lines.at(0)), firstLine);
        QCOMPARE(messages[0].icon, MessageIcon::Critical);
    }

    // New families are followed by new centres; new results by new ranges.
    void theCentresFollowTheFamiliesAndTheResults() {
        host->openAndCalculate(testing::example("palazzina-4-piani.orv"));
        Model& m = host->session().model();
        computeStiffnessCentres(m, host->results());
        CentresWindow window(*host);
        press(window, "cmdRigidezzaVisualizza");

        setFamilyCount(m, host->results(), Direction::orthogonalToX, 3, host->messages());
        QVERIFY(assignFamilies(m, host->results(), Direction::orthogonalToX, 3, host->messages()));
        QCOMPARE(window.follow(ProjectChange::familiesReassigned), Following::stayOpen);
        QCOMPARE(host->results()[Direction::orthogonalToX].stiffnessCentre.size(), std::size_t{3});
        QCOMPARE(control<QScrollBar>(window, "hsbFamiglia")->maximum(), 3);
        QCOMPARE(window.shown().stiffnessVisible, (std::vector<bool>{true, false, false}));

        host->useAndCalculate(testing::fullFrame(3, 2, 2));
        QCOMPARE(window.follow(ProjectChange::resultsRecomputed), Following::stayOpen);
        QCOMPARE(control<QScrollBar>(window, "hsbPiano")->maximum(), 2);
        QCOMPARE(window.shown().massVisible, (std::vector<bool>{false, false}));
        QCOMPARE(window.follow(ProjectChange::modelEdited), Following::close);
    }

    // --- frmMatrice --------------------------------------------------------------------------

    void oneStoreyFillsTheTopLeftCellOfEveryGrid() {
        host->openAndCalculate(testing::example("blocco-1-campata.orv"));
        MatrixWindow window(*host);
        const Array2<double>& k = host->results().globalStiffness;
        const char* grids[] = {"mfgKxx", "mfgKxy", "mfgKxz", "mfgKyx", "mfgKyy",
                               "mfgKyz", "mfgKzx", "mfgKzy", "mfgKzz"};
        for (int b = 0; b < 9; ++b) {
            auto* table = control<QTableView>(window, grids[b]);
            QCOMPARE(table->model()->rowCount(), 1);
            QCOMPARE(table->model()->columnCount(), 1);
            const double term = k(b / 3 + 1, b % 3 + 1) * 100;
            QCOMPARE(cell(window, grids[b], 0, 0), QString::fromStdString(formatNumber(term, 0)));
        }
        QCOMPARE(cell(window, "mfgKxx", 0, 0), QString("166")); // 1.66 mm per unit E
        QCOMPARE(control<QLabel>(window, "lblCoefficiente")->text(), QString("( Ecls / 100 )  x"));
        QCOMPARE(control<QLabel>(window, "lblKzy")->text(), QString("Kzy"));
        QCOMPARE(testing::unnamedControls(window), QStringList{});
    }

    void termsAreShownTimesAHundredWithoutDecimals() {
        handMadeMatrix(*host, 12345.678, 1);
        Array2<double>& k = host->results().globalStiffness;
        k(1, 3) = 0.004;
        k(3, 1) = -12.5;
        MatrixWindow window(*host);

        QCOMPARE(cell(window, "mfgKxx", 0, 0), QString("1.234.568"));
        QCOMPARE(cell(window, "mfgKxz", 0, 0), QString("0"));
        QCOMPARE(cell(window, "mfgKzx", 0, 0), QString("-1.250"));

        k(1, 1) = 2;
        QCOMPARE(window.follow(ProjectChange::resultsRecomputed), Following::stayOpen);
        QCOMPARE(cell(window, "mfgKxx", 0, 0), QString("200"));
        QCOMPARE(window.follow(ProjectChange::modelEdited), Following::close);
    }

    // 99 storeys: nine grids of 99 × 99, term (i, j) of the global matrix at 1000·i + j.
    void ninetyNineStoreysFillNineGridsOfTheirSize() {
        host->session().model() = *Model::allocate({2, 2, 99, 0});
        Array2<double>& k = host->results().globalStiffness;
        k = Array2<double>(1, 297, 1, 297);
        for (int i = 1; i <= 297; ++i) {
            for (int j = 1; j <= 297; ++j)
                k(i, j) = (1000.0 * i + j) / 100;
        }
        MatrixWindow window(*host);

        QCOMPARE(control<QTableView>(window, "mfgKzz")->model()->rowCount(), 99);
        QCOMPARE(cell(window, "mfgKyz", 0, 0), QString("100.199")); // row 100, column 199
        QCOMPARE(cell(window, "mfgKzx", 98, 97), QString("297.098"));
    }

    // --- frmElevazione -----------------------------------------------------------------------

    // One storey: Kxx = 4, Kyy = 2, F = 1 give u = 0.25 and v = 0.5; the larger is drawn 2000
    // twips from the axis, the other in proportion; the floor (3000 mm) at y = 9500 − 3·3000.
    void oneStoreyDeformedShape() {
        handMadeMatrix(*host, 4, 2);
        ElevationWindow window(*host);

        const Drawing& x = drawingOf(window, "pctElevazioneX");
        const std::vector<Circle> floor{{{4000, 500}, 100, colours::white, 1, std::nullopt}};
        QCOMPARE(x.all<Circle>(), floor);
        QVERIFY(drawn(x, {{3000, 9500}, {4000, 500}, colours::cyan, 1}));
        QVERIFY(drawn(x, {{2000, 9500}, {4000, 9500}, colours::cyan, 3}));
        QCOMPARE(drawingOf(window, "pctElevazioneY").all<Circle>().at(0).centre,
                 (TwipsPoint{5000, 500}));

        QVERIFY(control<QLabel>(window, "lblSpostamentoX")->text().contains("2,50E-01 × F / Ecls"));
        QVERIFY(control<QLabel>(window, "lblSpostamentoY")->text().contains("5,00E-01 × F / Ecls"));
        QCOMPARE(testing::unnamedControls(window), QStringList{});
    }

    void theAxisSymbolOfEachPicture() {
        handMadeMatrix(*host, 4, 2);
        ElevationWindow window(*host);
        for (const auto& [picture, letter] :
             {std::pair{"pctElevazioneX", "X"}, std::pair{"pctElevazioneY", "Y"}}) {
            const Drawing& d = drawingOf(window, picture);
            const std::vector<Line> lines = d.all<Line>();
            const std::vector<Line> axes(lines.begin(), lines.begin() + 6);
            const std::vector<Line> expected{{{250, 9500}, {1500, 9500}, colours::red, 1},
                                             {{500, 9750}, {500, 8500}, colours::red, 1},
                                             {{1500, 9500}, {1400, 9550}, colours::red, 1},
                                             {{1500, 9500}, {1400, 9450}, colours::red, 1},
                                             {{500, 8500}, {450, 8600}, colours::red, 1},
                                             {{500, 8500}, {550, 8600}, colours::red, 1}};
            QCOMPARE(axes, expected);
            const std::vector<Text> texts = d.all<Text>();
            QCOMPARE(texts.at(0).text, std::string(letter));
            QCOMPARE(texts.at(0).topLeft, (TwipsPoint{1400, 9600}));
            QCOMPARE(texts.at(1).text, std::string("Z"));
            QCOMPARE(texts.at(1).topLeft, (TwipsPoint{275, 8500}));
        }
    }

    // drawMax(2) of 0 takes the height above the base (3000 mm from −500): elevScale 3, the base
    // line at 9500 + 3·500.
    void aHeightOfZeroTakesTheBuildingsOwn() {
        handMadeMatrix(*host, 4, 4);
        Model& m = host->session().model();
        m.drawMax(2) = 0;
        m.levelZ(1) = -500;
        m.levelZ(2) = 2500;
        ElevationWindow window(*host);

        const Drawing& x = drawingOf(window, "pctElevazioneX");
        QVERIFY(drawn(x, {{2000, 11000}, {4000, 11000}, colours::cyan, 3}));
        QCOMPARE(x.all<Circle>().at(0).centre, (TwipsPoint{5000, 2000}));
        QVERIFY(x.extent().height >= 11000);
        QCOMPARE(drawingOf(window, "pctElevazioneY").extent(), x.extent());
    }

    void aSingularBlockLeavesTheUndeformedAxis() {
        handMadeMatrix(*host, 0, 2);
        ElevationWindow window(*host);

        QCOMPARE(host->messages().messages.size(), std::size_t{1});
        QCOMPARE(host->messages().messages[0].title,
                 std::string("Errore di Inversione della Matrice"));
        QCOMPARE(drawingOf(window, "pctElevazioneX").all<Circle>().at(0).centre,
                 (TwipsPoint{3000, 500}));
        QVERIFY(control<QLabel>(window, "lblSpostamentoX")->text().contains("non disponibile"));
    }

    void newResultsRedrawTheShape() {
        handMadeMatrix(*host, 4, 2);
        ElevationWindow window(*host);
        host->results().globalStiffness(1, 1) = 1; // u = 1 is now the larger

        QCOMPARE(window.follow(ProjectChange::resultsRecomputed), Following::stayOpen);
        QCOMPARE(drawingOf(window, "pctElevazioneX").all<Circle>().at(0).centre,
                 (TwipsPoint{5000, 500}));
        QCOMPARE(drawingOf(window, "pctElevazioneY").all<Circle>().at(0).centre,
                 (TwipsPoint{4000, 500}));
        // Editing the sections leaves the picture as it was drawn.
        QCOMPARE(window.follow(ProjectChange::modelEdited), Following::stayOpen);
    }
};

} // namespace orvanta

QTEST_MAIN(orvanta::ResultViewsTest)
#include "result_views_test.moc"
