// 2.5D strips drawn through the recording GL layer: the two edges, face and vertex normals
// (closed curves shade across their seam), gradients, the table strip sharing its table's
// points and the animated strip's frames.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>

#include "draw/strip_25d.h"
#include "graph/graph_item.h"
#include "recorded_drawing.h"

using namespace curvanta;
using namespace curvanta::testing_support;

namespace {

// y = f(x) over [lo, hi] as a strip.
std::shared_ptr<GraphItem> Strip(const std::string& y, float lo, float hi, int32_t steps,
                                 int32_t smoothness = 1) {
  auto item = GraphItem::Init(1, "", GraphKind::Strip25D, CoordKind::Plane, "0", "x", y, 1, steps,
                              0, 0, lo, hi, FillKind::GradientX, kRed, kBlue, 0, 1, 3, 3,
                              smoothness, false, false, false, 0);
  item->FunForm = FormKind::Explicit;
  return item;
}

// A 2.5D table of the given plane points.
std::shared_ptr<GraphItem> Table(const std::vector<std::pair<float, float>>& xy) {
  auto item = GraphItem::Init(1, "t", GraphKind::Table25D, CoordKind::Plane, "", "", "", 1,
                              int32_t(xy.size()) - 1, 0, 0, 0, 0, FillKind::GradientY, kRed, kBlue,
                              0, 1, 3, 3, 1, false, false, false, 0);
  for (size_t j = 0; j < xy.size(); ++j)
    item->SetVertTab3D(0, int32_t(j), std::make_shared<Point>(Point::Init(xy[j].first, xy[j].second, 0)));
  return item;
}

using StripDrawTest = DrawingTest<2>;

void ExpectVec(const std::array<double, 3>& got, double x, double y, double z) {
  EXPECT_NEAR(got[0], x, 1e-6);
  EXPECT_NEAR(got[1], y, 1e-6);
  EXPECT_NEAR(got[2], z, 1e-6);
}

TEST_F(StripDrawTest, LineStripHasOneFaceNormalAndAColourGradientAlongX) {
  auto item = Strip("x", -1, 1, 2);
  const RecordedDrawing d = DrawRecorded(*item);
  EXPECT_EQ(d.Args("glShadeModel")[0][0], GL_FLAT);
  EXPECT_EQ(d.Args("glPolygonMode")[0], (std::vector<double>{GL_FRONT_AND_BACK, GL_FILL}));
  ASSERT_EQ(d.primitives.size(), 2u);
  for (int n : d.PerPrimitive("glNormal3d")) EXPECT_EQ(n, 1);
  for (const GlPrimitive& q : d.primitives) {
    // Front edge on the line at z 0, back edge 3.0 behind it; corners A, B, C, D.
    const double z[4] = {0, 3, 3, 0};
    for (int k = 0; k < 4; ++k) {
      const GlVertex& v = q.vertices[k];
      EXPECT_EQ(v.position[1], v.position[0]);
      EXPECT_EQ(v.position[2], z[k]);
      ExpectVec(v.normal, -0.7071068, 0.7071068, 0);
      // Blue at x = -1, the mean at 0, red at 1.
      const double t = (v.position[0] + 1) / 2;
      EXPECT_NEAR(v.color[0], t, 1e-12);
      EXPECT_EQ(v.color[1], 0);
      EXPECT_NEAR(v.color[2], 1 - t, 1e-12);
    }
  }
  // Smoothness 0: the polygon mode is set, the cells stay empty.
  item->Smoothness = 0;
  const RecordedDrawing none = DrawRecorded(*item, 0, false);
  EXPECT_EQ(none.Count("glPolygonMode"), 2);
  EXPECT_EQ(none.Count("glShadeModel"), 1);  // the frame's own
  EXPECT_EQ(none.Count("glBegin"), 2);
  EXPECT_EQ(none.Count("glVertex3d"), 0);
}

TEST_F(StripDrawTest, StripShowsSinWhereItLies) {
  // Every front vertex lies on y = sin(x), its back partner 3.0 behind it.
  auto item = Strip("sin(x)", -3, 3, 24, 3);
  item->Show = 2;
  const RecordedDrawing d = DrawRecorded(*item);
  EXPECT_EQ(d.Args("glPolygonMode")[0][1], GL_LINE);
  ASSERT_EQ(d.primitives.size(), 24u);
  // Filled, one quad strip of back and front points in turn, the same cells.
  item->Show = 3;
  const RecordedDrawing filled = DrawRecorded(*item, 0, false);
  ASSERT_EQ(filled.primitives.size(), 1u);
  EXPECT_EQ(filled.primitives[0].mode, GLenum(GL_QUAD_STRIP));
  EXPECT_EQ(filled.primitives[0].vertices.size(), 50u);
  const std::vector<GlPrimitive> cells = filled.Quads();
  ASSERT_EQ(cells.size(), d.primitives.size());
  for (size_t j = 0; j < cells.size(); ++j)
    for (int k = 0; k < 4; ++k) {
      EXPECT_EQ(cells[j].vertices[k].position, d.primitives[j].vertices[k].position);
      EXPECT_EQ(cells[j].vertices[k].normal, d.primitives[j].vertices[k].normal);
      EXPECT_EQ(cells[j].vertices[k].color, d.primitives[j].vertices[k].color);
    }
  for (const GlPrimitive& q : d.primitives) {
    for (int k = 0; k < 4; ++k) EXPECT_NEAR(q.vertices[k].position[1], std::sin(q.vertices[k].position[0]), 1e-6);
    EXPECT_EQ(q.vertices[1].position[0], q.vertices[0].position[0]);
    EXPECT_EQ(q.vertices[1].position[2] - q.vertices[0].position[2], 3);
  }
}

TEST_F(StripDrawTest, ClosedCurveSharesItsEndNormalsAndAnOpenOneDoesNot) {
  // A unit circle (x = cos u, y = sin u): its last sample is its first.
  auto circle = GraphItem::Init(1, "", GraphKind::Strip25D, CoordKind::Plane, "0", "cos(u)", "sin(u)",
                                1, 16, 0, 0, 0, float(2 * kPi), FillKind::GradientX, kRed, kBlue, 0,
                                1, 3, 3, 3, false, false, false, 0);
  circle->FunForm = FormKind::Parametric;
  const std::vector<GlPrimitive> quads = DrawRecorded(*circle).Quads();
  ASSERT_EQ(quads.size(), 16u);
  const GlPrimitive& first = quads.front();
  const GlPrimitive& last = quads.back();
  for (const GlVertex* v : {&first.vertices[0], &first.vertices[1], &last.vertices[2], &last.vertices[3]}) {
    EXPECT_EQ(v->normal, first.vertices[0].normal);
    // The shared normal is the circle's radius at (1, 0): along x, up to the strip's side.
    EXPECT_NEAR(std::fabs(v->normal[0]), 1, 1e-6);
  }
  // An open curve ending up and to the right of its start keeps its end faces' normals.
  auto open = Strip("x^2", 0, 2, 4, 3);
  ASSERT_TRUE(open->GetPoints());
  open->GetBox(0);
  const SurfaceGrid rows(1, 4, open->Vert3DGrid().Data(), 5, 1);
  const StripNormals n = ComputeStripNormals(rows);
  EXPECT_FALSE(n.closed);
  for (int k = 0; k < 2; ++k) {
    EXPECT_EQ(n.vertex[k].front().y, n.face.front().y);
    EXPECT_EQ(n.vertex[k].back().x, n.face.back().x);
    EXPECT_EQ(n.vertex[k].back().y, n.face.back().y);
  }
  // Inner points: the normalised sum of the faces on either side.
  const Normal3 inner = Normalised(n.face[1] + n.face[2]);
  EXPECT_EQ(n.vertex[0][2].x, inner.x);
  EXPECT_EQ(n.vertex[1][2].y, inner.y);
}

TEST_F(StripDrawTest, GradientsAlongDepthAndHeight) {
  auto item = Strip("x^3", -1, 2, 6);
  item->FillStyle = FillKind::GradientZ;
  const RecordedDrawing depth = DrawRecorded(*item);
  for (const GlPrimitive& q : depth.primitives)
    for (const GlVertex& v : q.vertices)
      EXPECT_EQ(v.color, v.position[2] == 0 ? Rgb(0, 0, 1) : Rgb(1, 0, 0));
  item->FillStyle = FillKind::GradientY;
  const RecordedDrawing height = DrawRecorded(*item, 0, false);
  for (const GlPrimitive& q : height.primitives)
    for (const GlVertex& v : q.vertices) {
      if (v.position[1] == -1) {
        EXPECT_EQ(v.color, Rgb(0, 0, 1));
      }
      if (v.position[1] == 8) {
        EXPECT_EQ(v.color, Rgb(1, 0, 0));
      }
    }
}

TEST_F(StripDrawTest, TableStripDrawsItsTablesPoints) {
  auto table = Table({{0, 1}, {1, 2}, {3, 0.5f}});
  const RecordedDrawing d = DrawRecorded(*table, 0, false);
  ASSERT_EQ(d.primitives.size(), 2u);
  ExpectVec(d.primitives[1].vertices[2].position, 3, 0.5, 3);
  // Vert3D reads the table's points; an edit of the table shows at the next drawing.
  EXPECT_EQ(table->Vert3D(1, 2).z, 3);
  table->VertTab3D(0, 1)->y = 5;
  const RecordedDrawing again = DrawRecorded(*table, 0, false);
  EXPECT_EQ(again.primitives[0].vertices[3].position[1], 5);
  // A flat table along the vertical gradient: every vertex SecondColor.
  auto flat = Table({{0, 2}, {1, 2}, {2, 2}, {4, 2}});
  for (const GlPrimitive& q : DrawRecorded(*flat, 0, false).primitives)
    for (const GlVertex& v : q.vertices) EXPECT_EQ(v.color, Rgb(0, 0, 1));
  // One point, and no point at all: nothing drawn.
  EXPECT_EQ(DrawRecorded(*Table({{1, 1}}), 0, false).Count("glBegin"), 0);
  auto empty = Table({});
  EXPECT_EQ(DrawRecorded(*empty, 0, false).Count("glBegin"), 0);
}

TEST_F(StripDrawTest, AnimatedStripDrawsItsFrame) {
  AnimFrameCount = 3;
  auto item = Strip("x+t", 0, 1, 2);
  item->GraphType = GraphKind::Strip25DAnim;
  item->Animation = true;
  item->MinT = 0;
  item->MaxT = 3;
  item->FillStyle = FillKind::GradientY;
  ASSERT_TRUE(item->GetPoints());
  for (int32_t frame : {0, 2}) {
    const RecordedDrawing d = DrawRecorded(*item, frame, false);
    ASSERT_EQ(d.primitives.size(), 2u);
    for (const GlPrimitive& q : d.primitives)
      for (const GlVertex& v : q.vertices) {
        EXPECT_EQ(v.position[1], v.position[0] + frame);
        // The gradient spans this frame's heights only.
        EXPECT_NEAR(v.color[0], v.position[0], 1e-12);
      }
  }
  EXPECT_EQ(DrawRecorded(*item, 4, false).Count("glBegin"), 0);
}

}  // namespace
