#include "number_format.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace orvanta {
namespace {

TEST(NumberFormat, ItalianConventionsGroupThousandsAndUseTheComma) {
    EXPECT_EQ(formatNumber(1234567.4, 0), "1.234.567");
    EXPECT_EQ(formatNumber(1000, 0), "1.000");
    EXPECT_EQ(formatNumber(999.5, 0), "1.000");
    EXPECT_EQ(formatNumber(0.745, 2), "0,75");
    EXPECT_EQ(formatNumber(0.25, 2), "0,25");
    EXPECT_EQ(formatNumber(-12345.678, 1), "-12.345,7");
    EXPECT_EQ(formatNumber(0.004 * 100, 0), "0");
}

TEST(NumberFormat, NoNegativeZeroAndNoNumberForNonFiniteValues) {
    EXPECT_EQ(formatNumber(-0.4, 0), "0");
    EXPECT_EQ(formatNumber(-0.0, 2), "0,00");
    EXPECT_EQ(formatNumber(std::numeric_limits<double>::quiet_NaN(), 0), "--");
    EXPECT_EQ(formatNumber(-std::numeric_limits<double>::infinity(), 0), "--");
}

TEST(NumberFormat, OtherConventionsAsGiven) {
    const NumberFormat english{",", ".", "-"};
    EXPECT_EQ(formatNumber(-1234567.891, 2, english), "-1,234,567.89");
    const NumberFormat plain{"", ".", "\u2212"};
    EXPECT_EQ(formatNumber(-1234.5, 1, plain), "\u22121234.5");
    EXPECT_EQ(formatNumber(1e20, 0, english), "100,000,000,000,000,000,000");
}

TEST(NumberFormat, ScientificNotationWithOneDecimalAndTwoExponentDigits) {
    EXPECT_EQ(formatScientific(12345.6, 1), "1,2E+04");
    EXPECT_EQ(formatScientific(0.000987, 1), "9,9E-04");
    EXPECT_EQ(formatScientific(9.96, 1), "1,0E+01");
    EXPECT_EQ(formatScientific(0, 1), "0,0E+00");
    EXPECT_EQ(formatScientific(-0.0, 1), "0,0E+00");
    EXPECT_EQ(formatScientific(-2.5e120, 1, {",", ".", "-"}), "-2.5E+120");
    EXPECT_EQ(formatScientific(std::numeric_limits<double>::infinity(), 1), "--");
}

} // namespace
} // namespace orvanta
