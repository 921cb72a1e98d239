#pragma once

// Entering the grid of a new building, one entry at a time: grid lines along X and along Y,
// levels along Z and extra nodal points off the grid; then the hand-over that fixes the grid
// and opens the element table of the geometry phase.
//
// While the grid is entered, coordX and coordY hold 200 elements and levelZ 100: the lines
// occupy elements 1, 2, … and extra node e is kept at element 100 + e of both coordX and
// coordY. The counts follow the entries: nX and nY lines, nStoreys = levels − 1 (0 below two
// levels), nExtra nodes. The first line or level lies where it is typed; each further one lies
// a positive spacing beyond the previous, so lines and levels always grow.
//
// The hand-over moves the extra nodes down behind the lines (coordX(nX + e)), trims the arrays
// to the building's sizes, sets the drawing extents to the largest X and Y of the lines and
// the extra nodes and to the top level (in mm) with the scales that fit them into the
// sketches, and allocates members.
//
// Worked example: X lines typed 0, then spacings 5000 and 5000; Y lines 0 and 4000; levels 0 and
// 3000; one extra node at (2500, 6000). While editing coordX(1..3) = 0, 5000, 10000 and
// coordX(101) = 2500. After the hand-over coordX = 0, 5000, 10000, 2500, coordY = 0, 4000, 6000,
// drawMax = 10000, 6000, 3000, planScale = min(11000/10000, 9000/6000) = 1.1 twips/mm,
// elevScale = 3000/3000 = 1 twip/mm, and members is 1 storey × 14 slots × 6 values, all zero.

#include "model.h"
#include "numbering.h"
#include "user_interaction.h"

#include <optional>

namespace orvanta {

// Lines along X (at abscissae), lines along Y (at ordinates), levels along Z.
enum class GridAxis { x, y, z };

class GridEntry {
public:
    static constexpr int maxLines = 100;      // per direction; also the most levels (99 storeys)
    static constexpr int maxExtraNodes = 100; // extra node e is kept at element 100 + e
    static constexpr int extraNodeBase = 100;

    // Planning scales of a new grid, twips per mm: the plan at 1, the elevation at 0.3. A typed
    // maximum may only make them smaller.
    static constexpr float startPlanScale = 1.0f;
    static constexpr float startElevScale = 0.3f;
    // After "Elimina Tutto" the scales start again ten times larger, so that the maxima typed
    // next fit the sketch to the new building even when it is small.
    static constexpr float clearedPlanScale = 10.0f;
    static constexpr float clearedElevScale = 3.0f;

    // Starts the grid of a new project: the model becomes empty (no lines, levels or nodes, no
    // elements, slabs or loads, zero extents) with the editing arrays, and the start scales.
    explicit GridEntry(Model& model);

    // Takes up a grid saved in the grid phase and read back from its file (see gridAsSaved):
    // the lines, levels, extra nodes, extents and plan scale as they were, in the editing
    // arrays again. The elevation scale, which the file does not keep, is the start one made to
    // fit the typed Z max.
    static GridEntry resumed(Model& saved);

    // Lines along X or Y, or levels.
    int count(GridAxis axis) const;
    int extraNodes() const { return model_.counts.nExtra; }
    // Coordinate of line or level i (1..count), mm.
    double coordinate(GridAxis axis, int i) const;
    // Position of extra node e (1..extraNodes()), mm.
    numbering::PlanPoint extraNode(int e) const;

    // Adds the next line or level: the first at the typed coordinate (any value), each further
    // one at the previous plus the typed spacing, which must be positive. Returns the refusal,
    // or nothing when the line was added.
    std::optional<Message> add(GridAxis axis, double typed);
    // Removes the last line or level; the refusal when there is none.
    std::optional<Message> removeLast(GridAxis axis);
    // Adds an extra node at (x, y) mm; refused on another extra node, on a crossing of two grid
    // lines, or beyond the last one allowed.
    std::optional<Message> addExtraNode(double x, double y);
    std::optional<Message> removeLastExtraNode();

    // A maximum typed for the drawings, metres: X and Y offer the plan scale 11000/(1000·X max)
    // and 9000/(1000·Y max), Z the elevation scale 3000/(1000·Z max), each taken only when it is
    // smaller. A maximum that is not positive counts as 0 and changes no scale.
    void setMaximum(GridAxis axis, double metres);
    // Whether all three maxima are positive: the grid can then be entered.
    bool maximaGiven() const;

    // "Elimina Tutto": every line, level, node and maximum goes; the editing arrays start afresh
    // with the cleared scales.
    void clear();

    // Why the grid cannot be handed over yet: fewer than 2 lines along X or Y or fewer than 2
    // levels, or a last line or top level not beyond 0 (the scales divide by it). Nothing when
    // it can.
    std::optional<Message> handOverRefusal() const;
    // Fixes the grid (see above). Only for a grid without refusal.
    void handOver();

private:
    struct Resuming {};
    GridEntry(Model& model, Resuming);
    void countLevels(int levels);
    template <class Entry> static auto& counterOf(Entry& entry, GridAxis axis);
    template <class Entry> static auto& coordinatesOf(Entry& entry, GridAxis axis);
    std::optional<Message> lineRefusal(GridAxis axis, double coordinate) const;
    void startEditingArrays();

    Model& model_;
    std::int16_t levels_ = 0;
};

// The grid being entered as its project file holds it: the extra nodes moved behind the lines
// and the arrays trimmed as the hand-over does (a grid without levels keeps one level at 0), the
// typed extents and the scales unchanged, no element, slab or load, and the settings saying
// "input.fase=Griglia" with the number of levels. Example: X lines 0 and 5000 with one extra
// node at (2500, 700) give coordX = 0, 5000, 2500.
Model gridAsSaved(const Model& editing);

} // namespace orvanta
