#include "centres_window.h"

#include "accessible_names.h"
#include "display_locale.h"
#include "number_selector.h"
#include "picture_box.h"
#include "result_tables.h"
#include "stiffness_centres.h"
#include "text_table_model.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>
#include <tuple>

namespace orvanta {

namespace {

QPushButton* addButton(QVBoxLayout& layout, const char* name, const QString& caption,
                       QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    layout.addWidget(button);
    return button;
}

QLabel* addHeading(QVBoxLayout& layout, const char* name, const QString& caption, QWidget* parent) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(QLatin1String(name));
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    layout.addSpacing(6);
    layout.addWidget(label);
    return label;
}

// A label and its selector on one row.
void addSelectorRow(QVBoxLayout& layout, const char* name, const QString& caption,
                    NumberSelector& selector, QWidget* parent) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(QLatin1String(name));
    nameAfterLabel(*label, selector);
    auto* row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(&selector, 1);
    layout.addLayout(row);
}

// Sets one entry (the current) or every entry of a visibility list.
void setEntries(std::vector<bool>& visible, bool value, int onlyIndex) {
    if (onlyIndex == 0) {
        std::fill(visible.begin(), visible.end(), value);
        return;
    }
    if (onlyIndex >= 1 && onlyIndex <= static_cast<int>(visible.size()))
        visible[static_cast<std::size_t>(onlyIndex - 1)] = value;
}

} // namespace

CentresWindow::CentresWindow(ChildHost& host, QWidget* parent)
    : QWidget(parent), host_(host), direction_(new QComboBox(this)),
      storey_(new NumberSelector(QStringLiteral("txtPiano"), QStringLiteral("hsbPiano"),
                                 rangeMessages::centresStorey(), host.asker(), this)),
      family_(new NumberSelector(QStringLiteral("txtFamiglia"), QStringLiteral("hsbFamiglia"),
                                 rangeMessages::family(), host.asker(), this)),
      plan_(new PictureBox(QStringLiteral("pctPianta"), Drawing::defaultExtent, this)),
      massCentres_(new TextTableModel(this)), stiffnessCentres_(new TextTableModel(this)) {
    setObjectName(QString::fromLatin1(childWindow::centres));

    direction_->setObjectName(QStringLiteral("cmbDirezioneRitti"));
    direction_->addItems({QStringLiteral("Ritti ortogonali ad X"),
                          QStringLiteral("Ritti ortogonali ad Y"),
                          QStringLiteral("Ritti in direz. X ed Y!")});
    nameControl(*direction_, QStringLiteral("Direzione dei ritti"));
    nameControl(*plan_, QStringLiteral("Pianta con i centri di massa e di rigidezza"));

    auto* controls = new QGroupBox(this);
    controls->setObjectName(QStringLiteral("fraGenerale"));
    auto* column = new QVBoxLayout(controls);
    column->addWidget(direction_);
    column->addSpacing(6);
    addSelectorRow(*column, "lblPiano", QStringLiteral("PIANO"), *storey_, controls);
    addHeading(*column, "lblMassa", QStringLiteral("CENTRI DI MASSA"), controls);
    QPushButton* showMassAll = addButton(*column, "cmdMassaVisualizza",
                                         QStringLiteral("Visualizzare tutti i C.M."), controls);
    QPushButton* hideMassAll = addButton(*column, "cmdMassaNonVisualizza",
                                         QStringLiteral("Non visualizzare i C.M."), controls);
    showMassOne_ = addButton(*column, "cmdMassaVisualizza1", {}, controls);
    hideMassOne_ = addButton(*column, "cmdMassaNonVisualizza1", {}, controls);
    column->addSpacing(6);
    addSelectorRow(*column, "lblFamiglia", QStringLiteral("FAMIGLIA"), *family_, controls);
    addHeading(*column, "lblRigidezza", QStringLiteral("CENTRI DI RIGIDEZZA"), controls);
    QPushButton* showStiffnessAll = addButton(
        *column, "cmdRigidezzaVisualizza", QStringLiteral("Visualizzare tutti i C.P.R."), controls);
    QPushButton* hideStiffnessAll =
        addButton(*column, "cmdRigidezzaNonVisualizza", QStringLiteral("Non visualizzare i C.P.R."),
                  controls);
    showStiffnessOne_ = addButton(*column, "cmdRigidezzaVisualizza1", {}, controls);
    hideStiffnessOne_ = addButton(*column, "cmdRigidezzaNonVisualizza1", {}, controls);
    column->addStretch(1);
    QPushButton* back = addButton(*column, "cmdIndietro", QStringLiteral("INDIETRO"), controls);

    constexpr int tableHeight = 130;
    auto* tables = new QHBoxLayout;
    for (auto [model, name, caption, stretch] :
         {std::tuple{massCentres_, "mfgBaricentri", "Centri di massa dei piani", 2},
          std::tuple{stiffnessCentres_, "mfgCentriRigidezza",
                     "Centri parziali di rigidezza delle famiglie", 3}}) {
        QTableView* table = makeTextTable(QLatin1String(name), QString::fromUtf8(caption), model,
                                          this);
        table->setFixedHeight(tableHeight);
        tables->addWidget(table, stretch);
    }
    auto* drawingAndTables = new QVBoxLayout;
    drawingAndTables->addWidget(plan_, 1);
    drawingAndTables->addLayout(tables);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(drawingAndTables, 1);
    layout->addWidget(controls);

    connect(direction_, &QComboBox::currentIndexChanged, this, &CentresWindow::directionChosen);
    connect(storey_, &NumberSelector::valueChanged, this, &CentresWindow::storeyChosen);
    connect(family_, &NumberSelector::valueChanged, this, &CentresWindow::familyChosen);
    connect(showMassAll, &QPushButton::clicked, this, [this] { showMass(true, false); });
    connect(hideMassAll, &QPushButton::clicked, this, [this] { showMass(false, false); });
    connect(showMassOne_, &QPushButton::clicked, this, [this] { showMass(true, true); });
    connect(hideMassOne_, &QPushButton::clicked, this, [this] { showMass(false, true); });
    connect(showStiffnessAll, &QPushButton::clicked, this, [this] { showStiffness(true, false); });
    connect(hideStiffnessAll, &QPushButton::clicked, this, [this] { showStiffness(false, false); });
    connect(showStiffnessOne_, &QPushButton::clicked, this, [this] { showStiffness(true, true); });
    connect(hideStiffnessOne_, &QPushButton::clicked, this, [this] { showStiffness(false, true); });
    connect(back, &QPushButton::clicked, this, [this] { host_.closeChild(objectName()); });

    resize(1000, 640);
    load();
}

// Everything hidden, storey and family 1, the families orthogonal to X.
void CentresWindow::load() {
    const int storeys = host_.session().model().counts.nStoreys;
    shown_ = CentresShown{};
    shown_.massVisible.assign(static_cast<std::size_t>(std::max(0, storeys)), false);
    {
        const QSignalBlocker quiet(direction_);
        direction_->setCurrentIndex(0);
    }
    {
        const QSignalBlocker quietStorey(storey_);
        const QSignalBlocker quietFamily(family_);
        storey_->setRange(1, std::max(1, storeys));
        storey_->setValue(1);
        family_->setValue(1);
    }
    offerFamilies();
    storeyChosen(1); // captions, and the plan drawn once
    fillTables();
}

void CentresWindow::fillTables() {
    const std::vector<TextTable> tables = centresTables(
        host_.session().model(), host_.results(), numberFormatOf(displayLocale()));
    massCentres_->show(tables[0]);
    stiffnessCentres_->show(tables[1]);
}

// The range of the family selector and the visibility of each family follow the direction.
void CentresWindow::offerFamilies() {
    const int count = familiesOffered(host_.results(), shown_.direction);
    shown_.stiffnessVisible.resize(static_cast<std::size_t>(std::max(0, count)), false);
    family_->setRange(1, std::max(1, count));
    familyChosen(family_->value());
}

void CentresWindow::directionChosen(int index) {
    shown_.direction = static_cast<CentresDirection>(std::clamp(index, 0, 2));
    shown_.stiffnessVisible.clear();
    offerFamilies();
    redraw();
}

void CentresWindow::storeyChosen(int storey) {
    shown_.planStorey = storey;
    showMassOne_->setText(QStringLiteral("Visualizzare il C.M. n° %1").arg(storey));
    hideMassOne_->setText(QStringLiteral("Non Visualizzare il C.M. n° %1").arg(storey));
    redraw();
}

void CentresWindow::familyChosen(int family) {
    showStiffnessOne_->setText(QStringLiteral("Visualizzare il C.P.R. n° %1").arg(family));
    hideStiffnessOne_->setText(QStringLiteral("Non Visualizzare il C.P.R. n° %1").arg(family));
}

void CentresWindow::showMass(bool visible, bool onlyCurrent) {
    setEntries(shown_.massVisible, visible, onlyCurrent ? storey_->value() : 0);
    redraw();
}

void CentresWindow::showStiffness(bool visible, bool onlyCurrent) {
    setEntries(shown_.stiffnessVisible, visible, onlyCurrent ? family_->value() : 0);
    redraw();
}

void CentresWindow::redraw() {
    const Model& model = host_.session().model();
    if (!model.hasCompleteArrays())
        return;
    drawCentres(plan_->edit(), model, host_.results(), shown_);
}

Following CentresWindow::follow(ProjectChange change) {
    switch (change) {
    case ProjectChange::modelEdited:
        return Following::close;
    case ProjectChange::resultsRecomputed:
        computeStiffnessCentres(host_.session().model(), host_.results());
        load();
        return Following::stayOpen;
    case ProjectChange::familiesReassigned:
        computeStiffnessCentres(host_.session().model(), host_.results());
        offerFamilies();
        redraw();
        fillTables();
        return Following::stayOpen;
    }
    return Following::stayOpen;
}

} // namespace orvanta
