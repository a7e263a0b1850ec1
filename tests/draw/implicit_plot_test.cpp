// Implicit and inequality plots drawn through the recording GL layer with the real parser:
// the unit circle, the filled disc, polar plots with their own boxes, and one message for
// a domain error over half the plane.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "common/globals.h"
#include "common/message_service.h"
#include "common/recording_gl.h"
#include "draw/implicit_plot.h"
#include "expr/expression_parser.h"
#include "graph/graph_item.h"

using namespace curvanta;

namespace {

std::shared_ptr<GraphItem> Relation(const std::string& f, int32_t form, int32_t coord, float u0,
                               float u1, float v0, float v1) {
  auto item = GraphItem::Init(1, "", GraphKind::Function2D, coord, "", "", f, 1, 1, u0, u1, v0, v1,
                         0, 0, 0, 255, 1, 1, 3, 1, false, false, false, 0);
  item->FunForm = form;
  return item;
}

struct Plotted {
  std::vector<GlPrimitive> points;
  std::vector<GlCall> calls;
};

Plotted Draw(GraphItem& item, int32_t frame = 0) {
  RecordingGl gl;
  ScopedGl guard(&gl);
  ExpressionEngine evaluator;
  DrawImplicitPlot(item, frame, evaluator);
  Plotted p;
  p.points = gl.Primitives();
  p.calls = gl.Calls();
  EXPECT_TRUE(gl.Errors().empty());
  if (!p.calls.empty()) {
    EXPECT_TRUE(gl.Enabled(GL_LIGHTING));
    EXPECT_FALSE(gl.Enabled(GL_BLEND));
    EXPECT_FALSE(gl.Enabled(GL_POINT_SMOOTH));
  }
  return p;
}

class ImplicitPlotTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetGlobals(); }
  ScopedMessageRecorder messages;
};

TEST_F(ImplicitPlotTest, UnitCircleIsARingOfSmallPoints) {
  auto item = Relation("x^2+y^2-1", FormKind::Implicit, CoordKind::Plane, -2, 2, -2, 2);
  const Plotted p = Draw(*item);
  ASSERT_GT(p.points.size(), 100u);
  double farthest = 0;
  for (const GlPrimitive& prim : p.points) {
    ASSERT_EQ(prim.mode, GLenum(GL_POINTS));
    ASSERT_EQ(prim.vertices.size(), 1u);
    const auto& v = prim.vertices[0];
    farthest = std::max(farthest, std::fabs(std::hypot(v.position[0], v.position[1]) - 1));
    EXPECT_EQ(v.position[2], 0);
    EXPECT_EQ(v.color[0], 1);  // LineColor 255: red
    EXPECT_EQ(v.color[1], 0);
  }
  EXPECT_LT(farthest, 0.05);
  // Every point is drawn with size 2, set before the first.
  double size = 0;
  size_t sized = 0;
  for (const GlCall& c : p.calls) {
    if (c.name == "glPointSize") size = c.args[0];
    if (c.name == "glBegin") sized += size == 2.0;
  }
  EXPECT_EQ(sized, p.points.size());
  // Every quarter of the circle is covered.
  int quarters[4] = {0, 0, 0, 0};
  for (const GlPrimitive& prim : p.points) {
    const double a = std::atan2(prim.vertices[0].position[1], prim.vertices[0].position[0]);
    quarters[int(std::floor((a + M_PI) / (M_PI / 2))) & 3]++;
  }
  for (int q : quarters) EXPECT_GT(q, 20);
  EXPECT_TRUE(messages.recorder.messages.empty());
}

TEST_F(ImplicitPlotTest, InequalityFillsTheDisc) {
  auto item = Relation("x^2+y^2-1", FormKind::Inequality, CoordKind::Plane, -2, 2, -2, 2);
  const Plotted p = Draw(*item);
  for (const GlPrimitive& prim : p.points) {
    const auto& v = prim.vertices[0].position;
    EXPECT_LT(v[0] * v[0] + v[1] * v[1], 1.0 + 1e-6);
  }
  EXPECT_NEAR(double(p.points.size()), M_PI * 900, 120);  // the 1/30 grid inside the disc
  for (const GlCall& c : p.calls) {
    if (c.name == "glPointSize") {
      EXPECT_EQ(c.args[0], 3.0);
    }
  }
}

TEST_F(ImplicitPlotTest, PolarUnitCircleKeepsItsOwnBox) {
  auto circle = Relation("r-1", FormKind::Implicit, CoordKind::Polar, 0, 6.3f, 0, 2);
  auto small = Relation("r-0.5", FormKind::Implicit, CoordKind::Polar, 0, 6.3f, 0, 2);
  const Plotted p = Draw(*circle);
  ASSERT_GT(p.points.size(), 100u);
  for (const GlPrimitive& prim : p.points) {
    const auto& v = prim.vertices[0].position;
    EXPECT_NEAR(std::hypot(v[0], v[1]), 1, 0.03);
  }
  Draw(*small);
  // Each item answers with the extent of its own plot.
  const Box a = circle->GetBox(0);
  const Box b = small->GetBox(0);
  EXPECT_NEAR(a.MinX, -1, 0.03);
  EXPECT_NEAR(a.MaxX, 1, 0.03);
  EXPECT_NEAR(a.MinY, -1, 0.03);
  EXPECT_NEAR(a.MaxY, 1, 0.03);
  EXPECT_NEAR(b.MaxX, 0.5, 0.03);
  EXPECT_NEAR(b.MinY, -0.5, 0.03);
  for (const GlCall& c : p.calls) {
    if (c.name == "glPointSize") {
      EXPECT_EQ(c.args[0], 2.0);
    }
  }
}

TEST_F(ImplicitPlotTest, DomainErrorOverHalfThePlaneShowsOneMessage) {
  auto item = Relation("sqr(x)-y", FormKind::Implicit, CoordKind::Plane, -2, 2, -2, 2);
  const Plotted p = Draw(*item);
  ASSERT_EQ(messages.recorder.messages.size(), 1u);
  EXPECT_EQ(messages.recorder.messages[0].text, "SQR函数的参数必须大于0");
  EXPECT_EQ(messages.recorder.messages[0].title, "出错");
  // The right half still plots y = sqr(x).
  ASSERT_FALSE(p.points.empty());
  for (const GlPrimitive& prim : p.points) {
    const auto& v = prim.vertices[0].position;
    EXPECT_GE(v[0], 0);
    EXPECT_NEAR(std::sqrt(v[0]) - v[1], 0, 0.025);
  }
}

TEST_F(ImplicitPlotTest, FaultsPlotNothingAndShowNothing) {
  // 10^(x*400) overflows on the right: faults there plot nothing and show no box.
  auto item = Relation("10^(x*400)-y", FormKind::Inequality, CoordKind::Plane, -1, 1, -1, 1);
  const Plotted p = Draw(*item);
  for (const GlPrimitive& prim : p.points) EXPECT_LE(prim.vertices[0].position[0], 0.1);
  EXPECT_TRUE(messages.recorder.messages.empty());
}

TEST_F(ImplicitPlotTest, SyntaxErrorDrawsNothingAndOtherSystemsNothing) {
  auto bad = Relation("x^^2", FormKind::Implicit, CoordKind::Plane, -1, 1, -1, 1);
  const Plotted p = Draw(*bad);
  EXPECT_TRUE(p.calls.empty());
  EXPECT_EQ(messages.recorder.messages.size(), 1u);  // the parser's own syntax box
  auto space = Relation("x", FormKind::Implicit, CoordKind::Cartesian3D, -1, 1, -1, 1);
  space->PolarPlotBox.MaxX = 7;
  EXPECT_TRUE(Draw(*space).calls.empty());
  EXPECT_EQ(space->PolarPlotBox.MaxX, 7);
}

TEST_F(ImplicitPlotTest, AnimatedRelationBindsTheFramesT) {
  AnimFrameCount = 4;
  auto item = Relation("(x-t)*100", FormKind::Implicit, CoordKind::Plane, -2, 2, 0, 0);
  item->GraphType = GraphKind::Function2DAnim;
  item->MinT = -1;
  item->MaxT = 1;
  const Plotted p = Draw(*item, 3);  // t = -1 + 3 * 2 / 4 = 0.5
  ASSERT_EQ(p.points.size(), 1u);
  EXPECT_DOUBLE_EQ(p.points[0].vertices[0].position[0], 0.5);
}

TEST_F(ImplicitPlotTest, AnimatedItemSharesThePointCapOverItsFrames) {
  // A relation that holds everywhere plots every grid point. 1001 frames share 4,000,000
  // points: at most 3996 a frame, so [-4, 4]² (241² points a frame) takes every fourth
  // point (61²); [-1, 1]² (61²) keeps its own grid; a still item keeps all 241².
  struct Case {
    float lo, hi;
    bool animated;
    int32_t frame;
    size_t perAxis;
    double factor;
  };
  const Case cases[] = {
      {-4, 4, true, 0, 61, 4},
      {-4, 4, true, 1000, 61, 4},
      {-1, 1, true, 500, 61, 1},
      {-4, 4, false, 0, 241, 1},
  };
  AnimFrameCount = 1000;
  for (const Case& c : cases) {
    auto item = Relation("x*y*0-1", FormKind::Inequality, CoordKind::Plane, c.lo, c.hi, c.lo, c.hi);
    if (c.animated) {
      item->GraphType = GraphKind::Function2DAnim;
      item->Animation = true;
    }
    const Plotted p = Draw(*item, c.frame);
    ASSERT_EQ(p.points.size(), c.perAxis * c.perAxis) << c.hi << " frame " << c.frame;
    if (c.animated) {
      EXPECT_LE(p.points.size() * 1001, 4000000u);
    }
    // The points are (lo·30 + i·factor)/30: outer x, inner y.
    for (size_t i = 0; i < c.perAxis; i += 7) {
      for (size_t k = 0; k < c.perAxis; k += 5) {
        const auto& v = p.points[i * c.perAxis + k].vertices[0].position;
        ASSERT_EQ(v[0], double(float((c.lo * 30.0 + double(i) * c.factor) / 30))) << i << " " << k;
        ASSERT_EQ(v[1], double(float((c.lo * 30.0 + double(k) * c.factor) / 30))) << i << " " << k;
      }
    }
  }
}

TEST_F(ImplicitPlotTest, AllFailingGridShowsItsMessageOnceAndDrawsNothing) {
  struct Case {
    const char* relation;
    std::vector<std::string> messages;
  };
  const Case cases[] = {
      {"sqr(0-1-x^2)-y", {"SQR函数的参数必须大于0"}},
      {"exp(1000+x)+y", {}},                     // a fault at every point: no box
      {"log(y)+exp(1000+x)", {"The parameter of function LOG must larger than 0."}},  // the box where it comes first
      {"exp(1000+x)+log(y)", {}},                // the fault comes first everywhere
      {"x^2+y^2-1", {}},                         // beyond the float range on ±3e38
  };
  for (const Case& c : cases) {
    messages.recorder.clear();
    const float range = std::string(c.relation) == "x^2+y^2-1" ? 3e38f : 2.0f;
    for (int32_t form : {FormKind::Implicit, FormKind::Inequality}) {
      auto item = Relation(c.relation, form, CoordKind::Plane, -range, range, -range, range);
      EXPECT_TRUE(Draw(*item).points.empty()) << c.relation;
    }
    std::vector<std::string> shown;
    for (const Message& m : messages.recorder.messages) {
      EXPECT_EQ(m.title, "出错");
      shown.push_back(m.text);
    }
    // Once per plot: the implicit and the inequality plot each show it.
    std::vector<std::string> expected;
    for (int plot = 0; plot < 2; ++plot)
      expected.insert(expected.end(), c.messages.begin(), c.messages.end());
    EXPECT_EQ(shown, expected) << c.relation;
  }
}

}  // namespace
