// The torsional regularity window: the storey checks with their failing cells marked, the
// verdict, the modes and the concrete class, the plan with the centres of rigidity, and what it
// shows when nothing can be computed.

#include "accessibility_check.h"
#include "concrete.h"
#include "drawing_geometry.h"
#include "picture_box.h"
#include "plan_view.h"
#include "regularity_drawing.h"
#include "regularity_tables.h"
#include "regularity_window.h"
#include "sample_models.h"
#include "storey_plan.h"
#include "view_controls.h"
#include "view_host.h"

#include <QComboBox>
#include <QLabel>
#include <QTableView>
#include <QtTest>
#include <cmath>
#include <memory>

namespace orvanta {

using testing::control;
using testing::ViewHost;

namespace {

QAbstractItemModel& table(QWidget& window, const char* name) {
    return *control<QTableView>(window, name)->model();
}

QString text(QAbstractItemModel& model, int row, int column) {
    return model.index(row, column).data().toString();
}

// One storey on four 300 × 500 columns at the corners of a 5000 × 4000 mm bay, without beams,
// its mass centred and its radius of gyration 1000 mm: no eccentricity, torsional radii above
// 2000 mm, so the storey passes every check. No slab was loaded and the members weigh nothing
// (γ = 0), so the storey has no mass.
Model fourColumns() {
    Model m = *Model::allocate({2, 2, 1, 0});
    m.settings.setNumber(settingKey::unitWeight, 0);
    testing::setGrid(m, {0, 5000}, {0, 4000}, {0, 3000});
    for (int node = 1; node <= 4; ++node)
        testing::setRectangle(m, 1, node, 300, 500);
    m.massCentre(1, 1) = 2500;
    m.massCentre(1, 2) = 2000;
    m.gyrationRadius(1) = 1000;
    m.storeyForce(1) = 1;
    m.planScale = 0.5f;
    return m;
}

} // namespace

class RegularityWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<ViewHost> host;

private slots:
    void init() {
        testing::useItalianNumbers();
        host = std::make_unique<ViewHost>();
    }

    void theChecksOfEveryStoreyOnAnExample() {
        host->openAndCalculate(testing::example("palazzina-4-piani.orv"));
        RegularityWindow window(*host);
        const SeismicResults& s = window.seismic();
        QAbstractItemModel& storeys = table(window, "mfgPiani");
        auto& checks = dynamic_cast<StoreyChecksModel&>(storeys);

        QCOMPARE(s.status, SeismicStatus::Complete);
        QCOMPARE(storeys.rowCount(), 4);
        QCOMPARE(storeys.columnCount(), int(StoreyChecksModel::columns));
        for (int k = 1; k <= 4; ++k) {
            const StoreyRegularity& row = s.storeys(k);
            const int r = k - 1;
            QCOMPARE(text(storeys, r, StoreyChecksModel::storey), QString::number(k));
            QCOMPARE(text(storeys, r, StoreyChecksModel::radiusXCheck),
                     row.radiusXPasses ? QString("✓") : QString("✗"));
            QCOMPARE(text(storeys, r, StoreyChecksModel::eccentricityYCheck),
                     row.eccentricityYPasses ? QString("✓") : QString("✗"));
            QCOMPARE(checks.failing(r, StoreyChecksModel::radiusY), !row.radiusYPasses);
            QCOMPARE(checks.failing(r, StoreyChecksModel::eccentricityXCheck),
                     !row.eccentricityXPasses);
            QCOMPARE(storeys.index(r, StoreyChecksModel::radiusXCheck)
                         .data(Qt::BackgroundRole)
                         .isValid(),
                     !row.radiusXPasses);
            QVERIFY(!checks.failing(r, StoreyChecksModel::massCentreX));
        }
        // The centres of rigidity of this building lie south of its centres of mass: its torsional
        // radii fall short of ls, the first mode is a twist.
        QCOMPARE(control<QLabel>(window, "lblVerdetto")->text(), RegularityWindow::verdict(s));
        QVERIFY(RegularityWindow::verdict(s).startsWith("L'edificio non è regolare in pianta"));
        QVERIFY(RegularityWindow::verdict(s).contains("torsionalmente deformabile"));

        QAbstractItemModel& modes = table(window, "mfgModi");
        QCOMPARE(modes.rowCount(), 12);
        for (int m = 1; m <= 12; ++m)
            QCOMPARE(text(modes, m - 1, ModesModel::kind) == "torsionale",
                     s.modes(m).rotationalShare > 0.5);
        QCOMPARE(text(modes, 0, ModesModel::period),
                 QString::fromStdString(formatNumber(s.modes(1).period, 3)));
        QVERIFY(host->messages().messages.empty());
        QCOMPARE(testing::unnamedControls(window), QStringList{});
    }

    // Ecm = 22000·((0,83·Rck + 8)/10)^0,3: from C25/30 (31 447) to C40/50 (35.547) every period
    // shrinks by √(31 447/35.547).
    void theConcreteClassSetsThePeriods() {
        host->openAndCalculate(testing::example("palazzina-4-piani.orv"));
        RegularityWindow window(*host);
        auto* concrete = control<QComboBox>(window, "cmbCalcestruzzo");
        QCOMPARE(concrete->count(), 6);
        QCOMPARE(concrete->itemText(0), QString("C25/30"));
        QCOMPARE(concrete->itemText(5), QString("C45/55"));
        QCOMPARE(concrete->currentText(), QString("C25/30"));
        QCOMPARE(control<QLabel>(window, "lblModulo")->text(),
                 QString("Ecm = 31.447 N/mm² × fattore di fessurazione 1,00 = 31.447 N/mm²"));
        const double period30 = window.seismic().modes(1).period;

        concrete->setCurrentIndex(4);

        QCOMPARE(window.seismic().concreteClass, 50.0);
        const double ratio = std::sqrt(secantModulus(30) / secantModulus(50));
        QVERIFY(std::fabs(window.seismic().modes(1).period - period30 * ratio) < 1e-9 * period30);
        QCOMPARE(control<QLabel>(window, "lblModulo")->text(),
                 QString("Ecm = 35.547 N/mm² × fattore di fessurazione 1,00 = 35.547 N/mm²"));
    }

    // W, the mass in tonnes, G* and ls of every floor, as the seismic masses give them.
    void theSeismicWeightOfEveryFloor() {
        host->openAndCalculate(testing::example("blocco-1-campata.orv"));
        RegularityWindow window(*host);
        const SeismicResults& s = window.seismic();
        QAbstractItemModel& masses = table(window, "mfgMasse");
        QCOMPARE(masses.rowCount(), int(s.floorMasses.size()));
        const StoreySeismicMass& first = s.floorMasses.front();
        QCOMPARE(text(masses, 0, FloorMassesModel::weight),
                 QString::fromStdString(formatNumber(first.weight / 1000, 1)));
        QCOMPARE(text(masses, 0, FloorMassesModel::mass),
                 QString::fromStdString(formatNumber(first.weight / 9810, 2)));
        QCOMPARE(text(masses, 0, FloorMassesModel::gyrationRadius),
                 QString::fromStdString(formatNumber(first.gyrationRadius, 0)));
        QCOMPARE(text(masses, 0, FloorMassesModel::centreX),
                 QString::fromStdString(formatNumber(first.centreX, 0)));
    }

    // Four equal corner columns: regular, the centre of rigidity on the centre of mass; without
    // loads the storey has no mass, and the window says why there are no modes.
    void aRegularStoreyWithoutMass() {
        host->useAndCalculate(fourColumns());
        host->messages().messages.clear();
        RegularityWindow window(*host);
        const SeismicResults& s = window.seismic();

        QCOMPARE(s.status, SeismicStatus::WithoutModes);
        QVERIFY(s.regularInPlan);
        QVERIFY(RegularityWindow::verdict(s).startsWith("L'edificio è regolare in pianta"));
        QCOMPARE(text(table(window, "mfgPiani"), 0, StoreyChecksModel::rigidityCentreX),
                 QString("2.500"));
        QCOMPARE(table(window, "mfgModi").rowCount(), 0);
        QCOMPARE(control<QLabel>(window, "lblModi")->text(),
                 QString("Nessun piano ha massa: non vi sono solai, carichi sulle travi né peso "
                         "proprio degli elementi.\nI modi di vibrare non sono calcolati."));
        QCOMPARE(host->messages().messages.size(), std::size_t{1}); // said once, at opening

        control<QComboBox>(window, "cmbCalcestruzzo")->setCurrentIndex(0);
        QCOMPARE(host->messages().messages.size(), std::size_t{1});
    }

    // The centre of rigidity (2500, 2000) mm at planScale 0.5: (1750, 8500) twips, with the
    // centre of mass under it.
    void thePlanShowsEachStoreysCentres() {
        host->useAndCalculate(fourColumns());
        RegularityWindow window(*host);
        const Drawing& d = control<PictureBox>(window, "pctPianta")->drawing();

        std::vector<Circle> rigidity;
        std::vector<Circle> mass;
        for (const Circle& c : d.all<Circle>()) {
            if (c.colour == rigidityColour)
                rigidity.push_back(c);
            if (c.fill == colours::red)
                mass.push_back(c);
        }
        QCOMPARE(rigidity.size(), std::size_t{1});
        QCOMPARE(rigidity[0].centre, (TwipsPoint{1750, 8500}));
        QCOMPARE(rigidity[0].radius, rigidityCircleRadius);
        QCOMPARE(mass.size(), std::size_t{1});
        QCOMPARE(mass[0].centre, (TwipsPoint{1750, 8500}));
    }

    void selectingAStoreyDrawsItsPlan() {
        host->openAndCalculate(testing::example("palazzina-4-piani.orv"));
        RegularityWindow window(*host);
        auto* storeys = control<QTableView>(window, "mfgPiani");

        storeys->setCurrentIndex(storeys->model()->index(3, 0));

        Drawing plan;
        const Model& m = host->session().model();
        drawStoreyPlan(plan, storeyPlan(m, 4), m.planScale);
        const auto& drawn = control<PictureBox>(window, "pctPianta")->drawing().primitives();
        QCOMPARE(std::vector<Primitive>(drawn.begin(), drawn.begin() + plan.primitives().size()),
                 plan.primitives());
    }

    void nothingComputedIsSaidAndShown() {
        host->useAndCalculate(fourColumns());
        host->messages().messages.clear();
        host->results().globalStiffness = Array2<double>(1, 3, 1, 3); // all zero: a mechanism
        RegularityWindow window(*host);

        QCOMPARE(window.seismic().status, SeismicStatus::NotComputed);
        QCOMPARE(table(window, "mfgPiani").rowCount(), 0);
        QCOMPARE(table(window, "mfgModi").rowCount(), 0);
        QVERIFY(control<QLabel>(window, "lblVerdetto")->text().contains("non è definita positiva"));
        QCOMPARE(host->messages().messages.size(), std::size_t{1});
        QCOMPARE(host->messages().messages[0].title, std::string("Regolarità Torsionale"));
    }

    void newResultsAreFollowed() {
        host->useAndCalculate(fourColumns());
        RegularityWindow window(*host);
        host->session().model().massCentre(1, 1) = 1000;
        host->calculate();

        QCOMPARE(window.follow(ProjectChange::resultsRecomputed), Following::stayOpen);
        QCOMPARE(text(table(window, "mfgPiani"), 0, StoreyChecksModel::eccentricityX),
                 QString("1.500"));
        QCOMPARE(window.follow(ProjectChange::familiesReassigned), Following::stayOpen);
        QCOMPARE(window.follow(ProjectChange::modelEdited), Following::close);
    }
};

} // namespace orvanta

QTEST_MAIN(orvanta::RegularityWindowTest)
#include "regularity_window_test.moc"
