#include "input_phase.h"

#include "project_session.h"

namespace orvanta {

bool resumablePhase(std::string_view phase) {
    return phase == phase::grid || phase == phase::geometry || phase == phase::loads;
}

void recordInputPhase(ProjectSettings& settings, std::string_view phase) {
    if (resumablePhase(phase))
        settings.setText(settingKey::inputPhase, std::string(phase));
    else
        settings.erase(settingKey::inputPhase);
}

std::string savedInputPhase(const ProjectSettings& settings) {
    const std::string phase = settings.text(settingKey::inputPhase).value_or(std::string());
    return resumablePhase(phase) ? phase : std::string();
}

} // namespace orvanta
