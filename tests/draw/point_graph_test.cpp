// Point graphs drawn through the recording GL layer: the marker sits where the point's
// coordinates put it (checked against the coordinate formulas), a sphere in 3D, a flat
// circle in 2D, and the animated point moves frame by frame.
#include <gtest/gtest.h>

#include <cmath>

#include "common/globals.h"
#include "common/recording_gl.h"
#include "draw/graph_draw.h"
#include "graph/graph_item.h"

using namespace curvanta;

namespace {

std::shared_ptr<GraphItem> MakePoint(int32_t kind, int32_t coord, const char* x, const char* y,
                                     const char* z) {
  auto g = GraphItem::Init(1, "", kind, coord, x, y, z, 1, 1, 0, 1, 0, 0, 4, 0xFF0000, 0xFF0000, 0,
                           1, 4, 2, 2, false, false, false, 0);
  g->FunForm = 3;
  g->PointSize = 3;
  g->PointColor = 0x00FF00;
  if (kind == GraphKind::PointAnim) {
    g->Animation = true;
    g->MinT = 0;
    g->MaxT = 2;
  }
  return g;
}

class PointGraph : public ::testing::Test {
 protected:
  void TearDown() override { ResetGlobals(); }
  RecordingGl gl;
  ScopedGl use{&gl};
};

}  // namespace

TEST_F(PointGraph, ThreeDimensionalPointDrawsItsSphereAtItsCoordinates) {
  GraphMode = 3;
  // Stored axes: a point's x is the mathematical y, its y the mathematical z, its z the
  // mathematical x.
  struct Case {
    int32_t coord;
    const char *a, *b, *c;
    double mx, my, mz;  // mathematical x, y, z
  };
  const double r = 2, a = 1.0471976, b = 0.7853982;  // about pi/3 and pi/4
  const Case cases[] = {
      {CoordKind::Cartesian3D, "1", "2", "3", 1, 2, 3},
      {CoordKind::Cylindrical, "1.0471976", "2", "-1", r * std::cos(a), r * std::sin(a), -1},
      {CoordKind::Spherical, "1.0471976", "0.7853982", "2", r * std::sin(b) * std::cos(a),
       r * std::sin(b) * std::sin(a), r * std::cos(b)},
  };
  for (const Case& c : cases) {
    auto g = MakePoint(GraphKind::Point, c.coord, c.a, c.b, c.c);
    ASSERT_TRUE(g->GetPoints()) << c.coord;
    gl.ClearCalls();
    DrawGraphItem(*g, 0);
    const auto moves = gl.Named("glTranslatef");
    const auto spheres = gl.Named("gluSphere");
    ASSERT_EQ(moves.size(), 1u) << c.coord;
    ASSERT_EQ(spheres.size(), 1u) << c.coord;
    EXPECT_NEAR(moves[0].args[0], c.my, 1e-5) << c.coord;
    EXPECT_NEAR(moves[0].args[1], c.mz, 1e-5) << c.coord;
    EXPECT_NEAR(moves[0].args[2], c.mx, 1e-5) << c.coord;
    EXPECT_NEAR(spheres[0].args[1], 3 * 0.05 + 0.05, 1e-9) << c.coord;  // radius by size
    const auto colours = gl.Named("glColor3d");
    ASSERT_FALSE(colours.empty());
    EXPECT_EQ(colours[0].args, (std::vector<double>{0, 1, 0}));
  }
}

TEST_F(PointGraph, PlanePointIsAFlatCircleSolidOrHollow) {
  GraphMode = 1;
  auto g = MakePoint(GraphKind::Point, CoordKind::Plane, "0", "1.5", "-2");
  ASSERT_TRUE(g->GetPoints());
  for (bool hollow : {false, true}) {
    g->PointHollow = hollow;
    gl.ClearCalls();
    DrawGraphItem(*g, 0);
    EXPECT_EQ(gl.Count("gluSphere"), 0);
    const auto prims = gl.Primitives();
    ASSERT_FALSE(prims.empty());
    // The rim lies at the marker's radius around (1.5, -2) in the plane z = 0, in the
    // point's colour: a filled disc, or a ring of lines (on a white disc) when hollow.
    double far = 0;
    bool colouredRim = false;
    for (const auto& p : prims)
      for (const auto& v : p.vertices) {
        const double d = std::hypot(v.position[0] - 1.5, v.position[1] + 2);
        far = std::max(far, d);
        EXPECT_EQ(v.position[2], 0.0);
        const bool green = v.color[0] == 0 && v.color[1] == 1 && v.color[2] == 0;
        if (green && d > 0.1 && p.mode == GLenum(hollow ? GL_LINES : GL_TRIANGLES)) colouredRim = true;
      }
    EXPECT_NEAR(far, hollow ? 0.17 : 0.2, 1e-5) << hollow;
    EXPECT_TRUE(colouredRim) << hollow;
  }
}

TEST_F(PointGraph, AnimatedPointMovesFrameByFrame) {
  GraphMode = 3;
  AnimFrameCount = 4;
  auto g = MakePoint(GraphKind::PointAnim, CoordKind::Cartesian3D, "t", "t^2", "0");
  ASSERT_TRUE(g->GetPoints());
  for (int32_t frame = 0; frame <= 4; ++frame) {
    gl.ClearCalls();
    DrawGraphItem(*g, frame);
    const double t = 2.0 * frame / 4;
    const auto moves = gl.Named("glTranslatef");
    ASSERT_EQ(moves.size(), 1u);
    EXPECT_NEAR(moves[0].args[0], t * t, 1e-5) << frame;  // mathematical y
    EXPECT_NEAR(moves[0].args[2], t, 1e-5) << frame;      // mathematical x
  }
}
