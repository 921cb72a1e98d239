#pragma once

// Changing the grid of a building already entered: a grid line along X or Y, or a level, put in
// anywhere, moved or taken away; an extra node added, moved or taken away. Each function takes
// the building as it is and returns the building as it would be, with what the change would
// remove, so that the caller can ask before applying it; a change that cannot be made returns
// the reason instead.
//
// The elements follow the renumbering of nodes, slots and bays (numbering.h):
// - inserting a line between two others splits every beam and slab that crosses it; both
//   halves keep the section, the span and the loads of the whole. The new line carries no
//   column and no beam along it. A line before the first or after the last crosses nothing;
// - inserting a level splits the storey it falls in: both storeys copy it (columns, beams,
//   sections, slabs). A level below the base or above the top adds a storey that copies the
//   first or the last storey;
// - deleting a line removes the columns and the beams on it; the beams and slabs on its two
//   sides merge into one where both exist, and go where only one does;
// - deleting a level removes the floor at it: the two storeys it separated become one, which
//   keeps the upper storey's beams and slabs and the columns that rose through both (with the
//   upper storey's section). Deleting the base or the top level removes the first or the last
//   storey;
// - moving a line or a level changes its coordinate only; the sides of the slabs follow.
//
// Merging two slabs keeps their total load: with A = Lx·Ly the areas of the two records (mm²),
//     g = (g1·A1 + g2·A2) / (A1 + A2)                 N/mm²
//     q = (q1·A1 + q2·A2) / (A1 + A2)                 N/mm²
//     ψ = (ψ1·q1·A1 + ψ2·q2·A2) / (q·(A1 + A2))       (ψ1 when q = 0)
// so that (g + ψ·q)·(A1 + A2) = (g1 + ψ1·q1)·A1 + (g2 + ψ2·q2)·A2, the weight the load
// distribution hands on. Worked example: 5 kN/m² on 5000 × 4000 and 3 kN/m² on 3000 × 4000
// merge into (5·20 + 3·12) / 32 = 4.25 kN/m² on 8000 × 4000. The span is that of the first
// slab (left or below); a merged beam takes the section of the first beam.
//
// Lines and levels stay in increasing order with at least 1 mm between neighbours, within
// 10 km of the origin; at most 100 lines per direction, 99 storeys and 100 extra nodes. An extra
// node never lies on a crossing of two lines nor on another extra node.
//
// The load results (beamLoads, massCentre, gyrationRadius, storeyForce) no longer describe the
// changed building: they come back zero-filled with the new sizes, and the load distribution
// (load_distribution.h) must run again. The drawing extents and scales are fitted again as the
// grid's hand-over fits them, only when the outermost lines or the top level moved.

#include "grid_entry.h"
#include "model.h"
#include "user_interaction.h"

#include <optional>

namespace orvanta {

// Elements of a building, counted over every storey.
struct ElementCount {
    int columns = 0; // columns and walls
    int beams = 0;
    int slabs = 0;
    bool empty() const { return columns == 0 && beams == 0 && slabs == 0; }
    bool operator==(const ElementCount&) const = default;
};

struct StructuralEdit {
    std::optional<Message> refusal; // why the change cannot be made; the rest is then unset
    Model model;                    // the building after the change
    ElementCount removed;           // elements of the building before that have no place after
    ElementCount merged;            // elements after that join two of before
    bool done() const { return !refusal; }
};

// A new line along X or Y, or a new level, at `coordinate` (mm), becoming line `at`
// (1..count + 1): `at` = i puts it before line i, `at` = i + 1 after it.
StructuralEdit insertGridLine(const Model& model, GridAxis axis, int at, double coordinate);
// Line or level `index` moved to `coordinate` (mm), between its neighbours.
StructuralEdit moveGridLine(const Model& model, GridAxis axis, int index, double coordinate);
// Line or level `index` taken away; at least 2 lines per direction and 1 storey remain.
StructuralEdit deleteGridLine(const Model& model, GridAxis axis, int index);

// A new extra node at (x, y) mm, numbered after the others; it carries no column yet.
StructuralEdit insertExtraNode(const Model& model, double x, double y);
// Extra node e (1..nExtra) moved to (x, y) mm, with its columns.
StructuralEdit moveExtraNode(const Model& model, int e, double x, double y);
// Extra node e taken away with its columns; the nodes after it are numbered one less.
StructuralEdit deleteExtraNode(const Model& model, int e);

// The elements of a building, counted over every storey.
ElementCount countElements(const Model& model);

// "4 pilastri, 6 travi e 3 solai": the kinds that are not zero, singular for one; empty when
// every count is zero.
std::string describeCount(const ElementCount& count);

// The question asked before a change that removes elements: "Saranno eliminati 4 pilastri,
// 6 travi e 3 solai", what joins ("Saranno uniti 2 travi e 1 solaio ai due lati"), and
// "Continuare?"; exclamation icon, Yes and No, title "Avviso". Nothing when the change removes
// and joins nothing.
std::optional<Message> removalQuestion(const StructuralEdit& edit);

} // namespace orvanta
