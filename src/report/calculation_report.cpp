#include "calculation_report.h"

#include "calculation.h"
#include "quiet_asker.h"
#include "report_canvas.h"
#include "report_pages.h"
#include "report_texts.h"
#include "seismic_masses.h"
#include "seismic_response.h"
#include "stiffness_centres.h"

#include <algorithm>
#include <chrono>
#include <ctime>
#include <filesystem>
#include <system_error>
#include <unistd.h>

namespace orvanta {

namespace {

using namespace report;

bool spans(int lower, int upper, int count) {
    return lower == 1 && upper == count;
}

// Whether the results are those of a "Calcola Matrici" on this very model (an edit since then
// makes them another building's, even when the sizes agree), and hold what the pages read.
bool resultsBelongTo(const Model& model, const AnalysisResults& results) {
    if (!model.hasCompleteArrays() || !resultsMatch(model, results))
        return false;
    const int nodes = model.sizes().nodes;
    const int storeys = model.counts.nStoreys;
    if (!spans(results.ritStoreys.lower(), results.ritStoreys.upper(), nodes) ||
        !spans(results.globalStiffness.lower(1), results.globalStiffness.upper(1), 3 * storeys) ||
        !spans(results.globalStiffness.lower(2), results.globalStiffness.upper(2), 3 * storeys))
        return false;
    for (const Direction d : bothDirections) {
        const RittiResults& r = results[d];
        if (!spans(r.ritMatrix.lower(1), r.ritMatrix.upper(1), nodes) ||
            !spans(r.ritMatrix.lower(2), r.ritMatrix.upper(2), storeys) ||
            !spans(r.family.lower(), r.family.upper(), nodes) || r.familyCount < 1)
            return false;
        for (int i = 1; i <= nodes; ++i) {
            if (results.ritStoreys(i) > 0 && (r.family(i) < 1 || r.family(i) > r.familyCount))
                return false;
        }
    }
    return true;
}

std::vector<double> weightsOf(const RittiResults& ritti, const std::vector<int>& nodes) {
    std::vector<double> weights;
    weights.reserve(nodes.size());
    for (const int node : nodes)
        weights.push_back(ritti.stiffnessWeight(node));
    return weights;
}

// Decides which pages leave what out, the sizes of the matrix terms, and so the appendix.
void planPages(ReportContext& report) {
    const Model& model = report.model;
    const NumberFormat& numbers = report.canvas.numbers();
    const int storeys = model.counts.nStoreys;
    const RittiResults& x = report.results[Direction::orthogonalToX];
    const RittiResults& y = report.results[Direction::orthogonalToY];

    report.decimalsX = importanceDecimals(weightsOf(x, report.ritti), numbers);
    report.decimalsY = importanceDecimals(weightsOf(y, report.ritti), numbers);
    report.globalTerms = globalMatrixTerms(report.results, numbers);
    report.globalTermSize = termSize(report.globalTerms, storeys, 5.4, 5);

    const std::vector<int> shownX = familiesShown(x.familyCount);
    const std::vector<int> shownY = familiesShown(y.familyCount);
    std::vector<std::string> familyTerms = familyMatrixTerms(x, shownX, storeys, numbers);
    const std::vector<std::string> termsY = familyMatrixTerms(y, shownY, storeys, numbers);
    familyTerms.insert(familyTerms.end(), termsY.begin(), termsY.end());
    report.familyTermSize = termSize(familyTerms, storeys, 5.4, 4.9);

    AppendixPlan& plan = report.appendix;
    const bool manyRitti = report.ritti.size() > static_cast<std::size_t>(rittiOnPage);
    if (manyRitti || storeys > storeysOnGeometryPage)
        plan.parts.push_back(AppendixPart::sections);
    if (manyRitti)
        plan.parts.push_back(AppendixPart::classification);
    if (report.globalTermSize < legibleTermSize)
        plan.parts.push_back(AppendixPart::globalMatrix);
    const bool smallFamilyTerms = report.familyTermSize < legibleTermSize;
    plan.familyMatricesX = x.familyCount >= 4 || smallFamilyTerms;
    plan.familyMatricesY = y.familyCount >= 4 || smallFamilyTerms;
    if (plan.familyMatricesX || plan.familyMatricesY)
        plan.parts.push_back(AppendixPart::familyMatrices);
    if (storeys > storeysOnCentresPage)
        plan.parts.push_back(AppendixPart::massCentres);
    if (std::max(x.familyCount, y.familyCount) > familiesOnCentresPage)
        plan.parts.push_back(AppendixPart::stiffnessCentres);
    // The ritti's shares at every storey when the page shows only part of them.
    if (report.ntc && report.ntc->computed && (manyRitti || storeys > 1))
        plan.parts.push_back(AppendixPart::rittoShears);
}

// Why a report could not be written to path, in words the user can act on.
std::string writeFailure(const std::string& path, const std::string& writerMessage) {
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::path folder = fs::absolute(fs::path(path), error).parent_path();
    if (!fs::is_directory(folder, error))
        return "la cartella " + folder.string() + " non esiste.";
    if (::access(folder.c_str(), W_OK) != 0)
        return "non si hanno i permessi per scrivere nella cartella " + folder.string() + ".";
    if (fs::is_directory(fs::path(path), error))
        return "esiste già una cartella con questo nome.";
    const fs::space_info space = fs::space(folder, error);
    if (!error && space.available < (std::uintmax_t{1} << 20))
        return "lo spazio sul disco è esaurito.";
    return writerMessage.empty() ? "errore di scrittura del file." : writerMessage;
}

// The temporary file the report is written to before it replaces path.
std::string temporaryPath(const std::string& path) {
    namespace fs = std::filesystem;
    const fs::path target(path);
    return (target.parent_path() / ("." + target.filename().string() + ".scrittura")).string();
}

// The pages in order, each writer's end reported as a step of `pages`; the annexes, which hold
// the long tables of a large building, as a stage of their own.
void writePages(ReportContext& report, ProgressStage& pages, ProgressStage& annexes) {
    using PageWriter = void (*)(ReportContext&);
    constexpr PageWriter writers[] = {
        writeGeneralPage,        writeGeometryPage, writeGlobalMatrixPage, writeFamilyMatricesPage,
        writeClassificationPage, writeCentresPage,  writeSeismicPages,     writeNtcPages};
    constexpr double count = std::size(writers);
    for (std::size_t i = 0; i < std::size(writers); ++i) {
        writers[i](report);
        pages.report((i + 1) / count);
    }
    if (!report.appendix.parts.empty())
        writeAppendix(report);
    annexes.report(1);
}

} // namespace

std::string reportCreator() {
    return std::string("Orvanta ") + ORVANTA_VERSION;
}

std::string todayItalian() {
    const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm local{};
    localtime_r(&now, &local);
    char text[16];
    std::strftime(text, sizeof text, "%d/%m/%Y", &local);
    return text;
}

ReportOutcome writeCalculationReport(const std::string& path, const Model& model,
                                     AnalysisResults& results, const ReportRequest& request,
                                     const ProgressCallback& progress) {
    ReportOutcome outcome;
    if (!resultsBelongTo(model, results)) {
        outcome.error = "Le matrici di rigidezza non corrispondono al modello: eseguire «Calcola "
                        "Matrici» prima di stampare la relazione.";
        return outcome;
    }
    ProgressStage analysis(progress, "Centri di rigidezza e modi di vibrare", 0, 0.2);
    ProgressStage pages(progress, "Pagine della relazione", 0.2, 0.6);
    ProgressStage annexes(progress, "Allegati della relazione", 0.6, 0.99);
    analysis.report(0);
    computeStiffnessCentres(model, results);
    QuietAsker quiet;
    const SeismicResults seismic =
        computeSeismicResponse(model, results.globalStiffness, request.concreteClass, quiet);
    std::optional<LinearStaticResults> ntc;
    if (const std::optional<NtcParameters> parameters = readNtcParameters(model.settings))
        ntc = linearStaticAnalysis(model, results, seismicMasses(model),
                                   projectStiffnessModulus(model), seismic, *parameters);

    PdfWriter pdf;
    pdf.SetScaleMode(scale_mode::centimetres);
    pdf.SetPaperSize(0);
    pdf.SetMargin(0);
    pdf.SetOrientation(1);
    pdf.SetTitle(std::string(texts::documentTitle) +
                 (request.projectName.empty() ? "" : " – " + request.projectName));
    pdf.SetAuthor(request.fields.designer);
    pdf.SetCreator(reportCreator());
    analysis.report(1);

    std::string temporary = temporaryPath(path);
    if (!pdf.InitPDFFile(temporary)) {
        outcome.error = writeFailure(path, pdf.errorMessage());
        return outcome;
    }
    ReportCanvas canvas(pdf, request.numbers, "Orvanta – " + std::string(texts::documentTitle),
                        request.projectName);
    ReportContext report{
        canvas, model, results, seismic,         request.fields,  reportedRitti(results),
        2,      2,     {},      largestTermSize, largestTermSize, {}, ntc ? &*ntc : nullptr};
    bool complete = canvas.loadFonts();
    if (complete) {
        planPages(report);
        writePages(report, pages, annexes);
    }
    complete = pdf.ClosePDFFile() && complete;
    outcome.pages = pdf.Pages();
    std::error_code error;
    if (complete)
        std::filesystem::rename(temporary, path, error);
    if (!complete || error) {
        const std::string writer = pdf.errorMessage();
        std::filesystem::remove(temporary, error);
        outcome.error = writeFailure(path, writer);
        return outcome;
    }
    outcome.written = true;
    if (progress)
        progress("Relazione scritta", 1);
    return outcome;
}

namespace {

struct ReportFieldKey {
    const char* key;
    std::string ReportFields::*field;
};

constexpr ReportFieldKey reportFieldKeys[] = {
    {settingKey::reportDescription, &ReportFields::description},
    {settingKey::reportLocation, &ReportFields::location},
    {settingKey::reportDesigner, &ReportFields::designer},
    {settingKey::reportClient, &ReportFields::client},
    {settingKey::reportDate, &ReportFields::date},
};

} // namespace

ReportFields projectReportFields(const ProjectSettings& settings) {
    ReportFields fields;
    for (const ReportFieldKey& k : reportFieldKeys)
        fields.*k.field = settings.text(k.key).value_or(std::string());
    return fields;
}

void storeReportFields(ProjectSettings& settings, const ReportFields& fields) {
    for (const ReportFieldKey& k : reportFieldKeys) {
        if ((fields.*k.field).empty())
            settings.erase(k.key);
        else
            settings.setText(k.key, fields.*k.field);
    }
}

} // namespace orvanta
