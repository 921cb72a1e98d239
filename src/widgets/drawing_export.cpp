#include "drawing_export.h"

#include "atomic_file.h"
#include "drawing_painter.h"
#include "twips.h"

#include <QBuffer>
#include <QByteArray>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>
#include <algorithm>
#include <cmath>

namespace orvanta {

namespace {

Colour paperColour(Colour colour, Colour background) {
    if (colour == colours::white)
        return colours::black;
    if (colour == background)
        return colours::white;
    return colour;
}

// Redraws one primitive into the exported drawing: in paper colours when asked, its pen widths
// multiplied by the factor.
struct Restyle {
    Drawing& out;
    Colour background;
    bool paper;
    int penFactor;

    Colour on(Colour colour) const { return paper ? paperColour(colour, background) : colour; }
    void pen(int width) const { out.setPenWidth(width * penFactor); }
    void operator()(const Line& p) const {
        pen(p.penWidth);
        out.line(p.from, p.to, on(p.colour));
    }
    void operator()(const Box& p) const {
        pen(p.penWidth);
        if (p.filled)
            out.filledBox(p.corner, p.oppositeCorner, on(p.colour));
        else
            out.box(p.corner, p.oppositeCorner, on(p.colour));
    }
    void operator()(const Text& p) const {
        out.setFontSize(p.fontSize);
        out.text(p.topLeft, p.text, on(p.colour));
    }
    void operator()(const Circle& p) const {
        pen(p.penWidth);
        if (p.fill)
            out.filledCircle(p.centre, p.radius, on(p.colour), on(*p.fill));
        else
            out.circle(p.centre, p.radius, on(p.colour));
    }
};

Drawing restyled(const Drawing& drawing, bool paper, int penFactor) {
    Drawing out(drawing.extent(), paper ? colours::white : drawing.background());
    const Restyle restyle{out, drawing.background(), paper, penFactor};
    for (const Primitive& primitive : drawing.primitives())
        std::visit(restyle, primitive);
    out.setPenWidth(drawing.penWidth());
    out.setFontSize(drawing.fontSize());
    return out;
}

QByteArray svgBytes(const Drawing& drawing) {
    const QSize size = printedPixels(drawing.extent(), svgPixelsPerInch);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setResolution(svgPixelsPerInch);
    svg.setTitle(QStringLiteral("Orvanta"));
    {
        QPainter painter(&svg);
        paintDrawing(painter, drawing, QRectF(QPointF(0, 0), QSizeF(size)));
    }
    return bytes;
}

QByteArray pngBytes(const Drawing& drawing, int dotsPerInch) {
    QImage image = renderDrawing(drawing, printedPixels(drawing.extent(), dotsPerInch));
    // The resolution travels with the file, so that it prints at the drawing's size.
    const int dotsPerMetre = static_cast<int>(std::lround(dotsPerInch / 0.0254));
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

} // namespace

Drawing onWhitePaper(const Drawing& drawing) {
    return restyled(drawing, true, 1);
}

Drawing drawingToExport(const Drawing& drawing, const ImageExport& options) {
    const int penFactor = options.format == ImageFormat::png
                              ? std::max(1, static_cast<int>(std::lround(options.dotsPerInch /
                                                                         double(svgPixelsPerInch))))
                              : 1;
    return restyled(drawing, options.whitePaper, penFactor);
}

QSize printedPixels(TwipsSize extent, int dotsPerInch) {
    const double scale = dotsPerInch / twipsPerInch;
    return {std::max(1, static_cast<int>(std::lround(extent.width * scale))),
            std::max(1, static_cast<int>(std::lround(extent.height * scale)))};
}

QString exportDrawing(const Drawing& drawing, const QString& path, const ImageExport& options) {
    const Drawing shown = drawingToExport(drawing, options);
    const QByteArray bytes =
        options.format == ImageFormat::svg ? svgBytes(shown) : pngBytes(shown, options.dotsPerInch);
    const std::string reason =
        bytes.isEmpty()
            ? std::string("l'immagine non è stata prodotta")
            : writeFileAtomically(path.toStdString(),
                                  {bytes.constData(), static_cast<std::size_t>(bytes.size())});
    if (reason.empty())
        return {};
    return QStringLiteral("Impossibile scrivere il file %1:\n%2")
        .arg(QDir::toNativeSeparators(path), QString::fromStdString(reason));
}

} // namespace orvanta
