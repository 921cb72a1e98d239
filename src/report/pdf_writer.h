#pragma once

// PdfWriter writes a PDF 1.3 file directly, object by object: pages with text in the standard
// fonts, lines and shapes, images read from BMP files, and form objects stamped on chosen pages.
//
// Units. Every coordinate and length passed in is in the unit of ScaleMode (0 points,
// 1 inches, 2 millimetres, 3 centimetres) and is converted to points (1/72 inch) on the way
// out: 10 mm → 10 × 72 / 25.4 = 28.35 pt. Font sizes are always in points. Angles are in
// degrees, counter-clockwise. The page's origin is its bottom-left corner, y grows upwards.
//
// Layout of the file. Object 1 is the information dictionary, 2 the catalog, 3 the encoding
// (/WinAnsiEncoding), 4 the page tree and 5 the shared resources (both written at close); the
// first page is object 6, its content stream 7 and the content's length 8. Lines end with a
// single CR, "endobj" and the keyword "stream" with CR LF; cross-reference entries are 20 bytes.
//
// Calling order: set the properties, InitPDFFile, load fonts, images and form objects, then per
// page StartPage, drawing calls, EndPage; finally ClosePDFFile.
//
// Text. Strings are UTF-8; drawn text goes out in Windows-1252 (see pdf_text.h), with "\", "("
// and ")" escaped, so any text the user types is safe to draw.
//
// Lines. MoveTo and LineTo draw with the current pen: the lines build one path that is stroked
// before the next call that is not a line (text, a change of colour, width or dash, an image,
// the end of the page), so each line takes the state in force when it was drawn.
//
// Errors. A file that cannot be created or written makes InitPDFFile or ClosePDFFile return
// false; so does a misuse that would have damaged the document (drawing outside a page, an
// unknown font or image, a name that is not a valid PDF name), which is left out of the file.
// errorMessage() then tells why, in Italian, ready to show. Loading a font or an image that
// fails returns false at once with its message and leaves the document intact.

#include "bmp_reader.h"
#include "font_metrics.h"

#include <cstdint>
#include <fstream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace orvanta {

// ScaleMode codes.
namespace scale_mode {
inline constexpr int points = 0;
inline constexpr int inches = 1;
inline constexpr int millimetres = 2;
inline constexpr int centimetres = 3;
} // namespace scale_mode

// Painting styles of shapes, as bit flags: stroke, close then stroke, fill.
namespace paint {
inline constexpr int stroke = 1;
inline constexpr int close = 2;
inline constexpr int fill = 4; // fill only: the other flags are then ignored
} // namespace paint

// DrawText alignments: the text starts at, ends at, or is centred on x.
namespace text_align {
inline constexpr int left = 1;
inline constexpr int right = 2;
inline constexpr int centre = 3;
} // namespace text_align

// A colour for SetColorStroke and SetColorFill: red in the lowest byte, green, then blue;
// rgb(255, 0, 0) = 255. A value from −255 to 0 is a grey level instead: 0 black, −255 white.
constexpr std::int32_t rgb(int red, int green, int blue) {
    return (red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16);
}

class PdfWriter {
public:
    PdfWriter() = default;
    PdfWriter(const PdfWriter&) = delete;
    PdfWriter& operator=(const PdfWriter&) = delete;

    // --- Properties ------------------------------------------------------------------------

    // Margin of the crop box, in the current unit (stored in points).
    void SetMargin(double value);
    double Margin() const;
    // Paper dimensions in the current unit (stored in points).
    void SetPaperWidth(double value);
    void SetPaperHeight(double value);
    double PaperWidth() const;
    double PaperHeight() const;
    // Pages begun since InitPDFFile.
    int Pages() const { return pages_; }
    // Unit of coordinates: 0 points (default), 1 inches, 2 mm, 3 cm; other values are ignored.
    void SetScaleMode(int mode);
    int ScaleMode() const { return scaleMode_; }
    // Paper: 0 A4 595.2 × 842 pt (default), 1 A3 842 × 1190.5, 2 Letter 612 × 792,
    // 3 612 × 864; other values are ignored.
    void SetPaperSize(int size);
    int PaperSize() const { return paperSize_; }
    // 1 portrait (default), 2 landscape (the pages are turned by 90°).
    void SetOrientation(int orientation);
    int Orientation() const { return orientation_; }
    // Document title, "(senza titolo)" by default; escaped when written.
    void SetTitle(std::string_view title);
    const std::string& Title() const { return title_; }
    // Who wrote the document and with which program, as the document's properties show them:
    // "Ludrano" and "Applicazione di prova" by default; escaped when written.
    void SetAuthor(std::string_view author);
    const std::string& Author() const { return author_; }
    void SetCreator(std::string_view creator);
    const std::string& Creator() const { return creator_; }

    // --- File and pages --------------------------------------------------------------------

    // Opens the file (truncating it) and writes the header objects. An empty name becomes a new
    // file "~<hex>.pdf" in the system's temporary folder, returned through fileName. A file
    // still open is closed first, as it stands. False when the file cannot be created.
    bool InitPDFFile(std::string& fileName);
    // Ends an open page or form, writes resources, page tree, cross-reference table and trailer,
    // and closes the file. True when the whole document was written without error.
    bool ClosePDFFile();
    // Begins a page (ending one still open) and stamps the form objects that ask for it.
    // Returns the page number, 1 for the first; 0 when no file is open.
    int StartPage();
    void EndPage();

    // --- Text ------------------------------------------------------------------------------

    // Word and character spacing in the current unit, horizontal scaling in per cent; they
    // return to 0, 0 and 100 at each page start and are counted by Length.
    void SetWordSpacing(double value);
    void SetCharSpacing(double value);
    void SetTextHorizontalScaling(double percent);
    void SetTextRenderingMode(int mode);
    // One line of text with its baseline starting at (x, y), in the font loaded under fontName,
    // of fontSize points. Alignment 2 ends the text at x, 3 centres it on x, measured by Length
    // along the text's direction; angle turns it about its start.
    void DrawText(double x, double y, std::string_view text, std::string_view fontName,
                  double fontSize, int alignment = text_align::left, double angle = 0);

    // --- Graphics state --------------------------------------------------------------------

    void SetColorStroke(std::int32_t colour);
    void SetColorFill(std::int32_t colour);
    // Dash and gap lengths in the current unit; 0, 0 draws solid lines.
    void SetDash(double on, double off);
    void SetLineWidth(double width);
    void SetLineCap(int cap);   // 0 butt, 1 round, 2 square
    void SetLineJoin(int join); // 0 miter, 1 round, 2 bevel
    void SetMiterLimit(double limit);

    // --- Paths -----------------------------------------------------------------------------

    void MoveTo(double x, double y);
    void LineTo(double x, double y);
    // Rectangle from its corner (x, y) with the given width and height (negative values extend
    // to the left or downwards), square corners or rounded with cornerRadius (at most half the
    // shorter side), painted by style.
    void Rectangle(double x, double y, double width, double height, int style = paint::stroke,
                   double cornerRadius = 0);
    // Cubic Bézier from the current point through two control points to (x3, y3), then painted
    // by style (0 leaves it in the open path).
    void Curve(double x1, double y1, double x2, double y2, double x3, double y3,
               int style = paint::stroke);
    // Arc of a circle about (xc, yc) from startAngle to endAngle, counter-clockwise when
    // endAngle > startAngle, at most one full turn.
    void Arc(double xc, double yc, double radius, double startAngle, double endAngle,
             int style = paint::stroke);
    void DrawCircle(double xc, double yc, double radius, int style = paint::stroke);

    // --- Images ----------------------------------------------------------------------------

    // Reads a BMP file (see bmp_reader.h for the accepted formats).
    pdf::BmpReading LeggeBMP(const std::string& path) const;
    // Read a BMP from a file or from its bytes in memory and write it as the image imageName.
    bool LoadImgFromBMPFile(std::string_view imageName, const std::string& path);
    bool LoadImgFromBuffer(std::string_view imageName, std::span<const std::uint8_t> bmpBytes);
    // Places an image with its top-left corner at (x, y), width wide and height high: it covers
    // x .. x + width and y − height .. y.
    void DrawImg(std::string_view imageName, double x, double y, double width, double height);

    // --- Fonts -----------------------------------------------------------------------------

    // Declares a standard Type 1 font by name ("Courier New" + style 4 →
    // "CourierNew,BoldItalic"). Measurable by Length when it names one of the standard records.
    bool LoadFontStandard(std::string_view fontName, std::string_view baseFont, int style);
    // Declares one of the sixteen standard fonts with its widths and descriptor; family
    // "Courier New", "Times New Roman", "Arial" or "Symbol", style 1..4. False for another
    // family.
    bool LoadFont(std::string_view fontName, std::string_view font, int style);
    // Width of a text in the current unit: Σ widths × size / 1000 points, plus character and
    // word spacing, times the horizontal scaling. "Generalità" in Times New Roman at 13 pt:
    // 4165 × 13 / 1000 = 54.145 pt. 0 for a font that cannot be measured.
    double Length(std::string_view text, std::string_view fontName, double fontSize) const;

    // --- Form objects ----------------------------------------------------------------------

    // Begins a form object: the drawing calls up to EndObject go into it. The options stamp it
    // automatically at StartPage: "\a" every page, "\e" even pages, "\o" odd pages, "\f" the
    // first page only; "\F" keeps an "\a" or "\o" object off the first page.
    bool StartObject(std::string_view objectName, std::string_view options = {});
    void EndObject();
    void DrawObject(std::string_view objectName);

    // --- Errors ----------------------------------------------------------------------------

    // The document has lost something (a write error or a misuse) since InitPDFFile.
    bool failed() const { return failed_; }
    // Why the last operation that failed did so.
    const std::string& errorMessage() const { return errorMessage_; }

private:
    enum class Stream { None, Page, Form };

    // Fixed object numbers; the first page follows them.
    static constexpr int encodingObject = 3;
    static constexpr int pageTreeObject = 4;
    static constexpr int resourcesObject = 5;

    struct Resource {
        std::string name;
        int object = 0;
        const FontMetrics* metrics = nullptr; // fonts: the widths for Length, if known
        std::string options;                  // forms: the stamping options
    };

    // Units.
    double toPoints(double value) const;
    double fromPoints(double points) const;
    std::string coordinate(double value) const; // converted and formatted

    // Output.
    void writeLine(std::string_view line);
    void writeRaw(std::string_view bytes);
    int beginObject(int number = 0);
    void endObject();
    void beginStream();
    void endStream();
    void writeHeaderObjects();
    void writeResources();
    void writePageTree();
    void writeCrossReference();
    bool writeImage(std::string_view name, const pdf::RasterImage& image);
    void writeAscii85Stream(std::span<const std::uint8_t> bytes,
                            const std::vector<std::string>& dictionary);

    // Content streams.
    bool contentOpen(const char* operation);
    void content(std::string_view line);
    void strokePendingPath();
    void ensureCurrentPoint();
    void paintPath(int style, bool closedFigure);
    void stampForms();
    void setColour(std::int32_t colour, const char* greyOperator, const char* rgbOperator);

    // Resources.
    bool acceptNewResource(std::string_view name, const std::vector<Resource>& namespace1,
                           const std::vector<Resource>& namespace2);
    const Resource* find(const std::vector<Resource>& list, std::string_view name) const;

    // Errors.
    void fail(std::string message);
    bool refuse(std::string message);

    // Properties.
    std::string title_ = "(senza titolo)";
    std::string author_ = "Ludrano";
    std::string creator_ = "Applicazione di prova";
    int scaleMode_ = scale_mode::points;
    int paperSize_ = 0;
    double paperWidth_ = 595.2; // points
    double paperHeight_ = 842;  // points
    int orientation_ = 1;
    double margin_ = 0; // points

    // The open file.
    std::ofstream file_;
    std::string fileName_;
    std::uint64_t position_ = 0; // bytes written
    bool open_ = false;

    // Objects.
    int objectCount_ = 0;
    std::vector<std::int64_t> offsets_; // by object number; −1 until the object is begun
    int pages_ = 0;
    std::string kids_;
    std::vector<Resource> fonts_;
    std::vector<Resource> images_;
    std::vector<Resource> forms_;

    // The open content stream.
    Stream stream_ = Stream::None;
    int streamObject_ = 0;
    std::uint64_t streamStart_ = 0;
    bool pathOpen_ = false; // lines or shapes waiting for their painting operator
    double penX_ = 0;       // current point in points, to continue a line after a stroke
    double penY_ = 0;
    double wordSpacing_ = 0; // points
    double charSpacing_ = 0; // points
    double horizontalScaling_ = 100;

    bool failed_ = false;
    std::string errorMessage_;
};

} // namespace orvanta
