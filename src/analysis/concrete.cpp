#include "concrete.h"

#include <cmath>

namespace orvanta {

double characteristicStrength(double rck) {
    return 0.83 * rck;
}

double secantModulus(double rck) {
    return 22000.0 * std::pow((characteristicStrength(rck) + 8.0) / 10.0, 0.3);
}

double designStrength(double rck) {
    return 0.85 * characteristicStrength(rck) / 1.5;
}

double projectConcreteClass(const Model& model) {
    return model.settings.number(settingKey::concreteClass).value_or(defaultConcreteClass);
}

double projectCrackedFactor(const Model& model) {
    return model.settings.number(settingKey::crackedFactor).value_or(defaultCrackedFactor);
}

double projectStiffnessModulus(const Model& model) {
    return secantModulus(projectConcreteClass(model)) * projectCrackedFactor(model);
}

std::string concreteClassName(double rck) {
    struct Named {
        double rck;
        const char* name;
    };
    static constexpr Named classes[] = {{30, "C25/30"}, {35, "C28/35"}, {40, "C32/40"},
                                        {45, "C35/45"}, {50, "C40/50"}, {55, "C45/55"}};
    for (const Named& c : classes) {
        if (rck == c.rck)
            return c.name;
    }
    const double whole = std::round(rck);
    return "Rck " +
           (whole == rck ? std::to_string(static_cast<long long>(whole)) : std::to_string(rck));
}

} // namespace orvanta
