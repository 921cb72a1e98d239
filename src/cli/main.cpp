// orvanta-cli: the batch tool.
//
//   orvanta-cli resave IN.orv OUT.orv       open a project and save it under another name
//   orvanta-cli analyse FILE.orv [--json OUT]
//                                           open a project and print its analysis as JSON
//
// Exit status: 0 done, 1 wrong usage or a failed save, 2 a project file that cannot be read.

#include "analysis_json.h"
#include "batch_interaction.h"
#include "project_session.h"

#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

namespace {

using namespace orvanta;
using namespace orvanta::cli;

constexpr int exitUsage = 1;
constexpr int exitUnreadable = 2;

int usage() {
    std::cerr << "uso: orvanta-cli resave IN.orv OUT.orv\n"
                 "     orvanta-cli analyse FILE.orv [--json OUT]\n";
    return exitUsage;
}

// Opens the project through the session, as the File menu does. On failure prints the reason
// on one line of standard error.
bool openProject(ProjectSession& session, PresetFileChooser& chooser, RecordingAsker& asker,
                 const std::string& path) {
    chooser.push(path);
    if (session.open())
        return true;
    const std::string reason =
        asker.messages().empty() ? "impossibile aprire " + path : oneLine(asker.messages().back());
    std::cerr << "orvanta-cli: " << reason << '\n';
    return false;
}

int resave(const std::string& in, const std::string& out) {
    RecordingAsker asker;
    PresetFileChooser chooser;
    ProjectSession session(asker, chooser);
    if (!openProject(session, chooser, asker, in))
        return exitUnreadable;
    chooser.push(out);
    if (!session.saveAs()) {
        const std::string reason =
            asker.messages().empty() ? "salvataggio annullato" : oneLine(asker.messages().back());
        std::cerr << "orvanta-cli: " << reason << '\n';
        return exitUsage;
    }
    return 0;
}

int analyse(const std::vector<std::string>& arguments) {
    std::string path;
    std::string jsonPath;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        if (arguments[i] == "--json" && i + 1 < arguments.size())
            jsonPath = arguments[++i];
        else if (path.empty() && arguments[i].rfind("--", 0) != 0)
            path = arguments[i];
        else
            return usage();
    }
    if (path.empty())
        return usage();

    RecordingAsker asker;
    PresetFileChooser chooser;
    ProjectSession session(asker, chooser);
    if (!openProject(session, chooser, asker, path))
        return exitUnreadable;

    const std::string json = analysisJson(session.model(), asker.messages());
    if (jsonPath.empty()) {
        std::cout << json;
        return 0;
    }
    std::ofstream file(jsonPath, std::ios::binary);
    file << json;
    if (!file.flush()) {
        std::cerr << "orvanta-cli: impossibile scrivere " << jsonPath << '\n';
        return exitUsage;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    if (arguments.size() == 3 && arguments[0] == "resave")
        return resave(arguments[1], arguments[2]);
    if (!arguments.empty() && arguments[0] == "analyse")
        return analyse({arguments.begin() + 1, arguments.end()});
    return usage();
}
