#pragma once

// The "ntc2018" object of `orvanta-cli analyse --ntc`: the behaviour factor, the spectra's
// corner periods, and per direction of the action ([X, Y]) the period T1, λ, Sd(T1) and the base
// shear at SLV, the storey forces and accidental eccentricities, the elastic SLV displacements
// of the four cases, μd, the largest drifts at the damage limit state with their limits, θ, and
// each ritto's SLV shear combined as §7.3.5 says. Null when nothing could be computed.

#include "json_writer.h"
#include "linear_static_analysis.h"

namespace orvanta::cli {

void writeNtc(JsonWriter& json, const LinearStaticResults& ntc);

} // namespace orvanta::cli
