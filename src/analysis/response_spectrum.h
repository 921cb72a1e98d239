#pragma once

// The response spectra of the horizontal action, NTC 2018 §3.2.3.2 (elastic) and §3.2.3.5
// (design), in g, with periods in s.
//
//   S  = SS·ST                 ST = 1.0, 1.2, 1.2, 1.4 for T1 … T4 (Tab. 3.2.V)
//   SS, CC from Tab. 3.2.IV with a = ag·F0:
//     A: SS = 1                                  CC = 1
//     B: SS = clamp(1.40 − 0.40·a, 1.00, 1.20)   CC = 1.10·Tc*^−0.20
//     C: SS = clamp(1.70 − 0.60·a, 1.00, 1.50)   CC = 1.05·Tc*^−0.33
//     D: SS = clamp(2.40 − 1.50·a, 0.90, 1.80)   CC = 1.25·Tc*^−0.50
//     E: SS = clamp(2.00 − 1.10·a, 1.00, 1.60)   CC = 1.15·Tc*^−0.40
//   TC = CC·Tc*, TB = TC/3, TD = 4.0·ag + 1.6, η = max(√(10/(5 + ξ)), 0.55), ξ in per cent
//   Se(T) = ag·S·η·F0·(T/TB + (1 − T/TB)/(η·F0))   0 ≤ T < TB
//         = ag·S·η·F0                              TB ≤ T < TC
//         = ag·S·η·F0·TC/T                         TC ≤ T < TD
//         = ag·S·η·F0·TC·TD/T²                     TD ≤ T
//   Sd(T) = Se(T) with η = 1/q, never below 0.2·ag (§3.2.3.5)
//
// Worked number: soil B, T1, ag 0.25 g, F0 2.5, Tc* 0.30 s, ξ 5 %: a = 0.625, SS = 1.15,
// CC = 1.10·0.30^−0.2 = 1.3995, TC = 0.41985 s, TB = 0.13995 s, TD = 2.6 s, plateau
// 0.25·1.15·2.5 = 0.71875 g; with q = 3.9 the design plateau is 0.18429 g.

#include "ntc_parameters.h"

namespace orvanta {

struct SpectrumShape {
    double ag = 0; // g
    double f0 = 0;
    double tcStar = 0;           // s
    double soilFactor = 1;       // SS
    double topographyFactor = 1; // ST
    double amplification = 1;    // S = SS·ST
    double periodFactor = 1;     // CC
    double tb = 0;               // s
    double tc = 0;               // s
    double td = 0;               // s
    double eta = 1;              // η of the damping
    bool operator==(const SpectrumShape&) const = default;
};

SpectrumShape spectrumShape(const SiteHazard& hazard, SoilCategory soil,
                            TopographicCategory topography, double dampingPercent);

// Se(T), g. A period below 0 counts as 0.
double elasticSpectrum(const SpectrumShape& shape, double period);
// Sd(T) with behaviour factor q ≥ 1, g.
double designSpectrum(const SpectrumShape& shape, double q, double period);

} // namespace orvanta
