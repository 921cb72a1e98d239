#pragma once

// frmCentri: the plan of the building with the centres of mass of the storeys (C.M., red dots)
// and the partial centres of stiffness of the families (C.P.R., green lines), each switched on
// and off one by one or all together, to see whether they line up.
//
// cmbDirezioneRitti chooses the families drawn: those of the ritti orthogonal to X (vertical
// lines), orthogonal to Y (horizontal lines), or both, family f then showing its X and its Y
// line (the families offered are then the smaller of the two counts). Choosing hides every
// C.P.R. At load nothing but the plan is drawn. The plan is that of the storey chosen in
// txtPiano. The centres are recomputed whenever the families change. Under the plan two tables
// give the figures: mfgBaricentri the centre of mass of every storey, mfgCentriRigidezza the
// partial centre of stiffness of every family of both directions, to copy or export.

#include "centres_drawing.h"
#include "child_host.h"

#include <QWidget>

class QComboBox;
class QPushButton;

namespace orvanta {

class NumberSelector;
class PictureBox;
class TextTableModel;

class CentresWindow : public QWidget, public ChildWindow {
    Q_OBJECT

public:
    explicit CentresWindow(ChildHost& host, QWidget* parent = nullptr);

    Following follow(ProjectChange change) override;

    const CentresShown& shown() const { return shown_; }

private:
    void load();
    void directionChosen(int index);
    void offerFamilies();
    void storeyChosen(int storey);
    void familyChosen(int family);
    void showMass(bool visible, bool onlyCurrent);
    void showStiffness(bool visible, bool onlyCurrent);
    void redraw();
    void fillTables();

    ChildHost& host_;
    CentresShown shown_;
    QComboBox* direction_;
    NumberSelector* storey_;
    NumberSelector* family_;
    QPushButton* showMassOne_;
    QPushButton* hideMassOne_;
    QPushButton* showStiffnessOne_;
    QPushButton* hideStiffnessOne_;
    PictureBox* plan_;
    TextTableModel* massCentres_;
    TextTableModel* stiffnessCentres_;
};

} // namespace orvanta
