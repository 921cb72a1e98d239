// The batch tool, run as a separate process exactly as a user or a script runs it.

#include "pdf_inspection.h"
#include "project_file.h"
#include "sample_models.h"
#include "test_paths.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <ctime>
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
    EXPECT_EQ(runCli("report", folder).status, 1);
    EXPECT_EQ(runCli("report a.orv --rck zero", folder).status, 1);
    EXPECT_EQ(runCli("report a.orv --sconosciuta", folder).status, 1);
}

// pdftotext of one page of a report.
std::string reportPage(const fs::path& pdf, int page) {
    return testing::runTool("pdftotext -layout -enc UTF-8 -f " + std::to_string(page) + " -l " +
                            std::to_string(page) + " " + testing::quoted(pdf) + " -")
        .output;
}

TEST(CliReport, EveryExampleGetsItsReportBesideItOrWhereAsked) {
    const fs::path folder = testing::outputFolder("cli-report");
    for (const fs::path& example : examples()) {
        // Beside a copy of the project, with its name.
        const fs::path copy = folder / example.filename();
        fs::copy_file(example, copy);
        const CliRun beside =
            runCli("report '" + copy.string() + "' --families-x 2 --families-y 3", folder);
        ASSERT_EQ(beside.status, 0) << example << ": " << beside.err;
        const fs::path pdf = folder / (example.stem().string() + ".pdf");
        EXPECT_NE(beside.out.find(pdf.string()), std::string::npos) << beside.out;
        testing::expectQpdfClean(pdf);
    }
    // The user's texts, today's date in Italian form and Italian numbers under the C locale.
    const fs::path out = folder / "altrove" / "relazione.pdf";
    fs::create_directory(out.parent_path());
    const CliRun asked =
        runCli("report '" + testing::example("palazzina-4-piani.orv").string() +
                   "' --descrizione 'Palazzina «Le Querce»' --progettista 'Ing. Niccolò D’Angelo' "
                   "--ubicazione Assisi --committente 'Comune di Assisi' --rck 35 --out '" +
                   out.string() + "'",
               folder);
    ASSERT_EQ(asked.status, 0) << asked.err;
    testing::expectQpdfClean(out);
    const std::string first = reportPage(out, 1);
    for (const char* text :
         {"Palazzina «Le Querce»", "Ing. Niccolò D’Angelo", "Assisi", "Comune di Assisi"})
        EXPECT_NE(first.find(text), std::string::npos) << text;
    const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    char today[16];
    std::strftime(today, sizeof today, "%d/%m/%Y", std::localtime(&now));
    EXPECT_NE(first.find(today), std::string::npos);
    EXPECT_NE(reportPage(out, 6).find("8.500"), std::string::npos); // C.M. X of the example
    EXPECT_NE(reportPage(out, 7).find("Rck 35"), std::string::npos);
}

TEST(CliReport, AReportThatCannotBeWrittenExitsWithOneAndSaysWhy) {
    const fs::path folder = testing::outputFolder("cli-report-failure");
    const fs::path out = folder / "manca" / "relazione.pdf";
    const CliRun run = runCli("report '" + testing::example("blocco-1-campata.orv").string() +
                                  "' --out '" + out.string() + "'",
                              folder);
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("non esiste"), std::string::npos) << run.err;
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    EXPECT_FALSE(fs::exists(out));
    EXPECT_EQ(runCli("report '" + (folder / "manca.orv").string() + "'", folder).status, 2);
}

TEST(CliReport, AnIncompleteCalculationIsPrintedAndExitsWithFour) {
    // A storey without radius of gyration: the global matrix leaves its rotation out.
    const fs::path folder = testing::outputFolder("cli-report-incomplete");
    Model model = *readProjectFile(testing::example("blocco-1-campata.orv").string()).model;
    model.gyrationRadius(1) = 0;
    const fs::path project = folder / "senza-raggio.orv";
    ASSERT_EQ(writeProjectFile(model, project.string()), "");
    const CliRun run = runCli("report '" + project.string() + "' --data 'Natale 2026'", folder);
    EXPECT_EQ(run.status, 4) << run.err;
    EXPECT_NE(run.err.find("calcolo non completato"), std::string::npos);
    const fs::path pdf = folder / "senza-raggio.pdf";
    testing::expectQpdfClean(pdf);
    EXPECT_NE(reportPage(pdf, 1).find("Natale 2026"), std::string::npos);
    EXPECT_NE(reportPage(pdf, 7).find("non sono stati"), std::string::npos);
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
