#pragma once

// BMP files built in memory for the tests: a picture given row by row from the top, written in
// the layout the options ask for.

#include <array>
#include <cstdint>
#include <vector>

namespace orvanta::testing {

struct BmpOptions {
    bool topDown = false;    // negative height: rows stored from the top
    bool coreHeader = false; // the 12-byte OS/2 header with 3-byte palette entries
    bool bitfields = false;  // BI_BITFIELDS, the masks after the 40-byte header
    std::array<std::uint32_t, 3> masks{};
};

// pixels: width × height values, row by row from the top. For 1, 4 and 8 bits they are palette
// indices; for 24 and 32 bits (without bitfields) colours 0xRRGGBB; for 16 bits and bitfields
// the raw pixel value. palette: colours 0xRRGGBB.
inline std::vector<std::uint8_t> makeBmp(int width, int height, int bits,
                                         const std::vector<std::uint32_t>& pixels,
                                         const std::vector<std::uint32_t>& palette = {},
                                         const BmpOptions& options = {}) {
    std::vector<std::uint8_t> out;
    const auto put = [&](std::uint32_t value, int bytes) {
        for (int k = 0; k < bytes; ++k)
            out.push_back(static_cast<std::uint8_t>(value >> (8 * k)));
    };
    const int headerBytes = options.coreHeader ? 12 : 40;
    const int maskBytes = options.bitfields ? 12 : 0;
    const int entryBytes = options.coreHeader ? 3 : 4;
    const int stride = (width * bits + 31) / 32 * 4;
    const int offset = 14 + headerBytes + maskBytes + static_cast<int>(palette.size()) * entryBytes;

    out.push_back('B');
    out.push_back('M');
    put(static_cast<std::uint32_t>(offset + stride * height), 4);
    put(0, 4);
    put(static_cast<std::uint32_t>(offset), 4);
    put(static_cast<std::uint32_t>(headerBytes), 4);
    if (options.coreHeader) {
        put(static_cast<std::uint32_t>(width), 2);
        put(static_cast<std::uint32_t>(height), 2);
        put(1, 2);
        put(static_cast<std::uint32_t>(bits), 2);
    } else {
        put(static_cast<std::uint32_t>(width), 4);
        put(static_cast<std::uint32_t>(options.topDown ? -height : height), 4);
        put(1, 2);
        put(static_cast<std::uint32_t>(bits), 2);
        put(options.bitfields ? 3 : 0, 4);
        put(static_cast<std::uint32_t>(stride * height), 4);
        put(2835, 4); // 72 dpi
        put(2835, 4);
        put(static_cast<std::uint32_t>(palette.size()), 4);
        put(0, 4);
    }
    if (options.bitfields) {
        for (const std::uint32_t mask : options.masks)
            put(mask, 4);
    }
    for (const std::uint32_t colour : palette)
        put(colour & 0xFFFFFF, entryBytes); // blue, green, red (, 0)

    for (int stored = 0; stored < height; ++stored) {
        const int y = options.topDown ? stored : height - 1 - stored;
        std::vector<std::uint8_t> row(static_cast<std::size_t>(stride), 0);
        for (int x = 0; x < width; ++x) {
            const std::uint32_t p = pixels[static_cast<std::size_t>(y * width + x)];
            const auto at = static_cast<std::size_t>(x * bits / 8);
            if (bits < 8) {
                const int shift = 8 - bits - (x * bits) % 8;
                row[at] = static_cast<std::uint8_t>(row[at] | (p << shift));
            } else {
                const bool colour = bits == 24 || (bits == 32 && !options.bitfields);
                const std::uint32_t stored32 = colour ? (p & 0xFFFFFF) : p; // BGR(X) order
                for (int k = 0; k < bits / 8; ++k)
                    row[at + static_cast<std::size_t>(k)] =
                        static_cast<std::uint8_t>(stored32 >> (8 * k));
            }
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}

} // namespace orvanta::testing
