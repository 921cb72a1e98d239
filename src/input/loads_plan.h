#pragma once

// The plan of the loads editor: the storey's plan with the node numbers, then every bay of the
// storey that carries a slab marked in magenta, and the bay being edited outlined in yellow.
//
// A slab mark is the bay's rectangle drawn 300 mm inside its grid lines (a quarter of the side
// on bays narrower than 1200 mm, so the mark never turns inside out), with a double-headed arrow
// through its middle along the span. Worked number: planScale = 1, the bay (0, 0)–(5000, 4000)
// mm spanning along Y has its mark from (800, 9200) to (5200, 5800) twips and its arrow from
// (3000, 9200) to (3000, 5800).

#include "drawing.h"
#include "model.h"

namespace orvanta {

inline constexpr Colour slabColour = Colour::fromBgr(0xFF00FF);      // magenta
inline constexpr Colour currentBayColour = Colour::rgb(255, 255, 0); // yellow
inline constexpr double slabInset = 300;                             // mm

// Draws the plan of the storey with its slab marks; `currentNode` is the lower-left node of the
// bay being edited (0 for none). The extent grows to hold an extra node in front of the first
// grid line.
void drawLoadsPlan(Drawing& drawing, const Model& model, int storey, int currentNode);

} // namespace orvanta
