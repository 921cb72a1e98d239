#pragma once

// Element tables of the ritti: for every plan node and each direction, the bars of the ritto that
// stands there (its columns storey by storey and, at each floor, the half-beams that frame into
// it) with their length, area, inertia and shear parameter.
//
// Rows of ritto i with m = ritStoreys(i): 1..m the columns of storeys 1..m (an empty row for a
// storey without column), m+1..2m the half-beams on the lower side of floors 1..m, 2m+1..3m those
// on the upper side; every further row up to 3·nStoreys is zero. Properties: 1 present (1 or 0),
// 2 length L (mm), 3 area A (mm²), 4 inertia I (mm⁴), 5 shear parameter p.
//
// A half-beam reaches from the node to mid-span of the beam line towards the next node on that
// side with a column at that storey, following the beams: the search steps on only while the beam
// to the next node exists. Columns at x = 0 and x = 8000 with beams 0–4000 and 4000–8000 and no
// column at 4000 give each end a half-beam of L = 4000. A beam line that ends, or breaks, before a
// column is reached is a cantilever: it gives the ritto no lateral restraint and adds no bar.

#include "analysis_results.h"
#include "model.h"
#include "user_interaction.h"

namespace orvanta {

// Element table row properties.
namespace bar {
inline constexpr int present = 1;
inline constexpr int length = 2;
inline constexpr int area = 3;
inline constexpr int inertia = 4;
inline constexpr int shear = 5;
inline constexpr int values = 5;
} // namespace bar

// Builds the element tables of both sets of ritti and ritStoreys from the model. Every other
// result is released first, so nothing of an earlier analysis survives; each later stage
// allocates what it fills. A half-beam of zero length is reported ("Attenzione", critical icon)
// and left out of the ritto; the result is then false.
bool buildRitElements(const Model& model, AnalysisResults& results, Asker& asker);

// Writes again the rows of the ritti of one node in both tables and its ritStoreys, exactly as
// buildRitElements writes them, on tables already built for a model of the same sizes. Shows no
// message: returns the number of half-beams of zero length left out (0 when all is well).
int rebuildRittoElements(const Model& model, AnalysisResults& results, int node);

} // namespace orvanta
