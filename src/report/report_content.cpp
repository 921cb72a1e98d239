// What the pages print, gathered from the model and the results: the ritti, their sections,
// the decimals of the coefficients, the matrix terms and their size, the appendix.

#include "element_records.h"
#include "numbering.h"
#include "report_pages.h"

#include <algorithm>
#include <cmath>

namespace orvanta::report {

namespace {

// A section dimension in mm: whole millimetres as they are, a fraction with one decimal.
std::string dimensionText(double value, const NumberFormat& numbers) {
    NumberFormat plain = numbers;
    plain.grouping.clear();
    return formatNumber(value, value == std::round(value) ? 0 : 1, plain);
}

const char* partName(AppendixPart part) {
    switch (part) {
    case AppendixPart::sections:
        return "Sezioni dei ritti strutturali";
    case AppendixPart::classification:
        return "Classificazione in famiglie dei ritti strutturali";
    case AppendixPart::globalMatrix:
        return "Matrice di rigidezza rototraslazionale";
    case AppendixPart::familyMatrices:
        return "Matrici di rigidezza traslazionale delle famiglie";
    case AppendixPart::massCentres:
        return "Centri di massa dei piani";
    case AppendixPart::stiffnessCentres:
        return "Centri parziali di rigidezza";
    case AppendixPart::rittoShears:
        return "Tagli e quote dei ritti allo SLV";
    }
    return "";
}

// Margin left on each side of a matrix term inside its cell, cm.
constexpr double termPadding = 0.04;

} // namespace

bool AppendixPlan::has(AppendixPart part) const {
    return std::find(parts.begin(), parts.end(), part) != parts.end();
}

std::string AppendixPlan::letter(AppendixPart part) const {
    const auto at = std::find(parts.begin(), parts.end(), part);
    if (at == parts.end())
        return {};
    return std::string(1, static_cast<char>('A' + (at - parts.begin())));
}

std::string AppendixPlan::title(AppendixPart part) const {
    return "Allegato " + letter(part) + " – " + partName(part);
}

std::string AppendixPlan::see(AppendixPart part) const {
    if (!has(part))
        return {};
    return "; tabella completa nell'Allegato " + letter(part);
}

std::vector<int> reportedRitti(const AnalysisResults& results) {
    std::vector<int> ritti;
    const Array1<std::int16_t>& storeys = results.ritStoreys;
    for (int node = storeys.lower(); node <= storeys.upper(); ++node) {
        if (storeys(node) > 0)
            ritti.push_back(node);
    }
    return ritti;
}

std::string sectionText(const Model& model, int storey, int node, const NumberFormat& numbers) {
    const int slot = numbering::columnSlot(model.counts, node);
    if (!isPresent(model, storey, slot))
        return "--";
    const ColumnSection s = columnSection(model, storey, slot);
    return dimensionText(s.base, numbers) + "x" + dimensionText(s.height, numbers) +
           (s.shape == ColumnShape::box ? "*" : "");
}

int importanceDecimals(const std::vector<double>& weights, const NumberFormat& numbers) {
    std::vector<double> sorted;
    std::copy_if(weights.begin(), weights.end(), std::back_inserter(sorted),
                 [](double w) { return std::isfinite(w); });
    std::sort(sorted.begin(), sorted.end());
    // Rounding keeps the order, so values that print alike stand next to each other; values
    // apart by rounding noise only count as equal.
    for (std::size_t i = 1; i < sorted.size(); ++i) {
        const double a = sorted[i - 1];
        const double b = sorted[i];
        const bool different = b - a > 1e-9 * std::max(1.0, std::fabs(b));
        if (different && formatNumber(a, 2, numbers) == formatNumber(b, 2, numbers))
            return 3;
    }
    return 2;
}

std::vector<int> familiesShown(int count) {
    if (count < 4) {
        std::vector<int> all;
        for (int f = 1; f <= count; ++f)
            all.push_back(f);
        return all;
    }
    return {1, count - 1, count};
}

double termSize(const std::vector<std::string>& terms, int order, double boxWidth,
                double boxHeight) {
    if (order < 1)
        return largestTermSize;
    double widest = 0; // points at size 1
    for (const std::string& term : terms)
        widest = std::max(widest, textWidthPoints(term, font::body, 1));
    const double cellWidth = cmToPoints(boxWidth / order - 2 * termPadding);
    const double cellHeight = cmToPoints(boxHeight / order);
    double size = std::min(largestTermSize, 0.62 * cellHeight);
    if (widest > 0)
        size = std::min(size, cellWidth / widest);
    return std::max(size, 0.0);
}

std::vector<std::string> globalMatrixTerms(const AnalysisResults& results,
                                           const NumberFormat& numbers) {
    std::vector<std::string> terms;
    terms.reserve(results.globalStiffness.size());
    for (const double k : results.globalStiffness.values())
        terms.push_back(formatNumber(100 * k, 0, numbers));
    return terms;
}

std::vector<std::string> familyMatrixTerms(const RittiResults& ritti, const std::vector<int>& shown,
                                           int storeys, const NumberFormat& numbers) {
    std::vector<std::string> terms;
    for (const int f : shown) {
        for (int r = 1; r <= storeys; ++r) {
            for (int c = 1; c <= storeys; ++c)
                terms.push_back(formatNumber(ritti.familyMeanMatrix(f, r, c), 0, numbers));
        }
    }
    return terms;
}

} // namespace orvanta::report
