#pragma once

// The tables of the torsional regularity window, read from one SeismicResults:
//   - mfgPiani, one row per storey: C.M., centre of rigidity, eccentricities e0, torsional radii
//     r, ls, and the four checks as ✓ / ✗, the failing checks and the figures that fail them
//     marked in red;
//   - mfgMasse, one row per storey: the seismic weight W in kN, the mass in t, its centre G*
//     and the radius of gyration ls of the floor's mass, in mm;
//   - mfgModi, one row per vibration mode, longest period first: T, the effective mass ratios in
//     X, Y and rotation, the rotational share, "torsionale" where the share passes one half.
// Lengths in mm as whole numbers, periods in s with three decimals, ratios in % with one.

#include "number_format.h"
#include "seismic_results.h"

#include <QAbstractTableModel>

namespace orvanta {

class StoreyChecksModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column {
        storey,
        massCentreX,
        massCentreY,
        rigidityCentreX,
        rigidityCentreY,
        eccentricityX,
        eccentricityY,
        radiusX,
        radiusY,
        gyrationRadius,
        eccentricityXCheck,
        eccentricityYCheck,
        radiusXCheck,
        radiusYCheck,
        columns
    };

    explicit StoreyChecksModel(QObject* parent = nullptr);
    void show(const SeismicResults* results);

    // Whether the cell shows a check that fails, or a figure that makes one fail.
    bool failing(int row, int column) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    QString text(const StoreyRegularity& s, int row, int column) const;
    QVariant exactValue(const StoreyRegularity& s, int row, int column) const;

    const SeismicResults* results_ = nullptr;
    NumberFormat format_;
};

class FloorMassesModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { storey, weight, mass, centreX, centreY, gyrationRadius, columns };

    explicit FloorMassesModel(QObject* parent = nullptr);
    void show(const SeismicResults* results);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    const SeismicResults* results_ = nullptr;
    NumberFormat format_;
};

class ModesModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { mode, period, massX, massY, massRotation, rotationalShare, kind, columns };

    explicit ModesModel(QObject* parent = nullptr);
    void show(const SeismicResults* results);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    const SeismicResults* results_ = nullptr;
    NumberFormat format_;
};

} // namespace orvanta
