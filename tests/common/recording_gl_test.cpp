// The recording GL layer: the log, display lists, the state the calls leave and misuse.
#include "common/recording_gl.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace curvanta;

namespace curvanta {
namespace {

// Applies a column-major matrix to a point (w = 1) and divides by w.
std::array<double, 3> Apply(const GlMatrix& m, double x, double y, double z) {
  double out[4];
  for (int row = 0; row < 4; ++row)
    out[row] = m[row] * x + m[4 + row] * y + m[8 + row] * z + m[12 + row];
  return {out[0] / out[3], out[1] / out[3], out[2] / out[3]};
}

void ExpectNear3(const std::array<double, 3>& got, double x, double y, double z) {
  EXPECT_NEAR(got[0], x, 1e-9);
  EXPECT_NEAR(got[1], y, 1e-9);
  EXPECT_NEAR(got[2], z, 1e-9);
}

TEST(RecordingGl, LogsCallsWithPointerArgumentsSpreadOut) {
  RecordingGl gl;
  const GLfloat m[16] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16};
  const GLfloat pos[4] = {1, 2, 3, 0};
  const GLfloat shin = 12.5f;
  const GLbyte codes[3] = {45, 48, -2};
  gl.glMultMatrixf(m);
  gl.glLightfv(GL_LIGHT1, GL_POSITION, pos);
  gl.glMaterialfv(GL_FRONT_AND_BACK, GL_SHININESS, &shin);
  gl.glCallLists(3, GL_BYTE, codes);
  ASSERT_EQ(gl.Calls().size(), 4u);
  EXPECT_EQ(gl.Calls()[0].args.size(), 16u);
  EXPECT_EQ(gl.Calls()[0].args[15], 16);
  EXPECT_EQ(gl.Calls()[1], (GlCall{"glLightfv", {GL_LIGHT1, GL_POSITION, 1, 2, 3, 0}}));
  EXPECT_EQ(gl.Calls()[2], (GlCall{"glMaterialfv", {GL_FRONT_AND_BACK, GL_SHININESS, 12.5}}));
  EXPECT_EQ(gl.Calls()[3], (GlCall{"glCallLists", {3, GL_BYTE, 45, 48, -2}}));
  EXPECT_EQ(ToString(gl.Calls()[2]), "glMaterialfv(1032, 5633, 12.5)");
  EXPECT_EQ(gl.Count("glLightfv"), 1);
  EXPECT_TRUE(gl.Errors().empty());
}

TEST(RecordingGl, CompiledListsRunOnlyWhenCalled) {
  RecordingGl gl;
  gl.glNewList(900, GL_COMPILE);
  EXPECT_EQ(gl.CompilingList(), 900u);
  gl.glEnable(GL_LIGHTING);
  gl.glColor3f(1, 0, 0);
  gl.glLineWidth(3);
  gl.glEndList();
  EXPECT_FALSE(gl.Enabled(GL_LIGHTING));
  EXPECT_EQ(gl.Color()[1], 1.0f);
  EXPECT_EQ(gl.LineWidth(), 1.0f);
  EXPECT_EQ(gl.ListContents(900).size(), 3u);

  gl.glCallList(900);
  EXPECT_TRUE(gl.Enabled(GL_LIGHTING));
  EXPECT_EQ(gl.Color(), (std::array<float, 4>{1, 0, 0, 1}));
  EXPECT_EQ(gl.LineWidth(), 3.0f);

  // Compile-and-execute runs at once; a recompiled list replaces the old one.
  gl.glNewList(900, GL_COMPILE_AND_EXECUTE);
  gl.glDisable(GL_LIGHTING);
  gl.glEndList();
  EXPECT_FALSE(gl.Enabled(GL_LIGHTING));
  EXPECT_EQ(gl.ListContents(900).size(), 1u);
  EXPECT_TRUE(gl.glIsList(900));
  EXPECT_FALSE(gl.glIsList(901));
  EXPECT_TRUE(gl.Errors().empty());
}

TEST(RecordingGl, CallListsAddsTheBaseAndNests) {
  RecordingGl gl;
  const GLuint base = gl.glGenLists(3);
  ASSERT_NE(base, 0u);
  gl.glNewList(base + 1, GL_COMPILE);
  gl.glTranslatef(2, 0, 0);
  gl.glEndList();
  gl.glNewList(base + 2, GL_COMPILE);
  gl.glCallList(base + 1);
  gl.glCallList(base + 1);
  gl.glEndList();
  gl.glListBase(base);
  const GLubyte codes[2] = {1, 2};
  gl.glCallLists(2, GL_UNSIGNED_BYTE, codes);
  EXPECT_DOUBLE_EQ(gl.Matrix(GL_MODELVIEW)[12], 6.0);
  EXPECT_EQ(gl.ListBase(), base);
}

TEST(RecordingGl, GenListsHandsOutFreeRanges) {
  RecordingGl gl;
  gl.glNewList(2, GL_COMPILE);
  gl.glEndList();
  EXPECT_EQ(gl.glGenLists(1), 1u);
  EXPECT_EQ(gl.glGenLists(96), 3u);
  EXPECT_TRUE(gl.glIsList(98));
  gl.glDeleteLists(3, 96);
  EXPECT_FALSE(gl.glIsList(50));
  EXPECT_EQ(gl.glGenLists(2), 3u);
  EXPECT_EQ(gl.glGenLists(0), 0u);
}

TEST(RecordingGl, ReportsMisuse) {
  struct Case {
    const char* what;
    void (*run)(RecordingGl&);
    GLenum error;
  };
  const Case cases[] = {
      {"end without begin", [](RecordingGl& g) { g.glEnd(); }, GL_INVALID_OPERATION},
      {"begin twice",
       [](RecordingGl& g) {
         g.glBegin(GL_LINES);
         g.glBegin(GL_LINES);
       },
       GL_INVALID_OPERATION},
      {"state call inside begin",
       [](RecordingGl& g) {
         g.glBegin(GL_LINES);
         g.glLineWidth(2);
       },
       GL_INVALID_OPERATION},
      {"list inside list",
       [](RecordingGl& g) {
         g.glNewList(1, GL_COMPILE);
         g.glNewList(2, GL_COMPILE);
       },
       GL_INVALID_OPERATION},
      {"end list without list", [](RecordingGl& g) { g.glEndList(); }, GL_INVALID_OPERATION},
      {"end list inside begin",
       [](RecordingGl& g) {
         g.glNewList(1, GL_COMPILE);
         g.glBegin(GL_POINTS);
         g.glEndList();
       },
       GL_INVALID_OPERATION},
      {"list 0", [](RecordingGl& g) { g.glNewList(0, GL_COMPILE); }, GL_INVALID_VALUE},
      {"pop below the bottom", [](RecordingGl& g) { g.glPopMatrix(); }, GL_STACK_UNDERFLOW},
      {"push beyond 32",
       [](RecordingGl& g) {
         for (int i = 0; i < 32; ++i) g.glPushMatrix();
       },
       GL_STACK_OVERFLOW},
      {"line width 0", [](RecordingGl& g) { g.glLineWidth(0); }, GL_INVALID_VALUE},
      {"frustum with near 0",
       [](RecordingGl& g) { g.glFrustum(-1, 1, -1, 1, 0, 10); }, GL_INVALID_VALUE},
      {"sphere of a deleted quadric",
       [](RecordingGl& g) {
         GLUquadric* q = g.gluNewQuadric();
         g.gluDeleteQuadric(q);
         g.gluSphere(q, 1, 8, 8);
       },
       GL_INVALID_OPERATION},
  };
  for (const Case& c : cases) {
    RecordingGl gl;
    c.run(gl);
    EXPECT_EQ(gl.Errors().size(), 1u) << c.what;
    EXPECT_EQ(gl.glGetError(), c.error) << c.what;
    if (!gl.InsideBegin()) {
      EXPECT_EQ(gl.glGetError(), GLenum(GL_NO_ERROR)) << c.what;
    }
  }
}

TEST(RecordingGl, MatricesFollowTheGlFormulas) {
  RecordingGl gl;
  gl.glMatrixMode(GL_PROJECTION);
  gl.glLoadIdentity();
  gl.glOrtho(-20, 20, -10, 10, 0.001, 2000);
  const GlMatrix p = gl.Matrix(GL_PROJECTION);
  ExpectNear3(Apply(p, 20, 10, -0.001), 1, 1, -1);
  ExpectNear3(Apply(p, -20, -10, -2000), -1, -1, 1);

  gl.glLoadIdentity();
  gl.glFrustum(-2, 2, -1, 1, 1, 100);
  const GlMatrix f = gl.Matrix(GL_PROJECTION);
  ExpectNear3(Apply(f, 2, 1, -1), 1, 1, -1);
  ExpectNear3(Apply(f, -200, -100, -100), -1, -1, 1);

  gl.glMatrixMode(GL_MODELVIEW);
  gl.glLoadIdentity();
  gl.gluLookAt(5, 2, 1001, 5, 2, 1, 0, 1, 0);
  ExpectNear3(Apply(gl.Matrix(GL_MODELVIEW), 5, 2, 1), 0, 0, -1000);
  ExpectNear3(Apply(gl.Matrix(GL_MODELVIEW), 6, 3, 1), 1, 1, -1000);

  gl.glLoadIdentity();
  gl.gluLookAt(1, 0, 0, 0, 0, 0, 0, 1, 0);  // looking along -x: -z is to the right
  ExpectNear3(Apply(gl.Matrix(GL_MODELVIEW), 0, 0, -1), 1, 0, -1);

  gl.glLoadIdentity();
  gl.glTranslatef(1, 2, 3);
  gl.glRotatef(90, 0, 0, 1);
  gl.glScalef(2, 2, 2);
  ExpectNear3(Apply(gl.Matrix(GL_MODELVIEW), 1, 0, 0), 1, 4, 3);

  gl.glPushMatrix();
  gl.glLoadIdentity();
  EXPECT_EQ(gl.StackDepth(GL_MODELVIEW), 2);
  gl.glPopMatrix();
  ExpectNear3(Apply(gl.Matrix(GL_MODELVIEW), 1, 0, 0), 1, 4, 3);
  GLint depth = 0;
  gl.glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depth);
  EXPECT_EQ(depth, 1);
}

TEST(RecordingGl, LightPositionsAreTakenInEyeCoordinates) {
  RecordingGl gl;
  const GLfloat pos[4] = {100, 100, 100, 1};
  gl.glLightfv(GL_LIGHT0, GL_POSITION, pos);
  EXPECT_EQ(gl.Light(GL_LIGHT0, GL_POSITION), (std::array<float, 4>{100, 100, 100, 1}));
  gl.glTranslatef(0, 0, -1000);
  gl.glLightfv(GL_LIGHT0, GL_POSITION, pos);
  EXPECT_EQ(gl.Light(GL_LIGHT0, GL_POSITION), (std::array<float, 4>{100, 100, -900, 1}));
  const GLfloat dir[4] = {1, 0, 0, 0};  // directions do not move
  gl.glLightfv(GL_LIGHT1, GL_POSITION, dir);
  EXPECT_EQ(gl.Light(GL_LIGHT1, GL_POSITION), (std::array<float, 4>{1, 0, 0, 0}));
}

TEST(RecordingGl, MaterialsOnBothFaces) {
  RecordingGl gl;
  const GLfloat red[4] = {1, 0, 0, 1};
  gl.glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE, red);
  gl.glMaterialf(GL_BACK, GL_SHININESS, 5);
  EXPECT_EQ(gl.Material(GL_FRONT, GL_DIFFUSE), (std::array<float, 4>{1, 0, 0, 1}));
  EXPECT_EQ(gl.Material(GL_BACK, GL_AMBIENT)[0], 1.0f);
  EXPECT_EQ(gl.Material(GL_BACK, GL_SHININESS)[0], 5.0f);
  EXPECT_EQ(gl.Material(GL_FRONT, GL_SHININESS)[0], 0.0f);
}

TEST(RecordingGl, QuadricsAreCountedUntilDeleted) {
  RecordingGl gl;
  GLUquadric* a = gl.gluNewQuadric();
  GLUquadric* b = gl.gluNewQuadric();
  EXPECT_NE(a, b);
  gl.gluSphere(b, 0.5, 32, 32);
  EXPECT_EQ(gl.Named("gluSphere")[0], (GlCall{"gluSphere", {2, 0.5, 32, 32}}));
  gl.gluDeleteQuadric(a);
  EXPECT_EQ(gl.OpenQuadrics(), 1);
  gl.gluDeleteQuadric(b);
  EXPECT_EQ(gl.OpenQuadrics(), 0);
  EXPECT_TRUE(gl.Errors().empty());
}

TEST(RecordingGl, PrimitivesCarryColourAndNormal) {
  RecordingGl gl;
  gl.glColor3f(0, 0, 1);
  gl.glBegin(GL_TRIANGLES);
  gl.glVertex3f(0, 0, 0);
  gl.glNormal3f(0, 1, 0);
  gl.glVertex2f(1, 0);
  gl.glColor4f(1, 0, 0, 0.5f);
  gl.glVertex3d(0, 1, 2);
  gl.glEnd();
  gl.glBegin(GL_LINES);
  gl.glEnd();
  const auto prims = gl.Primitives();
  ASSERT_EQ(prims.size(), 2u);
  EXPECT_EQ(prims[0].mode, GLenum(GL_TRIANGLES));
  ASSERT_EQ(prims[0].vertices.size(), 3u);
  EXPECT_EQ(prims[0].vertices[0].color, (std::array<double, 4>{0, 0, 1, 1}));
  EXPECT_EQ(prims[0].vertices[0].normal, (std::array<double, 3>{0, 0, 1}));
  EXPECT_EQ(prims[0].vertices[1].normal, (std::array<double, 3>{0, 1, 0}));
  EXPECT_EQ(prims[0].vertices[2].position, (std::array<double, 3>{0, 1, 2}));
  EXPECT_EQ(prims[0].vertices[2].color[3], 0.5);
  EXPECT_TRUE(prims[1].vertices.empty());
  EXPECT_FALSE(gl.InsideBegin());
}

TEST(GlApi, DefaultLayerDoesNothingAndScopedInstallRestores) {
  GLfloat m[16];
  for (float& v : m) v = 7;
  Gl().glGetFloatv(GL_MODELVIEW_MATRIX, m);
  EXPECT_EQ(m[0], 0.0f);
  EXPECT_EQ(Gl().glGenLists(5), 0u);
  RecordingGl outer, inner;
  {
    ScopedGl a(&outer);
    {
      ScopedGl b(&inner);
      Gl().glBegin(GL_POINTS);
    }
    Gl().glEnd();
  }
  EXPECT_EQ(inner.Count("glBegin"), 1);
  EXPECT_EQ(outer.Count("glEnd"), 1);
  GLfloat v = 3;
  Gl().glGetFloatv(GL_LINE_WIDTH, &v);
  EXPECT_EQ(v, 0.0f);  // back to the do-nothing layer
}

}  // namespace
}  // namespace curvanta
