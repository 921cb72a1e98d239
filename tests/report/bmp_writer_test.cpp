// Writing BMP files: what the writer produces, the reader takes back pixel for pixel.

#include "bmp_reader.h"
#include "bmp_writer.h"
#include "test_paths.h"

#include <gtest/gtest.h>

namespace orvanta {
namespace {

TEST(BmpWriter, TheReaderGivesBackEveryPixelWhateverTheRowPadding) {
    // Widths 1..5 cover every padding of a 24-bit row (3, 6, 9, 12, 15 bytes).
    for (int width = 1; width <= 5; ++width) {
        const int height = 3;
        std::vector<std::uint8_t> rgb;
        for (int i = 0; i < width * height; ++i)
            rgb.insert(rgb.end(), {std::uint8_t(i * 7), std::uint8_t(255 - i), std::uint8_t(i)});
        const std::vector<std::uint8_t> file = encodeBmp24(width, height, rgb);
        const int rowBytes = (width * 3 + 3) / 4 * 4;
        ASSERT_EQ(file.size(), std::size_t(54 + rowBytes * height));

        const pdf::BmpReading reading = pdf::readBmp(file);
        ASSERT_TRUE(reading.image) << reading.error;
        EXPECT_EQ(reading.image->width, width);
        EXPECT_EQ(reading.image->height, height);
        EXPECT_EQ(reading.image->colours, pdf::RasterImage::Colours::Rgb);
        // The reader keeps the rows bottom row first.
        std::vector<std::uint8_t> bottomUp;
        for (int row = height - 1; row >= 0; --row)
            bottomUp.insert(bottomUp.end(), rgb.begin() + row * width * 3,
                            rgb.begin() + (row + 1) * width * 3);
        EXPECT_EQ(reading.image->rows, bottomUp) << "width " << width;
    }
}

TEST(BmpWriter, AFileThatCannotBeWrittenSaysWhy) {
    const std::filesystem::path folder = testing::outputFolder("bmp-writer");
    const std::vector<std::uint8_t> bytes = encodeBmp24(1, 1, std::vector<std::uint8_t>{1, 2, 3});
    EXPECT_EQ(writeFileBytes(folder / "a.bmp", bytes), "");
    EXPECT_EQ(testing::readBytes(folder / "a.bmp").size(), bytes.size());
    const std::string error = writeFileBytes(folder / "missing" / "a.bmp", bytes);
    EXPECT_NE(error.find("impossibile creare il file"), std::string::npos) << error;
}

} // namespace
} // namespace orvanta
