// Surfaces, 3D tables, animated surfaces, colour maps and surfaces of revolution drawn through
// the recording GL layer: polygon mode, shade model and normals per cell, gradient colours,
// the grids each kind draws and the points it shares.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>

#include "graph/graph_item.h"
#include "recorded_drawing.h"

using namespace curvanta;
using namespace curvanta::testing_support;

namespace {

std::shared_ptr<GraphItem> Surface(const std::string& z, int32_t su, int32_t sv,
                                   int32_t kind = GraphKind::Surface3D) {
  auto item = GraphItem::Init(1, "", kind, CoordKind::Cartesian3D, "x", "y", z, su, sv, -1, 1, -1,
                              1, FillKind::GradientX, kRed, kBlue, 0, 1, 3, 3, 1, false, false,
                              false, 0);
  item->FunForm = FormKind::Explicit;
  return item;
}

using SurfaceDrawTest = DrawingTest<3>;

TEST_F(SurfaceDrawTest, PolygonModeShadeModelAndNormalsPerCell) {
  struct Case {
    int32_t kind, show, smoothness;
    double polygonMode;  // 0: no call before the frame's own
    double shadeModel;   // 0: no call before the frame's own
    int normalsPerCell;
    int verticesPerCell;
    GLenum primitive = GL_QUADS;  // per cell, or GL_QUAD_STRIP per row of cells
  } cases[] = {
      {GraphKind::Surface3D, 3, 1, GL_FILL, GL_FLAT, 1, 4},
      {GraphKind::Surface3D, 2, 2, GL_LINE, GL_SMOOTH, 1, 4},
      {GraphKind::Surface3D, 1, 3, GL_POINT, GL_SMOOTH, 4, 4},
      {GraphKind::Surface3D, 2, 3, GL_LINE, GL_SMOOTH, 4, 4},
      {GraphKind::Surface3D, 3, 3, GL_FILL, GL_SMOOTH, 6, 6, GL_QUAD_STRIP},
      {GraphKind::Surface3D, 3, 0, GL_FILL, 0, 0, 0},  // empty cells
      {GraphKind::Surface3D, 0, 4, 0, 0, 0, 0},
      {GraphKind::ColorMap, 2, 3, GL_LINE, GL_SMOOTH, -1, -1},  // no primitive at all
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "kind " << c.kind << " show " << c.show << " smooth "
                                    << c.smoothness);
    auto item = Surface("x*y", 3, 2, c.kind);
    item->Show = c.show;
    item->Smoothness = c.smoothness;
    const RecordedDrawing d = DrawRecorded(*item);
    // The frame's common end sets GL_FILL and GL_SMOOTH last; anything before is the item's.
    const auto modes = d.Args("glPolygonMode");
    const auto shades = d.Args("glShadeModel");
    ASSERT_EQ(modes.size(), c.polygonMode ? 2u : 1u);
    ASSERT_EQ(shades.size(), c.shadeModel ? 2u : 1u);
    if (c.polygonMode) {
      EXPECT_EQ(modes[0], (std::vector<double>{GL_FRONT_AND_BACK, c.polygonMode}));
    }
    if (c.shadeModel) {
      EXPECT_EQ(shades[0][0], c.shadeModel);
    }
    if (c.normalsPerCell < 0) {
      EXPECT_EQ(d.Count("glBegin"), 0);
      continue;
    }
    // 3 x 2 cells: six quads, or three strips of three points per row.
    ASSERT_EQ(d.primitives.size(), c.primitive == GL_QUADS ? 6u : 3u);
    for (const GlPrimitive& p : d.primitives) EXPECT_EQ(p.mode, c.primitive);
    // Strips list each cell's corners in reverse, so their front faces are the clockwise ones,
    // for their own primitives only.
    const auto faces = d.Args("glFrontFace");
    if (c.primitive == GL_QUAD_STRIP) {
      EXPECT_EQ(faces, (std::vector<std::vector<double>>{{GL_CW}, {GL_CCW}}));
    } else {
      EXPECT_TRUE(faces.empty());
    }
    for (int n : d.PerPrimitive("glNormal3d")) EXPECT_EQ(n, c.normalsPerCell);
    for (int n : d.PerPrimitive("glColor3d")) EXPECT_EQ(n, c.verticesPerCell);
    // Cells run i outer, j inner, corners P00, P10, P11, P01.
    if (c.verticesPerCell == 0) continue;
    const std::vector<GlPrimitive> quads = d.Quads();
    ASSERT_EQ(quads.size(), 6u);
    int cell = 0;
    for (int32_t i = 0; i < 3; ++i)
      for (int32_t j = 0; j < 2; ++j, ++cell) {
        const int32_t ci[4] = {i, i + 1, i + 1, i}, cj[4] = {j, j, j + 1, j + 1};
        for (int k = 0; k < 4; ++k) {
          const Point& p = item->Vert3D(ci[k], cj[k]);
          EXPECT_EQ(quads[cell].vertices[k].position,
                    (std::array<double, 3>{p.x, p.y, p.z}));
        }
      }
  }
}

TEST_F(SurfaceDrawTest, SmoothestSphereCarriesItsRadiusAtEveryVertex) {
  // Each corner gets its own point's vertex normal: on a sphere that is the radius (up to the
  // orientation of the grid), at the seam too. The poles are left out.
  auto item = GraphItem::Init(1, "", GraphKind::Surface3D, CoordKind::Spherical, "a", "b", "1", 36,
                              18, 0, float(2 * kPi), 0, float(kPi), 4, 0, kRed, 0, 1, 3, 3, 3,
                              false, false, false, 0);
  item->FunForm = FormKind::Explicit;
  const RecordedDrawing d = DrawRecorded(*item);
  ASSERT_EQ(d.primitives.size(), 36u);
  ASSERT_EQ(d.Quads().size(), 36u * 18u);
  for (const GlPrimitive& q : d.primitives)
    for (const GlVertex& v : q.vertices) {
      if (std::fabs(v.position[1]) > 0.999) continue;
      const double dot = v.normal[0] * v.position[0] + v.normal[1] * v.position[1] +
                         v.normal[2] * v.position[2];
      EXPECT_GT(std::fabs(dot), std::cos(kPi / 180)) << v.position[0] << "," << v.position[1];
    }
}

// The colour of every drawn vertex against its coordinate on the fill's axis.
struct Extremes {
  std::array<double, 4> atMin{}, atMax{};
  bool allSame = true;
};
Extremes ColoursAlong(const RecordedDrawing& d, int axis) {
  Extremes e;
  double lo = 1e300, hi = -1e300;
  const auto first = d.primitives.at(0).vertices.at(0).color;
  for (const GlPrimitive& q : d.primitives)
    for (const GlVertex& v : q.vertices) {
      if (v.position[axis] < lo) lo = v.position[axis], e.atMin = v.color;
      if (v.position[axis] > hi) hi = v.position[axis], e.atMax = v.color;
      if (v.color != first) e.allSame = false;
    }
  return e;
}

void ExpectColour(const std::array<double, 4>& got, const std::array<double, 4>& want) {
  for (int k = 0; k < 3; ++k) EXPECT_NEAR(got[k], want[k], 1e-12) << "component " << k;
}

TEST_F(SurfaceDrawTest, GradientsRunFromSecondColourToFirstColour) {
  const auto red = Rgb(1, 0, 0), blue = Rgb(0, 0, 1), black = Rgb(0, 0, 0);
  struct Case {
    int32_t fill;
    bool overlay;   // a colour-map overlay lowers the scene box, not the gradient
    int axis;       // x 0, y 1 (vertical), z 2
  } gradients[] = {{FillKind::GradientX, false, 0},
                   {FillKind::GradientZ, false, 2},
                   {FillKind::GradientY, false, 1},
                   {FillKind::GradientY, true, 1}};
  for (const Case& c : gradients) {
    SCOPED_TRACE(testing::Message() << "fill " << c.fill << " overlay " << c.overlay);
    auto item = Surface("x^2-y/2", 4, 4);
    item->FillStyle = c.fill;
    item->ShowColormap = c.overlay;
    const Extremes e = ColoursAlong(DrawRecorded(*item), c.axis);
    ExpectColour(e.atMin, blue);
    ExpectColour(e.atMax, red);
  }
  // Single colour, and styles without a colour.
  struct Plain {
    int32_t fill;
    std::array<double, 4> colour;
  } plain[] = {{FillKind::Single, blue}, {0, black}, {5, black}};
  for (const Plain& c : plain) {
    auto item = Surface("x*y", 2, 2);
    item->FillStyle = c.fill;
    const Extremes e = ColoursAlong(DrawRecorded(*item), 0);
    EXPECT_TRUE(e.allSame) << c.fill;
    ExpectColour(e.atMin, c.colour);
  }
  // Equal heights along the vertical gradient: the range of 0 gives SecondColor everywhere.
  auto flat = Surface("2", 3, 3);
  flat->FillStyle = FillKind::GradientY;
  const Extremes e = ColoursAlong(DrawRecorded(*flat), 1);
  EXPECT_TRUE(e.allSame);
  ExpectColour(e.atMin, blue);
}

TEST_F(SurfaceDrawTest, TableSurfaceDrawsAndKeepsItsTablesPoints) {
  auto table = GraphItem::Init(1, "t", GraphKind::Table3D, CoordKind::Cartesian3D, "", "", "", 2, 1,
                               0, 0, 0, 0, FillKind::Single, 0, kBlue, 0, 1, 3, 3, 1, false, false,
                               false, 0);
  for (int32_t i = 0; i <= 2; ++i)
    for (int32_t j = 0; j <= 1; ++j)
      if (!(i == 1 && j == 1))  // one cell left empty
        table->SetVertTab3D(i, j, std::make_shared<Point>(Point::Init(float(i + 1), float(i * j + 1), float(j + 1))));
  const RecordedDrawing d = DrawRecorded(*table);
  ASSERT_EQ(d.primitives.size(), 2u);
  // The missing point is drawn at the origin (corner P11 of cell 0) and is in the table now.
  EXPECT_EQ(d.primitives[0].vertices[2].position, (std::array<double, 3>{0, 0, 0}));
  const std::shared_ptr<Point> created = table->VertTab3D(1, 1);
  EXPECT_EQ(created->x, 0);
  // Vert3D reads what the table holds.
  for (int32_t i = 0; i <= 2; ++i)
    for (int32_t j = 0; j <= 1; ++j) EXPECT_EQ(table->Vert3D(i, j).y, table->VertTab3D(i, j)->y);
  // A copy shares the table's points: an edit through it shows at the next drawing.
  auto copy = std::make_shared<GraphItem>();
  copy->TabEqualTo(*table);
  copy->VertTab3D(1, 1)->y = 7;
  const RecordedDrawing again = DrawRecorded(*table, 0, false);
  EXPECT_EQ(again.primitives[0].vertices[2].position[1], 7);
  EXPECT_EQ(table->Vert3D(1, 1).y, 7);
  // A table beyond its 201 x 201 cells draws nothing.
  table->StepU = 201;
  EXPECT_EQ(DrawRecorded(*table, 0, false).Count("glBegin"), 0);
}

TEST_F(SurfaceDrawTest, RevolutionDrawsFortyAngleStepsOfItsBand) {
  for (int32_t kind : {GraphKind::RevolutionX, GraphKind::RevolutionY}) {
    auto item = GraphItem::Init(1, "", kind, CoordKind::Plane, "0", "x", "x/2+1", 7, 3, 0, 0, 0, 2,
                                FillKind::GradientX, kRed, kBlue, 0, 1, 3, 3, 2, false, false,
                                false, 0);
    item->FunForm = FormKind::Explicit;
    const RecordedDrawing d = DrawRecorded(*item);
    EXPECT_EQ(d.primitives.size(), 40u * 3u) << kind;
    EXPECT_EQ(item->StepU, 40);
    for (int32_t i = 0; i <= 40; ++i)
      for (int32_t j = 0; j <= 3; ++j) {
        EXPECT_EQ(item->Vert3D(i, j).x, item->VertRev(i, j).x);
        EXPECT_EQ(item->Vert3D(i, j).z, item->VertRev(i, j).z);
      }
    const Point& p = item->VertRev(1, 2);
    EXPECT_EQ(d.primitives[2].vertices[1].position, (std::array<double, 3>{p.x, p.y, p.z}));
  }
}

TEST_F(SurfaceDrawTest, AnimationFrameIsTheStillSurfaceAtItsTime) {
  AnimFrameCount = 4;
  auto animated = Surface("sin(x+t)*y", 5, 4, GraphKind::Surface3DAnim);
  animated->Animation = true;
  animated->MinT = 0;
  animated->MaxT = 1;
  animated->FillStyle = FillKind::GradientY;
  ASSERT_TRUE(animated->GetPoints());
  for (int32_t k = 0; k <= 4; ++k) {
    SCOPED_TRACE(k);
    auto still = Surface("sin(x+" + std::to_string(0.25 * k).substr(0, 4) + ")*y", 5, 4);
    still->FillStyle = FillKind::GradientY;
    const RecordedDrawing s = DrawRecorded(*still);
    const RecordedDrawing a = DrawRecorded(*animated, k, false);
    EXPECT_EQ(a.calls, s.calls);
  }
  // Frames that were not sampled draw nothing.
  EXPECT_EQ(DrawRecorded(*animated, 5, false).Count("glBegin"), 0);
  EXPECT_EQ(DrawRecorded(*animated, -1, false).Count("glBegin"), 0);
}

}  // namespace
