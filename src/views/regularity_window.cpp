#include "regularity_window.h"

#include "accessible_names.h"
#include "concrete.h"
#include "concrete_class_box.h"
#include "display_locale.h"
#include "picture_box.h"
#include "quiet_asker.h"
#include "regularity_drawing.h"
#include "regularity_tables.h"
#include "seismic_response.h"
#include "table_export.h"
#include "vibration_modes.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>
#include <string>

namespace orvanta {

namespace {

constexpr int visibleStoreys = 8; // rows of the storey table before it scrolls

QTableView* makeTable(const char* name, const QString& accessibleName, QAbstractItemModel* model,
                      QWidget* parent) {
    auto* table = new QTableView(parent);
    table->setObjectName(QLatin1String(name));
    table->setModel(model);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->verticalHeader()->hide();
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    nameControl(*table, accessibleName);
    enableTableExport(*table);
    return table;
}

// A table as high as its rows, up to `rows` of them; more scroll.
void fitHeightToRows(QTableView& table, int rows) {
    const int shown = std::clamp(table.model()->rowCount(), 1, rows);
    const int header = table.horizontalHeader()->sizeHint().height();
    const int scrollBar = table.horizontalScrollBar()->sizeHint().height();
    table.setFixedHeight(header + shown * table.verticalHeader()->defaultSectionSize() +
                         2 * table.frameWidth() + scrollBar);
}

QLabel* heading(const QString& caption, QWidget* parent) {
    auto* label = new QLabel(caption, parent);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

// "il piano 3" or "i piani 1, 2, 3" (the first ten of a longer list).
QString storeyList(const std::vector<int>& storeys) {
    constexpr std::size_t listed = 10;
    if (storeys.size() == 1)
        return QStringLiteral("il piano %1 non soddisfa").arg(storeys.front());
    QStringList numbers;
    for (std::size_t i = 0; i < std::min(storeys.size(), listed); ++i)
        numbers << QString::number(storeys[i]);
    QString list = numbers.join(QStringLiteral(", "));
    if (storeys.size() > listed)
        list += QStringLiteral(" e altri %1").arg(storeys.size() - listed);
    return QStringLiteral("i piani %1 non soddisfano").arg(list);
}

QString joined(const std::vector<std::string>& lines) {
    QStringList text;
    for (const std::string& line : lines)
        text << QString::fromStdString(line);
    return text.join(QLatin1Char('\n'));
}

} // namespace

QString RegularityWindow::verdict(const SeismicResults& s) {
    if (!s.hasRegularity())
        return joined(s.problem);
    QString text;
    if (s.regularInPlan) {
        text = QStringLiteral("L'edificio è regolare in pianta nei riguardi della torsione: ogni "
                              "piano soddisfa le quattro verifiche.");
    } else {
        std::vector<int> failing;
        for (int k = s.storeys.lower(); k <= s.storeys.upper(); ++k) {
            if (!s.storeys(k).passes())
                failing.push_back(k);
        }
        text = QStringLiteral("L'edificio non è regolare in pianta: %1 tutte le verifiche.")
                   .arg(storeyList(failing));
    }
    if (s.torsionallyFlexible)
        text += QStringLiteral("\nL'edificio è torsionalmente deformabile: in almeno un piano il "
                               "raggio torsionale è minore di ls.");
    return text;
}

RegularityWindow::RegularityWindow(ChildHost& host, QWidget* parent)
    : QWidget(parent), host_(host), concrete_(new QComboBox(this)), modulus_(new QLabel(this)),
      verdict_(new QLabel(this)), modesNote_(new QLabel(this)),
      storeys_(new StoreyChecksModel(this)), modes_(new ModesModel(this)),
      masses_(new FloorMassesModel(this)),
      storeyTable_(makeTable("mfgPiani", QStringLiteral("Verifiche di regolarità dei piani"),
                             storeys_, this)),
      massTable_(makeTable("mfgMasse", QStringLiteral("Pesi sismici dei piani"), masses_, this)),
      modeTable_(makeTable("mfgModi", QStringLiteral("Modi di vibrare"), modes_, this)),
      plan_(new PictureBox(QStringLiteral("pctPianta"), Drawing::defaultExtent, this)) {
    setObjectName(QString::fromLatin1(childWindow::regularity));

    auto* concreteLabel = new QLabel(QStringLiteral("Classe Calcestruzzo [MPa]"), this);
    concreteLabel->setObjectName(QStringLiteral("lblCalcestruzzo"));
    concrete_->setObjectName(QStringLiteral("cmbCalcestruzzo"));
    bindConcreteClass(*concrete_, host_);
    nameAfterLabel(*concreteLabel, *concrete_);
    modulus_->setObjectName(QStringLiteral("lblModulo"));
    verdict_->setObjectName(QStringLiteral("lblVerdetto"));
    verdict_->setWordWrap(true);
    QFont bold = verdict_->font();
    bold.setBold(true);
    verdict_->setFont(bold);
    modesNote_->setObjectName(QStringLiteral("lblModi"));
    modesNote_->setWordWrap(true);
    nameControl(*plan_, QStringLiteral("Pianta con i centri di massa e di rigidezza dei piani"));
    modeTable_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    modeTable_->horizontalHeader()->setStretchLastSection(true);

    auto* legend = new QLabel(
        QStringLiteral("<span style='color:#d00000'>●</span> C.M. centro di massa &nbsp; "
                       "<span style='color:#b0a000'>⊕</span> C.R. centro di rigidezza del piano"),
        this);
    legend->setObjectName(QStringLiteral("lblLegenda"));

    auto* back = new QPushButton(QStringLiteral("INDIETRO"), this);
    back->setObjectName(QStringLiteral("cmdIndietro"));

    auto* concreteRow = new QHBoxLayout;
    concreteRow->addWidget(concreteLabel);
    concreteRow->addWidget(concrete_);
    concreteRow->addWidget(modulus_, 1);

    auto* left = new QVBoxLayout;
    left->addLayout(concreteRow);
    left->addWidget(verdict_);
    left->addWidget(heading(QStringLiteral("Modi di vibrare"), this));
    left->addWidget(modesNote_);
    left->addWidget(modeTable_, 1);
    left->addWidget(heading(QStringLiteral("Pesi sismici dei piani (solai, travi, metà dei "
                                           "pilastri sopra e sotto, carichi lineari)"),
                            this));
    left->addWidget(massTable_);

    auto* right = new QVBoxLayout;
    right->addWidget(plan_, 1);
    right->addWidget(legend);

    auto* top = new QHBoxLayout;
    top->addLayout(left, 1);
    top->addLayout(right, 1);

    auto* bottom = new QHBoxLayout;
    bottom->addStretch(1);
    bottom->addWidget(back);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addWidget(heading(QStringLiteral("Verifiche di regolarità in pianta per piano"), this));
    layout->addWidget(storeyTable_);
    layout->addLayout(bottom);

    // A class chosen here is the project's (an edit, made first by the box); the tables follow it
    // at once, saying nothing new.
    connect(concrete_, &QComboBox::currentIndexChanged, this, [this] {
        QuietAsker quiet;
        compute(quiet);
    });
    connect(storeyTable_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &RegularityWindow::redraw);
    connect(back, &QPushButton::clicked, this, [this] { host_.closeChild(objectName()); });

    resize(1000, 660);
    compute(host.asker());
}

double RegularityWindow::concreteClass() const {
    return projectConcreteClass(host_.document().model());
}

int RegularityWindow::selectedStorey() const {
    const QModelIndex current = storeyTable_->currentIndex();
    return current.isValid() ? current.row() + 1 : 1;
}

void RegularityWindow::compute(Asker& asker) {
    const Model& model = host_.session().model();
    seismic_ =
        computeSeismicResponse(model, host_.results().globalStiffness, concreteClass(), asker);
    storeys_->show(&seismic_);
    modes_->show(&seismic_);
    masses_->show(&seismic_);
    fitHeightToRows(*storeyTable_, visibleStoreys);
    fitHeightToRows(*massTable_, visibleStoreys / 2);
    verdict_->setText(verdict(seismic_));
    const NumberFormat format = numberFormatOf(displayLocale());
    modulus_->setText(
        seismic_.youngModulus > 0
            ? QStringLiteral("Ecm = %1 N/mm² × fattore di fessurazione %2 = %3 N/mm²")
                  .arg(QString::fromStdString(
                           formatNumber(secantModulus(seismic_.concreteClass), 0, format)),
                       QString::fromStdString(formatNumber(seismic_.crackedFactor, 2, format)),
                       QString::fromStdString(formatNumber(seismic_.youngModulus, 0, format)))
            : QString());
    modesNote_->setText(seismic_.status == SeismicStatus::WithoutModes ? joined(seismic_.problem)
                                                                       : QString());
    modesNote_->setVisible(!modesNote_->text().isEmpty());
    redraw();
}

void RegularityWindow::redraw() {
    const Model& model = host_.session().model();
    if (!model.hasCompleteArrays())
        return;
    const int storey = std::clamp(selectedStorey(), 1, std::max<int>(1, model.counts.nStoreys));
    drawRigidityCentres(plan_->edit(), model, seismic_, storey);
}

Following RegularityWindow::follow(ProjectChange change) {
    switch (change) {
    case ProjectChange::modelEdited:
        return Following::close;
    case ProjectChange::resultsRecomputed:
        compute(host_.asker());
        return Following::stayOpen;
    case ProjectChange::settingsChanged: {
        // Another concrete class: other periods and displacements, nothing new to say.
        showConcreteClass(*concrete_, host_.document().model());
        QuietAsker quiet;
        compute(quiet);
        return Following::stayOpen;
    }
    case ProjectChange::familiesReassigned:
        return Following::stayOpen;
    }
    return Following::stayOpen;
}

} // namespace orvanta
