#include "grid_editor.h"

#include "accessible_names.h"
#include "confirmations.h"
#include "display_locale.h"
#include "named_controls.h"
#include "picture_box.h"
#include "typed_number.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>

namespace orvanta {

namespace {

constexpr const char* generalCaption = " DATI  GENERALI ";
constexpr const char* gridCaption = " INSERIMENTO  GRIGLIA ";
constexpr const char* maximumTip = "Inserire le coordinate massime per scalare il disegno a video";

struct AxisNames {
    const char* maximumBox;
    const char* maximumLabel;
    const char* maximumCaption;
    const char* spacingBox;
    const char* spacingLabel;
    const char* spacingCaption;
    const char* unitLabel;
    const char* unitCaption;
    const char* addButton;
    const char* removeButton;
    const char* counter;
    const char* last;
    const char* counterTip;
};

const std::array<AxisNames, 3> axisNames{{
    {"txtXmax", "lblXmax", "X max [m]", "txtX", "lblGrigliaX", "Interasse per Griglia X ", "lblX",
     "X [mm]", "cmdAggiungiX", "cmdEliminaX", "lblContatoreX", "lblUltimaX",
     "Numero della prossima linea in direzione X"},
    {"txtYmax", "lblYmax", "Y max [m]", "txtY", "lblGrigliaY", "Interasse per Griglia Y ", "lblY",
     "Y [mm]", "cmdAggiungiY", "cmdEliminaY", "lblContatoreY", "lblUltimaY",
     "Numero della prossima linea in direzione Y"},
    {"txtZmax", "lblZmax", "Z max [m]", "txtZ", "lblGrigliaZ", "Interasse per Griglia Z ", "lblZ",
     "Z [mm]", "cmdAggiungiZ", "cmdEliminaZ", "lblContatoreZ", "lblUltimaZ",
     "Numero del prossimo livello"},
}};

const AxisNames& names(GridAxis axis) {
    return axisNames[static_cast<std::size_t>(axis)];
}

constexpr std::array<GridAxis, 3> everyAxis{GridAxis::x, GridAxis::y, GridAxis::z};

// What a row adds and removes, as the buttons' names say it: "linea in direzione X", "livello".
QString lineName(GridAxis axis) {
    return axis == GridAxis::z
               ? QStringLiteral("livello")
               : QStringLiteral("linea in direzione %1")
                     .arg(axis == GridAxis::x ? QLatin1Char('X') : QLatin1Char('Y'));
}

QString lastLineName(GridAxis axis) {
    return axis == GridAxis::z ? QStringLiteral("ultimo livello")
                               : QStringLiteral("ultima ") + lineName(axis);
}

QString capitalised(QString text) {
    if (!text.isEmpty())
        text[0] = text[0].toUpper();
    return text;
}

// A label showing a value is read with what it is: "Ultima linea in direzione X: 5.500 mm", or
// "…: nessun valore" while it is empty, never as the frame around it.
void nameValueLabel(QLabel& label, const QString& what, const QString& unit) {
    label.setAccessibleName(
        what + QStringLiteral(": ") +
        (label.text().isEmpty() ? QStringLiteral("nessun valore") : label.text() + unit));
}

// A coordinate as the user reads it: whole millimetres without decimals, others with two.
QString coordinateText(double mm) {
    const int decimals = std::fabs(mm - std::round(mm)) < 1e-9 ? 0 : 2;
    return QString::fromStdString(formatNumber(mm, decimals, numberFormatOf(displayLocale())));
}

} // namespace

// A project saved in the grid phase and opened again takes up its grid where it was left.
GridEditor::GridEditor(ChildHost& host, QWidget* parent)
    : QWidget(parent), host_(host), grid_(host.session().resumedPhase() == phase::grid
                                              ? GridEntry::resumed(host.session().model())
                                              : GridEntry(host.session().model())) {
    setObjectName(QString::fromLatin1(childWindow::grid));

    plan_ = new PictureBox(QStringLiteral("pctPianta"), gridPlanExtent, this);
    plan_->setDrawing(gridPlanSketch());
    plan_->setMinimumSize(360, 300);
    nameControl(*plan_, QStringLiteral("Pianta della griglia"));
    elevation_ = new PictureBox(QStringLiteral("pctElevazione"), gridElevationExtent, this);
    elevation_->setMinimumSize(104, 160);
    elevation_->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    nameControl(*elevation_, QStringLiteral("Elevazione dei livelli"));
    redrawElevation();

    // The controls keep their natural width; the plan takes the rest.
    auto* controls = new QWidget(this);
    controls->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Preferred);
    auto* left = new QGridLayout(controls);
    left->setContentsMargins(0, 0, 0, 0);
    left->addWidget(buildGeneralFrame(), 0, 0);
    left->addWidget(elevation_, 0, 1);
    left->addWidget(buildGridFrame(), 1, 0, 1, 2);
    left->setRowStretch(2, 1);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(controls);
    layout->addWidget(plan_, 1);

    showEnteredGrid();
}

QWidget* GridEditor::buildGeneralFrame() {
    generalFrame_ = makeFrame("fraGenerale", QString::fromLatin1(generalCaption), this);
    auto* layout = new QGridLayout(generalFrame_);
    for (const GridAxis axis : everyAxis) {
        const AxisNames& n = names(axis);
        const int r = static_cast<int>(axis);
        QLabel* label = makeLabel(n.maximumLabel, QString::fromLatin1(n.maximumCaption), this);
        QLineEdit* box = makeNumberBox(n.maximumBox, QString(), this);
        box->setToolTip(QString::fromLatin1(maximumTip));
        label->setToolTip(box->toolTip());
        nameAfterLabel(*label, *box);
        connect(box, &QLineEdit::textChanged, this,
                [this, axis](const QString& text) { maximumEdited(axis, text); });
        maxima_[static_cast<std::size_t>(axis)] = box;
        layout->addWidget(label, r, 0);
        layout->addWidget(box, r, 1);
    }
    QPushButton* deleteAllButton = makeButton("cmdEliminaTutto", "Elimina Tutto", this);
    QPushButton* handOverButton =
        makeButton("cmdInserisciGeometria", "INSERISCI GEOMETRIA STRUTTURA", this);
    connect(deleteAllButton, &QPushButton::clicked, this, &GridEditor::deleteAll);
    connect(handOverButton, &QPushButton::clicked, this, &GridEditor::handOver);
    layout->addWidget(deleteAllButton, 3, 0, 1, 2);
    layout->addWidget(handOverButton, 4, 0, 1, 2);
    return generalFrame_;
}

QWidget* GridEditor::buildGridFrame() {
    gridFrame_ = makeFrame("fraGriglia", QString::fromLatin1(gridCaption), this);
    auto* layout = new QGridLayout(gridFrame_);
    QLabel* numberHeading = makeLabel("lblNumero", QStringLiteral("N."), this);
    numberHeading->setAccessibleDescription(
        QStringLiteral("Numero che avrà la prossima linea, il prossimo livello o punto nodale"));
    QLabel* lastHeading = makeLabel("lblUltima", QStringLiteral("Ultima [mm]"), this);
    lastHeading->setAccessibleDescription(
        QStringLiteral("Coordinata dell'ultima linea, dell'ultimo livello o punto nodale"));
    layout->addWidget(numberHeading, 0, 5, Qt::AlignHCenter);
    layout->addWidget(lastHeading, 0, 6);
    for (const GridAxis axis : everyAxis)
        addAxisRow(*layout, static_cast<int>(axis) + 1, axis);
    addNodeRows(*layout, 4);
    layout->setColumnStretch(6, 1);
    // The grid is entered once the drawings know the building's extents.
    gridFrame_->setEnabled(false);
    return gridFrame_;
}

void GridEditor::addAxisRow(QGridLayout& layout, int r, GridAxis axis) {
    const AxisNames& n = names(axis);
    AxisRow& entry = row(axis);
    QLabel* label = makeLabel(n.spacingLabel, QString::fromLatin1(n.spacingCaption), this);
    QLabel* unit = makeLabel(n.unitLabel, QString::fromLatin1(n.unitCaption), this);
    entry.spacing = makeNumberBox(n.spacingBox, QStringLiteral("0"), this);
    nameAfterLabel(*label, *entry.spacing);
    QPushButton* add = makeButton(n.addButton, QStringLiteral("Aggiungi"), this);
    QPushButton* remove = makeButton(n.removeButton, QStringLiteral("Elimina Ultima"), this);
    add->setAccessibleDescription(readableCaption(label->text()));
    remove->setAccessibleDescription(readableCaption(label->text()));
    // The four "Aggiungi" and the "Elimina Ultima" buttons of the frame, told apart by name.
    nameControl(*add, QStringLiteral("Aggiungi %1").arg(lineName(axis)));
    nameControl(*remove, QStringLiteral("Elimina %1").arg(lastLineName(axis)));
    entry.counter = makeLabel(n.counter, QString(), this);
    entry.counter->setToolTip(QString::fromLatin1(n.counterTip));
    entry.counter->setAlignment(Qt::AlignCenter);
    entry.last = makeLabel(n.last, QString(), this);
    entry.last->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    connect(add, &QPushButton::clicked, this, [this, axis] { addLine(axis); });
    connect(remove, &QPushButton::clicked, this, [this, axis] { removeLine(axis); });
    connect(entry.spacing, &QLineEdit::returnPressed, add, &QPushButton::click);

    layout.addWidget(label, r, 0);
    layout.addWidget(unit, r, 1);
    layout.addWidget(entry.spacing, r, 2);
    layout.addWidget(add, r, 3);
    layout.addWidget(remove, r, 4);
    layout.addWidget(entry.counter, r, 5);
    layout.addWidget(entry.last, r, 6);
}

void GridEditor::addNodeRows(QGridLayout& layout, int r) {
    QLabel* heading = makeLabel("lblNodi", QStringLiteral("Inserimento Punto Nodale "), this);
    QLabel* xLabel = makeLabel("lblNodoX", QStringLiteral("X"), this);
    QLabel* yLabel = makeLabel("lblNodoY", QStringLiteral("Y"), this);
    nodeX_ = makeNumberBox("txtXnodo", QStringLiteral("0"), this);
    nodeY_ = makeNumberBox("txtYnodo", QStringLiteral("0"), this);
    xLabel->setBuddy(nodeX_);
    yLabel->setBuddy(nodeY_);
    nameControl(*nodeX_, QStringLiteral("Punto Nodale X"));
    nameControl(*nodeY_, QStringLiteral("Punto Nodale Y"));
    QPushButton* add = makeButton("cmdAggiungiNodo", QStringLiteral("Aggiungi"), this);
    QPushButton* remove = makeButton("cmdEliminaNodo", QStringLiteral("Elimina Ultimo"), this);
    add->setAccessibleDescription(readableCaption(heading->text()));
    remove->setAccessibleDescription(readableCaption(heading->text()));
    nameControl(*add, QStringLiteral("Aggiungi punto nodale"));
    nameControl(*remove, QStringLiteral("Elimina ultimo punto nodale"));
    nodeCounter_ = makeLabel("lblContatoreNodo", QString(), this);
    nodeCounter_->setToolTip(QStringLiteral("Numero del prossimo punto nodale"));
    nodeCounter_->setAlignment(Qt::AlignCenter);
    lastNode_ = makeLabel("lblUltimoNodo", QString(), this);
    lastNode_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    connect(add, &QPushButton::clicked, this, &GridEditor::addExtraNode);
    connect(remove, &QPushButton::clicked, this, &GridEditor::removeExtraNode);
    connect(nodeY_, &QLineEdit::returnPressed, add, &QPushButton::click);

    layout.addWidget(heading, r, 0);
    layout.addWidget(xLabel, r, 1, Qt::AlignRight);
    layout.addWidget(nodeX_, r, 2);
    layout.addWidget(add, r, 3);
    layout.addWidget(remove, r, 4);
    layout.addWidget(nodeCounter_, r, 5);
    layout.addWidget(lastNode_, r, 6);
    layout.addWidget(yLabel, r + 1, 1, Qt::AlignRight);
    layout.addWidget(nodeY_, r + 1, 2);
}

// --- Events --------------------------------------------------------------------------------

// Read on every edit: a text that is not (yet) a positive number counts as no maximum.
void GridEditor::maximumEdited(GridAxis axis, const QString& text) {
    grid_.setMaximum(axis, typedNumber(text).value_or(0));
    if (grid_.maximaGiven() && !gridFrame_->isEnabled())
        gridFrame_->setEnabled(true);
}

bool GridEditor::refused(const std::optional<Message>& refusal) {
    if (!refusal)
        return false;
    host_.asker().ask(*refusal);
    return true;
}

void GridEditor::addLine(GridAxis axis) {
    AxisRow& entry = row(axis);
    const std::optional<double> typed = readNumberBox(*entry.spacing, host_.asker());
    if (!typed || refused(grid_.add(axis, *typed)))
        return;
    entry.spacing->setText(QStringLiteral("0"));
    if (axis == GridAxis::z) {
        redrawElevation();
    } else {
        const double at = grid_.coordinate(axis, grid_.count(axis));
        entry.drawn.push_back(gridLineSegment(axis, at, host_.session().model().planScale));
        drawSegments(plan_->edit(), std::span(&entry.drawn.back(), 1), sketchLines);
    }
    showCounters();
}

void GridEditor::removeLine(GridAxis axis) {
    if (refused(grid_.removeLast(axis)))
        return;
    AxisRow& entry = row(axis);
    if (axis == GridAxis::z) {
        redrawElevation();
    } else {
        drawSegments(plan_->edit(), std::span(&entry.drawn.back(), 1), sketchBackground);
        entry.drawn.pop_back();
    }
    showCounters();
}

void GridEditor::addExtraNode() {
    const std::optional<double> x = readNumberBox(*nodeX_, host_.asker());
    if (!x)
        return;
    const std::optional<double> y = readNumberBox(*nodeY_, host_.asker());
    if (!y || refused(grid_.addExtraNode(*x, *y)))
        return;
    drawnNodes_.push_back(extraNodeCross(*x, *y, host_.session().model().planScale));
    drawSegments(plan_->edit(), drawnNodes_.back(), sketchLines);
    showCounters();
}

void GridEditor::removeExtraNode() {
    if (refused(grid_.removeLastExtraNode()))
        return;
    drawSegments(plan_->edit(), drawnNodes_.back(), sketchBackground);
    drawnNodes_.pop_back();
    showCounters();
}

void GridEditor::deleteAll() {
    if (!confirmDeleteAll(host_.asker()))
        return;
    grid_.clear();
    generalFrame_->setTitle(QString::fromLatin1(generalCaption));
    for (QLineEdit* box : maxima_)
        box->clear();
    for (AxisRow& entry : rows_) {
        entry.spacing->setText(QStringLiteral("0"));
        entry.drawn.clear();
    }
    nodeX_->setText(QStringLiteral("0"));
    nodeY_->setText(QStringLiteral("0"));
    drawnNodes_.clear();
    // As at the start, the grid waits for the three maxima again.
    gridFrame_->setEnabled(false);
    plan_->setDrawing(gridPlanSketch());
    redrawElevation();
    showCounters();
}

void GridEditor::handOver() {
    if (refused(grid_.handOverRefusal()))
        return;
    if (!confirmNextPhase(host_.asker(), "modificare il numero di elementi griglia. Continuare?"))
        return;
    grid_.handOver();
    host_.closeChild(QString::fromLatin1(childWindow::grid));
    host_.openChild(QString::fromLatin1(childWindow::geometry));
}

// --- Display -------------------------------------------------------------------------------

// The maxima, lines and nodes the grid holds already (none for a new project).
void GridEditor::showEnteredGrid() {
    const Model& m = host_.session().model();
    for (const GridAxis axis : everyAxis) {
        const float metres = m.drawMax(static_cast<int>(axis));
        if (metres > 0)
            maxima_[static_cast<std::size_t>(axis)]->setText(
                displayLocale().toString(static_cast<double>(metres), 'g', 7));
    }
    for (const GridAxis axis : {GridAxis::x, GridAxis::y}) {
        AxisRow& entry = row(axis);
        for (int i = 1; i <= grid_.count(axis); ++i)
            entry.drawn.push_back(gridLineSegment(axis, grid_.coordinate(axis, i), m.planScale));
        drawSegments(plan_->edit(), entry.drawn, sketchLines);
    }
    for (int e = 1; e <= grid_.extraNodes(); ++e) {
        const numbering::PlanPoint p = grid_.extraNode(e);
        drawnNodes_.push_back(extraNodeCross(p.x, p.y, m.planScale));
        drawSegments(plan_->edit(), drawnNodes_.back(), sketchLines);
    }
    redrawElevation();
    showCounters();
}

void GridEditor::redrawElevation() {
    const Model& m = host_.session().model();
    const int levels = grid_.count(GridAxis::z);
    elevation_->setDrawing(gridElevationSketch(
        std::span(m.levelZ.data(), static_cast<std::size_t>(levels)), m.elevScale));
}

void GridEditor::showCounters() {
    for (const GridAxis axis : everyAxis) {
        AxisRow& entry = row(axis);
        const int entered = grid_.count(axis);
        entry.counter->setText(QString::number(entered + 1));
        entry.last->setText(entered > 0 ? coordinateText(grid_.coordinate(axis, entered))
                                        : QString());
        nameValueLabel(*entry.last, capitalised(lastLineName(axis)), QStringLiteral(" mm"));
    }
    const int nodes = grid_.extraNodes();
    nodeCounter_->setText(QString::number(nodes + 1));
    if (nodes == 0) {
        lastNode_->clear();
    } else {
        const numbering::PlanPoint p = grid_.extraNode(nodes);
        lastNode_->setText(coordinateText(p.x) + QStringLiteral("; ") + coordinateText(p.y));
    }
    nameValueLabel(*lastNode_, QStringLiteral("Ultimo punto nodale"), QStringLiteral(" mm"));
}

} // namespace orvanta
