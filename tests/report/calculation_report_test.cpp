// The calculation report read back as a user reads it: qpdf checks every file, pdftotext finds
// the texts and numbers on their pages, pdftoppm renders every page.

#include "calculation.h"
#include "calculation_report.h"
#include "element_records.h"
#include "families.h"
#include "generated_buildings.h"
#include "ntc_parameters.h"
#include "numbering.h"
#include "pdf_inspection.h"
#include "project_file.h"
#include "report_pages.h"
#include "report_plan.h"
#include "report_table.h"
#include "scripted_interaction.h"
#include "seismic_response.h"
#include "stiffness_centres.h"

#include <gtest/gtest.h>
#include <regex>

namespace orvanta {
namespace {

namespace fs = std::filesystem;
using testing::expectQpdfClean;
using testing::runTool;

struct WrittenReport {
    fs::path file;
    ReportOutcome outcome;
    std::vector<std::string> pages;  // pdftotext -layout of each page
    std::vector<std::string> stages; // the stages the progress went through, in order
    bool onlyOn(const std::string& text, std::size_t page) const {
        for (std::size_t p = 0; p < pages.size(); ++p) {
            if ((pages[p].find(text) != std::string::npos) != (p + 1 == page))
                return false;
        }
        return true;
    }
};

// The seismic section: its first page and, when its tables go on, the page that continues it.
std::string seismicSection(const WrittenReport& report) {
    std::string section = report.pages.at(6);
    for (std::size_t p = 7; p < report.pages.size() &&
                            report.pages[p].find("Modi di Vibrare (segue)") != std::string::npos;
         ++p)
        section += report.pages[p];
    return section;
}

// The first page of the appendix, or the page count when there is none.
std::size_t firstAppendixPage(const WrittenReport& report) {
    for (std::size_t p = 7; p < report.pages.size(); ++p) {
        if (report.pages[p].find("Allegato A") != std::string::npos)
            return p;
    }
    return report.pages.size();
}

AnalysisResults analysed(const Model& model) {
    testing::ScriptedAsker asker;
    AnalysisResults results;
    runCalculation(model, results, asker);
    return results;
}

void setFamilies(const Model& model, AnalysisResults& results, Direction d, int count) {
    testing::ScriptedAsker asker;
    assignFamilies(model, results, d, setFamilyCount(model, results, d, count, asker), asker);
}

Model example(const std::string& name) {
    return *readProjectFile(testing::example(name).string()).model;
}

WrittenReport writeReport(const std::string& name, const Model& model, AnalysisResults& results,
                          const ReportRequest& request = {}) {
    WrittenReport report;
    report.file = testing::outputFolder("report-" + name) / (name + ".pdf");
    double done = 0;
    report.outcome =
        writeCalculationReport(report.file.string(), model, results, request,
                               [&](const std::string& stage, double fraction) {
                                   EXPECT_GE(fraction, done) << stage; // progress never goes back
                                   done = fraction;
                                   if (report.stages.empty() || report.stages.back() != stage)
                                       report.stages.push_back(stage);
                               });
    EXPECT_TRUE(report.outcome.written) << name << ": " << report.outcome.error;
    if (!report.outcome.written)
        return report;
    EXPECT_EQ(done, 1.0) << name; // a written report ends its progress
    expectQpdfClean(report.file);
    for (int p = 1; p <= report.outcome.pages; ++p) {
        const testing::ToolRun run =
            runTool("pdftotext -layout -enc UTF-8 -f " + std::to_string(p) + " -l " +
                    std::to_string(p) + " " + testing::quoted(report.file) + " -");
        EXPECT_EQ(run.status, 0) << run.output;
        report.pages.push_back(run.output);
    }
    return report;
}

// Whether a table of the page has a row beginning with this number.
bool hasRow(const std::string& page, int number) {
    return std::regex_search(page, std::regex("\n\\s*" + std::to_string(number) + "\\s{2,}\\S"));
}

// A regular building whose last columns are taken away, leaving `ritti` ritti.
Model buildingWithRitti(int ritti, std::int16_t storeys = 2) {
    Model m = testing::regularBuilding(6, 7, storeys);
    for (int node = 42; node > ritti; --node) {
        for (int k = 1; k <= storeys; ++k)
            setPresent(m, k, node, false);
    }
    return m;
}

// Each field under its own key, so that swapping two of them shows; an emptied field leaves the
// project's settings.
TEST(CalculationReport, TheFieldsTravelWithTheProjectEachUnderItsKey) {
    const ReportFields typed{"Scuola", "Vicenza", "Ing. Rossi", "Comune", "08/12/2026"};
    ProjectSettings settings;
    storeReportFields(settings, typed);
    EXPECT_EQ(settings.text(settingKey::reportLocation), "Vicenza");
    EXPECT_EQ(settings.text(settingKey::reportClient), "Comune");
    EXPECT_EQ(projectReportFields(settings), typed);

    storeReportFields(settings, {"Scuola", "", "Ing. Rossi", "Comune", "08/12/2026"});
    EXPECT_FALSE(settings.text(settingKey::reportLocation).has_value());
    storeReportFields(settings, {});
    EXPECT_TRUE(settings.empty());
}

TEST(CalculationReport, EveryExampleHasItsPagesHeadingsAndTheUsersFields) {
    ReportRequest request;
    request.fields = {"Edificio «Le Querce» – lotto 2", "Città di Castello (PG)",
                      "Ing. Niccolò D’Angelo", "Società “Alfa” S.r.l.", "08/12/2026"};
    request.projectName = "palazzina-4-piani";
    Model model = example("palazzina-4-piani.orv");
    AnalysisResults results = analysed(model);
    const WrittenReport report = writeReport("palazzina", model, results, request);
    // The seismic section goes on to page 8 with the floors' weights.
    ASSERT_EQ(report.outcome.pages, 8);
    ASSERT_EQ(report.pages.size(), 8u);
    const std::pair<const char*, std::size_t> onPage[] = {
        {"Orvanta", 1},
        {"1. Generalità", 1},
        {"2. Geometria della Struttura", 2},
        {"3. Matrice di Rigidezza Rototraslazionale", 3},
        {"4. Matrici di Rigidezza Traslazionale delle Famiglie", 4},
        {"5. Classificazione in Famiglie dei Ritti Strutturali", 5},
        {"6. Centri di Massa dell'Edificio", 6},
        {"7. Centri Parziali di Rigidezza", 6},
        {"8. Regolarità Torsionale e Modi di Vibrare", 7},
    };
    for (const auto& [text, page] : onPage)
        EXPECT_NE(report.pages[page - 1].find(text), std::string::npos) << text;
    for (const std::string& field :
         {request.fields.description, request.fields.location, request.fields.designer,
          request.fields.client, request.fields.date})
        EXPECT_TRUE(report.onlyOn(field, 1)) << field;
    EXPECT_NE(report.pages[0].find("Descrizione dell' Opera:"), std::string::npos);
    // The hollow core's note, no capping note, no appendix.
    EXPECT_NE(report.pages[1].find("spessori di 250-250 mm alla base del ritto 8"),
              std::string::npos);
    for (const std::string& page : report.pages) {
        EXPECT_EQ(page.find("** :"), std::string::npos);
        EXPECT_EQ(page.find("Allegato"), std::string::npos);
    }
    // Page 1 names the code of the storey forces and the program; page 2 its units; page 3 says
    // what its numbers show: this building's rotation is coupled (0,49) and its first mode turns.
    EXPECT_NE(report.pages[0].find("NTC 2018 (§ 7.3.3.2"), std::string::npos);
    EXPECT_EQ(report.pages[0].find("3274"), std::string::npos);
    EXPECT_NE(report.pages[0].find(reportCreator()), std::string::npos);
    EXPECT_NE(report.pages[1].find("b×h [mm]"), std::string::npos);
    EXPECT_EQ(report.pages[1].find("mmq"), std::string::npos);
    EXPECT_NE(report.pages[2].find("disaccoppiamento torsionale non buono"), std::string::npos)
        << report.pages[2];
    EXPECT_NE(report.pages[2].find("0,55 (piano 3)"), std::string::npos) << report.pages[2];
    const std::string seismic = seismicSection(report);
    EXPECT_NE(seismic.find("Pesi sismici dei piani"), std::string::npos);
    EXPECT_NE(seismic.find("giratore d'inerzia ls"), std::string::npos);
    EXPECT_NE(seismic.find("q0 = 2,0"), std::string::npos) << seismic;
    EXPECT_EQ(seismic.find("ripresi dalla normativa"), std::string::npos);
    // Header and footer on every page.
    EXPECT_NE(report.pages[6].find("Pagina 7"), std::string::npos);
    EXPECT_NE(report.pages[4].find("Relazione di Calcolo"), std::string::npos);

    // Who made it: the designer as author, Orvanta with its version as creator.
    const std::string bytes = testing::readBytes(report.file);
    EXPECT_NE(bytes.find("/Author (Ing. Niccol\xF2 D\x90"
                         "Angelo)"),
              std::string::npos);
    EXPECT_NE(bytes.find("/Creator  (" + reportCreator() + ")"), std::string::npos);
    EXPECT_EQ(reportCreator().rfind("Orvanta ", 0), 0u);
}

TEST(CalculationReport, ASymmetricBlockIsDecoupledRegularAndTorsionallyRigid) {
    const Model model = example("blocco-1-campata.orv");
    AnalysisResults results = analysed(model);
    const WrittenReport report = writeReport("blocco", model, results);
    EXPECT_NE(report.pages[2].find("buon disaccoppiamento torsionale"), std::string::npos)
        << report.pages[2];
    EXPECT_NE(report.pages[2].find(" 0,00 (piano 1)"), std::string::npos);
    const std::string seismic = seismicSection(report);
    EXPECT_NE(seismic.find("Esito: tutti i piani soddisfano"), std::string::npos) << seismic;
    EXPECT_NE(seismic.find("non è torsionalmente deformabile"), std::string::npos);
    // ls by hand: slab 112 000 N over 5000 × 4000 (r0² = 41·10⁶/12), four half columns of
    // 5625 N at the corners, beams of 22 500 N (X) and 18 000 N (Y) on the edges:
    // Σ w·(r0² + d²) = 3.827·10¹¹ + 2.306·10¹¹ + 2.738·10¹¹ + 2.730·10¹¹ = 1.160·10¹² N·mm²,
    // W = 215 500 N, ls = √(1.160·10¹²/215 500) = 2320 mm: the slab alone would give 1848.
    EXPECT_NE(seismic.find("215,5"), std::string::npos) << seismic;
    EXPECT_NE(seismic.find("2.320"), std::string::npos) << seismic;
}

TEST(CalculationReport, NumbersAreTheResultsFormattedAsTheUserReadsThem) {
    const Model model = example("palazzina-4-piani.orv");
    AnalysisResults results = analysed(model);
    setFamilies(model, results, Direction::orthogonalToX, 2);
    const WrittenReport report = writeReport("numbers", model, results);
    ASSERT_EQ(report.pages.size(), 8u);
    computeStiffnessCentres(model, results);
    // A term of the global matrix × 100, a centre of mass, a partial centre, a coefficient.
    const std::string term = formatNumber(100 * results.globalStiffness(1, 2), 0);
    EXPECT_NE(term.find('.'), std::string::npos) << "grouped thousands expected: " << term;
    EXPECT_NE(report.pages[2].find(" " + term + " "), std::string::npos) << term;
    EXPECT_NE(report.pages[5].find(formatNumber(model.massCentre(1, 2), 0)), std::string::npos);
    const RittiResults& x = results[Direction::orthogonalToX];
    EXPECT_NE(report.pages[5].find(formatNumber(x.stiffnessCentre(2), 0)), std::string::npos);
    EXPECT_NE(report.pages[4].find(formatNumber(x.stiffnessWeight(8), 2)), std::string::npos);
    EXPECT_NE(report.pages[4].find("0,"), std::string::npos);

    // Other conventions: grouping with a comma, the narrow no-break space of French becoming
    // the no-break space the fonts have.
    ReportRequest english;
    english.numbers = {",", ".", "-"};
    const WrittenReport en = writeReport("numbers-en", model, results, english);
    ASSERT_EQ(en.pages.size(), 8u);
    EXPECT_NE(
        en.pages[2].find(formatNumber(100 * results.globalStiffness(1, 2), 0, english.numbers)),
        std::string::npos);
    EXPECT_EQ(report::printableNumberFormat({"\u202F", ",", "\u2212"}),
              (NumberFormat{"\u00A0", ",", "-"}));
    EXPECT_EQ(report::printableNumberFormat({"\u066C", "\u066B", "-"}), NumberFormat{});
}

TEST(CalculationReport, CappedTablesCarryTheirNotesAndGoWholeIntoTheAppendix) {
    // Exactly 40 ritti: 40 rows, no note, no appendix.
    Model forty = buildingWithRitti(40);
    AnalysisResults fortyResults = analysed(forty);
    const WrittenReport full = writeReport("forty", forty, fortyResults);
    EXPECT_EQ(full.outcome.pages, 7);
    for (const std::string& page : full.pages)
        EXPECT_EQ(page.find("** :"), std::string::npos);
    EXPECT_TRUE(hasRow(full.pages[4], 40));

    // 41: the notes on pages 2 and 5, and every ritto in the appendix.
    Model fortyOne = buildingWithRitti(41);
    AnalysisResults fortyOneResults = analysed(fortyOne);
    const WrittenReport capped = writeReport("forty-one", fortyOne, fortyOneResults);
    ASSERT_GT(capped.pages.size(), 7u);
    EXPECT_NE(capped.pages[1].find("Riportati solamente i primi 40 ritti strutturali"),
              std::string::npos);
    EXPECT_NE(capped.pages[4].find("** :"), std::string::npos);
    EXPECT_NE(capped.pages[4].find("Riportati solamente i primi 40 ritti strutturali"),
              std::string::npos);
    EXPECT_TRUE(hasRow(capped.pages[4], 40));
    EXPECT_FALSE(hasRow(capped.pages[4], 41));
    EXPECT_NE(
        capped.pages[firstAppendixPage(capped)].find("Allegato A – Sezioni dei ritti strutturali"),
        std::string::npos);
    std::string appendix;
    for (std::size_t p = 7; p < capped.pages.size(); ++p)
        appendix += capped.pages[p];
    EXPECT_NE(appendix.find("Allegato B – Classificazione in famiglie"), std::string::npos);
    EXPECT_TRUE(hasRow(appendix, 41)) << appendix;

    // 8 storeys: page 2 tabulates 6 and says so; no other page of the seven does.
    Model tall = testing::regularBuilding(4, 4, 8);
    AnalysisResults tallResults = analysed(tall);
    const WrittenReport eight = writeReport("eight-storeys", tall, tallResults);
    ASSERT_GT(eight.pages.size(), 7u);
    for (std::size_t p = 0; p < 7; ++p)
        EXPECT_EQ(eight.pages[p].find("** :") != std::string::npos, p == 1) << "page " << p + 1;
    EXPECT_NE(eight.pages[1].find("Riportati solamente i primi 6 piani"), std::string::npos);
    EXPECT_NE(eight.pages[1].find("Piano 6°"), std::string::npos);
    EXPECT_EQ(eight.pages[1].find("Piano 7°"), std::string::npos);
    const std::size_t appendixPage = firstAppendixPage(eight);
    ASSERT_LT(appendixPage, eight.pages.size());
    EXPECT_NE(eight.pages[appendixPage].find("1–2: 600x600"), std::string::npos)
        << eight.pages[appendixPage];
}

TEST(CalculationReport, FamilyPagesShowTheChosenFamiliesAndDashesWhereADirectionHasNone) {
    Model model = testing::regularBuilding(6, 6, 4);
    AnalysisResults results = analysed(model);
    setFamilies(model, results, Direction::orthogonalToX, 3); // orthogonal to X
    setFamilies(model, results, Direction::orthogonalToY, 5); // orthogonal to Y
    const WrittenReport report = writeReport("families", model, results);
    ASSERT_GE(report.pages.size(), 7u);
    const std::string& page4 = report.pages[3];
    EXPECT_NE(page4.find("si riportano in Y le famiglie ritenute più significative."),
              std::string::npos);
    const std::size_t yTitle = page4.find("Famiglie ortogonali ad Y");
    ASSERT_NE(yTitle, std::string::npos);
    const std::string xPart = page4.substr(0, yTitle), yPart = page4.substr(yTitle);
    for (const char* f : {"n.1", "n.2", "n.3"})
        EXPECT_NE(xPart.find(std::string("Famiglia ") + f), std::string::npos) << f;
    for (const char* f : {"n.1", "n.4", "n.5"})
        EXPECT_NE(yPart.find(std::string("Famiglia ") + f), std::string::npos) << f;
    for (const char* f : {"n.2", "n.3"})
        EXPECT_EQ(yPart.find(std::string("Famiglia ") + f), std::string::npos) << f;
    // Page 6: five rows of partial centres; the X column has "--" past its 3 families (and for
    // a family left without ritti), the Y column a centre for family 5.
    const std::string centres = report.pages[5].substr(report.pages[5].find("7. Centri"));
    EXPECT_TRUE(std::regex_search(centres, std::regex("\n\\s*4\\s+--\\s")));
    EXPECT_TRUE(std::regex_search(centres, std::regex("\n\\s*5\\s+--\\s+[0-9]")));
    EXPECT_FALSE(hasRow(centres, 6));
}

TEST(CalculationReport, TheSeismicPageSaysWhatCouldNotBeComputed) {
    // Without loads the storeys have neither mass nor radius of gyration: the global matrix has
    // no rotations, and the page says so in the computation's words.
    Model model = testing::regularBuilding(3, 3, 2);
    for (int k = 1; k <= 2; ++k)
        model.gyrationRadius(k) = 0;
    AnalysisResults results = analysed(model);
    const WrittenReport report = writeReport("seismic-not-computed", model, results);
    ASSERT_EQ(report.pages.size(), 7u);
    EXPECT_NE(report.pages[6].find("non sono stati"), std::string::npos) << report.pages[6];
    EXPECT_NE(report.pages[6].find("non è definita positiva"), std::string::npos);

    // A regular building: the table, the verdict and twelve of the 3·nStoreys modes.
    Model regular = testing::regularBuilding(5, 5, 5);
    AnalysisResults regularResults = analysed(regular);
    ReportRequest request;
    request.concreteClass = 35;
    const WrittenReport modes = writeReport("seismic-modes", regular, regularResults, request);
    const std::string page = seismicSection(modes);
    // C28/35: Ecm = 22000·((29.05 + 8)/10)^0.3 = 32 588 N/mm².
    EXPECT_NE(page.find("C28/35 (Rck 35 N/mm"), std::string::npos);
    EXPECT_NE(page.find(formatNumber(secantModulus(35), 0)), std::string::npos);
    EXPECT_NE(page.find("32.588"), std::string::npos);
    EXPECT_NE(page.find("Esito:"), std::string::npos);
    EXPECT_NE(page.find("Sono riportati i primi 12 dei 15 modi"), std::string::npos);
    EXPECT_NE(page.find("Somma"), std::string::npos);
}

TEST(CalculationReport, TypedTextIsPrintedWhateverItHolds) {
    const Model model = example("blocco-1-campata.orv");
    AnalysisResults results = analysed(model);
    std::string longText = "Ampliamento";
    while (longText.size() < 420)
        longText += " del corpo scala e degli impianti";
    ReportRequest request;
    request.fields = {longText, "C:\\progetti\\(vecchio) 100%", "Tab\tqui", "", ""};
    const WrittenReport report = writeReport("typed-text", model, results, request);
    ASSERT_EQ(report.pages.size(), 7u);
    const std::string& first = report.pages[0];
    EXPECT_NE(first.find("C:\\progetti\\(vecchio) 100%"), std::string::npos) << first;
    EXPECT_NE(first.find("Ampliamento del corpo scala"), std::string::npos);
    EXPECT_NE(first.find("…"), std::string::npos); // past two lines the text is cut, visibly
    EXPECT_NE(first.find("Tab?qui"), std::string::npos);
    // The labels of empty fields stand alone, and the page keeps its closing lines.
    EXPECT_NE(first.find("Committente:"), std::string::npos);
    EXPECT_NE(first.find("inauspicabili fenomeni di collasso"), std::string::npos);
}

TEST(CalculationReport, SeismicFiguresAndHollowCoresAreTheComputedOnes) {
    Model model = testing::regularBuilding(4, 4, 9);
    AnalysisResults results = analysed(model);
    testing::ScriptedAsker asker;
    const SeismicResults seismic =
        computeSeismicResponse(model, results.globalStiffness, defaultConcreteClass, asker);
    ASSERT_TRUE(seismic.hasModes());
    const WrittenReport report = writeReport("seismic-figures", model, results);
    ASSERT_GT(report.pages.size(), 7u);

    // The hollow core at nodes 6, 7, 10 and 11: one note for its thickness.
    EXPECT_NE(report.pages[1].find("spessori di 250-250 mm alla base dei ritti 6, 7, 10, 11"),
              std::string::npos)
        << report.pages[1];
    const std::string page = seismicSection(report);
    const StoreyRegularity& first = seismic.storeys(1);
    EXPECT_NE(page.find(formatNumber(first.rigidityCentreY, 0)), std::string::npos);
    EXPECT_NE(page.find(formatNumber(first.torsionalRadiusX, 0)), std::string::npos);
    const VibrationMode& mode = seismic.modes(1);
    EXPECT_NE(page.find(formatNumber(mode.period, 3)), std::string::npos);
    EXPECT_NE(page.find(formatNumber(100 * mode.massRatioY, 1)), std::string::npos);
    EXPECT_EQ(page.find("Esito: tutti i piani") != std::string::npos, seismic.regularInPlan);

    // The appendix gives every storey's section as runs: a corner column shrinking by thirds.
    std::string appendix;
    for (std::size_t p = 7; p < report.pages.size(); ++p)
        appendix += report.pages[p];
    EXPECT_NE(appendix.find("1–3: 600x700; 4–6: 500x600; 7–9: 400x500"), std::string::npos);
    EXPECT_NE(appendix.find("1–9: 2500x2500* (250-250)"), std::string::npos);
}

TEST(CalculationReport, WritingFailuresAreReportedAndLeaveTheOldFile) {
    const Model model = example("blocco-1-campata.orv");
    AnalysisResults results = analysed(model);
    const fs::path folder = testing::outputFolder("report-failures");

    const ReportOutcome missing =
        writeCalculationReport((folder / "manca" / "r.pdf").string(), model, results, {});
    EXPECT_FALSE(missing.written);
    EXPECT_NE(missing.error.find("non esiste"), std::string::npos) << missing.error;

    const fs::path directory = folder / "cartella.pdf";
    fs::create_directory(directory);
    const ReportOutcome onFolder = writeCalculationReport(directory.string(), model, results, {});
    EXPECT_FALSE(onFolder.written);
    EXPECT_NE(onFolder.error.find("cartella"), std::string::npos) << onFolder.error;
    EXPECT_TRUE(fs::is_directory(directory));
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);

    // Results of another building, or none: refused before anything is written.
    const fs::path old = folder / "vecchia.pdf";
    std::ofstream(old) << "vecchia";
    AnalysisResults none;
    const ReportOutcome stale = writeCalculationReport(old.string(), model, none, {});
    EXPECT_FALSE(stale.written);
    EXPECT_NE(stale.error.find("Calcola Matrici"), std::string::npos);
    AnalysisResults other = analysed(testing::regularBuilding(3, 3, 2));
    EXPECT_FALSE(writeCalculationReport(old.string(), model, other, {}).written);
    // The same building with one section changed since "Calcola Matrici": same sizes, other
    // stiffness, refused all the same.
    Model edited = model;
    edited.members(1, 1, member::base) += 50;
    EXPECT_FALSE(writeCalculationReport(old.string(), edited, results, {}).written);
    EXPECT_EQ(testing::readBytes(old), "vecchia");
}

TEST(CalculationReport, TallBuildingsPutTheirMatricesAndCentresInTheAppendix) {
    Model model = testing::regularBuilding(4, 5, 12);
    AnalysisResults results = analysed(model);
    const WrittenReport report = writeReport("twelve-storeys", model, results);
    ASSERT_GT(report.pages.size(), 8u);
    EXPECT_NE(report.pages[2].find("la matrice è riportata per esteso nell'Allegato"),
              std::string::npos);
    EXPECT_NE(report.pages[5].find("Riportati solamente i primi 10 piani"), std::string::npos);
    std::string appendix;
    for (std::size_t p = 7; p < report.pages.size(); ++p)
        appendix += report.pages[p];
    for (const char* part : {"Sezioni dei ritti", "Matrice di rigidezza rototraslazionale",
                             "Centri di massa dei piani", "Kxx", "Kxy: tutti i termini sono nulli"})
        EXPECT_NE(appendix.find(part), std::string::npos) << part;
    EXPECT_NE(appendix.find(formatNumber(model.massCentre(12, 1), 0)), std::string::npos);
    EXPECT_EQ(report.stages, (std::vector<std::string>{
                                 "Centri di rigidezza e modi di vibrare", "Pagine della relazione",
                                 "Allegati della relazione", "Relazione scritta"}));
}

TEST(CalculationReport, EveryPageRenders) {
    for (const char* name :
         {"blocco-1-campata.orv", "palazzina-4-piani.orv", "uffici-a-L-3-piani.orv"}) {
        const Model model = example(name);
        AnalysisResults results = analysed(model);
        const std::string stem = fs::path(name).stem().string();
        const WrittenReport report = writeReport("render-" + stem, model, results);
        if (!testing::toolAvailable("pdftoppm", "poppler-utils"))
            return;
        const fs::path pictures = report.file.parent_path() / "pagina";
        const testing::ToolRun run = runTool("pdftoppm -png -r 40 " + testing::quoted(report.file) +
                                             " " + testing::quoted(pictures));
        EXPECT_EQ(run.status, 0) << run.output;
        EXPECT_EQ(run.output, "");
        int pngs = 0;
        for (const fs::directory_entry& entry : fs::directory_iterator(report.file.parent_path()))
            pngs += entry.path().extension() == ".png";
        EXPECT_EQ(pngs, report.outcome.pages) << name;
    }
}

TEST(CalculationReportContent, ImportanceCoefficientsTakeAThirdDecimalOnlyToTellThemApart) {
    EXPECT_EQ(report::importanceDecimals({0.25, 0.25, 0.5}, {}), 2);
    EXPECT_EQ(report::importanceDecimals({0.254, 0.246, 0.5}, {}), 3);
    EXPECT_EQ(report::importanceDecimals({0.1 + 0.2, 0.3}, {}), 2); // rounding noise only
    EXPECT_EQ(report::importanceDecimals({}, {}), 2);
}

TEST(CalculationReportContent, FamiliesShownAndSectionTexts) {
    EXPECT_EQ(report::familiesShown(3), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(report::familiesShown(5), (std::vector<int>{1, 4, 5}));
    EXPECT_EQ(report::familiesShown(4), (std::vector<int>{1, 3, 4}));
    const Model model = testing::regularBuilding(4, 4, 3);
    // Node 6 is in the hollow core, node 1 a 600 × 600 corner column of the lower third.
    EXPECT_EQ(report::sectionText(model, 1, 6, {}), "2500x2500*");
    EXPECT_EQ(report::sectionText(model, 1, 1, {}), "600x700");
    Model missing = model;
    setPresent(missing, 2, 1, false);
    EXPECT_EQ(report::sectionText(missing, 2, 1, {}), "--");
}

TEST(CalculationReportContent, ThePlanKeepsItsSectionsInsideItsBox) {
    // The worked number: 17 000 × 14 900 mm with sections up to 2000 × 2200 mm.
    StoreyPlan plan;
    plan.lowest = {0, 0};
    plan.highest = {17000, 14900};
    PlanColumn core;
    core.at = {8500, 5200};
    core.section = {ColumnShape::box, 2000, 2200, 250, 250};
    plan.columns = {core};
    const report::PlanBox box{3.5, 14.1, 14, 9.9};
    const report::PlanMapping m = report::planMapping(plan, 17000, 14900, box);
    EXPECT_NEAR(m.scale, 9.0 / 17100, 1e-12);
    EXPECT_NEAR(m.x(17000) - m.x(0), 8.947, 1e-3);
    EXPECT_NEAR(m.overhangY, 1100 * m.scale, 1e-12);

    // A one-bay frame drawn large: its columns stand inside the box with room for the numbers.
    const Model model = example("blocco-1-campata.orv");
    const StoreyPlan frame = storeyPlan(model, 1);
    const report::PlanMapping big = report::planMapping(frame, 5000, 4000, box);
    for (const PlanColumn& c : frame.columns) {
        EXPECT_GE(big.x(c.at.x) - big.scale * c.section.base / 2, box.left + 0.7);
        EXPECT_LE(big.x(c.at.x) + big.scale * c.section.base / 2, box.left + box.width - 0.3);
        EXPECT_GE(big.y(c.at.y) - big.scale * c.section.height / 2, box.bottom + 0.3);
        EXPECT_LE(big.y(c.at.y) + big.scale * c.section.height / 2,
                  box.bottom + box.height - 0.6 + 1e-9);
    }
}

TEST(CalculationReportContent, LongTablesGoOnOverPagesWithTheirHeaderAndWrappedText) {
    const fs::path file = testing::outputFolder("report-paged-table") / "tabella.pdf";
    PdfWriter pdf;
    pdf.SetScaleMode(scale_mode::centimetres);
    std::string name = file.string();
    ASSERT_TRUE(pdf.InitPDFFile(name));
    report::ReportCanvas canvas(pdf, {}, "Prova", "tabella");
    ASSERT_TRUE(canvas.loadFonts());
    canvas.startSection("Allegato Z – Tabella lunga");
    const double widths[] = {2, 10};
    const report::ColumnTitle titles[] = {{"Riga", ""}, {"Testo", "[cm]"}};
    report::PagedTable table(canvas, report::columnsFrom(2, widths, titles));
    // 140 rows of 0.35 cm, one of them three lines high, run over three pages.
    for (int row = 1; row <= 140; ++row) {
        const std::vector<std::string> lines =
            row == 70 ? report::wrapText(std::string(60, 'x') + " parola " + std::string(120, 'y') +
                                             " fine",
                                         report::font::body, 9, 9.8)
                      : std::vector<std::string>{"riga " + std::to_string(row)};
        table.row(report::TableRow{{std::to_string(row), lines.front()}, {}},
                  {lines.begin() + 1, lines.end()}, 1);
    }
    table.end();
    canvas.endPage();
    ASSERT_TRUE(pdf.ClosePDFFile()) << pdf.errorMessage();
    expectQpdfClean(file);
    ASSERT_EQ(pdf.Pages(), 3);
    for (int page = 1; page <= 3; ++page) {
        const std::string text = runTool("pdftotext -layout -f " + std::to_string(page) + " -l " +
                                         std::to_string(page) + " " + testing::quoted(file) + " -")
                                     .output;
        EXPECT_NE(text.find("Testo"), std::string::npos) << page;
        EXPECT_EQ(text.find("(segue)") != std::string::npos, page > 1) << page;
        EXPECT_NE(text.find("Pagina " + std::to_string(page)), std::string::npos);
    }
    // The word wider than its column stands on a line of its own, the others share one.
    const std::vector<std::string> wrapped =
        report::wrapText("corta " + std::string(120, 'y') + " fine", report::font::body, 9, 9.8);
    EXPECT_EQ(wrapped, (std::vector<std::string>{"corta", std::string(120, 'y'), "fine"}));
    for (const std::string& line : report::wrapText(
             "una frase di parole brevi che va a capo più volte", report::font::body, 9, 3))
        EXPECT_LE(report::pointsToCm(report::textWidthPoints(line, report::font::body, 9)), 3);
}

// The project's seismic parameters add the action of the code, the static analysis and the
// ritti's shear at every storey in an appendix; the first page names the code of the storey
// forces.
TEST(CalculationReport, SeismicParametersAddTheActionTheStaticAnalysisAndTheShares) {
    Model model = example("palazzina-4-piani.orv");
    NtcParameters p;
    p.hazard = {SiteHazard{0.062, 2.48, 0.26}, SiteHazard{0.079, 2.47, 0.27},
                SiteHazard{0.208, 2.39, 0.31}};
    writeNtcParameters(model.settings, p);
    AnalysisResults results = analysed(model);
    const WrittenReport report = writeReport("palazzina-ntc", model, results);
    // The pages come after the torsional page, in this order, however long the tables before.
    const auto pageOf = [&](const std::string& text) {
        for (std::size_t p = 0; p < report.pages.size(); ++p) {
            if (report.pages[p].find(text) != std::string::npos)
                return p;
        }
        return report.pages.size();
    };
    const std::size_t action = pageOf("9. Azione Sismica");
    ASSERT_LT(action, report.pages.size());
    EXPECT_TRUE(report.onlyOn("9. Azione Sismica", action + 1));
    EXPECT_GT(action, pageOf("Regolarità Torsionale"));
    EXPECT_NE(report.pages[action].find("Fattore di struttura q = q0·KR"), std::string::npos);
    // The section runs over the next page with the shares of the 21 ritti.
    const std::size_t analysis = pageOf("10. Analisi Statica Lineare");
    EXPECT_EQ(analysis, action + 1);
    EXPECT_LT(pageOf("Verifica degli spostamenti di interpiano allo SLD"), report.pages.size());
    EXPECT_GT(pageOf("Verifica degli spostamenti di interpiano allo SLD"), action);
    EXPECT_GT(pageOf("Allegato A – Tagli e quote dei ritti allo SLV"), analysis);
    EXPECT_LT(pageOf("Allegato A – Tagli e quote dei ritti allo SLV"), report.pages.size());
    EXPECT_NE(report.pages[0].find("NTC 2018"), std::string::npos);
    EXPECT_EQ(report.pages[0].find("3274"), std::string::npos);
}

} // namespace
} // namespace orvanta
