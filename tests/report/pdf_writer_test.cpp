// The PDF writer's file as bytes: objects, cross-reference table, properties, operators and
// the refusals that keep a document whole. Every file is also checked by qpdf.

#include "bmp_builder.h"
#include "pdf_inspection.h"
#include "pdf_number.h"
#include "pdf_writer.h"
#include "test_paths.h"

#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <regex>

namespace orvanta {
namespace {

using testing::expectQpdfClean;
using testing::readBytes;

// Writes a document with the given drawing between InitPDFFile and ClosePDFFile, checks that
// the writer reports success and qpdf finds the file clean, and returns its bytes.
std::string writeDocument(const std::string& test, const std::function<void(PdfWriter&)>& draw,
                          const std::function<void(PdfWriter&)>& setUp = {}) {
    PdfWriter pdf;
    if (setUp)
        setUp(pdf);
    std::string name = (testing::outputFolder(test) / (test + ".pdf")).string();
    EXPECT_TRUE(pdf.InitPDFFile(name)) << pdf.errorMessage();
    draw(pdf);
    EXPECT_TRUE(pdf.ClosePDFFile()) << pdf.errorMessage();
    expectQpdfClean(name);
    return readBytes(name);
}

// The content stream of page 1 (object 7).
std::string firstPage(const std::string& file) {
    return testing::streamOf(file, 7);
}

bool hasLine(const std::string& content, const std::string& line) {
    return ("\r" + content).find("\r" + line + "\r") != std::string::npos;
}

TEST(PdfWriterFile, OnePageHasObjectsOneToEightAndNineTwentyByteEntries) {
    const std::string bare = writeDocument("one_bare_page", [](PdfWriter& pdf) {
        pdf.StartPage();
        pdf.EndPage();
    });
    const testing::CrossReference table = testing::readCrossReference(bare);
    EXPECT_EQ(table.header, "0 9");
    ASSERT_EQ(table.entries.size(), 9u);
    EXPECT_EQ(table.entries[0], "0000000000 65535 f\r\n");
    for (int n = 1; n <= 8; ++n) {
        const std::string& entry = table.entries[static_cast<std::size_t>(n)];
        ASSERT_EQ(entry.size(), 20u);
        EXPECT_EQ(entry.substr(10), " 00000 n\r\n");
        const std::size_t offset = std::stoul(entry.substr(0, 10));
        EXPECT_EQ(
            bare.compare(offset, std::to_string(n).size() + 7, std::to_string(n) + " 0 obj\r"), 0)
            << "object " << n << " is not at " << offset;
    }
    EXPECT_NE(bare.find("/Size 9\r/Info 1 0 R\r/Root 2 0 R\r"), std::string::npos);
    EXPECT_NE(bare.find("6 0 obj\r<<\r/Type /Page\r/Parent 4 0 R\r/Contents 7 0 R\r>>\rendobj\r\n"),
              std::string::npos);
    EXPECT_NE(bare.find("7 0 obj\r<< /Length 8 0 R >>\rstream\r\n"), std::string::npos);
    EXPECT_NE(bare.find("/Kids [6 0 R  ]"), std::string::npos);
    EXPECT_EQ(bare.rfind("%%EOF\r"), bare.size() - 6);
}

TEST(PdfWriterFile, LinesEndWithCrAndOnlyEndobjStreamAndEntriesWithCrLf) {
    const std::string file = writeDocument("line_ends", [](PdfWriter& pdf) {
        pdf.LoadFont("F1", "Times New Roman", font_style::regular);
        pdf.StartPage();
        pdf.DrawText(72, 700, "Riga", "F1", 12);
        pdf.MoveTo(0, 0);
        pdf.LineTo(100, 100);
        pdf.EndPage();
    });
    const auto count = [&](const std::string& what) {
        std::size_t n = 0;
        for (std::size_t at = file.find(what); at != std::string::npos;
             at = file.find(what, at + 1))
            ++n;
        return n;
    };
    const std::size_t entries = testing::readCrossReference(file).entries.size();
    EXPECT_EQ(count("\n"), count("endobj\r\n") + count("stream\r\n") + entries);
    EXPECT_EQ(count("\r\n"), count("\n"));
}

TEST(PdfWriterFile, StreamLengthObjectHoldsTheExactByteCount) {
    const std::string file = writeDocument("stream_length", [](PdfWriter& pdf) {
        pdf.StartPage();
        pdf.SetLineWidth(2);
        pdf.Rectangle(10, 10, 100, 50);
        pdf.EndPage();
    });
    const std::string content = firstPage(file);
    EXPECT_EQ(content, "2 w\r10 10 100 50 re\rS\r");
    EXPECT_NE(file.find("8 0 obj\r" + std::to_string(content.size()) + "\rendobj"),
              std::string::npos);
}

TEST(PdfWriterFile, HeaderObjectsCarryTitleAuthorAndCatalog) {
    const std::string file = writeDocument(
        "title_escaping", [](PdfWriter&) {},
        [](PdfWriter& pdf) {
            // A backslash typed before a parenthesis: two backslashes, then the escaped one.
            pdf.SetTitle("Telaio a\\(b) – è");
            EXPECT_EQ(pdf.Title(), "Telaio a\\(b) – è");
        });
    EXPECT_EQ(file.substr(0, 9), "%PDF-1.3\r");
    EXPECT_NE(file.find("/Title (Telaio a\\\\\\(b\\) \x85 \xE8)\r"), std::string::npos);
    EXPECT_NE(file.find("/Author (Ludrano)\r/Creator  (Applicazione di prova)\r"
                        "/Producer (Orvanta PdfWriter)\r"),
              std::string::npos);
    EXPECT_TRUE(
        std::regex_search(file, std::regex("/CreationDate \\(D:\\d{14}[+-]\\d\\d'\\d\\d'\\)\r")));
    EXPECT_NE(file.find("/Lang (it) \r/ViewerPreferences << /HideToolbar false "
                        "/DisplayDocTitle true /HideWindowUI false >>\r>>\rendobj"),
              std::string::npos);
    EXPECT_NE(file.find("3 0 obj\r<<\r/Type /Encoding\r/BaseEncoding /WinAnsiEncoding\r>>"),
              std::string::npos);
    PdfWriter fresh;
    EXPECT_EQ(fresh.Title(), "(senza titolo)");
}

TEST(PdfWriterFile, AuthorAndCreatorAreSettableAndEscaped) {
    const std::string file = writeDocument(
        "author_creator", [](PdfWriter&) {},
        [](PdfWriter& pdf) {
            pdf.SetAuthor("Ing. Niccolò D'Angelo (studio)");
            pdf.SetCreator("Orvanta 1.2.3");
        });
    EXPECT_NE(file.find("/Author (Ing. Niccol\xF2 D'Angelo \\(studio\\))\r"
                        "/Creator  (Orvanta 1.2.3)\r"),
              std::string::npos);
}

TEST(PdfWriterProperties, PaperMarginAndOrientationInTheCurrentUnit) {
    const std::string file = writeDocument(
        "crop_box", [](PdfWriter&) {},
        [](PdfWriter& pdf) {
            pdf.SetPaperSize(0);
            pdf.SetScaleMode(scale_mode::millimetres);
            pdf.SetMargin(10);
            EXPECT_DOUBLE_EQ(pdf.Margin(), 10);
            EXPECT_NEAR(pdf.PaperWidth(), 210, 0.03);
        });
    EXPECT_NE(file.find("/MediaBox [0 0 595.2 842]\r/CropBox [28.35 28.35 566.85 813.65]\r"),
              std::string::npos);
    EXPECT_EQ(file.find("/Rotate"), std::string::npos);

    const std::string landscape = writeDocument(
        "paper_a3_landscape", [](PdfWriter&) {},
        [](PdfWriter& pdf) {
            pdf.SetPaperSize(1);
            pdf.SetOrientation(2);
        });
    EXPECT_NE(landscape.find("/MediaBox [0 0 842 1190.5]\r/CropBox [0 0 842 1190.5]\r/Rotate 90\r"),
              std::string::npos);

    PdfWriter pdf;
    pdf.SetPaperSize(3);
    pdf.SetScaleMode(scale_mode::inches);
    EXPECT_DOUBLE_EQ(pdf.PaperHeight(), 12);
    pdf.SetPaperWidth(8);
    pdf.SetScaleMode(scale_mode::points);
    EXPECT_DOUBLE_EQ(pdf.PaperWidth(), 576);
    // Codes outside the tables change nothing, rather than zeroing every coordinate.
    pdf.SetScaleMode(7);
    pdf.SetPaperSize(-1);
    EXPECT_EQ(pdf.ScaleMode(), scale_mode::points);
    EXPECT_EQ(pdf.PaperSize(), 3);
}

TEST(PdfWriterForms, StampedOnThePagesTheirOptionsAskFor) {
    const std::string file = writeDocument("form_objects", [](PdfWriter& pdf) {
        ASSERT_TRUE(pdf.StartObject("Cornice", "\\a\\F"));
        pdf.Rectangle(20, 20, 555, 800);
        pdf.EndObject();
        ASSERT_TRUE(pdf.StartObject("Pari", "\\e"));
        pdf.EndObject();
        ASSERT_TRUE(pdf.StartObject("Dispari", "\\o"));
        pdf.EndObject();
        ASSERT_TRUE(pdf.StartObject("Primo", "\\f"));
        pdf.EndObject();
        ASSERT_TRUE(pdf.StartObject("Manuale"));
        pdf.EndObject();
        for (int page = 1; page <= 4; ++page) {
            pdf.StartPage();
            if (page == 4)
                pdf.DrawObject("Manuale");
            pdf.EndPage();
        }
    });
    // Five forms of two objects each (6..15), then pages 16, 19, 22, 25 with contents after.
    const std::vector<std::string> expected = {
        "/Dispari Do\r/Primo Do\r",
        "/Cornice Do\r/Pari Do\r",
        "/Cornice Do\r/Dispari Do\r",
        "/Cornice Do\r/Pari Do\r/Manuale Do\r",
    };
    for (int page = 1; page <= 4; ++page)
        EXPECT_EQ(testing::streamOf(file, 14 + 3 * page),
                  expected[static_cast<std::size_t>(page - 1)])
            << "page " << page;
    EXPECT_NE(file.find("/Subtype /Form\r/FormType 1\r/Name /Cornice\r/BBox [0 0 595.2 842]\r"
                        "/Matrix [1 0 0 1 0 0]\r/Resources 5 0 R\r/Length 7 0 R >>\rstream\r\n"),
              std::string::npos);
    EXPECT_NE(file.find("/XObject <<\r/Cornice 6 0 R \r/Pari 8 0 R \r"), std::string::npos);
}

TEST(PdfWriterText, RightAndCentredAlignmentMoveXByTheMeasuredWidth) {
    const std::string file = writeDocument("text_alignment", [](PdfWriter& pdf) {
        ASSERT_TRUE(pdf.LoadFont("Fnt1", "Times New Roman", font_style::regular));
        // G e n e r a l i t à = 722+444+500+444+333+444+278+278+278+444 = 4165 thousandths.
        const double width = pdf.Length("Generalità", "Fnt1", 12);
        EXPECT_NEAR(width, 4.165 * 12, 1e-9);
        pdf.StartPage();
        pdf.DrawText(300, 700, "Generalità", "Fnt1", 12, text_align::left);
        pdf.DrawText(300, 680, "Generalità", "Fnt1", 12, text_align::right);
        pdf.DrawText(300, 660, "Generalità", "Fnt1", 12, text_align::centre);
        pdf.DrawText(300, 640, "Generalità", "Fnt1", 12, 7); // unknown: as left
        pdf.EndPage();
    });
    const std::string content = firstPage(file);
    // 4165 × 12 / 1000 = 49.98 points
    EXPECT_TRUE(hasLine(content, "300 700 Td")) << content;
    EXPECT_TRUE(hasLine(content, "250.02 680 Td")) << content;
    EXPECT_TRUE(hasLine(content, "275.01 660 Td")) << content;
    EXPECT_TRUE(hasLine(content, "300 640 Td")) << content;
    EXPECT_TRUE(hasLine(content, "BT\r/Fnt1 12 Tf\r300 700 Td\r(Generalit\xE0) Tj\rET"));
}

TEST(PdfWriterText, LengthFollowsUnitSpacingAndScaling) {
    writeDocument("text_length", [](PdfWriter& pdf) {
        ASSERT_TRUE(pdf.LoadFont("Fnt1", "Times New Roman", font_style::regular));
        ASSERT_TRUE(pdf.LoadFontStandard("Fnt5", "Courier New", font_style::boldItalic));
        ASSERT_TRUE(pdf.LoadFontStandard("Fnt7", "Helvetica", font_style::regular));
        EXPECT_NEAR(pdf.Length("a b", "Fnt5", 10), 18, 1e-9); // 3 × 600 × 10 / 1000
        EXPECT_EQ(pdf.Length("a b", "Fnt7", 10), 0);          // no metrics to measure with
        EXPECT_EQ(pdf.Length("a b", "Nessuno", 10), 0);
        pdf.SetScaleMode(scale_mode::centimetres);
        EXPECT_NEAR(pdf.Length("a b", "Fnt5", 10), 18 / (72 / 2.54), 1e-9);
        pdf.SetScaleMode(scale_mode::points);
        pdf.StartPage();
        pdf.SetTextHorizontalScaling(90);
        pdf.SetCharSpacing(1);
        pdf.SetWordSpacing(2);
        // (3 × (6 + 1) + 2) × 0.9
        EXPECT_NEAR(pdf.Length("a b", "Fnt5", 10), 20.7, 1e-9);
        pdf.EndPage();
        pdf.StartPage(); // a new page starts from the default text state
        EXPECT_NEAR(pdf.Length("a b", "Fnt5", 10), 18, 1e-9);
        pdf.EndPage();
    });
}

TEST(PdfWriterText, UserTextIsEscapedAndRotatedTextUsesAMatrix) {
    const std::string file = writeDocument("text_escaping", [](PdfWriter& pdf) {
        ASSERT_TRUE(pdf.LoadFont("Fnt2", "Arial", font_style::italic));
        pdf.SetScaleMode(scale_mode::centimetres);
        pdf.StartPage();
        pdf.DrawText(7, 9, "Ponte (lotto 2) \\ via Po", "Fnt2", 13);
        pdf.DrawText(2, 2, "Quota", "Fnt2", 10, text_align::left, 90);
        // Right-aligned turned text ends at its point along its own direction.
        pdf.DrawText(2, 10, "Quota", "Fnt2", 10, text_align::right, 90);
        pdf.EndPage();
    });
    const std::string content = firstPage(file);
    EXPECT_TRUE(hasLine(content, "(Ponte \\(lotto 2\\) \\\\ via Po) Tj")) << content;
    EXPECT_TRUE(hasLine(content, "198.43 255.12 Td")) << content;
    EXPECT_TRUE(hasLine(content, "0 1 -1 0 56.69 56.69 Tm")) << content;
    // "Quota" in Arial Italic: 778+556+556+278+556 = 2724 → 27.24 pt below 10 cm.
    EXPECT_TRUE(hasLine(content, "0 1 -1 0 56.69 " + pdf::number(283.465 - 27.24, 2) + " Tm"))
        << content;
}

TEST(PdfWriterGraphics, StateOperatorsColoursAndDashes) {
    const std::string file = writeDocument("graphics_state", [](PdfWriter& pdf) {
        pdf.SetScaleMode(scale_mode::millimetres);
        pdf.StartPage();
        pdf.SetColorStroke(-128);
        pdf.SetColorStroke(0);
        pdf.SetColorFill(rgb(255, 128, 0));
        pdf.SetColorFill(-255);
        pdf.SetDash(3, 1);
        pdf.SetDash(0, 0);
        pdf.SetLineWidth(0.25);
        pdf.SetLineCap(1);
        pdf.SetLineJoin(2);
        pdf.SetMiterLimit(4);
        pdf.SetTextRenderingMode(1);
        pdf.EndPage();
    });
    EXPECT_EQ(firstPage(file), "0.502 G\r0 G\r1 0.502 0 rg\r1 g\r[8.5 2.83] 0 d\r[ ] 0 d\r"
                               "0.71 w\r1 J\r2 j\r4 M\r1 Tr\r");
}

TEST(PdfWriterGraphics, LinesAreStrokedBeforeTheNextNonPathOperator) {
    const std::string file = writeDocument("pen_lines", [](PdfWriter& pdf) {
        ASSERT_TRUE(pdf.LoadFont("F1", "Arial", font_style::regular));
        pdf.StartPage();
        pdf.MoveTo(10, 10);
        pdf.LineTo(100, 10);
        pdf.LineTo(100, 50);
        pdf.SetColorStroke(rgb(0, 255, 255));
        pdf.LineTo(10, 50); // continues from the pen in the new colour
        pdf.DrawText(20, 20, "x", "F1", 8);
        pdf.MoveTo(0, 0);
        pdf.LineTo(5, 5);
        pdf.EndPage(); // the last lines are stroked too
    });
    EXPECT_EQ(firstPage(file), "10 10 m\r100 10 l\r100 50 l\rS\r0 1 1 RG\r100 50 m\r10 50 l\rS\r"
                               "BT\r/F1 8 Tf\r20 20 Td\r(x) Tj\rET\r0 0 m\r5 5 l\rS\r");
}

TEST(PdfWriterGraphics, ShapesArePaintedByTheirStyle) {
    const std::string file = writeDocument("shapes", [](PdfWriter& pdf) {
        pdf.StartPage();
        pdf.Rectangle(0, 0, 10, 20, paint::fill);
        pdf.Rectangle(0, 0, 10, 20, paint::stroke | paint::close);
        pdf.MoveTo(0, 0);
        pdf.Curve(1, 1, 2, 1, 3, 0, paint::close | paint::stroke);
        pdf.Curve(4, 1, 5, 1, 6, 0, paint::fill | paint::stroke);
        pdf.EndPage();
    });
    EXPECT_EQ(firstPage(file), "0 0 10 20 re\rf\r0 0 10 20 re\rS\r"
                               "0 0 m\r1 1 2 1 3 0 c\rh\rS\r3 0 m\r4 1 5 1 6 0 c\rf\r");
}

TEST(PdfWriterGraphics, CirclesArcsAndRoundedCornersAreQuarterBeziers) {
    const std::string file = writeDocument("curves", [](PdfWriter& pdf) {
        pdf.StartPage();
        pdf.DrawCircle(100, 100, 50, paint::stroke);
        pdf.Arc(100, 100, 50, 0, 90, paint::stroke);
        pdf.Rectangle(0, 0, 100, 40, paint::stroke, 10);
        pdf.Rectangle(0, 0, 100, 40, paint::stroke, 80); // radius limited to 20
        pdf.EndPage();
    });
    const std::string content = firstPage(file);
    // k = 0.5523 × 50 = 27.61
    EXPECT_NE(content.find("150 100 m\r150 127.61 127.61 150 100 150 c\r"
                           "72.39 150 50 127.61 50 100 c\r50 72.39 72.39 50 100 50 c\r"
                           "127.61 50 150 72.39 150 100 c\rh\rS\r"),
              std::string::npos)
        << content;
    EXPECT_NE(content.find("150 100 m\r150 127.61 127.61 150 100 150 c\rS\r"), std::string::npos);
    EXPECT_NE(content.find("10 0 m\r90 0 l\r95.52 0 100 4.48 100 10 c\r100 30 l\r"),
              std::string::npos)
        << content;
    EXPECT_NE(content.find("20 0 m\r80 0 l\r91.05 0 100 8.95 100 20 c\r100 20 l\r"),
              std::string::npos)
        << content;
}

TEST(PdfWriterImages, PaletteImageRefersToItsPaletteStream) {
    const auto bmp = testing::makeBmp(2, 2, 8, {0, 1, 1, 0}, {0x000000, 0xFFFFFF});
    const std::string file = writeDocument("image_objects", [&](PdfWriter& pdf) {
        ASSERT_TRUE(pdf.LoadImgFromBuffer("Img1", bmp)) << pdf.errorMessage();
        pdf.SetScaleMode(scale_mode::centimetres);
        pdf.StartPage();
        pdf.DrawImg("Img1", 2, 20, 4, 3);
        pdf.EndPage();
    });
    EXPECT_NE(
        file.find("6 0 obj\r<<\r/Type /XObject\r/Subtype /Image\r/Name /Img1\r/Width 2\r"
                  "/Height 2\r/BitsPerComponent 8\r/ColorSpace [/Indexed /DeviceRGB 255 7 0 R]\r"
                  "/Filter /ASCII85Decode\r/Length "),
        std::string::npos);
    EXPECT_EQ(testing::streamOf(file, 6), "!<<*#~>\r"); // bytes 1 0 0 1: bottom row first
    EXPECT_NE(
        file.find("/ProcSet [/PDF /Text /ImageB /ImageC /ImageI ]\r/XObject <<\r/Img1 6 0 R \r"),
        std::string::npos);
    EXPECT_EQ(testing::streamOf(file, 9), "q\r113.39 0 0 -85.04 56.69 566.93 cm\r/Img1 Do\rQ\r");
}

// How many widths each line of the first /Widths array after position `from` holds.
std::vector<int> widthsPerLine(const std::string& file, std::size_t from) {
    const std::size_t start = file.find("/Widths [\r", from) + 10;
    std::istringstream block(file.substr(start, file.find("] >>", start) - start));
    std::vector<int> counts;
    std::string line;
    while (std::getline(block, line, '\r')) {
        std::istringstream numbers(line);
        int width = 0;
        int count = 0;
        while (numbers >> width)
            ++count;
        counts.push_back(count);
    }
    return counts;
}

TEST(PdfWriterFonts, LoadFontWritesWidthsSixteenALineAndTheDescriptor) {
    const std::string file = writeDocument("font_objects", [](PdfWriter& pdf) {
        ASSERT_TRUE(pdf.LoadFont("Fnt3", "Times New Roman", font_style::boldItalic));
        ASSERT_TRUE(pdf.LoadFont("Sym", "Symbol", font_style::regular));
        ASSERT_TRUE(pdf.LoadFontStandard("Fnt5", "Courier New", font_style::boldItalic));
    });
    EXPECT_NE(file.find("6 0 obj\r<< /Type /Font\r/Subtype /TrueType\r/Name /Fnt3\r"
                        "/BaseFont /TimesNewRoman,BoldItalic\r/FirstChar 32\r/LastChar 255\r"
                        "/FontDescriptor 7 0 R\r/Encoding 3 0 R\r/Widths [\r"
                        "250 389 555 500 500 833 778 278 333 333 500 570 250 333 250 278 \r"),
              std::string::npos);
    EXPECT_NE(file.find("7 0 obj\r<<\r/Type /FontDescriptor\r/FontName /TimesNewRoman,BoldItalic\r"
                        "/Flags 16482\r/FontBBox [-250 -216 1200 1000]\r/MissingWidth 333\r"
                        "/StemV 131\r/StemH 131\r/ItalicAngle -11\r/CapHeight 891\r/XHeight 446\r"
                        "/Ascent 891\r/Descent -216\r/Leading 149\r/MaxWidth 1000\r/AvgWidth 412\r"
                        ">>\rendobj"),
              std::string::npos);
    // 224 widths: fourteen full lines. Symbol's 226 from code 30: fifteen lines, two on the last.
    EXPECT_EQ(widthsPerLine(file, 0), std::vector<int>(14, 16));
    std::vector<int> symbolLines(14, 16);
    symbolLines.push_back(2);
    EXPECT_EQ(widthsPerLine(file, file.find("/BaseFont /Symbol")), symbolLines);
    // Symbol keeps its built-in encoding.
    EXPECT_NE(file.find("/BaseFont /Symbol\r/FirstChar 30\r/LastChar 255\r/FontDescriptor 9 0 R\r"
                        "/Widths [\r"),
              std::string::npos);
    EXPECT_NE(file.find("\r600 600 250 333 713 500 549 833 "), std::string::npos);
    EXPECT_NE(file.find("<< /Type /Font\r/Subtype /Type1\r/Name /Fnt5\r"
                        "/BaseFont /CourierNew,BoldItalic\r/Encoding 3 0 R >>\rendobj"),
              std::string::npos);
}

TEST(PdfWriterErrors, FileThatCannotBeCreatedIsReported) {
    PdfWriter pdf;
    std::string name = (testing::outputFolder("no_folder") / "manca" / "relazione.pdf").string();
    EXPECT_FALSE(pdf.InitPDFFile(name));
    EXPECT_TRUE(pdf.failed());
    EXPECT_EQ(pdf.errorMessage(), "Impossibile creare il file PDF " + name + ".");
    EXPECT_EQ(pdf.StartPage(), 0);
    EXPECT_FALSE(pdf.ClosePDFFile());
}

TEST(PdfWriterErrors, WriteErrorsSurfaceAtClose) {
    if (!std::filesystem::exists("/dev/full"))
        GTEST_SKIP() << "no /dev/full to fill";
    PdfWriter pdf;
    std::string name = "/dev/full";
    pdf.InitPDFFile(name); // buffered: the error may only show when the buffer is flushed
    for (int page = 0; page < 50; ++page) {
        pdf.StartPage();
        for (int line = 0; line < 100; ++line)
            pdf.LineTo(line, line);
        pdf.EndPage();
    }
    EXPECT_FALSE(pdf.ClosePDFFile());
    EXPECT_EQ(pdf.errorMessage(), "Errore di scrittura nel file PDF /dev/full.");
}

TEST(PdfWriterErrors, MisuseIsLeftOutAndReportedWhileTheFileStaysSound) {
    PdfWriter pdf;
    std::string name = (testing::outputFolder("misuse") / "misuse.pdf").string();
    ASSERT_TRUE(pdf.InitPDFFile(name));
    EXPECT_FALSE(pdf.LoadFont("F1", "Verdana", font_style::regular));
    EXPECT_EQ(pdf.errorMessage(), "Carattere non disponibile per il file PDF: \"Verdana\".");
    EXPECT_FALSE(pdf.LoadFont("F 1", "Arial", font_style::regular));
    EXPECT_FALSE(pdf.LoadFont("F/1", "Arial", font_style::regular));
    ASSERT_TRUE(pdf.LoadFont("F1", "Arial", font_style::regular));
    EXPECT_FALSE(pdf.LoadFontStandard("F1", "Helvetica", font_style::regular));
    EXPECT_EQ(pdf.errorMessage(), "Nome già usato nel file PDF: \"F1\".");
    EXPECT_FALSE(pdf.LoadImgFromBuffer("Img", std::vector<std::uint8_t>{'B', 'M'}));
    EXPECT_EQ(pdf.errorMessage(), "Il file non è un'immagine BMP.");
    EXPECT_FALSE(pdf.failed()); // nothing of these reached the file

    pdf.LineTo(1, 1); // no page yet
    EXPECT_TRUE(pdf.failed());
    pdf.StartPage();
    EXPECT_FALSE(pdf.LoadFont("F2", "Arial", font_style::bold));
    EXPECT_EQ(pdf.errorMessage(), "\"F2\" non può essere caricato mentre una pagina è aperta.");
    pdf.DrawText(1, 1, "testo", "F9", 10);
    EXPECT_EQ(pdf.errorMessage(), "Carattere F9 non caricato: testo non scritto.");
    pdf.DrawImg("Nessuna", 0, 0, 1, 1);
    pdf.DrawObject("Nessuno");
    // ClosePDFFile ends the open page itself and reports the losses.
    EXPECT_FALSE(pdf.ClosePDFFile());
    expectQpdfClean(name);
    const std::string file = readBytes(name);
    EXPECT_EQ(file.find("F9"), std::string::npos);
    EXPECT_EQ(file.find("Nessun"), std::string::npos);
    EXPECT_EQ(testing::readCrossReference(file).header, "0 11");
}

TEST(PdfWriterFile, EmptyNameMakesATemporaryFileAndTheWriterIsReusable) {
    PdfWriter pdf;
    std::string name;
    ASSERT_TRUE(pdf.InitPDFFile(name));
    const std::filesystem::path path(name);
    EXPECT_TRUE(
        std::filesystem::equivalent(path.parent_path(), std::filesystem::temp_directory_path()));
    EXPECT_TRUE(std::regex_match(path.filename().string(), std::regex("~[0-9A-F]{5,8}\\.pdf")))
        << name;
    pdf.StartPage();
    pdf.EndPage();
    EXPECT_TRUE(pdf.ClosePDFFile());
    expectQpdfClean(name);
    std::filesystem::remove(path);

    // Reused: numbering and pages start again.
    std::string second = (testing::outputFolder("reused_writer") / "second.pdf").string();
    ASSERT_TRUE(pdf.InitPDFFile(second));
    EXPECT_EQ(pdf.Pages(), 0);
    EXPECT_EQ(pdf.StartPage(), 1);
    EXPECT_TRUE(pdf.ClosePDFFile());
    expectQpdfClean(second);
    EXPECT_EQ(testing::readCrossReference(readBytes(second)).header, "0 9");
}

} // namespace
} // namespace orvanta
