#include "generated_buildings.h"

#include "load_distribution.h"
#include "numbering.h"
#include "sample_models.h"
#include "scripted_interaction.h"
#include "user_interaction.h"

#include <random>

namespace orvanta::testing {

namespace {

using numbering::beamXSlot;
using numbering::beamYSlot;
using numbering::gridNode;

} // namespace

Model regularBuilding(std::int16_t nX, std::int16_t nY, std::int16_t storeys) {
    Model m = *Model::allocate({nX, nY, storeys, 0});
    const Counts& c = m.counts;
    for (int i = 1; i <= nX; ++i)
        m.coordX(i) = 5000.0 * (i - 1);
    for (int i = 1; i <= nY; ++i)
        m.coordY(i) = 6000.0 * (i - 1);
    for (int k = 1; k <= storeys + 1; ++k)
        m.levelZ(k) = 3200.0 * (k - 1);

    const int midX = (nX + 1) / 2;
    const int midY = (nY + 1) / 2;
    const auto inCore = [&](int ix, int iy) {
        return nX >= 4 && nY >= 4 && (ix == midX || ix == midX + 1) &&
               (iy == midY || iy == midY + 1);
    };
    for (int k = 1; k <= storeys; ++k) {
        const double side = k <= storeys / 3 ? 600 : k <= 2 * storeys / 3 ? 500 : 400;
        for (int iy = 1; iy <= nY; ++iy) {
            for (int ix = 1; ix <= nX; ++ix) {
                const int node = gridNode(c, ix, iy);
                if (inCore(ix, iy))
                    setMember(m, k, node, 1, 2500, 2500, 250, 250);
                else
                    setMember(m, k, node, 0, side, side + (iy % 2) * 100);
            }
        }
        for (int iy = 1; iy <= nY; ++iy) {
            const bool outer = iy == 1 || iy == nY;
            for (int ix = 1; ix < nX; ++ix) {
                if (outer)
                    setMember(m, k, beamXSlot(c, ix, iy), 1, 1000, 600, 200, 300);
                else
                    setMember(m, k, beamXSlot(c, ix, iy), 0, 300, 600);
            }
        }
        for (int iy = 1; iy < nY; ++iy) {
            for (int ix = 1; ix <= nX; ++ix) {
                const bool outer = ix == 1 || ix == nX;
                const int slot = beamYSlot(c, gridNode(c, ix, iy));
                if (outer)
                    setMember(m, k, slot, 1, 1000, 600, 200, 300);
                else
                    setMember(m, k, slot, 0, 300, 600);
            }
        }
        for (int iy = 1; iy < nY; ++iy) {
            for (int ix = 1; ix < nX; ++ix) {
                orvanta::setSlab(m, k, numbering::bay(c, ix, iy),
                                 {true, (ix + iy) % 2 ? SlabSpan::alongX : SlabSpan::alongY, 0.005,
                                  0.002, 0.3, m.coordX(ix + 1) - m.coordX(ix),
                                  m.coordY(iy + 1) - m.coordY(iy)});
            }
        }
    }
    m.drawMax(0) = static_cast<float>(m.coordX(nX) / 1000);
    m.drawMax(1) = static_cast<float>(m.coordY(nY) / 1000);
    m.drawMax(2) = static_cast<float>(m.levelZ(storeys + 1) / 1000);
    m.planScale = 1;
    ScriptedAsker yes; // every question answered Yes, as the batch tool does
    distributeLoads(m, yes);
    return m;
}

Model randomBuilding(std::uint32_t seed) {
    std::mt19937 random(seed);
    const auto integer = [&](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    const auto chance = [&](double p) { return std::bernoulli_distribution(p)(random); };
    const auto round50 = [&](int low, int high) { return 50.0 * integer(low / 50, high / 50); };

    const auto nX = static_cast<std::int16_t>(integer(2, 6));
    const auto nY = static_cast<std::int16_t>(integer(2, 6));
    const auto storeys = static_cast<std::int16_t>(integer(1, 15));
    const auto nExtra = static_cast<std::int16_t>(integer(0, 3));
    Model m = *Model::allocate({nX, nY, storeys, nExtra});
    const Counts& c = m.counts;

    for (int i = 2; i <= nX; ++i)
        m.coordX(i) = m.coordX(i - 1) + round50(3000, 7000);
    for (int i = 2; i <= nY; ++i)
        m.coordY(i) = m.coordY(i - 1) + round50(3000, 7000);
    m.levelZ(1) = chance(0.3) ? round50(-1500, 1500) : 0;
    for (int k = 2; k <= storeys + 1; ++k)
        m.levelZ(k) = m.levelZ(k - 1) + round50(2800, 4000);
    for (int e = 1; e <= nExtra; ++e) {
        m.coordX(nX + e) = round50(0, static_cast<int>(m.coordX(nX)));
        m.coordY(nY + e) = round50(0, static_cast<int>(m.coordY(nY)));
    }

    const auto column = [&](int storey, int slot) {
        if (chance(0.15)) {
            const double b = round50(1500, 3000);
            const double h = round50(1500, 3000);
            setMember(m, storey, slot, 1, b, h, round50(150, 300), round50(150, 300));
        } else {
            setMember(m, storey, slot, 0, round50(250, 700), round50(250, 700));
        }
    };
    const auto beam = [&](int storey, int slot) {
        if (chance(0.3))
            setMember(m, storey, slot, 1, round50(600, 1500), round50(400, 800), round50(150, 250),
                      round50(250, 400));
        else
            setMember(m, storey, slot, 0, round50(250, 500), round50(400, 800));
    };

    // Ritti: most reach the top, some stop lower (setbacks), a few have no column at all or miss
    // one at an intermediate storey. Extra nodes rarely miss one, since without beams the part
    // above would float.
    const int nodes = m.sizes().nodes;
    for (int node = 1; node <= nodes; ++node) {
        const bool extra = !numbering::isGridNode(c, node);
        const int top = chance(0.7) ? storeys : integer(0, storeys);
        const int gap = chance(extra ? 0.03 : 0.12) && top >= 3 ? integer(1, top - 1) : 0;
        const int slot = numbering::columnSlot(c, node);
        for (int k = 1; k <= top; ++k) {
            if (k != gap)
                column(k, slot);
        }
    }
    for (int k = 1; k <= storeys; ++k) {
        for (int iy = 1; iy <= nY; ++iy) {
            for (int ix = 1; ix < nX; ++ix) {
                if (chance(0.85))
                    beam(k, beamXSlot(c, ix, iy));
            }
        }
        for (int n = 1; n <= nX * (nY - 1); ++n) {
            if (chance(0.85))
                beam(k, beamYSlot(c, n));
        }
    }

    for (int k = 1; k <= storeys; ++k) {
        m.massCentre(k, 1) = round50(0, static_cast<int>(m.coordX(nX)));
        m.massCentre(k, 2) = round50(0, static_cast<int>(m.coordY(nY)));
        m.gyrationRadius(k) = round50(2000, 9000);
        m.storeyForce(k) = (m.levelZ(k + 1) - m.levelZ(1)) / (m.levelZ(storeys + 1) - m.levelZ(1));
    }
    m.drawMax(0) = static_cast<float>(m.coordX(nX) / 1000);
    m.drawMax(1) = static_cast<float>(m.coordY(nY) / 1000);
    m.drawMax(2) = static_cast<float>(m.levelZ(storeys + 1) / 1000);
    return m;
}

} // namespace orvanta::testing
