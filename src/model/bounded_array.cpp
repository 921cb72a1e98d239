#include "bounded_array.h"

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace orvanta::detail {

void indexOutOfBounds(int index, int lower, int upper) {
    std::fprintf(stderr, "orvanta: index %d outside the bounds %d..%d\n", index, lower, upper);
    std::abort();
}

#if defined(__linux__)

namespace {

constexpr std::size_t hugePage = std::size_t{2} << 20;

// A mapping of `bytes` whose start is aligned to a huge page, so that the kernel can back it with
// 2 MB pages; `mapped` and `mappedBytes` are what must be unmapped.
void* mapAligned(std::size_t bytes, int flags) {
    const std::size_t padded = bytes + hugePage;
    void* raw =
        ::mmap(nullptr, padded, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS | flags, -1, 0);
    if (raw == MAP_FAILED)
        return nullptr;
    const auto start = reinterpret_cast<std::uintptr_t>(raw);
    const std::uintptr_t aligned = (start + hugePage - 1) & ~(hugePage - 1);
    // Give back the slack before and after the aligned block.
    if (aligned > start)
        ::munmap(raw, aligned - start);
    const std::uintptr_t end = aligned + bytes;
    const std::uintptr_t mappedEnd = start + padded;
    if (mappedEnd > end)
        ::munmap(reinterpret_cast<void*>(end), mappedEnd - end);
    return reinterpret_cast<void*>(aligned);
}

// Seconds to provide and write `bytes` the one way or the other.
double timeProvision(std::size_t bytes, bool hugePages) {
    const auto start = std::chrono::steady_clock::now();
    void* block = mapAligned(bytes, hugePages ? 0 : MAP_POPULATE);
    if (!block)
        return 1e9;
    if (hugePages)
        ::madvise(block, bytes, MADV_HUGEPAGE);
    std::memset(block, 1, bytes);
    ::munmap(block, bytes);
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Whether the kernel grants huge pages quickly here. Decided once, by providing 32 MB both ways:
// where huge pages are disabled, or memory is so fragmented that the kernel would stall compacting
// it, pages populated at mapping are the faster provision, and they are used.
bool hugePagesAreFaster() {
    static const bool faster = [] {
        constexpr std::size_t probe = std::size_t{32} << 20;
        return timeProvision(probe, true) < timeProvision(probe, false);
    }();
    return faster;
}

} // namespace

void* allocateLarge(std::size_t bytes) {
    const bool huge = hugePagesAreFaster();
    void* block = mapAligned(bytes, huge ? 0 : MAP_POPULATE);
    if (!block)
        throw std::bad_alloc();
    if (huge)
        ::madvise(block, bytes, MADV_HUGEPAGE);
    return block;
}

void freeLarge(void* block, std::size_t bytes) noexcept {
    ::munmap(block, bytes);
}

bool largeBlocksUseHugePages() {
    return hugePagesAreFaster();
}

#else

void* allocateLarge(std::size_t bytes) {
    return ::operator new(bytes);
}

void freeLarge(void* block, std::size_t) noexcept {
    ::operator delete(block);
}

bool largeBlocksUseHugePages() {
    return false;
}

#endif

} // namespace orvanta::detail
