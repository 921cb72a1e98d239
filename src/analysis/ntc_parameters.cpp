#include "ntc_parameters.h"

#include "number_format.h"

#include <cmath>
#include <span>
#include <string_view>

namespace orvanta {

namespace {

// The code each choice is stored under in the project's settings.
constexpr std::array<const char*, 5> soilCodes = {"A", "B", "C", "D", "E"};
constexpr std::array<const char*, 4> topographyCodes = {"T1", "T2", "T3", "T4"};
constexpr std::array<const char*, 2> ductilityCodes = {"A", "B"};
constexpr std::array<const char*, 3> structureCodes = {"telaio", "pareti", "mista"};
constexpr std::array<const char*, 3> infillCodes = {"fragili", "duttili", "nessuna"};
constexpr std::array<const char*, 3> limitKeys = {"slo.", "sld.", "slv."};

std::string hazardKey(LimitState state, const char* name) {
    return std::string(settingKey::seismicPrefix) + limitKeys[limitIndex(state)] + name;
}

// The index of a stored code among the codes, or nothing.
template <std::size_t N>
std::optional<int> codeIndex(const std::optional<std::string>& text,
                             const std::array<const char*, N>& codes) {
    if (!text)
        return std::nullopt;
    for (std::size_t i = 0; i < N; ++i) {
        if (*text == codes[i])
            return static_cast<int>(i);
    }
    return std::nullopt;
}

// "0,05" in the messages: Italian decimals, no trailing zeros.
std::string shown(double value) {
    std::string text = formatNumber(value, 3);
    if (text.find(',') != std::string::npos) {
        while (text.back() == '0')
            text.pop_back();
        if (text.back() == ',')
            text.pop_back();
    }
    return text;
}

std::optional<ParameterError> outOfRange(const std::string& box, double value, double lowest,
                                         double highest, bool lowestExcluded, const char* unit) {
    const bool below = lowestExcluded ? !(value > lowest) : !(value >= lowest);
    if (!below && value <= highest && std::isfinite(value))
        return std::nullopt;
    const std::string from = lowestExcluded ? "maggiore di " + shown(lowest) + " e non oltre "
                                            : "compreso tra " + shown(lowest) + " e ";
    return ParameterError{box, "Il valore di " + box + " deve essere " + from + shown(highest) +
                                   unit + "."};
}

} // namespace

const char* limitStateName(LimitState state) {
    static constexpr const char* names[] = {"SLO", "SLD", "SLV"};
    return names[limitIndex(state)];
}

std::optional<ParameterError> checkParameters(const NtcParameters& p) {
    for (const LimitState state : allLimitStates) {
        const SiteHazard& h = p.at(state);
        const std::string of = std::string(" (") + limitStateName(state) + ")";
        if (auto e = outOfRange("ag" + of, h.ag, 0, 2, true, " g"))
            return e;
        if (auto e = outOfRange("F0" + of, h.f0, 1, 5, false, ""))
            return e;
        if (auto e = outOfRange("Tc*" + of, h.tcStar, 0.05, 2, false, " s"))
            return e;
    }
    if (p.useClass < 1 || p.useClass > 4)
        return ParameterError{"classe d'uso", "La classe d'uso deve essere I, II, III o IV."};
    if (p.alphaU) {
        if (auto e = outOfRange("αu/α1", *p.alphaU, 1.0, 1.5, false, ""))
            return e;
    }
    if (p.behaviourFactor) {
        if (auto e = outOfRange("q", *p.behaviourFactor, 1, 10, false, ""))
            return e;
    }
    return outOfRange("ξ", p.dampingPercent, 0, 30, true, " %");
}

std::optional<ParameterError> checkConcreteClass(double rck) {
    return outOfRange("Rck", rck, 10, 150, false, " N/mm²");
}

std::optional<NtcParameters> readNtcParameters(const ProjectSettings& s) {
    const auto key = [](const char* name) { return std::string(name); };
    if (!s.number(hazardKey(LimitState::SLV, settingKey::seismicAg)))
        return std::nullopt;
    NtcParameters p;
    for (const LimitState state : allLimitStates) {
        const std::optional<double> ag = s.number(hazardKey(state, settingKey::seismicAg));
        const std::optional<double> f0 = s.number(hazardKey(state, settingKey::seismicF0));
        const std::optional<double> tc = s.number(hazardKey(state, settingKey::seismicTcStar));
        if (!ag || !f0 || !tc)
            return std::nullopt;
        p.at(state) = {*ag, *f0, *tc};
    }
    const std::optional<int> soil = codeIndex(s.text(key(settingKey::seismicSoil)), soilCodes);
    const std::optional<int> topography =
        codeIndex(s.text(key(settingKey::seismicTopography)), topographyCodes);
    const std::optional<int> ductility =
        codeIndex(s.text(key(settingKey::seismicDuctility)), ductilityCodes);
    const std::optional<int> structure =
        codeIndex(s.text(key(settingKey::seismicStructure)), structureCodes);
    const std::optional<int> infill =
        codeIndex(s.text(key(settingKey::seismicInfill)), infillCodes);
    const std::optional<double> useClass = s.number(settingKey::seismicUseClass);
    if (!soil || !topography || !ductility || !structure || !infill || !useClass)
        return std::nullopt;
    p.soil = static_cast<SoilCategory>(*soil);
    p.topography = static_cast<TopographicCategory>(*topography);
    p.ductility = static_cast<DuctilityClass>(*ductility);
    p.structure = static_cast<StructuralType>(*structure);
    p.infill = static_cast<InfillKind>(*infill);
    p.useClass = static_cast<int>(*useClass);
    p.alphaU = s.number(settingKey::seismicAlphaU);
    if (const std::optional<double> regular = s.number(settingKey::seismicRegularInElevation))
        p.regularInElevation = *regular != 0;
    p.dampingPercent = s.number(settingKey::seismicDamping).value_or(5);
    p.behaviourFactor = s.number(settingKey::seismicBehaviourFactor);
    return p;
}

void writeNtcParameters(ProjectSettings& s, const NtcParameters& p) {
    for (const LimitState state : allLimitStates) {
        s.setNumber(hazardKey(state, settingKey::seismicAg), p.at(state).ag);
        s.setNumber(hazardKey(state, settingKey::seismicF0), p.at(state).f0);
        s.setNumber(hazardKey(state, settingKey::seismicTcStar), p.at(state).tcStar);
    }
    s.setText(settingKey::seismicSoil, soilCodes[static_cast<std::size_t>(p.soil)]);
    s.setText(settingKey::seismicTopography,
              topographyCodes[static_cast<std::size_t>(p.topography)]);
    s.setNumber(settingKey::seismicUseClass, p.useClass);
    s.setText(settingKey::seismicDuctility, ductilityCodes[static_cast<std::size_t>(p.ductility)]);
    s.setText(settingKey::seismicStructure, structureCodes[static_cast<std::size_t>(p.structure)]);
    s.setText(settingKey::seismicInfill, infillCodes[static_cast<std::size_t>(p.infill)]);
    s.setNumber(settingKey::seismicDamping, p.dampingPercent);
    const auto optionalNumber = [&s](const char* key, std::optional<double> value) {
        if (value)
            s.setNumber(key, *value);
        else
            s.erase(key);
    };
    optionalNumber(settingKey::seismicAlphaU, p.alphaU);
    optionalNumber(settingKey::seismicBehaviourFactor, p.behaviourFactor);
    optionalNumber(settingKey::seismicRegularInElevation,
                   p.regularInElevation ? std::optional<double>(*p.regularInElevation ? 1 : 0)
                                        : std::nullopt);
}

const char* soilName(SoilCategory soil) {
    return soilCodes[static_cast<std::size_t>(soil)];
}

const char* topographyName(TopographicCategory t) {
    return topographyCodes[static_cast<std::size_t>(t)];
}

const char* useClassName(int useClass) {
    static constexpr const char* names[] = {"I", "II", "III", "IV"};
    return useClass >= 1 && useClass <= 4 ? names[useClass - 1] : "?";
}

const char* ductilityName(DuctilityClass ductility) {
    return ductility == DuctilityClass::A ? "CD\"A\"" : "CD\"B\"";
}

const char* structureName(StructuralType structure) {
    static constexpr const char* names[] = {"a telaio", "a pareti non accoppiate",
                                            "mista o a pareti accoppiate"};
    return names[static_cast<std::size_t>(structure)];
}

const char* infillName(InfillKind infill) {
    static constexpr const char* names[] = {"fragili, collegate rigidamente", "duttili",
                                            "non interferenti con la struttura"};
    return names[static_cast<std::size_t>(infill)];
}

} // namespace orvanta
