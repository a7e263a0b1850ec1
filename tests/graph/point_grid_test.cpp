// The point arrays: bounds, new points on every dimensioning (also in memory used again),
// and copies that own their points.
#include <gtest/gtest.h>

#include <cstring>
#include <utility>

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
