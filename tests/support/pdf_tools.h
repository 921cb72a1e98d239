#pragma once

// The Debian tools that read a PDF as a viewer would (qpdf, pdftotext), run from a test that
// checks a report the program wrote.

#include <cstdio>
#include <filesystem>
#include <string>
#include <utility>

namespace orvanta::testing {

// What a command prints on both streams, and whether it succeeded.
inline std::pair<bool, std::string> runCommand(const std::string& command) {
    std::string output;
    FILE* pipe = popen((command + " 2>&1").c_str(), "r");
    if (!pipe)
        return {false, output};
    char buffer[4096];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
        output.append(buffer, got);
    return {pclose(pipe) == 0, output};
}

inline std::string shellQuoted(const std::filesystem::path& path) {
    return "'" + path.string() + "'";
}

// pdftotext -layout of one page, or of the whole file when `page` is 0.
inline std::string pdfText(const std::filesystem::path& pdf, int page = 0) {
    const std::string pages =
        page > 0 ? " -f " + std::to_string(page) + " -l " + std::to_string(page) : "";
    return runCommand("pdftotext -layout -enc UTF-8" + pages + " " + shellQuoted(pdf) + " -")
        .second;
}

// qpdf --check finds the file clean: exit status 0, no warnings.
inline bool qpdfClean(const std::filesystem::path& pdf) {
    const auto [ok, output] = runCommand("qpdf --check " + shellQuoted(pdf));
    return ok && output.find("WARNING") == std::string::npos;
}

} // namespace orvanta::testing
