#include "modal_study.h"

#include "concrete.h"
#include "symmetric_algebra.h"

#include <cmath>

namespace orvanta {

namespace {

bool matchesModel(const Model& m, const AnalysisResults& r) {
    const int n = m.counts.nStoreys;
    const Array2<double>& k = r.globalStiffness;
    return n > 0 && k.size() > 0 && k.lower(1) == 1 && k.upper(1) == 3 * n && k.upper(2) == 3 * n &&
           m.massCentre.size() > 0 && m.massCentre.upper(1) == n && m.gyrationRadius.size() > 0 &&
           m.gyrationRadius.upper() == n && r.ritStoreys.size() > 0 &&
           r.ritStoreys.upper() == m.sizes().nodes;
}

// "Il piano 2 non ha massa sismica", or empty when every storey has a positive mass and radius.
std::string storeyWithoutMass(const Model& m, const std::vector<StoreySeismicMass>& masses) {
    for (std::size_t s = 0; s < masses.size(); ++s) {
        const int storey = static_cast<int>(s) + 1;
        if (!(masses[s].weight > 0) || !std::isfinite(masses[s].weight) ||
            !(masses[s].gyrationRadius > 0) || !(m.gyrationRadius(storey) > 0))
            return "Il piano " + std::to_string(storey) +
                   " non ha massa sismica: distribuire i carichi dei solai.";
    }
    return {};
}

} // namespace

ModalStudy modalStudy(const Model& m, const AnalysisResults& r) {
    ModalStudy study;
    if (!matchesModel(m, r)) {
        study.problem = {"La matrice di rigidezza globale non corrisponde al modello:",
                         "eseguire \"Calcola Matrici\" prima di procedere."};
        return study;
    }
    study.masses = seismicMasses(m);
    if (std::string missing = storeyWithoutMass(m, study.masses); !missing.empty()) {
        study.problem = {std::move(missing), "Regolarità e analisi modale non sono calcolate."};
        return study;
    }
    PositiveDefiniteInverse inverse = invertPositiveDefinite(r.globalStiffness);
    if (inverse.failingFreedom != 0) {
        study.problem = {"La matrice di rigidezza globale non è definita positiva (struttura "
                         "labile o termini non numerici).",
                         "Regolarità e analisi modale non sono calcolate."};
        return study;
    }
    study.modulus = projectStiffnessModulus(m);
    study.flexibility = std::move(inverse.inverse);
    std::optional<ModalBasis> basis =
        modalBasis(r.globalStiffness, seismicMassMatrix(m, study.masses), study.modulus);
    if (!basis) {
        study.problem = {"Il calcolo dei modi di vibrare non converge.",
                         "Regolarità e analisi modale non sono calcolate."};
        return study;
    }
    study.basis = std::move(*basis);
    study.fundamentalPeriod = fundamentalPeriods(study.basis);
    study.regularity =
        ntcRegularity(ResponseMap(m, r, study.masses, study.modulus), study.flexibility);
    study.computed = true;
    return study;
}

} // namespace orvanta
