#include "loads_editor.h"

#include "accessible_names.h"
#include "box_values.h"
#include "confirmations.h"
#include "display_locale.h"
#include "load_distribution.h"
#include "loads_plan.h"
#include "model_check.h"
#include "named_controls.h"
#include "number_selector.h"
#include "picture_box.h"
#include "storey_selector.h"
#include "typed_number.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QVBoxLayout>
#include <limits>

namespace orvanta {

namespace {

const QString permanentCaption = QStringLiteral("Carico Permanente [kN/mq]");
const QString variableCaption = QStringLiteral("Carico Accidentale [kN/mq]");
const QString shareCaption = QStringLiteral("Aliquota di Accidentale [%]");

// A load as the window shows it, kN/m² from the stored N/mm².
QString shownLoad(double newtonsPerSquareMillimetre) {
    return displayLocale().toString(newtonsPerSquareMillimetre * 1000, 'g', 6);
}

std::string bays(int count) {
    return std::to_string(count) + (count == 1 ? " campata" : " campate");
}

} // namespace

LoadsEditor::LoadsEditor(ChildHost& host, QWidget* parent)
    : QWidget(parent), host_(host), existing_(host.session().model().hasCompleteArrays()) {
    setObjectName(QString::fromLatin1(childWindow::loads));
    buildControls();
    // Slabs already entered (a building opened again, or this phase's window reopened) stay.
    const Model& m = model();
    if (m.slabs.hasBounds(1, m.counts.nStoreys, 1, m.sizes().bays, 1, slab::values))
        showFirstBay();
    else
        startAfresh();
}

void LoadsEditor::buildControls() {
    Asker& asker = host_.asker();

    // --- the slab of one bay ---
    QGroupBox* loads = makeFrame("fraCarichi", QStringLiteral(" INSERIMENTO CARICHI "), this);
    QLabel* nodesLabel = makeLabel("lblNodiSol", QStringLiteral("Nodi dell'Area di Carico"), loads);
    node_ = new NumberSelector("txtNodo1Sol", "hsbNodoSol", rangeMessages::node(), asker, loads);
    corner2_ = makeReadOnlyBox("txtNodo2Sol", loads);
    corner3_ = makeReadOnlyBox("txtNodo3Sol", loads);
    corner4_ = makeReadOnlyBox("txtNodo4Sol", loads);
    nameAfterLabel(*nodesLabel, *node_);
    nameControl(*corner2_, QStringLiteral("Nodo in basso a destra dell'Area di Carico"));
    nameControl(*corner3_, QStringLiteral("Nodo in alto a sinistra dell'Area di Carico"));
    nameControl(*corner4_, QStringLiteral("Nodo in alto a destra dell'Area di Carico"));
    // The four corners stand as they do on the plan: the chosen node bottom left.
    QLineEdit* corner1 = node_->textBox();
    node_->layout()->removeWidget(corner1);
    corner1->setParent(loads);
    for (QLineEdit* box : {corner1, corner2_, corner3_, corner4_})
        box->setMaximumWidth(90);

    spanX_ = new QRadioButton(QStringLiteral("Solaio in direzione X"), loads);
    spanX_->setObjectName("optSolaioX");
    spanY_ = new QRadioButton(QStringLiteral("Solaio in direzione Y"), loads);
    spanY_->setObjectName("optSolaioY");

    permanent_ = makeNumberBox("txtPermanente", QString(), loads);
    variable_ = makeNumberBox("txtAccidentale", QString(), loads);
    share_ = makeNumberBox("txtAliquota", QString(), loads);
    QLabel* permanentLabel = makeLabel("lblPermanente", permanentCaption, loads);
    QLabel* variableLabel = makeLabel("lblAccidentale", variableCaption, loads);
    QLabel* shareLabel = makeLabel("lblAliquota", shareCaption, loads);
    nameAfterLabel(*permanentLabel, *permanent_);
    nameAfterLabel(*variableLabel, *variable_);
    nameAfterLabel(*shareLabel, *share_);

    QPushButton* add = makeButton("cmdAggiungiSol", QStringLiteral("Aggiungi / Modifica"), loads);
    QPushButton* remove = makeButton("cmdEliminaSol", QStringLiteral("Elimina"), loads);
    QPushButton* wholeStorey =
        makeButton("cmdApplicaPiano", QStringLiteral("Applica a tutto il piano"), loads);
    wholeStorey->setToolTip(QStringLiteral(
        "Assegna il solaio a tutte le campate del piano che hanno le due travi di appoggio"));
    QPushButton* allStoreys =
        makeButton("cmdApplicaTuttiPiani", QStringLiteral("Applica a tutti i piani"), loads);
    allStoreys->setToolTip(QStringLiteral(
        "Assegna il solaio a tutte le campate di ogni piano che hanno le due travi di appoggio"));
    bayState_ = makeLabel("lblSolaio", QString(), loads);
    bayState_->setWordWrap(true);
    bayState_->setMinimumHeight(bayState_->fontMetrics().lineSpacing() * 2);

    auto* loadsLayout = new QGridLayout(loads);
    loadsLayout->addWidget(nodesLabel, 0, 0, 1, 2);
    loadsLayout->addWidget(corner3_, 1, 0);
    loadsLayout->addWidget(corner4_, 1, 1);
    loadsLayout->addWidget(corner1, 2, 0);
    loadsLayout->addWidget(corner2_, 2, 1);
    loadsLayout->addWidget(node_, 3, 0, 1, 2);
    loadsLayout->addWidget(spanX_, 4, 0, 1, 2);
    loadsLayout->addWidget(spanY_, 5, 0, 1, 2);
    loadsLayout->addWidget(permanentLabel, 6, 0);
    loadsLayout->addWidget(permanent_, 6, 1);
    loadsLayout->addWidget(variableLabel, 7, 0);
    loadsLayout->addWidget(variable_, 7, 1);
    loadsLayout->addWidget(shareLabel, 8, 0);
    loadsLayout->addWidget(share_, 8, 1);
    loadsLayout->addWidget(add, 9, 0);
    loadsLayout->addWidget(remove, 9, 1);
    loadsLayout->addWidget(wholeStorey, 10, 0);
    loadsLayout->addWidget(allStoreys, 10, 1);
    loadsLayout->addWidget(bayState_, 11, 0, 1, 2);

    // --- the storey, starting again, moving on ---
    QGroupBox* general = makeFrame("fraGenerale", QString(), this);
    QLabel* storeyLabel = makeLabel("lblPiano", QStringLiteral("PIANO"), general);
    storey_ = makeStoreySelector(*storeyLabel, asker, model().counts.nStoreys, general);
    QPushButton* deleteAll =
        makeButton("cmdEliminaTutto", QStringLiteral("Elimina Tutto"), general);
    QPushButton* handOver = makeButton(
        "cmdInserisciSezioni", QStringLiteral("INSERISCI GEOMETRIA DELLE SEZIONI"), general);
    auto* generalLayout = new QGridLayout(general);
    generalLayout->addWidget(storeyLabel, 0, 0);
    generalLayout->addWidget(storey_, 0, 1);
    generalLayout->addWidget(deleteAll, 1, 0, 1, 2);
    generalLayout->addWidget(handOver, 2, 0, 1, 2);
    QPushButton* finish = makeButton("cmdFineModifiche", QStringLiteral("FINE MODIFICHE"), general);
    finish->setToolTip(QStringLiteral("Distribuisce di nuovo i carichi e chiude la finestra"));
    generalLayout->addWidget(finish, 3, 0, 1, 2);
    handOver->setVisible(!existing_);
    finish->setVisible(existing_);
    connect(finish, &QPushButton::clicked, this, &LoadsEditor::finishChanges);

    plan_ = new PictureBox("pctPianta", Drawing::defaultExtent, this);
    nameControl(*plan_, QStringLiteral("Pianta del piano con i solai"));

    auto* controls = new QVBoxLayout;
    controls->addWidget(loads);
    controls->addWidget(general);
    controls->addStretch(1);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(controls);
    layout->addWidget(plan_, 1);

    connect(node_, &NumberSelector::valueChanged, this, [this] { showBay(); });
    connect(storey_, &NumberSelector::valueChanged, this, [this] { showBay(); });
    connect(add, &QPushButton::clicked, this, &LoadsEditor::addSlab);
    connect(remove, &QPushButton::clicked, this, &LoadsEditor::deleteSlab);
    connect(wholeStorey, &QPushButton::clicked, this, &LoadsEditor::applyToStorey);
    connect(allStoreys, &QPushButton::clicked, this, &LoadsEditor::applyToAllStoreys);
    connect(deleteAll, &QPushButton::clicked, this, &LoadsEditor::deleteEverything);
    connect(handOver, &QPushButton::clicked, this, &LoadsEditor::handOver);
}

// The state of a window just loaded: every slab cleared, the first bay of the first storey.
void LoadsEditor::startAfresh() {
    Model& m = model();
    m.slabs = Array3<double>(1, m.counts.nStoreys, 1, m.sizes().bays, 1, slab::values);
    showFirstBay();
}

void LoadsEditor::showFirstBay() {
    const Counts& c = model().counts;
    storey_->setRange(1, c.nStoreys);
    storey_->setValue(1);
    node_->setOccupied([counts = c](int n) { return startsBay(counts, n); });
    node_->setRange(1, (c.nY - 1) * c.nX - 1);
    node_->setValue(1);
    spanX_->setChecked(true);
    for (QLineEdit* box : {permanent_, variable_, share_})
        box->clear();
    showBay();
}

int LoadsEditor::storey() const {
    return storey_->value();
}

int LoadsEditor::node() const {
    return node_->value();
}

Following LoadsEditor::follow(ProjectChange /*change*/) {
    showBay();
    return Following::stayOpen;
}

void LoadsEditor::showBay() {
    const Model& m = model();
    const int n = node();
    const int nX = m.counts.nX;
    corner2_->setText(QString::number(n + 1));
    corner3_->setText(QString::number(n + nX));
    corner4_->setText(QString::number(n + nX + 1));

    const int bay = bayOfNode(m.counts, n);
    const Slab slab = slabAt(m, storey(), bay);
    if (slab.present)
        bayState_->setText(
            QStringLiteral("Campata %1: solaio in direzione %2\nG = %3 kN/mq, Q = %4 kN/mq al %5 %")
                .arg(QString::number(bay), slab.span == SlabSpan::alongX ? "X" : "Y",
                     shownLoad(slab.permanent), shownLoad(slab.variable),
                     displayLocale().toString(slab.share * 100, 'g', 6)));
    else
        bayState_->setText(QStringLiteral("Campata %1: nessun solaio").arg(bay));
    redraw();
}

void LoadsEditor::redraw() {
    Drawing& d = plan_->edit();
    d.clear();
    drawLoadsPlan(d, model(), storey(), node());
}

std::optional<TypedSlab> LoadsEditor::typedSlab() {
    Asker& asker = host_.asker();
    // Reads one box; a text that is no number, or a value outside its range, is refused with a
    // message naming the box, which takes the focus for the correction.
    const auto read = [&](QLineEdit* box, double lowest, double highest,
                          const char* outOfRange) -> std::optional<double> {
        std::optional<double> value = readNumberBox(*box, asker);
        if (value && (*value < lowest || *value > highest)) {
            asker.ask(valueRefusalMessage(box->accessibleName(), outOfRange));
            value.reset();
        }
        if (!value) {
            box->setFocus();
            box->selectAll();
        }
        return value;
    };
    constexpr double noLimit = std::numeric_limits<double>::max();
    constexpr const char* negativeLoad = "non può essere negativo";
    const std::optional<double> permanent = read(permanent_, 0, noLimit, negativeLoad);
    if (!permanent)
        return std::nullopt;
    const std::optional<double> variable = read(variable_, 0, noLimit, negativeLoad);
    if (!variable)
        return std::nullopt;
    const std::optional<double> share = read(share_, 0, 100, "deve essere compreso tra 0 e 100 %");
    if (!share)
        return std::nullopt;

    const TypedSlab typed{spanX_->isChecked() ? SlabSpan::alongX : SlabSpan::alongY, *permanent,
                          *variable, *share};
    if (const std::optional<std::string> refusal =
            slabProblem(slabRecord(model(), node(), typed))) {
        asker.ask(recordRefusalMessage("Il solaio non può essere inserito:", *refusal));
        return std::nullopt;
    }
    return typed;
}

void LoadsEditor::addSlab() {
    const std::optional<TypedSlab> typed = typedSlab();
    if (!typed)
        return;
    Model& m = model();
    setSlab(m, storey(), bayOfNode(m.counts, node()), slabRecord(m, node(), *typed));
    host_.projectChanged(ProjectChange::modelEdited, this);
    moveToNextBay();
}

void LoadsEditor::deleteSlab() {
    Model& m = model();
    setSlabPresent(m, storey(), bayOfNode(m.counts, node()), false);
    host_.projectChanged(ProjectChange::modelEdited, this);
    moveToNextBay();
}

// The selection moves on as if the scroll bar had been pressed once to the right, skipping the
// nodes on the last line along X; on the last bay it stays.
void LoadsEditor::moveToNextBay() {
    if (node() < node_->maximum())
        node_->scrollBar()->setValue(node() + 1);
    showBay();
}

void LoadsEditor::applyToStorey() {
    applyToStoreys(storey(), storey(), QStringLiteral("del piano %1").arg(storey()));
}

void LoadsEditor::applyToAllStoreys() {
    applyToStoreys(1, model().counts.nStoreys, QStringLiteral("di tutti i piani"));
}

void LoadsEditor::applyToStoreys(int first, int last, const QString& where) {
    const std::optional<TypedSlab> typed = typedSlab();
    if (!typed)
        return;
    Asker& asker = host_.asker();
    if (!asker.confirm({QStringLiteral("Il solaio sarà assegnato a tutte le campate %1")
                            .arg(where)
                            .toStdString(),
                        "che hanno le due travi di appoggio. Continuare?"},
                       "Avviso", MessageIcon::Exclamation))
        return;
    SlabsApplied total;
    for (int k = first; k <= last; ++k) {
        const SlabsApplied applied = applySlabToStorey(model(), k, *typed);
        total.written += applied.written;
        total.skipped += applied.skipped;
    }
    host_.projectChanged(ProjectChange::modelEdited, this);
    showBay();
    if (total.skipped > 0)
        asker.tell({"Solaio assegnato a " + bays(total.written) + ".",
                    total.skipped == 1
                        ? "1 campata senza una delle due travi di appoggio è rimasta come era."
                        : bays(total.skipped) +
                              " senza una delle due travi di appoggio sono rimaste come erano."},
                   "Avviso", MessageIcon::Information);
}

void LoadsEditor::deleteEverything() {
    if (!confirmDeleteAll(host_.asker()))
        return;
    startAfresh();
    host_.projectChanged(ProjectChange::modelEdited, this);
}

// Distributes the loads and, when that succeeds, closes this window for good and opens the
// sections editor. A "No" or a slab that finds nothing to rest on leaves the user here with the
// earlier load results as they were.
void LoadsEditor::handOver() {
    Asker& asker = host_.asker();
    if (!confirmNextPhase(asker, "modificare i carichi immessi. Continuare?"))
        return;
    if (!distributeLoads(model(), asker))
        return;
    host_.projectChanged(ProjectChange::modelEdited, this);
    host_.closeChild(QString::fromLatin1(childWindow::loads));
    host_.openChild(QString::fromLatin1(childWindow::sections));
}

void LoadsEditor::finishChanges() {
    if (!distributeLoads(model(), host_.asker()))
        return;
    host_.projectChanged(ProjectChange::modelEdited, this);
    host_.showStatus(QStringLiteral("Carichi distribuiti di nuovo."));
    host_.closeChild(QString::fromLatin1(childWindow::loads));
}

} // namespace orvanta
