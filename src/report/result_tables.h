#pragma once

// The tables of the result windows as plain values, for the batch tool's CSV files and for the
// windows that show them as they are. Each is named after its window and grid
// ("frmMatrice-mfgKxx"); numbers carry their exact value beside the text shown with `format`.
//
//   frmFamiglieX-mfgRitti, frmFamiglieY-mfgRitti  every ritto's matrix normalised to term (1, 1)
//       = 1000, one row per storey: Ritto, Famiglia, K11/1000 ("Coefficiente"), Riga, then the
//       terms 1..nStoreys (empty beyond the ritto's own storeys)
//   frmMatrice-mfgKxx … mfgKzz  the nine blocks of the global matrix times 100 (Ecls / 100)
//   frmCentri-mfgBaricentri  per storey the centre of mass X, Y in mm
//   frmCentri-mfgCentriRigidezza  per family the partial centre of stiffness of the ritti
//       orthogonal to X (an abscissa) and to Y (an ordinate), with the number of ritti weighed;
//       empty where a direction has fewer families or a family has no ritto with stiffness
//   frmRegolarita-mfgPiani, frmRegolarita-mfgModi  the torsional checks and the modes

#include "analysis_results.h"
#include "model.h"
#include "number_format.h"
#include "seismic_results.h"
#include "table_text.h"

#include <vector>

namespace orvanta {

std::vector<TextTable> familyTables(const Model& model, const AnalysisResults& results,
                                    const NumberFormat& format);
std::vector<TextTable> globalMatrixTables(const Model& model, const AnalysisResults& results,
                                          const NumberFormat& format);
// Needs the centres computed (computeStiffnessCentres).
std::vector<TextTable> centresTables(const Model& model, const AnalysisResults& results,
                                     const NumberFormat& format);
// Nothing for results without regularity; the modes only when they were computed.
std::vector<TextTable> regularityTables(const SeismicResults& seismic, const NumberFormat& format);

// All of the above, in the order of the Analisi menu.
std::vector<TextTable> analysisTables(const Model& model, const AnalysisResults& results,
                                      const SeismicResults* seismic, const NumberFormat& format);

} // namespace orvanta
