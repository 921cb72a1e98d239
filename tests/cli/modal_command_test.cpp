// `orvanta-cli analyse --ntc`: the code's regularity, the method that governs and the modal
// analysis inside "ntc2018", with the shapes of the static keys.

#include "generated_buildings.h"
#include "json_reader.h"
#include "project_file.h"
#include "test_paths.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/wait.h>

namespace orvanta {
namespace {

using testing::Json;

Json analysed(const Model& m, const std::string& name) {
    const std::filesystem::path folder = testing::outputFolder("modal_" + name);
    const std::filesystem::path project = folder / (name + ".orv");
    EXPECT_EQ(writeProjectFile(m, project.string()), "");
    const std::filesystem::path parameters = folder / "p.json";
    std::ofstream(parameters) << R"({"SLO": {"ag": 0.06, "F0": 2.5, "Tc": 0.25},
 "SLD": {"ag": 0.08, "F0": 2.5, "Tc": 0.27}, "SLV": {"ag": 0.2, "F0": 2.4, "Tc": 0.3},
 "soil": "B", "topography": "T1", "useClass": 2, "ductility": "B", "structure": "frame",
 "infill": "fragile"})";
    const std::filesystem::path out = folder / (name + ".json");
    const std::string command = std::string("'") + ORVANTA_CLI + "' analyse '" + project.string() +
                                "' --ntc '" + parameters.string() + "' --json '" + out.string() +
                                "' 2>/dev/null";
    const int raw = std::system(command.c_str());
    EXPECT_TRUE(WIFEXITED(raw) && WEXITSTATUS(raw) == 0);
    return testing::parseJson(testing::readBytes(out));
}

TEST(ModalCommand, WritesTheRegularityTheMethodAndTheModalKeysWithTheirShapes) {
    const Json json = analysed(testing::regularBuilding(3, 3, 2), "keys");
    const Json& ntc = json["ntc2018"];
    ASSERT_EQ(ntc.kind, Json::Kind::Object);
    const Json& r = ntc["regularity"];
    EXPECT_EQ(r["elevation"].kind, Json::Kind::Boolean);
    EXPECT_EQ(r["plan"].kind, Json::Kind::Boolean);
    EXPECT_EQ(r["massVariation"].size(), 1u);
    ASSERT_EQ(r["stiffnessRatio"].size(), 2u);
    EXPECT_EQ(r["stiffnessRatio"][0].size(), 1u);
    EXPECT_EQ(r["wallShare"].size(), 2u);
    ASSERT_EQ(r["setback"].size(), 2u);
    EXPECT_EQ(r["setback"][0].size(), 2u);
    EXPECT_EQ(r["setback"][1][0].number, 0);
    EXPECT_EQ(r["aspectRatio"].size(), 2u);
    // A full rectangle of slabs is its own hull.
    EXPECT_NEAR(r["hullExcess"][0].number, 0, 1e-12);
    // KR follows the verdict in elevation, the parameters not stating it.
    EXPECT_EQ(ntc["KR"].number, r["elevation"].truth ? 1.0 : 0.8);

    const std::string method = ntc["governingMethod"].text;
    EXPECT_TRUE(method == "lateral forces" || method == "modal") << method;
    const double tc = ntc["spectra"]["SLV"]["TC"].number, td = ntc["spectra"]["SLV"]["TD"].number;
    bool longPeriod = false;
    for (const std::size_t axis : {0u, 1u}) {
        const double t1 = ntc["T1"][axis].number;
        longPeriod = longPeriod || t1 > 2.5 * tc || t1 > td;
    }
    EXPECT_EQ(method == "modal", !r["elevation"].truth || longPeriod);

    const Json& modal = ntc["modal"];
    ASSERT_EQ(modal["participatingMass"].size(), 6u);
    double x = 0, y = 0;
    for (std::size_t j = 0; j < 6; ++j) {
        x += modal["participatingMass"][j][0].number;
        y += modal["participatingMass"][j][1].number;
    }
    EXPECT_NEAR(x, 1, 1e-9);
    EXPECT_NEAR(y, 1, 1e-9);
    for (const char* key : {"displacementsSLV", "drift"}) {
        for (const char* c : {"X+", "X-", "Y+", "Y-"})
            EXPECT_EQ(modal[key][c].size(), std::string(key) == "drift" ? 2u : 3u) << key << c;
    }
    EXPECT_EQ(modal["displacementsSLV"]["X+"][0].size(), 2u);
    // The torques are added in absolute value: both signs give the same displacement.
    EXPECT_EQ(modal["displacementsSLV"]["X+"][0][1].number,
              modal["displacementsSLV"]["X-"][0][1].number);
    for (const char* key : {"storeyShearSLV", "theta"}) {
        ASSERT_EQ(modal[key].size(), 2u) << key;
        EXPECT_EQ(modal[key][0].size(), 2u) << key;
    }
    EXPECT_GT(modal["storeyShearSLV"][0][0].number, 0);
    EXPECT_EQ(modal["rittoShearSLV"]["orthogonalToX"].size(), 9u);
    EXPECT_EQ(modal["rittoShearSLV"]["orthogonalToY"][0].size(), 2u);
}

} // namespace
} // namespace orvanta
