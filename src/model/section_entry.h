#pragma once

// One section given to every column or wall, or to every beam of a direction, that exists in a
// storey: the bulk entry of the sections editor. Beams are named by their direction and first
// node as in member_placement.h.

#include "element_records.h"
#include "member_placement.h"
#include "model.h"

namespace orvanta {

// Write the section on every column or wall present in the storey (grid and extra nodes), or on
// every beam of the direction present there; other slots are left alone. Return how many
// elements received it.
int applyColumnSectionToStorey(Model& model, int storey, const ColumnSection& section);
int applyBeamSectionToStorey(Model& model, int storey, BeamDirection direction,
                             const BeamSection& section);

} // namespace orvanta
