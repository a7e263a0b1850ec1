// Line and point states, colours and widths of the drawing.
#include "draw/gl_states.h"

#include <algorithm>
#include <cmath>

#include "scene/point_draw.h"

namespace curvanta {

void SetGlColour(int32_t color) {
  double r = 0, g = 0, b = 0;
  ColorToUnitRGB(color, r, g, b);
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
