// The point arrays: bounds, new points on every dimensioning (also in memory used again),
// and copies that own their points.
#include <gtest/gtest.h>

#include <sys/mman.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <utility>
#include <vector>

#include "common/heap_tuning.h"
#include "graph/point_grid.h"

using namespace curvanta;

namespace {

bool IsNew(const Point& p) {
  const Point fresh;
  return std::memcmp(&p, &fresh, sizeof p) == 0;
}

void Mark(PointGrid& grid) {
  for (size_t i = 0; i < grid.Count(); ++i) grid.Data()[i] = Point::Init(1, 2, float(i));
}

TEST(PointGrid, DimensioningAgainGivesNewPointsWithinTheNewBoundsOnly) {
  PointGrid grid;
  // Larger, smaller (the memory is kept), much smaller (it is given back), larger again; and
  // the same with blocks large enough to be taken in large pages.
  const int32_t bounds[][3] = {{3, 4, 5},     {3, 4, 2},      {1, 1, -1}, {9, -1, -1},
                               {4, 4, 4},     {100, 100, 100}, {100, 100, 60}, {2, -1, -1},
                               {300000, -1, -1}, {4, 4, 4}};
  for (const auto& b : bounds) {
    Mark(grid);
    grid.Allocate(b[0], b[1], b[2]);
    const int rank = b[1] < 0 ? 1 : b[2] < 0 ? 2 : 3;
    ASSERT_EQ(grid.Rank(), rank);
    size_t count = 1;
    for (int d = 0; d < rank; ++d) count *= size_t(b[d]) + 1;
    ASSERT_EQ(grid.Count(), count);
    for (size_t i = 0; i < count; ++i) EXPECT_TRUE(IsNew(grid.Data()[i])) << i;
    const Point& outside = rank == 1   ? grid.Get(b[0] + 1)
                           : rank == 2 ? grid.Get(0, b[1] + 1)
                                       : grid.Get(0, 0, b[2] + 1);
    EXPECT_TRUE(IsNew(outside));
    EXPECT_TRUE(IsNew(rank == 1 ? grid.Get(0, 0) : grid.Get(0)));  // a wrong rank
  }
  // Unset elements, part written: ResetFrom makes the rest new.
  Point* p = grid.AllocateUnset(2, 2);
  p[0] = Point::Init(5, 6, 7);
  grid.ResetFrom(1);
  EXPECT_EQ(grid.Get(0, 0).z, 7);
  for (size_t i = 1; i < grid.Count(); ++i) EXPECT_TRUE(IsNew(grid.Data()[i])) << i;
  EXPECT_THROW(grid.Allocate(-1), std::bad_alloc);
  EXPECT_FALSE(grid.Allocated());
  EXPECT_EQ(grid.Count(), 0u);
}

// True when every page of [start, start + bytes) is mapped in the process.
bool Mapped(const void* start, size_t bytes) {
  const size_t page = size_t(sysconf(_SC_PAGESIZE));
  std::vector<unsigned char> resident((bytes + page - 1) / page);
  return mincore(const_cast<void*>(start), bytes, resident.data()) == 0;
}

// A block of 4 MB or more is a mapping of its own, on a large-page boundary, and goes back
// to the system when freed, also where the heap keeps blocks of up to 32 MB (as the program
// has it): the large-page request never stays on memory the heap hands to others.
TEST(PointGrid, LargeBlocksAreMappingsOfTheirOwn) {
  KeepFreedMemoryForRedraws();
  constexpr size_t kLargePage = size_t(2) << 20;
  for (int32_t upper : {149999, 160000, 600000}) {  // just below 4 MB, above, about 16 MB
    PointGrid grid;
    grid.Allocate(upper);
    Mark(grid);
    const Point* start = grid.Data();
    const size_t bytes = grid.Count() * sizeof(Point);
    ASSERT_TRUE(Mapped(start, bytes));
    const bool large = bytes >= 2 * kLargePage;
    if (large) {
      EXPECT_EQ(reinterpret_cast<uintptr_t>(start) % kLargePage, 0u) << upper;
    }
    // A copy and a move keep their own blocks.
    PointGrid copy = grid;
    EXPECT_EQ(copy.Get(upper).z, float(upper));
    PointGrid moved = std::move(copy);
    EXPECT_EQ(moved.Get(upper).z, float(upper));
    grid.Clear();
    if (large) {
      EXPECT_FALSE(Mapped(start, bytes)) << upper;
    }
  }
  // More than the address space holds: a failed allocation, the array left empty. Also
  // bounds whose size in bytes lies just below the top of the address range (rounded up to
  // whole large pages it would pass the top and come out as nothing) and bounds whose
  // number of points itself passes the top (2^66 points).
  const int32_t tooLarge[][3] = {
      {2000000000, 20000, 0},
      {2147483642, 306783378, -1},  // 2^64 - 100 bytes
      {2147483647, 2147483647, 15},
  };
  for (const auto& b : tooLarge) {
    PointGrid huge;
    huge.Allocate(10);
    EXPECT_THROW(huge.Allocate(b[0], b[1], b[2]), std::bad_alloc) << b[0] << " " << b[1];
    EXPECT_FALSE(huge.Allocated());
    EXPECT_EQ(huge.Count(), 0u);
  }
}

TEST(PointGrid, CopiesOwnTheirPointsAndMovesLeaveAnEmptyArray) {
  PointGrid large;
  large.Allocate(200000);
  Mark(large);
  const PointGrid largeCopy = large;
  EXPECT_EQ(largeCopy.Get(199999).z, large.Get(199999).z);
  large = largeCopy;
  large.Allocate(1);
  EXPECT_EQ(largeCopy.Get(199999).z, 199999);

  PointGrid a;
  a.Allocate(2, 3);
  Mark(a);
  PointGrid b = a;
  b.Ref(1, 1).x = 42;
  EXPECT_EQ(a.Get(1, 1).x, 1);
  EXPECT_EQ(b.Get(1, 1).x, 42);
  EXPECT_EQ(b.Get(2, 3).z, a.Get(2, 3).z);
  PointGrid c;
  c.Allocate(7);
  c = b;
  EXPECT_EQ(c.Rank(), 2);
  EXPECT_EQ(c.Get(1, 1).x, 42);
  PointGrid d = std::move(c);
  EXPECT_EQ(d.Get(1, 1).x, 42);
  EXPECT_FALSE(c.Allocated());  // NOLINT: a moved-from array is empty
  EXPECT_TRUE(IsNew(c.Get(0, 0)));
  d = std::move(a);
  EXPECT_EQ(d.Get(1, 1).x, 1);
  EXPECT_EQ(d.Count(), 12u);
}

}  // namespace
