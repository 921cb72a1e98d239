#pragma once

// The page writers of the calculation report, each drawing its pages through the canvas from
// what the report gathered (ReportContext). calculation_report.cpp calls them in page order.

#include "analysis_results.h"
#include "calculation_report.h"
#include "linear_static_analysis.h"
#include "model.h"
#include "report_canvas.h"
#include "report_table.h"
#include "seismic_results.h"

#include <string>
#include <vector>

namespace orvanta::report {

// What a page cannot hold, beyond which it prints the first ones and a note.
inline constexpr int storeysOnGeometryPage = 6;
inline constexpr int rittiOnPage = 40;
inline constexpr int storeysOnCentresPage = 11;  // with more, the first 10 and the note
inline constexpr int familiesOnCentresPage = 16; // with more, the first 15 and the note
// Matrix terms smaller than this (points) are hard to read on paper: the matrix goes into an
// appendix as well. Below the smallest size they are not drawn in the boxes at all.
inline constexpr double legibleTermSize = 5;
inline constexpr double smallestTermSize = 3;
inline constexpr double largestTermSize = 9;

// The parts of the appendix, in the order they are printed.
enum class AppendixPart {
    sections,         // every ritto's section at every storey
    classification,   // every ritto's families and coefficients
    globalMatrix,     // the global matrix in readable tables
    familyMatrices,   // every family's mean matrix
    massCentres,      // every storey's centre of mass
    stiffnessCentres, // every family's partial centre of stiffness
    rittoShears,      // every ritto's SLV shear and share at every storey
};

struct AppendixPlan {
    std::vector<AppendixPart> parts;
    bool familyMatricesX = false; // the families orthogonal to X are in familyMatrices
    bool familyMatricesY = false;

    bool has(AppendixPart part) const;
    // "A" for the first part, "B" for the second…; empty when the part is not printed.
    std::string letter(AppendixPart part) const;
    // "Allegato A – Sezioni dei ritti strutturali".
    std::string title(AppendixPart part) const;
    // The words a note ends with: "; tabella completa nell'Allegato A".
    std::string see(AppendixPart part) const;
};

struct ReportContext {
    ReportCanvas& canvas;
    const Model& model;
    const AnalysisResults& results;
    const SeismicResults& seismic;
    const ReportFields& fields;
    std::vector<int> ritti; // the nodes with a ritto, in increasing number
    int decimalsX = 2;      // importance coefficients of the families orthogonal to X
    int decimalsY = 2;
    std::vector<std::string> globalTerms;    // the global matrix × 100 as page 3 prints it
    double globalTermSize = largestTermSize; // points, the same in the nine blocks of page 3
    double familyTermSize = largestTermSize; // points, on page 4
    AppendixPlan appendix;
    // The static analysis of NTC 2018, when the project has its seismic parameters.
    const LinearStaticResults* ntc = nullptr;
};

// Every node that carries a ritto, in increasing number.
std::vector<int> reportedRitti(const AnalysisResults& results);

// A column's section as the tables print it: "300x500", "2000x2200*" for a hollow box, "--" for
// no column. Millimetres, without digit grouping.
std::string sectionText(const Model& model, int storey, int node, const NumberFormat& numbers);

// 2 decimals, or 3 when two different coefficients would print alike with 2.
int importanceDecimals(const std::vector<double>& weights, const NumberFormat& numbers);

// The families shown on page 4 for a count: all when fewer than 4, else 1, count − 1, count.
std::vector<int> familiesShown(int count);

// The font size (points) at which the widest of the texts fits a cell of a box divided into
// order × order cells, at most largestTermSize.
double termSize(const std::vector<std::string>& terms, int order, double boxWidth,
                double boxHeight);

// The partial centre of stiffness of a family as printed: "--" past the direction's family
// count and for a family without ritti.
std::string partialCentreText(const ReportCanvas& canvas, const RittiResults& ritti, int family);

// The table of page 5, also the appendix's: the family and importance coefficient of each
// ritto in both directions.
std::vector<TableColumn> classificationColumns();
TableStyle classificationStyle();
TableRow classificationRow(const ReportContext& report, int node);

// The terms of page 3 and page 4 as printed.
std::vector<std::string> globalMatrixTerms(const AnalysisResults& results,
                                           const NumberFormat& numbers);
std::vector<std::string> familyMatrixTerms(const RittiResults& ritti, const std::vector<int>& shown,
                                           int storeys, const NumberFormat& numbers);

void writeGeneralPage(ReportContext& report);
void writeGeometryPage(ReportContext& report);
void writeGlobalMatrixPage(ReportContext& report);
void writeFamilyMatricesPage(ReportContext& report);
void writeClassificationPage(ReportContext& report);
void writeCentresPage(ReportContext& report);
void writeSeismicPages(ReportContext& report);
void writeNtcPages(ReportContext& report);
void writeRittoSharesAppendix(ReportContext& report);
void writeAppendix(ReportContext& report);

// The box of page 3 and 4: order × order cells with their terms, centred on x under a caption.
struct MatrixBox {
    double centreX = 0;
    double top = 0;
    double width = 5.4;
    double height = 5;
};
void drawMatrixBox(ReportCanvas& canvas, const MatrixBox& box, int order,
                   const std::vector<std::string>& terms, double termSize);

} // namespace orvanta::report
