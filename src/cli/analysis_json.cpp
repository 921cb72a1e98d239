#include "analysis_json.h"

#include "json_writer.h"
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
                         const std::vector<Message>& messages, const SeismicResults* seismic) {
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
    json.key("ritElementsX");
    json.values(results.ritElementsX);
    json.key("ritElementsY");
    json.values(results.ritElementsY);
    json.key("ritMatrixX");
    json.values(results.ritMatrixX);
    json.key("ritMatrixY");
    json.values(results.ritMatrixY);
    json.key("globalStiffness");
    json.values(results.globalStiffness);
    json.key("familyCountX");
    json.value(results.familyCountX);
    json.key("familyCountY");
    json.value(results.familyCountY);
    json.key("familyX");
    json.values(results.familyX);
    json.key("familyY");
    json.values(results.familyY);
    json.key("stiffnessCentreX");
    json.values(results.stiffnessCentreX);
    json.key("stiffnessCentreY");
    json.values(results.stiffnessCentreY);
    json.key("stiffnessWeightX");
    json.values(results.stiffnessWeightX);
    json.key("stiffnessWeightY");
    json.values(results.stiffnessWeightY);
    json.key("familySizeX");
    json.values(results.familySizeX);
    json.key("familySizeY");
    json.values(results.familySizeY);
    json.key("familyMeanMatrixX");
    json.values(results.familyMeanMatrixX);
    json.key("familyMeanMatrixY");
    json.values(results.familyMeanMatrixY);
    json.key("deformedShape");
    json.values(results.deformedShape);
    if (seismic) {
        json.key("seismic");
        writeSeismic(json, *seismic);
    }
    json.key("messages");
    writeMessages(json, messages);
    json.endObject();
    return json.text() + '\n';
}

} // namespace orvanta::cli
