// Page 2: the plan of storey 1 and the table of the ritti with their sections.
//
// The plan's box runs from y0 = 15 + 0.3·(n − 23) to 24, n being the rows of the table under it,
// so a longer table leaves less room to the plan. The table holds at most 40 ritti (y0 = 20.1)
// and 6 storeys; what it leaves out is in the appendix.

#include "element_records.h"
#include "numbering.h"
#include "report_pages.h"
#include "report_plan.h"
#include "report_table.h"
#include "report_texts.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace orvanta::report {

namespace {

constexpr double noteSize = 9;
constexpr double noteLeading = 0.35;
constexpr double noteMarkX = 2;
constexpr double noteTextX = 2.65;
constexpr double storeyColumnWidth = 13.0 / storeysOnGeometryPage;

std::vector<TableColumn> geometryColumns(int storeys) {
    std::vector<TableColumn> columns = {
        {1.5, 1.5, "N° Ritto", "", false, 0},
        {3.0, 2.0, "X", "[mm]", false, 4.25},
        {5.0, 1.5, "Y", "[mm]", false, 0},
    };
    for (int k = 1; k <= storeys; ++k)
        columns.push_back({6.5 + (k - 1) * storeyColumnWidth, storeyColumnWidth,
                           "Piano " + std::to_string(k) + "°", "b×h [mm]", false, 0});
    return columns;
}

// The wall thicknesses of the hollow sections in the table, one note each, grouping the ritti
// that share thickness and storey: "spessori di 300-300 mm alla base dei ritti 8, 9".
std::vector<std::string> hollowNotes(const ReportContext& report, std::size_t rows, int storeys) {
    const Model& model = report.model;
    NumberFormat plain = report.canvas.numbers();
    plain.grouping.clear();
    std::map<std::pair<int, std::string>, std::vector<int>> groups; // (storey, thicknesses)
    for (std::size_t i = 0; i < rows; ++i) {
        const int node = report.ritti[i];
        const int slot = numbering::columnSlot(model.counts, node);
        for (int k = 1; k <= storeys; ++k) {
            if (!isPresent(model, k, slot))
                continue;
            const ColumnSection s = columnSection(model, k, slot);
            if (s.shape != ColumnShape::box)
                continue;
            const auto dimension = [&](double v) {
                return formatNumber(v, v == std::round(v) ? 0 : 1, plain);
            };
            groups[{k, dimension(s.wallsAlongX) + "-" + dimension(s.wallsAlongY)}].push_back(node);
            break;
        }
    }
    std::vector<std::string> notes;
    for (const auto& [key, nodes] : groups) {
        std::string list;
        for (std::size_t i = 0; i < nodes.size(); ++i)
            list += (i == 0 ? "" : ", ") + std::to_string(nodes[i]);
        const std::string of = nodes.size() > 1 ? "dei" : "del";
        const std::string where = key.first == 1
                                      ? " mm alla base " + of
                                      : " mm al piano " + std::to_string(key.first) + "° " + of;
        notes.push_back("spessori di " + key.second + where +
                        (nodes.size() > 1 ? " ritti " : " ritto ") + list);
    }
    return notes;
}

} // namespace

void writeGeometryPage(ReportContext& report) {
    ReportCanvas& canvas = report.canvas;
    const Model& model = report.model;
    const std::size_t rows = std::min<std::size_t>(report.ritti.size(), rittiOnPage);
    const int storeys = std::min<int>(model.counts.nStoreys, storeysOnGeometryPage);

    canvas.startPage();
    canvas.heading(headingY, texts::geometryHeading);

    const double y0 = 15 + 0.3 * (static_cast<double>(rows) - 23);
    const StoreyPlan plan = storeyPlan(model, 1);
    const PlanBox box{3.5, y0, 14, 24 - y0};
    drawReportPlan(canvas, plan, planMapping(plan, model.drawMax(0), model.drawMax(1), box));

    Table table(canvas, geometryColumns(storeys));
    table.begin(y0 - 0.2);
    for (std::size_t i = 0; i < rows; ++i) {
        const int node = report.ritti[i];
        const numbering::PlanPoint at = numbering::nodePosition(model, node);
        std::vector<std::string> cells = {std::to_string(node), canvas.number(at.x, 0),
                                          canvas.number(at.y, 0)};
        for (int k = 1; k <= storeys; ++k)
            cells.push_back(sectionText(model, k, node, canvas.numbers()));
        table.row(std::move(cells));
    }
    double y = table.end() - noteLeading;

    std::vector<std::string> capped;
    if (model.counts.nStoreys > storeysOnGeometryPage)
        capped.push_back("Riportati solamente i primi 6 piani");
    if (report.ritti.size() > rows)
        capped.push_back("Riportati solamente i primi 40 ritti strutturali");

    // The thickness notes stop short of the footer, leaving room for the capping notes.
    const double lowest = bottomLimit + noteLeading * static_cast<double>(capped.size());
    const std::vector<std::string> hollow = hollowNotes(report, rows, storeys);
    if (!hollow.empty()) {
        canvas.text(noteMarkX, y, "*  :", font::body, noteSize);
        canvas.text(noteTextX, y, "Dimensioni di ingombro lorde del nucleo forato;", font::body,
                    noteSize);
        bool full = false;
        for (const std::string& note : hollow) {
            for (const std::string& line :
                 wrapText(note, font::body, noteSize, rightEdge - noteTextX)) {
                y -= noteLeading;
                full = full || y - noteLeading < lowest;
                canvas.text(noteTextX, y, full ? "…" : line, font::body, noteSize);
                if (full)
                    break;
            }
            if (full)
                break;
        }
        y -= noteLeading;
    }
    if (!capped.empty()) {
        canvas.text(noteMarkX, y, "** :", font::body, noteSize);
        for (std::size_t i = 0; i < capped.size(); ++i) {
            const std::string end = i + 1 == capped.size()
                                        ? report.appendix.see(AppendixPart::sections)
                                        : std::string(";");
            canvas.text(noteTextX, y, capped[i] + end, font::body, noteSize);
            y -= noteLeading;
        }
    }
    canvas.endPage();
}

} // namespace orvanta::report
