#pragma once

// Torsional regularity of every storey and the vibration modes of the building, from the global
// matrix that "Calcola Matrici" assembles, as one SeismicResults (seismic_results.h).
//
// F = K⁻¹ comes from a Cholesky factorisation of K (symmetric_algebra.h); the centres of
// rigidity, storey stiffnesses, torsional radii and checks from F (torsional_regularity.h); the
// modes from E·K·ϕ = ω²·M·ϕ with the floors' seismic masses (seismic_masses.h, vibration_modes.h).
// Units: K per unit E in mm, lengths in mm, masses in N·s²/mm, E and Rck in N/mm², periods in s.
//
// What cannot be computed is said once through the asker, and the result keeps the same lines:
//   - a global matrix of other sizes than the model's storeys, or one that is not positive
//     definite (a floor held by a mechanism, a storey without radius of gyration): nothing is
//     computed ("Regolarità Torsionale", critical icon);
//   - a storey without mass or without rotational inertia, a concrete class that is not a
//     positive number, a cracked factor outside 0.5 … 1.0, or modes that do not converge: the
//     regularity is computed, the modes are not ("Modi di Vibrare", exclamation).

#include "model.h"
#include "seismic_results.h"
#include "user_interaction.h"

namespace orvanta {

// What to compute: the modes cost most of the time on a tall building (an eigenproblem of
// 3·nStoreys freedoms), the regularity only a Cholesky factorisation.
enum class SeismicParts {
    regularityAndModes,
    regularityOnly, // status WithoutModes, no problem stated, no modes
};

// concreteClass is Rck in N/mm²; E is its Ecm times the project's cracked factor.
SeismicResults computeSeismicResponse(const Model& model, const Array2<double>& globalStiffness,
                                      double concreteClass, Asker& asker,
                                      SeismicParts parts = SeismicParts::regularityAndModes);
// The same with the project's own class (projectConcreteClass).
SeismicResults computeSeismicResponse(const Model& model, const Array2<double>& globalStiffness,
                                      Asker& asker,
                                      SeismicParts parts = SeismicParts::regularityAndModes);

} // namespace orvanta
