// The appendix ("Allegato"): the complete tables that the pages had to cut short or print too
// small to read, each continued over as many pages as it needs with its header repeated.
//
// A: every ritto's section at every storey, as runs of storeys ("1–3: 600x600; 4–6: 500x500");
// B: every ritto's families and importance coefficients; C: the global matrix, block by block
// in tables of 8 columns; D: the mean matrix of every family; E: every storey's centre of mass;
// F: every family's partial centre of stiffness. Only the parts the pages needed are printed,
// lettered in this order.

#include "element_records.h"
#include "numbering.h"
#include "report_pages.h"
#include "report_table.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <optional>

namespace orvanta::report {

namespace {

constexpr int matrixColumnsPerTable = 8;
constexpr double noteSize = 9;
// Room a part needs below the cursor to start on the same page as the one before.
constexpr double roomToStart = 6;

void note(ReportCanvas& canvas, const std::string& text) {
    for (const std::string& line : wrapText(text, font::body, noteSize, rightEdge - textLeft)) {
        canvas.need(0.4);
        canvas.text(textLeft, canvas.cursor(), line, font::body, noteSize);
        canvas.setCursor(canvas.cursor() - 0.4);
    }
    canvas.setCursor(canvas.cursor() - 0.2);
}

// "600x600", "2500x2500* (300-300)".
std::string fullSectionText(const ReportContext& report, int storey, int node) {
    std::string text = sectionText(report.model, storey, node, report.canvas.numbers());
    const int slot = numbering::columnSlot(report.model.counts, node);
    if (!isPresent(report.model, storey, slot))
        return text;
    const ColumnSection s = columnSection(report.model, storey, slot);
    if (s.shape != ColumnShape::box)
        return text;
    NumberFormat plain = report.canvas.numbers();
    plain.grouping.clear();
    const auto dimension = [&](double v) {
        return formatNumber(v, v == std::round(v) ? 0 : 1, plain);
    };
    return text + " (" + dimension(s.wallsAlongX) + "-" + dimension(s.wallsAlongY) + ")";
}

// The column of a ritto at one storey, as the runs compare it: absent, or its section.
std::optional<ColumnSection> columnAt(const Model& model, int storey, int slot) {
    if (!isPresent(model, storey, slot))
        return std::nullopt;
    return columnSection(model, storey, slot);
}

// The sections of one ritto storey by storey, equal neighbours joined: "1–3: 600x600; 4: --".
// Each run is formatted once, whatever its length.
std::string sectionRuns(const ReportContext& report, int node) {
    const Model& model = report.model;
    const int storeys = model.counts.nStoreys;
    const int slot = numbering::columnSlot(model.counts, node);
    std::string runs;
    int first = 1;
    std::optional<ColumnSection> current = columnAt(model, 1, slot);
    for (int k = 2; k <= storeys + 1; ++k) {
        const std::optional<ColumnSection> next =
            k <= storeys ? columnAt(model, k, slot) : std::nullopt;
        if (k <= storeys && next == current)
            continue;
        const std::string span = first == k - 1
                                     ? std::to_string(first)
                                     : std::to_string(first) + "–" + std::to_string(k - 1);
        runs += (runs.empty() ? "" : "; ") + span + ": " + fullSectionText(report, first, node);
        first = k;
        current = next;
    }
    return runs;
}

void sectionsPart(ReportContext& report) {
    ReportCanvas& canvas = report.canvas;
    note(canvas, "Sezioni dei pilastri e dei setti di ciascun ritto, piano per piano "
                 "(base x altezza, in mm); * : nucleo forato, dimensioni di ingombro lorde e, tra "
                 "parentesi, spessori delle pareti; -- : nessun pilastro al piano.");
    const double widths[] = {1.5, 2.0, 2.0, 12.5};
    std::vector<TableColumn> columns = columnsFrom(1.5, widths);
    columns[0].title = "N° Ritto";
    columns[1].title = "X";
    columns[1].subtitle = "[mm]";
    columns[2].title = "Y";
    columns[2].subtitle = "[mm]";
    columns[3].title = "Sezioni per piano";
    columns[3].subtitle = "piani: base x altezza [mm]";
    columns[3].leftAligned = true;
    const double room = columns[3].width - 0.2;
    PagedTable table(canvas, std::move(columns));
    for (const int node : report.ritti) {
        const numbering::PlanPoint at = numbering::nodePosition(report.model, node);
        std::vector<std::string> lines =
            wrapText(sectionRuns(report, node), font::body, TableStyle{}.cellSize, room);
        const std::vector<std::string> rest(lines.begin() + 1, lines.end());
        table.row(TableRow{{std::to_string(node), canvas.number(at.x, 0), canvas.number(at.y, 0),
                            lines.front()},
                           {}},
                  rest, 3);
    }
    table.end();
}

void classificationPart(ReportContext& report) {
    PagedTable table(report.canvas, classificationColumns(), classificationStyle());
    for (const int node : report.ritti)
        table.row(classificationRow(report, node));
    table.end();
}

// A square matrix in tables of 8 columns; its name heads the first column on every page.
void matrixTables(ReportCanvas& canvas, const std::string& name, const std::string& under,
                  int order, const std::function<double(int, int)>& term, int decimals) {
    for (int c0 = 1; c0 <= order; c0 += matrixColumnsPerTable) {
        const int c1 = std::min(order, c0 + matrixColumnsPerTable - 1);
        std::vector<double> widths = {1.8};
        widths.resize(static_cast<std::size_t>(c1 - c0 + 2), 2.0);
        std::vector<TableColumn> columns = columnsFrom(1.6, widths);
        columns[0].title = name;
        columns[0].subtitle = under;
        for (int c = c0; c <= c1; ++c) {
            columns[static_cast<std::size_t>(c - c0 + 1)].title = std::to_string(c);
            columns[static_cast<std::size_t>(c - c0 + 1)].subtitle = "piano";
        }
        TableStyle style;
        style.titleSize = 10;
        style.subtitleSize = 8;
        style.cellSize = 8;
        PagedTable table(canvas, std::move(columns), style);
        table.keepTogether(order);
        for (int r = 1; r <= order; ++r) {
            std::vector<std::string> cells = {"piano " + std::to_string(r)};
            for (int c = c0; c <= c1; ++c)
                cells.push_back(canvas.number(term(r, c), decimals));
            table.row(std::move(cells));
        }
        table.end();
    }
}

void globalMatrixPart(ReportContext& report) {
    ReportCanvas& canvas = report.canvas;
    const int order = report.model.counts.nStoreys;
    const Array2<double>& k = report.results.globalStiffness;
    note(canvas, "Termini della matrice di rigidezza rototraslazionale in N/mm, a meno di "
                 "Ecls/100, blocco per blocco: righe e colonne sono i piani.");
    const char* const names[3][3] = {
        {"Kxx", "Kxy", "Kxz"}, {"Kyx", "Kyy", "Kyz"}, {"Kzx", "Kzy", "Kzz"}};
    for (int bi = 0; bi < 3; ++bi) {
        for (int bj = 0; bj < 3; ++bj) {
            const auto term = [&](int r, int c) { return 100 * k(bi * order + r, bj * order + c); };
            // Terms that print as 0 (below half a unit once multiplied by 100).
            bool zero = true;
            for (int r = 1; r <= order && zero; ++r) {
                for (int c = 1; c <= order && zero; ++c)
                    zero = std::fabs(term(r, c)) < 0.5;
            }
            if (zero)
                note(canvas, std::string(names[bi][bj]) + ": tutti i termini sono nulli.");
            else
                matrixTables(canvas, names[bi][bj], "", order, term, 0);
        }
    }
}

void familyMatricesPart(ReportContext& report) {
    ReportCanvas& canvas = report.canvas;
    const int order = report.model.counts.nStoreys;
    note(canvas, "Matrici di rigidezza traslazionale medie delle famiglie, normalizzate al "
                 "primo termine pari a 1000.");
    const auto direction = [&](Direction d, const char* axis) {
        const RittiResults& ritti = report.results[d];
        for (int f = 1; f <= ritti.familyCount; ++f) {
            const std::string name = "Famiglia n." + std::to_string(f);
            if (ritti.familySize(f) == 0) {
                note(canvas, name + " ortogonale ad " + axis + ": nessun ritto.");
                continue;
            }
            matrixTables(
                canvas, name, std::string("ortogonale ad ") + axis, order,
                [&](int r, int c) { return ritti.familyMeanMatrix(f, r, c); }, 0);
        }
    };
    if (report.appendix.familyMatricesX)
        direction(Direction::orthogonalToX, "X");
    if (report.appendix.familyMatricesY)
        direction(Direction::orthogonalToY, "Y");
}

std::vector<TableColumn> centreColumns(const char* first) {
    const double widths[] = {4, 4, 4};
    std::vector<TableColumn> columns = columnsFrom(4.5, widths);
    columns[0].title = first;
    columns[1].title = "X";
    columns[1].subtitle = "[mm]";
    columns[2].title = "Y";
    columns[2].subtitle = "[mm]";
    return columns;
}

void massCentresPart(ReportContext& report) {
    ReportCanvas& canvas = report.canvas;
    PagedTable table(canvas, centreColumns("N° Piano"));
    for (int k = 1; k <= report.model.counts.nStoreys; ++k)
        table.row({std::to_string(k), canvas.number(report.model.massCentre(k, 1), 0),
                   canvas.number(report.model.massCentre(k, 2), 0)});
    table.end();
}

void stiffnessCentresPart(ReportContext& report) {
    ReportCanvas& canvas = report.canvas;
    const RittiResults& x = report.results[Direction::orthogonalToX];
    const RittiResults& y = report.results[Direction::orthogonalToY];
    PagedTable table(canvas, centreColumns("N° Famiglia"));
    const int families = std::max<int>(x.familyCount, y.familyCount);
    for (int f = 1; f <= families; ++f)
        table.row(
            {std::to_string(f), partialCentreText(canvas, x, f), partialCentreText(canvas, y, f)});
    table.end();
}

} // namespace

void writeAppendix(ReportContext& report) {
    ReportCanvas& canvas = report.canvas;
    for (std::size_t i = 0; i < report.appendix.parts.size(); ++i) {
        const AppendixPart part = report.appendix.parts[i];
        if (i == 0)
            canvas.startSection(report.appendix.title(part));
        else
            canvas.startSectionBelow(report.appendix.title(part), roomToStart);
        switch (part) {
        case AppendixPart::sections:
            sectionsPart(report);
            break;
        case AppendixPart::classification:
            classificationPart(report);
            break;
        case AppendixPart::globalMatrix:
            globalMatrixPart(report);
            break;
        case AppendixPart::familyMatrices:
            familyMatricesPart(report);
            break;
        case AppendixPart::massCentres:
            massCentresPart(report);
            break;
        case AppendixPart::stiffnessCentres:
            stiffnessCentresPart(report);
            break;
        case AppendixPart::rittoShears:
            writeRittoSharesAppendix(report);
            break;
        }
    }
    canvas.endPage();
}

} // namespace orvanta::report
