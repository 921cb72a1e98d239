#pragma once

// The "regularity" object of the code's checks in `orvanta-cli analyse --ntc`: the verdicts in
// elevation and in plan by NTC 2018 §7.2.1 and the figures behind them,
//   "elevation", "plan": bool;
//   "massVariation": [(W_{s+1} − W_s)/W_s per pair of storeys, signed];
//   "stiffnessRatio": [[k_{s+1}/k_s along X per pair], [along Y]];
//   "wallShare": [X, Y], the walls' share of the base shear, 0..1;
//   "setback": [[(E_{s−1} − E_s)/E_{s−1} along X per storey, 0 for storey 1], [along Y]];
//   "aspectRatio": [per storey]; "hullExcess": [(H − A)/A per storey];
// a figure that cannot be judged (a storey without weight or slab) is null.

#include "json_writer.h"
#include "modal_basis.h"
#include "ntc_modal_analysis.h"
#include "ntc_regularity.h"

namespace orvanta::cli {

void writeRegularity(JsonWriter& json, const NtcRegularity& regularity);

// [[X, Y] per mode] of the participating mass ratios, longest period first.
void writeParticipatingMasses(JsonWriter& json, const ModalBasis& basis);

// The keys "regularity", "governingMethod" ("lateral forces" | "modal") and "modal" of the
// "ntc2018" object, written into the object open in `json`. "modal" has the shapes of the static
// keys: "participatingMass", "displacementsSLV" {"X+"|"X-"|"Y+"|"Y-": [[u], [v], [θ]]} (mm, mm,
// rad; the cases of one axis are equal, the torques being added in absolute value), "drift"
// {case: [largest drift of any ritto per storey]} at SLD or SLO, "storeyShearSLV" [[X], [Y]],
// "theta" [[X], [Y]], "rittoShearSLV" {"orthogonalToX"|"orthogonalToY": [[per storey] per node]}.
void writeModalKeys(JsonWriter& json, const NtcAnalysis& analysis);

} // namespace orvanta::cli
