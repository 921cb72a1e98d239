#pragma once

#include "test_paths.h"

// Reading back what the PDF writer wrote: the raw file, its cross-reference table, one object's
// stream, and the Debian tools (qpdf, poppler-utils) that read PDF files as a viewer would.

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace orvanta::testing {

struct ToolRun {
    int status = -1;
    std::string output; // stdout and stderr together
};

// Runs a shell command and collects what it prints.
inline ToolRun runTool(const std::string& command) {
    ToolRun run;
    FILE* pipe = popen((command + " 2>&1").c_str(), "r");
    if (pipe == nullptr)
        return run;
    std::array<char, 4096> buffer{};
    std::size_t got = 0;
    while ((got = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
        run.output.append(buffer.data(), got);
    const int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

inline std::string quoted(const std::filesystem::path& path) {
    return "'" + path.string() + "'";
}

// The test fails, saying which package to install, when a reader is missing.
inline bool toolAvailable(const std::string& tool, const std::string& package) {
    if (runTool("command -v " + tool).status == 0)
        return true;
    ADD_FAILURE() << tool << " is not on PATH: install the Debian package " << package;
    return false;
}

// qpdf --check must find the file clean: exit status 0, no warnings.
inline void expectQpdfClean(const std::filesystem::path& pdf) {
    if (!toolAvailable("qpdf", "qpdf"))
        return;
    const ToolRun run = runTool("qpdf --check " + quoted(pdf));
    EXPECT_EQ(run.status, 0) << pdf << "\n" << run.output;
    EXPECT_EQ(run.output.find("WARNING"), std::string::npos) << pdf << "\n" << run.output;
}

inline std::string pdfText(const std::filesystem::path& pdf) {
    if (!toolAvailable("pdftotext", "poppler-utils"))
        return {};
    const ToolRun run = runTool("pdftotext -enc UTF-8 " + quoted(pdf) + " -");
    EXPECT_EQ(run.status, 0) << run.output;
    return run.output;
}

struct CrossReference {
    std::string header;               // "0 9"
    std::vector<std::string> entries; // each exactly as written, 20 bytes
    std::size_t start = 0;            // byte offset of "xref"
};

// Follows startxref back to the table.
inline CrossReference readCrossReference(const std::string& file) {
    CrossReference xref;
    const std::size_t keyword = file.rfind("startxref\r");
    if (keyword == std::string::npos)
        return xref;
    xref.start = std::stoul(file.substr(keyword + 10));
    if (file.compare(xref.start, 5, "xref\r") != 0)
        return xref;
    const std::size_t headerStart = xref.start + 5;
    const std::size_t headerEnd = file.find('\r', headerStart);
    xref.header = file.substr(headerStart, headerEnd - headerStart);
    const int count = std::stoi(xref.header.substr(xref.header.find(' ') + 1));
    for (int n = 0; n < count; ++n)
        xref.entries.push_back(file.substr(headerEnd + 1 + 20 * static_cast<std::size_t>(n), 20));
    return xref;
}

// The data of object n's stream, between "stream" CR LF and "endstream".
inline std::string streamOf(const std::string& file, int n) {
    const std::size_t object = file.find("\n" + std::to_string(n) + " 0 obj\r");
    if (object == std::string::npos)
        return {};
    const std::size_t data = file.find("stream\r\n", object) + 8;
    return file.substr(data, file.find("endstream", data) - data);
}

// A binary PPM (P6) as pdfimages and pdftoppm write it.
struct Ppm {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb;

    std::array<std::uint8_t, 3> at(int x, int y) const {
        const auto i = static_cast<std::size_t>(3 * (y * width + x));
        return {rgb[i], rgb[i + 1], rgb[i + 2]};
    }
};

inline Ppm readPpm(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::string magic;
    int maximum = 0;
    Ppm ppm;
    in >> magic >> ppm.width >> ppm.height >> maximum;
    in.get(); // the single blank after the header
    EXPECT_EQ(magic, "P6") << path;
    EXPECT_EQ(maximum, 255) << path;
    ppm.rgb.resize(static_cast<std::size_t>(3 * ppm.width * ppm.height));
    in.read(reinterpret_cast<char*>(ppm.rgb.data()), static_cast<std::streamsize>(ppm.rgb.size()));
    EXPECT_TRUE(in) << path;
    return ppm;
}

} // namespace orvanta::testing
