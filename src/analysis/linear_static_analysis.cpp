#include "linear_static_analysis.h"

#include "symmetric_algebra.h"

#include <algorithm>
#include <cmath>

namespace orvanta {

Array1<double> AxisAction::storeyForces(LimitState state) const {
    Array1<double> forces = distribution;
    for (double& f : forces.values())
        f *= baseShear[limitIndex(state)];
    return forces;
}

namespace {

LinearStaticResults refused(LinearStaticResults r, std::vector<std::string> problem) {
    r.computed = false;
    r.problem = std::move(problem);
    return r;
}

// S(T1) of the limit state: the design spectrum at SLV, the elastic one otherwise.
double ordinate(const LinearStaticResults& r, LimitState state, double period) {
    const SpectrumShape& shape = r.spectrum(state);
    return state == LimitState::SLV ? designSpectrum(shape, r.behaviour.q, period)
                                    : elasticSpectrum(shape, period);
}

AxisAction axisAction(const Model& m, const LinearStaticResults& r,
                      const std::vector<StoreySeismicMass>& masses, const SeismicResults& seismic,
                      ActionAxis axis) {
    AxisAction a;
    a.mode = fundamentalMode(seismic.modes, axis);
    a.period = seismic.modes(a.mode).period;
    for (const LimitState state : allLimitStates) {
        const std::size_t i = limitIndex(state);
        a.lambda[i] = lambdaFactor(a.period, r.spectrum(state).tc, m.counts.nStoreys);
        a.spectralOrdinate[i] = ordinate(r, state, a.period);
        a.baseShear[i] = a.spectralOrdinate[i] * r.totalWeight * a.lambda[i];
    }
    a.distribution = heightDistribution(masses, m.levelZ);
    a.eccentricity = accidentalEccentricity(m, axis);
    a.forcesSLV = a.storeyForces(LimitState::SLV);
    a.shearsSLV = storeyShears(a.forcesSLV);
    const SpectrumShape& slv = r.spectrum(LimitState::SLV);
    a.ductilityDemand = ductilityDemand(r.behaviour.q, a.period, slv.tc);
    a.methodApplies = a.period <= 2.5 * slv.tc && a.period <= slv.td;
    return a;
}

// Displacement along the axis of the vertical through G*_s, at floor `storey` (0 = the base).
double centreDisplacement(const Model& m, const FloorMotion& motion, ActionAxis axis, int storey,
                          const StoreySeismicMass& centre) {
    if (storey == 0)
        return 0;
    return axis == ActionAxis::X ? pointDisplacementX(m, motion, storey, centre.centreY)
                                 : pointDisplacementY(m, motion, storey, centre.centreX);
}

void secondOrder(const Model& m, LinearStaticResults& r,
                 const std::vector<StoreySeismicMass>& masses, ActionAxis axis) {
    AxisAction& a = r.axes[axisIndex(axis)];
    const int storeys = m.counts.nStoreys;
    a.designDrift = Array1<double>(1, storeys);
    a.theta = Array1<double>(1, storeys);
    for (int s = 1; s <= storeys; ++s) {
        const StoreySeismicMass& centre = masses[static_cast<std::size_t>(s - 1)];
        double largest = 0;
        for (const int sign : {1, -1}) {
            const FloorMotion& motion = r.motionSLV[caseIndex({axis, sign})];
            const double drift = centreDisplacement(m, motion, axis, s, centre) -
                                 centreDisplacement(m, motion, axis, s - 1, centre);
            largest = std::max(largest, std::abs(drift));
        }
        a.designDrift(s) = a.ductilityDemand * largest;
        a.theta(s) = stabilityCoefficient(r.weightAbove(s), a.designDrift(s), a.shearsSLV(s),
                                          r.storeyHeight(s));
    }
}

// The largest interstorey drift of every storey over the ritti present there, for one case.
Array1<StoreyDrift> caseDrifts(const Model& m, const AnalysisResults& results,
                               const FloorMotion& motion, ActionCase action) {
    Array1<StoreyDrift> rows(1, m.counts.nStoreys);
    for (const Direction set : bothDirections) {
        for (int i = results.ritStoreys.lower(); i <= results.ritStoreys.upper(); ++i) {
            if (results.ritStoreys(i) <= 0)
                continue;
            const Array1<double> delta = rittoDisplacements(m, results, motion, set, i);
            for (int s = 1; s <= delta.upper(); ++s) {
                const double drift = std::abs(delta(s) - (s > 1 ? delta(s - 1) : 0));
                if (drift > rows(s).drift || rows(s).ritto == 0)
                    rows(s) = {drift, 0, set, i, action};
            }
        }
    }
    return rows;
}

void driftCheck(const Model& m, const AnalysisResults& results, LinearStaticResults& r) {
    const int storeys = m.counts.nStoreys;
    const double ratio = driftLimitRatio(r.parameters.infill, r.parameters.useClass);
    r.drift = Array1<StoreyDrift>(1, storeys);
    for (const ActionCase action : allActionCases) {
        const std::size_t c = caseIndex(action);
        const Array1<StoreyDrift> rows = caseDrifts(m, results, r.motionDamage[c], action);
        r.largestDrift[c] = Array1<double>(1, storeys);
        for (int s = 1; s <= storeys; ++s) {
            r.largestDrift[c](s) = rows(s).drift;
            if (rows(s).ritto != 0 && (r.drift(s).ritto == 0 || rows(s).drift > r.drift(s).drift))
                r.drift(s) = rows(s);
        }
    }
    for (int s = 1; s <= storeys; ++s)
        r.drift(s).limit = ratio * r.storeyHeight(s);
}

std::vector<std::string> missingWeight(const std::vector<StoreySeismicMass>& masses) {
    for (std::size_t s = 0; s < masses.size(); ++s) {
        if (!(masses[s].weight > 0) || !std::isfinite(masses[s].weight))
            return {"Il piano " + std::to_string(s + 1) + " ha peso sismico nullo:",
                    "l'azione sismica non è calcolata."};
    }
    return {};
}

} // namespace

LinearStaticResults linearStaticAnalysis(const Model& m, const AnalysisResults& results,
                                         const std::vector<StoreySeismicMass>& masses,
                                         double youngModulus, const SeismicResults& seismic,
                                         const NtcParameters& p) {
    LinearStaticResults r;
    r.parameters = p;
    r.youngModulus = youngModulus;
    const int storeys = m.counts.nStoreys;
    if (const std::optional<ParameterError> error = checkParameters(p))
        return refused(std::move(r), {error->message});
    if (!seismic.hasModes() || storeys <= 0 || static_cast<int>(masses.size()) != storeys)
        return refused(std::move(r), {"Periodi propri non disponibili (vedere il messaggio dei "
                                      "modi di vibrare): l'azione sismica non è calcolata."});
    if (std::vector<std::string> problem = missingWeight(masses); !problem.empty())
        return refused(std::move(r), std::move(problem));
    if (!(youngModulus > 0) || !std::isfinite(youngModulus))
        return refused(std::move(r), {"Il modulo elastico del calcestruzzo non è valido."});
    const PositiveDefiniteInverse inverse = invertPositiveDefinite(results.globalStiffness);
    if (inverse.failingFreedom != 0)
        return refused(std::move(r), {"La matrice di rigidezza globale non è definita positiva: "
                                      "l'azione sismica non è calcolata."});

    for (const LimitState state : allLimitStates)
        r.spectra[limitIndex(state)] =
            spectrumShape(p.at(state), p.soil, p.topography, p.dampingPercent);
    r.regularInElevation = p.regularInElevation.value_or(true);
    const double alphaU =
        p.alphaU.value_or(proposedAlphaU(p.structure, storeys, m.counts.nX - 1, m.counts.nY - 1));
    r.behaviour = behaviourFactor(p, alphaU, seismic.regularInPlan, seismic.torsionallyFlexible,
                                  r.regularInElevation);

    r.storeyHeight = Array1<double>(1, storeys);
    r.weightAbove = Array1<double>(1, storeys);
    for (int s = storeys; s >= 1; --s) {
        r.storeyHeight(s) = m.levelZ(s + 1) - m.levelZ(s);
        r.weightAbove(s) = masses[static_cast<std::size_t>(s - 1)].weight +
                           (s < storeys ? r.weightAbove(s + 1) : 0);
    }
    r.totalWeight = r.weightAbove(1);

    for (const ActionAxis axis : {ActionAxis::X, ActionAxis::Y})
        r.axes[axisIndex(axis)] = axisAction(m, r, masses, seismic, axis);
    r.methodApplies = r.regularInElevation && r.axes[0].methodApplies && r.axes[1].methodApplies;

    r.damageState = damageLimitState(p.useClass);
    for (const ActionCase action : allActionCases) {
        const AxisAction& a = r.axis(action.axis);
        const std::size_t c = caseIndex(action);
        const auto motion = [&](LimitState state) {
            const Array1<double> f =
                generalisedForces(m, masses, a.storeyForces(state), a.eccentricity, action);
            return floorMotion(m, inverse.inverse, f, youngModulus);
        };
        r.motionSLV[c] = motion(LimitState::SLV);
        r.motionDamage[c] = motion(r.damageState);
        r.shearsSLV[c] = rittoShears(m, results, r.motionSLV[c], youngModulus);
    }
    r.combinedShearsSLV = combinedShears(r.shearsSLV);
    for (const ActionAxis axis : {ActionAxis::X, ActionAxis::Y})
        secondOrder(m, r, masses, axis);
    driftCheck(m, results, r);
    r.computed = true;
    return r;
}

} // namespace orvanta
