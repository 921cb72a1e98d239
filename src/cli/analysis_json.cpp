#include "analysis_json.h"

#include "json_writer.h"
#include "ntc_json.h"
#include "seismic_json.h"

namespace orvanta::cli {

namespace {

void writeMessages(JsonWriter& json, const std::vector<Message>& messages) {
    json.beginArray();
    for (const Message& message : messages) {
        json.beginObject();
        json.key("title");
        json.value(message.title);
        json.key("text");
        json.value(message.text());
        json.key("icon");
        json.value(static_cast<int>(message.icon));
        json.endObject();
    }
    json.endArray();
}

} // namespace

std::string analysisJson(const Model& model, const AnalysisResults& results,
                         const CalculationReport& calculation, const std::vector<Message>& messages,
                         const SeismicResults* seismic, const LinearStaticResults* ntc) {
    JsonWriter json;
    json.beginObject();
    json.key("counts");
    json.beginObject();
    json.key("nX");
    json.value(model.counts.nX);
    json.key("nY");
    json.value(model.counts.nY);
    json.key("nStoreys");
    json.value(model.counts.nStoreys);
    json.key("nExtra");
    json.value(model.counts.nExtra);
    json.endObject();
    json.key("levelZ");
    json.values(model.levelZ);
    json.key("coordX");
    json.values(model.coordX);
    json.key("coordY");
    json.values(model.coordY);
    json.key("beamLoads");
    json.values(model.beamLoads);
    json.key("massCentre");
    json.values(model.massCentre);
    json.key("gyrationRadius");
    json.values(model.gyrationRadius);
    json.key("storeyForce");
    json.values(model.storeyForce);

    json.key("ritStoreys");
    json.values(results.ritStoreys);
    // Each result of the two sets of ritti under its name with the axis the ritti are orthogonal
    // to: ritMatrixX, then ritMatrixY.
    const auto both = [&](std::string_view name, const auto& field) {
        for (const Direction d : bothDirections) {
            json.key(std::string(name) + orthogonalAxis(d));
            json.values(field(results[d]));
        }
    };
    both(
        "ritElements", [](const RittiResults& r) -> const auto& { return r.ritElements; });
    both(
        "ritMatrix", [](const RittiResults& r) -> const auto& { return r.ritMatrix; });
    json.key("globalStiffness");
    json.values(results.globalStiffness);
    for (const Direction d : bothDirections) {
        json.key(std::string("familyCount") + orthogonalAxis(d));
        json.value(results[d].familyCount);
    }
    both(
        "family", [](const RittiResults& r) -> const auto& { return r.family; });
    both(
        "stiffnessCentre", [](const RittiResults& r) -> const auto& { return r.stiffnessCentre; });
    both(
        "stiffnessWeight", [](const RittiResults& r) -> const auto& { return r.stiffnessWeight; });
    both(
        "familySize", [](const RittiResults& r) -> const auto& { return r.familySize; });
    both(
        "familyMeanMatrix",
        [](const RittiResults& r) -> const auto& { return r.familyMeanMatrix; });
    json.key("deformedShape");
    json.values(results.deformedShape);
    json.key("incompleteStages");
    json.beginArray();
    for (const CalculationStage stage : calculation.incomplete)
        json.value(stageName(stage));
    json.endArray();
    if (seismic) {
        json.key("seismic");
        writeSeismic(json, *seismic);
    }
    if (ntc) {
        json.key("ntc2018");
        writeNtc(json, *ntc);
    }
    json.key("messages");
    writeMessages(json, messages);
    json.endObject();
    return json.text() + '\n';
}

} // namespace orvanta::cli
