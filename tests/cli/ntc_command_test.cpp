// `orvanta-cli analyse --ntc`: the parameter file, its refusals and the "ntc2018" object.

#include "generated_buildings.h"
#include "json_reader.h"
#include "ntc_parameters.h"
#include "project_file.h"
#include "test_paths.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/wait.h>

namespace orvanta {
namespace {

using testing::Json;

struct CliRun {
    int status = -1;
    Json json;
};

CliRun analyse(const std::filesystem::path& project, const std::string& options,
               const std::filesystem::path& folder) {
    const std::filesystem::path out = folder / (project.stem().string() + ".json");
    std::filesystem::remove(out);
    const std::string command = std::string("'") + ORVANTA_CLI + "' analyse '" + project.string() +
                                "' " + options + " --json '" + out.string() + "' 2>/dev/null";
    CliRun run;
    const int raw = std::system(command.c_str());
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    if (run.status == 0)
        run.json = testing::parseJson(testing::readBytes(out));
    return run;
}

const char* const site = R"({"SLO": {"ag": 0.06, "F0": 2.5, "Tc": 0.25},
 "SLD": {"ag": 0.08, "F0": 2.5, "Tc": 0.27}, "SLV": {"ag": 0.2, "F0": 2.4, "Tc": 0.3},
 "soil": "B", "topography": "T1", "useClass": 2, "ductility": "B", "structure": "frame",
 "infill": "fragile")";

std::string parameters(const std::filesystem::path& folder, const std::string& name,
                       const std::string& extra) {
    const std::filesystem::path path = folder / name;
    std::ofstream(path) << site << extra << "}";
    return "--ntc '" + path.string() + "'";
}

std::filesystem::path saved(const Model& m, const std::filesystem::path& folder,
                            const std::string& name) {
    const std::filesystem::path path = folder / name;
    EXPECT_EQ(writeProjectFile(m, path.string()), "");
    return path;
}

TEST(NtcCommand, WritesEveryKeyWithItsShape) {
    const std::filesystem::path folder = testing::outputFolder("ntc_keys");
    const std::filesystem::path project = saved(testing::regularBuilding(3, 3, 2), folder, "b.orv");
    const CliRun run = analyse(project, parameters(folder, "p.json", ""), folder);
    ASSERT_EQ(run.status, 0);
    ASSERT_TRUE(run.json.has("ntc2018"));
    const Json& ntc = run.json["ntc2018"];
    ASSERT_EQ(ntc.kind, Json::Kind::Object);
    // Frame of several bays and storeys, CD"B": αu/α1 = 1.3 and q0 = 3.9 (or 3.45 when the
    // torsional checks find the plan irregular).
    EXPECT_EQ(ntc["alphaU"].number, 1.3);
    EXPECT_EQ(ntc["KR"].number, 1);
    for (const char* state : {"SLO", "SLD", "SLV"})
        EXPECT_EQ(ntc["spectra"][state].size(), 4u) << state;
    EXPECT_NEAR(ntc["spectra"]["SLV"]["TD"].number, 2.4, 1e-12);
    for (const char* key : {"T1", "lambda", "SdSLV", "baseShearSLV", "muD"})
        EXPECT_EQ(ntc[key].size(), 2u) << key;
    for (const char* key : {"storeyForcesSLV", "accidentalEccentricity", "theta"}) {
        ASSERT_EQ(ntc[key].size(), 2u) << key;
        EXPECT_EQ(ntc[key][1].size(), 2u) << key;
    }
    for (std::size_t d = 0; d < 2; ++d) {
        const double sum =
            ntc["storeyForcesSLV"][d][0].number + ntc["storeyForcesSLV"][d][1].number;
        EXPECT_NEAR(sum, ntc["baseShearSLV"][d].number, 1e-9 * sum);
    }
    for (const char* c : {"X+", "X-", "Y+", "Y-"}) {
        ASSERT_EQ(ntc["displacementsSLV"][c].size(), 3u) << c;
        EXPECT_EQ(ntc["displacementsSLV"][c][2].size(), 2u) << c;
        EXPECT_EQ(ntc["drift"][c].size(), 2u) << c;
    }
    EXPECT_GT(ntc["displacementsSLV"]["X+"][0][1].number, 0);
    // Fragile infills at SLD: 0.005·h.
    const Json& z = run.json["levelZ"];
    EXPECT_NEAR(ntc["driftLimit"][0].number, 0.005 * (z[1].number - z[0].number), 1e-12);
    EXPECT_NEAR(ntc["driftLimit"][1].number, 0.005 * (z[2].number - z[1].number), 1e-12);
    ASSERT_EQ(ntc["rittoShearSLV"]["orthogonalToX"].size(), 9u);
    EXPECT_EQ(ntc["rittoShearSLV"]["orthogonalToY"][8].size(), 2u);
}

TEST(NtcCommand, RefusesUnknownKeysAndValuesOutOfRange) {
    const std::filesystem::path folder = testing::outputFolder("ntc_refused");
    const std::filesystem::path project = saved(testing::regularBuilding(3, 3, 2), folder, "b.orv");
    EXPECT_EQ(analyse(project, parameters(folder, "a.json", R"(, "colour": 1)"), folder).status, 1);
    EXPECT_EQ(analyse(project, parameters(folder, "b.json", R"(, "q": 11)"), folder).status, 1);
    EXPECT_EQ(
        analyse(project, parameters(folder, "c.json", R"(, "concreteClass": 9)"), folder).status,
        1);
    EXPECT_EQ(analyse(project, parameters(folder, "d.json", R"(, "q": 10)"), folder).status, 0);
    EXPECT_EQ(analyse(project, "--ntc '" + (folder / "missing.json").string() + "'", folder).status,
              1);
}

TEST(NtcCommand, TakesTheProjectsOwnParametersWhenTheOptionIsAbsent) {
    const std::filesystem::path folder = testing::outputFolder("ntc_project");
    Model m = testing::regularBuilding(3, 3, 2);
    const CliRun without = analyse(saved(m, folder, "without.orv"), "", folder);
    ASSERT_EQ(without.status, 0);
    EXPECT_FALSE(without.json.has("ntc2018"));

    NtcParameters p;
    p.hazard = {SiteHazard{0.06, 2.5, 0.25}, SiteHazard{0.08, 2.5, 0.27},
                SiteHazard{0.2, 2.4, 0.3}};
    p.behaviourFactor = 2.0;
    writeNtcParameters(m.settings, p);
    const CliRun with = analyse(saved(m, folder, "with.orv"), "", folder);
    ASSERT_EQ(with.status, 0);
    ASSERT_TRUE(with.json.has("ntc2018"));
    EXPECT_EQ(with.json["ntc2018"]["q"].number, 2.0);
}

} // namespace
} // namespace orvanta
