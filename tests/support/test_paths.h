#pragma once

// Where the tests find their fixtures and write what they produce.

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace orvanta::testing {

inline std::filesystem::path testData(const std::string& name) {
    return std::filesystem::path(ORVANTA_TEST_DATA_DIR) / name;
}

inline std::filesystem::path example(const std::string& name) {
    return std::filesystem::path(ORVANTA_EXAMPLES_DIR) / name;
}

// The whole content of a file, byte for byte; empty when it cannot be read.
inline std::string readBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// A fresh folder under build/test-output for one test, emptied first.
inline std::filesystem::path outputFolder(const std::string& name) {
    const std::filesystem::path folder = std::filesystem::path(ORVANTA_TEST_OUTPUT_DIR) / name;
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder;
}

} // namespace orvanta::testing
