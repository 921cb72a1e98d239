#pragma once

// A change of a building already entered (grid_edits.h, storey_copy.h) as one edit of the
// document: the changed building replaces the model in one undoable step, named for the
// Modifica menu ("Annulla Inserisci linea X"). Undoing it puts back the building as it was,
// load results and all.

#include "grid_edits.h"
#include "project_document.h"

#include <string>

namespace orvanta {

// The edit that puts the changed building in place of the model. Only for a change that was
// made (edit.done()).
Edit buildingEdit(std::string caption, const StructuralEdit& edit);

} // namespace orvanta
