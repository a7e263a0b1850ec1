// The point arrays: bounds, new points on every dimensioning (also in memory used again),
// and copies that own their points.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "common/heap_tuning.h"
#include "graph/point_grid.h"
#include "support/new_point.h"

using namespace curvanta;

namespace {

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
    for (size_t i = 0; i < count; ++i) EXPECT_TRUE(IsNewPoint(grid.Data()[i])) << i;
    const Point& outside = rank == 1   ? grid.Get(b[0] + 1)
                           : rank == 2 ? grid.Get(0, b[1] + 1)
                                       : grid.Get(0, 0, b[2] + 1);
    EXPECT_TRUE(IsNewPoint(outside));
    EXPECT_TRUE(IsNewPoint(rank == 1 ? grid.Get(0, 0) : grid.Get(0)));  // a wrong rank
  }
  // Unset elements, part written: ResetFrom makes the rest new.
  Point* p = grid.AllocateUnset(2, 2);
  p[0] = Point::Init(5, 6, 7);
  grid.ResetFrom(1);
  EXPECT_EQ(grid.Get(0, 0).z, 7);
  for (size_t i = 1; i < grid.Count(); ++i) EXPECT_TRUE(IsNewPoint(grid.Data()[i])) << i;
  EXPECT_THROW(grid.Allocate(-1), std::bad_alloc);
  EXPECT_FALSE(grid.Allocated());
  EXPECT_EQ(grid.Count(), 0u);
}

// The process's mappings as /proc/self/maps lists them.
std::string ProcessMappings() {
  std::ifstream maps("/proc/self/maps");
  return std::string((std::istreambuf_iterator<char>(maps)), std::istreambuf_iterator<char>());
}

// Whether each page of [from, to) lies in one of `mappings`, one flag a page.
std::vector<bool> MappedPages(const std::string& mappings, uintptr_t from, uintptr_t to) {
  const uintptr_t page = uintptr_t(sysconf(_SC_PAGESIZE));
  std::vector<bool> mapped((to - from) / page, false);
  std::istringstream lines(mappings);
  std::string line;
  while (std::getline(lines, line)) {
    uintptr_t start = 0, end = 0;
    const char* s = line.data();
    const char* e = s + line.size();
    const auto r = std::from_chars(s, e, start, 16);
    if (r.ec != std::errc() || r.ptr == e || *r.ptr != '-') continue;
    if (std::from_chars(r.ptr + 1, e, end, 16).ec != std::errc()) continue;
    for (uintptr_t a = std::max(start, from); a < std::min(end, to); a += page)
      mapped[(a - from) / page] = true;
  }
  return mapped;
}

// A block of 4 MB or more is a mapping of its own, on a large-page boundary, and goes back
// to the system when freed, also where the heap keeps blocks of up to 32 MB (as the program
// has it): the large-page request never stays on memory the heap hands to others. Every page
// around the block is checked: its own pages mapped while it lives, none of the extra room
// taken to align it kept, and all of it gone after.
TEST(PointGrid, LargeBlocksAreMappingsOfTheirOwn) {
  KeepFreedMemoryForRedraws();
  constexpr uintptr_t kLargePage = uintptr_t(2) << 20;
  const uintptr_t page = uintptr_t(sysconf(_SC_PAGESIZE));
  for (int32_t upper : {149999, 160000, 600000}) {  // just below 4 MB, above, about 16 MB
    SCOPED_TRACE(upper);
    const size_t bytes = (size_t(upper) + 1) * sizeof(Point);
    const bool large = bytes >= 2 * kLargePage;
    const std::string before = ProcessMappings();
    PointGrid grid;
    grid.Allocate(upper);
    Mark(grid);
    const uintptr_t start = reinterpret_cast<uintptr_t>(grid.Data());
    const uintptr_t rounded = (bytes + kLargePage - 1) / kLargePage * kLargePage;
    if (large) {
      EXPECT_EQ(start % kLargePage, 0u);
    }
    // A copy and a move keep their own blocks.
    PointGrid copy = grid;
    EXPECT_EQ(copy.Get(upper).z, float(upper));
    PointGrid moved = std::move(copy);
    EXPECT_EQ(moved.Get(upper).z, float(upper));
    moved.Clear();
    if (!large) {
      grid.Clear();
      continue;
    }
    const uintptr_t from = start - kLargePage, to = start + rounded + kLargePage;
    const std::vector<bool> was = MappedPages(before, from, to);
    const std::vector<bool> held = MappedPages(ProcessMappings(), from, to);
    grid.Clear();
    const std::vector<bool> after = MappedPages(ProcessMappings(), from, to);
    size_t heldWrong = 0, keptAfter = 0;
    for (size_t i = 0; i < held.size(); ++i) {
      const uintptr_t a = from + i * page;
      const bool own = a >= start && a < start + rounded;
      heldWrong += held[i] != (own || was[i]);
      keptAfter += after[i] != was[i];
    }
    EXPECT_EQ(heldWrong, 0u) << "pages mapped beside the block, or of it not mapped";
    EXPECT_EQ(keptAfter, 0u) << "pages of the block still mapped after it was freed";
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

#if defined(__SANITIZE_ADDRESS__)
// The address checker guards heap blocks by itself; a mapped block gets a guard after its
// points too, also when they fill their large pages exactly (14 MB), so a read past the last
// point is reported as it is for a small block.
TEST(PointGridDeathTest, ReadingPastTheLastPointIsReported) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  for (int32_t upper : {9, 160000, 524287}) {
    PointGrid grid;
    grid.Allocate(upper);
    const volatile float* past = &grid.Data()[grid.Count()].x;
    EXPECT_DEATH((void)*past, "heap-buffer-overflow|use-after-poison") << upper;
  }
}
#endif

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
  EXPECT_TRUE(IsNewPoint(c.Get(0, 0)));
  d = std::move(a);
  EXPECT_EQ(d.Get(1, 1).x, 1);
  EXPECT_EQ(d.Count(), 12u);
}

}  // namespace
