#pragma once

// Both analyses of NTC 2018 for a building and its site, with the code's own regularity:
//   1. the regularity in plan and in elevation of §7.2.1 and the modes (modal_study.h);
//   2. the lateral forces (linear_static_analysis.h), with KR from the regularity in elevation
//      (unless the parameters state it) and the plan rule on αu/α1 from the regularity in plan,
//      in place of the torsional checks' verdict;
//   3. the modal response-spectrum analysis (modal_analysis.h) with the spectra, q, μd and the
//      accidental torques F_s·e_s of the same action;
//   4. the method that governs (ntc_regularity.h): the lateral forces when the building is regular
//      in elevation and T1 ≤ 2.5·TC and T1 ≤ TD in both directions, the modal analysis otherwise.
// Both are always computed. Nothing is, and `problem` says why, when the study or the lateral
// forces cannot be computed.

#include "linear_static_analysis.h"
#include "modal_analysis.h"
#include "modal_study.h"
#include "ntc_regularity.h"

#include <string>
#include <vector>

namespace orvanta {

struct NtcAnalysis {
    bool computed = false;
    std::vector<std::string> problem;

    ModalStudy study;
    LinearStaticResults lateralForces;
    ModalAnalysis modal;
    MethodChoice method;
};

NtcAnalysis ntcAnalysis(const Model& model, const AnalysisResults& results,
                        const SeismicResults& seismic, const NtcParameters& parameters);

// The inputs of the modal analysis taken from the lateral-force analysis of the same action.
ModalActionInput modalAction(const LinearStaticResults& lateralForces);

} // namespace orvanta
