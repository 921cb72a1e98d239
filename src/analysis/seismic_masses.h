#pragma once

// The seismic mass of each storey: its weight W_s, its centre of mass G*_s and the radius of
// gyration ls of the floor's mass about G*_s, ls² = Ip/m (EC8 §4.2.3.2, NTC 2018 §7.4.3.1).
//
// Units: W in N, coordinates and ls in mm. The mass is W/g with g = 9810 mm/s² (N·s²/mm).

#include "model.h"
#include "vibration_modes.h"

#include <vector>

namespace orvanta {

struct StoreySeismicMass {
    double weight = 0;         // W_s, N
    double centreX = 0;        // x*_s, mm
    double centreY = 0;        // y*_s, mm
    double gyrationRadius = 0; // ls_s = √(Ip/m) about (x*_s, y*_s), mm

    double mass() const { return weight / gravity; } // N·s²/mm
    bool operator==(const StoreySeismicMass&) const = default;
};

// One entry per storey, index 0 = storey 1. On a model whose loads were never distributed every
// weight is 0.
std::vector<StoreySeismicMass> seismicMasses(const Model& model);

} // namespace orvanta
