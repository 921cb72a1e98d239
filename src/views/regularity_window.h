#pragma once

// frmRegolarita: is the building torsionally regular? For each storey, its centre of mass and
// centre of rigidity, the eccentricities e0, the torsional radii r and ls, with the four checks
// of plan regularity (e0x ≤ 0,30·rx, e0y ≤ 0,30·ry, rx ≥ ls, ry ≥ ls) as ✓ / ✗; the verdict for
// the building; the vibration modes, longest period first, with their effective masses and how
// much of each is twist; and the plan with every storey's centre of rigidity beside its centre
// of mass; the seismic weight, mass, centre of mass G* and ls of every floor. The concrete class
// (cmbCalcestruzzo, "C25/30" … "C45/55", the project's at first) sets Ecm for the periods, times
// the project's cracked factor, both stated beside it: choosing another class recomputes.
// Selecting a storey in the table draws its plan.

#include "child_host.h"
#include "seismic_results.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QTableView;

namespace orvanta {

class FloorMassesModel;
class ModesModel;
class PictureBox;
class StoreyChecksModel;

class RegularityWindow : public QWidget, public ChildWindow {
    Q_OBJECT

public:
    explicit RegularityWindow(ChildHost& host, QWidget* parent = nullptr);

    Following follow(ProjectChange change) override;

    const SeismicResults& seismic() const { return seismic_; }

    // The verdict shown for the results: regular or not, torsionally flexible, or why nothing
    // could be computed.
    static QString verdict(const SeismicResults& seismic);

private:
    void compute(Asker& asker);
    void redraw();
    double concreteClass() const;
    int selectedStorey() const;

    ChildHost& host_;
    SeismicResults seismic_;
    QComboBox* concrete_;
    QLabel* modulus_;
    QLabel* verdict_;
    QLabel* modesNote_;
    StoreyChecksModel* storeys_;
    ModesModel* modes_;
    FloorMassesModel* masses_;
    QTableView* storeyTable_;
    QTableView* massTable_;
    QTableView* modeTable_;
    PictureBox* plan_;
};

} // namespace orvanta
