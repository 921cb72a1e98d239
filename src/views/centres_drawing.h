#pragma once

// The drawing of the centres view: the plan of a storey (the shared plan drawing, with the
// numbers of the grid lines) and on it the centres of mass of the storeys shown and the partial
// centres of stiffness of the families shown.
//
// Twips, with s = planScale (twips per mm):
//   C.M. of storey k     a circle of radius 100 filled in red at (500 + s·xG, 9500 − s·yG)
//   C.P.R. of X family f the vertical green line x = 500 + s·xf, pen width 3, from the grid line
//                        along Y number nY to number 1 (y = 9500 − s·coordY(nY) .. 9500 −
//                        s·coordY(1))
//   C.P.R. of Y family f the horizontal green line y = 9500 − s·yf, pen width 3, from the grid line
//                        along X number 1 to number nX
// A family without ritti has no centre and draws nothing. Worked number: s = 0.5, a centre of mass
// at (8000, 6000) mm is the dot at (4500, 6500); an X family centred at x = 5000 mm on a grid from
// y = 0 to 12000 mm is the line x = 3000 from y = 3500 to 9500.

#include "analysis_results.h"
#include "drawing.h"
#include "model.h"

#include <vector>

namespace orvanta {

// The items of cmbDirezioneRitti: which families' centres are drawn.
enum class CentresDirection {
    orthogonalToX, // "Ritti ortogonali ad X": vertical lines of the X families
    orthogonalToY, // "Ritti ortogonali ad Y": horizontal lines of the Y families
    both,          // "Ritti in direz. X ed Y!": family f shows the X line and the Y line of f
};

struct CentresShown {
    int planStorey = 1;
    std::vector<bool> massVisible; // storey k at k − 1
    CentresDirection direction = CentresDirection::orthogonalToX;
    std::vector<bool> stiffnessVisible; // family f at f − 1
};

inline constexpr double massDotRadius = 100; // twips
inline constexpr int stiffnessPenWidth = 3;  // pixels

// The number of families the direction offers: the X or Y count, the smaller of both for both.
int familiesOffered(const AnalysisResults& results, CentresDirection direction);

// Renews the drawing whole: the plan of the storey, then the centres shown.
void drawCentres(Drawing& drawing, const Model& model, const AnalysisResults& results,
                 const CentresShown& shown);

} // namespace orvanta
