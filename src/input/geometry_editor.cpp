#include "geometry_editor.h"

#include "accessible_names.h"
#include "confirmations.h"
#include "drawing_geometry.h"
#include "element_plan.h"
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

GeometryEditor::GeometryEditor(ChildHost& host, QWidget* parent)
    : QWidget(parent), host_(host), model_(host.document().model()) {
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
    const int node = columnNode_->value();
    const int storey = chosenStorey(*columnElevations_);
    edit("Aggiungi Pilastro", [&](Model& m) { setColumnThrough(m, node, storey, true); });
}

void GeometryEditor::removeColumn() {
    const int node = columnNode_->value();
    const int storey = chosenStorey(*columnElevations_);
    edit("Elimina Pilastro", [&](Model& m) { setColumnThrough(m, node, storey, false); });
}

void GeometryEditor::placeAllColumns() {
    const int storey = chosenStorey(*columnElevations_);
    edit("Pilastri su tutti i nodi", [&](Model& m) { placeColumnsOnGrid(m, storey); });
}

void GeometryEditor::addBeam() {
    const BeamDirection direction = beamDirection();
    const int start = beamStart_->value();
    const int storey = chosenStorey(*beamStorey_);
    edit("Aggiungi Trave", [&](Model& m) { setBeam(m, direction, start, storey, true); });
}

void GeometryEditor::removeBeam() {
    const BeamDirection direction = beamDirection();
    const int start = beamStart_->value();
    const int storey = chosenStorey(*beamStorey_);
    edit("Elimina Trave", [&](Model& m) { setBeam(m, direction, start, storey, false); });
}

void GeometryEditor::placeAllBeams() {
    const int storey = chosenStorey(*beamStorey_);
    edit("Travi su tutta la griglia", [&](Model& m) { placeEveryBeam(m, storey); });
}

void GeometryEditor::deleteAll() {
    if (!confirmDeleteAll(host_.asker()))
        return;
    edit("Elimina Tutto", [](Model& m) { clearMembers(m); });
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

// The document tells the other windows; this one redraws its plan itself, as after an undo.
void GeometryEditor::edit(const char* caption, std::function<void(Model&)> change) {
    host_.document().apply(modelEdit(caption, std::move(change)));
    redrawPlan();
}

Following GeometryEditor::follow(ProjectChange /*change*/) {
    redrawPlan();
    return Following::stayOpen;
}

void GeometryEditor::redrawPlan() {
    if (!plan_ || !shownStorey_ || !beamStart_)
        return;
    plan_->setDrawing(chosenElementsPlan(model_, shownStorey_->value(), columnNode_->value(),
                                         beamDirection(), beamStart_->value()));
}

} // namespace orvanta
