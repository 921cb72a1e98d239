#include "bmp_writer.h"

#include <cerrno>
#include <cstring>
#include <fstream>

namespace orvanta {

namespace {

constexpr std::uint32_t fileHeaderBytes = 14;
constexpr std::uint32_t infoHeaderBytes = 40;
constexpr std::uint32_t pixelsPerMetre = 3780; // 96 dpi

void put16(std::vector<std::uint8_t>& out, std::uint32_t value) {
    out.push_back(static_cast<std::uint8_t>(value & 0xFF));
    out.push_back(static_cast<std::uint8_t>((value >> 8) & 0xFF));
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    put16(out, value & 0xFFFF);
    put16(out, value >> 16);
}

} // namespace

std::vector<std::uint8_t> encodeBmp24(int width, int height, std::span<const std::uint8_t> rgb) {
    const auto w = static_cast<std::uint32_t>(width);
    const auto h = static_cast<std::uint32_t>(height);
    const std::uint32_t rowBytes = (w * 3 + 3) / 4 * 4;
    const std::uint32_t pixelBytes = rowBytes * h;

    std::vector<std::uint8_t> out;
    out.reserve(fileHeaderBytes + infoHeaderBytes + pixelBytes);
    out.push_back('B');
    out.push_back('M');
    put32(out, fileHeaderBytes + infoHeaderBytes + pixelBytes);
    put32(out, 0); // reserved
    put32(out, fileHeaderBytes + infoHeaderBytes);
    put32(out, infoHeaderBytes);
    put32(out, w);
    put32(out, h); // positive: bottom-up
    put16(out, 1); // planes
    put16(out, 24);
    put32(out, 0); // BI_RGB
    put32(out, pixelBytes);
    put32(out, pixelsPerMetre);
    put32(out, pixelsPerMetre);
    put32(out, 0); // colours used
    put32(out, 0); // important colours

    for (std::uint32_t row = h; row-- > 0;) {
        const std::uint8_t* pixel = rgb.data() + static_cast<std::size_t>(row) * w * 3;
        for (std::uint32_t x = 0; x < w; ++x, pixel += 3) {
            out.push_back(pixel[2]);
            out.push_back(pixel[1]);
            out.push_back(pixel[0]);
        }
        for (std::uint32_t pad = w * 3; pad < rowBytes; ++pad)
            out.push_back(0);
    }
    return out;
}

std::string writeFileBytes(const std::filesystem::path& path, std::span<const std::uint8_t> bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (!file)
        return "impossibile creare il file (" + std::string(std::strerror(errno)) + ")";
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    file.close();
    if (!file)
        return "scrittura del file non riuscita (" + std::string(std::strerror(errno)) + ")";
    return {};
}

} // namespace orvanta
