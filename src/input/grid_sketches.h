#pragma once

// The two sketches of the grid editor, in twips on a black background.
//
// Plan (12000 × 10000 twips): the red axis symbol at (500, 9500); each line along X a vertical
// cyan line across the whole sketch at X = 500 + planScale·x, from y = 9500 up to 500 (from
// 8500 when x = 0, so that the Y arrow stays visible); each line along Y a horizontal line at
// Y = 9500 − planScale·y from x = 500 to 11500 (from 1500 when y = 0); each extra node a cyan
// cross of ±250 twips. They are drawn one at a time as the grid grows; a removed one is drawn
// over in black where it was drawn, even if the scale has shrunk since.
// Worked number: planScale = 0.5, the line along X at 10000 mm runs (5500, 9500)–(5500, 500).
//
// Elevation (2600 × 4000 twips): the red X–Z axis symbol at (500, 3500), and for each level a
// cyan circle of radius 50 and a tick from x = 1750 to 2250 at h = 3500 − elevScale·z, joined
// to the previous level by a vertical line at x = 2000. Worked number: elevScale = 0.3, the
// level at 3000 mm lies at h = 2600.

#include "drawing.h"
#include "grid_entry.h"

#include <span>
#include <vector>

namespace orvanta {

inline constexpr TwipsSize gridPlanExtent{12000, 10000};
inline constexpr TwipsSize gridElevationExtent{2600, 4000};
inline constexpr TwipsPoint elevationSketchOrigin{500, 3500};

inline constexpr Colour sketchAxes = Colour::fromBgr(255);       // red
inline constexpr Colour sketchLines = Colour::fromBgr(0xFFFF00); // cyan
inline constexpr Colour sketchBackground = Colour::fromBgr(0);   // black

// Where a line of the grid editor's plan is drawn.
struct SketchSegment {
    TwipsPoint from;
    TwipsPoint to;
    bool operator==(const SketchSegment&) const = default;
};

// A fresh plan sketch: black, with the axis symbol.
Drawing gridPlanSketch();

// The segment of a line along X (axis x, at abscissa `coordinate`) or along Y (axis y).
SketchSegment gridLineSegment(GridAxis axis, double coordinate, double planScale);

// The two strokes of an extra node's cross at (x, y) mm: horizontal, then vertical.
std::vector<SketchSegment> extraNodeCross(double x, double y, double planScale);

// Draws the strokes in the colour given (cyan to show, black to remove).
void drawSegments(Drawing& drawing, std::span<const SketchSegment> segments, Colour colour);

// The elevation sketch of the levels (mm), bottom to top.
Drawing gridElevationSketch(std::span<const double> levels, double elevScale);

} // namespace orvanta
