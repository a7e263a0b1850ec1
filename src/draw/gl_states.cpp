// Line and point states, colours and widths of the drawing.
#include "draw/gl_states.h"

#include <algorithm>
#include <cmath>

#include "common/drawn_colour.h"

namespace curvanta {

void SplitColour(int32_t color, double& red, double& green, double& blue) {
  const double c = static_cast<double>(DrawnColour(color));
  const double b = std::trunc(c / 256 / 256);
  const double g = std::trunc((c - b * 256 * 256) / 256);
  const double r = std::trunc(c - b * 256 * 256 - g * 256);
  red = r / 255;
  green = g / 255;
  blue = b / 255;
}

void SetGlColour(int32_t color) {
  double r = 0, g = 0, b = 0;
  SplitColour(color, r, g, b);
  Gl().glColor3d(r, g, b);
}

void SetGlLineWidth(double width) {
  Gl().glLineWidth(static_cast<GLfloat>(std::isfinite(width) ? std::max(width, 1.0) : 1.0));
}

void SetGlPointSize(double size) {
  Gl().glPointSize(static_cast<GLfloat>(std::isfinite(size) ? std::max(size, 1.0) : 1.0));
}

LineState::LineState() {
  GlApi& gl = Gl();
  gl.glDisable(GL_LIGHTING);
  gl.glEnable(GL_LINE_SMOOTH);
  gl.glEnable(GL_BLEND);
  gl.glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  gl.glHint(GL_LINE_SMOOTH_HINT, GL_NICEST);
}

LineState::~LineState() {
  GlApi& gl = Gl();
  gl.glEnable(GL_LIGHTING);
  gl.glDisable(GL_LINE_SMOOTH);
  gl.glDisable(GL_BLEND);
}

PointState::PointState() {
  GlApi& gl = Gl();
  gl.glDisable(GL_LIGHTING);
  gl.glEnable(GL_POINT_SMOOTH);
  gl.glEnable(GL_BLEND);
  gl.glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  gl.glHint(GL_POINT_SMOOTH_HINT, GL_NICEST);
}

PointState::~PointState() {
  GlApi& gl = Gl();
  gl.glEnable(GL_LIGHTING);
  gl.glDisable(GL_BLEND);
  gl.glDisable(GL_POINT_SMOOTH);
}

void DrawLinePiece(double x1, double y1, double z1, double x2, double y2, double z2) {
  GlApi& gl = Gl();
  gl.glBegin(GL_LINES);
  gl.glVertex3d(x1, y1, z1);
  gl.glVertex3d(x2, y2, z2);
  gl.glEnd();
}

}  // namespace curvanta
