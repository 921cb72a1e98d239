#include "grid_changes_editor.h"

#include "accessible_names.h"
#include "box_values.h"
#include "building_edits.h"
#include "display_locale.h"
#include "drawing_geometry.h"
#include "element_plan.h"
#include "grid_sketches.h"
#include "named_controls.h"
#include "numbering.h"
#include "picture_box.h"
#include "plan_view.h"
#include "typed_number.h"
#include "view_drawing.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <cmath>

namespace orvanta {

namespace {

constexpr Colour selectedColour = Colour::rgb(255, 255, 0); // yellow
constexpr double selectedNodeRadius = 300;                  // twips
constexpr double levelTickHalf = 250;                       // twips, as the sketch's ticks
constexpr double levelAxis = 2000;                          // twips

QString millimetres(double mm) {
    const int decimals = std::fabs(mm - std::round(mm)) < 1e-9 ? 0 : 2;
    return QString::fromStdString(formatNumber(mm, decimals, numberFormatOf(displayLocale())));
}

int lineCount(const Counts& c, GridAxis axis) {
    return axis == GridAxis::x ? c.nX : axis == GridAxis::y ? c.nY : c.nStoreys + 1;
}

double lineCoordinate(const Model& m, GridAxis axis, int i) {
    return axis == GridAxis::x ? m.coordX(i) : axis == GridAxis::y ? m.coordY(i) : m.levelZ(i);
}

// The box's number, or nothing after a message; the box takes the focus for the correction.
std::optional<double> readBox(QLineEdit& box, Asker& asker) {
    const std::optional<double> value = readNumberBox(box, asker);
    if (!value) {
        box.setFocus();
        box.selectAll();
    }
    return value;
}

} // namespace

GridChangesEditor::GridChangesEditor(ChildHost& host, QWidget* parent)
    : QWidget(parent), host_(host) {
    setObjectName(QString::fromLatin1(childWindow::gridChanges));

    plan_ = new PictureBox(QStringLiteral("pctPianta"), Drawing::defaultExtent, this);
    plan_->setMinimumSize(360, 300);
    plan_->setToolTip(QStringLiteral("Il primo piano, con la linea o il punto nodale scelto in "
                                     "giallo"));
    nameControl(*plan_, QStringLiteral("Pianta del primo piano"));
    elevation_ = new PictureBox(QStringLiteral("pctElevazione"), gridElevationExtent, this);
    elevation_->setMinimumSize(104, 160);
    elevation_->setMaximumWidth(130);
    elevation_->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    nameControl(*elevation_, QStringLiteral("Elevazione dei livelli"));

    auto* controls = new QWidget(this);
    controls->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Preferred);
    auto* left = new QVBoxLayout(controls);
    left->setContentsMargins(0, 0, 0, 0);
    left->addWidget(buildLinesFrame());
    left->addWidget(buildNodesFrame());
    left->addWidget(buildGeneralFrame());
    left->addStretch(1);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(controls);
    layout->addWidget(elevation_);
    layout->addWidget(plan_, 1);

    showLines(1);
    showNodes(1);
}

QWidget* GridChangesEditor::buildLinesFrame() {
    QGroupBox* frame = makeFrame("fraLinee", QStringLiteral(" LINEE E LIVELLI "), this);
    linesX_ = makeOption("optLineeX", QStringLiteral("Linee in direzione X"), frame);
    linesY_ = makeOption("optLineeY", QStringLiteral("Linee in direzione Y"), frame);
    levels_ = makeOption("optLivelli", QStringLiteral("Livelli"), frame);
    linesX_->setChecked(true);
    auto* group = new QButtonGroup(frame);
    for (QRadioButton* option : {linesX_, linesY_, levels_}) {
        group->addButton(option);
        connect(option, &QRadioButton::toggled, this, [this](bool on) {
            if (on)
                showLines(1);
        });
    }

    QLabel* listLabel = makeLabel("lblLinee", QStringLiteral("Linea o livello selezionato"), frame);
    lines_ = new QListWidget(frame);
    lines_->setObjectName(QStringLiteral("lstLinee"));
    lines_->setMinimumHeight(120);
    nameAfterLabel(*listLabel, *lines_);
    connect(lines_, &QListWidget::currentRowChanged, this, [this] {
        if (const int i = selectedLine(); i > 0)
            coordinate_->setText(boxText(lineCoordinate(model(), axis(), i)));
        redraw();
    });

    QLabel* spacingLabel = makeLabel("lblInterasse", QStringLiteral("Interasse [mm]"), frame);
    spacing_ = makeNumberBox("txtInterasse", QStringLiteral("0"), frame);
    spacing_->setToolTip(QStringLiteral("Distanza della nuova linea dalla linea selezionata"));
    nameAfterLabel(*spacingLabel, *spacing_);
    QPushButton* before = makeButton("cmdInserisciPrima", QStringLiteral("Inserisci Prima"), frame);
    QPushButton* after = makeButton("cmdInserisciDopo", QStringLiteral("Inserisci Dopo"), frame);
    QLabel* coordinateLabel =
        makeLabel("lblCoordinata", QStringLiteral("Nuova coordinata [mm]"), frame);
    coordinate_ = makeNumberBox("txtCoordinata", QString(), frame);
    nameAfterLabel(*coordinateLabel, *coordinate_);
    QPushButton* move = makeButton("cmdSposta", QStringLiteral("Sposta"), frame);
    QPushButton* remove = makeButton("cmdElimina", QStringLiteral("Elimina"), frame);
    nameControl(*move, QStringLiteral("Sposta la linea"));
    nameControl(*remove, QStringLiteral("Elimina la linea"));
    connect(before, &QPushButton::clicked, this, [this] { insertLine(false); });
    connect(after, &QPushButton::clicked, this, [this] { insertLine(true); });
    connect(move, &QPushButton::clicked, this, &GridChangesEditor::moveLine);
    connect(remove, &QPushButton::clicked, this, &GridChangesEditor::deleteLine);

    auto* layout = new QGridLayout(frame);
    layout->addWidget(linesX_, 0, 0, 1, 3);
    layout->addWidget(linesY_, 1, 0, 1, 3);
    layout->addWidget(levels_, 2, 0, 1, 3);
    layout->addWidget(listLabel, 3, 0, 1, 3);
    layout->addWidget(lines_, 4, 0, 1, 3);
    layout->addWidget(spacingLabel, 5, 0);
    layout->addWidget(spacing_, 5, 1);
    layout->addWidget(before, 6, 0);
    layout->addWidget(after, 6, 1);
    layout->addWidget(coordinateLabel, 7, 0);
    layout->addWidget(coordinate_, 7, 1);
    layout->addWidget(move, 7, 2);
    layout->addWidget(remove, 8, 0);
    return frame;
}

QWidget* GridChangesEditor::buildNodesFrame() {
    QGroupBox* frame = makeFrame("fraNodi", QStringLiteral(" PUNTI NODALI "), this);
    QLabel* listLabel = makeLabel("lblNodi", QStringLiteral("Punto nodale selezionato"), frame);
    nodes_ = new QListWidget(frame);
    nodes_->setObjectName(QStringLiteral("lstNodi"));
    nodes_->setMinimumHeight(60);
    nameAfterLabel(*listLabel, *nodes_);
    connect(nodes_, &QListWidget::currentRowChanged, this, [this] {
        if (const int e = selectedNode(); e > 0) {
            const numbering::PlanPoint p =
                numbering::nodePosition(model(), numbering::extraNode(model().counts, e));
            nodeX_->setText(boxText(p.x));
            nodeY_->setText(boxText(p.y));
        }
        redraw();
    });
    QLabel* xLabel = makeLabel("lblXnodo", QStringLiteral("X [mm]"), frame);
    QLabel* yLabel = makeLabel("lblYnodo", QStringLiteral("Y [mm]"), frame);
    nodeX_ = makeNumberBox("txtXnodo", QStringLiteral("0"), frame);
    nodeY_ = makeNumberBox("txtYnodo", QStringLiteral("0"), frame);
    xLabel->setBuddy(nodeX_);
    yLabel->setBuddy(nodeY_);
    nameControl(*nodeX_, QStringLiteral("Punto Nodale X"));
    nameControl(*nodeY_, QStringLiteral("Punto Nodale Y"));
    QPushButton* add = makeButton("cmdAggiungiNodo", QStringLiteral("Aggiungi"), frame);
    QPushButton* move = makeButton("cmdSpostaNodo", QStringLiteral("Sposta"), frame);
    QPushButton* remove = makeButton("cmdEliminaNodo", QStringLiteral("Elimina"), frame);
    nameControl(*add, QStringLiteral("Aggiungi il punto nodale"));
    nameControl(*move, QStringLiteral("Sposta il punto nodale"));
    nameControl(*remove, QStringLiteral("Elimina il punto nodale"));
    connect(add, &QPushButton::clicked, this, &GridChangesEditor::addNode);
    connect(move, &QPushButton::clicked, this, &GridChangesEditor::moveNode);
    connect(remove, &QPushButton::clicked, this, &GridChangesEditor::deleteNode);

    auto* layout = new QGridLayout(frame);
    layout->addWidget(listLabel, 0, 0, 1, 3);
    layout->addWidget(nodes_, 1, 0, 1, 3);
    layout->addWidget(xLabel, 2, 0);
    layout->addWidget(nodeX_, 2, 1);
    layout->addWidget(yLabel, 3, 0);
    layout->addWidget(nodeY_, 3, 1);
    layout->addWidget(add, 4, 0);
    layout->addWidget(move, 4, 1);
    layout->addWidget(remove, 4, 2);
    return frame;
}

QWidget* GridChangesEditor::buildGeneralFrame() {
    QGroupBox* frame = makeFrame("fraGenerale", QString(), this);
    QPushButton* finishButton = makeButton("cmdFine", QStringLiteral("FINE MODIFICHE"), frame);
    finishButton->setToolTip(
        QStringLiteral("Distribuisce di nuovo i carichi e chiude la finestra"));
    connect(finishButton, &QPushButton::clicked, this, &GridChangesEditor::finish);
    auto* layout = new QVBoxLayout(frame);
    layout->addWidget(finishButton);
    return frame;
}

// --- selection -------------------------------------------------------------------------------

GridAxis GridChangesEditor::axis() const {
    return linesY_->isChecked() ? GridAxis::y : levels_->isChecked() ? GridAxis::z : GridAxis::x;
}

int GridChangesEditor::selectedLine() const {
    return lines_->currentRow() + 1;
}

int GridChangesEditor::selectedNode() const {
    return nodes_->currentRow() + 1;
}

Following GridChangesEditor::follow(ProjectChange /*change*/) {
    showLines(selectedLine());
    showNodes(selectedNode());
    return Following::stayOpen;
}

// --- changes ---------------------------------------------------------------------------------

bool GridChangesEditor::apply(StructuralEdit edit) {
    Asker& asker = host_.asker();
    if (edit.refusal) {
        asker.ask(*edit.refusal);
        return false;
    }
    if (const std::optional<Message> question = removalQuestion(edit);
        question && asker.ask(*question) != Answer::Yes)
        return false;
    commitBuilding(host_, std::move(edit.model), this);
    loadsStale_ = true;
    return true;
}

void GridChangesEditor::insertLine(bool after) {
    const int i = selectedLine();
    const std::optional<double> spacing = readBox(*spacing_, host_.asker());
    if (i == 0 || !spacing)
        return;
    if (!(*spacing > 0)) {
        host_.asker().tell({"I piani della griglia non devono essere coincidenti",
                            "Immettere un interasse positivo dalla linea selezionata"},
                           "Impossibile aggiungere la griglia", MessageIcon::Exclamation);
        return;
    }
    const double at = lineCoordinate(model(), axis(), i) + (after ? *spacing : -*spacing);
    const int position = after ? i + 1 : i;
    if (apply(insertGridLine(model(), axis(), position, at)))
        showLines(position);
}

void GridChangesEditor::moveLine() {
    const int i = selectedLine();
    const std::optional<double> at = readBox(*coordinate_, host_.asker());
    if (i > 0 && at && apply(moveGridLine(model(), axis(), i, *at)))
        showLines(i);
}

void GridChangesEditor::deleteLine() {
    const int i = selectedLine();
    if (i > 0 && apply(deleteGridLine(model(), axis(), i)))
        showLines(std::max(1, i - 1));
}

void GridChangesEditor::addNode() {
    const std::optional<double> x = readBox(*nodeX_, host_.asker());
    const std::optional<double> y = x ? readBox(*nodeY_, host_.asker()) : std::nullopt;
    if (y && apply(insertExtraNode(model(), *x, *y)))
        showNodes(model().counts.nExtra);
}

void GridChangesEditor::moveNode() {
    const int e = selectedNode();
    if (e == 0)
        return;
    const std::optional<double> x = readBox(*nodeX_, host_.asker());
    const std::optional<double> y = x ? readBox(*nodeY_, host_.asker()) : std::nullopt;
    if (y && apply(moveExtraNode(model(), e, *x, *y)))
        showNodes(e);
}

void GridChangesEditor::deleteNode() {
    const int e = selectedNode();
    if (e > 0 && apply(deleteExtraNode(model(), e)))
        showNodes(std::max(1, e - 1));
}

void GridChangesEditor::finish() {
    if (loadsStale_ &&
        !redistributeQuietly(host_, QStringLiteral("dopo la modifica della griglia"), this))
        return;
    loadsStale_ = false;
    host_.closeChild(QString::fromLatin1(childWindow::gridChanges));
}

// A window closed by its frame leaves no stale loads behind either, when the distribution can
// run; what stops it is said when the loads editor is opened again.
void GridChangesEditor::closeEvent(QCloseEvent* event) {
    if (loadsStale_ && host_.session().projectOpen() && model().hasCompleteArrays())
        redistributeQuietly(host_, QStringLiteral("dopo la modifica della griglia"), this);
    loadsStale_ = false;
    event->accept();
}

// --- display ---------------------------------------------------------------------------------

void GridChangesEditor::showLines(int select) {
    const Model& m = model();
    const GridAxis a = axis();
    const int n = lineCount(m.counts, a);
    const QSignalBlocker quiet(lines_);
    lines_->clear();
    for (int i = 1; i <= n; ++i)
        lines_->addItem(
            QStringLiteral("%1:  %2 mm").arg(i).arg(millimetres(lineCoordinate(m, a, i))));
    const int row = std::clamp(select, 1, n) - 1;
    lines_->setCurrentRow(row);
    lines_->scrollToItem(lines_->currentItem());
    coordinate_->setText(boxText(lineCoordinate(m, a, row + 1)));
    redraw();
}

void GridChangesEditor::showNodes(int select) {
    const Model& m = model();
    const int n = m.counts.nExtra;
    const QSignalBlocker quiet(nodes_);
    nodes_->clear();
    for (int e = 1; e <= n; ++e) {
        const numbering::PlanPoint p =
            numbering::nodePosition(m, numbering::extraNode(m.counts, e));
        nodes_->addItem(QStringLiteral("%1 (nodo %2):  %3; %4 mm")
                            .arg(e)
                            .arg(numbering::extraNode(m.counts, e))
                            .arg(millimetres(p.x), millimetres(p.y)));
    }
    if (n > 0) {
        nodes_->setCurrentRow(std::clamp(select, 1, n) - 1);
        const numbering::PlanPoint p =
            numbering::nodePosition(m, numbering::extraNode(m.counts, selectedNode()));
        nodeX_->setText(boxText(p.x));
        nodeY_->setText(boxText(p.y));
    }
    redraw();
}

void GridChangesEditor::redraw() {
    if (!plan_ || !elevation_ || !lines_ || !nodes_)
        return;
    const Model& m = model();
    const Counts& c = m.counts;
    const double scale = planScaleOf(m);
    Drawing plan(Drawing::defaultExtent, colours::black);
    drawStoreyPlan(plan, storeyPlan(m, 1), scale);
    drawNodeNumbers(plan, m);
    plan.setPenWidth(3);
    const int i = selectedLine();
    if (i > 0 && axis() == GridAxis::x)
        plan.line(planPoint(m.coordX(i), m.coordY(1), scale),
                  planPoint(m.coordX(i), m.coordY(c.nY), scale), selectedColour);
    if (i > 0 && axis() == GridAxis::y)
        plan.line(planPoint(m.coordX(1), m.coordY(i), scale),
                  planPoint(m.coordX(c.nX), m.coordY(i), scale), selectedColour);
    plan.setPenWidth(1);
    if (const int e = selectedNode(); e > 0) {
        const numbering::PlanPoint p = numbering::nodePosition(m, numbering::extraNode(c, e));
        plan.circle(planPoint(p.x, p.y, scale), selectedNodeRadius, selectedColour);
    }
    fitExtentToContents(plan, Drawing::defaultExtent);
    plan_->setDrawing(std::move(plan));

    // The sketch fits the top level into its 3000 twips, as the grid editor's hand-over does (a
    // project file does not keep the elevation scale).
    const double top = m.levelZ(c.nStoreys + 1);
    const double elevScale = top > 0 ? 3000 / top : m.elevScale;
    Drawing levels = gridElevationSketch(
        std::span(m.levelZ.data(), static_cast<std::size_t>(c.nStoreys) + 1), elevScale);
    if (i > 0 && axis() == GridAxis::z) {
        const double h = elevationY(m.levelZ(i), elevScale, elevationSketchOrigin.y);
        levels.setPenWidth(3);
        levels.line({levelAxis - levelTickHalf, h}, {levelAxis + levelTickHalf, h}, selectedColour);
    }
    elevation_->setDrawing(std::move(levels));
}

} // namespace orvanta
