#include "number_text.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace orvanta {
namespace {

using number_text::formatDouble;
using number_text::formatSingle;
using number_text::parse;

TEST(NumberText, DoublesDropTheLeadingZeroAndTrailingZeros) {
    EXPECT_EQ(formatDouble(0.5), ".5");
    EXPECT_EQ(formatDouble(-0.25), "-.25");
    EXPECT_EQ(formatDouble(3), "3");
    EXPECT_EQ(formatDouble(-2), "-2");
    EXPECT_EQ(formatDouble(0), "0");
    EXPECT_EQ(formatDouble(-0.0), "0");
    EXPECT_EQ(formatDouble(1234.5), "1234.5");
    EXPECT_EQ(formatDouble(0.0001), ".0001");
    EXPECT_EQ(formatDouble(0.005), ".005");
}

TEST(NumberText, DoublesKeepFifteenSignificantDigits) {
    EXPECT_EQ(formatDouble(1.0 / 3.0), ".333333333333333");
    EXPECT_EQ(formatDouble(2.0 / 3.0), ".666666666666667");
    EXPECT_EQ(formatDouble(-20000.0 / 3.0), "-6666.66666666667");
    EXPECT_EQ(formatDouble(123456789012345.0), "123456789012345");
}

TEST(NumberText, LargeAndSmallMagnitudesUseTheExponentForm) {
    EXPECT_EQ(formatDouble(1.5e-5), "1.5E-05");
    EXPECT_EQ(formatDouble(1e-5), "1E-05");
    EXPECT_EQ(formatDouble(1e16), "1E+16");
    EXPECT_EQ(formatDouble(1e15), "1E+15");
    EXPECT_EQ(formatDouble(-2.5e-120), "-2.5E-120");
    EXPECT_EQ(formatDouble(1234567890123456789.0), "1.23456789012346E+18");
}

TEST(NumberText, SinglesKeepSevenSignificantDigits) {
    EXPECT_EQ(formatSingle(0.1f), ".1");
    EXPECT_EQ(formatSingle(2.2f), "2.2");
    EXPECT_EQ(formatSingle(1.0f / 3.0f), ".3333333");
    EXPECT_EQ(formatSingle(12345678.0f), "1.234568E+07");
    EXPECT_EQ(formatSingle(1e7f), "1E+07");
    EXPECT_EQ(formatSingle(9999999.0f), "9999999");
    EXPECT_EQ(formatSingle(5000.0f), "5000");
}

TEST(NumberText, ReaderAcceptsAnyDecimalNotation) {
    EXPECT_EQ(parse(".5"), 0.5);
    EXPECT_EQ(parse("0.5"), 0.5);
    EXPECT_EQ(parse("+3"), 3.0);
    EXPECT_EQ(parse("-.25"), -0.25);
    EXPECT_EQ(parse("1.5E-05"), 1.5e-5);
    EXPECT_EQ(parse("1e5"), 1e5);
    EXPECT_EQ(parse("1D+03"), 1000.0);
    EXPECT_EQ(parse("7."), 7.0);
}

TEST(NumberText, WholeNumbersReadAsExactlyAsAnyOtherNotation) {
    // Whole numbers take a shorter road than the rest; it must give the same doubles.
    EXPECT_EQ(parse("300"), 300.0);
    EXPECT_EQ(parse("000123"), 123.0);
    EXPECT_EQ(parse("-2"), -2.0);
    EXPECT_EQ(parse("999999999999999"), 999999999999999.0);   // 15 digits
    EXPECT_EQ(parse("9007199254740993"), 9007199254740992.0); // 16 digits, rounded to even
    EXPECT_EQ(parse("12345678901234567890"), 12345678901234567890.0);
    const std::optional<double> minusZero = parse("-0");
    ASSERT_TRUE(minusZero);
    EXPECT_TRUE(std::signbit(*minusZero));
}

TEST(NumberText, ReaderRefusesWhatIsNotAFiniteNumber) {
    for (const char* text : {"", "-", "+", ".", "abc", "1.2.3", "1,5", "inf", "-inf", "nan",
                             "infinity", "1e999", "+-5", "--5", "0x10", "5 5", "1E"})
        EXPECT_FALSE(parse(text).has_value()) << text;
}

TEST(NumberText, EveryWrittenDoubleReadsBackToTheSameText) {
    for (const double v :
         {0.1, 1.0 / 7.0, 6543.21, 2.5e-7, 9.87654321e22, 4.9e-324, 1.5e300, -1e-300}) {
        const std::string text = formatDouble(v);
        const std::optional<double> back = parse(text);
        ASSERT_TRUE(back.has_value()) << text;
        EXPECT_EQ(formatDouble(*back), text);
    }
}

// The largest doubles round up at 15 digits to a text beyond every double; they are written
// rounded towards zero instead, and every extreme reads back within the longest text.
TEST(NumberText, ExtremesAreWrittenAsTextThatReadsBack) {
    const double largest = std::numeric_limits<double>::max();
    EXPECT_EQ(formatDouble(largest), "1.79769313486231E+308");
    EXPECT_EQ(formatDouble(-largest), "-1.79769313486231E+308");
    for (const double v : {largest, -largest, std::nextafter(largest, 0.0), 1.79769313486231e308,
                           std::numeric_limits<double>::min(), -4.9e-324, -1.23456789012345e-200}) {
        const std::string text = formatDouble(v);
        EXPECT_LE(text.size(), static_cast<std::size_t>(number_text::longestText)) << text;
        const std::optional<double> back = parse(text);
        ASSERT_TRUE(back.has_value()) << text;
        EXPECT_EQ(formatDouble(*back), text);
    }
    const float largestSingle = std::numeric_limits<float>::max();
    EXPECT_LE(static_cast<double>(*parse(formatSingle(largestSingle))), largestSingle);
}

TEST(NumberText, NumbersBeyondTheDoublesAreToldApartFromText) {
    bool outOfRange = false;
    for (const char* text : {"1E+400", "-1E+400", "1.79769313486232E+308", "1E-400"}) {
        EXPECT_FALSE(parse(text, &outOfRange).has_value()) << text;
        EXPECT_TRUE(outOfRange) << text;
    }
    EXPECT_FALSE(parse("abc", &outOfRange).has_value());
    EXPECT_FALSE(outOfRange);
}

} // namespace
} // namespace orvanta
