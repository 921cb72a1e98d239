#pragma once

// The plan of storey 1 on page 2: the shared storey plan (millimetres) mapped into a box of the
// page (centimetres).
//
// Mapping: x_cm = left + scale·(x − originX), y_cm = bottom + scale·(y − originY), with the
// origin at the model's 0 (or lower, for a grid reaching below it) and scale the smaller of
// width/extentX and height/extentY in cm per mm, the plan centred in the box less a margin for
// the numbers of the grid lines (0.7 cm left, 0.6 above, 0.3 right and below) and for the
// largest section standing out of the outermost lines (half its size). extentX is the
// drawing extent of the grid editor (drawMax(0), mm), or the grid's own extent when that is
// larger. Worked number: a 17 000 × 14 900 mm building in the 14 × 9.9 cm box of a report with
// 20 ritti (y0 = 14.1) and sections up to 2000 × 2200 mm is drawn in 13 × 9.0 cm at
// min(13/(17000 + 2000), 9.0/(14900 + 2200)) = 0.000526 cm/mm, the grid 8.9 cm wide.

#include "report_canvas.h"
#include "storey_plan.h"

namespace orvanta::report {

struct PlanBox {
    double left = 0; // cm
    double bottom = 0;
    double width = 0;
    double height = 0;
};

struct PlanMapping {
    double scale = 0; // cm per mm
    double originX = 0;
    double originY = 0;
    double left = 0; // where originX lands, cm
    double bottom = 0;
    // How far the largest section stands out of its node, cm: the grid numbers keep clear of it.
    double overhangX = 0;
    double overhangY = 0;

    double x(double mm) const { return left + scale * (mm - originX); }
    double y(double mm) const { return bottom + scale * (mm - originY); }
};

// drawExtentX, drawExtentY: drawMax(0) and drawMax(1) of the model, in mm.
PlanMapping planMapping(const StoreyPlan& plan, double drawExtentX, double drawExtentY,
                        const PlanBox& box);

// Grid lines dashed in cyan with their numbers, extra nodes as cyan crosses, beams as lines,
// columns and walls as grey rectangles of their scaled sections (a hollow box with its hole),
// and, where the grid leaves room, each column's ritto number.
void drawReportPlan(ReportCanvas& canvas, const StoreyPlan& plan, const PlanMapping& mapping);

} // namespace orvanta::report
