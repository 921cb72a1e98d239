#include "regularity_summary.h"

#include <cstddef>

namespace orvanta {

namespace {

const char* const axisNames[] = {"X", "Y"};

Verdict verdictOf(bool passes) {
    return passes ? Verdict::passes : Verdict::fails;
}

std::string pairName(std::size_t pair) {
    return "Piani " + std::to_string(pair + 1) + "-" + std::to_string(pair + 2);
}

std::string storeyName(std::size_t storey) {
    return "Piano " + std::to_string(storey + 1);
}

class Rows {
public:
    explicit Rows(const NumberFormat& format) : format_(format) {}

    std::string number(double value, int decimals) const {
        return formatNumber(value, decimals, format_);
    }
    std::string signedNumber(double value, int decimals) const {
        std::string text = number(value, decimals);
        if (value > 0)
            text.insert(text.begin(), '+');
        return text;
    }
    void add(bool inPlan, std::string criterion, std::string where, std::string figure,
             Verdict verdict) {
        rows.push_back(
            {inPlan, std::move(criterion), std::move(where), std::move(figure), verdict});
    }

    std::vector<RegularityRow> rows;

private:
    const NumberFormat& format_;
};

void addMasses(const ElevationGeometry& g, Rows& rows) {
    for (std::size_t pair = 0; pair < g.massVariation.size(); ++pair) {
        const std::optional<double>& r = g.massVariation[pair];
        const std::string a = std::to_string(pair + 1), b = std::to_string(pair + 2);
        rows.add(false, "(e) Variazione delle masse", pairName(pair),
                 r ? "(W" + b + " - W" + a + ")/W" + a + " = " + rows.signedNumber(*r, 3) +
                         " (limite ±" + rows.number(massVariationLimit, 2) + ")"
                   : "W" + a + " nullo: non valutabile",
                 verdictOf(g.massPasses(pair)));
    }
}

void addStiffness(const ElevationStiffness& k, Rows& rows) {
    for (const int axis : {axisX, axisY}) {
        const auto a = static_cast<std::size_t>(axis);
        const std::string criterion = std::string("(e) Rigidezza lungo ") + axisNames[a];
        const std::string share =
            "pareti " + rows.number(100 * k.wallShare[a], 0) + " % del taglio alla base";
        if (k.exempt(axis)) {
            rows.add(false, criterion, "", share + ", almeno il 50 %: criterio non richiesto",
                     Verdict::passes);
            continue;
        }
        for (std::size_t pair = 0; pair < k.ratio[a].size(); ++pair) {
            const std::optional<double>& r = k.ratio[a][pair];
            const std::string lower = std::to_string(pair + 1), upper = std::to_string(pair + 2);
            rows.add(false, criterion, pairName(pair),
                     r ? "k" + upper + "/k" + lower + " = " + rows.number(*r, 3) + " (limiti " +
                             rows.number(stiffnessLossLimit, 2) + " - " +
                             rows.number(stiffnessGainLimit, 2) + ")"
                       : "rigidezza di piano non valutabile",
                     verdictOf(k.pairPasses(axis, pair)));
        }
    }
}

void addSetbacks(const ElevationGeometry& g, Rows& rows) {
    for (const int axis : {axisX, axisY}) {
        const auto a = static_cast<std::size_t>(axis);
        for (std::size_t s = 1; s < g.setbackExempt.size(); ++s) {
            const std::string figure =
                g.setbackExempt[s] ? "ultimo piano di un edificio di almeno 4 piani: nessun limite"
                                   : "rientro " + rows.number(g.setback[a][s], 3) + " (limite " +
                                         rows.number(setbackStepLimit, 2) + "), dal piano 1 " +
                                         rows.number(g.setbackFromFirst[a][s], 3) + " (limite " +
                                         rows.number(setbackFromFirstLimit, 2) + ")";
            rows.add(false, std::string("(g) Restringimenti lungo ") + axisNames[a], storeyName(s),
                     figure, verdictOf(g.setbackPasses(axis, s)));
        }
    }
}

void addPlan(const PlanGeometry& g, Rows& rows) {
    for (std::size_t s = 0; s < g.aspectRatio.size(); ++s) {
        const std::optional<double>& r = g.aspectRatio[s];
        rows.add(true, "(b) Rapporto tra i lati del rettangolo dei pilastri", storeyName(s),
                 r ? rows.number(*r, 2) + " (limite < " + rows.number(aspectRatioLimit, 0) + ")"
                   : "pilastri su un solo allineamento",
                 verdictOf(g.aspectPasses(s)));
    }
    for (std::size_t s = 0; s < g.hullExcess.size(); ++s) {
        const std::optional<double>& r = g.hullExcess[s];
        rows.add(true, "(a) Compattezza: (H - A)/A", storeyName(s),
                 r ? rows.number(*r, 3) + " (limite " + rows.number(hullExcessLimit, 2) + ")"
                   : "nessun solaio al piano",
                 verdictOf(g.hullPasses(s)));
    }
}

} // namespace

std::vector<RegularityRow> regularityRows(const NtcRegularity& regularity,
                                          const NumberFormat& format) {
    Rows rows(format);
    rows.add(false, "(d) Sistemi resistenti estesi per tutta l'altezza", "",
             "i pilastri nascono dalla base o da un pilastro sottostante", Verdict::byConstruction);
    addMasses(regularity.elevation, rows);
    addStiffness(regularity.stiffness, rows);
    rows.add(false, "(f) Rapporto tra capacità e domanda dei piani", "",
             "non valutabile in fase di predimensionamento", Verdict::notJudged);
    addSetbacks(regularity.elevation, rows);
    rows.add(true, "(a) Distribuzione di masse e rigidezze", "",
             "e0/r delle verifiche torsionali (la norma non fissa un limite)", Verdict::notJudged);
    addPlan(regularity.plan, rows);
    rows.add(true, "(c) Solai infinitamente rigidi nel loro piano", "", "ipotesi del modello",
             Verdict::byConstruction);
    return rows.rows;
}

const char* verdictMark(Verdict verdict) {
    switch (verdict) {
    case Verdict::passes:
        return "✓";
    case Verdict::fails:
        return "✗";
    case Verdict::byConstruction:
        return "per costruzione";
    case Verdict::notJudged:
        return "non valutabile";
    }
    return "";
}

} // namespace orvanta
