#include "bounded_array.h"

#include <cstdio>
#include <cstdlib>

namespace orvanta::detail {

void indexOutOfBounds(int index, int lower, int upper) {
    std::fprintf(stderr, "orvanta: index %d outside the bounds %d..%d\n", index, lower, upper);
    std::abort();
}

} // namespace orvanta::detail
