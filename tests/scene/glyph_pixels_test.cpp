// Glyph lists in a real GL context (under Xvfb): all 96 exist, and a glyph drawn flat into
// a framebuffer covers the area of its outline (and its one-pixel edge), counters left open.
#include <gtest/gtest.h>

#include <QImage>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFramebufferObject>
#include <cmath>

#include "common/ui/forwarding_gl.h"
#include "scene/outline_glyphs.h"
#include "scene/text3d.h"

using namespace curvanta;

namespace curvanta {
namespace {

struct GlyphPixels : ::testing::Test {
  void SetUp() override {
    if (!context.create()) FAIL() << "no OpenGL context (tests run under xvfb-run, see scripts/test)";
    surface.setFormat(context.format());
    surface.create();
    ASSERT_TRUE(context.makeCurrent(&surface));
  }
  void TearDown() override {
    if (context.isValid()) context.doneCurrent();
  }
  QOpenGLContext context;
  QOffscreenSurface surface;
  ForwardingGl real;
  ScopedGl installed{&real};
};

TEST_F(GlyphPixels, ListsExistAndGlyphAreasMatchTheirOutlines) {
  int32_t base = 0;
  ASSERT_TRUE(CreateOutlineFont(base, "Arial", -6, 400, 0, 0));
  ASSERT_NE(base, 0);
  for (int i = 0; i < 96; ++i) EXPECT_TRUE(Gl().glIsList(GLuint(base + i))) << i;
  EXPECT_FALSE(Gl().glIsList(GLuint(base + 96)));

  auto file = MatchFontFile("Arial", 400, false);
  ASSERT_TRUE(file);
  auto face = OutlineFace::Open(*file);
  ASSERT_TRUE(face);

  constexpr int kSize = 512;      // pixels across the drawn window
  constexpr double kWindow = 1.6; // em units across: x -0.3..1.3, y -0.4..1.2
  QOpenGLFramebufferObject fbo(kSize, kSize);
  ASSERT_TRUE(fbo.bind());
  GlApi& gl = Gl();
  gl.glViewport(0, 0, kSize, kSize);
  gl.glMatrixMode(GL_PROJECTION);
  gl.glLoadIdentity();
  gl.glOrtho(-0.3, -0.3 + kWindow, -0.4, -0.4 + kWindow, -10, 10);
  gl.glMatrixMode(GL_MODELVIEW);
  gl.glLoadIdentity();
  gl.glDisable(GL_LIGHTING);
  gl.glDisable(GL_DEPTH_TEST);
  gl.glDisable(GL_CULL_FACE);
  gl.glClearColor(1, 1, 1, 1);
  const double pixelArea = (kWindow / kSize) * (kWindow / kSize);

  for (char code : {'0', '8', 'B', 'A', 'g', '@'}) {
    gl.glClear(GL_COLOR_BUFFER_BIT);
    gl.glColor3f(0, 0, 0);
    gl.glPushMatrix();
    gl.glCallList(GLuint(base + code - 32));
    gl.glPopMatrix();
    gl.glFinish();
    const QImage image = fbo.toImage();
    long dark = 0;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) dark += qGray(image.pixel(x, y)) < 128;

    // The outline's own area (signed areas of its contours, counters subtracting), and the
    // outline drawn as one-pixel lines half outside it.
    auto glyph = face->Glyph(char32_t(code));
    ASSERT_TRUE(glyph);
    double area = 0, perimeter = 0;
    for (const auto& c : glyph->contours) {
      area += SignedArea(c);
      for (size_t i = 0; i < c.size(); ++i)
        perimeter += std::hypot(c[(i + 1) % c.size()][0] - c[i][0], c[(i + 1) % c.size()][1] - c[i][1]);
    }
    area = std::fabs(area) + perimeter * (kWindow / kSize) / 2;
    EXPECT_NEAR(dark * pixelArea, area, 0.03 * area) << code;
    // A pixel at the middle of the counter of '0' stays white.
    if (code == '0') {
      const double cx = glyph->advance / 2, cy = 0.36;  // centre of the digit's bowl
      const int px = int((cx + 0.3) / kWindow * kSize);
      const int py = kSize - 1 - int((cy + 0.4) / kWindow * kSize);
      EXPECT_GT(qGray(image.pixel(px, py)), 200);
    }
  }
  // Each list moves on by its glyph's advance, as the face gives it in em units.
  for (char code : {'0', ' ', 'X', '-'}) {
    gl.glLoadIdentity();
    gl.glCallList(GLuint(base + code - 32));
    GLfloat m[16] = {};
    gl.glGetFloatv(GL_MODELVIEW_MATRIX, m);
    auto glyph = face->Glyph(char32_t(code));
    ASSERT_TRUE(glyph);
    EXPECT_FLOAT_EQ(m[12], float(glyph->advance)) << code;
    EXPECT_EQ(m[13], 0);
  }
  gl.glLoadIdentity();
  gl.glCallList(GLuint(base + '0' - 32));
  GLfloat m[16] = {};
  gl.glGetFloatv(GL_MODELVIEW_MATRIX, m);
  EXPECT_FLOAT_EQ(m[12], 1139.0f / 2048.0f);
  EXPECT_EQ(gl.glGetError(), GLenum(GL_NO_ERROR));
  fbo.release();
  gl.glDeleteLists(GLuint(base), 96);
}

TEST_F(GlyphPixels, TextsCompiledIntoAListDrawAsciiAndChinese) {
  int32_t base = 0;
  ASSERT_TRUE(CreateOutlineFont(base, "Arial", -8, 700, 0, 0));
  constexpr int kSize = 256;
  QOpenGLFramebufferObject fbo(kSize, kSize);
  ASSERT_TRUE(fbo.bind());
  GlApi& gl = Gl();
  gl.glViewport(0, 0, kSize, kSize);
  gl.glMatrixMode(GL_PROJECTION);
  gl.glLoadIdentity();
  gl.glOrtho(-0.5, 4.5, -2, 3, -10, 10);
  gl.glMatrixMode(GL_MODELVIEW);
  gl.glLoadIdentity();
  gl.glDisable(GL_LIGHTING);
  gl.glDisable(GL_DEPTH_TEST);
  gl.glClearColor(1, 1, 1, 1);
  const auto darkPixels = [&](const char* text) {
    const GLuint list = gl.glGenLists(1);
    gl.glNewList(list, GL_COMPILE);
    DrawText3D(base, text, 0, 0, 0, {0, 0, 1, 0}, 0);
    gl.glEndList();
    EXPECT_EQ(gl.glGetError(), GLenum(GL_NO_ERROR)) << text;
    gl.glClear(GL_COLOR_BUFFER_BIT);
    gl.glCallList(list);
    gl.glFinish();
    gl.glDeleteLists(list, 1);
    const QImage image = fbo.toImage();
    long dark = 0;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) dark += qGray(image.pixel(x, y)) < 128;
    return dark;
  };
  const long zero = darkPixels("0");
  const long chinese = darkPixels("时间");
  const long mixed = darkPixels("0时间");
  EXPECT_GT(zero, 100);
  EXPECT_GT(chinese, 2 * zero);
  EXPECT_NEAR(double(mixed), double(zero + chinese), 0.02 * double(mixed));  // side by side
  fbo.release();
  gl.glDeleteLists(GLuint(base), 96);
}

}  // namespace
}  // namespace curvanta
