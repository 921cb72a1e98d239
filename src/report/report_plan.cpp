#include "report_plan.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace orvanta::report {

namespace {

constexpr std::int32_t cyan = rgb(0, 255, 255);
constexpr std::int32_t sectionGrey = -200;
constexpr std::int32_t numberGrey = -90;
constexpr double gridLineWidth = 0.025;
constexpr double memberLineWidth = 0.02;
constexpr double dash = 0.3;
constexpr double labelSize = 11;
constexpr double rittoNumberSize = 7;
constexpr double labelGap = 0.35;     // between a grid line's end and its number, cm
constexpr double crossArm = 0.15;     // extra nodes, cm
constexpr double smallestSide = 0.04; // a section is never drawn thinner than this, cm
// A dense grid (100 lines in a few centimetres) drawn with the usual pens would be a black
// square: below this spacing of the grid lines, pens thin out in proportion and the smallest
// section gives way to the true one.
constexpr double denseSpacing = 0.4; // cm

// The pen for a line of nominal width on a grid whose lines are `spacing` cm apart.
double pen(double nominal, double spacing) {
    return spacing >= denseSpacing ? nominal : std::max(0.002, nominal * spacing / denseSpacing);
}
// Ritto numbers are printed only when neighbouring grid lines are at least this far apart.
constexpr double roomForNumbers = 0.8;

// From the origin to the drawing extent, or to the farthest grid line or node beyond it.
double extent(double drawn, double high, double origin) {
    const double span = high - origin;
    const double drawnSpan = drawn - origin;
    const double wanted = std::isfinite(drawnSpan) && drawnSpan > span ? drawnSpan : span;
    return wanted > 0 ? wanted : 1;
}

// The closest two distinct grid lines of either direction, cm on the page.
double closestLines(const StoreyPlan& plan, double scale) {
    std::vector<double> xs, ys;
    for (const PlanGridLine& line : plan.gridLines)
        (line.alongX ? xs : ys).push_back(line.alongX ? line.line.from.x : line.line.from.y);
    double closest = 1e9;
    for (std::vector<double>* values : {&xs, &ys}) {
        std::sort(values->begin(), values->end());
        for (std::size_t i = 1; i < values->size(); ++i) {
            const double gap = (*values)[i] - (*values)[i - 1];
            if (gap > 0)
                closest = std::min(closest, gap * scale);
        }
    }
    return closest;
}

void drawGrid(ReportCanvas& canvas, const StoreyPlan& plan, const PlanMapping& m) {
    PdfWriter& pdf = canvas.pdf();
    pdf.SetColorStroke(cyan);
    pdf.SetLineWidth(pen(gridLineWidth, closestLines(plan, m.scale)));
    pdf.SetDash(dash, dash);
    for (const PlanGridLine& line : plan.gridLines)
        canvas.line(m.x(line.line.from.x), m.y(line.line.from.y), m.x(line.line.to.x),
                    m.y(line.line.to.y));
    pdf.SetDash(0, 0);
    for (const PlanExtraNode& node : plan.extraNodes) {
        const double x = m.x(node.at.x), y = m.y(node.at.y);
        canvas.line(x - crossArm, y, x + crossArm, y);
        canvas.line(x, y - crossArm, x, y + crossArm);
    }
    // Numbers above the lines along X and left of the lines along Y, skipping those that would
    // run into the previous one.
    pdf.SetColorFill(0);
    double lastX = -1e9, lastY = -1e9;
    for (const PlanGridLine& line : plan.gridLines) {
        const std::string label = gridLineLabel(line);
        const double width = pointsToCm(textWidthPoints(label, font::body, labelSize));
        if (line.alongX) {
            const double x = m.x(line.line.from.x);
            if (x - width / 2 < lastX + 0.1)
                continue;
            const double top = std::max(m.y(line.line.from.y), m.y(line.line.to.y));
            canvas.text(x, top + m.overhangY + labelGap, label, font::body, labelSize,
                        text_align::centre);
            lastX = x + width / 2;
        } else {
            const double y = m.y(line.line.from.y);
            if (y < lastY + 0.4)
                continue;
            const double left = std::min(m.x(line.line.from.x), m.x(line.line.to.x));
            canvas.text(left - m.overhangX - labelGap, y - 0.13, label, font::body, labelSize,
                        text_align::right);
            lastY = y;
        }
    }
}

void drawBeams(ReportCanvas& canvas, const StoreyPlan& plan, const PlanMapping& m) {
    PdfWriter& pdf = canvas.pdf();
    pdf.SetColorStroke(0);
    pdf.SetLineWidth(pen(memberLineWidth, closestLines(plan, m.scale)));
    pdf.SetDash(0, 0);
    for (const PlanBeam& beam : plan.beams)
        canvas.line(m.x(beam.line.from.x), m.y(beam.line.from.y), m.x(beam.line.to.x),
                    m.y(beam.line.to.y));
}

void drawRectangle(PdfWriter& pdf, double cx, double cy, double width, double height,
                   std::int32_t fill, double smallest) {
    width = std::max(width, smallest);
    height = std::max(height, smallest);
    pdf.SetColorFill(fill);
    pdf.Rectangle(cx - width / 2, cy - height / 2, width, height, paint::fill);
    pdf.Rectangle(cx - width / 2, cy - height / 2, width, height, paint::stroke);
}

void drawColumns(ReportCanvas& canvas, const StoreyPlan& plan, const PlanMapping& m) {
    PdfWriter& pdf = canvas.pdf();
    pdf.SetColorStroke(0);
    const double spacing = closestLines(plan, m.scale);
    pdf.SetLineWidth(pen(memberLineWidth / 2, spacing));
    const double smallest = spacing >= denseSpacing ? smallestSide : 0;
    const bool numbers = spacing >= roomForNumbers;
    for (const PlanColumn& column : plan.columns) {
        const double x = m.x(column.at.x), y = m.y(column.at.y);
        const ColumnSection& s = column.section;
        const double width = s.base * m.scale, height = s.height * m.scale;
        drawRectangle(pdf, x, y, width, height, sectionGrey, smallest);
        const double holeWidth = (s.base - 2 * s.wallsAlongY) * m.scale;
        const double holeHeight = (s.height - 2 * s.wallsAlongX) * m.scale;
        if (s.shape == ColumnShape::box && holeWidth > 0 && holeHeight > 0)
            drawRectangle(pdf, x, y, holeWidth, holeHeight, -255, smallest);
        if (numbers) {
            pdf.SetColorFill(numberGrey);
            canvas.text(x + std::max(width, smallestSide) / 2 + 0.05,
                        y + std::max(height, smallestSide) / 2 + 0.03, std::to_string(column.node),
                        font::body, rittoNumberSize);
        }
    }
    pdf.SetColorFill(0);
}

} // namespace

PlanMapping planMapping(const StoreyPlan& plan, double drawExtentX, double drawExtentY,
                        const PlanBox& outer) {
    // Room inside the box for the numbers of the grid lines (left and above) and for the ritto
    // numbers; the sections stand out of the outermost lines by half their size, which shrinks
    // with the scale: s·(extent + 2·half) must fit what is left.
    const PlanBox box{outer.left + 0.7, outer.bottom + 0.3, outer.width - 1.0, outer.height - 0.9};
    double halfX = 0, halfY = 0; // mm
    for (const PlanColumn& column : plan.columns) {
        if (std::isfinite(column.section.base))
            halfX = std::max(halfX, column.section.base / 2);
        if (std::isfinite(column.section.height))
            halfY = std::max(halfY, column.section.height / 2);
    }
    PlanMapping m;
    m.originX = std::min(0.0, plan.lowest.x);
    m.originY = std::min(0.0, plan.lowest.y);
    const double extentX = extent(drawExtentX, plan.highest.x, m.originX);
    const double extentY = extent(drawExtentY, plan.highest.y, m.originY);
    m.scale = std::min(box.width / (extentX + 2 * halfX), box.height / (extentY + 2 * halfY));
    m.overhangX = m.scale * halfX;
    m.overhangY = m.scale * halfY;
    m.left = box.left + (box.width - m.scale * extentX) / 2;
    m.bottom = box.bottom + (box.height - m.scale * extentY) / 2;
    return m;
}

void drawReportPlan(ReportCanvas& canvas, const StoreyPlan& plan, const PlanMapping& mapping) {
    drawGrid(canvas, plan, mapping);
    drawBeams(canvas, plan, mapping);
    drawColumns(canvas, plan, mapping);
}

} // namespace orvanta::report
