#pragma once

// Typed access to the element and slab records of the model.
//
// The model keeps its records as the project file stores them: six doubles per element slot of
// members (presence flag, shape code, base, height, two thicknesses) and seven per bay of slabs.
// Editors, the engine and the tools read and write them through the types below, so that a
// presence is a bool, a shape an enum and every dimension has its name; the storage, and with
// it the byte-exact project file, stays as it is.
//
// Reading follows the engine's rules: an element exists exactly when its flag is 1; shape code 0
// is the rectangle and any other code the second shape (hollow box for a column, T for a beam); a
// slab spans along Y exactly when its direction is 2. The model check reports the codes that are
// none of these values.
//
// Worked example: a 300 × 500 column at grid node 4 of storey 2 is
//     setColumn(model, 2, 4, {ColumnShape::rectangle, 300, 500});
// which writes members(2, 4, 1..6) = 1, 0, 300, 500, 0, 0.

#include "model.h"

namespace orvanta {

// Shape codes as stored in members(·, ·, 2): the index of the shape in the editor's list.
enum class ColumnShape { rectangle = 0, box = 1 };
enum class BeamShape { rectangle = 0, tee = 1 };
// Span direction of a slab as stored in slabs(·, ·, 2).
enum class SlabSpan { alongX = 1, alongY = 2 };

// Cross-section of a column or wall, millimetres. The base is the side along X, the height the
// side along Y; a box has walls of thickness wallsAlongX (the walls parallel to X) and
// wallsAlongY.
struct ColumnSection {
    ColumnShape shape = ColumnShape::rectangle;
    double base = 0;
    double height = 0;
    double wallsAlongX = 0;
    double wallsAlongY = 0;
    bool operator==(const ColumnSection&) const = default;
};

// Cross-section of a beam, millimetres: overall width (the flange of a T) and depth, and for a T
// the flange thickness and the web width.
struct BeamSection {
    BeamShape shape = BeamShape::rectangle;
    double base = 0;
    double height = 0;
    double flange = 0;
    double web = 0;
    bool operator==(const BeamSection&) const = default;
};

// A floor slab on one bay: loads in N/mm², the share of the variable load as a fraction, the
// bay's sides in millimetres.
struct Slab {
    bool present = false;
    SlabSpan span = SlabSpan::alongX;
    double permanent = 0;
    double variable = 0;
    double share = 0;
    double sideX = 0;
    double sideY = 0;
    bool operator==(const Slab&) const = default;
};

// Whether the element of a slot exists in a storey.
bool isPresent(const Model& model, int storey, int slot);
// Sets or clears the presence flag of a slot, leaving its section as it is.
void setPresent(Model& model, int storey, int slot, bool present);

ColumnSection columnSection(const Model& model, int storey, int slot);
BeamSection beamSection(const Model& model, int storey, int slot);
// Write the section of a slot (fields 2..6), leaving the presence flag as it is.
void setColumnSection(Model& model, int storey, int slot, const ColumnSection& section);
void setBeamSection(Model& model, int storey, int slot, const BeamSection& section);
// Places an element: presence flag and section.
void placeColumn(Model& model, int storey, int slot, const ColumnSection& section);
void placeBeam(Model& model, int storey, int slot, const BeamSection& section);

Slab slabAt(const Model& model, int storey, int bay);
// Writes the whole record of a bay.
void setSlab(Model& model, int storey, int bay, const Slab& slab);
// Sets or clears the presence flag of a bay, leaving the rest of its record as it is.
void setSlabPresent(Model& model, int storey, int bay, bool present);

} // namespace orvanta
