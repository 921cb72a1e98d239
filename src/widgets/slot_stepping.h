#pragma once

// Stepping a number selector over slots that may be empty (a node without a column, an X beam
// that cannot start on the last X line, a storey-less ritto).

#include <functional>

namespace orvanta {

// Tells whether a slot holds something the selector may stop on.
using SlotPredicate = std::function<bool(int)>;

// The slot a selector lands on when asked to move from `current` to `requested` within
// minimum..maximum: `requested` itself when occupied, else the next occupied slot beyond it in
// the direction of travel (upwards when requested > current, downwards otherwise), else
// `current` when there is none before the end of the range. Worked example: slots 1..6 with 3
// and 6 empty; from 2 to 3 → 4; from 4 to 3 → 2; from 5 to 6 → 5.
int stepToOccupied(int current, int requested, int minimum, int maximum,
                   const SlotPredicate& occupied);

} // namespace orvanta
