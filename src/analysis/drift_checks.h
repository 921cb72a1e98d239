#pragma once

// Displacements at the life-safety limit state, the drift check of the damage limit state and the
// second-order effects, NTC 2018.
//
//   μd = q                          T1 ≥ TC                        (§7.3.3.3)
//      = 1 + (q − 1)·TC/T1          T1 < TC,  never above 5q − 4;  dE = μd·dEe
//
//   drift check (§7.3.6.1): interstorey drift dr ≤ ratio·h, with ratio 0.005 (fragile infills
//   rigidly connected), 0.0075 (ductile infills) or 0.010 (infills not interfering); use classes
//   I and II check at SLD, III and IV at SLO with 2/3 of the ratio.
//
//   θ = P·dr/(V·h)  (§7.3.1)  P the weight above the storey (N), dr its design drift (mm), V the
//   storey shear (N), h the storey height (mm): θ ≤ 0.1 negligible; up to 0.2 the effects are
//   multiplied by 1/(1 − θ); up to 0.3 a non-linear analysis is needed; above 0.3 not allowed.
//
// Worked numbers: q = 3.9, TC = 0.5 s, T1 = 0.25 s → μd = 1 + 2.9·2 = 6.8 (5q − 4 = 15.5);
// h = 3000 mm, fragile infills, use class III → limit 2/3·0.005·3000 = 10 mm at SLO;
// P = 2000 kN, dr = 15 mm, V = 100 kN, h = 3000 mm → θ = 0.1.

#include "ntc_parameters.h"

namespace orvanta {

double ductilityDemand(double q, double period, double tc); // μd

LimitState damageLimitState(int useClass);               // SLD for I and II, SLO for III and IV
double driftLimitRatio(InfillKind infill, int useClass); // the 2/3 included

enum class SecondOrder { negligible, amplified, nonLinear, notAllowed };
SecondOrder secondOrderClass(double theta);
// θ = P·dr/(V·h); 0 when V·h is not positive.
double stabilityCoefficient(double weightAbove, double drift, double shear, double height);
// 1/(1 − θ) for the amplified class, else 1.
double secondOrderAmplification(double theta);
const char* secondOrderText(SecondOrder c); // "trascurabili", …

} // namespace orvanta
