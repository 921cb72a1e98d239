#include "ntc_parameter_file.h"

#include "json_reader.h"

#include <array>
#include <cmath>

namespace orvanta::cli {

namespace {

// The key of the file that holds the window's box, for the messages of checkParameters.
std::string keyOfBox(const std::string& box) {
    for (const LimitState state : allLimitStates) {
        const std::string of = std::string(" (") + limitStateName(state) + ")";
        const std::string prefix = std::string(limitStateName(state)) + ".";
        if (box == "ag" + of)
            return prefix + "ag";
        if (box == "F0" + of)
            return prefix + "F0";
        if (box == "Tc*" + of)
            return prefix + "Tc";
    }
    if (box == "αu/α1")
        return "alphaU";
    if (box == "ξ")
        return "damping";
    if (box == "classe d'uso")
        return "useClass";
    return box;
}

class Reader {
public:
    explicit Reader(std::string& error) : error_(error) {}

    bool fail(const std::string& key, const std::string& reason) {
        error_ = key + ": " + reason;
        return false;
    }

    bool number(const std::string& key, const JsonValue& v, double& out) {
        if (!v.number())
            return fail(key, "atteso un numero");
        out = *v.number();
        return true;
    }

    template <std::size_t N>
    bool choice(const std::string& key, const JsonValue& v, const std::array<const char*, N>& names,
                int& out) {
        if (v.text()) {
            for (std::size_t i = 0; i < N; ++i) {
                if (*v.text() == names[i]) {
                    out = static_cast<int>(i);
                    return true;
                }
            }
        }
        std::string list;
        for (std::size_t i = 0; i < N; ++i)
            list += (i ? ", \"" : "\"") + std::string(names[i]) + "\"";
        return fail(key, "atteso uno tra " + list);
    }

    bool hazard(const std::string& state, const JsonValue& v, SiteHazard& out) {
        if (!v.object())
            return fail(state, "atteso un oggetto {\"ag\", \"F0\", \"Tc\"}");
        bool ag = false, f0 = false, tc = false;
        for (const auto& [name, member] : *v.object()) {
            const std::string key = state + "." + name;
            double* target = name == "ag"   ? &out.ag
                             : name == "F0" ? &out.f0
                             : name == "Tc" ? &out.tcStar
                                            : nullptr;
            if (!target)
                return fail(key, "chiave sconosciuta");
            if (!number(key, member, *target))
                return false;
            (name == "ag" ? ag : name == "F0" ? f0 : tc) = true;
        }
        if (!ag)
            return fail(state + ".ag", "chiave mancante");
        if (!f0)
            return fail(state + ".F0", "chiave mancante");
        return tc || fail(state + ".Tc", "chiave mancante");
    }

private:
    std::string& error_;
};

constexpr std::array<const char*, 5> soils = {"A", "B", "C", "D", "E"};
constexpr std::array<const char*, 4> topographies = {"T1", "T2", "T3", "T4"};
constexpr std::array<const char*, 2> ductilities = {"A", "B"};
constexpr std::array<const char*, 3> structures = {"frame", "walls", "mixed"};
constexpr std::array<const char*, 3> infills = {"fragile", "ductile", "independent"};
constexpr std::array<const char*, 9> requiredKeys = {
    "SLO", "SLD", "SLV", "soil", "topography", "useClass", "ductility", "structure", "infill"};

} // namespace

std::optional<NtcRun> readNtcParameterFile(std::string_view text, std::string& error) {
    std::string syntax;
    const std::optional<JsonValue> document = parseJson(text, &syntax);
    if (!document) {
        error = "file dei parametri non valido, " + syntax;
        return std::nullopt;
    }
    if (!document->object()) {
        error = "il file dei parametri deve contenere un oggetto JSON";
        return std::nullopt;
    }
    Reader read(error);
    NtcRun run;
    NtcParameters& p = run.parameters;
    std::array<bool, requiredKeys.size()> seen{};
    for (const auto& [key, v] : *document->object()) {
        for (std::size_t i = 0; i < requiredKeys.size(); ++i)
            seen[i] = seen[i] || key == requiredKeys[i];
        int index = 0;
        double value = 0;
        bool ok = true;
        if (key == "SLO" || key == "SLD" || key == "SLV") {
            const LimitState state = key == "SLO"   ? LimitState::SLO
                                     : key == "SLD" ? LimitState::SLD
                                                    : LimitState::SLV;
            ok = read.hazard(key, v, p.at(state));
        } else if (key == "soil") {
            ok = read.choice(key, v, soils, index);
            p.soil = static_cast<SoilCategory>(index);
        } else if (key == "topography") {
            ok = read.choice(key, v, topographies, index);
            p.topography = static_cast<TopographicCategory>(index);
        } else if (key == "ductility") {
            ok = read.choice(key, v, ductilities, index);
            p.ductility = static_cast<DuctilityClass>(index);
        } else if (key == "structure") {
            ok = read.choice(key, v, structures, index);
            p.structure = static_cast<StructuralType>(index);
        } else if (key == "infill") {
            ok = read.choice(key, v, infills, index);
            p.infill = static_cast<InfillKind>(index);
        } else if (key == "useClass") {
            ok = read.number(key, v, value);
            if (ok && (value != std::floor(value) || value < 1 || value > 4))
                ok = read.fail(key, "attesa la classe d'uso 1, 2, 3 o 4");
            p.useClass = ok ? static_cast<int>(value) : 0;
        } else if (key == "alphaU") {
            ok = read.number(key, v, value);
            p.alphaU = value;
        } else if (key == "q") {
            ok = read.number(key, v, value);
            p.behaviourFactor = value;
        } else if (key == "damping") {
            ok = read.number(key, v, p.dampingPercent);
        } else if (key == "regularInElevation") {
            ok = v.boolean() || read.fail(key, "atteso true o false");
            if (ok)
                p.regularInElevation = *v.boolean();
        } else if (key == "concreteClass") {
            ok = read.number(key, v, value);
            if (ok) {
                if (const std::optional<ParameterError> e = checkConcreteClass(value))
                    ok = read.fail(key, e->message);
            }
            run.concreteClass = value;
        } else {
            ok = read.fail(key, "chiave sconosciuta");
        }
        if (!ok)
            return std::nullopt;
    }
    for (std::size_t i = 0; i < requiredKeys.size(); ++i) {
        if (!seen[i]) {
            read.fail(requiredKeys[i], "chiave mancante");
            return std::nullopt;
        }
    }
    if (const std::optional<ParameterError> e = checkParameters(p)) {
        read.fail(keyOfBox(e->box), e->message);
        return std::nullopt;
    }
    return run;
}

} // namespace orvanta::cli
