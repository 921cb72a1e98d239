#pragma once

// Deformed shape of the building under the storey forces.
//
// The translational blocks Kxx and Kyy of the global matrix are inverted (unpivoted Gauss–Jordan)
// into the flexibilities, and the displacements are u = Kxx⁻¹·F and v = Kyy⁻¹·F with F the storey
// force shares. Both shapes are then scaled by one factor so that the larger top displacement is
// 2000 drawing units: with a single storey of Kxx = 4 and Kyy = 2 and F = 1, u = 0.25 and v = 0.5
// become 1000 and 2000. A top displacement of 0 leaves the shape unscaled.

#include "analysis_results.h"
#include "model.h"
#include "user_interaction.h"

namespace orvanta {

// Reallocates and fills the flexibility of both directions and deformedShape (1..2, 0..nStoreys;
// column 0, the base, stays 0). A zero pivot in either inversion is reported ("Errore di Inversione
// della Matrice", critical icon) and ends the computation with the shape still zero.
void computeDeformedShape(const Model& model, AnalysisResults& results, Asker& asker);

// Inverts a square matrix in place by Gauss–Jordan elimination on the diagonal, without
// exchanges. Returns false, leaving the matrix part-way, on a zero pivot.
bool invertInPlace(Array2<double>& a);

} // namespace orvanta
