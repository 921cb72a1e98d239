#pragma once

// Pre-sizing checks of the columns and walls of every storey, NTC 2018 §7.4.4.2.2.1 and
// §7.4.6.1.
//
//   N   = G + ψ2·Q at the foot of the element in the seismic combination, N: the axial force the
//         load distribution hands the column (slabs of its storey and of those above, each as
//         g + share·q) plus the self-weight above its foot, γ·A·h of the element and of those
//         standing on it, and half of each beam (and its line load) of its storey and of those
//         above that ends at its node
//   νd  = N/(Ac·fcd)        normalised axial force, fcd = 0.85·fck/1.5 (concrete.h), N/mm²
//   νd ≤ 0.55 in CD"A", ≤ 0.65 in CD"B"                                        (§7.4.4.2.2.1)
//   a column's smaller side ≥ 250 mm                                           (§7.4.6.1.2)
//   a wall's thickness ≥ max(150 mm, h/20), h the storey's clear height         (§7.4.6.1.4)
// An element is a wall when its longer side exceeds four times the shorter one, or when it is a
// hollow box (a core), whose thickness is then its thinner wall.
//
// Worked number: a 300 × 300 column of C25/30 (fcd = 0.85·24.9/1.5 = 14.11 N/mm²) carrying
// 900 kN has νd = 900 000/(90 000·14.11) = 0.709 > 0.65: it fails in CD"B" and in CD"A".

#include "model.h"
#include "ntc_parameters.h"

#include <string>
#include <vector>

namespace orvanta {

inline constexpr double axialLimitHighDuctility = 0.55; // CD"A"
inline constexpr double axialLimitLowDuctility = 0.65;  // CD"B"
inline constexpr double smallestColumnSide = 250;       // mm
inline constexpr double smallestWallThickness = 150;    // mm

// The ductility class of the project's NTC parameters, CD"B" when it has none.
DuctilityClass projectDuctility(const Model& model);

double axialForceLimit(DuctilityClass ductility); // 0.55 or 0.65

struct MemberCheck {
    int storey = 0;
    int node = 0;                 // grid node of the column or wall
    bool wall = false;            // a wall or a core rather than a column
    double sideX = 0;             // mm
    double sideY = 0;             // mm
    double area = 0;              // Ac, mm²
    double axialForce = 0;        // N, N
    double normalisedForce = 0;   // νd
    double axialLimit = 0;        // 0.55 or 0.65
    double thickness = 0;         // the smaller side, or a core's thinner wall, mm
    double smallestThickness = 0; // 250 for a column, max(150, h/20) for a wall, mm

    bool axialFails() const { return normalisedForce > axialLimit; }
    bool sizeFails() const { return thickness < smallestThickness; }
    bool fails() const { return axialFails() || sizeFails(); }
};

// Every column and wall of every grid node, storey by storey (storey 1 first, then by node).
// Before the loads are distributed N is the self-weight alone; a model whose arrays are not
// complete gives no rows.
std::vector<MemberCheck> memberChecks(const Model& model, double concreteClass,
                                      DuctilityClass ductility);
// With the project's class and ductility.
std::vector<MemberCheck> memberChecks(const Model& model);

// "Pilastro 12" for a column, "Parete 12" for a wall: the name the tables give the element at node
// n.
std::string memberName(const MemberCheck& check);

} // namespace orvanta
