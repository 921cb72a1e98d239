#pragma once

// The section a column or beam takes when it is added to a building whose sections are already
// entered: by default that of the nearest element of the same kind on the same storey, so that a
// column put beside others looks like them and the model stays complete.
//
// Nearest means the smallest plan distance between the nodes (for beams between their
// midpoints, mm); of two at the same distance the one with the smaller slot. A storey without an
// element of the kind lends from the nearest storey that has one (the lower of two at the same
// distance). Worked example on a 3 × 2 grid with lines every 5000 mm along X and 4000 mm along
// Y: a new column at node 3 (10000, 0) next to columns at nodes 1 (0, 0) and 5 (5000, 4000)
// takes the section of node 5, at √(5000² + 4000²) ≈ 6403 mm against 10000 mm.

#include "element_records.h"
#include "member_placement.h"
#include "model.h"

#include <optional>
#include <string>
#include <vector>

namespace orvanta {

// When the building has no element of the kind at all.
inline constexpr ColumnSection defaultColumnSection{ColumnShape::rectangle, 300, 300, 0, 0};
inline constexpr BeamSection defaultBeamSection{BeamShape::rectangle, 300, 500, 0, 0};

// The section of the present column nearest to the node in the storey (see above); nothing when
// the building has no column.
std::optional<ColumnSection> nearestColumnSection(const Model& model, int storey, int node);
// The same for a beam starting at the node in the direction given.
std::optional<BeamSection> nearestBeamSection(const Model& model, int storey,
                                              BeamDirection direction, int start);

// The different sections of the present columns (or beams), in the order met storey by storey.
std::vector<ColumnSection> columnSectionsInUse(const Model& model);
std::vector<BeamSection> beamSectionsInUse(const Model& model);

// "Rettangolare 300 x 500", "Scatolare 600 x 600 (pareti 150 / 200)", "a T 800 x 500 (ala 150,
// anima 300)": millimetres.
std::string describeSection(const ColumnSection& section);
std::string describeSection(const BeamSection& section);

} // namespace orvanta
