#pragma once

// The project file (".orv"): the whole model as comma-separated number text.
//
// Records, in file order, each ending in CR LF unless said otherwise:
//   1  drawMax(0), drawMax(1), drawMax(2)                                   (single)
//   2  nX, nY, nStoreys, nExtra                                            (integer)
//   3  coordX(1..nX+nExtra), coordY(1..nY+nExtra), levelZ(1..nStoreys+1), each followed by a
//      comma, then planScale                                               (double…, single)
//   4  members(k, s, 1..6), one record per storey k and slot s             (double)
//   5  slabs(k, b, 1..7), one record per storey k and bay b                (double)
//   6  beamLoads(k, 1..load slots), one record per storey                  (double)
//   7  massCentre(k, 1..2), one record per storey                          (double)
//   8  gyrationRadius(k), one record per storey                            (double)
//   9  storeyForce(1..nStoreys), each followed by a comma, and no line end (double)
//  10  optionally, the project's settings (project_settings.h), only when there are any
// There is no header: the layout follows from record 2. The reader takes fields one after
// another, split at commas and line ends, and does not care on which line a field stands.
//
// A project saved during its input (input_phase.h) writes as zeros the records of what was not
// entered or computed yet; a grid that does not describe a building yet (fewer than two lines in
// a direction, or no storey) stops after record 3, and is read only when its settings say that
// it was saved in the grid phase.

#include "model.h"
#include "progress.h"

#include <optional>
#include <string>
#include <string_view>

namespace orvanta {

struct ProjectReadResult {
    std::optional<Model> model; // the whole model, when the file was read to the end
    std::string error;          // otherwise the reason, in Italian, for the user
};

// The reason given when memory runs out while a project is read or written.
inline constexpr const char* outOfMemoryReason = "memoria insufficiente";

// The size in bytes of the largest project file the program can write: the largest building
// the editors make, every number at its longest. Larger files are refused before they are read.
long long largestProjectFileBytes();

// Reads a project from its text. Checks the counts before allocating anything. Open and Save
// report their progress as "Lettura del progetto" and "Scrittura del progetto".
ProjectReadResult parseProject(std::string_view text, const ProgressCallback& progress = {});

// Reads a project file. Only a regular file is read (a folder, a FIFO or a device is refused
// with the reason) and only up to largestProjectFileBytes(); running out of memory is reported
// as a reason like any other.
ProjectReadResult readProjectFile(const std::string& path, const ProgressCallback& progress = {});

// The text of a project file.
std::string projectText(const Model& model);

// Writes the project file through a temporary file beside it, renamed over the target only when
// complete, so that a failed or interrupted save leaves the previous file as it was. Returns an
// empty string on success, otherwise the reason, in Italian.
std::string writeProjectFile(const Model& model, const std::string& path,
                             const ProgressCallback& progress = {});

} // namespace orvanta
