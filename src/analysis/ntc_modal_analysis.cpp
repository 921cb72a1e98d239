#include "ntc_modal_analysis.h"

#include <cstddef>

namespace orvanta {

namespace {

// F_s·e_s of every storey at a limit state, N·mm.
std::vector<double> accidentalTorques(const AxisAction& axis, LimitState state) {
    const Array1<double> forces = axis.storeyForces(state);
    std::vector<double> torques;
    for (int s = forces.lower(); s <= forces.upper(); ++s)
        torques.push_back(forces(s) * axis.eccentricity(s));
    return torques;
}

// The modes as the torsional checks keep them, from the modal study's: T1 of the lateral forces
// is then the period of the seismic masses and the project's modulus, as in the modal analysis.
Array1<VibrationMode> studyModes(const ModalBasis& basis, const Array1<VibrationMode>& kept) {
    Array1<VibrationMode> modes(1, static_cast<int>(basis.modes.size()));
    for (std::size_t j = 0; j < basis.modes.size(); ++j) {
        const ModalShape& shape = basis.modes[j];
        VibrationMode& mode = modes(static_cast<int>(j) + 1);
        if (kept.size() == basis.modes.size())
            mode = kept(static_cast<int>(j) + 1);
        mode.angularFrequency = shape.angularFrequency;
        mode.period = shape.period;
        mode.massRatioX = shape.massRatioX;
        mode.massRatioY = shape.massRatioY;
    }
    return modes;
}

} // namespace

ModalActionInput modalAction(const LinearStaticResults& r) {
    ModalActionInput action;
    const SpectrumShape slv = r.spectrum(LimitState::SLV);
    const SpectrumShape damage = r.spectrum(r.damageState);
    const double q = r.behaviour.q;
    action.design = [slv, q](double period) { return designSpectrum(slv, q, period); };
    action.drift = [damage](double period) { return elasticSpectrum(damage, period); };
    for (const ActionAxis axis : {ActionAxis::X, ActionAxis::Y}) {
        const std::size_t a = axisIndex(axis);
        action.torqueSLV[a] = accidentalTorques(r.axes[a], LimitState::SLV);
        action.torqueDrift[a] = accidentalTorques(r.axes[a], r.damageState);
        action.ductility[a] = r.axes[a].ductilityDemand;
    }
    return action;
}

NtcAnalysis ntcAnalysis(const Model& m, const AnalysisResults& results,
                        const SeismicResults& seismic, const NtcParameters& parameters) {
    NtcAnalysis out;
    out.study = modalStudy(m, results);
    if (!out.study.computed) {
        out.problem = out.study.problem;
        return out;
    }
    NtcParameters p = parameters;
    if (!p.regularInElevation)
        p.regularInElevation = out.study.regularity.regularInElevation();
    SeismicResults verdicts = seismic;
    verdicts.regularInPlan = out.study.regularity.regularInPlan();
    if (verdicts.hasModes())
        verdicts.modes = studyModes(out.study.basis, seismic.modes);
    out.lateralForces =
        linearStaticAnalysis(m, results, out.study.masses, out.study.modulus, verdicts, p);
    if (!out.lateralForces.computed) {
        out.problem = out.lateralForces.problem;
        return out;
    }
    const LinearStaticResults& r = out.lateralForces;
    const ResponseMap map(m, results, out.study.masses, out.study.modulus);
    out.modal = modalAnalysis(map, out.study.flexibility, out.study.basis, modalAction(r));
    const SpectrumShape& slv = r.spectrum(LimitState::SLV);
    out.method =
        governingMethod(r.regularInElevation, {r.axes[0].period, r.axes[1].period}, slv.tc, slv.td);
    out.computed = true;
    return out;
}

} // namespace orvanta
