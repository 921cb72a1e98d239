// orvanta-cli: the batch tool.
//
//   orvanta-cli resave IN.orv OUT.orv       open a project and save it under another name
//   orvanta-cli analyse FILE.orv [--families-x N] [--families-y N] [--redistribute]
//                                [--seismic] [--rck R] [--json OUT]
//                                           open a project, analyse it and print the results
//                                           as JSON: with --redistribute the slab loads are
//                                           distributed again first; --families-x/-y set the
//                                           family count of a direction (under the same rules
//                                           as the family window) and assign the families;
//                                           --seismic adds the torsional regularity and the
//                                           vibration modes, with the concrete class Rck R in
//                                           N/mm² (30 unless given; --rck implies --seismic)
//
// Exit status: 0 done, 1 wrong usage or a failed save, 2 a project file that cannot be read
// (one line on standard error says why), 3 a model that fails the check before the calculation
// (the message on standard error), 4 a calculation that did not complete or gave a result that
// is not a finite number (the JSON is written all the same, one line on standard error says
// which), 5 memory ran out after the project was read (one line).

#include "analysis_json.h"
#include "batch_interaction.h"
#include "calculation.h"
#include "deformed_shape.h"
#include "families.h"
#include "finite_results.h"
#include "load_distribution.h"
#include "model_check.h"
#include "number_text.h"
#include "project_session.h"
#include "seismic_response.h"
#include "stiffness_centres.h"
#include "vibration_modes.h"

#include <cstdio>
#include <fstream>
#include <iostream>
#include <new>
#include <optional>
#include <string>
#include <vector>

namespace {

using namespace orvanta;
using namespace orvanta::cli;

constexpr int exitUsage = 1;
constexpr int exitUnreadable = 2;
constexpr int exitRefused = 3;
constexpr int exitIncomplete = 4;
constexpr int exitOutOfMemory = 5;

int usage() {
    std::cerr << "uso: orvanta-cli resave IN.orv OUT.orv\n"
                 "     orvanta-cli analyse FILE.orv [--families-x N] [--families-y N]\n"
                 "                         [--redistribute] [--seismic] [--rck R] [--json OUT]\n";
    return exitUsage;
}

// Opens the project through the session, as the File menu does. On failure prints the reason
// on one line of standard error.
bool openProject(ProjectSession& session, PresetFileChooser& chooser, RecordingAsker& asker,
                 const std::string& path) {
    chooser.push(path);
    if (session.open())
        return true;
    const std::string reason = asker.messages().empty() ? "impossibile aprire " + printable(path)
                                                        : oneLine(asker.messages().back());
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

struct AnalyseOptions {
    std::string path;
    std::string jsonPath;
    std::optional<std::string> familiesX; // the count as typed: the count rules read it
    std::optional<std::string> familiesY;
    bool redistribute = false;
    bool seismic = false;
    double concreteClass = defaultConcreteClass; // Rck, N/mm²
};

// A concrete class as typed: a positive number, with a point or a comma for decimals.
std::optional<double> readConcreteClass(std::string text) {
    for (char& c : text) {
        if (c == ',')
            c = '.';
    }
    const std::optional<double> value = number_text::parse(text);
    if (!value || !(*value > 0))
        return std::nullopt;
    return value;
}

std::optional<AnalyseOptions> parseAnalyse(const std::vector<std::string>& arguments) {
    AnalyseOptions options;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& a = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        if (a == "--json" && hasValue)
            options.jsonPath = arguments[++i];
        else if (a == "--families-x" && hasValue)
            options.familiesX = arguments[++i];
        else if (a == "--families-y" && hasValue)
            options.familiesY = arguments[++i];
        else if (a == "--redistribute")
            options.redistribute = true;
        else if (a == "--seismic")
            options.seismic = true;
        else if (a == "--rck" && hasValue) {
            const std::optional<double> rck = readConcreteClass(arguments[++i]);
            if (!rck) {
                std::cerr << "orvanta-cli: la classe del calcestruzzo Rck deve essere un numero "
                             "positivo (N/mm², per esempio 30): "
                          << arguments[i] << '\n';
                return std::nullopt;
            }
            options.concreteClass = *rck;
            options.seismic = true;
        } else if (options.path.empty() && a.rfind("--", 0) != 0)
            options.path = a;
        else
            return std::nullopt;
    }
    if (options.path.empty())
        return std::nullopt;
    return options;
}

// Sets the family count of one direction from the text given, and assigns the families. Text
// that is not a whole number is reported and changes nothing.
void assignRequestedFamilies(const Model& model, AnalysisResults& results, Direction direction,
                             const std::string& text, Asker& asker) {
    const std::optional<long long> requested = readFamilyCount(text, model, asker);
    if (!requested)
        return;
    const int count = setFamilyCount(model, results, direction, *requested, asker);
    assignFamilies(model, results, direction, count, asker);
}

int analyse(const std::vector<std::string>& arguments) {
    const std::optional<AnalyseOptions> options = parseAnalyse(arguments);
    if (!options)
        return usage();

    RecordingAsker asker;
    PresetFileChooser chooser;
    ProjectSession session(asker, chooser);
    if (!openProject(session, chooser, asker, options->path))
        return exitUnreadable;
    Model& model = session.model();
    if (const std::optional<Message> refusal = calculationRefusal(model)) {
        std::cerr << "orvanta-cli: " << refusal->text() << '\n';
        return exitRefused;
    }

    // A distribution that stops on a missing beam or column keeps the stored loads, and the
    // analysis goes on with them.
    if (options->redistribute)
        distributeLoads(model, asker);
    AnalysisResults results;
    const CalculationReport calculation = runCalculation(model, results, asker);
    if (options->familiesX)
        assignRequestedFamilies(model, results, Direction::alongY, *options->familiesX, asker);
    if (options->familiesY)
        assignRequestedFamilies(model, results, Direction::alongX, *options->familiesY, asker);
    computeStiffnessCentres(model, results);
    computeDeformedShape(model, results, asker);
    std::optional<SeismicResults> seismic;
    if (options->seismic)
        seismic =
            computeSeismicResponse(model, results.globalStiffness, options->concreteClass, asker);

    const std::string json =
        analysisJson(model, results, calculation, asker.messages(), seismic ? &*seismic : nullptr);
    if (options->jsonPath.empty()) {
        std::cout << json;
    } else {
        std::ofstream file(options->jsonPath, std::ios::binary);
        file << json;
        if (!file.flush()) {
            std::cerr << "orvanta-cli: impossibile scrivere " << printable(options->jsonPath)
                      << '\n';
            return exitUsage;
        }
    }
    const std::optional<Message> invalid = nonFiniteResultMessage(results);
    if (invalid)
        std::cerr << "orvanta-cli: " << oneLine(*invalid) << '\n';
    if (!calculation.complete()) {
        std::cerr << "orvanta-cli: calcolo non completato:";
        const char* separator = " ";
        for (const CalculationStage stage : calculation.incomplete) {
            std::cerr << separator << stageName(stage);
            separator = ", ";
        }
        std::cerr << '\n';
        return exitIncomplete;
    }
    return invalid ? exitIncomplete : 0;
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    try {
        if (arguments.size() == 3 && arguments[0] == "resave")
            return resave(arguments[1], arguments[2]);
        if (!arguments.empty() && arguments[0] == "analyse")
            return analyse({arguments.begin() + 1, arguments.end()});
    } catch (const std::bad_alloc&) {
        const char* task = arguments[0] == "resave" ? "salvare il progetto" : "l'analisi";
        std::cerr << "orvanta-cli: " << oneLine(outOfMemoryMessage(task)) << '\n';
        return exitOutOfMemory;
    }
    return usage();
}
