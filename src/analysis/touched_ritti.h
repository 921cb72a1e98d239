#pragma once

// The ritti whose element rows a change of one member may alter.
//
// A ritto's rows at storey j come from its own column at j and, at a grid node, from the first
// beam on each side and the length of the half-beam, which reaches along the beams to the next
// node with a column at j (ritto_elements.h). So:
//   - a column at node n, storey j: ritto n in both directions (its height may change too), and
//     on each of the four sides the nearest node with a column at j reached along unbroken
//     beams, in the direction whose beams lie on that line (neighbours along X: the ritti
//     orthogonal to Y; along Y: those orthogonal to X);
//   - a beam between positions a and a + 1 of a line: the nearest node with a column at j at
//     or before a, and at or after a + 1, reached along unbroken beams, in the direction of
//     the line.
// The walks cross only the other members of the line, which the change leaves as they were, so
// they find the same nodes before and after it. Worked case: columns at positions 1 and 3 of a
// line with beams 1–2 and 2–3 and none at 2; the beam 2–3 touches ritti 1 and 3, the column at
// 2 touches ritto 2 and ritti 1 and 3.

#include "analysis_results.h"
#include "model.h"
#include "model_change.h"

#include <vector>

namespace orvanta {

// Nodes per direction, in no particular order and possibly repeated until sorted().
struct TouchedRitti {
    std::vector<int> orthogonalToX;
    std::vector<int> orthogonalToY;

    std::vector<int>& operator[](Direction d) {
        return d == Direction::orthogonalToX ? orthogonalToX : orthogonalToY;
    }
    void clear() {
        orthogonalToX.clear();
        orthogonalToY.clear();
    }
    // Each list in increasing order without repeats.
    void sort();
};

// Adds the ritti that a change of the member at `member` may alter. A slot outside the model's
// slots adds nothing.
void addTouchedRitti(const Model& model, const MemberRef& member, TouchedRitti& touched);

} // namespace orvanta
