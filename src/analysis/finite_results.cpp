#include "finite_results.h"

#include <cmath>
#include <span>

namespace orvanta {

namespace {

// Index of the first value that is not finite, or −1. The sum of value·0 stays 0 over finite
// values and becomes NaN at the first infinity or NaN, so whole blocks are passed over at the
// speed of memory and only a block that holds one is searched term by term.
long long firstNonFinite(std::span<const double> values) {
    constexpr std::size_t block = 4096;
    for (std::size_t start = 0; start < values.size(); start += block) {
        const std::size_t end = std::min(values.size(), start + block);
        double probe = 0;
        for (std::size_t i = start; i < end; ++i)
            probe += values[i] * 0.0;
        if (probe == 0)
            continue;
        for (std::size_t i = start; i < end; ++i) {
            if (!std::isfinite(values[i]))
                return static_cast<long long>(i);
        }
    }
    return -1;
}

std::string pair(long long r, long long c) {
    std::string text = "(";
    text += std::to_string(r);
    text += ", ";
    text += std::to_string(c);
    text += ')';
    return text;
}

// "dei ritti ortogonali a X".
std::string ofRitti(Direction d) {
    return std::string("ortogonale a ") + orthogonalAxis(d);
}

// The first term of an (item, row, column) array that is not finite: item, row and column.
struct Term3 {
    long long item, row, column;
};
std::optional<Term3> firstNonFinite(const Array3<double>& a) {
    const long long at = firstNonFinite(a.values());
    if (at < 0)
        return std::nullopt;
    const long long columns = a.upper(3) - a.lower(3) + 1;
    const long long rows = a.upper(2) - a.lower(2) + 1;
    return Term3{a.lower(1) + at / (rows * columns), a.lower(2) + (at / columns) % rows,
                 a.lower(3) + at % columns};
}
std::optional<std::pair<long long, long long>> firstNonFinite(const Array2<double>& a) {
    const long long at = firstNonFinite(a.values());
    if (at < 0)
        return std::nullopt;
    const long long columns = a.upper(2) - a.lower(2) + 1;
    return std::pair(a.lower(1) + at / columns, a.lower(2) + at % columns);
}
std::optional<long long> firstNonFinite(const Array1<double>& a) {
    const long long at = firstNonFinite(a.values());
    return at < 0 ? std::nullopt : std::optional(a.lower() + at);
}

// A row or column of the global matrix by the storey and movement it stands for.
std::string globalDof(long long index, long long storeys) {
    static const char* movements[] = {"traslazione X", "traslazione Y", "rotazione"};
    const long long kind = (index - 1) / storeys;
    return std::string(movements[kind]) + " del piano " + std::to_string((index - 1) % storeys + 1);
}

std::optional<std::string> elementsAndMatrices(const AnalysisResults& r) {
    for (const Direction d : bothDirections) {
        if (const std::optional<Term3> t = firstNonFinite(r[d].ritElements))
            return "tabella degli elementi del ritto " + std::to_string(t->item) + " " +
                   ofRitti(d) + ", riga " + std::to_string(t->row);
    }
    const std::optional<std::pair<long long, long long>> global = firstNonFinite(r.globalStiffness);
    if (!global)
        return std::nullopt;
    for (const Direction d : bothDirections) {
        if (const std::optional<Term3> t = firstNonFinite(r[d].ritMatrix))
            return "matrice di rigidezza del ritto " + std::to_string(t->item) + " " + ofRitti(d) +
                   ", termine " + pair(t->row, t->column);
    }
    const long long storeys = r.globalStiffness.upper(1) / 3;
    return "matrice di rigidezza globale, termine " + pair(global->first, global->second) + " (" +
           globalDof(global->first, storeys) + ", " + globalDof(global->second, storeys) + ")";
}

std::optional<std::string> familiesAndShape(const AnalysisResults& r) {
    for (const Direction d : bothDirections) {
        const RittiResults& set = r[d];
        const std::string family = " della famiglia ";
        const std::string ritti = std::string(" dei ritti ortogonali a ") + orthogonalAxis(d);
        if (const std::optional<long long> f = firstNonFinite(set.stiffnessCentre))
            return "centro di rigidezza" + family + std::to_string(*f) + ritti;
        if (const std::optional<long long> i = firstNonFinite(set.stiffnessWeight))
            return "peso del ritto " + std::to_string(*i) + " " + ofRitti(d) +
                   " nel centro di rigidezza";
        if (const std::optional<Term3> t = firstNonFinite(set.familyMeanMatrix))
            return "matrice media" + family + std::to_string(t->item) + ritti + ", termine " +
                   pair(t->row, t->column);
        if (const std::optional<std::pair<long long, long long>> t =
                firstNonFinite(set.flexibility))
            return std::string("matrice di flessibilità in ") +
                   (d == Direction::orthogonalToY ? "X" : "Y") + ", termine " + pair(t->first, t->second);
    }
    if (const std::optional<std::pair<long long, long long>> t = firstNonFinite(r.deformedShape))
        return std::string("deformata in elevazione in ") + (t->first == 1 ? "X" : "Y") +
               ", piano " + std::to_string(t->second);
    return std::nullopt;
}

} // namespace

std::optional<std::string> firstNonFiniteResult(const AnalysisResults& results) {
    if (std::optional<std::string> where = elementsAndMatrices(results))
        return where;
    return familiesAndShape(results);
}

std::optional<Message> nonFiniteResultMessage(const AnalysisResults& results) {
    const std::optional<std::string> where = firstNonFiniteResult(results);
    if (!where)
        return std::nullopt;
    return Message{{"Il calcolo ha prodotto un valore non numerico o infinito:", *where + ".",
                    "I risultati non possono essere visualizzati: controllare i dati della "
                    "struttura."},
                   "Risultati non validi",
                   MessageIcon::Critical,
                   MessageButtons::Ok};
}

} // namespace orvanta
