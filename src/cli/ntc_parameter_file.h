#pragma once

// The parameter file of `orvanta-cli analyse --ntc PARAMS.json`:
//
//   {"SLO": {"ag": 0.06, "F0": 2.5, "Tc": 0.25}, "SLD": {…}, "SLV": {…},
//    "soil": "A"…"E", "topography": "T1"…"T4", "useClass": 1…4, "ductility": "A" | "B",
//    "structure": "frame" | "walls" | "mixed", "infill": "fragile" | "ductile" | "independent",
//    optionally "alphaU", "regularInElevation" (true/false), "q", "damping" (ξ in per cent, 5
//    unless given) and "concreteClass" (Rck, N/mm², for the whole run)}
//
// An unknown key, a missing one or a value out of its range gives nothing and one line naming
// the key ("SLV.ag: Il valore di ag (SLV) deve essere …").

#include "ntc_parameters.h"

#include <optional>
#include <string>
#include <string_view>

namespace orvanta::cli {

struct NtcRun {
    NtcParameters parameters;
    std::optional<double> concreteClass; // Rck, N/mm²
};

std::optional<NtcRun> readNtcParameterFile(std::string_view text, std::string& error);

} // namespace orvanta::cli
