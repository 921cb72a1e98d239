#pragma once

// Torsional regularity of each storey, from the flexibility F = K⁻¹ of the global matrix.
//
// The freedoms of storey s are u_s, v_s and φ_s = ρ_s·θ_s (global_stiffness.h), so a moment M on
// floor s is the generalised force M/ρ_s and a floor rotation θ_s = φ_s/ρ_s. A force on floor s
// alone, the other floors free, does not turn floor s when it acts at the centre of rigidity
//   xR = xG − ρ·F(φs, vs)/F(φs, φs)        yR = yG + ρ·F(φs, us)/F(φs, φs)
// and the storey stiffnesses with floor s alone loaded are, per unit E,
//   kθ = ρ²/F(φs, φs)                      (mm³: moment per radian)
//   kx = 1/(F(us, us) − F(us, φs)²/F(φs, φs))   ky likewise with v   (mm: force at the centre)
// For a single storey these are the familiar sums over the ritti: xR = Σ x·ky/Σ ky,
// yR = Σ y·kx/Σ kx, kx = Σ kx, kθ = Σ (x − xR)²·ky + (y − yR)²·kx.
//
// Here (xG, yG) and ρ are the stored centre and radius that the global matrix is written about.
// Then, with the floor's seismic mass centred at G* = (x*, y*) with radius of gyration ls
// (seismic_masses.h), the torsional radii rx = √(kθ/ky), ry = √(kθ/kx) and the eccentricities
// e0x = |x* − xR|, e0y = |y* − yR|, a storey is regular in plan when e0x ≤ 0.30·rx,
// e0y ≤ 0.30·ry, rx ≥ ls and ry ≥ ls (EN 1998-1 §4.2.3.2; NTC 2018 §7.4.3.1 asks r²/ls² > 1).
// A floor without seismic mass is checked against the stored centre and ρ. Worked number: four
// columns of kx = ky = 10 mm at the corners of a 6000 × 4000 mm bay, centre of mass in the middle
// and ρ = 2082 mm (a uniform slab): xR = 3000, yR = 2000, kx = ky = 40 mm, kθ = 4·10·(3000² +
// 2000²) = 5.2·10⁸ mm³, rx = ry = √(5.2·10⁸/40) = 3606 mm ≥ ls, e0 = 0: the storey passes.

#include "model.h"
#include "seismic_masses.h"
#include "seismic_results.h"

namespace orvanta {

// Ratio of the eccentricity to the torsional radius that a regular storey does not exceed.
inline constexpr double eccentricityLimit = 0.30;

// The rows of every storey (1..nStoreys) from the flexibility (1..3·nStoreys)² of the global
// matrix, the stored centres and radii (which must be positive) and the floors' seismic masses
// (index 0 = storey 1).
Array1<StoreyRegularity> storeyRegularity(const Model& model, const Array2<double>& flexibility,
                                          const std::vector<StoreySeismicMass>& masses);

} // namespace orvanta
