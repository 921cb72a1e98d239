#include "regularity_json.h"

#include <optional>
#include <vector>

namespace orvanta::cli {

namespace {

void writeOptionals(JsonWriter& json, const std::vector<std::optional<double>>& values) {
    json.beginArray();
    for (const std::optional<double>& value : values) {
        if (value)
            json.value(*value);
        else
            json.null();
    }
    json.endArray();
}

void writeNumbers(JsonWriter& json, const std::vector<double>& values) {
    json.beginArray();
    for (const double value : values)
        json.value(value);
    json.endArray();
}

} // namespace

void writeRegularity(JsonWriter& json, const NtcRegularity& r) {
    json.beginObject();
    json.key("elevation");
    json.boolean(r.regularInElevation());
    json.key("plan");
    json.boolean(r.regularInPlan());
    json.key("massVariation");
    writeOptionals(json, r.elevation.massVariation);
    json.key("stiffnessRatio");
    json.beginArray();
    for (const auto& ratios : r.stiffness.ratio)
        writeOptionals(json, ratios);
    json.endArray();
    json.key("wallShare");
    writeNumbers(json, {r.stiffness.wallShare[0], r.stiffness.wallShare[1]});
    json.key("setback");
    json.beginArray();
    for (const auto& setbacks : r.elevation.setback)
        writeNumbers(json, setbacks);
    json.endArray();
    json.key("aspectRatio");
    writeOptionals(json, r.plan.aspectRatio);
    json.key("hullExcess");
    writeOptionals(json, r.plan.hullExcess);
    json.endObject();
}

void writeParticipatingMasses(JsonWriter& json, const ModalBasis& basis) {
    json.beginArray();
    for (const ModalShape& mode : basis.modes)
        writeNumbers(json, {mode.massRatioX, mode.massRatioY});
    json.endArray();
}

void writeModalKeys(JsonWriter& json, const NtcAnalysis& a) {
    if (!a.computed) {
        for (const char* key : {"regularity", "governingMethod", "modal"}) {
            json.key(key);
            json.null();
        }
        return;
    }
    json.key("regularity");
    writeRegularity(json, a.study.regularity);
    json.key("governingMethod");
    json.value(std::string_view(methodKey(a.method.method)));
    const ModalAnalysis& m = a.modal;
    json.key("modal");
    json.beginObject();
    json.key("participatingMass");
    writeParticipatingMasses(json, m.basis);
    const char* const cases[] = {"X+", "X-", "Y+", "Y-"};
    json.key("displacementsSLV");
    json.beginObject();
    for (std::size_t c = 0; c < 4; ++c) {
        const ResponseValues& r = m.slv[c / 2].total;
        json.key(cases[c]);
        json.beginArray();
        writeNumbers(json, r.u);
        writeNumbers(json, r.v);
        writeNumbers(json, r.theta);
        json.endArray();
    }
    json.endObject();
    json.key("drift");
    json.beginObject();
    for (std::size_t c = 0; c < 4; ++c) {
        json.key(cases[c]);
        json.beginArray();
        for (const GoverningDrift& d : m.largestDrift[c / 2])
            json.value(d.drift);
        json.endArray();
    }
    json.endObject();
    json.key("storeyShearSLV");
    json.beginArray();
    writeNumbers(json, m.slv[0].total.shearX);
    writeNumbers(json, m.slv[1].total.shearY);
    json.endArray();
    json.key("theta");
    json.beginArray();
    writeNumbers(json, m.theta[0]);
    writeNumbers(json, m.theta[1]);
    json.endArray();
    json.key("rittoShearSLV");
    json.beginObject();
    for (const Direction d : bothDirections) {
        json.key(d == Direction::orthogonalToX ? "orthogonalToX" : "orthogonalToY");
        json.beginArray();
        for (const std::vector<double>& storeys : m.rittoShear[rittiIndex(d)])
            writeNumbers(json, storeys);
        json.endArray();
    }
    json.endObject();
    json.endObject();
}

} // namespace orvanta::cli
