// The grid of implicit and inequality plots: the points plotted, the pitch and start of
// the grid, polar extents and the cap on the number of grid points.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "draw/implicit_grid.h"

using namespace curvanta;

namespace {

std::optional<float> Circle(float x, float y) {
  return static_cast<float>(double(x) * x + double(y) * y - 1.0);
}

TEST(ImplicitGrid, UnitCircleRingMatchesBruteForce) {
  ImplicitGridSpec spec{1, 1, -2, 2, -2, 2};
  const ImplicitPlot plot = PlotImplicitGrid(spec, Circle);
  ASSERT_FALSE(plot.points.empty());
  for (const auto& p : plot.points) {
    EXPECT_NEAR(std::hypot(p.x, p.y), 1.0, 0.05);
  }
  // The same grid walked independently: every point with |F| < 0.025, none other.
  size_t expected = 0;
  for (int i = -80; i <= 80; ++i)
    for (int k = -80; k <= 80; ++k) {
      const float v = *Circle(float(i / 40.0), float(k / 40.0));
      if (-0.025f < v && v < 0.025f) ++expected;
    }
  EXPECT_EQ(plot.points.size(), expected);
  EXPECT_EQ(plot.evaluations, 161 * 161);
  // Points lie on the 1/40 grid, the outer loop over x.
  EXPECT_DOUBLE_EQ(plot.points.front().x, -1.0);
  EXPECT_LE(plot.points.front().x, plot.points.back().x);
}

TEST(ImplicitGrid, RunsEvaluatedAtOnceGiveTheSamePlotAsSinglePoints) {
  // A run function that answers for some rows and leaves others (and, over a long domain,
  // some runs within a row) to the point function: the plot is the point-by-point plot.
  std::vector<float> seenC1;
  auto row = [&](float c1, const float* c2, size_t n, float* out) {
    seenC1.push_back(c1);
    if (std::fmod(std::fabs(c1), 0.5f) < 0.1f) return false;
    for (size_t k = 0; k < n; ++k) out[k] = *Circle(c1, c2[k]);
    return true;
  };
  for (ImplicitGridSpec spec : {ImplicitGridSpec{1, 1, -2, 2, -2, 2},
                                ImplicitGridSpec{4, 1, -1.5f, 1.5f, -40, 40},
                                ImplicitGridSpec{1, 2, 0, 6.3f, 0, 2}}) {
    seenC1.clear();
    const ImplicitPlot single = PlotImplicitGrid(spec, Circle);
    const ImplicitPlot runs = PlotImplicitGrid(spec, Circle, row);
    ASSERT_FALSE(seenC1.empty());
    EXPECT_EQ(runs.evaluations, single.evaluations);
    ASSERT_EQ(runs.points.size(), single.points.size());
    for (size_t i = 0; i < runs.points.size(); ++i) {
      ASSERT_EQ(runs.points[i].x, single.points[i].x) << i;
      ASSERT_EQ(runs.points[i].y, single.points[i].y) << i;
    }
    EXPECT_EQ(runs.minX, single.minX);
    EXPECT_EQ(runs.maxY, single.maxY);
  }
}

TEST(ImplicitGrid, InequalityFillsTheOpenDisc) {
  ImplicitGridSpec spec{4, 1, -2, 2, -2, 2};
  const ImplicitPlot plot = PlotImplicitGrid(spec, Circle);
  for (const auto& p : plot.points) EXPECT_LT(p.x * p.x + p.y * p.y, 1.0);
  // Every grid point of the 1/30 grid strictly inside the circle: about pi * 30^2.
  EXPECT_NEAR(double(plot.points.size()), 3.14159265 * 900, 120.0);
  EXPECT_EQ(plot.evaluations, 121 * 121);
}

TEST(ImplicitGrid, ScaledMinimumIsNotRounded) {
  ImplicitGridSpec spec{1, 1, 0.01f, 0.1f, 0, 0};
  std::vector<float> columns;
  PlotImplicitGrid(spec, [&](float c1, float) -> std::optional<float> {
    columns.push_back(c1);
    return 1.0f;
  });
  ASSERT_GE(columns.size(), 2u);
  EXPECT_FLOAT_EQ(columns[0], 0.01f);
  EXPECT_FLOAT_EQ(columns[1], 0.035f);
  EXPECT_EQ(columns.size(), 4u);  // 0.01, 0.035, 0.06, 0.085
}

TEST(ImplicitGrid, PolarUnitCircleAndItsBox) {
  ImplicitGridSpec spec{1, 2, 0, 6.3f, 0, 2};
  const ImplicitPlot plot =
      PlotImplicitGrid(spec, [](float, float r) -> std::optional<float> { return r - 1.0f; });
  ASSERT_FALSE(plot.points.empty());
  for (const auto& p : plot.points) EXPECT_NEAR(std::hypot(p.x, p.y), 1.0, 0.03);
  EXPECT_NEAR(plot.minX, -1, 0.03);
  EXPECT_NEAR(plot.maxX, 1, 0.03);
  EXPECT_NEAR(plot.minY, -1, 0.03);
  EXPECT_NEAR(plot.maxY, 1, 0.03);
}

TEST(ImplicitGrid, NothingPlottedAndOtherSystems) {
  ImplicitGridSpec polar{4, 2, 0, 6.3f, 0, 2};
  const ImplicitPlot none =
      PlotImplicitGrid(polar, [](float, float) -> std::optional<float> { return 1.0f; });
  EXPECT_TRUE(none.points.empty());
  EXPECT_EQ(none.minX, 0);
  EXPECT_EQ(none.maxX, 0);
  EXPECT_EQ(none.minY, 0);
  EXPECT_EQ(none.maxY, 0);
  // Failed evaluations plot nothing.
  const ImplicitPlot failed = PlotImplicitGrid(
      ImplicitGridSpec{4, 1, -1, 1, -1, 1}, [](float, float) { return std::optional<float>(); });
  EXPECT_TRUE(failed.points.empty());
  int calls = 0;
  PlotImplicitGrid(ImplicitGridSpec{1, 3, -1, 1, -1, 1}, [&](float, float) {
    ++calls;
    return std::optional<float>(0.0f);
  });
  EXPECT_EQ(calls, 0);
  // Empty or reversed and non-finite ranges.
  EXPECT_EQ(ImplicitAxisCount(1, 0, 40, 1), 0);
  EXPECT_EQ(ImplicitAxisCount(0, 0, 40, 1), 1);
  EXPECT_EQ(ImplicitAxisCount(-INFINITY, 0, 40, 1), 0);
}

TEST(ImplicitGrid, LargeDomainsAreThinnedToTheCap) {
  ImplicitGridSpec spec{1, 1, -100, 100, -100, 100};  // 8001 x 8001 grid points
  const double factor = ImplicitGridFactor(spec);
  EXPECT_EQ(factor, 5.0);  // 1601 x 1601 fits under 4,000,000; 2001 x 2001 does not
  const int64_t n = ImplicitAxisCount(spec.minU, spec.maxU, 40, factor);
  EXPECT_LE(n * n, kImplicitGridCap);
  ImplicitGridSpec small{1, 1, -2, 2, -2, 2};
  EXPECT_EQ(ImplicitGridFactor(small), 1.0);
  ImplicitGridSpec huge{4, 1, -1e30f, 1e30f, -1e30f, 1e30f};
  const double f = ImplicitGridFactor(huge);
  const int64_t h = ImplicitAxisCount(huge.minU, huge.maxU, 30, f);
  EXPECT_LE(h * h, kImplicitGridCap);
  EXPECT_GE(h, 1000);
}

TEST(ImplicitGrid, PitchesGrowByTheSmallestWholeFactorThatFits) {
  // The grid points of a factor, counted independently of the grid code.
  auto points = [](const ImplicitGridSpec& spec, double factor) {
    const int32_t n = spec.funForm == 1 ? 40 : 30;
    auto axis = [&](float lo, float hi) {
      const long double span = ((long double)hi - lo) * n;
      return std::floor(span / factor) + 1;
    };
    return axis(spec.minU, spec.maxU) * axis(spec.minV, spec.maxV);
  };
  struct Case {
    ImplicitGridSpec spec;
    double factor;  // 0: only that it is the smallest
  };
  const Case cases[] = {
      {{1, 1, -2, 2, -2, 2}, 1},
      {{1, 1, -100, 100, -100, 100}, 5},                     // 8001² does not fit, 1601² does
      {{4, 1, -4, 4, -4, 4, ImplicitFramePointCap(1001)}, 4},  // 241² over 1001 frames: 61²
      {{4, 1, -1, 1, -1, 1, ImplicitFramePointCap(1001)}, 1},  // 61² fits as it is
      {{1, 1, -25, 25, -25, 25}, 2},                         // 2001² is just above the cap
      {{1, 1, -25, 25, -25, 25, ImplicitFramePointCap(1001)}, 0},
      {{4, 2, 0, 1e6f, 0, 3, ImplicitFramePointCap(11)}, 0},
      {{1, 1, -3e38f, 3e38f, -3e38f, 3e38f}, 0},
      {{4, 1, -1e30f, 1e30f, 5, 5}, 0},
  };
  for (const Case& c : cases) {
    const double f = ImplicitGridFactor(c.spec);
    const double cap = double(c.spec.maxPoints);
    EXPECT_EQ(f, std::floor(f)) << c.spec.maxU;
    EXPECT_LE(points(c.spec, f), cap) << c.spec.maxU;
    const int32_t n = c.spec.funForm == 1 ? 40 : 30;
    EXPECT_LE(double(ImplicitAxisCount(c.spec.minU, c.spec.maxU, n, f)) *
                  double(ImplicitAxisCount(c.spec.minV, c.spec.maxV, n, f)),
              cap)
        << c.spec.maxU;
    if (c.factor != 0) EXPECT_EQ(f, c.factor) << c.spec.maxU;
    if (f > 1) {
      // The next smaller whole factor does not fit; where doubles hold no neighbouring whole
      // numbers, one smaller by a trillionth does not.
      const double smaller = f > 0x1p53 ? std::floor(f * (1 - 1e-12)) : f - 1;
      EXPECT_GT(points(c.spec, smaller), cap) << c.spec.maxU;
    }
  }
  EXPECT_EQ(ImplicitFramePointCap(1), kImplicitGridCap);
  EXPECT_EQ(ImplicitFramePointCap(1001), 3996);
}

TEST(ImplicitGrid, NoFactorFitsAnEmptyShare) {
  ImplicitGridSpec spec{1, 1, 0, 1, 0, 1, 0};
  EXPECT_EQ(ImplicitGridFactor(spec), 0);
  int calls = 0;
  const ImplicitPlot plot = PlotImplicitGrid(spec, [&](float, float) {
    ++calls;
    return std::optional<float>(0.0f);
  });
  EXPECT_EQ(calls, 0);
  EXPECT_TRUE(plot.points.empty());
}

}  // namespace
