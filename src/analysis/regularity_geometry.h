#pragma once

// The criteria of regularity of NTC 2018 §7.2.1 that follow from the geometry and the masses
// alone, with no analysis. Each storey's figures are kept so that the windows, the report and the
// batch tool show the numbers behind each verdict. Lengths in mm, areas in mm², weights in N.
//
// In elevation:
//   (e) masses: |W_{s+1} − W_s| ≤ 0.25·W_s for every pair of adjacent storeys, W_s the seismic
//       weight of seismic_masses.h. Worked number: W = 1000, 1250 kN passes (+0.25), 1000,
//       1251 kN does not.
//   (g) setbacks: E_s the extent, along X and along Y, of the nodes (grid and extra) with a column
//       in storey s; E_{s−1} − E_s ≤ 0.10·E_{s−1} and E_1 − E_s ≤ 0.30·E_1, the top storey exempt
//       when there are at least 4 storeys. Worked number: E = 20 m, 18 m passes (0.10), 20 m,
//       17.9 m does not.
// In plan:
//   (b) the rectangle enclosing the nodes with a column in the storey has sides in a ratio below
//       4: 20 × 5 m fails (4.0), 20 × 5.01 m passes.
//   (a) A the storey's slab area (the bays with a slab), H the area of its convex hull:
//       H − A ≤ 0.05·A. Worked number: an L of three 5 × 5 m bays has A = 75 m², H = 87.5 m²,
//       (H − A)/A = 0.167: it fails.

#include "model.h"

#include <array>
#include <optional>
#include <vector>

namespace orvanta {

inline constexpr double massVariationLimit = 0.25;
inline constexpr double setbackStepLimit = 0.10;
inline constexpr double setbackFromFirstLimit = 0.30;
inline constexpr double aspectRatioLimit = 4.0;
inline constexpr double hullExcessLimit = 0.05;

// Index of the plan axes in the pairs below.
inline constexpr int axisX = 0;
inline constexpr int axisY = 1;

// The rectangle enclosing the nodes with a column in one storey, mm.
struct ColumnExtent {
    bool any = false; // some node has a column
    double minX = 0, maxX = 0, minY = 0, maxY = 0;

    double along(int axis) const { return axis == axisX ? maxX - minX : maxY - minY; }
};

ColumnExtent columnExtent(const Model& model, int storey);

struct ElevationGeometry {
    // (W_{s+1} − W_s)/W_s for s = 1..n − 1 (index 0 = storeys 1 and 2), signed; nothing where
    // W_s is not positive (the variation cannot be judged and fails).
    std::vector<std::optional<double>> massVariation;
    // Per axis, per storey (index 0 = storey 1): (E_{s−1} − E_s)/E_{s−1}, 0 for storey 1 and
    // where E_{s−1} is 0; (E_1 − E_s)/E_1 likewise.
    std::array<std::vector<double>, 2> setback;
    std::array<std::vector<double>, 2> setbackFromFirst;
    // Storeys whose setback is not limited: the top one of a building of 4 storeys or more.
    std::vector<bool> setbackExempt;

    bool massPasses(std::size_t pair) const;
    bool setbackPasses(int axis, std::size_t storey) const;
    bool massRegular() const;
    bool setbacksRegular() const;
};

struct PlanGeometry {
    // Per storey: the longer over the shorter side of the columns' rectangle; nothing when a side
    // is 0 (the columns stand on one line: not a plan, and it fails).
    std::vector<std::optional<double>> aspectRatio;
    // Per storey: (H − A)/A; nothing when the storey has no slab (it fails).
    std::vector<std::optional<double>> hullExcess;
    std::vector<double> slabArea; // A, mm²
    std::vector<double> hullArea; // H, mm²

    bool aspectPasses(std::size_t storey) const;
    bool hullPasses(std::size_t storey) const;
    bool regular() const;
};

// From the storey weights W_s (N, index 0 = storey 1).
ElevationGeometry elevationGeometry(const Model& model, const std::vector<double>& weights);
PlanGeometry planGeometry(const Model& model);

// The area of the convex hull of a set of plan points (x, y), mm²; 0 for fewer than 3 points.
double convexHullArea(std::vector<std::array<double, 2>> points);

} // namespace orvanta
