#include "ritto_elements.h"

#include "element_records.h"
#include "numbering.h"
#include "parallel_tasks.h"
#include "section_properties.h"

#include <algorithm>
#include <array>
#include <optional>
#include <vector>

namespace orvanta {

namespace {

using numbering::beamXSlot;
using numbering::beamYSlot;
using numbering::columnSlot;
using numbering::gridNode;
using numbering::gridPosition;

void writeBar(double* row, double length, const BarSection& section) {
    row[bar::present - 1] = 1;
    row[bar::length - 1] = length;
    row[bar::area - 1] = section.area;
    row[bar::inertia - 1] = section.inertia;
    row[bar::shear - 1] = shearParameter(section, length);
}

void clearRows(double* row, int rows) {
    std::fill(row, row + rows * bar::values, 0.0);
}

// One line of beams through a node: the beams along X of its row, or along Y of its column.
// Positions count along the line (ix for beams along X, iy for beams along Y).
struct BeamLine {
    const Model& m;
    bool alongX;
    int ix;
    int iy;

    int lastPosition() const { return alongX ? m.counts.nX : m.counts.nY; }
    int node(int position) const {
        return alongX ? gridNode(m.counts, position, iy) : gridNode(m.counts, ix, position);
    }
    double coordinate(int position) const {
        return alongX ? m.coordX(position) : m.coordY(position);
    }
    // Slot of the beam between positions p and p + 1.
    int beamSlot(int position) const {
        return alongX ? beamXSlot(m.counts, position, iy)
                      : beamYSlot(m.counts, gridNode(m.counts, ix, position));
    }
};

// The position of the nearest column along the line from `from`, stepping by `step` (±1) while
// the beam to the next node exists in the storey; nothing when the line ends or breaks first
// (a cantilever).
std::optional<int> columnAlongBeams(const BeamLine& line, int storey, int from, int step) {
    int position = from;
    for (;;) {
        const int next = position + step;
        if (next < 1 || next > line.lastPosition())
            return std::nullopt;
        if (!isPresent(line.m, storey, line.beamSlot(std::min(position, next))))
            return std::nullopt;
        if (isPresent(line.m, storey, line.node(next)))
            return next;
        position = next;
    }
}

// The warning for a half-beam of zero length; the bar is then left out.
void reportZeroLength(Asker& asker, bool alongX) {
    asker.tell({alongX ? "Attenzione: una delle travi in X risulta avere lunghezza nulla;"
                       : "Attenzione: una delle travi in Y risulta avere lunghezza nulla;",
                "            controllare la geometria della struttura prima di procedere"},
               "Attenzione", MessageIcon::Critical);
}

// Writes the half-beam on one side of a node at storey j into `row`, or clears the row when
// there is none (no beam, a cantilever, or a zero length, which is counted).
void writeHalfBeam(const BeamLine& line, int storey, int position, int step, double* row,
                   int& zeroLengths) {
    const std::optional<int> far = columnAlongBeams(line, storey, position, step);
    const double length = !far       ? 0
                          : step < 0 ? (line.coordinate(position) - line.coordinate(*far)) / 2
                                     : (line.coordinate(*far) - line.coordinate(position)) / 2;
    if (!far || length == 0) {
        zeroLengths += far ? 1 : 0;
        clearRows(row, 1);
        return;
    }
    const Model& m = line.m;
    const int slot = line.beamSlot(step < 0 ? position - 1 : position);
    writeBar(row, length, beamProperties(beamSection(m, storey, slot)));
}

// Rows of ritto i at storey j ≤ m = ritStoreys(i): its column (row j of both tables) and, at a
// grid node, its half-beams (rows m + j and 2m + j): along X into the table of the ritti
// orthogonal to Y, along Y into that of the ritti orthogonal to X.
struct ZeroLengths {
    int alongX = 0;
    int alongY = 0;
};

void writeStorey(const Model& m, AnalysisResults& r, int i, int j, ZeroLengths& zero) {
    const Counts& c = m.counts;
    const int height = r.ritStoreys(i);
    // Rows of the ritto orthogonal to X (beams along Y) and of the one orthogonal to Y.
    double* rowsX = r[Direction::orthogonalToX].ritElements.block(i).data();
    double* rowsY = r[Direction::orthogonalToY].ritElements.block(i).data();
    const auto at = [&](double* rows, int row) { return rows + (row - 1) * bar::values; };

    const int slot = columnSlot(c, i);
    const bool column = isPresent(m, j, slot);
    if (!column) {
        for (double* rows : {rowsX, rowsY}) {
            clearRows(at(rows, j), 1);
            clearRows(at(rows, height + j), 1);
            clearRows(at(rows, 2 * height + j), 1);
        }
        return;
    }
    const double length = m.levelZ(j + 1) - m.levelZ(j);
    const ColumnSection section = columnSection(m, j, slot);
    writeBar(at(rowsX, j), length, columnProperties(section, true));
    writeBar(at(rowsY, j), length, columnProperties(section, false));

    if (!numbering::isGridNode(c, i)) { // extra nodes carry no beams
        for (double* rows : {rowsX, rowsY}) {
            clearRows(at(rows, height + j), 1);
            clearRows(at(rows, 2 * height + j), 1);
        }
        return;
    }
    const numbering::GridPosition p = gridPosition(c, i);
    const BeamLine alongX{m, true, p.ix, p.iy};
    const BeamLine alongY{m, false, p.ix, p.iy};
    writeHalfBeam(alongX, j, p.ix, -1, at(rowsY, height + j), zero.alongX);
    writeHalfBeam(alongX, j, p.ix, +1, at(rowsY, 2 * height + j), zero.alongX);
    writeHalfBeam(alongY, j, p.iy, -1, at(rowsX, height + j), zero.alongY);
    writeHalfBeam(alongY, j, p.iy, +1, at(rowsX, 2 * height + j), zero.alongY);
}

// The highest storey with a column at the node; 0 when it has none.
int rittoHeight(const Model& m, int node) {
    const int slot = columnSlot(m.counts, node);
    for (int j = m.counts.nStoreys; j >= 1; --j) {
        if (isPresent(m, j, slot))
            return j;
    }
    return 0;
}

} // namespace

int rebuildRittoElements(const Model& m, AnalysisResults& r, int node) {
    const int height = rittoHeight(m, node);
    r.ritStoreys(node) = static_cast<std::int16_t>(height);
    const int rows = 3 * m.counts.nStoreys;
    for (const Direction d : bothDirections) {
        double* table = r[d].ritElements.block(node).data();
        clearRows(table + 3 * height * bar::values, rows - 3 * height);
    }
    ZeroLengths zero;
    for (int j = 1; j <= height; ++j)
        writeStorey(m, r, node, j, zero);
    return zero.alongX + zero.alongY;
}

bool buildRitElements(const Model& m, AnalysisResults& r, Asker& asker) {
    const Counts& c = m.counts;
    const int storeys = c.nStoreys;
    const int nodes = m.sizes().nodes;
    const int rows = 3 * storeys;

    // Release every earlier result before the large tables are allocated again, except the large
    // arrays of a run on a building of the same sizes (a second "Calcola Matrici"): their pages
    // are already provided, and every term of them is written again.
    std::array<Array3<double>, 2> elements, matrices;
    for (const Direction d : bothDirections) {
        const auto at = static_cast<std::size_t>(d == Direction::orthogonalToY);
        if (r[d].ritElements.hasBounds(1, nodes, 1, rows, 1, bar::values))
            elements[at] = std::move(r[d].ritElements);
        if (r[d].ritMatrix.hasBounds(1, nodes, 1, storeys, 1, storeys))
            matrices[at] = std::move(r[d].ritMatrix);
    }
    r = AnalysisResults{};
    for (const Direction d : bothDirections) {
        const auto at = static_cast<std::size_t>(d == Direction::orthogonalToY);
        r[d].ritElements = elements[at].empty()
                               ? Array3<double>(uninitialized, 1, nodes, 1, rows, 1, bar::values)
                               : std::move(elements[at]);
        r[d].ritMatrix = std::move(matrices[at]); // reused by the condensation
    }
    r.ritStoreys = Array1<std::int16_t>(1, nodes);

    // The height of each ritto is its highest storey with a column (a storey without column
    // below it leaves empty rows; it is not counted out).
    for (int j = 1; j <= storeys; ++j) {
        for (int i = 1; i <= nodes; ++i) {
            if (isPresent(m, j, columnSlot(c, i)))
                r.ritStoreys(i) = static_cast<std::int16_t>(j);
        }
    }

    // Grid row by grid row, storey by storey, so the members of one storey are read along the
    // row they lie in; every row of every table is written once. The grid rows (and the extra
    // nodes, as one more task) are shared among the cores: each writes only its own ritti.
    std::vector<ZeroLengths> zeros(static_cast<std::size_t>(c.nY) + 1);
    const auto fill = [&](int first, int last, ZeroLengths& zero) {
        for (int i = first; i <= last; ++i) {
            const int height = r.ritStoreys(i);
            for (const Direction d : bothDirections) {
                double* table = r[d].ritElements.block(i).data();
                clearRows(table + 3 * height * bar::values, rows - 3 * height);
            }
        }
        for (int j = 1; j <= storeys; ++j) {
            for (int i = first; i <= last; ++i) {
                if (j <= r.ritStoreys(i))
                    writeStorey(m, r, i, j, zero);
            }
        }
    };
    runOnAllCores(c.nY + 1, [&](int task) {
        ZeroLengths& zero = zeros[static_cast<std::size_t>(task)];
        if (task < c.nY)
            fill(gridNode(c, 1, task + 1), gridNode(c, c.nX, task + 1), zero);
        else
            fill(c.nX * c.nY + 1, nodes, zero);
    });
    ZeroLengths zero;
    for (const ZeroLengths& part : zeros) {
        zero.alongX += part.alongX;
        zero.alongY += part.alongY;
    }

    // Every warning about beams along X comes before those about beams along Y.
    for (int k = 0; k < zero.alongX; ++k)
        reportZeroLength(asker, true);
    for (int k = 0; k < zero.alongY; ++k)
        reportZeroLength(asker, false);
    return zero.alongX == 0 && zero.alongY == 0;
}

} // namespace orvanta
