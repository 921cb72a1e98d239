#pragma once

// Paints a Drawing with Qt: the drawing's extent is scaled uniformly to fit the target area,
// keeping its aspect, and centred in it. Pen widths stay in pixels whatever the scale, as on a
// picture box; text scales with the drawing (a font of 8 points is 160 twips high).

#include "drawing.h"

#include <QImage>
#include <QPointF>
#include <QRectF>

class QPainter;

namespace orvanta {

// Where the drawing's extent lands in a target area: pixel = offset + scale · twips.
struct DrawingViewport {
    double scale = 1; // pixels per twip
    QPointF offset;   // pixel position of the twips origin
    QPointF toPixels(TwipsPoint point) const {
        return {offset.x() + scale * point.x, offset.y() + scale * point.y};
    }
    bool operator==(const DrawingViewport&) const = default;
};

// The largest uniform scale at which the extent fits the area, centred in it. Worked number:
// extent 12000 × 10000 twips in 600 × 300 pixels → scale 0.03, drawn 360 × 300, offset (120, 0).
DrawingViewport fitDrawing(TwipsSize extent, const QRectF& area);

// Fills the area with the drawing's background and paints every primitive in order.
void paintDrawing(QPainter& painter, const Drawing& drawing, const QRectF& area);

// The drawing rendered into an image of the given size.
QImage renderDrawing(const Drawing& drawing, QSize pixels);

} // namespace orvanta
