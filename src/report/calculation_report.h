#pragma once

// The calculation report ("Relazione di Calcolo"): the PDF the engineer hands in, written from
// the model and the results of "Calcola Matrici" through PdfWriter.
//
// Pages, A4 portrait, positions in cm from the bottom-left corner:
//   1  "1. Generalità": the program, the method, the five fields the user typed
//   2  "2. Geometria della Struttura": the plan of storey 1 and the table of the ritti with
//      their sections storey by storey (the first 6 storeys, the first 40 ritti)
//   3  "3. Matrice di Rigidezza Rototraslazionale": the nine blocks of the global matrix × 100
//   4  "4. Matrici di Rigidezza Traslazionale delle Famiglie": mean matrices of the families
//   5  "5. Classificazione in Famiglie dei Ritti Strutturali": family and importance
//      coefficient of every ritto (the first 40)
//   6  "6. Centri di Massa dell'Edificio" and "7. Centri Parziali di Rigidezza"
//   7… "8. Regolarità Torsionale e Modi di Vibrare": per storey, the centre of rigidity, the
//      eccentricities, the torsional radii and the four plan-regularity checks, then the first
//      vibration modes (over as many pages as the storeys need)
// then, when a page had to leave something out or print it too small to read, "Allegato"
// pages with the complete tables, continued over as many pages as needed. A report with nothing
// left out has seven pages.
//
// Every page carries a header ("Orvanta – Relazione di Calcolo" and the project's name) and its
// number. Numbers follow the NumberFormat given (Italian by default: "1.234.567", "0,75").

#include "analysis_results.h"
#include "model.h"
#include "number_format.h"
#include "progress.h"
#include "vibration_modes.h"

#include <string>

namespace orvanta {

// The general data the user types for page 1, printed after their labels as typed.
struct ReportFields {
    std::string description; // "Descrizione dell' Opera:"
    std::string location;    // "Ubicazione:"
    std::string designer;    // "Progettista:", also the document's author
    std::string client;      // "Committente:"
    std::string date;        // "Data:"
    bool operator==(const ReportFields&) const = default;
};

// Keys of the project settings that keep the five fields as last printed.
namespace settingKey {
inline constexpr const char* reportDescription = "relazione.descrizione";
inline constexpr const char* reportLocation = "relazione.ubicazione";
inline constexpr const char* reportDesigner = "relazione.progettista";
inline constexpr const char* reportClient = "relazione.committente";
inline constexpr const char* reportDate = "relazione.data";
} // namespace settingKey

// The fields kept with the project (settingKey::report*); absent ones are empty.
ReportFields projectReportFields(const ProjectSettings& settings);
// Stores the fields with the project; an empty field is removed, so that a project whose report
// was never filled in keeps no section.
void storeReportFields(ProjectSettings& settings, const ReportFields& fields);

struct ReportRequest {
    ReportFields fields;
    NumberFormat numbers;                        // the user's conventions
    double concreteClass = defaultConcreteClass; // Rck, N/mm², for the vibration modes
    std::string projectName;                     // in the page header; may be empty
};

struct ReportOutcome {
    bool written = false;
    std::string error; // why not, in Italian, when not written
    int pages = 0;
};

// The version the report names as its creator ("Orvanta 0.1.0").
std::string reportCreator();

// Writes the report to path. Recomputes the centres of stiffness (the families may have changed
// since "Calcola Matrici"), the torsional regularity and the modes. Refuses results that do
// not belong to the model (no "Calcola Matrici" since the model changed size) and reports a
// file that cannot be written; an existing file is replaced only by a complete report. Progress
// goes by stage: the centres and modes, the six pages, the annexes.
ReportOutcome writeCalculationReport(const std::string& path, const Model& model,
                                     AnalysisResults& results, const ReportRequest& request,
                                     const ProgressCallback& progress = {});

// Today's date as the report's date field shows it: "08/12/2026".
std::string todayItalian();

} // namespace orvanta
