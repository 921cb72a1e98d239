#pragma once

// Drawings out of the windows, as files for a CAD drawing, a report or a presentation:
//   SVG  vector, written by Qt's SVG generator; its size is the drawing's extent at 96 pixels an
//        inch (15 twips a pixel), so that 12000 × 10000 twips is an 800 × 667 pixel page;
//   PNG  pixels at a chosen resolution over the drawing's printed size (the extent in twips,
//        1440 to the inch): at the default 300 dpi 12000 × 10000 twips is 2500 × 2083 pixels.
// Either may be put on white paper for print: the background becomes white, what was drawn in
// white (the column squares of the plans) black, and what was drawn in the old background colour
// (a line hidden by drawing over it) white, so that nothing changes meaning.

#include "drawing.h"

#include <QSize>
#include <QString>

namespace orvanta {

enum class ImageFormat { svg, png };

struct ImageExport {
    ImageFormat format = ImageFormat::png;
    int dotsPerInch = 300; // PNG only
    bool whitePaper = true;
    bool operator==(const ImageExport&) const = default;
};

inline constexpr int defaultExportDpi = 300;
inline constexpr int svgPixelsPerInch = 96;

// The drawing recoloured for white paper, as told above.
Drawing onWhitePaper(const Drawing& drawing);

// The drawing as it is exported: on white paper when asked, and for a PNG with its pen widths,
// which are screen pixels at 96 dpi, multiplied by dpi / 96 rounded (3 at 300 dpi), so that a
// line prints as thick as it shows.
Drawing drawingToExport(const Drawing& drawing, const ImageExport& options);

// The pixels of the drawing's printed size at the resolution: extent / 1440 · dpi, rounded.
QSize printedPixels(TwipsSize extent, int dotsPerInch);

// Writes the drawing to the path. Returns an empty string on success, otherwise the message to
// show: the file and the reason.
QString exportDrawing(const Drawing& drawing, const QString& path, const ImageExport& options);

} // namespace orvanta
