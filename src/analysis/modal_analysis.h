#pragma once

// The modal response-spectrum analysis of the building for the checks of NTC 2018: both directions
// at SLV (design spectrum) for the displacements, storey shears, θ and the ritti's shears, and at
// the limit state of the drift check (SLD or SLO, elastic spectrum) for the drifts.
//
// Each direction's response is combined over the modes by CQC with the accidental torques added
// in absolute value (modal_response.h); so the cases "X+" and "X−" are equal. Then, as for the
// lateral forces:
//   - the ritti's SLV shears are combined over the directions (§7.3.5):
//     max(|V(X)| + 0.3·|V(Y)|, 0.3·|V(X)| + |V(Y)|);
//   - the drift of each storey is the largest |δ_s − δ_{s−1}| of every ritto present there;
//   - θ_s = P_s·dEr_s/(V_s·h_s) (§7.3.1) with P_s = Σ_{k ≥ s} W_k (N), dEr_s = μd·dEe_s the design
//     drift of G*_s along the action (mm), V_s the SLV storey shear (N), h_s the storey height
//     (mm).
// Worked number: P = 2000 kN, dEe = 4 mm, μd = 3, V = 300 kN, h = 3000 mm: θ = 2000·12/(300·3000)
// = 0.0267.

#include "modal_response.h"

#include <array>
#include <vector>

namespace orvanta {

inline constexpr double directionCombination = 0.3;

// What the seismic action gives the modal analysis, per axis where paired (axisX, axisY).
struct ModalActionInput {
    Spectrum design;                                // Sd of SLV, g
    Spectrum drift;                                 // Se of the drift check's limit state, g
    std::array<std::vector<double>, 2> torqueSLV;   // F_s·e_s of the lateral forces at SLV, N·mm
    std::array<std::vector<double>, 2> torqueDrift; // likewise at the drift check's limit state
    std::array<double, 2> ductility{1, 1};          // μd
};

// The ritto that governs a storey's drift.
struct GoverningDrift {
    double drift = 0;                         // mm
    Direction set = Direction::orthogonalToX; // its set of ritti
    int node = 0;                             // its node (ritto index), 0 = none
};

struct ModalAnalysis {
    ModalBasis basis;
    std::array<ModalDirectionResponse, 2> slv;   // per axis
    std::array<ModalDirectionResponse, 2> drift; // per axis, at SLD or SLO
    // Per axis, per storey: the largest drift of any ritto (of either set) and who has it.
    std::array<std::vector<GoverningDrift>, 2> largestDrift;
    std::array<std::vector<double>, 2> theta; // per axis, per storey
    // Per set (rittiIndex), per ritto, per storey: the SLV shear combined over the directions, N.
    std::array<std::vector<std::vector<double>>, 2> rittoShear;
};

ModalAnalysis modalAnalysis(const ResponseMap& map, const Array2<double>& flexibility,
                            ModalBasis basis, const ModalActionInput& action);

// θ_s of one direction from the storeys' weights (N), the design drifts of G* (mm), the storey
// shears (N) and the model's storey heights.
std::vector<double> secondOrderCoefficients(const Model& model, const std::vector<double>& weights,
                                            const std::vector<double>& designDrift,
                                            const std::vector<double>& shear);

} // namespace orvanta
