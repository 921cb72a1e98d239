// orvanta-cli export: the storey plans as DXF and every table of the result windows as CSV, run
// as a script runs them.

#include "test_paths.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/wait.h>

namespace orvanta {
namespace {

namespace fs = std::filesystem;

int run(const std::string& arguments, const fs::path& folder, std::string* err = nullptr) {
    const fs::path errFile = folder / "stderr.txt";
    const std::string command = std::string(ORVANTA_CLI) + " " + arguments + " >" +
                                (folder / "stdout.txt").string() + " 2>" + errFile.string();
    const int raw = std::system(command.c_str());
    if (err)
        *err = testing::readBytes(errFile);
    return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
}

const std::string project = "'" + testing::example("palazzina-4-piani.orv").string() + "'";

TEST(ExportCommand, WritesTheDxfPlanOfAStoreyOrOfEveryStoreySideBySide) {
    const fs::path folder = testing::outputFolder("cli-export-dxf");
    ASSERT_EQ(
        run("export " + project + " --dxf " + (folder / "p2.dxf").string() + " --storey 2", folder),
        0);
    const std::string one = testing::readBytes(folder / "p2.dxf");
    EXPECT_NE(one.find("AC1009"), std::string::npos);
    EXPECT_NE(one.find("Pianta del piano 2"), std::string::npos);
    EXPECT_EQ(one.find("Pianta del piano 1"), std::string::npos);
    ASSERT_EQ(run("export " + project + " --dxf " + (folder / "tutti.dxf").string(), folder), 0);
    const std::string every = testing::readBytes(folder / "tutti.dxf");
    EXPECT_NE(every.find("Pianta del piano 1"), std::string::npos);
    EXPECT_NE(every.find("Pianta del piano 4"), std::string::npos);
}

TEST(ExportCommand, AStoreyTheBuildingLacksIsRefusedAndNothingWritten) {
    const fs::path folder = testing::outputFolder("cli-export-storey");
    std::string err;
    EXPECT_EQ(run("export " + project + " --dxf " + (folder / "p.dxf").string() + " --storey 5",
                  folder, &err),
              1);
    EXPECT_NE(err.find("Il piano 5 non esiste"), std::string::npos) << err;
    EXPECT_FALSE(fs::exists(folder / "p.dxf"));
    EXPECT_EQ(run("export " + project, folder), 1); // nothing asked to export
}

TEST(ExportCommand, EveryTableAsCsvNamedAfterWindowAndTable) {
    const fs::path folder = testing::outputFolder("cli-export-csv");
    ASSERT_EQ(run("export " + project + " --csv " + (folder / "it").string(), folder), 0);
    for (const char* name :
         {"frmFamiglieX-mfgRitti", "frmFamiglieY-mfgRitti", "frmMatrice-mfgKxx",
          "frmMatrice-mfgKzz", "frmCentri-mfgBaricentri", "frmCentri-mfgCentriRigidezza",
          "frmRegolarita-mfgPiani", "frmRegolarita-mfgModi"})
        EXPECT_TRUE(fs::exists(folder / "it" / (std::string(name) + ".csv"))) << name;
    const std::string italian = testing::readBytes(folder / "it" / "frmCentri-mfgBaricentri.csv");
    EXPECT_EQ(italian.rfind("\xEF\xBB\xBFPiano;C.M. X [mm];C.M. Y [mm]\r\n", 0), 0u) << italian;

    ASSERT_EQ(
        run("export " + project + " --decimal-point --csv " + (folder / "en").string(), folder), 0);
    const std::string english = testing::readBytes(folder / "en" / "frmCentri-mfgBaricentri.csv");
    EXPECT_EQ(english.rfind("\xEF\xBB\xBFPiano,C.M. X [mm],C.M. Y [mm]\r\n", 0), 0u) << english;
    EXPECT_EQ(english.find(';'), std::string::npos);
}

} // namespace
} // namespace orvanta
