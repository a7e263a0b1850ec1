// Segment intersection and the line through two points.
#include <gtest/gtest.h>

#include "draw/plane_geometry.h"

using namespace curvanta;

namespace {

struct Case {
  const char* name;
  float x1, y1, x2, y2, x3, y3, x4, y4;
  int expected;
  float ix, iy, jx, jy;
};

TEST(PlaneGeometry, IntersectSegmentsTable) {
  const Case cases[] = {
      {"crossing", 0, -1, 2, 1, -5, 0, 5, 0, 1, 1, 0, 0, 0},
      {"reversed order", 2, 1, 0, -1, 5, 0, -5, 0, 1, 1, 0, 0, 0},
      {"crossing outside the x range", 3, 1, 4, 2, -1, 0, 1, 0, 0, 2, 0, 0, 0},
      {"touching at an end", -1, 1, 0, 0, -2, 0, 2, 0, 1, 0, 0, 0, 0},
      {"overlap on one line", 1, 0, 3, 0, -2, 0, 2, 0, 2, 1, 0, 2, 0},
      {"parallel, apart", 0, 1, 1, 1, 0, 0, 1, 0, 0, 0, 0, 0, 0},
      {"same line, disjoint x", 3, 0, 4, 0, -2, 0, 2, 0, 0, 0, 0, 0, 0},
  };
  for (const Case& c : cases) {
    float x1 = c.x1, y1 = c.y1, x2 = c.x2, y2 = c.y2, x3 = c.x3, y3 = c.y3, x4 = c.x4, y4 = c.y4;
    float ix = 0, iy = 0, jx = 0, jy = 0;
    const int r = IntersectSegments(x1, y1, x2, y2, x3, y3, x4, y4, ix, iy, jx, jy);
    EXPECT_EQ(r, c.expected) << c.name;
    if (r >= 1 || c.ix != 0) {
      EXPECT_FLOAT_EQ(ix, c.ix) << c.name;
      EXPECT_FLOAT_EQ(iy, c.iy) << c.name;
    }
    if (r == 2) {
      EXPECT_FLOAT_EQ(jx, c.jx) << c.name;
      EXPECT_FLOAT_EQ(jy, c.jy) << c.name;
    }
  }
}

TEST(PlaneGeometry, LineThroughAndMinMax) {
  float x0 = 1, y0 = 1, x1 = 3, y1 = 5, slope = 0, intercept = 0;
  LineThrough(x0, y0, x1, y1, slope, intercept);
  EXPECT_FLOAT_EQ(slope, 2);
  EXPECT_FLOAT_EQ(intercept, -1);
  float vx = 2, vy0 = 0, vy1 = 1;
  LineThrough(vx, vy0, vx, vy1, slope, intercept);  // vertical: a steep line
  EXPECT_FLOAT_EQ(slope, 10000);
  EXPECT_FLOAT_EQ(intercept, -20000);
  float a = 1, b = 2, c = 2;
  EXPECT_EQ(MinOf(a, b), 1);
  EXPECT_EQ(MaxOf(a, b), 2);
  EXPECT_EQ(MinOf(b, c), 2);
  EXPECT_EQ(MaxOf(b, c), 2);
}

}  // namespace
