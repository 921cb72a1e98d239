// PdfWriter: the objects that pages use by name — fonts, images and form objects.

#include "ascii85.h"
#include "pdf_number.h"
#include "pdf_writer.h"

#include <algorithm>

namespace orvanta {

namespace {

// ASCII85 data is written in lines of this many characters.
constexpr std::size_t ascii85LineLength = 80;

// A name a PDF reader reads back whole: printable ASCII without delimiters, "%" or "#".
bool isPdfName(std::string_view name) {
    constexpr std::string_view delimiters = "()<>[]{}/%#";
    return !name.empty() && std::all_of(name.begin(), name.end(), [&](char c) {
        return c > ' ' && c < 0x7F && delimiters.find(c) == std::string_view::npos;
    });
}

std::string withoutBlanks(std::string_view text) {
    std::string result;
    std::copy_if(text.begin(), text.end(), std::back_inserter(result),
                 [](char c) { return c != ' '; });
    return result;
}

// Symbol draws its own glyphs by code ("a" is alpha): under /WinAnsiEncoding a reader would
// look for Latin glyph names it lacks and draw nothing, so a symbolic font keeps its built-in
// encoding, the one its widths are laid out in.
bool isSymbolic(const FontMetrics& metrics) {
    constexpr int symbolicFlag = 4;
    return (metrics.flags & symbolicFlag) != 0;
}

std::string styleSuffix(int style) {
    switch (style) {
    case font_style::bold:
        return ",Bold";
    case font_style::italic:
        return ",Italic";
    case font_style::boldItalic:
        return ",BoldItalic";
    default:
        return "";
    }
}

// ASCII85 text cut into lines, the "~>" kept on the last one, and the stream length they make
// with their line ends.
struct EncodedLines {
    std::vector<std::string> lines;
    std::size_t length = 0;
};

EncodedLines encodeLines(std::span<const std::uint8_t> bytes) {
    std::string text = pdf::ascii85(bytes);
    text.resize(text.size() - 2); // "~>" goes back on below, never split from itself
    EncodedLines encoded;
    for (std::size_t at = 0; at < text.size(); at += ascii85LineLength)
        encoded.lines.push_back(text.substr(at, ascii85LineLength));
    if (encoded.lines.empty())
        encoded.lines.emplace_back();
    encoded.lines.back() += "~>";
    for (const std::string& line : encoded.lines)
        encoded.length += line.size() + 1;
    return encoded;
}

} // namespace

const PdfWriter::Resource* PdfWriter::find(const std::vector<Resource>& list,
                                           std::string_view name) const {
    const auto it =
        std::find_if(list.begin(), list.end(), [&](const Resource& r) { return r.name == name; });
    return it == list.end() ? nullptr : &*it;
}

// Whether a new object may be written now under this name (unique among the names it shares a
// dictionary with).
bool PdfWriter::acceptNewResource(std::string_view name, const std::vector<Resource>& namespace1,
                                  const std::vector<Resource>& namespace2) {
    const std::string quoted = "\"" + std::string(name) + "\"";
    if (!open_)
        return refuse("Nessun file PDF aperto: " + quoted + " non caricato.");
    if (stream_ != Stream::None)
        return refuse(quoted + " non può essere caricato mentre una pagina è aperta.");
    if (!isPdfName(name))
        return refuse("Nome non valido per il file PDF: " + quoted + ".");
    if (find(namespace1, name) || find(namespace2, name))
        return refuse("Nome già usato nel file PDF: " + quoted + ".");
    return true;
}

// --- Fonts ---------------------------------------------------------------------------------

bool PdfWriter::LoadFontStandard(std::string_view fontName, std::string_view baseFont, int style) {
    if (!acceptNewResource(fontName, fonts_, {}))
        return false;
    const std::string base = withoutBlanks(baseFont) + styleSuffix(style);
    const int object = beginObject();
    writeLine("<< /Type /Font");
    writeLine("/Subtype /Type1");
    writeLine("/Name /" + std::string(fontName));
    writeLine("/BaseFont /" + base);
    const FontMetrics* metrics = findFontMetrics(baseFont, style);
    writeLine(metrics && isSymbolic(*metrics)
                  ? ">>"
                  : "/Encoding " + std::to_string(encodingObject) + " 0 R >>");
    endObject();
    fonts_.push_back({std::string(fontName), object, metrics, {}});
    return !failed_;
}

bool PdfWriter::LoadFont(std::string_view fontName, std::string_view font, int style) {
    const FontMetrics* metrics = findFontMetrics(font, style);
    if (metrics == nullptr)
        return refuse("Carattere non disponibile per il file PDF: \"" + std::string(font) + "\".");
    if (!acceptNewResource(fontName, fonts_, {}))
        return false;

    const int object = beginObject();
    const std::string base(metrics->baseFont);
    writeLine("<< /Type /Font");
    writeLine("/Subtype /" + std::string(metrics->subtype));
    writeLine("/Name /" + std::string(fontName));
    writeLine("/BaseFont /" + base);
    writeLine("/FirstChar " + std::to_string(metrics->firstChar));
    writeLine("/LastChar " + std::to_string(metrics->lastChar));
    writeLine("/FontDescriptor " + std::to_string(object + 1) + " 0 R");
    if (!isSymbolic(*metrics))
        writeLine("/Encoding " + std::to_string(encodingObject) + " 0 R");
    writeLine("/Widths [");
    std::string line;
    for (std::size_t i = 0; i < metrics->widths.size(); ++i) {
        line += std::to_string(metrics->widths[i]) + " ";
        if (i % 16 == 15 || i + 1 == metrics->widths.size()) {
            writeLine(line);
            line.clear();
        }
    }
    writeLine("] >>");
    endObject();

    beginObject(object + 1);
    writeLine("<<");
    writeLine("/Type /FontDescriptor");
    writeLine("/FontName /" + base);
    const auto entry = [&](const char* key, int value) {
        writeLine(std::string("/") + key + " " + std::to_string(value));
    };
    entry("Flags", metrics->flags);
    writeLine("/FontBBox " + std::string(metrics->fontBBox));
    entry("MissingWidth", metrics->missingWidth);
    entry("StemV", metrics->stemV);
    entry("StemH", metrics->stemH);
    entry("ItalicAngle", metrics->italicAngle);
    entry("CapHeight", metrics->capHeight);
    entry("XHeight", metrics->xHeight);
    entry("Ascent", metrics->ascent);
    entry("Descent", metrics->descent);
    entry("Leading", metrics->leading);
    entry("MaxWidth", metrics->maxWidth);
    entry("AvgWidth", metrics->avgWidth);
    writeLine(">>");
    endObject();

    fonts_.push_back({std::string(fontName), object, metrics, {}});
    return !failed_;
}

// --- Images --------------------------------------------------------------------------------

pdf::BmpReading PdfWriter::LeggeBMP(const std::string& path) const {
    return pdf::readBmpFile(path);
}

bool PdfWriter::LoadImgFromBMPFile(std::string_view imageName, const std::string& path) {
    if (!acceptNewResource(imageName, images_, forms_))
        return false;
    const pdf::BmpReading reading = LeggeBMP(path);
    if (!reading.image)
        return refuse(reading.error);
    return writeImage(imageName, *reading.image);
}

bool PdfWriter::LoadImgFromBuffer(std::string_view imageName,
                                  std::span<const std::uint8_t> bmpBytes) {
    if (!acceptNewResource(imageName, images_, forms_))
        return false;
    const pdf::BmpReading reading = pdf::readBmp(bmpBytes);
    if (!reading.image)
        return refuse(reading.error);
    return writeImage(imageName, *reading.image);
}

void PdfWriter::writeAscii85Stream(std::span<const std::uint8_t> bytes,
                                   const std::vector<std::string>& dictionary) {
    const EncodedLines encoded = encodeLines(bytes);
    for (const std::string& line : dictionary)
        writeLine(line);
    writeLine("/Filter /ASCII85Decode");
    writeLine("/Length " + std::to_string(encoded.length));
    writeLine(">>");
    writeRaw("stream\r\n");
    for (const std::string& line : encoded.lines)
        writeLine(line);
    writeLine("endstream");
}

bool PdfWriter::writeImage(std::string_view name, const pdf::RasterImage& image) {
    const bool indexed = image.colours == pdf::RasterImage::Colours::Indexed;
    const int object = beginObject();
    const std::size_t colours = image.palette.size() / 3;
    const std::string colourSpace = indexed
                                        ? "[/Indexed /DeviceRGB " + std::to_string(colours - 1) +
                                              " " + std::to_string(object + 1) + " 0 R]"
                                        : "/DeviceRGB";
    writeAscii85Stream(image.rows,
                       {"<<", "/Type /XObject", "/Subtype /Image", "/Name /" + std::string(name),
                        "/Width " + std::to_string(image.width),
                        "/Height " + std::to_string(image.height),
                        "/BitsPerComponent " + std::to_string(image.bitsPerComponent),
                        "/ColorSpace " + colourSpace});
    endObject();
    if (indexed) {
        // The palette: colours × (red, green, blue) bytes.
        beginObject(object + 1);
        writeAscii85Stream(image.palette, {"<<"});
        endObject();
    }
    images_.push_back({std::string(name), object, nullptr, {}});
    return !failed_;
}

// --- Form objects --------------------------------------------------------------------------

bool PdfWriter::StartObject(std::string_view objectName, std::string_view options) {
    if (!acceptNewResource(objectName, images_, forms_))
        return false;
    constexpr int d = pdf::coordinateDecimals;
    const int object = beginObject();
    writeLine("<<");
    writeLine("/Type /XObject");
    writeLine("/Subtype /Form");
    writeLine("/FormType 1");
    writeLine("/Name /" + std::string(objectName));
    writeLine("/BBox [0 0 " + pdf::number(paperWidth_, d) + " " + pdf::number(paperHeight_, d) +
              "]");
    writeLine("/Matrix [1 0 0 1 0 0]");
    writeLine("/Resources " + std::to_string(resourcesObject) + " 0 R");
    writeLine("/Length " + std::to_string(object + 1) + " 0 R >>");
    beginStream();
    stream_ = Stream::Form;
    streamObject_ = object;
    pathOpen_ = false;
    penX_ = 0;
    penY_ = 0;
    forms_.push_back({std::string(objectName), object, nullptr, std::string(options)});
    return !failed_;
}

void PdfWriter::EndObject() {
    if (stream_ == Stream::Form)
        endStream();
}

} // namespace orvanta
