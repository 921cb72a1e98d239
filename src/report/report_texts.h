#pragma once

// The fixed Italian texts of the calculation report, one string per printed line: each ends
// where its line ends on the page (13-point Times within the 17.5 cm from x = 2 to 19.5).

#include <array>
#include <string_view>

namespace orvanta::report::texts {

inline constexpr std::string_view reportTitle = "Orvanta";
inline constexpr std::string_view documentTitle = "Relazione di Calcolo";

// Page 1.
inline constexpr std::string_view generalHeading = "1. Generalità";
extern const std::array<std::string_view, 21> generalLines;
extern const std::array<std::string_view, 2> preliminaryUse;
extern const std::array<std::string_view, 3> ductilityAim;

// Page 2.
inline constexpr std::string_view geometryHeading = "2. Geometria della Struttura";

// Page 3.
inline constexpr std::string_view globalMatrixHeading = "3. Matrice di Rigidezza Rototraslazionale";

// Page 4.
inline constexpr std::string_view familyMatricesHeading =
    "4. Matrici di Rigidezza Traslazionale delle Famiglie";
extern const std::array<std::string_view, 13> familyMatricesLines;

// Page 5.
inline constexpr std::string_view classificationHeading =
    "5. Classificazione in Famiglie dei Ritti Strutturali";
extern const std::array<std::string_view, 9> classificationLines;

// Page 6.
inline constexpr std::string_view massCentresHeading = "6. Centri di Massa dell'Edificio";
extern const std::array<std::string_view, 4> massCentresLines;
inline constexpr std::string_view stiffnessCentresHeading = "7. Centri Parziali di Rigidezza";
extern const std::array<std::string_view, 11> stiffnessCentresLines;

// The torsional regularity page.
inline constexpr std::string_view seismicHeading = "8. Regolarità Torsionale e Modi di Vibrare";
extern const std::array<std::string_view, 8> seismicLines;

} // namespace orvanta::report::texts
