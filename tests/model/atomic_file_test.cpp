// Files written whole or not at all: the new bytes replace the old in one step, nothing is left
// behind, and a path that cannot take a file says why.

#include "atomic_file.h"
#include "test_paths.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace orvanta {
namespace {

namespace fs = std::filesystem;

TEST(AtomicFile, ReplacesTheOldBytesAndLeavesNoTemporaryFile) {
    const fs::path folder = testing::outputFolder("atomic-file");
    const fs::path file = folder / "tabella.csv";
    ASSERT_EQ(writeFileAtomically(file.string(), "vecchio contenuto più lungo"), "");
    ASSERT_EQ(writeFileAtomically(file.string(), "nuovo"), "");
    EXPECT_EQ(testing::readBytes(file), "nuovo");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator{}), 1);
}

TEST(AtomicFile, AFolderOrAMissingFolderIsRefusedWithTheReason) {
    const fs::path folder = testing::outputFolder("atomic-file-refused");
    EXPECT_EQ(writeFileAtomically(folder.string(), "x"), "il nome indica una cartella");
    EXPECT_EQ(writeFileAtomically((folder / "manca" / "t.csv").string(), "x"),
              "impossibile creare il file: il file o la cartella non esiste");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator{}), 0);
}

} // namespace
} // namespace orvanta
