// "8. Regolarità Torsionale e Modi di Vibrare": the plan-regularity checks of every storey and
// the first vibration modes, over as many pages as the storeys need. What could not be computed
// is said in the words of the computation.

#include "concrete.h"
#include "report_pages.h"
#include "report_table.h"
#include "report_texts.h"
#include "seismic_masses.h"

#include <algorithm>

namespace orvanta::report {

namespace {

constexpr double smallSize = 11;
constexpr double smallLeading = 0.45;
constexpr int modesShown = 12;
// Symbol codes through the Windows-1252 bytes the writer sends: 0xA3 is ≤, 0xB3 is ≥.
const std::string lessOrEqual = "\u00A3";
const std::string greaterOrEqual = "\u00B3";

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
                          "torsionale è minore del raggio giratore d'inerzia ls delle masse.");
    // The Italian code asks only r²/ls² > 1 (NTC 2018 §7.4.3.1); failing it, the structure is
    // torsionally deformable and its basic behaviour factor is that of the code's table 7.3.II.
    verdict.push_back(
        seismic.torsionallyFlexible
            ? "Secondo le NTC 2018 (§7.4.3.1) la struttura, non soddisfacendo r²/ls² > 1 in "
              "entrambe le direzioni, è torsionalmente deformabile: fattore di comportamento di "
              "base q0 = 2,0 in CD\"B\" e 3,0 in CD\"A\" (Tab. 7.3.II)."
            : "Secondo le NTC 2018 (§7.4.3.1) la condizione r²/ls² > 1 è soddisfatta in ogni piano "
              "e direzione: la struttura non è torsionalmente deformabile.");
    paragraph(canvas, verdict, font::bold);
    canvas.setCursor(canvas.cursor() - smallLeading);
}

// W, mass, G* and ls of every floor, as the modes and the checks take them.
void floorMassesTable(ReportContext& report) {
    ReportCanvas& canvas = report.canvas;
    const SeismicResults& seismic = report.seismic;
    canvas.setCursor(canvas.cursor() - 0.3);
    canvas.need(1.2);
    canvas.text(textLeft, canvas.cursor() - 0.1, "Pesi sismici dei piani", font::italic, 14);
    canvas.fittedText(textLeft + 5.2, canvas.cursor() - 0.1,
                      "solai, travi, metà dei pilastri sotto e sopra (" +
                          canvas.number(projectUnitWeight(report.model), 0) +
                          " kN/m³), carichi lineari; ls² = Ip/m",
                      font::body, 9, text_align::left, rightEdge - textLeft - 5.2);
    canvas.setCursor(canvas.cursor() - 0.6);
    const double widths[] = {1.5, 2.8, 2.5, 2.8, 2.8, 2.5};
    const ColumnTitle titles[] = {{"Piano", ""},    {"W", "[kN]"},    {"Massa", "[t]"},
                                  {"x G*", "[mm]"}, {"y G*", "[mm]"}, {"ls", "[mm]"}};
    TableStyle style;
    style.titleSize = 10;
    style.subtitleSize = 9;
    PagedTable table(canvas, columnsFrom(3.1, widths, titles), style);
    for (std::size_t s = 0; s < seismic.floorMasses.size(); ++s) {
        const StoreySeismicMass& m = seismic.floorMasses[s];
        table.row({std::to_string(s + 1), canvas.number(m.weight / 1000, 1),
                   canvas.number(m.mass(), 2), canvas.number(m.centreX, 0),
                   canvas.number(m.centreY, 0), canvas.number(m.gyrationRadius, 0)});
    }
    table.end();
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
        const double rck = seismic.concreteClass;
        paragraph(canvas,
                  {"Calcestruzzo " + concreteClassName(rck) + " (Rck " + canvas.number(rck, 0) +
                       " N/mm², fck = 0,83·Rck = " + canvas.number(characteristicStrength(rck), 1) +
                       " N/mm²): Ecm = 22000·(fcm/10)^0,3 = " +
                       canvas.number(secantModulus(rck), 0) + " N/mm² (NTC 2018 §11.2.10.3),",
                   "fattore di rigidezza fessurata " + canvas.number(seismic.crackedFactor, 2) +
                       " (NTC 2018 §7.2.6): E = " + canvas.number(seismic.youngModulus, 0) +
                       " N/mm² per spostamenti e periodi."});
    } else {
        paragraph(canvas, {"Classe del calcestruzzo non valida: i modi di vibrare non sono "
                           "calcolati."});
    }
    canvas.setCursor(canvas.cursor() - 0.2);
    storeyTable(report);
    legendAndVerdict(report);
    modesTable(report);
    floorMassesTable(report);
    canvas.endPage();
}

} // namespace orvanta::report
