#pragma once

// The pictures of the start-up screen, the splash window and the about box, drawn in code.

#include "drawing.h"

namespace orvanta {

// A four-storey, three-bay concrete frame in elevation swaying under a triangular distribution
// of storey forces, its deformed axis over the undeformed one. Extent 7200 × 6000 twips.
Drawing startupPicture();

// The program's mark: a portal frame with a centre of stiffness beside a centre of mass.
// Extent 1440 × 1440 twips.
Drawing logoPicture();

} // namespace orvanta
