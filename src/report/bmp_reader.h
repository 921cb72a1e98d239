#pragma once

// Reading BMP pictures into images for the PDF file.
//
// Accepted: uncompressed bitmaps (BI_RGB) of 1, 4, 8, 16, 24 and 32 bits per pixel, 16 and
// 32-bit bitmaps with colour masks (BI_BITFIELDS), with the Windows headers of 40 to 124 bytes
// or the old 12-byte OS/2 header, rows stored bottom-up (positive height) or top-down
// (negative height). Pictures of 1, 4 and 8 bits keep their palette and become indexed images;
// the others become 8-bit RGB. Compressed bitmaps (RLE, JPEG, PNG) are refused.
//
// Every size and offset of the file is checked against its length before a byte is read, so a
// damaged or hostile file is refused with a message, never read out of bounds.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace orvanta::pdf {

// An image as the PDF file stores it.
struct RasterImage {
    enum class Colours { Rgb, Indexed };

    int width = 0;  // pixels
    int height = 0; // pixels
    int bitsPerComponent = 8;
    Colours colours = Colours::Rgb;
    // RGB triplets of an indexed image, 2^bitsPerComponent of them: entries beyond the file's
    // own palette are black, so every index a pixel can hold has a colour.
    std::vector<std::uint8_t> palette;
    // The rows, bottom row first (the order of an ordinary BMP file), each of bytesPerRow()
    // bytes, pixels packed from the most significant bit.
    std::vector<std::uint8_t> rows;

    int bytesPerRow() const;
    bool operator==(const RasterImage&) const = default;
};

// An image, or the reason there is none (Italian, ready to show).
struct BmpReading {
    std::optional<RasterImage> image;
    std::string error;
};

// Pictures wider or taller than this many pixels are refused.
inline constexpr int maxBmpSide = 32767;
// Files longer than this are refused before they are read.
inline constexpr std::uintmax_t maxBmpFileBytes = 256u * 1024u * 1024u;

BmpReading readBmp(std::span<const std::uint8_t> file);
BmpReading readBmpFile(const std::filesystem::path& path);

} // namespace orvanta::pdf
