#pragma once

// A read-only table model showing a TextTable as the core builds it (result_tables.h): each
// cell's text, its exact number under exactValueRole for the copy and the CSV, numbers to the
// right, headings from the table's header.

#include "table_text.h"

#include <QAbstractTableModel>

class QTableView;

namespace orvanta {

class TextTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit TextTableModel(QObject* parent = nullptr) : QAbstractTableModel(parent) {}

    void show(TextTable table);
    const TextTable& table() const { return table_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    const TableCell* cell(const QModelIndex& index) const;

    TextTable table_;
};

// A grid for the model with rows selected whole, no row numbers, copy and CSV export.
QTableView* makeTextTable(const QString& objectName, const QString& accessibleName,
                          TextTableModel* model, QWidget* parent);

} // namespace orvanta
