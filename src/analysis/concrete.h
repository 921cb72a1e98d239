#pragma once

// The concrete of the project as NTC 2018 defines it, from the cube strength Rck (N/mm²):
//
//   fck = 0.83·Rck                          characteristic cylinder strength (§11.2.10.1)
//   fcm = fck + 8                           mean cylinder strength, N/mm²
//   Ecm = 22000·(fcm/10)^0.3                secant modulus of elasticity, N/mm² (§11.2.10.3)
//   fcd = αcc·fck/γc = 0.85·fck/1.5         design compressive strength (§4.1.2.1.1.1)
//
// Worked numbers: Rck 30 → fck 24.9, fcm 32.9, Ecm 31 447 N/mm², fcd 14.11 N/mm²;
//                 Rck 45 → fck 37.35, Ecm 34 625 N/mm².
// The stiffness used for displacements and periods is Ecm times the cracked-stiffness factor
// (1.0 down to 0.5, NTC 2018 §7.2.6).

#include "model.h"

#include <string>

namespace orvanta {

inline constexpr double defaultConcreteClass = 30; // Rck, N/mm², when the project gives none
inline constexpr double defaultCrackedFactor = 1.0;
inline constexpr double smallestCrackedFactor = 0.5;

double characteristicStrength(double rck); // fck, N/mm²
double secantModulus(double rck);          // Ecm, N/mm²
double designStrength(double rck);         // fcd, N/mm²

// The project's Rck (settingKey::concreteClass) and cracked-stiffness factor
// (settingKey::crackedFactor), or their defaults when the project has none.
double projectConcreteClass(const Model& model);
double projectCrackedFactor(const Model& model);
// The modulus for displacements and periods: Ecm of the project's class × its cracked factor.
double projectStiffnessModulus(const Model& model);

// "C25/30" for Rck 30: the class of the code whose cube strength is Rck, with fck rounded to the
// class's name (C25/30, C28/35, C32/40, C35/45, C40/50, C45/55); another Rck is shown as
// "Rck 33" alone.
std::string concreteClassName(double rck);

} // namespace orvanta
