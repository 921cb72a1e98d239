#include "load_distribution.h"

#include "element_records.h"
#include "numbering.h"
#include "storey_loads.h"

#include <cmath>
#include <optional>

namespace orvanta {

namespace {

using numbering::beamXSlot;
using numbering::beamYSlot;
using numbering::gridNode;

const char* const loadErrorTitle = "Errore di immissione dei carichi";
const char* const loadErrorFirstLine =
    "Attenzione: la geometria riportata non consente di distribuire";

// A beam that supports a slab, by its slot and its two end nodes.
struct SupportBeam {
    int slot = 0;
    int firstNode = 0;  // the end with the smaller indices
    int secondNode = 0; // the other end
    int nodeStep = 1;   // from one node to the next along the beam: 1 along X, nX along Y
    int firstLimit = 0; // the searches for columns stay within the beam's grid line
    int secondLimit = 0;
};

SupportBeam beamAlongX(const Counts& c, int ix, int iy) {
    const int first = gridNode(c, ix, iy);
    return {beamXSlot(c, ix, iy), first, first + 1, 1, gridNode(c, 1, iy), gridNode(c, c.nX, iy)};
}

SupportBeam beamAlongY(const Counts& c, int ix, int iy) {
    const int first = gridNode(c, ix, iy);
    return {beamYSlot(c, first),  first, first + c.nX, c.nX, gridNode(c, ix, 1),
            gridNode(c, ix, c.nY)};
}

// The supporting beam on one side of a bay, or the next present one further out.
// For a slab spanning along Y the candidates are the beams along X at position ix in rows
// `row`, `row` + step, …; for one spanning along X, the beams along Y in row iy at positions
// `position`, `position` + step, ….
std::optional<SupportBeam> findBeam(const Model& m, int storey, bool spanAlongY, int ix, int iy,
                                    int step) {
    const Counts& c = m.counts;
    if (spanAlongY) {
        for (int row = iy; row >= 1 && row <= c.nY; row += step) {
            const SupportBeam beam = beamAlongX(c, ix, row);
            if (isPresent(m, storey, beam.slot))
                return beam;
        }
    } else {
        for (int position = ix; position >= 1 && position <= c.nX; position += step) {
            const SupportBeam beam = beamAlongY(c, position, iy);
            if (isPresent(m, storey, beam.slot))
                return beam;
        }
    }
    return std::nullopt;
}

// The column at a beam end, or the next present one further out along the beam's grid line.
std::optional<int> findColumn(const Model& m, int storey, int node, int step, int limit) {
    for (;; node += step) {
        if (isPresent(m, storey, node))
            return node;
        if (node == limit)
            return std::nullopt;
    }
}

enum class Stop { None, NoBeam, NoColumn };

// Hands one slab's load to its two beams and their four columns, in this order: first beam,
// its two columns, second beam, its two columns.
Stop distributeSlab(const Model& m, Array2<double>& loads, int storey, int ix, int iy) {
    const Counts& c = m.counts;
    const int b = numbering::bay(c, ix, iy);
    const Slab slab = slabAt(m, storey, b);
    const double w = (slab.permanent + slab.share * slab.variable) * slab.sideX * slab.sideY;
    const bool spanAlongY = slab.span == SlabSpan::alongY;

    // The lower (left) edge searches towards the first line, the upper (right) edge towards the
    // last one.
    struct Side {
        int ix, iy, step;
    };
    const Side sides[2] = {{ix, iy, -1}, spanAlongY ? Side{ix, iy + 1, +1} : Side{ix + 1, iy, +1}};
    for (const Side& side : sides) {
        const std::optional<SupportBeam> beam =
            findBeam(m, storey, spanAlongY, side.ix, side.iy, side.step);
        if (!beam)
            return Stop::NoBeam;
        loads(storey, beam->slot) += w / 2;
        const std::optional<int> first =
            findColumn(m, storey, beam->firstNode, -beam->nodeStep, beam->firstLimit);
        if (!first)
            return Stop::NoColumn;
        for (int k = storey; k >= 1; --k)
            loads(k, *first) += w / 4;
        const std::optional<int> second =
            findColumn(m, storey, beam->secondNode, beam->nodeStep, beam->secondLimit);
        if (!second)
            return Stop::NoColumn;
        for (int k = storey; k >= 1; --k)
            loads(k, *second) += w / 4;
    }
    return Stop::None;
}

bool askAboutEmptyStorey(Asker& asker, const char* consequence) {
    return asker.confirm({"Il carico inserito a livello di un piano risulta essere nullo",
                          "per cui sarà impossibile calcolare il baricentro di piano", consequence,
                          "Continuare?"},
                         "Avviso", MessageIcon::Exclamation);
}

} // namespace

bool distributeLoads(Model& m, Asker& asker) {
    const Counts& c = m.counts;
    const int storeys = c.nStoreys;
    const int gridNodes = c.nX * c.nY;
    Array2<double> loads(1, storeys, 1, m.sizes().loadSlots);

    for (int s = 1; s <= storeys; ++s) {
        for (int iy = 1; iy <= c.nY - 1; ++iy) {
            for (int ix = 1; ix <= c.nX - 1; ++ix) {
                if (!slabAt(m, s, numbering::bay(c, ix, iy)).present)
                    continue;
                const Stop stop = distributeSlab(m, loads, s, ix, iy);
                if (stop == Stop::None)
                    continue;
                asker.tell({loadErrorFirstLine,
                            stop == Stop::NoBeam
                                ? "il carico su di alcuna trave. Modificare l'input prima di "
                                  "procedere"
                                : "il carico su di alcun pilastro. Modificare l'input prima di "
                                  "procedere"},
                           loadErrorTitle, MessageIcon::Exclamation);
                return false;
            }
        }
    }

    // The load entering each column at storey s: its axial force less the one of the storey above.
    const auto entering = [&](int s, int node) { return enteringLoad(loads, s, node); };
    const Array1<double> storeyLoad = storeyLoads(loads, gridNodes);
    double weightedHeights = 0;
    for (int s = 1; s <= storeys; ++s)
        weightedHeights += (m.levelZ(s + 1) - m.levelZ(1)) * storeyLoad(s);

    const auto position = [&](int node) { return numbering::nodePosition(m, node); };

    Array2<double> massCentre(1, storeys, 1, 2);
    Array1<double> storeyForce(1, storeys);
    for (int s = 1; s <= storeys; ++s) {
        const double w = storeyLoad(s);
        if (w == 0) {
            if (!askAboutEmptyStorey(asker,
                                     "e ottenere un corretto predimensionamento degli elementi"))
                return false;
            continue; // centre of mass (0, 0), force share 0
        }
        double sumX = 0;
        double sumY = 0;
        for (int n = 1; n <= gridNodes; ++n) {
            sumX += entering(s, n) * position(n).x;
            sumY += entering(s, n) * position(n).y;
        }
        massCentre(s, 1) = sumX / w;
        massCentre(s, 2) = sumY / w;
        // Height above the base, as in the sum: with an absolute level the shares of a building
        // standing at a level other than 0 would not add up to 1.
        const double height = m.levelZ(s + 1) - m.levelZ(1);
        storeyForce(s) = weightedHeights != 0 ? height * w / weightedHeights : 0;
    }

    Array1<double> gyrationRadius(1, storeys);
    for (int s = 1; s <= storeys; ++s) {
        const double w = storeyLoad(s);
        if (w == 0) {
            if (!askAboutEmptyStorey(
                    asker, "e ottenere un corretto valore del raggio giratore di inerzia"))
                return false;
            gyrationRadius(s) = 1;
            continue;
        }
        double polarMoment = 0;
        for (int n = 1; n <= gridNodes; ++n) {
            const double dx = position(n).x - massCentre(s, 1);
            const double dy = position(n).y - massCentre(s, 2);
            polarMoment += entering(s, n) * (dx * dx + dy * dy);
        }
        gyrationRadius(s) = std::sqrt(polarMoment / w);
    }

    m.beamLoads = std::move(loads);
    m.massCentre = std::move(massCentre);
    m.storeyForce = std::move(storeyForce);
    m.gyrationRadius = std::move(gyrationRadius);
    return true;
}

} // namespace orvanta
