// Runs the built orvanta-cli the way a script would and reads its JSON.

#include "concrete.h"
#include "generated_buildings.h"
#include "json_reader.h"
#include "numbering.h"
#include "project_file.h"
#include "sample_models.h"
#include "test_paths.h"

#include <cmath>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
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
    if (run.status == 0 || run.status == 4) // 4: written, but the calculation did not complete
        run.json = testing::parseJson(testing::readBytes(out));
    return run;
}

std::filesystem::path save(const Model& m, const std::filesystem::path& folder,
                           const std::string& name) {
    const std::filesystem::path path = folder / name;
    EXPECT_EQ(writeProjectFile(m, path.string()), "");
    return path;
}

// Every key of the contract, with its shape.
void expectContract(const Json& j, const std::string& name) {
    const std::vector<std::string> keys = {"counts",
                                           "levelZ",
                                           "coordX",
                                           "coordY",
                                           "beamLoads",
                                           "massCentre",
                                           "gyrationRadius",
                                           "storeyForce",
                                           "ritStoreys",
                                           "ritElementsX",
                                           "ritElementsY",
                                           "ritMatrixX",
                                           "ritMatrixY",
                                           "globalStiffness",
                                           "familyCountX",
                                           "familyCountY",
                                           "familyX",
                                           "familyY",
                                           "stiffnessCentreX",
                                           "stiffnessCentreY",
                                           "stiffnessWeightX",
                                           "stiffnessWeightY",
                                           "familySizeX",
                                           "familySizeY",
                                           "familyMeanMatrixX",
                                           "familyMeanMatrixY",
                                           "deformedShape",
                                           "incompleteStages",
                                           "messages"};
    for (const std::string& key : keys)
        ASSERT_TRUE(j.has(key)) << name << ": " << key;
    const auto n = static_cast<std::size_t>(j["counts"]["nX"].number * j["counts"]["nY"].number +
                                            j["counts"]["nExtra"].number);
    const auto storeys = static_cast<std::size_t>(j["counts"]["nStoreys"].number);
    const auto familiesX = static_cast<std::size_t>(j["familyCountX"].number);
    const auto familiesY = static_cast<std::size_t>(j["familyCountY"].number);
    EXPECT_EQ(j["ritStoreys"].size(), n) << name;
    for (const char* key : {"ritElementsX", "ritElementsY"}) {
        ASSERT_EQ(j[key].size(), n) << name;
        EXPECT_EQ(j[key][0].size(), 3 * storeys) << name;
        EXPECT_EQ(j[key][0][0].size(), 5u) << name;
    }
    for (const char* key : {"ritMatrixX", "ritMatrixY"}) {
        ASSERT_EQ(j[key].size(), n) << name;
        EXPECT_EQ(j[key][n - 1].size(), storeys) << name;
        EXPECT_EQ(j[key][n - 1][0].size(), storeys) << name;
    }
    EXPECT_EQ(j["globalStiffness"].size(), 3 * storeys) << name;
    EXPECT_EQ(j["globalStiffness"][0].size(), 3 * storeys) << name;
    EXPECT_EQ(j["familyX"].size(), n) << name;
    EXPECT_EQ(j["stiffnessWeightY"].size(), n) << name;
    EXPECT_EQ(j["stiffnessCentreX"].size(), familiesX) << name;
    EXPECT_EQ(j["familySizeY"].size(), familiesY) << name;
    EXPECT_EQ(j["familyMeanMatrixX"].size(), familiesX) << name;
    EXPECT_EQ(j["familyMeanMatrixX"][0].size(), storeys) << name;
    ASSERT_EQ(j["deformedShape"].size(), 2u) << name;
    EXPECT_EQ(j["deformedShape"][0].size(), storeys + 1) << name;
    EXPECT_EQ(j["deformedShape"][0][0].number, 0) << name; // the base comes first
    for (const Json& message : j["messages"].items) {
        EXPECT_TRUE(message.has("title") && message.has("text") && message.has("icon")) << name;
        const double icon = message["icon"].number;
        EXPECT_TRUE(icon == 16 || icon == 48 || icon == 64) << name;
    }
}

// The "seismic" object of a building whose regularity and modes were computed, with its shapes.
void expectSeismic(const Json& j, const std::string& name) {
    ASSERT_TRUE(j.has("seismic")) << name;
    const Json& seismic = j["seismic"];
    ASSERT_EQ(seismic.kind, Json::Kind::Object) << name;
    const auto storeys = static_cast<std::size_t>(j["counts"]["nStoreys"].number);
    for (const char* key : {"storeyMass", "storeyWeight", "floorGyrationRadius",
                            "torsionalStiffness", "storeyChecks"})
        EXPECT_EQ(seismic[key].size(), storeys) << name << ": " << key;
    // The mass is the weight over g = 9810 mm/s².
    EXPECT_NEAR(seismic["storeyMass"][0].number * 9810, seismic["storeyWeight"][0].number,
                1e-6 * seismic["storeyWeight"][0].number)
        << name;
    for (const char* key : {"rigidityCentre", "lateralStiffness", "torsionalRadius", "eccentricity",
                            "seismicMassCentre"}) {
        ASSERT_EQ(seismic[key].size(), storeys) << name << ": " << key;
        EXPECT_EQ(seismic[key][0].size(), 2u) << name << ": " << key;
    }
    for (const char* key : {"eccentricityX", "eccentricityY", "radiusX", "radiusY"})
        EXPECT_EQ(seismic["storeyChecks"][0][key].kind, Json::Kind::Boolean) << name << key;
    EXPECT_EQ(seismic["regularInPlan"].kind, Json::Kind::Boolean) << name;
    EXPECT_EQ(seismic["torsionallyFlexible"].kind, Json::Kind::Boolean) << name;
    EXPECT_GT(seismic["youngModulus"].number, 0) << name;
    ASSERT_EQ(seismic["periods"].size(), 3 * storeys) << name;
    ASSERT_EQ(seismic["massRatio"].size(), 3 * storeys) << name;
    EXPECT_EQ(seismic["rotationalShare"].size(), 3 * storeys) << name;
    double x = 0;
    for (std::size_t i = 0; i < 3 * storeys; ++i) {
        EXPECT_EQ(seismic["massRatio"][i].size(), 3u) << name;
        x += seismic["massRatio"][i][0].number;
        if (i > 0) {
            EXPECT_LE(seismic["periods"][i].number, seismic["periods"][i - 1].number) << name;
        }
    }
    EXPECT_NEAR(x, 1, 1e-9) << name;
}

TEST(AnalyseCommand, GivesEveryKeyOfTheContract) {
    const std::filesystem::path folder = testing::outputFolder("analyse_contract");
    const CliRun run = analyse(save(testing::regularBuilding(4, 3, 5), folder, "frame.orv"),
                               "--families-x 3 --families-y 2", folder);
    ASSERT_EQ(run.status, 0);
    expectContract(run.json, "frame");
    EXPECT_EQ(run.json["familyCountX"].number, 3);
    EXPECT_EQ(run.json["familyCountY"].number, 2);
    EXPECT_EQ(run.json["messages"].size(), 0u);
    EXPECT_EQ(run.json["familyMeanMatrixX"][0][0][0].number, 1000);
    EXPECT_FALSE(run.json.has("seismic")); // only when asked for
    // The largest top displacement is drawn 2000 long.
    const double topX = run.json["deformedShape"][0][5].number;
    const double topY = run.json["deformedShape"][1][5].number;
    EXPECT_DOUBLE_EQ(std::max(topX, topY), 2000);
}

TEST(AnalyseCommand, GivesEveryKeyOnEveryExample) {
    const std::filesystem::path folder = testing::outputFolder("analyse_examples");
    int examples = 0;
    if (std::filesystem::exists(testing::example(""))) {
        for (const auto& entry : std::filesystem::directory_iterator(testing::example(""))) {
            if (entry.path().extension() != ".orv")
                continue;
            const CliRun run =
                analyse(entry.path(), "--families-x 2 --families-y 2 --seismic", folder);
            ASSERT_EQ(run.status, 0) << entry.path();
            expectContract(run.json, entry.path().filename().string());
            expectSeismic(run.json, entry.path().filename().string());
            EXPECT_EQ(run.json["messages"].size(), 0u) << entry.path();
            ++examples;
        }
    }
    if (examples == 0)
        GTEST_SKIP() << "no examples";
}

TEST(AnalyseCommand, FamilyCountsFollowTheCountRules) {
    const std::filesystem::path folder = testing::outputFolder("analyse_family_counts");
    const std::filesystem::path project = save(testing::regularBuilding(3, 3, 4), folder, "f.orv");
    // 9 slots: 40 is brought down to 9; "due" is no number and leaves family 1.
    const CliRun run = analyse(project, "--families-x 40 --families-y due", folder);
    ASSERT_EQ(run.status, 0);
    expectContract(run.json, "counts");
    EXPECT_EQ(run.json["familyCountX"].number, 9);
    EXPECT_EQ(run.json["familyCountY"].number, 1);
    const Json& messages = run.json["messages"];
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0]["title"].text, "Nodo Inesistente");
    EXPECT_EQ(messages[0]["icon"].number, 16);
    EXPECT_EQ(messages[0]["text"].text,
              "Il numero di famiglie specificato è superiore al numero di ritti\n"
              "Sarà adottato un numero di famiglie pari al numero di ritti");
    EXPECT_EQ(messages[1]["icon"].number, 48);
    for (const Json& f : run.json["familyY"].items)
        EXPECT_EQ(f.number, 1);
}

TEST(AnalyseCommand, RedistributionThatStopsKeepsTheStoredLoads) {
    const std::filesystem::path folder = testing::outputFolder("analyse_redistribute");
    Model m = testing::regularBuilding(3, 3, 2);
    const double stored = m.beamLoads(1, 1);
    // A slab spanning along X whose beams along Y are all gone on its row: no beam to rest on.
    for (int n = 1; n <= 6; ++n)
        m.members(2, numbering::beamYSlot(m.counts, n), member::present) = 0;
    const CliRun run = analyse(save(m, folder, "broken.orv"), "--redistribute", folder);
    ASSERT_EQ(run.status, 0);
    expectContract(run.json, "broken");
    ASSERT_GE(run.json["messages"].size(), 1u);
    EXPECT_EQ(run.json["messages"][0]["title"].text, "Errore di immissione dei carichi");
    EXPECT_EQ(run.json["beamLoads"][0][0].number, stored);

    // On a sound building the distribution runs again and gives the stored results.
    const CliRun again = analyse(save(testing::regularBuilding(3, 3, 2), folder, "sound.orv"),
                                 "--redistribute", folder);
    ASSERT_EQ(again.status, 0);
    EXPECT_EQ(again.json["messages"].size(), 0u);
    EXPECT_EQ(again.json["beamLoads"][0][0].number, stored);
}

TEST(AnalyseCommand, SeismicKeysSayWhatCouldNotBeComputed) {
    const std::filesystem::path folder = testing::outputFolder("analyse_seismic");
    // The concrete class sets Ecm (NTC 2018 §11.2.10.3), the cracked factor scales it; a comma
    // reads as a decimal point.
    const Model sound = testing::regularBuilding(3, 3, 2);
    const CliRun rck = analyse(save(sound, folder, "sound.orv"), "--rck 45", folder);
    ASSERT_EQ(rck.status, 0);
    expectSeismic(rck.json, "rck");
    EXPECT_NEAR(rck.json["seismic"]["youngModulus"].number, 34625.5, 0.1);
    const CliRun decimal = analyse(folder / "sound.orv", "--seismic --rck 30,25", folder);
    EXPECT_DOUBLE_EQ(decimal.json["seismic"]["youngModulus"].number, secantModulus(30.25));
    const CliRun cracked = analyse(folder / "sound.orv", "--rck 45 --cracked 0,5", folder);
    ASSERT_EQ(cracked.status, 0);
    EXPECT_NEAR(cracked.json["seismic"]["youngModulus"].number, 0.5 * 34625.5, 0.1);
    EXPECT_EQ(cracked.json["seismic"]["crackedFactor"].number, 0.5);
    EXPECT_EQ(analyse(folder / "sound.orv", "--rck trenta", folder).status, 1);
    EXPECT_EQ(analyse(folder / "sound.orv", "--rck -30", folder).status, 1);
    EXPECT_EQ(analyse(folder / "sound.orv", "--cracked 0,49", folder).status, 1);
    EXPECT_EQ(analyse(folder / "sound.orv", "--cracked 1,01", folder).status, 1);

    // Storey 2 carries nothing (no slab, weightless members): the regularity stands, the modes
    // are null.
    Model massless = sound;
    massless.settings.setNumber(settingKey::unitWeight, 0);
    for (int b = 1; b <= massless.sizes().bays; ++b)
        setSlabPresent(massless, 2, b, false);
    const CliRun noMass = analyse(save(massless, folder, "massless.orv"), "--seismic", folder);
    ASSERT_EQ(noMass.status, 0);
    const Json& seismic = noMass.json["seismic"];
    ASSERT_EQ(seismic.kind, Json::Kind::Object);
    EXPECT_EQ(seismic["storeyMass"][1].number, 0);
    EXPECT_EQ(seismic["rigidityCentre"].size(), 2u);
    for (const char* key : {"periods", "massRatio", "rotationalShare"})
        EXPECT_EQ(seismic[key].kind, Json::Kind::Null) << key;
    ASSERT_EQ(noMass.json["messages"].size(), 1u);
    EXPECT_EQ(noMass.json["messages"][0]["title"].text, "Modi di Vibrare");

    // A storey without radius of gyration has no rotation: the matrix is singular (and the
    // calculation says it did not complete).
    Model flat = sound;
    flat.gyrationRadius(2) = 0;
    const CliRun singular = analyse(save(flat, folder, "flat.orv"), "--seismic", folder);
    ASSERT_EQ(singular.status, 4);
    EXPECT_EQ(singular.json["seismic"].kind, Json::Kind::Null);
    const Json& messages = singular.json["messages"];
    ASSERT_GE(messages.size(), 1u);
    EXPECT_EQ(messages[messages.size() - 1]["title"].text, "Regolarità Torsionale");
    EXPECT_NE(messages[messages.size() - 1]["text"].text.find("del piano 2 alla rotazione"),
              std::string::npos);
}

TEST(AnalyseCommand, CalculationThatDidNotCompleteWritesTheJsonAndExitsFour) {
    const std::filesystem::path folder = testing::outputFolder("analyse_incomplete");
    // The column on the extra node stands in storeys 1 and 3 but not 2, with no beam to hold
    // it: its top storey floats and both directions stop on a zero pivot at that ritto.
    Model m = testing::fullFrame(2, 2, 3, 1);
    for (int k = 1; k <= 3; ++k)
        m.gyrationRadius(k) = 1000;
    for (const int k : {1, 3})
        testing::setRectangle(m, k, numbering::columnSlot(m.counts, 5), 400, 400);
    const CliRun run = analyse(save(m, folder, "floating.orv"), "", folder);
    ASSERT_EQ(run.status, 4);
    expectContract(run.json, "floating");
    ASSERT_EQ(run.json["incompleteStages"].size(), 2u);
    EXPECT_EQ(run.json["incompleteStages"][0].text, "matrici dei ritti ortogonali ad X");
    EXPECT_EQ(run.json["incompleteStages"][1].text, "matrici dei ritti ortogonali ad Y");
    EXPECT_EQ(run.json["messages"][0]["title"].text, "Errore di Inversione della Matrice");
}

TEST(AnalyseCommand, UnreadableFileExitsWithStatusTwo) {
    const std::filesystem::path folder = testing::outputFolder("analyse_unreadable");
    std::ofstream(folder / "bad.orv") << "1,2,3\r\n2,2,1,0\r\nnon un numero";
    EXPECT_EQ(analyse(folder / "bad.orv", "", folder).status, 2);
    EXPECT_EQ(analyse(folder / "missing.orv", "", folder).status, 2);
}

} // namespace
} // namespace orvanta
