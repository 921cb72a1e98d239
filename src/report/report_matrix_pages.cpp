// Page 3, the nine blocks of the global matrix, and page 4, the mean matrices of the families:
// square boxes divided into storey × storey cells, each term centred in its cell at a size that
// keeps the widest term inside (reportContext's term sizes). Terms too small to be drawn leave
// the box with a pointer to the appendix.

#include "report_pages.h"
#include "report_texts.h"

#include <cmath>

namespace orvanta::report {

namespace {

constexpr double ruleWidth = 0.025;
constexpr double captionToBox = 0.35;
constexpr double statementSize = 10;
constexpr double statementLeading = 0.4;
// The largest coupling of a storey's rotation with its translations that still reads as a good
// decoupling.
constexpr double couplingThreshold = 0.25;

const char* const blockNames[3][3] = {
    {"Kxx", "Kxy", "Kxz"}, {"Kyx", "Kyy", "Kyz"}, {"Kzx", "Kzy", "Kzz"}};
constexpr double blockColumns[3] = {4.5, 10.5, 16.5};
constexpr double blockCaptions[3] = {22.65, 15.9, 9.15};

// Block (bi, bj) of the global matrix's terms, stored row by row (3·order wide).
std::vector<std::string> blockTerms(const std::vector<std::string>& all, int order, int bi,
                                    int bj) {
    std::vector<std::string> block;
    block.reserve(static_cast<std::size_t>(order * order));
    const auto width = static_cast<std::size_t>(3 * order);
    for (int r = 0; r < order; ++r) {
        for (int c = 0; c < order; ++c)
            block.push_back(all[static_cast<std::size_t>(bi * order + r) * width +
                                static_cast<std::size_t>(bj * order + c)]);
    }
    return block;
}

void underlinedTitle(ReportCanvas& canvas, double x, double y, std::string_view text) {
    constexpr double size = 14;
    canvas.text(x, y, text, font::italic, size, text_align::centre);
    const double half = pointsToCm(textWidthPoints(text, font::italic, size)) / 2;
    canvas.pdf().SetLineWidth(ruleWidth);
    canvas.pdf().SetDash(0, 0);
    canvas.line(x - half, y - 0.12, x + half, y - 0.12);
}

// A note at the foot of a matrix page pointing to the appendix.
void appendixNote(ReportCanvas& canvas, double y, const std::string& text) {
    canvas.fittedText(textLeft, y, text, font::body, 11, text_align::left, rightEdge - textLeft);
}

void familyRow(ReportContext& report, const RittiResults& ritti, double captionY) {
    const int count = ritti.familyCount;
    const int storeys = report.model.counts.nStoreys;
    const std::vector<int> shown = familiesShown(count);
    for (std::size_t i = 0; i < shown.size(); ++i) {
        double centre = blockColumns[i];
        double width = 5.4;
        if (count < 4) {
            const double slot = 18.0 / count;
            centre = leftEdge + (static_cast<double>(i) + 0.5) * slot;
            width = std::min(5.4, slot - 0.6);
        }
        const int f = shown[i];
        report.canvas.text(centre, captionY, "Famiglia n." + std::to_string(f), font::bold, 11,
                           text_align::centre);
        const MatrixBox box{centre, captionY - captionToBox, width, 4.9};
        if (ritti.familySize(f) == 0) {
            drawMatrixBox(report.canvas, box, 0, {}, 0);
            report.canvas.text(centre, box.top - box.height / 2 - 0.1, "nessun ritto", font::body,
                               9, text_align::centre);
            continue;
        }
        drawMatrixBox(report.canvas, box, storeys,
                      familyMatrixTerms(ritti, {f}, storeys, report.canvas.numbers()),
                      report.familyTermSize);
    }
}

// The coupling of each storey's rotation with its own translations, |Kxz|/(Kxx·Kzz)^½ and
// |Kyz|/(Kyy·Kzz)^½ on the storey's diagonal terms: 0 for a storey whose centre of stiffness
// lies on its centre of mass, 1 for one that can only turn with its translation.
struct Coupling {
    double largest = 0;
    int storey = 1;
};

Coupling largestCoupling(const Array2<double>& k, int storeys) {
    Coupling found;
    for (int s = 1; s <= storeys; ++s) {
        const int u = s, v = storeys + s, phi = 2 * storeys + s;
        for (const int t : {u, v}) {
            const double denominator = std::sqrt(k(t, t) * k(phi, phi));
            const double ratio = denominator > 0 ? std::fabs(k(t, phi)) / denominator : 0;
            if (ratio > found.largest)
                found = {ratio, s};
        }
    }
    return found;
}

// The statement of page 3, from the numbers: the freedoms, the largest coupling and the
// rotational share of the first two modes, and what they show against the stated thresholds.
std::vector<std::string> globalMatrixStatement(const ReportContext& report) {
    ReportCanvas& canvas = report.canvas;
    const int storeys = report.model.counts.nStoreys;
    std::vector<std::string> lines = {
        "Gradi di libertà di ogni piano: traslazioni X e Y del centro di massa e rotazione del "
        "solaio moltiplicata per il raggio giratore del piano (in mm), così che tutti i termini "
        "sono in N/mm, a meno di Ecls/100."};
    const Coupling coupling = largestCoupling(report.results.globalStiffness, storeys);
    std::string measure = "Il massimo sui piani di |Kxz|/(Kxx·Kzz)^0,5 e |Kyz|/(Kyy·Kzz)^0,5 è " +
                          canvas.number(coupling.largest, 2) + " (piano " +
                          std::to_string(coupling.storey) + ")";
    const SeismicResults& seismic = report.seismic;
    bool firstModesTranslate = true;
    if (seismic.hasModes() && seismic.modes.size() >= 2) {
        measure += ", la quota rotazionale dei primi due modi " +
                   canvas.number(100 * seismic.modes(1).rotationalShare, 1) + "% e " +
                   canvas.number(100 * seismic.modes(2).rotationalShare, 1) + "%";
        firstModesTranslate = !seismic.modes(1).isTorsional() && !seismic.modes(2).isTorsional();
    }
    const bool decoupled = coupling.largest <= couplingThreshold && firstModesTranslate;
    measure += decoupled ? ": buon disaccoppiamento torsionale"
                         : ": disaccoppiamento torsionale non buono";
    lines.push_back(measure + " (soglie: rapporto fino a " + canvas.number(couplingThreshold, 2) +
                    ", quote rotazionali sotto il 50%).");
    return lines;
}

} // namespace

void drawMatrixBox(ReportCanvas& canvas, const MatrixBox& box, int order,
                   const std::vector<std::string>& terms, double size) {
    PdfWriter& pdf = canvas.pdf();
    pdf.SetColorStroke(0);
    pdf.SetDash(0, 0);
    pdf.SetLineWidth(ruleWidth);
    const double left = box.centreX - box.width / 2;
    const double bottom = box.top - box.height;
    pdf.Rectangle(left, bottom, box.width, box.height);
    if (order < 1)
        return;
    if (size < smallestTermSize) {
        canvas.text(box.centreX, bottom + box.height / 2 - 0.1, "termini in Allegato", font::body,
                    9, text_align::centre);
        return;
    }
    const double cellWidth = box.width / order;
    const double cellHeight = box.height / order;
    for (int i = 1; i < order; ++i) {
        canvas.line(left + i * cellWidth, bottom, left + i * cellWidth, box.top);
        canvas.line(left, box.top - i * cellHeight, left + box.width, box.top - i * cellHeight);
    }
    // The baseline a third of the size below the cell's middle centres the digits' height.
    const double drop = pointsToCm(size) / 3;
    for (int r = 0; r < order; ++r) {
        const double y = box.top - (r + 0.5) * cellHeight - drop;
        for (int c = 0; c < order; ++c)
            canvas.text(left + (c + 0.5) * cellWidth, y,
                        terms[static_cast<std::size_t>(r * order + c)], font::body, size,
                        text_align::centre);
    }
}

void writeGlobalMatrixPage(ReportContext& report) {
    ReportCanvas& canvas = report.canvas;
    const int order = report.model.counts.nStoreys;
    canvas.startPage();
    canvas.heading(headingY, texts::globalMatrixHeading);
    double y = firstLineY;
    for (const std::string& text : globalMatrixStatement(report)) {
        for (const std::string& line :
             wrapText(text, font::body, statementSize, rightEdge - textLeft)) {
            canvas.text(textLeft, y, line, font::body, statementSize);
            y -= statementLeading;
        }
    }
    for (int bi = 0; bi < 3; ++bi) {
        for (int bj = 0; bj < 3; ++bj) {
            canvas.text(blockColumns[bj], blockCaptions[bi], blockNames[bi][bj], font::bold, 14,
                        text_align::centre);
            const MatrixBox box{blockColumns[bj], blockCaptions[bi] - captionToBox, 5.4, 5};
            drawMatrixBox(canvas, box, order, blockTerms(report.globalTerms, order, bi, bj),
                          report.globalTermSize);
        }
    }
    if (report.appendix.has(AppendixPart::globalMatrix))
        appendixNote(canvas, 3.1,
                     "Con " + std::to_string(order) +
                         " piani i termini sono troppo piccoli per una lettura agevole: la "
                         "matrice è riportata per esteso nell'Allegato " +
                         report.appendix.letter(AppendixPart::globalMatrix) + ".");
    canvas.endPage();
}

void writeFamilyMatricesPage(ReportContext& report) {
    ReportCanvas& canvas = report.canvas;
    const RittiResults& x = report.results[Direction::orthogonalToX]; // orthogonal to X
    const RittiResults& y = report.results[Direction::orthogonalToY]; // orthogonal to Y
    canvas.startPage();
    canvas.heading(headingY, texts::familyMatricesHeading);
    canvas.bodyLines(firstLineY, texts::familyMatricesLines);
    const bool manyX = x.familyCount >= 4, manyY = y.familyCount >= 4;
    const char* note = nullptr;
    if (manyX && manyY)
        note = "A favore di una compattezza espositiva, si riportano in X ed in Y le famiglie più "
               "significative.";
    else if (manyX)
        note = "A favore di una compattezza espositiva, si riportano in X le famiglie ritenute più "
               "significative.";
    else if (manyY)
        note = "A favore di una compattezza espositiva, si riportano in Y le famiglie ritenute più "
               "significative.";
    if (note)
        canvas.fittedText(textLeft, 18, note, font::body, bodySize, text_align::left,
                          rightEdge - textLeft);

    underlinedTitle(canvas, pageWidth / 2, 16.9, "Famiglie ortogonali ad X");
    familyRow(report, x, 16.2);
    underlinedTitle(canvas, pageWidth / 2, 9.65, "Famiglie ortogonali ad Y");
    familyRow(report, y, 8.95);
    const AppendixPlan& appendix = report.appendix;
    if (appendix.has(AppendixPart::familyMatrices)) {
        const char* which = appendix.familyMatricesX && appendix.familyMatricesY ? ""
                            : appendix.familyMatricesX ? " ortogonali ad X"
                                                       : " ortogonali ad Y";
        appendixNote(canvas, 3.0,
                     std::string("Le matrici di tutte le famiglie") + which +
                         " sono riportate per esteso nell'Allegato " +
                         appendix.letter(AppendixPart::familyMatrices) + ".");
    }
    canvas.endPage();
}

} // namespace orvanta::report
