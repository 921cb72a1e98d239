#pragma once

// Small buildings for tests, built in code so each test shows the values it relies on.

#include "element_records.h"
#include "model.h"
#include "numbering.h"

#include <vector>

namespace orvanta::testing {

// Sets every grid line, level and extra-node coordinate from lists.
inline void setGrid(Model& m, std::initializer_list<double> xs, std::initializer_list<double> ys,
                    std::initializer_list<double> zs) {
    int i = 1;
    for (const double x : xs)
        m.coordX(i++) = x;
    i = 1;
    for (const double y : ys)
        m.coordY(i++) = y;
    i = 1;
    for (const double z : zs)
        m.levelZ(i++) = z;
}

// Places a column, wall or beam: shape 0 rectangle, otherwise box (column) or T (beam), with
// its base, height and the two thicknesses in millimetres.
inline void setMember(Model& m, int storey, int slot, double shape, double base, double height,
                      double thickness1 = 0, double thickness2 = 0) {
    m.members(storey, slot, member::present) = 1;
    m.members(storey, slot, member::shape) = shape;
    m.members(storey, slot, member::base) = base;
    m.members(storey, slot, member::height) = height;
    m.members(storey, slot, member::thickness1) = thickness1;
    m.members(storey, slot, member::thickness2) = thickness2;
}

// The slots of a storey whose element is present, in slot order.
inline std::vector<int> presentSlots(const Model& m, int storey) {
    std::vector<int> found;
    for (int s = 1; s <= m.sizes().nSlots; ++s) {
        if (isPresent(m, storey, s))
            found.push_back(s);
    }
    return found;
}

inline void setRectangle(Model& m, int storey, int slot, double base, double height) {
    setMember(m, storey, slot, 0, base, height);
}

inline void setSlab(Model& m, int storey, int ix, int iy, SlabSpan span, double g, double q,
                    double share) {
    orvanta::setSlab(m, storey, numbering::bay(m.counts, ix, iy),
                     {true, span, g, q, share, m.coordX(ix + 1) - m.coordX(ix),
                      m.coordY(iy + 1) - m.coordY(iy)});
}

// A frame of nX × nY lines and the given storeys with every column (300 × 500) and every beam
// (300 × 600) present, spacings of 5000 mm along X, 4000 mm along Y and 3000 mm storeys.
inline Model fullFrame(std::int16_t nX, std::int16_t nY, std::int16_t storeys,
                       std::int16_t nExtra = 0) {
    Model m = *Model::allocate({nX, nY, storeys, nExtra});
    for (int i = 1; i <= nX; ++i)
        m.coordX(i) = 5000.0 * (i - 1);
    for (int i = 1; i <= nY; ++i)
        m.coordY(i) = 4000.0 * (i - 1);
    for (int k = 1; k <= storeys + 1; ++k)
        m.levelZ(k) = 3000.0 * (k - 1);
    const Counts& c = m.counts;
    for (int k = 1; k <= storeys; ++k) {
        for (int n = 1; n <= nX * nY; ++n)
            setRectangle(m, k, n, 300, 500);
        for (int iy = 1; iy <= nY; ++iy) {
            for (int ix = 1; ix < nX; ++ix)
                setRectangle(m, k, numbering::beamXSlot(c, ix, iy), 300, 600);
        }
        for (int n = 1; n <= nX * (nY - 1); ++n)
            setRectangle(m, k, numbering::beamYSlot(c, n), 300, 600);
    }
    m.drawMax(0) = static_cast<float>(m.coordX(nX));
    m.drawMax(1) = static_cast<float>(m.coordY(nY));
    m.drawMax(2) = static_cast<float>(m.levelZ(storeys + 1));
    return m;
}

} // namespace orvanta::testing
