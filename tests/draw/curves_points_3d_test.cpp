// 3D curves and points drawn through the recording GL layer: unlit one-pixel segments in
// SecondColor through the samples, frames of the animated kinds, and the point's marker.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "graph/graph_item.h"
#include "recorded_drawing.h"

using namespace curvanta;
using namespace curvanta::testing_support;

namespace {

using CurvesPoints3DTest = DrawingTest<3>;

// A helix x = cos u, y = u / 4, z = sin u (parametric Cartesian, stored with y vertical).
std::shared_ptr<GraphItem> Helix(int32_t kind = GraphKind::Curve3D) {
  auto item = GraphItem::Init(1, "", kind, CoordKind::Cartesian3D, "sin(u)+t", "cos(u)", "u/4", 24, 1,
                              0, 12, 0, 0, 0, 255, 65280, 255, 5, 3, 3, 3, false, false, false, 0);
  item->FunForm = FormKind::Parametric;
  return item;
}

TEST_F(CurvesPoints3DTest, CurveIsUnlitOnePixelSegmentsInSecondColour) {
  auto item = Helix();
  const RecordedDrawing d = DrawRecorded(*item);
  ASSERT_EQ(d.primitives.size(), 24u);
  EXPECT_EQ(d.Count("glLineWidth"), 24 + 1);  // one per segment, then the frame's reset
  for (const auto& w : d.Args("glLineWidth")) EXPECT_EQ(w[0], 1.0);
  for (size_t i = 0; i < d.primitives.size(); ++i) {
    const GlPrimitive& s = d.primitives[i];
    EXPECT_EQ(s.mode, GLenum(GL_LINES));
    for (int k = 0; k < 2; ++k) {
      EXPECT_EQ(s.vertices[k].color, Rgb(0, 1, 0));  // SecondColor, not LineColor
      // The helix's own points: u = 0.5 (i + k).
      const double u = 0.5 * double(i + k);
      EXPECT_NEAR(s.vertices[k].position[0], std::cos(u), 1e-6);
      EXPECT_NEAR(s.vertices[k].position[1], u / 4, 1e-6);
      EXPECT_NEAR(s.vertices[k].position[2], std::sin(u), 1e-6);
    }
  }
  // The line state is entered before the first segment and left after the last.
  const auto disables = d.Args("glDisable");
  EXPECT_EQ(disables.front()[0], GL_LIGHTING);
}

TEST_F(CurvesPoints3DTest, AnimatedCurveDrawsItsFrame) {
  AnimFrameCount = 2;
  auto item = Helix(GraphKind::Curve3DAnim);
  item->Animation = true;
  item->MinT = 0;
  item->MaxT = 4;
  ASSERT_TRUE(item->GetPoints());
  for (int32_t frame : {0, 1, 2}) {
    const RecordedDrawing d = DrawRecorded(*item, frame, false);
    ASSERT_EQ(d.primitives.size(), 24u);
    EXPECT_NEAR(d.primitives[3].vertices[0].position[2], std::sin(1.5) + 2 * frame, 1e-5);
  }
}

TEST_F(CurvesPoints3DTest, PointTakesTheItemsLookAndDrawsItsMarker) {
  auto item = GraphItem::Init(1, "", GraphKind::Point, CoordKind::Cartesian3D, "1", "2", "3", 1, 1,
                              0, 0, 0, 0, 0, 0, 0, 0, 1, 3, 3, 3, false, false, false, 0);
  item->PointColor = 65280;
  item->PointSize = 1;
  item->PointHollow = true;
  ASSERT_TRUE(item->GetPoints());
  item->Vert3D(0, 0).Symbol = 5;
  // 3D document: a sphere of radius 1 * 0.05 + 0.05 at the point.
  const RecordedDrawing sphere = DrawRecorded(*item, 0, false);
  EXPECT_EQ(item->Vert3D(0, 0).Symbol, 2);
  EXPECT_EQ(item->Vert3D(0, 0).Color, 65280);
  EXPECT_EQ(item->Vert3D(0, 0).Size, 1.0f);
  const auto spheres = sphere.Args("gluSphere");
  ASSERT_EQ(spheres.size(), 1u);
  EXPECT_NEAR(spheres[0][1], 0.1, 1e-12);
  EXPECT_EQ(spheres[0][2], 32);
  EXPECT_EQ(spheres[0][3], 32);
  const auto moves = sphere.Args("glTranslatef");
  ASSERT_EQ(moves.size(), 1u);
  EXPECT_EQ(moves[0], (std::vector<double>{2, 3, 1}));  // (y, z, x) in the scene's axes
  // 2D document, solid: a flat disc of radius 0.1 around (x, y) at z 0.
  GraphMode = 1;
  item->PointHollow = false;
  const RecordedDrawing flat = DrawRecorded(*item, 0, false);
  EXPECT_EQ(item->Vert3D(0, 0).Symbol, 1);
  ASSERT_FALSE(flat.primitives.empty());
  for (const GlPrimitive& t : flat.primitives) {
    EXPECT_EQ(t.mode, GLenum(GL_TRIANGLES));
    EXPECT_NEAR(std::hypot(t.vertices[0].position[0] - 2, t.vertices[0].position[1] - 3), 0.1, 1e-6);
    EXPECT_EQ(t.vertices[0].position[2], 0);
  }
}

TEST_F(CurvesPoints3DTest, AnimatedPointDrawsItsFrame) {
  AnimFrameCount = 3;
  auto item = GraphItem::Init(1, "", GraphKind::PointAnim, CoordKind::Cartesian3D, "t", "0", "0", 1,
                              1, 0, 0, 0, 0, 0, 0, 0, 0, 1, 3, 3, 3, false, false, false, 0);
  item->Animation = true;
  item->MaxT = 3;
  ASSERT_TRUE(item->GetPoints());
  const RecordedDrawing d = DrawRecorded(*item, 2, false);
  const auto moves = d.Args("glTranslatef");
  ASSERT_EQ(moves.size(), 1u);
  EXPECT_EQ(moves[0], (std::vector<double>{0, 0, 2}));
  EXPECT_EQ(item->Anim1D(2).Color, 255);
}

}  // namespace
