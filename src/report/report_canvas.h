#pragma once

// The pages of the calculation report as the page writers see them: an A4 sheet measured in
// centimetres from its bottom-left corner, y upwards, with the report's fonts under their
// aliases, its page header and footer, headings, body text and numbers in the user's
// conventions. Everything goes through one PdfWriter.
//
// Sizes: x and y in cm, font sizes in points (1 pt = 2.54/72 cm = 0.0353 cm, so 13-point body
// lines 0.5 cm apart leave 0.04 cm between a descender and the next line's capitals).
//
// A section that may run over several pages (the seismic page, the appendices) draws from a
// cursor: need(h) moves on to a new page, with the section's heading followed by "(segue)",
// when less than h cm is left above the footer.

#include "number_format.h"
#include "pdf_writer.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace orvanta::report {

// Font aliases of the report.
namespace font {
inline constexpr const char* body = "Fnt1";         // Times New Roman: body text, table cells
inline constexpr const char* italic = "Fnt2";       // Times italic: header, footer, headings,
                                                    // what the user typed
inline constexpr const char* title = "Fnt3";        // Times bold italic: the title of page 1
inline constexpr const char* courier = "Fnt4";      // Courier New, loaded for completeness
inline constexpr const char* courierTitle = "Fnt5"; // Courier New bold italic, likewise
inline constexpr const char* bold = "Fnt6";         // Times bold: matrix captions, failed checks
inline constexpr const char* symbol = "Fnt7";       // Symbol: ≤ and ≥
} // namespace font

// The page: A4 portrait, 21 × 29.7 cm.
inline constexpr double pageWidth = 21;
inline constexpr double leftEdge = 1.5;   // nothing is drawn left of it
inline constexpr double rightEdge = 19.5; // nor right of it
inline constexpr double textLeft = 2;     // body text and headings
inline constexpr double bottomLimit = 2;  // the lowest baseline above the footer
inline constexpr double headingY = 25.5;  // the heading of every page but the first
inline constexpr double firstLineY = 24.5;
inline constexpr double bodySize = 13;
inline constexpr double bodyLeading = 0.5;
inline constexpr double headingSize = 20;

// A piece of a line in its own font, for texts that mix Times and Symbol ("e0x ≤ 0,30·rx").
struct TextPiece {
    std::string text;
    const char* fontName = font::body;
};

// The width of a text in points in one of the report's fonts, without a writer.
double textWidthPoints(std::string_view utf8, const char* fontName, double size);
inline double pointsToCm(double points) {
    return points * 2.54 / 72;
}
inline double cmToPoints(double cm) {
    return cm * 72 / 2.54;
}

// Splits a text at blanks into lines no wider than width cm; a single word wider than that
// stands on a line of its own.
std::vector<std::string> wrapText(std::string_view utf8, const char* fontName, double size,
                                  double width);

// The number format as the report's fonts can print it: the blanks some locales group digits
// with become the no-break space, the minus sign U+2212 the hyphen, and a sign the fonts lack
// falls back to the Italian one.
NumberFormat printableNumberFormat(const NumberFormat& format);

class ReportCanvas {
public:
    // header: the text at the top left of every page, beside the project's name at the right.
    ReportCanvas(PdfWriter& pdf, const NumberFormat& numbers, std::string header,
                 std::string projectName);

    PdfWriter& pdf() { return pdf_; }
    const NumberFormat& numbers() const { return numbers_; }
    // The value rounded to `decimals` places with the user's grouping and decimal sign.
    std::string number(double value, int decimals) const;

    // Loads Fnt1 … Fnt7. False when the writer refused one.
    bool loadFonts();

    // A new page with its header and footer ("Pagina n"); ends the page still open.
    void startPage();
    void endPage();
    bool pageOpen() const { return pageOpen_; }

    // A heading in italics, 20 pt, at x = 2.
    void heading(double y, std::string_view text);
    // Body lines, 13 pt, 0.5 cm apart from y downwards; returns the baseline of the next line.
    double bodyLines(double y, std::span<const std::string_view> lines);
    // One line of text at its natural width.
    void text(double x, double y, std::string_view text, const char* fontName, double size,
              int alignment = text_align::left);
    // Text at `scaling` per cent of its width that keeps within maxWidth cm: narrowed further
    // when wider (down to half its width; below that it runs over). alignment as DrawText's.
    void fittedText(double x, double y, std::string_view text, const char* fontName, double size,
                    int alignment, double maxWidth, double scaling = 100);
    // Pieces in their fonts one after another, the whole aligned as DrawText aligns a text.
    void mixedText(double x, double y, std::span<const TextPiece> pieces, double size,
                   int alignment);
    // A straight line with the current pen.
    void line(double x1, double y1, double x2, double y2);

    // The cursor of a section that runs over pages: the baseline where the next thing goes.
    double cursor() const { return cursor_; }
    void setCursor(double y) { cursor_ = y; }
    // Starts a section on a page of its own, with its heading.
    void startSection(std::string title);
    // Starts a section below the cursor when at least `room` cm are left on the page, else on a
    // page of its own.
    void startSectionBelow(std::string title, double room);
    // Makes room for something h cm high below the cursor, going on to a new page (with the
    // section's heading and "(segue)") when it does not fit; returns true when it did so.
    bool need(double h);
    // Goes on to a new page of the section, under its heading followed by "(segue)".
    void continueOnNewPage();

private:
    void drawHeaderAndFooter();
    // Sets the writer's horizontal text scaling, writing it only when it changes.
    void setScaling(double percent);

    PdfWriter& pdf_;
    NumberFormat numbers_;
    std::string header_;
    std::string projectName_;
    bool pageOpen_ = false;
    double scaling_ = 100; // the writer's, which every page starts at 100
    double cursor_ = firstLineY;
    std::string section_;
};

} // namespace orvanta::report
