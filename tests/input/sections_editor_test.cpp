// frmSezioni: choosing storeys, columns and beams, the section boxes and their refusals, the
// concrete class and the suggested sections, the bulk entry, and the end of the input phases
// with the project saved and the plan picture beside it.

#include "accessibility_check.h"
#include "bmp_reader.h"
#include "drawing_geometry.h"
#include "editor_bench.h"
#include "load_distribution.h"
#include "picture_box.h"
#include "project_file.h"
#include "sections_editor.h"

#include <QAction>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMenu>
#include <QtTest>

namespace orvanta {

using testing::EditorBench;

namespace {

// A frame after the loads phase: every bay of every storey loaded, the loads distributed.
Model afterLoads(std::int16_t nX, std::int16_t nY, std::int16_t storeys, std::int16_t nExtra = 0) {
    Model m = testing::afterGeometry(nX, nY, storeys, nExtra);
    m.slabs = Array3<double>(1, storeys, 1, m.sizes().bays, 1, slab::values);
    for (int k = 1; k <= storeys; ++k) {
        for (int iy = 1; iy < nY; ++iy) {
            for (int ix = 1; ix < nX; ++ix)
                testing::setSlab(m, k, ix, iy, SlabSpan::alongY, 0.005, 0.002, 0.3);
        }
    }
    testing::ScriptedAsker quiet;
    if (!distributeLoads(m, quiet))
        qFatal("the loads of the sample frame were not distributed");
    return m;
}

std::vector<double> record(const Model& m, int k, int slot) {
    std::vector<double> values;
    for (int v = 1; v <= member::values; ++v)
        values.push_back(m.members(k, slot, v));
    return values;
}

const Colour yellow = Colour::rgb(255, 255, 0);

// Whether the frame of the sections window offers to close it (its system menu, with Close).
bool closable(const QWidget& sections) {
    const auto* frame = qobject_cast<const QMdiSubWindow*>(sections.parentWidget());
    return frame && frame->windowFlags().testFlag(Qt::WindowSystemMenuHint);
}

} // namespace

class SectionsEditorTest : public QObject {
    Q_OBJECT

    std::unique_ptr<EditorBench> bench;

    void open(const Model& model) {
        bench = std::make_unique<EditorBench>(QTest::currentTestFunction());
        QVERIFY(bench->openPhase(model, childWindow::sections));
    }
    void typeSection(const char* suffix, int shape, const QString& base, const QString& height,
                     const QString& t1 = {}, const QString& t2 = {}) {
        const auto name = [suffix](const char* stem) { return std::string(stem) + suffix; };
        bench->choose(name("cmbTipo").c_str(), shape);
        bench->fill(name("txtBase").c_str(), base);
        bench->fill(name("txtAltezza").c_str(), height);
        bench->fill(name("txtSpessoreb").c_str(), t1);
        bench->fill(name("txtSpessoreh").c_str(), t2);
    }
    // Every column 300 × 500 and every beam 300 × 600, in every storey.
    void enterEverySection() {
        typeSection("Pil", 0, "300", "500");
        bench->click("cmdApplicaTuttiPil");
        typeSection("Tra", 0, "300", "600");
        bench->click("cmdApplicaTuttiTra");
        bench->choose("cmbDirezioneTravi", 1);
        bench->click("cmdApplicaTuttiTra");
    }
    bool thicknessesEnabled(const char* suffix) const {
        const std::string box = std::string("txtSpessoreb") + suffix;
        return bench->control<QLineEdit>(box.c_str())->isEnabled();
    }
    // The ring around the chosen column's node.
    Circle columnMark() const {
        for (const Circle& c : bench->control<PictureBox>("pctPianta")->drawing().all<Circle>()) {
            if (c.colour == yellow)
                return c;
        }
        qFatal("the chosen column is not marked");
    }

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy)); }
    void cleanup() { bench.reset(); }

    void loadsWithItsRangesAndTheConcreteOfClass30() {
        open(afterLoads(4, 3, 2, 1));
        QCOMPARE(bench->window->session().currentPhase(), std::string(phase::sections));
        QCOMPARE(bench->control("frmSezioni")->windowTitle(), QString("Immissione delle SEZIONI"));
        QCOMPARE(bench->control<QScrollBar>("hsbNodoPil")->maximum(), 13);
        QCOMPARE(bench->control<QScrollBar>("hsbNodoTra")->maximum(), 11);
        QCOMPARE(bench->control<QScrollBar>("hsbPiano")->maximum(), 2);
        auto* concrete = bench->control<QComboBox>("cmbCalcestruzzo");
        QCOMPARE(concrete->currentText(), QString("C25/30"));
        QCOMPARE(concrete->itemText(5), QString("C45/55"));
        QCOMPARE(concrete->count(), 6);
        QCOMPARE(bench->control<SectionsEditor>("frmSezioni")->allowableStress(), 6.825);
        QVERIFY(bench->control<QLabel>("lblTensione")->text().contains("6,825"));
        QCOMPARE(bench->control<QComboBox>("cmbTipoPil")->itemText(1), QString("Scatolare"));
        QCOMPARE(bench->control<QComboBox>("cmbTipoTra")->itemText(1), QString("a T"));

        QVERIFY(!thicknessesEnabled("Pil"));
        QVERIFY(!bench->control<QLabel>("lblSpessorehTra")->isEnabled());
        bench->choose("cmbTipoPil", 1);
        QVERIFY(thicknessesEnabled("Pil"));
        bench->choose("cmbTipoPil", 0);
        QVERIFY(!thicknessesEnabled("Pil"));
        QCOMPARE(testing::accessibilityProblems(*bench->control("frmSezioni")), QStringList());
        // The two frames' equal captions, told apart by the names a screen reader reads.
        const auto nameOf = [&](const char* control) {
            QAccessibleInterface* node = QAccessible::queryAccessibleInterface(
                bench->control(control));
            return node->text(QAccessible::Name);
        };
        QCOMPARE(nameOf("txtBasePil"), QString("Base complessiva della sezione del pilastro"));
        QCOMPARE(nameOf("txtAltezzaTra"), QString("Altezza complessiva della sezione della trave"));
        QCOMPARE(nameOf("cmbTipoTra"), QString("Sezione della trave"));
        QCOMPARE(nameOf("cmbDirezioneTravi"), QString("Direzione delle travi"));
        QCOMPARE(bench->control<QLabel>("lblDirezioneTravi")->buddy(),
                 bench->control("cmbDirezioneTravi"));
        QCOMPARE(nameOf("cmdApplicaTuttiPil"),
                 QString("Applica a tutti i piani la sezione del pilastro"));

        // C28/35: σ = 0,7·(6 + (35 − 15)/4) = 7,7 N/mm².
        bench->choose("cmbCalcestruzzo", 1);
        QCOMPARE(bench->control<SectionsEditor>("frmSezioni")->allowableStress(), 0.7 * 11);
        QVERIFY(bench->control<QLabel>("lblTensione")->text().contains("7,7"));
        // The class is the project's, kept with it, and taken back like any other edit.
        QCOMPARE(bench->model().settings.number(settingKey::concreteClass), 35.0);
        QVERIFY(bench->window->isWindowModified());
        bench->window->findChild<QAction*>("mnuEditUndo")->trigger();
        QCOMPARE(concrete->currentText(), QString("C25/30"));
        QCOMPARE(bench->control<SectionsEditor>("frmSezioni")->allowableStress(), 6.825);
        QVERIFY(!bench->model().settings.number(settingKey::concreteClass));
    }

    void beamsAlongYOnAFourByThreeGrid() {
        open(afterLoads(4, 3, 1));
        bench->choose("cmbDirezioneTravi", 1);
        QCOMPARE(bench->control<QScrollBar>("hsbNodoTra")->maximum(), 8);
        QCOMPARE(bench->bar("hsbNodoTra"), 1);
        QCOMPARE(bench->text("txtNodoiTra"), QString("1"));
        QCOMPARE(bench->text("txtNodojTra"), QString("5"));
        bench->moveBar("hsbNodoTra", 4);
        QCOMPARE(bench->text("txtNodojTra"), QString("8"));
        bench->choose("cmbDirezioneTravi", 0);
        QCOMPARE(bench->control<QScrollBar>("hsbNodoTra")->maximum(), 11);
        QCOMPARE(bench->text("txtNodojTra"), QString("2"));
        bench->moveBar("hsbNodoTra", 4); // node 4 lies on the last line along X
        QCOMPARE(bench->bar("hsbNodoTra"), 5);
    }

    // In storey 2 node 2 has no column and the beam along X from node 2 is missing; the column
    // on the extra node stands in storey 1 only.
    void selectorsStopOnlyOnElementsOfTheShownStorey() {
        Model m = afterLoads(4, 3, 2, 1);
        const Counts& c = m.counts;
        setPresent(m, 2, 2, false);
        setPresent(m, 2, numbering::beamXSlot(c, 2, 1), false);
        setPresent(m, 1, numbering::columnSlot(c, 13), true);
        open(m);

        bench->moveBar("hsbNodoPil", 13);
        QCOMPARE(bench->bar("hsbNodoPil"), 13);
        bench->type("txtPiano", "2");
        // The extra node has no column in storey 2.
        QCOMPARE(bench->bar("hsbNodoPil"), 12);
        bench->moveBar("hsbNodoPil", 1);
        bench->moveBar("hsbNodoPil", 2);
        QCOMPARE(bench->bar("hsbNodoPil"), 3);
        bench->moveBar("hsbNodoTra", 2);
        QCOMPARE(bench->bar("hsbNodoTra"), 3);
        QCOMPARE(bench->text("txtNodojTra"), QString("4"));

        bench->type("txtPiano", "7");
        QCOMPARE(bench->lastMessage().title, std::string("Piano Inesistente"));
        QCOMPARE(bench->lastMessage().lines.back(),
                 std::string("Sarà visualizzato il piano massimo"));
        bench->type("txtNodoPil", "0");
        QCOMPARE(bench->lastMessage().lines.back(), std::string("Sarà adottato il valore minimo"));
        QCOMPARE(bench->bar("hsbNodoPil"), 1);
    }

    void modifyWritesTheSectionAtTheElementsSlot() {
        open(afterLoads(4, 3, 1, 1));
        Model& m = bench->model();
        setPresent(m, 1, numbering::columnSlot(m.counts, 13), true);

        bench->moveBar("hsbNodoPil", 6);
        typeSection("Pil", 0, "300", "500", "99", "99");
        bench->click("cmdModificaPil");
        QCOMPARE(record(m, 1, 6), (std::vector<double>{1, 0, 300, 500, 0, 0}));
        const TwipsPoint node6 = planPoint(5000, 4000, m.planScale);
        QCOMPARE(columnMark().centre, node6);

        bench->moveBar("hsbNodoPil", 13); // the extra node's column: slot 3·12 − 4 − 3 + 1
        typeSection("Pil", 1, "2000", "2200,5", "250", "300");
        bench->click("cmdModificaPil");
        QCOMPARE(record(m, 1, 30), (std::vector<double>{1, 1, 2000, 2200.5, 250, 300}));

        bench->moveBar("hsbNodoTra", 6);
        typeSection("Tra", 0, "300", "600");
        bench->click("cmdModificaTra");
        QCOMPARE(record(m, 1, 17), (std::vector<double>{1, 0, 300, 600, 0, 0}));

        bench->choose("cmbDirezioneTravi", 1);
        bench->moveBar("hsbNodoTra", 6);
        typeSection("Tra", 1, "800", "500", "120", "300");
        bench->click("cmdModificaTra");
        QCOMPARE(record(m, 1, 27), (std::vector<double>{1, 1, 800, 500, 120, 300}));
        QVERIFY(bench->asker.messages.empty());

        // Coming back to an element shows its section; one without a section keeps the boxes.
        bench->moveBar("hsbNodoTra", 7);
        QCOMPARE(bench->text("txtBaseTra"), QString("800"));
        QVERIFY(bench->control<QLabel>("lblStatoTra")->text().startsWith("Sezione non ancora"));
        bench->moveBar("hsbNodoPil", 6);
        QCOMPARE(bench->text("txtAltezzaPil"), QString("500"));
        QCOMPARE(bench->text("txtSpessorebPil"), QString());
        QCOMPARE(bench->control<QComboBox>("cmbTipoPil")->currentIndex(), 0);
    }

    void refusedSections_data() {
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<int>("shape");
        QTest::addColumn<QStringList>("sizes");
        QTest::addColumn<QString>("reason");
        const auto row = [](const char* name, const char* suffix, int shape,
                            const QStringList& sizes, const char* reason) {
            QTest::newRow(name) << QString(suffix) << shape << sizes << QString(reason);
        };
        row("not a number", "Pil", 0, {"30o", "500", "", ""},
            "\"Base complessiva della sezione del pilastro\" non è un numero valido");
        row("zero base", "Pil", 0, {"0", "500", "", ""}, "base non positiva");
        row("negative height", "Tra", 0, {"300", "-600", "", ""}, "altezza non positiva");
        row("box without hole", "Pil", 1, {"600", "400", "200", "100"},
            "pareti parallele a X troppo spesse");
        row("box walls along Y", "Pil", 1, {"400", "600", "100", "200"},
            "pareti parallele a Y troppo spesse");
        row("box without walls", "Pil", 1, {"600", "400", "0", "100"},
            "spessore delle pareti parallele a X non positiv");
        row("flange as deep as the beam", "Tra", 1, {"800", "500", "500", "300"},
            "non minore dell'altezza");
        row("web wider than the flange", "Tra", 1, {"800", "500", "120", "900"},
            "più larga della base");
        row("web not typed", "Tra", 1, {"800", "500", "120", ""},
            "\"Spessore anima della trave\" non è un numero valido");
    }

    // Nothing is written, and the message names what to correct.
    void refusedSections() {
        QFETCH(QString, suffix);
        QFETCH(int, shape);
        QFETCH(QStringList, sizes);
        QFETCH(QString, reason);
        open(afterLoads(3, 2, 1));
        const Model before = bench->model();
        const QByteArray s = suffix.toLatin1();
        typeSection(s.constData(), shape, sizes[0], sizes[1], sizes[2], sizes[3]);
        bench->click(("cmdModifica" + s).constData());
        bench->click(("cmdApplicaTutti" + s).constData());
        QCOMPARE(bench->asker.messages.size(), std::size_t{2});
        for (const Message& refusal : bench->asker.messages) {
            QCOMPARE(refusal.icon, MessageIcon::Exclamation);
            QVERIFY2(QString::fromStdString(refusal.text()).contains(reason),
                     refusal.text().c_str());
        }
        QCOMPARE(bench->model(), before);
    }

    void suggestedSections() {
        Model m = afterLoads(4, 3, 2, 1);
        m.beamLoads(2, 6) = 682500;
        setPresent(m, 2, numbering::columnSlot(m.counts, 13), true);
        open(m);
        bench->type("txtPiano", "2");
        bench->moveBar("hsbNodoPil", 6);
        bench->click("cmdVisualizzaPil");
        QCOMPARE(bench->lastMessage().title, std::string("Sezione Suggerita"));
        QCOMPARE(bench->lastMessage().icon, MessageIcon::Information);
        QCOMPARE(bench->lastMessage().lines,
                 (std::vector<std::string>{"La sezione suggerita per il pilastro al",
                                           "fine di contenere lo sforzo assiale è di:     ", "",
                                           "- 300 x 667 mmq per sezioni rettangolari",
                                           "- 448 x 448 mmq per sezioni quadrate"}));

        bench->moveBar("hsbNodoPil", 13);
        bench->click("cmdVisualizzaPil");
        QCOMPARE(bench->lastMessage().icon, MessageIcon::Exclamation);
        QCOMPARE(bench->lastMessage().lines,
                 (std::vector<std::string>{"Il predimensionamento dell'elemento strutturale",
                                           " è indipendente dai carichi verticali, in",
                                           "quanto su di esso non grava alcuna trave"}));

        bench->click("cmdVisualizzaTra");
        QCOMPARE(bench->lastMessage().lines,
                 (std::vector<std::string>{"La procedura per il predimensionamento dell'elemento",
                                           "trave è al momento da completarsi"}));
    }

    // Storey 1 lacks the column at node 2 and the beam along Y from node 1.
    void oneSectionForAStoreyOrForEveryStorey() {
        Model m = afterLoads(3, 2, 2);
        const Counts& c = m.counts;
        setPresent(m, 1, 2, false);
        setPresent(m, 1, numbering::beamYSlot(c, 1), false);
        open(m);

        typeSection("Pil", 1, "600", "600", "150", "150");
        bench->asker.answer({Answer::No});
        bench->click("cmdApplicaPianoPil");
        QCOMPARE(bench->model().members(1, 1, member::base), 0.0);
        bench->click("cmdApplicaPianoPil");
        QCOMPARE(record(bench->model(), 1, 1), (std::vector<double>{1, 1, 600, 600, 150, 150}));
        QCOMPARE(record(bench->model(), 1, 2), (std::vector<double>{0, 0, 0, 0, 0, 0}));
        QCOMPARE(bench->model().members(2, 1, member::base), 0.0);
        bench->click("cmdApplicaTuttiPil");
        QCOMPARE(record(bench->model(), 2, 2), (std::vector<double>{1, 1, 600, 600, 150, 150}));

        bench->choose("cmbDirezioneTravi", 1);
        typeSection("Tra", 0, "300", "500");
        bench->click("cmdApplicaTuttiTra");
        QCOMPARE(bench->model().members(1, numbering::beamYSlot(c, 1), member::base), 0.0);
        QCOMPARE(bench->model().members(1, numbering::beamYSlot(c, 2), member::base), 300.0);
        QCOMPARE(bench->model().members(2, numbering::beamYSlot(c, 1), member::base), 300.0);
        QCOMPARE(bench->model().members(2, numbering::beamXSlot(c, 1, 1), member::base), 0.0);

        // Each bulk entry is one step of Modifica > Annulla, named after its button; Ripeti does
        // it again. The beams go back in both storeys, the columns stay.
        auto* undo = bench->window->findChild<QAction*>("mnuEditUndo");
        auto* redo = bench->window->findChild<QAction*>("mnuEditRedo");
        QCOMPARE(undo->text(), QString("&Annulla Applica a tutti i piani"));
        undo->trigger();
        QCOMPARE(bench->model().members(1, numbering::beamYSlot(c, 2), member::base), 0.0);
        QCOMPARE(bench->model().members(2, numbering::beamYSlot(c, 1), member::base), 0.0);
        QCOMPARE(record(bench->model(), 2, 2), (std::vector<double>{1, 1, 600, 600, 150, 150}));
        QCOMPARE(redo->text(), QString("&Ripeti Applica a tutti i piani"));
        undo->trigger();
        QCOMPARE(undo->text(), QString("&Annulla Applica a tutto il piano"));
        QCOMPARE(bench->model().members(2, 2, member::base), 0.0);
        QCOMPARE(record(bench->model(), 1, 1), (std::vector<double>{1, 1, 600, 600, 150, 150}));
        redo->trigger();
        redo->trigger();
        QCOMPARE(bench->model().members(2, numbering::beamYSlot(c, 1), member::base), 300.0);
        QVERIFY(!redo->isEnabled());
    }

    void finishSavesTheProjectAndThePlanPicture() {
        open(afterLoads(4, 3, 2));
        // A new project has no Analisi menu to come back by: the window ends only with the input.
        QVERIFY(!closable(*bench->control("frmSezioni")));
        enterEverySection();
        bench->asker.messages.clear();
        bench->chooser.willChoose((bench->folder / "casa.orv").string());
        bench->click("cmdFine");

        QCOMPARE(bench->asker.messages.size(), std::size_t{1});
        QCOMPARE(bench->lastMessage().lines,
                 (std::vector<std::string>{"Prima di procedere i dati immessi in input",
                                           "verranno salvati su file. Continuare?"}));
        QCOMPARE(testing::readBytes(bench->folder / "casa.orv"), projectText(bench->model()));

        const pdf::BmpReading picture = pdf::readBmpFile(bench->folder / "casa.bmp");
        QVERIFY2(picture.image, picture.error.c_str());
        QCOMPARE(picture.image->width, 800);
        QCOMPARE(picture.image->height, 667);
        QCOMPARE(picture.image->colours, pdf::RasterImage::Colours::Rgb);
        // White paper with the plan on it.
        const std::vector<std::uint8_t>& rows = picture.image->rows;
        QCOMPARE((std::vector<std::uint8_t>(rows.begin(), rows.begin() + 3)),
                 (std::vector<std::uint8_t>{255, 255, 255}));
        QVERIFY(std::count(rows.begin(), rows.end(), 0) > 1000);

        QCOMPARE(bench->openWindows(), QStringList());
        QVERIFY(bench->window->findChild<QMenu*>("mnuAnalisi")->menuAction()->isEnabled());
        QVERIFY(!bench->window->hasUnsavedChanges());

        // "Modifica Sezioni" opens the window again.
        bench->window->findChild<QAction*>("mnuModifica")->trigger();
        QCOMPARE(bench->openWindows(), QStringList{"frmSezioni"});
        QCOMPARE(bench->text("txtBasePil"), QString("300"));
        QVERIFY(closable(*bench->control("frmSezioni")));

        // Calculated with the window left open, then a section changed: the views of the old
        // sections stay shut until the next calculation.
        QAction* families = bench->window->findChild<QAction*>("mnuFamiglieX");
        bench->window->findChild<QAction*>("mnuCalcola")->trigger();
        QVERIFY(families->isEnabled());
        bench->fill("txtBasePil", "350");
        bench->click("cmdModificaPil");
        QVERIFY(!families->isEnabled());
        QVERIFY(bench->window->findChild<QAction*>("mnuElevazione")->isEnabled());
    }

    // An extra node 2000 mm in front of the first grid line lies below the picture box's 10000
    // twips: the plan on the screen and the picture saved beside the project grow to hold its
    // column, the ritto the later windows must show.
    void anExtraNodeInFrontOfTheGridStaysOnThePlans() {
        Model m = afterLoads(3, 2, 1, 1);
        m.coordX(4) = 5000;
        m.coordY(3) = -2000;
        setPresent(m, 1, numbering::columnSlot(m.counts, 7), true);
        open(m);
        enterEverySection();
        bench->moveBar("hsbNodoPil", 7);
        const Circle ring = columnMark();
        QCOMPARE(ring.centre, planPoint(5000, -2000, bench->model().planScale));
        QVERIFY(ring.centre.y + ring.radius <
                bench->control<PictureBox>("pctPianta")->drawing().extent().height);

        bench->chooser.willChoose((bench->folder / "casa.orv").string());
        bench->click("cmdFine");
        const pdf::BmpReading picture = pdf::readBmpFile(bench->folder / "casa.bmp");
        QVERIFY2(picture.image, picture.error.c_str());
        QCOMPARE(picture.image->width, 800);
        QVERIFY(picture.image->height > 667);
        // The square of the column is there, below the first grid line's row of squares: its
        // outline is black on the white paper, bottom rows first.
        const double scale = bench->model().planScale;
        const int centreRow = static_cast<int>(planPoint(5000, -2000, scale).y / 15);
        const int fromBottom = picture.image->height - 1 - centreRow;
        const auto first = picture.image->rows.begin() + fromBottom * picture.image->bytesPerRow();
        QVERIFY(std::count(first, first + picture.image->bytesPerRow(), 0) > 0);
    }

    void aProjectNotSavedKeepsTheInputOpen() {
        open(afterLoads(3, 2, 1));
        enterEverySection();
        bench->chooser.willChoose(std::nullopt); // Save As cancelled
        bench->click("cmdFine");
        QCOMPARE(bench->lastMessage().lines.front(),
                 std::string("Il progetto non è stato salvato."));
        QCOMPARE(bench->openWindows(), QStringList{"frmSezioni"});
        QVERIFY(!std::filesystem::exists(bench->folder / "casa.bmp"));
        QVERIFY(!bench->window->findChild<QMenu*>("mnuAnalisi")->menuAction()->isEnabled());
    }

    // Elements without a section: a question that names them; No keeps the window without
    // saving, Yes ends the input phases as usual.
    void missingSectionsAreNamedBeforeTheInputEnds() {
        open(afterLoads(3, 2, 1));
        typeSection("Pil", 0, "300", "500");
        bench->click("cmdApplicaTuttiPil");
        bench->asker.messages.clear();
        bench->asker.answer({Answer::No});
        bench->click("cmdFine");
        const Message warning = bench->lastMessage();
        QCOMPARE(warning.buttons, MessageButtons::YesNo);
        QCOMPARE(warning.lines.front(),
                 std::string("Il modello contiene dati non validi (7 problemi):"));
        QCOMPARE(warning.lines[1],
                 std::string("- piano 1, trave in X tra i nodi 1 e 2: base non positiva (0 mm)"));
        QVERIFY(bench->chooser.titles.empty());
        QCOMPARE(bench->openWindows(), QStringList{"frmSezioni"});

        bench->chooser.willChoose((bench->folder / "casa.orv").string());
        bench->click("cmdFine"); // Yes, then Yes
        QVERIFY(std::filesystem::exists(bench->folder / "casa.orv"));
        QVERIFY(std::filesystem::exists(bench->folder / "casa.bmp"));
        QCOMPARE(bench->openWindows(), QStringList());
    }

    void aPictureThatCannotBeWrittenIsReportedAndTheInputEnds() {
        open(afterLoads(3, 2, 1));
        enterEverySection();
        std::filesystem::create_directory(bench->folder / "casa.bmp");
        bench->chooser.willChoose((bench->folder / "casa.orv").string());
        bench->click("cmdFine");
        QCOMPARE(bench->lastMessage().lines.front(),
                 std::string("Impossibile scrivere la pianta del progetto"));
        QVERIFY(std::filesystem::exists(bench->folder / "casa.orv"));
        QCOMPARE(bench->openWindows(), QStringList());
    }
};

} // namespace orvanta

QTEST_MAIN(orvanta::SectionsEditorTest)
#include "sections_editor_test.moc"
