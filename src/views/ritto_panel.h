#pragma once

// One of the two views of a family window: a ritto chosen with its selector (txtRitto1 and
// hsbRitto1 for the first view), its normalised matrix mfgRitto1 with the scale factor
// lblCoefficiente1, its family in cmbFamiglia1 and the button cmdModifica1 that stores the family
// chosen there. The window fills it; the panel only holds the controls.

#include "number_selector.h"
#include "number_table.h"

#include <QFrame>
#include <vector>

class QComboBox;
class QLabel;
class QPushButton;
class QTableView;

namespace orvanta {

class RittoPanel : public QFrame {
    Q_OBJECT

public:
    // view is 1 or 2: the suffix of every control's name.
    RittoPanel(int view, Asker& asker, QWidget* parent = nullptr);

    NumberSelector& selector() { return *ritto_; }
    int ritto() const { return ritto_->value(); }

    // The family list: the numbers 1..count as text.
    void setFamilies(int count);
    void selectFamily(int family);
    // The family chosen in the list, 0 when the list is empty.
    int chosenFamily() const;

    // The scale factor's caption and the grid: size × size cells, the top-left filled × filled
    // of them holding the values row by row.
    void showMatrix(const QString& coefficient, int size, int filled, std::vector<double> values);

signals:
    void modifyPressed();

private:
    NumberSelector* ritto_;
    QLabel* coefficient_;
    NumberTableModel* matrix_;
    QTableView* grid_;
    QComboBox* family_;
    QPushButton* modify_;
};

} // namespace orvanta
