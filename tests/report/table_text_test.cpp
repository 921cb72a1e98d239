// Tables leaving the program: exact numbers in the user's decimal sign, the clipboard's
// tab-separated text, CSV in the Italian and the English conventions, and the tables of the
// results read back against the values they came from.

#include "calculation.h"
#include "result_tables.h"
#include "sample_models.h"
#include "stiffness_centres.h"
#include "table_text.h"
#include "user_interaction.h"

#include <charconv>
#include <cmath>
#include <gtest/gtest.h>
#include <sstream>

namespace orvanta {
namespace {

TextTable smallTable() {
    return {"frmProva-mfgProva",
            {"Piano", "C.M. X\n[mm]", "Nota"},
            {{numberCell(1, "1"), numberCell(1234.5, "1.235"), textCell("✓")},
             {numberCell(2, "2"), numberCell(-0.125, "0"), textCell("a;b \"c\"")}}};
}

// Splits text at a separator.
std::vector<std::string> split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::string part;
    std::istringstream in(text);
    while (std::getline(in, part, separator))
        parts.push_back(part);
    return parts;
}

// A number as a spreadsheet of the locale reads it.
double readNumber(std::string text, char decimalSign) {
    for (char& c : text) {
        if (c == decimalSign)
            c = '.';
    }
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    EXPECT_TRUE(error == std::errc{} && end == text.data() + text.size()) << text;
    return value;
}

TEST(ExactNumber, FullPrecisionInTheDecimalSignWithoutGrouping) {
    EXPECT_EQ(exactNumber(1234.5, ","), "1234,5");
    EXPECT_EQ(exactNumber(1234.5, "."), "1234.5");
    EXPECT_EQ(exactNumber(1234567, ","), "1234567");
    EXPECT_EQ(exactNumber(1e-7, ","), "1E-07");
    EXPECT_EQ(exactNumber(-2.5e20, "."), "-2.5E+20");
    EXPECT_EQ(exactNumber(-0.0, ","), "0");
    EXPECT_EQ(exactNumber(std::nan(""), ","), "");
}

TEST(ExactNumber, ReadsBackAsTheSameDouble) {
    for (const double v : {999.9996, 1.0 / 3.0, -123456.789012345, 6.02214076e23, 1e-300}) {
        EXPECT_EQ(readNumber(exactNumber(v, ","), ','), v);
        EXPECT_EQ(readNumber(exactNumber(v, "."), '.'), v);
    }
}

TEST(ClipboardText, HeaderRowThenTabSeparatedRowsWithExactNumbers) {
    EXPECT_EQ(clipboardText(smallTable(), ","), "Piano\tC.M. X [mm]\tNota\n"
                                                "1\t1234,5\t✓\n"
                                                "2\t-0,125\ta;b \"c\"\n");
}

TEST(ClipboardText, TabsAndLineBreaksInsideACellBecomeBlanks) {
    const TextTable table{"t", {"a"}, {{textCell("x\ty\nz")}}};
    EXPECT_EQ(clipboardText(table, "."), "a\nx y z\n");
}

TEST(CsvText, ItalianSemicolonsAndDecimalCommas) {
    EXPECT_EQ(csvSeparator(","), ';');
    EXPECT_EQ(csvText(smallTable(), ","), "\xEF\xBB\xBF"
                                          "Piano;C.M. X [mm];Nota\r\n"
                                          "1;1234,5;✓\r\n"
                                          "2;-0,125;\"a;b \"\"c\"\"\"\r\n");
}

TEST(CsvText, EnglishCommasAndDecimalPoints) {
    EXPECT_EQ(csvSeparator("."), ',');
    const TextTable table{"t", {"x", "note"}, {{numberCell(0.5, "0.50"), textCell("a,b")}}};
    EXPECT_EQ(csvText(table, "."), "\xEF\xBB\xBFx,note\r\n0.5,\"a,b\"\r\n");
}

TEST(CsvText, ASemicolonNeedsNoQuotesWhereCommasSeparate) {
    const TextTable table{"t", {"a"}, {{textCell("x;y")}}};
    EXPECT_EQ(csvText(table, "."), "\xEF\xBB\xBF"
                                   "a\r\nx;y\r\n");
}

class ResultTables : public ::testing::Test {
protected:
    void SetUp() override {
        model = testing::fullFrame(3, 2, 2);
        model.massCentre(1, 1) = 5000;
        model.massCentre(1, 2) = 2000.25;
        model.massCentre(2, 1) = 4999.5;
        model.massCentre(2, 2) = 2100;
        QuietAsker asker;
        runCalculation(model, results, asker);
        computeStiffnessCentres(model, results);
    }
    struct QuietAsker : Asker {
        Answer ask(const Message&) override { return Answer::Ok; }
    };
    Model model;
    AnalysisResults results;
};

TEST_F(ResultTables, FamilyMatrixReadsBackAsTheNormalisedTerms) {
    const TextTable x = familyTables(model, results, {})[0];
    EXPECT_EQ(x.name, "frmFamiglieX-mfgRitti");
    const std::vector<std::string> lines = split(clipboardText(x, ","), '\n');
    ASSERT_EQ(lines.size(), 1u + 6 * 2); // header, then 2 rows for each of the 6 ritti
    EXPECT_EQ(lines[0], "Ritto\tFamiglia\tCoefficiente\tRiga\t1\t2");
    const Array3<double>& k = results[Direction::orthogonalToX].ritMatrix;
    for (std::size_t line = 1; line < lines.size(); ++line) {
        const std::vector<std::string> cells = split(lines[line], '\t');
        ASSERT_EQ(cells.size(), 6u);
        const int ritto = static_cast<int>(readNumber(cells[0], ','));
        const int row = static_cast<int>(readNumber(cells[3], ','));
        EXPECT_EQ(readNumber(cells[2], ','), k(ritto, 1, 1) / 1000);
        for (int c = 1; c <= 2; ++c)
            EXPECT_EQ(readNumber(cells[3 + static_cast<std::size_t>(c)], ','),
                      1000 * (k(ritto, row, c) / k(ritto, 1, 1)));
    }
}

TEST_F(ResultTables, CentresReadBackAsTheComputedCentres) {
    const std::vector<TextTable> centres = centresTables(model, results, {});
    ASSERT_EQ(centres.size(), 2u);
    const std::vector<std::string> mass = split(clipboardText(centres[0], "."), '\n');
    ASSERT_EQ(mass.size(), 3u);
    EXPECT_EQ(mass[1], "1\t5000\t2000.25");
    EXPECT_EQ(mass[2], "2\t4999.5\t2100");
    const std::vector<std::string> stiffness = split(clipboardText(centres[1], ","), '\n');
    ASSERT_EQ(stiffness.size(), 2u); // one family in each direction after the calculation
    const std::vector<std::string> cells = split(stiffness[1], '\t');
    ASSERT_EQ(cells.size(), 5u);
    EXPECT_EQ(readNumber(cells[1], ','), results[Direction::orthogonalToX].stiffnessCentre(1));
    EXPECT_EQ(cells[2], "6");
    EXPECT_EQ(readNumber(cells[3], ','), results[Direction::orthogonalToY].stiffnessCentre(1));
    // The symmetric frame is stiff about its middle: x = 5000, y = 2000.
    EXPECT_NEAR(readNumber(cells[1], ','), 5000, 1e-6);
    EXPECT_NEAR(readNumber(cells[3], ','), 2000, 1e-6);
}

TEST_F(ResultTables, GlobalMatrixBlocksAreTheTermsTimesAHundred) {
    const std::vector<TextTable> blocks = globalMatrixTables(model, results, {});
    ASSERT_EQ(blocks.size(), 9u);
    EXPECT_EQ(blocks[1].name, "frmMatrice-mfgKxy");
    // Kyx: rows of the Y translations (3, 4), columns of the X translations (1, 2).
    const TextTable& kyx = blocks[3];
    ASSERT_EQ(kyx.rows.size(), 2u);
    EXPECT_EQ(*kyx.rows[1][1].value, 100 * results.globalStiffness(4, 1));
    const TextTable& kzz = blocks[8];
    EXPECT_EQ(*kzz.rows[0][2].value, 100 * results.globalStiffness(5, 6));
}

} // namespace
} // namespace orvanta
