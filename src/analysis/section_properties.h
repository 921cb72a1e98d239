#pragma once

// Cross-section properties of the bars of a ritto, in millimetres: area A (mm²), moment of
// inertia I (mm⁴) about the axis that bending in the ritto's plane turns about, and the shear
// parameter p = 3·I/(L²·A)·(E/G)·χ with E/G = 2·1.2 (Poisson's ratio 0.2) and χ the shear factor
// of the section. 4·p is the usual shear parameter 12·E·I·χ/(G·A·L²) of a Timoshenko bar.
//
// Worked number: a 300 × 500 column 3000 mm high, bending about the axis parallel to its 300 mm
// side, has A = 150000, I = 500³·300/12 = 3.125e9 and p = 3·3.125e9/(3000²·150000)·2.4·1.2
// = 0.02.

#include "element_records.h"

namespace orvanta {

struct BarSection {
    double area = 0;
    double inertia = 0;
    double shearFactor = 0; // χ
};

// Shear parameter of a bar of length L: 3·I/(L²·A) × 2 × 1.2 × χ (dimensionless).
double shearParameter(const BarSection& section, double length);

// Shear factor of a solid rectangle.
inline constexpr double rectangleShearFactor = 1.2;

// A column or wall of base b (side along X) and height h (side along Y), solid or a hollow box
// with walls tx aligned with X and ty aligned with Y. acrossX: bending in the plane parallel to
// Y, as in a ritto orthogonal to X (the h side bends); otherwise in the plane parallel to X.
//   rectangle  A = b·h, I = h³·b/12 (or b³·h/12), χ = 1.2
//   box        A = 2·(ty·h + tx·b − 2·tx·ty),
//              I = h³·b/12 − (b − 2·ty)·(h − 2·tx)³/12, χ = A/(2·h·ty)   (acrossX)
//              I = b³·h/12 − (h − 2·tx)·(b − 2·ty)³/12, χ = A/(2·b·tx)   (otherwise)
BarSection columnProperties(const ColumnSection& section, bool acrossX);

// A beam of width b and depth h, solid or a T with flange thickness s and web width bw:
//   rectangle  A = b·h, I = h³·b/12, χ = 1.2
//   T          A = (h − s)·bw + s·b; with a = b − bw, d = h − s:
//              I = [(b·h² − a·d²)² − (h − d)²·4·b·h·a·d] / [12·(h·b − d·a)], χ = A/(bw·h)
// A T with s = h is the b × h rectangle in A and I, with χ = b/bw.
BarSection beamProperties(const BeamSection& section);

} // namespace orvanta
