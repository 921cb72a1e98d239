#include "geometry_editor.h"

#include "accessible_names.h"
#include "confirmations.h"
#include "drawing_geometry.h"
#include "named_controls.h"
#include "number_selector.h"
#include "numbering.h"
#include "picture_box.h"
#include "plan_view.h"
#include "storey_selector.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <cmath>

namespace orvanta {

namespace {

constexpr int mostNumberedNodes = 400;
constexpr Colour nodeNumberColour = Colour::rgb(150, 150, 150);
constexpr Colour chosenColumnColour = Colour::rgb(255, 255, 0); // yellow
constexpr Colour chosenBeamColour = colours::green;
constexpr double chosenColumnRadius = 260;      // twips, around the ±150 square
constexpr TwipsPoint nodeNumberOffset{160, 40}; // twips, below right of the node
constexpr double nodeNumberSize = 9;            // points

// The segment between two points shortened by `margin` twips at each end.
std::pair<TwipsPoint, TwipsPoint> shortened(TwipsPoint a, TwipsPoint b, double margin) {
    const double length = std::hypot(b.x - a.x, b.y - a.y);
    if (length <= 2 * margin)
        return {a, b};
    const double ux = (b.x - a.x) / length;
    const double uy = (b.y - a.y) / length;
    return {{a.x + ux * margin, a.y + uy * margin}, {b.x - ux * margin, b.y - uy * margin}};
}

void drawNodeNumbers(Drawing& d, const Model& m) {
    const int nodes = m.counts.nX * m.counts.nY + m.counts.nExtra;
    if (nodes > mostNumberedNodes)
        return;
    const double fontSize = d.fontSize();
    d.setFontSize(nodeNumberSize);
    for (int node = 1; node <= nodes; ++node) {
        const numbering::PlanPoint p = numbering::nodePosition(m, node);
        const TwipsPoint at = planPoint(p.x, p.y, m.planScale);
        d.text({at.x + nodeNumberOffset.x, at.y + nodeNumberOffset.y}, std::to_string(node),
               nodeNumberColour);
    }
    d.setFontSize(fontSize);
}

} // namespace

Drawing geometryPlan(const Model& m, int storey, int columnNode, BeamDirection direction,
                     int beamStart) {
    Drawing d(Drawing::defaultExtent, colours::black);
    const double scale = m.planScale;
    drawStoreyPlan(d, storeyPlan(m, storey), scale);
    drawNodeNumbers(d, m);

    const numbering::PlanPoint column = numbering::nodePosition(m, columnNode);
    d.circle(planPoint(column.x, column.y, scale), chosenColumnRadius, chosenColumnColour);

    // The chosen beam in green between the column squares, with the beam itself drawn again
    // over it when it is there.
    const numbering::PlanPoint from = numbering::nodePosition(m, beamStart);
    const numbering::PlanPoint to =
        numbering::nodePosition(m, beamEnd(m.counts, direction, beamStart));
    const auto [a, b] =
        shortened(planPoint(from.x, from.y, scale), planPoint(to.x, to.y, scale), columnHalfSide);
    d.setPenWidth(3);
    d.line(a, b, chosenBeamColour);
    d.setPenWidth(1);
    if (isPresent(m, storey, beamSlot(m.counts, direction, beamStart)))
        d.line(a, b, PlanStyle{}.foreground);
    return d;
}

GeometryEditor::GeometryEditor(ChildHost& host, QWidget* parent)
    : QWidget(parent), host_(host), model_(host.session().model()) {
    setObjectName(QString::fromLatin1(childWindow::geometry));

    plan_ = new PictureBox(QStringLiteral("pctPianta"), Drawing::defaultExtent, this);
    plan_->setMinimumSize(360, 300);
    plan_->setToolTip(
        QStringLiteral("In giallo il nodo del pilastro scelto, in verde la trave scelta"));
    nameControl(*plan_, QStringLiteral("Pianta del piano"));

    // The controls keep their natural width; the plan takes the rest.
    auto* controls = new QWidget(this);
    controls->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Preferred);
    auto* left = new QVBoxLayout(controls);
    left->setContentsMargins(0, 0, 0, 0);
    left->addWidget(buildStructureFrame());
    left->addWidget(buildStoreyRow());
    left->addWidget(buildGeneralFrame());
    left->addStretch(1);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(controls);
    layout->addWidget(plan_, 1);

    beamDirectionChosen();
    redrawPlan();
}

QWidget* GeometryEditor::buildStructureFrame() {
    QGroupBox* frame = makeFrame("fraStruttura", QStringLiteral(" INSERIMENTO STRUTTURA "), this);
    auto* layout = new QGridLayout(frame);
    const Counts& c = model_.counts;
    Asker& asker = host_.asker();

    QLabel* columnsHeading =
        makeLabel("lblPilastri", QStringLiteral("Inserimento Ritti Strutturali"), this);
    QFont heading = columnsHeading->font();
    heading.setBold(true);
    columnsHeading->setFont(heading);
    QLabel* nodeLabel = makeLabel("lblNodoPil", QStringLiteral("Numero del Nodo"), this);
    columnNode_ = new NumberSelector(QStringLiteral("txtNodoPil"), QStringLiteral("hsbNodoPil"),
                                     rangeMessages::node(), asker, this);
    columnNode_->setRange(1, c.nX * c.nY + c.nExtra);
    nameAfterLabel(*nodeLabel, *columnNode_);
    QLabel* elevationsLabel =
        makeLabel("lblElevazionePil", QStringLiteral("Numero di Elevazioni"), this);
    columnElevations_ = new QComboBox(this);
    columnElevations_->setObjectName(QStringLiteral("cmbElevazionePil"));
    fillStoreyList(*columnElevations_, c.nStoreys);
    // Columns usually rise through the whole building.
    columnElevations_->setCurrentIndex(c.nStoreys - 1);
    nameAfterLabel(*elevationsLabel, *columnElevations_);
    QPushButton* addColumnButton = makeButton("cmdAggiungiPil", QStringLiteral("Aggiungi"), this);
    QPushButton* removeColumnButton = makeButton("cmdEliminaPil", QStringLiteral("Elimina"), this);
    QPushButton* allColumnsButton =
        makeButton("cmdPilastriTutti", QStringLiteral("Pilastri su tutti i nodi"), this);
    allColumnsButton->setToolTip(QStringLiteral(
        "Un pilastro su ogni nodo della griglia per il numero di elevazioni scelto"));
    for (QPushButton* b : {addColumnButton, removeColumnButton})
        b->setAccessibleDescription(QStringLiteral("Ritto strutturale"));

    QLabel* beamsHeading =
        makeLabel("lblTravi", QStringLiteral("Inserimento Travi di Piano"), this);
    beamsHeading->setFont(heading);
    beamsAlongX_ = makeOption("optTraviX", QStringLiteral("Travi in direzione X"), this);
    beamsAlongY_ = makeOption("optTraviY", QStringLiteral("Travi in direzione Y"), this);
    beamsAlongX_->setChecked(true);
    auto* directions = new QButtonGroup(this);
    directions->addButton(beamsAlongX_);
    directions->addButton(beamsAlongY_);
    QLabel* beamNodesLabel = makeLabel("lblNodoTra", QStringLiteral("Numero dei Nodi"), this);
    beamStart_ = new NumberSelector(QStringLiteral("txtNodoiTra"), QStringLiteral("hsbNodoTra"),
                                    rangeMessages::node(), asker, this);
    nameAfterLabel(*beamNodesLabel, *beamStart_);
    beamEnd_ = makeNumberBox("txtNodojTra", QString(), this);
    beamEnd_->setReadOnly(true);
    beamEnd_->setFocusPolicy(Qt::NoFocus);
    beamEnd_->setMaximumWidth(beamStart_->textBox()->maximumWidth());
    nameControl(*beamEnd_, QStringLiteral("Nodo finale della trave"));
    QLabel* beamStoreyLabel =
        makeLabel("lblElevazioneTra", QStringLiteral("Piano di Inserimento"), this);
    beamStorey_ = new QComboBox(this);
    beamStorey_->setObjectName(QStringLiteral("cmbElevazioneTra"));
    fillStoreyList(*beamStorey_, c.nStoreys);
    nameAfterLabel(*beamStoreyLabel, *beamStorey_);
    QPushButton* addBeamButton = makeButton("cmdAggiungiTra", QStringLiteral("Aggiungi"), this);
    QPushButton* removeBeamButton = makeButton("cmdEliminaTra", QStringLiteral("Elimina"), this);
    QPushButton* allBeamsButton =
        makeButton("cmdTraviTutte", QStringLiteral("Travi su tutta la griglia"), this);
    allBeamsButton->setToolTip(
        QStringLiteral("Tutte le travi in direzione X e Y del piano di inserimento"));
    for (QPushButton* b : {addBeamButton, removeBeamButton})
        b->setAccessibleDescription(QStringLiteral("Trave di piano"));

    connect(columnNode_, &NumberSelector::valueChanged, this, &GeometryEditor::redrawPlan);
    connect(addColumnButton, &QPushButton::clicked, this, &GeometryEditor::addColumn);
    connect(removeColumnButton, &QPushButton::clicked, this, &GeometryEditor::removeColumn);
    connect(allColumnsButton, &QPushButton::clicked, this, &GeometryEditor::placeAllColumns);
    connect(beamsAlongX_, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            beamDirectionChosen();
    });
    connect(beamsAlongY_, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            beamDirectionChosen();
    });
    connect(beamStart_, &NumberSelector::valueChanged, this, [this] {
        showBeamEnd();
        redrawPlan();
    });
    // The plan follows the storey the beams are placed in.
    connect(beamStorey_, &QComboBox::currentIndexChanged, this, [this] {
        if (shownStorey_)
            shownStorey_->setValue(chosenStorey(*beamStorey_));
    });
    connect(addBeamButton, &QPushButton::clicked, this, &GeometryEditor::addBeam);
    connect(removeBeamButton, &QPushButton::clicked, this, &GeometryEditor::removeBeam);
    connect(allBeamsButton, &QPushButton::clicked, this, &GeometryEditor::placeAllBeams);

    int r = 0;
    layout->addWidget(columnsHeading, r++, 0, 1, 3);
    layout->addWidget(nodeLabel, r, 0);
    layout->addWidget(columnNode_, r++, 1, 1, 2);
    layout->addWidget(elevationsLabel, r, 0);
    layout->addWidget(columnElevations_, r++, 1, Qt::AlignLeft);
    layout->addWidget(addColumnButton, r, 0);
    layout->addWidget(removeColumnButton, r++, 1);
    layout->addWidget(allColumnsButton, r++, 0, 1, 3);
    layout->setRowMinimumHeight(r++, 8);
    layout->addWidget(beamsHeading, r++, 0, 1, 3);
    layout->addWidget(beamsAlongX_, r, 0);
    layout->addWidget(beamsAlongY_, r++, 1, 1, 2);
    layout->addWidget(beamNodesLabel, r, 0);
    layout->addWidget(beamStart_, r, 1);
    layout->addWidget(beamEnd_, r++, 2);
    layout->addWidget(beamStoreyLabel, r, 0);
    layout->addWidget(beamStorey_, r++, 1, Qt::AlignLeft);
    layout->addWidget(addBeamButton, r, 0);
    layout->addWidget(removeBeamButton, r++, 1);
    layout->addWidget(allBeamsButton, r++, 0, 1, 3);
    return frame;
}

QWidget* GeometryEditor::buildStoreyRow() {
    auto* row = new QWidget(this);
    QLabel* label = makeLabel("lblPiano", QStringLiteral("PIANO"), row);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    shownStorey_ = makeStoreySelector(*label, host_.asker(), model_.counts.nStoreys, row);
    connect(shownStorey_, &NumberSelector::valueChanged, this, &GeometryEditor::redrawPlan);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(label);
    layout->addWidget(shownStorey_, 1);
    return row;
}

QWidget* GeometryEditor::buildGeneralFrame() {
    QGroupBox* frame = makeFrame("fraGenerale", QString(), this);
    QPushButton* deleteAllButton =
        makeButton("cmdEliminaTutto", QStringLiteral("Elimina Tutto"), this);
    QPushButton* handOverButton =
        makeButton("cmdInserisciCarichi", QStringLiteral("INSERISCI CARICHI STRUTTURA"), this);
    connect(deleteAllButton, &QPushButton::clicked, this, &GeometryEditor::deleteAll);
    connect(handOverButton, &QPushButton::clicked, this, &GeometryEditor::handOver);
    auto* layout = new QVBoxLayout(frame);
    layout->addWidget(deleteAllButton);
    layout->addWidget(handOverButton);
    return frame;
}

// --- Events --------------------------------------------------------------------------------

BeamDirection GeometryEditor::beamDirection() const {
    return beamsAlongY_->isChecked() ? BeamDirection::alongY : BeamDirection::alongX;
}

// Along X a beam may not start on the last X line: the bar skips those nodes.
void GeometryEditor::beamDirectionChosen() {
    const Counts c = model_.counts;
    const BeamDirection direction = beamDirection();
    beamStart_->setOccupied([c, direction](int node) { return canStartBeam(c, direction, node); });
    beamStart_->setRange(1, lastBeamStart(c, direction));
    beamStart_->setValue(1);
    showBeamEnd();
    redrawPlan();
}

void GeometryEditor::showBeamEnd() {
    beamEnd_->setText(
        QString::number(beamEnd(model_.counts, beamDirection(), beamStart_->value())));
}

void GeometryEditor::addColumn() {
    setColumnThrough(model_, columnNode_->value(), chosenStorey(*columnElevations_), true);
    edited();
}

void GeometryEditor::removeColumn() {
    setColumnThrough(model_, columnNode_->value(), chosenStorey(*columnElevations_), false);
    edited();
}

void GeometryEditor::placeAllColumns() {
    placeColumnsOnGrid(model_, chosenStorey(*columnElevations_));
    edited();
}

void GeometryEditor::addBeam() {
    setBeam(model_, beamDirection(), beamStart_->value(), chosenStorey(*beamStorey_), true);
    edited();
}

void GeometryEditor::removeBeam() {
    setBeam(model_, beamDirection(), beamStart_->value(), chosenStorey(*beamStorey_), false);
    edited();
}

void GeometryEditor::placeAllBeams() {
    placeEveryBeam(model_, chosenStorey(*beamStorey_));
    edited();
}

void GeometryEditor::deleteAll() {
    if (!confirmDeleteAll(host_.asker()))
        return;
    clearMembers(model_);
    edited();
}

// A storey without any column cannot carry its slabs: the load distribution finds no column to
// hand their loads to. The user may still go on, knowing it.
bool GeometryEditor::confirmStoreysWithoutColumns() {
    const std::vector<int> empty = storeysWithoutColumns(model_);
    if (empty.empty())
        return true;
    std::string list;
    for (const int k : empty)
        list += (list.empty() ? "" : ", ") + std::to_string(k);
    const bool one = empty.size() == 1;
    return host_.asker().confirm(
        {(one ? "Nel piano " : "Nei piani ") + list + " non c'è nessun pilastro:",
         one ? "i carichi dei suoi solai non potranno essere distribuiti."
             : "i carichi dei loro solai non potranno essere distribuiti.",
         "Continuare comunque?"},
        "Avviso", MessageIcon::Exclamation);
}

void GeometryEditor::handOver() {
    if (!confirmStoreysWithoutColumns())
        return;
    if (!confirmNextPhase(host_.asker(),
                          "modificare il numero di elementi strutturali. Continuare?"))
        return;
    host_.closeChild(QString::fromLatin1(childWindow::geometry));
    host_.openChild(QString::fromLatin1(childWindow::loads));
}

// --- Display -------------------------------------------------------------------------------

void GeometryEditor::edited() {
    host_.projectChanged(ProjectChange::modelEdited, this);
    redrawPlan();
}

void GeometryEditor::redrawPlan() {
    if (!plan_ || !shownStorey_ || !beamStart_)
        return;
    plan_->setDrawing(geometryPlan(model_, shownStorey_->value(), columnNode_->value(),
                                   beamDirection(), beamStart_->value()));
}

} // namespace orvanta
