#pragma once

// frmMatrice: the roto-translational stiffness matrix of the building, globalStiffness, in its
// nine storey-by-storey blocks (mfgKxx … mfgKzz under the labels lblKxx … lblKzz). Every term is
// shown times 100 as a whole number with the user's digit grouping, under the common factor
// "( Ecls / 100 )  x": a term of 0.004 mm shows as 0, one of 1234.5678 as "123.457". Each grid
// has as many rows and columns as the building has storeys. Read-only; it refills itself
// whenever the matrices are recomputed.

#include "child_host.h"

#include <QWidget>
#include <array>

class QTableView;

namespace orvanta {

class NumberTableModel;

class MatrixWindow : public QWidget, public ChildWindow {
    Q_OBJECT

public:
    explicit MatrixWindow(ChildHost& host, QWidget* parent = nullptr);

    Following follow(ProjectChange change) override;

    // The factor of every shown term: the matrix per unit E times 100 is shown, read "a meno di
    // Ecls/100".
    static constexpr double shownFactor = 100;

private:
    void fill();

    ChildHost& host_;
    std::array<NumberTableModel*, 9> blocks_{};
    std::array<QTableView*, 9> tables_{};
};

} // namespace orvanta
