#pragma once

// Buildings generated in code for the engine's comparisons and benchmarks.

#include "model.h"

#include <cstdint>

namespace orvanta::testing {

// A regular frame of nX × nY grid lines (spacings 5000 and 6000 mm) and the given storeys
// (3200 mm) as an engineer would enter it: every column and beam present, columns shrinking with
// height (600 × 600, 500 × 500, 400 × 400), a hollow-box core at the four middle nodes, T beams
// on the outer lines and 300 × 600 beams inside, slabs of 5 kN/m² permanent and 2 kN/m² variable
// (30 %) on every bay, alternating their span; its loads are distributed.
Model regularBuilding(std::int16_t nX, std::int16_t nY, std::int16_t storeys);

// A random building of up to 6 × 6 lines, 15 storeys and 3 extra nodes, drawn from the seed:
// setbacks (ritti stopping below the top), missing columns at intermediate storeys, missing
// beams, box and T sections, extra nodes, a base level other than 0, and centres of mass and
// radii of gyration that differ from storey to storey.
Model randomBuilding(std::uint32_t seed);

} // namespace orvanta::testing
