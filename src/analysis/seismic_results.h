#pragma once

// What the building answers to an earthquake, beside the families: the torsional regularity of
// each storey (the plan regularity of EN 1998-1 §4.2.3.2) and the vibration modes, as one value
// that a window, a report page and the batch tool show as it stands. How each figure is computed
// is told in seismic_response.h.
//
// Units: lengths in mm; lateral stiffness per unit E in mm (times E in N/mm² gives N/mm),
// torsional stiffness per unit E in mm³ (gives N·mm per radian); masses in N·s²/mm; periods in s.

#include "bounded_array.h"
#include "seismic_masses.h"

#include <string>
#include <vector>

namespace orvanta {

// One storey, loaded alone, the other floors free.
struct StoreyRegularity {
    double massCentreX = 0; // G*, the centre of the storey's seismic mass, mm
    double massCentreY = 0;
    double rigidityCentreX = 0; // the point where a force on this floor alone does not turn it, mm
    double rigidityCentreY = 0;
    double lateralStiffnessX = 0;  // kx per unit E, mm: force along X at the centre of rigidity
    double lateralStiffnessY = 0;  // ky per unit E, mm
    double torsionalStiffness = 0; // kθ per unit E, mm³: moment per radian of the floor
    double torsionalRadiusX = 0;   // rx = √(kθ/ky), mm
    double torsionalRadiusY = 0;   // ry = √(kθ/kx), mm
    double eccentricityX = 0;      // e0x = |x* − xR|, mm
    double eccentricityY = 0;      // e0y = |y* − yR|, mm
    double gyrationRadius = 0;     // ls, the radius of gyration of the floor's mass, mm
    // The four checks: e0x ≤ 0.30·rx, e0y ≤ 0.30·ry, rx ≥ ls, ry ≥ ls.
    bool eccentricityXPasses = false;
    bool eccentricityYPasses = false;
    bool radiusXPasses = false;
    bool radiusYPasses = false;

    bool passes() const {
        return eccentricityXPasses && eccentricityYPasses && radiusXPasses && radiusYPasses;
    }
    bool operator==(const StoreyRegularity&) const = default;
};

struct VibrationMode {
    double angularFrequency = 0; // ω, rad/s
    double period = 0;           // T = 2π/ω, s
    // Effective mass over the total of each direction: X translation, Y translation, rotation of
    // every floor about its centre of mass. Each adds up to 1 over all modes.
    double massRatioX = 0;
    double massRatioY = 0;
    double massRatioRotation = 0;
    // Share of the mode's kinetic energy that is rotation of the floors, 0..1.
    double rotationalShare = 0;

    // A mode that is more twist than translation.
    bool isTorsional() const { return rotationalShare > 0.5; }
    bool operator==(const VibrationMode&) const = default;
};

enum class SeismicStatus {
    Complete,     // regularity and modes
    WithoutModes, // regularity only: a storey without mass, no concrete class, no convergence
    NotComputed,  // nothing: the global matrix is not positive definite or not of this model
};

struct SeismicResults {
    SeismicStatus status = SeismicStatus::NotComputed;
    // The lines of the message that said what could not be computed and why; empty when Complete.
    std::vector<std::string> problem;

    double concreteClass = 0; // Rck, N/mm²
    double crackedFactor = 1; // the share of Ecm kept for cracking, 0.5 … 1.0
    double youngModulus = 0;  // E = Ecm·crackedFactor, N/mm²; 0 without a valid class

    std::vector<StoreySeismicMass> floorMasses; // (storey − 1) W, G*, ls of each floor
    Array1<double> storeyMass;                  // (storey) m = W/g, N·s²/mm
    Array1<StoreyRegularity> storeys;           // (storey); empty when NotComputed
    bool regularInPlan = false;                 // every storey passes its four checks
    bool torsionallyFlexible = false;           // some storey has rx < ls or ry < ls
    Array1<VibrationMode> modes; // (1..3·nStoreys), longest period first; empty without modes

    bool hasRegularity() const { return status != SeismicStatus::NotComputed; }
    bool hasModes() const { return status == SeismicStatus::Complete; }
    bool operator==(const SeismicResults&) const = default;
};

} // namespace orvanta
