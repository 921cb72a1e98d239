// Reading BMP files: every accepted layout gives the same image; damaged files are refused.

#include "bmp_builder.h"
#include "bmp_reader.h"
#include "test_paths.h"

#include <gtest/gtest.h>
#include <random>

namespace orvanta::pdf {
namespace {

using testing::BmpOptions;
using testing::makeBmp;

// A 3 × 2 picture, top row red green blue, bottom row white black grey.
const std::vector<std::uint32_t> colourPicture = {0xFF0000, 0x00FF00, 0x0000FF,
                                                  0xFFFFFF, 0x000000, 0x808080};
// Its stored rows: bottom row first, RGB.
const std::vector<std::uint8_t> colourRows = {255, 255, 255, 0, 0,   0, 128, 128, 128,
                                              255, 0,   0,   0, 255, 0, 0,   0,   255};

TEST(BmpReader, TrueColourBottomUpAndTopDownGiveTheSameRows) {
    for (const bool topDown : {false, true}) {
        const auto file = makeBmp(3, 2, 24, colourPicture, {}, {.topDown = topDown});
        const BmpReading reading = readBmp(file);
        ASSERT_TRUE(reading.image) << reading.error;
        EXPECT_EQ(reading.image->width, 3);
        EXPECT_EQ(reading.image->height, 2);
        EXPECT_EQ(reading.image->colours, RasterImage::Colours::Rgb);
        EXPECT_EQ(reading.image->bitsPerComponent, 8);
        EXPECT_EQ(reading.image->rows, colourRows) << "topDown " << topDown;
    }
}

TEST(BmpReader, SixteenAndThirtyTwoBitPixelsBecomeRgb) {
    const auto x32 = makeBmp(3, 2, 32, colourPicture);
    ASSERT_TRUE(readBmp(x32).image);
    EXPECT_EQ(readBmp(x32).image->rows, colourRows);

    BmpOptions masks888{.bitfields = true, .masks = {0x00FF0000, 0x0000FF00, 0x000000FF}};
    const auto bitfields32 = makeBmp(3, 2, 32, colourPicture, {}, masks888);
    ASSERT_TRUE(readBmp(bitfields32).image) << readBmp(bitfields32).error;
    EXPECT_EQ(readBmp(bitfields32).image->rows, colourRows);

    // 5-5-5 without masks: pure red, and a full white.
    const auto x555 = makeBmp(2, 1, 16, {0x7C00, 0x7FFF});
    ASSERT_TRUE(readBmp(x555).image);
    EXPECT_EQ(readBmp(x555).image->rows, (std::vector<std::uint8_t>{255, 0, 0, 255, 255, 255}));

    // 5-6-5 with masks: pure green, and half blue (15 of 31 → 123).
    BmpOptions masks565{.bitfields = true, .masks = {0xF800, 0x07E0, 0x001F}};
    const auto x565 = makeBmp(2, 1, 16, {0x07E0, 0x000F}, {}, masks565);
    ASSERT_TRUE(readBmp(x565).image);
    EXPECT_EQ(readBmp(x565).image->rows, (std::vector<std::uint8_t>{0, 255, 0, 0, 0, 123}));
}

TEST(BmpReader, PaletteImagesStayIndexedWithTheirPaletteFilledToFullSize) {
    const std::vector<std::uint32_t> palette = {0x102030, 0xFFFFFF, 0xFF0000};
    const auto file = makeBmp(3, 2, 8, {0, 1, 2, 2, 1, 0}, palette);
    const BmpReading reading = readBmp(file);
    ASSERT_TRUE(reading.image) << reading.error;
    const RasterImage& image = *reading.image;
    EXPECT_EQ(image.colours, RasterImage::Colours::Indexed);
    EXPECT_EQ(image.bitsPerComponent, 8);
    EXPECT_EQ(image.rows, (std::vector<std::uint8_t>{2, 1, 0, 0, 1, 2}));
    ASSERT_EQ(image.palette.size(), 256u * 3);
    EXPECT_EQ(std::vector<std::uint8_t>(image.palette.begin(), image.palette.begin() + 9),
              (std::vector<std::uint8_t>{0x10, 0x20, 0x30, 255, 255, 255, 255, 0, 0}));
    EXPECT_EQ(image.palette[9], 0); // beyond the file's three colours: black
}

TEST(BmpReader, OneAndFourBitRowsStayPackedFromTheHighBit) {
    // 10 pixels of 1 bit: 1000000001 → bytes 0x80 0x40, two bytes per row.
    const auto mono = makeBmp(10, 1, 1, {1, 0, 0, 0, 0, 0, 0, 0, 0, 1}, {0x000000, 0xFFFFFF});
    ASSERT_TRUE(readBmp(mono).image);
    EXPECT_EQ(readBmp(mono).image->bytesPerRow(), 2);
    EXPECT_EQ(readBmp(mono).image->rows, (std::vector<std::uint8_t>{0x80, 0x40}));
    EXPECT_EQ(readBmp(mono).image->palette.size(), 6u);

    const auto nibbles = makeBmp(3, 1, 4, {1, 15, 7}, std::vector<std::uint32_t>(16, 0x123456));
    ASSERT_TRUE(readBmp(nibbles).image);
    EXPECT_EQ(readBmp(nibbles).image->rows, (std::vector<std::uint8_t>{0x1F, 0x70}));
}

TEST(BmpReader, OldOs2HeaderWithThreeBytePaletteEntries) {
    const auto file = makeBmp(2, 2, 8, {0, 1, 1, 0}, {0x0000FF, 0x00FF00}, {.coreHeader = true});
    const BmpReading reading = readBmp(file);
    ASSERT_TRUE(reading.image) << reading.error;
    EXPECT_EQ(reading.image->rows, (std::vector<std::uint8_t>{1, 0, 0, 1}));
    EXPECT_EQ(std::vector<std::uint8_t>(reading.image->palette.begin(),
                                        reading.image->palette.begin() + 6),
              (std::vector<std::uint8_t>{0, 0, 255, 0, 255, 0}));
}

// Little-endian patches of a valid file.
void put32(std::vector<std::uint8_t>& file, std::size_t at, std::uint32_t value) {
    for (std::size_t k = 0; k < 4; ++k)
        file[at + k] = static_cast<std::uint8_t>(value >> (8 * k));
}

TEST(BmpReader, RefusesDamagedFilesWithAMessage) {
    const auto valid = makeBmp(3, 2, 24, colourPicture);
    const auto refused = [](std::vector<std::uint8_t> file) {
        const BmpReading reading = readBmp(file);
        EXPECT_FALSE(reading.image.has_value());
        return reading.error;
    };
    auto notBm = valid;
    notBm[0] = 'P';
    EXPECT_EQ(refused(notBm), "Il file non è un'immagine BMP.");
    EXPECT_EQ(refused({'B', 'M', 0, 0}), "Il file non è un'immagine BMP.");
    EXPECT_EQ(refused(std::vector<std::uint8_t>(valid.begin(), valid.begin() + 30)),
              "Il file BMP è troncato.");
    EXPECT_EQ(refused(std::vector<std::uint8_t>(valid.begin(), valid.end() - 1)),
              "Il file BMP è troncato.");

    auto header = valid;
    put32(header, 14, 64);
    EXPECT_EQ(refused(header), "Intestazione BMP non riconosciuta.");

    for (const std::uint32_t width : {0u, 40000u, 0xFFFFFFFFu}) {
        auto sized = valid;
        put32(sized, 18, width);
        EXPECT_EQ(refused(sized), "Dimensioni dell'immagine BMP non valide.") << width;
    }
    for (const std::uint32_t height : {0u, 0x80000000u, 0x7FFFFFFFu}) {
        auto sized = valid;
        put32(sized, 22, height);
        EXPECT_EQ(refused(sized), "Dimensioni dell'immagine BMP non valide.") << height;
    }
    auto twoBits = valid;
    twoBits[28] = 2;
    EXPECT_EQ(refused(twoBits), "Profondità di colore BMP non supportata: 2 bit.");
    auto rle = makeBmp(2, 2, 8, {0, 0, 0, 0}, {0});
    put32(rle, 30, 1);
    EXPECT_EQ(refused(rle), "Immagine BMP compressa: sono accettate solo bitmap non compresse.");
    for (const std::uint32_t offset : {10u, 0xFFFFFFF0u}) {
        auto misplaced = valid;
        put32(misplaced, 10, offset);
        EXPECT_EQ(refused(misplaced), "Posizione dei dati BMP non valida.") << offset;
    }
}

TEST(BmpReader, PaletteEndsWhereThePixelsBegin) {
    // Declares 200 colours, holds two before its pixels: the pixels are not read as colours.
    auto file = makeBmp(2, 1, 8, {1, 0}, {0x0000FF, 0xFF0000});
    put32(file, 46, 200);
    const BmpReading reading = readBmp(file);
    ASSERT_TRUE(reading.image) << reading.error;
    EXPECT_EQ(std::vector<std::uint8_t>(reading.image->palette.begin(),
                                        reading.image->palette.begin() + 9),
              (std::vector<std::uint8_t>{0, 0, 255, 255, 0, 0, 0, 0, 0}));
}

// Whatever a damaged file holds, reading it ends in an image that is whole or in a message.
void expectSoundReading(std::span<const std::uint8_t> file) {
    const BmpReading reading = readBmp(file);
    if (!reading.image) {
        EXPECT_FALSE(reading.error.empty());
        return;
    }
    const RasterImage& image = *reading.image;
    EXPECT_EQ(image.rows.size(), static_cast<std::size_t>(image.bytesPerRow()) *
                                     static_cast<std::size_t>(image.height));
    if (image.colours == RasterImage::Colours::Indexed) {
        EXPECT_EQ(image.palette.size(), 3u << image.bitsPerComponent);
    }
}

TEST(BmpReader, SurvivesEveryTruncationAndRandomByteDamage) {
    const std::vector<std::vector<std::uint8_t>> seeds = {
        makeBmp(5, 3, 8, {0, 1, 2, 3, 4, 4, 3, 2, 1, 0, 1, 1, 1, 1, 1},
                {0x000000, 0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF}),
        makeBmp(3, 2, 24, colourPicture, {}, {.topDown = true}),
        makeBmp(3, 2, 32, colourPicture, {},
                {.bitfields = true, .masks = {0xFF0000, 0xFF00, 0xFF}}),
        makeBmp(9, 2, 1, std::vector<std::uint32_t>(18, 1), {0, 0xFFFFFF}, {.coreHeader = true}),
    };
    std::mt19937 random(20240517);
    for (const auto& seed : seeds) {
        for (std::size_t length = 0; length < seed.size(); ++length) {
            const std::span<const std::uint8_t> cut(seed.data(), length);
            EXPECT_FALSE(readBmp(cut).image.has_value()) << "length " << length;
        }
        for (int trial = 0; trial < 3000; ++trial) {
            auto damaged = seed;
            const int flips = 1 + trial % 4;
            for (int k = 0; k < flips; ++k) {
                const std::size_t at = random() % damaged.size();
                damaged[at] = static_cast<std::uint8_t>(random());
            }
            expectSoundReading(damaged);
        }
    }
}

TEST(BmpReader, MissingFileIsReportedByName) {
    const auto folder = testing::outputFolder("bmp_missing");
    const BmpReading reading = readBmpFile(folder / "pianta.bmp");
    EXPECT_FALSE(reading.image.has_value());
    EXPECT_NE(reading.error.find("pianta.bmp"), std::string::npos) << reading.error;
}

} // namespace
} // namespace orvanta::pdf
