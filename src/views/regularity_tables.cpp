#include "regularity_tables.h"

#include "display_locale.h"
#include "table_export.h"
#include "torsional_regularity.h"

#include <QBrush>
#include <QColor>

namespace orvanta {

namespace {

const QColor failingBackground(250, 205, 205);
const QColor failingText(150, 0, 0);

QString number(double value, int decimals, const NumberFormat& format) {
    return QString::fromStdString(formatNumber(value, decimals, format));
}

QString mark(bool passes) {
    return passes ? QStringLiteral("✓") : QStringLiteral("✗");
}

} // namespace

StoreyChecksModel::StoreyChecksModel(QObject* parent)
    : QAbstractTableModel(parent), format_(numberFormatOf(displayLocale())) {}

void StoreyChecksModel::show(const SeismicResults* results) {
    beginResetModel();
    results_ = results && results->hasRegularity() ? results : nullptr;
    endResetModel();
}

int StoreyChecksModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !results_ ? 0 : static_cast<int>(results_->storeys.size());
}

int StoreyChecksModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : columns;
}

bool StoreyChecksModel::failing(int row, int column) const {
    if (!results_ || row < 0 || row >= rowCount())
        return false;
    const StoreyRegularity& s = results_->storeys(row + 1);
    switch (column) {
    case eccentricityX:
    case eccentricityXCheck:
        return !s.eccentricityXPasses;
    case eccentricityY:
    case eccentricityYCheck:
        return !s.eccentricityYPasses;
    case radiusX:
    case radiusXCheck:
        return !s.radiusXPasses;
    case radiusY:
    case radiusYCheck:
        return !s.radiusYPasses;
    default:
        return false;
    }
}

QString StoreyChecksModel::text(const StoreyRegularity& s, int row, int column) const {
    switch (column) {
    case storey:
        return QString::number(row + 1);
    case massCentreX:
        return number(s.massCentreX, 0, format_);
    case massCentreY:
        return number(s.massCentreY, 0, format_);
    case rigidityCentreX:
        return number(s.rigidityCentreX, 0, format_);
    case rigidityCentreY:
        return number(s.rigidityCentreY, 0, format_);
    case eccentricityX:
        return number(s.eccentricityX, 0, format_);
    case eccentricityY:
        return number(s.eccentricityY, 0, format_);
    case radiusX:
        return number(s.torsionalRadiusX, 0, format_);
    case radiusY:
        return number(s.torsionalRadiusY, 0, format_);
    case gyrationRadius:
        return number(s.gyrationRadius, 0, format_);
    case eccentricityXCheck:
        return mark(s.eccentricityXPasses);
    case eccentricityYCheck:
        return mark(s.eccentricityYPasses);
    case radiusXCheck:
        return mark(s.radiusXPasses);
    case radiusYCheck:
        return mark(s.radiusYPasses);
    default:
        return {};
    }
}

// The number behind a cell; nothing for the checks' marks.
QVariant StoreyChecksModel::exactValue(const StoreyRegularity& s, int row, int column) const {
    switch (column) {
    case storey:
        return row + 1;
    case massCentreX:
        return s.massCentreX;
    case massCentreY:
        return s.massCentreY;
    case rigidityCentreX:
        return s.rigidityCentreX;
    case rigidityCentreY:
        return s.rigidityCentreY;
    case eccentricityX:
        return s.eccentricityX;
    case eccentricityY:
        return s.eccentricityY;
    case radiusX:
        return s.torsionalRadiusX;
    case radiusY:
        return s.torsionalRadiusY;
    case gyrationRadius:
        return s.gyrationRadius;
    default:
        return {};
    }
}

QVariant StoreyChecksModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || !results_)
        return {};
    const int row = index.row();
    const int column = index.column();
    switch (role) {
    case Qt::DisplayRole:
        return text(results_->storeys(row + 1), row, column);
    case exactValueRole:
        return exactValue(results_->storeys(row + 1), row, column);
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(
            column >= eccentricityXCheck ? Qt::AlignCenter : Qt::AlignRight | Qt::AlignVCenter);
    case Qt::BackgroundRole:
        return failing(row, column) ? QVariant(QBrush(failingBackground)) : QVariant();
    case Qt::ForegroundRole:
        return failing(row, column) ? QVariant(QBrush(failingText)) : QVariant();
    case Qt::ToolTipRole:
        return failing(row, column) ? QStringLiteral("Verifica non soddisfatta") : QVariant();
    default:
        return {};
    }
}

QVariant StoreyChecksModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    const QString limit = number(eccentricityLimit, 2, format_);
    switch (section) {
    case storey:
        return QStringLiteral("Piano");
    case massCentreX:
        return QStringLiteral("C.M. X\n[mm]");
    case massCentreY:
        return QStringLiteral("C.M. Y\n[mm]");
    case rigidityCentreX:
        return QStringLiteral("C.R. X\n[mm]");
    case rigidityCentreY:
        return QStringLiteral("C.R. Y\n[mm]");
    case eccentricityX:
        return QStringLiteral("e0x\n[mm]");
    case eccentricityY:
        return QStringLiteral("e0y\n[mm]");
    case radiusX:
        return QStringLiteral("rx\n[mm]");
    case radiusY:
        return QStringLiteral("ry\n[mm]");
    case gyrationRadius:
        return QStringLiteral("ls\n[mm]");
    case eccentricityXCheck:
        return QStringLiteral("e0x ≤\n%1·rx").arg(limit);
    case eccentricityYCheck:
        return QStringLiteral("e0y ≤\n%1·ry").arg(limit);
    case radiusXCheck:
        return QStringLiteral("rx ≥\nls");
    case radiusYCheck:
        return QStringLiteral("ry ≥\nls");
    default:
        return {};
    }
}

FloorMassesModel::FloorMassesModel(QObject* parent)
    : QAbstractTableModel(parent), format_(numberFormatOf(displayLocale())) {}

void FloorMassesModel::show(const SeismicResults* results) {
    beginResetModel();
    results_ = results && results->hasRegularity() ? results : nullptr;
    endResetModel();
}

int FloorMassesModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !results_ ? 0 : static_cast<int>(results_->floorMasses.size());
}

int FloorMassesModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : columns;
}

QVariant FloorMassesModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || !results_)
        return {};
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return {};
    const StoreySeismicMass& m = results_->floorMasses.at(static_cast<std::size_t>(index.row()));
    constexpr double kiloNewton = 1000;
    switch (index.column()) {
    case storey:
        return QString::number(index.row() + 1);
    case weight:
        return number(m.weight / kiloNewton, 1, format_);
    case mass:
        // N·s²/mm is the tonne.
        return number(m.mass(), 2, format_);
    case centreX:
        return number(m.centreX, 0, format_);
    case centreY:
        return number(m.centreY, 0, format_);
    case gyrationRadius:
        return number(m.gyrationRadius, 0, format_);
    default:
        return {};
    }
}

QVariant FloorMassesModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case storey:
        return QStringLiteral("Piano");
    case weight:
        return QStringLiteral("W\n[kN]");
    case mass:
        return QStringLiteral("Massa\n[t]");
    case centreX:
        return QStringLiteral("x G*\n[mm]");
    case centreY:
        return QStringLiteral("y G*\n[mm]");
    case gyrationRadius:
        return QStringLiteral("ls\n[mm]");
    default:
        return {};
    }
}

ModesModel::ModesModel(QObject* parent)
    : QAbstractTableModel(parent), format_(numberFormatOf(displayLocale())) {}

void ModesModel::show(const SeismicResults* results) {
    beginResetModel();
    results_ = results && results->hasModes() ? results : nullptr;
    endResetModel();
}

int ModesModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !results_ ? 0 : static_cast<int>(results_->modes.size());
}

int ModesModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : columns;
}

QVariant ModesModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || !results_)
        return {};
    const VibrationMode& m = results_->modes(index.row() + 1);
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(index.column() == kind ? Qt::AlignLeft | Qt::AlignVCenter
                                                          : Qt::AlignRight | Qt::AlignVCenter);
    constexpr double percent = 100;
    if (role == exactValueRole) {
        switch (index.column()) {
        case mode:
            return index.row() + 1;
        case period:
            return m.period;
        case massX:
            return percent * m.massRatioX;
        case massY:
            return percent * m.massRatioY;
        case massRotation:
            return percent * m.massRatioRotation;
        case rotationalShare:
            return percent * m.rotationalShare;
        default:
            return {};
        }
    }
    if (role != Qt::DisplayRole)
        return {};
    switch (index.column()) {
    case mode:
        return QString::number(index.row() + 1);
    case period:
        return number(m.period, 3, format_);
    case massX:
        return number(percent * m.massRatioX, 1, format_);
    case massY:
        return number(percent * m.massRatioY, 1, format_);
    case massRotation:
        return number(percent * m.massRatioRotation, 1, format_);
    case rotationalShare:
        return number(percent * m.rotationalShare, 1, format_);
    case kind:
        return m.isTorsional() ? QStringLiteral("torsionale") : QString();
    default:
        return {};
    }
}

QVariant ModesModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case mode:
        return QStringLiteral("Modo");
    case period:
        return QStringLiteral("T [s]");
    case massX:
        return QStringLiteral("Massa X\n[%]");
    case massY:
        return QStringLiteral("Massa Y\n[%]");
    case massRotation:
        return QStringLiteral("Massa rot.\n[%]");
    case rotationalShare:
        return QStringLiteral("Quota\nrotazionale [%]");
    case kind:
        return QStringLiteral("Tipo");
    default:
        return {};
    }
}

} // namespace orvanta
