// Implicit and inequality plots drawn through the recording GL layer with the real parser:
// the unit circle, the filled disc, polar plots with their own boxes, and one message for
// a domain error over half the plane.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

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
  // Each point is preceded by its size 2.
  int sizes = 0;
  for (const GlCall& c : p.calls) {
    if (c.name == "glPointSize") {
      EXPECT_EQ(c.args[0], 2.0);
      ++sizes;
    }
  }
  EXPECT_EQ(size_t(sizes), p.points.size());
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

}  // namespace
