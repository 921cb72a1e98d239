#include "bounded_array.h"

#include <cstdio>
#include <cstdlib>
#include <new>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace orvanta::detail {

void indexOutOfBounds(int index, int lower, int upper) {
    std::fprintf(stderr, "orvanta: index %d outside the bounds %d..%d\n", index, lower, upper);
    std::abort();
}

void* allocateLarge(std::size_t bytes) {
#if defined(__linux__)
    void* block = ::mmap(nullptr, bytes, PROT_READ | PROT_WRITE,
                         MAP_PRIVATE | MAP_ANONYMOUS | MAP_POPULATE, -1, 0);
    if (block == MAP_FAILED)
        throw std::bad_alloc();
    return block;
#else
    return ::operator new(bytes);
#endif
}

void freeLarge(void* block, std::size_t bytes) noexcept {
#if defined(__linux__)
    ::munmap(block, bytes);
#else
    (void)bytes;
    ::operator delete(block);
#endif
}

} // namespace orvanta::detail
