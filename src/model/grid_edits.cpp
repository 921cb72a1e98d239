#include "grid_edits.h"

#include "element_records.h"
#include "numbering.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace orvanta {

namespace {

constexpr double smallestSpacing = 1;       // mm between neighbouring lines or levels
constexpr double farthestFromOrigin = 10e6; // 10 km
constexpr const char* lineTitle = "Impossibile modificare la griglia";
constexpr const char* nodeTitle = "Impossibile modificare il nodo";

// Where a line, an interval between two neighbouring lines, or a storey of the changed grid
// comes from in the grid before: nothing (first = 0), one of before, or two of before joined
// (first, second) across a deleted line or level.
struct Source {
    int first = 0;
    int second = 0;
    bool none() const { return first == 0; }
    bool joined() const { return second != 0; }
};

// The lines of one direction after the change: lines[i] the line of before (0 for a new one),
// intervals[i] between lines i and i + 1. Index 0 unused.
struct AxisMap {
    std::vector<int> lines;
    std::vector<Source> intervals;
    int count() const { return static_cast<int>(lines.size()) - 1; }
};

struct Remap {
    AxisMap x;
    AxisMap y;
    AxisMap z;                   // levels; its intervals are the storeys
    std::vector<Source> storeys; // z.intervals, with the storeys added at either end copied
    std::vector<int> extras;     // extra node of before, 0 for a new one
};

AxisMap identityAxis(int n) {
    AxisMap a;
    a.lines.resize(static_cast<std::size_t>(n) + 1);
    a.intervals.resize(static_cast<std::size_t>(n));
    for (int i = 1; i <= n; ++i)
        a.lines[static_cast<std::size_t>(i)] = i;
    for (int i = 1; i < n; ++i)
        a.intervals[static_cast<std::size_t>(i)] = {i, 0};
    return a;
}

// A new line `at` among n: the interval it falls in is split, both halves from that interval.
AxisMap axisWithInsertion(int n, int at) {
    AxisMap a;
    a.lines.resize(static_cast<std::size_t>(n) + 2);
    a.intervals.resize(static_cast<std::size_t>(n) + 1);
    for (int i = 1; i <= n + 1; ++i)
        a.lines[static_cast<std::size_t>(i)] = i < at ? i : i == at ? 0 : i - 1;
    for (int i = 1; i <= n; ++i) {
        Source s;
        if (i < at - 1)
            s = {i, 0};
        else if (i > at)
            s = {i - 1, 0};
        else if (at > 1 && at <= n)
            s = {at - 1, 0}; // the two halves of the interval split by the new line
        a.intervals[static_cast<std::size_t>(i)] = s;
    }
    return a;
}

// Line `index` of n taken away: the intervals on its two sides join.
AxisMap axisWithDeletion(int n, int index) {
    AxisMap a;
    a.lines.resize(static_cast<std::size_t>(n));
    a.intervals.resize(static_cast<std::size_t>(n) - 1);
    for (int i = 1; i <= n - 1; ++i)
        a.lines[static_cast<std::size_t>(i)] = i < index ? i : i + 1;
    for (int i = 1; i <= n - 2; ++i) {
        Source s;
        if (i < index - 1)
            s = {i, 0};
        else if (i >= index)
            s = {i + 1, 0};
        else
            s = {index - 1, index}; // i == index − 1, an inner line: both sides join
        a.intervals[static_cast<std::size_t>(i)] = s;
    }
    return a;
}

Remap identityRemap(const Counts& c) {
    Remap r{identityAxis(c.nX), identityAxis(c.nY), identityAxis(c.nStoreys + 1), {}, {}};
    r.extras.resize(static_cast<std::size_t>(c.nExtra) + 1);
    for (int e = 1; e <= c.nExtra; ++e)
        r.extras[static_cast<std::size_t>(e)] = e;
    return r;
}

// The storeys follow the levels; a storey added below the base or above the top copies the
// storey next to it, as a storey inserted in between copies the one it splits.
void deriveStoreys(Remap& r) {
    r.storeys = r.z.intervals;
    const int storeys = static_cast<int>(r.storeys.size()) - 1;
    for (int k = 1; k <= storeys; ++k) {
        if (!r.storeys[static_cast<std::size_t>(k)].none())
            continue;
        const bool below = k == 1 && storeys > 1;
        const Source& neighbour = r.storeys[static_cast<std::size_t>(below ? 2 : k - 1)];
        r.storeys[static_cast<std::size_t>(k)] = {
            neighbour.second ? neighbour.second : neighbour.first, 0};
    }
}

// Marks the elements of before that found a place after, to count what goes.
class Usage {
public:
    explicit Usage(const Model& m)
        : members_(m.members.size() / member::values, 0), slabs_(m.slabs.size() / slab::values, 0),
          slots_(m.sizes().nSlots), bays_(m.sizes().bays) {}
    void member(int storey, int slot) {
        members_[static_cast<std::size_t>((storey - 1) * slots_ + slot - 1)] = 1;
    }
    void slab(int storey, int bay) {
        slabs_[static_cast<std::size_t>((storey - 1) * bays_ + bay - 1)] = 1;
    }
    bool memberUsed(int storey, int slot) const {
        return members_[static_cast<std::size_t>((storey - 1) * slots_ + slot - 1)] != 0;
    }
    bool slabUsed(int storey, int bay) const {
        return slabs_[static_cast<std::size_t>((storey - 1) * bays_ + bay - 1)] != 0;
    }

private:
    std::vector<char> members_;
    std::vector<char> slabs_;
    int slots_;
    int bays_;
};

bool isColumnSlot(const Counts& c, int slot) {
    return slot <= c.nX * c.nY || slot > 3 * c.nX * c.nY - c.nX - c.nY;
}

class Rebuild {
public:
    Rebuild(const Model& before, const Remap& remap, Model& after, StructuralEdit& edit)
        : old_(before), r_(remap), new_(after), edit_(edit), used_(before) {}

    void run() {
        const int storeys = new_.counts.nStoreys;
        for (int k = 1; k <= storeys; ++k) {
            columns(k);
            beams(k);
            slabs(k);
        }
        countRemoved();
    }

private:
    const Source& storey(int k) const { return r_.storeys[static_cast<std::size_t>(k)]; }

    void copyMember(int toStorey, int toSlot, int fromStorey, int fromSlot) {
        for (int v = 1; v <= member::values; ++v)
            new_.members(toStorey, toSlot, v) = old_.members(fromStorey, fromSlot, v);
    }

    // A column of before in one storey, or joined across a deleted level: present where it
    // rose through both storeys, with the upper one's section.
    void column(int k, int toSlot, int fromSlot) {
        const Source s = storey(k);
        if (!s.joined()) {
            copyMember(k, toSlot, s.first, fromSlot);
            if (isPresent(old_, s.first, fromSlot))
                used_.member(s.first, fromSlot);
            return;
        }
        copyMember(k, toSlot, s.second, fromSlot);
        const bool both = isPresent(old_, s.first, fromSlot) && isPresent(old_, s.second, fromSlot);
        setPresent(new_, k, toSlot, both);
        if (both) {
            used_.member(s.first, fromSlot);
            used_.member(s.second, fromSlot);
            ++edit_.merged.columns;
        }
    }

    void columns(int k) {
        const Counts& c = old_.counts;
        const Counts& nc = new_.counts;
        for (int iy = 1; iy <= nc.nY; ++iy) {
            for (int ix = 1; ix <= nc.nX; ++ix) {
                const int ox = r_.x.lines[static_cast<std::size_t>(ix)];
                const int oy = r_.y.lines[static_cast<std::size_t>(iy)];
                if (ox != 0 && oy != 0)
                    column(k, numbering::gridNode(nc, ix, iy), numbering::gridNode(c, ox, oy));
            }
        }
        for (int e = 1; e <= nc.nExtra; ++e) {
            const int oe = r_.extras[static_cast<std::size_t>(e)];
            if (oe != 0)
                column(k, numbering::columnSlot(nc, numbering::extraNode(nc, e)),
                       numbering::columnSlot(c, numbering::extraNode(c, oe)));
        }
    }

    // A beam of before, or two joined across a deleted line: present where both were, with the
    // first one's section. Beams of a joined storey are the upper storey's.
    void beam(int k, int toSlot, int fromSlot, int otherSlot) {
        const Source s = storey(k);
        const int from = s.joined() ? s.second : s.first;
        copyMember(k, toSlot, from, fromSlot);
        if (otherSlot == 0) {
            if (isPresent(old_, from, fromSlot))
                used_.member(from, fromSlot);
            return;
        }
        const bool both = isPresent(old_, from, fromSlot) && isPresent(old_, from, otherSlot);
        setPresent(new_, k, toSlot, both);
        if (both) {
            used_.member(from, fromSlot);
            used_.member(from, otherSlot);
            ++edit_.merged.beams;
        }
    }

    void beams(int k) {
        const Counts& c = old_.counts;
        const Counts& nc = new_.counts;
        for (int iy = 1; iy <= nc.nY; ++iy) {
            const int oy = r_.y.lines[static_cast<std::size_t>(iy)];
            for (int ix = 1; ix < nc.nX; ++ix) {
                const Source sx = r_.x.intervals[static_cast<std::size_t>(ix)];
                if (oy == 0 || sx.none())
                    continue;
                beam(k, numbering::beamXSlot(nc, ix, iy), numbering::beamXSlot(c, sx.first, oy),
                     sx.joined() ? numbering::beamXSlot(c, sx.second, oy) : 0);
            }
        }
        for (int iy = 1; iy < nc.nY; ++iy) {
            const Source sy = r_.y.intervals[static_cast<std::size_t>(iy)];
            for (int ix = 1; ix <= nc.nX; ++ix) {
                const int ox = r_.x.lines[static_cast<std::size_t>(ix)];
                if (ox == 0 || sy.none())
                    continue;
                const auto slot = [&](int row) {
                    return numbering::beamYSlot(c, numbering::gridNode(c, ox, row));
                };
                beam(k, numbering::beamYSlot(nc, numbering::gridNode(nc, ix, iy)), slot(sy.first),
                     sy.joined() ? slot(sy.second) : 0);
            }
        }
    }

    // The record of two slabs joined into one, with their total load (see the header).
    static Slab joinedSlab(const Slab& a, const Slab& b) {
        const double areaA = a.sideX * a.sideY;
        const double areaB = b.sideX * b.sideY;
        const double area = areaA + areaB;
        Slab s = a;
        if (!(area > 0))
            return s;
        s.permanent = (a.permanent * areaA + b.permanent * areaB) / area;
        s.variable = (a.variable * areaA + b.variable * areaB) / area;
        if (s.variable > 0)
            s.share =
                (a.share * a.variable * areaA + b.share * b.variable * areaB) / (s.variable * area);
        return s;
    }

    void slab(int k, int toBay, double sideX, double sideY, int fromBay, int otherBay) {
        const Source s = storey(k);
        const int from = s.joined() ? s.second : s.first;
        Slab record = slabAt(old_, from, fromBay);
        if (otherBay != 0) {
            const Slab other = slabAt(old_, from, otherBay);
            const bool both = record.present && other.present;
            if (both) {
                record = joinedSlab(record, other);
                used_.slab(from, fromBay);
                used_.slab(from, otherBay);
                ++edit_.merged.slabs;
            }
            record.present = both;
        } else if (record.present) {
            used_.slab(from, fromBay);
        }
        if (record.present) {
            record.sideX = sideX;
            record.sideY = sideY;
            setSlab(new_, k, toBay, record);
        } else {
            // An empty bay keeps its record as it was, flag and all.
            for (int v = 1; v <= slab::values; ++v)
                new_.slabs(k, toBay, v) = old_.slabs(from, fromBay, v);
            new_.slabs(k, toBay, slab::present) = 0;
        }
    }

    void slabs(int k) {
        const Counts& c = old_.counts;
        const Counts& nc = new_.counts;
        for (int iy = 1; iy < nc.nY; ++iy) {
            const Source sy = r_.y.intervals[static_cast<std::size_t>(iy)];
            for (int ix = 1; ix < nc.nX; ++ix) {
                const Source sx = r_.x.intervals[static_cast<std::size_t>(ix)];
                if (sx.none() || sy.none())
                    continue;
                const int other = sx.joined()   ? numbering::bay(c, sx.second, sy.first)
                                  : sy.joined() ? numbering::bay(c, sx.first, sy.second)
                                                : 0;
                slab(k, numbering::bay(nc, ix, iy), new_.coordX(ix + 1) - new_.coordX(ix),
                     new_.coordY(iy + 1) - new_.coordY(iy), numbering::bay(c, sx.first, sy.first),
                     other);
            }
        }
    }

    void countRemoved() {
        const Counts& c = old_.counts;
        const DerivedSizes sizes = old_.sizes();
        for (int k = 1; k <= c.nStoreys; ++k) {
            for (int s = 1; s <= sizes.nSlots; ++s) {
                if (!isPresent(old_, k, s) || used_.memberUsed(k, s))
                    continue;
                if (isColumnSlot(c, s))
                    ++edit_.removed.columns;
                else
                    ++edit_.removed.beams;
            }
            for (int b = 1; b <= sizes.bays; ++b) {
                if (slabAt(old_, k, b).present && !used_.slabUsed(k, b))
                    ++edit_.removed.slabs;
            }
        }
    }

    const Model& old_;
    const Remap& r_;
    Model& new_;
    StructuralEdit& edit_;
    Usage used_;
};

// The extents a grid's hand-over gives: the largest X and Y of the lines and extra nodes, the
// top level.
struct Extents {
    double x = 0;
    double y = 0;
    double z = 0;
    bool operator==(const Extents&) const = default;
};

Extents extentsOf(const Model& m) {
    const Counts& c = m.counts;
    Extents e{m.coordX(c.nX), m.coordY(c.nY), m.levelZ(c.nStoreys + 1)};
    for (int n = 1; n <= c.nExtra; ++n) {
        e.x = std::max(e.x, m.coordX(c.nX + n));
        e.y = std::max(e.y, m.coordY(c.nY + n));
    }
    return e;
}

// The drawings are fitted again only when the building's extents changed, so that a change
// inside the grid leaves the stored extents and scales as they were.
void fitDrawings(const Model& before, Model& after) {
    const Extents was = extentsOf(before);
    const Extents now = extentsOf(after);
    after.drawMax = before.drawMax;
    after.planScale = before.planScale;
    after.elevScale = before.elevScale;
    if (now == was || !(now.x > 0 && now.y > 0 && now.z > 0))
        return;
    after.drawMax(0) = static_cast<float>(now.x);
    after.drawMax(1) = static_cast<float>(now.y);
    after.drawMax(2) = static_cast<float>(now.z);
    after.planScale = std::min(11000 / after.drawMax(0), 9000 / after.drawMax(1));
    after.elevScale = 3000 / after.drawMax(2);
}

// The changed building: new counts and coordinates given, elements carried over by the remap.
StructuralEdit rebuild(const Model& before, Remap remap, const Counts& counts,
                       const std::vector<double>& xs, const std::vector<double>& ys,
                       const std::vector<double>& zs,
                       const std::vector<numbering::PlanPoint>& extras) {
    StructuralEdit edit;
    std::string error;
    std::optional<Model> after = Model::allocate(counts, &error);
    if (!after) {
        edit.refusal = Message{{"La griglia non può essere modificata:", error},
                               lineTitle,
                               MessageIcon::Exclamation,
                               MessageButtons::Ok};
        return edit;
    }
    Model& m = *after;
    for (int i = 1; i <= counts.nX; ++i)
        m.coordX(i) = xs[static_cast<std::size_t>(i)];
    for (int i = 1; i <= counts.nY; ++i)
        m.coordY(i) = ys[static_cast<std::size_t>(i)];
    for (int i = 1; i <= counts.nStoreys + 1; ++i)
        m.levelZ(i) = zs[static_cast<std::size_t>(i)];
    for (int e = 1; e <= counts.nExtra; ++e) {
        m.coordX(counts.nX + e) = extras[static_cast<std::size_t>(e)].x;
        m.coordY(counts.nY + e) = extras[static_cast<std::size_t>(e)].y;
    }
    m.settings = before.settings;
    deriveStoreys(remap);
    Rebuild(before, remap, m, edit).run();
    fitDrawings(before, m);
    edit.model = std::move(m);
    return edit;
}

// --- the coordinates of before, 1-based -----------------------------------------------------

std::vector<double> linesOf(const Model& m, GridAxis axis) {
    const Counts& c = m.counts;
    const int n = axis == GridAxis::x ? c.nX : axis == GridAxis::y ? c.nY : c.nStoreys + 1;
    const Array1<double>& from = axis == GridAxis::x   ? m.coordX
                                 : axis == GridAxis::y ? m.coordY
                                                       : m.levelZ;
    std::vector<double> values(static_cast<std::size_t>(n) + 1, 0.0);
    for (int i = 1; i <= n; ++i)
        values[static_cast<std::size_t>(i)] = from(i);
    return values;
}

std::vector<numbering::PlanPoint> extraNodesOf(const Model& m) {
    const Counts& c = m.counts;
    std::vector<numbering::PlanPoint> nodes(static_cast<std::size_t>(c.nExtra) + 1);
    for (int e = 1; e <= c.nExtra; ++e)
        nodes[static_cast<std::size_t>(e)] = {m.coordX(c.nX + e), m.coordY(c.nY + e)};
    return nodes;
}

StructuralEdit refused(std::vector<std::string> lines, const char* title) {
    StructuralEdit edit;
    edit.refusal = Message{std::move(lines), title, MessageIcon::Exclamation, MessageButtons::Ok};
    return edit;
}

const char* lineNoun(GridAxis axis) {
    return axis == GridAxis::z ? "il livello" : "la linea";
}

std::string shownMillimetres(double value) {
    const double rounded = std::round(value * 100) / 100;
    std::string text = std::to_string(rounded);
    text.erase(text.find_last_not_of('0') + 1);
    if (!text.empty() && text.back() == '.')
        text.pop_back();
    return text + " mm";
}

// A coordinate for line `at` between the lines `below` and `above` of `values` (0 when there is
// none on that side): finite, within 10 km, at least 1 mm from either neighbour.
std::optional<Message> placeRefusal(GridAxis axis, const std::vector<double>& values, int below,
                                    int above, double coordinate) {
    const auto refusal = [](std::string why) {
        return Message{{"La posizione indicata non è ammessa:", std::move(why)},
                       lineTitle,
                       MessageIcon::Exclamation,
                       MessageButtons::Ok};
    };
    if (!std::isfinite(coordinate) || std::fabs(coordinate) > farthestFromOrigin)
        return refusal("la coordinata deve essere un numero entro 10 km dall'origine");
    const std::string noun = axis == GridAxis::z ? "livello " : "linea ";
    if (below != 0 && !(coordinate - values[static_cast<std::size_t>(below)] >= smallestSpacing))
        return refusal("deve superare di almeno 1 mm " +
                       std::string(axis == GridAxis::z ? "il " : "la ") + noun +
                       std::to_string(below) + " (" +
                       shownMillimetres(values[static_cast<std::size_t>(below)]) + ")");
    if (above != 0 && !(values[static_cast<std::size_t>(above)] - coordinate >= smallestSpacing))
        return refusal("deve restare almeno 1 mm sotto " +
                       std::string(axis == GridAxis::z ? "il " : "la ") + noun +
                       std::to_string(above) + " (" +
                       shownMillimetres(values[static_cast<std::size_t>(above)]) + ")");
    return std::nullopt;
}

// An extra node that a line through `coordinate` would put on a crossing of the grid.
std::optional<Message> crossingRefusal(const Model& m, GridAxis axis, double coordinate,
                                       int skippedLine) {
    if (axis == GridAxis::z)
        return std::nullopt;
    const Counts& c = m.counts;
    const std::vector<double> across = linesOf(m, axis == GridAxis::x ? GridAxis::y : GridAxis::x);
    for (int e = 1; e <= c.nExtra; ++e) {
        const double along = axis == GridAxis::x ? m.coordX(c.nX + e) : m.coordY(c.nY + e);
        const double other = axis == GridAxis::x ? m.coordY(c.nY + e) : m.coordX(c.nX + e);
        if (along != coordinate)
            continue;
        for (std::size_t j = 1; j < across.size(); ++j) {
            if (across[j] == other && static_cast<int>(j) != skippedLine)
                return refused({"I punti nodali non devono essere coincidenti con la griglia",
                                "La linea passerebbe per il punto nodale " + std::to_string(e) +
                                    " su un incrocio della griglia"},
                               lineTitle)
                    .refusal;
        }
    }
    return std::nullopt;
}

int lineCount(const Counts& c, GridAxis axis) {
    return axis == GridAxis::x ? c.nX : axis == GridAxis::y ? c.nY : c.nStoreys + 1;
}

AxisMap& axisOf(Remap& r, GridAxis axis) {
    return axis == GridAxis::x ? r.x : axis == GridAxis::y ? r.y : r.z;
}

Counts withLines(Counts c, GridAxis axis, int lines) {
    const auto n = static_cast<std::int16_t>(lines);
    if (axis == GridAxis::x)
        c.nX = n;
    else if (axis == GridAxis::y)
        c.nY = n;
    else
        c.nStoreys = static_cast<std::int16_t>(lines - 1);
    return c;
}

StructuralEdit rebuildWithLines(const Model& m, GridAxis axis, Remap remap,
                                const std::vector<double>& lines) {
    const int n = static_cast<int>(lines.size()) - 1;
    const Counts counts = withLines(m.counts, axis, n);
    return rebuild(m, std::move(remap), counts,
                   axis == GridAxis::x ? lines : linesOf(m, GridAxis::x),
                   axis == GridAxis::y ? lines : linesOf(m, GridAxis::y),
                   axis == GridAxis::z ? lines : linesOf(m, GridAxis::z), extraNodesOf(m));
}

// An extra node at (x, y): within 10 km, off every crossing and every other extra node.
std::optional<Message> nodeRefusal(const Model& m, double x, double y, int skippedNode) {
    const auto refusal = [](std::string first, std::string second) {
        return Message{{std::move(first), std::move(second)},
                       nodeTitle,
                       MessageIcon::Exclamation,
                       MessageButtons::Ok};
    };
    if (!std::isfinite(x) || !std::isfinite(y) || std::fabs(x) > farthestFromOrigin ||
        std::fabs(y) > farthestFromOrigin)
        return refusal("Le coordinate del punto nodale non sono ammesse",
                       "Immettere numeri entro 10 km dall'origine");
    const Counts& c = m.counts;
    for (int e = 1; e <= c.nExtra; ++e) {
        if (e != skippedNode && m.coordX(c.nX + e) == x && m.coordY(c.nY + e) == y)
            return refusal("I punti nodali non devono essere coincidenti tra loro",
                           "Modificare le coordinate specificate prima di procedere");
    }
    for (int i = 1; i <= c.nX; ++i) {
        for (int j = 1; j <= c.nY; ++j) {
            if (m.coordX(i) == x && m.coordY(j) == y)
                return refusal("I punti nodali non devono essere coincidenti con la griglia",
                               "Modificare le coordinate specificate prima di procedere");
        }
    }
    return std::nullopt;
}

std::optional<Message> buildingRefusal(const Model& m) {
    if (m.hasCompleteArrays())
        return std::nullopt;
    return Message{{"La struttura non è stata ancora definita completamente",
                    "Completare le fasi di input prima di procedere"},
                   lineTitle,
                   MessageIcon::Exclamation,
                   MessageButtons::Ok};
}

std::string countWord(int n, const char* one, const char* many) {
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

} // namespace

StructuralEdit insertGridLine(const Model& m, GridAxis axis, int at, double coordinate) {
    if (std::optional<Message> incomplete = buildingRefusal(m))
        return {std::move(incomplete), {}, {}, {}};
    const int n = lineCount(m.counts, axis);
    if (at < 1 || at > n + 1)
        return refused({"Posizione della nuova linea non valida"}, lineTitle);
    if (axis == GridAxis::z && n - 1 >= limits::storeys)
        return refused({"La griglia può contenere al massimo " +
                            std::to_string(limits::storeys + 1) + " livelli (" +
                            std::to_string(limits::storeys) + " piani)",
                        "Non è possibile aggiungere altri livelli"},
                       lineTitle);
    if (axis != GridAxis::z && n >= limits::gridLines)
        return refused({"La griglia può contenere al massimo " + std::to_string(limits::gridLines) +
                            " linee in direzione " + (axis == GridAxis::x ? "X" : "Y"),
                        "Non è possibile aggiungere altre linee"},
                       lineTitle);
    std::vector<double> lines = linesOf(m, axis);
    if (std::optional<Message> misplaced =
            placeRefusal(axis, lines, at > 1 ? at - 1 : 0, at <= n ? at : 0, coordinate))
        return {std::move(misplaced), {}, {}, {}};
    if (std::optional<Message> crossing = crossingRefusal(m, axis, coordinate, 0))
        return {std::move(crossing), {}, {}, {}};
    lines.insert(lines.begin() + at, coordinate);
    Remap remap = identityRemap(m.counts);
    axisOf(remap, axis) = axisWithInsertion(n, at);
    return rebuildWithLines(m, axis, std::move(remap), lines);
}

StructuralEdit moveGridLine(const Model& m, GridAxis axis, int index, double coordinate) {
    if (std::optional<Message> incomplete = buildingRefusal(m))
        return {std::move(incomplete), {}, {}, {}};
    const int n = lineCount(m.counts, axis);
    if (index < 1 || index > n)
        return refused({"Linea da spostare non valida"}, lineTitle);
    std::vector<double> lines = linesOf(m, axis);
    if (std::optional<Message> misplaced = placeRefusal(axis, lines, index > 1 ? index - 1 : 0,
                                                        index < n ? index + 1 : 0, coordinate))
        return {std::move(misplaced), {}, {}, {}};
    // The line's own crossings move with it; an extra node there would meet them.
    if (std::optional<Message> crossing = crossingRefusal(m, axis, coordinate, 0))
        return {std::move(crossing), {}, {}, {}};
    lines[static_cast<std::size_t>(index)] = coordinate;
    return rebuildWithLines(m, axis, identityRemap(m.counts), lines);
}

StructuralEdit deleteGridLine(const Model& m, GridAxis axis, int index) {
    if (std::optional<Message> incomplete = buildingRefusal(m))
        return {std::move(incomplete), {}, {}, {}};
    const int n = lineCount(m.counts, axis);
    if (index < 1 || index > n)
        return refused({"Linea da eliminare non valida"}, lineTitle);
    if (n <= 2)
        return refused({axis == GridAxis::z
                            ? "L'edificio deve avere almeno un piano (2 livelli)"
                            : std::string("La griglia deve avere almeno 2 linee in direzione ") +
                                  (axis == GridAxis::x ? "X" : "Y"),
                        std::string("Impossibile eliminare ") + lineNoun(axis)},
                       lineTitle);
    std::vector<double> lines = linesOf(m, axis);
    lines.erase(lines.begin() + index);
    Remap remap = identityRemap(m.counts);
    axisOf(remap, axis) = axisWithDeletion(n, index);
    return rebuildWithLines(m, axis, std::move(remap), lines);
}

StructuralEdit insertExtraNode(const Model& m, double x, double y) {
    if (std::optional<Message> incomplete = buildingRefusal(m))
        return {std::move(incomplete), {}, {}, {}};
    if (m.counts.nExtra >= limits::extraNodes)
        return refused({"Si possono inserire al massimo " + std::to_string(limits::extraNodes) +
                            " punti nodali aggiuntivi",
                        "Non è possibile aggiungere altri punti nodali"},
                       nodeTitle);
    if (std::optional<Message> refusal = nodeRefusal(m, x, y, 0))
        return {std::move(refusal), {}, {}, {}};
    Remap remap = identityRemap(m.counts);
    remap.extras.push_back(0);
    std::vector<numbering::PlanPoint> nodes = extraNodesOf(m);
    nodes.push_back({x, y});
    Counts counts = m.counts;
    ++counts.nExtra;
    return rebuild(m, std::move(remap), counts, linesOf(m, GridAxis::x), linesOf(m, GridAxis::y),
                   linesOf(m, GridAxis::z), nodes);
}

StructuralEdit moveExtraNode(const Model& m, int e, double x, double y) {
    if (std::optional<Message> incomplete = buildingRefusal(m))
        return {std::move(incomplete), {}, {}, {}};
    if (e < 1 || e > m.counts.nExtra)
        return refused({"Punto nodale inesistente"}, nodeTitle);
    if (std::optional<Message> refusal = nodeRefusal(m, x, y, e))
        return {std::move(refusal), {}, {}, {}};
    std::vector<numbering::PlanPoint> nodes = extraNodesOf(m);
    nodes[static_cast<std::size_t>(e)] = {x, y};
    return rebuild(m, identityRemap(m.counts), m.counts, linesOf(m, GridAxis::x),
                   linesOf(m, GridAxis::y), linesOf(m, GridAxis::z), nodes);
}

StructuralEdit deleteExtraNode(const Model& m, int e) {
    if (std::optional<Message> incomplete = buildingRefusal(m))
        return {std::move(incomplete), {}, {}, {}};
    if (e < 1 || e > m.counts.nExtra)
        return refused({"Punto nodale inesistente"}, nodeTitle);
    Remap remap = identityRemap(m.counts);
    remap.extras.erase(remap.extras.begin() + e);
    std::vector<numbering::PlanPoint> nodes = extraNodesOf(m);
    nodes.erase(nodes.begin() + e);
    Counts counts = m.counts;
    --counts.nExtra;
    return rebuild(m, std::move(remap), counts, linesOf(m, GridAxis::x), linesOf(m, GridAxis::y),
                   linesOf(m, GridAxis::z), nodes);
}

ElementCount countElements(const Model& m) {
    ElementCount count;
    const Counts& c = m.counts;
    const DerivedSizes sizes = m.sizes();
    for (int k = 1; k <= c.nStoreys; ++k) {
        for (int s = 1; s <= sizes.nSlots; ++s) {
            if (isPresent(m, k, s))
                ++(isColumnSlot(c, s) ? count.columns : count.beams);
        }
        for (int b = 1; b <= sizes.bays; ++b) {
            if (slabAt(m, k, b).present)
                ++count.slabs;
        }
    }
    return count;
}

std::string describeCount(const ElementCount& count) {
    std::vector<std::string> parts;
    if (count.columns > 0)
        parts.push_back(countWord(count.columns, "pilastro", "pilastri"));
    if (count.beams > 0)
        parts.push_back(countWord(count.beams, "trave", "travi"));
    if (count.slabs > 0)
        parts.push_back(countWord(count.slabs, "solaio", "solai"));
    std::string text;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (i > 0)
            text += i + 1 == parts.size() ? " e " : ", ";
        text += parts[i];
    }
    return text;
}

namespace {

// "Saranno eliminati 4 pilastri", "Sarà eliminata 1 trave", "Sarà eliminato 1 solaio".
std::string willBe(const ElementCount& count, const char* oneMasculine, const char* oneFeminine,
                   const char* many) {
    const int total = count.columns + count.beams + count.slabs;
    std::string verb = many;
    if (total == 1)
        verb = count.beams == 1 ? oneFeminine : oneMasculine;
    return verb + std::string(" ") + describeCount(count);
}

} // namespace

std::optional<Message> removalQuestion(const StructuralEdit& edit) {
    if (edit.removed.empty() && edit.merged.empty())
        return std::nullopt;
    std::vector<std::string> lines;
    if (!edit.removed.empty())
        lines.push_back(
            willBe(edit.removed, "Sarà eliminato", "Sarà eliminata", "Saranno eliminati"));
    if (!edit.merged.empty())
        lines.push_back(willBe(edit.merged, "Sarà ottenuto", "Sarà ottenuta", "Saranno ottenuti") +
                        " unendo gli elementi ai due lati");
    lines.emplace_back("Continuare?");
    return Message{std::move(lines), "Avviso", MessageIcon::Exclamation, MessageButtons::YesNo};
}

} // namespace orvanta
