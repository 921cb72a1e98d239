// "9. Azione Sismica" (the site's parameters, the spectra drawn and tabulated, the behaviour
// factor and how it was obtained) and "10. Analisi Statica Lineare" (per direction T1, λ, the
// ordinate and the base shear; per storey the forces, displacements, drifts and θ; the drift
// check; the share of each ritto at the first storey), when the project has seismic parameters.
// Greek letters go through the Symbol font (λ is "l" there, μ "m", θ "q", ξ "x", α "a", Σ "S").

#include "report_pages.h"
#include "report_table.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <utility>

namespace orvanta::report {

namespace {

constexpr double smallSize = 11;
constexpr double leading = 0.45;

// The pieces of a line whose Greek letters are printed in the Symbol font.
std::vector<TextPiece> withGreek(std::string_view text) {
    struct Letter {
        std::string_view utf8;
        const char* symbol;
    };
    static constexpr Letter letters[] = {{"α", "a"}, {"λ", "l"}, {"μ", "m"}, {"θ", "q"},
                                         {"ξ", "x"}, {"η", "h"}, {"Σ", "S"}, {"≤", "\u00A3"}};
    std::vector<TextPiece> pieces;
    std::string plain;
    for (std::size_t i = 0; i < text.size();) {
        bool found = false;
        for (const Letter& l : letters) {
            if (text.substr(i, l.utf8.size()) == l.utf8) {
                if (!plain.empty())
                    pieces.push_back({std::exchange(plain, {}), font::body});
                pieces.push_back({l.symbol, font::symbol});
                i += l.utf8.size();
                found = true;
                break;
            }
        }
        if (!found)
            plain += text[i++];
    }
    if (!plain.empty())
        pieces.push_back({plain, font::body});
    return pieces;
}

// Lines of text wrapped to the page, their Greek letters in the Symbol font.
void lines(ReportCanvas& canvas, const std::vector<std::string>& texts) {
    for (const std::string& text : texts) {
        for (const std::string& line :
             wrapText(text, font::body, smallSize, rightEdge - textLeft - 0.5)) {
            canvas.need(leading);
            canvas.mixedText(textLeft, canvas.cursor(), withGreek(line), smallSize,
                             text_align::left);
            canvas.setCursor(canvas.cursor() - leading);
        }
    }
}

void subheading(ReportCanvas& canvas, const std::string& text) {
    canvas.need(1.2);
    canvas.text(textLeft, canvas.cursor() - 0.1, text, font::italic, 14);
    canvas.setCursor(canvas.cursor() - 0.7);
}

TableStyle smallTable() {
    TableStyle style;
    style.titleSize = 9;
    style.subtitleSize = 8.5;
    style.cellSize = 8.5;
    return style;
}

void hazardTable(ReportContext& report, const LinearStaticResults& r) {
    ReportCanvas& canvas = report.canvas;
    const double widths[] = {1.6, 1.6, 1.4, 1.6, 1.4, 1.4, 1.6, 1.6, 1.6, 1.9};
    const ColumnTitle titles[] = {
        {"Stato", "limite"}, {"ag", "[g]"}, {"F0", ""},    {"Tc*", "[s]"}, {"SS", ""},
        {"S", ""},           {"TB", "[s]"}, {"TC", "[s]"}, {"TD", "[s]"},  {"Se max", "[g]"}};
    PagedTable table(canvas, columnsFrom(2.2, widths, titles), smallTable());
    for (const LimitState state : allLimitStates) {
        const SpectrumShape& s = r.spectrum(state);
        table.row({limitStateName(state), canvas.number(s.ag, 3), canvas.number(s.f0, 2),
                   canvas.number(s.tcStar, 3), canvas.number(s.soilFactor, 3),
                   canvas.number(s.amplification, 3), canvas.number(s.tb, 3),
                   canvas.number(s.tc, 3), canvas.number(s.td, 3),
                   canvas.number(elasticSpectrum(s, s.tc), 3)});
    }
    table.end();
}

// The four spectra in a box 16 × 6 cm under the cursor, in the colours of the window.
void spectraDrawing(ReportCanvas& canvas, const LinearStaticResults& r) {
    constexpr double width = 15, height = 5.5, left = 3;
    canvas.need(height + 1.4);
    const double base = canvas.cursor() - height - 0.3;
    const double periodMax = std::max({4.0, 1.2 * r.axes[0].period, 1.2 * r.axes[1].period});
    double top = 0;
    for (const LimitState state : allLimitStates)
        top = std::max(top, elasticSpectrum(r.spectrum(state), r.spectrum(state).tc));
    top *= 1.15;
    PdfWriter& pdf = canvas.pdf();
    pdf.SetLineWidth(0.02);
    pdf.SetColorStroke(0);
    canvas.line(left, base, left + width, base);
    canvas.line(left, base, left, base + height);
    for (int t = 1; t <= static_cast<int>(periodMax); ++t) {
        const double x = left + width * t / periodMax;
        canvas.line(x, base, x, base - 0.1);
        canvas.text(x, base - 0.45, std::to_string(t), font::body, 8, text_align::centre);
    }
    for (int i = 1; i <= 4; ++i) {
        const double v = top * i / 4.6;
        const double y = base + height * v / top;
        canvas.line(left - 0.1, y, left, y);
        canvas.text(left - 0.15, y - 0.1, canvas.number(v, 2), font::body, 8, text_align::right);
    }
    canvas.text(left + width, base - 0.8, "T [s]", font::body, 9, text_align::right);
    canvas.text(left, base + height + 0.2, "S [g]", font::body, 9, text_align::centre);
    struct Curve {
        std::int32_t colour; // 0xBBGGRR
        std::string caption;
        std::function<double(double)> ordinate;
    };
    const SpectrumShape& slo = r.spectrum(LimitState::SLO);
    const SpectrumShape& sld = r.spectrum(LimitState::SLD);
    const SpectrumShape& slv = r.spectrum(LimitState::SLV);
    const double q = r.behaviour.q;
    const Curve curves[] = {{0x009600, "Se SLO", [&](double t) { return elasticSpectrum(slo, t); }},
                            {0xDC5A00, "Se SLD", [&](double t) { return elasticSpectrum(sld, t); }},
                            {0x0000DC, "Se SLV", [&](double t) { return elasticSpectrum(slv, t); }},
                            {0x8C008C, "Sd SLV (q = " + canvas.number(q, 2) + ")",
                             [&](double t) { return designSpectrum(slv, q, t); }}};
    double legendY = base + height - 0.2;
    pdf.SetLineWidth(0.035);
    for (const Curve& c : curves) {
        pdf.SetColorStroke(c.colour);
        constexpr int samples = 200;
        for (int i = 0; i < samples; ++i) {
            const double t0 = periodMax * i / samples, t1 = periodMax * (i + 1) / samples;
            canvas.line(left + width * t0 / periodMax, base + height * c.ordinate(t0) / top,
                        left + width * t1 / periodMax, base + height * c.ordinate(t1) / top);
        }
        canvas.line(left + width - 4, legendY + 0.1, left + width - 3.4, legendY + 0.1);
        canvas.text(left + width - 3.3, legendY, c.caption, font::body, 9);
        legendY -= 0.4;
    }
    pdf.SetColorStroke(0x808080);
    pdf.SetLineWidth(0.02);
    pdf.SetDash(0.1, 0.1);
    for (std::size_t a = 0; a < 2; ++a) {
        const double x = left + width * r.axes[a].period / periodMax;
        canvas.line(x, base, x, base + height);
        canvas.text(x + 0.1, base + height - 0.3 - 0.35 * static_cast<double>(a),
                    std::string("T1,") + (a == 0 ? "X" : "Y"), font::body, 8);
    }
    pdf.SetDash(0, 0);
    pdf.SetColorStroke(0);
    canvas.setCursor(base - 1.1);
}

std::string behaviourText(const ReportCanvas& canvas, const BehaviourFactor& b,
                          const NtcParameters& p) {
    std::string text = "Struttura " + std::string(structureName(p.structure)) + ", classe di " +
                       "duttilità " + ductilityName(p.ductility) +
                       ", αu/α1 = " + canvas.number(b.alphaU, 2) +
                       (p.alphaU ? " (imposto)" : " (proposto)");
    if (!b.regularInPlan)
        text += "; edificio non regolare in pianta: αu/α1 = (1 + " + canvas.number(b.alphaU, 2) +
                ")/2 = " + canvas.number(b.alphaUUsed, 3);
    return text + ".";
}

void actionPage(ReportContext& report, const LinearStaticResults& r) {
    ReportCanvas& canvas = report.canvas;
    const NtcParameters& p = r.parameters;
    canvas.startSection("9. Azione Sismica");
    canvas.setCursor(firstLineY);
    lines(canvas,
          {"L'azione sismica è definita secondo il D.M. 17/01/2018 (NTC 2018) e la Circolare "
           "21/01/2019 n. 7.",
           "Categoria di sottosuolo " + std::string(soilName(p.soil)) + ", categoria topografica " +
               topographyName(p.topography) + ", classe d'uso " + useClassName(p.useClass) +
               ", smorzamento ξ = " + canvas.number(p.dampingPercent, 1) + " %.",
           "Spettri di risposta elastici (§3.2.3.2) e spettro di progetto allo SLV (§3.2.3.5):"});
    canvas.setCursor(canvas.cursor() - 0.2);
    hazardTable(report, r);
    canvas.setCursor(canvas.cursor() - 0.3);
    spectraDrawing(canvas, r);
    subheading(canvas, "Fattore di struttura (§7.3.1)");
    const BehaviourFactor& b = r.behaviour;
    std::vector<std::string> q = {behaviourText(canvas, b, p)};
    if (b.torsionallyDeformable)
        q.push_back("Struttura torsionalmente deformabile (raggio torsionale minore di ls in "
                    "almeno un piano): q0 = " +
                    canvas.number(b.q0, 2) + ".");
    else
        q.push_back("Valore di base q0 = " + canvas.number(b.q0, 2) + " (Tab. 7.3.II).");
    q.push_back("KR = " + canvas.number(b.kr, 2) +
                (b.regularInElevation ? " (edificio regolare in altezza)."
                                      : " (edificio non regolare in altezza)."));
    q.push_back(
        b.typed ? "Fattore di struttura imposto dal progettista: q = " + canvas.number(b.q, 2) + "."
                : "Fattore di struttura q = q0·KR = " + canvas.number(b.q, 2) + ".");
    lines(canvas, q);
    canvas.endPage();
}

void storeyTable(ReportContext& report, const LinearStaticResults& r, ActionAxis axis) {
    ReportCanvas& canvas = report.canvas;
    const AxisAction& a = r.axis(axis);
    const double widths[] = {1.2, 1.6, 1.6, 1.6, 1.5, 1.6, 1.6, 1.6, 1.6, 1.7, 2.1};
    const ColumnTitle titles[] = {{"Piano", ""},         {"W", "[kN]"},           {"F", "[kN]"},
                                  {"V", "[kN]"},         {"e acc.", "[mm]"},      {"dEe", "[mm]"},
                                  {"dE", "[mm]"},        {"Rotaz.", "[mrad]"},    {"dr", "[mm]"},
                                  {"Coeff.", "II ord."}, {"Effetti", "II ordine"}};
    PagedTable table(canvas, columnsFrom(1.6, widths, titles), smallTable());
    for (int s = a.forcesSLV.upper(); s >= 1; --s) {
        const SecondOrder c = secondOrderClass(a.theta(s));
        const std::string effect =
            c == SecondOrder::negligible ? "trascurabili"
            : c == SecondOrder::amplified
                ? "x " + canvas.number(secondOrderAmplification(a.theta(s)), 3)
            : c == SecondOrder::nonLinear ? "an. non lineare"
                                          : "non ammesso";
        table.row(TableRow{
            {std::to_string(s),
             canvas.number(r.masses[static_cast<std::size_t>(s - 1)].weight / 1000, 0),
             canvas.number(a.forcesSLV(s) / 1000, 1), canvas.number(a.shearsSLV(s) / 1000, 1),
             canvas.number(a.eccentricity(s), 0), canvas.number(a.centreDisplacement(s), 2),
             canvas.number(a.ductilityDemand * a.centreDisplacement(s), 2),
             canvas.number(1000 * a.rotation(s), 3), canvas.number(a.designDrift(s), 2),
             canvas.number(a.theta(s), 3), effect},
            {false, false, false, false, false, false, false, false, false,
             c != SecondOrder::negligible, c != SecondOrder::negligible}});
    }
    table.end();
}

void driftTable(ReportContext& report, const LinearStaticResults& r) {
    ReportCanvas& canvas = report.canvas;
    const double widths[] = {1.4, 2.0, 2.4, 2.2, 1.8, 3.0, 1.6};
    const ColumnTitle titles[] = {{"Piano", ""},      {"h", "[mm]"}, {"dr max", "[mm]"},
                                  {"Limite", "[mm]"}, {"Esito", ""}, {"Ritto", ""},
                                  {"Caso", ""}};
    PagedTable table(canvas, columnsFrom(2.5, widths, titles), smallTable());
    for (int s = r.drift.upper(); s >= 1; --s) {
        const StoreyDrift& d = r.drift(s);
        table.row(TableRow{
            {std::to_string(s), canvas.number(r.storeyHeight(s), 0), canvas.number(d.drift, 2),
             canvas.number(d.limit, 2), d.passes() ? "verificato" : "NON verificato",
             std::to_string(d.ritto) + " ort. " + orthogonalAxis(d.set), actionCaseName(d.action)},
            {false, false, false, false, !d.passes(), false, false}});
    }
    table.end();
}

// The rows of the ritti's shares at one storey: ritto, SLV combined shear and share in the case
// along its direction with the + torque, for both sets.
TableRow shareRow(const ReportCanvas& canvas, const LinearStaticResults& r, int node, int storey) {
    const double vx = r.axis(ActionAxis::X).shearsSLV(storey);
    const double vy = r.axis(ActionAxis::Y).shearsSLV(storey);
    const RittoShears& xPlus = r.shearsSLV[caseIndex({ActionAxis::X, 1})];
    const RittoShears& yPlus = r.shearsSLV[caseIndex({ActionAxis::Y, 1})];
    return TableRow{{std::to_string(storey), std::to_string(node),
                     canvas.number(r.combinedShearsSLV.orthogonalToY(node, storey) / 1000, 1),
                     canvas.number(100 * xPlus.orthogonalToY(node, storey) / vx, 1),
                     canvas.number(r.combinedShearsSLV.orthogonalToX(node, storey) / 1000, 1),
                     canvas.number(100 * yPlus.orthogonalToX(node, storey) / vy, 1)},
                    {}};
}

std::vector<TableColumn> shareColumns() {
    const double widths[] = {1.4, 1.6, 3.2, 3.0, 3.2, 3.0};
    const ColumnTitle titles[] = {{"Piano", ""},
                                  {"Ritto", ""},
                                  {"V comb. ort. Y", "[kN]"},
                                  {"Quota X+", "[% di V]"},
                                  {"V comb. ort. X", "[kN]"},
                                  {"Quota Y+", "[% di V]"}};
    return columnsFrom(2.2, widths, titles);
}

void staticPage(ReportContext& report, const LinearStaticResults& r) {
    ReportCanvas& canvas = report.canvas;
    canvas.startSection("10. Analisi Statica Lineare");
    canvas.setCursor(firstLineY);
    std::vector<std::string> intro = {
        "Forze di piano F = Fh·z·W/Σ z·W, Fh = Sd(T1)·W·λ (NTC 2018 §7.3.3.2), applicate nei "
        "baricentri",
        "delle masse con l'eccentricità accidentale e = 0,05·L (§7.2.6), in quattro casi X+, X-, "
        "Y+, Y-; E = " +
            canvas.number(r.youngModulus, 0) +
            " N/mm², W = " + canvas.number(r.totalWeight / 1000, 0) + " kN."};
    for (const ActionAxis axis : {ActionAxis::X, ActionAxis::Y}) {
        const AxisAction& a = r.axis(axis);
        const std::size_t slv = limitIndex(LimitState::SLV);
        intro.push_back("Direzione " + std::string(axisName(axis)) +
                        ": T1 = " + canvas.number(a.period, 3) + " s (modo " +
                        std::to_string(a.mode) + "), λ = " + canvas.number(a.lambda[slv], 2) +
                        ", Sd(T1) = " + canvas.number(a.spectralOrdinate[slv], 4) +
                        " g, Fh = " + canvas.number(a.baseShear[slv] / 1000, 1) +
                        " kN, μd = " + canvas.number(a.ductilityDemand, 2) + ".");
    }
    intro.push_back(r.methodApplies
                        ? "Il metodo è applicabile: edificio regolare in altezza, T1 ≤ 2,5·TC e "
                          "T1 ≤ TD in entrambe le direzioni."
                        : "Il metodo NON è applicabile (edificio non regolare in altezza, o T1 > "
                          "2,5·TC o T1 > TD): prevale l'analisi dinamica modale.");
    lines(canvas, intro);
    for (const ActionAxis axis : {ActionAxis::X, ActionAxis::Y}) {
        subheading(canvas, "Sisma in direzione " + std::string(axisName(axis)) +
                               " allo SLV (spostamenti dE di progetto, dr di interpiano)");
        storeyTable(report, r, axis);
    }
    subheading(canvas, "Verifica degli spostamenti di interpiano allo " +
                           std::string(limitStateName(r.damageState)) + " (§7.3.6.1)");
    const double ratio = driftLimitRatio(r.parameters.infill, r.parameters.useClass);
    lines(canvas,
          {"Tamponature " + std::string(infillName(r.parameters.infill)) + ", classe d'uso " +
           useClassName(r.parameters.useClass) + ": dr ≤ " + canvas.number(ratio, 4) + "·h."});
    driftTable(report, r);
    subheading(canvas, "Quote del taglio di piano dei ritti al piano 1 (combinazione §7.3.5)");
    PagedTable table(canvas, shareColumns(), smallTable());
    std::size_t shown = 0;
    for (const int node : report.ritti) {
        if (shown++ == static_cast<std::size_t>(rittiOnPage))
            break;
        table.row(shareRow(canvas, r, node, 1));
    }
    table.end();
    if (report.appendix.has(AppendixPart::rittoShears))
        lines(canvas, {"Riportati i ritti del piano 1" +
                       report.appendix.see(AppendixPart::rittoShears) + "."});
    canvas.endPage();
}

} // namespace

void writeNtcPages(ReportContext& report) {
    if (!report.ntc)
        return;
    const LinearStaticResults& r = *report.ntc;
    if (!r.computed) {
        report.canvas.startSection("9. Azione Sismica");
        report.canvas.setCursor(firstLineY);
        lines(report.canvas, {"L'azione sismica non è stata calcolata:"});
        lines(report.canvas, r.problem);
        report.canvas.endPage();
        return;
    }
    actionPage(report, r);
    staticPage(report, r);
}

void writeRittoSharesAppendix(ReportContext& report) {
    const LinearStaticResults& r = *report.ntc;
    PagedTable table(report.canvas, shareColumns(), smallTable());
    for (int s = 1; s <= report.model.counts.nStoreys; ++s) {
        for (const int node : report.ritti) {
            if (report.results.ritStoreys(node) >= s)
                table.row(shareRow(report.canvas, r, node, s));
        }
    }
    table.end();
}

} // namespace orvanta::report
