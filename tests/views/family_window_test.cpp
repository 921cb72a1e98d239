// The family windows on the bundled examples and small hand-built buildings: the two ritto
// views, the family count and its lowering rule, the automatic assignment, the manual change
// of a family, and how the window follows the project.

#include "accessibility_check.h"
#include "families.h"
#include "family_window.h"
#include "image_box.h"
#include "sample_models.h"
#include "view_controls.h"
#include "view_host.h"

#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTableView>
#include <QtTest>
#include <algorithm>
#include <cmath>
#include <memory>

namespace orvanta {

using testing::cell;
using testing::control;
using testing::items;
using testing::press;
using testing::type;
using testing::ViewHost;

namespace {

const Direction orthogonalToX = Direction::orthogonalToX; // frmFamiglieX

std::vector<std::int16_t> families(ViewHost& host, Direction d) {
    const auto values = host.results()[d].family.values();
    return {values.begin(), values.end()};
}

// A one-storey building of 3 × 3 grid lines whose columns stand only on the given nodes.
Model columnsOnly(std::initializer_list<int> nodes, std::int16_t nX = 3, std::int16_t nY = 3) {
    Model m = *Model::allocate({nX, nY, 1, 0});
    for (int i = 1; i <= nX; ++i)
        m.coordX(i) = 5000.0 * (i - 1);
    for (int i = 1; i <= nY; ++i)
        m.coordY(i) = 4000.0 * (i - 1);
    m.levelZ(2) = 3000;
    for (const int node : nodes)
        testing::setRectangle(m, 1, node, 300, 500);
    m.massCentre(1, 1) = 5000;
    m.massCentre(1, 2) = 4000;
    m.gyrationRadius(1) = 3000;
    m.storeyForce(1) = 1;
    return m;
}

} // namespace

class FamilyWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<ViewHost> host;

    std::unique_ptr<FamilyWindow> openOnExample(Direction d = orthogonalToX) {
        host->openAndCalculate(testing::example("palazzina-4-piani.orv"));
        return std::make_unique<FamilyWindow>(*host, d);
    }

    // Three families assigned in the X window; returns the families after the assignment.
    std::vector<std::int16_t> threeFamilies(FamilyWindow& window) {
        type(window, "txtFamiglie", "3");
        press(window, "cmdAssegna");
        return families(*host, orthogonalToX);
    }

private slots:
    void init() {
        testing::useItalianNumbers();
        host = std::make_unique<ViewHost>();
    }

    void bothWindowsCarryTheirNamesAndCaptions_data() {
        QTest::addColumn<bool>("windowX");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("assign");
        QTest::newRow("X") << true << "frmFamiglieX"
                           << " ASSEGNAZIONE  FAMIGLIE AUTOMATICA";
        QTest::newRow("Y") << false << "frmFamiglieY"
                           << "ASSEGNAZIONE  FAMIGLIE AUTOMATICA";
    }
    void bothWindowsCarryTheirNamesAndCaptions() {
        QFETCH(bool, windowX);
        QFETCH(QString, name);
        QFETCH(QString, assign);
        const auto window = openOnExample(windowX ? Direction::orthogonalToX : Direction::orthogonalToY);

        QCOMPARE(window->objectName(), name);
        QCOMPARE(control<QPushButton>(*window, "cmdAssegna")->text(), assign);
        QCOMPARE(control<QPushButton>(*window, "cmdRicompatta")->text(),
                 QString("Ricompatta Famiglie"));
        QCOMPARE(control<QPushButton>(*window, "cmdIndietro")->text(), QString("INDIETRO"));
        QCOMPARE(control<QLabel>(*window, "lblRitto2")->text(), QString("RITTO N°"));
        QCOMPARE(control<QLabel>(*window, "lblFamiglie")->text(), QString("N° FAMIGLIE"));
        QCOMPARE(control<QLabel>(*window, "lblFamiglia1")->text(),
                 QString("Numero di Famiglia  del Ritto Corrente"));
        QCOMPARE(control<QPushButton>(*window, "cmdModifica1")->text().simplified(),
                 QString("Modifica Famiglia di Appartenenza"));
        QCOMPARE(testing::unnamedControls(*window), QStringList{});
    }

    // After "Calcola Matrici": both views on the lowest ritto, term (1, 1) = 1000 with the
    // locale's separator, the scale factor in scientific notation, only family 1 offered.
    void opensOnTheLowestRittoAfterCalcola() {
        const auto window = openOnExample();

        for (const char* box : {"txtRitto1", "txtRitto2"})
            QCOMPARE(control<QLineEdit>(*window, box)->text(), QString("1"));
        QCOMPARE(cell(*window, "mfgRitto1", 0, 0), QString("1.000"));
        QCOMPARE(cell(*window, "mfgRitto2", 0, 0), QString("1.000"));
        QCOMPARE(items(*window, "cmbFamiglia1"), QStringList{"1"});
        QCOMPARE(items(*window, "cmbFamiglia2"), QStringList{"1"});
        QCOMPARE(control<QLineEdit>(*window, "txtFamiglie")->text(), QString("1"));
        QCOMPARE(control<QScrollBar>(*window, "hsbFamiglie")->maximum(), 21); // 5 × 4 + 1 slots

        const QString factor = control<QLabel>(*window, "lblCoefficiente1")->text();
        const QRegularExpressionMatch parts =
            QRegularExpression("^(\\d),(\\d)E([+-]\\d\\d)  E  x$").match(factor);
        QVERIFY2(parts.hasMatch(), qPrintable(factor));
        const double shown = (parts.captured(1).toDouble() + parts.captured(2).toDouble() / 10) *
                             std::pow(10.0, parts.captured(3).toDouble());
        const double expected = host->results()[orthogonalToX].ritMatrix(1, 1, 1) / 1000;
        QVERIFY(std::fabs(shown - expected) <= 0.05 * expected);
    }

    void numbersFollowTheUsersLocale() {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        const auto window = openOnExample();
        QCOMPARE(cell(*window, "mfgRitto1", 0, 0), QString("1,000"));
        QVERIFY(control<QLabel>(*window, "lblCoefficiente1")->text().contains('.'));
    }

    // The canopy column on the extra node spans one storey of four: its own 1 × 1 matrix in a
    // grid of 4 × 4.
    void aLowRittoFillsOnlyItsOwnStoreys() {
        const auto window = openOnExample();
        type(*window, "txtRitto1", "21");

        QCOMPARE(host->results().ritStoreys(21), std::int16_t{1});
        QCOMPARE(control<QTableView>(*window, "mfgRitto1")->model()->rowCount(), 4);
        QCOMPARE(cell(*window, "mfgRitto1", 0, 0), QString("1.000"));
        QCOMPARE(cell(*window, "mfgRitto1", 1, 1), QString());
        QCOMPARE(cell(*window, "mfgRitto2", 1, 1).isEmpty(), false); // the other view stays
    }

    void theOnlyRittoBoundsBothSelectors() {
        host->useAndCalculate(columnsOnly({7}));
        FamilyWindow window(*host, orthogonalToX);

        for (const char* bar : {"hsbRitto1", "hsbRitto2"}) {
            QCOMPARE(control<QScrollBar>(window, bar)->minimum(), 7);
            QCOMPARE(control<QScrollBar>(window, bar)->maximum(), 7);
        }
        QCOMPARE(control<QLineEdit>(window, "txtRitto2")->text(), QString("7"));
        QCOMPARE(cell(window, "mfgRitto2", 0, 0), QString("1.000"));
    }

    // Ritti on nodes 2 and 5 only: the bar skips the empty slots and stays at either end; a
    // number beyond the last ritto is corrected with the ritto's message.
    void selectorsSkipEmptySlotsAndReturnAtTheEnds() {
        host->useAndCalculate(columnsOnly({2, 5}));
        FamilyWindow window(*host, orthogonalToX);
        auto* bar = control<QScrollBar>(window, "hsbRitto1");
        const auto step = [&](QAbstractSlider::SliderAction action) {
            bar->triggerAction(action);
            return control<QLineEdit>(window, "txtRitto1")->text().toInt();
        };

        QCOMPARE(step(QAbstractSlider::SliderSingleStepAdd), 5);
        QCOMPARE(step(QAbstractSlider::SliderSingleStepAdd), 5);
        QCOMPARE(step(QAbstractSlider::SliderSingleStepSub), 2);
        QCOMPARE(step(QAbstractSlider::SliderSingleStepSub), 2);
        type(window, "txtRitto1", "3");
        QCOMPARE(control<QLineEdit>(window, "txtRitto1")->text(), QString("5"));
        QVERIFY(host->messages().messages.empty());

        type(window, "txtRitto1", "8");
        QCOMPARE(host->messages().messages.size(), std::size_t{1});
        QCOMPARE(host->messages().messages[0].title, std::string("Nodo Inesistente"));
        QCOMPARE(host->messages().messages[0].lines[1],
                 std::string("Sarà adottato il ritto con il valore massimo di etichetta"));
        type(window, "txtRitto1", "ab");
        QCOMPARE(control<QLineEdit>(window, "txtRitto1")->text(), QString("5"));
        QCOMPARE(host->messages().messages.size(), std::size_t{1});
    }

    void theAssignmentUsesTheCountAndTellsTheOtherWindows() {
        const auto window = openOnExample();
        const std::vector<std::int16_t> assigned = threeFamilies(*window);

        QCOMPARE(host->results()[orthogonalToX].familyCount, std::int16_t{3});
        QCOMPARE(*std::max_element(assigned.begin(), assigned.end()), std::int16_t{3});
        QCOMPARE(items(*window, "cmbFamiglia1"), (QStringList{"1", "2", "3"}));
        QCOMPARE(control<QComboBox>(*window, "cmbFamiglia1")->currentText(),
                 QString::number(assigned[0]));
        QVERIFY(!host->changes.empty());
        QVERIFY(host->changes.back().familiesX);
        QVERIFY(!host->changes.back().familiesY);
        QVERIFY(!host->changes.back().structural());
        QVERIFY(host->messages().messages.empty());
    }

    // Lowering the count with the bar moves the ritti of the removed family into the new last
    // one and changes nothing else; raising it by typing never passes through a lower count.
    void theCountFollowsTheLoweringRule() {
        const auto window = openOnExample();
        const std::vector<std::int16_t> assigned = threeFamilies(*window);

        type(*window, "txtFamiglie", "12");
        QCOMPARE(host->results()[orthogonalToX].familyCount, std::int16_t{12});
        QCOMPARE(families(*host, orthogonalToX), assigned);

        type(*window, "txtFamiglie", "3");
        control<QScrollBar>(*window, "hsbFamiglie")
            ->triggerAction(QAbstractSlider::SliderSingleStepSub);
        std::vector<std::int16_t> lowered = assigned;
        std::replace(lowered.begin(), lowered.end(), std::int16_t{3}, std::int16_t{2});
        QCOMPARE(families(*host, orthogonalToX), lowered);
        QCOMPARE(control<QLineEdit>(*window, "txtFamiglie")->text(), QString("2"));
        QCOMPARE(items(*window, "cmbFamiglia2"), (QStringList{"1", "2"}));
        QVERIFY(host->messages().messages.empty());
    }

    void typedCountsOutsideTheRangeAreCorrectedAndTextIsIgnored() {
        const auto window = openOnExample();
        type(*window, "txtFamiglie", "abc");
        QCOMPARE(control<QLineEdit>(*window, "txtFamiglie")->text(), QString("1"));
        QVERIFY(host->messages().messages.empty());

        type(*window, "txtFamiglie", "500");
        QCOMPARE(host->results()[orthogonalToX].familyCount, std::int16_t{21});
        QCOMPARE(host->messages().messages.size(), std::size_t{1});
        const Message& m = host->messages().messages[0];
        QCOMPARE(m.title, std::string("Nodo Inesistente"));
        QCOMPARE(m.icon, MessageIcon::Critical);
        QCOMPARE(m.lines, (std::vector<std::string>{
                              "Il numero di famiglie specificato è superiore al numero di ritti",
                              "Sarà adottato un numero di famiglie pari al numero di ritti"}));
    }

    // Both views on the same ritto: changing its family in one shows in the other.
    void aFamilyIsChangedByHand() {
        const auto window = openOnExample();
        const std::vector<std::int16_t> assigned = threeFamilies(*window);
        control<QComboBox>(*window, "cmbFamiglia1")->setCurrentIndex(1);
        host->changes.clear();

        press(*window, "cmdModifica1");

        QCOMPARE(host->results()[orthogonalToX].family(1), std::int16_t{2});
        QCOMPARE(control<QComboBox>(*window, "cmbFamiglia2")->currentText(), QString("2"));
        QCOMPARE(host->changes.size(), std::size_t{1});
        QCOMPARE(host->results()[Direction::orthogonalToY].family(1), std::int16_t{1}); // Y untouched

        // One step takes the move back, and the window shows the family of before.
        host->document().undo();
        window->follow(ProjectChange::familiesReassigned);
        QCOMPARE(host->results()[orthogonalToX].family(1), assigned[0]);
        QCOMPARE(control<QComboBox>(*window, "cmbFamiglia2")->currentText(),
                 QString::number(assigned[0]));
        QCOMPARE(host->document().undoCaption(), std::string("Assegnazione Famiglie"));
    }

    void recompactingPutsEveryRittoBackIntoFamilyOne() {
        const auto window = openOnExample();
        threeFamilies(*window);

        press(*window, "cmdRicompatta");

        QCOMPARE(control<QLineEdit>(*window, "txtFamiglie")->text(), QString("1"));
        const std::vector<std::int16_t> all = families(*host, orthogonalToX);
        QVERIFY(std::all_of(all.begin(), all.end(), [](std::int16_t f) { return f == 1; }));
        QCOMPARE(items(*window, "cmbFamiglia1"), QStringList{"1"});
    }

    // "Calcola Matrici" again resets the families; a smaller building changes every range.
    void newResultsRefillTheWindow() {
        const auto window = openOnExample();
        threeFamilies(*window);
        type(*window, "txtRitto1", "17");

        host->calculate();
        QCOMPARE(window->follow(ProjectChange::resultsRecomputed), Following::stayOpen);
        QCOMPARE(control<QLineEdit>(*window, "txtFamiglie")->text(), QString("1"));
        QCOMPARE(items(*window, "cmbFamiglia1"), QStringList{"1"});
        QCOMPARE(control<QLineEdit>(*window, "txtRitto1")->text(), QString("17"));

        host->useAndCalculate(testing::fullFrame(3, 2, 2));
        window->follow(ProjectChange::resultsRecomputed);
        QCOMPARE(control<QScrollBar>(*window, "hsbRitto1")->maximum(), 6);
        QCOMPARE(control<QLineEdit>(*window, "txtRitto1")->text(), QString("1"));
        QCOMPARE(control<QTableView>(*window, "mfgRitto1")->model()->rowCount(), 2);
        QCOMPARE(control<QScrollBar>(*window, "hsbFamiglie")->maximum(), 6);

        QCOMPARE(window->follow(ProjectChange::modelEdited), Following::close);
    }

    void anotherWindowsFamiliesAreFollowed() {
        const auto window = openOnExample();
        setFamilyCount(host->session().model(), host->results(), orthogonalToX, 4,
                       host->messages());
        window->follow(ProjectChange::familiesReassigned);
        QCOMPARE(control<QLineEdit>(*window, "txtFamiglie")->text(), QString("4"));
        QCOMPARE(items(*window, "cmbFamiglia2").size(), 4);
        QVERIFY(host->changes.empty()); // following tells nobody
    }

    void thePlanBitmapIsShownAndNotNeeded() {
        const auto folder = testing::outputFolder("family-window-plan");
        const auto project = folder / "casa.orv";
        std::filesystem::copy_file(testing::example("palazzina-4-piani.orv"), project);

        host->openAndCalculate(project);
        const QImage drawn =
            FamilyWindow(*host, orthogonalToX).findChild<ImageBox*>("imgPianta")->image();
        QVERIFY(!drawn.isNull()); // no bitmap: the first storey's plan is drawn

        QImage bitmap(40, 30, QImage::Format_RGB32);
        bitmap.fill(Qt::blue);
        QVERIFY(bitmap.save(QString::fromStdString((folder / "casa.bmp").string()), "BMP"));
        FamilyWindow window(*host, orthogonalToX);
        QCOMPARE(window.findChild<ImageBox*>("imgPianta")->image().size(), QSize(40, 30));
    }

    void indietroClosesTheWindow() {
        const auto window = openOnExample(Direction::orthogonalToY);
        press(*window, "cmdIndietro");
        QCOMPARE(host->closed, std::vector<QString>{"frmFamiglieY"});
    }
};

} // namespace orvanta

QTEST_MAIN(orvanta::FamilyWindowTest)
#include "family_window_test.moc"
