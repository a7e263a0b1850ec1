// Point markers: flat symbols in 2D documents, spheres otherwise.
#include "scene/point_draw.h"

#include <gtest/gtest.h>

#include <cmath>

#include "common/globals.h"
#include "common/recording_gl.h"

using namespace curvanta;

namespace {

using curvanta::DrawPoint;
using curvanta::GlCall;
using curvanta::GlPrimitive;
using curvanta::RecordingGl;
using curvanta::ScopedGl;

class PointDraw : public ::testing::Test {
 protected:
  void TearDown() override { ResetGlobals(); }
  RecordingGl gl;
  ScopedGl use{&gl};

  // Common checks: matrix restored, nothing left open.
  void ExpectClean() {
    EXPECT_TRUE(gl.Errors().empty());
    EXPECT_EQ(gl.StackDepth(GL_MODELVIEW), 1);
    EXPECT_EQ(gl.OpenQuadrics(), 0);
    EXPECT_FALSE(gl.InsideBegin());
  }
};

Point MakePoint(float x, float y, int32_t symbol, float size, int32_t colour) {
  Point p = Point::Init(x, y, 0);
  p.Symbol = symbol;
  p.Size = size;
  p.Color = colour;
  return p;
}

double Distance(const curvanta::GlVertex& v, double x, double y) {
  return std::hypot(v.position[0] - x, v.position[1] - y);
}

TEST_F(PointDraw, NewPointDrawsNothingIn2DAndASphereOtherwise) {
  GraphMode = 1;
  DrawPoint(Point());
  EXPECT_TRUE(gl.Primitives().empty());
  EXPECT_FALSE(gl.Enabled(GL_LIGHTING));
  for (int32_t mode : {2, 3}) {
    gl.ClearCalls();
    GraphMode = mode;
    DrawPoint(Point());
    std::vector<std::string> names;
    for (const GlCall& c : gl.Calls()) names.push_back(c.name);
    EXPECT_EQ(names, (std::vector<std::string>{"glPushMatrix", "glColor3d", "glTranslatef",
                                                "gluNewQuadric", "gluSphere", "gluDeleteQuadric",
                                                "glPopMatrix"}));
    EXPECT_EQ(gl.Calls()[1], (GlCall{"glColor3d", {0, 0, 0}}));
    EXPECT_EQ(gl.Calls()[2], (GlCall{"glTranslatef", {0, 0, 0}}));
    EXPECT_NEAR(gl.Calls()[4].args[1], 0.15 * 5 / 100 + 0.05, 1e-9);
    EXPECT_EQ(gl.Calls()[4].args[2], 32);
    EXPECT_EQ(gl.Calls()[4].args[3], 32);
    ExpectClean();
  }
}

TEST_F(PointDraw, EverySymbolIsTheSameSphereOutside2D) {
  for (int32_t mode : {2, 3}) {
    for (int32_t symbol = -1; symbol <= 7; ++symbol) {
      gl.ClearCalls();
      GraphMode = mode;
      Point p = MakePoint(1, 2, symbol, 1, 255);
      p.z = 3;
      DrawPoint(p);
      const auto spheres = gl.Named("gluSphere");
      ASSERT_EQ(spheres.size(), 1u);
      EXPECT_NEAR(spheres[0].args[1], 0.1, 1e-9);
      EXPECT_EQ(gl.Named("glTranslatef")[0], (GlCall{"glTranslatef", {1, 2, 3}}));
      EXPECT_EQ(gl.Count("glDisable"), 0);
      EXPECT_TRUE(gl.Primitives().empty());
      ExpectClean();
    }
  }
}

TEST_F(PointDraw, ColourBytes) {
  GraphMode = 3;
  struct Case {
    int32_t colour;
    std::array<float, 4> rgb;
  };
  const Case cases[] = {{255, {1, 0, 0, 1}},
                        {65280, {0, 1, 0, 1}},
                        {16711680, {0, 0, 1, 1}},
                        {0x808080, {128 / 255.f, 128 / 255.f, 128 / 255.f, 1}},
                        {int32_t(0x80000002u), {0, 0, 128 / 255.f, 1}},  // a system colour
                        {int32_t(0x80000005u), {0, 0, 0, 1}},
                        {0x7F0000FF, {1, 0, 0, 1}}};
  for (const Case& c : cases) {
    DrawPoint(MakePoint(0, 0, 1, 1, c.colour));
    EXPECT_EQ(gl.Color(), c.rgb) << c.colour;
  }
}

TEST_F(PointDraw, FlatSymbols) {
  GraphMode = 1;
  struct Case {
    int32_t symbol;
    float size;
    int primitives;     // begin/end blocks
    GLenum mode;        // of the last block
    double extent;      // distance of the last block's vertices from the centre
    bool whiteFirst;
    float lineWidth;    // left behind
  };
  const double r2 = 0.075 * std::sqrt(2.0);  // half-diagonal of a square of side 0.15
  const Case cases[] = {
      {1, 1, 20, GL_TRIANGLES, 0.1, false, 1},
      {1, 0, 20, GL_TRIANGLES, 0.05, false, 1},
      {2, 3, 40, GL_LINES, 0.17, true, 3},
      {3, 1.5f, 1, GL_QUADS, r2, false, 1},
      {3, 0, 1, GL_QUADS, 0, false, 1},
      {4, 2, 1, GL_TRIANGLES, -1, false, 1},
      {5, 2, 1, GL_QUADS, 0.15, false, 1},
      {6, 2, 2, GL_LINES, 0.15, false, 2},
      {0, 2, 0, 0, 0, false, 1},
      {7, 2, 0, 0, 0, false, 1},
  };
  for (const Case& c : cases) {
    RecordingGl fresh;
    ScopedGl inner(&fresh);
    fresh.glEnable(GL_LIGHTING);
    const float cx = 1.5f, cy = -2.0f;
    DrawPoint(MakePoint(cx, cy, c.symbol, c.size, 0xFF8000));
    const auto prims = fresh.Primitives();
    ASSERT_EQ(int(prims.size()), c.primitives) << c.symbol;
    EXPECT_FALSE(fresh.Enabled(GL_LIGHTING)) << c.symbol;
    EXPECT_EQ(fresh.LineWidth(), c.lineWidth) << c.symbol;
    EXPECT_TRUE(fresh.Errors().empty()) << c.symbol;
    EXPECT_EQ(fresh.StackDepth(GL_MODELVIEW), 1);
    if (prims.empty()) continue;
    EXPECT_EQ(prims.back().mode, c.mode) << c.symbol;
    for (const GlPrimitive& prim : prims) {
      const bool white = c.whiteFirst && &prim < &prims[20];
      for (const auto& v : prim.vertices) {
        EXPECT_EQ(v.position[2], 0.0);
        EXPECT_EQ(v.color, white ? (std::array<double, 4>{1, 1, 1, 1})
                                 : (std::array<double, 4>{0, 128 / 255.0, 1, 1}))
            << c.symbol;
      }
    }
    if (c.extent >= 0) {
      for (const auto& v : prims.back().vertices) {
        const double d = Distance(v, cx, cy);
        if (d > 1e-9) {
          EXPECT_NEAR(d, c.extent, 1e-6) << c.symbol;
        }
      }
    }
    EXPECT_EQ(fresh.Color(), (std::array<float, 4>{0, 128 / 255.f, 1, 1})) << c.symbol;
  }
}

TEST_F(PointDraw, CirclesAreTwentySeparateWedgesOfTheRim) {
  GraphMode = 1;
  DrawPoint(MakePoint(0, 0, 1, 1, 0));
  const auto prims = gl.Primitives();
  ASSERT_EQ(prims.size(), 20u);
  for (int j = 0; j < 20; ++j) {
    ASSERT_EQ(prims[j].vertices.size(), 3u);
    const double a0 = std::atan2(prims[j].vertices[0].position[1], prims[j].vertices[0].position[0]);
    const double expected = std::remainder(j * 0.31416, 2 * M_PI);
    EXPECT_NEAR(a0, expected, 1e-6) << j;
    EXPECT_EQ(prims[j].vertices[2].position, (std::array<double, 3>{0, 0, 0}));
    if (j > 0) {
      EXPECT_EQ(prims[j].vertices[0].position, prims[j - 1].vertices[1].position);
    }
  }
}

TEST_F(PointDraw, TriangleCorners) {
  GraphMode = 1;
  DrawPoint(MakePoint(1, 1, 4, 2, 0));
  const auto prims = gl.Primitives();
  ASSERT_EQ(prims.size(), 1u);
  const std::array<std::array<double, 3>, 3> want = {
      {{1, 1.15, 0}, {0.85, 0.85, 0}, {1.15, 0.85, 0}}};
  for (int i = 0; i < 3; ++i)
    for (int k = 0; k < 3; ++k) EXPECT_NEAR(prims[0].vertices[i].position[k], want[i][k], 1e-9);
}

}  // namespace
