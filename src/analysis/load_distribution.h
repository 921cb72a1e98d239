#pragma once

// Distribution of the slab loads to beams and columns, and the storey quantities derived from
// it: storey load, centre of mass, share of the triangular storey forces, radius of gyration.
//
// Each slab of bay b in storey s carries W = (g + ψ·q)·Lx·Ly newtons (N/mm² × mm²). Half of W
// goes to each of the two beams that support its span (the beams along X on its lower and upper
// edges for a slab spanning along Y, the beams along Y on its left and right edges for one
// spanning along X), a quarter to each of the two end columns of each of those beams, in storey
// s and every storey below. A missing beam or column is replaced by the next present one
// further out on the same line. Worked example: a 5000 × 4000 mm bay with g = 0.001 N/mm² gives
// W = 20000 N, 10000 N to each beam and 5000 N to each corner column.
//
// From the column loads, with ΔN_n the load entering at node n in storey s and W_s their sum:
//   centre of mass       xG = Σ ΔN_n·x_n / W_s,  yG = Σ ΔN_n·y_n / W_s
//   storey force share   F_s = h_s·W_s / Σ h_k·W_k, with h the height above the base level
//   radius of gyration   ρ_s = √( Σ ΔN_n·((x_n − xG)² + (y_n − yG)²) / W_s )

#include "model.h"
#include "user_interaction.h"

namespace orvanta {

// Distributes the loads of model.slabs and replaces model.beamLoads, massCentre, storeyForce and
// gyrationRadius with the results. Asks before going on past a storey without load (its centre
// of mass, force share and radius of gyration then take the substitute values 0, 0 and 1).
// Returns false, with the model's load results untouched, when the user answers No or when a
// slab finds no beam or column to rest on (after saying so).
bool distributeLoads(Model& model, Asker& asker);

} // namespace orvanta
