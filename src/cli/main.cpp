// orvanta-cli: the batch tool.
//
//   orvanta-cli resave IN.orv OUT.orv       open a project and save it under another name
//   orvanta-cli analyse FILE.orv [--families-x N] [--families-y N] [--redistribute]
//                                [--seismic] [--rck R] [--cracked F] [--json OUT]
//                                           open a project, analyse it and print the results
//                                           as JSON: with --redistribute the slab loads are
//                                           distributed again first; --families-x/-y set the
//                                           family count of a direction (under the same rules
//                                           as the family window) and assign the families;
//                                           --seismic adds the torsional regularity and the
//                                           vibration modes, with the concrete class Rck R in
//                                           N/mm² and the cracked-stiffness factor F (0.5 … 1.0)
//                                           in place of the project's (C25/30 and 1.0 when it
//                                           has none; --rck and --cracked imply --seismic)
//                                [--ntc PARAMS.json]
//                                           adds the static analysis of NTC 2018 ("ntc2018")
//                                           with the site's parameters of the file (the keys
//                                           in ntc_parameter_file.h); without the option, with
//                                           the project's own parameters when it has them
//   orvanta-cli report FILE.orv [--families-x N] [--families-y N] [--descrizione T]
//                               [--ubicazione T] [--progettista T] [--committente T] [--data T]
//                               [--rck R] [--cracked F] [--out OUT.pdf]
//                                           open a project, analyse it as analyse does and
//                                           write the calculation report (beside the project
//                                           file, with its name, unless --out names another);
//                                           the texts fill the report's general data, the date
//                                           is today's unless given, numbers are Italian
//   orvanta-cli export FILE.orv [--dxf OUT.dxf] [--storey N] [--csv DIR] [--decimal-point]
//                               [--families-x N] [--families-y N] [--rck R]
//                                           open a project, analyse it as analyse does and
//                                           export: --dxf the plan of storey N (every storey
//                                           side by side without --storey) as DXF R12 in model
//                                           millimetres; --csv every table of the result
//                                           windows, one file DIR/<window>-<table>.csv each,
//                                           Italian (semicolons, decimal comma) unless
//                                           --decimal-point asks for commas and points
//
// Exit status: 0 done, 1 wrong usage, a failed save or a report that cannot be written, 2 a
// project file that cannot be read (one line on standard error says why), 3 a model that fails
// the check before the calculation (the message on standard error), 4 a calculation that did not
// complete or gave a result that is not a finite number (the JSON, or the report of a calculation
// that did not complete, is written all the same; one line on standard error says which), 5
// memory ran out after the project was read (one line).

#include "analysis_json.h"
#include "atomic_file.h"
#include "batch_interaction.h"
#include "calculation.h"
#include "calculation_report.h"
#include "concrete.h"
#include "deformed_shape.h"
#include "families.h"
#include "finite_results.h"
#include "linear_static_analysis.h"
#include "load_distribution.h"
#include "model_check.h"
#include "ntc_parameter_file.h"
#include "number_text.h"
#include "plan_dxf.h"
#include "project_session.h"
#include "result_tables.h"
#include "seismic_response.h"
#include "stiffness_centres.h"
#include "vibration_modes.h"

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
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
                 "                         [--redistribute] [--seismic] [--rck R] [--cracked F]\n"
                 "                         [--json OUT] [--ntc PARAMS.json]\n"
                 "     orvanta-cli report FILE.orv [--families-x N] [--families-y N]\n"
                 "                        [--descrizione T] [--ubicazione T] [--progettista T]\n"
                 "                        [--committente T] [--data T] [--rck R] [--cracked F]\n"
                 "                        [--out OUT.pdf]\n"
                 "     orvanta-cli export FILE.orv [--dxf OUT.dxf] [--storey N] [--csv DIR]\n"
                 "                        [--decimal-point] [--families-x N] [--families-y N]\n"
                 "                        [--rck R]\n";
    return exitUsage;
}

// The project of a batch command, opened as the File menu opens it, with the asker that
// records every message and the chooser that names the file.
class BatchProject {
public:
    BatchProject() : session_(asker_, chooser_) {}
    // Opens the project through the session, as the File menu does. On failure prints the
    // reason on one line of standard error.
    bool open(const std::string& path) {
        chooser_.push(path);
        if (session_.open())
            return true;
        const std::string reason = asker_.messages().empty()
                                       ? "impossibile aprire " + printable(path)
                                       : oneLine(asker_.messages().back());
        std::cerr << "orvanta-cli: " << reason << '\n';
        return false;
    }
    // Opens the project and runs the model check that comes before every calculation: 0 when
    // the model can be calculated, otherwise the exit status, the reason printed.
    int openForCalculation(const std::string& path) {
        if (!open(path))
            return exitUnreadable;
        if (const std::optional<Message> refusal = calculationRefusal(model())) {
            std::cerr << "orvanta-cli: " << refusal->text() << '\n';
            return exitRefused;
        }
        return 0;
    }
    ProjectSession& session() { return session_; }
    Model& model() { return session_.model(); }
    RecordingAsker& asker() { return asker_; }
    PresetFileChooser& chooser() { return chooser_; }

private:
    RecordingAsker asker_;
    PresetFileChooser chooser_;
    ProjectSession session_;
};

int resave(const std::string& in, const std::string& out) {
    BatchProject project;
    if (!project.open(in))
        return exitUnreadable;
    project.chooser().push(out);
    if (!project.session().saveAs()) {
        const std::vector<Message>& messages = project.asker().messages();
        const std::string reason =
            messages.empty() ? "salvataggio annullato" : oneLine(messages.back());
        std::cerr << "orvanta-cli: " << reason << '\n';
        return exitUsage;
    }
    return 0;
}

// The family counts of --families-x and --families-y as typed: the count rules read them.
struct FamilyOptions {
    std::optional<std::string> x; // the ritti orthogonal to X
    std::optional<std::string> y;

    // Takes argument i when it is one of the two options with its value, moving i past it.
    bool take(const std::vector<std::string>& arguments, std::size_t& i) {
        if (i + 1 >= arguments.size())
            return false;
        std::optional<std::string>* count = arguments[i] == "--families-x"   ? &x
                                            : arguments[i] == "--families-y" ? &y
                                                                             : nullptr;
        if (count)
            *count = arguments[++i];
        return count != nullptr;
    }
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

// The concrete class given with --rck; nothing, with the reason on standard error, for a value
// that is not a positive number.
std::optional<double> concreteClassOption(const std::string& text) {
    const std::optional<double> rck = readConcreteClass(text);
    if (!rck)
        std::cerr << "orvanta-cli: la classe del calcestruzzo Rck deve essere un numero positivo "
                     "(N/mm², per esempio 30): "
                  << text << '\n';
    return rck;
}

// The cracked-stiffness factor given with --cracked: 0.5 … 1.0, or nothing with the reason.
std::optional<double> crackedFactorOption(const std::string& text) {
    const std::optional<double> factor = readConcreteClass(text);
    if (!factor || *factor < smallestCrackedFactor || *factor > 1) {
        std::cerr << "orvanta-cli: il fattore di rigidezza fessurata deve essere compreso fra "
                     "0,5 e 1: "
                  << text << '\n';
        return std::nullopt;
    }
    return factor;
}

// The concrete settings given on the command line, which replace the project's own for this run.
struct ConcreteOptions {
    std::optional<double> concreteClass; // Rck, N/mm²
    std::optional<double> crackedFactor;

    // Takes --rck R or --cracked F at arguments[i]: whether it was one of them; `failed` when its
    // value is no valid one.
    bool take(const std::vector<std::string>& arguments, std::size_t& i, bool& failed) {
        const std::string& a = arguments[i];
        if (i + 1 >= arguments.size() || (a != "--rck" && a != "--cracked"))
            return false;
        const std::string& text = arguments[++i];
        std::optional<double>& target = a == "--rck" ? concreteClass : crackedFactor;
        target = a == "--rck" ? concreteClassOption(text) : crackedFactorOption(text);
        failed = !target;
        return true;
    }
    bool given() const { return concreteClass || crackedFactor; }

    void applyTo(Model& model) const {
        if (concreteClass)
            model.settings.setNumber(settingKey::concreteClass, *concreteClass);
        if (crackedFactor)
            model.settings.setNumber(settingKey::crackedFactor, *crackedFactor);
    }
};

struct AnalyseOptions {
    std::string path;
    std::string jsonPath;
    FamilyOptions families;
    bool redistribute = false;
    bool seismic = false;
    ConcreteOptions concrete;
    std::optional<std::string> ntcPath;
};

std::optional<AnalyseOptions> parseAnalyse(const std::vector<std::string>& arguments) {
    AnalyseOptions options;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& a = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        if (a == "--json" && hasValue)
            options.jsonPath = arguments[++i];
        else if (options.families.take(arguments, i))
            continue;
        else if (a == "--redistribute")
            options.redistribute = true;
        else if (a == "--seismic")
            options.seismic = true;
        else if (bool failed = false; options.concrete.take(arguments, i, failed)) {
            if (failed)
                return std::nullopt;
            options.seismic = true;
        } else if (a == "--ntc" && hasValue) {
            options.ntcPath = arguments[++i];
        } else if (options.path.empty() && a.rfind("--", 0) != 0)
            options.path = a;
        else
            return std::nullopt;
    }
    if (options.path.empty())
        return std::nullopt;
    return options;
}

struct ReportOptions {
    std::string path;
    std::string outPath;
    FamilyOptions families;
    ReportFields fields;
    bool dateGiven = false;
    ConcreteOptions concrete;
};

// The fields given on the command line, each one not given taken from the project (where the
// program keeps those of its last print); a date given nowhere is today's.
ReportFields reportFields(const ReportOptions& options, const ProjectSettings& settings) {
    ReportFields fields = options.fields;
    const ReportFields stored = projectReportFields(settings);
    for (auto [given, kept] : {std::pair{&fields.description, &stored.description},
                               std::pair{&fields.location, &stored.location},
                               std::pair{&fields.designer, &stored.designer},
                               std::pair{&fields.client, &stored.client}}) {
        if (given->empty())
            *given = *kept;
    }
    if (!options.dateGiven)
        fields.date = stored.date.empty() ? todayItalian() : stored.date;
    return fields;
}

std::optional<ReportOptions> parseReport(const std::vector<std::string>& arguments) {
    ReportOptions options;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& a = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        std::string* field = a == "--descrizione"   ? &options.fields.description
                             : a == "--ubicazione"  ? &options.fields.location
                             : a == "--progettista" ? &options.fields.designer
                             : a == "--committente" ? &options.fields.client
                             : a == "--data"        ? &options.fields.date
                                                    : nullptr;
        if (field && hasValue) {
            *field = arguments[++i];
            options.dateGiven = options.dateGiven || a == "--data";
        } else if (a == "--out" && hasValue)
            options.outPath = arguments[++i];
        else if (options.families.take(arguments, i))
            continue;
        else if (bool failed = false; options.concrete.take(arguments, i, failed)) {
            if (failed)
                return std::nullopt;
        } else if (options.path.empty() && a.rfind("--", 0) != 0)
            options.path = a;
        else
            return std::nullopt;
    }
    if (options.path.empty())
        return std::nullopt;
    return options;
}

// Sets the family count of each direction given and assigns its families. Text that is not a
// whole number is reported and changes nothing.
void assignRequestedFamilies(const Model& model, AnalysisResults& results,
                             const FamilyOptions& families, Asker& asker) {
    const std::pair<const std::optional<std::string>*, Direction> asked[] = {
        {&families.x, Direction::orthogonalToX}, {&families.y, Direction::orthogonalToY}};
    for (const auto& [text, direction] : asked) {
        if (!*text)
            continue;
        const std::optional<long long> requested = readFamilyCount(**text, model, asker);
        if (!requested)
            continue;
        const int count = setFamilyCount(model, results, direction, *requested, asker);
        assignFamilies(model, results, direction, count, asker);
    }
}

// What both commands compute before they write: the results of the model as it is in the file
// (the loads distributed again first when asked), with the families asked for.
struct CalculatedProject {
    AnalysisResults results;
    CalculationReport calculation;
};

CalculatedProject calculateWithFamilies(Model& model, const FamilyOptions& families,
                                        bool redistribute, Asker& asker) {
    // A distribution that stops on a missing beam or column keeps the stored loads, and the
    // analysis goes on with them.
    if (redistribute)
        distributeLoads(model, asker);
    CalculatedProject calculated;
    calculated.calculation = runCalculation(model, calculated.results, asker);
    assignRequestedFamilies(model, calculated.results, families, asker);
    return calculated;
}

// Says on standard error which stages of the calculation did not complete.
int incompleteCalculation(const CalculationReport& calculation) {
    std::cerr << "orvanta-cli: calcolo non completato:";
    const char* separator = " ";
    for (const CalculationStage stage : calculation.incomplete) {
        std::cerr << separator << stageName(stage);
        separator = ", ";
    }
    std::cerr << '\n';
    return exitIncomplete;
}

// The parameters of --ntc read from their file; on failure one line on standard error.
std::optional<NtcRun> readNtcRun(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (!file.good() && !file.eof()) {
        std::cerr << "orvanta-cli: impossibile leggere " << printable(path) << '\n';
        return std::nullopt;
    }
    std::string error;
    std::optional<NtcRun> run = readNtcParameterFile(text, error);
    if (!run)
        std::cerr << "orvanta-cli: " << printable(path) << ": " << error << '\n';
    return run;
}

int analyse(const std::vector<std::string>& arguments) {
    std::optional<AnalyseOptions> options = parseAnalyse(arguments);
    if (!options)
        return usage();
    std::optional<NtcRun> ntcRun;
    if (options->ntcPath) {
        ntcRun = readNtcRun(*options->ntcPath);
        if (!ntcRun)
            return exitUsage;
    }

    BatchProject project;
    if (const int refused = project.openForCalculation(options->path))
        return refused;
    Model& model = project.model();
    RecordingAsker& asker = project.asker();
    // The concrete class of the parameter file holds for the whole run, the seismic key too.
    if (ntcRun && ntcRun->concreteClass)
        options->concrete.concreteClass = *ntcRun->concreteClass;
    options->concrete.applyTo(model);
    const std::optional<NtcParameters> ntcParameters =
        ntcRun ? std::optional<NtcParameters>(ntcRun->parameters)
               : readNtcParameters(model.settings);

    CalculatedProject calculated =
        calculateWithFamilies(model, options->families, options->redistribute, asker);
    AnalysisResults& results = calculated.results;
    const CalculationReport& calculation = calculated.calculation;
    computeStiffnessCentres(model, results);
    computeDeformedShape(model, results, asker);
    std::optional<SeismicResults> seismic;
    if (options->seismic || ntcParameters)
        seismic = computeSeismicResponse(model, results.globalStiffness, asker);
    // Both analyses of the code, with its own regularity (ntc_modal_analysis.h).
    std::optional<NtcAnalysis> ntc;
    if (ntcParameters)
        ntc = ntcAnalysis(model, results, *seismic, *ntcParameters);

    const std::string json =
        analysisJson(model, results, calculation, asker.messages(),
                     options->seismic ? &*seismic : nullptr, ntc ? &*ntc : nullptr);
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
    if (!calculation.complete())
        return incompleteCalculation(calculation);
    return invalid ? exitIncomplete : 0;
}

int report(const std::vector<std::string>& arguments) {
    const std::optional<ReportOptions> options = parseReport(arguments);
    if (!options)
        return usage();

    BatchProject project;
    if (const int refused = project.openForCalculation(options->path))
        return refused;
    Model& model = project.model();
    options->concrete.applyTo(model);
    ProjectSession& session = project.session();

    CalculatedProject calculated =
        calculateWithFamilies(model, options->families, false, project.asker());
    AnalysisResults& results = calculated.results;
    const CalculationReport& calculation = calculated.calculation;
    // A result that is not a number has no place in a document handed in: nothing is written.
    if (const std::optional<Message> invalid = nonFiniteResultMessage(results)) {
        std::cerr << "orvanta-cli: " << oneLine(*invalid) << '\n';
        return exitIncomplete;
    }

    const std::string out =
        options->outPath.empty() ? session.siblingFile(".pdf") : options->outPath;
    const ReportRequest request{reportFields(*options, model.settings), NumberFormat{},
                                projectConcreteClass(model),
                                session.projectName()};
    const ReportOutcome outcome = writeCalculationReport(out, model, results, request);
    if (!outcome.written) {
        std::cerr << "orvanta-cli: impossibile scrivere la relazione " << printable(out) << ": "
                  << outcome.error << '\n';
        return exitUsage;
    }
    std::cout << out << " (" << outcome.pages << " pagine)\n";
    if (!calculation.complete())
        return incompleteCalculation(calculation);
    return 0;
}

struct ExportOptions {
    std::string path;
    std::string dxfPath;
    std::optional<int> storey; // every storey side by side when not given
    std::string csvFolder;
    std::string decimalSign = ",";
    FamilyOptions families;
    double concreteClass = defaultConcreteClass;
};

// A storey number as typed: a whole number of the 16-bit range; its range in the model is
// checked when the plan is written.
std::optional<int> readStorey(const std::string& text) {
    const std::optional<double> value = number_text::parse(text);
    if (!value || *value != std::floor(*value) || *value < 1 || *value > 32767) {
        std::cerr << "orvanta-cli: il piano deve essere un numero intero da 1 in su: " << text
                  << '\n';
        return std::nullopt;
    }
    return static_cast<int>(*value);
}

std::optional<ExportOptions> parseExport(const std::vector<std::string>& arguments) {
    ExportOptions options;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& a = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        if (a == "--dxf" && hasValue)
            options.dxfPath = arguments[++i];
        else if (a == "--csv" && hasValue)
            options.csvFolder = arguments[++i];
        else if (a == "--storey" && hasValue) {
            options.storey = readStorey(arguments[++i]);
            if (!options.storey)
                return std::nullopt;
        } else if (a == "--decimal-point")
            options.decimalSign = ".";
        else if (options.families.take(arguments, i))
            continue;
        else if (a == "--rck" && hasValue) {
            const std::optional<double> rck = concreteClassOption(arguments[++i]);
            if (!rck)
                return std::nullopt;
            options.concreteClass = *rck;
        } else if (options.path.empty() && a.rfind("--", 0) != 0)
            options.path = a;
        else
            return std::nullopt;
    }
    if (options.path.empty() || (options.dxfPath.empty() && options.csvFolder.empty()))
        return std::nullopt;
    return options;
}

// Every table of the result windows as DIR/<name>.csv; false, the reason printed, on a failure.
bool writeCsvTables(const std::vector<TextTable>& tables, const ExportOptions& options) {
    std::error_code error;
    std::filesystem::create_directories(options.csvFolder, error);
    for (const TextTable& table : tables) {
        const std::string file =
            (std::filesystem::path(options.csvFolder) / (table.name + ".csv")).string();
        const std::string reason = writeFileAtomically(file, csvText(table, options.decimalSign));
        if (!reason.empty()) {
            std::cerr << "orvanta-cli: impossibile scrivere " << printable(file) << ": " << reason
                      << '\n';
            return false;
        }
        std::cout << file << '\n';
    }
    return true;
}

int exportResults(const std::vector<std::string>& arguments) {
    const std::optional<ExportOptions> options = parseExport(arguments);
    if (!options)
        return usage();

    BatchProject project;
    if (const int refused = project.openForCalculation(options->path))
        return refused;
    const Model& model = project.model();
    RecordingAsker& asker = project.asker();
    AnalysisResults results;
    const CalculationReport calculation = runCalculation(model, results, asker);
    assignRequestedFamilies(model, results, options->families, asker);
    if (const std::optional<Message> invalid = nonFiniteResultMessage(results)) {
        std::cerr << "orvanta-cli: " << oneLine(*invalid) << '\n';
        return exitIncomplete;
    }
    computeStiffnessCentres(model, results);

    if (!options->dxfPath.empty()) {
        const PlanExport request{options->storey ? PlanStoreys::one : PlanStoreys::sideBySide,
                                 options->storey.value_or(1)};
        const std::size_t told = asker.messages().size();
        const std::vector<std::string> written = exportPlanDxf(
            model, &results, request, options->dxfPath, project.session().projectName(), asker);
        if (written.empty()) {
            if (asker.messages().size() > told)
                std::cerr << "orvanta-cli: " << oneLine(asker.messages().back()) << '\n';
            return exitUsage;
        }
        std::cout << written.front() << '\n';
    }
    if (!options->csvFolder.empty()) {
        const SeismicResults seismic =
            computeSeismicResponse(model, results.globalStiffness, options->concreteClass, asker);
        if (!writeCsvTables(analysisTables(model, results, &seismic, NumberFormat{}), *options))
            return exitUsage;
    }
    if (!calculation.complete())
        return incompleteCalculation(calculation);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    try {
        if (arguments.size() == 3 && arguments[0] == "resave")
            return resave(arguments[1], arguments[2]);
        if (!arguments.empty() && arguments[0] == "analyse")
            return analyse({arguments.begin() + 1, arguments.end()});
        if (!arguments.empty() && arguments[0] == "report")
            return report({arguments.begin() + 1, arguments.end()});
        if (!arguments.empty() && arguments[0] == "export")
            return exportResults({arguments.begin() + 1, arguments.end()});
    } catch (const std::bad_alloc&) {
        const char* task = arguments[0] == "resave"   ? "salvare il progetto"
                           : arguments[0] == "report" ? "la relazione di calcolo"
                           : arguments[0] == "export" ? "l'esportazione"
                                                      : "l'analisi";
        std::cerr << "orvanta-cli: " << oneLine(outOfMemoryMessage(task)) << '\n';
        return exitOutOfMemory;
    }
    return usage();
}
