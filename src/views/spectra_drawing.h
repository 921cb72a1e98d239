#pragma once

// The response spectra of the static analysis window: Se at SLO, SLD and SLV and Sd at SLV, with
// the periods T1 of both directions marked, on white paper.
//
// Twips: the axes' origin at (1100, 5800); the period axis runs 10 000 twips from 0 to Tmax (4 s,
// or 1.2·T1 when a T1 is longer), the ordinate axis 5000 twips from 0 to 1.15 times the highest
// plateau. Worked number: with Tmax = 4 s and a plateau of 0.5 g (so 0.575 g at the top), the
// point T = 1 s, S = 0.25 g is drawn at (1100 + 2500, 5800 − 2173.9).

#include "drawing.h"
#include "linear_static_analysis.h"
#include "number_format.h"

namespace orvanta {

inline constexpr TwipsSize spectraExtent{12000, 6800};

// Colours of the four curves: SLO, SLD, SLV elastic, SLV design.
inline constexpr Colour sloColour = Colour::rgb(0, 150, 0);
inline constexpr Colour sldColour = Colour::rgb(0, 90, 220);
inline constexpr Colour slvColour = Colour::rgb(220, 0, 0);
inline constexpr Colour designColour = Colour::rgb(140, 0, 140);

// Renews the drawing whole; without results it stays empty.
void drawSpectra(Drawing& drawing, const LinearStaticResults& results, const NumberFormat& format);

} // namespace orvanta
