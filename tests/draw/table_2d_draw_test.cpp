// The smooth curve of 2D tables against an independent evaluation of the same chord-length
// Hermite spline, and the three layers of a table drawn through the recording GL layer.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <random>
#include <vector>

#include "common/globals.h"
#include "common/recording_gl.h"
#include "draw/graph_draw.h"
#include "draw/spline_curve.h"
#include "graph/graph_item.h"

using namespace curvanta;

namespace {

struct Curve {
  std::vector<float> x, y;
  int32_t count = 0;
};

Curve Spline(const std::vector<float>& xs, const std::vector<float>& ys) {
  Curve c;
  SplineCurve(static_cast<int32_t>(xs.size()) - 1, 1, 0, 0, 0, 0, xs, ys, c.x, c.y, c.count);
  return c;
}

// The spline written out from its definition: chord lengths h, tangents M with zero end
// tangents and h[i+1] M[i-1] + 2 (h[i] + h[i+1]) M[i] + h[i] M[i+1] =
// 3 ((P[i] - P[i-1]) h[i+1] / h[i] + (P[i+1] - P[i]) h[i] / h[i+1]) inside, solved by
// Gaussian elimination; each segment in the Hermite basis over s = t / h, sampled at the
// single-precision sums t = 0, 0.2, ... up to h, then its end point.
Curve Reference(const std::vector<float>& xs, const std::vector<float>& ys) {
  const size_t n = xs.size() - 1;
  std::vector<double> h(n + 1, 0.0);
  for (size_t i = 1; i <= n; ++i) h[i] = std::hypot(double(xs[i]) - xs[i - 1], double(ys[i]) - ys[i - 1]);
  auto tangents = [&](const std::vector<float>& p) {
    const size_t m = n + 1;
    std::vector<std::vector<double>> a(m, std::vector<double>(m + 1, 0.0));
    a[0][0] = 1;
    a[n][n] = 1;
    for (size_t i = 1; i < n; ++i) {
      a[i][i - 1] = h[i + 1];
      a[i][i] = 2 * (h[i] + h[i + 1]);
      a[i][i + 1] = h[i];
      a[i][m] = 3 * ((double(p[i]) - p[i - 1]) * h[i + 1] / h[i] + (double(p[i + 1]) - p[i]) * h[i] / h[i + 1]);
    }
    for (size_t col = 0; col < m; ++col) {
      size_t pivot = col;
      for (size_t r = col + 1; r < m; ++r)
        if (std::fabs(a[r][col]) > std::fabs(a[pivot][col])) pivot = r;
      std::swap(a[col], a[pivot]);
      for (size_t r = 0; r < m; ++r) {
        if (r == col) continue;
        const double f = a[r][col] / a[col][col];
        for (size_t k = col; k <= m; ++k) a[r][k] -= f * a[col][k];
      }
    }
    std::vector<double> t(m);
    for (size_t i = 0; i < m; ++i) t[i] = a[i][m] / a[i][i];
    return t;
  };
  const std::vector<double> mx = tangents(xs), my = tangents(ys);
  Curve c;
  for (size_t i = 0; i < n; ++i) {
    const float hf = static_cast<float>(h[i + 1]);
    for (float t = 0; t <= hf; t = static_cast<float>(double(t) + 0.2)) {
      const double s = t / h[i + 1];
      const double h00 = 2 * s * s * s - 3 * s * s + 1, h10 = s * s * s - 2 * s * s + s;
      const double h01 = -2 * s * s * s + 3 * s * s, h11 = s * s * s - s * s;
      c.x.push_back(float(h00 * xs[i] + h10 * h[i + 1] * mx[i] + h01 * xs[i + 1] + h11 * h[i + 1] * mx[i + 1]));
      c.y.push_back(float(h00 * ys[i] + h10 * h[i + 1] * my[i] + h01 * ys[i + 1] + h11 * h[i + 1] * my[i + 1]));
    }
    c.x.push_back(xs[i + 1]);
    c.y.push_back(ys[i + 1]);
  }
  c.count = static_cast<int32_t>(c.x.size());
  return c;
}

TEST(SplineCurveTest, MatchesTheReferenceSplineAtRandomTables) {
  std::mt19937 random(20261210);
  std::uniform_real_distribution<float> coordinate(-3.0f, 3.0f);
  std::uniform_int_distribution<int> points(2, 12);
  for (int table = 0; table < 20; ++table) {
    std::vector<float> xs, ys;
    const int n = points(random);
    while (static_cast<int>(xs.size()) < n) {
      const float x = coordinate(random), y = coordinate(random);
      if (!xs.empty() && std::hypot(x - xs.back(), y - ys.back()) < 0.3) continue;
      xs.push_back(x);
      ys.push_back(y);
    }
    const Curve got = Spline(xs, ys), want = Reference(xs, ys);
    ASSERT_EQ(got.count, want.count) << "table " << table;
    for (int32_t k = 0; k < got.count; ++k) {
      ASSERT_NEAR(got.x[size_t(k)], want.x[size_t(k)], 1e-5) << "table " << table << " sample " << k;
      ASSERT_NEAR(got.y[size_t(k)], want.y[size_t(k)], 1e-5) << "table " << table << " sample " << k;
    }
    // Through every point: each segment starts at its point and ends exactly at the next.
    size_t at = 0;
    for (size_t i = 0; i + 1 < xs.size(); ++i) {
      EXPECT_NEAR(got.x[at], xs[i], 1e-6);
      EXPECT_NEAR(got.y[at], ys[i], 1e-6);
      while (!(got.x[at] == xs[i + 1] && got.y[at] == ys[i + 1])) ++at;
      ++at;
    }
    EXPECT_EQ(at, got.x.size());
  }
}

TEST(SplineCurveTest, TwoPointsGiveTheEasedStraightSegment) {
  const Curve c = Spline({0, 1}, {0, 0});
  ASSERT_EQ(c.count, 7);
  const float want[] = {0, 0.104f, 0.352f, 0.648f, 0.896f, 1, 1};
  for (int k = 0; k < 7; ++k) {
    EXPECT_NEAR(c.x[size_t(k)], want[k], 1e-6) << k;
    EXPECT_EQ(c.y[size_t(k)], 0.0f);
  }
}

TEST(SplineCurveTest, CollinearPointsStayOnTheirLine) {
  const std::vector<float> xs = {-2, -1.5f, 0, 0.25f, 2, 4};
  std::vector<float> ys;
  for (float x : xs) ys.push_back(2 * x + 1);
  const Curve c = Spline(xs, ys);
  ASSERT_GT(c.count, 20);
  for (int32_t k = 0; k < c.count; ++k) {
    EXPECT_NEAR(c.y[size_t(k)], 2 * c.x[size_t(k)] + 1, 1e-5) << k;
    EXPECT_GE(c.x[size_t(k)], -2.0f - 1e-6f);
    EXPECT_LE(c.x[size_t(k)], 4.0f + 1e-6f);
  }
}

TEST(SplineCurveTest, SamplingFollowsTheChords) {
  const Curve peak = Spline({0, 1, 2}, {0, 1, 0});
  ASSERT_EQ(peak.count, 18);  // 8 samples and the end point per segment
  EXPECT_EQ(peak.x[8], 1.0f);
  EXPECT_EQ(peak.y[8], 1.0f);
  EXPECT_EQ(peak.x[9], 1.0f);  // the next segment starts where the last ended
  // Chords below the step: start and end point only.
  EXPECT_EQ(Spline({0, 0.1f, 0.2f}, {0, 0.05f, 0}).count, 4);
  // A chord above 200 is sampled at chord / 1000, not 0.2.
  const Curve longChord = Spline({0, 300}, {0, 0});
  EXPECT_GE(longChord.count, 1001);
  EXPECT_LE(longChord.count, 1003);
  // Coincident neighbours or a single point: nothing.
  EXPECT_EQ(Spline({0, 0, 1}, {0, 0, 1}).count, 0);
  EXPECT_EQ(Spline({0}, {0}).count, 0);
}

// A 2D table item of the given points.
std::shared_ptr<GraphItem> Table(const std::vector<std::pair<float, float>>& points) {
  auto item = std::make_shared<GraphItem>();
  item->GraphType = GraphKind::Table2D;
  item->CoordType = CoordKind::Plane;
  item->StepU = 1;
  item->StepV = static_cast<int32_t>(points.size()) - 1;
  for (size_t j = 0; j < points.size(); ++j) {
    auto p = item->VertTab3D(0, int32_t(j));
    p->x = points[j].first;
    p->y = points[j].second;
  }
  return item;
}

struct Layer {
  std::vector<GlPrimitive> lines;
  std::vector<float> widths;  // line width in force at each line
  int markers = 0;
};

Layer DrawTable(GraphItem& item) {
  RecordingGl gl;
  ScopedGl guard(&gl);
  DrawGraphItem(item);
  EXPECT_TRUE(gl.Errors().empty());
  EXPECT_EQ(gl.LineWidth(), 1.0f);
  Layer layer;
  float width = 1;
  std::vector<GlCall> block;
  bool inside = false;
  for (const GlCall& call : gl.Calls()) {
    if (call.name == "glLineWidth") width = float(call.args[0]);
    if (call.name == "glBegin") {
      inside = true;
      block.clear();
    }
    if (inside) block.push_back(call);
    if (call.name == "glEnd") {
      inside = false;
      for (const GlPrimitive& p : RecordingGl::PrimitivesOf(block)) {
        if (p.mode == GL_LINES) {
          layer.lines.push_back(p);
          layer.widths.push_back(width);
        } else {
          ++layer.markers;
        }
      }
    }
  }
  return layer;
}

class Table2DDrawTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetGlobals();
    GraphMode = 1;
  }
};

TEST_F(Table2DDrawTest, LayersInOrderWithTheirColoursAndWidths) {
  auto item = Table({{0, 0}, {1, 0}});
  item->LineColor = 0x0000FF;
  item->LineWidth = 3;
  item->SmoothCurveColor = 0x00FF00;
  item->SmoothCurveWidth = 2;
  item->ScatterColor = 0xFF0000;
  item->ScatterSize = 4;
  item->Symbol = 3;
  const Layer layer = DrawTable(*item);
  ASSERT_EQ(layer.lines.size(), 1u + 6u);
  EXPECT_EQ(layer.lines[0].vertices[0].color[0], 1.0);
  EXPECT_EQ(layer.widths[0], 3.0f);
  for (size_t k = 1; k < layer.lines.size(); ++k) {
    EXPECT_EQ(layer.lines[k].vertices[0].color[1], 1.0);
    EXPECT_EQ(layer.widths[k], 2.0f);
  }
  EXPECT_GE(layer.markers, 2);
  // The table's own points carry the marker look, also for an item sharing them.
  GraphItem copy;
  copy.TabEqualTo(*item);
  for (int32_t j = 0; j <= 1; ++j) {
    EXPECT_EQ(copy.VertTab3D(0, j)->Size, 4.0f);
    EXPECT_EQ(copy.VertTab3D(0, j)->Symbol, 3);
    EXPECT_EQ(copy.VertTab3D(0, j)->Color, 0xFF0000);
  }
}

TEST_F(Table2DDrawTest, SwitchedLayersAndDegenerateTables) {
  auto item = Table({{0, 0}, {1, 1}, {1, 1}, {2, 0}});
  item->Show2DLine = false;
  item->Show2DScatter = false;
  item->LineWidth = 5;
  item->SmoothCurveWidth = 2;
  Layer layer = DrawTable(*item);
  // The repeated point is left out of the smooth curve: two segments of 8 samples and an end.
  EXPECT_EQ(layer.lines.size(), 17u);
  for (float w : layer.widths) EXPECT_EQ(w, 2.0f);

  auto one = Table({{1, 2}});
  layer = DrawTable(*one);
  EXPECT_TRUE(layer.lines.empty());
  EXPECT_GE(layer.markers, 1);

  auto none = Table({});
  layer = DrawTable(*none);
  EXPECT_TRUE(layer.lines.empty());
  EXPECT_EQ(layer.markers, 0);
}

}  // namespace
