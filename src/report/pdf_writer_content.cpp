// PdfWriter: what goes into content streams — text, graphics state, paths and placements.

#include "bezier_arc.h"
#include "pdf_number.h"
#include "pdf_text.h"
#include "pdf_writer.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace orvanta {

namespace {

using pdf::number;

// Width of Windows-1252 text in points as a reader lays it out: each glyph advances by its
// width × size / 1000 plus the character spacing, each blank also by the word spacing, and the
// whole is scaled horizontally.
double textWidth(std::string_view bytes, const FontMetrics& metrics, double fontSize,
                 double charSpacing, double wordSpacing, double horizontalScaling) {
    double width = 0;
    for (const char c : bytes) {
        const auto code = static_cast<unsigned char>(c);
        width += metrics.width(code) * fontSize / 1000.0 + charSpacing;
        if (code == ' ')
            width += wordSpacing;
    }
    return width * horizontalScaling / 100.0;
}

} // namespace

// --- Content streams -----------------------------------------------------------------------

bool PdfWriter::contentOpen(const char* operation) {
    if (stream_ != Stream::None)
        return true;
    fail(std::string("Disegno fuori da una pagina (") + operation + "): non scritto nel file PDF.");
    return false;
}

void PdfWriter::content(std::string_view line) {
    writeLine(line);
}

void PdfWriter::strokePendingPath() {
    if (pathOpen_) {
        content("S");
        pathOpen_ = false;
    }
}

// A line or curve continues from the pen; after a painted path it starts there anew.
void PdfWriter::ensureCurrentPoint() {
    if (!pathOpen_) {
        content(number(penX_, pdf::coordinateDecimals) + " " +
                number(penY_, pdf::coordinateDecimals) + " m");
        pathOpen_ = true;
    }
}

void PdfWriter::paintPath(int style, bool closedFigure) {
    if (style & paint::fill) {
        content("f");
        pathOpen_ = false;
        return;
    }
    if ((style & paint::close) && !closedFigure)
        content("h");
    if (style & paint::stroke) {
        content("S");
        pathOpen_ = false;
    }
}

void PdfWriter::stampForms() {
    const bool first = pages_ == 1;
    const bool even = pages_ % 2 == 0;
    for (const Resource& form : forms_) {
        const auto has = [&](std::string_view flag) {
            return form.options.find(flag) != std::string::npos;
        };
        const bool notFirst = has("\\F") && first;
        const bool stamp = (has("\\a") && !notFirst) || (has("\\e") && even) ||
                           (has("\\o") && !even && !notFirst) || (has("\\f") && first);
        if (stamp)
            content("/" + form.name + " Do");
    }
}

// --- Text ----------------------------------------------------------------------------------

void PdfWriter::SetWordSpacing(double value) {
    if (!contentOpen("SetWordSpacing"))
        return;
    strokePendingPath();
    wordSpacing_ = toPoints(value);
    content(number(wordSpacing_, pdf::spacingDecimals) + " Tw");
}

void PdfWriter::SetCharSpacing(double value) {
    if (!contentOpen("SetCharSpacing"))
        return;
    strokePendingPath();
    charSpacing_ = toPoints(value);
    content(number(charSpacing_, pdf::spacingDecimals) + " Tc");
}

void PdfWriter::SetTextHorizontalScaling(double percent) {
    if (!contentOpen("SetTextHorizontalScaling"))
        return;
    strokePendingPath();
    horizontalScaling_ = percent;
    content(number(percent, pdf::spacingDecimals) + " Tz");
}

void PdfWriter::SetTextRenderingMode(int mode) {
    if (!contentOpen("SetTextRenderingMode"))
        return;
    strokePendingPath();
    content(std::to_string(mode) + " Tr");
}

double PdfWriter::Length(std::string_view text, std::string_view fontName, double fontSize) const {
    const Resource* font = find(fonts_, fontName);
    if (font == nullptr || font->metrics == nullptr)
        return 0;
    return fromPoints(textWidth(pdf::toWinAnsi(text), *font->metrics, fontSize, charSpacing_,
                                wordSpacing_, horizontalScaling_));
}

void PdfWriter::DrawText(double x, double y, std::string_view text, std::string_view fontName,
                         double fontSize, int alignment, double angle) {
    if (!contentOpen("DrawText"))
        return;
    const Resource* font = find(fonts_, fontName);
    if (font == nullptr) {
        fail("Carattere " + std::string(fontName) + " non caricato: testo non scritto.");
        return;
    }
    strokePendingPath();
    const std::string bytes = pdf::toWinAnsi(text);
    const double radians = angle * std::numbers::pi / 180.0;
    const double cosine = std::cos(radians);
    const double sine = std::sin(radians);
    double xp = toPoints(x);
    double yp = toPoints(y);
    if ((alignment == text_align::right || alignment == text_align::centre) && font->metrics) {
        const double width = textWidth(bytes, *font->metrics, fontSize, charSpacing_, wordSpacing_,
                                       horizontalScaling_);
        const double shift = alignment == text_align::right ? width : width / 2;
        xp -= shift * cosine;
        yp -= shift * sine;
    }
    constexpr int d = pdf::coordinateDecimals;
    content("BT");
    content("/" + font->name + " " + number(fontSize, d) + " Tf");
    if (angle == 0) {
        content(number(xp, d) + " " + number(yp, d) + " Td");
    } else {
        constexpr int m = pdf::matrixDecimals;
        content(number(cosine, m) + " " + number(sine, m) + " " + number(-sine, m) + " " +
                number(cosine, m) + " " + number(xp, d) + " " + number(yp, d) + " Tm");
    }
    content("(" + pdf::escapeString(bytes) + ") Tj");
    content("ET");
}

// --- Graphics state ------------------------------------------------------------------------

void PdfWriter::setColour(std::int32_t colour, const char* greyOperator, const char* rgbOperator) {
    strokePendingPath();
    constexpr int d = pdf::colourDecimals;
    if (colour >= -255 && colour <= 0) {
        content(number(-colour / 255.0, d) + " " + greyOperator);
        return;
    }
    const auto component = [&](int shift) { return ((colour >> shift) & 0xFF) / 255.0; };
    content(number(component(0), d) + " " + number(component(8), d) + " " +
            number(component(16), d) + " " + rgbOperator);
}

void PdfWriter::SetColorStroke(std::int32_t colour) {
    if (contentOpen("SetColorStroke"))
        setColour(colour, "G", "RG");
}

void PdfWriter::SetColorFill(std::int32_t colour) {
    if (contentOpen("SetColorFill"))
        setColour(colour, "g", "rg");
}

void PdfWriter::SetDash(double on, double off) {
    if (!contentOpen("SetDash"))
        return;
    strokePendingPath();
    // Negative lengths mean nothing to a reader; all-zero lengths would be an error.
    const double dash = std::max(0.0, toPoints(on));
    const double gap = std::max(0.0, toPoints(off));
    if (dash == 0 && gap == 0)
        content("[ ] 0 d");
    else
        content("[" + number(dash, pdf::coordinateDecimals) + " " +
                number(gap, pdf::coordinateDecimals) + "] 0 d");
}

void PdfWriter::SetLineWidth(double width) {
    if (!contentOpen("SetLineWidth"))
        return;
    strokePendingPath();
    content(number(toPoints(width), pdf::coordinateDecimals) + " w");
}

void PdfWriter::SetLineCap(int cap) {
    if (!contentOpen("SetLineCap"))
        return;
    strokePendingPath();
    content(std::to_string(cap) + " J");
}

void PdfWriter::SetLineJoin(int join) {
    if (!contentOpen("SetLineJoin"))
        return;
    strokePendingPath();
    content(std::to_string(join) + " j");
}

void PdfWriter::SetMiterLimit(double limit) {
    if (!contentOpen("SetMiterLimit"))
        return;
    strokePendingPath();
    content(number(limit, pdf::coordinateDecimals) + " M");
}

// --- Paths ---------------------------------------------------------------------------------

void PdfWriter::MoveTo(double x, double y) {
    if (!contentOpen("MoveTo"))
        return;
    penX_ = toPoints(x);
    penY_ = toPoints(y);
    content(coordinate(x) + " " + coordinate(y) + " m");
    pathOpen_ = true;
}

void PdfWriter::LineTo(double x, double y) {
    if (!contentOpen("LineTo"))
        return;
    ensureCurrentPoint();
    penX_ = toPoints(x);
    penY_ = toPoints(y);
    content(coordinate(x) + " " + coordinate(y) + " l");
}

void PdfWriter::Curve(double x1, double y1, double x2, double y2, double x3, double y3, int style) {
    if (!contentOpen("Curve"))
        return;
    ensureCurrentPoint();
    penX_ = toPoints(x3);
    penY_ = toPoints(y3);
    content(coordinate(x1) + " " + coordinate(y1) + " " + coordinate(x2) + " " + coordinate(y2) +
            " " + coordinate(x3) + " " + coordinate(y3) + " c");
    paintPath(style, false);
}

void PdfWriter::Rectangle(double x, double y, double width, double height, int style,
                          double cornerRadius) {
    if (!contentOpen("Rectangle"))
        return;
    strokePendingPath();
    penX_ = toPoints(x);
    penY_ = toPoints(y);
    pathOpen_ = true;
    const double radius = std::min({cornerRadius, std::abs(width) / 2, std::abs(height) / 2});
    if (!(radius > 0)) {
        content(coordinate(x) + " " + coordinate(y) + " " + coordinate(width) + " " +
                coordinate(height) + " re");
        paintPath(style, true);
        return;
    }
    // Sides as lines, corners as quarter circles; rx and ry point inwards along each axis.
    const double rx = std::copysign(radius, width);
    const double ry = std::copysign(radius, height);
    const double kx = pdf::kappa * rx;
    const double ky = pdf::kappa * ry;
    const auto point = [&](double px, double py) { return coordinate(px) + " " + coordinate(py); };
    const auto corner = [&](double c1x, double c1y, double c2x, double c2y, double ex, double ey) {
        content(point(c1x, c1y) + " " + point(c2x, c2y) + " " + point(ex, ey) + " c");
    };
    const double x1 = x + width;
    const double y1 = y + height;
    content(point(x + rx, y) + " m");
    content(point(x1 - rx, y) + " l");
    corner(x1 - rx + kx, y, x1, y + ry - ky, x1, y + ry);
    content(point(x1, y1 - ry) + " l");
    corner(x1, y1 - ry + ky, x1 - rx + kx, y1, x1 - rx, y1);
    content(point(x + rx, y1) + " l");
    corner(x + rx - kx, y1, x, y1 - ry + ky, x, y1 - ry);
    content(point(x, y + ry) + " l");
    corner(x, y + ry - ky, x + rx - kx, y, x + rx, y);
    content("h");
    paintPath(style, true);
}

void PdfWriter::Arc(double xc, double yc, double radius, double startAngle, double endAngle,
                    int style) {
    if (!contentOpen("Arc"))
        return;
    strokePendingPath();
    const pdf::ArcPath arc = pdf::arcPath({toPoints(xc), toPoints(yc)}, toPoints(radius),
                                          startAngle, endAngle - startAngle);
    constexpr int d = pdf::coordinateDecimals;
    const auto point = [&](pdf::Point p) { return number(p.x, d) + " " + number(p.y, d); };
    content(point(arc.start) + " m");
    for (const pdf::CubicSegment& s : arc.segments)
        content(point(s.control1) + " " + point(s.control2) + " " + point(s.end) + " c");
    const pdf::Point end = arc.segments.empty() ? arc.start : arc.segments.back().end;
    penX_ = end.x;
    penY_ = end.y;
    pathOpen_ = true;
    paintPath(style, false);
}

void PdfWriter::DrawCircle(double xc, double yc, double radius, int style) {
    if (!contentOpen("DrawCircle"))
        return;
    strokePendingPath();
    const pdf::ArcPath circle =
        pdf::arcPath({toPoints(xc), toPoints(yc)}, toPoints(radius), 0, 360);
    constexpr int d = pdf::coordinateDecimals;
    const auto point = [&](pdf::Point p) { return number(p.x, d) + " " + number(p.y, d); };
    content(point(circle.start) + " m");
    for (const pdf::CubicSegment& s : circle.segments)
        content(point(s.control1) + " " + point(s.control2) + " " + point(s.end) + " c");
    content("h");
    penX_ = circle.start.x;
    penY_ = circle.start.y;
    pathOpen_ = true;
    paintPath(style, true);
}

// --- Placements ----------------------------------------------------------------------------

void PdfWriter::DrawImg(std::string_view imageName, double x, double y, double width,
                        double height) {
    if (!contentOpen("DrawImg"))
        return;
    if (find(images_, imageName) == nullptr) {
        fail("Immagine " + std::string(imageName) + " non caricata: non disegnata.");
        return;
    }
    strokePendingPath();
    // The rows are stored bottom row first, so the image is mirrored vertically into place.
    content("q");
    content(coordinate(width) + " 0 0 " + coordinate(-height) + " " + coordinate(x) + " " +
            coordinate(y) + " cm");
    content("/" + std::string(imageName) + " Do");
    content("Q");
}

void PdfWriter::DrawObject(std::string_view objectName) {
    if (!contentOpen("DrawObject"))
        return;
    const Resource* form = find(forms_, objectName);
    if (form == nullptr || (stream_ == Stream::Form && form->object == streamObject_)) {
        fail("Oggetto " + std::string(objectName) + " non disponibile: non disegnato.");
        return;
    }
    strokePendingPath();
    content("/" + form->name + " Do");
}

} // namespace orvanta
