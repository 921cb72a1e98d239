// The batch tool, run as a separate process exactly as a user or a script runs it.

#include "test_paths.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/wait.h>

namespace orvanta {
namespace {

namespace fs = std::filesystem;

struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

CliRun runCli(const std::string& arguments, const fs::path& folder) {
    const fs::path out = folder / "stdout.txt";
    const fs::path err = folder / "stderr.txt";
    const std::string command =
        std::string(ORVANTA_CLI) + " " + arguments + " >" + out.string() + " 2>" + err.string();
    const int raw = std::system(command.c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, testing::readBytes(out),
            testing::readBytes(err)};
}

std::vector<fs::path> examples() {
    std::vector<fs::path> paths;
    for (const fs::directory_entry& entry : fs::directory_iterator(ORVANTA_EXAMPLES_DIR)) {
        if (entry.path().extension() == ".orv")
            paths.push_back(entry.path());
    }
    return paths;
}

TEST(Cli, ResaveReproducesEveryExampleByteForByte) {
    const fs::path folder = testing::outputFolder("cli-resave");
    ASSERT_GE(examples().size(), 2u);
    for (const fs::path& example : examples()) {
        const fs::path copy = folder / example.filename();
        const CliRun run =
            runCli("resave '" + example.string() + "' '" + copy.string() + "'", folder);
        ASSERT_EQ(run.status, 0) << example << ": " << run.err;
        EXPECT_EQ(testing::readBytes(copy), testing::readBytes(example)) << example;
    }
}

TEST(Cli, UnreadableFileExitsWithTwoAndOneLineOfReason) {
    const fs::path folder = testing::outputFolder("cli-unreadable");
    const fs::path broken = folder / "rotto.orv";
    std::string text = testing::readBytes(testing::example("blocco-1-campata.orv"));
    text.replace(text.find("300"), 3, "abc");
    std::ofstream(broken, std::ios::binary) << text;
    for (const std::string& command :
         {"analyse '" + broken.string() + "'",
          "resave '" + broken.string() + "' '" + (folder / "copia.orv").string() + "'",
          "analyse '" + (folder / "manca.orv").string() + "'"}) {
        const CliRun run = runCli(command, folder);
        EXPECT_EQ(run.status, 2) << command;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
        EXPECT_TRUE(run.out.empty());
    }
    EXPECT_FALSE(fs::exists(folder / "copia.orv"));
    EXPECT_NE(runCli("analyse '" + broken.string() + "'", folder).err.find("non è un numero"),
              std::string::npos);
}

TEST(Cli, AnalyseWritesTheModelAsJson) {
    const fs::path folder = testing::outputFolder("cli-analyse");
    const fs::path json = folder / "analisi.json";
    const CliRun run = runCli("analyse '" + testing::example("blocco-1-campata.orv").string() +
                                  "' --json " + json.string(),
                              folder);
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string text = testing::readBytes(json);
    EXPECT_NE(text.find("\"counts\":{\"nX\":2,\"nY\":2,\"nStoreys\":1,\"nExtra\":0}"),
              std::string::npos);
    EXPECT_NE(text.find("\"massCentre\":[[2500,2000]]"), std::string::npos);
    EXPECT_NE(text.find("\"messages\":[]"), std::string::npos);
}

TEST(Cli, WrongUsageExitsWithOne) {
    const fs::path folder = testing::outputFolder("cli-usage");
    EXPECT_EQ(runCli("", folder).status, 1);
    EXPECT_EQ(runCli("resave solo-uno.orv", folder).status, 1);
    EXPECT_EQ(runCli("analyse", folder).status, 1);
}

} // namespace
} // namespace orvanta
