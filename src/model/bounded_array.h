#pragma once

// Dense arrays with explicit index bounds, so that the engineering formulas keep the
// indices they are written with: members(k, s, 1) is storey k, slot s, presence flag.
//
// Storage is row-major (the last index runs fastest), so Array3 members(storey, slot, value)
// keeps the six values of one slot together, and ritMatrix(ritto, r, c) keeps each ritto's
// matrix in one contiguous block. Bounds are inclusive, as in lower..upper; an array whose
// upper bound is below its lower bound is empty.
//
// Indexing is checked in every build: an index outside the bounds is a programming error and
// stops the program with a message naming the array's bounds. Numeric kernels that need the
// last cycle of speed work on data() directly.

#include <cstddef>
#include <memory>
#include <span>
#include <utility>
#include <vector>

namespace orvanta {

namespace detail {

[[noreturn]] void indexOutOfBounds(int index, int lower, int upper);

inline int offsetOf(int index, int lower, int upper) {
    if (index < lower || index > upper) [[unlikely]]
        indexOutOfBounds(index, lower, upper);
    return index - lower;
}

inline std::size_t extentOf(int lower, int upper) {
    return upper >= lower ? static_cast<std::size_t>(upper - lower) + 1 : 0;
}

// Large blocks (the ritto matrices of a big building run to hundreds of megabytes) are mapped
// from the system in the fastest way the machine offers, measured once per run on a 32 MB probe:
// transparent huge pages (one page fault per 2 MB) where the kernel grants them quickly,
// otherwise pages made present at mapping, which cost no page fault per 4 KB either; on a
// 100 × 100 × 99 building ordinary faults would be a third of the time of the analysis. Small
// blocks come from the usual heap.
inline constexpr std::size_t largeBlockBytes = std::size_t{4} << 20;
void* allocateLarge(std::size_t bytes);
// Whether large blocks get transparent huge pages here (measured on first use).
bool largeBlocksUseHugePages();
void freeLarge(void* block, std::size_t bytes) noexcept;

// An allocator that leaves elements default-initialised (uninitialised for doubles), so that
// arrays that are about to be overwritten in full are not zero-filled first.
template <class T> struct DefaultInitAllocator : std::allocator<T> {
    template <class U> struct rebind { using other = DefaultInitAllocator<U>; };
    using std::allocator<T>::allocator;
    T* allocate(std::size_t n) {
        if (n * sizeof(T) >= largeBlockBytes)
            return static_cast<T*>(allocateLarge(n * sizeof(T)));
        return std::allocator<T>::allocate(n);
    }
    void deallocate(T* p, std::size_t n) noexcept {
        if (n * sizeof(T) >= largeBlockBytes)
            freeLarge(p, n * sizeof(T));
        else
            std::allocator<T>::deallocate(p, n);
    }
    template <class U> void construct(U* p) noexcept(noexcept(::new (static_cast<void*>(p)) U)) {
        ::new (static_cast<void*>(p)) U;
    }
    template <class U, class... Args> void construct(U* p, Args&&... args) {
        ::new (static_cast<void*>(p)) U(std::forward<Args>(args)...);
    }
};

template <class T> using Storage = std::vector<T, DefaultInitAllocator<T>>;

} // namespace detail

// Marks a constructor call whose contents will be overwritten in full before they are read.
struct Uninitialized {};
inline constexpr Uninitialized uninitialized{};

template <class T> class Array1 {
public:
    Array1() = default;
    // Elements lower..upper, zero-filled.
    Array1(int lower, int upper) : lower_(lower), upper_(upper), values_(size_(), T{}) {}
    Array1(Uninitialized, int lower, int upper) : lower_(lower), upper_(upper), values_(size_()) {}

    T& operator()(int i) { return values_[detail::offsetOf(i, lower_, upper_)]; }
    const T& operator()(int i) const { return values_[detail::offsetOf(i, lower_, upper_)]; }

    int lower() const { return lower_; }
    int upper() const { return upper_; }
    std::size_t size() const { return values_.size(); }
    bool empty() const { return values_.empty(); }
    T* data() { return values_.data(); }
    const T* data() const { return values_.data(); }
    std::span<T> values() { return values_; }
    std::span<const T> values() const { return values_; }

    bool operator==(const Array1&) const = default;

private:
    std::size_t size_() const { return detail::extentOf(lower_, upper_); }

    int lower_ = 1;
    int upper_ = 0;
    detail::Storage<T> values_;
};

template <class T> class Array2 {
public:
    Array2() = default;
    Array2(int lower1, int upper1, int lower2, int upper2)
        : lo1_(lower1), hi1_(upper1), lo2_(lower2), hi2_(upper2), values_(size_(), T{}) {}
    Array2(Uninitialized, int lower1, int upper1, int lower2, int upper2)
        : lo1_(lower1), hi1_(upper1), lo2_(lower2), hi2_(upper2), values_(size_()) {}

    T& operator()(int i, int j) { return values_[offset(i, j)]; }
    const T& operator()(int i, int j) const { return values_[offset(i, j)]; }

    int lower(int dimension) const { return dimension == 1 ? lo1_ : lo2_; }
    int upper(int dimension) const { return dimension == 1 ? hi1_ : hi2_; }
    std::size_t size() const { return values_.size(); }
    bool empty() const { return values_.empty(); }
    T* data() { return values_.data(); }
    const T* data() const { return values_.data(); }
    std::span<T> values() { return values_; }
    std::span<const T> values() const { return values_; }
    // The contiguous elements (i, lower2..upper2).
    std::span<T> row(int i) { return {values_.data() + offset(i, lo2_), extent2()}; }
    std::span<const T> row(int i) const { return {values_.data() + offset(i, lo2_), extent2()}; }

    bool operator==(const Array2&) const = default;

private:
    std::size_t extent2() const { return detail::extentOf(lo2_, hi2_); }
    std::size_t size_() const { return detail::extentOf(lo1_, hi1_) * extent2(); }
    std::size_t offset(int i, int j) const {
        return static_cast<std::size_t>(detail::offsetOf(i, lo1_, hi1_)) * extent2() +
               static_cast<std::size_t>(detail::offsetOf(j, lo2_, hi2_));
    }

    int lo1_ = 1, hi1_ = 0, lo2_ = 1, hi2_ = 0;
    detail::Storage<T> values_;
};

template <class T> class Array3 {
public:
    Array3() = default;
    Array3(int lower1, int upper1, int lower2, int upper2, int lower3, int upper3)
        : lo1_(lower1), hi1_(upper1), lo2_(lower2), hi2_(upper2), lo3_(lower3), hi3_(upper3),
          values_(size_(), T{}) {}
    Array3(Uninitialized, int lower1, int upper1, int lower2, int upper2, int lower3, int upper3)
        : lo1_(lower1), hi1_(upper1), lo2_(lower2), hi2_(upper2), lo3_(lower3), hi3_(upper3),
          values_(size_()) {}

    T& operator()(int i, int j, int k) { return values_[offset(i, j, k)]; }
    const T& operator()(int i, int j, int k) const { return values_[offset(i, j, k)]; }

    int lower(int dimension) const { return dimension == 1 ? lo1_ : dimension == 2 ? lo2_ : lo3_; }
    int upper(int dimension) const { return dimension == 1 ? hi1_ : dimension == 2 ? hi2_ : hi3_; }
    std::size_t size() const { return values_.size(); }
    bool empty() const { return values_.empty(); }
    T* data() { return values_.data(); }
    const T* data() const { return values_.data(); }
    std::span<T> values() { return values_; }
    std::span<const T> values() const { return values_; }
    // Whether the array has exactly these bounds, so that it can be reused for them.
    bool hasBounds(int lower1, int upper1, int lower2, int upper2, int lower3, int upper3) const {
        return !values_.empty() && lo1_ == lower1 && hi1_ == upper1 && lo2_ == lower2 &&
               hi2_ == upper2 && lo3_ == lower3 && hi3_ == upper3;
    }
    // The contiguous block of elements (i, ·, ·): one item's whole matrix.
    std::span<T> block(int i) { return {values_.data() + offset(i, lo2_, lo3_), blockSize()}; }
    std::span<const T> block(int i) const {
        return {values_.data() + offset(i, lo2_, lo3_), blockSize()};
    }

    bool operator==(const Array3&) const = default;

private:
    std::size_t extent2() const { return detail::extentOf(lo2_, hi2_); }
    std::size_t extent3() const { return detail::extentOf(lo3_, hi3_); }
    std::size_t blockSize() const { return extent2() * extent3(); }
    std::size_t size_() const { return detail::extentOf(lo1_, hi1_) * blockSize(); }
    std::size_t offset(int i, int j, int k) const {
        return (static_cast<std::size_t>(detail::offsetOf(i, lo1_, hi1_)) * extent2() +
                static_cast<std::size_t>(detail::offsetOf(j, lo2_, hi2_))) *
                   extent3() +
               static_cast<std::size_t>(detail::offsetOf(k, lo3_, hi3_));
    }

    int lo1_ = 1, hi1_ = 0, lo2_ = 1, hi2_ = 0, lo3_ = 1, hi3_ = 0;
    detail::Storage<T> values_;
};

} // namespace orvanta
