#pragma once

// The seismic action of the site and of the building as the Italian code asks for it (D.M.
// 17/01/2018, "NTC 2018"): the hazard of each limit state, the ground, the use class and what
// the behaviour factor is built from. Every value is kept as the engineer typed it; what is
// derived from it lives in response_spectrum.h, behaviour_factor.h and linear_static_analysis.h.
//
// Units: ag in g, Tc* in s, damping ξ in per cent.

#include "project_settings.h"

#include <array>
#include <optional>
#include <string>

namespace orvanta {

// The limit states whose action the program computes, in this order everywhere.
enum class LimitState { SLO, SLD, SLV };
inline constexpr std::array<LimitState, 3> allLimitStates = {LimitState::SLO, LimitState::SLD,
                                                             LimitState::SLV};
inline std::size_t limitIndex(LimitState state) {
    return static_cast<std::size_t>(state);
}
const char* limitStateName(LimitState state); // "SLO", "SLD", "SLV"

// The hazard of one limit state at the site (§3.2.1): ag in g, F0, Tc* in s.
struct SiteHazard {
    double ag = 0;
    double f0 = 0;
    double tcStar = 0;
    bool operator==(const SiteHazard&) const = default;
};

enum class SoilCategory { A, B, C, D, E };                  // Tab. 3.2.II
enum class TopographicCategory { T1, T2, T3, T4 };          // Tab. 3.2.III
enum class DuctilityClass { A, B };                         // CD"A", CD"B" (§7.2.1)
enum class StructuralType { frame, uncoupledWalls, mixed }; // mixed: also coupled walls
// Infills and the drift they bear at the damage limit state (§7.3.6.1): fragile and rigidly
// connected 0.005·h, ductile 0.0075·h, not interfering with the structure 0.010·h.
enum class InfillKind { fragile, ductile, independent };

struct NtcParameters {
    std::array<SiteHazard, 3> hazard{}; // by limitIndex
    SoilCategory soil = SoilCategory::B;
    TopographicCategory topography = TopographicCategory::T1;
    int useClass = 2; // I … IV as 1 … 4
    DuctilityClass ductility = DuctilityClass::B;
    StructuralType structure = StructuralType::frame;
    std::optional<double> alphaU; // αu/α1 typed; proposed from the structure when absent
    std::optional<bool> regularInElevation; // as typed; taken as regular when absent
    InfillKind infill = InfillKind::fragile;
    double dampingPercent = 5;             // ξ
    std::optional<double> behaviourFactor; // q typed; computed when absent

    const SiteHazard& at(LimitState state) const { return hazard[limitIndex(state)]; }
    SiteHazard& at(LimitState state) { return hazard[limitIndex(state)]; }
    bool operator==(const NtcParameters&) const = default;
};

// A value out of its range: which box (the window's label, "ag (SLV)") and the whole sentence.
struct ParameterError {
    std::string box;
    std::string message;
};

// Checks every value against its range: ag in (0, 2] g, F0 in [1, 5], Tc* in [0.05, 2] s,
// αu/α1 in [1.0, 1.5], q in [1, 10], ξ in (0, 30] %, use class 1 … 4. The first value out of
// range is returned, the message naming its box.
std::optional<ParameterError> checkParameters(const NtcParameters& parameters);
// Rck in [10, 150] N/mm², the range the seismic window accepts.
std::optional<ParameterError> checkConcreteClass(double rck);

// The parameters kept with the project (settingKey::seismic*), or nothing when the project has
// none or a stored value cannot be read.
std::optional<NtcParameters> readNtcParameters(const ProjectSettings& settings);
// Writes every parameter; the optional ones are erased when absent.
void writeNtcParameters(ProjectSettings& settings, const NtcParameters& parameters);

// Names as the windows, the report and the parameter file spell them.
const char* soilName(SoilCategory soil);             // "A"
const char* topographyName(TopographicCategory t);   // "T1"
const char* useClassName(int useClass);              // "II"
const char* ductilityName(DuctilityClass ductility); // "CD\"B\""
const char* structureName(StructuralType structure); // "a telaio"
const char* infillName(InfillKind infill);           // "fragili, collegate rigidamente"

} // namespace orvanta
