// PdfWriter: properties, the file's objects, pages, cross-reference table and errors.

#include "pdf_writer.h"

#include "pdf_number.h"
#include "pdf_text.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <ctime>
#include <filesystem>
#include <random>

namespace orvanta {

namespace {

// Points per unit of each ScaleMode: points, inches, millimetres, centimetres.
constexpr std::array<double, 4> pointsPerUnit = {1.0, 72.0, 72.0 / 25.4, 72.0 / 2.54};

struct Paper {
    double width;
    double height;
};
constexpr std::array<Paper, 4> papers = {{{595.2, 842}, {842, 1190.5}, {612, 792}, {612, 864}}};

constexpr const char* producer = "Orvanta PdfWriter";

std::tm localTime(std::time_t when) {
    std::tm local{};
    localtime_r(&when, &local);
    return local;
}

// "D:yyyymmddhhmmss+hh'mm'" for now, with the local offset from UTC.
// A text string of the information dictionary: PDFDocEncoding, escaped.
std::string infoString(std::string_view utf8) {
    return pdf::escapeString(pdf::toPdfDocEncoding(utf8));
}

std::string creationDate() {
    const std::tm now = localTime(std::time(nullptr));
    std::array<char, 32> stamp{};
    std::array<char, 8> zone{};
    std::strftime(stamp.data(), stamp.size(), "%Y%m%d%H%M%S", &now);
    std::strftime(zone.data(), zone.size(), "%z", &now); // "+0100"
    std::string offset = zone.data();
    if (offset.size() != 5)
        offset = "+0000";
    return "D:" + std::string(stamp.data()) + offset.substr(0, 3) + "'" + offset.substr(3) + "'";
}

// "~" + hexadecimal of a random digit followed by the day of the month and the time as
// "dhhmmss", + ".pdf": on the 5th at 14:30:22 with digit 7, 75143022 → "~47A976E.pdf".
std::string temporaryFileName() {
    const std::tm now = localTime(std::time(nullptr));
    std::random_device seed;
    std::mt19937 random(seed());
    const long long digit = std::uniform_int_distribution<int>(0, 9)(random);
    std::array<char, 16> time{};
    std::strftime(time.data(), time.size(), "%H%M%S", &now);
    const long long value =
        std::stoll(std::to_string(digit) + std::to_string(now.tm_mday) + time.data());
    std::array<char, 24> hex{};
    const auto end = std::to_chars(hex.data(), hex.data() + hex.size(), value, 16).ptr;
    std::string name(hex.data(), end);
    for (char& c : name)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return "~" + name + ".pdf";
}

// A ten-digit offset and the rest of a 20-byte cross-reference entry.
std::string crossReferenceEntry(std::int64_t offset) {
    if (offset < 0)
        return "0000000000 65535 f\r\n";
    std::string digits = std::to_string(offset);
    return std::string(digits.size() < 10 ? 10 - digits.size() : 0, '0') + digits + " 00000 n\r\n";
}

} // namespace

// --- Properties ----------------------------------------------------------------------------

double PdfWriter::toPoints(double value) const {
    return value * pointsPerUnit[static_cast<std::size_t>(scaleMode_)];
}

double PdfWriter::fromPoints(double points) const {
    return points / pointsPerUnit[static_cast<std::size_t>(scaleMode_)];
}

std::string PdfWriter::coordinate(double value) const {
    return pdf::number(toPoints(value), pdf::coordinateDecimals);
}

void PdfWriter::SetMargin(double value) {
    margin_ = toPoints(value);
}
double PdfWriter::Margin() const {
    return fromPoints(margin_);
}
void PdfWriter::SetPaperWidth(double value) {
    paperWidth_ = toPoints(value);
}
void PdfWriter::SetPaperHeight(double value) {
    paperHeight_ = toPoints(value);
}
double PdfWriter::PaperWidth() const {
    return fromPoints(paperWidth_);
}
double PdfWriter::PaperHeight() const {
    return fromPoints(paperHeight_);
}

void PdfWriter::SetScaleMode(int mode) {
    if (mode >= 0 && mode < static_cast<int>(pointsPerUnit.size()))
        scaleMode_ = mode;
}

void PdfWriter::SetPaperSize(int size) {
    if (size < 0 || size >= static_cast<int>(papers.size()))
        return;
    paperSize_ = size;
    paperWidth_ = papers[static_cast<std::size_t>(size)].width;
    paperHeight_ = papers[static_cast<std::size_t>(size)].height;
}

void PdfWriter::SetOrientation(int orientation) {
    orientation_ = orientation;
}

void PdfWriter::SetTitle(std::string_view title) {
    title_ = title;
}

void PdfWriter::SetAuthor(std::string_view author) {
    author_ = author;
}

void PdfWriter::SetCreator(std::string_view creator) {
    creator_ = creator;
}

// --- Output --------------------------------------------------------------------------------

void PdfWriter::writeRaw(std::string_view bytes) {
    if (!open_ || !file_)
        return;
    file_.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    position_ += bytes.size();
    if (!file_)
        fail("Errore di scrittura nel file PDF " + fileName_ + ".");
}

void PdfWriter::writeLine(std::string_view line) {
    writeRaw(line);
    writeRaw("\r");
}

int PdfWriter::beginObject(int number) {
    if (number == 0)
        number = objectCount_ + 1;
    objectCount_ = std::max(objectCount_, number);
    offsets_.resize(static_cast<std::size_t>(objectCount_) + 1, -1);
    offsets_[static_cast<std::size_t>(number)] = static_cast<std::int64_t>(position_);
    writeLine(std::to_string(number) + " 0 obj");
    return number;
}

void PdfWriter::endObject() {
    writeRaw("endobj\r\n");
}

// The keyword is followed by CR LF: a CR alone would leave readers unsure where the data starts.
void PdfWriter::beginStream() {
    writeRaw("stream\r\n");
    streamStart_ = position_;
}

// Ends the open content stream and writes its length as the next object.
void PdfWriter::endStream() {
    strokePendingPath();
    const std::uint64_t length = position_ - streamStart_;
    writeLine("endstream");
    endObject();
    beginObject(streamObject_ + 1);
    writeLine(std::to_string(length));
    endObject();
    stream_ = Stream::None;
}

void PdfWriter::writeHeaderObjects() {
    writeLine("%PDF-1.3");

    beginObject(1);
    writeLine("<<");
    writeLine("/Title (" + infoString(title_) + ")");
    writeLine("/Author (" + infoString(author_) + ")");
    writeLine("/Creator  (" + infoString(creator_) + ")");
    writeLine(std::string("/Producer (") + producer + ")");
    writeLine("/CreationDate (" + creationDate() + ")");
    writeLine(">>");
    endObject();

    beginObject(2);
    writeLine("<<");
    writeLine("/Type /Catalog");
    writeLine("/Pages " + std::to_string(pageTreeObject) + " 0 R");
    writeLine("/PageLayout /OneColumn");
    writeLine("/PageMode /UseNone");
    writeLine("/Lang (it) ");
    writeLine(
        "/ViewerPreferences << /HideToolbar false /DisplayDocTitle true /HideWindowUI false >>");
    writeLine(">>");
    endObject();

    beginObject(encodingObject);
    writeLine("<<");
    writeLine("/Type /Encoding");
    writeLine("/BaseEncoding /WinAnsiEncoding");
    writeLine(">>");
    endObject();

    // The page tree and the resources are written at close under their reserved numbers.
    objectCount_ = resourcesObject;
    offsets_.resize(static_cast<std::size_t>(objectCount_) + 1, -1);
}

void PdfWriter::writeResources() {
    beginObject(resourcesObject);
    writeLine("<<");
    if (!fonts_.empty()) {
        writeLine("/Font <<");
        for (const Resource& font : fonts_)
            writeLine("/" + font.name + " " + std::to_string(font.object) + " 0 R ");
        writeLine(">>");
    }
    writeLine(std::string("/ProcSet [/PDF /Text") +
              (images_.empty() ? "" : " /ImageB /ImageC /ImageI") + " ]");
    if (!images_.empty() || !forms_.empty()) {
        writeLine("/XObject <<");
        for (const Resource& image : images_)
            writeLine("/" + image.name + " " + std::to_string(image.object) + " 0 R ");
        for (const Resource& form : forms_)
            writeLine("/" + form.name + " " + std::to_string(form.object) + " 0 R ");
        writeLine(">>");
    }
    writeLine(">>");
    endObject();
}

void PdfWriter::writePageTree() {
    using pdf::number;
    constexpr int d = pdf::coordinateDecimals;
    beginObject(pageTreeObject);
    writeLine("<<");
    writeLine("/Type /Pages");
    writeLine("/Count " + std::to_string(pages_));
    writeLine("/MediaBox [0 0 " + number(paperWidth_, d) + " " + number(paperHeight_, d) + "]");
    writeLine("/CropBox [" + number(margin_, d) + " " + number(margin_, d) + " " +
              number(paperWidth_ - margin_, d) + " " + number(paperHeight_ - margin_, d) + "]");
    if (orientation_ == 2)
        writeLine("/Rotate 90");
    writeLine("/Kids [" + kids_ + " ]");
    writeLine("/Resources " + std::to_string(resourcesObject) + " 0 R");
    writeLine(">>");
    endObject();
}

void PdfWriter::writeCrossReference() {
    const std::uint64_t start = position_;
    writeLine("xref");
    writeLine("0 " + std::to_string(objectCount_ + 1));
    writeRaw("0000000000 65535 f\r\n");
    for (int n = 1; n <= objectCount_; ++n)
        writeRaw(crossReferenceEntry(offsets_[static_cast<std::size_t>(n)]));
    writeLine("trailer");
    writeLine("<<");
    writeLine("/Size " + std::to_string(objectCount_ + 1));
    writeLine("/Info 1 0 R");
    writeLine("/Root 2 0 R");
    writeLine(">>");
    writeLine("startxref");
    writeLine(std::to_string(start));
    writeLine("%%EOF");
}

// --- File and pages ------------------------------------------------------------------------

bool PdfWriter::InitPDFFile(std::string& fileName) {
    if (open_) {
        file_.close();
        open_ = false;
    }
    objectCount_ = 0;
    offsets_.clear();
    pages_ = 0;
    kids_.clear();
    fonts_.clear();
    images_.clear();
    forms_.clear();
    stream_ = Stream::None;
    pathOpen_ = false;
    position_ = 0;
    failed_ = false;
    errorMessage_.clear();

    if (fileName.empty()) {
        std::error_code error;
        const std::filesystem::path folder = std::filesystem::temp_directory_path(error);
        if (error) {
            fail("Cartella temporanea non disponibile per il file PDF.");
            return false;
        }
        fileName = (folder / temporaryFileName()).string();
    }
    fileName_ = fileName;
    file_.clear();
    file_.open(fileName_, std::ios::binary | std::ios::out | std::ios::trunc);
    if (!file_) {
        fail("Impossibile creare il file PDF " + fileName_ + ".");
        return false;
    }
    open_ = true;
    writeHeaderObjects();
    return !failed_;
}

bool PdfWriter::ClosePDFFile() {
    if (!open_) {
        errorMessage_ = "Nessun file PDF aperto.";
        return false;
    }
    if (stream_ != Stream::None)
        endStream();
    writeResources();
    writePageTree();
    writeCrossReference();
    file_.close();
    open_ = false;
    if (!file_)
        fail("Errore di scrittura nel file PDF " + fileName_ + ".");
    return !failed_;
}

int PdfWriter::StartPage() {
    if (!open_) {
        fail("Nessun file PDF aperto: la pagina non può essere iniziata.");
        return 0;
    }
    if (stream_ != Stream::None)
        endStream();
    ++pages_;
    const int page = beginObject();
    writeLine("<<");
    writeLine("/Type /Page");
    writeLine("/Parent " + std::to_string(pageTreeObject) + " 0 R");
    writeLine("/Contents " + std::to_string(page + 1) + " 0 R");
    writeLine(">>");
    endObject();
    kids_ += std::to_string(page) + " 0 R ";

    streamObject_ = beginObject();
    writeLine("<< /Length " + std::to_string(streamObject_ + 1) + " 0 R >>");
    beginStream();
    stream_ = Stream::Page;
    pathOpen_ = false;
    penX_ = 0;
    penY_ = 0;
    stampForms();
    wordSpacing_ = 0;
    charSpacing_ = 0;
    horizontalScaling_ = 100;
    return pages_;
}

void PdfWriter::EndPage() {
    if (stream_ == Stream::Page)
        endStream();
}

// --- Errors --------------------------------------------------------------------------------

void PdfWriter::fail(std::string message) {
    failed_ = true;
    errorMessage_ = std::move(message);
}

bool PdfWriter::refuse(std::string message) {
    errorMessage_ = std::move(message);
    return false;
}

} // namespace orvanta
