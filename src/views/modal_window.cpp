#include "modal_window.h"

#include "accessible_names.h"
#include "concrete.h"
#include "display_locale.h"
#include "quiet_asker.h"
#include "regularity_summary.h"
#include "seismic_response.h"

#include <QBrush>
#include <QColor>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace orvanta {

namespace {

QTableWidget* makeTable(const char* name, const QString& accessibleName, const QStringList& headers,
                        QWidget* parent) {
    auto* table = new QTableWidget(0, static_cast<int>(headers.size()), parent);
    table->setObjectName(QLatin1String(name));
    table->setHorizontalHeaderLabels(headers);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->verticalHeader()->hide();
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
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

QTableWidgetItem* cell(const QString& text, Qt::Alignment alignment = Qt::AlignLeft) {
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(alignment | Qt::AlignVCenter);
    return item;
}

QString regularWord(bool regular) {
    return regular ? QStringLiteral("regolare") : QStringLiteral("non regolare");
}

QString joined(const std::vector<std::string>& lines) {
    QStringList text;
    for (const std::string& line : lines)
        text << QString::fromStdString(line);
    return text.join(QLatin1Char('\n'));
}

const QStringList storeyHeaders{
    QStringLiteral("Piano"),     QStringLiteral("Fx [kN]"),  QStringLiteral("Fy [kN]"),
    QStringLiteral("Vx [kN]"),   QStringLiteral("Vy [kN]"),  QStringLiteral("u [mm]"),
    QStringLiteral("v [mm]"),    QStringLiteral("θ [mrad]"), QStringLiteral("Drift [mm]"),
    QStringLiteral("Lim. [mm]"), QStringLiteral("Verifica"), QStringLiteral("θx"),
    QStringLiteral("θy")};

const QStringList rittoHeaders{QStringLiteral("Ritto"), QStringLiteral("Ort. a"),
                               QStringLiteral("V base [kN]"), QStringLiteral("Quota [%]")};

} // namespace

QString ModalWindow::method(const NtcAnalysis& a, bool hasAction) {
    if (!hasAction)
        return QStringLiteral("Parametri dell'azione sismica non definiti: inserirli nella "
                              "finestra Azione Sismica per la risposta modale e il metodo di "
                              "analisi.");
    if (!a.computed)
        return joined(a.problem);
    const MethodChoice& m = a.method;
    const LinearStaticResults& r = a.lateralForces;
    const auto number = [](double value) {
        return QString::fromStdString(formatNumber(value, 3, numberFormatOf(displayLocale())));
    };
    QString why;
    if (!m.regularInElevation)
        why = QStringLiteral("l'edificio non è regolare in altezza");
    for (const ActionAxis axis : {ActionAxis::X, ActionAxis::Y}) {
        if (m.shortPeriod[axisIndex(axis)])
            continue;
        why += (why.isEmpty() ? QString() : QStringLiteral("; "));
        why += QStringLiteral("T1 lungo %1 = %2 s supera 2,5·TC o TD")
                   .arg(QLatin1String(axisName(axis)), number(r.axes[axisIndex(axis)].period));
    }
    const SpectrumShape& slv = r.spectrum(LimitState::SLV);
    return m.method == GoverningMethod::lateralForces
               ? QStringLiteral("Governa l'analisi statica lineare: edificio regolare in altezza "
                                "e T1 ≤ 2,5·TC = %1 s e T1 ≤ TD = %2 s in entrambe le direzioni "
                                "(q = %3).")
                     .arg(number(2.5 * slv.tc), number(slv.td), number(r.behaviour.q))
               : QStringLiteral("Governa l'analisi dinamica lineare (modale): %1 (q = %2).")
                     .arg(why, number(r.behaviour.q));
}

QString ModalWindow::verdict(const ModalStudy& study) {
    if (!study.computed)
        return joined(study.problem);
    const NtcRegularity& r = study.regularity;
    return QStringLiteral("Secondo NTC 2018 §7.2.1 l'edificio è %1 in altezza e %2 in pianta.\n"
                          "Regolarità in altezza: KR = %3. Regolarità in pianta: αu/α1 %4.")
        .arg(regularWord(r.regularInElevation()), regularWord(r.regularInPlan()),
             r.regularInElevation() ? QStringLiteral("1,0") : QStringLiteral("0,8"),
             r.regularInPlan() ? QStringLiteral("come proposto")
                               : QStringLiteral("sostituito da (1 + αu/α1)/2"));
}

ModalWindow::ModalWindow(ChildHost& host, QWidget* parent)
    : QWidget(parent), host_(host), verdict_(new QLabel(this)), periods_(new QLabel(this)),
      criteria_(makeTable("mfgRegolarita", QStringLiteral("Criteri di regolarità NTC 2018"),
                          {QStringLiteral("Criterio"), QStringLiteral("Dove"),
                           QStringLiteral("Valore"), QStringLiteral("Esito")},
                          this)),
      modes_(makeTable("mfgModiPartecipanti", QStringLiteral("Masse partecipanti dei modi"),
                       {QStringLiteral("Modo"), QStringLiteral("T [s]"),
                        QStringLiteral("Massa X [%]"), QStringLiteral("Massa Y [%]"),
                        QStringLiteral("Cum. X [%]"), QStringLiteral("Cum. Y [%]")},
                       this)),
      storeys_(makeTable("mfgPianiModale",
                         QStringLiteral("Risposta modale per piano: forze, tagli, spostamenti, "
                                        "drift e θ"),
                         storeyHeaders, this)),
      ritti_(makeTable("mfgRittiModale", QStringLiteral("Tagli al piede dei ritti"), rittoHeaders,
                       this)) {
    setObjectName(QString::fromLatin1(childWindow::modal));
    verdict_->setObjectName(QStringLiteral("lblRegolarita"));
    verdict_->setWordWrap(true);
    QFont bold = verdict_->font();
    bold.setBold(true);
    verdict_->setFont(bold);
    periods_->setObjectName(QStringLiteral("lblPeriodi"));
    periods_->setWordWrap(true);
    method_ = new QLabel(this);
    method_->setObjectName(QStringLiteral("lblMetodo"));
    method_->setWordWrap(true);
    method_->setFont(bold);
    storeys_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    ritti_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    // The figure takes what the other columns leave, so that the verdict stays in sight.
    criteria_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    criteria_->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);
    modes_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);

    auto* back = new QPushButton(QStringLiteral("INDIETRO"), this);
    back->setObjectName(QStringLiteral("cmdIndietro"));

    auto* left = new QVBoxLayout;
    left->addWidget(heading(QStringLiteral("Regolarità secondo NTC 2018"), this));
    left->addWidget(verdict_);
    left->addWidget(criteria_, 1);

    auto* right = new QVBoxLayout;
    right->addWidget(heading(QStringLiteral("Masse partecipanti"), this));
    right->addWidget(periods_);
    right->addWidget(modes_, 1);

    auto* top = new QHBoxLayout;
    top->addLayout(left, 3);
    top->addLayout(right, 2);

    auto* bottom = new QHBoxLayout;
    bottom->addStretch(1);
    bottom->addWidget(back);

    auto* response = new QHBoxLayout;
    response->addWidget(storeys_, 3);
    response->addWidget(ritti_, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addWidget(heading(QStringLiteral("Analisi dinamica lineare (CQC), SLV; drift a SLD o "
                                             "SLO"),
                              this));
    layout->addWidget(method_);
    layout->addLayout(response, 1);
    layout->addLayout(bottom);
    connect(back, &QPushButton::clicked, this, [this] { host_.closeChild(objectName()); });

    resize(1200, 820);
    compute();
}

void ModalWindow::compute() {
    const Model& model = host_.session().model();
    const std::optional<NtcParameters> parameters = readNtcParameters(model.settings);
    hasAction_ = parameters.has_value();
    if (hasAction_) {
        QuietAsker quiet;
        const SeismicResults seismic = computeSeismicResponse(
            model, host_.results().globalStiffness, projectConcreteClass(model), quiet);
        ntc_ = ntcAnalysis(model, host_.results(), seismic, *parameters);
    } else {
        ntc_ = NtcAnalysis{};
        ntc_.study = modalStudy(model, host_.results());
    }
    verdict_->setText(verdict(ntc_.study));
    method_->setText(method(ntc_, hasAction_));
    fillCriteria();
    fillModes();
    fillStoreys();
    fillRitti();
}

void ModalWindow::fillCriteria() {
    const NumberFormat format = numberFormatOf(displayLocale());
    const std::vector<RegularityRow> rows = ntc_.study.computed
                                                ? regularityRows(ntc_.study.regularity, format)
                                                : std::vector<RegularityRow>{};
    criteria_->setRowCount(static_cast<int>(rows.size()));
    for (int i = 0; i < criteria_->rowCount(); ++i) {
        const RegularityRow& row = rows[static_cast<std::size_t>(i)];
        const QString kind = row.inPlan ? QStringLiteral("Pianta ") : QStringLiteral("Altezza ");
        criteria_->setItem(i, 0, cell(kind + QString::fromStdString(row.criterion)));
        criteria_->setItem(i, 1, cell(QString::fromStdString(row.where)));
        criteria_->setItem(i, 2, cell(QString::fromStdString(row.figure)));
        auto* mark = cell(QString::fromUtf8(verdictMark(row.verdict)), Qt::AlignHCenter);
        if (row.verdict == Verdict::fails)
            mark->setForeground(QBrush(QColor(0xd0, 0, 0)));
        criteria_->setItem(i, 3, mark);
    }
}

void ModalWindow::fillModes() {
    const NumberFormat format = numberFormatOf(displayLocale());
    const auto number = [&](double value, int decimals) {
        return QString::fromStdString(formatNumber(value, decimals, format));
    };
    const std::vector<ModalShape>& modes = ntc_.study.basis.modes;
    modes_->setRowCount(ntc_.study.computed ? static_cast<int>(modes.size()) : 0);
    double sumX = 0, sumY = 0;
    for (int j = 0; j < modes_->rowCount(); ++j) {
        const ModalShape& mode = modes[static_cast<std::size_t>(j)];
        sumX += mode.massRatioX;
        sumY += mode.massRatioY;
        modes_->setItem(j, 0, cell(QString::number(j + 1), Qt::AlignHCenter));
        modes_->setItem(j, 1, cell(number(mode.period, 3), Qt::AlignRight));
        modes_->setItem(j, 2, cell(number(100 * mode.massRatioX, 1), Qt::AlignRight));
        modes_->setItem(j, 3, cell(number(100 * mode.massRatioY, 1), Qt::AlignRight));
        modes_->setItem(j, 4, cell(number(100 * sumX, 1), Qt::AlignRight));
        modes_->setItem(j, 5, cell(number(100 * sumY, 1), Qt::AlignRight));
    }
    periods_->setText(ntc_.study.computed
                          ? QStringLiteral("Tutti i %1 modi (3 per piano, Ecls = %2 N/mm²). "
                                           "T1 lungo X = %3 s, lungo Y = %4 s.")
                                .arg(modes.size())
                                .arg(number(ntc_.study.modulus, 0),
                                     number(ntc_.study.fundamentalPeriod[0], 3),
                                     number(ntc_.study.fundamentalPeriod[1], 3))
                          : QString());
}

void ModalWindow::fillStoreys() {
    const NumberFormat format = numberFormatOf(displayLocale());
    const auto number = [&](double value, int decimals) {
        return cell(QString::fromStdString(formatNumber(value, decimals, format)), Qt::AlignRight);
    };
    const bool shown = hasAction_ && ntc_.computed;
    const ModalAnalysis& m = ntc_.modal;
    const int count = shown ? static_cast<int>(m.theta[0].size()) : 0;
    storeys_->setRowCount(count);
    for (int row = 0; row < count; ++row) {
        const auto s = static_cast<std::size_t>(row);
        const ResponseValues& x = m.slv[0].total;
        const ResponseValues& y = m.slv[1].total;
        const double drift = std::max(m.largestDrift[0][s].drift, m.largestDrift[1][s].drift);
        const double limit = ntc_.lateralForces.drift(row + 1).limit;
        storeys_->setItem(row, 0, cell(QString::number(row + 1), Qt::AlignHCenter));
        storeys_->setItem(row, 1, number(x.forceX[s] / 1000, 1));
        storeys_->setItem(row, 2, number(y.forceY[s] / 1000, 1));
        storeys_->setItem(row, 3, number(x.shearX[s] / 1000, 1));
        storeys_->setItem(row, 4, number(y.shearY[s] / 1000, 1));
        storeys_->setItem(row, 5, number(x.u[s], 2));
        storeys_->setItem(row, 6, number(y.v[s], 2));
        storeys_->setItem(row, 7, number(1000 * std::max(x.theta[s], y.theta[s]), 3));
        storeys_->setItem(row, 8, number(drift, 2));
        storeys_->setItem(row, 9, number(limit, 2));
        auto* mark =
            cell(drift <= limit ? QStringLiteral("✓") : QStringLiteral("✗"), Qt::AlignHCenter);
        if (drift > limit)
            mark->setForeground(QBrush(QColor(0xd0, 0, 0)));
        storeys_->setItem(row, 10, mark);
        storeys_->setItem(row, 11, number(m.theta[0][s], 3));
        storeys_->setItem(row, 12, number(m.theta[1][s], 3));
    }
}

void ModalWindow::fillRitti() {
    const NumberFormat format = numberFormatOf(displayLocale());
    const auto number = [&](double value, int decimals) {
        return cell(QString::fromStdString(formatNumber(value, decimals, format)), Qt::AlignRight);
    };
    ritti_->setRowCount(0);
    if (!hasAction_ || !ntc_.computed)
        return;
    const ModalAnalysis& m = ntc_.modal;
    for (const Direction set : bothDirections) {
        // The ritti orthogonal to X resist along Y: their share is of the base shear along Y.
        const double base =
            set == Direction::orthogonalToX ? m.slv[1].total.shearY[0] : m.slv[0].total.shearX[0];
        const auto& shears = m.rittoShear[rittiIndex(set)];
        for (std::size_t i = 0; i < shears.size(); ++i) {
            if (shears[i].empty() || shears[i][0] == 0)
                continue;
            const int row = ritti_->rowCount();
            ritti_->insertRow(row);
            ritti_->setItem(row, 0, cell(QString::number(i + 1), Qt::AlignHCenter));
            ritti_->setItem(row, 1, cell(QLatin1String(orthogonalAxis(set)), Qt::AlignHCenter));
            ritti_->setItem(row, 2, number(shears[i][0] / 1000, 1));
            ritti_->setItem(row, 3, number(base > 0 ? 100 * shears[i][0] / base : 0, 1));
        }
    }
}

Following ModalWindow::follow(ProjectChange change) {
    switch (change) {
    case ProjectChange::modelEdited:
        return Following::close;
    case ProjectChange::resultsRecomputed:
        compute();
        return Following::stayOpen;
    case ProjectChange::familiesReassigned:
        return Following::stayOpen;
    }
    return Following::stayOpen;
}

} // namespace orvanta
