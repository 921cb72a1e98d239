// The small encoders under the PDF writer: numbers, text bytes, string escaping, ASCII85.

#include "ascii85.h"
#include "pdf_number.h"
#include "pdf_text.h"

#include <gtest/gtest.h>
#include <limits>
#include <vector>

namespace orvanta::pdf {
namespace {

TEST(PdfNumber, RoundsToTheOperatorsDecimalsWithoutTrailingZeros) {
    EXPECT_EQ(number(10 * 72 / 25.4, 2), "28.35");
    EXPECT_EQ(number(595.2, 2), "595.2");
    EXPECT_EQ(number(842.0, 2), "842");
    EXPECT_EQ(number(128 / 255.0, 3), "0.502");
    EXPECT_EQ(number(-12.345678, 4), "-12.3457");
    EXPECT_EQ(number(0.0, 0), "0");
}

TEST(PdfNumber, NeverWritesMinusZeroOrNonNumbers) {
    EXPECT_EQ(number(-0.001, 2), "0");
    EXPECT_EQ(number(-0.0, 2), "0");
    EXPECT_EQ(number(std::numeric_limits<double>::quiet_NaN(), 2), "0");
    EXPECT_EQ(number(std::numeric_limits<double>::infinity(), 2), "0");
}

TEST(WinAnsiText, ItalianAccentsAndTypographicMarksBecomeTheirBytes) {
    EXPECT_EQ(toWinAnsi("Generalità"), "Generalit\xE0");
    EXPECT_EQ(toWinAnsi("è é ì ò ù °²"), "\xE8 \xE9 \xEC \xF2 \xF9 \xB0\xB2");
    EXPECT_EQ(toWinAnsi("€ ’ “ ” – — …"), "\x80 \x92 \x93 \x94 \x96 \x97 \x85");
    EXPECT_EQ(toWinAnsi("Œ Ÿ ž"), "\x8C \x9F \x9E");
}

TEST(WinAnsiText, WhatWindows1252LacksBecomesOneQuestionMark) {
    EXPECT_EQ(toWinAnsi("σ ≤ 3"), "? ? 3");
    EXPECT_EQ(toWinAnsi("a😀b"), "a?b");       // four-byte character
    EXPECT_EQ(toWinAnsi("a\tb\rc"), "a?b?c"); // controls would break a line of text
    EXPECT_EQ(toWinAnsi("\xC2\x81"), "?");    // U+0081, a C1 control
    EXPECT_EQ(toWinAnsi("x\xE8y"), "x?y");    // Latin-1 byte, not UTF-8
    EXPECT_EQ(toWinAnsi("\xE2\x82"), "?");    // cut sequence
    EXPECT_EQ(toWinAnsi("\xE2"
                        "A"),
              "?A");                           // cut before a letter, which stays
    EXPECT_EQ(toWinAnsi("\xC0\xAF"), "?");     // overlong "/"
    EXPECT_EQ(toWinAnsi("\xED\xA0\x80"), "?"); // surrogate
}

TEST(PdfDocText, TitleKeepsLatinLettersAndMovesTypographicMarks) {
    EXPECT_EQ(toPdfDocEncoding("Città"), "Citt\xE0");
    EXPECT_EQ(toPdfDocEncoding("Dell’Acqua – €"), "Dell\x90"
                                                  "Acqua \x85 \xA0");
    EXPECT_EQ(toPdfDocEncoding("a\xC2\xA0"
                               "b"),
              "a b"); // no-break space
}

TEST(PdfString, EscapesBackslashFirstThenParentheses) {
    EXPECT_EQ(escapeString("Relazione (bozza)"), "Relazione \\(bozza\\)");
    EXPECT_EQ(escapeString("a\\(b"), "a\\\\\\(b");
    EXPECT_EQ(escapeString(")("), "\\)\\(");
}

std::string encode(std::vector<std::uint8_t> bytes) {
    return ascii85(bytes);
}

TEST(Ascii85, EncodesGroupsZeroGroupsAndTheLastPartialGroup) {
    EXPECT_EQ(encode({'M', 'a', 'n', ' '}), "9jqo^~>");
    EXPECT_EQ(encode({0, 0, 0, 0, 'M', 'a', 'n', ' '}), "z9jqo^~>");
    EXPECT_EQ(encode({0xFF}), "rr~>");
    EXPECT_EQ(encode({0, 0}), "!!!~>"); // a partial zero group is not "z"
    EXPECT_EQ(encode({0xFF, 0xFF, 0xFF, 0xFF}), "s8W-!~>");
    EXPECT_EQ(encode({}), "~>");
}

} // namespace
} // namespace orvanta::pdf
