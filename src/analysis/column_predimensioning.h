#pragma once

// The suggested minimum section of a column, from the axial force the load distribution gives
// it and the allowable stress of the concrete.
//
// Allowable stress of a concrete of class Rck R (N/mm²): σ = 0.7·(6 + (R − 15)/4) N/mm²;
// R = 30 gives σ = 6.825, R = 25 gives 5.95.
// The column is sized for half of it, so the area needed is A = N / (σ/2) mm² (N in newtons);
// the suggestions are a 300 mm × b rectangle with b = ⌊A/300⌋ + 1 and an a × a square with
// a = ⌊√A⌋ + 1. Worked number: N = 682 500 N, R = 30 → A = 200 000 mm², b = 667, a = 448.
// A column that carries nothing (N = 0) gets 300 × 1 and 1 × 1.

namespace orvanta {

// σ in N/mm² for the class R in N/mm².
double allowableConcreteStress(double concreteClass);

struct SuggestedColumnSection {
    long long rectangleSide = 0; // b of the 300 × b rectangle, mm
    long long squareSide = 0;    // a of the a × a square, mm
    bool operator==(const SuggestedColumnSection&) const = default;
};

// The side fixed for the rectangular suggestion, mm.
inline constexpr int fixedRectangleSide = 300;

// The suggestions for an axial force N (newtons; a negative or non-finite force counts as 0)
// and an allowable stress σ (N/mm², positive).
SuggestedColumnSection suggestColumnSection(double axialForce, double allowableStress);

} // namespace orvanta
