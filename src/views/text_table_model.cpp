#include "text_table_model.h"

#include "accessible_names.h"
#include "table_export.h"

#include <QHeaderView>
#include <QTableView>

namespace orvanta {

void TextTableModel::show(TextTable table) {
    beginResetModel();
    table_ = std::move(table);
    endResetModel();
}

int TextTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(table_.rows.size());
}

int TextTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(table_.header.size());
}

const TableCell* TextTableModel::cell(const QModelIndex& index) const {
    if (!index.isValid() || index.row() >= rowCount())
        return nullptr;
    const std::vector<TableCell>& row = table_.rows[static_cast<std::size_t>(index.row())];
    const auto column = static_cast<std::size_t>(index.column());
    return column < row.size() ? &row[column] : nullptr;
}

QVariant TextTableModel::data(const QModelIndex& index, int role) const {
    const TableCell* c = cell(index);
    if (!c)
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return QString::fromStdString(c->text);
    case exactValueRole:
        return c->value ? QVariant(*c->value) : QVariant();
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(c->value ? Qt::AlignRight | Qt::AlignVCenter
                                            : Qt::AlignLeft | Qt::AlignVCenter);
    default:
        return {};
    }
}

QVariant TextTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= columnCount())
        return {};
    return QString::fromStdString(table_.header[static_cast<std::size_t>(section)]);
}

QTableView* makeTextTable(const QString& objectName, const QString& accessibleName,
                          TextTableModel* model, QWidget* parent) {
    auto* table = new QTableView(parent);
    table->setObjectName(objectName);
    table->setModel(model);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::ContiguousSelection);
    table->setWordWrap(false);
    table->verticalHeader()->hide();
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->horizontalHeader()->setStretchLastSection(true);
    nameControl(*table, accessibleName);
    enableTableExport(*table);
    return table;
}

} // namespace orvanta
