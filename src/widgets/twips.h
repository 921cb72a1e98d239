#pragma once

// Twips and screen pixels. A twip is 1/1440 inch; the screen's logical resolution says how many
// pixels make an inch. Worked numbers at 96 dpi: 15 twips per pixel, so 1000 twips → 66.7 →
// 67 pixels, and 67 pixels → 1005 twips.

#include <cmath>

namespace orvanta {

inline constexpr double twipsPerInch = 1440;
inline constexpr double twipsPerPoint = 20;

// pixels = twips · dpi / 1440, rounded to the nearest pixel.
inline int twipsToPixels(double twips, double dotsPerInch) {
    return static_cast<int>(std::lround(twips * dotsPerInch / twipsPerInch));
}

// twips = pixels · 1440 / dpi.
inline double pixelsToTwips(double pixels, double dotsPerInch) {
    return pixels * twipsPerInch / dotsPerInch;
}

} // namespace orvanta
