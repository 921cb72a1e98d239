#pragma once

// The plan of a storey drawn into a picture box, shared by every window that shows a plan (the
// geometry, loads and sections editors, the centres view) and by the plan bitmap saved at the
// end of the input phases. Each window then adds its own marks on top.
//
// Mapping: a plan point (x, y) in millimetres goes to (500 + planScale·x, 9500 − planScale·y)
// twips (drawing_geometry.h). Symbols, in twips: grid lines in cyan between the outermost lines,
// each with its number printed 300 twips beyond its top (lines along X) or its left end (lines
// along Y), further by the excess height of labels above 8 points; extra nodes as cyan crosses of
// ±250; columns and walls as filled squares of ±150 centred on their node; beams as lines between
// their nodes in the foreground colour. Worked number: planScale = 0.5, a column at (10000, 4000)
// mm is the square (5350, 7350)–(5650, 7650).

#include "drawing.h"
#include "storey_plan.h"

namespace orvanta {

struct PlanStyle {
    Colour background = colours::black;
    Colour foreground = colours::red; // beams and labels
    Colour grid = colours::cyan;
    Colour columnFill = colours::white;
    // Outline of the column squares, for backgrounds the fill would vanish into.
    std::optional<Colour> columnOutline;
    int penWidth = 1;    // pixels
    double fontSize = 8; // points
    bool labels = true;  // the numbers of the grid lines
};

// The style of the plan bitmap saved beside the project: white paper, black beams and labels,
// pen width 2, 18-point labels, the column squares outlined.
PlanStyle bitmapPlanStyle();

inline constexpr double columnHalfSide = 150; // twips
inline constexpr double extraNodeArm = 250;   // twips
inline constexpr double labelOffset = 300;    // twips, for labels of the screen's size
inline constexpr double screenFontSize = 8;   // points

// Sets the drawing's background, pen width and font size from the style and draws the plan.
void drawStoreyPlan(Drawing& drawing, const StoreyPlan& plan, double planScale,
                    const PlanStyle& style = {});

} // namespace orvanta
