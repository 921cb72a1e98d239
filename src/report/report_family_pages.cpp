// Page 5, the families and importance coefficients of the ritti, and page 6, the centres of
// mass of the storeys and the partial centres of stiffness of the families.

#include "family_warnings.h"
#include "report_pages.h"
#include "report_table.h"
#include "report_texts.h"

#include <algorithm>

namespace orvanta::report {

namespace {

constexpr double noteSize = 9;
constexpr double ruleWidth = 0.025;
constexpr double centreRowStep = 0.375;
constexpr double centresLeft = 4.5;
constexpr double centresRight = 16.5;
constexpr double firstColumnX = 6.5;
constexpr double xColumnX = 10.5;
constexpr double yColumnX = 14.5;

// "** :" and its text under a capped table, at the positions of page 5.
void cappedNote(ReportCanvas& canvas, double y, const std::string& text) {
    canvas.text(4.35, y, "** :", font::body, noteSize);
    canvas.fittedText(5, y, text, font::body, noteSize, text_align::left, rightEdge - 5);
}

void rule(ReportCanvas& canvas, double y) {
    canvas.pdf().SetColorStroke(0);
    canvas.pdf().SetDash(0, 0);
    canvas.pdf().SetLineWidth(ruleWidth);
    canvas.line(centresLeft, y, centresRight, y);
}

void centresHeader(ReportCanvas& canvas, const char* first, double firstY, double titleY,
                   double unitY) {
    canvas.text(firstColumnX, firstY, first, font::body, 12, text_align::centre);
    canvas.text(xColumnX, titleY, "X", font::body, 12, text_align::centre);
    canvas.text(yColumnX, titleY, "Y", font::body, 12, text_align::centre);
    canvas.text(xColumnX, unitY, "[mm]", font::body, 10, text_align::centre);
    canvas.text(yColumnX, unitY, "[mm]", font::body, 10, text_align::centre);
}

void centresRow(ReportCanvas& canvas, double y, int number, const std::string& x,
                const std::string& yText) {
    canvas.text(firstColumnX, y, std::to_string(number), font::body, 10, text_align::centre);
    canvas.fittedText(xColumnX, y, x, font::body, 10, text_align::centre, 3.8);
    canvas.fittedText(yColumnX, y, yText, font::body, 10, text_align::centre, 3.8);
}

// How many rows a table of `count` rows prints when `room` fit: all, or one less than room
// (the last line goes to the note).
int rowsShown(int count, int room) {
    return count <= room ? count : room - 1;
}

} // namespace

std::vector<TableColumn> classificationColumns() {
    const double widths[] = {3.5, 3.5, 3.5, 3.5, 3.5};
    const ColumnTitle titles[] = {{"N° Ritto", ""},
                                  {"N° Famiglia", "ortogonale ad X"},
                                  {"Coefficiente", "di Importanza"},
                                  {"N° Famiglia", "ortogonale ad Y"},
                                  {"Coefficiente", "di Importanza"}};
    return columnsFrom(1.75, widths, titles);
}

TableStyle classificationStyle() {
    TableStyle style;
    style.subtitleSize = 12;
    style.scaling = 90;
    return style;
}

TableRow classificationRow(const ReportContext& report, int node) {
    const RittiResults& x = report.results[Direction::orthogonalToX];
    const RittiResults& y = report.results[Direction::orthogonalToY];
    const ReportCanvas& canvas = report.canvas;
    return {{std::to_string(node), std::to_string(x.family(node)),
             canvas.number(x.stiffnessWeight(node), report.decimalsX),
             std::to_string(y.family(node)),
             canvas.number(y.stiffnessWeight(node), report.decimalsY)},
            {}};
}

std::string partialCentreText(const ReportCanvas& canvas, const RittiResults& ritti, int family) {
    if (family > ritti.familyCount || ritti.familySize(family) == 0)
        return "--";
    return canvas.number(ritti.stiffnessCentre(family), 0);
}

// The families' warnings (family_warnings.h) under the table, as many lines as the page holds
// above its bottom margin, the rest counted on the last line.
static void writeFamilyWarnings(ReportCanvas& canvas, const AnalysisResults& results, double top) {
    std::vector<std::string> lines;
    for (const Direction d : bothDirections) {
        const std::vector<std::string> found = familyWarnings(results, d);
        lines.insert(lines.end(), found.begin(), found.end());
    }
    if (lines.empty())
        return;
    constexpr double step = 0.42;
    constexpr double lowest = 1.3;
    double y = top;
    canvas.fittedText(4.35, y, "Attenzione:", font::body, noteSize, text_align::left,
                      rightEdge - 4.35);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        y -= step;
        const bool last = y - step < lowest && i + 1 < lines.size();
        const std::string text =
            last ? "... e altri " + std::to_string(lines.size() - i) + " avvisi" : lines[i];
        canvas.fittedText(5, y, text, font::body, noteSize, text_align::left, rightEdge - 5);
        if (last)
            break;
    }
}

void writeClassificationPage(ReportContext& report) {
    ReportCanvas& canvas = report.canvas;
    canvas.startPage();
    canvas.heading(headingY, texts::classificationHeading);
    canvas.bodyLines(firstLineY, texts::classificationLines);

    Table table(canvas, classificationColumns(), classificationStyle());
    table.begin(20);
    const std::size_t rows = std::min<std::size_t>(report.ritti.size(), rittiOnPage);
    for (std::size_t i = 0; i < rows; ++i)
        table.row(classificationRow(report, report.ritti[i]));
    const double bottom = table.end();
    if (report.ritti.size() > rows)
        cappedNote(canvas, bottom - 0.35,
                   "Riportati solamente i primi 40 ritti strutturali" +
                       report.appendix.see(AppendixPart::classification));
    writeFamilyWarnings(canvas, report.results, bottom - 1.0);
    canvas.endPage();
}

void writeCentresPage(ReportContext& report) {
    ReportCanvas& canvas = report.canvas;
    const Model& model = report.model;
    canvas.startPage();
    canvas.heading(headingY, texts::massCentresHeading);
    canvas.bodyLines(firstLineY, texts::massCentresLines);

    centresHeader(canvas, "N° Piano", 22, 22.2, 21.8);
    rule(canvas, 21.5);
    const int storeys = model.counts.nStoreys;
    const int storeyRows = rowsShown(storeys, storeysOnCentresPage);
    for (int k = 1; k <= storeyRows; ++k)
        centresRow(canvas, 21.45 - k * centreRowStep, k, canvas.number(model.massCentre(k, 1), 0),
                   canvas.number(model.massCentre(k, 2), 0));
    const double massBottom = 21.5 - storeyRows * centreRowStep - 0.25;
    rule(canvas, massBottom);
    if (storeyRows < storeys)
        cappedNote(canvas, massBottom - 0.35,
                   "Riportati solamente i primi " + std::to_string(storeyRows) + " piani" +
                       report.appendix.see(AppendixPart::massCentres));

    canvas.heading(16, texts::stiffnessCentresHeading);
    canvas.bodyLines(15, texts::stiffnessCentresLines);
    const RittiResults& x = report.results[Direction::orthogonalToX];
    const RittiResults& y = report.results[Direction::orthogonalToY];
    centresHeader(canvas, "N° Famiglia", 8.5, 8.7, 8.3);
    rule(canvas, 8);
    const int families = std::max<int>(x.familyCount, y.familyCount);
    const int familyRows = rowsShown(families, familiesOnCentresPage);
    for (int f = 1; f <= familyRows; ++f)
        centresRow(canvas, 7.95 - f * centreRowStep, f, partialCentreText(canvas, x, f),
                   partialCentreText(canvas, y, f));
    const double familyBottom = 8 - familyRows * centreRowStep - 0.25;
    rule(canvas, familyBottom);
    if (familyRows < families)
        cappedNote(canvas, familyBottom - 0.35,
                   "Riportate solamente le prime " + std::to_string(familyRows) + " famiglie" +
                       report.appendix.see(AppendixPart::stiffnessCentres));
    canvas.endPage();
}

} // namespace orvanta::report
