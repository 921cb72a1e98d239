#include "sections_editor.h"

#include "accessible_names.h"
#include "box_values.h"
#include "column_predimensioning.h"
#include "concrete.h"
#include "concrete_class_box.h"
#include "confirmations.h"
#include "display_locale.h"
#include "element_plan.h"
#include "input_checks.h"
#include "model_check.h"
#include "named_controls.h"
#include "number_selector.h"
#include "numbering.h"
#include "picture_box.h"
#include "plan_bitmap.h"
#include "storey_selector.h"
#include "typed_number.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <array>

namespace orvanta {

namespace {

// The storey that the plan picture saved beside the project shows: columns rise from the base,
// so the first storey has every column (every ritto the later windows show).
constexpr int bitmapStorey = 1;

// Keeps the selector on an element that exists, or moves it to the nearest one above, then
// below; false when the storey has none.
bool settleOnExisting(NumberSelector& selector, const SlotPredicate& exists) {
    const int current = selector.value();
    if (exists(current))
        return true;
    for (int n = current + 1; n <= selector.maximum(); ++n) {
        if (exists(n)) {
            selector.setValue(n);
            return true;
        }
    }
    for (int n = current - 1; n >= selector.minimum(); --n) {
        if (exists(n)) {
            selector.setValue(n);
            return true;
        }
    }
    return false;
}

void enableThicknesses(QLineEdit* box1, QLineEdit* box2, QLabel* label1, QLabel* label2,
                       bool enabled) {
    for (QWidget* w : std::initializer_list<QWidget*>{box1, box2, label1, label2})
        w->setEnabled(enabled);
}

} // namespace

SectionsEditor::SectionsEditor(ChildHost& host, QWidget* parent) : QWidget(parent), host_(host) {
    setObjectName(QString::fromLatin1(childWindow::sections));

    plan_ = new PictureBox("pctPianta", Drawing::defaultExtent, this);
    nameControl(*plan_, QStringLiteral("Pianta del piano con l'elemento selezionato"));

    auto* frames = new QVBoxLayout;
    frames->addWidget(buildColumnFrame());
    frames->addWidget(buildBeamFrame());
    frames->addStretch(1);
    auto* right = new QVBoxLayout;
    right->addWidget(buildGeneralFrame());
    right->addWidget(plan_, 1);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(frames);
    layout->addLayout(right, 1);

    const Counts& c = model().counts;
    storey_->setRange(1, c.nStoreys);
    column_->setRange(1, c.nX * c.nY + c.nExtra);
    column_->setOccupied([this](int n) { return hasColumn(n); });
    beam_->setOccupied([this](int i) { return hasBeam(i); });
    chooseConcreteClass();
    chooseBeamDirection();
    showStorey();
}

SectionsEditor::SectionBoxes SectionsEditor::buildSectionBoxes(QWidget* frame, const char* suffix,
                                                               const QStringList& shapes,
                                                               const QString& thickness1Caption,
                                                               const QString& thickness2Caption) {
    const auto name = [suffix](const char* stem) { return std::string(stem) + suffix; };
    SectionBoxes b;
    b.shape = new QComboBox(frame);
    b.shape->setObjectName(QString::fromLatin1(name("cmbTipo").c_str()));
    b.shape->addItems(shapes);
    b.base = makeNumberBox(name("txtBase").c_str(), QString(), frame);
    b.height = makeNumberBox(name("txtAltezza").c_str(), QString(), frame);
    b.thickness1 = makeNumberBox(name("txtSpessoreb").c_str(), QString(), frame);
    b.thickness2 = makeNumberBox(name("txtSpessoreh").c_str(), QString(), frame);
    b.thickness1Label = makeLabel(name("lblSpessoreb").c_str(), thickness1Caption, frame);
    b.thickness2Label = makeLabel(name("lblSpessoreh").c_str(), thickness2Caption, frame);
    b.state = makeLabel(name("lblStato").c_str(), QString(), frame);
    b.state->setWordWrap(true);
    QLabel* shapeLabel = makeLabel(name("lblTipo").c_str(), QStringLiteral("Sezione:"), frame);
    QLabel* baseLabel =
        makeLabel(name("lblBase").c_str(), QStringLiteral("Base complessiva della sezione"), frame);
    QLabel* heightLabel = makeLabel(name("lblAltezza").c_str(),
                                    QStringLiteral("Altezza complessiva della sezione"), frame);
    nameAfterLabel(*shapeLabel, *b.shape);
    nameAfterLabel(*baseLabel, *b.base);
    nameAfterLabel(*heightLabel, *b.height);
    nameAfterLabel(*b.thickness1Label, *b.thickness1);
    nameAfterLabel(*b.thickness2Label, *b.thickness2);

    auto* grid = new QGridLayout;
    int row = 0;
    grid->addWidget(shapeLabel, row, 0);
    grid->addWidget(b.shape, row++, 1, 1, 2);
    for (const auto& [label, box] :
         {std::pair{baseLabel, b.base}, std::pair{heightLabel, b.height},
          std::pair{b.thickness1Label, b.thickness1}, std::pair{b.thickness2Label, b.thickness2}}) {
        grid->addWidget(label, row, 0);
        grid->addWidget(box, row, 1);
        grid->addWidget(new QLabel(QStringLiteral("mm"), frame), row++, 2);
        box->setMaximumWidth(90);
    }
    grid->addWidget(b.state, row, 0, 1, 3);
    static_cast<QVBoxLayout*>(frame->layout())->addLayout(grid);

    const SectionBoxes boxes = b;
    connect(b.shape, &QComboBox::currentIndexChanged, this, [boxes](int index) {
        enableThicknesses(boxes.thickness1, boxes.thickness2, boxes.thickness1Label,
                          boxes.thickness2Label, index != 0);
    });
    enableThicknesses(b.thickness1, b.thickness2, b.thickness1Label, b.thickness2Label, false);
    return b;
}

SectionsEditor::SectionCommands SectionsEditor::addSectionCommands(QWidget& frame,
                                                                   QVBoxLayout& layout,
                                                                   const char* suffix,
                                                                   const QString& elements) {
    const auto name = [suffix](const char* stem) { return std::string(stem) + suffix; };
    SectionCommands c;
    c.modify = makeButton(name("cmdModifica").c_str(), QStringLiteral("Modifica Sezione"), &frame);
    c.suggest = makeButton(name("cmdVisualizza").c_str(),
                           QStringLiteral("Sezione Minima Suggerita"), &frame);
    c.wholeStorey = makeButton(name("cmdApplicaPiano").c_str(),
                               QStringLiteral("Applica a tutto il piano"), &frame);
    c.wholeStorey->setToolTip(
        QStringLiteral("Assegna la sezione a %1 presenti nel piano").arg(elements));
    c.allStoreys = makeButton(name("cmdApplicaTutti").c_str(),
                              QStringLiteral("Applica a tutti i piani"), &frame);
    c.allStoreys->setToolTip(
        QStringLiteral("Assegna la sezione a %1 presenti in ogni piano").arg(elements));
    auto* buttons = new QGridLayout;
    buttons->addWidget(c.modify, 0, 0);
    buttons->addWidget(c.suggest, 0, 1);
    buttons->addWidget(c.wholeStorey, 1, 0);
    buttons->addWidget(c.allStoreys, 1, 1);
    layout.addLayout(buttons);
    return c;
}

QWidget* SectionsEditor::buildColumnFrame() {
    QGroupBox* frame = makeFrame("fraPilastri", QStringLiteral("Sezione Pilastri / Setti"), this);
    auto* layout = new QVBoxLayout(frame);
    QLabel* nodeLabel = makeLabel("lblNodoPil", QStringLiteral("Numero del Nodo"), frame);
    column_ =
        new NumberSelector("txtNodoPil", "hsbNodoPil", rangeMessages::node(), host_.asker(), frame);
    nameAfterLabel(*nodeLabel, *column_);
    auto* nodeRow = new QHBoxLayout;
    nodeRow->addWidget(nodeLabel);
    nodeRow->addWidget(column_, 1);
    layout->addLayout(nodeRow);

    columnBoxes_ = buildSectionBoxes(frame, "Pil", {"Rettangolare", "Scatolare"},
                                     QStringLiteral("Spessore pareti allineate ad X"),
                                     QStringLiteral("Spessore pareti allineate ad Y"));

    const SectionCommands commands =
        addSectionCommands(*frame, *layout, "Pil", QStringLiteral("tutti i pilastri e setti"));
    columnActions_ = {commands.modify, commands.suggest};

    connect(column_, &NumberSelector::valueChanged, this, [this] { showColumn(); });
    connect(commands.modify, &QPushButton::clicked, this, &SectionsEditor::modifyColumn);
    connect(commands.suggest, &QPushButton::clicked, this, &SectionsEditor::suggestColumnSection);
    connect(commands.wholeStorey, &QPushButton::clicked, this,
            [this] { applyColumnSection(storey(), storey()); });
    connect(commands.allStoreys, &QPushButton::clicked, this,
            [this] { applyColumnSection(1, model().counts.nStoreys); });
    return frame;
}

QWidget* SectionsEditor::buildBeamFrame() {
    QGroupBox* frame = makeFrame("fraTravi", QStringLiteral("Sezione Travi"), this);
    auto* layout = new QVBoxLayout(frame);
    direction_ = new QComboBox(frame);
    direction_->setObjectName("cmbDirezioneTravi");
    direction_->addItems(
        {QStringLiteral("Travi in direzione X"), QStringLiteral("Travi in direzione Y")});
    nameControl(*direction_, QStringLiteral("Direzione delle travi"));
    layout->addWidget(direction_);

    QLabel* nodesLabel = makeLabel("lblNodoTra", QStringLiteral("Numero dei Nodi"), frame);
    beam_ = new NumberSelector("txtNodoiTra", "hsbNodoTra", rangeMessages::node(), host_.asker(),
                               frame);
    nameAfterLabel(*nodesLabel, *beam_);
    beamEnd_ = makeReadOnlyBox("txtNodojTra", frame);
    beamEnd_->setMaximumWidth(90);
    nameControl(*beamEnd_, QStringLiteral("Secondo nodo della trave"));
    auto* nodesRow = new QHBoxLayout;
    nodesRow->addWidget(nodesLabel);
    nodesRow->addWidget(beam_, 1);
    nodesRow->addWidget(beamEnd_);
    layout->addLayout(nodesRow);

    beamBoxes_ = buildSectionBoxes(frame, "Tra", {"Rettangolare", "a T"},
                                   QStringLiteral("Spessore ali della trave"),
                                   QStringLiteral("Spessore anima della trave"));

    const SectionCommands commands = addSectionCommands(
        *frame, *layout, "Tra", QStringLiteral("tutte le travi della direzione mostrata"));
    beamActions_ = {commands.modify, commands.suggest};

    connect(direction_, &QComboBox::currentIndexChanged, this, [this] { chooseBeamDirection(); });
    connect(beam_, &NumberSelector::valueChanged, this, [this] { showBeam(); });
    connect(commands.modify, &QPushButton::clicked, this, &SectionsEditor::modifyBeam);
    connect(commands.suggest, &QPushButton::clicked, this, &SectionsEditor::suggestBeamSection);
    connect(commands.wholeStorey, &QPushButton::clicked, this,
            [this] { applyBeamSection(storey(), storey()); });
    connect(commands.allStoreys, &QPushButton::clicked, this,
            [this] { applyBeamSection(1, model().counts.nStoreys); });
    return frame;
}

QWidget* SectionsEditor::buildGeneralFrame() {
    QGroupBox* frame = makeFrame("fraGenerale", QString(), this);
    QLabel* storeyLabel = makeLabel("lblPiano", QStringLiteral("PIANO"), frame);
    storey_ = makeStoreySelector(*storeyLabel, host_.asker(), model().counts.nStoreys, frame);
    QLabel* concreteLabel =
        makeLabel("lblCalcestruzzo", QStringLiteral("Classe Calcestruzzo [MPa]"), frame);
    concrete_ = new QComboBox(frame);
    concrete_->setObjectName("cmbCalcestruzzo");
    fillConcreteClasses(*concrete_, projectConcreteClass(model()));
    nameAfterLabel(*concreteLabel, *concrete_);
    stress_ = makeLabel("lblTensione", QString(), frame);
    QPushButton* finish = makeButton("cmdFine", QStringLiteral("FINE FASE DI INPUT"), frame);

    auto* layout = new QGridLayout(frame);
    layout->addWidget(storeyLabel, 0, 0);
    layout->addWidget(storey_, 0, 1);
    layout->addWidget(concreteLabel, 0, 2);
    layout->addWidget(concrete_, 0, 3);
    layout->addWidget(stress_, 1, 2, 1, 2);
    layout->addWidget(finish, 0, 4, 2, 1);
    layout->setColumnStretch(1, 1);

    connect(storey_, &NumberSelector::valueChanged, this, [this] { showStorey(); });
    connect(concrete_, &QComboBox::currentIndexChanged, this, [this] { chooseConcreteClass(); });
    connect(finish, &QPushButton::clicked, this, &SectionsEditor::finishInput);
    return frame;
}

int SectionsEditor::storey() const {
    return storey_->value();
}

BeamDirection SectionsEditor::beamDirection() const {
    return direction_->currentIndex() == 1 ? BeamDirection::alongY : BeamDirection::alongX;
}

bool SectionsEditor::hasColumn(int node) const {
    const Counts& c = model().counts;
    return node >= 1 && node <= c.nX * c.nY + c.nExtra &&
           isPresent(model(), storey(), numbering::columnSlot(c, node));
}

bool SectionsEditor::hasBeam(int firstNode) const {
    const Counts& c = model().counts;
    const BeamDirection direction = beamDirection();
    return canStartBeam(c, direction, firstNode) &&
           isPresent(model(), storey(), beamSlot(c, direction, firstNode));
}

Following SectionsEditor::follow(ProjectChange /*change*/) {
    showStorey();
    return Following::stayOpen;
}

// --- what is shown ---------------------------------------------------------------------------

void SectionsEditor::showStorey() {
    settleOnExisting(*column_, [this](int n) { return hasColumn(n); });
    settleOnExisting(*beam_, [this](int i) { return hasBeam(i); });
    showColumn();
    showBeam();
}

namespace {

// Shows a stored section in the boxes. An element without any section yet leaves the boxes as
// they are (the values typed last), and says so.
void showSection(QComboBox* shape, QLineEdit* base, QLineEdit* height, QLineEdit* thickness1,
                 QLineEdit* thickness2, QLabel* state, bool secondShape, double b, double h,
                 double t1, double t2) {
    if (!secondShape && b == 0 && h == 0 && t1 == 0 && t2 == 0) {
        state->setText(QStringLiteral("Sezione non ancora assegnata: i valori mostrati sono gli "
                                      "ultimi inseriti."));
        return;
    }
    state->setText(QString());
    shape->setCurrentIndex(secondShape ? 1 : 0);
    base->setText(boxText(b));
    height->setText(boxText(h));
    thickness1->setText(secondShape ? boxText(t1) : QString());
    thickness2->setText(secondShape ? boxText(t2) : QString());
}

} // namespace

void SectionsEditor::showColumn() {
    const int node = column_->value();
    const bool exists = hasColumn(node);
    for (QWidget* action : columnActions_)
        action->setEnabled(exists);
    const SectionBoxes& b = columnBoxes_;
    if (!exists) {
        b.state->setText(QStringLiteral("Nessun pilastro in questo piano."));
    } else {
        const ColumnSection s =
            columnSection(model(), storey(), numbering::columnSlot(model().counts, node));
        showSection(b.shape, b.base, b.height, b.thickness1, b.thickness2, b.state,
                    s.shape == ColumnShape::box, s.base, s.height, s.wallsAlongX, s.wallsAlongY);
    }
    redraw();
}

void SectionsEditor::showBeam() {
    const int first = beam_->value();
    const bool exists = hasBeam(first);
    for (QWidget* action : beamActions_)
        action->setEnabled(exists);
    beamEnd_->setText(QString::number(beamEnd(model().counts, beamDirection(), first)));
    const SectionBoxes& b = beamBoxes_;
    if (!exists) {
        b.state->setText(QStringLiteral("Nessuna trave in questa direzione nel piano."));
    } else {
        const BeamSection s =
            beamSection(model(), storey(), beamSlot(model().counts, beamDirection(), first));
        showSection(b.shape, b.base, b.height, b.thickness1, b.thickness2, b.state,
                    s.shape == BeamShape::tee, s.base, s.height, s.flange, s.web);
    }
    redraw();
}

// A new direction starts again from the first beam of that direction in the storey.
void SectionsEditor::chooseBeamDirection() {
    beam_->setRange(1, lastBeamStart(model().counts, beamDirection()));
    beam_->setValue(1);
    settleOnExisting(*beam_, [this](int i) { return hasBeam(i); });
    showBeam();
}

void SectionsEditor::chooseConcreteClass() {
    allowableStress_ = allowableConcreteStress(selectedConcreteClass(*concrete_));
    stress_->setText(QStringLiteral("Tensione ammissibile: %1 N/mm²")
                         .arg(displayLocale().toString(allowableStress_, 'g', 6)));
}

void SectionsEditor::redraw() {
    plan_->setDrawing(
        chosenElementsPlan(model(), storey(), column_->value(), beamDirection(), beam_->value()));
}

// --- typed sections ----------------------------------------------------------------------------

std::optional<double> SectionsEditor::readSize(QLineEdit* box) {
    std::optional<double> value = readNumberBox(*box, host_.asker());
    if (!value) {
        box->setFocus();
        box->selectAll();
    }
    return value;
}

std::optional<std::array<double, 4>> SectionsEditor::typedSizes(const SectionBoxes& b) {
    const bool secondShape = b.shape->currentIndex() == 1;
    std::array<double, 4> sizes{};
    const std::array<QLineEdit*, 4> boxes{b.base, b.height, b.thickness1, b.thickness2};
    for (std::size_t i = 0; i < (secondShape ? 4u : 2u); ++i) {
        const std::optional<double> size = readSize(boxes[i]);
        if (!size)
            return std::nullopt;
        sizes[i] = *size;
    }
    return sizes;
}

bool SectionsEditor::refusedSection(const std::optional<std::string>& refusal) {
    if (refusal)
        host_.asker().ask(recordRefusalMessage("La sezione non può essere assegnata:", *refusal));
    return refusal.has_value();
}

std::optional<ColumnSection> SectionsEditor::typedColumnSection() {
    const std::optional<std::array<double, 4>> sizes = typedSizes(columnBoxes_);
    if (!sizes)
        return std::nullopt;
    const ColumnShape shape =
        columnBoxes_.shape->currentIndex() == 1 ? ColumnShape::box : ColumnShape::rectangle;
    const ColumnSection s{shape, (*sizes)[0], (*sizes)[1], (*sizes)[2], (*sizes)[3]};
    if (refusedSection(columnSectionProblem(s)))
        return std::nullopt;
    return s;
}

std::optional<BeamSection> SectionsEditor::typedBeamSection() {
    const std::optional<std::array<double, 4>> sizes = typedSizes(beamBoxes_);
    if (!sizes)
        return std::nullopt;
    const BeamShape shape =
        beamBoxes_.shape->currentIndex() == 1 ? BeamShape::tee : BeamShape::rectangle;
    const BeamSection s{shape, (*sizes)[0], (*sizes)[1], (*sizes)[2], (*sizes)[3]};
    if (refusedSection(beamSectionProblem(s)))
        return std::nullopt;
    return s;
}

// --- commands ----------------------------------------------------------------------------------

void SectionsEditor::modifyColumn() {
    const int node = column_->value();
    if (!hasColumn(node))
        return;
    const std::optional<ColumnSection> section = typedColumnSection();
    if (!section)
        return;
    setColumnSection(model(), storey(), numbering::columnSlot(model().counts, node), *section);
    host_.projectChanged(ProjectChange::modelEdited, this);
    showColumn();
}

void SectionsEditor::modifyBeam() {
    const int first = beam_->value();
    if (!hasBeam(first))
        return;
    const std::optional<BeamSection> section = typedBeamSection();
    if (!section)
        return;
    setBeamSection(model(), storey(), beamSlot(model().counts, beamDirection(), first), *section);
    host_.projectChanged(ProjectChange::modelEdited, this);
    showBeam();
}

// The question before a section is given to many elements at once: `elements` names them
// ("tutti i pilastri e setti").
bool SectionsEditor::confirmBulk(const std::string& elements, int firstStorey, int lastStorey) {
    const std::string storeys = firstStorey == lastStorey
                                    ? "del piano " + std::to_string(firstStorey)
                                    : std::string("di tutti i piani");
    return host_.asker().confirm(
        {"La sezione sarà assegnata a " + elements + " presenti " + storeys + ".", "Continuare?"},
        "Avviso", MessageIcon::Exclamation);
}

void SectionsEditor::applyColumnSection(int firstStorey, int lastStorey) {
    const std::optional<ColumnSection> section = typedColumnSection();
    if (!section || !confirmBulk("tutti i pilastri e setti", firstStorey, lastStorey))
        return;
    for (int k = firstStorey; k <= lastStorey; ++k)
        applyColumnSectionToStorey(model(), k, *section);
    host_.projectChanged(ProjectChange::modelEdited, this);
    showColumn();
}

void SectionsEditor::applyBeamSection(int firstStorey, int lastStorey) {
    const std::optional<BeamSection> section = typedBeamSection();
    const std::string beams = std::string("tutte le travi in direzione ") +
                              (beamDirection() == BeamDirection::alongX ? "X" : "Y");
    if (!section || !confirmBulk(beams, firstStorey, lastStorey))
        return;
    for (int k = firstStorey; k <= lastStorey; ++k)
        applyBeamSectionToStorey(model(), k, beamDirection(), *section);
    host_.projectChanged(ProjectChange::modelEdited, this);
    showBeam();
}

void SectionsEditor::suggestColumnSection() {
    const Model& m = model();
    const int node = column_->value();
    Asker& asker = host_.asker();
    if (!hasColumn(node))
        return;
    if (!numbering::isGridNode(m.counts, node)) {
        asker.tell({"Il predimensionamento dell'elemento strutturale",
                    " è indipendente dai carichi verticali, in",
                    "quanto su di esso non grava alcuna trave"},
                   "Sezione Suggerita", MessageIcon::Exclamation);
        return;
    }
    const int k = storey();
    const bool hasLoads = m.beamLoads.upper(1) >= k && m.beamLoads.upper(2) >= node;
    const double axialForce = hasLoads ? m.beamLoads(k, node) : 0;
    const SuggestedColumnSection s = orvanta::suggestColumnSection(axialForce, allowableStress_);
    asker.tell({"La sezione suggerita per il pilastro al",
                "fine di contenere lo sforzo assiale è di:     ", "",
                "- " + std::to_string(fixedRectangleSide) + " x " +
                    std::to_string(s.rectangleSide) + " mmq per sezioni rettangolari",
                "- " + std::to_string(s.squareSide) + " x " + std::to_string(s.squareSide) +
                    " mmq per sezioni quadrate"},
               "Sezione Suggerita", MessageIcon::Information);
}

void SectionsEditor::suggestBeamSection() {
    host_.asker().tell({"La procedura per il predimensionamento dell'elemento",
                        "trave è al momento da completarsi"},
                       "Sezione Suggerita", MessageIcon::Exclamation);
}

// Warns about elements without a valid section, asks, saves through the main window, writes
// the plan picture beside the project file and closes. A project that was not saved keeps the
// window open: the input phases end only with the project on disk.
void SectionsEditor::finishInput() {
    Asker& asker = host_.asker();
    if (const std::optional<Message> warning = endOfInputWarning(model());
        warning && asker.ask(*warning) != Answer::Yes)
        return;
    if (!asker.confirm(
            {"Prima di procedere i dati immessi in input", "verranno salvati su file. Continuare?"},
            "Avviso", MessageIcon::Exclamation))
        return;
    if (!host_.saveProject()) {
        asker.tell({"Il progetto non è stato salvato.",
                    "La fase di input si concluderà quando il progetto sarà salvato."},
                   "Avviso", MessageIcon::Exclamation);
        return;
    }
    const std::string picture = host_.session().siblingFile(".bmp");
    if (const std::string error = writePlanBitmap(model(), bitmapStorey, picture); !error.empty())
        asker.tell({"Impossibile scrivere la pianta del progetto", picture + ": " + error,
                    "Il progetto è stato salvato; la pianta non sarà mostrata."},
                   "Avviso", MessageIcon::Exclamation);
    host_.closeChild(QString::fromLatin1(childWindow::sections));
}

} // namespace orvanta
