#include "families.h"

#include "normalised_matrix.h"
#include "number_text.h"

#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace orvanta {

namespace {

void reportCannotAssign(Asker& asker, std::string firstLine) {
    asker.tell({std::move(firstLine),
                "le famiglie non possono essere assegnate e restano invariate.",
                "Correggere la geometria e ripetere il calcolo delle matrici."},
               "Attenzione", MessageIcon::Exclamation);
}

// The reasons why no ritto can be compared with the others, in the order they are checked.
bool familiesComparable(const Model& m, const AnalysisResults& r, Direction d, Asker& asker) {
    const Array3<double>& k = r[d].ritMatrix;
    bool fullHeight = false;
    for (int i = r.ritStoreys.lower(); i <= r.ritStoreys.upper(); ++i) {
        if (r.ritStoreys(i) == 0)
            continue;
        const double first = k(i, 1, 1);
        if (first == 0 || !std::isfinite(first)) {
            reportCannotAssign(asker, "La matrice di rigidezza del ritto " + std::to_string(i) +
                                          " ha il primo termine nullo o indefinito:");
            return false;
        }
        fullHeight = fullHeight || r.ritStoreys(i) == m.counts.nStoreys;
    }
    if (!fullHeight) {
        reportCannotAssign(asker, "Nessun ritto si estende per l'intera altezza dell'edificio:");
        return false;
    }
    return true;
}

// The terms that the distance compares: the main diagonal and the second upper diagonal.
struct ComparedTerms {
    std::vector<double> diagonal; // (r, r), r = 1..N at index r − 1
    std::vector<double> second;   // (r, r + 2), r = 1..N − 2 at index r − 1

    explicit ComparedTerms(int storeys)
        : diagonal(static_cast<std::size_t>(storeys)),
          second(static_cast<std::size_t>(storeys > 2 ? storeys - 2 : 0)) {}

    void normalise(const Array3<double>& k, int ritto) {
        const double first = k(ritto, 1, 1);
        const int storeys = static_cast<int>(diagonal.size());
        for (int row = 1; row <= storeys; ++row)
            diagonal[static_cast<std::size_t>(row - 1)] = normalisedTerm(k(ritto, row, row), first);
        for (int row = 1; row <= storeys - 2; ++row)
            second[static_cast<std::size_t>(row - 1)] =
                normalisedTerm(k(ritto, row, row + 2), first);
    }

    double distance(const ComparedTerms& model) const {
        double d = 0;
        for (std::size_t j = 0; j < diagonal.size(); ++j)
            d += std::fabs(diagonal[j] - model.diagonal[j]);
        for (std::size_t j = 0; j < second.size(); ++j)
            d += 2 * std::fabs(second[j] - model.second[j]);
        return d;
    }
};

} // namespace

int familySlots(const Model& m) {
    return m.sizes().nodes;
}

std::optional<long long> readFamilyCount(std::string_view text, const Model& m, Asker& asker) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    const std::optional<double> number = number_text::parse(text);
    if (!number || *number != std::trunc(*number)) {
        asker.tell({"Il numero di famiglie specificato non è un numero intero:",
                    "inserire un valore compreso tra 1 e " + std::to_string(familySlots(m)) +
                        "; le famiglie restano invariate."},
                   "Attenzione", MessageIcon::Exclamation);
        return std::nullopt;
    }
    // Far outside 1..slots the exact value no longer matters.
    constexpr double limit = 1e9;
    return static_cast<long long>(std::fmax(-limit, std::fmin(limit, *number)));
}

int setFamilyCount(const Model& m, AnalysisResults& r, Direction d, long long requested,
                   Asker& asker) {
    const int slots = familySlots(m);
    long long count = requested;
    if (count > slots) {
        count = slots;
        asker.tell({"Il numero di famiglie specificato è superiore al numero di ritti",
                    "Sarà adottato un numero di famiglie pari al numero di ritti"},
                   "Nodo Inesistente", MessageIcon::Critical);
    } else if (count < 1) {
        count = 1;
        asker.tell({"Il numero di famiglie specificato è inferiore all'unità",
                    "Sarà adottato un numero di famiglie pari al numero minimo"},
                   "Nodo Inesistente", MessageIcon::Critical);
    }
    const auto adopted = static_cast<std::int16_t>(count);
    r[d].familyCount = adopted;
    Array1<std::int16_t>& families = r[d].family;
    for (std::int16_t& f : families.values()) {
        if (f > adopted)
            f = adopted;
    }
    return adopted;
}

bool assignFamilies(const Model& m, AnalysisResults& r, Direction d, int familyCount,
                    Asker& asker) {
    const int storeys = m.counts.nStoreys;
    const Array3<double>& k = r[d].ritMatrix;
    Array1<std::int16_t>& families = r[d].family;
    const int slots = static_cast<int>(r.ritStoreys.size());

    if (familyCount <= 1) {
        for (int i = 1; i <= slots; ++i) {
            if (r.ritStoreys(i) != 0)
                families(i) = 1;
        }
        return true;
    }
    if (!familiesComparable(m, r, d, asker))
        return false;

    // References: the full-height ritti with the largest and the smallest top ratio, the lowest
    // index winning ties.
    int shearReference = 0;
    int flexuralReference = 0;
    double largest = 0;
    double smallest = 0;
    for (int i = 1; i <= slots; ++i) {
        if (r.ritStoreys(i) != storeys)
            continue;
        const double ratio = normalisedTerm(k(i, storeys, storeys), k(i, 1, 1));
        if (shearReference == 0 || ratio > largest) {
            largest = ratio;
            shearReference = i;
        }
        if (flexuralReference == 0 || ratio < smallest) {
            smallest = ratio;
            flexuralReference = i;
        }
    }

    // Model matrices, evenly spaced from the shear-type reference (family 1) to the flexural one
    // (family F).
    std::vector<ComparedTerms> models(static_cast<std::size_t>(familyCount),
                                      ComparedTerms(storeys));
    ComparedTerms& first = models.front();
    ComparedTerms& last = models.back();
    first.normalise(k, shearReference);
    last.normalise(k, flexuralReference);
    const auto interpolate = [&](std::vector<double>& to, const std::vector<double>& a,
                                 const std::vector<double>& b, int f) {
        for (std::size_t j = 0; j < to.size(); ++j)
            to[j] = a[j] + (f - 1) * (b[j] - a[j]) / (familyCount - 1);
    };
    for (int f = 2; f < familyCount; ++f) {
        ComparedTerms& model = models[static_cast<std::size_t>(f - 1)];
        interpolate(model.diagonal, first.diagonal, last.diagonal, f);
        interpolate(model.second, first.second, last.second, f);
    }

    ComparedTerms ritto(storeys);
    for (int i = 1; i <= slots; ++i) {
        if (r.ritStoreys(i) == 0)
            continue;
        ritto.normalise(k, i);
        double nearest = std::numeric_limits<double>::infinity();
        for (int f = 1; f <= familyCount; ++f) {
            const double distance = ritto.distance(models[static_cast<std::size_t>(f - 1)]);
            if (distance < nearest) {
                nearest = distance;
                families(i) = static_cast<std::int16_t>(f);
            }
        }
    }
    return true;
}

} // namespace orvanta
