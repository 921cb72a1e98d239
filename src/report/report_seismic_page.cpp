// "8. Regolarità Torsionale e Modi di Vibrare": the plan-regularity checks of every storey and
// the first vibration modes, over as many pages as the storeys need. What could not be computed
// is said in the words of the computation.

#include "report_pages.h"
#include "report_table.h"
#include "report_texts.h"

#include <algorithm>

namespace orvanta::report {

namespace {

constexpr double smallSize = 11;
constexpr double smallLeading = 0.45;
constexpr int modesShown = 12;
// Symbol codes through the Windows-1252 bytes the writer sends: 0xA3 is ≤, 0xB3 is ≥.
const std::string lessOrEqual = "\u00A3";
const std::string greaterOrEqual = "\u00B3";
const std::string radical = "\u00D6"; // 0xD6 is √

// Lines of smaller text from the cursor down, wrapped to the page.
void paragraph(ReportCanvas& canvas, const std::vector<std::string>& lines,
               const char* fontName = font::body) {
    for (const std::string& text : lines) {
        for (const std::string& line : wrapText(text, fontName, smallSize, rightEdge - textLeft)) {
            canvas.need(smallLeading);
            canvas.fittedText(textLeft, canvas.cursor(), line, fontName, smallSize,
                              text_align::left, rightEdge - textLeft);
            canvas.setCursor(canvas.cursor() - smallLeading);
        }
    }
}

std::string yesNo(bool passes) {
    return passes ? "sì" : "NO";
}

std::string storeyList(const std::vector<int>& storeys) {
    constexpr std::size_t listed = 12;
    std::string list;
    for (std::size_t i = 0; i < storeys.size() && i < listed; ++i)
        list += (i == 0 ? "" : ", ") + std::to_string(storeys[i]);
    if (storeys.size() > listed)
        list += " e altri " + std::to_string(storeys.size() - listed);
    return list;
}

void storeyTable(ReportContext& report) {
    ReportCanvas& canvas = report.canvas;
    const double widths[] = {1.0, 1.3, 1.3, 1.3, 1.3, 1.3, 1.3, 1.3, 1.3, 1.3, 1.3, 1.3, 1.3, 1.3};
    const ColumnTitle titles[] = {{"Piano", ""},      {"C.M. X", "[mm]"},  {"C.M. Y", "[mm]"},
                                  {"C.R. X", "[mm]"}, {"C.R. Y", "[mm]"},  {"e0x", "[mm]"},
                                  {"e0y", "[mm]"},    {"rx", "[mm]"},      {"ry", "[mm]"},
                                  {"ls", "[mm]"},     {"Verifica", "e0x"}, {"Verifica", "e0y"},
                                  {"Verifica", "rx"}, {"Verifica", "ry"}};
    std::vector<TableColumn> columns = columnsFrom(1.55, widths, titles);
    TableStyle style;
    style.titleSize = 9;
    style.subtitleSize = 9;
    style.cellSize = 8.5;
    PagedTable table(canvas, std::move(columns), style);
    const Array1<StoreyRegularity>& storeys = report.seismic.storeys;
    for (int s = storeys.lower(); s <= storeys.upper(); ++s) {
        const StoreyRegularity& r = storeys(s);
        const auto mm = [&](double v) { return canvas.number(v, 0); };
        table.row(TableRow{
            {std::to_string(s), mm(r.massCentreX), mm(r.massCentreY), mm(r.rigidityCentreX),
             mm(r.rigidityCentreY), mm(r.eccentricityX), mm(r.eccentricityY),
             mm(r.torsionalRadiusX), mm(r.torsionalRadiusY), mm(r.gyrationRadius),
             yesNo(r.eccentricityXPasses), yesNo(r.eccentricityYPasses), yesNo(r.radiusXPasses),
             yesNo(r.radiusYPasses)},
            {false, false, false, false, false, false, false, false, false, false,
             !r.eccentricityXPasses, !r.eccentricityYPasses, !r.radiusXPasses, !r.radiusYPasses}});
    }
    table.end();
}

void legendAndVerdict(ReportContext& report) {
    ReportCanvas& canvas = report.canvas;
    const SeismicResults& seismic = report.seismic;
    canvas.need(smallLeading);
    const std::vector<TextPiece> legend = {{"Verifiche di ogni piano: e0x ", font::body},
                                           {lessOrEqual, font::symbol},
                                           {" 0,30·rx;  e0y ", font::body},
                                           {lessOrEqual, font::symbol},
                                           {" 0,30·ry;  rx ", font::body},
                                           {greaterOrEqual, font::symbol},
                                           {" ls;  ry ", font::body},
                                           {greaterOrEqual, font::symbol},
                                           {" ls.", font::body}};
    canvas.mixedText(textLeft, canvas.cursor(), legend, smallSize, text_align::left);
    canvas.setCursor(canvas.cursor() - 2 * smallLeading);

    std::vector<int> failing;
    for (int s = seismic.storeys.lower(); s <= seismic.storeys.upper(); ++s) {
        if (!seismic.storeys(s).passes())
            failing.push_back(s);
    }
    std::vector<std::string> verdict;
    if (seismic.regularInPlan)
        verdict.push_back("Esito: tutti i piani soddisfano le quattro verifiche; l'edificio è "
                          "regolare in pianta nei riguardi della torsione.");
    else
        verdict.push_back("Esito: l'edificio non è regolare in pianta nei riguardi della "
                          "torsione; non soddisfa" +
                          std::string(failing.size() == 1 ? " le verifiche il piano "
                                                          : "no le verifiche i piani ") +
                          storeyList(failing) + ".");
    if (seismic.torsionallyFlexible)
        verdict.push_back("L'edificio è torsionalmente deformabile: in almeno un piano un raggio "
                          "torsionale è minore del raggio giratorio ls delle masse.");
    paragraph(canvas, verdict, font::bold);
    canvas.setCursor(canvas.cursor() - smallLeading);
}

void modesTable(ReportContext& report) {
    ReportCanvas& canvas = report.canvas;
    const SeismicResults& seismic = report.seismic;
    canvas.need(1.2);
    canvas.text(textLeft, canvas.cursor() - 0.1, "Modi di vibrare", font::italic, 14);
    canvas.setCursor(canvas.cursor() - 0.7);
    if (!seismic.hasModes()) {
        paragraph(canvas, seismic.problem);
        return;
    }
    const double widths[] = {1.5, 2.2, 2.5, 2.5, 2.5, 2.5, 2.5};
    const ColumnTitle titles[] = {{"Modo", ""},       {"T", "[s]"},          {"Massa X", "[%]"},
                                  {"Massa Y", "[%]"}, {"Massa rot.", "[%]"}, {"Quota rot.", "[%]"},
                                  {"Tipo", ""}};
    std::vector<TableColumn> columns = columnsFrom(2.4, widths, titles);
    TableStyle style;
    style.titleSize = 10;
    style.subtitleSize = 9;
    PagedTable table(canvas, std::move(columns), style);
    const Array1<VibrationMode>& modes = seismic.modes;
    const int shown = std::min<int>(modesShown, static_cast<int>(modes.size()));
    double sumX = 0, sumY = 0, sumRotation = 0;
    const auto percent = [&](double ratio) { return canvas.number(100 * ratio, 1); };
    for (int m = modes.lower(); m < modes.lower() + shown; ++m) {
        const VibrationMode& mode = modes(m);
        sumX += mode.massRatioX;
        sumY += mode.massRatioY;
        sumRotation += mode.massRatioRotation;
        table.row({std::to_string(m), canvas.number(mode.period, 3), percent(mode.massRatioX),
                   percent(mode.massRatioY), percent(mode.massRatioRotation),
                   percent(mode.rotationalShare),
                   mode.isTorsional() ? "torsionale" : "traslazionale"});
    }
    table.rule();
    table.row({"Somma", "", percent(sumX), percent(sumY), percent(sumRotation), "", ""});
    table.end();
    if (shown < static_cast<int>(modes.size()))
        paragraph(canvas,
                  {"Sono riportati i primi " + std::to_string(shown) + " dei " +
                   std::to_string(modes.size()) + " modi, in ordine di periodo decrescente."});
}

} // namespace

void writeSeismicPages(ReportContext& report) {
    ReportCanvas& canvas = report.canvas;
    const SeismicResults& seismic = report.seismic;
    canvas.startSection(std::string(texts::seismicHeading));
    canvas.setCursor(canvas.bodyLines(firstLineY, texts::seismicLines) - 0.2);

    if (!seismic.hasRegularity()) {
        paragraph(canvas,
                  {"La regolarità torsionale e i modi di vibrare non sono stati "
                   "calcolati:"},
                  font::bold);
        paragraph(canvas, seismic.problem);
        canvas.endPage();
        return;
    }
    if (seismic.youngModulus > 0) {
        canvas.need(smallLeading);
        const std::vector<TextPiece> concrete = {
            {"Calcestruzzo di classe Rck " + canvas.number(seismic.concreteClass, 0) +
                 " N/mm², modulo elastico E = 5700·",
             font::body},
            {radical, font::symbol},
            {"Rck = " + canvas.number(seismic.youngModulus, 0) + " N/mm².", font::body}};
        canvas.mixedText(textLeft, canvas.cursor(), concrete, smallSize, text_align::left);
        canvas.setCursor(canvas.cursor() - smallLeading);
    } else {
        paragraph(canvas, {"Classe del calcestruzzo non valida: i modi di vibrare non sono "
                           "calcolati."});
    }
    canvas.setCursor(canvas.cursor() - 0.2);
    storeyTable(report);
    legendAndVerdict(report);
    modesTable(report);
    canvas.endPage();
}

} // namespace orvanta::report
