#include "model_check.h"

#include "numbering.h"

#include <cmath>
#include <cstdio>
#include <span>

namespace orvanta {

namespace {

// Limits of the values a building can have, in millimetres unless said otherwise.
constexpr double smallestSize = 1;          // a section side or thickness
constexpr double largestSize = 100e3;       // 100 m
constexpr double smallestSpacing = 1;       // between grid lines, between levels
constexpr double farthestFromOrigin = 10e6; // 10 km, for coordinates and levels
constexpr double longestSlabSide = 20e6;    // 20 km: two grid lines at opposite limits
constexpr double largestSlabLoad = 1;       // N/mm², i.e. 1000 kN/m²
constexpr double smallestGyration = 1e-3;   // when positive
constexpr double largestGyration = 100e6;   // 100 km

// A number as the user reads it: up to six significant digits, a decimal comma.
std::string shown(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.6G", value);
    std::string result(text);
    for (char& ch : result) {
        if (ch == '.')
            ch = ',';
    }
    return result;
}

std::string withMillimetres(double value) {
    return " (" + shown(value) + " mm)";
}

// A size of a section: finite, positive, within 1 mm … 100 m. The adjectives agree with the
// name's gender ("base non positiva", "spessore dell'ala non positivo").
enum class Gender { masculine, feminine };

std::optional<std::string> sizeProblem(const std::string& name, double value,
                                       Gender gender = Gender::feminine) {
    const char* ending = gender == Gender::feminine ? "a" : "o";
    if (!std::isfinite(value))
        return name + " non numeric" + ending;
    if (value <= 0)
        return name + " non positiv" + ending + withMillimetres(value);
    if (value < smallestSize || value > largestSize)
        return name + " fuori dall'intervallo 1 mm – 100 m" + withMillimetres(value);
    return std::nullopt;
}

// The first problem of a list of candidates, in order.
std::optional<std::string> firstOf(std::initializer_list<std::optional<std::string>> problems) {
    for (const std::optional<std::string>& problem : problems) {
        if (problem)
            return problem;
    }
    return std::nullopt;
}

// Collects problems, keeping the first few and counting them all.
class Collector {
public:
    explicit Collector(std::size_t kept) : kept_(kept) {}

    void add(int storey, ProblemPlace place, int index, int otherIndex, std::string reason) {
        ++check_.total;
        if (check_.problems.size() < kept_)
            check_.problems.push_back({storey, place, index, otherIndex, std::move(reason)});
    }
    void add(ProblemPlace place, int index, std::string reason) {
        add(0, place, index, 0, std::move(reason));
    }

    ModelCheck take() { return std::move(check_); }

private:
    std::size_t kept_;
    ModelCheck check_;
};

bool allFinite(std::span<const double> values) {
    for (const double v : values) {
        if (!std::isfinite(v))
            return false;
    }
    return true;
}

// A coordinate or level: finite and within 10 km of the origin.
std::optional<std::string> positionProblem(double value) {
    if (!std::isfinite(value))
        return "coordinata non numerica";
    if (std::fabs(value) > farthestFromOrigin)
        return "a più di 10 km dall'origine" + withMillimetres(value);
    return std::nullopt;
}

// Grid lines or levels: each within range and at least 1 mm beyond the one before it.
void checkIncreasing(Collector& out, ProblemPlace place, const Array1<double>& values, int count,
                     const char* previous) {
    for (int i = 1; i <= count; ++i) {
        if (std::optional<std::string> problem = positionProblem(values(i))) {
            out.add(place, i, std::move(*problem));
            continue;
        }
        if (i > 1 && std::isfinite(values(i - 1)) &&
            !(values(i) - values(i - 1) >= smallestSpacing))
            out.add(place, i,
                    std::string("non supera di almeno 1 mm ") + previous + " (scarto " +
                        shown(values(i) - values(i - 1)) + " mm)");
    }
}

void checkGeometry(const Model& m, Collector& out) {
    const Counts& c = m.counts;
    checkIncreasing(out, ProblemPlace::gridLineX, m.coordX, c.nX, "l'allineamento precedente");
    checkIncreasing(out, ProblemPlace::gridLineY, m.coordY, c.nY, "l'allineamento precedente");
    checkIncreasing(out, ProblemPlace::level, m.levelZ, c.nStoreys + 1, "la quota precedente");
    for (int e = 1; e <= c.nExtra; ++e) {
        const std::optional<std::string> problem =
            firstOf({positionProblem(m.coordX(c.nX + e)), positionProblem(m.coordY(c.nY + e))});
        if (problem)
            out.add(0, ProblemPlace::extraNode, e, numbering::extraNode(c, e), *problem);
    }
    const auto single = [](float v) { return std::isfinite(v); };
    if (!single(m.drawMax(0)) || !single(m.drawMax(1)) || !single(m.drawMax(2)) ||
        !single(m.planScale) || !single(m.elevScale))
        out.add(ProblemPlace::model, 0, "estensione o scala del disegno non numerica");
}

std::optional<std::string> flagProblem(double flag) {
    if (!std::isfinite(flag))
        return "indicatore di presenza non numerico";
    if (flag != 0 && flag != 1)
        return "indicatore di presenza " + shown(flag) + " non ammesso (0 o 1)";
    return std::nullopt;
}

// One element slot: its presence flag, and for a present element its shape code and section.
std::optional<std::string> memberProblem(const Model& m, int storey, int slot, bool isColumn) {
    const double* values = &m.members(storey, slot, 1);
    if (std::optional<std::string> problem = flagProblem(values[member::present - 1]))
        return problem;
    if (!allFinite({values, member::values}))
        return std::string("valore non numerico nei dati della sezione");
    if (values[member::present - 1] != 1)
        return std::nullopt;
    const double shape = values[member::shape - 1];
    if (!std::isfinite(shape) || (shape != 0 && shape != 1))
        return "codice della sezione " + shown(shape) + " non ammesso (0 rettangolare, " +
               (isColumn ? "1 a cassone)" : "1 a T)");
    return isColumn ? columnSectionProblem(columnSection(m, storey, slot))
                    : beamSectionProblem(beamSection(m, storey, slot));
}

void checkMembers(const Model& m, int k, Collector& out) {
    const Counts& c = m.counts;
    const int gridNodes = c.nX * c.nY;
    for (int n = 1; n <= gridNodes; ++n) {
        if (std::optional<std::string> problem = memberProblem(m, k, n, true))
            out.add(k, ProblemPlace::column, n, 0, std::move(*problem));
    }
    for (int iy = 1; iy <= c.nY; ++iy) {
        for (int ix = 1; ix < c.nX; ++ix) {
            const int slot = numbering::beamXSlot(c, ix, iy);
            const int node = numbering::gridNode(c, ix, iy);
            if (std::optional<std::string> problem = memberProblem(m, k, slot, false))
                out.add(k, ProblemPlace::beamX, node, node + 1, std::move(*problem));
        }
    }
    for (int n = 1; n <= gridNodes - c.nX; ++n) {
        if (std::optional<std::string> problem =
                memberProblem(m, k, numbering::beamYSlot(c, n), false))
            out.add(k, ProblemPlace::beamY, n, n + c.nX, std::move(*problem));
    }
    for (int e = 1; e <= c.nExtra; ++e) {
        const int node = numbering::extraNode(c, e);
        if (std::optional<std::string> problem =
                memberProblem(m, k, numbering::columnSlot(c, node), true))
            out.add(k, ProblemPlace::column, node, 0, std::move(*problem));
    }
}

void checkSlabs(const Model& m, int k, Collector& out) {
    for (int b = 1; b <= m.slabs.upper(2); ++b) {
        const double* values = &m.slabs(k, b, 1);
        std::optional<std::string> problem = flagProblem(values[slab::present - 1]);
        if (!problem && values[slab::present - 1] == 1) {
            const double direction = values[slab::direction - 1];
            if (!std::isfinite(direction) || (direction != 1 && direction != 2))
                problem = "direzione di orditura " + shown(direction) +
                          " non ammessa (1 lungo X, 2 lungo Y)";
            else
                problem = slabProblem(slabAt(m, k, b));
        } else if (!problem && !allFinite({values, slab::values})) {
            problem = "valore non numerico nei dati del solaio";
        }
        if (problem)
            out.add(k, ProblemPlace::slab, b, 0, std::move(*problem));
    }
}

// The storey's load results: finite, the centre of mass within 10 km of the origin, the share of
// the storey forces in 0 … 1, a positive radius of gyration in 0.001 mm … 100 km.
void checkStoreyLoads(const Model& m, int k, Collector& out) {
    std::optional<std::string> problem;
    const double rho = m.gyrationRadius(k);
    const double share = m.storeyForce(k);
    if (!allFinite(m.beamLoads.row(k)))
        problem = "carico trasmesso a un elemento non numerico";
    else if (std::optional<std::string> centre = firstOf(
                 {positionProblem(m.massCentre(k, 1)), positionProblem(m.massCentre(k, 2))}))
        problem = "centro di massa " + *centre;
    else if (!std::isfinite(rho))
        problem = "raggio giratore di inerzia non numerico";
    else if (rho > 0 && (rho < smallestGyration || rho > largestGyration))
        problem = "raggio giratore di inerzia fuori dall'intervallo 0,001 mm – 100 km" +
                  withMillimetres(rho);
    else if (!std::isfinite(share) || share < 0 || share > 1)
        problem =
            "quota della forza sismica di piano " + shown(share) + " fuori dall'intervallo 0 – 1";
    if (problem)
        out.add(k, ProblemPlace::storey, 0, 0, std::move(*problem));
}

std::string countsText(long long count, const char* one, const char* many) {
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

} // namespace

std::optional<std::string> columnSectionProblem(const ColumnSection& s) {
    if (std::optional<std::string> problem =
            firstOf({sizeProblem("base", s.base), sizeProblem("altezza", s.height)}))
        return problem;
    if (s.shape == ColumnShape::rectangle)
        return std::nullopt;
    if (std::optional<std::string> problem = firstOf(
            {sizeProblem("spessore delle pareti parallele a X", s.wallsAlongX, Gender::masculine),
             sizeProblem("spessore delle pareti parallele a Y", s.wallsAlongY, Gender::masculine)}))
        return problem;
    // The walls parallel to X cut the height, those parallel to Y the base.
    if (2 * s.wallsAlongX >= s.height)
        return "pareti parallele a X troppo spesse: due volte " + shown(s.wallsAlongX) +
               " mm non lasciano cavità nell'altezza di " + shown(s.height) + " mm";
    if (2 * s.wallsAlongY >= s.base)
        return "pareti parallele a Y troppo spesse: due volte " + shown(s.wallsAlongY) +
               " mm non lasciano cavità nella base di " + shown(s.base) + " mm";
    return std::nullopt;
}

std::optional<std::string> beamSectionProblem(const BeamSection& s) {
    if (std::optional<std::string> problem =
            firstOf({sizeProblem("base", s.base), sizeProblem("altezza", s.height)}))
        return problem;
    if (s.shape == BeamShape::rectangle)
        return std::nullopt;
    if (std::optional<std::string> problem =
            sizeProblem("spessore dell'ala", s.flange, Gender::masculine))
        return problem;
    if (s.flange >= s.height)
        return "spessore dell'ala (" + shown(s.flange) + " mm) non minore dell'altezza (" +
               shown(s.height) + " mm)";
    if (std::optional<std::string> problem = sizeProblem("larghezza dell'anima", s.web))
        return problem;
    if (s.web > s.base)
        return "anima (" + shown(s.web) + " mm) più larga della base (" + shown(s.base) + " mm)";
    return std::nullopt;
}

std::optional<std::string> slabProblem(const Slab& s) {
    if (!s.present)
        return std::nullopt;
    const auto load = [](const char* name, double value) -> std::optional<std::string> {
        if (!std::isfinite(value) || value < 0 || value > largestSlabLoad)
            return std::string("carico ") + name + " " + shown(value * 1000) +
                   " kN/m² fuori dall'intervallo 0 – 1000 kN/m²";
        return std::nullopt;
    };
    const auto side = [](const char* name, double value) -> std::optional<std::string> {
        if (!std::isfinite(value) || value < smallestSize || value > longestSlabSide)
            return std::string("lato in ") + name + " fuori dall'intervallo 1 mm – 20 km" +
                   withMillimetres(value);
        return std::nullopt;
    };
    std::optional<std::string> share;
    if (!std::isfinite(s.share) || s.share < 0 || s.share > 1)
        share = "quota del carico variabile " + shown(s.share) + " fuori dall'intervallo 0 – 1";
    return firstOf({load("permanente", s.permanent), load("variabile", s.variable), share,
                    side("X", s.sideX), side("Y", s.sideY)});
}

ModelCheck checkModel(const Model& m, std::size_t kept) {
    Collector out(kept);
    if (std::string beyond = beyondEditorLimits(m.counts); !beyond.empty()) {
        out.add(ProblemPlace::model, 0, std::move(beyond));
        return out.take();
    }
    if (!m.hasCompleteArrays()) {
        out.add(ProblemPlace::model, 0, "le dimensioni dei dati non corrispondono alla griglia");
        return out.take();
    }
    checkGeometry(m, out);
    for (int k = 1; k <= m.counts.nStoreys; ++k) {
        checkMembers(m, k, out);
        checkSlabs(m, k, out);
        checkStoreyLoads(m, k, out);
    }
    return out.take();
}

std::optional<ModelProblem> memberProblemAt(const Model& m, int storey, int slot) {
    const Counts& c = m.counts;
    const int grid = c.nX * c.nY;
    const int beamsX = grid + (c.nX - 1) * c.nY;
    const int beamsY = beamsX + c.nX * (c.nY - 1);
    if (storey < 1 || storey > c.nStoreys || slot < 1 || slot > beamsY + c.nExtra)
        return std::nullopt;
    ModelProblem where{storey, ProblemPlace::column, slot, 0, {}};
    if (slot > beamsY) {
        where.index = numbering::extraNode(c, slot - beamsY);
    } else if (slot > beamsX) {
        where.place = ProblemPlace::beamY;
        where.index = slot - (2 * grid - c.nY);
        where.otherIndex = where.index + c.nX;
    } else if (slot > grid) {
        const int k = slot - grid - 1;
        where.place = ProblemPlace::beamX;
        where.index = numbering::gridNode(c, k % (c.nX - 1) + 1, k / (c.nX - 1) + 1);
        where.otherIndex = where.index + 1;
    }
    std::optional<std::string> problem =
        memberProblem(m, storey, slot, where.place == ProblemPlace::column);
    if (!problem)
        return std::nullopt;
    where.reason = std::move(*problem);
    return where;
}

std::string describeProblem(const ModelProblem& p) {
    const std::string index = std::to_string(p.index);
    const std::string other = std::to_string(p.otherIndex);
    std::string where;
    switch (p.place) {
    case ProblemPlace::model:
        where = "struttura";
        break;
    case ProblemPlace::gridLineX:
        where = "allineamento " + index + " in X";
        break;
    case ProblemPlace::gridLineY:
        where = "allineamento " + index + " in Y";
        break;
    case ProblemPlace::level:
        where = "quota " + index;
        break;
    case ProblemPlace::extraNode:
        where = "nodo aggiuntivo " + index + " (nodo " + other + ")";
        break;
    case ProblemPlace::column:
        where = "pilastro al nodo " + index;
        break;
    case ProblemPlace::beamX:
        where = "trave in X tra i nodi " + index + " e " + other;
        break;
    case ProblemPlace::beamY:
        where = "trave in Y tra i nodi " + index + " e " + other;
        break;
    case ProblemPlace::slab:
        where = "solaio della campata " + index;
        break;
    case ProblemPlace::storey:
        where = "carichi del piano";
        break;
    }
    const std::string storey = p.storey > 0 ? "piano " + std::to_string(p.storey) + ", " : "";
    return storey + where + ": " + p.reason;
}

Message modelCheckMessage(const ModelCheck& check, std::string title, std::size_t shown) {
    Message message;
    message.title = std::move(title);
    message.icon = MessageIcon::Exclamation;
    message.lines.push_back("Il modello contiene dati non validi (" +
                            countsText(check.total, "problema", "problemi") + "):");
    std::size_t listed = 0;
    for (const ModelProblem& problem : check.problems) {
        if (listed == shown)
            break;
        message.lines.push_back("- " + describeProblem(problem));
        ++listed;
    }
    const long long more = check.total - static_cast<long long>(listed);
    if (more == 1)
        message.lines.push_back("... e un altro problema.");
    else if (more > 1)
        message.lines.push_back("... e altri " + std::to_string(more) + " problemi.");
    message.lines.push_back("Correggere i dati indicati prima di procedere.");
    return message;
}

std::optional<Message> calculationRefusal(const Model& model) {
    if (!model.hasCompleteArrays())
        return Message{{"La struttura non è stata ancora definita completamente",
                        "Completare le fasi di input prima di procedere"},
                       calculationRefusalTitle,
                       MessageIcon::Exclamation,
                       MessageButtons::Ok};
    const ModelCheck check = checkModel(model);
    if (check.passed())
        return std::nullopt;
    return modelCheckMessage(check, calculationRefusalTitle);
}

} // namespace orvanta
