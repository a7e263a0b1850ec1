// The forwarding GL layer against a real context (needs a display, e.g. under xvfb-run).
#include "common/ui/forwarding_gl.h"

#include <gtest/gtest.h>

#include <QOffscreenSurface>
#include <QOpenGLContext>

using namespace curvanta;

namespace curvanta {
namespace {

TEST(ForwardingGl, ReachesTheCurrentContext) {
  QOpenGLContext context;
  if (!context.create()) FAIL() << "no OpenGL context (tests run under xvfb-run, see scripts/test)";
  QOffscreenSurface surface;
  surface.setFormat(context.format());
  surface.create();
  ASSERT_TRUE(context.makeCurrent(&surface));

  ForwardingGl real;
  ScopedGl installed(&real);
  const GLuint base = Gl().glGenLists(2);
  ASSERT_NE(base, 0u);
  Gl().glNewList(base, GL_COMPILE);
  Gl().glEnable(GL_LIGHTING);
  Gl().glEndList();
  EXPECT_TRUE(Gl().glIsList(base));
  EXPECT_FALSE(Gl().glIsEnabled(GL_LIGHTING));
  Gl().glCallList(base);
  EXPECT_TRUE(Gl().glIsEnabled(GL_LIGHTING));

  Gl().glMatrixMode(GL_MODELVIEW);
  Gl().glLoadIdentity();
  Gl().gluLookAt(0, 0, 1000, 0, 0, 0, 0, 1, 0);
  GLfloat m[16] = {};
  Gl().glGetFloatv(GL_MODELVIEW_MATRIX, m);
  EXPECT_FLOAT_EQ(m[14], -1000.0f);

  GLUquadric* q = Gl().gluNewQuadric();
  ASSERT_NE(q, nullptr);
  Gl().gluSphere(q, 0.1, 32, 32);
  Gl().gluDeleteQuadric(q);
  Gl().glDeleteLists(base, 2);
  Gl().glEnd();  // misuse reaches the GL's own error flag
  EXPECT_EQ(Gl().glGetError(), GLenum(GL_INVALID_OPERATION));
  EXPECT_EQ(Gl().glGetError(), GLenum(GL_NO_ERROR));
  context.doneCurrent();
}

}  // namespace
}  // namespace curvanta
