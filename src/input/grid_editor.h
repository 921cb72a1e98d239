#pragma once

// frmGriglia, "Immissione della GRIGLIA": the first phase of a new project. The user types the
// building's extents for the drawings, then adds grid lines along X and Y by their spacings,
// levels along Z and extra nodal points, watching a plan and an elevation sketch grow.
// "INSERISCI GEOMETRIA STRUTTURA" fixes the grid and opens the geometry editor.
//
// What is entered goes straight into the project's model through a GridEntry; the window keeps
// only its controls and where it drew each line and node, to draw them over when they are
// removed.

#include "child_host.h"
#include "grid_entry.h"
#include "grid_sketches.h"

#include <QWidget>
#include <array>
#include <vector>

class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;

namespace orvanta {

class PictureBox;

class GridEditor : public QWidget {
    Q_OBJECT

public:
    explicit GridEditor(ChildHost& host, QWidget* parent = nullptr);

private:
    // The controls and the drawn lines of one row of the grid frame (X, Y or Z).
    struct AxisRow {
        QLineEdit* spacing = nullptr;
        QLabel* counter = nullptr;
        QLabel* last = nullptr;
        std::vector<SketchSegment> drawn; // X and Y lines, in order
    };

    QWidget* buildGeneralFrame();
    QWidget* buildGridFrame();
    void addAxisRow(QGridLayout& layout, int row, GridAxis axis);
    void addNodeRows(QGridLayout& layout, int row);

    void maximumEdited(GridAxis axis, const QString& text);
    void addLine(GridAxis axis);
    void removeLine(GridAxis axis);
    void addExtraNode();
    void removeExtraNode();
    void deleteAll();
    void handOver();

    bool refused(const std::optional<Message>& refusal);
    void showEnteredGrid();
    void redrawElevation();
    void showCounters();
    AxisRow& row(GridAxis axis) { return rows_[static_cast<std::size_t>(axis)]; }

    ChildHost& host_;
    GridEntry grid_;

    QGroupBox* generalFrame_ = nullptr;
    QGroupBox* gridFrame_ = nullptr;
    std::array<QLineEdit*, 3> maxima_{};
    std::array<AxisRow, 3> rows_;
    QLineEdit* nodeX_ = nullptr;
    QLineEdit* nodeY_ = nullptr;
    QLabel* nodeCounter_ = nullptr;
    QLabel* lastNode_ = nullptr;
    std::vector<std::vector<SketchSegment>> drawnNodes_;
    PictureBox* plan_ = nullptr;
    PictureBox* elevation_ = nullptr;
};

} // namespace orvanta
