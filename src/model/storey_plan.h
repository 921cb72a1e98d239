#pragma once

// The plan of one storey as the windows, the saved plan bitmap and the report draw it, in model
// millimetres: the grid lines with their numbers, the extra nodes, the columns and walls
// standing in the storey and the beams lying at its floor. Each reader maps the millimetres to
// its own units (twips on screen, centimetres in the report) and adds its own marks.
//
// Worked example: a 3 × 2 grid at x = 0, 5000, 10000 and y = 0, 4000 with a column on every
// node and every beam of storey 1 gives three lines along X (the vertical lines x = 0, 5000,
// 10000, each from y = 0 to y = 4000, numbered 1..3), two along Y (the horizontal lines y = 0
// and 4000 from x = 0 to 10000, numbered 1, 2), six columns and 4 + 3 beams.

#include "element_records.h"
#include "model.h"
#include "numbering.h"

#include <string>
#include <vector>

namespace orvanta {

struct PlanSegment {
    numbering::PlanPoint from;
    numbering::PlanPoint to;
    bool operator==(const PlanSegment&) const = default;
};

// A grid line: along X means at an abscissa (a vertical line on the plan, x = coordX(number)),
// along Y at an ordinate (a horizontal line, y = coordY(number)). It runs between the outermost
// lines of the other direction.
struct PlanGridLine {
    bool alongX = true;
    int number = 0;
    PlanSegment line;
    bool operator==(const PlanGridLine&) const = default;
};

struct PlanColumn {
    int node = 0; // plan node: grid (1..nX·nY) or extra
    int slot = 0; // its slot in members
    numbering::PlanPoint at;
    ColumnSection section; // base along X, height along Y
    bool operator==(const PlanColumn&) const = default;
};

struct PlanBeam {
    int slot = 0;
    bool alongX = true;
    int firstNode = 0; // the end with the smaller number
    int secondNode = 0;
    PlanSegment line;
    BeamSection section;
    bool operator==(const PlanBeam&) const = default;
};

struct PlanExtraNode {
    int node = 0;
    numbering::PlanPoint at;
    bool operator==(const PlanExtraNode&) const = default;
};

struct StoreyPlan {
    std::vector<PlanGridLine> gridLines; // along X first, then along Y, each in number order
    std::vector<PlanExtraNode> extraNodes;
    std::vector<PlanColumn> columns; // grid nodes in number order, then extra nodes
    std::vector<PlanBeam> beams;     // along X in slot order, then along Y
    // The smallest and largest coordinates of the grid lines and the extra nodes, in mm.
    numbering::PlanPoint lowest;
    numbering::PlanPoint highest;
    bool operator==(const StoreyPlan&) const = default;
};

// The plan of a storey (1..nStoreys) of a model whose grid is complete. Storey 0 gives the grid
// and the extra nodes alone.
StoreyPlan storeyPlan(const Model& model, int storey);

// The label printed beside a grid line: its number.
std::string gridLineLabel(const PlanGridLine& line);

} // namespace orvanta
