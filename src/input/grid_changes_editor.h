#pragma once

// frmModificaGriglia, "Modifica della GRIGLIA": the grid of a building already entered, opened
// by "Modifica Griglia". The user selects a line along X or Y, or a level, in the list and puts
// a new one before or after it at a typed spacing, moves it to a typed coordinate or deletes it;
// likewise adds, moves and deletes the extra nodes. Columns, beams, slabs and sections follow
// (grid_edits.h); a change that removes elements says how many and asks first.
//
// Each change replaces the building at once (building_edits.h). "FINE MODIFICHE" distributes
// the loads again when the grid changed and closes the window; what stops the distribution is
// said first and the window stays open.
//
// The plan shows the first storey with the node numbers and the selected line or extra node in
// yellow; the elevation sketch shows the levels with the selected one in yellow.

#include "child_host.h"
#include "grid_edits.h"

#include <QWidget>

class QLineEdit;
class QListWidget;
class QRadioButton;

namespace orvanta {

class PictureBox;

class GridChangesEditor : public QWidget, public ChildWindow {
    Q_OBJECT

public:
    explicit GridChangesEditor(ChildHost& host, QWidget* parent = nullptr);

    Following follow(ProjectChange change) override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* buildLinesFrame();
    QWidget* buildNodesFrame();
    QWidget* buildGeneralFrame();

    const Model& model() const { return host_.session().model(); }
    GridAxis axis() const;
    // The selected line or level (1..count), 0 when the list is empty.
    int selectedLine() const;
    // The selected extra node (1..nExtra), 0 when there is none.
    int selectedNode() const;

    void insertLine(bool after);
    void moveLine();
    void deleteLine();
    void addNode();
    void moveNode();
    void deleteNode();
    void finish();
    // Asks before a change that removes elements, then applies it; false when refused or
    // declined.
    bool apply(StructuralEdit edit);

    void showLines(int select);
    void showNodes(int select);
    void redraw();

    ChildHost& host_;
    bool loadsStale_ = false;
    QRadioButton* linesX_ = nullptr;
    QRadioButton* linesY_ = nullptr;
    QRadioButton* levels_ = nullptr;
    QListWidget* lines_ = nullptr;
    QLineEdit* spacing_ = nullptr;
    QLineEdit* coordinate_ = nullptr;
    QListWidget* nodes_ = nullptr;
    QLineEdit* nodeX_ = nullptr;
    QLineEdit* nodeY_ = nullptr;
    PictureBox* plan_ = nullptr;
    PictureBox* elevation_ = nullptr;
};

} // namespace orvanta
