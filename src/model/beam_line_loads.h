#pragma once

// The line loads that infills and cladding put on the beams, one per beam, kept in the project's
// settings under "carico_trave.<storey>.<slot>" in kN/m (numerically N/mm). A beam without a
// setting carries none, so a project that never had line loads writes no key for them.

#include "model.h"

#include <string>
#include <vector>

namespace orvanta {

std::string beamLineLoadKey(int storey, int slot);

// The line load on the beam of a storey's slot, kN/m; 0 when none was set.
double beamLineLoad(const Model& model, int storey, int slot);

// Sets the line load of one beam; 0 removes the setting.
void setBeamLineLoad(Model& model, int storey, int slot, double kiloNewtonPerMetre);

// The present beams of a storey that lie on the grid's outline (the first and last lines along X
// and along Y).
std::vector<int> perimeterBeams(const Model& model, int storey);

// Sets the line load of every perimeter beam of a storey.
void setPerimeterLineLoad(Model& model, int storey, double kiloNewtonPerMetre);

} // namespace orvanta
