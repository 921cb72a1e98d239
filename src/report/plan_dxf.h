#pragma once

// The plan of one or more storeys as a DXF drawing for a CAD program, at the building's true
// size: coordinates are model millimetres (x to the right, y upwards, the origin where the grid
// has it), not the screen's twips.
//
// Layers:
//   GRIGLIA   the grid lines between the outermost lines, each with its number, and the extra
//             nodes as crosses
//   PILASTRI  each column or wall as a closed outline of its section centred on its node, base
//             along X and height along Y as in the model; a hollow box also with its hole, walls
//             tx (parallel to X) and ty (parallel to Y) thick: the hole is (b − 2·ty) × (h − 2·tx)
//   TRAVI     each beam as a closed outline of its width (the flange of a T) from node to node
//   SOLAI     each slab as its bay's outline drawn inside the bay, with the span arrow
//   CM        the storey's centre of mass, a circle and a cross, labelled "C.M. n° k"
//   CR        the partial centres of stiffness of the families, as on the centres view: a line
//             across the plan at each X family's abscissa and each Y family's ordinate, labelled
//             "C.P.R. X n° f" / "C.P.R. Y n° f"
//   TESTI     the title of each plan: storey, level, project
// Worked example: a 300 × 500 column at node (5000, 4000) mm is the closed outline (4850, 3750),
// (5150, 3750), (5150, 4250), (4850, 4250); a 300-wide beam along X from x = 0 to 5000 at
// y = 4000 is (0, 3850), (5000, 3850), (5000, 4150), (0, 4150).
//
// Several storeys are drawn side by side along X, left to right, each with its own title.

#include "analysis_results.h"
#include "dxf_writer.h"
#include "model.h"
#include "user_interaction.h"

#include <string>
#include <vector>

namespace orvanta {

namespace planLayer {
inline constexpr const char* grid = "GRIGLIA";
inline constexpr const char* columns = "PILASTRI";
inline constexpr const char* beams = "TRAVI";
inline constexpr const char* slabs = "SOLAI";
inline constexpr const char* massCentre = "CM";
inline constexpr const char* stiffnessCentres = "CR";
inline constexpr const char* texts = "TESTI";
} // namespace planLayer

// The plans of the storeys (1..nStoreys each) of a model whose arrays are complete. `results`
// gives the partial centres of stiffness (computed by computeStiffnessCentres); without it, or
// before the families exist, the CR layer stays empty.
DxfDrawing planDxf(const Model& model, const AnalysisResults* results,
                   const std::vector<int>& storeys, const std::string& projectName);

// The height of the plan's text in mm: a sixtieth of the larger side of the grid, between 100
// and 400 mm. Worked number: a grid 17000 × 14900 mm gives 283 mm.
double planTextHeight(const Model& model);

// Which storeys File > "Esporta pianta DXF..." writes, and how.
enum class PlanStoreys {
    one,           // the storey chosen, in the file named
    eachInItsFile, // every storey in a file of its own: "pianta.dxf" gives "pianta-piano-1.dxf" …
    sideBySide,    // every storey in the file named, side by side
};

struct PlanExport {
    PlanStoreys storeys = PlanStoreys::one;
    int storey = 1; // for PlanStoreys::one
    bool operator==(const PlanExport&) const = default;
};

// The file of one storey when each has its own: the name with "-piano-k" before its extension.
std::string storeyFilePath(const std::string& path, int storey);

// Writes the plans asked for, each file whole or not at all. Returns the files written; on a
// failure stops and tells the user through the asker which file could not be written and why
// ("Esportazione DXF non riuscita"). A storey outside 1..nStoreys or a model without a complete
// grid is told too, and nothing is written.
std::vector<std::string> exportPlanDxf(const Model& model, const AnalysisResults* results,
                                       const PlanExport& request, const std::string& path,
                                       const std::string& projectName, Asker& asker);

} // namespace orvanta
