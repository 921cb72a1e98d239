#include "bmp_reader.h"

#include <algorithm>
#include <array>
#include <bit>
#include <fstream>

namespace orvanta::pdf {

namespace {

constexpr std::size_t fileHeaderBytes = 14;
constexpr std::size_t coreHeaderBytes = 12;
constexpr std::size_t infoHeaderBytes = 40;
constexpr std::uint32_t biRgb = 0;
constexpr std::uint32_t biBitfields = 3;

const char* const notABitmap = "Il file non è un'immagine BMP.";
const char* const truncated = "Il file BMP è troncato.";

BmpReading refuse(std::string message) {
    return {std::nullopt, std::move(message)};
}

// Little-endian reads from a span whose length has been checked by the caller.
std::uint16_t u16(std::span<const std::uint8_t> b, std::size_t at) {
    return static_cast<std::uint16_t>(b[at] | (b[at + 1] << 8));
}
std::uint32_t u32(std::span<const std::uint8_t> b, std::size_t at) {
    return std::uint32_t{b[at]} | (std::uint32_t{b[at + 1]} << 8) |
           (std::uint32_t{b[at + 2]} << 16) | (std::uint32_t{b[at + 3]} << 24);
}
std::int32_t i32(std::span<const std::uint8_t> b, std::size_t at) {
    return static_cast<std::int32_t>(u32(b, at));
}

// What the headers say.
struct BmpLayout {
    std::int64_t width = 0;
    std::int64_t height = 0; // always positive here
    bool topDown = false;
    int bits = 0;
    std::uint32_t compression = biRgb;
    std::size_t paletteStart = 0;
    std::size_t paletteEntryBytes = 4;
    std::uint32_t colourCount = 0;        // palette entries the file declares (0: all)
    std::array<std::uint32_t, 3> masks{}; // red, green, blue for 16 and 32 bits
    std::uint64_t pixelStart = 0;
};

// One colour channel of a masked pixel, scaled to 0..255.
std::uint8_t channel(std::uint32_t pixel, std::uint32_t mask) {
    if (mask == 0)
        return 0;
    const int shift = std::countr_zero(mask);
    const std::uint64_t maximum = std::uint64_t{mask} >> shift;
    const std::uint64_t value = (std::uint64_t{pixel} & mask) >> shift;
    return static_cast<std::uint8_t>(std::min<std::uint64_t>(255, value * 255 / maximum));
}

std::optional<std::string> readLayout(std::span<const std::uint8_t> file, BmpLayout& layout) {
    if (file.size() < fileHeaderBytes + 4 || file[0] != 'B' || file[1] != 'M')
        return notABitmap;
    const std::uint32_t headerBytes = u32(file, fileHeaderBytes);
    const bool core = headerBytes == coreHeaderBytes;
    if (!core && headerBytes != 40 && headerBytes != 52 && headerBytes != 56 &&
        headerBytes != 108 && headerBytes != 124)
        return "Intestazione BMP non riconosciuta.";
    if (file.size() < fileHeaderBytes + headerBytes)
        return truncated;

    const std::size_t h = fileHeaderBytes;
    int planes = 0;
    if (core) {
        layout.width = u16(file, h + 4);
        layout.height = u16(file, h + 6);
        planes = u16(file, h + 8);
        layout.bits = u16(file, h + 10);
        layout.paletteEntryBytes = 3;
    } else {
        layout.width = i32(file, h + 4);
        layout.height = i32(file, h + 8);
        planes = u16(file, h + 12);
        layout.bits = u16(file, h + 14);
        layout.compression = u32(file, h + 16);
        layout.colourCount = u32(file, h + 32);
    }
    if (layout.height < 0) {
        layout.topDown = true;
        layout.height = -layout.height;
    }
    if (planes != 1 || layout.width <= 0 || layout.height <= 0 || layout.width > maxBmpSide ||
        layout.height > maxBmpSide)
        return "Dimensioni dell'immagine BMP non valide.";
    const int bits = layout.bits;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)
        return "Profondità di colore BMP non supportata: " + std::to_string(bits) + " bit.";
    const bool masked = layout.compression == biBitfields && (bits == 16 || bits == 32);
    if (layout.compression != biRgb && !masked)
        return "Immagine BMP compressa: sono accettate solo bitmap non compresse.";

    std::size_t afterHeader = h + headerBytes;
    if (masked) {
        // The masks follow a 40-byte header and lie inside the longer ones.
        const std::size_t maskStart = h + infoHeaderBytes;
        if (headerBytes == infoHeaderBytes)
            afterHeader += 12;
        if (file.size() < maskStart + 12)
            return truncated;
        layout.masks = {u32(file, maskStart), u32(file, maskStart + 4), u32(file, maskStart + 8)};
    } else if (bits == 16) {
        layout.masks = {0x7C00, 0x03E0, 0x001F}; // 5-5-5
    }
    layout.paletteStart = afterHeader;
    layout.pixelStart = u32(file, 10);
    if (layout.pixelStart < afterHeader || layout.pixelStart > file.size())
        return "Posizione dei dati BMP non valida.";
    return std::nullopt;
}

std::vector<std::uint8_t> readPalette(std::span<const std::uint8_t> file, const BmpLayout& l,
                                      std::string& error) {
    // As many colours as declared (all of them when 0), but never more than the bits can
    // index nor than fit before the pixels: old OS/2 files and some writers store fewer.
    const std::size_t full = std::size_t{1} << l.bits;
    const std::size_t room = (l.pixelStart - l.paletteStart) / l.paletteEntryBytes;
    const std::size_t declared =
        std::min({l.colourCount == 0 ? full : std::size_t{l.colourCount}, full, room});
    if (l.paletteStart + declared * l.paletteEntryBytes > file.size()) {
        error = truncated;
        return {};
    }
    std::vector<std::uint8_t> palette(full * 3, 0);
    for (std::size_t k = 0; k < declared; ++k) {
        const std::size_t at = l.paletteStart + k * l.paletteEntryBytes; // blue, green, red
        palette[3 * k] = file[at + 2];
        palette[3 * k + 1] = file[at + 1];
        palette[3 * k + 2] = file[at];
    }
    return palette;
}

// Converts one stored row of a 16, 24 or 32-bit picture to RGB.
void appendRgbRow(std::span<const std::uint8_t> row, const BmpLayout& l,
                  std::vector<std::uint8_t>& out) {
    const auto width = static_cast<std::size_t>(l.width);
    for (std::size_t x = 0; x < width; ++x) {
        if (l.bits == 24 || (l.bits == 32 && l.compression == biRgb)) {
            const std::size_t at = x * static_cast<std::size_t>(l.bits / 8);
            out.insert(out.end(), {row[at + 2], row[at + 1], row[at]});
        } else {
            const std::uint32_t pixel =
                l.bits == 16 ? std::uint32_t{u16(row, 2 * x)} : u32(row, 4 * x);
            out.insert(out.end(), {channel(pixel, l.masks[0]), channel(pixel, l.masks[1]),
                                   channel(pixel, l.masks[2])});
        }
    }
}

} // namespace

int RasterImage::bytesPerRow() const {
    const int bitsPerPixel = colours == Colours::Rgb ? 3 * bitsPerComponent : bitsPerComponent;
    return (width * bitsPerPixel + 7) / 8;
}

BmpReading readBmp(std::span<const std::uint8_t> file) {
    BmpLayout layout;
    if (auto error = readLayout(file, layout))
        return refuse(*error);

    // Stored rows are padded to four bytes.
    const std::uint64_t stride =
        (static_cast<std::uint64_t>(layout.width) * layout.bits + 31) / 32 * 4;
    const auto height = static_cast<std::uint64_t>(layout.height);
    if (stride * height > file.size() - layout.pixelStart)
        return refuse(truncated);

    RasterImage image;
    image.width = static_cast<int>(layout.width);
    image.height = static_cast<int>(layout.height);
    if (layout.bits <= 8) {
        image.colours = RasterImage::Colours::Indexed;
        image.bitsPerComponent = layout.bits;
        std::string error;
        image.palette = readPalette(file, layout, error);
        if (!error.empty())
            return refuse(error);
    }
    const auto rowBytes = static_cast<std::size_t>(image.bytesPerRow());
    image.rows.reserve(rowBytes * height);
    for (std::uint64_t r = 0; r < height; ++r) {
        // Bottom row first: a top-down file stores it last.
        const std::uint64_t stored = layout.topDown ? height - 1 - r : r;
        const auto row = file.subspan(static_cast<std::size_t>(layout.pixelStart + stored * stride),
                                      static_cast<std::size_t>(stride));
        if (layout.bits <= 8)
            image.rows.insert(image.rows.end(), row.begin(),
                              row.begin() + static_cast<std::ptrdiff_t>(rowBytes));
        else
            appendRgbRow(row, layout, image.rows);
    }
    return {std::move(image), {}};
}

BmpReading readBmpFile(const std::filesystem::path& path) {
    const std::string cannotRead = "Impossibile leggere il file " + path.string() + ".";
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error)
        return refuse(cannotRead);
    if (size > maxBmpFileBytes)
        return refuse("Il file BMP " + path.string() + " è troppo grande.");
    std::ifstream in(path, std::ios::binary);
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    if (!in || !in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(size)))
        return refuse(cannotRead);
    BmpReading reading = readBmp(bytes);
    if (!reading.image)
        reading.error = path.string() + ": " + reading.error;
    return reading;
}

} // namespace orvanta::pdf
