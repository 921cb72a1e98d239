#pragma once

// Where the tests find their fixtures and write what they produce.

#include <filesystem>
#include <string>

namespace orvanta::testing {

inline std::filesystem::path testData(const std::string& name) {
    return std::filesystem::path(ORVANTA_TEST_DATA_DIR) / name;
}

inline std::filesystem::path example(const std::string& name) {
    return std::filesystem::path(ORVANTA_EXAMPLES_DIR) / name;
}

// A fresh folder under build/test-output for one test, emptied first.
inline std::filesystem::path outputFolder(const std::string& name) {
    const std::filesystem::path folder = std::filesystem::path(ORVANTA_TEST_OUTPUT_DIR) / name;
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder;
}

} // namespace orvanta::testing
