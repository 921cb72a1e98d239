#pragma once

// The grids of matrix terms: a read-only square table of whole numbers written with the user's
// digit grouping ("1.000" in Italian), through Qt's model/view so that a 99 × 99 matrix costs
// nothing until its cells are painted. Row and column headers carry the storey numbers.
//
// Cells outside the filled top-left block stay empty: a ritto lower than the building shows
// its own n × n matrix in a grid of nStoreys × nStoreys.

#include "number_format.h"

#include <QAbstractTableModel>
#include <vector>

class QTableView;

namespace orvanta {

class NumberTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit NumberTableModel(QObject* parent = nullptr);

    // A grid of size × size cells whose top-left filled × filled block holds the values, given
    // row by row (filled² of them).
    void setValues(int size, int filled, std::vector<double> values);
    void clear() { setValues(0, 0, {}); }

    // The text of a cell, empty outside the filled block.
    QString text(int row, int column) const;
    // The longest text any cell shows, to size the columns.
    QString widestText() const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    NumberFormat format_;
    int size_ = 0;
    int filled_ = 0;
    std::vector<double> values_;
};

// A grid showing the model, named for the tests and the screen reader.
QTableView* makeNumberTable(const QString& objectName, const QString& accessibleName,
                            NumberTableModel* model, QWidget* parent);

// Makes every column as wide as the widest text of the model.
void fitColumns(QTableView& table, const NumberTableModel& model);

} // namespace orvanta
