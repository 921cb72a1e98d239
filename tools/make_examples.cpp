// Writes the example buildings of examples/ from their description below, distributing the slab
// loads as the loads phase does when it ends.
//
//   make_examples OUTPUT_FOLDER
//
// Units as in the model: millimetres, N/mm² (5 kN/m² = 0.005 N/mm²).

#include "element_records.h"
#include "load_distribution.h"
#include "model.h"
#include "numbering.h"
#include "project_file.h"

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace {

using namespace orvanta;
using numbering::beamXSlot;
using numbering::beamYSlot;
using numbering::gridNode;

const ColumnSection column30x50{ColumnShape::rectangle, 300, 500};
const ColumnSection column50x30{ColumnShape::rectangle, 500, 300};
const ColumnSection column30x40{ColumnShape::rectangle, 300, 400};
const ColumnSection column40x30{ColumnShape::rectangle, 400, 300};
const BeamSection beam30x60{BeamShape::rectangle, 300, 600};
const BeamSection beam30x50{BeamShape::rectangle, 300, 500};
// Floor beam working with a 220 mm slab: 1000 mm of flange over a 300 mm web.
const BeamSection tBeam{BeamShape::tee, 1000, 600, 220, 300};
// Lift shaft: 2000 × 2200 mm with 250 mm walls.
const ColumnSection liftCore{ColumnShape::box, 2000, 2200, 250, 250};

struct Loads {
    double permanent = 0; // N/mm²
    double variable = 0;  // N/mm²
    double share = 0;     // quasi-permanent share of the variable load
};

const Loads residentialFloor{0.0055, 0.002, 0.3};
const Loads roof{0.0045, 0.0005, 0.2};

// A slab spans the shorter way; square bays span along Y.
void placeSlab(Model& m, int storey, int ix, int iy, const Loads& loads) {
    const int b = numbering::bay(m.counts, ix, iy);
    const double lx = m.coordX(ix + 1) - m.coordX(ix);
    const double ly = m.coordY(iy + 1) - m.coordY(iy);
    setSlab(m, storey, b,
            {true, lx < ly ? SlabSpan::alongX : SlabSpan::alongY, loads.permanent, loads.variable,
             loads.share, lx, ly});
}

Model grid(Counts counts, std::vector<double> xs, std::vector<double> ys, std::vector<double> zs) {
    Model m = *Model::allocate(counts);
    for (std::size_t i = 0; i < xs.size(); ++i)
        m.coordX(static_cast<int>(i) + 1) = xs[i];
    for (std::size_t i = 0; i < ys.size(); ++i)
        m.coordY(static_cast<int>(i) + 1) = ys[i];
    for (std::size_t i = 0; i < zs.size(); ++i)
        m.levelZ(static_cast<int>(i) + 1) = zs[i];
    return m;
}

// The drawing extents and plan scale that the grid phase leaves when it hands over.
void setDrawingScales(Model& m) {
    const Counts& c = m.counts;
    m.drawMax(0) = static_cast<float>(m.coordX(c.nX));
    m.drawMax(1) = static_cast<float>(m.coordY(c.nY));
    m.drawMax(2) = static_cast<float>(m.levelZ(c.nStoreys + 1));
    m.planScale = std::min(11000 / m.drawMax(0), 9000 / m.drawMax(1));
}

// Every beam along X and along Y of a storey between two nodes that both carry a column.
void frameBeams(Model& m, int storey, const BeamSection& alongX, const BeamSection& alongY) {
    const Counts& c = m.counts;
    const auto hasColumn = [&](int node) { return isPresent(m, storey, node); };
    for (int iy = 1; iy <= c.nY; ++iy) {
        for (int ix = 1; ix < c.nX; ++ix) {
            if (hasColumn(gridNode(c, ix, iy)) && hasColumn(gridNode(c, ix + 1, iy)))
                placeBeam(m, storey, beamXSlot(c, ix, iy), alongX);
        }
    }
    for (int n = 1; n <= c.nX * (c.nY - 1); ++n) {
        if (hasColumn(n) && hasColumn(n + c.nX))
            placeBeam(m, storey, beamYSlot(c, n), alongY);
    }
}

// One bay, one storey: a garage or a plant room.
Model oneBayBlock() {
    Model m = grid({2, 2, 1, 0}, {0, 5000}, {0, 4000}, {0, 3000});
    for (int n = 1; n <= 4; ++n)
        placeColumn(m, 1, n, column30x50);
    frameBeams(m, 1, beam30x60, beam30x60);
    placeSlab(m, 1, 1, 1, {0.005, 0.002, 0.3});
    setDrawingScales(m);
    return m;
}

// A four-storey block of flats on a 5 × 4 grid, with a lift shaft at an inner node and an
// entrance canopy column in front of the façade.
Model residentialBlock() {
    Model m = grid({5, 4, 4, 1}, {0, 4000, 8500, 13000, 17000, 8500}, {0, 5200, 9700, 14900, -2000},
                   {0, 3400, 6400, 9400, 12400});
    const Counts& c = m.counts;
    for (int k = 1; k <= 4; ++k) {
        const bool upper = k >= 3;
        for (int iy = 1; iy <= c.nY; ++iy) {
            const bool facade = iy == 1 || iy == c.nY;
            for (int ix = 1; ix <= c.nX; ++ix) {
                const ColumnSection& s = facade ? (upper ? column40x30 : column50x30)
                                                : (upper ? column30x40 : column30x50);
                placeColumn(m, k, gridNode(c, ix, iy), s);
            }
        }
        placeColumn(m, k, gridNode(c, 3, 2), liftCore);
        frameBeams(m, k, beam30x60, tBeam);
        for (int iy = 1; iy < c.nY; ++iy) {
            for (int ix = 1; ix < c.nX; ++ix)
                placeSlab(m, k, ix, iy, k == 4 ? roof : residentialFloor);
        }
    }
    placeColumn(m, 1, numbering::columnSlot(c, numbering::extraNode(c, 1)), column30x40);
    setDrawingScales(m);
    return m;
}

// A three-storey L-shaped office building: the bay at the far corner is an open court, the
// last line of columns stops at the second floor (a roof terrace above), the lift core stands
// at an inner node and a stair column off the grid rises through all storeys.
Model lShapedOffice() {
    Model m = grid({4, 3, 3, 1}, {0, 5000, 10000, 14000, 7500}, {0, 4500, 9000, 11500},
                   {-500, 3500, 7000, 10500});
    const Counts& c = m.counts;
    const auto inCourt = [&](int ix, int iy) { return ix == 4 && iy == 3; };
    for (int k = 1; k <= 3; ++k) {
        for (int iy = 1; iy <= c.nY; ++iy) {
            for (int ix = 1; ix <= c.nX; ++ix) {
                if (inCourt(ix, iy) || (k == 3 && ix == 4))
                    continue;
                placeColumn(m, k, gridNode(c, ix, iy), iy == 1 ? column50x30 : column30x50);
            }
        }
        placeColumn(m, k, gridNode(c, 2, 2), liftCore);
        placeColumn(m, k, numbering::columnSlot(c, numbering::extraNode(c, 1)), column30x40);
        frameBeams(m, k, tBeam, beam30x50);
        for (int iy = 1; iy < c.nY; ++iy) {
            for (int ix = 1; ix < c.nX; ++ix) {
                if (ix == 3 && iy == 2)
                    continue; // the court
                if (k == 3 && ix == 3)
                    continue; // the terrace
                placeSlab(m, k, ix, iy, k == 3 ? roof : Loads{0.005, 0.003, 0.3});
            }
        }
    }
    setDrawingScales(m);
    return m;
}

// Answers every question Yes and reports anything the distribution had to say.
class Confirming : public Asker {
public:
    Answer ask(const Message& message) override {
        std::fprintf(stderr, "%s: %s\n", message.title.c_str(), message.text().c_str());
        ++messages;
        return Answer::Yes;
    }
    int messages = 0;
};

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "uso: make_examples CARTELLA\n");
        return 1;
    }
    const std::string folder = argv[1];
    const std::vector<std::pair<std::string, std::function<Model()>>> buildings = {
        {"blocco-1-campata.orv", oneBayBlock},
        {"palazzina-4-piani.orv", residentialBlock},
        {"uffici-a-L-3-piani.orv", lShapedOffice},
    };
    for (const auto& [name, build] : buildings) {
        Model m = build();
        Confirming asker;
        if (!distributeLoads(m, asker) || asker.messages > 0) {
            std::fprintf(stderr, "%s: distribuzione dei carichi non riuscita\n", name.c_str());
            return 1;
        }
        const std::string error = writeProjectFile(m, folder + "/" + name);
        if (!error.empty()) {
            std::fprintf(stderr, "%s: %s\n", name.c_str(), error.c_str());
            return 1;
        }
        std::printf("%s/%s\n", folder.c_str(), name.c_str());
    }
    return 0;
}
