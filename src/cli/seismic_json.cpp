#include "seismic_json.h"

namespace orvanta::cli {

namespace {

// [[a, b] per storey] of two fields of the storey rows.
void writePairs(JsonWriter& json, const Array1<StoreyRegularity>& storeys,
                double StoreyRegularity::*first, double StoreyRegularity::*second) {
    json.beginArray();
    for (const StoreyRegularity& row : storeys.values()) {
        json.beginArray();
        json.value(row.*first);
        json.value(row.*second);
        json.endArray();
    }
    json.endArray();
}

void writeChecks(JsonWriter& json, const Array1<StoreyRegularity>& storeys) {
    json.beginArray();
    for (const StoreyRegularity& row : storeys.values()) {
        json.beginObject();
        json.key("eccentricityX");
        json.boolean(row.eccentricityXPasses);
        json.key("eccentricityY");
        json.boolean(row.eccentricityYPasses);
        json.key("radiusX");
        json.boolean(row.radiusXPasses);
        json.key("radiusY");
        json.boolean(row.radiusYPasses);
        json.endObject();
    }
    json.endArray();
}

void writeModes(JsonWriter& json, const SeismicResults& seismic) {
    if (!seismic.hasModes()) {
        for (const char* key : {"periods", "massRatio", "rotationalShare"}) {
            json.key(key);
            json.null();
        }
        return;
    }
    const std::span<const VibrationMode> modes = seismic.modes.values();
    json.key("periods");
    json.beginArray();
    for (const VibrationMode& mode : modes)
        json.value(mode.period);
    json.endArray();
    json.key("massRatio");
    json.beginArray();
    for (const VibrationMode& mode : modes) {
        json.beginArray();
        json.value(mode.massRatioX);
        json.value(mode.massRatioY);
        json.value(mode.massRatioRotation);
        json.endArray();
    }
    json.endArray();
    json.key("rotationalShare");
    json.beginArray();
    for (const VibrationMode& mode : modes)
        json.value(mode.rotationalShare);
    json.endArray();
}

// W, G* and ls of every floor: "storeyWeight" [N], "seismicMassCentre" [[x, y]] and
// "floorGyrationRadius" [ls] in mm.
void writeFloorMasses(JsonWriter& json, const std::vector<StoreySeismicMass>& masses) {
    json.key("storeyWeight");
    json.beginArray();
    for (const StoreySeismicMass& mass : masses)
        json.value(mass.weight);
    json.endArray();
    json.key("seismicMassCentre");
    json.beginArray();
    for (const StoreySeismicMass& mass : masses) {
        json.beginArray();
        json.value(mass.centreX);
        json.value(mass.centreY);
        json.endArray();
    }
    json.endArray();
    json.key("floorGyrationRadius");
    json.beginArray();
    for (const StoreySeismicMass& mass : masses)
        json.value(mass.gyrationRadius);
    json.endArray();
}

} // namespace

void writeSeismic(JsonWriter& json, const SeismicResults& seismic) {
    if (!seismic.hasRegularity()) {
        json.null();
        return;
    }
    const Array1<StoreyRegularity>& storeys = seismic.storeys;
    json.beginObject();
    json.key("youngModulus");
    json.value(seismic.youngModulus);
    json.key("crackedFactor");
    json.value(seismic.crackedFactor);
    json.key("storeyMass");
    json.values(seismic.storeyMass);
    writeFloorMasses(json, seismic.floorMasses);
    json.key("rigidityCentre");
    writePairs(json, storeys, &StoreyRegularity::rigidityCentreX,
               &StoreyRegularity::rigidityCentreY);
    json.key("lateralStiffness");
    writePairs(json, storeys, &StoreyRegularity::lateralStiffnessX,
               &StoreyRegularity::lateralStiffnessY);
    json.key("torsionalStiffness");
    json.beginArray();
    for (const StoreyRegularity& row : storeys.values())
        json.value(row.torsionalStiffness);
    json.endArray();
    json.key("torsionalRadius");
    writePairs(json, storeys, &StoreyRegularity::torsionalRadiusX,
               &StoreyRegularity::torsionalRadiusY);
    json.key("eccentricity");
    writePairs(json, storeys, &StoreyRegularity::eccentricityX, &StoreyRegularity::eccentricityY);
    json.key("storeyChecks");
    writeChecks(json, storeys);
    json.key("regularInPlan");
    json.boolean(seismic.regularInPlan);
    json.key("torsionallyFlexible");
    json.boolean(seismic.torsionallyFlexible);
    writeModes(json, seismic);
    json.endObject();
}

} // namespace orvanta::cli
