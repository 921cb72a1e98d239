#pragma once

// The behaviour factor q of a reinforced-concrete building, NTC 2018 §7.3.1 and Tab. 7.3.II.
//
//   q0 = 4.5·αu/α1 (CD"A") or 3.0·αu/α1 (CD"B")   frames, mixed structures, coupled walls
//      = 4.0·αu/α1 (CD"A") or 3.0          (CD"B")   uncoupled walls
//      = 3.0       (CD"A") or 2.0          (CD"B")   torsionally deformable structures
//   A building not regular in plan takes (1 + αu/α1)/2 in place of αu/α1 (§7.4.3.2).
//   KR = 1 regular in elevation, 0.8 otherwise;  q = q0·KR, unless the user typed q.
//
// Proposed αu/α1 (§7.4.3.2): frames of one storey 1.1, of one bay in either direction 1.2,
// otherwise 1.3; uncoupled walls 1.1; mixed or coupled walls 1.2.
//
// Worked number: a frame of several bays and storeys, CD"B", not regular in plan, regular in
// elevation: αu/α1 = 1.3 → (1 + 1.3)/2 = 1.15, q0 = 3.0·1.15 = 3.45, KR = 1, q = 3.45.

#include "ntc_parameters.h"

namespace orvanta {

// αu/α1 proposed for the structure, with the counts of storeys and of bays along X and Y.
double proposedAlphaU(StructuralType structure, int storeys, int baysX, int baysY);

struct BehaviourFactor {
    double alphaU = 0;     // αu/α1 as proposed or typed, before the plan rule
    double alphaUUsed = 0; // after the plan rule
    double q0 = 0;
    double kr = 0;
    double q = 0;       // the factor used: typed, or q0·KR
    bool typed = false; // q was typed by the user
    bool torsionallyDeformable = false;
    bool regularInPlan = false;
    bool regularInElevation = false;
    bool operator==(const BehaviourFactor&) const = default;
};

// alphaU is the proposed or typed αu/α1; the verdicts come from the torsional checks (plan) and
// the user (elevation).
BehaviourFactor behaviourFactor(const NtcParameters& parameters, double alphaU, bool regularInPlan,
                                bool torsionallyDeformable, bool regularInElevation);

} // namespace orvanta
