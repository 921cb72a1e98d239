#pragma once

// Whether the building is regular in elevation and in plan by the criteria of NTC 2018 §7.2.1, and
// which analysis governs (§7.3.3.2).
//
// In elevation: (e) the masses and the storey stiffnesses (regularity_geometry.h,
// elevation_stiffness.h), (g) the setbacks; (d) holds by construction, since every column rises
// from the base or from a column below; (f) the ratio of capacity to demand of each storey cannot
// be judged at pre-design and is listed as such.
// In plan: (b) the columns' rectangle, (a) the convex hull of the floor; the distribution of masses
// and stiffness is shown through e0/r of the torsional checks, for which the code gives no number;
// (c) the floors are rigid in their plane, as the model assumes.
//
// The lateral-force method applies when the building is regular in elevation and, in both
// directions, T1 ≤ 2.5·TC and T1 ≤ TD (TC, TD of the SLV spectrum); otherwise the modal analysis
// governs. Worked number: TC = 0.5 s, TD = 2.0 s: T1 = 1.25 s passes, 1.26 s does not.

#include "elevation_stiffness.h"
#include "modal_basis.h"
#include "regularity_geometry.h"

#include <array>

namespace orvanta {

inline constexpr double periodOverCornerLimit = 2.5; // T1 ≤ 2.5·TC

struct NtcRegularity {
    ElevationGeometry elevation;  // (e) masses, (g) setbacks
    ElevationStiffness stiffness; // (e) stiffness
    PlanGeometry plan;            // (a), (b)

    bool regularInElevation() const;
    bool regularInPlan() const { return plan.regular(); }
};

NtcRegularity ntcRegularity(const ResponseMap& map, const Array2<double>& flexibility);

// T1 of each direction (axisX, axisY): the period of the mode with the largest participating mass
// ratio along it, s.
std::array<double, 2> fundamentalPeriods(const ModalBasis& basis);

enum class GoverningMethod { lateralForces, modal };

struct MethodChoice {
    GoverningMethod method = GoverningMethod::modal;
    bool regularInElevation = false;
    // Per axis: T1 ≤ 2.5·TC and T1 ≤ TD.
    std::array<bool, 2> shortPeriod{false, false};
};

MethodChoice governingMethod(bool regularInElevation, const std::array<double, 2>& t1,
                             double cornerPeriodC, double cornerPeriodD);

// "forze laterali" or "analisi modale", and the JSON names "lateral forces" and "modal".
const char* methodName(GoverningMethod method);
const char* methodKey(GoverningMethod method);

} // namespace orvanta
