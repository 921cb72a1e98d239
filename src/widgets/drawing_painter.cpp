#include "drawing_painter.h"

#include "twips.h"

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPen>
#include <algorithm>

namespace orvanta {

namespace {

QColor toQColor(Colour colour) {
    return {colour.red, colour.green, colour.blue};
}

QPointF toQPoint(TwipsPoint point) {
    return {point.x, point.y};
}

// Pens are cosmetic: their width is in pixels however the drawing is scaled.
QPen cosmeticPen(Colour colour, int width) {
    QPen pen(toQColor(colour));
    pen.setWidth(width);
    pen.setCosmetic(true);
    pen.setCapStyle(Qt::FlatCap);
    return pen;
}

// Painter state is in twips here: the viewport transform is set by paintDrawing.
struct PrimitivePainter {
    QPainter& painter;

    void operator()(const Line& line) const {
        painter.setPen(cosmeticPen(line.colour, line.penWidth));
        painter.drawLine(toQPoint(line.from), toQPoint(line.to));
    }

    void operator()(const Circle& circle) const {
        painter.setPen(cosmeticPen(circle.colour, circle.penWidth));
        painter.setBrush(circle.fill ? QBrush(toQColor(*circle.fill)) : QBrush(Qt::NoBrush));
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.drawEllipse(toQPoint(circle.centre), circle.radius, circle.radius);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setBrush(Qt::NoBrush);
    }

    void operator()(const Box& box) const {
        const QRectF rect = QRectF(toQPoint(box.corner), toQPoint(box.oppositeCorner)).normalized();
        if (box.filled) {
            painter.fillRect(rect, toQColor(box.colour));
            return;
        }
        painter.setPen(cosmeticPen(box.colour, box.penWidth));
        painter.drawRect(rect);
    }

    void operator()(const Text& text) const {
        QFont font = painter.font();
        font.setPixelSize(std::max(1, static_cast<int>(text.fontSize * twipsPerPoint)));
        painter.setFont(font);
        painter.setPen(toQColor(text.colour));
        const double ascent = QFontMetricsF(font).ascent();
        painter.drawText(QPointF(text.topLeft.x, text.topLeft.y + ascent),
                         QString::fromStdString(text.text));
    }
};

} // namespace

DrawingViewport fitDrawing(TwipsSize extent, const QRectF& area) {
    if (extent.width <= 0 || extent.height <= 0 || area.isEmpty())
        return {1, area.topLeft()};
    const double scale = std::min(area.width() / extent.width, area.height() / extent.height);
    const QPointF offset(area.left() + (area.width() - scale * extent.width) / 2,
                         area.top() + (area.height() - scale * extent.height) / 2);
    return {scale, offset};
}

void paintDrawing(QPainter& painter, const Drawing& drawing, const QRectF& area) {
    painter.save();
    painter.fillRect(area, toQColor(drawing.background()));
    const DrawingViewport viewport = fitDrawing(drawing.extent(), area);
    // Lines and boxes stay crisp, as on a drawing board; circles and text are smoothed.
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setClipRect(area);
    painter.translate(viewport.offset);
    painter.scale(viewport.scale, viewport.scale);
    const PrimitivePainter paintOne{painter};
    for (const Primitive& primitive : drawing.primitives())
        std::visit(paintOne, primitive);
    painter.restore();
}

QImage renderDrawing(const Drawing& drawing, QSize pixels) {
    QImage image(pixels, QImage::Format_RGB32);
    image.fill(toQColor(drawing.background()));
    QPainter painter(&image);
    paintDrawing(painter, drawing, QRectF(QPointF(0, 0), QSizeF(pixels)));
    return image;
}

} // namespace orvanta
