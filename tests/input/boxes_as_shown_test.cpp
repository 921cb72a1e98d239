// The four editors driven the way a screen reader, voice control or a GUI robot drives them:
// the text of a box is set through the accessibility interface (no key press, no Enter) and a
// button is pressed through its accessible action. What a box shows is what its button uses:
// a number in range is taken at once; one out of range, or naming an empty slot, is settled
// (with its message) before the button acts.

#include "editor_bench.h"
#include "element_records.h"
#include "member_placement.h"
#include "numbering.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAccessibleEditableTextInterface>
#include <QtTest>

namespace orvanta {

using testing::afterGeometry;
using testing::EditorBench;

namespace {

// Replaces the whole text of a box as assistive technology does (AT-SPI's EditableText).
void setText(QWidget* box, const QString& text) {
    QAccessibleInterface* node = QAccessible::queryAccessibleInterface(box);
    QVERIFY(node && node->editableTextInterface() && node->textInterface());
    node->editableTextInterface()->replaceText(0, node->textInterface()->characterCount(), text);
}

// Presses a button through its accessible action; the button acts after its short animation.
void press(QWidget* button, const std::function<bool()>& done) {
    QAccessibleInterface* node = QAccessible::queryAccessibleInterface(button);
    QVERIFY(node && node->actionInterface());
    node->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QTRY_VERIFY(done());
}

// A frame just handed over by the grid phase: no column, no beam.
Model emptyFrame(std::int16_t nX, std::int16_t nY, std::int16_t storeys) {
    Model m = afterGeometry(nX, nY, storeys);
    clearMembers(m);
    return m;
}

} // namespace

class BoxesAsShownTest : public QObject {
    Q_OBJECT

    std::unique_ptr<EditorBench> bench;

    void open(const Model& model, const char* phaseWindow) {
        bench = std::make_unique<EditorBench>(QTest::currentTestFunction());
        QVERIFY(bench->openPhase(model, phaseWindow));
    }
    QWidget* box(const char* name) const { return bench->control<QLineEdit>(name); }
    QWidget* button(const char* name) const { return bench->control<QPushButton>(name); }

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy)); }
    void cleanup() { bench.reset(); }

    // The grid editor's value boxes: the maxima open the grid frame, a spacing set in its box is
    // the spacing added.
    void gridBoxesAreUsedAsShown() {
        bench = std::make_unique<EditorBench>(QTest::currentTestFunction());
        bench->window->findChild<QAction*>("mnuFileNew")->trigger();
        for (const char* name : {"txtXmax", "txtYmax", "txtZmax"})
            setText(box(name), "12");
        QVERIFY(bench->control("fraGriglia")->isEnabled());
        const Model& m = bench->model();
        setText(box("txtX"), "0");
        press(button("cmdAggiungiX"), [&] { return m.counts.nX == 1; });
        setText(box("txtX"), "5500,5");
        press(button("cmdAggiungiX"), [&] { return m.counts.nX == 2; });
        QCOMPARE(m.coordX(2), 5500.5);
        setText(box("txtXnodo"), "2500");
        setText(box("txtYnodo"), "700");
        press(button("cmdAggiungiNodo"), [&] { return m.counts.nExtra == 1; });
        QCOMPARE(m.coordX(101), 2500.0);
        QCOMPARE(m.coordY(101), 700.0);
    }

    // On a 3 × 2 grid the X beams start at nodes 1, 2, 4 and 5.
    void geometryNodesAreUsedAsShown() {
        open(emptyFrame(3, 2, 2), childWindow::geometry);
        const Model& m = bench->model();

        setText(box("txtNodoPil"), "5");
        QCOMPARE(bench->bar("hsbNodoPil"), 5);
        press(button("cmdAggiungiPil"),
              [&] { return isPresent(m, 2, numbering::columnSlot(m.counts, 5)); });
        QVERIFY(!isPresent(m, 1, numbering::columnSlot(m.counts, 1)));

        const auto beamAt = [&](int start) {
            return isPresent(m, 1, beamSlot(m.counts, BeamDirection::alongX, start));
        };
        setText(box("txtNodoiTra"), "2");
        QCOMPARE(bench->bar("hsbNodoTra"), 2);
        QCOMPARE(bench->text("txtNodojTra"), QString("3"));
        press(button("cmdAggiungiTra"), [&] { return beamAt(2); });
        QVERIFY(!beamAt(1));

        // Node 3 lies on the last X line: the press moves on to 4, as the scroll bar would.
        setText(box("txtNodoiTra"), "3");
        press(button("cmdAggiungiTra"), [&] { return beamAt(4); });
        QCOMPARE(bench->text("txtNodoiTra"), QString("4"));
        QCOMPARE(bench->text("txtNodojTra"), QString("5"));
        QVERIFY(bench->asker.messages.empty());

        // Beyond the range: the message first, then the beam at the last start.
        setText(box("txtNodoiTra"), "9");
        press(button("cmdAggiungiTra"), [&] { return beamAt(5); });
        QCOMPARE(bench->lastMessage().lines.at(1), std::string("Sarà adottato il valore massimo"));
        QCOMPARE(bench->text("txtNodoiTra"), QString("5"));
    }

    // On a 4 × 3 grid the bays start at nodes 1, 2, 3, 5, 6, 7.
    void loadsBayAndStoreyAreUsedAsShown() {
        open(afterGeometry(4, 3, 2), childWindow::loads);
        const Model& m = bench->model();
        setText(box("txtPermanente"), "5");
        setText(box("txtAccidentale"), "2");
        setText(box("txtAliquota"), "30");
        setText(box("txtPiano"), "2");
        setText(box("txtNodo1Sol"), "6");
        QCOMPARE(bench->text("txtNodo4Sol"), QString("11"));
        press(button("cmdAggiungiSol"), [&] { return slabAt(m, 2, 5).present; });
        QCOMPARE(slabAt(m, 2, 5).permanent, 0.005);
        QVERIFY(!slabAt(m, 1, 5).present);

        // From node 7 down to 4, on the last X line: the press settles on node 3.
        QCOMPARE(bench->text("txtNodo1Sol"), QString("7"));
        setText(box("txtNodo1Sol"), "4");
        press(button("cmdAggiungiSol"), [&] { return slabAt(m, 2, 3).present; });
        QVERIFY(!slabAt(m, 2, 6).present);

        setText(box("txtPiano"), "0");
        press(button("cmdEliminaSol"), [&] { return bench->text("txtPiano") == "1"; });
        QCOMPARE(bench->lastMessage().title, std::string("Piano Inesistente"));
    }

    void sectionsElementAndSizesAreUsedAsShown() {
        open(afterGeometry(3, 2, 2), childWindow::sections);
        const Model& m = bench->model();
        setText(box("txtPiano"), "2");
        setText(box("txtNodoPil"), "4");
        setText(box("txtBasePil"), "300");
        setText(box("txtAltezzaPil"), "550");
        const int columnSlot = numbering::columnSlot(m.counts, 4);
        press(button("cmdModificaPil"), [&] { return columnSection(m, 2, columnSlot).base > 0; });
        QCOMPARE(columnSection(m, 2, columnSlot).height, 550.0);
        QCOMPARE(columnSection(m, 1, columnSlot).base, 0.0);

        setText(box("txtNodoiTra"), "5");
        setText(box("txtBaseTra"), "300");
        setText(box("txtAltezzaTra"), "600");
        const int beamSlot5 = beamSlot(m.counts, BeamDirection::alongX, 5);
        press(button("cmdModificaTra"), [&] { return beamSection(m, 2, beamSlot5).base > 0; });
        QCOMPARE(beamSection(m, 2, beamSlot5).height, 600.0);
        QCOMPARE(beamSection(m, 2, beamSlot(m.counts, BeamDirection::alongX, 1)).base, 0.0);
    }
};

} // namespace orvanta

QTEST_MAIN(orvanta::BoxesAsShownTest)
#include "boxes_as_shown_test.moc"
