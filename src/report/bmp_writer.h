#pragma once

// Writing pictures as BMP files: uncompressed, 24 bits per pixel, the 40-byte Windows header,
// rows stored bottom-up and padded to a multiple of 4 bytes, each pixel as blue, green, red.
// Every program that reads bitmaps reads these, the PDF writer's reader among them.
//
// Worked size: an 800 × 667 picture has rows of 2400 bytes (already a multiple of 4), so the
// file is 14 + 40 + 2400·667 = 1 600 854 bytes.

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

namespace orvanta {

// The file's bytes for a picture given as RGB triplets, top row first (the order of an image in
// memory). `rgb` holds width·height·3 bytes; width and height are 1..32767.
std::vector<std::uint8_t> encodeBmp24(int width, int height, std::span<const std::uint8_t> rgb);

// Writes the bytes to the file, replacing it; the Italian reason when it cannot be written,
// empty when it was.
std::string writeFileBytes(const std::filesystem::path& path, std::span<const std::uint8_t> bytes);

} // namespace orvanta
