#include "seismic_response.h"

#include "symmetric_algebra.h"
#include "torsional_regularity.h"
#include "vibration_modes.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

namespace orvanta {

namespace {

const char* const regularityTitle = "Regolarità Torsionale";
const char* const modesTitle = "Modi di Vibrare";

// Says what could not be computed, once, and keeps the same lines in the result.
void report(SeismicResults& results, SeismicStatus status, std::vector<std::string> lines,
            const char* title, MessageIcon icon, Asker& asker) {
    results.status = status;
    results.problem = lines;
    asker.tell(std::move(lines), title, icon);
}

bool matchesModel(const Model& m, const Array2<double>& k) {
    const int s = m.counts.nStoreys;
    const auto spans = [](int lower, int upper, int count) { return lower == 1 && upper == count; };
    return s > 0 && spans(k.lower(1), k.upper(1), 3 * s) && spans(k.lower(2), k.upper(2), 3 * s) &&
           spans(m.massCentre.lower(1), m.massCentre.upper(1), s) &&
           spans(m.massCentre.lower(2), m.massCentre.upper(2), 2) &&
           spans(m.gyrationRadius.lower(), m.gyrationRadius.upper(), s) &&
           spans(m.beamLoads.lower(1), m.beamLoads.upper(1), s) &&
           m.beamLoads.upper(2) >= m.counts.nX * m.counts.nY;
}

// "del piano 3 alla rotazione", for freedom i of the global matrix (u, v, then φ of each storey).
std::string freedomName(int freedom, int storeys) {
    const int block = (freedom - 1) / storeys;
    const int storey = (freedom - 1) % storeys + 1;
    const char* const kinds[] = {"alla traslazione lungo X", "alla traslazione lungo Y",
                                 "alla rotazione"};
    return "del piano " + std::to_string(storey) + " " + kinds[block];
}

std::vector<std::string> notPositiveDefinite(const PositiveDefiniteInverse& inverse, int storeys) {
    const std::string where = freedomName(inverse.failingFreedom, storeys);
    if (inverse.notFinite)
        return {"La matrice di rigidezza globale contiene termini non numerici:",
                "il primo è nella rigidezza " + where + ".",
                "Regolarità torsionale e modi di vibrare non sono calcolati."};
    return {"La matrice di rigidezza globale non è definita positiva: la rigidezza " + where,
            "è nulla o dipende da quella dei gradi di libertà che la precedono (struttura labile).",
            "Regolarità torsionale e modi di vibrare non sono calcolati."};
}

// What to say of the storeys without a positive mass, or nothing when every storey has one:
// "Il piano 2 ha massa nulla…", "I piani 2, 3 hanno…" (the first ten of a longer list), or
// "Nessun piano ha massa…" when the loads were never distributed.
std::string storeysWithoutMass(const Array1<double>& mass) {
    constexpr std::size_t listed = 10;
    std::vector<int> storeys;
    for (int s = mass.lower(); s <= mass.upper(); ++s) {
        if (!(mass(s) > 0) || !std::isfinite(mass(s)))
            storeys.push_back(s);
    }
    if (storeys.empty())
        return {};
    if (storeys.size() == mass.size())
        return "Nessun piano ha massa: non vi sono solai, carichi sulle travi né peso proprio "
               "degli elementi.";
    if (storeys.size() == 1) {
        return "Il piano " + std::to_string(storeys.front()) +
               " ha massa nulla: non porta solai, carichi sulle travi né peso proprio di "
               "elementi.";
    }
    std::string list;
    for (std::size_t i = 0; i < std::min(storeys.size(), listed); ++i)
        list += (i == 0 ? "" : ", ") + std::to_string(storeys[i]);
    if (storeys.size() > listed)
        list += " e altri " + std::to_string(storeys.size() - listed);
    return "I piani " + list +
           " hanno massa nulla: non portano solai, carichi sulle travi né peso proprio di "
           "elementi.";
}

// A floor whose whole mass sits at one point has no rotational inertia, and the modes no
// positive definite mass matrix.
std::string storeysWithoutInertia(const std::vector<StoreySeismicMass>& masses) {
    for (std::size_t s = 0; s < masses.size(); ++s) {
        if (!(masses[s].gyrationRadius > 0))
            return "Il piano " + std::to_string(s + 1) +
                   " ha raggio giratore d'inerzia nullo: la sua massa è concentrata in un punto.";
    }
    return {};
}

void computeModes(const Model& m, const Array2<double>& k, SeismicResults& results, Asker& asker) {
    const auto withoutModes = [&](std::string reason) {
        report(results, SeismicStatus::WithoutModes,
               {std::move(reason), "I modi di vibrare non sono calcolati."}, modesTitle,
               MessageIcon::Exclamation, asker);
    };
    if (!(results.concreteClass > 0) || !std::isfinite(results.concreteClass))
        return withoutModes("La classe del calcestruzzo Rck deve essere un numero positivo.");
    if (!(results.crackedFactor >= smallestCrackedFactor && results.crackedFactor <= 1))
        return withoutModes("Il fattore di rigidezza fessurata deve essere compreso fra 0,5 e 1.");
    results.youngModulus = secantModulus(results.concreteClass) * results.crackedFactor;
    if (std::string missing = storeysWithoutMass(results.storeyMass); !missing.empty())
        return withoutModes(std::move(missing));
    if (std::string missing = storeysWithoutInertia(results.floorMasses); !missing.empty())
        return withoutModes(std::move(missing));
    std::optional<Array1<VibrationMode>> modes =
        vibrationModes(k, results.floorMasses, floorFrames(m), results.youngModulus);
    if (!modes)
        return withoutModes("Il calcolo delle frequenze di vibrazione non converge.");
    results.modes = std::move(*modes);
    results.status = SeismicStatus::Complete;
}

} // namespace

SeismicResults computeSeismicResponse(const Model& m, const Array2<double>& k, double concreteClass,
                                      Asker& asker, SeismicParts parts) {
    SeismicResults results;
    results.concreteClass = concreteClass;
    results.crackedFactor = projectCrackedFactor(m);
    if (!matchesModel(m, k)) {
        report(results, SeismicStatus::NotComputed,
               {"La matrice di rigidezza globale non corrisponde al modello:",
                "eseguire \"Calcola Matrici\" prima di procedere."},
               regularityTitle, MessageIcon::Critical, asker);
        return results;
    }
    const int storeys = m.counts.nStoreys;
    const PositiveDefiniteInverse inverse = invertPositiveDefinite(k);
    if (inverse.failingFreedom != 0) {
        report(results, SeismicStatus::NotComputed, notPositiveDefinite(inverse, storeys),
               regularityTitle, MessageIcon::Critical, asker);
        return results;
    }

    results.floorMasses = seismicMasses(m);
    results.storeys = storeyRegularity(m, inverse.inverse, results.floorMasses);
    results.regularInPlan = true;
    for (const StoreyRegularity& row : results.storeys.values()) {
        results.regularInPlan = results.regularInPlan && row.passes();
        results.torsionallyFlexible =
            results.torsionallyFlexible || !row.radiusXPasses || !row.radiusYPasses;
    }
    results.storeyMass = storeyMasses(results.floorMasses);
    if (parts == SeismicParts::regularityOnly) {
        results.status = SeismicStatus::WithoutModes;
        return results;
    }
    computeModes(m, k, results, asker);
    return results;
}

SeismicResults computeSeismicResponse(const Model& m, const Array2<double>& k, Asker& asker,
                                      SeismicParts parts) {
    return computeSeismicResponse(m, k, projectConcreteClass(m), asker, parts);
}

} // namespace orvanta
