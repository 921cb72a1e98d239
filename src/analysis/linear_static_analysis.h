#pragma once

// The static analysis with lateral forces of NTC 2018 §7.3.3.2, put together from its pieces:
// the spectra of the three limit states (response_spectrum.h), the behaviour factor
// (behaviour_factor.h), the storey forces with the accidental eccentricity (lateral_forces.h),
// the floors' and the ritti's response to each of the four cases X+, X−, Y+, Y−
// (ritto_response.h), the drift check and the second-order coefficient (drift_checks.h).
//
// Every figure is kept as computed so that a window, the report and the batch tool show the same
// numbers. Units: forces N, lengths and displacements mm, rotations rad, periods s, spectra g.

#include "analysis_results.h"
#include "behaviour_factor.h"
#include "drift_checks.h"
#include "lateral_forces.h"
#include "model.h"
#include "ntc_parameters.h"
#include "response_spectrum.h"
#include "ritto_response.h"
#include "seismic_masses.h"
#include "seismic_results.h"

#include <array>
#include <string>
#include <vector>

namespace orvanta {

// The action along one axis.
struct AxisAction {
    int mode = 0;                             // the mode of T1 (1-based, longest period first)
    double period = 0;                        // T1, s
    std::array<double, 3> lambda{};           // λ by limitIndex
    std::array<double, 3> spectralOrdinate{}; // Se(T1) at SLO, SLD; Sd(T1) at SLV; g
    std::array<double, 3> baseShear{};        // Fh, N
    Array1<double> distribution;              // z_s·W_s/Σ z·W
    Array1<double> eccentricity;              // e_s, mm
    Array1<double> forcesSLV;                 // F_s at SLV, N
    Array1<double> shearsSLV;                 // V_s at SLV, N
    double ductilityDemand = 0;               // μd
    // Design drift of the vertical through G*_s (μd·dEe, the larger of the two signs), mm.
    Array1<double> designDrift;
    Array1<double> theta;       // θ_s
    bool methodApplies = false; // T1 ≤ 2.5·TC and T1 ≤ TD at SLV

    Array1<double> storeyForces(LimitState state) const; // F_s, N
    bool operator==(const AxisAction&) const = default;
};

// The drift check of one storey: the largest drift over the ritti present there and the cases.
struct StoreyDrift {
    double drift = 0; // mm, elastic at the damage limit state
    double limit = 0; // mm
    Direction set = Direction::orthogonalToY;
    int ritto = 0;
    ActionCase action{};
    bool passes() const { return drift <= limit; }
    bool operator==(const StoreyDrift&) const = default;
};

struct LinearStaticResults {
    bool computed = false;
    std::vector<std::string> problem; // why nothing was computed

    NtcParameters parameters;
    double youngModulus = 0;                // E, N/mm²
    double totalWeight = 0;                 // W, N
    std::array<SpectrumShape, 3> spectra{}; // by limitIndex
    BehaviourFactor behaviour;
    bool regularInElevation = true;
    std::array<AxisAction, 2> axes; // by axisIndex
    bool methodApplies = false;     // regular in elevation and both axes within the periods

    Array1<double> storeyHeight; // h_s, mm
    Array1<double> weightAbove;  // P_s = Σ_{k ≥ s} W_k, N

    std::array<FloorMotion, 4> motionSLV; // dEe of each case, by caseIndex
    std::array<RittoShears, 4> shearsSLV; // N
    RittoShears combinedShearsSLV;        // §7.3.5 envelope, N

    LimitState damageState = LimitState::SLD;
    std::array<FloorMotion, 4> motionDamage;
    std::array<Array1<double>, 4> largestDrift; // per case, per storey, mm
    Array1<StoreyDrift> drift;                  // per storey, over every case

    const AxisAction& axis(ActionAxis a) const { return axes[axisIndex(a)]; }
    const SpectrumShape& spectrum(LimitState s) const { return spectra[limitIndex(s)]; }
    bool operator==(const LinearStaticResults&) const = default;
};

// The whole analysis. `masses` are the seismic masses (seismic_masses.h), E the modulus of the
// displacements (N/mm²), `seismic` the torsional checks and the modes of the same matrix. When
// something is missing (parameters out of range, no modes, a storey without weight, a matrix that
// is not positive definite) nothing is computed and `problem` says why.
LinearStaticResults linearStaticAnalysis(const Model& model, const AnalysisResults& results,
                                         const std::vector<StoreySeismicMass>& masses,
                                         double youngModulus, const SeismicResults& seismic,
                                         const NtcParameters& parameters);

} // namespace orvanta
