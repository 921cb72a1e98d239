#pragma once

// The "seismic" object of `orvanta-cli analyse --seismic`: per storey the masses, centres of
// rigidity, stiffnesses, torsional radii, eccentricities and checks, the verdict, and per mode
// (longest period first) the period, the mass ratios and the rotational share. The whole object
// is null when nothing could be computed; the three keys of the modes are null without modes.

#include "json_writer.h"
#include "seismic_results.h"

namespace orvanta::cli {

void writeSeismic(JsonWriter& json, const SeismicResults& seismic);

} // namespace orvanta::cli
