#pragma once

// The project's own settings: values that travel with the building but are no part of its
// records (the concrete class, the seismic parameters, the report's fields, the input phase a
// project was saved in). They are kept as text under ASCII keys and written after the last
// record of the project file, in a section that readers without settings never reach:
//
//   CR LF
//   [Impostazioni Orvanta] CR LF
//   versione=1 CR LF
//   calcestruzzo.rck=30 CR LF           one "key=value" line per setting, keys in sorted order
//
// A project without settings has no section, so its file is byte for byte what it was before
// settings existed. Keys this version does not know are kept as read and written again, so a
// project passed through an older build loses nothing. Numbers are written with a decimal point
// whatever the locale, in the shortest text that reads back to the same double.
//
// Values may hold any UTF-8 text: a backslash is written "\\", a carriage return "\r" and a line
// feed "\n", so that every value stays on its line.

#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace orvanta {

// Keys of the settings, in one place. A key is ASCII letters, digits, '.', '_' and '-'.
namespace settingKey {
inline constexpr const char* concreteClass = "calcestruzzo.rck";          // Rck, N/mm²
inline constexpr const char* crackedFactor = "calcestruzzo.fessurazione"; // 0.5 … 1.0
inline constexpr const char* unitWeight = "calcestruzzo.peso";            // γ, kN/m³
// A beam's line load (infills, cladding) in kN/m: this prefix, then "storey.slot".
inline constexpr const char* beamLineLoadPrefix = "carico_trave.";
// The seismic action of the site and the building (ntc_parameters.h). The three limit states'
// ag, F0 and Tc* sit under "sisma.slo.", "sisma.sld." and "sisma.slv."; the keys below end the
// name. A project without "sisma.slv.ag" has no seismic parameters.
inline constexpr const char* seismicPrefix = "sisma.";
inline constexpr const char* seismicAg = "ag";                       // g
inline constexpr const char* seismicF0 = "f0";                       // amplification
inline constexpr const char* seismicTcStar = "tc";                   // Tc*, s
inline constexpr const char* seismicSoil = "sisma.suolo";            // "A" … "E"
inline constexpr const char* seismicTopography = "sisma.topografia"; // "T1" … "T4"
inline constexpr const char* seismicUseClass = "sisma.classe_uso";   // 1 … 4
inline constexpr const char* seismicDuctility = "sisma.duttilita";   // "A" or "B"
inline constexpr const char* seismicStructure = "sisma.tipologia";   // "telaio", "pareti", "mista"
inline constexpr const char* seismicAlphaU = "sisma.alfa_u";         // αu/α1 typed by the user
inline constexpr const char* seismicRegularInElevation = "sisma.regolare_altezza"; // 1 or 0
inline constexpr const char* seismicInfill = "sisma.tamponature"; // "fragili", "duttili", "nessuna"
inline constexpr const char* seismicDamping = "sisma.smorzamento"; // ξ, per cent
inline constexpr const char* seismicBehaviourFactor = "sisma.q";   // q typed by the user
inline constexpr const char* inputPhase = "input.fase";    // "Griglia", "Geometria", "Carichi"
inline constexpr const char* gridLevels = "input.livelli"; // levels of a grid being entered
} // namespace settingKey

class ProjectSettings {
public:
    // The version written by this build; a file with a later version is still read, key by key.
    static constexpr int currentVersion = 1;

    bool empty() const { return values_.empty(); }

    std::optional<std::string> text(std::string_view key) const;
    // The setting read as a finite number; nothing when it is absent or no number.
    std::optional<double> number(std::string_view key) const;

    // Sets a value; a key that is not made of the allowed characters is ignored (and reported
    // by the return value), so that a mistyped key can never break the file.
    bool setText(std::string_view key, std::string value);
    bool setNumber(std::string_view key, double value);
    void erase(std::string_view key);

    const std::map<std::string, std::string, std::less<>>& values() const { return values_; }

    bool operator==(const ProjectSettings&) const = default;

private:
    std::map<std::string, std::string, std::less<>> values_;
};

bool isSettingKey(std::string_view key);

// The section as written after the last record: empty for empty settings.
std::string settingsSectionText(const ProjectSettings& settings);

// Reads the settings from what follows the last record of a project file. Text that is blank,
// or that does not begin with the section's title, gives empty settings (today's reader ignores
// such text too). Within the section, a line without "=" or with a key outside the allowed
// characters is skipped; "versione" is not kept as a setting.
ProjectSettings parseSettingsSection(std::string_view rest);

} // namespace orvanta
