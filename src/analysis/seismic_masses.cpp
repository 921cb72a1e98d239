#include "seismic_masses.h"

#include "beam_line_loads.h"
#include "element_records.h"
#include "numbering.h"
#include "section_properties.h"

#include <cmath>

namespace orvanta {

namespace {

// One piece of a floor's mass: its weight (N), its centre (mm) and the square of its own radius
// of gyration about that centre (mm²).
struct MassPiece {
    double weight = 0;
    double x = 0;
    double y = 0;
    double ownRadiusSquared = 0;
};

// N/mm³ from kN/m³.
double unitWeightPerCubicMillimetre(const Model& m) {
    return projectUnitWeight(m) * 1e-6;
}

double storeyHeight(const Model& m, int storey) {
    return m.levelZ(storey + 1) - m.levelZ(storey);
}

void addSlabs(const Model& m, int storey, std::vector<MassPiece>& pieces, StoreySeismicMass& mass) {
    const Counts& c = m.counts;
    for (int iy = 1; iy < c.nY; ++iy) {
        for (int ix = 1; ix < c.nX; ++ix) {
            const Slab slab = slabAt(m, storey, numbering::bay(c, ix, iy));
            if (!slab.present)
                continue;
            const double w =
                (slab.permanent + slab.share * slab.variable) * slab.sideX * slab.sideY;
            pieces.push_back({w, (m.coordX(ix) + m.coordX(ix + 1)) / 2,
                              (m.coordY(iy) + m.coordY(iy + 1)) / 2,
                              (slab.sideX * slab.sideX + slab.sideY * slab.sideY) / 12});
            mass.slabWeight += w;
        }
    }
}

// A beam from grid node `from` to node `to`: its self-weight and its line load.
void addBeam(const Model& m, int storey, int slot, int from, int to, std::vector<MassPiece>& pieces,
             StoreySeismicMass& mass) {
    if (!isPresent(m, storey, slot))
        return;
    const numbering::PlanPoint a = numbering::nodePosition(m, from);
    const numbering::PlanPoint b = numbering::nodePosition(m, to);
    const double length = std::hypot(b.x - a.x, b.y - a.y);
    const double x = (a.x + b.x) / 2;
    const double y = (a.y + b.y) / 2;
    const double own = length * length / 12;
    const double self = unitWeightPerCubicMillimetre(m) *
                        beamProperties(beamSection(m, storey, slot)).area * length;
    pieces.push_back({self, x, y, own});
    mass.structureWeight += self;
    // kN/m is N/mm.
    const double line = beamLineLoad(m, storey, slot) * length;
    if (line != 0) {
        pieces.push_back({line, x, y, own});
        mass.lineLoadWeight += line;
    }
}

void addBeams(const Model& m, int storey, std::vector<MassPiece>& pieces, StoreySeismicMass& mass) {
    const Counts& c = m.counts;
    for (int iy = 1; iy <= c.nY; ++iy) {
        for (int ix = 1; ix < c.nX; ++ix) {
            const int n = numbering::gridNode(c, ix, iy);
            addBeam(m, storey, numbering::beamXSlot(c, ix, iy), n, n + 1, pieces, mass);
        }
    }
    for (int n = 1; n <= c.nX * (c.nY - 1); ++n)
        addBeam(m, storey, numbering::beamYSlot(c, n), n, n + c.nX, pieces, mass);
}

// Half of every column and wall of `columnStorey`, at its node.
void addHalfColumns(const Model& m, int columnStorey, std::vector<MassPiece>& pieces,
                    StoreySeismicMass& mass) {
    const double halfHeight = storeyHeight(m, columnStorey) / 2;
    const int nodes = m.sizes().nodes;
    for (int node = 1; node <= nodes; ++node) {
        const int slot = numbering::columnSlot(m.counts, node);
        if (!isPresent(m, columnStorey, slot))
            continue;
        const double area = columnProperties(columnSection(m, columnStorey, slot), true).area;
        const double w = unitWeightPerCubicMillimetre(m) * area * halfHeight;
        const numbering::PlanPoint p = numbering::nodePosition(m, node);
        pieces.push_back({w, p.x, p.y, 0});
        mass.structureWeight += w;
    }
}

void describe(const std::vector<MassPiece>& pieces, StoreySeismicMass& mass) {
    double w = 0, wx = 0, wy = 0;
    for (const MassPiece& p : pieces) {
        w += p.weight;
        wx += p.weight * p.x;
        wy += p.weight * p.y;
    }
    mass.weight = w;
    if (!(w > 0))
        return;
    mass.centreX = wx / w;
    mass.centreY = wy / w;
    double moment = 0; // Σ w·(r0² + d²), N·mm²
    for (const MassPiece& p : pieces) {
        const double dx = p.x - mass.centreX;
        const double dy = p.y - mass.centreY;
        moment += p.weight * (p.ownRadiusSquared + dx * dx + dy * dy);
    }
    mass.polarMoment = moment / gravity;
    mass.gyrationRadius = std::sqrt(moment / w);
}

} // namespace

double projectUnitWeight(const Model& model) {
    return model.settings.number(settingKey::unitWeight).value_or(defaultUnitWeight);
}

std::vector<StoreySeismicMass> seismicMasses(const Model& m) {
    const int storeys = m.counts.nStoreys;
    std::vector<StoreySeismicMass> masses(static_cast<std::size_t>(std::max(storeys, 0)));
    if (storeys <= 0 || !m.hasCompleteArrays())
        return masses;
    for (int s = 1; s <= storeys; ++s) {
        StoreySeismicMass& mass = masses[static_cast<std::size_t>(s - 1)];
        std::vector<MassPiece> pieces;
        addSlabs(m, s, pieces, mass);
        addBeams(m, s, pieces, mass);
        addHalfColumns(m, s, pieces, mass);
        if (s < storeys)
            addHalfColumns(m, s + 1, pieces, mass);
        describe(pieces, mass);
    }
    return masses;
}

} // namespace orvanta
