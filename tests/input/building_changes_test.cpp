// Changing a building already entered: "Modifica Griglia", "Modifica Geometria" and "Modifica
// Carichi" on a bundled example, driven by the controls' objectNames.

#include "accessibility_check.h"
#include "editor_bench.h"
#include "model_check.h"
#include "number_selector.h"
#include "numbering.h"

#include <QListWidget>
#include <QMenu>
#include <QtTest>
#include <numeric>

namespace orvanta {

using testing::EditorBench;

namespace {

double totalColumnLoad(const Model& m) {
    double total = 0;
    for (int n = 1; n <= m.counts.nX * m.counts.nY; ++n)
        total += m.beamLoads(1, n);
    return total;
}

} // namespace

class BuildingChangesTest : public QObject {
    Q_OBJECT

    std::unique_ptr<EditorBench> bench;

    // Opens the 5 × 4 × 4 example (lines along X at 0, 4000, 8500, 13000, 17000; one extra
    // node) and the window of a menu item.
    void openExample(const char* item) {
        bench = std::make_unique<EditorBench>(QTest::currentTestFunction());
        QVERIFY(bench->window->openProjectFile(
            QString::fromStdString(testing::example("palazzina-4-piani.orv").string())));
        QAction* action = bench->control<QAction>(item);
        QVERIFY(action->isEnabled());
        action->trigger();
    }
    QListWidget* lines() const { return bench->control<QListWidget>("lstLinee"); }
    bool visible(const char* name) const {
        return bench->control<QWidget>(name)->isVisibleTo(bench->window.get());
    }

private slots:
    void theItemsWaitForACompleteBuilding() {
        bench = std::make_unique<EditorBench>("items");
        bench->asker.answer({Answer::Ok});
        QVERIFY(!bench->control<QMenu>("mnuAnalisi")->menuAction()->isEnabled());
        QVERIFY(bench->window->openProjectFile(
            QString::fromStdString(testing::example("blocco-1-campata.orv").string())));
        for (const char* item :
             {"mnuModificaGriglia", "mnuModificaGeometria", "mnuModificaCarichi", "mnuModifica"})
            QVERIFY2(bench->control<QAction>(item)->isEnabled(), item);
    }

    // A line after line 2 at 2000 mm, moved to 6500, then deleted again; the loads are
    // distributed when the window closes.
    void aLineIsInsertedMovedAndDeleted() {
        openExample("mnuModificaGriglia");
        QCOMPARE(bench->openWindows(), QStringList{childWindow::gridChanges});
        const double loadBefore = totalColumnLoad(bench->model());
        lines()->setCurrentRow(1);
        bench->fill("txtInterasse", "2000");
        bench->click("cmdInserisciDopo");
        QCOMPARE(bench->model().counts.nX, 6);
        QCOMPARE(bench->model().coordX(3), 6000.0);
        QCOMPARE(lines()->currentRow(), 2);
        QCOMPARE(bench->text("txtCoordinata"), QStringLiteral("6000"));

        bench->fill("txtCoordinata", "6500");
        bench->click("cmdSposta");
        QCOMPARE(bench->model().coordX(3), 6500.0);
        QVERIFY(checkModel(bench->model()).passed());

        // Nothing stands on the new line: the question only says what joins again.
        bench->click("cmdElimina");
        QCOMPARE(bench->model().counts.nX, 5);
        QVERIFY(bench->lastMessage().lines.front().starts_with("Saranno ottenuti "));
        QVERIFY(bench->lastMessage().lines.front().ends_with(" unendo gli elementi ai due lati"));

        bench->click("cmdFine");
        QVERIFY(bench->openWindows().isEmpty());
        QVERIFY(std::fabs(totalColumnLoad(bench->model()) - loadBefore) < 1e-6 * loadBefore);
    }

    // Deleting the first line along X asks first, counting what goes; "No" changes nothing.
    void deletingALineWithElementsAsksFirst() {
        openExample("mnuModificaGriglia");
        const Model before = bench->model();
        lines()->setCurrentRow(0);
        bench->asker.answer({Answer::No});
        bench->click("cmdElimina");
        const Message& question = bench->lastMessage();
        QVERIFY(question.lines.front().starts_with("Saranno eliminati "));
        QCOMPARE(question.buttons, MessageButtons::YesNo);
        QVERIFY(bench->model() == before);

        bench->click("cmdElimina");
        QCOMPARE(bench->model().counts.nX, 4);
        QCOMPARE(bench->model().coordX(1), 4000.0);
        QVERIFY(checkModel(bench->model()).passed());
    }

    void aLevelIsInsertedBelowAnother() {
        openExample("mnuModificaGriglia");
        bench->control<QRadioButton>("optLivelli")->setChecked(true);
        QCOMPARE(lines()->count(), 5);
        lines()->setCurrentRow(1);
        bench->fill("txtInterasse", "1000");
        bench->click("cmdInserisciPrima");
        QCOMPARE(bench->model().counts.nStoreys, 5);
        QCOMPARE(bench->model().levelZ(2), 2400.0);
        QCOMPARE(lines()->currentRow(), 1);
        // A spacing of zero would put two levels on one another.
        bench->fill("txtInterasse", "0");
        bench->click("cmdInserisciPrima");
        QCOMPARE(bench->model().counts.nStoreys, 5);
        QCOMPARE(bench->lastMessage().title, std::string("Impossibile aggiungere la griglia"));
    }

    void anExtraNodeIsMovedAndDeleted() {
        openExample("mnuModificaGriglia");
        QCOMPARE(bench->control<QListWidget>("lstNodi")->count(), 1);
        bench->fill("txtXnodo", "8000");
        bench->click("cmdSpostaNodo");
        const Counts& c = bench->model().counts;
        QCOMPARE(bench->model().coordX(c.nX + 1), 8000.0);
        bench->click("cmdEliminaNodo");
        QCOMPARE(bench->model().counts.nExtra, 0);
    }

    // On a building already entered the geometry editor keeps the sections, gives new elements
    // the nearest one's, copies a storey and ends with "FINE MODIFICHE".
    void theGeometryOfABuildingIsChangedAndAStoreyCopied() {
        openExample("mnuModificaGeometria");
        QVERIFY(visible("cmdFineModifiche"));
        QVERIFY(!visible("cmdInserisciCarichi"));
        QVERIFY(visible("cmbSezionePil"));
        Model& m = bench->model();
        const ColumnSection kept = columnSection(m, 2, 1);

        bench->type("txtNodoPil", "1");
        bench->choose("cmbElevazionePil", 0);
        bench->choose("cmbDalPianoPil", 2); // storey 3 only
        bench->click("cmdEliminaPil");
        QVERIFY(!isPresent(m, 3, 1));
        QVERIFY(isPresent(m, 2, 1));
        bench->click("cmdAggiungiPil");
        QVERIFY(isPresent(m, 3, 1));
        QCOMPARE(columnSection(m, 2, 1), kept);
        QVERIFY(checkModel(m).passed());

        bench->choose("cmbPianoOrigine", 0);
        bench->choose("cmbPrimoPiano", 1);
        bench->choose("cmbUltimoPiano", 3);
        bench->click("cmdCopiaPiano");
        QVERIFY(bench->lastMessage().lines.front().starts_with("Pilastri, travi, sezioni e solai"));
        for (int k = 2; k <= 4; ++k)
            QVERIFY(std::ranges::equal(m.members.block(k), m.members.block(1)));

        bench->click("cmdFineModifiche");
        QVERIFY(bench->openWindows().isEmpty());
        QVERIFY(totalColumnLoad(m) > 0);
        QVERIFY(checkModel(m).passed());
    }

    // "Modifica Carichi" shows the slabs of the building, not an empty storey; leaving it
    // distributes the loads again.
    void theSlabsOfABuildingAreKeptAndTheLoadsDistributedOnLeaving() {
        openExample("mnuModificaCarichi");
        const Model before = bench->model();
        QVERIFY(bench->model().slabs == before.slabs);
        QVERIFY(visible("cmdFineModifiche"));
        QVERIFY(!visible("cmdInserisciSezioni"));
        bench->click("cmdEliminaSol");
        QVERIFY(!slabAt(bench->model(), 1, 1).present);
        bench->click("cmdFineModifiche");
        QVERIFY(bench->openWindows().isEmpty());
        QVERIFY(totalColumnLoad(bench->model()) < totalColumnLoad(before));
    }

    void theGridChangesWindowIsNamedForScreenReaders() {
        openExample("mnuModificaGriglia");
        const QStringList unnamed =
            testing::unnamedControls(*bench->window->findChild<QWidget*>(childWindow::gridChanges));
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(", ")));
    }

    // The pictures looked at when the window changes: line 3 along X selected, then level 2.
    void screenshotWithALineSelected() {
        openExample("mnuModificaGriglia");
        bench->window->resize(1280, 800);
        lines()->setCurrentRow(2);
        QTest::qWait(50);
        const std::filesystem::path folder(ORVANTA_TEST_OUTPUT_DIR);
        QVERIFY(bench->window->grab().save(
            QString::fromStdString((folder / "modifica-griglia.png").string())));
        bench->control<QRadioButton>("optLivelli")->setChecked(true);
        lines()->setCurrentRow(1);
        QTest::qWait(50);
        QVERIFY(bench->window->grab().save(
            QString::fromStdString((folder / "modifica-griglia-livello.png").string())));
    }
};

} // namespace orvanta

QTEST_MAIN(orvanta::BuildingChangesTest)
#include "building_changes_test.moc"
