#pragma once

// What the code's regularity criteria and the modes say of the building before any seismic action
// is given: the verdicts of NTC 2018 §7.2.1 with their numbers (ntc_regularity.h) and the modes
// with their participating masses (modal_basis.h), from the global matrix of "Calcola Matrici",
// the seismic masses (seismic_masses.h) and the project's modulus (concrete.h).
//
// Nothing is computed, and `problem` says why in Italian, when the global matrix does not belong
// to the model or is not positive definite, or a storey has no mass.

#include "analysis_results.h"
#include "modal_basis.h"
#include "model.h"
#include "ntc_regularity.h"
#include "seismic_masses.h"

#include <array>
#include <string>
#include <vector>

namespace orvanta {

struct ModalStudy {
    bool computed = false;
    std::vector<std::string> problem;

    double modulus = 0; // E, N/mm²
    std::vector<StoreySeismicMass> masses;
    Array2<double> flexibility; // K⁻¹ per unit E
    NtcRegularity regularity;
    ModalBasis basis;
    std::array<double, 2> fundamentalPeriod{0, 0}; // T1 along X and Y, s
};

ModalStudy modalStudy(const Model& model, const AnalysisResults& results);

} // namespace orvanta
