// The writer's files read back by real PDF readers: qpdf checks the structure, pdftotext the
// text and its accents, pdfimages the pixels of images, pdftoppm what a viewer shows.

#include "bmp_builder.h"
#include "pdf_inspection.h"
#include "pdf_writer.h"
#include "test_paths.h"

#include <cmath>
#include <gtest/gtest.h>
#include <numbers>
#include <regex>

namespace orvanta {
namespace {

using testing::expectQpdfClean;
using testing::quoted;
using testing::runTool;

void writeFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

// A 7 × 5 picture where every pixel has its own colour, from the top.
std::uint32_t truePixel(int x, int y) {
    return static_cast<std::uint32_t>((30 * x) << 16 | (50 * y) << 8 | (x * y * 9 + 3));
}

// A 6 × 4 picture of palette indices, from the top, and its ten colours.
std::uint32_t indexPixel(int x, int y) {
    return static_cast<std::uint32_t>((x + 3 * y) % 10);
}
const std::vector<std::uint32_t> tenColours = {0x000000, 0xFF0000, 0x00FF00, 0x0000FF, 0xFFFF00,
                                               0xFF00FF, 0x00FFFF, 0x808080, 0xC08040, 0xFFFFFF};

std::vector<std::uint32_t> picture(int width, int height, std::uint32_t (*pixel)(int, int)) {
    std::vector<std::uint32_t> pixels;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            pixels.push_back(pixel(x, y));
    return pixels;
}

std::array<std::uint8_t, 3> rgbOf(std::uint32_t colour) {
    return {static_cast<std::uint8_t>(colour >> 16), static_cast<std::uint8_t>(colour >> 8),
            static_cast<std::uint8_t>(colour)};
}

TEST(PdfReaders, PdftotextReadsItalianTextWithItsAccents) {
    const auto folder = testing::outputFolder("reader_text");
    const auto path = folder / "testo.pdf";
    PdfWriter pdf;
    std::string name = path.string();
    ASSERT_TRUE(pdf.InitPDFFile(name));
    ASSERT_TRUE(pdf.LoadFont("Fnt1", "Times New Roman", font_style::regular));
    ASSERT_TRUE(pdf.LoadFont("Fnt2", "Arial", font_style::bold));
    pdf.SetScaleMode(scale_mode::centimetres);
    pdf.StartPage();
    pdf.DrawText(2, 23, "1. Generalità", "Fnt2", 20);
    pdf.DrawText(2, 22, "Orvanta è un programma; perché (sì) \\ no: 25 °C, 3 m², 100 €.", "Fnt1",
                 13);
    pdf.EndPage();
    ASSERT_TRUE(pdf.ClosePDFFile()) << pdf.errorMessage();
    expectQpdfClean(path);

    const std::string text = testing::pdfText(path);
    EXPECT_NE(text.find("1. Generalità"), std::string::npos) << text;
    EXPECT_NE(text.find("Orvanta è un programma; perché (sì) \\ no: 25 °C, 3 m², 100 €."),
              std::string::npos)
        << text;
}

TEST(PdfReaders, PdfimagesGivesBackThePixelsOfTrueColourAndPaletteBitmaps) {
    const auto folder = testing::outputFolder("reader_images");
    const auto trueColour = folder / "colori.bmp";
    const auto palette = folder / "tavolozza.bmp";
    writeFile(trueColour, testing::makeBmp(7, 5, 24, picture(7, 5, truePixel)));
    writeFile(palette,
              testing::makeBmp(6, 4, 8, picture(6, 4, indexPixel), tenColours, {.topDown = true}));
    const auto path = folder / "immagini.pdf";
    PdfWriter pdf;
    std::string name = path.string();
    ASSERT_TRUE(pdf.InitPDFFile(name));
    ASSERT_TRUE(pdf.LoadImgFromBMPFile("Colori", trueColour.string())) << pdf.errorMessage();
    ASSERT_TRUE(pdf.LoadImgFromBMPFile("Tavolozza", palette.string())) << pdf.errorMessage();
    pdf.StartPage();
    pdf.DrawImg("Colori", 100, 700, 140, 100);
    pdf.DrawImg("Tavolozza", 300, 700, 120, 80);
    pdf.EndPage();
    ASSERT_TRUE(pdf.ClosePDFFile()) << pdf.errorMessage();
    expectQpdfClean(path);

    if (!testing::toolAvailable("pdfimages", "poppler-utils"))
        return;
    const testing::ToolRun list = runTool("pdfimages -list " + quoted(path));
    EXPECT_TRUE(std::regex_search(list.output, std::regex("image +7 +5 +rgb +3 +8")))
        << list.output;
    EXPECT_TRUE(std::regex_search(list.output, std::regex("image +6 +4 +index +1 +8")))
        << list.output;
    const testing::ToolRun run =
        runTool("pdfimages " + quoted(path) + " " + quoted(folder / "img"));
    ASSERT_EQ(run.status, 0) << run.output;

    // The streams hold the bottom row first (DrawImg mirrors them into place), and pdfimages
    // writes them in stored order: its row r is the picture's row height − 1 − r.
    const testing::Ppm colours = testing::readPpm(folder / "img-000.ppm");
    ASSERT_EQ(colours.width, 7);
    ASSERT_EQ(colours.height, 5);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 7; ++x)
            EXPECT_EQ(colours.at(x, 4 - y), rgbOf(truePixel(x, y))) << x << "," << y;

    const testing::Ppm indexed = testing::readPpm(folder / "img-001.ppm");
    ASSERT_EQ(indexed.width, 6);
    ASSERT_EQ(indexed.height, 4);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 6; ++x)
            EXPECT_EQ(indexed.at(x, 3 - y), rgbOf(tenColours[indexPixel(x, y)])) << x << "," << y;
}

TEST(PdfReaders, ImagesAppearUprightWithTheirTopLeftCornerAtThePoint) {
    const auto folder = testing::outputFolder("reader_upright");
    const auto path = folder / "diritta.pdf";
    // Top row red, green; bottom row blue, yellow.
    const auto bmp = testing::makeBmp(2, 2, 24, {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFF00});
    PdfWriter pdf;
    std::string name = path.string();
    ASSERT_TRUE(pdf.InitPDFFile(name));
    ASSERT_TRUE(pdf.LoadImgFromBuffer("Quadri", bmp));
    pdf.StartPage();
    pdf.DrawImg("Quadri", 100, 700, 200, 200); // covers x 100..300, y 500..700
    pdf.EndPage();
    ASSERT_TRUE(pdf.ClosePDFFile());
    expectQpdfClean(path);

    if (!testing::toolAvailable("pdftoppm", "poppler-utils"))
        return;
    const auto raster = folder / "pagina";
    const testing::ToolRun run =
        runTool("pdftoppm -r 72 -singlefile " + quoted(path) + " " + quoted(raster));
    ASSERT_EQ(run.status, 0) << run.output;
    const testing::Ppm page = testing::readPpm(folder / "pagina.ppm");
    // At 72 dpi a point is a pixel; rows count down from the top edge (842 pt).
    const auto near = [&](int x, int y, std::array<std::uint8_t, 3> expected) {
        const auto got = page.at(x, y);
        for (std::size_t c = 0; c < 3; ++c)
            EXPECT_NEAR(got[c], expected[c], 12) << "pixel " << x << "," << y;
    };
    near(150, 842 - 650, {255, 0, 0});
    near(250, 842 - 650, {0, 255, 0});
    near(150, 842 - 550, {0, 0, 255});
    near(250, 842 - 550, {255, 255, 0});
    near(150, 842 - 720, {255, 255, 255}); // above the top edge: paper
}

// The sample document: two pages with every kind of drawing the writer offers. Rendered to
// PNG in the output folder for a look.
TEST(PdfReaders, SampleDocumentWithEveryDrawingReadsAndRenders) {
    const auto folder = testing::outputFolder("reader_sample");
    const auto path = folder / "esempio.pdf";
    std::vector<std::uint32_t> pixels;
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 90; ++x) {
            const bool roof = y < 25 && std::abs(x - 45) < y * 1.6;
            const bool wall = y >= 25 && x > 15 && x < 75;
            const bool door = y >= 40 && x > 38 && x < 52;
            pixels.push_back(door   ? 0x603010
                             : roof ? 0xC03020
                             : wall ? 0xF0E0B0
                                    : static_cast<std::uint32_t>(0x80C0FF - (y << 8)));
        }
    const auto bmp = testing::makeBmp(90, 60, 24, pixels);
    // A chequer of 1 bit and a 4-bit colour ramp, drawn beside the picture.
    std::vector<std::uint32_t> chequer;
    std::vector<std::uint32_t> ramp;
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) {
            chequer.push_back(static_cast<std::uint32_t>((x + y) % 2));
            ramp.push_back(static_cast<std::uint32_t>((x + 2 * y) % 16));
        }
    std::vector<std::uint32_t> rampColours;
    for (std::uint32_t k = 0; k < 16; ++k)
        rampColours.push_back(k * 17 << 16 | (255 - k * 17));
    const auto mono = testing::makeBmp(8, 8, 1, chequer, {0x000080, 0xFFFF00});
    const auto nibbles = testing::makeBmp(8, 8, 4, ramp, rampColours, {.topDown = true});

    PdfWriter pdf;
    pdf.SetTitle("Relazione di prova – perché è così");
    pdf.SetScaleMode(scale_mode::centimetres);
    std::string name = path.string();
    ASSERT_TRUE(pdf.InitPDFFile(name));
    const std::array<const char*, 4> families = {"Times New Roman", "Arial", "Courier New",
                                                 "Symbol"};
    const std::array<const char*, 4> styles = {"normale", "grassetto", "corsivo",
                                               "grassetto corsivo"};
    for (std::size_t f = 0; f < families.size(); ++f)
        for (int s = 1; s <= 4; ++s)
            ASSERT_TRUE(pdf.LoadFont("F" + std::to_string(f) + std::to_string(s), families[f], s));
    ASSERT_TRUE(pdf.LoadFontStandard("Std", "Courier New", font_style::boldItalic));
    ASSERT_TRUE(pdf.LoadImgFromBuffer("Casa", bmp)) << pdf.errorMessage();
    ASSERT_TRUE(pdf.LoadImgFromBuffer("Scacchi", mono)) << pdf.errorMessage();
    ASSERT_TRUE(pdf.LoadImgFromBuffer("Scala", nibbles)) << pdf.errorMessage();
    ASSERT_TRUE(pdf.StartObject("Testata", "\\a\\F"));
    pdf.SetLineWidth(0.02);
    pdf.MoveTo(2, 28);
    pdf.LineTo(19, 28);
    pdf.DrawText(19, 28.2, "Orvanta – Relazione di Calcolo", "F03", 9, text_align::right);
    pdf.EndObject();

    pdf.StartPage();
    pdf.DrawText(10.5, 27, "Orvanta", "F04", 26, text_align::centre);
    pdf.DrawText(2, 25.5, "1. Generalità", "F03", 20);
    double y = 24.5;
    for (std::size_t f = 0; f < 3; ++f) {
        for (int s = 1; s <= 4; ++s) {
            const std::string font = "F" + std::to_string(f) + std::to_string(s);
            pdf.DrawText(2, y,
                         std::string(families[f]) + " " + styles[static_cast<std::size_t>(s - 1)] +
                             ": città, perché, è già lì (1° piano) € 12,50",
                         font, 11);
            y -= 0.6;
        }
    }
    pdf.DrawText(2, y, "abgdpqs S W ± 3°", "F31", 12);
    pdf.DrawText(6, y, "abgd", "F34", 12);
    pdf.DrawText(10, y, "Courier standard", "Std", 11);
    y -= 1;
    // Right and centred text against a guide line.
    pdf.SetColorStroke(rgb(255, 0, 0));
    pdf.SetLineWidth(0.01);
    pdf.MoveTo(10.5, y + 0.6);
    pdf.LineTo(10.5, y - 1.4);
    pdf.DrawText(10.5, y, "allineato a destra", "F11", 12, text_align::right);
    pdf.DrawText(10.5, y - 0.6, "centrato", "F11", 12, text_align::centre);
    pdf.DrawText(10.5, y - 1.2, "a sinistra", "F11", 12, text_align::left);
    pdf.DrawText(18.5, y - 1.2, "ruotato 30°", "F12", 12, text_align::left, 30);

    // Lines, dashes, colours.
    pdf.SetColorStroke(0);
    double ly = 12;
    const std::array<std::array<double, 2>, 4> dashes = {
        {{0, 0}, {0.3, 0.3}, {0.6, 0.2}, {0.1, 0.2}}};
    const std::array<std::int32_t, 4> colours = {0, rgb(0, 255, 255), rgb(0, 128, 0), -128};
    for (std::size_t k = 0; k < dashes.size(); ++k) {
        pdf.SetColorStroke(colours[k]);
        pdf.SetDash(dashes[k][0], dashes[k][1]);
        pdf.SetLineWidth(0.025 * static_cast<double>(k + 1));
        pdf.MoveTo(2, ly);
        pdf.LineTo(9, ly);
        ly -= 0.5;
    }
    pdf.SetDash(0, 0);
    pdf.SetColorStroke(rgb(0, 0, 160));
    pdf.SetColorFill(rgb(255, 230, 150));
    pdf.Rectangle(11, 9.5, 7, 3, paint::fill, 0.6);
    pdf.SetLineWidth(0.05);
    pdf.Rectangle(11, 9.5, 7, 3, paint::stroke, 0.6);
    pdf.Rectangle(2, 5, 4, 3, paint::stroke);
    pdf.SetColorFill(rgb(200, 0, 0));
    pdf.DrawCircle(8.5, 6.5, 1.2, paint::fill);
    pdf.DrawCircle(8.5, 6.5, 1.5, paint::stroke);
    pdf.Arc(13, 6.5, 1.5, 0, 270, paint::stroke);
    pdf.Arc(17, 6.5, 1.5, 90, -90, paint::close | paint::stroke);
    pdf.MoveTo(2, 3);
    pdf.Curve(5, 5, 8, 1, 11, 3, paint::stroke);
    pdf.SetColorFill(0);
    pdf.DrawText(10.5, 1.5, "Pagina 1", "F02", 9, text_align::centre);
    pdf.EndPage();

    pdf.StartPage();
    pdf.DrawText(2, 26, "2. Immagine e tabella", "F03", 20);
    pdf.DrawImg("Casa", 2, 25, 9, 6);
    pdf.DrawImg("Scacchi", 2, 18, 3, 3);
    pdf.DrawImg("Scala", 6, 18, 3, 3);
    pdf.SetLineWidth(0.025);
    for (int row = 0; row <= 4; ++row) {
        pdf.MoveTo(12, 25 - row * 0.5);
        pdf.LineTo(19, 25 - row * 0.5);
    }
    pdf.SetTextHorizontalScaling(90);
    for (int row = 0; row < 4; ++row)
        for (int column = 0; column < 3; ++column)
            pdf.DrawText(13.2 + column * 2.3, 24.65 - row * 0.5,
                         std::to_string((row + 1) * 1000 + column * 250), "F01", 10,
                         text_align::centre);
    pdf.SetTextHorizontalScaling(100);
    pdf.DrawText(10.5, 1.5, "Pagina 2", "F02", 9, text_align::centre);
    pdf.EndPage();
    ASSERT_TRUE(pdf.ClosePDFFile()) << pdf.errorMessage();

    expectQpdfClean(path);
    const std::string text = testing::pdfText(path);
    EXPECT_NE(text.find("1. Generalità"), std::string::npos) << text;
    EXPECT_NE(text.find("è già lì (1° piano) € 12,50"), std::string::npos) << text;
    EXPECT_NE(text.find("Orvanta – Relazione di Calcolo"), std::string::npos) << text;
    if (!testing::toolAvailable("pdftoppm", "poppler-utils"))
        return;
    const testing::ToolRun run =
        runTool("pdftoppm -png -r 60 " + quoted(path) + " " + quoted(folder / "pagina"));
    EXPECT_EQ(run.status, 0) << run.output;
    EXPECT_TRUE(std::filesystem::exists(folder / "pagina-1.png"));
    EXPECT_TRUE(std::filesystem::exists(folder / "pagina-2.png"));
}

} // namespace
} // namespace orvanta
