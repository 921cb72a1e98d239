#include "number_table.h"

#include "accessible_names.h"
#include "display_locale.h"
#include "table_export.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QTableView>
#include <algorithm>
#include <cmath>

namespace orvanta {

NumberTableModel::NumberTableModel(QObject* parent)
    : QAbstractTableModel(parent), format_(numberFormatOf(displayLocale())) {}

void NumberTableModel::setValues(int size, int filled, std::vector<double> values) {
    beginResetModel();
    size_ = std::max(0, size);
    filled_ = std::clamp(filled, 0, size_);
    values_ = std::move(values);
    values_.resize(static_cast<std::size_t>(filled_) * static_cast<std::size_t>(filled_));
    endResetModel();
}

QString NumberTableModel::text(int row, int column) const {
    if (row < 0 || column < 0 || row >= filled_ || column >= filled_)
        return {};
    const double value = values_[static_cast<std::size_t>(row) * filled_ + column];
    return QString::fromStdString(formatNumber(value, 0, format_));
}

// The widest text belongs to the value of largest magnitude, with a minus sign when the most
// negative value comes close to it.
QString NumberTableModel::widestText() const {
    double largest = 0;
    double mostNegative = 0;
    for (const double v : values_) {
        if (!std::isfinite(v))
            continue;
        largest = std::max(largest, std::fabs(v));
        mostNegative = std::min(mostNegative, v);
    }
    const QString positive = QString::fromStdString(formatNumber(largest, 0, format_));
    const QString negative = QString::fromStdString(formatNumber(mostNegative, 0, format_));
    return negative.size() >= positive.size() ? negative : positive;
}

int NumberTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : size_;
}

int NumberTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : size_;
}

QVariant NumberTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    if (role == Qt::DisplayRole)
        return text(index.row(), index.column());
    if (role == exactValueRole && index.row() < filled_ && index.column() < filled_)
        return values_[static_cast<std::size_t>(index.row()) * filled_ + index.column()];
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QVariant NumberTableModel::headerData(int section, Qt::Orientation, int role) const {
    if (role == Qt::DisplayRole)
        return section + 1;
    return {};
}

QTableView* makeNumberTable(const QString& objectName, const QString& accessibleName,
                            NumberTableModel* model, QWidget* parent) {
    auto* table = new QTableView(parent);
    table->setObjectName(objectName);
    table->setModel(model);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::ContiguousSelection);
    table->setWordWrap(false);
    // Every row and column has one size: the view then lays out a 99 × 99 grid in no time.
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    nameControl(*table, accessibleName);
    enableTableExport(*table);
    return table;
}

void fitColumns(QTableView& table, const NumberTableModel& model) {
    const int padding = 12;
    const int width = std::max(table.fontMetrics().horizontalAdvance(model.widestText()),
                               table.fontMetrics().horizontalAdvance(QStringLiteral("00000"))) +
                      padding;
    table.horizontalHeader()->setDefaultSectionSize(width);
}

} // namespace orvanta
