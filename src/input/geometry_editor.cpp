#include "geometry_editor.h"

#include "accessible_names.h"
#include "building_edits.h"
#include "confirmations.h"
#include "drawing_geometry.h"
#include "element_plan.h"
#include "named_controls.h"
#include "number_selector.h"
#include "numbering.h"
#include "picture_box.h"
#include "plan_view.h"
#include "storey_copy.h"
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
    : QWidget(parent), host_(host), model_(host.session().model()),
      existing_(host.session().model().hasCompleteArrays()) {
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
    left->addWidget(buildCopyFrame());
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
    addExistingBuildingRows(*layout, layout->indexOf(columnElevations_));
    return frame;
}

// Beside "Numero di Elevazioni" the storey the column starts from (1 while a new building is
// entered, as the column then rises from the base); under the placing buttons of a building
// already entered, the sections of new columns and beams: the nearest one's by default.
void GeometryEditor::addExistingBuildingRows(QGridLayout& layout, int columnItem) {
    const int storeys = model_.counts.nStoreys;
    int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
    layout.getItemPosition(columnItem, &row, &column, &rowSpan, &columnSpan);
    auto* from = new QWidget(this);
    QLabel* fromLabel = makeLabel("lblDalPianoPil", QStringLiteral("Dal Piano"), from);
    columnFrom_ = new QComboBox(from);
    columnFrom_->setObjectName(QStringLiteral("cmbDalPianoPil"));
    fillStoreyList(*columnFrom_, storeys);
    nameAfterLabel(*fromLabel, *columnFrom_);
    auto* fromLayout = new QHBoxLayout(from);
    fromLayout->setContentsMargins(0, 0, 0, 0);
    fromLayout->addWidget(fromLabel);
    fromLayout->addWidget(columnFrom_);
    layout.addWidget(from, row, 2, Qt::AlignLeft);
    from->setVisible(existing_);

    const int lastRow = layout.rowCount();
    QLabel* columnLabel =
        makeLabel("lblSezionePil", QStringLiteral("Sezione dei nuovi pilastri"), this);
    columnSection_ = new QComboBox(this);
    columnSection_->setObjectName(QStringLiteral("cmbSezionePil"));
    nameAfterLabel(*columnLabel, *columnSection_);
    QLabel* beamLabel =
        makeLabel("lblSezioneTra", QStringLiteral("Sezione delle nuove travi"), this);
    beamSection_ = new QComboBox(this);
    beamSection_->setObjectName(QStringLiteral("cmbSezioneTra"));
    nameAfterLabel(*beamLabel, *beamSection_);
    columnSections_ = columnSectionsInUse(model_);
    beamSections_ = beamSectionsInUse(model_);
    columnSection_->addItem(QStringLiteral("Come il pilastro più vicino"));
    for (const ColumnSection& section : columnSections_)
        columnSection_->addItem(QString::fromStdString(describeSection(section)));
    beamSection_->addItem(QStringLiteral("Come la trave più vicina"));
    for (const BeamSection& section : beamSections_)
        beamSection_->addItem(QString::fromStdString(describeSection(section)));
    layout.addWidget(columnLabel, lastRow, 0);
    layout.addWidget(columnSection_, lastRow, 1, 1, 2);
    layout.addWidget(beamLabel, lastRow + 1, 0);
    layout.addWidget(beamSection_, lastRow + 1, 1, 1, 2);
    for (QWidget* w :
         std::initializer_list<QWidget*>{columnLabel, columnSection_, beamLabel, beamSection_})
        w->setVisible(existing_);
}

QWidget* GeometryEditor::buildCopyFrame() {
    QGroupBox* frame = makeFrame("fraCopiaPiano", QStringLiteral(" COPIA PIANO "), this);
    const int storeys = model_.counts.nStoreys;
    QLabel* fromLabel = makeLabel("lblPianoOrigine", QStringLiteral("Piano da copiare"), frame);
    QLabel* firstLabel = makeLabel("lblPrimoPiano", QStringLiteral("Nei piani dal"), frame);
    QLabel* lastLabel = makeLabel("lblUltimoPiano", QStringLiteral("al"), frame);
    copyFrom_ = new QComboBox(frame);
    copyFrom_->setObjectName(QStringLiteral("cmbPianoOrigine"));
    copyFirst_ = new QComboBox(frame);
    copyFirst_->setObjectName(QStringLiteral("cmbPrimoPiano"));
    copyLast_ = new QComboBox(frame);
    copyLast_->setObjectName(QStringLiteral("cmbUltimoPiano"));
    for (QComboBox* list : {copyFrom_, copyFirst_, copyLast_})
        fillStoreyList(*list, storeys);
    copyFirst_->setCurrentIndex(std::min(1, storeys - 1));
    copyLast_->setCurrentIndex(storeys - 1);
    nameAfterLabel(*fromLabel, *copyFrom_);
    nameAfterLabel(*firstLabel, *copyFirst_);
    nameControl(*copyLast_, QStringLiteral("Nei piani fino al"));
    lastLabel->setBuddy(copyLast_);
    QPushButton* copy = makeButton("cmdCopiaPiano", QStringLiteral("Copia piano..."), frame);
    copy->setToolTip(QStringLiteral(
        "Copia pilastri, travi, sezioni e solai del piano scelto nei piani indicati"));
    connect(copy, &QPushButton::clicked, this, &GeometryEditor::copyStoreys);
    auto* layout = new QGridLayout(frame);
    layout->addWidget(fromLabel, 0, 0);
    layout->addWidget(copyFrom_, 0, 1);
    layout->addWidget(firstLabel, 1, 0);
    layout->addWidget(copyFirst_, 1, 1);
    layout->addWidget(lastLabel, 1, 2);
    layout->addWidget(copyLast_, 1, 3);
    layout->addWidget(copy, 2, 0, 1, 4);
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
    QPushButton* finish = makeButton("cmdFineModifiche", QStringLiteral("FINE MODIFICHE"), frame);
    finish->setToolTip(QStringLiteral("Distribuisce di nuovo i carichi e chiude la finestra"));
    connect(finish, &QPushButton::clicked, this, &GeometryEditor::finishChanges);
    layout->addWidget(finish);
    handOverButton->setVisible(!existing_);
    finish->setVisible(existing_);
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

std::pair<int, int> GeometryEditor::columnStoreys() const {
    const int first = chosenStorey(*columnFrom_);
    return {first,
            std::min<int>(model_.counts.nStoreys, first + chosenStorey(*columnElevations_) - 1)};
}

ColumnSection GeometryEditor::newColumnSection(int storey, int node) const {
    const int chosen = columnSection_->currentIndex();
    if (chosen > 0)
        return columnSections_[static_cast<std::size_t>(chosen - 1)];
    return nearestColumnSection(model_, storey, node).value_or(defaultColumnSection);
}

BeamSection GeometryEditor::newBeamSection(int storey, BeamDirection direction, int start) const {
    const int chosen = beamSection_->currentIndex();
    if (chosen > 0)
        return beamSections_[static_cast<std::size_t>(chosen - 1)];
    return nearestBeamSection(model_, storey, direction, start).value_or(defaultBeamSection);
}

void GeometryEditor::placeColumnWithSection(int node, int first, int last) {
    const int slot = numbering::columnSlot(model_.counts, node);
    for (int k = first; k <= last; ++k) {
        if (!isPresent(model_, k, slot))
            placeColumn(model_, k, slot, newColumnSection(k, node));
    }
}

void GeometryEditor::placeBeamWithSection(BeamDirection direction, int start, int storey) {
    const int slot = beamSlot(model_.counts, direction, start);
    if (!isPresent(model_, storey, slot))
        placeBeam(model_, storey, slot, newBeamSection(storey, direction, start));
}

void GeometryEditor::addColumn() {
    if (existing_) {
        const auto [first, last] = columnStoreys();
        placeColumnWithSection(columnNode_->value(), first, last);
    } else {
        setColumnThrough(model_, columnNode_->value(), chosenStorey(*columnElevations_), true);
    }
    edited();
}

void GeometryEditor::removeColumn() {
    if (existing_) {
        const auto [first, last] = columnStoreys();
        const int slot = numbering::columnSlot(model_.counts, columnNode_->value());
        for (int k = first; k <= last; ++k)
            setPresent(model_, k, slot, false);
    } else {
        setColumnThrough(model_, columnNode_->value(), chosenStorey(*columnElevations_), false);
    }
    edited();
}

void GeometryEditor::placeAllColumns() {
    if (existing_) {
        const auto [first, last] = columnStoreys();
        for (int node = 1; node <= model_.counts.nX * model_.counts.nY; ++node)
            placeColumnWithSection(node, first, last);
    } else {
        placeColumnsOnGrid(model_, chosenStorey(*columnElevations_));
    }
    edited();
}

void GeometryEditor::addBeam() {
    if (existing_)
        placeBeamWithSection(beamDirection(), beamStart_->value(), chosenStorey(*beamStorey_));
    else
        setBeam(model_, beamDirection(), beamStart_->value(), chosenStorey(*beamStorey_), true);
    edited();
}

void GeometryEditor::removeBeam() {
    setBeam(model_, beamDirection(), beamStart_->value(), chosenStorey(*beamStorey_), false);
    edited();
}

void GeometryEditor::placeAllBeams() {
    const int storey = chosenStorey(*beamStorey_);
    if (!existing_) {
        placeEveryBeam(model_, storey);
        edited();
        return;
    }
    const Counts c = model_.counts;
    for (const BeamDirection direction : {BeamDirection::alongX, BeamDirection::alongY}) {
        for (int start = 1; start <= lastBeamStart(c, direction); ++start) {
            if (canStartBeam(c, direction, start))
                placeBeamWithSection(direction, start, storey);
        }
    }
    edited();
}

void GeometryEditor::copyStoreys() {
    const int from = chosenStorey(*copyFrom_);
    const int first = chosenStorey(*copyFirst_);
    const int last = chosenStorey(*copyLast_);
    StructuralEdit edit = copyStorey(model_, from, first, last);
    Asker& asker = host_.asker();
    if (edit.refusal) {
        asker.ask(*edit.refusal);
        return;
    }
    const std::string range =
        first == last ? "nel piano " + std::to_string(first)
                      : "nei piani da " + std::to_string(first) + " a " + std::to_string(last);
    std::vector<std::string> lines{"Pilastri, travi, sezioni e solai del piano " +
                                   std::to_string(from) + " saranno copiati " + range + "."};
    if (!edit.removed.empty())
        lines.push_back("Sostituiranno " + describeCount(edit.removed) + " già presenti.");
    lines.emplace_back("Continuare?");
    if (!asker.confirm(std::move(lines), "Avviso", MessageIcon::Exclamation))
        return;
    commitBuilding(host_, std::move(edit.model), this);
    loadsStale_ = true;
    redrawPlan();
}

// Leaving the geometry of a building already entered: its loads are distributed again when the
// elements changed; what stops that is said, and the window stays open.
void GeometryEditor::finishChanges() {
    if (!confirmStoreysWithoutColumns())
        return;
    if (loadsStale_ &&
        !redistributeQuietly(host_, QStringLiteral("dopo la modifica della geometria"), this))
        return;
    loadsStale_ = false;
    host_.closeChild(QString::fromLatin1(childWindow::geometry));
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
    loadsStale_ = true;
    host_.projectChanged(ProjectChange::modelEdited, this);
    redrawPlan();
}

void GeometryEditor::redrawPlan() {
    if (!plan_ || !shownStorey_ || !beamStart_)
        return;
    plan_->setDrawing(chosenElementsPlan(model_, shownStorey_->value(), columnNode_->value(),
                                         beamDirection(), beamStart_->value()));
}

} // namespace orvanta
