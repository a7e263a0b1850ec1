// Dimensioning and bound checks of the point arrays, and the memory they keep.
#include "graph/point_grid.h"

#include <algorithm>
#include <cstdint>
#include <new>

#if defined(__linux__)
#include <sys/mman.h>
#endif

// Marks memory that must not be touched, in builds with the address checker; nothing in
// others.
#if defined(__has_include)
#if __has_include(<sanitizer/asan_interface.h>)
#include <sanitizer/asan_interface.h>
#endif
#endif
#if !defined(ASAN_POISON_MEMORY_REGION)
#define ASAN_POISON_MEMORY_REGION(addr, size) ((void)(addr), (void)(size))
#define ASAN_UNPOISON_MEMORY_REGION(addr, size) ((void)(addr), (void)(size))
#endif
#if defined(__SANITIZE_ADDRESS__)
#define CURVANTA_ADDRESS_CHECKS 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define CURVANTA_ADDRESS_CHECKS 1
#endif
#endif

namespace curvanta {

namespace {

// Blocks from this size on get a mapping of their own, aligned to and asked for in the
// system's large pages where it has them: a long animation's points then fault in a few
// hundred times instead of tens of thousands of times, and the large-page request goes with
// the block when it is freed instead of staying on heap memory that later serves others.
constexpr size_t kLargePage = size_t(2) << 20;
constexpr size_t kLargeBlock = 2 * kLargePage;

// The address checker guards heap blocks but knows nothing of a mapping: there the room
// after the points, at least this much, is marked untouchable instead.
#if defined(CURVANTA_ADDRESS_CHECKS)
constexpr size_t kGuardBytes = 64;
#else
constexpr size_t kGuardBytes = 0;
#endif

size_t MappedBytes(size_t count) {
  const size_t bytes = count * sizeof(Point) + kGuardBytes;
  return (bytes + kLargePage - 1) / kLargePage * kLargePage;
}

Point* NewBlock(size_t count) {
  const size_t bytes = count * sizeof(Point);
  if (bytes < kLargeBlock) return static_cast<Point*>(::operator new(bytes));
#if defined(__linux__)
  // Rounded up to whole large pages, with one more for the alignment, the size must still
  // be a number: near the top of the range the rounding would pass it and come out small.
  if (bytes > static_cast<size_t>(-1) - 2 * kLargePage - kGuardBytes) throw std::bad_alloc();
  const size_t rounded = MappedBytes(count);
  // Room for one more large page, so that an aligned start lies inside; the ends go back.
  void* raw = mmap(nullptr, rounded + kLargePage, PROT_READ | PROT_WRITE,
                   MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (raw == MAP_FAILED) throw std::bad_alloc();
  const uintptr_t start = reinterpret_cast<uintptr_t>(raw);
  const uintptr_t aligned = (start + kLargePage - 1) / kLargePage * kLargePage;
  if (aligned > start) munmap(raw, aligned - start);
  const size_t tail = (start + rounded + kLargePage) - (aligned + rounded);
  if (tail > 0) munmap(reinterpret_cast<void*>(aligned + rounded), tail);
  void* block = reinterpret_cast<void*>(aligned);
#if defined(MADV_HUGEPAGE)
  madvise(block, rounded, MADV_HUGEPAGE);  // a hint; without it the block works the same
#endif
  ASAN_POISON_MEMORY_REGION(static_cast<char*>(block) + bytes, rounded - bytes);
  return static_cast<Point*>(block);
#else
  return static_cast<Point*>(::operator new(bytes));
#endif
}

void DeleteBlock(Point* block, size_t count) {
#if defined(__linux__)
  if (count * sizeof(Point) >= kLargeBlock) {
    // Memory mapped here later must not find the guard still marked.
    ASAN_UNPOISON_MEMORY_REGION(block, MappedBytes(count));
    munmap(block, MappedBytes(count));
    return;
  }
#endif
  ::operator delete(block);
}

}  // namespace

PointGrid::PointGrid(const PointGrid& other)
    : rank_(other.rank_), scratch_(other.scratch_) {
  std::copy(other.upper_, other.upper_ + 3, upper_);
  if (other.count_ > 0) {
    points_ = NewBlock(other.count_);
    std::copy(other.points_, other.points_ + other.count_, points_);
    count_ = capacity_ = other.count_;
  }
}

PointGrid& PointGrid::operator=(const PointGrid& other) {
  if (this != &other) {
    PointGrid copy(other);
    *this = std::move(copy);
  }
  return *this;
}

PointGrid::PointGrid(PointGrid&& other) noexcept
    : rank_(other.rank_), points_(other.points_), count_(other.count_),
      capacity_(other.capacity_), scratch_(other.scratch_) {
  std::copy(other.upper_, other.upper_ + 3, upper_);
  other.points_ = nullptr;
  other.count_ = other.capacity_ = 0;
  other.rank_ = 0;
  std::fill(other.upper_, other.upper_ + 3, -1);
}

PointGrid& PointGrid::operator=(PointGrid&& other) noexcept {
  if (this != &other) {
    Free();
    rank_ = other.rank_;
    std::copy(other.upper_, other.upper_ + 3, upper_);
    points_ = other.points_;
    count_ = other.count_;
    capacity_ = other.capacity_;
    scratch_ = other.scratch_;
    other.points_ = nullptr;
    other.count_ = other.capacity_ = 0;
    other.rank_ = 0;
    std::fill(other.upper_, other.upper_ + 3, -1);
  }
  return *this;
}

PointGrid::~PointGrid() { Free(); }

void PointGrid::Free() {
  if (points_) DeleteBlock(points_, capacity_);
  points_ = nullptr;
  count_ = capacity_ = 0;
}

void PointGrid::Dimension(int32_t upper0, int32_t upper1, int32_t upper2) {
  const int rank = upper1 < 0 ? 1 : (upper2 < 0 ? 2 : 3);
  if (upper0 < 0) {
    Clear();
    throw std::bad_alloc();
  }
  // A number of points beyond what a size holds is memory that is not there.
  size_t count = static_cast<size_t>(upper0) + 1;
  bool beyond = false;
  if (rank >= 2) beyond = __builtin_mul_overflow(count, static_cast<size_t>(upper1) + 1, &count);
  if (rank >= 3)
    beyond = __builtin_mul_overflow(count, static_cast<size_t>(upper2) + 1, &count) || beyond;
  if (beyond) {
    Clear();
    throw std::bad_alloc();
  }
  rank_ = 0;
  upper_[0] = upper_[1] = upper_[2] = -1;
  count_ = 0;
  // The block held is used again when it has room and at most half of it would lie idle;
  // otherwise it goes before a new one is taken.
  if (count > capacity_ || count < capacity_ / 2) {
    Free();
    if (count > static_cast<size_t>(-1) / sizeof(Point)) throw std::bad_alloc();
    points_ = NewBlock(count);  // may throw
    capacity_ = count;
  }
  count_ = count;
  rank_ = rank;
  upper_[0] = upper0;
  upper_[1] = upper1;
  upper_[2] = upper2;
}

void PointGrid::Allocate(int32_t upper0, int32_t upper1, int32_t upper2) {
  Dimension(upper0, upper1, upper2);
  ResetFrom(0);
}

Point* PointGrid::AllocateUnset(int32_t upper0, int32_t upper1, int32_t upper2) {
  Dimension(upper0, upper1, upper2);
  return points_;
}

void PointGrid::ResetFrom(size_t first) {
  if (first < count_) std::fill(points_ + first, points_ + count_, Point());
}

void PointGrid::Clear() {
  Free();
  rank_ = 0;
  upper_[0] = upper_[1] = upper_[2] = -1;
}

bool PointGrid::Covers(int rank, int32_t upper0, int32_t upper1, int32_t upper2) const {
  if (upper0 < 0 || (rank >= 2 && upper1 < 0) || (rank >= 3 && upper2 < 0)) return true;
  if (rank != rank_) return false;
  if (upper0 > upper_[0]) return false;
  if (rank >= 2 && upper1 > upper_[1]) return false;
  if (rank >= 3 && upper2 > upper_[2]) return false;
  return true;
}

}  // namespace curvanta
