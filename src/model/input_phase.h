#pragma once

// A project saved before its input is over: in the grid, geometry or loads phase. Its file holds
// what was entered so far (load results as zeros where none were computed yet) and the phase in
// its settings section ("input.fase"), so that reopening it resumes in the editor of that phase.
// From the sections phase on the key is gone: a project whose input is over is written as it
// always was.
//
// A grid being entered keeps its number of levels in the settings too ("input.livelli"): while
// fewer than two levels exist the storey count is 0 for none and for one level alike.

#include "project_settings.h"

#include <string>
#include <string_view>

namespace orvanta {

// Whether the phase is one of the three whose editor resumes from a file: "Griglia",
// "Geometria", "Carichi".
bool resumablePhase(std::string_view phase);

// Records the phase a project is saved in: the key for a resumable phase, none otherwise.
void recordInputPhase(ProjectSettings& settings, std::string_view phase);

// The resumable phase the settings record, or an empty text (also for an unknown value).
std::string savedInputPhase(const ProjectSettings& settings);

} // namespace orvanta
