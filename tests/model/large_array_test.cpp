#include "bounded_array.h"

#include <gtest/gtest.h>

namespace orvanta {
namespace {

// Arrays past a few megabytes take their memory straight from the system: they must behave like
// every other array when zero-filled, written, copied, compared, moved and released.
TEST(LargeArray, BehavesLikeASmallOne) {
    const int rows = 1000, columns = 1000; // 8 MB of doubles
    Array2<double> big(1, rows, 1, columns);
    ASSERT_GE(big.size() * sizeof(double), detail::largeBlockBytes);
    for (const double v : big.values())
        ASSERT_EQ(v, 0);
    big(1, 1) = 1.5;
    big(rows, columns) = -2;
    Array2<double> copy = big;
    EXPECT_EQ(copy, big);
    copy(500, 500) = 3;
    EXPECT_NE(copy, big);
    Array2<double> moved = std::move(copy);
    EXPECT_EQ(moved(500, 500), 3);
    EXPECT_EQ(moved(rows, columns), -2);
    big = Array2<double>(uninitialized, 1, 2, 1, 2); // the large block is released
    big(2, 2) = 7;
    EXPECT_EQ(big(2, 2), 7);
}

} // namespace
} // namespace orvanta
