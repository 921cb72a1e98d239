// Page 1: the title, "1. Generalità", the program and its method, and the general data typed
// by the user.

#include "report_pages.h"
#include "report_texts.h"

namespace orvanta::report {

namespace {

struct FieldRow {
    const char* label;
    double y;
    const std::string& value;
};

constexpr double valueX = 7;
constexpr double valueWidth = rightEdge - valueX;
constexpr double secondLineSize = 10;
constexpr double secondLineDrop = 0.34;

// A typed value after its label: one line, narrowed when long; a very long one on two smaller
// lines that keep clear of the next row (0.75 cm below), the second cut with "…" past its room.
void drawValue(ReportCanvas& canvas, double y, const std::string& value) {
    const double natural = pointsToCm(textWidthPoints(value, font::italic, bodySize));
    if (natural <= 2 * valueWidth) {
        canvas.fittedText(valueX, y, value, font::italic, bodySize, text_align::left, valueWidth);
        return;
    }
    // Two lines at their natural width when they suffice, else narrowed up to half.
    std::vector<std::string> lines = wrapText(value, font::italic, secondLineSize, valueWidth);
    if (lines.size() > 2)
        lines = wrapText(value, font::italic, secondLineSize, 2 * valueWidth);
    if (lines.size() > 2) {
        std::string rest = lines[1];
        for (std::size_t i = 2; i < lines.size(); ++i)
            rest += " " + lines[i];
        lines.resize(2);
        lines[1] = rest;
    }
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::string text = lines[i];
        if (pointsToCm(textWidthPoints(text, font::italic, secondLineSize)) > 2 * valueWidth) {
            while (!text.empty() && pointsToCm(textWidthPoints(text + "…", font::italic,
                                                               secondLineSize)) > 2 * valueWidth)
                text.pop_back();
            // Never leave half of a UTF-8 character before the ellipsis.
            while (!text.empty() && (static_cast<unsigned char>(text.back()) & 0xC0) == 0x80)
                text.pop_back();
            if (!text.empty() && static_cast<unsigned char>(text.back()) >= 0xC0)
                text.pop_back();
            text += "…";
        }
        canvas.fittedText(valueX, y - secondLineDrop * static_cast<double>(i), text, font::italic,
                          secondLineSize, text_align::left, valueWidth);
    }
}

} // namespace

void writeGeneralPage(ReportContext& report) {
    ReportCanvas& canvas = report.canvas;
    canvas.startPage();
    canvas.text(pageWidth / 2, 25, texts::reportTitle, font::title, 26, text_align::centre);
    canvas.heading(23, texts::generalHeading);
    canvas.bodyLines(22, texts::generalLines);
    canvas.bodyLines(10.5, texts::preliminaryUse);

    const ReportFields& f = report.fields;
    const FieldRow rows[] = {
        {"Descrizione dell' Opera:", 9, f.description},
        {"Ubicazione:", 8.25, f.location},
        {"Progettista:", 7.5, f.designer},
        {"Committente:", 6.75, f.client},
        {"Data:", 6, f.date},
    };
    for (const FieldRow& row : rows) {
        canvas.text(textLeft, row.y, row.label, font::body, bodySize);
        drawValue(canvas, row.y, row.value);
    }
    canvas.bodyLines(5, texts::ductilityAim);
    canvas.fittedText(textLeft, 3.2,
                      "Relazione prodotta con " + reportCreator() +
                          ". I casi di validazione del programma (NTC 2018 § 10.2) sono elencati "
                          "nel capitolo «Validazione» della guida.",
                      font::italic, 10, text_align::left, rightEdge - textLeft);
    canvas.endPage();
}

} // namespace orvanta::report
