#include "member_checks.h"

#include "beam_line_loads.h"
#include "concrete.h"
#include "element_records.h"
#include "numbering.h"
#include "section_properties.h"
#include "seismic_masses.h"

#include <algorithm>
#include <cmath>

namespace orvanta {

namespace {

bool hasDistribution(const Model& m) {
    const int storeys = m.counts.nStoreys;
    return m.beamLoads.size() > 0 && m.beamLoads.lower(1) == 1 && m.beamLoads.upper(1) == storeys &&
           m.beamLoads.lower(2) == 1 && m.beamLoads.upper(2) >= m.counts.nX * m.counts.nY;
}

double storeyHeight(const Model& m, int storey) {
    return m.levelZ(storey + 1) - m.levelZ(storey);
}

// The weight, N, that each grid node's column receives from the storey's own elements: the
// column itself and half of each beam (and of its line load) ending at the node.
Array1<double> ownWeights(const Model& m, int storey) {
    const Counts& c = m.counts;
    const int gridNodes = c.nX * c.nY;
    Array1<double> weight(1, gridNodes);
    const double gamma = projectUnitWeight(m) * 1e-6; // N/mm³
    for (int n = 1; n <= gridNodes; ++n) {
        const int slot = numbering::columnSlot(c, n);
        if (isPresent(m, storey, slot))
            weight(n) += gamma * columnProperties(columnSection(m, storey, slot), true).area *
                         storeyHeight(m, storey);
    }
    const auto beam = [&](int slot, int from, int to) {
        if (!isPresent(m, storey, slot))
            return;
        const numbering::PlanPoint a = numbering::nodePosition(m, from);
        const numbering::PlanPoint b = numbering::nodePosition(m, to);
        const double length = std::hypot(b.x - a.x, b.y - a.y);
        const double w = (gamma * beamProperties(beamSection(m, storey, slot)).area +
                          beamLineLoad(m, storey, slot)) *
                         length;
        weight(from) += w / 2;
        weight(to) += w / 2;
    };
    for (int iy = 1; iy <= c.nY; ++iy) {
        for (int ix = 1; ix < c.nX; ++ix) {
            const int n = numbering::gridNode(c, ix, iy);
            beam(numbering::beamXSlot(c, ix, iy), n, n + 1);
        }
    }
    for (int n = 1; n <= c.nX * (c.nY - 1); ++n)
        beam(numbering::beamYSlot(c, n), n, n + c.nX);
    return weight;
}

} // namespace

DuctilityClass projectDuctility(const Model& model) {
    const std::optional<NtcParameters> p = readNtcParameters(model.settings);
    return p ? p->ductility : DuctilityClass::B;
}

double axialForceLimit(DuctilityClass ductility) {
    return ductility == DuctilityClass::A ? axialLimitHighDuctility : axialLimitLowDuctility;
}

std::vector<MemberCheck> memberChecks(const Model& m, double concreteClass,
                                      DuctilityClass ductility) {
    std::vector<MemberCheck> checks;
    const Counts& c = m.counts;
    const int storeys = c.nStoreys;
    if (storeys <= 0 || !m.hasCompleteArrays())
        return checks;
    const int gridNodes = c.nX * c.nY;
    const bool loads = hasDistribution(m);
    const double fcd = designStrength(concreteClass);

    // Self-weight standing on the foot of each storey's columns, summed from the top down.
    std::vector<Array1<double>> above(static_cast<std::size_t>(storeys) + 1);
    above[static_cast<std::size_t>(storeys)] = Array1<double>(1, gridNodes);
    for (int s = storeys; s >= 1; --s) {
        Array1<double> w = ownWeights(m, s);
        for (int n = 1; n <= gridNodes; ++n)
            w(n) += above[static_cast<std::size_t>(s)](n);
        above[static_cast<std::size_t>(s - 1)] = std::move(w);
    }

    for (int s = 1; s <= storeys; ++s) {
        const double clearHeight = storeyHeight(m, s);
        for (int n = 1; n <= gridNodes; ++n) {
            const int slot = numbering::columnSlot(c, n);
            if (!isPresent(m, s, slot))
                continue;
            const ColumnSection section = columnSection(m, s, slot);
            MemberCheck check;
            check.storey = s;
            check.node = n;
            check.sideX = section.base;
            check.sideY = section.height;
            check.area = columnProperties(section, true).area;
            const double shorter = std::min(section.base, section.height);
            const double longer = std::max(section.base, section.height);
            check.wall = section.shape == ColumnShape::box || longer > 4 * shorter;
            check.thickness = section.shape == ColumnShape::box
                                  ? std::min(section.wallsAlongX, section.wallsAlongY)
                                  : shorter;
            check.smallestThickness =
                check.wall ? std::max(smallestWallThickness, clearHeight / 20) : smallestColumnSide;
            check.axialLimit = axialForceLimit(ductility);
            if (loads) {
                check.axialForce = m.beamLoads(s, n) + above[static_cast<std::size_t>(s - 1)](n);
                if (check.area > 0 && fcd > 0)
                    check.normalisedForce = check.axialForce / (check.area * fcd);
            }
            checks.push_back(check);
        }
    }
    return checks;
}

std::vector<MemberCheck> memberChecks(const Model& model) {
    return memberChecks(model, projectConcreteClass(model), projectDuctility(model));
}

std::string memberName(const MemberCheck& check) {
    return (check.wall ? "Parete " : "Pilastro ") + std::to_string(check.node);
}

} // namespace orvanta
