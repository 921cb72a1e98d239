#include "ntc_json.h"

namespace orvanta::cli {

namespace {

// [X, Y] of one value of the two axes.
template <class Value> void pair(JsonWriter& json, const LinearStaticResults& r, Value value) {
    json.beginArray();
    for (const AxisAction& a : r.axes)
        json.value(value(a));
    json.endArray();
}

// [[X per storey], [Y per storey]].
template <class Array>
void pairOfArrays(JsonWriter& json, const LinearStaticResults& r, Array array) {
    json.beginArray();
    for (const AxisAction& a : r.axes)
        json.values(array(a));
    json.endArray();
}

void spectra(JsonWriter& json, const LinearStaticResults& r) {
    json.beginObject();
    for (const LimitState state : allLimitStates) {
        const SpectrumShape& s = r.spectrum(state);
        json.key(limitStateName(state));
        json.beginObject();
        json.key("S");
        json.value(s.amplification);
        json.key("TB");
        json.value(s.tb);
        json.key("TC");
        json.value(s.tc);
        json.key("TD");
        json.value(s.td);
        json.endObject();
    }
    json.endObject();
}

void byCase(JsonWriter& json, auto write) {
    json.beginObject();
    for (const ActionCase action : allActionCases) {
        json.key(actionCaseName(action));
        write(caseIndex(action));
    }
    json.endObject();
}

void rittoShears(JsonWriter& json, const RittoShears& shears) {
    json.beginObject();
    for (const Direction d : bothDirections) {
        json.key(d == Direction::orthogonalToX ? "orthogonalToX" : "orthogonalToY");
        json.values(shears[d]);
    }
    json.endObject();
}

} // namespace

void writeNtc(JsonWriter& json, const LinearStaticResults& r) {
    if (!r.computed) {
        json.null();
        return;
    }
    json.beginObject();
    json.key("q");
    json.value(r.behaviour.q);
    json.key("q0");
    json.value(r.behaviour.q0);
    json.key("KR");
    json.value(r.behaviour.kr);
    json.key("alphaU");
    json.value(r.behaviour.alphaU);
    json.key("spectra");
    spectra(json, r);
    const std::size_t slv = limitIndex(LimitState::SLV);
    json.key("T1");
    pair(json, r, [](const AxisAction& a) { return a.period; });
    json.key("lambda");
    pair(json, r, [slv](const AxisAction& a) { return a.lambda[slv]; });
    json.key("SdSLV");
    pair(json, r, [slv](const AxisAction& a) { return a.spectralOrdinate[slv]; });
    json.key("baseShearSLV");
    pair(json, r, [slv](const AxisAction& a) { return a.baseShear[slv]; });
    json.key("storeyForcesSLV");
    pairOfArrays(
        json, r, [](const AxisAction& a) -> const auto& { return a.forcesSLV; });
    json.key("accidentalEccentricity");
    pairOfArrays(
        json, r, [](const AxisAction& a) -> const auto& { return a.eccentricity; });
    json.key("displacementsSLV");
    byCase(json, [&](std::size_t c) {
        const FloorMotion& m = r.motionSLV[c];
        json.beginArray();
        json.values(m.u);
        json.values(m.v);
        json.values(m.rotation);
        json.endArray();
    });
    json.key("muD");
    pair(json, r, [](const AxisAction& a) { return a.ductilityDemand; });
    json.key("drift");
    byCase(json, [&](std::size_t c) { json.values(r.largestDrift[c]); });
    json.key("driftLimit");
    json.beginArray();
    for (const StoreyDrift& d : r.drift.values())
        json.value(d.limit);
    json.endArray();
    json.key("theta");
    pairOfArrays(
        json, r, [](const AxisAction& a) -> const auto& { return a.theta; });
    json.key("rittoShearSLV");
    rittoShears(json, r.combinedShearsSLV);
    json.endObject();
}

} // namespace orvanta::cli
