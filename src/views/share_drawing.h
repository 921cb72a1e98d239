#pragma once

// The plan of a storey with the share of the storey shear that each ritto takes in one case of
// the static analysis (X+, X−, Y+, Y−): the shared plan drawing, and beside every node with a
// ritto at that storey two labels, "→ 16,8%" for its ritto orthogonal to Y (which resists along
// X) above the node and "↑ 2,1%" for its ritto orthogonal to X below it. The share is
// V_r,s/V_s in per cent; its colour goes from green (no share) through yellow to red (the largest
// share of the storey).
//
// Twips, with p the node's plan point: the X label's top-left at (p.x + 180, p.y − 380), the Y
// label's at (p.x + 180, p.y + 60).

#include "analysis_results.h"
#include "drawing.h"
#include "linear_static_analysis.h"
#include "model.h"
#include "number_format.h"

namespace orvanta {

// The colour of a share whose magnitude is `fraction` (0..1) of the storey's largest.
Colour shareColour(double fraction);

// Renews the drawing whole. Without results only the plan is drawn.
void drawRittoShares(Drawing& drawing, const Model& model, const AnalysisResults& results,
                     const LinearStaticResults& ntc, int storey, ActionCase action,
                     const NumberFormat& format);

} // namespace orvanta
