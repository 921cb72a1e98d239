#include "static_analysis_window.h"

#include "accessible_names.h"
#include "concrete.h"
#include "display_locale.h"
#include "picture_box.h"
#include "quiet_asker.h"
#include "seismic_action_window.h"
#include "seismic_masses.h"
#include "seismic_response.h"
#include "share_drawing.h"
#include "spectra_drawing.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>
#include <cmath>

namespace orvanta {

namespace {

const QColor failingColour(200, 0, 0);
const QColor passingColour(0, 130, 0);

QTableView* makeTable(const char* name, const QString& accessibleName, QStandardItemModel* model,
                      QWidget* parent) {
    auto* table = new QTableView(parent);
    table->setObjectName(QLatin1String(name));
    table->setModel(model);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->verticalHeader()->hide();
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    nameControl(*table, accessibleName);
    return table;
}

QLabel* heading(const QString& caption, QWidget* parent) {
    auto* label = new QLabel(caption, parent);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

QString number(double value, int decimals, const NumberFormat& format) {
    return QString::fromStdString(formatNumber(value, decimals, format));
}

QStandardItem* cell(const QString& text, std::optional<QColor> colour = std::nullopt) {
    auto* item = new QStandardItem(text);
    item->setTextAlignment(Qt::AlignCenter);
    if (colour)
        item->setForeground(*colour);
    return item;
}

QString joined(const std::vector<std::string>& lines) {
    QStringList text;
    for (const std::string& line : lines)
        text << QString::fromStdString(line);
    return text.join(QLatin1Char('\n'));
}

} // namespace

QString StaticAnalysisWindow::summary(const LinearStaticResults& r, const NumberFormat& f) {
    if (!r.computed)
        return joined(r.problem);
    const BehaviourFactor& b = r.behaviour;
    QString text;
    if (b.typed) {
        text = QStringLiteral("q = %1 imposto (calcolato: q0 = %2, KR = %3, αu/α1 = %4)")
                   .arg(number(b.q, 2, f), number(b.q0, 2, f), number(b.kr, 2, f),
                        number(b.alphaU, 2, f));
    } else {
        text = QStringLiteral("q = q0·KR = %1 · %2 = %3 (αu/α1 = %4%5)")
                   .arg(number(b.q0, 2, f), number(b.kr, 2, f), number(b.q, 2, f),
                        number(b.alphaU, 2, f),
                        b.regularInPlan ? QString()
                                        : QStringLiteral(", non regolare in pianta: %1")
                                              .arg(number(b.alphaUUsed, 3, f)));
    }
    if (b.torsionallyDeformable)
        text += QStringLiteral("; struttura torsionalmente deformabile");
    const AxisAction& x = r.axis(ActionAxis::X);
    const AxisAction& y = r.axis(ActionAxis::Y);
    text += QStringLiteral("\nT1,X = %1 s, T1,Y = %2 s; E = %3 N/mm²; W = %4 kN")
                .arg(number(x.period, 3, f), number(y.period, 3, f), number(r.youngModulus, 0, f),
                     number(r.totalWeight / 1000, 0, f));
    if (r.methodApplies) {
        text += QStringLiteral("\nL'analisi statica lineare è applicabile (NTC 2018 §7.3.3.2).");
    } else {
        text += QStringLiteral("\nL'analisi statica lineare non è applicabile (");
        text += r.regularInElevation ? QStringLiteral("T1 > 2,5·TC o T1 > TD")
                                     : QStringLiteral("edificio non regolare in altezza");
        text += QStringLiteral("): prevale l'analisi dinamica modale.");
    }
    return text;
}

StaticAnalysisWindow::StaticAnalysisWindow(ChildHost& host, QWidget* parent)
    : QWidget(parent), host_(host), summary_(new QLabel(this)),
      spectra_(new PictureBox(QStringLiteral("pctSpettri"), spectraExtent, this)),
      plan_(new PictureBox(QStringLiteral("pctPianta"), Drawing::defaultExtent, this)),
      storey_(new QComboBox(this)), action_(new QComboBox(this)), direction_(new QComboBox(this)),
      storeys_(new QStandardItemModel(this)), drifts_(new QStandardItemModel(this)),
      storeyTable_(makeTable("mfgPiani", QStringLiteral("Forze, spostamenti e θ per piano"),
                             storeys_, this)),
      driftTable_(makeTable("mfgSpostamenti",
                            QStringLiteral("Verifica degli spostamenti di "
                                           "interpiano"),
                            drifts_, this)) {
    setObjectName(QString::fromLatin1(childWindow::staticAnalysisWindow));
    summary_->setObjectName(QStringLiteral("lblEsito"));
    summary_->setWordWrap(true);
    nameControl(*spectra_, QStringLiteral("Spettri di risposta"));
    nameControl(*plan_, QStringLiteral("Pianta con le quote di taglio dei ritti"));

    auto* storeyLabel = new QLabel(QStringLiteral("Piano:"), this);
    storeyLabel->setObjectName(QStringLiteral("lblPiano"));
    storey_->setObjectName(QStringLiteral("cmbPiano"));
    nameAfterLabel(*storeyLabel, *storey_);
    auto* actionLabel = new QLabel(QStringLiteral("Caso:"), this);
    actionLabel->setObjectName(QStringLiteral("lblCaso"));
    action_->setObjectName(QStringLiteral("cmbCaso"));
    for (const ActionCase c : allActionCases)
        action_->addItem(QString::fromLatin1(actionCaseName(c)));
    nameAfterLabel(*actionLabel, *action_);
    auto* directionLabel = new QLabel(QStringLiteral("Sisma in direzione:"), this);
    directionLabel->setObjectName(QStringLiteral("lblDirezione"));
    direction_->setObjectName(QStringLiteral("cmbDirezione"));
    direction_->addItems({QStringLiteral("X"), QStringLiteral("Y")});
    nameAfterLabel(*directionLabel, *direction_);

    auto* parameters = new QPushButton(QStringLiteral("Parametri Sismici..."), this);
    parameters->setObjectName(QStringLiteral("cmdParametri"));
    auto* back = new QPushButton(QStringLiteral("INDIETRO"), this);
    back->setObjectName(QStringLiteral("cmdIndietro"));

    auto* planControls = new QHBoxLayout;
    planControls->addWidget(storeyLabel);
    planControls->addWidget(storey_);
    planControls->addWidget(actionLabel);
    planControls->addWidget(action_);
    planControls->addStretch(1);
    auto* shareLegend = new QLabel(
        QStringLiteral("→ quota del ritto ortogonale a Y, ↑ del ritto ortogonale a X (% di V)"),
        this);
    shareLegend->setObjectName(QStringLiteral("lblLegenda"));

    auto* left = new QVBoxLayout;
    left->addWidget(heading(QStringLiteral("Spettri di risposta"), this));
    left->addWidget(spectra_, 1);
    auto* right = new QVBoxLayout;
    right->addLayout(planControls);
    right->addWidget(plan_, 1);
    right->addWidget(shareLegend);
    auto* top = new QHBoxLayout;
    top->addLayout(left, 1);
    top->addLayout(right, 1);

    auto* directionRow = new QHBoxLayout;
    directionRow->addWidget(heading(QStringLiteral("Forze e spostamenti allo SLV"), this));
    directionRow->addStretch(1);
    directionRow->addWidget(directionLabel);
    directionRow->addWidget(direction_);

    auto* bottom = new QHBoxLayout;
    bottom->addStretch(1);
    bottom->addWidget(parameters);
    bottom->addWidget(back);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(summary_);
    layout->addLayout(top, 3);
    layout->addLayout(directionRow);
    layout->addWidget(storeyTable_, 2);
    layout->addWidget(heading(QStringLiteral("Verifica degli spostamenti di interpiano"), this));
    layout->addWidget(driftTable_, 2);
    layout->addLayout(bottom);

    connect(storey_, &QComboBox::currentIndexChanged, this, [this] { redrawPlan(); });
    connect(action_, &QComboBox::currentIndexChanged, this, [this] { redrawPlan(); });
    connect(direction_, &QComboBox::currentIndexChanged, this, [this] { fillStoreyTable(); });
    connect(parameters, &QPushButton::clicked, this,
            [this] { host_.openChild(QString::fromLatin1(childWindow::seismicActionWindow)); });
    connect(back, &QPushButton::clicked, this, [this] { host_.closeChild(objectName()); });

    resize(1100, 800);
    compute(host.asker());
}

void StaticAnalysisWindow::compute(Asker& asker) {
    const Model& model = host_.session().model();
    const AnalysisResults& results = host_.results();
    const std::optional<NtcParameters> parameters = readNtcParameters(model.settings);
    if (!parameters) {
        analysis_ = {};
        analysis_.problem = {"Il progetto non ha i parametri dell'azione sismica: inserirli con "
                             "\"Parametri Sismici...\"."};
    } else {
        const SeismicResults seismic = computeSeismicResponse(model, results.globalStiffness,
                                                              projectConcreteClass(model), asker);
        analysis_ = linearStaticAnalysis(model, results, seismicMasses(model),
                                         projectStiffnessModulus(model), seismic, *parameters);
    }
    const NumberFormat format = numberFormatOf(displayLocale());
    summary_->setText(summary(analysis_, format));
    drawSpectra(spectra_->edit(), analysis_, format);

    const QSignalBlocker blocker(storey_);
    storey_->clear();
    for (int s = 1; s <= model.counts.nStoreys; ++s)
        storey_->addItem(QString::number(s));
    fillStoreyTable();
    fillDriftTable();
    redrawPlan();
}

void StaticAnalysisWindow::fillStoreyTable() {
    storeys_->clear();
    storeys_->setHorizontalHeaderLabels(
        {QStringLiteral("Piano"), QStringLiteral("W [kN]"), QStringLiteral("F [kN]"),
         QStringLiteral("V [kN]"), QStringLiteral("e acc. [mm]"), QStringLiteral("dEe [mm]"),
         QStringLiteral("dE [mm]"), QStringLiteral("Rotaz. [mrad]"), QStringLiteral("dr [mm]"),
         QStringLiteral("θ"), QStringLiteral("Effetti del II ordine")});
    if (!analysis_.computed)
        return;
    const NumberFormat f = numberFormatOf(displayLocale());
    const AxisAction& a =
        analysis_.axis(direction_->currentIndex() == 0 ? ActionAxis::X : ActionAxis::Y);
    for (int s = a.forcesSLV.upper(); s >= 1; --s) {
        const SecondOrder c = secondOrderClass(a.theta(s));
        const QColor colour = c == SecondOrder::negligible ? passingColour : failingColour;
        QString effect = QString::fromUtf8(secondOrderText(c));
        if (c == SecondOrder::amplified)
            effect = QStringLiteral("× %1").arg(number(secondOrderAmplification(a.theta(s)), 3, f));
        storeys_->appendRow(
            {cell(QString::number(s)),
             cell(number(analysis_.masses[static_cast<std::size_t>(s - 1)].weight / 1000, 0, f)),
             cell(number(a.forcesSLV(s) / 1000, 1, f)), cell(number(a.shearsSLV(s) / 1000, 1, f)),
             cell(number(a.eccentricity(s), 0, f)), cell(number(a.centreDisplacement(s), 2, f)),
             cell(number(a.ductilityDemand * a.centreDisplacement(s), 2, f)),
             cell(number(1000 * a.rotation(s), 3, f)), cell(number(a.designDrift(s), 2, f)),
             cell(number(a.theta(s), 3, f), colour), cell(effect, colour)});
    }
}

void StaticAnalysisWindow::fillDriftTable() {
    drifts_->clear();
    const QString state = QString::fromLatin1(limitStateName(analysis_.damageState));
    drifts_->setHorizontalHeaderLabels({QStringLiteral("Piano"), QStringLiteral("h [mm]"),
                                        QStringLiteral("dr max %1 [mm]").arg(state),
                                        QStringLiteral("Limite [mm]"), QStringLiteral("Verifica"),
                                        QStringLiteral("Ritto"), QStringLiteral("Caso")});
    if (!analysis_.computed)
        return;
    const NumberFormat f = numberFormatOf(displayLocale());
    for (int s = analysis_.drift.upper(); s >= 1; --s) {
        const StoreyDrift& d = analysis_.drift(s);
        const bool ok = d.passes();
        drifts_->appendRow({cell(QString::number(s)), cell(number(analysis_.storeyHeight(s), 0, f)),
                            cell(number(d.drift, 2, f)), cell(number(d.limit, 2, f)),
                            cell(ok ? QStringLiteral("✓") : QStringLiteral("✗"),
                                 ok ? passingColour : failingColour),
                            cell(QStringLiteral("%1 ort. %2")
                                     .arg(d.ritto)
                                     .arg(QLatin1String(orthogonalAxis(d.set)))),
                            cell(QString::fromLatin1(actionCaseName(d.action)))});
    }
}

void StaticAnalysisWindow::redrawPlan() {
    const Model& model = host_.session().model();
    if (!model.hasCompleteArrays())
        return;
    const int storey =
        std::clamp(storey_->currentIndex() + 1, 1, std::max<int>(1, model.counts.nStoreys));
    const ActionCase action =
        allActionCases[static_cast<std::size_t>(std::clamp(action_->currentIndex(), 0, 3))];
    drawRittoShares(plan_->edit(), model, host_.results(), analysis_, storey, action,
                    numberFormatOf(displayLocale()));
}

Following StaticAnalysisWindow::follow(ProjectChange change) {
    switch (change) {
    case ProjectChange::modelEdited:
        return Following::close;
    case ProjectChange::resultsRecomputed: {
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
