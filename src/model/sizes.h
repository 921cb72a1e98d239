#pragma once

// The four counts that describe a building and the sizes derived from them.
//
// Counts and every size derived from them are signed 16-bit integers: a building whose sizes
// leave -32768..32767 cannot be represented and is refused, never wrapped around. The check
// follows the order in which the sizes are computed, so 3·nX·nY must fit before nX and nY are
// subtracted from it. Example: nX = nY = 100, nStoreys = 99, nExtra = 100 gives 10000 grid nodes,
// 29900 slots per storey and 297 element rows per ritto, all within range; nX = nY = 200 does not
// (3·nX·nY = 120000).

#include <cstdint>
#include <optional>
#include <string>

namespace orvanta {

struct Counts {
    std::int16_t nX = 0;       // grid lines along X
    std::int16_t nY = 0;       // grid lines along Y
    std::int16_t nStoreys = 0; // storeys
    std::int16_t nExtra = 0;   // extra nodal points off the grid

    bool operator==(const Counts&) const = default;
};

struct DerivedSizes {
    int gridNodes = 0; // nX·nY
    int nodes = 0;     // nX·nY + nExtra: plan nodes, one pair of ritti each
    int loadSlots = 0; // 3·nX·nY − nX − nY: element slots of one storey without extra nodes
    int nSlots = 0;    // loadSlots + nExtra: element slots of one storey
    int bays = 0;      // (nX − 1)·(nY − 1)
    int levels = 0;    // nStoreys + 1
    int ritRows = 0;   // 3·nStoreys: element rows of one ritto
    int xValues = 0;   // nX + nExtra: length of coordX
    int yValues = 0;   // nY + nExtra: length of coordY
};

struct SizeCheck {
    std::optional<DerivedSizes> sizes; // set when every size fits
    std::string error;                 // Italian reason when it does not
};

// Derives the sizes of a building from its counts with 16-bit overflow checking. Refuses counts
// that describe no building: fewer than two grid lines in a direction, no storey, or a negative
// number of extra nodes.
SizeCheck deriveSizes(const Counts& counts);

// The largest building the editors can enter: their editing arrays hold 100 grid lines per
// direction, 100 levels (99 storeys) and 100 extra nodes. A project file beyond these counts
// cannot come from the program; at 10 922 storeys it would ask for tens of gigabytes.
namespace limits {
inline constexpr int gridLines = 100;
inline constexpr int storeys = 99;
inline constexpr int extraNodes = 100;
} // namespace limits

inline constexpr Counts largestCounts{limits::gridLines, limits::gridLines, limits::storeys,
                                      limits::extraNodes};

// The Italian reason why counts go beyond what the editors can make, or empty when they do not.
std::string beyondEditorLimits(const Counts& counts);

// The 16-bit arithmetic of counts and indices: the result, or nothing when it leaves the range.
std::optional<std::int16_t> checkedInt16(long long value);

} // namespace orvanta
