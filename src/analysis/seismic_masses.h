#pragma once

// The seismic mass of each storey: its weight W_s, its centre of mass G*_s and the radius of
// gyration ls of the floor's mass about G*_s, ls² = Ip/m (EC8 §4.2.3.2, NTC 2018 §7.4.3.1).
//
// Units: W in N, coordinates and ls in mm. The mass is W/g with g = 9810 mm/s² (N·s²/mm).
//
// The floor at the top of storey s carries, each piece with its own weight w, centre and own
// polar moment about that centre (w/g·r0²):
//   slabs    (g + ψ·q)·Lx·Ly on each slab of storey s, a uniform rectangle of the record's sides
//            centred on its bay:                         r0² = (Lx² + Ly²)/12
//   beams    γ·A·L for each beam of storey s, A as the stiffness computation takes it and L from
//            node to node, a uniform bar on its axis:    r0² = L²/12
//   columns  γ·A·h/2 for each column or wall of storey s (below the floor) and of storey s + 1
//            (above it), h that storey's height, a point at its node: r0² = 0
//   lines    p·L for the line load p (infills, cladding) of each beam of storey s, on the beam's
//            axis as the beam:                           r0² = L²/12
// with γ the concrete's unit weight (25 kN/m³ = 2.5·10⁻⁵ N/mm³ unless the project sets one).
// Then W = Σ w, G* = Σ w·(x, y)/W, Ip = Σ w/g·(r0² + d²) with d the distance of the piece's
// centre from G*, and ls = √(Ip/m) = √(Σ w·(r0² + d²)/W).
//
// Worked number: one storey 3000 mm high on a 6000 × 4000 mm bay, slab 5 kN/m² (120 000 N), four
// 300 × 300 columns (half of each below: 2.5·10⁻⁵·90 000·1500 = 3375 N each) and no beams:
// W = 133 500 N, G* in the middle, Σ w·(r0² + d²) = 120 000·(6000² + 4000²)/12
// + 4·3375·(3000² + 2000²) = 6.955·10¹¹, ls = √(6.955·10¹¹/133 500) = 2282.5 mm.

#include "model.h"

#include <vector>

namespace orvanta {

inline constexpr double gravity = 9810; // g, mm/s²

inline constexpr double defaultUnitWeight = 25; // γ of reinforced concrete, kN/m³

// The project's γ (settingKey::unitWeight), kN/m³, or the default.
double projectUnitWeight(const Model& model);

struct StoreySeismicMass {
    double weight = 0;         // W_s, N
    double centreX = 0;        // x*_s, mm
    double centreY = 0;        // y*_s, mm
    double gyrationRadius = 0; // ls_s = √(Ip/m) about (x*_s, y*_s), mm
    double polarMoment = 0;    // Ip about (x*_s, y*_s), N·s²·mm
    // The parts of W_s, N: slabs; beams, columns and walls; line loads on the beams.
    double slabWeight = 0;
    double structureWeight = 0;
    double lineLoadWeight = 0;

    double mass() const { return weight / gravity; } // N·s²/mm
    bool operator==(const StoreySeismicMass&) const = default;
};

// One entry per storey, index 0 = storey 1, from the model's records and settings. A storey that
// carries nothing has weight 0, its centre at (0, 0) and ls 0.
std::vector<StoreySeismicMass> seismicMasses(const Model& model);

} // namespace orvanta
