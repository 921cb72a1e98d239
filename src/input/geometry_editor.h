#pragma once

// frmGeometria, "Immissione della GEOMETRIA": the second phase. On the fixed grid the user
// places columns and walls on nodes, rising from the base through a chosen number of storeys,
// and beams along X or Y between adjacent grid nodes, storey by storey, one at a time or all at
// once, while the plan of one storey is drawn. "INSERISCI CARICHI STRUTTURA" fixes the element
// set and opens the loads editor.
//
// The plan is the shared storey plan; this window adds the number of each node (on plans of up
// to 400 nodes) and marks the current choice: the node of the column in yellow, the beam in
// green.

#include "child_host.h"
#include "drawing.h"
#include "member_placement.h"
#include "new_member_sections.h"

#include <QWidget>
#include <vector>

class QComboBox;
class QGridLayout;
class QLineEdit;
class QRadioButton;

namespace orvanta {

class NumberSelector;
class PictureBox;

class GeometryEditor : public QWidget {
    Q_OBJECT

public:
    explicit GeometryEditor(ChildHost& host, QWidget* parent = nullptr);

private:
    QWidget* buildStructureFrame();
    QWidget* buildGeneralFrame();
    QWidget* buildStoreyRow();
    QWidget* buildCopyFrame();
    // The boxes of a building already entered: the storey a column starts from and the sections
    // that new columns and beams take.
    void addExistingBuildingRows(QGridLayout& layout, int columnItem);

    void addColumn();
    void removeColumn();
    void placeAllColumns();
    void addBeam();
    void removeBeam();
    void placeAllBeams();
    void beamDirectionChosen();
    void showBeamEnd();
    void deleteAll();
    void handOver();
    bool confirmStoreysWithoutColumns();
    void copyStoreys();
    void finishChanges();

    // The storeys a column is placed in or removed from: "Dal Piano" onwards through the number
    // of elevations, up to the top storey.
    std::pair<int, int> columnStoreys() const;
    // Places the column (or the beam) where it is missing, with the chosen section; present
    // ones keep theirs.
    void placeColumnWithSection(int node, int first, int last);
    void placeBeamWithSection(BeamDirection direction, int start, int storey);
    ColumnSection newColumnSection(int storey, int node) const;
    BeamSection newBeamSection(int storey, BeamDirection direction, int start) const;

    BeamDirection beamDirection() const;
    void edited();
    void redrawPlan();

    ChildHost& host_;
    Model& model_;
    // The building was complete when the window opened ("Modifica Geometria"): new elements take
    // a section, and the window ends with "FINE MODIFICHE", which distributes the loads again.
    bool existing_ = false;
    bool loadsStale_ = false;
    std::vector<ColumnSection> columnSections_;
    std::vector<BeamSection> beamSections_;

    NumberSelector* columnNode_ = nullptr;
    QComboBox* columnElevations_ = nullptr;
    QRadioButton* beamsAlongX_ = nullptr;
    QRadioButton* beamsAlongY_ = nullptr;
    NumberSelector* beamStart_ = nullptr;
    QLineEdit* beamEnd_ = nullptr;
    QComboBox* beamStorey_ = nullptr;
    NumberSelector* shownStorey_ = nullptr;
    PictureBox* plan_ = nullptr;
    QComboBox* columnFrom_ = nullptr;
    QComboBox* columnSection_ = nullptr;
    QComboBox* beamSection_ = nullptr;
    QComboBox* copyFrom_ = nullptr;
    QComboBox* copyFirst_ = nullptr;
    QComboBox* copyLast_ = nullptr;
};

} // namespace orvanta
