#include "project_file.h"
#include "sample_models.h"
#include "test_paths.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace orvanta {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> splitRecords(const std::string& text) {
    std::vector<std::string> records;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        records.push_back(text.substr(start, end - start));
    records.push_back(text.substr(start)); // record 9, without a line end
    return records;
}

std::size_t fieldsOf(const std::string& record) {
    return static_cast<std::size_t>(std::count(record.begin(), record.end(), ',')) + 1;
}

void writeBytes(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// One storey on a 2 × 2 grid with a value in every field that shows where it lands.
Model oneBayBlock() {
    Model m = testing::fullFrame(2, 2, 1);
    m.planScale = 2.2f;
    testing::setSlab(m, 1, 1, 1, SlabSpan::alongY, 0.005, 0.002, 0.3);
    for (int s = 1; s <= 8; ++s)
        m.beamLoads(1, s) = 1000.5 * s;
    m.massCentre(1, 1) = 2500;
    m.massCentre(1, 2) = 2000;
    m.gyrationRadius(1) = 3201.5621187164;
    m.storeyForce(1) = 1;
    return m;
}

TEST(ProjectFile, OneStoreyTwoByTwoLayout) {
    const std::vector<std::string> records = splitRecords(projectText(oneBayBlock()));
    // 1 + 1 + 1 header records, 8 member records, 1 slab, 1 loads, 1 centre, 1 radius, 1 force.
    ASSERT_EQ(records.size(), 16u);
    EXPECT_EQ(records[0], "5000,4000,3000");
    EXPECT_EQ(records[1], "2,2,1,0");
    EXPECT_EQ(records[2], "0,5000,0,4000,0,3000,2.2");
    for (int r = 3; r < 11; ++r)
        EXPECT_EQ(fieldsOf(records[r]), 6u) << records[r];
    EXPECT_EQ(records[3], "1,0,300,500,0,0");
    EXPECT_EQ(records[11], "1,2,.005,.002,.3,5000,4000");
    EXPECT_EQ(fieldsOf(records[12]), 8u);
    EXPECT_EQ(records[12].substr(0, 14), "1000.5,2001,30");
    EXPECT_EQ(records[13], "2500,2000");
    EXPECT_EQ(records[14], "3201.5621187164");
    EXPECT_EQ(records[15], "1,"); // the last record ends in a comma and no line end
}

TEST(ProjectFile, RecordThreeEndsInALineEndAndRecordNineInAComma) {
    Model m = testing::fullFrame(3, 2, 2, 1);
    m.storeyForce(1) = 1.0 / 3.0;
    m.storeyForce(2) = 2.0 / 3.0;
    const std::string text = projectText(m);
    const std::vector<std::string> records = splitRecords(text);
    // Record 3: every coordinate and level followed by a comma, then planScale.
    EXPECT_EQ(fieldsOf(records[2]), 3u + 1 + 2 + 1 + 3 + 1);
    EXPECT_EQ(records[2].back(), '0');
    EXPECT_EQ(records.back(), ".333333333333333,.666666666666667,");
    EXPECT_NE(text.substr(text.size() - 2), "\r\n");
}

TEST(ProjectFile, WrittenTextReadsBackToTheSameModelAndText) {
    Model m = oneBayBlock();
    m.beamLoads(1, 3) = 1.0 / 7.0;
    const std::string text = projectText(m);
    const ProjectReadResult back = parseProject(text);
    ASSERT_TRUE(back.model) << back.error;
    EXPECT_EQ(projectText(*back.model), text);
    EXPECT_EQ(back.model->counts, m.counts);
    EXPECT_EQ(back.model->members, m.members);
    EXPECT_EQ(back.model->slabs, m.slabs);
}

TEST(ProjectFile, ReaderIgnoresLineLayoutBlanksAndNotation) {
    const Model m = oneBayBlock();
    std::string relaxed = projectText(m);
    // All on LF lines, blanks around fields, leading zeros and an exponent.
    std::string rewritten;
    for (const char ch : relaxed) {
        if (ch == '\r')
            continue;
        rewritten += ch == ',' ? std::string(" , ") : std::string(1, ch);
    }
    const std::size_t at = rewritten.find(".005");
    rewritten.replace(at, 4, "0.5E-2");
    const ProjectReadResult back = parseProject(rewritten);
    ASSERT_TRUE(back.model) << back.error;
    EXPECT_EQ(projectText(*back.model), relaxed);
}

struct Malformed {
    const char* name;
    std::string text;
    const char* reason;
};

TEST(ProjectFile, EachMalformedFileGivesItsReason) {
    const std::string good = projectText(oneBayBlock());
    std::string notANumber = good;
    notANumber.replace(good.find("1000.5"), 6, "mille");
    std::string fractionalCount = good;
    fractionalCount.replace(good.find("2,2,1,0"), 7, "2,2.5,1,0");
    // Long enough in bytes for every field, yet a field short: the blanks take the room.
    std::string oneFieldShort = good.substr(0, good.size() - 2) + std::string(40, ' ');
    const std::vector<Malformed> cases = {
        {"empty", "", "il file termina prima del campo 1"},
        {"header only", "5000,4000,3000\r\n2,2", "il file termina prima del campo 6"},
        {"truncated", good.substr(0, good.size() / 2), "troppo corto"},
        {"one field short", oneFieldShort, "il file termina prima del campo 81"},
        {"not a number", notANumber, "il campo 70 non è un numero"},
        {"empty field", "5000,,3000\r\n", "il campo 2 non è un numero"},
        {"fractional count", fractionalCount, "il campo 5 non è un numero intero"},
        {"negative count", "1,1,1\r\n2,-2,1,0\r\n", "servono almeno due allineamenti"},
        {"no storey", "1,1,1\r\n2,2,0,0\r\n", "serve almeno un piano"},
        {"negative extra", "1,1,1\r\n2,2,1,-4\r\n", "nodi aggiuntivi negativo"},
        {"huge count", "1,1,1\r\n40000,2,1,0\r\n", "limite di 32767"},
        {"16-bit overflow", "1,1,1\r\n200,200,1,0\r\n", "limite di 32767"},
        {"short for its counts", "1,1,1\r\n100,100,99,0\r\n1,2,3,4,5,6,7,8,9,1,2", "troppo corto"},
    };
    for (const Malformed& c : cases) {
        const ProjectReadResult result = parseProject(c.text);
        EXPECT_FALSE(result.model) << c.name;
        EXPECT_NE(result.error.find(c.reason), std::string::npos) << c.name << ": " << result.error;
    }
}

TEST(ProjectFile, MissingFileIsReported) {
    const ProjectReadResult result = readProjectFile("/nonexistent/casa.orv");
    EXPECT_FALSE(result.model);
    EXPECT_EQ(result.error, "il file non esiste");
}

TEST(ProjectFile, SaveReplacesTheFileWholeAndLeavesNoTemporaryFile) {
    const fs::path folder = testing::outputFolder("project-file-save");
    const fs::path target = folder / "casa.orv";
    writeBytes(target, "old contents");
    const Model m = oneBayBlock();
    EXPECT_EQ(writeProjectFile(m, target.string()), "");
    EXPECT_EQ(testing::readBytes(target), projectText(m));
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
}

TEST(ProjectFile, ANewFileTakesTheUsersUmaskAndAReplacedOneKeepsItsPermissions) {
    const fs::path folder = testing::outputFolder("project-file-permissions");
    const auto mode = [](const fs::path& p) {
        return fs::status(p).permissions() & fs::perms::all;
    };
    using fs::perms;
    const mode_t saved = ::umask(027);
    EXPECT_EQ(writeProjectFile(oneBayBlock(), (folder / "nuovo.orv").string()), "");
    EXPECT_EQ(mode(folder / "nuovo.orv"),
              perms::owner_read | perms::owner_write | perms::group_read);

    // A file shared with the group stays writable by it, whatever this user's umask says.
    fs::permissions(folder / "nuovo.orv", perms::owner_read | perms::owner_write |
                                              perms::group_read | perms::group_write);
    ::umask(077);
    EXPECT_EQ(writeProjectFile(oneBayBlock(), (folder / "nuovo.orv").string()), "");
    EXPECT_EQ(mode(folder / "nuovo.orv"),
              perms::owner_read | perms::owner_write | perms::group_read | perms::group_write);
    ::umask(saved);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
}

TEST(ProjectFile, SaveIntoAMissingFolderFailsWithAReason) {
    const std::string error = writeProjectFile(oneBayBlock(), "/nonexistent/folder/casa.orv");
    EXPECT_NE(error.find("non esiste"), std::string::npos) << error;
}

TEST(ProjectFile, AModelWithoutACompleteGridIsNotWritten) {
    Model m; // counts 0, as during the grid phase
    m.coordX = Array1<double>(1, 200);
    const fs::path target = testing::outputFolder("project-file-incomplete") / "casa.orv";
    EXPECT_NE(writeProjectFile(m, target.string()), "");
    EXPECT_FALSE(fs::exists(target));

    Model withNan = oneBayBlock();
    withNan.massCentre(1, 1) = std::nan("");
    EXPECT_NE(writeProjectFile(withNan, target.string()).find("non numerico"), std::string::npos);
    EXPECT_FALSE(fs::exists(target));
}

// A save killed half-way through writes only its temporary file: the project file on disk is
// still the previous one, byte for byte.
TEST(ProjectFile, InterruptedSaveLeavesTheOldFileIntact) {
    const fs::path folder = testing::outputFolder("project-file-interrupted");
    const fs::path target = folder / "grande.orv";
    const Model small = oneBayBlock();
    ASSERT_EQ(writeProjectFile(small, target.string()), "");
    const std::string before = testing::readBytes(target);

    // Large enough that writing takes a good part of a second.
    const Model large = testing::fullFrame(100, 100, 60);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        writeProjectFile(large, target.string());
        _exit(0);
    }
    // Wait until the temporary file has received data, then kill the writer.
    bool writing = false;
    for (int attempt = 0; attempt < 2000 && !writing; ++attempt) {
        for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
            if (entry.path() != target && entry.file_size() > 0)
                writing = true;
        }
        if (!writing)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    kill(child, SIGKILL);
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(writing);
    ASSERT_TRUE(WIFSIGNALED(status)) << "the save finished before it could be interrupted";
    EXPECT_EQ(testing::readBytes(target), before);
    const ProjectReadResult reread = readProjectFile(target.string());
    ASSERT_TRUE(reread.model) << reread.error;
    EXPECT_EQ(reread.model->counts, small.counts);
}

// Only a regular file is read: a folder, a FIFO or a device is refused at once with the reason
// (a FIFO without waiting for a writer), and so is a file larger than any project, unread.
TEST(ProjectFile, OnlyARegularFileOfAPossibleSizeIsRead) {
    const fs::path folder = testing::outputFolder("project-file-kinds");
    const fs::path fifo = folder / "coda.orv";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const fs::path huge = folder / "enorme.orv";
    { std::ofstream(huge, std::ios::binary) << "1,1,1\r\n2,2,1,0\r\n"; }
    fs::resize_file(huge, static_cast<std::uintmax_t>(largestProjectFileBytes()) + 1); // sparse
    const std::pair<fs::path, const char*> cases[] = {
        {folder, "cartella"},
        {fifo, "coda (FIFO)"},
        {"/dev/zero", "dispositivo"},
        {huge, "più grande del più grande progetto"},
    };
    for (const auto& [path, reason] : cases) {
        const ProjectReadResult result = readProjectFile(path.string());
        EXPECT_FALSE(result.model) << path;
        EXPECT_NE(result.error.find(reason), std::string::npos) << path << ": " << result.error;
    }
}

// Hand-made files of the test data: numbers a field cannot hold, and counts beyond the editors'.
TEST(ProjectFile, FieldsBeyondTheirPrecisionAndCountsBeyondTheEditorsAreRefused) {
    const std::pair<const char*, const char*> cases[] = {
        {"drawmax-oltre-la-precisione-singola.orv", "il campo 1 supera il limite dei numeri in "
                                                    "precisione singola"},
        {"planscale-oltre-la-precisione-singola.orv", "il campo 14 supera il limite"},
        {"numero-oltre-i-double.orv", "il campo 70 è un numero fuori dall'intervallo"},
        {"piani-1000-su-griglia-2x2.orv", "fuori dai limiti del programma"},
        {"piani-10922-su-griglia-2x2.orv", "fuori dai limiti del programma"},
        {"allineamenti-101-in-x.orv", "fuori dai limiti del programma"},
    };
    for (const auto& [name, reason] : cases) {
        const ProjectReadResult result = readProjectFile(testing::testData(name).string());
        EXPECT_FALSE(result.model) << name;
        EXPECT_NE(result.error.find(reason), std::string::npos) << name << ": " << result.error;
    }
    // A well-formed file of a 2 × 2 grid with 1000 storeys: refused on its counts.
    const ProjectReadResult thousand = parseProject(projectText(testing::fullFrame(2, 2, 1000)));
    EXPECT_FALSE(thousand.model);
    EXPECT_NE(thousand.error.find("piani = 1000"), std::string::npos) << thousand.error;
}

// A value within a few ulp of the largest double is saved rounded towards zero, as a file that
// opens again.
TEST(ProjectFile, TheLargestDoubleIsSavedAsAFileThatOpens) {
    const ProjectReadResult read =
        readProjectFile(testing::testData("valore-al-massimo-dei-double.orv").string());
    ASSERT_TRUE(read.model) << read.error;
    const fs::path copy = testing::outputFolder("project-file-largest") / "copia.orv";
    ASSERT_EQ(writeProjectFile(*read.model, copy.string()), "");
    const ProjectReadResult reread = readProjectFile(copy.string());
    ASSERT_TRUE(reread.model) << reread.error;
    EXPECT_EQ(reread.model->beamLoads(1, 1), 1.79769313486231e308);
}

// Open and Save report their progress by stage, ending at 1.
TEST(ProjectFile, OpenAndSaveReportTheirProgress) {
    const fs::path target = testing::outputFolder("project-file-progress") / "grande.orv";
    std::vector<std::pair<std::string, double>> reports;
    const ProgressCallback record = [&](const std::string& stage, double fraction) {
        reports.emplace_back(stage, fraction);
    };
    ASSERT_EQ(writeProjectFile(testing::fullFrame(30, 30, 20), target.string(), record), "");
    ASSERT_GT(reports.size(), 10u);
    EXPECT_EQ(reports.front().first, "Scrittura del progetto");
    EXPECT_EQ(reports.back().second, 1.0);
    reports.clear();
    ASSERT_TRUE(readProjectFile(target.string(), record).model);
    ASSERT_GT(reports.size(), 10u);
    EXPECT_EQ(reports.front().first, "Lettura del progetto");
    EXPECT_TRUE(std::is_sorted(reports.begin(), reports.end(),
                               [](const auto& a, const auto& b) { return a.second < b.second; }));
    EXPECT_EQ(reports.back().second, 1.0);
}

} // namespace
} // namespace orvanta
