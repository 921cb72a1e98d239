// The batch tool, run as a separate process exactly as a user or a script runs it.

#include "project_file.h"
#include "sample_models.h"
#include "test_paths.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <tuple>

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

// The hand-made bad files of the test data: a file that cannot be read ends with exit 2 and one
// line; a model that fails the check with exit 3 and the check's message, naming the element.
TEST(Cli, EachBadFileIsRefusedWithItsReason) {
    const fs::path folder = testing::outputFolder("cli-bad-files");
    const fs::path fifo = folder / "coda.orv";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const std::tuple<std::string, int, const char*> cases[] = {
        {testing::testData("planscale-oltre-la-precisione-singola.orv"), 2, "campo 14 supera"},
        {testing::testData("piani-10922-su-griglia-2x2.orv"), 2, "fuori dai limiti"},
        {folder.string(), 2, "cartella"},
        {fifo.string(), 2, "coda (FIFO)"},
        {(folder / "a\ncapo.orv").string(), 2, "a\\ncapo.orv"},
        {testing::testData("pilastro-base-zero.orv"), 3, "piano 1, pilastro al nodo 1: base non"},
        {testing::testData("cassone-pareti-troppo-spesse.orv"), 3, "troppo spesse"},
        {testing::testData("trave-altezza-1e-300.orv"), 3, "trave in X tra i nodi 1 e 2"},
        {testing::testData("quote-uguali.orv"), 3, "quota 2: non supera di almeno 1 mm"},
        {testing::testData("allineamenti-distanti-1e300.orv"), 3, "a più di 10 km"},
        {testing::testData("solaio-direzione-7.orv"), 3, "solaio della campata 1: direzione"},
        {testing::testData("presenza-2.orv"), 3, "indicatore di presenza 2"},
    };
    for (const auto& [path, status, reason] : cases) {
        const CliRun run = runCli("analyse \"" + path + "\"", folder);
        EXPECT_EQ(run.status, status) << path << ": " << run.err;
        EXPECT_NE(run.err.find(reason), std::string::npos) << path << ": " << run.err;
        EXPECT_TRUE(run.out.empty()) << path;
        if (status == 2)
            EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
        else
            EXPECT_EQ(run.err.rfind("orvanta-cli: Il modello contiene dati non validi", 0), 0u);
    }
}

// Memory that runs out during the analysis is one line and exit 5, not an abort.
TEST(Cli, RunningOutOfMemoryIsReportedOnOneLine) {
    const fs::path folder = testing::outputFolder("cli-out-of-memory");
    const fs::path project = folder / "grande.orv";
    ASSERT_EQ(writeProjectFile(testing::fullFrame(40, 40, 60), project.string()), "");
    const std::string command =
        "analyse '" + project.string() + "' --json '" + (folder / "grande.json").string() + "'";
    const fs::path err = folder / "stderr.txt";
    const int raw = std::system(
        ("ulimit -v 100000; " + std::string(ORVANTA_CLI) + " " + command + " 2>" + err.string())
            .c_str());
    ASSERT_TRUE(WIFEXITED(raw));
    EXPECT_EQ(WEXITSTATUS(raw), 5);
    EXPECT_EQ(testing::readBytes(err),
              "orvanta-cli: Memoria insufficiente per l'analisi. Chiudere altri programmi e "
              "riprovare.\n");
}

} // namespace
} // namespace orvanta
