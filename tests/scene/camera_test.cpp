// The camera: projection calls, fitting, zoom, pan and view directions; after a fit every
// corner of the box projects inside the viewport.
#include "scene/camera.h"

#include <gtest/gtest.h>

#include <cmath>

#include "common/recording_gl.h"
#include "scene/scene_globals.h"

using namespace curvanta;

namespace {

using curvanta::GlCall;
using curvanta::RecordingGl;
using curvanta::ScopedGl;

Box MakeBox(float x0, float x1, float y0, float y1, float z0, float z1) {
  Box b;
  b.MinX = x0;
  b.MaxX = x1;
  b.MinY = y0;
  b.MaxY = y1;
  b.MinZ = z0;
  b.MaxZ = z1;
  return b;
}

TEST(Camera, FirstFrameIsOrthographicFromTheFront) {
  RecordingGl gl;
  ScopedGl use(&gl);
  Camera view;
  view.Projection([] { return Box{}; });
  const std::vector<GlCall> want = {
      {"glMatrixMode", {GL_PROJECTION}},
      {"glLoadIdentity", {}},
      {"glRenderMode", {GL_RENDER}},
      {"glOrtho", {-20, 20, -20, 20, 0.001f, 2000}},
      {"glMatrixMode", {GL_MODELVIEW}},
      {"glLoadIdentity", {}},
      {"gluLookAt", {0, 0, 1000, 0, 0, 0, 0, 1, 0}},
  };
  EXPECT_EQ(gl.Calls(), want);
  EXPECT_EQ(view.Volleft, -20.0f);
  EXPECT_EQ(view.VolTop, 20.0f);
  EXPECT_EQ(gl.CurrentMatrixMode(), GLenum(GL_MODELVIEW));
  EXPECT_TRUE(gl.Errors().empty());
}

TEST(Camera, OtherProjectTypesSetNoProjection) {
  RecordingGl gl;
  ScopedGl use(&gl);
  Camera view;
  view.ProjectType = 3;
  view.Projection([] { return Box{}; });
  EXPECT_EQ(gl.Count("glOrtho") + gl.Count("glFrustum"), 0);
  EXPECT_EQ(gl.Matrix(GL_PROJECTION)[0], 1.0);
  EXPECT_EQ(gl.Count("gluLookAt"), 1);
}

TEST(Camera, PerspectiveNearPlaneFromTheSceneBox) {
  struct Case {
    Box box;
    double nearPlane;
  };
  const Case cases[] = {
      {MakeBox(0, 999, 0, 1, 0, 1), 1},
      {MakeBox(0, 10, -2, 2, 0, 500), 500},
      {MakeBox(0, 1000, 0, 1, 0, 1), 1},  // the near plane stays in front of the eye
      {MakeBox(0, 5000, 0, 1, 0, 1), 1},
      {MakeBox(0, 1, 0, NAN, 0, 1), 999},
  };
  for (const Case& c : cases) {
    RecordingGl gl;
    ScopedGl use(&gl);
    Camera view;
    view.ProjectType = 2;
    view.Projection([&] { return c.box; });
    const auto frustum = gl.Named("glFrustum");
    ASSERT_EQ(frustum.size(), 1u);
    EXPECT_EQ(frustum[0].args, (std::vector<double>{-20, 20, -20, 20, c.nearPlane, 2000}));
    EXPECT_EQ(view.VolNear, 0.01f);
    EXPECT_TRUE(gl.Errors().empty());
    // Back to orthographic: the near plane stays 0.01.
    view.ProjectType = 1;
    view.Projection([&] { return c.box; });
    EXPECT_EQ(gl.Named("glOrtho")[0].args[4], double(0.01f));
  }
}

TEST(Camera, PerspectiveWithoutProviderAsksTheShownScene) {
  ResetSceneGlobals();
  RecordingGl gl;
  ScopedGl use(&gl);
  DocView.ProjectType = 2;
  DocView.Projection();  // empty scene: near far beyond far, accepted, draws nothing
  EXPECT_GT(gl.Named("glFrustum")[0].args[4], 2000);
  ResetSceneGlobals();
}

TEST(Camera, ZoomAllAndZoom) {
  Camera view;
  int32_t h = 200;
  view.SetScreen(400, h);
  view.ZoomAll(0, 0, 0, 10, 4, 2);
  EXPECT_EQ(view.VolHeight, 10.0f);
  EXPECT_EQ(view.VolWidth, 20.0f);
  EXPECT_EQ(view.RefPos()->x, 5.0f);
  EXPECT_EQ(view.RefPos()->y, 2.0f);
  EXPECT_EQ(view.RefPos()->z, 1.0f);
  EXPECT_EQ(view.EyePos()->z, 1001.0f);
  EXPECT_EQ(view.EyePos()->x, 5.0f);
  view.Zoom(2);
  EXPECT_EQ(view.VolHeight, 20.0f);
  EXPECT_EQ(view.VolWidth, 40.0f);

  // A fit of a scene whose items box to 10 x 4 x 2 carries the scene's margin.
  Camera fitted;
  fitted.SetScreen(400, h);
  curvanta::FitView(fitted, MakeBox(-0.1f, 10.1f, -0.1f, 4.1f, -0.1f, 2.1f));
  EXPECT_NEAR(fitted.VolHeight, 20.4, 1e-5);
  EXPECT_NEAR(fitted.VolWidth, 40.8, 1e-5);

  Camera deep;
  deep.ZoomAll(0, 0, 0, 1, 1, 5);
  EXPECT_EQ(deep.VolHeight, 5.0f);

  Camera z;
  z.Zoom(0.9f);
  EXPECT_FLOAT_EQ(z.VolWidth, 36.0f);
  EXPECT_FLOAT_EQ(z.VolHeight, 36.0f);
  z.Zoom(0);
  z.Zoom(-1);
  z.Zoom(NAN);
  EXPECT_FLOAT_EQ(z.VolWidth, 36.0f);
}

TEST(Camera, ZoomAllOfAnEmptyBoxChangesNothing) {
  Camera view;
  view.ZoomAll(9999999, 9999999, 9999999, -9999999, -9999999, -9999999);
  view.ZoomAll(1, 1, 1, 1, 1, 1);
  view.ZoomAll(0, 0, 0, NAN, 1, 1);
  EXPECT_EQ(view.VolWidth, 40.0f);
  EXPECT_EQ(view.VolHeight, 40.0f);
  EXPECT_EQ(view.RefPos()->x, 0.0f);
}

TEST(Camera, SetScreenAndResize) {
  RecordingGl gl;
  ScopedGl use(&gl);
  Camera view;
  int32_t h = 0;
  view.SetScreen(300, h);
  EXPECT_EQ(gl.Calls()[0], (GlCall{"glViewport", {0, 0, 300, 0}}));
  EXPECT_EQ(h, 1);
  EXPECT_EQ(view.ScreenHeight, 1.0f);
  EXPECT_EQ(view.ScreenWidth, 300.0f);
  // Resizing keeps the volume: the picture stretches until the next fit.
  h = 100;
  view.SetScreen(640, h);
  EXPECT_EQ(view.VolWidth, 40.0f);
  int32_t h2 = 50;
  view.SetScreen(0, h2);
  EXPECT_EQ(view.ScreenWidth, 1.0f);
  EXPECT_TRUE(gl.Errors().empty());
}

TEST(Camera, MoveViewPansAcrossTheLineOfSight) {
  Camera view;
  view.MoveView(1, 0);
  EXPECT_EQ(view.EyePos()->x, -40.0f);
  EXPECT_EQ(view.RefPos()->x, -40.0f);
  EXPECT_EQ(view.EyePos()->z, 1000.0f);
  view.MoveView(0, 0.5f);
  EXPECT_EQ(view.EyePos()->y, -20.0f);
  EXPECT_EQ(view.RefPos()->y, -20.0f);
  // Eye and look-at point in one place: nothing moves.
  view.SetEye(1, 2, 3);
  view.SetRef(1, 2, 3);
  view.MoveView(1, 1);
  EXPECT_EQ(view.EyePos()->x, 1.0f);
}

TEST(Camera, SetViewType) {
  struct Case {
    int32_t type;
    std::array<double, 3> eye, up;
  };
  const double e = 1000 / std::sqrt(3.0);
  const Case cases[] = {
      {1, {0, 0, 1000}, {0, 1, 0}},       {2, {0, 0, -1000}, {0, 1, 0}},
      {3, {0, 1000, 0}, {0, 0, 1}},       {4, {0, -1000, 0}, {0, 0, 1}},
      {5, {1000, 0, 0}, {0, 1, 0}},       {6, {-1000, 0, 0}, {0, 1, 0}},
      {9, {e, e, e}, {-1 / 3.0, 2 / 3.0, -1 / 3.0}},
      {7, {-e, e, -e}, {1 / 3.0, 2 / 3.0, 1 / 3.0}},
      {0, {0, 0, 1000}, {0, 1, 0}},       {11, {0, 0, 1000}, {0, 1, 0}},
  };
  for (const Case& c : cases) {
    Camera view;
    view.SetViewType(c.type);
    EXPECT_NEAR(view.EyePos()->x, c.eye[0], 0.01) << c.type;
    EXPECT_NEAR(view.EyePos()->y, c.eye[1], 0.01) << c.type;
    EXPECT_NEAR(view.EyePos()->z, c.eye[2], 0.01) << c.type;
    for (int i = 0; i < 3; ++i) EXPECT_NEAR(view.VecUp(i), c.up[i], 1e-5) << c.type;
  }
  Camera same;
  same.SetEye(0, 0, 0);
  same.SetViewType(5);
  EXPECT_EQ(same.EyePos()->x, 50.0f);
  EXPECT_THROW(same.VecUp(3), std::out_of_range);
}

TEST(Camera, SharedPoints) {
  Camera view;
  auto p = std::make_shared<Point>();
  view.SetRefPos(p);
  p->x = 7;
  EXPECT_EQ(view.RefPos()->x, 7.0f);
}

// Every corner of the fitted box lands inside the viewport: clip coordinates from the
// projection and model-view matrices the GL received.
TEST(Camera, FitKeepsEveryCornerInsideTheViewport) {
  const int32_t shapes[][2] = {{200, 200}, {800, 200}, {200, 800}, {640, 480},
                               {100, 1000}, {1000, 100}, {333, 517}};
  const Box boxes[] = {MakeBox(-0.1f, 10.1f, -0.1f, 4.1f, -0.1f, 2.1f), MakeBox(-5, 5, -1, 1, -1, 1),
                        Box(-1, 1, -30, 30, 0, 0.2f), Box(2, 3, 2, 3, -100, 100),
                        Box(-400, 300, -0.2f, 0.2f, 10, 20), Box(0, 0.2f, 0, 0.2f, 0, 0.2f)};
  for (int type : {1, 2}) {
    for (const auto& shape : shapes) {
      for (const Box& box : boxes) {
        RecordingGl gl;
        ScopedGl use(&gl);
        Camera view;
        view.ProjectType = type;
        int32_t h = shape[1];
        view.SetScreen(shape[0], h);
        curvanta::FitView(view, box);
        view.Projection([&] { return box; });
        ASSERT_TRUE(gl.Errors().empty());
        const auto p = gl.Matrix(GL_PROJECTION);
        const auto m = gl.Matrix(GL_MODELVIEW);
        for (int corner = 0; corner < 8; ++corner) {
          const double v[4] = {corner & 1 ? box.MaxX : box.MinX, corner & 2 ? box.MaxY : box.MinY,
                               corner & 4 ? box.MaxZ : box.MinZ, 1};
          double eye[4], clip[4];
          for (int r = 0; r < 4; ++r)
            eye[r] = m[r] * v[0] + m[4 + r] * v[1] + m[8 + r] * v[2] + m[12 + r] * v[3];
          for (int r = 0; r < 4; ++r)
            clip[r] = p[r] * eye[0] + p[4 + r] * eye[1] + p[8 + r] * eye[2] + p[12 + r] * eye[3];
          ASSERT_GT(clip[3], 0);
          for (int k = 0; k < 3; ++k) {
            EXPECT_LE(std::fabs(clip[k] / clip[3]), 1.0)
                << "type " << type << ", " << shape[0] << "x" << shape[1] << ", corner "
                << corner << ", axis " << k;
          }
        }
      }
    }
  }
}

}  // namespace
