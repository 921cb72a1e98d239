#include "ritto_elements.h"

#include "numbering.h"
#include "section_properties.h"

#include <algorithm>
#include <optional>

namespace orvanta {

namespace {

using numbering::beamXSlot;
using numbering::beamYSlot;
using numbering::columnSlot;
using numbering::gridNode;
using numbering::gridPosition;

bool present(const Model& m, int storey, int slot) {
    return m.members(storey, slot, member::present) == 1.0;
}

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
        if (!present(line.m, storey, line.beamSlot(std::min(position, next))))
            return std::nullopt;
        if (present(line.m, storey, line.node(next)))
            return next;
        position = next;
    }
}

// Message for a half-beam of zero length; the bar is then left out.
void reportZeroLength(Asker& asker, bool alongX) {
    asker.tell({alongX ? "Attenzione: una delle travi in X risulta avere lunghezza nulla;"
                       : "Attenzione: una delle travi in Y risulta avere lunghezza nulla;",
                "            controllare la geometria della struttura prima di procedere"},
               "Attenzione", MessageIcon::Critical);
}

// Fills the lower- and upper-side half-beam rows of every ritto of one table from the beams of
// one direction: along X into the table of the ritti orthogonal to Y, along Y into that of the
// ritti orthogonal to X. A storey without column at the node gets no half-beam.
void buildHalfBeams(const Model& m, AnalysisResults& r, bool alongX, Asker& asker) {
    const Counts& c = m.counts;
    Array3<double>& table = alongX ? r.ritElementsY : r.ritElementsX;
    for (int i = 1; i <= c.nX * c.nY; ++i) {
        const int storeys = r.ritStoreys(i);
        if (storeys == 0)
            continue;
        const numbering::GridPosition at = gridPosition(c, i);
        const BeamLine line{m, alongX, at.ix, at.iy};
        const int position = alongX ? at.ix : at.iy;
        double* rows = table.block(i).data();
        for (int j = 1; j <= storeys; ++j) {
            double* lower = rows + (storeys + j - 1) * bar::values; // cleared with the columns
            double* upper = rows + (2 * storeys + j - 1) * bar::values;
            if (!present(m, j, columnSlot(c, i)))
                continue;
            for (const int step : {-1, +1}) {
                const std::optional<int> far = columnAlongBeams(line, j, position, step);
                if (!far)
                    continue;
                const double length = step < 0
                                          ? (line.coordinate(position) - line.coordinate(*far)) / 2
                                          : (line.coordinate(*far) - line.coordinate(position)) / 2;
                if (length == 0) {
                    reportZeroLength(asker, alongX);
                    continue;
                }
                const int slot = line.beamSlot(step < 0 ? position - 1 : position);
                const BarSection section = beamSection(
                    m.members(j, slot, member::shape) != 0, m.members(j, slot, member::base),
                    m.members(j, slot, member::height), m.members(j, slot, member::thickness1),
                    m.members(j, slot, member::thickness2));
                writeBar(step < 0 ? lower : upper, length, section);
            }
        }
    }
}

} // namespace

void buildRitElements(const Model& m, AnalysisResults& r, Asker& asker) {
    const Counts& c = m.counts;
    const int storeys = c.nStoreys;
    const int nodes = m.sizes().nodes;
    const int rows = 3 * storeys;

    // Release every earlier result before the large tables are allocated again.
    r = AnalysisResults{};
    r.ritElementsX = Array3<double>(uninitialized, 1, nodes, 1, rows, 1, bar::values);
    r.ritElementsY = Array3<double>(uninitialized, 1, nodes, 1, rows, 1, bar::values);
    r.ritStoreys = Array1<std::int16_t>(1, nodes);

    // Columns, in both tables; the ritto's height is its highest storey with a column (a storey
    // without column below it leaves an empty row, it is not counted out).
    for (int i = 1; i <= nodes; ++i) {
        const int slot = columnSlot(c, i);
        int height = 0;
        for (int j = 1; j <= storeys; ++j) {
            if (present(m, j, slot))
                height = j;
        }
        r.ritStoreys(i) = static_cast<std::int16_t>(height);
        double* rowsX = r.ritElementsX.block(i).data();
        double* rowsY = r.ritElementsY.block(i).data();
        clearRows(rowsX, rows);
        clearRows(rowsY, rows);
        for (int j = 1; j <= height; ++j) {
            if (!present(m, j, slot))
                continue;
            const double length = m.levelZ(j + 1) - m.levelZ(j);
            const bool box = m.members(j, slot, member::shape) != 0;
            const double b = m.members(j, slot, member::base);
            const double h = m.members(j, slot, member::height);
            const double tx = m.members(j, slot, member::thickness1);
            const double ty = m.members(j, slot, member::thickness2);
            writeBar(rowsX + (j - 1) * bar::values, length, columnSection(box, b, h, tx, ty, true));
            writeBar(rowsY + (j - 1) * bar::values, length,
                     columnSection(box, b, h, tx, ty, false));
        }
    }

    // Beams along X first, then along Y, so the zero-length warnings come in that order.
    buildHalfBeams(m, r, true, asker);
    buildHalfBeams(m, r, false, asker);
}

} // namespace orvanta
