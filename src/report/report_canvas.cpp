#include "report_canvas.h"

#include "font_metrics.h"
#include "pdf_text.h"

#include <algorithm>
#include <string_view>

namespace orvanta::report {

namespace {

// The metrics behind each alias (all standard records, so found for every alias).
const FontMetrics& metricsOf(const char* fontName) {
    const std::string_view name(fontName);
    if (name == font::italic)
        return *findFontMetrics("Times New Roman", font_style::italic);
    if (name == font::title)
        return *findFontMetrics("Times New Roman", font_style::boldItalic);
    if (name == font::bold)
        return *findFontMetrics("Times New Roman", font_style::bold);
    if (name == font::symbol)
        return *findFontMetrics("Symbol", font_style::regular);
    if (name == font::courier || name == font::courierTitle)
        return *findFontMetrics("Courier New", font_style::regular);
    return *findFontMetrics("Times New Roman", font_style::regular);
}

constexpr double headerSize = 10;
constexpr double headerY = 28.5;
constexpr double footerY = 1.2;
// Narrowing never goes below half the natural width: beyond that a text is unreadable anyway.
constexpr double narrowestScaling = 50;

// One of the signs of a number format, or the Italian one when the fonts cannot print it.
std::string printableSign(std::string sign, const std::string& italian) {
    const auto replace = [&](std::string_view from, std::string_view to) {
        for (std::size_t at = sign.find(from); at != std::string::npos; at = sign.find(from, at))
            sign.replace(at, from.size(), to);
    };
    replace("\u202F", "\u00A0"); // narrow no-break space (French, Swiss)
    replace("\u2009", "\u00A0"); // thin space
    replace("\u2212", "-");      // minus sign (Swedish, Norwegian)
    const std::string bytes = pdf::toWinAnsi(sign);
    return bytes.find('?') == std::string::npos ? sign : italian;
}

} // namespace

double textWidthPoints(std::string_view utf8, const char* fontName, double size) {
    const FontMetrics& metrics = metricsOf(fontName);
    double width = 0;
    for (const char c : pdf::toWinAnsi(utf8))
        width += metrics.width(static_cast<unsigned char>(c));
    return width * size / 1000;
}

std::vector<std::string> wrapText(std::string_view utf8, const char* fontName, double size,
                                  double width) {
    std::vector<std::string> lines;
    std::string line;
    std::size_t at = 0;
    while (at < utf8.size()) {
        const std::size_t blank = utf8.find(' ', at);
        const std::size_t end = blank == std::string_view::npos ? utf8.size() : blank;
        const std::string_view word = utf8.substr(at, end - at);
        at = end + 1;
        if (word.empty())
            continue;
        const std::string longer =
            line.empty() ? std::string(word) : line + " " + std::string(word);
        if (!line.empty() && pointsToCm(textWidthPoints(longer, fontName, size)) > width) {
            lines.push_back(line);
            line = std::string(word);
        } else {
            line = longer;
        }
    }
    if (!line.empty() || lines.empty())
        lines.push_back(line);
    return lines;
}

NumberFormat printableNumberFormat(const NumberFormat& format) {
    const NumberFormat italian;
    return {printableSign(format.grouping, italian.grouping),
            printableSign(format.decimalSign, italian.decimalSign),
            printableSign(format.minusSign, italian.minusSign)};
}

ReportCanvas::ReportCanvas(PdfWriter& pdf, const NumberFormat& numbers, std::string header,
                           std::string projectName)
    : pdf_(pdf), numbers_(printableNumberFormat(numbers)), header_(std::move(header)),
      projectName_(std::move(projectName)) {}

std::string ReportCanvas::number(double value, int decimals) const {
    return formatNumber(value, decimals, numbers_);
}

bool ReportCanvas::loadFonts() {
    return pdf_.LoadFont(font::body, "Times New Roman", font_style::regular) &&
           pdf_.LoadFont(font::italic, "Times New Roman", font_style::italic) &&
           pdf_.LoadFont(font::title, "Times New Roman", font_style::boldItalic) &&
           pdf_.LoadFont(font::courier, "Courier New", font_style::regular) &&
           pdf_.LoadFontStandard(font::courierTitle, "Courier New", font_style::boldItalic) &&
           pdf_.LoadFont(font::bold, "Times New Roman", font_style::bold) &&
           pdf_.LoadFont(font::symbol, "Symbol", font_style::regular);
}

void ReportCanvas::startPage() {
    endPage();
    pdf_.StartPage();
    pageOpen_ = true;
    scaling_ = 100;
    drawHeaderAndFooter();
}

void ReportCanvas::endPage() {
    if (!pageOpen_)
        return;
    pdf_.EndPage();
    pageOpen_ = false;
}

void ReportCanvas::drawHeaderAndFooter() {
    pdf_.SetColorStroke(0);
    pdf_.SetDash(0, 0);
    pdf_.SetLineWidth(0.01);
    const double nameWidth = projectName_.empty() ? 0 : 8;
    fittedText(textLeft, headerY, header_, font::italic, headerSize, text_align::left,
               rightEdge - textLeft - nameWidth - 0.5);
    if (!projectName_.empty())
        fittedText(rightEdge, headerY, projectName_, font::italic, headerSize, text_align::right,
                   nameWidth);
    line(textLeft, headerY - 0.2, rightEdge, headerY - 0.2);
    text(pageWidth / 2, footerY, "Pagina " + std::to_string(pdf_.Pages()), font::italic, headerSize,
         text_align::centre);
}

void ReportCanvas::heading(double y, std::string_view text) {
    fittedText(textLeft, y, text, font::italic, headingSize, text_align::left,
               rightEdge - textLeft);
}

double ReportCanvas::bodyLines(double y, std::span<const std::string_view> lines) {
    for (const std::string_view text : lines) {
        fittedText(textLeft, y, text, font::body, bodySize, text_align::left, rightEdge - textLeft);
        y -= bodyLeading;
    }
    return y;
}

void ReportCanvas::setScaling(double percent) {
    if (percent == scaling_)
        return;
    pdf_.SetTextHorizontalScaling(percent);
    scaling_ = percent;
}

void ReportCanvas::text(double x, double y, std::string_view text, const char* fontName,
                        double size, int alignment) {
    setScaling(100);
    pdf_.DrawText(x, y, text, fontName, size, alignment);
}

void ReportCanvas::fittedText(double x, double y, std::string_view text, const char* fontName,
                              double size, int alignment, double maxWidth, double scaling) {
    const double width = pointsToCm(textWidthPoints(text, fontName, size));
    if (width * scaling / 100 > maxWidth && width > 0)
        scaling = std::max(narrowestScaling, 100 * maxWidth / width);
    setScaling(scaling);
    pdf_.DrawText(x, y, text, fontName, size, alignment);
}

void ReportCanvas::mixedText(double x, double y, std::span<const TextPiece> pieces, double size,
                             int alignment) {
    double total = 0;
    for (const TextPiece& piece : pieces)
        total += pointsToCm(textWidthPoints(piece.text, piece.fontName, size));
    if (alignment == text_align::right)
        x -= total;
    else if (alignment == text_align::centre)
        x -= total / 2;
    for (const TextPiece& piece : pieces) {
        text(x, y, piece.text, piece.fontName, size);
        x += pointsToCm(textWidthPoints(piece.text, piece.fontName, size));
    }
}

void ReportCanvas::line(double x1, double y1, double x2, double y2) {
    pdf_.MoveTo(x1, y1);
    pdf_.LineTo(x2, y2);
}

void ReportCanvas::startSection(std::string title) {
    section_ = std::move(title);
    startPage();
    heading(headingY, section_);
    cursor_ = firstLineY;
}

void ReportCanvas::startSectionBelow(std::string title, double room) {
    if (!pageOpen_ || cursor_ - room < bottomLimit) {
        startSection(std::move(title));
        return;
    }
    section_ = std::move(title);
    heading(cursor_ - 0.4, section_);
    cursor_ -= 1.4;
}

bool ReportCanvas::need(double h) {
    if (pageOpen_ && cursor_ - h >= bottomLimit)
        return false;
    continueOnNewPage();
    return true;
}

void ReportCanvas::continueOnNewPage() {
    startPage();
    heading(headingY, section_ + " (segue)");
    cursor_ = firstLineY;
}

} // namespace orvanta::report
